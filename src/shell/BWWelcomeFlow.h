#pragma once

#include <QObject>
#include <QPointer>

#include "shell/BWVersion7ImportWindow.h"
#include "shell/BWWelcomeSheet.h"

class BWAppDelegate;
class BWDailyBackup;
class BWImportController;
class BWMainMenu;
class BWObjectController;
class QAction;

// The welcome sheet of a version's first start and the imports of older
// versions' data, with the data-folder actions and the daily backup they
// sit beside in the File menu. Owned by the application delegate.
class BWWelcomeFlow : public QObject
{
    Q_OBJECT

public:
    explicit BWWelcomeFlow(BWAppDelegate& delegate);

    // The menu item that shows the day of the last backup.
    QAction* lastBackedUpMenuItem();
    // The once-a-day backup (on a worker) and its menu item.
    void backupDatabaseAndShowDate();
    // The data-folder, maintenance and help actions.
    BWObjectController* objectController();
    // The import of the fourth version's bills.
    BWImportController* importer();
    // The data-folder and import items of the File menu, and the help pages.
    void addDataFolderAndHelpItems(BWMainMenu& menu);
    QAction* previousVersionImportItem() const { return m_previousVersionImportItem; }
    QAction* version4ImportItem() const { return m_version4ImportItem; }
    QAction* version4FolderImportItem() const { return m_version4FolderImportItem; }

    BWWelcomeSheet* welcomeScreen() const { return m_welcomeScreen; }
    // Shows the welcome sheet on the main window on the first start of this
    // version (BW_IsFirstLaunchV8_NEW).
    void showWelcomeScreen();
    // Stores the previous version's items left in the app-group suite;
    // returns how many.
    int importVersion7Data();
    // Closes the welcome sheet and settles the first-start switches.
    void startUsing();
    void showOrvane7ImportOptions();
    void eneableiCloudFromImportMenu(bool on);
    // Imports the previous version's data folder below a chosen home folder.
    void selectFolderForImport();
    // After asking: the next start is a first start again, and Orvane quits.
    void reimportFromOrvane7();

private:
    void showLastBackup();
    template <typename Actions> Actions* madeOnce(Actions*& actions, void (Actions::*finished)());

    BWAppDelegate& m_delegate;
    QAction* m_previousVersionImportItem = nullptr;
    QAction* m_version4ImportItem = nullptr;
    QAction* m_version4FolderImportItem = nullptr;
    QAction* m_lastBackedUpMenuItem = nullptr;
    BWObjectController* m_objectController = nullptr;
    BWImportController* m_importer = nullptr;
    BWDailyBackup* m_dailyBackup = nullptr;
    QPointer<BWWelcomeSheet> m_welcomeScreen;
    QPointer<BWVersion7ImportWindow> m_importOrvane7Window;
};
