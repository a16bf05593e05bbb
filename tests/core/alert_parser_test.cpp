// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/page/alert_parser.h"

#include "core/page/readout_formatting.h"
#include "core/system/procedure_failure.h"
#include "support/test_page.h"

#include "support/named_case.h"

#include <gtest/gtest.h>

using namespace testpage;

namespace {

QString allQuiet()
{
    QString sections;
    for (int k = 0; k < 4; ++k)
        sections += station(k, quiet(k));
    return sections;
}

// A state as an earlier refresh left it, so untouched fields are visible.
ReadoutState previousRefresh()
{
    ReadoutState state;
    for (auto& cell : state.cells) {
        cell.caption = QStringLiteral("old");
        cell.colour = 0x010203;
    }
    state.AlertTime = QStringLiteral("old time");
    state.StatusPhrase = QStringLiteral("old phrase");
    state.windowCaption = QStringLiteral("old caption");
    state.StationDetail.fill(QStringLiteral("old detail"));
    state.DelayNote.fill(QStringLiteral("old note"));
    return state;
}

const QString kNote = QStringLiteral(" (データ遅延と思われます QRX)");

TEST(AlertParser, RealisticPageFillsEveryCellAndTheSummary)
{
    ReadoutState state;
    parseAlertPage(upperText(realisticBytes()), state);

    const char* values[] = {"5.3", "1.8", "4.1", "6.2", "1.9", "8.6",
                            "6.8", "2.0", "5.2", "7.4", "2.1", "4.8"};
    for (int i = 0; i < 12; ++i)
        EXPECT_EQ(state.cells[i].caption, QLatin1String(values[i])) << i;
    EXPECT_EQ(state.cells[5].colour, CautionColor);
    EXPECT_EQ(state.cells[9].colour, CautionColor);
    EXPECT_EQ(state.cells[0].colour, QuietColor);
    EXPECT_EQ(state.readings[1].esSignal, QStringLiteral("BLINK-YELLOW-P"));
    EXPECT_EQ(state.cells[12].caption, QStringLiteral("注"));
    EXPECT_EQ(state.cells[13].caption, QStringLiteral("静"));
    EXPECT_EQ(state.cells[14].caption, QStringLiteral("注"));
    EXPECT_EQ(state.StatusPhrase, QStringLiteral("Es 注意"));
    EXPECT_EQ(state.windowCaption, QStringLiteral("Es 注意"));
    EXPECT_EQ(state.AlertTime, QStringLiteral("2026/12/07 10:15 JST"));
    EXPECT_EQ(state.statusItem, QStringLiteral("2026/12/07 10:15 JST現在"));
    EXPECT_TRUE(state.StationDetail[0].startsWith(
        QStringLiteral(" 稚内(北海道) ◎現在のＦ層臨界周波数は約 5.3 [MHz]です。")))
        << state.StationDetail[0].toStdString();
    EXPECT_TRUE(state.StationDetail[3].contains(QStringLiteral("JST]\r\n　[解析")));
    EXPECT_EQ(state.StationDetail[1].count(u'◎'), 3);
    for (const QString& note : state.DelayNote)
        EXPECT_TRUE(note.isEmpty());
}

TEST(AlertParser, MarkerBeyondNextHeaderCountsMissing)
{
    Readings kokubunji = quiet(1);
    kokubunji[0].reset();
    const QString text = page(QStringLiteral("T"), station(0, quiet(0)) + station(1, kokubunji) +
                                                       station(2, quiet(2)) + station(3, quiet(3)));
    ReadoutState state;
    parseAlertPage(text, state);
    EXPECT_EQ(state.cells[3].caption, QStringLiteral("?"));
    EXPECT_EQ(state.cells[3].colour, UndefinedColor);
    EXPECT_EQ(state.readings[1].fmaxSignal, QStringLiteral("UNDEFINE"));
    EXPECT_EQ(state.cells[6].caption, QStringLiteral("2.1"));
}

TEST(AlertParser, LastStationTakesMarkerAnywhereAfterItsHeader)
{
    Readings ogimi = quiet(3);
    ogimi[2].reset();
    const QString trailer = station(
        3,
        {std::nullopt, std::nullopt, Reading{QStringLiteral("9.9"), QStringLiteral("BLINK-RED")}},
        false);
    const QString text =
        page(QStringLiteral("T"), station(0, quiet(0)) + station(1, quiet(1)) +
                                      station(2, quiet(2)) + station(3, ogimi) + trailer);
    ReadoutState state;
    parseAlertPage(text, state);
    EXPECT_EQ(state.cells[11].caption, QStringLiteral("9.9"));
    EXPECT_EQ(state.StatusPhrase, QStringLiteral("Ondrel"));
}

TEST(AlertParser, MarkerEndingRightAtNextHeaderCountsPresent)
{
    const QString marker = QStringLiteral("現在<FONT COLOR='BLACK'>のＦ層臨界周波数は約");
    const QString wakkanai = QStringLiteral("== 稚内(北海道) ==") + marker;
    const QString kokubunji = QStringLiteral("== 国分寺(東京) ==") + station(1, quiet(1), false);
    const QString text = page(QStringLiteral("T"),
                              wakkanai + kokubunji + station(2, quiet(2)) + station(3, quiet(3)));
    ReadoutState state;
    parseAlertPage(text, state);
    // Its value runs on to the first "[MHZ]です" after the marker.
    EXPECT_TRUE(state.cells[0].caption.startsWith(QStringLiteral("== 国分寺(東京) ==<HR>")))
        << state.cells[0].caption.toStdString();
    EXPECT_EQ(state.readings[0].fmaxSignal, QStringLiteral("GREEN"));
    EXPECT_EQ(state.cells[1].caption, QStringLiteral("?"));
}

TEST(AlertParser, FirstOfTwoEqualMarkersCounts)
{
    Readings twice = quiet(0);
    const QString again = station(
        0, {Reading{QStringLiteral("7.7"), QStringLiteral("GREEN")}, std::nullopt, std::nullopt},
        false);
    const QString text =
        page(QStringLiteral("T"), station(0, twice) + again + station(1, quiet(1)) +
                                      station(2, quiet(2)) + station(3, quiet(3)));
    ReadoutState state;
    parseAlertPage(text, state);
    EXPECT_EQ(state.cells[0].caption, QStringLiteral("0.1"));
}

TEST(AlertParser, ValueLosesOnlyAsciiBlanks)
{
    Readings odd = quiet(0);
    odd[0]->value = QStringLiteral("   4.5  ");
    odd[1]->value = QStringLiteral("\t4.6");
    odd[2]->value = QStringLiteral("　4.7");
    ReadoutState state;
    parseAlertPage(page(QStringLiteral("T"), station(0, odd) + station(1, quiet(1)) +
                                                 station(2, quiet(2)) + station(3, quiet(3))),
                   state);
    EXPECT_EQ(state.cells[0].caption, QStringLiteral("4.5"));
    EXPECT_EQ(state.cells[1].caption, QStringLiteral("\t4.6"));
    EXPECT_EQ(state.cells[2].caption, QStringLiteral("　4.7"));
}

struct TimeCase {
    const char* name;
    const char16_t* head;
    const char16_t* alertTime;
};
ONDREL_NAMED_CASE(TimeCase)

class AlertTimeTest : public testing::TestWithParam<TimeCase> {};

TEST_P(AlertTimeTest, TakesTheFirstParenthesisedPart)
{
    const QString text = QStringLiteral("<TITLE>NICT IONOSPHERIC ALERT</TITLE>") +
                         QString::fromUtf16(GetParam().head) + allQuiet() +
                         QStringLiteral("</BODY>");
    ReadoutState state;
    state.AlertTime = QStringLiteral("old");
    parseAlertPage(text, state);
    EXPECT_EQ(state.AlertTime, QString::fromUtf16(GetParam().alertTime));
    EXPECT_EQ(state.statusItem, QString::fromUtf16(GetParam().alertTime) + QStringLiteral("現在"));
    EXPECT_EQ(state.cells[11].caption, QStringLiteral("3.3"));
}

INSTANTIATE_TEST_SUITE_P(Cases, AlertTimeTest,
                         testing::Values(TimeCase{"Normal", u"<P>(10:15 JST)</P>", u"10:15 JST"},
                                         TimeCase{"EmptyParenthesesKeepOld", u"<P>()</P>", u"old"},
                                         TimeCase{"SecondParenthesesIgnored", u"(A)(B)", u"A"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(AlertParser, PageWithoutClosingParenthesisKeepsAlertTime)
{
    // Station headers carry parentheses, so drop every ")" there is.
    QString text = page(QStringLiteral("T"), allQuiet());
    text.remove(u')');
    ReadoutState state;
    state.AlertTime = QStringLiteral("old");
    // Without ")" the headers no longer match: Wakkanai starts at c = 0.
    EXPECT_THROW(parseAlertPage(text, state), ProcedureFailure);
    EXPECT_EQ(state.AlertTime, QStringLiteral("old"));
    EXPECT_EQ(state.statusItem, QStringLiteral("old現在"));
    EXPECT_EQ(state.cells[0].caption, QString());
}

TEST(AlertParser, MissingWakkanaiHeaderStartsAtClosingParenthesisPosition)
{
    // c, the position of ")" in the whole page, is used as a position in the
    // cut text: here 3, which lies before Wakkanai's readings.
    const QString text = QStringLiteral("(T)<TITLE>NICT IONOSPHERIC ALERT</TITLE>") +
                         station(0, quiet(0), false) + station(1, quiet(1)) + station(2, quiet(2)) +
                         station(3, quiet(3)) + QStringLiteral("</BODY>");
    ReadoutState state;
    parseAlertPage(text, state);
    EXPECT_EQ(state.cells[0].caption, QStringLiteral("0.1"));
    EXPECT_EQ(state.cells[2].caption, QStringLiteral("0.3"));
    EXPECT_TRUE(state.StationDetail[0].startsWith(QStringLiteral("ITLE>NICT IONOSPHERIC ALERT")));
}

TEST(AlertParser, MissingKokubunjiHeaderGivesWakkanaiTheBlockToYamagawa)
{
    const QString text =
        page(QStringLiteral("T"), station(0, quiet(0)) + station(1, quiet(1), false) +
                                      station(2, quiet(2)) + station(3, quiet(3)));
    ReadoutState state = previousRefresh();
    parseAlertPage(text, state);
    EXPECT_EQ(state.cells[0].caption, QStringLiteral("0.1"));
    for (int i = 3; i < 6; ++i) {
        EXPECT_EQ(state.cells[i].caption, QStringLiteral("?"));
        EXPECT_EQ(state.cells[i].colour, UndefinedColor);
    }
    EXPECT_EQ(state.StationDetail[1], FormatStationDetail(QString()));
    EXPECT_TRUE(state.StationDetail[0].contains(QStringLiteral("約 1.1 [MHz]")));
    EXPECT_EQ(state.cells[14].caption, QStringLiteral("寂"));
}

TEST(AlertParser, MissingKokubunjiAndYamagawaHeadersStopAtWakkanaiBlock)
{
    const QString text =
        page(QStringLiteral("T"), station(0, quiet(0)) + station(1, quiet(1), false) +
                                      station(2, quiet(2), false) + station(3, quiet(3)));
    ReadoutState state = previousRefresh();
    EXPECT_THROW(parseAlertPage(text, state), ProcedureFailure);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(state.cells[i].caption, QStringLiteral("?"));
    EXPECT_EQ(state.cells[3].caption, QStringLiteral("old"));
    EXPECT_EQ(state.StationDetail[0], QStringLiteral("old detail"));
    EXPECT_EQ(state.DelayNote[0], QString());
    EXPECT_EQ(state.cells[12].caption, QStringLiteral("old"));
    EXPECT_EQ(state.StatusPhrase, QStringLiteral("old phrase"));
    EXPECT_EQ(state.statusItem, QStringLiteral("T現在"));
}

TEST(AlertParser, MissingValueEndStopsBeforeTheCaption)
{
    QString text = page(QStringLiteral("T"), allQuiet());
    // Ogimi's Es loses the only "[MHZ]です" after its marker.
    const qsizetype last = text.lastIndexOf(QStringLiteral("[MHZ]です"));
    text.replace(last, 7, QStringLiteral("MHZ"));
    ReadoutState state = previousRefresh();
    EXPECT_THROW(parseAlertPage(text, state), ProcedureFailure);
    EXPECT_EQ(state.cells[10].caption, QStringLiteral("3.2"));
    EXPECT_EQ(state.cells[11].caption, QStringLiteral("old"));
    EXPECT_EQ(state.cells[11].colour, 0x010203u);
    EXPECT_NE(state.StationDetail[2], QStringLiteral("old detail"));
    EXPECT_EQ(state.StationDetail[3], QStringLiteral("old detail"));
    EXPECT_EQ(state.cells[14].caption, QStringLiteral("old"));
}

TEST(AlertParser, MissingSignalStopsAfterTheCaption)
{
    QString text = page(QStringLiteral("T"), allQuiet());
    text.replace(QStringLiteral("SIGNAL-"), QStringLiteral("LAMP-"));
    ReadoutState state = previousRefresh();
    EXPECT_THROW(parseAlertPage(text, state), ProcedureFailure);
    EXPECT_EQ(state.cells[0].caption, QStringLiteral("0.1"));
    EXPECT_EQ(state.cells[0].colour, 0x010203u);
    EXPECT_EQ(state.cells[1].caption, QStringLiteral("old"));
}

TEST(AlertParser, GifBeforeSignalStops)
{
    QString text = page(QStringLiteral("T"), allQuiet());
    text.replace(QStringLiteral("[MHZ]です。</FONT>　<IMG SRC=\"./IMAGE/SIGNAL-GREEN.GIF\">"),
                 QStringLiteral("[MHZ]です。<IMG SRC='DOT.GIF'><IMG SRC='SIGNAL-GREEN.GIF'>"));
    ReadoutState state = previousRefresh();
    EXPECT_THROW(parseAlertPage(text, state), ProcedureFailure);
    EXPECT_EQ(state.cells[0].caption, QStringLiteral("0.1"));
    EXPECT_EQ(state.cells[0].colour, 0x010203u);
}

TEST(AlertParser, LastStationWithinSixCharactersOfTheEndStops)
{
    const QString text = QStringLiteral("<TITLE>NICT IONOSPHERIC ALERT</TITLE>(T)") +
                         station(0, quiet(0)) + station(1, quiet(1)) + station(2, quiet(2)) +
                         QStringLiteral("/BODY");
    ReadoutState state = previousRefresh();
    EXPECT_THROW(parseAlertPage(text, state), ProcedureFailure);
    for (int i = 9; i < 12; ++i)
        EXPECT_EQ(state.cells[i].caption, QStringLiteral("?"));
    EXPECT_EQ(state.StationDetail[3], QStringLiteral("old detail"));
}

TEST(AlertParser, LastStationBlockEndsSevenCharactersBeforeTheText)
{
    const QString header = QStringLiteral("<HR>\n<H3>");
    const QString tail = QStringLiteral("</BODY>\n</HTML>\n");
    ReadoutState state;
    parseAlertPage(page(QStringLiteral("T"), allQuiet()), state);
    ASSERT_TRUE(page(QString(), QString()).endsWith(tail));
    EXPECT_EQ(state.StationDetail[3],
              FormatStationDetail(station(3, quiet(3)).mid(header.size()) + tail.chopped(7)));
}

struct DelayCase {
    const char* name;
    int stationWithNote; // -1 for none
    std::array<bool, 4> noted;
};
ONDREL_NAMED_CASE(DelayCase)

class DelayNoteTest : public testing::TestWithParam<DelayCase> {};

TEST_P(DelayNoteTest, NoteReachesEveryEarlierStation)
{
    QString sections;
    for (int k = 0; k < 4; ++k) {
        const QString extra = k == GetParam().stationWithNote
                                  ? QStringLiteral("最新のイオノグラムが存在しない為")
                                  : QString();
        sections += station(k, quiet(k), true, extra);
    }
    ReadoutState state = previousRefresh();
    parseAlertPage(page(QStringLiteral("T"), sections), state);
    for (int k = 0; k < 4; ++k)
        EXPECT_EQ(state.DelayNote[k], GetParam().noted[k] ? kNote : QString()) << k;
}

INSTANTIATE_TEST_SUITE_P(Cases, DelayNoteTest,
                         testing::Values(DelayCase{"OnlyYamagawa", 2, {true, true, true, false}},
                                         DelayCase{"OnlyOgimi", 3, {true, true, true, true}},
                                         DelayCase{"None", -1, {false, false, false, false}}),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
