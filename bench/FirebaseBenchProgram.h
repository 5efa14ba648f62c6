#pragma once

// The program's Orvane Cloud side over the fake database server of the
// tests, for SyncBench: a data folder of `bills` bills of 60 payments each,
// written by the store's own writer, and an account that holds every one of
// them as this computer would have sent it, so that nothing is to be sent
// and nothing to be stored. The manager follows the account's state as the
// shell does: a signed-in user starts the listeners and the send-all.

#include <QJsonObject>
#include <QTest>

#include <memory>

#include "BenchStore.h"
#include "shell/BWCloudChannelRouter.h"
#include "store/BWBill.h"
#include "store/BWBillRecordKeys.h"
#include "support/FakeFirebaseServer.h"
#include "support/FakeSecretStore.h"
#include "sync/FirebaseDataManager.h"

class FirebaseBenchProgram
{
public:
    FirebaseBenchProgram(int bills, const std::function<QStringList(const QString& dataFolder, int bills)>& seed)
    {
        store.defaults.registerDefaults(BWRegisteredDefaults::table(store.clock));
        ids = seed(store.env.defaultDataFolder, bills);
        uid = server.addAccount(Email, Password);
        QJsonObject account;
        for (const QString& id : std::as_const(ids)) {
            if (const std::optional<QVariantMap> bill = BWBill(store.env).storedCopy(id))
                account.insert(id, QJsonObject::fromVariantMap(BWBill::firebaseFormOf(*bill)));
        }
        server.setValueAt("users/" + uid, account);
        QFile settings(store.root.filePath("firebase.json"));
        if (!settings.open(QIODevice::WriteOnly) || settings.write(server.settingsJson()) < 0)
            std::fprintf(stderr, "The Firebase settings could not be written\n");
        settings.close();
        channels.routeFirebase({[this] { return manager ? manager->userUID() : QString(); },
                                [this](const QVariantMap& record, const QString& billID) {
                                    manager->saveBillToFirebase(record, billID);
                                },
                                [this](const QString& billID) { manager->removeBillFromFirebase(billID); }});
        store.env.cloud = &channels;
    }

    // The program starts: resumes a kept sign-in, if there is one.
    void start()
    {
        FirebaseDataManager::Setup setup;
        setup.settingsFile = store.root.filePath("firebase.json");
        setup.secrets = &secrets;
        setup.requestTimeoutMs = 5 * 60 * 1000;
        setup.streamSilenceMs = 10 * 60 * 1000;
        manager = std::make_unique<FirebaseDataManager>(store.env, setup);
        QObject::connect(manager.get(), &FirebaseDataManager::authStateChanged, manager.get(),
                         [this](const FirebaseUser& user) {
                             manager->setUserUID(user.uid);
                             if (user.isSignedIn()) {
                                 manager->listenForChangesToBills();
                                 manager->uploadAllBillsToFirebaseIfNecessary();
                             }
                         });
        QObject::connect(manager.get(), &FirebaseDataManager::pendingWritesSent, [this] { ++sentAll; });
        manager->configure();
    }
    void quit() { manager.reset(); }

    void signIn()
    {
        manager->signIn(Email, Password, [](const FirebaseUser&, const FirebaseError& error) {
            if (error.isError())
                std::fprintf(stderr, "The bench's sign-in failed: %s\n", qPrintable(error.message));
        });
    }

    // Before a step: what its end is told by.
    void expectSettling() { sentAllBefore = sentAll; }
    // The send-all is over, the stream's first event merged.
    bool settled() const { return sentAll > sentAllBefore && manager->isIdle(); }

    static inline const QString Email = QStringLiteral("bench@example.com");
    static inline const QString Password = QStringLiteral("bench-password");

    BenchStore store;
    FakeFirebaseServer server;
    FakeSecretStore secrets;
    BWCloudChannelRouter channels{store.defaults};
    std::unique_ptr<FirebaseDataManager> manager;
    QStringList ids;
    QString uid;
    int sentAll = 0;
    int sentAllBefore = 0;
};
