// The data-folder actions and the older version's import, driven as a user
// would, with scripted dialog answers.
#include "ShellTestStore.h"
#include "FakeMainWindowScreens.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTest>

#include <gtest/gtest.h>

#include "platform/DataFolderLock.h"
#include "platform/PropertyList.h"
#include "shell/BWAppDelegate.h"
#include "shell/BWImportController.h"
#include "shell/BWObjectController.h"
#include "shell/BWPreferencePanes.h"
#include "shell/MGPreferencePanel.h"
#include "shell/BWSyncControls.h"
#include "shell/BWWelcomeSheet.h"
#include "sync/BWPhoneSync.h"
#include "widgets/KBButton.h"
#include "support/ScriptedInteraction.h"

using namespace BWDefaultsKeys;

// The preferences window with its panes, as the program fills it.
struct PreferencesWindow
{
    PreferencesWindow(UserDefaults& defaults, BWPreferencePanes::Services services)
        : panes(defaults, std::move(services))
    {
        panes.fill(panel);
    }

    QPushButton* button(MGPreferencePanel::Pane pane, const QString& text) const
    {
        for (QPushButton* found : panel.pane(pane)->findChildren<QPushButton*>())
            if (found->text() == text)
                return found;
        return nullptr;
    }

    BWPreferencePanes panes;
    MGPreferencePanel panel;
};

class DataFolderActionsTest : public testing::Test
{
protected:
    DataFolderActionsTest() { store.addBill(QStringLiteral("Rent"), 3); }

    QString dataFolder() { return BWBillsLoader(store.env).orvaneDirectory(); }
    qsizetype billCount() { return BWBillsLoader(store.env).loadBills().value_or(QVariantList()).size(); }
    // The panes reach this test's data folder and its actions.
    BWPreferencePanes::Services preferenceServices()
    {
        BWPreferencePanes::Services services;
        services.dataFolder = dataFolder();
        services.dataFolderActions = &actions;
        return services;
    }

    shelltest::ShellTestStore store;
    ScriptedUser user;
    BWObjectController actions{store.env, user.interaction()};
    QSignalSpy reloads{&actions, &BWObjectController::dataFolderChanged};
};

TEST_F(DataFolderActionsTest, MovingToAChosenFolderAndBackKeepsTheBills)
{
    const QString chosen = store.temp.file(QStringLiteral("chosen"));
    QDir().mkpath(chosen);
    user.foldersToChoose = {chosen};
    actions.moveToNewSecurityScopedDatabaseLocation();
    EXPECT_EQ(user.alerts, QStringList{"Database Moved"});
    EXPECT_EQ(dataFolder(), chosen + "/Orvane.ovdata");
    EXPECT_EQ(billCount(), 1);

    actions.resetDatabaseLocation();
    EXPECT_EQ(user.alerts.last(), "Database Reset");
    EXPECT_EQ(dataFolder(), store.env.defaultDataFolder);
    EXPECT_FALSE(store.defaults.boolForKey(BWCustomLocationEnabled));
    EXPECT_EQ(billCount(), 1);
    EXPECT_EQ(reloads.count(), 2);

    actions.resetDatabaseLocation();  // already at the default place: nothing
    EXPECT_EQ(reloads.count(), 2);
}

TEST_F(DataFolderActionsTest, AFolderThatCannotTakeTheDataSaysSoAndChangesNothing)
{
    user.foldersToChoose = {dataFolder(), store.temp.file(QStringLiteral("missing"))};
    actions.moveToNewSecurityScopedDatabaseLocation();
    actions.moveToNewSecurityScopedDatabaseLocation();
    EXPECT_EQ(user.alerts, (QStringList{"The Database Was Not Moved", "The folder could not be used"}));
    EXPECT_FALSE(store.defaults.boolForKey(BWCustomLocationEnabled));
    EXPECT_EQ(billCount(), 1);
    EXPECT_EQ(reloads.count(), 0);
}

// The lock follows the data folder; a place another copy of Orvane uses is
// refused before anything is copied.
TEST_F(DataFolderActionsTest, TheDataFolderLockFollowsAMoveAndABusyPlaceIsRefused)
{
    const QString locks = store.temp.file(QStringLiteral("run"));
    const QString original = dataFolder();
    DataFolderLock held(original, locks);
    ASSERT_TRUE(held.tryLock());
    actions.setDataFolderLock(&held);
    const auto lockIsFree = [&](const QString& folder) { return DataFolderLock(folder, locks).tryLock(); };

    const QString busy = store.temp.file(QStringLiteral("busy"));
    const QString chosen = store.temp.file(QStringLiteral("chosen"));
    QDir().mkpath(busy);
    QDir().mkpath(chosen);
    DataFolderLock otherCopy(busy + "/Orvane.ovdata", locks);
    ASSERT_TRUE(otherCopy.tryLock());
    user.foldersToChoose = {busy, chosen};

    actions.moveToNewSecurityScopedDatabaseLocation();
    EXPECT_EQ(user.alerts, QStringList{"The Database Is In Use"});
    EXPECT_EQ(dataFolder(), original);
    EXPECT_FALSE(QFileInfo::exists(busy + "/Orvane.ovdata"));
    EXPECT_FALSE(lockIsFree(original));

    actions.moveToNewSecurityScopedDatabaseLocation();
    EXPECT_EQ(user.alerts.last(), "Database Moved");
    EXPECT_TRUE(lockIsFree(original));
    EXPECT_FALSE(lockIsFree(chosen + "/Orvane.ovdata"));

    actions.resetDatabaseLocation();
    EXPECT_EQ(dataFolder(), original);
    EXPECT_FALSE(lockIsFree(original));
    EXPECT_TRUE(lockIsFree(chosen + "/Orvane.ovdata"));
    EXPECT_EQ(billCount(), 1);
}

TEST_F(DataFolderActionsTest, DropboxTakesOnlyAFolderNamedDropboxAndUsesDataFoundThere)
{
    const QString dropbox = store.temp.file(QStringLiteral("home/Dropbox"));
    QDir().mkpath(dropbox + "/Apps/Orvane/Orvane.ovdata");
    ASSERT_TRUE(PropertyList::write(dropbox + "/Apps/Orvane/Orvane.ovdata/billindex.plist",
                                    QVariantMap{{IndexKeys::ActiveBills, QVariantList{}}}));
    const QString before = dataFolder();
    user.buttonsToPress = {1, 0, 0, 0};   // cancel; go on, wrong folder acknowledged; go on
    user.foldersToChoose = {store.temp.file(QStringLiteral("home")), dropbox};
    actions.startSync();
    EXPECT_TRUE(user.questions.size() == 1 && reloads.isEmpty());
    actions.startSync();
    EXPECT_EQ(user.questions.last(), "Wrong Folder Selected");
    actions.startSync();

    EXPECT_TRUE(store.defaults.boolForKey(BWDropboxSyncEnabled));
    EXPECT_EQ(dataFolder(), dropbox + "/Apps/Orvane/Orvane.ovdata");
    EXPECT_EQ(billCount(), 0);                          // the data found there
    EXPECT_TRUE(QFileInfo(before + "/billindex.plist").exists());  // the local data stays
    EXPECT_EQ(reloads.count(), 1);
}

// After another data folder was opened, the usual place still holds the
// bills used before: moving back asks, and keeps them aside instead of
// writing over them.
TEST_F(DataFolderActionsTest, MovingBackOverOtherBillsAsksAndKeepsThemAside)
{
    const QString usual = dataFolder();
    const QString elsewhere = store.temp.file(QStringLiteral("elsewhere"));
    QDir().mkpath(elsewhere + "/Orvane.ovdata");
    ASSERT_TRUE(PropertyList::write(elsewhere + "/Orvane.ovdata/billindex.plist",
                                    QVariantMap{{IndexKeys::ActiveBills, QVariantList{}}}));
    const QString rentFile
        = QDir(usual).entryList({QStringLiteral("*.plist")}).filter(QRegularExpression("^[0-9A-F]{32}")).value(0);
    ASSERT_FALSE(rentFile.isEmpty());
    user.foldersToChoose = {elsewhere};
    actions.loadSecurityScopedDatabase();
    ASSERT_EQ(dataFolder(), elsewhere + "/Orvane.ovdata");

    user.buttonsToPress = {1};  // Cancel
    actions.resetDatabaseLocation();
    EXPECT_EQ(user.questions, QStringList{"The Usual Place Holds Other Bills"});
    EXPECT_EQ(dataFolder(), elsewhere + "/Orvane.ovdata");
    EXPECT_TRUE(QFileInfo::exists(usual + "/" + rentFile));

    user.buttonsToPress = {0};  // keep them aside and move back
    actions.resetDatabaseLocation();
    EXPECT_EQ(user.alerts.last(), "Database Reset");
    EXPECT_EQ(dataFolder(), usual);
    EXPECT_EQ(billCount(), 0);
    EXPECT_FALSE(QFileInfo::exists(usual + "/" + rentFile));
    const QStringList keptAside
        = QDir(QFileInfo(usual).absolutePath()).entryList({QStringLiteral("Kept aside*")}, QDir::Dirs);
    ASSERT_EQ(keptAside.size(), 1);
    const QString keptFolder = QFileInfo(usual).absolutePath() + "/" + keptAside.first();
    EXPECT_TRUE(user.alertDetails.last().contains(keptFolder));
    EXPECT_TRUE(QFileInfo::exists(keptFolder + "/Orvane.ovdata/" + rentFile));

    // The bills kept aside open again as any data folder elsewhere.
    user.foldersToChoose = {keptFolder};
    actions.loadSecurityScopedDatabase();
    EXPECT_EQ(billCount(), 1);
}

TEST_F(DataFolderActionsTest, AFailedMoveBackSaysSoAndKeepsTheChosenPlace)
{
    const QString chosen = store.temp.file(QStringLiteral("chosen"));
    QDir().mkpath(chosen);
    user.foldersToChoose = {chosen};
    actions.moveToNewSecurityScopedDatabaseLocation();
    ASSERT_EQ(dataFolder(), chosen + "/Orvane.ovdata");
    // The usual place can't be made: a file stands where its folder was.
    const QString usualParent = QFileInfo(store.env.defaultDataFolder).absolutePath();
    ASSERT_TRUE(QDir(usualParent).removeRecursively());
    QFile blocker(usualParent);
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();

    actions.resetDatabaseLocation();
    EXPECT_EQ(user.alerts.last(), "The Database Was Not Moved Back");
    EXPECT_EQ(dataFolder(), chosen + "/Orvane.ovdata");
    EXPECT_TRUE(store.defaults.boolForKey(BWCustomLocationEnabled));
    EXPECT_EQ(billCount(), 1);
    EXPECT_EQ(reloads.count(), 1) << "only the move reloaded";
}

// An opener that fails has told the user already: no second alert.
TEST_F(DataFolderActionsTest, NoBrowserGivesOneAlert)
{
    BWUserInteraction failing = user.interaction();
    int openerAlerts = 0;
    failing.openUrl = [&openerAlerts](const QUrl&) {
        ++openerAlerts;
        return false;
    };
    BWObjectController withoutBrowser(store.env, failing);
    withoutBrowser.openHelpPage(BWObjectController::HelpPage::SupportSite);
    withoutBrowser.revealDataFolder();
    EXPECT_EQ(openerAlerts, 2);
    EXPECT_EQ(user.alerts, QStringList());
}

TEST_F(DataFolderActionsTest, RestoreAsksFirstAndReloadsWhateverTheOutcome)
{
    user.buttonsToPress = {1, 0};
    actions.restoreDatabase();
    EXPECT_EQ(reloads.count(), 0);
    actions.restoreDatabase();  // no backup yet
    EXPECT_EQ(reloads.count(), 1);
    EXPECT_EQ(user.alerts, QStringList{"The Database Was Not Restored"});
    EXPECT_EQ(billCount(), 1);
}

// The question names the backup by its day, and the user hears that it
// was put back.
TEST_F(DataFolderActionsTest, RestoreNamesTheBackupAndSaysWhenItIsBack)
{
    ASSERT_TRUE(BWBillsLoader(store.env).backupDatabase());
    store.addBill(QStringLiteral("Power"), 5);
    ASSERT_EQ(billCount(), 2);
    const QString backupDay = BWBillsLoader(store.env).lastBackedUpNaturalDate();
    ASSERT_FALSE(backupDay.isEmpty());

    user.buttonsToPress = {0};
    actions.restoreDatabase();
    EXPECT_EQ(user.questions, QStringList{QStringLiteral("Restore the Backup of %1?").arg(backupDay)});
    EXPECT_EQ(user.alerts, QStringList{"Backup Restored"});
    EXPECT_TRUE(user.alertDetails.value(0).contains(backupDay)) << user.alertDetails.value(0).toStdString();
    EXPECT_EQ(billCount(), 1);
    EXPECT_EQ(reloads.count(), 1);
}

TEST_F(DataFolderActionsTest, HelpPagesOpenOnlyWebAddresses)
{
    for (int page = 0; page <= int(BWObjectController::HelpPage::PhoneEdition); ++page)
        actions.openHelpPage(BWObjectController::HelpPage(page));
    for (const QUrl& url : user.openedUrls)
        EXPECT_EQ(url.scheme(), "https") << url.toString().toStdString();
    EXPECT_EQ(user.openedUrls.size(), int(BWObjectController::HelpPage::PhoneEdition) + 1);
}

TEST_F(DataFolderActionsTest, AnImportFromNoOlderDataKeepsTheBillsAndSaysSo)
{
    BWImportController importer(store.env, user.interaction());
    QSignalSpy finished(&importer, &BWImportController::importFinished);
    user.buttonsToPress = {1, 0};
    importer.manuallyImportData();
    EXPECT_EQ(finished.count(), 0);
    importer.manuallyImportData();
    EXPECT_EQ(user.alerts, QStringList{"Import Failed"});
    EXPECT_EQ(billCount(), 1);

    user.buttonsToPress = {0};
    user.foldersToChoose = {store.temp.file(QStringLiteral("home"))};
    importer.manuallyImportCustomData();
    EXPECT_TRUE(importer.importWindow()->isVisible());
    importer.selectDatabaseForImport();
    EXPECT_EQ(user.alerts.last(), "Invalid Folder");
    EXPECT_EQ(billCount(), 1);
}

// Erase & Import from a folder of unreadable bill files keeps the bills and
// names the files; one that imports only part says which bills it left out.
TEST_F(DataFolderActionsTest, EraseAndImportKeepsTheBillsUntilABillWasReadAndNamesTheOnesLeftOut)
{
    const QString older = store.temp.file(QStringLiteral("older/Orvane"));
    store.temp.write(QStringLiteral("older/Orvane/Data/Phone.plist"), "<plist><dict><key>");
    BWImportController importer(store.env, user.interaction());
    QSignalSpy finished(&importer, &BWImportController::importFinished);
    user.buttonsToPress = {0};
    user.foldersToChoose = {older, older};
    importer.manuallyImportCustomData();
    importer.selectDatabaseForImport();
    EXPECT_EQ(user.alerts, QStringList{"Import Failed"});
    EXPECT_TRUE(user.alertDetails.last().contains("Phone"));
    EXPECT_EQ(billCount(), 1);
    EXPECT_EQ(finished.count(), 0);

    ASSERT_TRUE(PropertyList::write(older + "/Data/Water.plist",
                                    QVariantMap{{"Repeat_a", 1}, {"Repeat_b", "Months"},
                                                {"Next_Due", QDateTime(QDate(2024, 4, 1), QTime(9, 0))},
                                                {"Is_Active", true}}));
    importer.selectDatabaseForImport();
    EXPECT_EQ(user.alerts.last(), "Some Bills Were Not Imported");
    EXPECT_TRUE(user.alertDetails.last().contains("Phone"));
    EXPECT_EQ(finished.count(), 1);
    const QVariantList bills = BWBillsLoader(store.env).loadBills().value_or(QVariantList());
    ASSERT_EQ(bills.size(), 1);
    EXPECT_EQ(bills.first().toMap().value(BillKeys::Name).toString(), "Water");
}

TEST_F(DataFolderActionsTest, TheSyncPaneOffersTheActionsAndFollowsAMove)
{
    const PreferencesWindow preferences(store.defaults, preferenceServices());
    const MGPreferencePanel& panel = preferences.panel;
    QPushButton* move = preferences.button(MGPreferencePanel::Sync, "Move Database…");
    ASSERT_NE(move, nullptr);

    const QString chosen = store.temp.file(QStringLiteral("chosen"));
    QDir().mkpath(chosen);
    user.foldersToChoose = {chosen};
    move->click();
    QStringList shown;
    for (QLabel* label : panel.pane(MGPreferencePanel::Sync)->findChildren<QLabel*>())
        shown.append(label->text());
    EXPECT_TRUE(shown.contains(chosen + "/Orvane.ovdata"));
}

// The database buttons of the preferences show their dialogs over the
// preferences window, where the user is, and the menu's commands still over
// the main window.
TEST_F(DataFolderActionsTest, ThePreferencesButtonsShowTheirDialogsOverThePreferences)
{
    QWidget mainWindow;
    actions.setWindow(&mainWindow);
    const PreferencesWindow preferences(store.defaults, preferenceServices());
    for (const char* title : {"Move Database…", "Open Database Elsewhere…", "Keep Database in Dropbox…",
                              "Restore Yesterday's Backup…"}) {
        SCOPED_TRACE(title);
        user.dialogParents.clear();
        preferences.button(MGPreferencePanel::Sync, QString::fromUtf8(title))->click();
        ASSERT_FALSE(user.dialogParents.isEmpty());
        EXPECT_EQ(user.dialogParents, QList<QWidget*>(user.dialogParents.size(), preferences.panel.window()));
    }
    user.dialogParents.clear();
    actions.moveToNewSecurityScopedDatabaseLocation();
    EXPECT_EQ(user.dialogParents, QList<QWidget*>{&mainWindow});
}

// "Move Back to the Usual Place" is offered as the File menu offers it: only
// while the data is elsewhere, following each move.
TEST_F(DataFolderActionsTest, MoveBackIsOfferedOnlyWhileTheDataIsElsewhere)
{
    BWPreferencePanes::Services services = preferenceServices();
    services.commandIsEnabled = [this](BWMenuValidation::Command command) {
        BWMenuValidation::Context context;
        context.dataFolderElsewhere = store.defaults.boolForKey(BWCustomLocationEnabled);
        return BWMenuValidation::isEnabled(command, context);
    };
    const PreferencesWindow preferences(store.defaults, services);
    QPushButton* moveBack = preferences.button(MGPreferencePanel::Sync, "Move Back to the Usual Place");
    ASSERT_NE(moveBack, nullptr);
    EXPECT_FALSE(moveBack->isEnabled());

    const QString chosen = store.temp.file(QStringLiteral("chosen"));
    QDir().mkpath(chosen);
    user.foldersToChoose = {chosen};
    preferences.button(MGPreferencePanel::Sync, "Move Database…")->click();
    EXPECT_TRUE(moveBack->isEnabled());
    moveBack->click();
    EXPECT_EQ(dataFolder(), store.env.defaultDataFolder);
    EXPECT_FALSE(moveBack->isEnabled());
}

// A 1366x768 screen keeps about 700 points for a window below its title bar
// and above a panel: every pane fits there, the Sync pane with all it offers.
// The tests' headless fonts and buttons are smaller than a desktop's: 600
// points here come to about 690 there.
TEST_F(DataFolderActionsTest, EveryPreferencePaneFitsASmallScreen)
{
    constexpr int RoomOnASmallScreen = 600;
    BWPreferencePanes::Services services = preferenceServices();
    services.chooseFolder = [](QWidget*, const QString&, const QString&) { return QString(); };
    services.togglePhoneSync = [] {};
    services.deleteKeyValueData = [](QWidget*) {};
    services.playSampleSound = [] {};
    services.calendarFolder = store.temp.file(QStringLiteral("calendars"));
    services.calendarFile = [] { return QString(); };
    services.openFolder = [](const QString&) {};
    PreferencesWindow preferences(store.defaults, services);
    MGPreferencePanel& panel = preferences.panel;
    panel.awakeFromNib();
    for (int pane = 0; pane < MGPreferencePanel::PaneCount; ++pane) {
        SCOPED_TRACE(pane);
        panel.changePanes(panel.toolbarItems().at(pane));
        EXPECT_LE(panel.window()->height(), RoomOnASmallScreen);
    }
}

// The preference buttons that reach the help and reload actions.
TEST_F(DataFolderActionsTest, PreferenceButtonsOpenTheAccountPageAndReloadTheOverview)
{
    const PreferencesWindow preferences(store.defaults, preferenceServices());
    QPushButton* account = preferences.button(MGPreferencePanel::Sync, "Get a Dropbox Account…");
    QPushButton* reload = preferences.button(MGPreferencePanel::Advanced, "Reload Overview");
    ASSERT_TRUE(account && reload);
    account->click();
    ASSERT_EQ(user.openedUrls.size(), 1);
    EXPECT_EQ(user.openedUrls.first(),
              QUrl(BWObjectController::addressOf(BWObjectController::HelpPage::GetDropboxAccount)));
    reload->click();
    EXPECT_EQ(reloads.count(), 1);
}
