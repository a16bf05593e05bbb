// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/settings/settings_store.h"
#include "core/system/procedure_failure.h"
#include "support/file_faults.h"

#include "support/fakes.h"
#include "support/file_contents.h"
#include "support/named_case.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// Collects qWarning lines while alive.
class WarningCapture {
public:
    WarningCapture() { m_previous = qInstallMessageHandler(&WarningCapture::record); }
    ~WarningCapture()
    {
        qInstallMessageHandler(m_previous);
        lines().clear();
    }
    static QStringList& lines()
    {
        static QStringList captured;
        return captured;
    }

private:
    static void record(QtMsgType, const QMessageLogContext&, const QString& message)
    {
        lines().append(message);
    }
    QtMessageHandler m_previous = nullptr;
};

class SettingsStoreTest : public testing::Test {
protected:
    QString get(const QString& key)
    {
        QString value = QStringLiteral("untouched");
        m_store.IniSection = QStringLiteral("ESConf");
        m_store.IniGet(key, value);
        return value;
    }
    void put(const QString& key, const QString& value)
    {
        m_store.IniSection = QStringLiteral("ESConf");
        m_store.IniPut(key, value);
    }
    QString iniPath() const { return m_temp.filePath(QStringLiteral("Ondrel.ini")); }

    QTemporaryDir m_temp;
    QString m_directory = m_temp.path();
    FakeMessageBoxes m_boxes;
    SettingsStore m_store{[this] { return m_directory; }, m_boxes};
};

struct GetCase {
    const char* name;
    std::optional<QByteArray> file;
    const char* key;
    QString expected;
};
ONDREL_NAMED_CASE(GetCase)

class SettingsGetTest : public SettingsStoreTest, public testing::WithParamInterface<GetCase> {};

TEST_P(SettingsGetTest, GivesStoredTextOrTheSectionName)
{
    if (GetParam().file)
        writeAll(iniPath(), *GetParam().file);
    EXPECT_EQ(get(QString::fromLatin1(GetParam().key)), GetParam().expected);
    EXPECT_TRUE(m_boxes.shown.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Files, SettingsGetTest,
    testing::Values(GetCase{"NoFile", std::nullopt, "ESTop", "ESConf"},
                    GetCase{"NoFileOtherKey", std::nullopt, "TM2", "ESConf"},
                    GetCase{"NoSection", "[Other]\nESTop=1\n", "ESTop", "ESConf"},
                    GetCase{"NoKey", "[ESConf]\nESW=1\n", "ESTop", "ESConf"},
                    GetCase{"EmptyValue", "[ESConf]\nESTop=\n", "ESTop", ""},
                    GetCase{"BlanksRemoved", "[ESConf]\nESTop=  -15  \n", "ESTop", "-15"},
                    GetCase{"HandWrittenWindowsStyle", "; mine\r\n[esconf]\r\n  estop = 120 \r\n",
                            "ESTop", "120"},
                    GetCase{"CutTo127", "[ESConf]\nESHost=" + QByteArray(200, 'h') + "\n", "ESHost",
                            QString(127, u'h')},
                    GetCase{"Exactly127", "[ESConf]\nESHost=" + QByteArray(127, 'h') + "\n",
                            "ESHost", QString(127, u'h')},
                    GetCase{"Utf8Value", "[ESConf]\nESHost=\xE9\xAB\x98\n", "ESHost",
                            QString::fromUtf16(u"\u9AD8")}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(SettingsStoreTest, MissingKeyGivesWhateverTheSectionIs)
{
    m_store.IniSection = QStringLiteral("Elsewhere");
    QString value;
    m_store.IniGet(QStringLiteral("ESTop"), value);
    EXPECT_EQ(value, QStringLiteral("Elsewhere"));
}

TEST_F(SettingsStoreTest, WriteCreatesTheFileAndReadsBack)
{
    put(QStringLiteral("ESTop"), QStringLiteral("-15"));
    EXPECT_EQ(readAll(iniPath()), "[ESConf]\nESTop=-15\n");
    put(QStringLiteral("ESTop"), QStringLiteral("1234.5"));
    put(QStringLiteral("TM2"), QStringLiteral("300"));
    EXPECT_EQ(readAll(iniPath()), "[ESConf]\nESTop=1234.5\nTM2=300\n");
    EXPECT_EQ(get(QStringLiteral("ESTop")), QStringLiteral("1234.5"));
    EXPECT_FALSE(m_store.lastCallFailed());
    EXPECT_TRUE(m_boxes.shown.empty());
}

TEST_F(SettingsStoreTest, WriteCreatesAMissingSettingsDirectory)
{
    m_directory = m_temp.filePath(QStringLiteral("config/ondrel"));
    put(QStringLiteral("TM2"), QStringLiteral("60"));
    EXPECT_EQ(readAll(m_directory + QStringLiteral("/Ondrel.ini")), "[ESConf]\nTM2=60\n");
}

TEST_F(SettingsStoreTest, PathIsRebuiltOnEveryCall)
{
    EXPECT_EQ(m_store.settingsPath(), m_temp.path() + QStringLiteral("/Ondrel.ini"));
    m_directory = m_temp.path() + u'/';
    EXPECT_EQ(m_store.settingsPath(), m_temp.path() + QStringLiteral("/Ondrel.ini"));
    put(QStringLiteral("ESW"), QStringLiteral("1"));
    EXPECT_EQ(readAll(iniPath()), "[ESConf]\nESW=1\n");
    m_directory = m_temp.filePath(QStringLiteral("sub"));
    EXPECT_EQ(m_store.settingsPath(), m_temp.filePath(QStringLiteral("sub/Ondrel.ini")));
    EXPECT_EQ(get(QStringLiteral("ESW")), QStringLiteral("ESConf"));
}

struct ResetCase {
    const char* name;
    std::optional<QByteArray> before;
    const char* key;
    const char* value;
    std::optional<QByteArray> after;
};
ONDREL_NAMED_CASE(ResetCase)

class SettingsResetTest : public SettingsStoreTest,
                          public testing::WithParamInterface<ResetCase> {};

TEST_P(SettingsResetTest, NewDeletesTheFile)
{
    const ResetCase& c = GetParam();
    if (c.before)
        writeAll(iniPath(), *c.before);
    put(QString::fromLatin1(c.key), QString::fromLatin1(c.value));
    EXPECT_EQ(FileExists(iniPath()), c.after ? 1 : 0);
    if (c.after) {
        EXPECT_EQ(readAll(iniPath()), *c.after);
    }
    EXPECT_TRUE(m_boxes.shown.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Keys, SettingsResetTest,
    testing::Values(ResetCase{"Deletes", "[ESConf]\nESTop=1\n", "NEW", "x", std::nullopt},
                    ResetCase{"AnyValue", "[ESConf]\nNEW=1\n", "NEW", "", std::nullopt},
                    ResetCase{"NoFileNothingWritten", std::nullopt, "NEW", "x", std::nullopt},
                    ResetCase{"LowerCaseIsAKey", "[ESConf]\n", "new", "x", "[ESConf]\nnew=x\n"},
                    ResetCase{"LowerCaseCreates", std::nullopt, "New", "1", "[ESConf]\nNew=1\n"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(FileExistsTest, OnlyRegularFilesCount)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("f"));
    writeAll(file, "x");
    EXPECT_EQ(FileExists(file), 1);
    EXPECT_EQ(FileExists(dir.path()), 0);
    EXPECT_EQ(FileExists(dir.filePath(QStringLiteral("missing"))), 0);
    EXPECT_EQ(FileExists(QString()), 0);
}

enum class Operation { Get, Put };

struct BoxCase {
    const char* name;
    Operation operation;
    bool directoryFails; // else the key is unusable
    const char* pattern;
};
ONDREL_NAMED_CASE(BoxCase)

class SettingsBoxTest : public SettingsStoreTest, public testing::WithParamInterface<BoxCase> {};

TEST_P(SettingsBoxTest, FailureShowsOneBoxAndReturns)
{
    const BoxCase& c = GetParam();
    writeAll(iniPath(), "[ESConf]\nESTop=1\n");
    SettingsStore store(
        [&]() -> QString {
            if (c.directoryFails)
                throw ProcedureFailure("no directory");
            return m_temp.path();
        },
        m_boxes);
    store.IniSection = QStringLiteral("ESConf");
    const QString key = c.directoryFails ? QStringLiteral("ESTop") : QStringLiteral("a=b");
    QString value = QStringLiteral("untouched");
    if (c.operation == Operation::Get)
        store.IniGet(key, value);
    else
        store.IniPut(key, QStringLiteral("2"));

    ASSERT_EQ(m_boxes.shown.size(), 1u);
    EXPECT_TRUE(
        QRegularExpression(QString::fromLatin1(c.pattern)).match(m_boxes.shown[0].text).hasMatch())
        << m_boxes.shown[0].text.toStdString();
    EXPECT_EQ(m_boxes.shown[0].title, QStringLiteral("Ondrel"));
    EXPECT_EQ(m_boxes.shown[0].icon, MessageBoxes::Icon::Information);
    EXPECT_EQ(m_boxes.shown[0].milliseconds, -1);
    EXPECT_EQ(value, QStringLiteral("untouched"));
    EXPECT_TRUE(store.lastCallFailed());
    EXPECT_EQ(readAll(iniPath()), "[ESConf]\nESTop=1\n");
}

INSTANTIATE_TEST_SUITE_P(Failures, SettingsBoxTest,
                         testing::Values(BoxCase{"GetWithoutDirectory", Operation::Get, true,
                                                 "^IGT 76 \\S.*no directory"},
                                         BoxCase{"PutWithoutDirectory", Operation::Put, true,
                                                 "^IPT 76 \\S.*no directory"},
                                         BoxCase{"PutUnusableKey", Operation::Put, false,
                                                 "^IPT 5 \\S.*key"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(SettingsStoreTest, EmptyDirectoryIsAFailure)
{
    m_directory.clear();
    EXPECT_EQ(get(QStringLiteral("ESTop")), QStringLiteral("untouched"));
    put(QStringLiteral("ESTop"), QStringLiteral("1"));
    ASSERT_EQ(m_boxes.shown.size(), 2u);
    EXPECT_TRUE(m_boxes.shown[0].text.startsWith(u"IGT 76 "));
    EXPECT_TRUE(m_boxes.shown[1].text.startsWith(u"IPT 76 "));
    EXPECT_THROW(m_store.settingsPath(), ProcedureFailure);
}

TEST_F(SettingsStoreTest, UndeletableFileShowsABox)
{
    writeAll(iniPath(), "[ESConf]\nESTop=1\n");
    const ReadOnlyDirectory readOnly(m_temp.path());
    if (!readOnly.effective())
        GTEST_SKIP() << "cannot make a directory read-only here";
    put(QStringLiteral("NEW"), QString());
    ASSERT_EQ(m_boxes.shown.size(), 1u);
    EXPECT_TRUE(m_boxes.shown[0].text.startsWith(u"IPT 75 "))
        << m_boxes.shown[0].text.toStdString();
    EXPECT_EQ(FileExists(iniPath()), 1);
}

enum class Obstacle { DirectoryIsAFile, FileIsADirectory, ReadOnlyDirectory, FullDisk };

struct UnstoredCase {
    const char* name;
    Obstacle obstacle;
};
ONDREL_NAMED_CASE(UnstoredCase)

class SettingsUnstoredTest : public SettingsStoreTest,
                             public testing::WithParamInterface<UnstoredCase> {};

// A write that cannot be stored goes to standard error only; what was
// there before stays as it was.
TEST_P(SettingsUnstoredTest, ReportedOnStandardErrorOnly)
{
    const QByteArray old = "; hand\r\n[ESConf]\r\nESTop=1\r\n";
    QString blocked = iniPath();
    std::optional<ReadOnlyDirectory> readOnly;
    std::optional<FileSizeLimit> fullDisk;
    switch (GetParam().obstacle) {
    case Obstacle::DirectoryIsAFile:
        m_directory = blocked = m_temp.filePath(QStringLiteral("plain"));
        writeAll(blocked, old);
        break;
    case Obstacle::FileIsADirectory:
        ASSERT_TRUE(QDir(m_temp.path()).mkdir(QStringLiteral("Ondrel.ini")));
        break;
    case Obstacle::ReadOnlyDirectory:
        writeAll(blocked, old);
        readOnly.emplace(m_temp.path());
        if (!readOnly->effective())
            GTEST_SKIP() << "cannot make a directory read-only here";
        break;
    case Obstacle::FullDisk:
        writeAll(blocked, old);
        fullDisk.emplace(old.size() + 64);
        break;
    }
    const QString path = m_store.settingsPath();
    {
        const WarningCapture warnings;
        put(QStringLiteral("ESHost"), QString(1000, u'h'));
        ASSERT_EQ(WarningCapture::lines().size(), 1);
        EXPECT_TRUE(WarningCapture::lines()[0].contains(path))
            << WarningCapture::lines()[0].toStdString();
    }
    readOnly.reset();
    fullDisk.reset();
    EXPECT_TRUE(m_boxes.shown.empty());
    EXPECT_TRUE(m_store.lastCallFailed());
    if (QFileInfo(blocked).isFile()) {
        EXPECT_EQ(readAll(blocked), old);
    } else {
        EXPECT_TRUE(QFileInfo(blocked).isDir());
    }
    EXPECT_EQ(QDir(m_temp.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
              QStringList{QFileInfo(blocked).fileName()});
}

INSTANTIATE_TEST_SUITE_P(
    Obstacles, SettingsUnstoredTest,
    testing::Values(UnstoredCase{"DirectoryIsAFile", Obstacle::DirectoryIsAFile},
                    UnstoredCase{"FileIsADirectory", Obstacle::FileIsADirectory},
                    UnstoredCase{"ReadOnlyDirectory", Obstacle::ReadOnlyDirectory},
                    UnstoredCase{"FullDisk", Obstacle::FullDisk}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
