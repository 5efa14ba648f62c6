#pragma once

#include <QDir>
#include <gtest/gtest.h>

#include "support/TempStoreEnvironment.h"
#include "DueDateTestSupport.h"
#include "platform/BWUIDMaker.h"
#include "platform/PropertyList.h"
#include "store/BWBill.h"
#include "store/BWBillRecordKeys.h"
#include "store/BWDefaultsKeys.h"
#include "store/BWCloudChannels.h"
#include "store/BWReminderScheduling.h"

// Records everything the writer hands to the cloud.
class FakeCloudChannels : public BWCloudChannels
{
public:
    struct Upload {
        QVariantMap record;
        QString billID;
    };
    struct IndexUpload {
        QStringList billIDs;
        QString listName;
    };

    void uploadBillToCloud(const QVariantMap& record, const QString& billID) override
    {
        cloudKitBills.append({record, billID});
    }
    void uploadIndexToCloud(const QStringList& billIDs, const QString& listName) override
    {
        cloudKitIndexes.append({billIDs, listName});
    }
    QString userUID() const override { return uid; }
    void saveBillToFirebase(const QVariantMap& firebaseRecord, const QString& billID) override
    {
        firebaseSaves.append({firebaseRecord, billID});
    }
    void removeBillFromFirebase(const QString& billID) override { firebaseRemovals.append(billID); }
    void setKeyValueStoreObject(const QVariant& value, const QString& key) override
    {
        keyValueKeys.append(key);
        keyValueStore.insert(key, value);
    }

    bool nothingHandedOver() const
    {
        return cloudKitBills.isEmpty() && cloudKitIndexes.isEmpty() && firebaseSaves.isEmpty()
               && firebaseRemovals.isEmpty() && keyValueKeys.isEmpty();
    }

    QString uid;
    QList<Upload> cloudKitBills;
    QList<IndexUpload> cloudKitIndexes;
    QList<Upload> firebaseSaves;
    QStringList firebaseRemovals;
    QStringList keyValueKeys;   // in the order they were set
    QVariantMap keyValueStore;
};

// Records the reminder requests as short lines: "remove <id> <name>",
// "create <id>", "snooze <id> <type>".
class FakeReminderScheduling : public BWReminderScheduling
{
public:
    void removeRemindersForBill(const QString& billID, const QString& billName) override
    {
        calls.append(QStringLiteral("remove %1 %2").arg(billID, billName));
    }
    void createOrvaneReminderForBill(const QVariantMap& record) override
    {
        calls.append(QStringLiteral("create %1").arg(record.value(BillKeys::Bid).toString()));
        created.append(record);
    }
    void snoozeReminderForBill(const QVariantMap& record, const QDateTime&, int snoozeType) override
    {
        calls.append(QStringLiteral("snooze %1 %2").arg(record.value(BillKeys::Bid).toString()).arg(snoozeType));
    }

    QStringList calls;
    QList<QVariantMap> created;
};

// A data folder, defaults, a clock and the two fakes; the clock stands on
// 8 March 2016 at 10:00 UTC. The tests run in New York time, so that the
// Sunday of a UTC noon date is a Sunday wherever the machine is.
class BWBillTest : public ::testing::Test, protected TempStoreEnvironment
{
protected:
    DueDateTestZone zone;
    BWBillTest() : TempStoreEnvironment(QStringLiteral("data/Orvane/Orvane.ovdata"))
    {
        env.cloud = &cloud;
        env.reminders = &reminders;
        clock.setNow(now());
    }

    static QDateTime now() { return utc(2016, 3, 8, 10); }
    static QDateTime utc(int year, int month, int day, int hour = 9)
    {
        return QDateTime(QDate(year, month, day), QTime(hour, 0), Qt::UTC);
    }
    static QVariantList ids(const QStringList& list) { return QVariant(list).toList(); }

    BWBill writer() const { return BWBill(env); }
    QString dataFolder() const { return env.defaultDataFolder; }
    QString billPath(const QString& billID) const
    {
        return QDir(dataFolder()).filePath(billID + QStringLiteral(".plist"));
    }
    QString indexPath() const { return QDir(dataFolder()).filePath(QStringLiteral("billindex.plist")); }

    // A complete record as the editor's write would store it.
    static QVariantMap record(const QString& billID, const QString& name = QStringLiteral("Rent"))
    {
        return {{BillKeys::Name, name},
                {BillKeys::Bid, billID},
                {BillKeys::Icon, QStringLiteral("GScale_Home")},
                {BillKeys::DueDate, utc(2016, 3, 20)},
                {BillKeys::Repeat, QVariantList{qlonglong(1), qlonglong(2)}},
                {BillKeys::Average, qlonglong(0)},
                {BillKeys::LastPayment, PropertyList::distantPast()},
                {BillKeys::TotalPaid, qlonglong(0)},
                {BillKeys::RemindMe, true},
                {BillKeys::PaySite, QStringLiteral("http://example.com")},
                {BillKeys::PaymentList, QVariantList{}},
                {BillKeys::ReminderDays, qlonglong(3)},
                {BillKeys::Balance, 0.0},
                {BillKeys::Interest, qlonglong(0)},
                {BillKeys::Notes, QString()},
                {BillKeys::Tags, QVariantList{QStringLiteral("Home")}},
                {BillKeys::Amount, 950.5},
                {BillKeys::PayType, qlonglong(0)},
                {BillKeys::Rev, 0.0},
                {BillKeys::AmountVaries, qlonglong(0)},
                {BillKeys::IsArchived, false},
                {BillKeys::IsIncome, false}};
    }

    // Stores a record's file directly, as an earlier run would have left it.
    void storeFile(const QVariantMap& stored) const
    {
        QDir().mkpath(dataFolder());
        ASSERT_TRUE(PropertyList::write(billPath(stored.value(BillKeys::Bid).toString()), stored));
    }
    void storeIndex(const QStringList& active, const QStringList& deleted = {},
                    const QStringList& archived = {}) const
    {
        QDir().mkpath(dataFolder());
        ASSERT_TRUE(PropertyList::write(indexPath(), QVariantMap{{IndexKeys::ActiveBills, ids(active)},
                                                                 {IndexKeys::DeletedBills, ids(deleted)},
                                                                 {IndexKeys::ArchivedBills, ids(archived)}}));
    }

    QVariantMap readFile(const QString& billID) const { return PropertyList::read(billPath(billID)).value.toMap(); }
    QVariantMap readIndex() const { return PropertyList::read(indexPath()).value.toMap(); }
    QStringList indexList(const QString& key) const { return readIndex().value(key).toStringList(); }

    FakeCloudChannels cloud;
    FakeReminderScheduling reminders;
};
