#pragma once

#include <QDateTime>
#include <QHash>
#include <QObject>
#include <QSet>
#include <QString>
#include <QTimer>
#include <QVariantMap>
#include <functional>
#include <memory>
#include <optional>

#include "store/BWStoreEnvironment.h"
#include "sync/FirebaseError.h"
#include "sync/FirebaseUser.h"

class QNetworkAccessManager;
class SecretStore;
class FirebaseRestClient;
class FirebaseEventStream;
class FirebaseChildTracker;
class FirebasePendingWrites;
struct FirebaseBulkMerging;
struct FirebasePendingWrite;
struct FirebaseNode;
struct FirebaseSession;

// Keeps a copy of the bills of the signed-in cloud account in a Firebase
// Realtime Database, one node per bill under users/<uid>/<bill id>, and brings
// other devices' additions, changes and removals back into the data folder.
//
// A copy is merged with the one it would replace by BWBillMerge (each field
// of the copy that changed it last, every payment either holds unless a
// device removed it, the deletion rule). Uploads write the merge
// compare-and-swap on the ETag of the node it was merged with; when the node
// changed meanwhile, it is merged again and the write tried again. Every
// upload and removal is first put into a journal in the data folder and
// leaves it only when the server confirmed it; whatever is
// left is sent again after a reconnect or a restart. Removals leave a
// tombstone with the deletion's stamp under deletedBills/<uid>/<bill id>
// (outside the node whose children are bills), which decides against every
// copy by the deletion rule. Each node keeps ModificationDateForFirebase
// (seconds since 1970) for earlier versions, with its stamp beside it.
//
// The project comes from a settings file the user fills (firebase.json):
//   { "apiKey": "...", "databaseURL": "https://<project>.firebaseio.com" }
// with optional "identityURL" and "tokenURL" for the account endpoints.
// Without it the manager is not configured and every operation fails with
// NotConfigured. The session's refresh token is kept in the secret store;
// without one reachable, a sign-in lasts for the run.
//
// Lives on the GUI thread; calls from other threads are moved there.
class FirebaseDataManager : public QObject
{
    Q_OBJECT

public:
    struct Setup
    {
        QString settingsFile;                     // ~/.config/Orvane/firebase.json
        SecretStore* secrets = nullptr;           // none: sign-ins last for the run
        QNetworkAccessManager* network = nullptr; // none: the manager makes its own
        int requestTimeoutMs = 30000;
        int streamSilenceMs = 90000;              // keep-alives come twice a minute
        int firstRetryDelayMs = 2000;             // doubled after each failure
        int longestRetryDelayMs = 120000;
    };

    using Done = std::function<void(const FirebaseError&)>;
    using SignInDone = std::function<void(const FirebaseUser&, const FirebaseError&)>;
    // Whether the address can sign in with a password; nothing when the
    // lookup cannot tell (it failed, or the project hides which addresses
    // have accounts and answers no methods for any).
    using LookupDone = std::function<void(std::optional<bool> canSignInWithPassword)>;

    FirebaseDataManager(const BWStoreEnvironment& env, const Setup& setup, QObject* parent = nullptr);
    ~FirebaseDataManager() override;

    // The one instance of the process, once the shell has made it.
    static FirebaseDataManager* sharedManager();
    static void setSharedManager(FirebaseDataManager* manager);

    // Reads the settings file and, when a session was kept, resumes it
    // (authStateChanged follows). Logs "Firebase Configured" when it is.
    bool configure();
    bool isConfigured() const;

    // ---- Account ----
    // Each completion runs once, later, on the GUI thread; a success also
    // emits authStateChanged with the signed-in user.
    void signIn(const QString& email, const QString& password, SignInDone done);
    void createUser(const QString& email, const QString& password, SignInDone done);
    void sendPasswordReset(const QString& email, Done done);
    // Stops the listeners, forgets the kept session and clears userUID;
    // pending writes of the account stay journaled for its next sign-in.
    void signOut();
    FirebaseUser currentUser() const;
    // Whether the address has an account that signs in with a password
    // ("Trying this for: ..."); a failed lookup answers false.
    void userIDExists(const QString& email, LookupDone done);

    // ---- Bills ----
    // Set by whoever follows the account's state (the shell); the store sends
    // only while it is set.
    QString userUID() const { return m_userUID; }
    void setUserUID(const QString& uid);

    // Conditional upload of a bill in Firebase form (dates as seconds since
    // 1970). `done` reports whether the server holds a copy at least as new.
    void saveBillToFirebase(const QVariantMap& firebaseRecord, const QString& billID, Done done = {});
    // Removes users/<uid>/<id> and leaves a tombstone; logs "Deleted!".
    void removeBillFromFirebase(const QString& billID, Done done = {});
    // Sends every active bill whose copy on the server is older.
    void uploadAllBillsToFirebaseIfNecessary();
    // Installs the listeners on the account's node; a second call while they
    // run does nothing.
    void listenForChangesToBills();
    void stopListeningForChanges();
    bool isListening() const;
    // Connected, the stream's first event merged, nothing left to merge or send.
    bool isIdle() const;
    // Sends what the journal still holds for the signed-in account.
    void replayPendingWrites();
    int pendingWriteCount() const;

    // A node's value as it arrived, merged with the local copy by
    // BWBillMerge: the merge is saved locally when it differs from the local
    // copy, and sent when it differs from the node.
    bool decideIfBillShouldBeSavedLocallyAndSave(const QVariantMap& nodeValue);
    // The moment of the latest change of the stored bill (by the merge
    // rule's stamps), else the distant past.
    QDateTime localModificationDateForBillID(const QString& billID) const;
    // The same of a node; 1 January 1970 for a node without any.
    static QDateTime remoteDateOfNode(const QVariantMap& nodeValue);

    friend class FirebaseStreamMerge;

signals:
    // A signed-in user, or an invalid one after sign-out or a lost session.
    void authStateChanged(const FirebaseUser& user);
    // Whether the change stream is connected to the database.
    void connectedChanged(bool connected);
    // After a remote addition or change was written locally (dates as dates).
    void billAddedFromFirebase(const QVariantMap& bill);
    // Declared for the delegate's sake; not sent.
    void billChangedInFirebase(const QVariantMap& bill);
    // After a remote removal was applied locally (the removed value).
    void billDeletedInFirebase(const QVariantMap& bill);
    // The journal emptied: everything written here is on the server.
    void pendingWritesSent();

private:
    // ---- Account ----
    void signInWith(bool createAccount, const QString& email, const QString& password, SignInDone done);
    void resumeKeptSession();
    void keepSession(const FirebaseSession& session);
    void forgetKeptSession();
    void loseSession(const FirebaseError& error);

    // ---- Uploads (FirebaseDataManager+Uploads.cpp) ----
    std::optional<FirebaseError> refusalToSend(const QString& billID) const;
    // `done` reports how the last of the writes went.
    void journalAndSend(const QList<FirebasePendingWrite>& writes, Done done);
    void send(const FirebasePendingWrite& write);
    void sendSave(const FirebasePendingWrite& write, const FirebaseNode& node, int attemptsLeft);
    void sendSaveOfMissingNode(const FirebasePendingWrite& write, const FirebaseNode& node);
    void sendRemove(const FirebasePendingWrite& write, int attemptsLeft);
    void markDeleted(const FirebasePendingWrite& write, const FirebaseNode& bill, const QVariantMap& deletedCopy,
                     int attemptsLeft);
    // What this device holds of the bill a write is about.
    QVariantMap localCopy(const FirebasePendingWrite& write) const;
    void removeNode(const FirebasePendingWrite& write, const FirebaseNode& bill, int attemptsLeft);
    void finishSending(const FirebasePendingWrite& write, const FirebaseError& error);
    void scheduleRetry();
    QString billPath(const QString& uid, const QString& billID) const;
    QString tombstonePath(const QString& uid, const QString& billID) const;
    // Seconds since 1970 as the database stores moments, and back.
    static QDateTime momentOf(double seconds);
    static double secondsOf(const QDateTime& moment);
    // The key of a tombstone that holds the moment of the deletion.
    static inline const QString DeletedAtKey = QStringLiteral("DeletedAt");

    // ---- Listening and local writes (FirebaseDataManager+Listening.cpp) ----
    void openStreams();
    void closeStreams();
    void scheduleReconnect();
    void setConnected(bool connected);
    void handleBillChanges(const QString& event, const QString& path, const QVariant& data);
    void handleTombstoneChanges(const QString& event, const QString& path, const QVariant& data);
    void applyTombstone(const QString& billID, const QVariantMap& tombstone);
    void removedFromServer(const QString& billID, const QVariantMap& lastValue);
    // Merges a copy from the server into the stored bill and tells the shell;
    // true when anything was stored.
    bool storeFromFirebase(const QVariantMap& bill);
    bool isListedLocally(const QString& billID) const;
    // Carries out what a node's copy came to; true when anything was stored.
    bool carryOut(const QString& billID, const QVariantMap& merged, bool sendBack, bool store);

    // ---- Large stream events and the send-all (FirebaseDataManager+Bulk.cpp) ----
    void billEvent(const QString& event, const QString& path, const QVariant& data);
    void applyBillEvent(const QString& event, const QString& path, const QVariant& data);
    void largeBillEvent(const QByteArrayList& pieces);
    // Merges the change (none: the send-all alone) on a worker.
    void mergeOnWorker(const QByteArrayList& pieces);
    void mergedOnWorker();
    void releaseHeldEvents();
    void sendSomeOfTheSendAll();
    void stopBulkMerging();
    void announceIfAllSent();
    // Journals and sends a merge that holds what the server's copy lacks.
    void sendMerged(const QString& billID, const QVariantMap& bill);
    // A node's value as a bill, and a bill as a node's value.
    static QVariantMap billOfNode(const QVariantMap& nodeValue);
    static QVariantMap firebaseForm(const QVariantMap& bill);
    // A tombstone node as a bill of which only the deletion is known.
    static QVariantMap tombstoneBill(const QString& billID, const QVariantMap& tombstone);

    BWStoreEnvironment m_env;
    Setup m_setup;
    QNetworkAccessManager* m_network = nullptr;
    std::unique_ptr<FirebaseRestClient> m_client;
    QString m_userUID;
    FirebaseUser m_user;
    bool m_configured = false;

    std::unique_ptr<FirebasePendingWrites> m_journal;
    // Writes under way, by "<uid>/<bill id>", and the completions waiting
    // for them with the sequence they wait for.
    QSet<QString> m_sending;
    QHash<QString, QList<QPair<qint64, Done>>> m_completions;
    QTimer m_retryTimer;
    int m_retryDelayMs = 0;

    QString m_listeningUID;
    std::unique_ptr<FirebaseEventStream> m_billStream;
    std::unique_ptr<FirebaseEventStream> m_tombstoneStream;
    std::unique_ptr<FirebaseChildTracker> m_billChildren;
    std::unique_ptr<FirebaseChildTracker> m_tombstoneChildren;
    std::unique_ptr<FirebaseBulkMerging> m_bulk;
    QTimer m_reconnectTimer;
    int m_reconnectDelayMs = 0;
    bool m_connected = false;
};
