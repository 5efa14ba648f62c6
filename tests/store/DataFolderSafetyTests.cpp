// Backup, restore and relocation of the whole data folder: each must leave
// one whole data folder behind, whatever fails.
#include "store/BWBillsLoaderTestFixture.h"

#include <QDirIterator>
#include <QFile>

#include <sys/stat.h>

#include "platform/FolderOps.h"
#include "store/BWDatabaseMover.h"
#include "store/BWInterruptedCopies.h"
#include "store/BWDefaultsKeys.h"
#include "support/LogCapture.h"

using namespace BWDefaultsKeys;

namespace {

// Relative path -> content of every file below `root`.
QMap<QString, QByteArray> snapshot(const QString& root)
{
    QMap<QString, QByteArray> files;
    QDirIterator it(root, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        QFile file(it.next());
        files.insert(QDir(root).relativeFilePath(file.fileName()), file.open(QIODevice::ReadOnly) ? file.readAll() : "?");
    }
    return files;
}

// A named pipe cannot be copied, so a copy of its folder fails part-way.
void putUncopyableEntry(const QString& folder)
{
    ASSERT_EQ(mkfifo(QFile::encodeName(QDir(folder).filePath("zz-pipe")).constData(), 0600), 0);
}

}  // namespace

class DataFolderSafetyTest : public BWBillsLoaderTest
{
protected:
    DataFolderSafetyTest()
    {
        env.supportFolder = temp.file("data/Orvane");
        defaults.registerDefaults({{BWLastBackupUID, QStringLiteral("a0")}, {BWLastBackup, PropertyList::distantPast()}});
        writeIndex({writeBill(bill("Rent", at(2016, 3, 20))), writeBill(bill("Power", at(2016, 3, 25)))});
    }

    QString backupFolder() const { return QDir(env.supportFolder).filePath(defaults.stringForKey(BWLastBackupUID)); }
    QStringList backupIDs() const
    {
        QStringList ids = QDir(env.supportFolder).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
        ids.removeIf([](const QString& name) { return !BWUIDMaker::isValidUID(name); });
        return ids;
    }
};

TEST_F(DataFolderSafetyTest, BacksUpOnceADayAndKeepsOnlyTheNewestBackup)
{
    ASSERT_TRUE(loader().backupDatabase());  // the first ever also "removes" a0
    const QString first = defaults.stringForKey(BWLastBackupUID);
    EXPECT_EQ(snapshot(backupFolder()), snapshot(dataFolder()));
    EXPECT_EQ(loader().lastBackedUpNaturalDate(), "Tue, Mar 8, 2016");

    clock.setNow(at(2016, 3, 8, 23));
    ASSERT_TRUE(loader().backupDatabase());
    EXPECT_EQ(backupIDs(), QStringList{first});

    clock.setNow(at(2016, 3, 9, 8));
    ASSERT_TRUE(loader().backupDatabase());
    EXPECT_NE(defaults.stringForKey(BWLastBackupUID), first);
    EXPECT_EQ(backupIDs(), QStringList{defaults.stringForKey(BWLastBackupUID)});
}

TEST_F(DataFolderSafetyTest, AFailedBackupKeepsYesterdaysAndDoesNotCountTheDay)
{
    ASSERT_TRUE(loader().backupDatabase());
    const QString yesterday = defaults.stringForKey(BWLastBackupUID);
    clock.setNow(at(2016, 3, 9, 8));
    putUncopyableEntry(dataFolder());

    EXPECT_FALSE(loader().backupDatabase());
    EXPECT_EQ(defaults.stringForKey(BWLastBackupUID), yesterday);
    EXPECT_EQ(backupIDs(), QStringList{yesterday});
    EXPECT_EQ(loader().lastBackedUpNaturalDate(), "Tue, Mar 8, 2016");
}

TEST_F(DataFolderSafetyTest, OnlyABackupNamedByAValidIdIsEverRemoved)
{
    for (const QString& recorded : {QString(), QStringLiteral("Orvane.ovdata"), QStringLiteral(".."), QStringLiteral("a0")}) {
        SCOPED_TRACE(recorded.toStdString());
        ASSERT_TRUE(defaults.setObject(BWLastBackupUID, recorded));
        ASSERT_TRUE(defaults.setObject(BWLastBackup, PropertyList::distantPast()));
        ASSERT_TRUE(loader().backupDatabase());
        EXPECT_EQ(loader().loadBills()->size(), 2);
        EXPECT_TRUE(QFileInfo(env.supportFolder).isDir());
    }
}

TEST_F(DataFolderSafetyTest, RestorePutsTheBackupBackOrLeavesTheDataAsItWas)
{
    EXPECT_FALSE(loader().restoreDatabase());  // no backup yet
    ASSERT_TRUE(loader().backupDatabase());
    const auto backedUp = snapshot(dataFolder());
    writeIndex({writeBill(bill("Later", at(2016, 3, 30)))});
    const auto changed = snapshot(dataFolder());

    putUncopyableEntry(backupFolder());
    {
        LogCapture log;
        EXPECT_FALSE(loader().restoreDatabase());
        EXPECT_TRUE(log.hasLineStartingWith(QStringLiteral("Error: ")));
    }
    EXPECT_EQ(snapshot(dataFolder()), changed);

    QFile::remove(QDir(backupFolder()).filePath("zz-pipe"));
    LogCapture log;
    ASSERT_TRUE(loader().restoreDatabase());
    EXPECT_FALSE(log.hasLineStartingWith(QStringLiteral("Error")));
    EXPECT_EQ(snapshot(dataFolder()), backedUp);
    EXPECT_TRUE(QFileInfo(backupFolder()).isDir());  // a second restore stays possible
}

TEST_F(DataFolderSafetyTest, AnInterruptedSwapIsUndoneAtTheNextLook)
{
    const auto before = snapshot(dataFolder());
    // As a restore killed between setting the data folder aside and renaming
    // the copy in leaves it.
    ASSERT_TRUE(QDir().rename(dataFolder(), dataFolder() + ".replaced"));
    ASSERT_TRUE(FolderOps::copyFolder(dataFolder() + ".replaced", dataFolder() + ".partial"));

    EXPECT_EQ(loader().orvaneDirectory(), dataFolder());
    EXPECT_EQ(snapshot(dataFolder()), before);
    EXPECT_FALSE(QFileInfo::exists(dataFolder() + ".replaced"));
    EXPECT_FALSE(QFileInfo::exists(dataFolder() + ".partial"));
}

TEST_F(DataFolderSafetyTest, TheNextStartTidiesWhatCutShortWorkLeftInEveryPlace)
{
    // The data folder lives in a chosen folder; a move from there to another
    // one, a move back to the default place and a backup were all cut short.
    const QString chosen = temp.file("chosen/Orvane.ovdata");
    const QString other = temp.file("other/Orvane.ovdata");
    ASSERT_TRUE(FolderOps::copyFolder(dataFolder(), chosen));
    ASSERT_TRUE(defaults.setBool(BWCustomLocationEnabled, true));
    ASSERT_TRUE(defaults.setObject(BWCustomLocationBookmark, temp.file("chosen")));
    ASSERT_TRUE(defaults.setObject(BWUnfinishedDataFolderMove, QStringList{chosen, other}));
    const QString backupID = BWUIDMaker::makeUID();
    const QString backup = QDir(env.supportFolder).filePath(backupID);
    ASSERT_TRUE(FolderOps::copyFolder(dataFolder(), backup));
    const auto inUse = snapshot(chosen);

    struct Leftover { QString path; bool removed; };
    const Leftover leftovers[] = {
        {other + ".partial", true},                            // the recorded move's half copy
        {dataFolder() + ".partial", true},                     // a move back to the default place
        {dataFolder() + ".removing", true},                    // a data folder half removed
        {backup + ".partial", true},                           // yesterday's backup, done again today
        {QDir(env.supportFolder).filePath(BWUIDMaker::makeUID() + ".partial"), true},
        {QDir(env.supportFolder).filePath("notes.partial"), false},   // not named by a backup id
        {temp.file("elsewhere/Orvane.ovdata.partial"), false},        // no move of Orvane's went there
    };
    for (const Leftover& leftover : leftovers)
        temp.write(QDir(temp.path()).relativeFilePath(leftover.path) + "/receipt.pdf", "half");

    BWInterruptedCopies(env).tidy();

    for (const Leftover& leftover : leftovers)
        EXPECT_EQ(QFileInfo::exists(leftover.path), !leftover.removed) << leftover.path.toStdString();
    EXPECT_EQ(snapshot(chosen), inUse);
    EXPECT_TRUE(QFileInfo(backup).isDir());
    EXPECT_TRUE(QFileInfo(dataFolder()).isDir());
    EXPECT_TRUE(BWInterruptedCopies(env).foldersOfUnfinishedMove().isEmpty());
}

class DatabaseMoverTest : public DataFolderSafetyTest
{
protected:
    BWDatabaseMover mover()
    {
        return BWDatabaseMover(env, [this](const QString& folder) {
            adopted.append(folder);
            return adoptionSucceeds;
        });
    }
    QStringList adopted;
    bool adoptionSucceeds = true;
};

TEST_F(DatabaseMoverTest, MovesTheWholeFolderAndAdoptsItBeforeRemovingTheOld)
{
    const auto before = snapshot(dataFolder());
    const QString chosen = temp.file("chosen");
    QDir().mkpath(chosen);

    ASSERT_TRUE(mover().moveDatabaseToNewLocation(chosen, dataFolder(), false));
    EXPECT_EQ(adopted, QStringList{chosen + "/Orvane.ovdata"});
    EXPECT_EQ(snapshot(chosen + "/Orvane.ovdata"), before);
    EXPECT_FALSE(QFileInfo::exists(dataFolder()));

    // A chosen folder that is itself named like the data folder is used as it.
    const QString named = temp.file("other/Orvane.ovdata");
    ASSERT_TRUE(mover().moveDatabaseToNewLocation(named, chosen + "/Orvane.ovdata", false));
    EXPECT_EQ(snapshot(named), before);
}

TEST_F(DatabaseMoverTest, NeverMovesOverItselfOrAnExistingFolderUnasked)
{
    const auto before = snapshot(dataFolder());
    const QString parent = QFileInfo(dataFolder()).absolutePath();
    temp.write("taken/Orvane.ovdata/mine.txt", "keep");
    struct Case { QString target; bool overwrite; };
    const Case cases[] = {
        {parent, false},                                  // the folder's own place
        {parent, true},                                   // ... even when asked to overwrite
        {dataFolder(), true},                             // the data folder itself
        {dataFolder() + "/inner", false},                 // a folder inside it
        {temp.file("taken"), false},                      // an existing data folder
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.target.toStdString());
        EXPECT_FALSE(mover().moveDatabaseToNewLocation(c.target, dataFolder(), c.overwrite));
        EXPECT_EQ(snapshot(dataFolder()), before);
    }
    EXPECT_EQ(temp.read("taken/Orvane.ovdata/mine.txt"), "keep");
    EXPECT_TRUE(adopted.isEmpty());
}

TEST_F(DatabaseMoverTest, AFailedAdoptionKeepsTheOldFolderInUse)
{
    const auto before = snapshot(dataFolder());
    adoptionSucceeds = false;
    EXPECT_FALSE(mover().moveDatabaseToNewLocation(temp.file("chosen"), dataFolder(), false));
    EXPECT_EQ(snapshot(dataFolder()), before);
    EXPECT_FALSE(QFileInfo::exists(temp.file("chosen/Orvane.ovdata")));
}

// Whatever stood at the default place is kept aside, whole, beside it, as
// a data folder that can be opened again; never removed.
TEST_F(DatabaseMoverTest, ResetMovesBackKeepingTheDefaultPlaceAsideButNeverOntoItself)
{
    EXPECT_FALSE(mover().resetDatabaseFromStartLocation(dataFolder()));
    const auto before = snapshot(dataFolder());
    ASSERT_TRUE(mover().moveDatabaseToNewLocation(temp.file("chosen"), dataFolder(), false));
    EXPECT_FALSE(mover().defaultPlaceHoldsBills());
    QString keptAside;
    ASSERT_TRUE(mover().resetDatabaseFromStartLocation(temp.file("chosen/Orvane.ovdata"), &keptAside));
    EXPECT_TRUE(keptAside.isEmpty()) << "nothing was there";

    ASSERT_TRUE(mover().moveDatabaseToNewLocation(temp.file("chosen"), dataFolder(), false));
    temp.write("data/Orvane/Orvane.ovdata/0123456789ABCDEF0123456789ABCDEF.plist", "other bill");
    EXPECT_TRUE(mover().defaultPlaceHoldsBills());
    ASSERT_TRUE(mover().resetDatabaseFromStartLocation(temp.file("chosen/Orvane.ovdata"), &keptAside));
    EXPECT_EQ(snapshot(dataFolder()), before);
    EXPECT_FALSE(QFileInfo::exists(temp.file("chosen/Orvane.ovdata")));
    EXPECT_EQ(QFileInfo(keptAside).absolutePath(), QFileInfo(dataFolder()).absolutePath());
    EXPECT_TRUE(mover().loadDatabaseFromAnotherLocation(keptAside));
    QFile other(keptAside + "/Orvane.ovdata/0123456789ABCDEF0123456789ABCDEF.plist");
    ASSERT_TRUE(other.open(QIODevice::ReadOnly));
    EXPECT_EQ(other.readAll(), "other bill");
}

// A move back that fails puts the folder kept aside back in its place.
TEST_F(DatabaseMoverTest, AFailedResetLeavesTheDefaultPlaceAsItWas)
{
    const auto before = snapshot(dataFolder());
    temp.write("chosen/Orvane.ovdata/mine.txt", "custom");
    adoptionSucceeds = false;
    EXPECT_FALSE(mover().resetDatabaseFromStartLocation(temp.file("chosen/Orvane.ovdata")));
    EXPECT_EQ(snapshot(dataFolder()), before);
    EXPECT_EQ(temp.read("chosen/Orvane.ovdata/mine.txt"), "custom");
    EXPECT_EQ(QDir(QFileInfo(dataFolder()).absolutePath()).entryList({"Kept aside*"}, QDir::Dirs), QStringList());
}

TEST_F(DatabaseMoverTest, TellsAFolderWithDataFromOneWithAnEmptyDataFolder)
{
    QDir().mkpath(temp.file("empty/Orvane.ovdata"));
    EXPECT_FALSE(mover().databaseExistsWithDataAtLocation(temp.file("empty")));
    EXPECT_TRUE(mover().loadDatabaseFromAnotherLocation(temp.file("empty")));
    EXPECT_TRUE(mover().databaseExistsWithDataAtLocation(QFileInfo(dataFolder()).absolutePath()));
    EXPECT_FALSE(mover().loadDatabaseFromAnotherLocation(temp.file("nothing")));
}

TEST_F(DatabaseMoverTest, AMoveIsRecordedUntilItEndsSoThatAnInterruptedOneIsFoundAgain)
{
    const QString target = temp.file("chosen/Orvane.ovdata");
    QStringList recordedWhileMoving;
    const BWDatabaseMover recording(env, [&](const QString&) {
        recordedWhileMoving = BWInterruptedCopies(env).foldersOfUnfinishedMove();
        return adoptionSucceeds;
    });
    for (const bool adopts : {false, true}) {
        SCOPED_TRACE(adopts ? "moved" : "not taken into use");
        adoptionSucceeds = adopts;
        recordedWhileMoving.clear();
        EXPECT_EQ(recording.moveDatabaseToNewLocation(temp.file("chosen"), dataFolder(), false), adopts);
        EXPECT_EQ(recordedWhileMoving, (QStringList{dataFolder(), target}));
        EXPECT_TRUE(BWInterruptedCopies(env).foldersOfUnfinishedMove().isEmpty());
    }
}
