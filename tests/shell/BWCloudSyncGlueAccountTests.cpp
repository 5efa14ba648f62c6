#include "shell/BWAppDelegate.h"

#include "FakeMainWindowScreens.h"
#include "ShellTestStore.h"

#include "shell/BWMainMenu.h"
#include "shell/BWOrvaneCloudLoginController.h"
#include "support/FakeCloudAccount.h"
#include "support/ScriptedInteraction.h"

#include <QAction>
#include <QMenu>
#include <QToolBar>

#include <gtest/gtest.h>

namespace {

const BWCloudAccount::User Sam{QStringLiteral("UID-SAM"), QStringLiteral("sam@example.com")};
const BWCloudAccount::User Kim{QStringLiteral("UID-KIM"), QStringLiteral("kim@example.com")};

// The delegate over the real store, with stand-in screens and a fake
// account; tables make one run per case.
struct CloudAccountRun
{
    void start(BWCloudAccount* cloudAccount)
    {
        delegate.setUserInteraction(user.interaction());
        delegate.cloudSync().setCloudAccount(cloudAccount);
        delegate.setScreens({&overview, &billPage, &editor, &payLogger});
        delegate.awakeFromNib();
        delegate.applicationDidFinishLaunching();
    }
    void start() { start(&account); }

    shelltest::ShellTestStore store;
    FakeCloudAccount account;
    ScriptedUser user;
    BWAppDelegate delegate{store.env, store.temp.file(QStringLiteral("calendars"))};
    FakeOverview overview{store.env};
    FakeBillPage billPage;
    FakeEditor editor{store.env};
    FakeLogPaymentPanel payLogger;
};

class CloudAccountGlueTest : public testing::Test, public CloudAccountRun
{ };

TEST_F(CloudAccountGlueTest, AccountIsOfferedOnlyWhenTheUserSetItUp)
{
    struct Case
    {
        const char* name;
        bool hasAccount;
        bool configured;
    };
    const Case cases[] = {{"no account", false, false}, {"no settings", true, false}, {"set up", true, true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CloudAccountRun fixture;
        fixture.account.configured = c.configured;
        fixture.start(c.hasAccount ? &fixture.account : nullptr);
        BWAppDelegate& delegate = fixture.delegate;

        const bool offered = c.hasAccount && c.configured;
        EXPECT_EQ(fixture.account.configureCalls, c.hasAccount ? 1 : 0);
        EXPECT_EQ(delegate.loginController() != nullptr, offered);
        QAction* item = delegate.cloudSync().cloudAccountAction();
        ASSERT_EQ(item != nullptr, offered);
        if (!offered)
            continue;
        EXPECT_TRUE(delegate.window().mainMenu()->fileMenu()->actions().contains(item));
        EXPECT_TRUE(delegate.window().mainMenu()->toolbar()->actions().contains(item));
        item->trigger();
        EXPECT_TRUE(delegate.loginController()->isShown());
    }
}

TEST_F(CloudAccountGlueTest, SyncStartsOncePerSignInAndStopsAtSignOut)
{
    struct Step
    {
        const char* name;
        std::function<void(FakeCloudAccount&)> happen;
        int listens;
        int uploads;
        int stops;
        QString userUID;
    };
    const auto report
        = [](const BWCloudAccount::User& who) { return [who](FakeCloudAccount& account) { account.changeUser(who); }; };
    const Step steps[] = {
        {"signed in", report(Sam), 1, 1, 0, Sam.uid},
        {"reported again", report(Sam), 1, 1, 0, Sam.uid},
        {"token refreshed", report(Sam), 1, 1, 0, Sam.uid},
        {"signed out", [](FakeCloudAccount& account) { account.signOut(); }, 1, 1, 1, QString()},
        {"signed out again", report({}), 1, 1, 1, QString()},
        {"signed in again", report(Sam), 2, 2, 1, Sam.uid},
        {"another account", report(Kim), 3, 3, 2, Kim.uid},
    };
    start();
    EXPECT_EQ(account.listenCalls, 0);
    for (const Step& step : steps) {
        SCOPED_TRACE(step.name);
        step.happen(account);
        EXPECT_EQ(account.listenCalls, step.listens);
        EXPECT_EQ(account.uploadAllCalls, step.uploads);
        EXPECT_EQ(account.stopCalls, step.stops);
        EXPECT_EQ(account.userUID, step.userUID);
    }
}

TEST_F(CloudAccountGlueTest, SessionKeptFromTheLastRunStartsTheSyncAtLaunch)
{
    account.user = Sam;
    start();
    EXPECT_EQ(account.userUID, Sam.uid);
    EXPECT_EQ(account.listenCalls, 1);
    EXPECT_EQ(account.uploadAllCalls, 1);
    // The session's first report after start-up is no second sign-in.
    account.changeUser(Sam);
    EXPECT_EQ(account.listenCalls, 1);
}

TEST_F(CloudAccountGlueTest, SignInInThePopoverStartsTheSyncOnce)
{
    start();
    BWOrvaneCloudLoginController& popover = *delegate.loginController();
    popover.openOrvaneCloudScreen();
    popover.emailAddressField()->setText(Sam.email);
    popover.checkIfAccountExistsForEmailAddress();
    account.answerLookup(true);
    popover.passwordField()->setText(QStringLiteral("hunter22"));
    popover.signInButton()->click();
    account.answer();
    EXPECT_EQ(popover.shownTab(), BWOrvaneCloudLoginController::Tab::SignedIn);
    EXPECT_EQ(account.listenCalls, 1);
    EXPECT_EQ(account.uploadAllCalls, 1);
}

TEST_F(CloudAccountGlueTest, ArrivingBillsReloadWhatShowsThem)
{
    struct Case
    {
        const char* name;
        bool onBillPage;
        bool changeShownBill;
        bool deleted;
        QStringList billPageLoads;  // after opening it
        QString shownPaneSet;
    };
    const QString shown = QStringLiteral("shown");
    const QString other = QStringLiteral("other");
    const Case cases[] = {
        {"overview", false, false, false, {}, BWAppDelegate::OverviewPaneSet},
        {"the bill shown", true, true, false, {shown}, BWAppDelegate::BillPaneSet},
        {"another bill", true, false, false, {}, BWAppDelegate::BillPaneSet},
        {"the bill shown, removed", true, true, true, {}, BWAppDelegate::OverviewPaneSet},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CloudAccountRun fixture;
        const QHash<QString, QString> ids{{shown, fixture.store.addBill(QStringLiteral("Rent"), 3)},
                                          {other, fixture.store.addBill(QStringLiteral("Power"), 5)}};
        fixture.start();
        if (c.onBillPage)
            fixture.delegate.showBillFromSearch(ids[shown]);
        const int overviewLoads = fixture.overview.loadCount;
        const qsizetype pageLoads = fixture.billPage.loadedIDs.size();

        const QString changed = ids[c.changeShownBill ? shown : other];
        if (c.deleted) {
            ASSERT_TRUE(BWBill(fixture.store.env).deleteBillWithBid(changed));
            emit fixture.account.billDeletedInFirebase({{BillKeys::Bid, changed}});
        } else {
            emit fixture.account.billAddedFromFirebase({{BillKeys::Bid, changed}});
        }

        EXPECT_GT(fixture.overview.loadCount, overviewLoads);
        QStringList reloaded;
        for (const QString& id : fixture.billPage.loadedIDs.mid(pageLoads))
            reloaded << ids.key(id);
        EXPECT_EQ(reloaded, c.billPageLoads);
        EXPECT_EQ(fixture.delegate.visibleView(), c.shownPaneSet);
    }
}

}  // namespace
