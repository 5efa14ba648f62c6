#include "platform/DataFolderLock.h"

#include "support/TempFolder.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

TEST(DataFolderLock, OneHolderPerRealPathKeptOutsideTheDataFolder)
{
    TempFolder temp;
    QDir().mkpath(temp.file("data/Orvane.ovdata"));
    ASSERT_TRUE(QFile::link(temp.file("data"), temp.file("link")));
    const QString locks = temp.file("run");

    DataFolderLock first(temp.file("data/Orvane.ovdata"), locks);
    ASSERT_TRUE(first.tryLock());
    EXPECT_TRUE(first.lockFilePath().startsWith(locks + u'/'));
    EXPECT_TRUE(QDir(temp.file("data/Orvane.ovdata")).isEmpty());

    DataFolderLock sameFolderByLink(temp.file("link/Orvane.ovdata/"), locks);
    EXPECT_EQ(sameFolderByLink.lockFilePath(), first.lockFilePath());
    EXPECT_FALSE(sameFolderByLink.tryLock());

    QDir().mkpath(temp.file("other"));
    DataFolderLock otherFolder(temp.file("other"), locks);
    EXPECT_TRUE(otherFolder.tryLock());
}

TEST(DataFolderLock, LockOfAProcessThatIsGoneIsTakenOver)
{
    TempFolder temp;
    DataFolderLock lock(temp.path(), temp.file("run"));
    QDir().mkpath(temp.file("run"));
    // What QLockFile leaves behind: process id, program name, host name.
    // No process has the highest process id a kernel can hand out.
    temp.write("run/" + QFileInfo(lock.lockFilePath()).fileName(),
               QByteArray("4194304\nOrvane\n") + QSysInfo::machineHostName().toUtf8() + "\n");
    EXPECT_TRUE(lock.tryLock());
}

// A move takes the new place's lock first and then gives up the old one; the
// place it fills does not exist yet, but its lock is the one the folder has
// once made, however it is reached.
TEST(DataFolderLock, MovingALockHandsTheFolderOver)
{
    TempFolder temp;
    QDir().mkpath(temp.file("old/Orvane.ovdata"));
    QDir().mkpath(temp.file("target"));
    ASSERT_TRUE(QFile::link(temp.file("target"), temp.file("link")));
    const QString locks = temp.file("run");
    DataFolderLock held(temp.file("old/Orvane.ovdata"), locks);
    ASSERT_TRUE(held.tryLock());

    DataFolderLock next = held.lockOfFolder(temp.file("link/Orvane.ovdata"));
    ASSERT_TRUE(next.tryLock());
    QDir().mkpath(temp.file("target/Orvane.ovdata"));
    EXPECT_TRUE(next.sameFolderAs(DataFolderLock(temp.file("target/Orvane.ovdata"), locks)));
    EXPECT_TRUE(held.isLocked());

    held = std::move(next);
    EXPECT_TRUE(held.isLocked());
    EXPECT_TRUE(DataFolderLock(temp.file("old/Orvane.ovdata"), locks).tryLock());
    EXPECT_FALSE(DataFolderLock(temp.file("target/Orvane.ovdata"), locks).tryLock());
}

// A chosen data folder that no longer resolves leaves no path: its lock is
// still made (and never taken), and a folder that is gone is named through
// the nearest parent that is there.
TEST(DataFolderLock, NoPathOrAMissingFolderStillGivesALock)
{
    TempFolder temp;
    const QString locks = temp.file("run");
    DataFolderLock none(QString(), locks);
    EXPECT_TRUE(none.lockFilePath().startsWith(locks + u'/'));

    DataFolderLock missing(temp.file("gone/deeper/Orvane.ovdata"), locks);
    QDir().mkpath(temp.file("gone/deeper/Orvane.ovdata"));
    EXPECT_EQ(DataFolderLock(temp.file("gone/deeper/Orvane.ovdata"), locks).lockFilePath(), missing.lockFilePath());
}
