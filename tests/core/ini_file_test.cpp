// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/settings/ini_file.h"
#include "core/system/procedure_failure.h"
#include "support/file_faults.h"

#include "support/file_contents.h"
#include "support/named_case.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <optional>
#include <string_view>

namespace {

using namespace std::string_view_literals;

QByteArray bytes(std::string_view text)
{
    return QByteArray(text.data(), static_cast<qsizetype>(text.size()));
}

struct IniReadCase {
    const char* name;
    std::string_view content;
    const char* key;
    std::optional<std::string_view> expected;
};
ONDREL_NAMED_CASE(IniReadCase)

class IniReadTest : public testing::TestWithParam<IniReadCase> {};

TEST_P(IniReadTest, FindsTheFirstKeyOfTheFirstSection)
{
    const IniReadCase& c = GetParam();
    const std::optional<QByteArray> value = iniValue(bytes(c.content), "ESConf", c.key);
    ASSERT_EQ(value.has_value(), c.expected.has_value());
    if (value) {
        EXPECT_EQ(*value, bytes(*c.expected));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Files, IniReadTest,
    testing::Values(
        IniReadCase{"Plain", "[ESConf]\nESTop=100\n", "ESTop", "100"},
        IniReadCase{"NamesIgnoreCase", "[esconf]\nestop=1\n", "ESTOP", "1"},
        IniReadCase{"BlanksAndTabsTrimmed", "[ESConf]\n \tESTop \t=  12 \t\n", "ESTop", "12"},
        IniReadCase{"WindowsLineEnds", "[ESConf]\r\nESTop=5\r\n", "ESTop", "5"},
        IniReadCase{"EmptyValue", "[ESConf]\nESTop=\n", "ESTop", ""},
        IniReadCase{"ValueKeepsEquals", "[ESConf]\nESHost=a=b\n", "ESHost", "a=b"},
        IniReadCase{"MissingKey", "[ESConf]\nESW=1\n", "ESTop", std::nullopt},
        IniReadCase{"MissingSection", "[Other]\nESTop=1\n", "ESTop", std::nullopt},
        IniReadCase{"KeyOfTheNextSection", "[ESConf]\nA=1\n[Other]\nESTop=2\n", "ESTop",
                    std::nullopt},
        IniReadCase{"KeyBeforeAnySection", "ESTop=1\n[ESConf]\n", "ESTop", std::nullopt},
        IniReadCase{"FirstDuplicateWins", "[ESConf]\nESTop=1\nestop=2\n", "ESTop", "1"},
        IniReadCase{"FirstSectionCounts", "[ESConf]\nA=1\n[ESConf]\nESTop=2\n", "ESTop",
                    std::nullopt},
        IniReadCase{"CommentSkipped", "[ESConf]\n;ESTop=1\n  ; x\nESTop=2\n", "ESTop", "2"},
        IniReadCase{"LineWithoutEqualsSkipped", "[ESConf]\nESTop\nESTop=3\n", "ESTop", "3"},
        IniReadCase{"HeaderWithoutBracket", "[ESConf\nESTop=4\n", "ESTop", "4"},
        IniReadCase{"HeaderWithBlanks", "  [ ESConf ]  \nESTop=8", "ESTop", "8"},
        IniReadCase{"ByteOrderMark", "\xEF\xBB\xBF[ESConf]\nESTop=6\n", "ESTop", "6"},
        IniReadCase{"NoFinalLineEnd", "[ESConf]\nESTop=7", "ESTop", "7"},
        IniReadCase{"NonAsciiBytesKept", "[ESConf]\nNote=\xE9t\xE9\x00!\n"sv, "Note",
                    "\xE9t\xE9\x00!"sv},
        IniReadCase{"Truncated", "[ESConf]\nES", "ES", std::nullopt},
        IniReadCase{"Empty", "", "ESTop", std::nullopt}),
    [](const auto& info) { return std::string(info.param.name); });

struct WriteCase {
    const char* name;
    std::string_view before;
    const char* key;
    const char* value;
    std::string_view after;
};
ONDREL_NAMED_CASE(WriteCase)

class IniWriteTest : public testing::TestWithParam<WriteCase> {};

TEST_P(IniWriteTest, ChangesOnlyTheOneLine)
{
    const WriteCase& c = GetParam();
    EXPECT_EQ(iniWithValue(bytes(c.before), "ESConf", c.key, c.value), bytes(c.after));
}

INSTANTIATE_TEST_SUITE_P(
    Files, IniWriteTest,
    testing::Values(
        WriteCase{"EmptyFile", "", "ESTop", "1", "[ESConf]\nESTop=1\n"},
        WriteCase{"SectionAppended", "[Other]\na=1\n", "ESTop", "1",
                  "[Other]\na=1\n[ESConf]\nESTop=1\n"},
        WriteCase{"SectionAfterMissingLineEnd", "[Other]\na=1", "ESTop", "1",
                  "[Other]\na=1\n[ESConf]\nESTop=1\n"},
        WriteCase{"SectionInWindowsStyle", "; mine\r\n", "ESTop", "1",
                  "; mine\r\n[ESConf]\r\nESTop=1\r\n"},
        WriteCase{"ReplacedWithTheFilesSpelling", "[esconf]\n  estop = 5 \nx=1\n", "ESTop", "7",
                  "[esconf]\nestop=7\nx=1\n"},
        WriteCase{"ReplacedKeepsCrLf", "[ESConf]\r\nESTop=5\r\nESW=9\r\n", "ESTop", "-15",
                  "[ESConf]\r\nESTop=-15\r\nESW=9\r\n"},
        WriteCase{"ReplacedWithEmpty", "[ESConf]\nESTop=5\n", "ESTop", "", "[ESConf]\nESTop=\n"},
        WriteCase{"ReplacedLastLineStaysOpen", "[ESConf]\nESTop=1", "ESTop", "2",
                  "[ESConf]\nESTop=2"},
        WriteCase{"FirstDuplicateReplaced", "[ESConf]\nESTop=1\nESTop=2\n", "ESTop", "9",
                  "[ESConf]\nESTop=9\nESTop=2\n"},
        WriteCase{"AddedAfterLastSetting", "[ESConf]\nESTop=1\n\n; about Other\n[Other]\nb=2\n",
                  "ESW", "3", "[ESConf]\nESTop=1\nESW=3\n\n; about Other\n[Other]\nb=2\n"},
        WriteCase{"AddedRightAfterBareHeader", "[ESConf]\n; note\n[Other]\n", "ESW", "3",
                  "[ESConf]\nESW=3\n; note\n[Other]\n"},
        WriteCase{"AddedWithCrLf", "[ESConf]\r\nESTop=1\r\n", "ESW", "3",
                  "[ESConf]\r\nESTop=1\r\nESW=3\r\n"},
        WriteCase{"AddedAfterMissingLineEnd", "[ESConf]\nESTop=1", "ESW", "3",
                  "[ESConf]\nESTop=1\nESW=3\n"},
        WriteCase{"AddedAfterLineEndCutAfterReturn", "[ESConf]\r\nESTop=1\r", "ESW", "3",
                  "[ESConf]\r\nESTop=1\r\nESW=3\r\n"},
        WriteCase{"SectionAfterLineEndCutAfterReturn", "[Other]\na=1\r", "ESTop", "1",
                  "[Other]\na=1\r\n[ESConf]\nESTop=1\n"},
        WriteCase{"AddedBeforeTruncatedLine", "[ESConf]\nESTop=1\nES", "ESW", "3",
                  "[ESConf]\nESTop=1\nESW=3\nES"},
        WriteCase{"ByteOrderMarkKept", "\xEF\xBB\xBF[ESConf]\nESTop=1\n", "ESTop", "2",
                  "\xEF\xBB\xBF[ESConf]\nESTop=2\n"},
        WriteCase{"OtherBytesKept", "\xFF\x00junk\r\n[ESConf]\nNote=\xE9\n[x\n"sv, "ESTop", "1",
                  "\xFF\x00junk\r\n[ESConf]\nNote=\xE9\nESTop=1\r\n[x\n"sv}),
    [](const auto& info) { return std::string(info.param.name); });

struct RemoveCase {
    const char* name;
    std::string_view before;
    const char* key;
    std::optional<std::string_view> after; // none: the key is not set
};
ONDREL_NAMED_CASE(RemoveCase)

class IniRemoveTest : public testing::TestWithParam<RemoveCase> {};

TEST_P(IniRemoveTest, DropsOnlyTheKeysLines)
{
    const RemoveCase& c = GetParam();
    const std::optional<QByteArray> after = iniWithoutKey(bytes(c.before), "ESConf", c.key);
    EXPECT_EQ(after, c.after ? std::optional(bytes(*c.after)) : std::nullopt);
    if (after) {
        EXPECT_EQ(iniValue(*after, "ESConf", c.key), std::nullopt);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Files, IniRemoveTest,
    testing::Values(
        RemoveCase{"OnlyKey", "[ESConf]\nTM2=1\n", "TM2", "[ESConf]\n"},
        RemoveCase{"CommentsAndCrLfKept", "; a\r\n[ESConf]\r\nTM2=1\r\n; b\r\nESW=2\r\n", "tm2",
                   "; a\r\n[ESConf]\r\n; b\r\nESW=2\r\n"},
        RemoveCase{"EveryDuplicate", "[ESConf]\nTM2=1\nx=2\n tm2 = 3\n", "TM2", "[ESConf]\nx=2\n"},
        RemoveCase{"LastLineWithoutEnd", "[ESConf]\nx=2\nTM2=1", "TM2", "[ESConf]\nx=2\n"},
        RemoveCase{"OtherSectionsKept", "[Other]\nTM2=1\n[ESConf]\nTM2=2\n[ESConf]\nTM2=3\n", "TM2",
                   "[Other]\nTM2=1\n[ESConf]\n[ESConf]\nTM2=3\n"},
        RemoveCase{"ByteOrderMarkKept", "\xEF\xBB\xBF[ESConf]\nTM2=1\n", "TM2",
                   "\xEF\xBB\xBF[ESConf]\n"},
        RemoveCase{"CommentedOutIsNotSet", "[ESConf]\n;TM2=1\n", "TM2", std::nullopt},
        RemoveCase{"OnlyInOtherSection", "[Other]\nTM2=1\n", "TM2", std::nullopt},
        RemoveCase{"EmptyFile", "", "TM2", std::nullopt}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(IniFile, RemovingFromAMissingFileCreatesNone)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Ondrel.ini"));
    QString whyNot;
    EXPECT_EQ(removeIniValue(path, QStringLiteral("ESConf"), QStringLiteral("TM2"), whyNot),
              IniRemoval::NotSet);
    EXPECT_FALSE(QFile::exists(path));
}

struct UnusableCase {
    const char* name;
    const char* section;
    const char* key;
    const char* value;
};
ONDREL_NAMED_CASE(UnusableCase)

class IniUnusableTest : public testing::TestWithParam<UnusableCase> {};

TEST_P(IniUnusableTest, NamesThatWouldBreakTheFileFail)
{
    const UnusableCase& c = GetParam();
    EXPECT_THROW(iniWithValue("[ESConf]\n", c.section, c.key, c.value), ProcedureFailure);
}

INSTANTIATE_TEST_SUITE_P(Names, IniUnusableTest,
                         testing::Values(UnusableCase{"EmptySection", " ", "k", "v"},
                                         UnusableCase{"BracketInSection", "a]b", "k", "v"},
                                         UnusableCase{"EmptyKey", "ESConf", "", "v"},
                                         UnusableCase{"EqualsInKey", "ESConf", "a=b", "v"},
                                         UnusableCase{"KeyLikeHeader", "ESConf", "[k", "v"},
                                         UnusableCase{"KeyLikeComment", "ESConf", ";k", "v"},
                                         UnusableCase{"LineBreakInKey", "ESConf", "a\nb", "v"},
                                         UnusableCase{"LineBreakInValue", "ESConf", "k",
                                                      "1\n[Other]"},
                                         UnusableCase{"ReturnInValue", "ESConf", "k", "1\r2"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(IniFile, HandWrittenWindowsFileKeepsEveryOtherByte)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Ondrel.ini"));
    writeAll(path, "; Ondrel\r\n[Window]\r\nESTop=1\r\n\r\n[ESCONF]\r\nESTop = 120\r\n"
                   "esleft=300\r\n\r\n[Other]\r\nESTop=2\r\n");
    QString whyNot;
    ASSERT_TRUE(writeIniValue(path, QStringLiteral("ESConf"), QStringLiteral("ESTop"),
                              QStringLiteral("-15"), whyNot));
    ASSERT_TRUE(writeIniValue(path, QStringLiteral("ESConf"), QStringLiteral("ESW"),
                              QStringLiteral("9600"), whyNot));
    EXPECT_EQ(readAll(path), "; Ondrel\r\n[Window]\r\nESTop=1\r\n\r\n[ESCONF]\r\nESTop=-15\r\n"
                             "esleft=300\r\nESW=9600\r\n\r\n[Other]\r\nESTop=2\r\n");
    EXPECT_EQ(readIniValue(path, QStringLiteral("esconf"), QStringLiteral("esw")),
              QStringLiteral("9600"));
}

TEST(IniFile, WriteCreatesDirectoryAndFile)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("a/b/Ondrel.ini"));
    EXPECT_EQ(readIniValue(path, QStringLiteral("ESConf"), QStringLiteral("TM2")), std::nullopt);
    QString whyNot;
    ASSERT_TRUE(writeIniValue(path, QStringLiteral("ESConf"), QStringLiteral("TM2"),
                              QStringLiteral("300"), whyNot));
    EXPECT_EQ(readAll(path), "[ESConf]\nTM2=300\n");
}

TEST(IniFile, FailedWriteKeepsTheOldFileWhole)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Ondrel.ini"));
    const QByteArray old = "[ESConf]\nESTop=1\n";
    writeAll(path, old);
    QString whyNot;
    {
        const FileSizeLimit fullDisk(1024);
        EXPECT_FALSE(writeIniValue(path, QStringLiteral("ESConf"), QStringLiteral("ESHost"),
                                   QString(10000, u'x'), whyNot));
    }
    EXPECT_FALSE(whyNot.isEmpty());
    EXPECT_EQ(readAll(path), old);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
              QStringList{QStringLiteral("Ondrel.ini")});
}

TEST(IniFile, LongValuesSurviveWhole)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Ondrel.ini"));
    const QString value(10000, u'v');
    QString whyNot;
    ASSERT_TRUE(
        writeIniValue(path, QStringLiteral("ESConf"), QStringLiteral("ESHost"), value, whyNot));
    ASSERT_TRUE(writeIniValue(path, QStringLiteral("ESConf"), QStringLiteral("TM2"),
                              QStringLiteral("60"), whyNot));
    EXPECT_EQ(readIniValue(path, QStringLiteral("ESConf"), QStringLiteral("ESHost")), value);
    EXPECT_EQ(readIniValue(path, QStringLiteral("ESConf"), QStringLiteral("TM2")),
              QStringLiteral("60"));
}

TEST(IniFile, TenMegabytesOfGarbageStayBehindTheNewSection)
{
    QByteArray garbage(10 * 1024 * 1024, '\0');
    QRandomGenerator random(20261207);
    random.fillRange(reinterpret_cast<quint32*>(garbage.data()), garbage.size() / 4);
    EXPECT_EQ(iniValue(garbage, "ESConf", "ESTop"), std::nullopt);
    const QByteArray written = iniWithValue(garbage, "ESConf", "ESTop", "1");
    EXPECT_TRUE(written.startsWith(garbage));
    EXPECT_LE(written.size() - garbage.size(), 20);
    EXPECT_EQ(iniValue(written, "ESConf", "ESTop"), QByteArray("1"));
}

TEST(IniFile, TenMegabytesOfSettingsFindTheLastOne)
{
    QByteArray content = "[ESConf]\n";
    for (int i = 0; content.size() < 10 * 1024 * 1024; ++i)
        content += "Key" + QByteArray::number(i) + "=value\n";
    content += "ESTop=5\n";
    EXPECT_EQ(iniValue(content, "ESConf", "ESTop"), QByteArray("5"));
    const QByteArray written = iniWithValue(content, "ESConf", "ESTop", "6");
    EXPECT_EQ(written.size(), content.size());
    EXPECT_TRUE(written.endsWith("=value\nESTop=6\n"));
}

TEST(IniFile, DirectoryInsteadOfFileIsNotRead)
{
    QTemporaryDir dir;
    EXPECT_EQ(readIniValue(dir.path(), QStringLiteral("ESConf"), QStringLiteral("ESTop")),
              std::nullopt);
    QString whyNot;
    EXPECT_FALSE(writeIniValue(dir.path(), QStringLiteral("ESConf"), QStringLiteral("ESTop"),
                               QStringLiteral("1"), whyNot));
    EXPECT_FALSE(whyNot.isEmpty());
    EXPECT_TRUE(QFileInfo(dir.path()).isDir());
}

} // namespace
