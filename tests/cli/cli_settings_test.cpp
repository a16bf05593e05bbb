#include "cli/cli_runner.h"
#include "named_case.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

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

TEST_F(CliSettingsTest, MissingKeyPrintsTheSectionName)
{
    const CliRun run = settings({QStringLiteral("get"), QStringLiteral("ESTop")});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(run.out, "ESConf\n");
    EXPECT_FALSE(QFileInfo::exists(iniPath()));
}

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
    EXPECT_EQ(settings({QStringLiteral("get"), QStringLiteral("ESTop")}).out, "ESConf\n");
}

TEST_F(CliSettingsTest, FailuresGoToStandardErrorAndExitThree)
{
    const CliRun box =
        settings({QStringLiteral("set"), QStringLiteral("a=b"), QStringLiteral("1")});
    EXPECT_EQ(box.exitCode, 3);
    EXPECT_TRUE(box.err.startsWith("ondrel-cli: IPT 5 ")) << box.err.toStdString();
    EXPECT_EQ(box.err.count('\n'), 1);

    QFile plain(m_temp.filePath(QStringLiteral("plain")));
    ASSERT_TRUE(plain.open(QIODevice::WriteOnly));
    plain.close();
    const CliRun unstored =
        runCli({QStringLiteral("settings"), QStringLiteral("--dir"), plain.fileName(),
                QStringLiteral("set"), QStringLiteral("a"), QStringLiteral("1")});
    EXPECT_EQ(unstored.exitCode, 3);
    EXPECT_TRUE(
        unstored.err.contains(QFile::encodeName(plain.fileName() + QStringLiteral("/Ondrel.ini"))))
        << unstored.err.toStdString();
    EXPECT_EQ(unstored.err.count('\n'), 1);
}

struct UsageCase {
    const char* name;
    QStringList args;
};
ONDREL_NAMED_CASE(UsageCase)

class CliSettingsUsageTest : public testing::TestWithParam<UsageCase> {};

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
    testing::Values(UsageCase{"NoVerb", {"--dir", "DIR"}},
                    UsageCase{"UnknownVerb", {"show", "--dir", "DIR"}},
                    UsageCase{"GetWithoutKey", {"--dir", "DIR", "get"}},
                    UsageCase{"SetWithoutValue", {"--dir", "DIR", "set", "ESTop"}},
                    UsageCase{"PathWithOperand", {"--dir", "DIR", "path", "x"}},
                    UsageCase{"GetTwoKeys", {"--dir", "DIR", "get", "a", "b"}},
                    UsageCase{"DirWithoutValue", {"set", "a", "1", "--dir"}},
                    UsageCase{"EmptyDir", {"--dir", "", "set", "a", "1"}},
                    UsageCase{"DirTwice", {"--dir", "DIR", "--dir", "DIR", "set", "a", "1"}},
                    UsageCase{"UnknownOption", {"--dir", "DIR", "--force", "set", "a", "1"}}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
