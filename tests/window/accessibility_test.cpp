// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/gui/form_fixture.h"
#include "support/named_case.h"
#include "window/accessible_readout.h"

#include <QAccessible>
#include <QCheckBox>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>

namespace {

using testpage::Reading;
using testpage::Readings;

Reading reading(const char* value, const char* signal)
{
    return {QString::fromLatin1(value), QString::fromLatin1(signal)};
}

// Every level and every way of missing a value.
QByteArray mixedPage()
{
    QString sections;
    sections += testpage::station(
        0, {reading("11.2", "GREEN"), reading("1.8", "BLINK-YELLOW"), reading("8.1", "BLINK-RED")});
    sections += testpage::station(
        1, {std::nullopt, reading("---", "GREEN"), reading("5.0", "BLINK-YELLOW-P")});
    sections += testpage::station(2, testpage::quiet(2));
    sections += testpage::station(3, {reading("7.0", "BLINK-RED-N"), reading("2.0", "UNDEFINE"),
                                      reading("4.4", "BLINK-RED-N")});
    return testpage::page(QStringLiteral("2026/12/07 10:15 JST"), sections).toUtf8();
}

// Three quiet stations and Wakkanai's Es signal as given.
QByteArray esPage(const char* signal)
{
    QString sections = testpage::station(
        0, {reading("3.0", "GREEN"), reading("1.5", "GREEN"), reading("6.0", signal)});
    for (int k = 1; k < 4; ++k)
        sections += testpage::station(k, testpage::quiet(k));
    return testpage::page(QStringLiteral("2026/12/07 10:30 JST"), sections).toUtf8();
}

QString accessible(QWidget* widget, QAccessible::Text text = QAccessible::Name)
{
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(widget);
    return iface ? iface->text(text) : QStringLiteral("(none)");
}

struct CellCase {
    const char* name;
    int index;
    const char16_t* heard;
    const char16_t* description; // null: not checked
};
ONDREL_NAMED_CASE(CellCase)

class CellNameTest : public testing::TestWithParam<CellCase> {};

TEST_P(CellNameTest, SaysStationQuantityValueAndLevel)
{
    const CellCase& row = GetParam();
    FormFixture f;
    f.load();
    f.deliverPage(mixedPage());
    QWidget* cell = f.window->Label2[row.index];
    EXPECT_EQ(accessible(cell), QString::fromUtf16(row.heard));
    if (row.description) {
        EXPECT_EQ(accessible(cell, QAccessible::Description), QString::fromUtf16(row.description));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cells, CellNameTest,
    testing::Values(
        CellCase{"WakkanaiFmaxQuiet", 0, u"稚内 Fmax 11.2 MHz 静穏", u"Ｆ層臨界周波数[MHz]"},
        CellCase{"WakkanaiFminCaution", 1, u"稚内 Fmin 1.8 MHz 注意", nullptr},
        CellCase{"WakkanaiEsAlert", 2, u"稚内 Es 8.1 MHz 警報",
                 u"スポラディックＥ層臨界周波数[MHz]"},
        CellCase{"KokubunjiFmaxMissing", 3, u"国分寺 Fmax データなし", u"データがない為不明"},
        CellCase{"KokubunjiFminDashes", 4, u"国分寺 Fmin データなし", nullptr},
        CellCase{"KokubunjiEsCaution", 5, u"国分寺 Es 5.0 MHz 注意", nullptr},
        CellCase{"YamagawaFmax", 6, u"山川 Fmax 2.1 MHz 静穏", nullptr},
        CellCase{"YamagawaFmin", 7, u"山川 Fmin 2.2 MHz 静穏", nullptr},
        CellCase{"YamagawaEs", 8, u"山川 Es 2.3 MHz 静穏", nullptr},
        CellCase{"OgimiFmaxRedN", 9, u"大宜味 Fmax 7.0 MHz 警報", nullptr},
        CellCase{"OgimiFminUndefine", 10, u"大宜味 Fmin データなし", nullptr},
        CellCase{"OgimiEsRedNIsRedButNoEsAlert", 11, u"大宜味 Es 4.4 MHz 警報", nullptr},
        CellCase{"SummaryFmax", 12, u"全局 Fmax 警報", nullptr},
        CellCase{"SummaryFmin", 13, u"全局 Fmin 注意", nullptr},
        CellCase{"SummaryEs", 14, u"全局 Es 警報", nullptr}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CellNames, BeforeTheFirstPageEveryCellHasNoData)
{
    FormFixture f;
    f.load();
    EXPECT_EQ(accessible(f.window->Label2[5]), QStringLiteral("国分寺 Es データなし"));
    EXPECT_EQ(accessible(f.window->Label2[14]), QStringLiteral("全局 Es データなし"));
}

struct ControlCase {
    const char* name;
    std::function<QWidget*(Form1&)> control;
    const char16_t* heard;
};
ONDREL_NAMED_CASE(ControlCase)

class ControlNameTest : public testing::TestWithParam<ControlCase> {};

TEST_P(ControlNameTest, SaysWhatTheControlIsFor)
{
    FormFixture f;
    f.load();
    f.deliverPage(mixedPage());
    EXPECT_EQ(accessible(GetParam().control(*f.window)), QString::fromUtf16(GetParam().heard));
}

INSTANTIATE_TEST_SUITE_P(
    Controls, ControlNameTest,
    testing::Values(
        ControlCase{"Ref", [](Form1& w) { return w.Label6; }, u"今すぐ再読み込み"},
        ControlCase{"StatusItem", [](Form1& w) { return w.fmcls; }, u"2026/12/07 10:15 JST現在"},
        ControlCase{"Wakkanai", [](Form1& w) { return w.Label3[0]; }, u"稚内のイオノグラム"},
        ControlCase{"All", [](Form1& w) { return w.Label3[4]; }, u"全局のイオノグラム"},
        ControlCase{"Back", [](Form1& w) { return w.Command2; }, u"前のページ"},
        ControlCase{"Can", [](Form1& w) { return w.Command6; }, u"取り消し"},
        ControlCase{"Period", [](Form1& w) { return w.VScroll1; }, u"再読み込みの周期（秒）"}),
    [](const auto& info) { return std::string(info.param.name); });

// The caption says "Ondrel" on alert; the name says the level's words.
TEST(WindowName, IsTheCaptionWithItsCountdownInWords)
{
    FormFixture f;
    f.clock.time = QTime(10, 7, 30);
    f.load();
    f.deliverPage(mixedPage());
    f.clock.time = QTime(10, 7, 31);
    f.controller->Timer2_Timer();
    EXPECT_EQ(f.window->windowTitle(), QStringLiteral("Ondrel 1:29"));
    EXPECT_EQ(accessible(f.window.get()), QStringLiteral("Es 警報 1:29"));
}

// Old data: dimmed colours, and the status line tells its age; a fresh
// page brings the colours back.
TEST(StaleReadout, DimsAndTellsItsAge)
{
    FormFixture f;
    f.clock.time = QTime(10, 20);
    f.load();
    f.deliverPage(); // 2026/12/07 10:15 JST, caution at Kokubunji
    QLabel* es = f.window->Label2[5];
    const auto colour = [es] { return es->palette().color(QPalette::WindowText); };
    f.clock.time = QTime(11, 0, 0);
    f.controller->Timer2_Timer();
    EXPECT_EQ(colour(), QColor(255, 255, 0)) << "45 minutes is not yet stale";
    EXPECT_TRUE(f.window->fmcls->toolTip().isEmpty());
    f.clock.time = QTime(11, 0, 1);
    f.controller->Timer2_Timer();
    EXPECT_EQ(colour(), QColor(0x9F, 0x9F, 0x20));
    EXPECT_EQ(f.window->fmcls->toolTip(), QStringLiteral("データは 45 分前のものです"));
    EXPECT_EQ(accessible(f.window->fmcls),
              QStringLiteral("2026/12/07 10:15 JST現在 データは 45 分前のものです"));
    f.controller->reloadNow();
    f.deliverPage(testpage::realisticBytes().replace("10:15", "11:00"));
    EXPECT_EQ(colour(), QColor(255, 255, 0));
    EXPECT_TRUE(f.window->fmcls->toolTip().isEmpty());
}

struct RiseCase {
    const char* name;
    const char* before; // Es signal of the first page; null: no page yet
    const char* after;
    bool announced;
};
ONDREL_NAMED_CASE(RiseCase)

class EsRiseTest : public testing::TestWithParam<RiseCase> {};

TEST_P(EsRiseTest, AnnouncesOnlyARise)
{
    const RiseCase& row = GetParam();
    FormFixture f;
    QStringList heard; // the Es summary's name when an alert came for it
    f.window->accessibleReadout().setEventSink([&](QAccessibleEvent& event) {
        EXPECT_EQ(event.type(), QAccessible::Alert);
        EXPECT_EQ(event.object(), f.window->Label2[14]);
        heard.push_back(accessible(f.window->Label2[14]));
    });
    f.load();
    if (row.before) {
        f.deliverPage(esPage(row.before));
        heard.clear();
        f.loop.RefreshAlert();
    }
    f.deliverPage(esPage(row.after));
    f.controller->Timer2_Timer(); // the next tick renders again
    if (row.announced)
        EXPECT_EQ(heard, QStringList{accessible(f.window->Label2[14])});
    else
        EXPECT_TRUE(heard.isEmpty()) << heard.join(u',').toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Transitions, EsRiseTest,
    testing::Values(RiseCase{"QuietToCaution", "GREEN", "BLINK-YELLOW", true},
                    RiseCase{"CautionToAlert", "BLINK-YELLOW-N", "BLINK-RED", true},
                    RiseCase{"QuietToAlert", "GREEN", "BLINK-RED", true},
                    RiseCase{"FirstPageAlert", nullptr, "BLINK-RED", true},
                    RiseCase{"AlertToCaution", "BLINK-RED", "BLINK-YELLOW", false},
                    RiseCase{"RedNCountsAsQuiet", "GREEN", "BLINK-RED-N", false}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
