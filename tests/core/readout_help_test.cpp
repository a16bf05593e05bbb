// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/page/readout_help.h"

#include "core/system/procedure_failure.h"
#include "support/named_case.h"

#include <QStringList>

#include <gtest/gtest.h>

namespace {

const char16_t kDelay[] = u" (データ遅延と思われます QRX)";
const char16_t kDetail[] = u" 稚内(北海道) ◎para1◎para2◎para3";

// A state whose cell `index` shows `caption` and whose station of that cell
// has `note` as its delay note.
ReadoutState stateWith(int index, const QString& caption, const QString& note)
{
    ReadoutState state;
    state.cells[index].caption = caption;
    if (index < kStationCellCount)
        state.DelayNote[index / kReadingCount] = note;
    return state;
}

struct TooltipCase {
    const char* name;
    int index;
    const char16_t* caption;
    const char16_t* note;
    const char16_t* expected;
};
ONDREL_NAMED_CASE(TooltipCase)

class CellTooltipTest : public testing::TestWithParam<TooltipCase> {};

TEST_P(CellTooltipTest, NamesTheQuantityOrWhyItIsMissing)
{
    const TooltipCase& row = GetParam();
    const ReadoutState state =
        stateWith(row.index, QString::fromUtf16(row.caption), QString::fromUtf16(row.note));
    EXPECT_EQ(cellTooltip(state, row.index), QString::fromUtf16(row.expected));
}

INSTANTIATE_TEST_SUITE_P(
    Cells, CellTooltipTest,
    testing::Values(
        TooltipCase{"MissingWithoutNote", 0, u"?", u"", u"データがない為不明"},
        TooltipCase{"MissingWithNote", 4, u"?", kDelay, u"データ遅延と思われます QRX"},
        TooltipCase{"FullWidthQuestionIsAValue", 0, u"？", u"", u"Ｆ層臨界周波数[MHz]"},
        TooltipCase{"FmaxValue", 3, u"5.3", kDelay, u"Ｆ層臨界周波数[MHz]"},
        TooltipCase{"FminValue", 7, u"1.5", u"", u"電離層最低反射周波数[MHz]"},
        TooltipCase{"EsValue", 8, u"3.1", u"", u"スポラディックＥ層臨界周波数[MHz]"},
        TooltipCase{"FmaxBeforeFirstRefresh", 9, u"", u"", u"Ｆ層臨界周波数[MHz]"},
        TooltipCase{"FminBeforeFirstRefresh", 1, u"", u"", u"電離層最低反射周波数[MHz]"},
        TooltipCase{"EsBeforeFirstRefresh", 2, u"", u"", u"スポラディックＥ層臨界周波数[MHz]"},
        TooltipCase{"SummaryMissing", 12, u"?", u"", u""},
        TooltipCase{"SummaryValue", 13, u"注意", u"", u""},
        TooltipCase{"SummaryBeforeFirstRefresh", 14, u"", u"", u""}),
    [](const auto& info) { return std::string(info.param.name); });

struct StationCase {
    const char* name;
    int index;
    const char16_t* detail;
    const char16_t* note;
    const char16_t* title;
    const char16_t* text;
};
ONDREL_NAMED_CASE(StationCase)

class StationMessageTest : public testing::TestWithParam<StationCase> {};

TEST_P(StationMessageTest, CutsTheColumnsParagraph)
{
    const StationCase& row = GetParam();
    ReadoutState state;
    const int k = row.index / kReadingCount;
    state.StationDetail[k] = QString::fromUtf16(row.detail);
    state.DelayNote[k] = QString::fromUtf16(row.note);
    const MessageText message = stationMessage(state, row.index);
    EXPECT_EQ(message.title, QString::fromUtf16(row.title));
    EXPECT_EQ(message.text, QString::fromUtf16(row.text));
}

INSTANTIATE_TEST_SUITE_P(
    Columns, StationMessageTest,
    testing::Values(
        StationCase{"Fmax", 0, kDetail, u"", u"Ondrel  稚内(北海道) ", u"para1"},
        StationCase{"Fmin", 1, kDetail, u"", u"Ondrel  稚内(北海道) ", u"para2"},
        StationCase{"Es", 2, kDetail, u"", u"Ondrel  稚内(北海道) ", u"para3"},
        StationCase{"NoteEndsTitle", 10, kDetail, kDelay,
                    u"Ondrel  稚内(北海道)  (データ遅延と思われます QRX)", u"para2"},
        StationCase{"MarkLastLeavesEmptyEs", 5, u" A◎b◎c◎", u"", u"Ondrel  A", u""},
        StationCase{"HeadingOfOneCharacter", 6, u"xY◎1◎2◎3", u"", u"Ondrel  Y", u"1"},
        StationCase{"EmptyHeading", 6, u"x◎1◎2◎3", u"", u"Ondrel  ", u"1"},
        // With p2 = 0 the next search starts over at 1 and meets p1 again.
        StationCase{"FminWithOneMarkCutsFromTheStart", 1, u" A◎b", u"", u"Ondrel  A", u" A"},
        StationCase{"EsWithOneMarkTakesTheRest", 2, u" A◎b", u"", u"Ondrel  A", u"b"},
        StationCase{"EsWithTwoMarksTakesAll", 2, u" A◎b◎c", u"", u"Ondrel  A", u" A◎b◎c"}),
    [](const auto& info) { return std::string(info.param.name); });

struct FailureCase {
    const char* name;
    int index;
    const char16_t* detail;
};
ONDREL_NAMED_CASE(FailureCase)

class StationMessageFailureTest : public testing::TestWithParam<FailureCase> {};

TEST_P(StationMessageFailureTest, Fails)
{
    const FailureCase& row = GetParam();
    ReadoutState state;
    state.StationDetail[row.index / kReadingCount] = QString::fromUtf16(row.detail);
    EXPECT_THROW(stationMessage(state, row.index), ProcedureFailure);
}

INSTANTIATE_TEST_SUITE_P(Failures, StationMessageFailureTest,
                         testing::Values(FailureCase{"BeforeFirstRefreshFmax", 0, u""},
                                         FailureCase{"BeforeFirstRefreshEs", 11, u""},
                                         FailureCase{"NoMark", 4, u" 国分寺 para"},
                                         FailureCase{"MarkFirst", 2, u"◎a◎b◎c"},
                                         FailureCase{"FmaxWithOneMark", 3, u" A◎b"},
                                         FailureCase{"FminWithTwoMarks", 7, u" A◎b◎c"},
                                         FailureCase{"SummaryCell", 12, kDetail}),
                         [](const auto& info) { return std::string(info.param.name); });

struct EntityCase {
    const char* name;
    const char16_t* page;
    const char16_t* shown;
};
ONDREL_NAMED_CASE(EntityCase)

class DecodeEntitiesTest : public testing::TestWithParam<EntityCase> {};

TEST_P(DecodeEntitiesTest, ReadsAsText)
{
    EXPECT_EQ(decodeEntities(QString::fromUtf16(GetParam().page)),
              QString::fromUtf16(GetParam().shown));
}

INSTANTIATE_TEST_SUITE_P(
    Entities, DecodeEntitiesTest,
    testing::Values(
        EntityCase{"UpperNbspIsABlank", u"約 11.2 [MHz]です&NBSP;", u"約 11.2 [MHz]です "},
        EntityCase{"LowerNbspIsABlank", u"a&nbsp;b", u"a b"},
        EntityCase{"NamedInAnyCase", u"&AMP;&lt;&Gt;&QUOT;&apos;", u"&<>\"'"},
        EntityCase{"DecodedOnceOnly", u"&AMP;LT;", u"&LT;"},
        EntityCase{"Decimal", u"&#65;&#12354;", u"Aあ"},
        EntityCase{"HexInEitherCase", u"&#X41;&#x3042;&#x1F600;", u"Aあ\U0001F600"},
        EntityCase{"NumericNbspIsABlank", u"a&#160;b&#XA0;c", u"a b c"},
        EntityCase{"UnknownStays", u"&COPY; &FOO;", u"&COPY; &FOO;"},
        EntityCase{"WithoutSemicolonStays", u"&NBSP &#65", u"&NBSP &#65"},
        EntityCase{"NotANumberStays", u"&#; &#X; &#1A; &#+5;", u"&#; &#X; &#1A; &#+5;"},
        EntityCase{"OutOfRangeStays", u"&#0;&#xD800;&#x110000;", u"&#0;&#xD800;&#x110000;"},
        EntityCase{"LoneAmpersandBeforeAnEntity", u"A & B&AMP;C", u"A & B&C"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ShownMessage, TitleLosesItsLineBreaksAndBothLoseTheirEntities)
{
    const MessageText shown =
        asShown({QStringLiteral("a&NBSP;\r\nb"), QStringLiteral("Ondrel  稚内&AMP;\r\n (遅延)")});
    EXPECT_EQ(shown.text, QStringLiteral("a \r\nb"));
    EXPECT_EQ(shown.title, QStringLiteral("Ondrel  稚内& (遅延)"));
}

TEST(HelpMessage, IsTheFourteenLinesJoinedByCrLf)
{
    const QStringList lines{
        QStringLiteral(
            "このデータは「WDC for Ionosphere, Tokyo, National Institute of Information "),
        QStringLiteral("and Communications Technology」から提供されたものです "),
        QString(),
        QStringLiteral("Fmax=Ｆ層臨界周波数"),
        QString(),
        QStringLiteral("Fmin=電離層最低反射周波数"),
        QString(),
        QStringLiteral("Es=スポラディックＥ層臨界周波数"),
        QString(),
        QStringLiteral("を表します"),
        QString(),
        QStringLiteral("? は 最新の自動解析値が存在しない事を示します。"),
        QString(),
        QStringLiteral("起動オプション") + QChar(0x3000) +
            QStringLiteral("-T で前面表示となります"),
    };
    QString expected;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (i > 0)
            expected += QStringLiteral("\r\n");
        expected += lines[i];
    }

    const MessageText help = helpMessage();
    EXPECT_EQ(help.text, expected);
    EXPECT_EQ(help.title, QStringLiteral("Ondrel"));
    EXPECT_EQ(help.text.count(QStringLiteral("\r\n")), 13);
    EXPECT_FALSE(help.text.endsWith(u'\n'));
    EXPECT_TRUE(help.text.contains(QStringLiteral("Information \r\nand")));
    EXPECT_TRUE(help.text.contains(QStringLiteral("ものです \r\n\r\nFmax")));
    EXPECT_TRUE(help.text.contains(QString(QChar(0x3000)) + QStringLiteral("-T")));
    EXPECT_EQ(help.text.split(QStringLiteral("\r\n")), lines);
}

TEST(SummaryHeadingHint, UsesHalfWidthKatakana)
{
    const QString hint = summaryHeadingHint();
    EXPECT_EQ(hint, QStringLiteral("右") + QChar(0xFF78) + QChar(0xFF98) + QChar(0xFF6F) +
                        QChar(0xFF78) + QStringLiteral("すると全体の詳細表示します"));
}

} // namespace
