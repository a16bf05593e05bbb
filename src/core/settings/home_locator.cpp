// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/settings/home_locator.h"

#include "core/settings/program_settings.h"

#include <cstdio>
#include <utility>

HomeLocator::HomeLocator(SettingsStore& settings) : m_settings(settings)
{
    m_locator = stored();
}

QString HomeLocator::stored()
{
    return ProgramSettings(m_settings)
        .homeLocator([this](const QString& problem) {
            if (problem == std::exchange(m_toldAbout, problem))
                return;
            std::fprintf(stderr, "ondrel: %s\n", problem.toLocal8Bit().constData());
        })
        .value_or(QString());
}

void HomeLocator::set(const QString& locator)
{
    ProgramSettings(m_settings).setHomeLocator(locator);
    if (std::exchange(m_locator, locator) != locator)
        emit changed(m_locator);
}

void HomeLocator::reread()
{
    const QString now = stored();
    if (std::exchange(m_locator, now) != now)
        emit changed(m_locator);
}
