#include "shell/BWFirebaseCloudAccount.h"

#include "platform/Log.h"
#include "sync/FirebaseDataManager.h"

namespace {

BWCloudAccount::User userOf(const FirebaseUser& user)
{
    return {user.uid, user.email};
}

// The user reads our words; the server's own go to the log.
void report(const QString& step, const FirebaseError& error, const BWCloudAccount::Done& done)
{
    if (error.isError())
        Log::line(QStringLiteral("%1 failed: %2").arg(step, error.message));
    done(BWFirebaseCloudAccount::messageForError(error));
}

}  // namespace

BWFirebaseCloudAccount::BWFirebaseCloudAccount(FirebaseDataManager& manager, QObject* parent)
    : BWCloudAccount(parent)
    , m_manager(manager)
{
    connect(&m_manager, &FirebaseDataManager::authStateChanged, this,
            [this](const FirebaseUser& user) { emit authStateChanged(userOf(user)); });
    connect(&m_manager, &FirebaseDataManager::connectedChanged, this, [this](bool connected) {
        m_connected = connected;
        emit connectedChanged(connected);
    });
    connect(&m_manager, &FirebaseDataManager::billAddedFromFirebase, this,
            &BWCloudAccount::billAddedFromFirebase);
    connect(&m_manager, &FirebaseDataManager::billChangedInFirebase, this,
            &BWCloudAccount::billChangedInFirebase);
    connect(&m_manager, &FirebaseDataManager::billDeletedInFirebase, this,
            &BWCloudAccount::billDeletedInFirebase);
}

QString BWFirebaseCloudAccount::messageForError(const FirebaseError& error)
{
    switch (error.code) {
    case FirebaseError::None: return QString();
    case FirebaseError::NotConfigured: return tr("Orvane Cloud is not set up on this computer.");
    case FirebaseError::NotSignedIn: return tr("You are not signed in to Orvane Cloud.");
    case FirebaseError::InvalidEmail: return tr("This is not a valid email address.");
    case FirebaseError::WeakPassword: return tr("This password is too weak. Choose a longer one.");
    case FirebaseError::EmailExists: return tr("An account with this email address exists already.");
    case FirebaseError::WrongCredentials: return tr("The email address or the password is wrong.");
    case FirebaseError::TooManyAttempts: return tr("Too many attempts. Please wait a while and try again.");
    case FirebaseError::SessionExpired: return tr("Your session has ended. Please sign in again.");
    case FirebaseError::Network:
        return tr("Orvane Cloud could not be reached. Check your internet connection and try again.");
    case FirebaseError::Server: return tr("Orvane Cloud did not answer as expected. Please try again later.");
    case FirebaseError::Refused: return tr("Orvane Cloud refused the change.");
    }
    return tr("Something went wrong. Please try again.");
}

bool BWFirebaseCloudAccount::configure()
{
    return m_manager.configure();
}

bool BWFirebaseCloudAccount::isConfigured() const
{
    return m_manager.isConfigured();
}

BWCloudAccount::User BWFirebaseCloudAccount::currentUser() const
{
    return userOf(m_manager.currentUser());
}

void BWFirebaseCloudAccount::userIDExists(const QString& email, LookupDone done)
{
    m_manager.userIDExists(email, std::move(done));
}

void BWFirebaseCloudAccount::signIn(const QString& email, const QString& password, SignInDone done)
{
    m_manager.signIn(email, password, [done = std::move(done)](const FirebaseUser&, const FirebaseError& error) {
        const bool wrongPasswordOrNoAccount = error.code == FirebaseError::WrongCredentials;
        report(QStringLiteral("Sign-in"), error,
               [&done, wrongPasswordOrNoAccount](const QString& message) { done(message, wrongPasswordOrNoAccount); });
    });
}

void BWFirebaseCloudAccount::createUser(const QString& email, const QString& password, Done done)
{
    m_manager.createUser(email, password, [done = std::move(done)](const FirebaseUser&, const FirebaseError& error) {
        report(QStringLiteral("Account creation"), error, done);
    });
}

void BWFirebaseCloudAccount::sendPasswordReset(const QString& email, Done done)
{
    m_manager.sendPasswordReset(email, [done = std::move(done)](const FirebaseError& error) {
        report(QStringLiteral("Password reset"), error, done);
    });
}

void BWFirebaseCloudAccount::signOut()
{
    m_manager.signOut();
}

void BWFirebaseCloudAccount::setUserUID(const QString& uid)
{
    m_manager.setUserUID(uid);
}

void BWFirebaseCloudAccount::listenForChangesToBills()
{
    m_manager.listenForChangesToBills();
}

void BWFirebaseCloudAccount::stopListeningForChanges()
{
    m_manager.stopListeningForChanges();
}

void BWFirebaseCloudAccount::uploadAllBillsToFirebaseIfNecessary()
{
    m_manager.uploadAllBillsToFirebaseIfNecessary();
}
