#pragma once

#include <QObject>
#include <QString>
#include <QVariantMap>

#include <functional>
#include <optional>

// The cloud account ("Orvane Cloud") and the bill sync that runs while it is
// signed in, as the application delegate and the account popover use them.
// Every completion runs once, later, on the GUI thread.
class BWCloudAccount : public QObject
{
    Q_OBJECT

public:
    struct User
    {
        QString uid;
        QString email;

        bool isSignedIn() const { return !uid.isEmpty(); }
    };

    // Receives the failure's words for the user; empty on success.
    using Done = std::function<void(const QString& error)>;
    // As Done; `wrongPasswordOrNoAccount` when the server refused the
    // address and password together, which it does alike for a wrong
    // password and for an address without an account.
    using SignInDone = std::function<void(const QString& error, bool wrongPasswordOrNoAccount)>;
    // Nothing when the lookup cannot tell whether the address has an account.
    using LookupDone = std::function<void(std::optional<bool> canSignInWithPassword)>;

    using QObject::QObject;

    // Reads the user's cloud project settings and resumes a kept session
    // (authStateChanged follows). False when there are none.
    virtual bool configure() = 0;
    // Whether the user has set up a cloud project on this computer; without
    // one nothing of the account is offered.
    virtual bool isConfigured() const = 0;
    virtual User currentUser() const = 0;
    // Whether the database is reachable at the moment.
    virtual bool isConnected() const = 0;

    // ---- Account ----
    virtual void userIDExists(const QString& email, LookupDone done) = 0;
    virtual void signIn(const QString& email, const QString& password, SignInDone done) = 0;
    virtual void createUser(const QString& email, const QString& password, Done done) = 0;
    virtual void sendPasswordReset(const QString& email, Done done) = 0;
    virtual void signOut() = 0;

    // ---- Sync ----
    // The account the store sends bills for; empty sends nothing.
    virtual void setUserUID(const QString& uid) = 0;
    virtual void listenForChangesToBills() = 0;
    virtual void stopListeningForChanges() = 0;
    virtual void uploadAllBillsToFirebaseIfNecessary() = 0;

signals:
    // A signed-in user, or one that is not signed in after a sign-out or a
    // lost session.
    void authStateChanged(const BWCloudAccount::User& user);
    void connectedChanged(bool connected);
    // After another device's bill was written to the data folder.
    void billAddedFromFirebase(const QVariantMap& bill);
    void billChangedInFirebase(const QVariantMap& bill);
    void billDeletedInFirebase(const QVariantMap& bill);
};
