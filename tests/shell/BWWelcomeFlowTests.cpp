// The welcome sheet of a version's first start, the older version's import
// window and its questions, and the data-folder actions the flow makes.
#include "FakeMainWindowScreens.h"
#include "ShellTestStore.h"

#include "shell/BWAppDelegate.h"
#include "shell/BWImportController.h"
#include "shell/BWObjectController.h"
#include "shell/BWSyncControls.h"
#include "shell/BWWelcomeSheet.h"
#include "support/ScriptedInteraction.h"
#include "sync/BWPhoneSync.h"
#include "widgets/KBButton.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

#include <gtest/gtest.h>

using namespace BWDefaultsKeys;

namespace {

class BWWelcomeFlowTest : public testing::Test
{
protected:
    BWWelcomeFlowTest()
    {
        delegate.setUserInteraction(user.interaction());
        delegate.setScreens({&overview, nullptr, nullptr, nullptr});
        QObject::connect(&delegate, &BWAppDelegate::startUpStepDone,
                         [this](const QString& step) { steps.append(step); });
    }

    shelltest::ShellTestStore store;
    ScriptedUser user;
    BWAppDelegate delegate{store.env, store.temp.file(QStringLiteral("calendars"))};
    FakeOverview overview{store.env};
    QStringList steps;
};

TEST_F(BWWelcomeFlowTest, TheFirstStartOfThisVersionGreetsAndStartUsingSettlesIt)
{
    ASSERT_TRUE(store.defaults.setBool(BW_IsFirstLaunchV8_NEW, true));
    ASSERT_TRUE(store.defaults.setBool(VacationEnabled, true));
    delegate.applicationDidFinishLaunching();
    EXPECT_GT(steps.indexOf("showWelcomeScreen"), steps.indexOf("showMainWindow"));
    ASSERT_NE(delegate.welcomeScreen(), nullptr);
    EXPECT_TRUE(delegate.welcomeScreen()->isVisible());
    ASSERT_TRUE(QTest::qWaitFor([this] { return steps.contains("backupDatabase"); }, 30000));
    EXPECT_TRUE(delegate.lastBackedUpMenuItem()->text().startsWith("Last Backed Up: Tue, Mar 5, 2024"));

    delegate.welcome().objectController()->goToNextPage();
    EXPECT_EQ(delegate.welcomeScreen()->welcomeTabView()->currentIndex(), 1);
    delegate.startUsing();
    EXPECT_FALSE(delegate.welcomeScreen()->isVisible());
    for (const QString& key : {BW_IsFirstLaunchV8_NEW, VacationEnabled, BWAvoidHolidays, FirstLaunchSinceiCloud2})
        EXPECT_FALSE(store.defaults.boolForKey(key)) << key.toStdString();
}

// The sheet starts the phone link over; its phone page signs up and turns
// on; starting to use Orvane settles the sync controls.
TEST_F(BWWelcomeFlowTest, TheSheetResetsThePhoneLinkAndItsPhonePageSignsUp)
{
    BWPhoneSync phone(store.env, [] { return true; });
    delegate.cloudSync().setChannels({nullptr, nullptr, nullptr, &phone});
    ASSERT_TRUE(store.defaults.setBool(BW_IsFirstLaunchV8_NEW, true));
    ASSERT_TRUE(store.defaults.setBool(BWDropboxPhoneSyncEnabled, true));
    ASSERT_TRUE(store.defaults.setObject(BWTurnSyncOffButtonTitle, QStringLiteral("Turn Off Sync")));
    delegate.applicationDidFinishLaunching();
    EXPECT_FALSE(store.defaults.boolForKey(BWDropboxPhoneSyncEnabled));
    EXPECT_TRUE(store.defaults.boolForKey(BWIsFirstPhoneSync));
    EXPECT_EQ(store.defaults.stringForKey(BWTurnSyncOffButtonTitle), QStringLiteral("Turn On Sync"));

    QTabWidget* pages = delegate.welcomeScreen()->welcomeTabView();
    delegate.welcome().objectController()->goToNextPage();
    auto* signUp = pages->currentWidget()->findChild<QPushButton*>(QStringLiteral("signUpAndContinue"));
    ASSERT_NE(signUp, nullptr);
    signUp->click();
    ASSERT_EQ(user.openedUrls.size(), 1);
    EXPECT_EQ(user.openedUrls.first(),
              QUrl(BWObjectController::addressOf(BWObjectController::HelpPage::PhoneEditionSignUp)));
    EXPECT_EQ(pages->currentIndex(), 2);

    ASSERT_TRUE(store.defaults.setBool(iCloudSyncEnabled2, true));
    delegate.startUsing();
    EXPECT_FALSE(delegate.cloudSync().syncControls()->manualSyncButton()->isHidden());
}

// The import window's sync switch shows what is stored, in Orvane's words.
TEST_F(BWWelcomeFlowTest, TheImportWindowShowsTheStoredSyncSwitch)
{
    for (const bool on : {true, false}) {
        ASSERT_TRUE(store.defaults.setBool(iCloudSyncEnabled2, on));
        delegate.showOrvane7ImportOptions();
        QCheckBox* sync = nullptr;
        for (QWidget* window : QApplication::topLevelWidgets())
            if (auto* box = window->findChild<QCheckBox*>(QStringLiteral("sync")); box && window->isVisible())
                sync = box;
        ASSERT_NE(sync, nullptr);
        EXPECT_EQ(sync->isChecked(), on);
        EXPECT_FALSE(sync->text().contains(QStringLiteral("iCloud")));
        EXPECT_EQ(store.defaults.boolForKey(iCloudSyncEnabled2), on) << "showing it changes nothing";
    }
}

TEST_F(BWWelcomeFlowTest, AReturningUserSeesNoSheet)
{
    delegate.applicationDidFinishLaunching();
    EXPECT_EQ(steps.indexOf("showWelcomeScreen"), -1);
    EXPECT_EQ(delegate.welcomeScreen(), nullptr);
}

TEST_F(BWWelcomeFlowTest, ReturnPressesNoButtonOfTheSheet)
{
    ASSERT_TRUE(store.defaults.setBool(BW_IsFirstLaunchV8_NEW, true));
    delegate.applicationDidFinishLaunching();
    for (int page = 0; page < 2; ++page) {
        QTest::keyClick(delegate.welcomeScreen(), Qt::Key_Return);
        EXPECT_EQ(delegate.welcomeScreen()->welcomeTabView()->currentIndex(), page);
        delegate.welcome().objectController()->goToNextPage();
    }
    EXPECT_TRUE(delegate.welcomeScreen()->isVisible());
    EXPECT_TRUE(store.defaults.boolForKey(BW_IsFirstLaunchV8_NEW));
}

// The data-folder actions and the importer are made once; when either has
// replaced the bills, the overview reads them again.
TEST_F(BWWelcomeFlowTest, TheDataFolderActionsAndTheImporterReloadAfterTheirWork)
{
    BWWelcomeFlow& welcome = delegate.welcome();
    BWObjectController* actions = welcome.objectController();
    BWImportController* importer = welcome.importer();
    EXPECT_EQ(welcome.objectController(), actions);
    EXPECT_EQ(welcome.importer(), importer);

    int loads = overview.loadCount;
    emit actions->dataFolderChanged();
    EXPECT_GT(overview.loadCount, loads);
    loads = overview.loadCount;
    emit importer->importFinished();
    EXPECT_GT(overview.loadCount, loads);
}

TEST_F(BWWelcomeFlowTest, NoOlderBillsToImportSaysSo)
{
    EXPECT_EQ(delegate.importVersion7Data(), 0);
    EXPECT_EQ(user.alerts, QStringList{"Nothing to Import"});
}

// The home folder is chosen after a word on what to choose; a cancelled
// choice ends there, and a folder without the older data says so.
TEST_F(BWWelcomeFlowTest, AHomeFolderWithoutOlderDataSaysSoAndChangesNothing)
{
    store.addBill(QStringLiteral("Rent"), 3);
    delegate.selectFolderForImport();
    EXPECT_EQ(user.alerts.size(), 1);
    EXPECT_TRUE(user.alerts.first().contains("home folder"));

    user.alerts.clear();
    user.foldersToChoose = {store.temp.file(QStringLiteral("home"))};
    ASSERT_TRUE(QDir().mkpath(user.foldersToChoose.first()));
    delegate.selectFolderForImport();
    EXPECT_EQ(user.alerts.size(), 2);
    EXPECT_EQ(user.alerts.last(), "No Orvane 7 Data Found");
    EXPECT_EQ(BWBillsLoader(store.env).loadBills().value_or(QVariantList()).size(), 1);
}

TEST_F(BWWelcomeFlowTest, ReimportingAsksFirstAndACancelChangesNothing)
{
    user.buttonsToPress = {0};
    delegate.reimportFromOrvane7();
    EXPECT_EQ(user.questions, QStringList{"WARNING: Are You Sure?"});
    EXPECT_FALSE(store.defaults.boolForKey(BW_IsFirstLaunchV8_NEW));
}

}  // namespace
