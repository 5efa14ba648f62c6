#include "platform/CalendarStore.h"
#include "platform/Clock.h"
#include "platform/BWUIDMaker.h"
#include "platform/FolderCloudContainer.h"
#include "platform/KeyValueStore.h"
#include "platform/Reachability.h"
#include "platform/DataFolderLock.h"
#include "platform/KeychainSecretStore.h"
#include "platform/LoginItem.h"
#include "platform/MemoryArenas.h"
#include "platform/RunningPrograms.h"
#include "platform/HybridLogicalClock.h"
#include "platform/InstalledFiles.h"
#include "platform/Log.h"
#include "platform/QuitSignals.h"
#include "platform/SingleInstance.h"
#include "platform/SleepWatcher.h"
#include "platform/SyncDeviceIdentity.h"
#include "platform/UiTranslations.h"
#include "platform/UserDefaults.h"
#include "platform/UserNotificationCenter.h"
#include "shell/AppHelper.h"
#include "shell/BWAppDelegate.h"
#include "shell/BWCommandLine.h"
#include "shell/BWDataFolderAtStart.h"
#include "shell/BWCloudChannelRouter.h"
#include "shell/BWFirebaseCloudAccount.h"
#include "screens/BWBillDetailViewController.h"
#include "screens/BWLogPaymentController.h"
#include "screens/BWWebEngineLoader.h"
#include "shell/BWMainScreens.h"
#include "shell/BWObjectController.h"
#include "shell/BWPasswordController.h"
#include "shell/BWPreferencePanes.h"
#include "shell/MGPreferencePanel.h"
#include "store/BWDefaultsKeys.h"
#include "shell/BWReminderManager.h"
#include "widgets/BWAccessibleFactory.h"
#include "widgets/BWMessageBox.h"
#include "store/BWStoreEnvironment.h"
#include "sync/BWLegacyKeyValueSync.h"
#include "sync/BWPhoneSync.h"
#include "sync/FirebaseDataManager.h"
#include "sync/OrvaneCloudManager.h"

#include <QApplication>
#include <QDBusConnection>
#include <QDir>
#include <QFile>
#include <QIcon>
#include <QStandardPaths>
#include <QSystemTrayIcon>
#include <QTimer>
#include <QUrl>

namespace {

// ~/.local/share/Orvane: the backups and, by default, the data folder.
QString supportFolder()
{
    return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation))
        .filePath(QStringLiteral("Orvane"));
}

// Without a screen (the offscreen platform of tests and scripts) there is
// nobody to click a message box away.
void showMessage(const QString& message, const QString& detail)
{
    const QString platform = QGuiApplication::platformName();
    if (platform == u"offscreen" || platform == u"minimal")
        return;
    BWMessageBox box(QMessageBox::Warning, message, detail);
    box.addButton(QMessageBox::Ok);
    box.exec();
}

// The log carries the message too, for a run without a screen.
void tellUser(const QString& message, const QString& detail)
{
    Log::line(message + u' ' + detail);
    showMessage(message, detail);
}

// A setting that cannot be read is named to the user once, from the event
// loop of the GUI thread, whichever thread read it; the log named it already.
void tellOfUnreadableSettings()
{
    UserDefaults::setUnreadableValueListener([](const QString& key, const QString& path) {
        QMetaObject::invokeMethod(
            qApp,
            [key, path] {
                showMessage(QCoreApplication::translate("main", "A Setting Could Not Be Read"),
                            QCoreApplication::translate("main", "Orvane could not read the setting %1 in %2; it uses "
                                                                "the default.")
                                .arg(key, path));
            },
            Qt::QueuedConnection);
    });
}

// The launcher agent's autostart entry, written from the template among the
// resources with the agent installed beside this program.
LoginItem makeLoginItems()
{
    QFile entryTemplate(QStringLiteral(":/OrvaneAgent.desktop"));
    if (!entryTemplate.open(QIODevice::ReadOnly))
        Log::line(QStringLiteral("The login entry template is missing"));
    return LoginItem(LoginItem::defaultFolder(), entryTemplate.readAll(),
                     InstalledFiles::privateFile(QStringLiteral("OrvaneAgent")));
}

}  // namespace

int main(int argc, char** argv)
{
    if (const std::optional<int> exitCode = BWCommandLine::answer(argc, argv))
        return *exitCode;
    // Before the first worker thread: the bill files are parsed on several.
    if (!MemoryArenas::growInLargeSteps())
        Log::line(QStringLiteral("The allocator keeps growing its memory a page at a time"));
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Orvane"));
    QApplication::setApplicationVersion(InstalledFiles::Version);
    // Texts in the user's language; dates and amounts follow the locale anyway.
    UiTranslations::install(QLocale::system(), InstalledFiles::translationsFolder());
    // Before the first window: a screen reader asks for its controls at once.
    BWAccessibleFactory::install();
    // Closing the main window leaves Orvane running (in the tray, or until
    // it is started again); only quitting ends it.
    QApplication::setQuitOnLastWindowClosed(false);
    // Outside a desktop that names its icon theme, icons come from Adwaita.
    QIcon::setFallbackThemeName(QStringLiteral("Adwaita"));
    // Docks and task bars match the windows to the desktop entry by this
    // name, and draw the due-count badge on its icon.
    QGuiApplication::setDesktopFileName(InstalledFiles::AppID);
    QApplication::setWindowIcon(
        QIcon::fromTheme(InstalledFiles::AppID, QIcon(QStringLiteral(":/") + InstalledFiles::AppID + QStringLiteral(".svg"))));

    // Ctrl+C or a session's stop ends Orvane the way its Quit command does.
    // Set up before the first message box: a stop while one is up closes it,
    // and the run ends there instead of going on to start.
    QuitSignals stopSignals;
    bool stopRequested = false;
    QObject::connect(&stopSignals, &QuitSignals::quitRequested, [&stopRequested] { stopRequested = true; });

    SingleInstance instance(QDBusConnection::sessionBus());
    switch (instance.claim()) {
    case SingleInstance::Claim::AskedOtherToShow:
        return 0;
    case SingleInstance::Claim::OtherDidNotAnswer:
        Log::line(QStringLiteral("Orvane already runs but does not answer; not starting a second one"));
        return 1;
    case SingleInstance::Claim::Owned:
    case SingleInstance::Claim::NoBus:
        break;
    }

    tellOfUnreadableSettings();
    const QString defaultsFolder = UserDefaults::defaultFolder();
    UserDefaults standard(UserDefaults::standardPath(defaultsFolder));
    UserDefaults appGroup(UserDefaults::suitePath(defaultsFolder, BWDefaultsKeys::AppGroupSuiteName));
    // The suite holds every bill for the companion extension: tens of
    // megabytes, read while the window is being built.
    appGroup.startLoading();
    Clock clock;
    UserNotificationCenter notifications(UserNotificationCenter::schedulePath(defaultsFolder), clock);
    SleepWatcher sleepWatcher(QDBusConnection::systemBus());

    // This computer's id in sync: it stamps the changes made here and names
    // this computer's files in the shared sync folder.
    const QString syncDeviceID = SyncDeviceIdentity::deviceID(standard, BWDefaultsKeys::BWSyncDeviceID);
    HybridLogicalClock stamps(syncDeviceID);

    BWStoreEnvironment env;
    env.defaults = &standard;
    env.appGroup = &appGroup;
    env.clock = &clock;
    env.stamps = &stamps;
    env.supportFolder = supportFolder();
    env.defaultDataFolder = QDir(env.supportFolder).filePath(QStringLiteral("Orvane.ovdata"));
    env.dropboxFolder = QDir::home().filePath(QStringLiteral("Dropbox"));

    // The store hands its writes to the cloud channels; the engine behind
    // them writes through the same environment.
    BWCloudChannelRouter cloudChannels(standard);
    env.cloud = &cloudChannels;
    // The data folder is made ready before anything uses it; without a
    // usable one the run goes on, showing no bills and saving nothing.
    BWDataFolderAtStart dataFolderAtStart(env, tellUser, [&stopRequested] { return stopRequested; });
    if (const std::optional<int> exitCode = dataFolderAtStart.open())
        return *exitCode;
    const QString dataFolder = dataFolderAtStart.folder();
    DataFolderLock& dataFolderLock = dataFolderAtStart.lock();

    // The reminder service reads the delegate's calendar store of the
    // moment, and the delegate hands the service to the store: the service
    // learns of the delegate once both exist.
    const BWAppDelegate* delegateOfRun = nullptr;
    BWReminderManager reminders(
        env, [&delegateOfRun] { return delegateOfRun ? delegateOfRun->currentEventStore() : nullptr; },
        &notifications);
    env.reminders = &reminders;

    // The shared folder is the user's cloud; without one there is no
    // account and the record-database sync stays off.
    FolderCloudContainer cloudContainer(standard.stringForKey(BWDefaultsKeys::BWSharedSyncFolder), syncDeviceID);
    OrvaneCloudManager cloudEngine(cloudContainer, env);
    cloudChannels.setEngine(&cloudEngine);
    // The older key-value channel keeps its values in a file: in the shared
    // folder when there is one, which carries it between computers, else
    // beside the settings.
    const QString sharedFolder = standard.stringForKey(BWDefaultsKeys::BWSharedSyncFolder);
    KeyValueStore keyValueStore(
        QDir(sharedFolder.isEmpty() ? defaultsFolder : sharedFolder).filePath(QStringLiteral("keyvaluestore.plist")));
    cloudChannels.setKeyValueStore(&keyValueStore);
    BWLegacyKeyValueSync keyValueSync(env, keyValueStore);
    Reachability* dropboxReachability = Reachability::reachabilityWithHostName(QStringLiteral("www.dropbox.com"), &app);
    BWPhoneSync phoneSync(env, [dropboxReachability] {
        return dropboxReachability->currentReachabilityStatus() != Reachability::NotReachable;
    });

    KeychainSecretStore secrets;
    // The cloud account of the Firebase project the user set up in
    // firebase.json, if they did; the sign-in is kept in the keyring.
    FirebaseDataManager firebase(env, {QDir(defaultsFolder).filePath(QStringLiteral("firebase.json")), &secrets});
    FirebaseDataManager::setSharedManager(&firebase);
    BWFirebaseCloudAccount cloudAccount(firebase);
    cloudChannels.routeFirebase({[&firebase] { return firebase.userUID(); },
                                 [&firebase](const QVariantMap& record, const QString& billID) {
                                     firebase.saveBillToFirebase(record, billID);
                                 },
                                 [&firebase](const QString& billID) { firebase.removeBillFromFirebase(billID); }});

    BWAppDelegate delegate(env, CalendarStore::defaultFolder());
    delegateOfRun = &delegate;
    // Moving the data folder moves the lock with it.
    if (dataFolderLock.isLocked())
        delegate.welcome().objectController()->setDataFolderLock(&dataFolderLock);
    delegate.cloudSync().setChannels({&cloudContainer, &cloudEngine, &keyValueSync, &phoneSync});
    delegate.startup().setNotificationCenter(&notifications);
    delegate.startup().setReminderManager(&reminders);
    delegate.startup().setSleepWatcher(&sleepWatcher);
    delegate.startup().setTrayAvailability([] { return QSystemTrayIcon::isSystemTrayAvailable(); });
    delegate.cloudSync().setCloudAccount(&cloudAccount);
    BWPasswordController passwordController(secrets, standard, BWUserInteraction::system().showAlert);
    QObject::connect(&passwordController, &BWPasswordController::passwordAccepted, &delegate,
                     &BWAppDelegate::createMenuAfterPassword);
    QObject::connect(&passwordController, &BWPasswordController::quitRequested, &app, [] { QApplication::exit(0); });
    delegate.startup().setPasswordController(&passwordController);

    // Starting Orvane again asks for its main window, whatever else shows
    // (a panel, a popover) and whether or not a tray holds its item.
    QObject::connect(&instance, &SingleInstance::showRequested, &delegate,
                     [&delegate] { delegate.applicationShouldHandleReopen(false); });

    // The pay-site browser's engine, started when the bill page first shows
    // a pay site; its profile is Orvane's own, downloads go to Downloads.
    BWWebEngineLoader webEngine(
        BWWebEngineLoader::defaultModulePath(),
        BWWebEngineLoader::settingsFor(QDir(supportFolder()).filePath(QStringLiteral("web")),
                                       QStandardPaths::writableLocation(QStandardPaths::DownloadLocation),
                                       BWUserInteraction::system().askQuestion));
    BWMainScreens screens(env, delegate, BWUserInteraction::system());
    screens.billView().setWebEngineLoader(&webEngine);

    LoginItem loginItems = makeLoginItems();
    RunningPrograms runningPrograms(QDBusConnection::sessionBus());
    AppHelper loginHelper(loginItems, runningPrograms);
    BWPreferencePanes::Services paneServices;
    paneServices.lock = &passwordController;
    paneServices.applyStartAtLogin = [&loginHelper, &standard] { return loginHelper.setLaunchAtLogin(standard); };
    paneServices.dataFolder = dataFolder;
    paneServices.showAlert = BWUserInteraction::system().showAlert;
    paneServices.chooseFolder = BWUserInteraction::system().chooseFolder;
    paneServices.dataFolderActions = delegate.welcome().objectController();
    paneServices.deleteKeyValueData = [&keyValueSync](QWidget* parent) {
        keyValueSync.deleteiCloudData([parent](const QString& message, const QString& details, const QStringList& buttons) {
            return BWUserInteraction::system().askQuestion(parent, message, details, buttons);
        });
    };
    paneServices.togglePhoneSync = [&delegate] { delegate.cloudSync().togglePhoneSync(); };
    paneServices.commandIsEnabled = [&delegate](BWMenuValidation::Command command) {
        return BWMenuValidation::isEnabled(command, delegate.commands().commandContext());
    };
    paneServices.calendarFolder = CalendarStore::defaultFolder();
    paneServices.calendarFile = [&reminders] { return reminders.reminderCalendarFile(); };
    paneServices.openFolder = [](const QString& folder) {
        // Before the first calendar reminder the folder is not there yet.
        if (!QDir().mkpath(folder) || !BWUserInteraction::system().openUrl(QUrl::fromLocalFile(folder)))
            Log::line(QStringLiteral("Could not open %1").arg(folder));
    };
    paneServices.playSampleSound = [&screens] { screens.payLogger().playSampleSound(); };
    BWPreferencePanes preferencePanes(standard, paneServices);
    MGPreferencePanel preferences;
    preferencePanes.fill(preferences);
    preferences.awakeFromNib();
    QObject::connect(&preferencePanes, &BWPreferencePanes::settingChanged, &delegate.startup(),
                     &BWStartup::preferenceDidChange);
    QObject::connect(&delegate, &BWAppDelegate::cloudSyncSwitchedOff, &preferencePanes,
                     &BWPreferencePanes::showCloudSyncSwitchedOff);
    delegate.sideWindows().setPrefWindow(preferences.window());

    delegate.awakeFromNib();
    // Start-up ends inside the event loop, which quitting needs.
    const QStringList arguments = QApplication::arguments();
    QTimer::singleShot(0, &delegate, [&delegate, arguments] {
        delegate.applicationDidFinishLaunching();
        // The desktop entry passes the address it was opened with.
        if (arguments.size() > 1)
            delegate.getUrl(arguments.at(1));
    });
    return app.exec();
}
