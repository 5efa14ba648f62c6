#include "sync/FirebaseDataManager.h"

#include <QTimer>

#include "platform/Log.h"

namespace {
FirebaseDataManager* sharedInstance = nullptr;

FirebaseError notConfigured()
{
    return {FirebaseError::NotConfigured, QStringLiteral("Orvane Cloud is not set up")};
}
}  // namespace

FirebaseDataManager::FirebaseDataManager(const BWStoreEnvironment& env, const Setup& setup, QObject* parent)
    : QObject(parent), m_env(env), m_setup(setup)
{
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
    return m_configured;
}

bool FirebaseDataManager::isConfigured() const
{
    return m_configured;
}

void FirebaseDataManager::signIn(const QString&, const QString&, SignInDone done)
{
    QTimer::singleShot(0, this, [done] { done({}, notConfigured()); });
}

void FirebaseDataManager::createUser(const QString&, const QString&, SignInDone done)
{
    QTimer::singleShot(0, this, [done] { done({}, notConfigured()); });
}

void FirebaseDataManager::sendPasswordReset(const QString&, Done done)
{
    QTimer::singleShot(0, this, [done] { done(notConfigured()); });
}

void FirebaseDataManager::signOut()
{
    m_user = {};
    setUserUID({});
    emit authStateChanged(m_user);
}

FirebaseUser FirebaseDataManager::currentUser() const
{
    return m_user;
}

void FirebaseDataManager::userIDExists(const QString&, LookupDone done)
{
    QTimer::singleShot(0, this, [done] { done(false); });
}

void FirebaseDataManager::setUserUID(const QString& uid)
{
    m_userUID = uid;
}

void FirebaseDataManager::saveBillToFirebase(const QVariantMap&, const QString&, Done done)
{
    if (done)
        QTimer::singleShot(0, this, [done] { done(notConfigured()); });
}

void FirebaseDataManager::removeBillFromFirebase(const QString&, Done done)
{
    if (done)
        QTimer::singleShot(0, this, [done] { done(notConfigured()); });
}

void FirebaseDataManager::uploadAllBillsToFirebaseIfNecessary() {}

void FirebaseDataManager::listenForChangesToBills() {}

void FirebaseDataManager::stopListeningForChanges() {}

bool FirebaseDataManager::isListening() const
{
    return false;
}

void FirebaseDataManager::replayPendingWrites() {}

int FirebaseDataManager::pendingWriteCount() const
{
    return 0;
}

bool FirebaseDataManager::decideIfBillShouldBeSavedLocallyAndSave(const QVariantMap&)
{
    return false;
}

QDateTime FirebaseDataManager::localModificationDateForBillID(const QString&) const
{
    return {};
}
