// The data folder a run starts on, made ready inside the program: the
// messages, the lock and the exit codes.
#include "shell/BWDataFolderAtStart.h"

#include "store/BWDataFolder.h"
#include "support/TempStoreEnvironment.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <unistd.h>

#include <gtest/gtest.h>

namespace {

class BWDataFolderAtStartTest : public ::testing::Test, protected TempStoreEnvironment
{
protected:
    BWDataFolderAtStartTest()
        : TempStoreEnvironment(QStringLiteral("data/Orvane.ovdata"))
    {
        EXPECT_TRUE(QDir().mkpath(env.defaultDataFolder));
    }

    BWDataFolderAtStart atStart()
    {
        return BWDataFolderAtStart(
            env,
            [this](const QString& message, const QString& detail) {
                told.append({message, detail});
            },
            [this] { return stopRequested; }, lockFolder);
    }
    // The user chose a folder on a drive that is now unplugged.
    void chooseAFolderThatIsGone()
    {
        ASSERT_TRUE(defaults.setBool(BWDefaultsKeys::BWCustomLocationEnabled, true));
        ASSERT_TRUE(defaults.setObject(BWDefaultsKeys::BWCustomLocationBookmark, temp.file("usb-drive")));
    }

    const QString lockFolder = temp.file(QStringLiteral("locks"));
    QList<std::pair<QString, QString>> told;
    bool stopRequested = false;
};

TEST_F(BWDataFolderAtStartTest, AUsableFolderIsLockedRidOfHalfWrittenFilesAndOpened)
{
    const QString halfWritten = QDir(env.defaultDataFolder).filePath(QStringLiteral("Index.plist.a1b2c3"));
    QFile file(halfWritten);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();

    BWDataFolderAtStart start = atStart();
    EXPECT_EQ(start.open(), std::nullopt);
    EXPECT_EQ(QFileInfo(start.folder()).canonicalFilePath(), QFileInfo(env.defaultDataFolder).canonicalFilePath());
    EXPECT_TRUE(start.lock().isLocked());
    EXPECT_FALSE(QFileInfo::exists(halfWritten));
    EXPECT_TRUE(told.isEmpty());
}

// A second copy that got past the single-instance check stops before it
// writes beside the first.
TEST_F(BWDataFolderAtStartTest, AFolderAnotherCopyHoldsEndsTheRun)
{
    BWDataFolderAtStart first = atStart();
    ASSERT_EQ(first.open(), std::nullopt);

    BWDataFolderAtStart second = atStart();
    EXPECT_EQ(second.open(), 1);
    ASSERT_EQ(told.size(), 1);
    EXPECT_EQ(told.first().first, "Orvane is already running.");
    EXPECT_TRUE(told.first().second.contains(first.folder()));
    EXPECT_FALSE(second.lock().isLocked());
}

// No folder: the user is told which one is missing and the run goes on
// without a lock, unless a stop came while the message was up.
TEST_F(BWDataFolderAtStartTest, AChosenFolderThatIsGoneIsToldAndLeftUnlocked)
{
    chooseAFolderThatIsGone();
    for (const bool stop : {false, true}) {
        SCOPED_TRACE(stop ? "stop requested" : "no stop");
        told.clear();
        stopRequested = stop;
        BWDataFolderAtStart start = atStart();
        EXPECT_EQ(start.open(), stop ? std::optional<int>(0) : std::nullopt);
        EXPECT_TRUE(start.folder().isEmpty());
        EXPECT_FALSE(start.lock().isLocked());
        ASSERT_EQ(told.size(), 1);
        EXPECT_EQ(told.first().first, "Orvane cannot find its data folder.");
        EXPECT_TRUE(told.first().second.contains(temp.file("usb-drive")));
    }
}

TEST_F(BWDataFolderAtStartTest, AnUnreadableFolderIsToldAndKeptLocked)
{
    if (geteuid() == 0)
        GTEST_SKIP() << "permissions do not bind the superuser";
    ASSERT_TRUE(QFile::setPermissions(env.defaultDataFolder, QFileDevice::WriteOwner | QFileDevice::ExeOwner));
    BWDataFolderAtStart start = atStart();
    EXPECT_EQ(start.open(), std::nullopt);
    EXPECT_TRUE(start.lock().isLocked());
    ASSERT_EQ(told.size(), 1);
    EXPECT_EQ(told.first().first, "Orvane cannot read its data folder.");
    QFile::setPermissions(env.defaultDataFolder,
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}

}  // namespace
