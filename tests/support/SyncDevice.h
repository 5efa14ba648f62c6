#pragma once

#include "platform/BWUIDMaker.h"
#include "platform/CloudDatabase.h"
#include "support/MemoryCloudContainer.h"
#include "support/MemoryCloudDatabase.h"
#include "support/MemoryCloudServer.h"
#include "platform/PropertyList.h"
#include "store/BWBill.h"
#include "store/BWBillIndex.h"
#include "store/BWBillRecordKeys.h"
#include "store/BWBillsLoader.h"
#include "store/BWCloudChannels.h"
#include "store/BWDefaultsKeys.h"
#include "store/BWPayment.h"
#include "store/BWPaymentLogger.h"
#include "store/BWRegisteredDefaults.h"
#include "sync/OrvaneCloudManager.h"
#include "support/TempStoreEnvironment.h"
#include "support/TestBillRecords.h"

#include <QDir>
#include <QElapsedTimer>
#include <QTest>
#include <gtest/gtest.h>

#include <memory>

// The store's hand-offs to the record-database engine, as the shell routes
// them while sync is on.
class EngineChannel : public BWCloudChannels
{
public:
    OrvaneCloudManager* engine = nullptr;

    void uploadBillToCloud(const QVariantMap& record, const QString& billID) override
    {
        if (engine)
            engine->uploadBillToCloud(record, billID);
    }
    void uploadIndexToCloud(const QStringList& billIDs, const QString& listName) override
    {
        if (engine)
            engine->uploadIndexToCloud(billIDs, listName);
    }
    QString userUID() const override { return {}; }
    void saveBillToFirebase(const QVariantMap&, const QString&) override {}
    void removeBillFromFirebase(const QString&) override {}
    void setKeyValueStoreObject(const QVariant&, const QString&) override {}
};

// One computer of a user: its own data folder, defaults and clock, with the
// sync engine over its own client of a shared cloud (`container`). Pushes
// from the cloud go to the engine as the shell hands them on.
class SyncDevice : public TempStoreEnvironment
{
public:
    // `deviceID`: the id this computer's changes are stamped under; "" for
    // one of its own.
    SyncDevice(CloudContainer& container, const QDateTime& start, const QString& deviceID = QString())
        : TempStoreEnvironment(QStringLiteral("support/Orvane.ovdata"), QStringLiteral("support"))
        , m_container(container)
    {
        if (!deviceID.isEmpty())
            becomeDevice(deviceID);
        clock.setNow(start);
        defaults.registerDefaults(BWRegisteredDefaults::table(clock));
        EXPECT_TRUE(defaults.setBool(BWDefaultsKeys::iCloudSyncEnabled2, true));
        env.dropboxFolder = temp.file(QStringLiteral("Dropbox"));
        env.cloud = &channel;
        startEngine();
    }

    // A sync engine of a new run, in the place of the one there is.
    void startEngine()
    {
        engine = std::make_unique<OrvaneCloudManager>(m_container, env);
        engine->setRetryPolicy({10, 80, 4});
        channel.engine = engine.get();
        QObject::connect(m_container.privateDatabase(), &CloudDatabase::recordChanged, engine.get(),
                         &OrvaneCloudManager::receivedChangeFromiCloud);
    }

    void advance(int seconds) { clock.setNow(clock.now().addSecs(seconds)); }

    // A new monthly bill, written as the editor writes one; returns its id.
    QString addBill(const QString& name, double amount, const QString& billID = BWUIDMaker::makeUID())
    {
        const QVariantMap record = newMonthlyBill(name, billID, clock.now().addDays(10).toUTC(), amount);
        EXPECT_TRUE(BWBill(env).finishWritingBillWithDictionary(record, false, true));
        return billID;
    }
    bool edit(const QString& billID, const QString& key, const QVariant& value)
    {
        return BWBill(env).saveSpecificKey(key, value, billID);
    }
    bool pay(const QString& billID, double amount, const QString& note)
    {
        const std::optional<QVariantMap> record = BWBillsLoader(env).loadBillWithID(billID);
        if (!record)
            return false;
        return BWPaymentLogger(env).recordPayment({amount, clock.now(), note, QString()}, *record, true);
    }
    bool remove(const QString& billID) { return BWBill(env).deleteBillWithBid(billID); }

    // The bill as stored; empty when there is none.
    QVariantMap bill(const QString& billID) const
    {
        return PropertyList::read(QDir(env.defaultDataFolder).filePath(billID + ".plist")).value.toMap();
    }
    QStringList list(const QString& listName) const { return BWBillIndex(env.defaultDataFolder).ids(listName); }
    // The ids shown as bills: active and not deleted.
    QStringList shownBills() const
    {
        QStringList shown = BWBillsLoader(env).trimDeletedBillsFromActiveBills(list(IndexKeys::ActiveBills));
        shown.sort();
        return shown;
    }
    QStringList paymentNotes(const QString& billID) const
    {
        QStringList notes;
        for (const QVariant& payment : bill(billID).value(BillKeys::PaymentList).toList())
            notes.append(payment.toMap().value(PaymentKeys::Note).toString());
        notes.sort();
        return notes;
    }

    EngineChannel channel;
    std::unique_ptr<OrvaneCloudManager> engine;

private:
    CloudContainer& m_container;
};

// Runs the event loop until `done` holds or `timeoutMs` passed; answers `done`.
template <typename Condition>
bool waitFor(Condition done, int timeoutMs = 3000)
{
    return QTest::qWaitFor(done, timeoutMs);
}

// Runs the event loop until the cloud has heard no message (request or
// push) for `quietMs`: retries wait on timers of their own, so a pause
// longer than the longest retry wait is what quiet means here.
inline bool waitUntilQuiet(const MemoryCloudServer& server, int quietMs)
{
    int last = -1;
    QElapsedTimer still;
    still.start();
    return QTest::qWaitFor(
        [&] {
            const int seen = server.requestCount() + server.pushCount();
            if (seen != last) {
                last = seen;
                still.restart();
            }
            return still.elapsed() >= quietMs;
        },
        120000);
}

// Two computers of one user over one in-memory cloud, each with its own data
// folder and clock, starting at `startA` and `startB`.
class TwoSyncDevicesTest : public ::testing::Test
{
protected:
    TwoSyncDevicesTest(const QDateTime& startA, const QDateTime& startB)
        : a(containerA, startA)
        , b(containerB, startB)
    {
    }

    void setOnline(bool online)
    {
        containerA.memoryDatabase()->setSignedIn(online);
        containerB.memoryDatabase()->setSignedIn(online);
    }

    // Runs the event loop until the cloud has been quiet for a while, and
    // neither engine has work under way.
    void settle()
    {
        ASSERT_TRUE(waitUntilQuiet(server, 200));
        ASSERT_TRUE(waitFor([this] { return a.engine->isIdle() && b.engine->isIdle(); }, 10000));
        ASSERT_TRUE(waitUntilQuiet(server, 200));
    }
    // Full passes, each computer after the other, until nothing moves.
    void syncBoth(SyncDevice& first, SyncDevice& second)
    {
        for (SyncDevice* device : {&first, &second, &first}) {
            device->engine->fetchAndUploadAllRecords();
            settle();
        }
    }
    void syncBoth() { syncBoth(a, b); }

    MemoryCloudServer server;
    MemoryCloudContainer containerA{&server};
    MemoryCloudContainer containerB{&server};
    SyncDevice a;
    SyncDevice b;
};
