#include "shell/BWOrvaneCloudLoginController.h"

#include "support/FakeCloudAccount.h"
#include "support/ScriptedInteraction.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace {

using Tab = BWOrvaneCloudLoginController::Tab;

const QString Address = QStringLiteral("sam@example.com");

// Which of the sign-in page's controls are set to show.
QStringList shownControls(const BWOrvaneCloudLoginController& popover)
{
    QStringList shown;
    const std::pair<const char*, QWidget*> controls[] = {
        {"password", popover.passwordField()},      {"next", popover.nextButton()},
        {"signIn", popover.signInButton()},         {"signUp", popover.signUpButton()},
        {"forgot", popover.forgotPasswordButton()}, {"already", popover.alreadyHaveAccountButton()},
        {"loading", popover.loadingBar()},          {"error", popover.errorField()},
    };
    for (const auto& [name, control] : controls) {
        if (!control->isHidden())
            shown << QString::fromLatin1(name);
    }
    return shown;
}

// A popover over a fake account, with a scripted user; tables make one per
// case.
struct PopoverRun
{

    void openSignedOut()
    {
        popover.openOrvaneCloudScreen();
        ASSERT_TRUE(popover.isShown());
        ASSERT_EQ(popover.shownTab(), Tab::SignIn);
    }

    // Opens the popover at its address step, reached afresh or through
    // "already have an account".
    void openAddressStep(bool afterAlreadyHaveAccount)
    {
        popover.openOrvaneCloudScreen();
        if (afterAlreadyHaveAccount)
            popover.alreadyHaveAccount();
    }

    // Types the address, presses Return and has the lookup answered.
    void lookUp(const QString& typed, std::optional<bool> canSignIn)
    {
        QTest::keyClicks(popover.emailAddressField(), typed);
        QTest::keyClick(popover.emailAddressField(), Qt::Key_Return);
        ASSERT_TRUE(account.hasPendingRequest());
        account.answerLookup(canSignIn);
    }

    void typePasswordAndReturn(const QString& password)
    {
        QTest::keyClicks(popover.passwordField(), password);
        QTest::keyClick(popover.passwordField(), Qt::Key_Return);
    }

    // Opens the popover and enters `email`; the lookup answers `canSignIn`.
    void reachPasswordStep(const QString& email, std::optional<bool> canSignIn)
    {
        popover.openOrvaneCloudScreen();
        popover.emailAddressField()->setText(email);
        popover.checkIfAccountExistsForEmailAddress();
        account.answerLookup(canSignIn);
    }

    FakeCloudAccount account;
    ScriptedUser user;
    BWOrvaneCloudLoginController popover{account, user.interaction()};
};

class CloudLoginTest : public testing::Test, public PopoverRun
{
};

TEST_F(CloudLoginTest, LookupAnswerDecidesTheNextStep)
{
    struct Case
    {
        const char* name;
        std::optional<bool> canSignIn;
        bool afterAlreadyHaveAccount;
        QStringList shown;
        QStringList alerts;
    };
    const Case cases[] = {
        {"account found", true, false, {"password", "signIn", "forgot"}, {}},
        {"new address", false, false, {"password", "signUp", "already"}, {}},
        {"new address, sign-up refused", false, true, {"next"}, {"Account Not Found"}},
        // A project that hides which addresses have accounts: a sign-in tells.
        {"lookup cannot tell", std::nullopt, false, {"password", "signIn", "forgot"}, {}},
        {"lookup cannot tell, sign-up refused", std::nullopt, true, {"password", "signIn", "forgot"}, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        PopoverRun run;
        auto& [account, user, popover] = run;
        run.openAddressStep(c.afterAlreadyHaveAccount);
        run.lookUp(Address, c.canSignIn);
        EXPECT_EQ(account.requests, QStringList{QStringLiteral("lookup ") + Address});

        EXPECT_EQ(shownControls(popover), c.shown);
        EXPECT_EQ(user.alerts, c.alerts);
    }
}

TEST_F(CloudLoginTest, ARefusedSignInOffersANewAccountAndAResetMail)
{
    struct Case
    {
        const char* name;
        bool afterAlreadyHaveAccount;
        QStringList offered;
        QString then;   // the request the offered step sends
    };
    const Case cases[] = {
        {"new accounts allowed", false, {"password", "signIn", "signUp", "forgot", "error"},
         "createUser sam@example.com hunter22"},
        {"after already having an account", true, {"password", "signIn", "forgot", "error"}, "reset sam@example.com"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        PopoverRun run;
        auto& [account, user, popover] = run;
        run.openAddressStep(c.afterAlreadyHaveAccount);
        run.lookUp(Address, std::nullopt);
        run.typePasswordAndReturn(QStringLiteral("hunter22"));
        EXPECT_EQ(account.requests.last(), QStringLiteral("signIn sam@example.com hunter22"));
        account.refuseCredentials();

        EXPECT_EQ(shownControls(popover), c.offered);
        EXPECT_EQ(user.alerts, QStringList{QStringLiteral("Sign In Failed")});
        EXPECT_TRUE(popover.errorField()->text().startsWith(QStringLiteral("The password is wrong, or this address")));
        // Return tries the sign-in again; the offered steps are a click away.
        QTest::keyClick(popover.passwordField(), Qt::Key_Return);
        EXPECT_EQ(account.requests.last(), QStringLiteral("signIn sam@example.com hunter22"));
        account.refuseCredentials();
        (c.afterAlreadyHaveAccount ? popover.forgotPasswordButton() : popover.signUpButton())->click();
        EXPECT_EQ(account.requests.last(), c.then);
    }
}

TEST_F(CloudLoginTest, UsingAnotherAddressGoesBackToTheAddressAlone)
{
    openSignedOut();
    lookUp(Address, true);
    QTest::keyClicks(popover.passwordField(), QStringLiteral("secret"));
    popover.editEmailAddressButton()->click();
    EXPECT_EQ(shownControls(popover), QStringList{QStringLiteral("next")});
    EXPECT_TRUE(popover.passwordField()->text().isEmpty());
}

TEST_F(CloudLoginTest, SignInShowsProgressThenTheAccountOrWhatWentWrong)
{
    struct Case
    {
        const char* name;
        QString error;
        Tab tab;
        QStringList alerts;
        QString shownError;
    };
    const Case cases[] = {
        {"signed in", QString(), Tab::SignedIn, {}, QString()},
        {"wrong password", QStringLiteral("The email address or the password is wrong."), Tab::SignIn,
         {QStringLiteral("Sign In Failed")}, QStringLiteral("The email address or the password is wrong.")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        PopoverRun run;
        auto& [account, user, popover] = run;
        run.reachPasswordStep(Address, true);
        QTest::keyClicks(popover.passwordField(), QStringLiteral("hunter22"));
        QTest::keyClick(popover.passwordField(), Qt::Key_Return);

        EXPECT_EQ(account.requests.last(), QStringLiteral("signIn sam@example.com hunter22"));
        EXPECT_FALSE(popover.loadingBar()->isHidden());
        EXPECT_FALSE(popover.signInButton()->isEnabled());
        // A second Return while signing in sends nothing more.
        QTest::keyClick(popover.passwordField(), Qt::Key_Return);
        EXPECT_EQ(account.requests.size(), 2);

        account.answer(c.error);
        EXPECT_TRUE(popover.loadingBar()->isHidden());
        EXPECT_EQ(popover.shownTab(), c.tab);
        EXPECT_EQ(user.alerts, c.alerts);
        EXPECT_EQ(popover.errorField()->isHidden(), c.shownError.isEmpty());
        EXPECT_EQ(popover.errorField()->text(), c.shownError);
        if (c.tab == Tab::SignedIn) {
            EXPECT_EQ(popover.cloudAccountField()->text(), Address);
            EXPECT_TRUE(popover.isLoggedIn());
        } else {
            EXPECT_TRUE(popover.signInButton()->isEnabled());
        }
        // Starting the sync is the shell's, whoever signed in.
        EXPECT_EQ(account.listenCalls, 0);
    }
}

TEST_F(CloudLoginTest, SignUpChecksAddressAndPasswordAndLowerCasesTheAddress)
{
    struct Case
    {
        const char* name;
        QString typedEmail;
        QString password;
        QString request;   // empty: nothing sent
        QStringList alerts;
    };
    const Case cases[] = {
        {"upper-case address", QStringLiteral(" Sam@Example.COM "), QStringLiteral("sixsix"),
         QStringLiteral("createUser sam@example.com sixsix"), {}},
        {"not an address", QStringLiteral("sam at example"), QStringLiteral("sixsix"), QString(),
         {QStringLiteral("Invalid Email Address")}},
        {"five characters", Address, QStringLiteral("five5"), QString(), {QStringLiteral("Password Too Short")}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        PopoverRun run;
        auto& [account, user, popover] = run;
        run.reachPasswordStep(c.typedEmail, false);
        popover.passwordField()->setText(c.password);
        popover.signUpButton()->click();

        EXPECT_EQ(account.requests.size() == 2 ? account.requests.last() : QString(), c.request);
        EXPECT_EQ(user.alerts, c.alerts);
        EXPECT_EQ(popover.errorField()->isHidden(), c.alerts.isEmpty());
        if (!c.request.isEmpty()) {
            account.answer();
            EXPECT_EQ(popover.shownTab(), Tab::SignedIn);
            EXPECT_EQ(popover.email(), QStringLiteral("sam@example.com"));
        }
    }
}

TEST_F(CloudLoginTest, FailedSignUpSaysSoAndWhy)
{
    openSignedOut();
    lookUp(Address, false);
    typePasswordAndReturn(QStringLiteral("sixsix"));
    account.answer(QStringLiteral("An account with this email address exists already."));
    EXPECT_EQ(user.alerts, QStringList{QStringLiteral("Error Creating Account")});
    EXPECT_EQ(popover.errorField()->text(), QStringLiteral("An account with this email address exists already."));
    EXPECT_EQ(popover.shownTab(), Tab::SignIn);
    EXPECT_TRUE(popover.signUpButton()->isEnabled());
}

TEST_F(CloudLoginTest, PasswordResetReportsWhatHappened)
{
    struct Case
    {
        const char* name;
        QString error;
        QString alert;
    };
    const Case cases[] = {
        {"sent", QString(), QStringLiteral("Message Sent")},
        {"failed", QStringLiteral("Orvane Cloud could not be reached."), QStringLiteral("Password Reset Failed")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        PopoverRun run;
        auto& [account, user, popover] = run;
        run.reachPasswordStep(QStringLiteral("SAM@example.com"), true);
        popover.forgotPasswordButton()->click();
        EXPECT_EQ(account.requests.last(), QStringLiteral("reset sam@example.com"));
        account.answer(c.error);
        EXPECT_EQ(user.alerts, QStringList{c.alert});
        if (!c.error.isEmpty()) {
            EXPECT_EQ(user.alertDetails, QStringList{c.error});
        }
    }
}

TEST_F(CloudLoginTest, NextWithoutAnAddressAsksForOne)
{
    openSignedOut();
    popover.nextButton()->click();
    EXPECT_TRUE(account.requests.isEmpty());
    EXPECT_EQ(user.alerts, QStringList{QStringLiteral("No Email Address")});
}

TEST_F(CloudLoginTest, SignedInPageShowsAccountAndFollowsTheConnection)
{
    account.user = {QStringLiteral("UID1"), Address};
    account.connected = false;
    popover.openOrvaneCloudScreen();
    EXPECT_EQ(popover.shownTab(), Tab::SignedIn);
    EXPECT_EQ(popover.cloudAccountField()->text(), Address);
    EXPECT_EQ(popover.cloudStatusField()->text(), QStringLiteral("Disconnected"));
    emit account.connectedChanged(true);
    EXPECT_EQ(popover.cloudStatusField()->text(), QStringLiteral("Connected"));
    emit account.connectedChanged(false);
    EXPECT_EQ(popover.cloudStatusField()->text(), QStringLiteral("Disconnected"));
}

TEST_F(CloudLoginTest, OpeningWhileShownChangesNothingAndEscapeCloses)
{
    openSignedOut();
    lookUp(Address, true);
    account.user = {QStringLiteral("UID1"), Address};
    popover.openOrvaneCloudScreen();
    EXPECT_EQ(popover.shownTab(), Tab::SignIn);
    EXPECT_FALSE(popover.passwordField()->isHidden());
    QTest::keyClick(popover.passwordField(), Qt::Key_Escape);
    EXPECT_FALSE(popover.isShown());
}

TEST_F(CloudLoginTest, SignOutAsksFirst)
{
    struct Case
    {
        const char* name;
        QList<int> buttons;
        int signOuts;
        Tab tab;
    };
    const Case cases[] = {
        {"sign out", {0}, 1, Tab::SignIn},
        {"cancel", {1}, 0, Tab::SignedIn},
        {"dismissed", {}, 0, Tab::SignedIn},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        PopoverRun run;
        auto& [account, user, popover] = run;
        account.user = {QStringLiteral("UID1"), Address};
        user.buttonsToPress = c.buttons;
        popover.openOrvaneCloudScreen();
        popover.signOutButton()->click();
        EXPECT_EQ(user.questions, QStringList{QStringLiteral("Really Sign Out?")});
        EXPECT_EQ(account.signOutCalls, c.signOuts);
        EXPECT_EQ(popover.shownTab(), c.tab);
        EXPECT_EQ(popover.isLoggedIn(), c.tab == Tab::SignedIn);
    }
}

TEST_F(CloudLoginTest, SessionEndedElsewhereShowsTheSignInPage)
{
    account.user = {QStringLiteral("UID1"), Address};
    popover.openOrvaneCloudScreen();
    account.changeUser({});
    EXPECT_EQ(popover.shownTab(), Tab::SignIn);
    EXPECT_FALSE(popover.isLoggedIn());
    EXPECT_EQ(shownControls(popover), QStringList{QStringLiteral("next")});
}

TEST(CloudLoginAddressTest, AcceptsTheUsualLowerCaseForms)
{
    const std::pair<const char*, bool> cases[] = {
        {"sam@example.com", true},
        {"first.last+tag@mail.example.co.uk", true},
        {"\"odd@person\"@example.com", true},
        {"\"odd person\"@example.com", false},
        {"sam@[192.168.1.20]", true},
        {"Sam@example.com", false},
        {"sam@", false},
        {"sam@example.com trailing", false},
        {"sam@-example.com", false},
        {"sam@[256.1.1.1]", false},
    };
    for (const auto& [address, valid] : cases)
        EXPECT_EQ(BWOrvaneCloudLoginController::isValidEmailAddress(QString::fromLatin1(address)), valid) << address;
}

}  // namespace
