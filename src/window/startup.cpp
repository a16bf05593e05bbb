// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/startup.h"

#include "core/page/page_urls.h"
#include "core/page/readout_state.h"
#include "core/refresh/fetch_cycle.h"
#include "core/refresh/timer.h"
#include "core/settings/program_settings.h"
#include "core/settings/settings_store.h"
#include "core/text/code_conv.h"
#include "core/text/text_helpers.h"
#include "window/browser_view.h"
#include "window/command_line.h"
#include "window/form1.h"
#include "window/form_state.h"
#include "window/refresh_scheduler.h"
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
        f.form.ReloadPeriod = f.settings.reloadPeriod();
        f.window.VScroll1->setValue(f.form.ReloadPeriod);
        f.window.setSignalPalette(f.settings.palette());

        f.window.setOuterSize(kCompactWidth, kCompactHeight);
        f.window.keepOnScreen();
        f.form.PaneOpen = 0;
        f.window.Label1->setToolTip(QCoreApplication::translate("Startup", kHeaderTip));
        f.window.Label5->setText(QCoreApplication::translate("Startup", kCredit));
        prepareReadout();

        f.form.PageUrl = pageUrls(f.settings.alertPageBase());
        f.form.ReloadElapsed = 0;
        f.readout.AlertTime.clear();
        f.conv.ConvError.clear();

        f.scheduler.startCounting();

        f.Timer1.setInterval(0);
        f.Timer1.setEnabled(false);
        f.Timer2.setInterval(1000);
        f.Timer2.setEnabled(true);

        f.fetch.alertUrl = f.form.PageUrl[0];
        f.fetch.RefreshAlert();
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
    for (int i = 0; i < kCellCount; ++i) {
        f.readout.cells[i] = GridCell{};
        QLabel* cell = f.window.Label2[i];
        cell->setAlignment(Qt::AlignCenter);
        cell->resize(twipsToPixels(kCellWidth), cell->height());
    }
    f.window.render(f.readout);
}

void Startup::Form_Unload()
{
    Parts& f = m_parts;
    try {
        Form1& window = f.window;
        if (window.Top() > 0 && !window.isMinimized()) {
            if (f.form.PaneOpen == 1)
                storePaneGeometry(f.settings, window);
            else
                storeCompactPosition(f.settings, window);
        }
        f.download.Cancel();
        f.browser.stop();
        f.Timer1.setInterval(0);
        f.Timer1.setEnabled(false);
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
