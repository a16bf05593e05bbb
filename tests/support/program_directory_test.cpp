#include "support/file_faults.h"
#include "support/program_directory.h"
#include "support/text_helpers.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class ProgramDirectoryTest : public testing::Test {
protected:
    QTemporaryDir m_temp;
    QString m_executable = m_temp.filePath(QStringLiteral("bin"));
    QString m_config = m_temp.filePath(QStringLiteral("config/ondrel"));
};

TEST_F(ProgramDirectoryTest, WritableExecutableDirectoryIsPortable)
{
    ASSERT_TRUE(QDir().mkpath(m_executable));
    EXPECT_EQ(chooseProgramDirectory(m_executable, m_config), m_executable);
    EXPECT_FALSE(QFileInfo::exists(m_config));
}

TEST_F(ProgramDirectoryTest, ReadOnlyExecutableDirectoryFallsBackToConfiguration)
{
    ASSERT_TRUE(QDir().mkpath(m_executable));
    const ReadOnlyDirectory readOnly(m_executable);
    if (!readOnly.effective())
        GTEST_SKIP() << "cannot make a directory read-only here";
    EXPECT_EQ(chooseProgramDirectory(m_executable, m_config), m_config);
}

TEST_F(ProgramDirectoryTest, ExistingSettingsFileKeepsAReadOnlyDirectory)
{
    ASSERT_TRUE(QDir().mkpath(m_executable));
    QFile settings(m_executable + QStringLiteral("/Ondrel.ini"));
    ASSERT_TRUE(settings.open(QIODevice::WriteOnly));
    settings.close();
    const ReadOnlyDirectory readOnly(m_executable);
    if (!readOnly.effective())
        GTEST_SKIP() << "cannot make a directory read-only here";
    EXPECT_EQ(chooseProgramDirectory(m_executable, m_config), m_executable);
}

TEST_F(ProgramDirectoryTest, UnusableExecutableDirectoryFallsBack)
{
    EXPECT_EQ(chooseProgramDirectory(m_executable, m_config), m_config); // missing
    EXPECT_EQ(chooseProgramDirectory(QString(), m_config), m_config);
    QFile plain(m_executable);
    ASSERT_TRUE(plain.open(QIODevice::WriteOnly));
    plain.close();
    EXPECT_EQ(chooseProgramDirectory(m_executable, m_config), m_config);
}

TEST_F(ProgramDirectoryTest, NeitherKnownFails)
{
    EXPECT_THROW(chooseProgramDirectory(QString(), QString()), ProcedureFailure);
    EXPECT_THROW(chooseProgramDirectory(m_executable, QString()), ProcedureFailure);
}

} // namespace
