#pragma once

#include <QObject>
#include <QPointer>
#include <QTabWidget>
#include <QWidget>
#include <QString>

#include "shell/BWUserInteraction.h"
#include "store/BWStoreEnvironment.h"


// The actions that are not tied to a bill: relocating the data folder (to a
// chosen folder, to a data folder found elsewhere, into Dropbox, back to the
// default place), restoring the daily backup, compacting, the help pages and
// guides, and the welcome sheet's pages. The data-folder location lives in the
// defaults, where the loader resolves it; the file work is the mover's.
//
// After any change of the data folder's place or content it emits
// dataFolderChanged(), on which the shell reloads and shows the overview.
class BWObjectController : public QObject
{
    Q_OBJECT

public:
    BWObjectController(const BWStoreEnvironment& env, BWUserInteraction interaction, QObject* parent = nullptr);

    // The window dialogs are shown on.
    void setWindow(QWidget* window) { m_window = window; }
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
    void signUpAndContinue();
    void openHelpPage(BWObjectController::HelpPage page);
    void showQuickStartGuide();
    void showMigrationGuide();

private:
    // Records a chosen folder as the data folder's place.
    bool adoptChosenFolder(const QString& folder, bool dropbox);
    void showGuide(const QString& title, const QString& resource);
    void tell(const QString& message, const QString& informativeText);

    BWStoreEnvironment m_env;
    BWUserInteraction m_interaction;
    QPointer<QWidget> m_window;
    QPointer<QTabWidget> m_welcomeTabView;
};
