#include "shell/BWWelcomeFlow.h"

#include "platform/Log.h"
#include "platform/UserDefaults.h"
#include "screens/BWOverviewScreen.h"
#include "shell/BWAppDelegate.h"
#include "shell/BWBillCommandRunner.h"
#include "shell/BWCloudSyncGlue.h"
#include "shell/BWImportController.h"
#include "shell/BWMainMenu.h"
#include "shell/BWMainWindow.h"
#include "shell/BWObjectController.h"
#include "shell/BWStartup.h"
#include "shell/BWVersion7ImportWindow.h"
#include "shell/BWWelcomeSheet.h"
#include "store/BWBillsLoader.h"
#include "store/BWDailyBackup.h"
#include "store/BWDefaultsKeys.h"
#include "store/BWPreviousVersionImporter.h"
#include "sync/BWPhoneSync.h"

#include <QAction>
#include <QMenu>
#include <QTabWidget>

#include <functional>

using namespace BWDefaultsKeys;

BWWelcomeFlow::BWWelcomeFlow(BWAppDelegate& delegate)
    : QObject(&delegate)
    , m_delegate(delegate)
{
}

// ---- Backup ------------------------------------------------------------------------

QAction* BWWelcomeFlow::lastBackedUpMenuItem()
{
    if (!m_lastBackedUpMenuItem) {
        m_lastBackedUpMenuItem = new QAction(this);
        m_lastBackedUpMenuItem->setEnabled(false);  // it only tells
    }
    return m_lastBackedUpMenuItem;
}

void BWWelcomeFlow::backupDatabaseAndShowDate()
{
    if (!m_dailyBackup) {
        m_dailyBackup = new BWDailyBackup(m_delegate.storeEnvironment(), this);
        connect(m_dailyBackup, &BWDailyBackup::finished, this, [this] {
            showLastBackup();
            emit m_delegate.startUpStepDone(QStringLiteral("backupDatabase"));
        });
    }
    if (!m_dailyBackup->start()) {
        showLastBackup();
        emit m_delegate.startUpStepDone(QStringLiteral("backupDatabase"));
    }
}

void BWWelcomeFlow::showLastBackup()
{
    lastBackedUpMenuItem()->setText(tr("Last Backed Up: ")
                                    + BWBillsLoader(m_delegate.storeEnvironment()).lastBackedUpNaturalDate());
}

// ---- Data-folder actions and the older version's import --------------------------------

BWObjectController* BWWelcomeFlow::objectController()
{
    // Another data folder, or the same one restored, has bills of its own to
    // be reminded of.
    return madeOnce(m_objectController, &BWObjectController::dataFolderChanged);
}

BWImportController* BWWelcomeFlow::importer()
{
    // The erased items' reminders go with them.
    return madeOnce(m_importer, &BWImportController::importFinished);
}

// Either action object replaces the bills wholesale when it `finished`: the
// reminders are made again and the overview reads its list afresh.
template <typename Actions> Actions* BWWelcomeFlow::madeOnce(Actions*& actions, void (Actions::*finished)())
{
    if (!actions) {
        actions = new Actions(m_delegate.storeEnvironment(), m_delegate.interaction(), this);
        connect(actions, finished, this, [this, actions] {
            m_delegate.startup().renewReminders();
            m_delegate.commands().switchToOverviewAndReload(actions);
        });
    }
    // The main window may have come since the actions were made.
    actions->setWindow(m_delegate.window().mainWindow());
    return actions;
}

// ---- Welcome sheet and the previous version's data -----------------------------------

void BWWelcomeFlow::showWelcomeScreen()
{
    if (!m_delegate.storeEnvironment().defaults->boolForKey(BW_IsFirstLaunchV8_NEW))
        return;
    if (m_delegate.screens().overview)
        m_delegate.screens().overview->updateTableColumnVisibility();
    // A phone link from before starts over with this version.
    if (BWPhoneSync* phoneSync = m_delegate.cloudSync().channels().phoneSync)
        phoneSync->endLink();
    if (m_delegate.screens().overview)
        m_delegate.screens().overview->loadOverview();
    if (!m_welcomeScreen) {
        m_welcomeScreen = new BWWelcomeSheet(m_delegate.window().mainWindow());
        objectController()->setWelcomeTabView(m_welcomeScreen->welcomeTabView());
        connect(m_welcomeScreen, &BWWelcomeSheet::nextPageRequested, objectController(),
                &BWObjectController::goToNextPage);
        connect(m_welcomeScreen, &BWWelcomeSheet::signUpAndContinueRequested, objectController(),
                &BWObjectController::signUpAndContinue);
        connect(m_welcomeScreen, &BWWelcomeSheet::importVersion7DataRequested, this, [this] { importVersion7Data(); });
        connect(m_welcomeScreen, &BWWelcomeSheet::importOptionsRequested, this,
                &BWWelcomeFlow::showOrvane7ImportOptions);
        connect(m_welcomeScreen, &BWWelcomeSheet::startUsingRequested, this, &BWWelcomeFlow::startUsing);
    }
    m_welcomeScreen->open();
}

int BWWelcomeFlow::importVersion7Data()
{
    const int stored = BWPreviousVersionImporter(m_delegate.storeEnvironment()).importVersion7Data();
    if (stored == 0)
        m_delegate.interaction().showAlert(m_welcomeScreen ? static_cast<QWidget*>(m_welcomeScreen)
                                                           : m_delegate.window().mainWindow(),
                                           tr("Nothing to Import"), tr("No Orvane 7 bills were found."));
    return stored;
}

void BWWelcomeFlow::startUsing()
{
    if (m_welcomeScreen)
        m_welcomeScreen->close();
    for (const QString& key : {BW_IsFirstLaunchV8_NEW, BWAvoidHolidays, VacationEnabled}) {
        if (!m_delegate.storeEnvironment().defaults->setBool(key, false))
            Log::line(QStringLiteral("Could not store %1").arg(key));
    }
    // Bills imported before this were reminded with holidays avoided.
    m_delegate.startup().dueDateShiftsDidChange();
    if (m_delegate.screens().overview)
        m_delegate.commands().reloadOverviewAndSuggestions();
    if (!m_delegate.storeEnvironment().defaults->setBool(FirstLaunchSinceiCloud2, false))
        Log::line(QStringLiteral("Could not store %1").arg(FirstLaunchSinceiCloud2));
    m_delegate.cloudSync().setUpSyncProgressIndicatorAndSyncButtonVisibility();
}

void BWWelcomeFlow::showOrvane7ImportOptions()
{
    if (!m_importOrvane7Window) {
        m_importOrvane7Window = new BWVersion7ImportWindow(m_delegate.window().mainWindow());
        connect(m_importOrvane7Window, &BWVersion7ImportWindow::selectFolderRequested, this,
                &BWWelcomeFlow::selectFolderForImport);
        connect(m_importOrvane7Window, &BWVersion7ImportWindow::syncToggled, this,
                &BWWelcomeFlow::eneableiCloudFromImportMenu);
        connect(m_importOrvane7Window, &BWVersion7ImportWindow::reimportRequested, this,
                &BWWelcomeFlow::reimportFromOrvane7);
    }
    m_importOrvane7Window->showSyncState(m_delegate.storeEnvironment().defaults->boolForKey(iCloudSyncEnabled2));
    m_importOrvane7Window->show();
    m_importOrvane7Window->raise();
    m_importOrvane7Window->activateWindow();
}

void BWWelcomeFlow::eneableiCloudFromImportMenu(bool on)
{
    if (!m_delegate.storeEnvironment().defaults->setBool(iCloudSyncEnabled2, on))
        Log::line(QStringLiteral("Could not store %1").arg(iCloudSyncEnabled2));
    m_delegate.cloudSync().enableOrDisableCloudKitSync(on);
    // Without an account the switch went back off.
    if (m_importOrvane7Window)
        m_importOrvane7Window->showSyncState(m_delegate.storeEnvironment().defaults->boolForKey(iCloudSyncEnabled2));
}

void BWWelcomeFlow::selectFolderForImport()
{
    QWidget* window
        = m_importOrvane7Window ? static_cast<QWidget*>(m_importOrvane7Window) : m_delegate.window().mainWindow();
    m_delegate.interaction().showAlert(window,
                                       QStringLiteral("In order to access your Orvane 7 data, Orvane needs you to "
                                                      "manually select your home folder. Click the OK button below "
                                                      "and then select the folder with the house icon on the sidebar."),
                                       QString());
    const QString home = m_delegate.interaction().chooseFolder(window, tr("Select Home Folder"), tr("Import"));
    if (home.isEmpty())
        return;
    Log::line(QStringLiteral("Path: %1").arg(home));
    const std::optional<int> stored
        = BWPreviousVersionImporter(m_delegate.storeEnvironment()).importFromContainer(home);
    if (!stored) {
        m_delegate.interaction().showAlert(window, tr("No Orvane 7 Data Found"),
                                           tr("This home folder holds no Orvane 7 data folder."));
        return;
    }
    if (m_delegate.screens().overview)
        m_delegate.commands().reloadOverviewAndSuggestions();
}

void BWWelcomeFlow::reimportFromOrvane7()
{
    const int answer = m_delegate.interaction().askQuestion(
        m_delegate.window().mainWindow(), QStringLiteral("WARNING: Are You Sure?"),
        QStringLiteral("If you continue, your active bills will be overwritten by the active bills in Orvane 7. "
                       "To re-import, first quit Orvane 8, then relaunch Orvane 7. Finally, relaunch Orvane 8."),
        {tr("Cancel"), QStringLiteral("Quit Orvane & Re-Import Active Bills")});
    if (answer != 1)
        return;
    if (!m_delegate.storeEnvironment().defaults->setBool(BW_IsFirstLaunchV8_NEW, true)) {
        Log::line(QStringLiteral("Could not store %1").arg(BW_IsFirstLaunchV8_NEW));
        return;
    }
    m_delegate.startup().terminate();
}

// ---- Menu items ------------------------------------------------------------------------

namespace {

QAction* addItem(QMenu* menu, const QString& title, QObject* receiver, const std::function<void()>& run)
{
    QAction* item = menu->addAction(title);
    QObject::connect(item, &QAction::triggered, receiver, run);
    return item;
}

}  // namespace

void BWWelcomeFlow::addDataFolderAndHelpItems(BWMainMenu& mainMenu)
{
    BWObjectController* actions = objectController();
    auto* data = new QMenu(tr("Database"), mainMenu.fileMenu());
    data->addAction(lastBackedUpMenuItem());
    addItem(data, tr("Restore Backup…"), actions, [actions] { actions->restoreDatabase(); });
    data->addSeparator();
    addItem(data, tr("Show Database Folder"), actions, [actions] { actions->revealDataFolder(); });
    addItem(data, tr("Move Database…"), actions, [actions] { actions->moveToNewSecurityScopedDatabaseLocation(); });
    addItem(data, tr("Open Database Elsewhere…"), actions, [actions] { actions->loadSecurityScopedDatabase(); });
    addItem(data, tr("Keep Database in Dropbox…"), actions, [actions] { actions->startSync(); });
    QAction* reset = addItem(data, tr("Move Database Back to Its Usual Place"), actions,
                             [actions] { actions->resetDatabaseLocation(); });
    connect(data, &QMenu::aboutToShow, reset, [this, reset] {
        reset->setEnabled(BWMenuValidation::isEnabled(BWMenuValidation::Command::MoveDatabaseBack,
                                                      m_delegate.commands().commandContext()));
    });
    data->addSeparator();
    addItem(data, tr("Compact Database"), actions, [actions] { actions->compactDatabase(); });
    addItem(data, tr("Rebuild Tag List"), actions, [actions] { actions->rebuildTagList(); });
    data->addSeparator();
    QMenu* imports = data->addMenu(tr("Import"));
    m_version4ImportItem = addItem(imports, tr("Orvane 4 Data…"), this, [this] { importer()->manuallyImportData(); });
    m_version4FolderImportItem = addItem(imports, tr("Orvane 4 Data from a Folder…"), this,
                                         [this] { importer()->manuallyImportCustomData(); });
    m_previousVersionImportItem
        = addItem(imports, tr("Orvane 7 Import Options…"), this, [this] { showOrvane7ImportOptions(); });

    QMenu* file = mainMenu.fileMenu();
    QAction* close = mainMenu.action(BWMenuValidation::Command::CloseWindow);
    file->insertMenu(close, data);
    file->insertSeparator(close);

    using Page = BWObjectController::HelpPage;
    QMenu* help = mainMenu.helpMenu();
    QAction* about = mainMenu.action(BWMenuValidation::Command::About);
    auto* pages = new QMenu(tr("Guides and Help Pages"), help);
    const std::pair<QString, Page> webPages[] = {
        {tr("Orvane Manual"), Page::OrvaneManual},
        {tr("User Manual"), Page::UserManual},
        {tr("What's New"), Page::WhatsNew},
        {tr("Forecast Help"), Page::ForecastHelp},
        {tr("Sync Help"), Page::SyncHelp},
        {tr("E-mail Reminders"), Page::EmailSite},
        {tr("Orvane for Phones"), Page::PhoneEdition},
        {tr("Report a Bug"), Page::ReportBug},
    };
    for (const auto& [title, page] : webPages) {
        QAction* item = addItem(pages, title, actions, [actions, page = page] { actions->openHelpPage(page); });
        // Reminder e-mails are not sent yet (their menu is hidden too).
        item->setVisible(page != Page::EmailSite);
    }
    addItem(pages, tr("Support Site"), actions, [actions] { actions->visitSupportSite(); });
    pages->addSeparator();
    addItem(pages, tr("Quick Start Guide"), actions, [actions] { actions->showQuickStartGuide(); });
    addItem(pages, tr("Migration Guide"), actions, [actions] { actions->showMigrationGuide(); });
    help->insertMenu(about, pages);
    help->insertSeparator(about);
}
