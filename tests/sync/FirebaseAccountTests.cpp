// The cloud account: settings, sign-up, sign-in, reset mails, token refresh
// and the session kept across restarts.
#include <gtest/gtest.h>

#include "support/FirebaseTestDevice.h"
#include "sync/FirebaseChildTracker.h"
#include "sync/FirebaseSettings.h"

namespace {

struct AccountAnswer
{
    FirebaseUser user;
    FirebaseError error;
    bool finished = false;
};

}  // namespace

// Every account test runs against a project with email-enumeration
// protection on and against one without.
class FirebaseAccountTest : public ::testing::TestWithParam<bool>
{
protected:
    FirebaseAccountTest() { server.setEnumerationProtection(enumerationProtection()); }
    static bool enumerationProtection() { return GetParam(); }

    AccountAnswer run(const std::function<void(FirebaseDataManager::SignInDone)>& call)
    {
        AccountAnswer answer;
        call([&](const FirebaseUser& user, const FirebaseError& error) {
            answer = {user, error, true};
        });
        EXPECT_TRUE(QTest::qWaitFor([&] { return answer.finished; }, 5000));
        return answer;
    }
    FirebaseError reset(const QString& email)
    {
        return run([&](auto done) {
                   device.manager->sendPasswordReset(email, [done](const FirebaseError& e) { done({}, e); });
               })
            .error;
    }
    // Nothing when the lookup cannot tell.
    std::optional<bool> canSignIn(const QString& email)
    {
        std::optional<std::optional<bool>> answer;
        device.manager->userIDExists(email, [&](std::optional<bool> yes) { answer = yes; });
        EXPECT_TRUE(QTest::qWaitFor([&] { return answer.has_value(); }, 5000));
        return answer.value_or(std::nullopt);
    }

    FakeFirebaseServer server;
    FirebaseTestDevice device{server};
};

TEST(FirebaseSettingsTest, OnlyACompleteFileWithWebAddressesConfigures)
{
    TempFolder temp;
    const struct { const char* text; bool usable; } cases[] = {
        {R"({"apiKey":"k","databaseURL":"https://p.firebaseio.com/"})", true},
        {R"({"apiKey":"k","databaseURL":"https://p.firebaseio.com","identityURL":"http://127.0.0.1:9"})", true},
        {R"({"databaseURL":"https://p.firebaseio.com"})", false},
        {R"({"apiKey":"k"})", false},
        {R"({"apiKey":"k","databaseURL":"file:///etc"})", false},
        {R"({"apiKey":"k","databaseURL":"https://p.firebaseio.com","tokenURL":"javascript:x"})", false},
        {"not json", false},
    };
    for (const auto& c : cases) {
        const QString path = temp.write("firebase.json", c.text);
        const auto settings = FirebaseSettings::load(path);
        EXPECT_EQ(settings.has_value(), c.usable) << c.text;
        if (settings) {
            EXPECT_FALSE(settings->databaseURL.endsWith('/'));
        }
    }
    EXPECT_FALSE(FirebaseSettings::load(temp.file("missing.json")));
}

TEST(FirebaseNotConfiguredTest, EveryOperationSaysSoAndNothingIsSent)
{
    TempFolder temp;
    BWStoreEnvironment env;
    FirebaseDataManager manager(env, {temp.file("none.json"), nullptr, nullptr});
    EXPECT_FALSE(manager.configure());
    EXPECT_FALSE(manager.isConfigured());
    std::optional<FirebaseError> answer;
    manager.signIn("a@b.c", "secret1", [&](const FirebaseUser&, const FirebaseError& e) { answer = e; });
    ASSERT_TRUE(QTest::qWaitFor([&] { return answer.has_value(); }, 1000));
    EXPECT_EQ(answer->code, FirebaseError::NotConfigured);
    answer.reset();
    manager.saveBillToFirebase({}, "0123456789ABCDEF0123456789ABCDEF", [&](const FirebaseError& e) { answer = e; });
    ASSERT_TRUE(QTest::qWaitFor([&] { return answer.has_value(); }, 1000));
    EXPECT_EQ(answer->code, FirebaseError::NotConfigured);
}

TEST_P(FirebaseAccountTest, SignUpAndSignInAnswerByTheServersRules)
{
    server.addAccount("kim@example.com", "correct horse");
    const struct { bool create; const char* email; const char* password; FirebaseError::Code expected; } cases[] = {
        {true, "new@example.com", "secret1", FirebaseError::None},
        {true, "kim@example.com", "anything", FirebaseError::EmailExists},
        {true, "two@example.com", "12345", FirebaseError::WeakPassword},
        {true, "no-at-sign", "secret1", FirebaseError::InvalidEmail},
        {false, "kim@example.com", "correct horse", FirebaseError::None},
        {false, "kim@example.com", "wrong", FirebaseError::WrongCredentials},
        {false, "nobody@example.com", "secret1", FirebaseError::WrongCredentials},
    };
    for (const auto& c : cases) {
        device.manager->signOut();
        QSignalSpy state(device.manager.get(), &FirebaseDataManager::authStateChanged);
        const AccountAnswer answer = run([&](auto done) {
            if (c.create)
                device.manager->createUser(c.email, c.password, done);
            else
                device.manager->signIn(c.email, c.password, done);
        });
        EXPECT_EQ(answer.error.code, c.expected) << c.email << " " << answer.error.message.toStdString();
        const bool signedIn = c.expected == FirebaseError::None;
        EXPECT_EQ(answer.user.isSignedIn(), signedIn) << c.email;
        EXPECT_EQ(device.manager->currentUser().email, signedIn ? QString(c.email) : QString()) << c.email;
        ASSERT_EQ(state.count(), signedIn ? 1 : 0) << c.email;
    }
}

TEST_P(FirebaseAccountTest, ResetMailAndLookupReportTheirOutcome)
{
    server.addAccount("kim@example.com", "secret1");
    server.addAccount("lee@example.com", "", "google.com");
    EXPECT_FALSE(reset("kim@example.com").isError());
    EXPECT_EQ(server.resetMails(), QStringList{"kim@example.com"});
    // A failed reset is reported, never passed off as sent; a protected
    // project answers alike for every address.
    EXPECT_EQ(reset("nobody@example.com").isError(), !enumerationProtection());
    EXPECT_EQ(server.resetMails(), QStringList{"kim@example.com"});
    server.injectFault(FakeFirebaseServer::Fault::Drop);
    EXPECT_EQ(reset("kim@example.com").code, FirebaseError::Network);

    // Only a lookup that names methods decides; an empty one cannot tell.
    const std::optional<bool> unknown;
    EXPECT_EQ(canSignIn("kim@example.com"), enumerationProtection() ? unknown : true);
    EXPECT_EQ(canSignIn("lee@example.com"), enumerationProtection() ? unknown : false);   // only another provider
    EXPECT_EQ(canSignIn("nobody@example.com"), unknown);
    server.injectFault(FakeFirebaseServer::Fault::ServerError);
    EXPECT_EQ(canSignIn("kim@example.com"), unknown);
}

TEST_P(FirebaseAccountTest, AnExpiredTokenIsRefreshedAndTheCallMadeAgain)
{
    server.addAccount("kim@example.com", "secret1");
    ASSERT_TRUE(device.signIn("kim@example.com", "secret1"));
    const QString id = device.addBill("Rent", 900);
    ASSERT_TRUE(QTest::qWaitFor([&] { return device.pendingWrites() == 0; }, 5000));

    server.expireIdTokens();
    const int refreshesBefore = server.refreshes();
    std::optional<FirebaseError> answer;
    device.manager->removeBillFromFirebase(id, [&](const FirebaseError& e) { answer = e; });
    ASSERT_TRUE(QTest::qWaitFor([&] { return answer.has_value(); }, 5000));
    EXPECT_FALSE(answer->isError()) << answer->message.toStdString();
    EXPECT_EQ(server.refreshes(), refreshesBefore + 1);
    EXPECT_TRUE(server.valueAt("users/" + device.manager->userUID() + "/" + id).isNull());
}

TEST_P(FirebaseAccountTest, ARevokedSessionSignsOut)
{
    server.addAccount("kim@example.com", "secret1");
    ASSERT_TRUE(device.signIn("kim@example.com", "secret1"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return server.openStreams() == 2; }, 3000));
    server.expireIdTokens();
    server.revokeRefreshTokens();
    QSignalSpy state(device.manager.get(), &FirebaseDataManager::authStateChanged);
    std::optional<FirebaseError> answer;
    device.manager->saveBillToFirebase({{BillKeys::Bid, "0123456789ABCDEF0123456789ABCDEF"}},
                                       "0123456789ABCDEF0123456789ABCDEF", [&](const FirebaseError& e) { answer = e; });
    ASSERT_TRUE(QTest::qWaitFor([&] { return answer.has_value(); }, 5000));
    EXPECT_EQ(answer->code, FirebaseError::SessionExpired);
    ASSERT_GE(state.count(), 1);
    EXPECT_FALSE(device.manager->currentUser().isSignedIn());
    EXPECT_TRUE(device.manager->userUID().isEmpty());
    EXPECT_TRUE(device.secrets.secrets.isEmpty());
}

TEST_P(FirebaseAccountTest, TheSessionOutlivesARestartOnlyWithAKeyring)
{
    server.addAccount("kim@example.com", "secret1");
    for (const bool keyring : {true, false}) {
        device.secrets.unavailable = !keyring;
        ASSERT_TRUE(device.signIn("kim@example.com", "secret1"));
        device.quit();
        device.start();
        const QString kept = keyring ? "kim@example.com" : "";
        EXPECT_TRUE(QTest::qWaitFor(
            [&] {
                return device.manager->currentUser().email == kept
                       && device.manager->userUID().isEmpty() == !keyring;
            },
            5000))
            << keyring;
        EXPECT_EQ(device.manager->currentUser().email, kept) << keyring;
        EXPECT_EQ(device.manager->userUID().isEmpty(), !keyring) << keyring;
        device.manager->signOut();
    }
}

INSTANTIATE_TEST_SUITE_P(Projects, FirebaseAccountTest, ::testing::Bool(),
                         [](const ::testing::TestParamInfo<bool>& info) {
                             return std::string(info.param ? "EnumerationProtected" : "Open");
                         });

TEST(FirebaseChildTrackerTest, StreamEventsBecomeChildChanges)
{
    using Kind = FirebaseChildTracker::Kind;
    FirebaseChildTracker tracker;
    const QVariantMap a{{"Name", "A"}};
    const QVariantMap b{{"Name", "B"}};
    const auto kinds = [](const QList<FirebaseChildTracker::Change>& changes) {
        QStringList text;
        for (const auto& change : changes)
            text << QString("%1:%2").arg(int(change.kind)).arg(change.key);
        return text.join(' ');
    };
    const QString added = QString::number(int(Kind::Added));
    const QString changed = QString::number(int(Kind::Changed));
    const QString removed = QString::number(int(Kind::Removed));
    EXPECT_EQ(kinds(tracker.apply("put", "/", QVariantMap{{"X", a}, {"Y", b}})), added + ":X " + added + ":Y");
    EXPECT_EQ(kinds(tracker.apply("put", "/X/Name", "A2")), changed + ":X");
    EXPECT_EQ(kinds(tracker.apply("patch", "/", QVariantMap{{"Z", a}, {"Y/Name", "B2"}})), changed + ":Y " + added + ":Z");
    EXPECT_EQ(kinds(tracker.apply("put", "/Z", QVariant())), removed + ":Z");
    EXPECT_EQ(kinds(tracker.apply("put", "/Y", QVariantMap{{"Name", "B2"}})), "");   // nothing new
    // A stream opened again starts with the whole node.
    const auto again = tracker.apply("put", "/", QVariantMap{{"X", QVariantMap{{"Name", "A2"}}}});
    EXPECT_EQ(kinds(again), removed + ":Y");
    EXPECT_EQ(again.first().value.toMap().value("Name"), "B2");
}
