#pragma once

#include <QSignalSpy>
#include <QTest>

#include <memory>

#include "support/FakeFirebaseServer.h"
#include "support/FakeSecretStore.h"
#include "support/TempStoreEnvironment.h"
#include "platform/BWUIDMaker.h"
#include "store/BWBill.h"
#include "store/BWBillIndex.h"
#include "store/BWBillRecordKeys.h"
#include "store/BWBillsLoader.h"
#include "store/BWCloudChannels.h"
#include "store/BWDataFolder.h"
#include "sync/FirebaseDataManager.h"
#include "sync/FirebasePendingWrites.h"

// The store's cloud hand-off with the Firebase calls going to a manager and
// the CloudKit uploads recorded.
class FirebaseRoutingChannels : public BWCloudChannels
{
public:
    void uploadBillToCloud(const QVariantMap& record, const QString& billID) override
    {
        cloudKitBills.append({billID, record});
    }
    void uploadIndexToCloud(const QStringList&, const QString&) override {}
    QString userUID() const override { return manager ? manager->userUID() : QString(); }
    void saveBillToFirebase(const QVariantMap& record, const QString& billID) override
    {
        ++firebaseSaves;
        manager->saveBillToFirebase(record, billID);
    }
    void removeBillFromFirebase(const QString& billID) override
    {
        ++firebaseRemovals;
        manager->removeBillFromFirebase(billID);
    }
    void setKeyValueStoreObject(const QVariant&, const QString&) override {}

    FirebaseDataManager* manager = nullptr;
    QList<QPair<QString, QVariantMap>> cloudKitBills;
    int firebaseSaves = 0;
    int firebaseRemovals = 0;
};

// One computer: a data folder, defaults, a clock, a keyring and a Firebase
// manager that talks to the fake server. Follows the account's state the way
// the application does: a signed-in user starts the listeners and a send-all.
class FirebaseTestDevice : public TempStoreEnvironment
{
public:
    // `requestTimeoutMs`: how long the manager waits for an answer.
    explicit FirebaseTestDevice(const FakeFirebaseServer& server, int requestTimeoutMs = 1000)
        : TempStoreEnvironment(QStringLiteral("data/Orvane/Orvane.ovdata")), m_requestTimeoutMs(requestTimeoutMs)
    {
        env.cloud = &channels;
        temp.write(QStringLiteral("config/firebase.json"), server.settingsJson());
        start();
    }

    FirebaseDataManager::Setup setup() const
    {
        FirebaseDataManager::Setup setup;
        setup.settingsFile = temp.file(QStringLiteral("config/firebase.json"));
        setup.secrets = const_cast<FakeSecretStore*>(&secrets);
        setup.requestTimeoutMs = m_requestTimeoutMs;
        setup.streamSilenceMs = 3000;
        setup.firstRetryDelayMs = 50;
        setup.longestRetryDelayMs = 400;
        return setup;
    }

    // The program starts (again): a new manager over the same folder and keyring.
    void start()
    {
        channels.manager = nullptr;
        manager = std::make_unique<FirebaseDataManager>(env, setup());
        channels.manager = manager.get();
        QObject::connect(manager.get(), &FirebaseDataManager::authStateChanged, manager.get(),
                         [this](const FirebaseUser& user) {
                             manager->setUserUID(user.uid);
                             if (user.isSignedIn()) {
                                 manager->listenForChangesToBills();
                                 manager->uploadAllBillsToFirebaseIfNecessary();
                             }
                         });
        manager->configure();
    }
    void quit() { channels.manager = nullptr, manager.reset(); }

    bool signIn(const QString& email, const QString& password)
    {
        bool finished = false;
        FirebaseError error;
        manager->signIn(email, password, [&](const FirebaseUser&, const FirebaseError& e) {
            error = e;
            finished = true;
        });
        return QTest::qWaitFor([&] { return finished; }, 5000) && !error.isError();
    }

    QString addBill(const QString& name, double amount)
    {
        BWBill bill(env);
        bill.bid = BWUIDMaker::makeUID();
        bill.name = name;
        bill.amount = amount;
        bill.dueDate = QDateTime(QDate(2026, 12, 20), QTime(9, 0));
        bill.repeat = QVariantList{qlonglong(1), qlonglong(2)};
        bill.tags = QStringList{};
        return bill.writeBill(false) ? *bill.bid : QString();
    }
    bool setAmount(const QString& billID, double amount)
    {
        return BWBill(env).saveSpecificKey(BillKeys::Amount, amount, billID);
    }
    bool remove(const QString& billID) { return BWBill(env).deleteBillWithBid(billID); }

    std::optional<QVariantMap> bill(const QString& billID) const { return BWBillsLoader(env).loadBillWithID(billID); }
    QStringList list(const QString& name) const { return BWBillIndex(BWDataFolder(env).path()).ids(name); }
    int pendingWrites() const { return FirebasePendingWrites(env).writesOf(manager->userUID()).size(); }

    FakeSecretStore secrets;
    FirebaseRoutingChannels channels;
    std::unique_ptr<FirebaseDataManager> manager;

private:
    int m_requestTimeoutMs;
};
