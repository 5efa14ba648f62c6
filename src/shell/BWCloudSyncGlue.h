#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <QSet>
#include <QTimer>
#include <QVariantMap>

#include <memory>

#include "shell/BWCloudAccount.h"
#include "shell/BWSyncProgressController.h"

class BWAppDelegate;
class BWLegacyKeyValueSync;
class BWOrvaneCloudLoginController;
class BWPhoneSync;
class BWSyncControls;
class CloudContainer;
class OrvaneCloudManager;
class QAction;

// What connects the sync channels and the cloud account to the program: the
// account check and the sync switch, pushes and downloads from other
// devices and what they reload, the sync controls of the side bar, the phone
// sync's progress sheet, and the account popover with the account followed
// for the whole run. Owned by the application delegate.
class BWCloudSyncGlue : public QObject, public SyncProgressControllerDelegate
{
    Q_OBJECT

public:
    // What keeps this device in step with the user's others; each may be null.
    struct Channels
    {
        CloudContainer* container = nullptr;
        OrvaneCloudManager* engine = nullptr;
        BWLegacyKeyValueSync* keyValueSync = nullptr;
        BWPhoneSync* phoneSync = nullptr;
    };

    explicit BWCloudSyncGlue(BWAppDelegate& delegate);
    ~BWCloudSyncGlue() override;

    // Set once, before start-up. Also listens to the container's database
    // for changes pushed by other devices.
    void setChannels(const Channels& channels);
    const Channels& channels() const { return m_channels; }
    // The cloud account of the run; it must outlive the delegate. Without
    // one, or without the user's cloud settings, nothing of the account shows.
    void setCloudAccount(BWCloudAccount* account) { m_cloudAccount = account; }
    BWCloudAccount* cloudAccount() const { return m_cloudAccount; }
    // The account popover; null while the account isn't set up.
    BWOrvaneCloudLoginController* loginController() const { return m_loginController.get(); }
    // The toolbar button and menu item that open the popover; null likewise.
    QAction* cloudAccountAction() const { return m_cloudAccountAction; }
    // The sync button, its progress bar and the "Last Sync" text; made on
    // first use and placed at the foot of the overview's side bar.
    BWSyncControls* syncControls();
    // The phone sync's progress sheet; made on first use.
    BWSyncProgressController* syncProgressWindow();
    // The progress sheet ended: the overview shows and reminders are renewed.
    void syncProgressControllerDidComplete() override;

    // Start-up: reads the user's cloud settings and resumes a kept session.
    // False without an account.
    bool configureCloudAccount();
    // Start-up: follows the account for the rest of the run and offers the
    // popover. False without an account set up by the user.
    bool registerCloudAccount();
    // Start-up: asks for the account when sync is on, then sets the side bar.
    void checkCloudAccountAtStartUp();

    // The record-database sync switch: on asks for the account first.
    void enableOrDisableCloudKitSync(bool on);
    // Listens to the engine's announcements (once).
    void registerForRemoteNotifications();
    // A change another device made, pushed by the database.
    void didReceiveRemoteNotification(const QString& recordType, const QString& recordName, int reason);
    // A downloaded change was written: one bill, or (`billID` empty) the
    // bills of `changedBills`, or, with neither, anything.
    void updatesDownloadedFromCloudKit(const QString& billID, const QStringList& changedBills = {});
    void noUpdatesDownloadedFromCloudKit();
    // A full pass while sync is on, so that no change waits for the sync
    // button: run every few minutes, on wake and at start-up. A folder or
    // account that was not there when sync started is subscribed to as
    // soon as it is.
    void checkForNewiCloudChanges();
    void setUpSyncProgressIndicatorAndSyncButtonVisibility();
    // The sync button: a full pass while record-database sync is on, else
    // the phone sync while that is on.
    void syncFromToolbar();
    // The phone sync's switch: starts a run while the phone sync is off (a
    // completed run turns it on), ends its link while it is on.
    void togglePhoneSync();
    // Opens the account popover below the toolbar button.
    void openOrvaneCloudScreen();
    // Another device's bill arrived or went: the overview, its tags and the
    // bill page (when it shows that bill) read the data folder again; while
    // locked, only once the password is given.
    void updateFromFirebaseChangeWithDictionary(const QVariantMap& bill);

private:
    void accountStatusAtStartUp(int status);
    void switchCloudKitSyncOff(bool storeOff);
    // Sync cannot run: no sync service at all, or no folder or account.
    void refuseCloudKitSync(bool noSyncHere);
    void showLastSyncedNow();
    // A failed write is said at once and stays said until a write succeeds.
    void writeFailed(const QString& what, const QString& message);
    void writeSucceeded();
    void syncDidFail(const QString& what, const QString& message);
    void syncSetAsideUnreadableCopy(const QString& recordName, const QString& where);
    // Said once per computer: which one's clock is how far ahead, and what to do.
    void tellClockFarAhead(const QString& deviceID, qint64 leadMs);
    void tellDeviceIDInUseElsewhere();
    // Subscriptions and a full pass, once the account answers.
    void startCloudSyncEngine();
    void addCloudAccountCommands();
    void followCloudUser(const BWCloudAccount::User& user);
    // A change arrived: false while there is nothing to reload now (no
    // overview, or the lock is up and it waits for the password).
    bool readyToReload();
    // The overview, the tag list and the bill page read again what was
    // downloaded since they last did.
    void reloadDownloaded();
    // The tag list made again from the bills the overview holds.
    void rebuildTagList();

    BWAppDelegate& m_delegate;
    Channels m_channels;
    // Whether the engine subscribed to the database since sync was last on.
    bool m_cloudSyncStarted = false;
    QTimer m_cloudCheckTimer;
    QPointer<BWSyncControls> m_syncControls;
    QPointer<BWSyncProgressController> m_syncProgressWindow;
    BWCloudAccount* m_cloudAccount = nullptr;
    std::unique_ptr<BWOrvaneCloudLoginController> m_loginController;
    QPointer<QAction> m_cloudAccountAction;
    // The account whose bills are being synced; empty while none is.
    QString m_syncedUserUID;
    QStringList m_downloaded;
    bool m_downloadedAnything = false;
    QTimer m_reloadDownloaded;
    QSet<QString> m_toldClockFarAhead;
    bool m_toldDeviceIDInUse = false;
    QString m_writeFailure;  // of the last write, while none succeeded since
};
