#include "support/SyncSoak.h"
#include "support/SyncthingInstance.h"

#include <QDirIterator>
#include <QFileSystemWatcher>
#include <QCryptographicHash>
#include <QTimer>

#include <iostream>

// Two computers, each on its own copy of one shared folder that two real
// Syncthing programs keep in step over this computer's loopback. They are
// apart for a while (the programs paused towards each other), each changing
// the same bills, and are then together again until nothing moves.

namespace {

const QString FolderID = QStringLiteral("orvane");

// How long the folder must stay at rest: ten minutes, or the seconds in
// ORVANE_SYNCTHING_REST_SECONDS for a shorter run.
int restSeconds()
{
    bool set = false;
    const int seconds = qEnvironmentVariableIntValue("ORVANE_SYNCTHING_REST_SECONDS", &set);
    return set && seconds > 0 ? seconds : 10 * 60;
}

// The window runs a full pass this often while sync is on.
constexpr int FullPassIntervalMs = 5 * 60 * 1000;

// Every file of a folder copy, but Syncthing's own marker: its path, and its
// size, date and content, so that any write shows.
QMap<QString, QByteArray> filesOf(const QString& root)
{
    QMap<QString, QByteArray> files;
    QDirIterator it(root, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        const QString relative = QDir(root).relativeFilePath(path);
        if (relative.startsWith(QLatin1String(".stfolder")))
            continue;
        QFile file(path);
        const QByteArray content = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
        files.insert(relative, QByteArray::number(it.fileInfo().lastModified().toMSecsSinceEpoch()) + ' '
                                   + QCryptographicHash::hash(content, QCryptographicHash::Sha1).toHex());
    }
    return files;
}

// The paths whose state differs between two readings of a folder.
QStringList changedFiles(const QMap<QString, QByteArray>& before, const QMap<QString, QByteArray>& after)
{
    QStringList changed;
    for (auto it = after.cbegin(); it != after.cend(); ++it) {
        if (before.value(it.key()) != it.value())
            changed.append(it.key());
    }
    for (auto it = before.cbegin(); it != before.cend(); ++it) {
        if (!after.contains(it.key()))
            changed.append(it.key() + QStringLiteral(" (removed)"));
    }
    return changed;
}

class SyncthingFolderTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        if (SyncthingInstance::program().isEmpty())
            GTEST_SKIP() << "the syncthing program is not installed";
        for (const QString& copy : {copyA, copyB})
            ASSERT_TRUE(QDir().mkpath(copy));
        syncA = std::make_unique<SyncthingInstance>(homes.file("homeA"));
        syncB = std::make_unique<SyncthingInstance>(homes.file("homeB"));
        ASSERT_TRUE(syncA->isReady()) << syncA->error().toStdString();
        ASSERT_TRUE(syncB->isReady()) << syncB->error().toStdString();
        ASSERT_TRUE(syncA->addPeer(*syncB) && syncB->addPeer(*syncA));
        ASSERT_TRUE(syncA->shareFolder(FolderID, copyA, {syncB->deviceID()}));
        ASSERT_TRUE(syncB->shareFolder(FolderID, copyB, {syncA->deviceID()}));
        ASSERT_TRUE(waitFor([&] { return syncA->isConnectedTo(syncB->deviceID()); }, 60000));
        for (auto& [device, cloud] : {std::pair{&a, &cloudA}, std::pair{&b, &cloudB}}) {
            device->clock.useSystemTime();
            cloud->folderDatabase()->setClock([device] { return device->clock.now(); });
            device->engine->turnCloudSyncOn();
        }
    }

    void setApart(bool apart)
    {
        ASSERT_TRUE(syncA->setPeerPaused(syncB->deviceID(), apart));
        ASSERT_TRUE(syncB->setPeerPaused(syncA->deviceID(), apart));
        ASSERT_TRUE(waitFor([&] { return syncA->isConnectedTo(syncB->deviceID()) != apart; }, 60000));
    }

    QMap<QString, QByteArray> bothCopies() const
    {
        QMap<QString, QByteArray> files;
        for (const QString& copy : {copyA, copyB}) {
            for (auto [path, state] : filesOf(copy).asKeyValueRange())
                files.insert(QFileInfo(copy).fileName() + QLatin1Char('/') + path, state);
        }
        return files;
    }

    // Until both programs are in step, the stores have nothing under way and
    // no file of either copy moved for 15 seconds, looked at twice a second.
    void settle()
    {
        QMap<QString, QByteArray> last;
        QElapsedTimer still, sinceLook;
        still.start();
        sinceLook.start();
        ASSERT_TRUE(waitFor(
            [&] {
                if (sinceLook.elapsed() < 500)
                    return false;
                sinceLook.restart();
                const QMap<QString, QByteArray> files = bothCopies();
                const bool idle = syncA->isInSyncWith(FolderID, syncB->deviceID())
                                  && syncB->isInSyncWith(FolderID, syncA->deviceID()) && a.engine->isIdle()
                                  && b.engine->isIdle() && cloudA.folderDatabase()->isIdle()
                                  && cloudB.folderDatabase()->isIdle();
                if (!idle || files != last)
                    still.restart();
                last = files;
                return still.elapsed() >= 15000;
            },
            240000));
    }

    TempFolder homes;
    const QString copyA = homes.file("A");
    const QString copyB = homes.file("B");
    std::unique_ptr<SyncthingInstance> syncA;
    std::unique_ptr<SyncthingInstance> syncB;
    const QString deviceOfA = BWUIDMaker::makeUID();
    FolderCloudContainer cloudA{copyA, deviceOfA};
    FolderCloudContainer cloudB{copyB, BWUIDMaker::makeUID()};
    SyncDevice a{cloudA, QDateTime::currentDateTimeUtc()};
    SyncDevice b{cloudB, QDateTime::currentDateTimeUtc()};
};

}  // namespace

TEST_F(SyncthingFolderTest, ComputersApartKeepWhatTheirUsersSavedAndTheFolderComesToRest)
{
    const QString rent = a.addBill(QStringLiteral("Rent"), 900.0);
    // Made on both at once, the two lists may hold them in other orders.
    const QString phone = b.addBill(QStringLiteral("Phone"), 40.0);
    settle();
    ASSERT_EQ(b.shownBills(), a.shownBills());

    // A's clock runs an hour ahead for one change, which B takes in: from
    // then on the stamps of both carry A's time.
    a.clock.setNow(QDateTime::currentDateTimeUtc().addSecs(3600));
    ASSERT_TRUE(a.edit(phone, BillKeys::Notes, QStringLiteral("noted an hour ahead")));
    a.clock.useSystemTime();
    settle();
    ASSERT_EQ(b.bill(phone).value(BillKeys::Notes).toString(), "noted an hour ahead");

    setApart(true);
    ASSERT_TRUE(a.pay(rent, 900.0, QStringLiteral("paid on A")));
    ASSERT_TRUE(b.pay(rent, 50.0, QStringLiteral("paid on B")));
    // A deletes the phone bill; 8.5 seconds later B, not knowing, changes it.
    ASSERT_TRUE(a.remove(phone));
    b.clock.setNow(QDateTime::currentDateTimeUtc().addMSecs(8500));
    ASSERT_TRUE(b.edit(phone, BillKeys::Amount, 77.0));
    b.clock.useSystemTime();
    // The very file A writes for the rent is edited on B too: two edits of
    // one file while apart, which Syncthing settles with a conflict copy.
    const QString fileOfA = QStringLiteral("/records/%1/%2.plist").arg(rent, deviceOfA);
    ASSERT_TRUE(PropertyList::write(
        copyB + fileOfA, earlierLayoutVersion(PropertyList::read(copyB + fileOfA).value.toMap(),
                                              QDateTime::currentDateTimeUtc().addDays(-1), 25.0,
                                              QStringLiteral("written into A's file on B"))));
    // The store reads and removes a conflict copy within milliseconds of its
    // coming: it is seen by a watch on the folder that holds it.
    QFileSystemWatcher watch({copyA + "/records/" + rent, copyB + "/records/" + rent});
    bool sawConflictCopy = false;
    QObject::connect(&watch, &QFileSystemWatcher::directoryChanged, [&](const QString& folder) {
        sawConflictCopy |= !QDir(folder).entryList({"*.sync-conflict-*"}, QDir::Files).isEmpty();
    });
    setApart(false);
    settle();

    // Conflict copies are read, merged and removed.
    EXPECT_TRUE(sawConflictCopy);
    EXPECT_FALSE(QStringList(bothCopies().keys()).join(' ').contains(".sync-conflict-"));
    const QStringList notes = {"paid on A", "paid on B", "written into A's file on B"};
    // A change the deleting computer had not seen brings the bill back on
    // both, whichever of the two stamps is later.
    for (SyncDevice* device : {&a, &b}) {
        EXPECT_EQ(device->paymentNotes(rent), notes);
        EXPECT_TRUE(device->shownBills().contains(phone));
        EXPECT_EQ(device->bill(phone).value(BillKeys::Amount).toDouble(), 77.0);
        for (const QString& list : {IndexKeys::ActiveBills, IndexKeys::ArchivedBills, IndexKeys::DeletedBills}) {
            for (const QString& billID : device->list(list))
                EXPECT_FALSE(device->bill(billID).isEmpty()) << billID.toStdString() << " listed without a file";
        }
    }
    EXPECT_EQ(a.shownBills(), b.shownBills());
    for (const QString& billID : {rent, phone})
        EXPECT_EQ(SyncSoak::comparableBillFile(a.env, billID), SyncSoak::comparableBillFile(b.env, billID));

    // At rest: nothing in either copy changes while both run idle, a full
    // pass every five minutes as the window runs one.
    QTimer fullPass;
    QObject::connect(&fullPass, &QTimer::timeout, [&] {
        a.engine->fetchAndUploadAllRecords();
        b.engine->fetchAndUploadAllRecords();
    });
    fullPass.start(std::min(FullPassIntervalMs, restSeconds() * 1000 / 3));
    const QMap<QString, QByteArray> atRest = bothCopies();
    QStringList changed;
    QTimer look;
    QObject::connect(&look, &QTimer::timeout, [&] {
        changed += changedFiles(atRest, bothCopies());
        changed.removeDuplicates();
    });
    look.start(1000);
    QElapsedTimer idle;
    idle.start();
    // At rest for the whole time, or a changed file ends the wait early.
    EXPECT_FALSE(QTest::qWaitFor([&] { return !changed.isEmpty(); }, restSeconds() * 1000));
    std::cout << "Idle for " << idle.elapsed() / 1000 << " s: " << changed.size() << " file(s) changed\n";
    EXPECT_TRUE(changed.isEmpty()) << changed.join(QLatin1Char('\n')).toStdString();
}
