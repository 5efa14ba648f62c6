// Set-up, account and the local dates the uploads and downloads compare.
#include "sync/FirebaseDataManager.h"

#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QNetworkAccessManager>
#include <QRegularExpression>
#include <QTimeZone>

#include "platform/Log.h"
#include "platform/PropertyList.h"
#include "platform/SecretStore.h"
#include "store/BWBill.h"
#include "store/BWBillMerge.h"
#include "store/BWBillRecordKeys.h"
#include "store/BWBillsLoader.h"
#include "store/BWDataFolder.h"
#include "sync/FirebaseBulkMerging.h"
#include "sync/FirebaseChildTracker.h"
#include "sync/FirebaseEventStream.h"
#include "sync/FirebasePendingWrites.h"
#include "sync/FirebaseRestClient.h"
#include "sync/FirebaseSettings.h"

namespace {

FirebaseDataManager* sharedInstance = nullptr;

const QString SecretService = QStringLiteral("Orvane Cloud");

FirebaseError notConfigured()
{
    return {FirebaseError::NotConfigured, QStringLiteral("Orvane Cloud is not set up")};
}

// Account ids name database paths: letters, digits, '-' and '_' only.
bool isValidAccountID(const QString& uid)
{
    static const QRegularExpression pattern(QStringLiteral("^[A-Za-z0-9_-]{1,128}$"));
    return pattern.match(uid).hasMatch();
}

}  // namespace

FirebaseDataManager::FirebaseDataManager(const BWStoreEnvironment& env, const Setup& setup, QObject* parent)
    : QObject(parent)
    , m_env(env)
    , m_setup(setup)
    , m_network(setup.network)
    , m_journal(std::make_unique<FirebasePendingWrites>(env))
    , m_bulk(std::make_unique<FirebaseBulkMerging>())
{
    connect(&m_bulk->merging, &QFutureWatcher<FirebaseStreamMerge::Result>::finished, this,
            &FirebaseDataManager::mergedOnWorker);
    if (!m_network)
        m_network = new QNetworkAccessManager(this);
    m_retryTimer.setSingleShot(true);
    connect(&m_retryTimer, &QTimer::timeout, this, &FirebaseDataManager::replayPendingWrites);
    m_reconnectTimer.setSingleShot(true);
    connect(&m_reconnectTimer, &QTimer::timeout, this, &FirebaseDataManager::openStreams);
    m_retryDelayMs = m_setup.firstRetryDelayMs;
}

FirebaseDataManager::~FirebaseDataManager()
{
    if (sharedInstance == this)
        sharedInstance = nullptr;
}

FirebaseDataManager* FirebaseDataManager::sharedManager()
{
    return sharedInstance;
}

void FirebaseDataManager::setSharedManager(FirebaseDataManager* manager)
{
    sharedInstance = manager;
}

bool FirebaseDataManager::configure()
{
    if (m_configured)
        return true;
    QString problem;
    const std::optional<FirebaseSettings> settings = FirebaseSettings::load(m_setup.settingsFile, &problem);
    if (!settings) {
        Log::line(QStringLiteral("Orvane Cloud is not set up: %1").arg(problem));
        return false;
    }
    m_client = std::make_unique<FirebaseRestClient>(*settings, m_network, m_setup.requestTimeoutMs);
    connect(m_client.get(), &FirebaseRestClient::sessionChanged, this, &FirebaseDataManager::keepSession);
    connect(m_client.get(), &FirebaseRestClient::sessionLost, this, &FirebaseDataManager::loseSession);
    m_billStream = std::make_unique<FirebaseEventStream>(m_network, m_setup.streamSilenceMs);
    m_tombstoneStream = std::make_unique<FirebaseEventStream>(m_network, m_setup.streamSilenceMs);
    m_billChildren = std::make_unique<FirebaseChildTracker>();
    m_tombstoneChildren = std::make_unique<FirebaseChildTracker>();
    for (FirebaseEventStream* stream : {m_billStream.get(), m_tombstoneStream.get()}) {
        connect(stream, &FirebaseEventStream::closed, this, [this](const FirebaseError& error) {
            Log::line(QStringLiteral("Cloud change stream closed: %1").arg(error.message));
            scheduleReconnect();
        });
        connect(stream, &FirebaseEventStream::authRevoked, this, [this] {
            m_client->refreshSession([this](const FirebaseError&) { scheduleReconnect(); });
        });
    }
    connect(m_billStream.get(), &FirebaseEventStream::opened, this, [this] { setConnected(true); });
    connect(m_billStream.get(), &FirebaseEventStream::changed, this, &FirebaseDataManager::billEvent);
    connect(m_billStream.get(), &FirebaseEventStream::largeChangeArrived, this, &FirebaseDataManager::largeBillEvent);
    connect(m_tombstoneStream.get(), &FirebaseEventStream::changed, this,
            &FirebaseDataManager::handleTombstoneChanges);
    m_configured = true;
    Log::line(QStringLiteral("Firebase Configured"));
    resumeKeptSession();
    return true;
}

bool FirebaseDataManager::isConfigured() const
{
    return m_configured;
}

// ---- Account ----

void FirebaseDataManager::signIn(const QString& email, const QString& password, SignInDone done)
{
    signInWith(false, email, password, std::move(done));
}

void FirebaseDataManager::createUser(const QString& email, const QString& password, SignInDone done)
{
    signInWith(true, email, password, std::move(done));
}

void FirebaseDataManager::signInWith(bool createAccount, const QString& email, const QString& password,
                                     SignInDone done)
{
    if (!m_configured) {
        QTimer::singleShot(0, this, [done] { done({}, notConfigured()); });
        return;
    }
    auto signedIn = [this, done](const FirebaseSession& session, const FirebaseError& error) {
        if (error.isError() || !isValidAccountID(session.uid)) {
            const FirebaseError reported =
                error.isError() ? error : FirebaseError{FirebaseError::Server, QStringLiteral("Unusable account id")};
            Log::line(QStringLiteral("Orvane Cloud sign-in failed: %1").arg(reported.message));
            return done({}, reported);
        }
        if (m_user.uid != session.uid)
            stopListeningForChanges();
        m_user = {session.uid, session.email};
        emit authStateChanged(m_user);
        done(m_user, {});
    };
    if (createAccount)
        m_client->signUp(email, password, signedIn);
    else
        m_client->signInWithPassword(email, password, signedIn);
}

void FirebaseDataManager::sendPasswordReset(const QString& email, Done done)
{
    if (!m_configured) {
        QTimer::singleShot(0, this, [done] { done(notConfigured()); });
        return;
    }
    m_client->sendPasswordResetEmail(email, std::move(done));
}

void FirebaseDataManager::userIDExists(const QString& email, LookupDone done)
{
    Log::line(QStringLiteral("Trying this for: %1").arg(email));
    if (!m_configured) {
        QTimer::singleShot(0, this, [done] { done(std::nullopt); });
        return;
    }
    m_client->fetchSignInMethods(email, [done](const QStringList& methods, const FirebaseError& error) {
        if (error.isError())
            Log::line(QStringLiteral("Error %1").arg(error.message));
        if (methods.isEmpty()) {
            Log::line(QStringLiteral("The lookup named no sign-in methods"));
            done(std::nullopt);
            return;
        }
        const bool canSignIn = methods.contains(QStringLiteral("password"));
        Log::line(canSignIn ? QStringLiteral("Can Sign In with Email!") : QStringLiteral("No account found here!"));
        done(canSignIn);
    });
}

void FirebaseDataManager::signOut()
{
    stopListeningForChanges();
    if (m_client)
        m_client->clearSession();
    forgetKeptSession();
    m_user = {};
    setUserUID({});
    emit authStateChanged(m_user);
}

FirebaseUser FirebaseDataManager::currentUser() const
{
    return m_user;
}

void FirebaseDataManager::loseSession(const FirebaseError& error)
{
    Log::line(QStringLiteral("The Orvane Cloud session ended: %1").arg(error.message));
    signOut();
}

// The refresh token and the address live in the secret store, so that a
// restart finds the account signed in.
void FirebaseDataManager::keepSession(const FirebaseSession& session)
{
    if (!m_setup.secrets)
        return;
    const QJsonObject kept{{QLatin1String("uid"), session.uid},
                           {QLatin1String("email"), session.email},
                           {QLatin1String("refreshToken"), session.refreshToken}};
    m_setup.secrets->writeSecret(SecretService, m_client->settings().databaseURL,
                                 QJsonDocument(kept).toJson(QJsonDocument::Compact), [](const SecretStore::Result& result) {
                                     if (!result.ok())
                                         Log::line(QStringLiteral("The Orvane Cloud sign-in lasts for this run only: %1")
                                                       .arg(result.message));
                                 });
}

void FirebaseDataManager::forgetKeptSession()
{
    if (!m_setup.secrets || !m_client)
        return;
    m_setup.secrets->removeSecret(SecretService, m_client->settings().databaseURL, [](const SecretStore::Result&) {});
}

void FirebaseDataManager::resumeKeptSession()
{
    if (!m_setup.secrets)
        return;
    m_setup.secrets->readSecret(SecretService, m_client->settings().databaseURL, [this](const SecretStore::Result& result) {
        if (!result.ok())
            return;
        const QJsonObject kept = QJsonDocument::fromJson(result.secret).object();
        FirebaseSession session;
        session.uid = kept.value(QLatin1String("uid")).toString();
        session.email = kept.value(QLatin1String("email")).toString();
        session.refreshToken = kept.value(QLatin1String("refreshToken")).toString();
        if (!session.isValid() || !isValidAccountID(session.uid) || m_user.isSignedIn())
            return;
        // The id token is fetched with the first call that needs it, so a
        // start without network still finds the account signed in.
        m_client->setSession(session);
        m_user = {session.uid, session.email};
        // Announced from the event loop: whoever configured the manager has
        // connected to it by then.
        QTimer::singleShot(0, this, [this] {
            if (m_user.isSignedIn())
                emit authStateChanged(m_user);
        });
    });
}

// ---- Dates ----

void FirebaseDataManager::setUserUID(const QString& uid)
{
    if (!uid.isEmpty() && !isValidAccountID(uid)) {
        Log::line(QStringLiteral("Ignoring the unusable account id \"%1\"").arg(uid));
        return;
    }
    if (uid != m_listeningUID)
        stopListeningForChanges();
    m_userUID = uid;
}

QDateTime FirebaseDataManager::localModificationDateForBillID(const QString& billID) const
{
    const std::optional<QVariantMap> bill = BWBill(m_env).storedCopy(billID);
    const QDateTime changed = bill ? BWBillMerge::modificationDate(*bill) : QDateTime();
    return changed.isValid() ? changed : PropertyList::distantPast();
}

QDateTime FirebaseDataManager::remoteDateOfNode(const QVariantMap& nodeValue)
{
    const QDateTime changed = BWBillMerge::modificationDate(billOfNode(nodeValue));
    return changed.isValid() ? changed : momentOf(0);
}

QDateTime FirebaseDataManager::momentOf(double seconds)
{
    return QDateTime::fromMSecsSinceEpoch(qRound64(seconds * 1000), QTimeZone::utc());
}

double FirebaseDataManager::secondsOf(const QDateTime& moment)
{
    return moment.toMSecsSinceEpoch() / 1000.0;
}
