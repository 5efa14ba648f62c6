#include "support/SyncDevice.h"

#include "platform/FolderCloudContainer.h"
#include "platform/FolderCloudDatabase.h"
#include "platform/SyncDeviceIdentity.h"
#include "support/SimulatedFileSync.h"

#include <QDirIterator>
#include <QSignalSpy>

#include <gtest/gtest.h>

// Two copies of Orvane sharing one synced folder, each on its own data
// folder: what one adds shows on the other within seconds, with no sync
// button pressed, through the folder's change watch alone.
TEST(FolderSyncTest, ComputersOnOneSharedFolderSeeEachOthersNewBills)
{
    TempFolder shared;
    FolderCloudContainer cloudA(shared.path(), BWUIDMaker::makeUID());
    FolderCloudContainer cloudB(shared.path(), BWUIDMaker::makeUID());
    const QDateTime start(QDate(2024, 3, 5), QTime(12, 0), QTimeZone::utc());
    SyncDevice a(cloudA, start);
    SyncDevice b(cloudB, start.addSecs(5));
    // Both first passes over the empty folder end with nothing to bring back.
    QSignalSpy aPassed(a.engine.get(), &OrvaneCloudManager::noiCloudChanges);
    QSignalSpy bPassed(b.engine.get(), &OrvaneCloudManager::noiCloudChanges);
    a.engine->turnCloudSyncOn();
    b.engine->turnCloudSyncOn();
    ASSERT_TRUE(waitFor([&] { return !aPassed.isEmpty() && !bPassed.isEmpty(); }, 5000));

    const QString fromA = a.addBill(QStringLiteral("Rent"), 900.0);
    // The lists may list it a moment before its record is merged in.
    EXPECT_TRUE(waitFor([&] { return b.shownBills().contains(fromA); }, 5000));
    EXPECT_TRUE(waitFor([&] { return b.bill(fromA).value(BillKeys::Name).toString() == "Rent"; }, 5000));

    b.advance(60);
    const QString fromB = b.addBill(QStringLiteral("Phone"), 40.0);
    EXPECT_TRUE(waitFor([&] { return a.shownBills().contains(fromB) && !a.bill(fromB).isEmpty(); }, 5000));
    ASSERT_TRUE(b.pay(fromA, 900.0, QStringLiteral("paid on B")));
    EXPECT_TRUE(waitFor([&] { return a.paymentNotes(fromA) == QStringList{"paid on B"}; }, 5000));
}

static QStringList sorted(QStringList ids)
{
    ids.sort();
    return ids;
}

// A version another computer left unreadable (damaged, or a sync service
// that never finished it) holds no bill and no list hostage: edits and
// deletions keep travelling, and ten minutes on it is set aside, said once.
TEST(FolderSyncTest, AnUnreadableCopyBlocksNoChangeAndIsSetAsideOnce)
{
    TempFolder shared;
    FolderCloudContainer cloudA(shared.path(), BWUIDMaker::makeUID());
    FolderCloudContainer cloudB(shared.path(), BWUIDMaker::makeUID());
    const QDateTime start(QDate(2024, 3, 5), QTime(12, 0), QTimeZone::utc());
    SyncDevice a(cloudA, start);
    SyncDevice b(cloudB, start.addSecs(5));
    cloudA.folderDatabase()->setClock([&a] { return a.clock.now(); });
    cloudB.folderDatabase()->setClock([&b] { return b.clock.now(); });
    QStringList setAside;
    for (FolderCloudContainer* cloud : {&cloudA, &cloudB}) {
        QObject::connect(cloud->folderDatabase(), &CloudDatabase::unreadableCopySetAside,
                         [&setAside](const QString& name, const QString&) { setAside.append(name); });
    }
    a.engine->turnCloudSyncOn();
    b.engine->turnCloudSyncOn();
    const QString rent = a.addBill(QStringLiteral("Rent"), 900.0);
    const QString water = a.addBill(QStringLiteral("Water"), 30.0);
    const QString old = a.addBill(QStringLiteral("Old"), 5.0);
    ASSERT_TRUE(a.remove(old));
    ASSERT_TRUE(waitFor(
        [&] {
            return b.shownBills() == sorted({rent, water}) && !b.bill(rent).isEmpty() && !b.bill(water).isEmpty();
        },
        20000));
    const QString third = BWUIDMaker::makeUID();
    for (const QString& record : {rent, IndexKeys::DeletedBills, IndexKeys::ActiveBills}) {
        ASSERT_TRUE(QDir().mkpath(shared.file("records/" + record)));
        QFile damaged(shared.file("records/" + record + "/" + third + ".plist"));
        ASSERT_TRUE(damaged.open(QIODevice::WriteOnly) && damaged.write("<plist><dict><key>Recor") > 0);
    }

    b.advance(60);
    ASSERT_TRUE(b.edit(rent, BillKeys::Name, QStringLiteral("Rent, new flat")));
    ASSERT_TRUE(a.remove(water));
    const QString phone = b.addBill(QStringLiteral("Phone"), 40.0);
    EXPECT_TRUE(waitFor([&] { return a.bill(rent).value(BillKeys::Name) == "Rent, new flat"; }, 20000));
    EXPECT_TRUE(waitFor([&] { return b.shownBills() == sorted({rent, phone}); }, 20000));
    EXPECT_TRUE(waitFor([&] { return a.shownBills() == sorted({rent, phone}); }, 20000));
    EXPECT_TRUE(setAside.isEmpty());

    a.advance(10 * 60);
    b.advance(10 * 60);
    for (SyncDevice* device : {&a, &b}) {
        QSignalSpy passed(device->engine.get(), &OrvaneCloudManager::noiCloudChanges);
        QSignalSpy changed(device->engine.get(), &OrvaneCloudManager::iCloudChangeReceived);
        device->engine->fetchAndUploadAllRecords();
        ASSERT_TRUE(waitFor([&] { return !passed.isEmpty() || !changed.isEmpty(); }, 20000));
    }
    QStringList expected = {rent, IndexKeys::ActiveBills, IndexKeys::DeletedBills};
    expected.sort();
    setAside.sort();
    EXPECT_EQ(setAside, expected);
    EXPECT_EQ(QDir(shared.file("conflicts")).entryList(QDir::Dirs | QDir::NoDotAndDotDot).size(), 3);
    for (SyncDevice* device : {&a, &b})
        EXPECT_EQ(device->shownBills(), sorted({rent, phone}));
}

namespace {

const QDateTime Start(QDate(2024, 3, 5), QTime(12, 0), QTimeZone::utc());

// Two computers, each on its own copy of the shared folder, which a
// file-sync service keeps in step late and out of order.
class FolderCopiesTest : public ::testing::TestWithParam<SimulatedFileSync::Service>
{
protected:
    FolderCopiesTest()
    {
        for (const QString& copy : {copyA, copyB})
            QDir().mkpath(copy);
        a.engine->turnCloudSyncOn();
        b.engine->turnCloudSyncOn();
        service.start(2);
        settle();
    }

    // Until the service carried everything and nothing moved for a while.
    void settle()
    {
        int carried = -1;
        int quietRounds = 0;
        ASSERT_TRUE(waitFor([&] {
            const bool still = service.isIdle() && service.filesCarried() == carried && a.engine->isIdle()
                               && b.engine->isIdle() && cloudA.folderDatabase()->isIdle()
                               && cloudB.folderDatabase()->isIdle();
            carried = service.filesCarried();
            quietRounds = still ? quietRounds + 1 : 0;
            return quietRounds >= 20;
        }, 20000));
    }

    TempFolder copies;
    const QString copyA = copies.file("A");
    const QString copyB = copies.file("B");
    SimulatedFileSync service{{copyA, copyB}, GetParam(), 7};
    FolderCloudContainer cloudA{copyA, BWUIDMaker::makeUID()};
    FolderCloudContainer cloudB{copyB, BWUIDMaker::makeUID()};
    SyncDevice a{cloudA, Start};
    SyncDevice b{cloudB, Start.addSecs(5)};
};

}  // namespace

TEST_P(FolderCopiesTest, PaymentsAndBillsOfBothSidesWhileApartAreAllKeptWithoutSyncNow)
{
    const QString rent = a.addBill(QStringLiteral("Rent"), 900.0);
    settle();
    ASSERT_TRUE(b.shownBills().contains(rent));

    service.setPaused(true);
    a.advance(60);
    b.advance(60);
    ASSERT_TRUE(a.pay(rent, 900.0, QStringLiteral("paid on A")));
    ASSERT_TRUE(b.pay(rent, 50.0, QStringLiteral("paid on B")));
    const QString water = a.addBill(QStringLiteral("Water"), 30.0);
    const QString phone = b.addBill(QStringLiteral("Phone"), 40.0);
    service.setPaused(false);
    settle();

    const QStringList allBills = QStringList({rent, water, phone});
    for (SyncDevice* device : {&a, &b}) {
        QStringList expected = allBills;
        expected.sort();
        EXPECT_EQ(device->shownBills(), expected);
        EXPECT_EQ(device->paymentNotes(rent), (QStringList{"paid on A", "paid on B"}));
    }
}

TEST_P(FolderCopiesTest, AFolderOfTheEarlierLayoutWithConflictCopiesIsTakenOverWithoutLoss)
{
    const QString rent = a.addBill(QStringLiteral("Rent"), 900.0);
    settle();
    // As the earlier layout left it: one file per record that every device
    // wrote, and the copy the service kept of the side that lost.
    const QString own = copyB + "/records/" + rent + "/";
    const QString versionFile = QDir(own).entryList(QDir::Files).value(0);
    ASSERT_FALSE(versionFile.isEmpty());
    const QVariantMap version = PropertyList::read(own + versionFile).value.toMap();
    service.setPaused(true);
    for (const QString& copy : {copyA, copyB})
        QDir(copy + "/records/" + rent).removeRecursively();
    ASSERT_TRUE(PropertyList::write(copyA + "/records/" + rent + ".plist",
                                    earlierLayoutVersion(version, Start.addDays(1), 900.0, "kept by the service")));
    ASSERT_TRUE(PropertyList::write(
        copyA + "/records/" + SimulatedFileSync::conflictName(GetParam(), rent + ".plist", 1),
        earlierLayoutVersion(version, Start.addDays(2), 900.0, "in the conflict copy")));
    service.setPaused(false);
    settle();

    for (SyncDevice* device : {&a, &b})
        EXPECT_EQ(device->paymentNotes(rent), (QStringList{"in the conflict copy", "kept by the service"}));
    EXPECT_TRUE(QDir(copyA + "/records").entryList(QDir::Files).isEmpty());
}

// Two computers at rest write nothing into the shared folder, pass after
// pass, though each listed the bills in its own order.
TEST_P(FolderCopiesTest, FullPassesAtRestChangeNoFileOfTheSharedFolder)
{
    a.addBill(QStringLiteral("Rent"), 900.0);
    b.addBill(QStringLiteral("Phone"), 40.0);
    settle();
    const auto files = [&] {
        QMap<QString, QByteArray> contents;
        for (const QString& copy : {copyA, copyB}) {
            QDirIterator it(copy, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
            while (it.hasNext()) {
                QFile file(it.next());
                contents.insert(file.fileName(), file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray());
            }
        }
        return contents;
    };
    const QMap<QString, QByteArray> atRest = files();
    for (int pass = 0; pass < 3; ++pass) {
        a.advance(300);
        b.advance(300);
        a.engine->fetchAndUploadAllRecords();
        b.engine->fetchAndUploadAllRecords();
        settle();
    }
    const QMap<QString, QByteArray> after = files();
    QStringList changed;
    for (auto it = after.cbegin(); it != after.cend(); ++it) {
        if (atRest.value(it.key()) != it.value())
            changed.append(QDir(copies.path()).relativeFilePath(it.key()));
    }
    EXPECT_EQ(changed.join(", ").toStdString(), "");
    EXPECT_EQ(after.size(), atRest.size());
}

INSTANTIATE_TEST_SUITE_P(Services, FolderCopiesTest,
                         ::testing::Values(SimulatedFileSync::Service::Syncthing, SimulatedFileSync::Service::Nextcloud,
                                           SimulatedFileSync::Service::Dropbox));

// The file-sync service of the tests settles a file changed on both sides
// the way the real services do: both folders end with the same version and a
// conflict copy of the other, named so that the folder database knows it.
TEST_P(FolderCopiesTest, TheServiceKeepsOneVersionOfAFileChangedOnBothSidesAndACopyOfTheOther)
{
    service.setPaused(true);
    for (const auto& [copy, text] : {std::pair{copyA, QByteArray("saved on A")}, std::pair{copyB, QByteArray("saved on B")}}) {
        QDir().mkpath(copy + "/shared");
        QFile file(copy + "/shared/notes.txt");
        ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(text) == text.size());
    }
    service.setPaused(false);
    settle();

    EXPECT_EQ(service.conflictCopiesMade(), 1);
    for (const QString& copy : {copyA, copyB}) {
        const QStringList files = QDir(copy + "/shared").entryList(QDir::Files, QDir::Name);
        ASSERT_EQ(files.size(), 2) << files.join(", ").toStdString();
        const QString conflictCopy = files.first() == "notes.txt" ? files.last() : files.first();
        EXPECT_EQ(FolderCloudDatabase::conflictCopyOriginal(conflictCopy), "notes.txt") << conflictCopy.toStdString();
        QFile kept(copy + "/shared/notes.txt"), other(copy + "/shared/" + conflictCopy);
        ASSERT_TRUE(kept.open(QIODevice::ReadOnly) && other.open(QIODevice::ReadOnly));
        EXPECT_EQ(QSet<QByteArray>({kept.readAll(), other.readAll()}),
                  QSet<QByteArray>({"saved on A", "saved on B"}));
    }
}

// Over a file-sync service too, a change made after a deletion that its
// computer had not seen brings the bill back on both, nothing lost.
TEST_P(FolderCopiesTest, AnAmountChangedJustAfterADeletionBringsTheBillBack)
{
    const QString rent = a.addBill(QStringLiteral("Rent"), 900.0);
    settle();
    service.setPaused(true);
    a.advance(60);
    ASSERT_TRUE(a.remove(rent));
    b.clock.setNow(a.clock.now().addSecs(3));
    ASSERT_TRUE(b.edit(rent, BillKeys::Amount, 950.0));
    service.setPaused(false);
    settle();
    for (SyncDevice* device : {&a, &b}) {
        EXPECT_TRUE(device->shownBills().contains(rent));
        EXPECT_EQ(device->bill(rent).value(BillKeys::Amount).toDouble(), 950.0);
    }
}

// Two computers whose home folders were copied from one another start with
// the same settings: each still writes under an id of its own. Two of one
// cloned disk (one machine id too) start under one id, and would undo each
// other's versions for ever: the one that sees it says so once and takes an
// id of its own. Either way the folder comes to rest, nothing lost.
TEST(FolderSyncTest, ComputersStartedFromOneSettingsFileComeToRest)
{
    for (const bool clonedDisk : {false, true}) {
        TempFolder folders;
        const QString copyA = folders.file("A"), copyB = folders.file("B");
        for (const QString& copy : {copyA, copyB})
            QDir().mkpath(copy);
        UserDefaults settingsA(UserDefaults::standardPath(folders.file("settingsA")));
        const QString idA
            = SyncDeviceIdentity::deviceID(settingsA, BWDefaultsKeys::BWSyncDeviceID,
                                           folders.write("machineA/machine-id", "11111111111111111111111111111111"));
        UserDefaults settingsB(UserDefaults::standardPath(folders.file("settingsB")));
        settingsB.setObject(BWDefaultsKeys::BWSyncDeviceID, settingsA.stringForKey(BWDefaultsKeys::BWSyncDeviceID));
        const QString idB = SyncDeviceIdentity::deviceID(
            settingsB, BWDefaultsKeys::BWSyncDeviceID,
            folders.write("machineB/machine-id", clonedDisk ? "11111111111111111111111111111111"
                                                            : "22222222222222222222222222222222"));
        ASSERT_EQ(idA == idB, clonedDisk);

        SimulatedFileSync service({copyA, copyB}, SimulatedFileSync::Service::Syncthing, 11);
        FolderCloudContainer cloudA(copyA, idA), cloudB(copyB, idB);
        QSignalSpy toldA(cloudA.folderDatabase(), &CloudDatabase::deviceIDInUseElsewhere);
        QSignalSpy toldB(cloudB.folderDatabase(), &CloudDatabase::deviceIDInUseElsewhere);
        const QDateTime start(QDate(2024, 3, 5), QTime(12, 0), QTimeZone::utc());
        SyncDevice a(cloudA, start, idA), b(cloudB, start, idB);
        a.engine->turnCloudSyncOn();
        b.engine->turnCloudSyncOn();
        service.start(2);
        const QString rent = a.addBill(QStringLiteral("Rent"), 900.0);
        ASSERT_TRUE(waitFor([&] { return b.shownBills().contains(rent) && !b.bill(rent).isEmpty(); }, 10000));
        // Both change the bill at once: each writes its own version of it.
        service.setPaused(true);
        a.advance(5);
        b.advance(5);
        ASSERT_TRUE(a.pay(rent, 900.0, QStringLiteral("paid on A")));
        ASSERT_TRUE(b.pay(rent, 900.0, QStringLiteral("paid on B")));
        service.setPaused(false);
        const QStringList both = {"paid on A", "paid on B"};
        ASSERT_TRUE(waitFor([&] { return a.paymentNotes(rent) == both && b.paymentNotes(rent) == both; }, 10000));

        // At rest: nothing carried for a minute of the computers' clocks.
        int carried = service.filesCarried();
        int quiet = 0;
        ASSERT_TRUE(waitFor(
            [&] {
                a.advance(1);
                b.advance(1);
                quiet = service.isIdle() && service.filesCarried() == carried ? quiet + 1 : 0;
                carried = service.filesCarried();
                return quiet >= 60;
            },
            20000));
        EXPECT_EQ(service.conflictCopiesMade() > 0, clonedDisk);
        EXPECT_EQ(toldA.size() + toldB.size() > 0, clonedDisk);
        EXPECT_LE(std::max(toldA.size(), toldB.size()), 1);
        EXPECT_NE(a.env.stamps->deviceID(), b.env.stamps->deviceID());
        EXPECT_EQ(a.paymentNotes(rent), both);
        EXPECT_EQ(b.paymentNotes(rent), both);
    }
}
