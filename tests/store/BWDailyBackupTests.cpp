// The daily backup with its copy on a worker thread, while the store may
// write on the GUI thread.
#include "store/BWBillsLoaderTestFixture.h"

#include <QDirIterator>
#include <QSignalSpy>
#include <QTest>

#include "store/BWBill.h"
#include "store/BWDailyBackup.h"
#include "store/BWDefaultsKeys.h"

using namespace BWDefaultsKeys;

class BWDailyBackupTest : public BWBillsLoaderTest
{
protected:
    BWDailyBackupTest()
    {
        env.supportFolder = temp.file("data/Orvane");
        defaults.registerDefaults(
            {{BWLastBackupUID, QStringLiteral("a0")}, {BWLastBackup, PropertyList::distantPast()}});
        QStringList ids;
        for (int number = 0; number < 40; ++number)
            ids.append(writeBill(bill(QStringLiteral("Bill %1").arg(number), at(2016, 3, 20))));
        writeIndex(ids);
    }

    QString backupFolder() const { return QDir(env.supportFolder).filePath(defaults.stringForKey(BWLastBackupUID)); }
    // Every entry of the backup root but the data folder.
    QStringList backupRootEntries() const
    {
        QStringList entries = QDir(env.supportFolder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
        entries.removeAll(QStringLiteral("Orvane.ovdata"));
        return entries;
    }
};

TEST_F(BWDailyBackupTest, TheCopyIsRecordedOnceWholeAndReplacesYesterdays)
{
    BWDailyBackup backup(env);
    QSignalSpy finished(&backup, &BWDailyBackup::finished);
    ASSERT_TRUE(backup.start());
    EXPECT_TRUE(backup.isRunning());
    EXPECT_FALSE(backup.start()) << "one copy at a time";
    EXPECT_EQ(defaults.stringForKey(BWLastBackupUID), QStringLiteral("a0")) << "recorded only once copied";
    ASSERT_TRUE(finished.wait(30000));
    EXPECT_TRUE(finished.takeFirst().value(0).toBool());
    EXPECT_FALSE(backup.isRunning());
    const QString first = defaults.stringForKey(BWLastBackupUID);
    EXPECT_EQ(QDir(backupFolder()).entryList(QDir::Files).size(), 41);
    EXPECT_EQ(loader().lastBackedUpNaturalDate(), "Tue, Mar 8, 2016");
    EXPECT_FALSE(backup.start()) << "made today";

    clock.setNow(at(2016, 3, 9, 8));
    ASSERT_TRUE(backup.start());
    ASSERT_TRUE(finished.wait(30000));
    EXPECT_NE(defaults.stringForKey(BWLastBackupUID), first);
    EXPECT_TRUE(QTest::qWaitFor([&] {
        return backupRootEntries() == QStringList{defaults.stringForKey(BWLastBackupUID)};
    })) << backupRootEntries().join(' ').toStdString();
}

// The store replaces its files whole; a file written while the copy runs is
// copied as it stood before or after, never half.
TEST_F(BWDailyBackupTest, BillsWrittenWhileItCopiesLeaveEveryCopiedFileWhole)
{
    const std::optional<QVariantList> bills = loader().loadBills();
    ASSERT_TRUE(bills && bills->size() == 40);
    BWDailyBackup backup(env);
    QSignalSpy finished(&backup, &BWDailyBackup::finished);
    ASSERT_TRUE(backup.start());
    for (int round = 0; backup.isRunning() && round < 20; ++round) {
        for (const QVariant& loaded : *bills) {
            QVariantMap record = loaded.toMap();
            record.insert(BillKeys::Notes, QString(round * 100, u'n'));
            ASSERT_TRUE(BWBill(env).rewriteSpecificBill(record));
        }
        QCoreApplication::processEvents();
    }
    ASSERT_TRUE(finished.count() == 1 || finished.wait(30000));
    QDirIterator copied(backupFolder(), QDir::Files);
    int files = 0;
    while (copied.hasNext()) {
        const QString path = copied.next();
        EXPECT_TRUE(PropertyList::read(path).ok()) << path.toStdString();
        ++files;
    }
    EXPECT_EQ(files, 41);
}

TEST_F(BWDailyBackupTest, QuittingDuringTheCopyLeavesNoHalfBackup)
{
    {
        BWDailyBackup backup(env);
        ASSERT_TRUE(backup.start());
    }
    // Stopped, nothing is left; whole already, it is the day's backup.
    const QString recorded = defaults.stringForKey(BWLastBackupUID);
    if (recorded == QStringLiteral("a0"))
        EXPECT_TRUE(backupRootEntries().isEmpty()) << backupRootEntries().join(' ').toStdString();
    else
        EXPECT_EQ(backupRootEntries(), QStringList{recorded});
}
