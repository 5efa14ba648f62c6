#include "shell/BWFirebaseCloudAccount.h"

#include "ShellTestStore.h"

#include "sync/FirebaseDataManager.h"

#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

namespace {

TEST(BWFirebaseCloudAccountTest, EveryFailureReadsAsASentenceForTheUser)
{
    for (int code = FirebaseError::NotConfigured; code <= FirebaseError::Refused; ++code) {
        const QString message =
            BWFirebaseCloudAccount::messageForError({FirebaseError::Code(code), QStringLiteral("RAW_CODE")});
        EXPECT_FALSE(message.isEmpty()) << code;
        EXPECT_FALSE(message.contains(QStringLiteral("RAW_CODE"))) << code;
        EXPECT_TRUE(message.endsWith(u'.')) << code;
    }
    EXPECT_TRUE(BWFirebaseCloudAccount::messageForError({}).isEmpty());
}

// Without the user's settings file the account is not offered, and a sign-in
// attempted anyway says why it can't work.
TEST(BWFirebaseCloudAccountTest, WithoutSettingsNothingWorksAndTheUserIsToldWhy)
{
    shelltest::ShellTestStore store;
    FirebaseDataManager manager(store.env, {store.temp.file(QStringLiteral("config/firebase.json"))});
    BWFirebaseCloudAccount account(manager);
    EXPECT_FALSE(account.configure());
    EXPECT_FALSE(account.isConfigured());
    EXPECT_FALSE(account.currentUser().isSignedIn());

    QString error;
    bool answered = false;
    account.signIn(QStringLiteral("sam@example.com"), QStringLiteral("hunter22"),
                   [&](const QString& message, bool wrongPasswordOrNoAccount) {
                       error = message;
                       answered = !wrongPasswordOrNoAccount;
                   });
    EXPECT_TRUE(QTest::qWaitFor([&] { return answered; }));
    EXPECT_EQ(error, QStringLiteral("Orvane Cloud is not set up on this computer."));
}

TEST(BWFirebaseCloudAccountTest, PassesTheManagersNewsOn)
{
    shelltest::ShellTestStore store;
    FirebaseDataManager manager(store.env, {store.temp.file(QStringLiteral("config/firebase.json"))});
    BWFirebaseCloudAccount account(manager);
    QSignalSpy states(&account, &BWCloudAccount::authStateChanged);
    QSignalSpy connection(&account, &BWCloudAccount::connectedChanged);
    QSignalSpy arrivals(&account, &BWCloudAccount::billAddedFromFirebase);
    QSignalSpy removals(&account, &BWCloudAccount::billDeletedInFirebase);

    emit manager.authStateChanged({QStringLiteral("UID1"), QStringLiteral("sam@example.com")});
    emit manager.connectedChanged(true);
    emit manager.billAddedFromFirebase({{QStringLiteral("Bid"), QStringLiteral("A")}});
    emit manager.billDeletedInFirebase({{QStringLiteral("Bid"), QStringLiteral("B")}});

    ASSERT_EQ(states.size(), 1);
    EXPECT_EQ(states.at(0).at(0).value<BWCloudAccount::User>().email, QStringLiteral("sam@example.com"));
    EXPECT_TRUE(account.isConnected());
    EXPECT_EQ(connection.size(), 1);
    EXPECT_EQ(arrivals.size(), 1);
    EXPECT_EQ(removals.size(), 1);
}

}  // namespace
