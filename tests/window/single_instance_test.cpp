// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/single_instance.h"

#include <QFile>
#include <QLockFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

TEST(SingleInstance, SecondCopyIsRefusedUntilTheFirstEnds)
{
    QTemporaryDir dir;
    auto first = std::make_unique<SingleInstance>(dir.path());
    ASSERT_TRUE(first->acquire());
    SingleInstance second(dir.path());
    EXPECT_FALSE(second.acquire());
    first.reset();
    SingleInstance third(dir.path());
    EXPECT_TRUE(third.acquire());
}

TEST(SingleInstance, LockOfACrashedCopyIsTakenOver)
{
    QTemporaryDir dir;
    // A lock file naming a process that no longer exists.
    QProcess gone;
    gone.start(QStringLiteral("true"));
    ASSERT_TRUE(gone.waitForStarted());
    const qint64 pid = gone.processId();
    gone.waitForFinished();
    QFile lock(dir.filePath(QStringLiteral("ondrel.lock")));
    ASSERT_TRUE(lock.open(QIODevice::WriteOnly));
    lock.write(QByteArray::number(pid) + "\nondrel\n" + QSysInfo::machineHostName().toUtf8() +
               "\n");
    lock.close();
    SingleInstance next(dir.path());
    EXPECT_TRUE(next.acquire());
}

TEST(SingleInstance, SecondCopyBringsTheFirstOrItsSettingsToTheFront)
{
    QTemporaryDir dir;
    // The socket of a copy that crashed is in the way until the next one
    // holds the lock.
    QFile stale(dir.filePath(QStringLiteral("ondrel.socket")));
    ASSERT_TRUE(stale.open(QIODevice::WriteOnly));
    stale.close();
    SingleInstance first(dir.path());
    ASSERT_TRUE(first.acquire());
    int shows = 0;
    int settings = 0;
    QObject::connect(&first, &SingleInstance::activationRequested, [&shows] { ++shows; });
    QObject::connect(&first, &SingleInstance::settingsRequested, [&settings] { ++settings; });
    SingleInstance second(dir.path());
    ASSERT_FALSE(second.acquire());
    EXPECT_TRUE(second.activateRunning());
    EXPECT_EQ(shows, 1);
    EXPECT_TRUE(second.activateRunning(SingleInstance::Request::Settings));
    EXPECT_EQ(shows, 1);
    EXPECT_EQ(settings, 1);
}

TEST(SingleInstance, CopyThatDoesNotAnswerIsReported)
{
    QTemporaryDir dir;
    QLockFile silent(dir.filePath(QStringLiteral("ondrel.lock")));
    ASSERT_TRUE(silent.tryLock(0));
    SingleInstance second(dir.path());
    ASSERT_FALSE(second.acquire());
    EXPECT_FALSE(second.activateRunning());
}

} // namespace
