// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/gui/form_fixture.h"

#include <QFile>

void FormFixture::writeSettings(const QStringList& lines) const
{
    QFile file(settingsPath());
    if (!file.open(QIODevice::WriteOnly))
        qFatal("cannot write test settings");
    file.write(("[ESConf]\n" + lines.join(u'\n') + u'\n').toUtf8());
}

QString FormFixture::settingsText() const
{
    QFile file(settingsPath());
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll());
}
