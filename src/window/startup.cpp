// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/startup.h"

#include "core/page/page_urls.h"
#include "core/refresh/refresh_loop.h"
#include "core/refresh/timer.h"
#include "core/settings/program_settings.h"
#include "core/settings/settings_store.h"
#include "core/system/procedure_failure.h"
#include "window/browser_view.h"
#include "window/command_line.h"
#include "window/form1.h"
#include "window/form_state.h"
#include "window/twips.h"
#include "window/window_geometry.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QScrollBar>

namespace {

const char* const kHeaderTip =
    QT_TRANSLATE_NOOP("Startup", "ここを左クリックすると簡単な説明表示します、\r\n"
                                 "ここを右クリックするとﾘﾛｰﾄﾞﾀｲﾏの変更が可能です");
const char* const kCredit =
    QT_TRANSLATE_NOOP("Startup", "このデータは「WDC for Ionosphere, Tokyo, National Institute of "
                                 "Information and Communications Technology」 "
                                 "から提供されているものです ");

} // namespace

void Startup::Form_Load(const QString& arguments)
{
    Parts& f = m_parts;
    try {
        const QSize screen = QGuiApplication::primaryScreen()->geometry().size();
        f.form.ScreenWidth = pixelsToTwips(screen.width());
        f.form.ScreenHeight = pixelsToTwips(screen.height());

        restoreCompactPosition();
        ReloadCountdown& countdown = f.loop.countdown();
        countdown.setPeriod(f.settings.reloadPeriod());
        f.window.VScroll1->setValue(countdown.ReloadPeriod());
        f.window.setSignalPalette(f.settings.palette());

        f.window.setOuterSize(kCompactWidth, kCompactHeight);
        f.window.keepOnScreen();
        f.form.PaneOpen = 0;
        f.window.setPaneLayout(false);
        f.window.Label1->setToolTip(QCoreApplication::translate("Startup", kHeaderTip));
        f.window.setCredit(QCoreApplication::translate("Startup", kCredit));
        prepareReadout();

        f.form.PageUrl = pageUrls(f.settings.alertPageBase());
        countdown.setElapsed(0);
        f.loop.readout().AlertTime.clear();
        f.loop.conv().ConvError.clear();

        f.loop.startCounting();

        f.Timer1.setInterval(0);
        f.Timer1.setEnabled(false);
        f.Timer2.setInterval(1000);
        f.Timer2.setEnabled(true);

        f.loop.setAlertUrl(f.form.PageUrl[0]);
        f.loop.RefreshAlert();
        f.browser.stop();
        f.window.Check1->setChecked(asksKeepInFront(arguments));
    } catch (const ProcedureFailure&) {
    }
}

void Startup::restoreCompactPosition()
{
    Parts& f = m_parts;
    f.window.setTop(f.settings.compactTop());
    f.window.setLeft(f.settings.compactLeft());
}

void Startup::prepareReadout()
{
    Parts& f = m_parts;
    ReadoutState& readout = f.loop.readout();
    for (int i = 0; i < kCellCount; ++i) {
        readout.cells[i] = GridCell{};
        QLabel* cell = f.window.Label2[i];
        cell->setAlignment(Qt::AlignCenter);
        cell->resize(twipsToPixels(kCellWidth), cell->height());
    }
    f.window.render(readout);
}

void Startup::Form_Unload()
{
    Parts& f = m_parts;
    try {
        Form1& window = f.window;
        if (positionIsWorthKeeping(window)) {
            if (f.form.PaneOpen == 1)
                storePaneGeometry(f.settings, window);
            else
                storeCompactPosition(f.settings, window);
        }
        f.loop.cancel(); // the download, and the retry Timer1
        f.browser.stop();
        f.Timer2.setInterval(0);
        f.Timer2.setEnabled(false);
        window.setKeepInFront(false);
        deleteStaleFiles();
    } catch (const ProcedureFailure&) {
    }
}

void Startup::deleteStaleFiles()
{
    QString directory = m_parts.settingsDirectory();
    if (!directory.endsWith(u'/'))
        directory += u'/';
    for (const char* name : {"GetHtml_OVRW.txt", "GetHtml_APPD.txt"}) {
        const QString path = directory + QLatin1String(name);
        if (FileExists(path) == 1 && !QFile::remove(path))
            throw ProcedureFailure("stale file cannot be deleted");
    }
}
