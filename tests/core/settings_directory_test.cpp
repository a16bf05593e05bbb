// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/settings/settings_directory.h"
#include "core/system/procedure_failure.h"
#include "support/file_faults.h"
#include "support/named_case.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <unistd.h>

namespace {

class SettingsDirectoryTest : public testing::Test {
protected:
    QTemporaryDir m_temp;
    QString m_executable = m_temp.filePath(QStringLiteral("bin"));
    QString m_config = m_temp.filePath(QStringLiteral("config/ondrel"));
};

TEST_F(SettingsDirectoryTest, WritableExecutableDirectoryIsPortable)
{
    ASSERT_TRUE(QDir().mkpath(m_executable));
    EXPECT_EQ(chooseSettingsDirectory(m_executable, m_config), m_executable);
    EXPECT_FALSE(QFileInfo::exists(m_config));
}

TEST_F(SettingsDirectoryTest, ReadOnlyExecutableDirectoryFallsBackToConfiguration)
{
    ASSERT_TRUE(QDir().mkpath(m_executable));
    const ReadOnlyDirectory readOnly(m_executable);
    if (!readOnly.effective())
        GTEST_SKIP() << "cannot make a directory read-only here";
    EXPECT_EQ(chooseSettingsDirectory(m_executable, m_config), m_config);
}

TEST_F(SettingsDirectoryTest, ExistingSettingsFileKeepsAReadOnlyDirectory)
{
    ASSERT_TRUE(QDir().mkpath(m_executable));
    QFile settings(m_executable + QStringLiteral("/Ondrel.ini"));
    ASSERT_TRUE(settings.open(QIODevice::WriteOnly));
    settings.close();
    const ReadOnlyDirectory readOnly(m_executable);
    if (!readOnly.effective())
        GTEST_SKIP() << "cannot make a directory read-only here";
    EXPECT_EQ(chooseSettingsDirectory(m_executable, m_config), m_executable);
}

TEST_F(SettingsDirectoryTest, UnusableExecutableDirectoryFallsBack)
{
    EXPECT_EQ(chooseSettingsDirectory(m_executable, m_config), m_config); // missing
    EXPECT_EQ(chooseSettingsDirectory(QString(), m_config), m_config);
    QFile plain(m_executable);
    ASSERT_TRUE(plain.open(QIODevice::WriteOnly));
    plain.close();
    EXPECT_EQ(chooseSettingsDirectory(m_executable, m_config), m_config);
}

struct PortableCase {
    const char* name;
    const char* directory;
    bool ownedByUser;
    bool writable;
    bool portable;
};
ONDREL_NAMED_CASE(PortableCase)

class PortableDirectoryTest : public testing::TestWithParam<PortableCase> {};

TEST_P(PortableDirectoryTest, SettingsGoBesideOnlyAUsersOwnCopy)
{
    const PortableCase& c = GetParam();
    EXPECT_EQ(isPortableDirectory(QLatin1String(c.directory), c.ownedByUser, c.writable),
              c.portable);
}

INSTANTIATE_TEST_SUITE_P(
    Directories, PortableDirectoryTest,
    testing::Values(PortableCase{"BuildFolder", "/home/ham/ondrel/build/src", true, true, true},
                    PortableCase{"CopyInOwnFolder", "/home/ham/bin", true, true, true},
                    PortableCase{"ReadOnlyOwnFolder", "/home/ham/bin", true, false, false},
                    PortableCase{"SomeoneElsesFolder", "/home/other/bin", false, true, false},
                    PortableCase{"UsrBinUnderSudo", "/usr/bin", true, true, false},
                    PortableCase{"UsrLocalBin", "/usr/local/bin", true, true, false},
                    PortableCase{"UsrItself", "/usr", true, true, false},
                    PortableCase{"UncleanUsrPath", "/usr//bin/", true, true, false},
                    PortableCase{"UsrOnlyAfterCleaning", "/home/ham/../../usr/bin", true, true,
                                 false},
                    PortableCase{"Opt", "/opt/ondrel/bin", true, true, false},
                    PortableCase{"Snap", "/snap/ondrel/12/bin", true, true, false},
                    PortableCase{"NameOnlyStartsLikeUsr", "/usrdata/ondrel", true, true, true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(SettingsDirectoryTest, AnotherUsersDirectoryIsTakenOnlyWithSettingsThere)
{
    // As sudo sees a copy in the invoking user's folder.
    ASSERT_TRUE(QDir().mkpath(m_executable));
    const QByteArray path = QFile::encodeName(m_executable);
    if (::chown(path.constData(), 65534, 65534) != 0)
        GTEST_SKIP() << "cannot give a directory to another user here";
    EXPECT_EQ(chooseSettingsDirectory(m_executable, m_config), m_config);
    QFile settings(m_executable + QStringLiteral("/Ondrel.ini"));
    ASSERT_TRUE(settings.open(QIODevice::WriteOnly));
    settings.close();
    EXPECT_EQ(chooseSettingsDirectory(m_executable, m_config), m_executable);
}

TEST_F(SettingsDirectoryTest, NeitherKnownFails)
{
    EXPECT_THROW(chooseSettingsDirectory(QString(), QString()), ProcedureFailure);
    EXPECT_THROW(chooseSettingsDirectory(m_executable, QString()), ProcedureFailure);
}

} // namespace
