#pragma once

#include <QStringList>

#include "shell/BWCloudAccount.h"

// A cloud account that answers nothing by itself: each request is recorded
// and its completion kept, so that a test answers it when and how it likes
// (answerLookup(), answer()). A successful sign-in or sign-up signs the
// entered address in, as the real account does.
class FakeCloudAccount : public BWCloudAccount
{
public:
    bool configured = true;
    bool connected = true;
    User user;
    QString userUID;
    int listenCalls = 0;
    int stopCalls = 0;
    int uploadAllCalls = 0;
    int signOutCalls = 0;
    // "lookup a@b", "signIn a@b pw", "createUser a@b pw", "reset a@b".
    QStringList requests;

    int configureCalls = 0;

    bool configure() override
    {
        ++configureCalls;
        return configured;
    }
    bool isConfigured() const override { return configured; }
    User currentUser() const override { return user; }
    bool isConnected() const override { return connected; }

    void userIDExists(const QString& email, LookupDone done) override
    {
        requests << QStringLiteral("lookup %1").arg(email);
        m_lookup = std::move(done);
    }
    void signIn(const QString& email, const QString& password, SignInDone done) override
    {
        request(QStringLiteral("signIn"), email, password, [this, done = std::move(done)](const QString& error) {
            done(error, m_refusingCredentials);
        });
    }
    void createUser(const QString& email, const QString& password, Done done) override
    {
        request(QStringLiteral("createUser"), email, password, std::move(done));
    }
    void sendPasswordReset(const QString& email, Done done) override
    {
        requests << QStringLiteral("reset %1").arg(email);
        m_pendingEmail.clear();
        m_pending = std::move(done);
    }
    void signOut() override
    {
        ++signOutCalls;
        changeUser(User());
    }

    void setUserUID(const QString& uid) override { userUID = uid; }
    void listenForChangesToBills() override { ++listenCalls; }
    void stopListeningForChanges() override { ++stopCalls; }
    void uploadAllBillsToFirebaseIfNecessary() override { ++uploadAllCalls; }

    bool hasPendingRequest() const { return bool(m_pending) || bool(m_lookup); }
    // Nothing: the lookup cannot tell.
    void answerLookup(std::optional<bool> canSignIn)
    {
        auto done = std::exchange(m_lookup, LookupDone());
        done(canSignIn);
    }
    // Ends the pending sign-in as the server refuses a wrong password or an
    // address without an account: alike.
    void refuseCredentials()
    {
        m_refusingCredentials = true;
        answer(QStringLiteral("The email address or the password is wrong."));
        m_refusingCredentials = false;
    }
    // Ends the pending sign-in, sign-up or reset; "" succeeds.
    void answer(const QString& error = QString())
    {
        auto done = std::exchange(m_pending, Done());
        if (error.isEmpty() && !m_pendingEmail.isEmpty())
            changeUser(User{QStringLiteral("UID-") + m_pendingEmail, m_pendingEmail});
        done(error);
    }
    void changeUser(const User& newUser)
    {
        user = newUser;
        emit authStateChanged(user);
    }

private:
    void request(const QString& kind, const QString& email, const QString& password, Done done)
    {
        requests << QStringLiteral("%1 %2 %3").arg(kind, email, password);
        m_pendingEmail = email;
        m_pending = std::move(done);
    }

    LookupDone m_lookup;
    Done m_pending;
    bool m_refusingCredentials = false;
    QString m_pendingEmail;
};
