// The account popover over the Firebase store and a server of its own, with
// and without email-enumeration protection: a second computer signs in to an
// account made on the first, and a new address gets its account.
#include "shell/BWFirebaseCloudAccount.h"
#include "shell/BWOrvaneCloudLoginController.h"

#include "support/FirebaseTestDevice.h"
#include "support/ScriptedInteraction.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace {

using Tab = BWOrvaneCloudLoginController::Tab;

class CloudSignInOverFirebaseTest : public ::testing::TestWithParam<bool>
{
protected:
    CloudSignInOverFirebaseTest() { server.setEnumerationProtection(GetParam()); }

    // Types the address and Return, then waits for the password step.
    void enterAddress(const QString& email)
    {
        popover.openOrvaneCloudScreen();
        QTest::keyClicks(popover.emailAddressField(), email);
        QTest::keyClick(popover.emailAddressField(), Qt::Key_Return);
        ASSERT_TRUE(QTest::qWaitFor([this] { return !popover.passwordField()->isHidden(); }, 5000));
    }
    // Types the password and Return; waits until the step has its answer.
    void enterPassword(const QString& password)
    {
        QTest::keyClicks(popover.passwordField(), password);
        QTest::keyClick(popover.passwordField(), Qt::Key_Return);
        ASSERT_TRUE(QTest::qWaitFor([this] { return popover.loadingBar()->isHidden(); }, 5000));
    }
    void click(QPushButton* step)
    {
        ASSERT_FALSE(step->isHidden());
        step->click();
        ASSERT_TRUE(QTest::qWaitFor([this] { return popover.loadingBar()->isHidden(); }, 5000));
    }

    FakeFirebaseServer server;
    FirebaseTestDevice device{server};
    BWFirebaseCloudAccount account{*device.manager};
    ScriptedUser user;
    BWOrvaneCloudLoginController popover{account, user.interaction()};
};

}  // namespace

TEST_P(CloudSignInOverFirebaseTest, ASecondComputerSignsInToTheAccount)
{
    server.addAccount("kim@example.com", "secret1");
    enterAddress("kim@example.com");
    enterPassword("secret1");
    EXPECT_EQ(popover.shownTab(), Tab::SignedIn);
    EXPECT_EQ(popover.email(), "kim@example.com");
    EXPECT_TRUE(user.alerts.isEmpty());
}

TEST_P(CloudSignInOverFirebaseTest, ANewAddressIsOfferedItsAccountAfterTheSignInIsRefused)
{
    enterAddress("new@example.com");
    enterPassword("secret2");
    EXPECT_EQ(popover.shownTab(), Tab::SignIn);
    EXPECT_FALSE(popover.errorField()->isHidden());
    click(popover.signUpButton());
    EXPECT_EQ(popover.shownTab(), Tab::SignedIn);
    EXPECT_EQ(device.manager->currentUser().email, "new@example.com");
}

TEST_P(CloudSignInOverFirebaseTest, AWrongPasswordIsOfferedAResetMail)
{
    server.addAccount("kim@example.com", "secret1");
    enterAddress("kim@example.com");
    enterPassword("not it");
    EXPECT_EQ(popover.shownTab(), Tab::SignIn);
    click(popover.forgotPasswordButton());
    EXPECT_EQ(server.resetMails(), QStringList{"kim@example.com"});
    EXPECT_EQ(user.alerts.last(), "Message Sent");
}

INSTANTIATE_TEST_SUITE_P(Projects, CloudSignInOverFirebaseTest, ::testing::Bool(),
                         [](const ::testing::TestParamInfo<bool>& info) {
                             return std::string(info.param ? "EnumerationProtected" : "Open");
                         });
