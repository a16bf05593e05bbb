// SPDX-License-Identifier: GPL-3.0-or-later
#include "history_ui/history_window.h"
#include "support/gui/english_window.h"
#include "support/named_case.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace {

struct EnglishShown : EnglishWindow {
    EnglishShown() { start(); }
};

struct SampleCase {
    const char* name;
    QString (*shown)(EnglishShown&);
    const char* english;
};
ONDREL_NAMED_CASE(SampleCase)

QString lastBox(EnglishShown& f)
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
    ASSERT_FALSE(EnglishTexts().translators.empty()) << "no English texts in the resources";
    EnglishShown f;
    EXPECT_EQ(GetParam().shown(f), QString::fromUtf8(GetParam().english));
}

INSTANTIATE_TEST_SUITE_P(
    Samples, EnglishTextTest,
    testing::Values(
        SampleCase{"CaptionWithCountdown", [](EnglishShown& f) { return f.window->windowTitle(); },
                   "Es caution 3:00"},
        SampleCase{"StatusLineKeepsThePageTime",
                   [](EnglishShown& f) { return f.window->fmcls->text(); },
                   "at 2026/12/07 10:15 JST"},
        SampleCase{"NoResponse",
                   [](EnglishShown& f) {
                       f.controller->reloadNow();
                       f.download.fail();
                       return f.window->fmcls->text() + u'|' + lastBox(f);
                   },
                   "No response-11|Communication error with the host\r\n"
                   "Retrying automatically in 30 seconds "},
        SampleCase{"SummaryMark", [](EnglishShown& f) { return f.window->Label2[14]->text(); },
                   "C"},
        SampleCase{"PageValueAsGiven", [](EnglishShown& f) { return f.window->Label2[5]->text(); },
                   "8.6"},
        SampleCase{"StationHeading", [](EnglishShown& f) { return f.window->Label3[1]->text(); },
                   "K"},
        SampleCase{"SummaryHeading", [](EnglishShown& f) { return f.window->Label3[4]->text(); },
                   "Σ"},
        SampleCase{"HeadingTip", [](EnglishShown& f) { return f.window->Label3[2]->toolTip(); },
                   "Click for Yamagawa (Kagoshima) details"},
        SampleCase{"HeaderTip", [](EnglishShown& f) { return f.window->Label1->toolTip(); },
                   "Left-click here for a short explanation,\r\n"
                   "right-click here to change the reload timer"},
        SampleCase{"CellTip", [](EnglishShown& f) { return hoveredTip(f.window->Label2[2]); },
                   "Sporadic-E critical frequency [MHz]"},
        SampleCase{"CheckBox", [](EnglishShown& f) { return f.window->Check1->text(); },
                   "Keep in front"},
        SampleCase{"RestoreButton", [](EnglishShown& f) { return f.window->Command1->text(); },
                   "Back to small size"},
        SampleCase{"PeriodEditor",
                   [](EnglishShown& f) {
                       f.controller->openPeriodEditor();
                       return f.window->Frame2->title() + u'|' + f.window->Label4->text();
                   },
                   "Reload timer|every 3m00s"},
        SampleCase{"HelpLastLineOfItsOwn",
                   [](EnglishShown& f) {
                       QTest::mouseClick(f.window->Label1, Qt::LeftButton);
                       return lastBox(f).split(QStringLiteral("\r\n")).at(13);
                   },
                   "Start with the option -T to keep the window in front"},
        SampleCase{"HelpMarks",
                   [](EnglishShown& f) {
                       QTest::mouseClick(f.window->Label1, Qt::LeftButton);
                       return lastBox(f).split(QStringLiteral("\r\n")).at(17);
                   },
                   "Marks of the Σ row: Q quiet (Q for Es), C caution, C! Fmax or Fmin alert, Es! "
                   "Es alert"},
        SampleCase{"HistoryWindow",
                   [](EnglishShown& f) {
                       f.history.openHistory();
                       return f.history.window()->windowTitle();
                   },
                   "History"}),
    [](const auto& info) { return std::string(info.param.name); });

// Qt's own dialogs (the CSV save dialog's buttons) speak the interface's
// language too.
TEST(InterfaceLanguage, QtsOwnTextsFollowTheLanguage)
{
    const auto cancel = [] { return QCoreApplication::translate("QPlatformTheme", "Cancel"); };
    {
        const Translators japanese = installInterfaceLanguage(InterfaceLanguage::Japanese);
        ASSERT_EQ(japanese.size(), 1u) << "Qt's translations missing (qt6-translations-l10n)";
        EXPECT_EQ(cancel(), QStringLiteral("キャンセル"));
    }
    const Translators english = installInterfaceLanguage(InterfaceLanguage::English);
    EXPECT_EQ(cancel(), QStringLiteral("Cancel"));
}

} // namespace
