// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/desktop_integration.h"

#include "core/refresh/refresh_loop.h"
#include "core/settings/program_settings.h"
#include "core/status/data_age.h"
#include "core/status/notice_memory.h"
#include "core/system/session_bus.h"
#include "desktop/desktop_notifications.h"
#include "desktop/tray_icon.h"
#include "window/form_controller.h"

#include <QAction>
#include <QCoreApplication>
#include <QDateTime>

#include <cstdio>
#include <utility>

namespace {

std::chrono::seconds systemClock()
{
    return std::chrono::seconds(QDateTime::currentSecsSinceEpoch());
}

// The session bus where one runs; never one started just for us.
QDBusConnection sessionBusIfAny()
{
    if (!sessionBusAvailable())
        return QDBusConnection(QStringLiteral("ondrel-no-session-bus"));
    return QDBusConnection::sessionBus();
}

} // namespace

DesktopIntegration::DesktopIntegration(QWidget& window, FormController& form, RefreshLoop& loop,
                                       SettingsStore& settings, std::function<void()> openHistory,
                                       DesktopSeams seams)
    : m_settings(settings), m_now(seams.now ? std::move(seams.now) : systemClock),
      m_sink(seams.sink), m_autostart(seams.autostartDirectory),
      m_startedInFront(seams.startedInFront),
      m_memoryPath(seams.noticeMemory.isEmpty() ? stateFilePath(QStringLiteral("notified"))
                                                : seams.noticeMemory)
{
    ProgramSettings stored(settings);
    m_policy.enabled = stored.notifyOn();
    m_policy.cooldown = stored.notifyCooldown();
    m_policy.restore(loadNoticeMemory(m_memoryPath));

    if (seams.tray) {
        m_tray = std::make_unique<TrayIcon>(window, form, std::move(openHistory), m_policy.enabled,
                                            [this](bool on) { setNotificationsOn(on); });
        QAction* autostart = m_tray->autostartAction;
        autostart->setChecked(startsAtLogin());
        QObject::connect(autostart, &QAction::triggered, m_tray.get(), [this, autostart](bool on) {
            autostart->setChecked(setStartsAtLogin(on));
        });
        m_tray->icon().show();
    }
    if (!m_sink) {
        m_ownSink = std::make_unique<DbusNoticeSink>(
            sessionBusIfAny, [this, told = false](const EsNotice& notice) mutable {
                if (m_tray) {
                    m_tray->showMessage(notice);
                } else if (!std::exchange(told, true)) {
                    std::fputs("ondrel: Es notifications cannot be shown: no notification "
                               "service and no system tray\n",
                               stderr);
                }
            });
        m_sink = m_ownSink.get();
    }
    QObject::connect(&loop, &RefreshLoop::refreshed, &m_context,
                     [this](RefreshOutcome, const ReadoutState& readout) { refreshed(readout); });
    // The tray follows the caption's ticks too: old data dims with time.
    QObject::connect(&loop, &RefreshLoop::readoutChanged, &m_context,
                     [this](const ReadoutState& readout) { showInTray(readout); });
}

DesktopIntegration::~DesktopIntegration() = default;

void DesktopIntegration::setNotificationsOn(bool on)
{
    m_policy.enabled = on;
    ProgramSettings(m_settings).setNotifyOn(on);
}

bool DesktopIntegration::setStartsAtLogin(bool on)
{
    const QString failure =
        on ? m_autostart.turnOn(QCoreApplication::applicationFilePath(), m_startedInFront)
           : m_autostart.turnOff();
    if (!failure.isEmpty())
        std::fprintf(stderr, "ondrel: start at login: %s\n", failure.toLocal8Bit().constData());
    return startsAtLogin();
}

void DesktopIntegration::showInTray(const ReadoutState& readout)
{
    if (m_tray)
        m_tray->showReadout(
            readout, dataAge(readout, QDateTime::fromSecsSinceEpoch(m_now().count(), Qt::UTC)));
}

void DesktopIntegration::refreshed(const ReadoutState& readout)
{
    showInTray(readout);
    const auto notice = m_policy.afterRefresh(readout, m_now());
    if (!notice)
        return;
    m_sink->show(*notice);
    if (const QString failure = saveNoticeMemory(m_memoryPath, m_policy.memory());
        !failure.isEmpty())
        std::fprintf(stderr, "ondrel: notifications: %s\n", failure.toLocal8Bit().constData());
}
