// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/desktop_integration.h"
#include "desktop/desktop_notifications.h"
#include "desktop/tray_icon.h"
#include "history_ui/history_window.h"
#include "recording_sink.h"
#include "support/form_fixture.h"
#include "support/named_case.h"
#include "window/history_feature.h"
#include "window/interface_language.h"

#include <QAction>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace {

// Installed before the window is made, as the program does for ESLang=en.
struct EnglishTexts {
    std::unique_ptr<QTranslator> translator = installInterfaceLanguage(InterfaceLanguage::English);
};

// The shown window with its tray after one refresh of the realistic page
// (Es caution at Kokubunji) and one tick of the countdown.
struct EnglishDesktop : EnglishTexts, FormFixture {
    EnglishDesktop()
    {
        desktop = std::make_unique<DesktopIntegration>(
            *window, *controller, settings, [this] { history.openHistory(); },
            DesktopSeams{&sink, [] { return std::chrono::seconds(0); }, true, false,
                         directory.filePath(QStringLiteral("autostart"))});
        window->show();
        (void)QTest::qWaitForWindowExposed(window.get());
        load();
        deliverPage();
        controller->Timer2_Timer();
    }
    ~EnglishDesktop() { desktop.reset(); }

    HistoryFeature history{*window, *controller, FormFixture::settings, [] { return QString(); }};
    RecordingSink sink;
    std::unique_ptr<DesktopIntegration> desktop;
};

struct SampleCase {
    const char* name;
    QString (*shown)(EnglishDesktop&);
    const char* english;
};
ONDREL_NAMED_CASE(SampleCase)

QString lastBox(EnglishDesktop& f)
{
    return f.boxes.shown.empty() ? QString() : f.boxes.shown.back().text;
}

QString hoveredTip(QWidget* control)
{
    QTest::mouseMove(control, QPoint(2, 2));
    QTest::mouseMove(control, QPoint(5, 4));
    return control->toolTip();
}

class EnglishTextTest : public testing::TestWithParam<SampleCase> {};

TEST_P(EnglishTextTest, ShowsTheEnglishText)
{
    ASSERT_TRUE(EnglishTexts().translator) << "no English texts in the resources";
    EnglishDesktop f;
    EXPECT_EQ(GetParam().shown(f), QString::fromUtf8(GetParam().english));
}

INSTANTIATE_TEST_SUITE_P(
    Samples, EnglishTextTest,
    testing::Values(
        SampleCase{"CaptionWithCountdown",
                   [](EnglishDesktop& f) { return f.window->windowTitle(); }, "Es caution 3:00"},
        SampleCase{"StatusLineKeepsThePageTime",
                   [](EnglishDesktop& f) { return f.window->fmcls->text(); },
                   "at 2026/12/07 10:15 JST"},
        SampleCase{"NoResponse",
                   [](EnglishDesktop& f) {
                       f.controller->reloadNow();
                       f.download.fail();
                       return f.window->fmcls->text() + u'|' + lastBox(f);
                   },
                   "No response-11|Communication error with the host\r\n"
                   "Retrying automatically in 30 seconds "},
        SampleCase{"SummaryMark", [](EnglishDesktop& f) { return f.window->Label2[14]->text(); },
                   "C"},
        SampleCase{"PageValueAsGiven",
                   [](EnglishDesktop& f) { return f.window->Label2[5]->text(); }, "8.6"},
        SampleCase{"StationHeading", [](EnglishDesktop& f) { return f.window->Label3[1]->text(); },
                   "K"},
        SampleCase{"SummaryHeading", [](EnglishDesktop& f) { return f.window->Label3[4]->text(); },
                   "Σ"},
        SampleCase{"HeadingTip", [](EnglishDesktop& f) { return f.window->Label3[2]->toolTip(); },
                   "Click for Yamagawa (Kagoshima) details"},
        SampleCase{"HeaderTip", [](EnglishDesktop& f) { return f.window->Label1->toolTip(); },
                   "Left-click here for a short explanation,\r\n"
                   "right-click here to change the reload timer"},
        SampleCase{"CellTip", [](EnglishDesktop& f) { return hoveredTip(f.window->Label2[2]); },
                   "Sporadic-E critical frequency [MHz]"},
        SampleCase{"CheckBox", [](EnglishDesktop& f) { return f.window->Check1->text(); },
                   "Keep in front"},
        SampleCase{"RestoreButton", [](EnglishDesktop& f) { return f.window->Command1->text(); },
                   "Back to small size"},
        SampleCase{"PeriodEditor",
                   [](EnglishDesktop& f) {
                       f.controller->openPeriodEditor();
                       return f.window->Frame2->title() + u'|' + f.window->Label4->text();
                   },
                   "Reload timer|every 3m00s"},
        SampleCase{"HelpLastLine",
                   [](EnglishDesktop& f) {
                       QTest::mouseClick(f.window->Label1, Qt::LeftButton);
                       return lastBox(f).split(QStringLiteral("\r\n")).constLast();
                   },
                   "Start with the option -T to keep the window in front"},
        SampleCase{"TrayMenu",
                   [](EnglishDesktop& f) {
                       TrayIcon& tray = *f.desktop->tray();
                       return tray.reloadAction->text() + u'|' + tray.quitAction->text();
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
                   "Es caution|Kokubunji Es 8.6 MHz\nat 2026/12/07 10:15 JST"},
        SampleCase{"HistoryWindow",
                   [](EnglishDesktop& f) {
                       f.history.openHistory();
                       return f.history.window()->windowTitle();
                   },
                   "History"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(InterfaceLanguage, JapaneseNeedsNoTranslator)
{
    EXPECT_EQ(installInterfaceLanguage(InterfaceLanguage::Japanese), nullptr);
}

} // namespace
