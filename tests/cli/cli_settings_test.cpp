// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/settings/program_settings.h"
#include "support/cli_runner.h"
#include "support/file_contents.h"
#include "support/named_case.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class CliSettingsTest : public testing::Test {
protected:
    // `settings` with --dir pointing at the temporary directory.
    CliRun settings(QStringList args)
    {
        args.prepend(m_temp.path());
        args.prepend(QStringLiteral("--dir"));
        args.prepend(QStringLiteral("settings"));
        return runCli(args);
    }
    QString iniPath() const { return m_temp.filePath(QStringLiteral("Ondrel.ini")); }

    QTemporaryDir m_temp;
};

struct PathCase {
    const char* name;
    QStringList args; // "DIR" stands for the temporary directory
};
ONDREL_NAMED_CASE(PathCase)

class CliSettingsPathTest : public CliSettingsTest, public testing::WithParamInterface<PathCase> {};

TEST_P(CliSettingsPathTest, PrintsTheFileInDir)
{
    QStringList args = GetParam().args;
    args.replaceInStrings(QStringLiteral("DIR"), m_temp.path());
    const CliRun run = runCli(args);
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(run.out, (iniPath() + u'\n').toUtf8());
    EXPECT_TRUE(run.err.isEmpty());
    EXPECT_FALSE(QFileInfo::exists(iniPath()));
}

INSTANTIATE_TEST_SUITE_P(
    Placements, CliSettingsPathTest,
    testing::Values(PathCase{"DirBeforeVerb", {"settings", "--dir", "DIR", "path"}},
                    PathCase{"DirAfterVerb", {"settings", "path", "--dir", "DIR"}},
                    PathCase{"DirWithSlash", {"settings", "--dir", "DIR/", "path"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(CliSettingsTest, PathWithoutDirIsNextToAWritableExecutable)
{
    const QString copy = m_temp.filePath(QStringLiteral("ondrel-cli"));
    ASSERT_TRUE(QFile::copy(QStringLiteral(ONDREL_CLI), copy));
    const CliRun run = runCli({QStringLiteral("settings"), QStringLiteral("path")}, {}, copy);
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(run.out, (iniPath() + u'\n').toUtf8());
}

struct MissingCase {
    const char* name;
    const char* key;
    const char* err;
};
ONDREL_NAMED_CASE(MissingCase)

class CliSettingsMissingTest : public CliSettingsTest,
                               public testing::WithParamInterface<MissingCase> {};

TEST_P(CliSettingsMissingTest, PrintsNothingAndTellsTheDefault)
{
    const CliRun run = settings({QStringLiteral("get"), QString::fromUtf8(GetParam().key)});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.out.isEmpty());
    EXPECT_EQ(run.err, QByteArray("ondrel-cli: settings: ") + GetParam().err + '\n');
    EXPECT_FALSE(QFileInfo::exists(iniPath()));
}

INSTANTIATE_TEST_SUITE_P(
    Keys, CliSettingsMissingTest,
    testing::Values(
        MissingCase{"Period", "tm2", "TM2 is not set; the program uses 180."},
        MissingCase{"PaneWidth", "ESW",
                    "ESW is not set; the program uses 85% of the screen width."},
        MissingCase{"Cooldown", "ESNotifyCool", "ESNotifyCool is not set; the program uses 30."},
        MissingCase{"KeepDays", "ESKeepDays", "ESKeepDays is not set; the program uses 400."},
        MissingCase{"Host", "ESHost", "ESHost is not set; the program uses http://wdc.nict.go.jp."},
        MissingCase{"NotTheProgramsKey", "Colour", "Colour is not set."}),
    [](const auto& info) { return std::string(info.param.name); });

struct IgnoredCase {
    const char* name;
    const char* key;
    const char* value;
    const char* warning; // empty: the program uses the value
};
ONDREL_NAMED_CASE(IgnoredCase)

class CliSettingsIgnoredTest : public CliSettingsTest,
                               public testing::WithParamInterface<IgnoredCase> {};

TEST_P(CliSettingsIgnoredTest, StoresTheValueAndWarnsWhenUnused)
{
    const QString key = QString::fromUtf8(GetParam().key);
    const QString value = QString::fromUtf8(GetParam().value);
    const CliRun run = settings({QStringLiteral("set"), key, value});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QByteArray warning = GetParam().warning;
    EXPECT_EQ(run.err, warning.isEmpty() ? warning : "ondrel-cli: settings: " + warning + '\n');
    EXPECT_EQ(settings({QStringLiteral("get"), key}).out, (value + u'\n').toUtf8());
}

INSTANTIATE_TEST_SUITE_P(
    Values, CliSettingsIgnoredTest,
    testing::Values(
        IgnoredCase{"PeriodText", "TM2", "abc",
                    "TM2 \"abc\" is stored, but the program takes 60 to 900 seconds and uses "
                    "180 instead."},
        IgnoredCase{"PeriodTooShort", "TM2", "5",
                    "TM2 \"5\" is stored, but the program takes 60 to 900 seconds and uses 180 "
                    "instead."},
        IgnoredCase{"PeriodLongest", "TM2", "900", ""},
        IgnoredCase{"NotifyText", "ESNotify", "x",
                    "ESNotify \"x\" is stored, but the program takes a number (0 for off) and "
                    "uses 1 instead."},
        IgnoredCase{"NotifyOff", "ESNotify", "0", ""},
        IgnoredCase{"CooldownTooLong", "ESNotifyCool", "1441",
                    "ESNotifyCool \"1441\" is stored, but the program takes 0 to 1440 minutes "
                    "and uses 30 instead."},
        IgnoredCase{"KeepNoDays", "ESKeepDays", "0",
                    "ESKeepDays \"0\" is stored, but the program takes a positive number of days "
                    "and uses 400 instead."},
        IgnoredCase{"PaneWidthText", "ESW", "wide",
                    "ESW \"wide\" is stored, but the program takes a number of twips and cannot "
                    "open the browser pane with it."},
        IgnoredCase{"HostFtp", "ESHost", "ftp://x",
                    "ESHost \"ftp://x\" is stored, but the program takes an http or https "
                    "address or a host name and uses http://wdc.nict.go.jp instead."},
        IgnoredCase{"BareHost", "ESHost", "127.0.0.1:8080/mirror", ""},
        IgnoredCase{"HomeCallsign", "ESHome", "JA1XYZ",
                    "ESHome \"JA1XYZ\" is stored, but the program takes a Maidenhead locator of "
                    "4 or 6 characters (PM95, PM95vq) and sets no home."},
        IgnoredCase{"HomeSmallLetters", "ESHome", "pm95vq", ""},
        IgnoredCase{"SwappedLetters", "ESHots", "127.0.0.1",
                    "ESHots is not a setting Ondrel reads; did you mean ESHost?"},
        IgnoredCase{"MissingLetter", "esnotifycol", "5",
                    "esnotifycol is not a setting Ondrel reads; did you mean ESNotifyCool?"},
        IgnoredCase{"ShortWordTwoEditsOff", "Top", "1", "Top is not a setting Ondrel reads."},
        IgnoredCase{"NotTheProgramsKey", "Colour", "red", "Colour is not a setting Ondrel reads."}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(CliSettingsTest, SetSurvivesIntoTheNextProcess)
{
    const CliRun set =
        settings({QStringLiteral("set"), QStringLiteral("ESTop"), QStringLiteral("-15")});
    EXPECT_EQ(set.exitCode, 0) << set.err.toStdString();
    EXPECT_TRUE(set.out.isEmpty());
    EXPECT_EQ(readAll(iniPath()), "[ESConf]\nESTop=-15\n");
    EXPECT_EQ(settings({QStringLiteral("get"), QStringLiteral("estop")}).out, "-15\n");

    const CliRun after =
        runCli({QStringLiteral("settings"), QStringLiteral("set"), QStringLiteral("TM2"),
                QStringLiteral("60"), QStringLiteral("--dir"), m_temp.path()});
    EXPECT_EQ(after.exitCode, 0);
    EXPECT_EQ(readAll(iniPath()), "[ESConf]\nESTop=-15\nTM2=60\n");
}

TEST_F(CliSettingsTest, SetNewResetsEverything)
{
    settings({QStringLiteral("set"), QStringLiteral("ESTop"), QStringLiteral("1")});
    ASSERT_TRUE(QFileInfo::exists(iniPath()));
    const CliRun reset =
        settings({QStringLiteral("set"), QStringLiteral("NEW"), QStringLiteral("x")});
    EXPECT_EQ(reset.exitCode, 0);
    EXPECT_FALSE(QFileInfo::exists(iniPath()));
    const CliRun get = settings({QStringLiteral("get"), QStringLiteral("ESTop")});
    EXPECT_EQ(get.exitCode, 1);
    EXPECT_TRUE(get.out.isEmpty());
}

TEST_F(CliSettingsTest, FailuresGoToStandardErrorAndExitThree)
{
    const CliRun box =
        settings({QStringLiteral("set"), QStringLiteral("a=b"), QStringLiteral("1")});
    EXPECT_EQ(box.exitCode, 3);
    EXPECT_EQ(box.err,
              "ondrel-cli: settings: cannot store a=b: key name unusable in a settings file.\n");

    // The settings file's place is taken by a directory (tests run as root,
    // for whom no mode bit refuses a write).
    ASSERT_TRUE(QDir(m_temp.path()).mkdir(QStringLiteral("Ondrel.ini")));
    for (const QStringList& args : {QStringList{"set", "a", "1"}, QStringList{"unset", "a"}}) {
        const CliRun unchanged = settings(args);
        EXPECT_EQ(unchanged.exitCode, 3) << args.first().toStdString();
        EXPECT_TRUE(unchanged.err.contains(QFile::encodeName(iniPath())))
            << unchanged.err.toStdString();
        EXPECT_EQ(unchanged.err.count('\n'), 1) << unchanged.err.toStdString();
    }
}

TEST_F(CliSettingsTest, ListShowsEveryKeyWithItsValueOrDefault)
{
    writeAll(iniPath(), "[ESConf]\nTM2=300\nColour=red\n");
    const CliRun run = settings({QStringLiteral("list")});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    const std::vector<SettingMeaning> meanings = settingMeanings();
    const QStringList lines = QString::fromUtf8(run.out).split(u'\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), static_cast<qsizetype>(meanings.size()));
    for (size_t i = 0; i < meanings.size(); ++i) {
        const SettingMeaning& m = meanings[i];
        const QString fallback = m.missing.isEmpty() ? QStringLiteral("none") : m.missing;
        const QString value =
            m.key == u"TM2" ? QStringLiteral("300") : QStringLiteral("(default %1)").arg(fallback);
        const QString& line = lines[static_cast<qsizetype>(i)];
        EXPECT_TRUE(line.startsWith(m.key + u' ')) << line.toStdString();
        EXPECT_TRUE(line.contains(QStringLiteral("  ") + value + QStringLiteral("  ")))
            << line.toStdString();
        EXPECT_TRUE(line.endsWith(m.what + QStringLiteral(": ") + m.takes)) << line.toStdString();
    }
}

TEST_F(CliSettingsTest, UnsetRemovesTheKeyAndKeepsEverythingElse)
{
    const QByteArray before = "; mine\r\n[esconf]\r\nTM2=300\r\n; period\r\nESTop=1\r\n"
                              "tm2=400\r\n[Other]\r\nTM2=5\r\n";
    writeAll(iniPath(), before);
    const CliRun unset = settings({QStringLiteral("unset"), QStringLiteral("Tm2")});
    EXPECT_EQ(unset.exitCode, 0) << unset.err.toStdString();
    EXPECT_TRUE(unset.err.isEmpty());
    const QByteArray after = "; mine\r\n[esconf]\r\n; period\r\nESTop=1\r\n[Other]\r\nTM2=5\r\n";
    EXPECT_EQ(readAll(iniPath()), after);

    const CliRun again = settings({QStringLiteral("unset"), QStringLiteral("TM2")});
    EXPECT_EQ(again.exitCode, 1);
    EXPECT_EQ(again.err, "ondrel-cli: settings: TM2 is not set.\n");
    EXPECT_EQ(readAll(iniPath()), after);
    EXPECT_EQ(QDir(m_temp.path()).entryList(QDir::Files | QDir::Hidden),
              QStringList{QStringLiteral("Ondrel.ini")});
}

TEST_F(CliSettingsTest, UnsetWithoutAFileCreatesNone)
{
    const CliRun run = settings({QStringLiteral("unset"), QStringLiteral("TM2")});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_FALSE(QFileInfo::exists(iniPath()));
}

struct SettingsUsageCase {
    const char* name;
    QStringList args;
};
ONDREL_NAMED_CASE(SettingsUsageCase)

class CliSettingsUsageTest : public testing::TestWithParam<SettingsUsageCase> {};

TEST_P(CliSettingsUsageTest, ExitTwoWithOneLine)
{
    QTemporaryDir temp;
    QStringList args = GetParam().args;
    args.replaceInStrings(QStringLiteral("DIR"), temp.path());
    args.prepend(QStringLiteral("settings"));
    const CliRun run = runCli(args);
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_TRUE(run.out.isEmpty());
    EXPECT_EQ(run.err.count('\n'), 1) << run.err.toStdString();
    EXPECT_TRUE(QDir(temp.path()).isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Errors, CliSettingsUsageTest,
    testing::Values(
        SettingsUsageCase{"NoVerb", {"--dir", "DIR"}},
        SettingsUsageCase{"UnknownVerb", {"show", "--dir", "DIR"}},
        SettingsUsageCase{"GetWithoutKey", {"--dir", "DIR", "get"}},
        SettingsUsageCase{"SetWithoutValue", {"--dir", "DIR", "set", "ESTop"}},
        SettingsUsageCase{"PathWithOperand", {"--dir", "DIR", "path", "x"}},
        SettingsUsageCase{"GetTwoKeys", {"--dir", "DIR", "get", "a", "b"}},
        SettingsUsageCase{"UnsetWithoutKey", {"--dir", "DIR", "unset"}},
        SettingsUsageCase{"ListWithOperand", {"--dir", "DIR", "list", "TM2"}},
        SettingsUsageCase{"DirWithoutValue", {"set", "a", "1", "--dir"}},
        SettingsUsageCase{"EmptyDir", {"--dir", "", "set", "a", "1"}},
        SettingsUsageCase{"DirMissing", {"--dir", "DIR/new", "set", "a", "1"}},
        SettingsUsageCase{"DirIsAFile", {"--dir", "/dev/null", "path"}},
        SettingsUsageCase{"DirTwice", {"--dir", "DIR", "--dir", "DIR", "set", "a", "1"}},
        SettingsUsageCase{"UnknownOption", {"--dir", "DIR", "--force", "set", "a", "1"}}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
