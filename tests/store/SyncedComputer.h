#pragma once

// Computers of one user for store tests of sync: each with its own data
// folder, clock, stamps and recorded channels, copies handed between them
// by the test.
#include <QDir>

#include "BWBillTestFixture.h"
#include "store/BWBillIndex.h"
#include "store/BWBillsLoader.h"
#include "store/BWRegisteredDefaults.h"

// One computer: its own data folder, clock, stamps and channels.
struct Computer : TempStoreEnvironment
{
    explicit Computer(const QDateTime& start)
        : TempStoreEnvironment(QStringLiteral("data/Orvane.ovdata"), QStringLiteral("support"))
    {
        defaults.registerDefaults(BWRegisteredDefaults::table(clock));
        QDir().mkpath(env.defaultDataFolder);
        env.cloud = &channels;
        env.reminders = &reminders;
        channels.uid = QStringLiteral("user-1");
        defaults.setBool(BWDefaultsKeys::iCloudSyncEnabled2, true);
        clock.setNow(start);
    }
    void advance(int seconds) { clock.setNow(clock.now().addSecs(seconds)); }
    // A backup now, whenever the last one was made.
    bool backUp()
    {
        defaults.setObject(BWDefaultsKeys::BWLastBackup, PropertyList::distantPast());
        return BWBillsLoader(env).backupDatabase();
    }
    bool shows(const QString& billID) const
    {
        const QStringList active = BWBillIndex(env.defaultDataFolder).ids(IndexKeys::ActiveBills);
        return BWBillsLoader(env).trimDeletedBillsFromActiveBills(active).contains(billID);
    }
    // The copy (of `billID`, or of any bill) this computer last handed to
    // the cloud database.
    QVariantMap lastCopySent(const QString& billID = QString()) const
    {
        for (auto it = channels.cloudKitBills.crbegin(); it != channels.cloudKitBills.crend(); ++it) {
            if (billID.isEmpty() || it->billID == billID)
                return it->record;
        }
        return {};
    }
    void forgetWhatWasSent()
    {
        channels.cloudKitBills.clear();
        channels.firebaseSaves.clear();
        channels.firebaseRemovals.clear();
    }

    FakeCloudChannels channels;
    FakeReminderScheduling reminders;
};
