#pragma once

#include "shell/BWCloudAccount.h"

class FirebaseDataManager;
struct FirebaseError;

// The cloud account over the Firebase store: the shell's and the popover's
// calls go to the manager, and its failures are put in words for the user.
class BWFirebaseCloudAccount : public BWCloudAccount
{
    Q_OBJECT

public:
    // The manager must outlive the account.
    explicit BWFirebaseCloudAccount(FirebaseDataManager& manager, QObject* parent = nullptr);

    // What the user is told about a failure; empty for none.
    static QString messageForError(const FirebaseError& error);

    bool configure() override;
    bool isConfigured() const override;
    User currentUser() const override;
    bool isConnected() const override { return m_connected; }

    void userIDExists(const QString& email, LookupDone done) override;
    void signIn(const QString& email, const QString& password, SignInDone done) override;
    void createUser(const QString& email, const QString& password, Done done) override;
    void sendPasswordReset(const QString& email, Done done) override;
    void signOut() override;

    void setUserUID(const QString& uid) override;
    void listenForChangesToBills() override;
    void stopListeningForChanges() override;
    void uploadAllBillsToFirebaseIfNecessary() override;

private:
    FirebaseDataManager& m_manager;
    bool m_connected = false;
};
