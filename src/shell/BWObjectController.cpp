#include "shell/BWObjectController.h"

#include <QDialog>
#include <QPointer>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QTabWidget>
#include <QTextBrowser>
#include <QVBoxLayout>

#include <utility>

#include "platform/BWUIDMaker.h"
#include "platform/DataFolderLock.h"
#include "platform/Log.h"
#include "platform/UserDefaults.h"
#include "store/BWBillsLoader.h"
#include "store/BWDatabaseMover.h"
#include "store/BWBillRecordKeys.h"
#include "store/BWDefaultsKeys.h"
#include "store/BWTagList.h"

using namespace BWDefaultsKeys;

BWObjectController::BWObjectController(const BWStoreEnvironment& env, BWUserInteraction interaction, QObject* parent)
    : QObject(parent), m_env(env), m_interaction(std::move(interaction))
{
}

QString BWObjectController::addressOf(HelpPage page)
{
    switch (page) {
    case HelpPage::ReportBug: return QStringLiteral("https://www.bramwick.com/orvane/report-a-bug");
    case HelpPage::GetDropboxAccount: return QStringLiteral("https://www.dropbox.com/");
    case HelpPage::OrvaneManual: return QStringLiteral("https://www.bramwick.com/orvane/help");
    case HelpPage::WhatsNew: return QStringLiteral("https://www.bramwick.com/orvane/whats-new");
    case HelpPage::SupportSite: return QStringLiteral("https://www.bramwick.com/orvane/support");
    case HelpPage::ForecastHelp: return QStringLiteral("https://www.bramwick.com/orvane/help/forecast");
    case HelpPage::EmailSite: return QStringLiteral("https://www.bramwick.com/orvane/email-reminders");
    case HelpPage::UserManual: return QStringLiteral("https://www.bramwick.com/orvane/manual");
    case HelpPage::SyncHelp: return QStringLiteral("https://www.bramwick.com/orvane/help/sync");
    case HelpPage::PhoneEditionSignUp: return QStringLiteral("https://www.bramwick.com/orvane/phone/sign-up");
    case HelpPage::PhoneEdition: return QStringLiteral("https://www.bramwick.com/orvane/phone");
    }
    return QString();
}

// ---- Data-folder place ---------------------------------------------------------

QString BWObjectController::dataFolderPath() const
{
    return BWBillsLoader(m_env).orvaneDirectory();
}

bool BWObjectController::adoptChosenFolder(const QString& folder, bool dropbox)
{
    UserDefaults& defaults = *m_env.defaults;
    return defaults.setBool(BWDropboxSyncEnabled, dropbox) && defaults.setObject(BWCustomLocationBookmark, folder)
        && defaults.setBool(BWCustomLocationEnabled, true) && defaults.setObject(BWCusomLocationTempPath, QString())
        && defaults.synchronize();
}

BWObjectController::Relocation BWObjectController::relocateHoldingLock(const QString& newDataFolder,
                                                                    const std::function<bool()>& relocation)
{
    if (!m_dataFolderLock)
        return relocation() ? Relocation::Done : Relocation::Failed;
    DataFolderLock newLock = m_dataFolderLock->lockOfFolder(newDataFolder);
    const bool sameFolder = newLock.sameFolderAs(*m_dataFolderLock);
    if (!sameFolder && !newLock.tryLock()) {
        tell(tr("The Database Is In Use"),
             tr("Another copy of Orvane is using the database %1. Quit it first; your data stays where it "
                "was.").arg(newDataFolder));
        return Relocation::FolderInUse;
    }
    if (!relocation())
        return Relocation::Failed;
    if (!sameFolder)
        *m_dataFolderLock = std::move(newLock);  // gives up the old folder's lock
    return Relocation::Done;
}

void BWObjectController::runWithDialogsOn(QWidget* window, void (BWObjectController::*action)())
{
    const QPointer<QWidget> usual = std::exchange(m_window, window);
    (this->*action)();
    m_window = usual;
}

void BWObjectController::moveToNewSecurityScopedDatabaseLocation()
{
    const QString current = BWBillsLoader(m_env).orvaneDirectory();
    const QString chosen = m_interaction.chooseFolder(m_window, tr("Select Location to Save Database"), tr("Move"));
    if (chosen.isEmpty())
        return;
    if (!QFileInfo(chosen).isDir()) {
        tell(tr("The folder could not be used"), tr("\"%1\" is not a folder Orvane can reach.").arg(chosen));
        return;
    }
    const BWDatabaseMover mover(m_env, [this, chosen](const QString&) { return adoptChosenFolder(chosen, false); });
    const Relocation moved = relocateHoldingLock(BWDatabaseMover::dataFolderIn(chosen), [&] {
        return mover.moveDatabaseToNewLocation(chosen, current, false);
    });
    if (moved == Relocation::FolderInUse)
        return;
    if (moved == Relocation::Failed) {
        tell(tr("The Database Was Not Moved"),
             tr("Your data stays where it was. The chosen folder may already hold Orvane data, lie inside "
                "the data folder, or not be writable."));
        return;
    }
    emit dataFolderChanged();
    tell(tr("Database Moved"), tr("Your data has been moved to the new location."));
}

void BWObjectController::loadSecurityScopedDatabase()
{
    const QString chosen = m_interaction.chooseFolder(m_window, tr("Select Folder Containing Database"), tr("Open"));
    if (chosen.isEmpty() || !QFileInfo(chosen).isDir())
        return;
    if (!BWDatabaseMover(m_env).loadDatabaseFromAnotherLocation(chosen))
        return;
    const Relocation opened = relocateHoldingLock(BWDatabaseMover::dataFolderIn(chosen),
                                                  [&] { return adoptChosenFolder(chosen, false); });
    if (opened == Relocation::FolderInUse)
        return;
    if (opened == Relocation::Failed) {
        tell(tr("The Database Was Not Opened"), tr("Orvane could not store its settings."));
        return;
    }
    emit dataFolderChanged();
    tell(tr("Database Opened"), tr("Your data has been sucessfully loaded."));
}

void BWObjectController::resetDatabaseLocation()
{
    UserDefaults& defaults = *m_env.defaults;
    if (!defaults.boolForKey(BWCustomLocationEnabled))
        return;
    const QString current = BWBillsLoader(m_env).orvaneDirectory();
    Log::line(QStringLiteral("Trying to reset database..."));
    Log::line(current);
    const BWDatabaseMover mover(m_env, [&defaults](const QString&) {
        return defaults.setBool(BWDropboxSyncEnabled, false) && defaults.setBool(BWCustomLocationEnabled, false)
            && defaults.setBool(BWAuthorizedForiOSSync, false) && defaults.setObject(BWCusomLocationTempPath, QString())
            && defaults.synchronize();
    });
    // Bills at the usual place are not the ones in use (another data folder
    // was opened instead of moved): they go nowhere without the user's word.
    if (!current.isEmpty() && mover.defaultPlaceHoldsBills()) {
        const int answer = m_interaction.askQuestion(
            m_window, tr("The Usual Place Holds Other Bills"),
            tr("The usual place already holds Orvane data that is not the data you use now. Orvane can keep "
               "that data aside in a folder beside it, where \"Open Database Elsewhere…\" finds it again, and "
               "move your data back."),
            {tr("Keep It Aside and Move Back"), tr("Cancel")});
        if (answer != 0)
            return;
    }
    QString keptAside;
    const Relocation reset = current.isEmpty() ? Relocation::Failed : relocateHoldingLock(m_env.defaultDataFolder, [&] {
        return mover.resetDatabaseFromStartLocation(current, &keptAside);
    });
    if (reset == Relocation::FolderInUse)
        return;
    if (reset == Relocation::Failed) {
        tell(tr("The Database Was Not Moved Back"),
             tr("Your data stays where it was. One of the two folders may not be writable."));
        return;
    }
    emit dataFolderChanged();
    const QString moved = tr("Your data has been moved back to the default location.");
    tell(tr("Database Reset"),
         keptAside.isEmpty() ? moved : moved + u' ' + tr("The data that was there is kept in %1.").arg(keptAside));
}

void BWObjectController::startSync()
{
    const int answer = m_interaction.askQuestion(
        m_window, tr("Select Dropbox Folder"),
        tr("Turning on Sync will move your data to your Dropbox. You must select your Dropbox folder to continue."),
        {tr("Select Dropbox…"), tr("Cancel")});
    if (answer == 0)
        continueSettingUpSync();
}

void BWObjectController::continueSettingUpSync()
{
    const QString current = BWBillsLoader(m_env).orvaneDirectory();
    const QString chosen = m_interaction.chooseFolder(m_window, tr("Select Dropbox Folder"), tr("Select"));
    if (chosen.isEmpty())
        return;
    if (QFileInfo(chosen).fileName() != QStringLiteral("Dropbox")) {
        Log::line(QStringLiteral("Wrong Folder!"));
        m_interaction.askQuestion(m_window, tr("Wrong Folder Selected"),
                                  tr("This doesn't appear to be your Dropbox folder. Make sure Dropbox is installed, "
                                     "and select the folder named Dropbox."),
                                  {tr("Cancel")});
        return;
    }
    const QString appFolder = QDir(chosen).filePath(QStringLiteral("Apps/Orvane"));
    QDir().mkpath(appFolder);
    const BWDatabaseMover mover(m_env, [this, chosen](const QString&) { return adoptChosenFolder(chosen, true); });
    const Relocation synced = relocateHoldingLock(BWDatabaseMover::dataFolderIn(appFolder), [&] {
        return mover.databaseExistsWithDataAtLocation(appFolder)
            ? mover.loadDatabaseFromAnotherLocation(appFolder) && adoptChosenFolder(chosen, true)
            : mover.moveDatabaseToNewLocation(appFolder, current, false);
    });
    if (synced != Relocation::Done) {
        Log::line(QStringLiteral("Couldn't Move Database"));
        return;
    }
    emit dataFolderChanged();
}

// ---- Maintenance -------------------------------------------------------------------

void BWObjectController::restoreDatabase()
{
    const BWBillsLoader loader(m_env);
    // The backup is made once a day; its day tells the user which one it is.
    const bool backedUp = BWUIDMaker::isValidUID(m_env.defaults->stringForKey(BWLastBackupUID));
    const QString backupDay = backedUp ? loader.lastBackedUpNaturalDate() : QString();
    const QString question =
        backedUp ? tr("Your data will be replaced by the backup Orvane made on %1. Everything entered since then "
                      "is lost, and this cannot be undone.").arg(backupDay)
                 : tr("Orvane has no record of a backup yet. Your current data stays as it is unless one is found.");
    const int answer = m_interaction.askQuestion(
        m_window, backedUp ? tr("Restore the Backup of %1?").arg(backupDay) : tr("Restore Database"), question,
        {tr("Restore"), tr("Cancel")});
    if (answer != 0)
        return;
    const bool restored = loader.restoreDatabase();
    emit dataFolderChanged();
    if (restored) {
        Log::line(QStringLiteral("Restore Success"));
        tell(tr("Backup Restored"), tr("Your data is back as it was on %1.").arg(backupDay));
    } else {
        tell(tr("The Database Was Not Restored"),
             tr("There is no usable backup, or it could not be copied. Your data is as it was."));
    }
}

void BWObjectController::compactDatabase()
{
    BWBillsLoader(m_env).compactDatabase();
}

void BWObjectController::rebuildTagList()
{
    const BWBillsLoader loader(m_env);
    QVariantList items = loader.loadBillsInGroup(IndexKeys::ActiveBills, QString(), true).value_or(QVariantList());
    items += loader.loadBillsInGroup(IndexKeys::ArchivedBills, QString(), true).value_or(QVariantList());
    if (!BWTagList(m_env).updateTagListWithListOfBills(items))
        tell(tr("The Tag List Was Not Rebuilt"), tr("The tag list could not be written."));
    emit dataFolderChanged();
}

void BWObjectController::revealDataFolder()
{
    const QString folder = BWBillsLoader(m_env).orvaneDirectory();
    if (folder.isEmpty()) {
        tell(tr("The Database Folder Could Not Be Shown"), folder);
        return;
    }
    // The opener tells the user itself when nothing could show the folder.
    if (!m_interaction.openUrl(QUrl::fromLocalFile(folder)))
        Log::line(QStringLiteral("Could not show the data folder %1").arg(folder));
}

void BWObjectController::reloadOverviewFromPrefs()
{
    emit dataFolderChanged();
}

void BWObjectController::disableTip()
{
    if (!m_env.defaults->setBool(BWHideTip, true))
        Log::line(QStringLiteral("Could not store %1").arg(BWHideTip));
}

void BWObjectController::hideAdvert()
{
    if (!m_env.defaults->setBool(BWHideAd, true))
        Log::line(QStringLiteral("Could not store %1").arg(BWHideAd));
    if (m_adBox)
        m_adBox->hide();
}

// ---- Welcome sheet and help ------------------------------------------------------------

void BWObjectController::goToNextPage()
{
    if (m_welcomeTabView && m_welcomeTabView->currentIndex() + 1 < m_welcomeTabView->count())
        m_welcomeTabView->setCurrentIndex(m_welcomeTabView->currentIndex() + 1);
}

void BWObjectController::signUpAndContinue()
{
    learnAboutiPhoneVersion();
    goToNextPage();
}

void BWObjectController::openHelpPage(HelpPage page)
{
    // The opener tells the user itself when no browser could be started.
    if (!m_interaction.openUrl(QUrl(addressOf(page))))
        Log::line(QStringLiteral("Could not open %1").arg(addressOf(page)));
}

void BWObjectController::showQuickStartGuide()
{
    showGuide(tr("Quick Start Guide"), QStringLiteral(":/guides/quickstart.html"));
}

void BWObjectController::showMigrationGuide()
{
    showGuide(tr("Migration Guide"), QStringLiteral(":/guides/migration.html"));
}

// The guides are our own documents among the program's resources, shown in a
// window of their own.
void BWObjectController::showGuide(const QString& title, const QString& resource)
{
    auto* guide = new QDialog(m_window);
    guide->setAttribute(Qt::WA_DeleteOnClose);
    guide->setWindowTitle(title);
    auto* text = new QTextBrowser(guide);
    text->setOpenLinks(false);
    text->setSource(QUrl(QStringLiteral("qrc") + resource));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, guide);
    connect(buttons, &QDialogButtonBox::rejected, guide, &QDialog::close);
    auto* layout = new QVBoxLayout(guide);
    layout->addWidget(text);
    layout->addWidget(buttons);
    guide->resize(560, 480);
    guide->show();
}

void BWObjectController::tell(const QString& message, const QString& informativeText)
{
    m_interaction.showAlert(m_window, message, informativeText);
}
