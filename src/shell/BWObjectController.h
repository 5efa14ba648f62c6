#pragma once

#include <QObject>
#include <QPointer>
#include <QTabWidget>
#include <QWidget>
#include <QString>

#include <functional>

#include "shell/BWUserInteraction.h"
#include "store/BWStoreEnvironment.h"

class DataFolderLock;

// The actions that are not tied to a bill: relocating the data folder (to a
// chosen folder, to a data folder found elsewhere, into Dropbox, back to the
// default place), restoring the daily backup, compacting, the help pages and
// guides, and the welcome sheet's pages. The data-folder location lives in the
// defaults, where the loader resolves it; the file work is the mover's.
//
// After any change of the data folder's place or content it emits
// dataFolderChanged(), on which the shell renews the reminders and reloads and
// shows the overview.
//
// The lock of the data folder follows the folder: the new place's lock is
// taken before any file work (a place another copy of Orvane uses is refused
// with a message), and the old one is given up once the new place is in use.
class BWObjectController : public QObject
{
    Q_OBJECT

public:
    BWObjectController(const BWStoreEnvironment& env, BWUserInteraction interaction, QObject* parent = nullptr);

    // The window dialogs are shown on.
    void setWindow(QWidget* window) { m_window = window; }
    // Runs `action` with its dialogs on `window` (the preferences window for
    // the actions its buttons start), then on the usual window again.
    void runWithDialogsOn(QWidget* window, void (BWObjectController::*action)());
    // The lock held on the data folder in use; none in tests that lock nothing.
    void setDataFolderLock(DataFolderLock* lock) { m_dataFolderLock = lock; }
    // The overview's advertising box, hidden by hideAdvert().
    void setAdBox(QWidget* adBox) { m_adBox = adBox; }
    // The welcome sheet's pages, turned by goToNextPage().
    void setWelcomeTabView(QTabWidget* pages) { m_welcomeTabView = pages; }

    // The addresses of the help actions.
    enum class HelpPage {
        ReportBug, GetDropboxAccount, OrvaneManual, WhatsNew, SupportSite, ForecastHelp,
        EmailSite, UserManual, SyncHelp, PhoneEditionSignUp, PhoneEdition
    };
    static QString addressOf(HelpPage page);
    // Where the data folder is now.
    QString dataFolderPath() const;

signals:
    void dataFolderChanged();

public slots:
    void moveToNewSecurityScopedDatabaseLocation();
    void loadSecurityScopedDatabase();
    void resetDatabaseLocation();
    // Dropbox set-up: an explanation first, then the folder choice.
    void startSync();
    void continueSettingUpSync();
    void restoreDatabase();
    void compactDatabase();
    // Rebuilds the tag list from the tags the items carry.
    void rebuildTagList();
    // Shows the data folder in the file manager.
    void revealDataFolder();
    void reloadOverviewFromPrefs();
    void disableTip();
    void hideAdvert();
    void goToNextPage();
    // Opens the phone edition's sign-up page and turns the welcome page.
    void signUpAndContinue();
    void learnAboutiPhoneVersion() { openHelpPage(HelpPage::PhoneEditionSignUp); }
    void getAccount() { openHelpPage(HelpPage::GetDropboxAccount); }
    void visitSupportSite() { openHelpPage(HelpPage::SupportSite); }
    void openHelpPage(BWObjectController::HelpPage page);
    void showQuickStartGuide();
    void showMigrationGuide();

private:
    enum class Relocation { Done, Failed, FolderInUse };
    // Runs `relocation` holding the lock of `newDataFolder` as well; once it
    // reports success, that lock is the one held. Runs nothing when another
    // copy of Orvane holds it (and tells the user so).
    Relocation relocateHoldingLock(const QString& newDataFolder, const std::function<bool()>& relocation);
    // Records a chosen folder as the data folder's place.
    bool adoptChosenFolder(const QString& folder, bool dropbox);
    void showGuide(const QString& title, const QString& resource);
    void tell(const QString& message, const QString& informativeText);

    BWStoreEnvironment m_env;
    BWUserInteraction m_interaction;
    QPointer<QWidget> m_window;
    QPointer<QTabWidget> m_welcomeTabView;
    QPointer<QWidget> m_adBox;
    DataFolderLock* m_dataFolderLock = nullptr;
};
