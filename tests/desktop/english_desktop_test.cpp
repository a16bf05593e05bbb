// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/settings/home_locator.h"
#include "desktop/desktop_integration.h"
#include "desktop/tray_icon.h"
#include "recording_sink.h"
#include "support/gui/english_window.h"
#include "support/named_case.h"
#include "window/settings_feature.h"
#include "window/settings_window.h"

#include <QAction>

#include <gtest/gtest.h>

namespace {

// The English window with its tray and notifications.
struct EnglishDesktop : EnglishWindow {
    EnglishDesktop()
    {
        desktop = std::make_unique<DesktopIntegration>(
            *window, *controller, loop, settings,
            TrayOpeners{[this] { history.openHistory(); }, {}, {}}, settingsFeature, home,
            DesktopSeams{&sink, [] { return std::chrono::seconds(0); }, true, false,
                         directory.filePath(QStringLiteral("autostart")),
                         directory.filePath(QStringLiteral("notified"))});
        start();
    }
    ~EnglishDesktop() { desktop.reset(); }

    SettingsFeature settingsFeature{*window, *controller, settings};
    HomeLocator home{settings};
    RecordingSink sink;
    std::unique_ptr<DesktopIntegration> desktop;
};

struct SampleCase {
    const char* name;
    QString (*shown)(EnglishDesktop&);
    const char* english;
};
ONDREL_NAMED_CASE(SampleCase)

class EnglishTextTest : public testing::TestWithParam<SampleCase> {};

TEST_P(EnglishTextTest, ShowsTheEnglishText)
{
    ASSERT_FALSE(EnglishTexts().translators.empty()) << "no English texts in the resources";
    EnglishDesktop f;
    EXPECT_EQ(GetParam().shown(f), QString::fromUtf8(GetParam().english));
}

INSTANTIATE_TEST_SUITE_P(
    Samples, EnglishTextTest,
    testing::Values(SampleCase{"TrayMenu",
                               [](EnglishDesktop& f) {
                                   TrayIcon& tray = *f.desktop->tray();
                                   return tray.reloadAction->text() + u'|' +
                                          tray.quitAction->text();
                               },
                               "Reload now (Ref)|Quit"},
                    SampleCase{"TrayToolTip",
                               [](EnglishDesktop& f) {
                                   const QString tip = f.desktop->tray()->icon().toolTip();
                                   return tip.left(tip.indexOf(QStringLiteral("<table")));
                               },
                               "<b>Ondrel: Es caution</b><br>at 2026/12/07 10:15 JST"},
                    SampleCase{"Notification",
                               [](EnglishDesktop& f) {
                                   return f.sink.shown.empty()
                                              ? QString()
                                              : f.sink.shown[0].title + u'|' + f.sink.shown[0].body;
                               },
                               "Es caution|Kokubunji Es 8.6 MHz\nat 2026/12/07 10:15 JST\n"
                               "28 MHz: K 713–2,298 km, Y 1,755–2,298 km\n50 MHz: closed\n"
                               "144 MHz: closed"},
                    SampleCase{"SettingsWindow",
                               [](EnglishDesktop& f) {
                                   f.desktop->tray()->settingsAction->trigger();
                                   SettingsWindow& shown = *f.settingsFeature.window();
                                   const QWidget* language = shown.field(QStringLiteral("ESLang"));
                                   return shown.windowTitle() + u'|' + language->accessibleName() +
                                          u'|' + language->accessibleDescription();
                               },
                               "Settings|Language|default 日本語 (Japanese), after a restart"}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
