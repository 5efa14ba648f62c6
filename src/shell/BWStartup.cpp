#include "shell/BWStartup.h"

#include "platform/CalendarStore.h"
#include "platform/Clock.h"
#include "platform/Log.h"
#include "platform/SleepWatcher.h"
#include "platform/UserDefaults.h"
#include "platform/UserNotificationCenter.h"
#include "screens/BWAmountField.h"
#include "screens/BWBillDetailScreen.h"
#include "screens/BWBillEditorScreen.h"
#include "screens/BWLogPaymentScreen.h"
#include "screens/BWOverviewScreen.h"
#include "screens/BWView.h"
#include "shell/BWAppDelegate.h"
#include "shell/BWMenulet.h"
#include "shell/BWPasswordLock.h"
#include "shell/BWReminderManager.h"
#include "shell/BWTaskbarPresence.h"
#include "shell/BWUpdateHelper.h"
#include "store/BWAutomaticPayments.h"
#include "store/BWBillsLoader.h"
#include "store/BWDefaultsKeys.h"
#include "store/BWDataFolder.h"
#include "store/BWIndexRepair.h"
#include "store/BWInterruptedCopies.h"

#include <QAbstractItemView>
#include <QCoreApplication>
#include <QEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QShortcut>
#include <QTimer>
#include <QUrl>
#include <QtConcurrent/QtConcurrentRun>

#include <exception>
#include <functional>
#include <utility>

using namespace BWDefaultsKeys;

namespace {

const QString MailingListAddress = QStringLiteral("https://www.bramwick.com/orvane/newsletter");
const QString SupportMailAddress = QStringLiteral("mailto:support@bramwick.com?subject=Orvane");
const QString SupportPageAddress = QStringLiteral("https://www.bramwick.com/orvane/support");

// OrvaneVisibility: 0 Dock and menu bar, 1 menu bar only, 2 Dock only.
constexpr qlonglong MenuBarOnly = 1;
constexpr qlonglong DockOnly = 2;
// Enough active bills to have found one's way around without the cloud.
constexpr qsizetype BillsBeforeCloudPromptEnds = 3;

// How long a shown window may take to draw before the work that waits for
// its first paint runs anyway.
constexpr int FirstPaintPatienceMs = 2000;

// Runs a piece of work once, from the event loop: after the watched window's
// first paint, once it is hidden or minimised, or a while after it was
// shown, whichever comes first. A window the window manager minimises, or
// one closed to the tray before it draws, may never paint. Then goes away.
class AfterFirstPaint : public QObject
{
public:
    AfterFirstPaint(QWidget* watched, QObject* context, std::function<void()> work)
        : QObject(watched)
        , m_watched(watched)
        , m_context(context)
        , m_work(std::move(work))
    {
        watched->installEventFilter(this);
        QTimer::singleShot(FirstPaintPatienceMs, this, [this] { runWork(); });
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        const bool minimised = event->type() == QEvent::WindowStateChange && m_watched->isMinimized();
        if (event->type() == QEvent::Paint && m_work)
            Log::line(QStringLiteral("Main window painted"));
        if (event->type() == QEvent::Paint || event->type() == QEvent::Hide || minimised)
            runWork();
        return QObject::eventFilter(watched, event);
    }

private:
    void runWork()
    {
        if (!m_work)
            return;
        // Without its context (gone with its delegate) the work has no one
        // to run for; a timer without a context would run it regardless.
        if (m_context)
            QTimer::singleShot(0, m_context, std::move(m_work));
        m_work = nullptr;
        m_watched->removeEventFilter(this);
        deleteLater();
    }

    QWidget* m_watched;
    QPointer<QObject> m_context;
    std::function<void()> m_work;
};

}  // namespace

// ---- Start-up ----------------------------------------------------------------

BWStartup::BWStartup(BWAppDelegate& delegate, const QString& calendarFolder)
    : QObject(&delegate)
    , m_delegate(delegate)
    , m_defaults(*delegate.storeEnvironment().defaults)
    , m_calendarFolder(calendarFolder)
    , m_quitQuestion([](QMessageBox& question) {
        question.exec();
        return question.clickedButton();
    })
{
    m_updateTimer.setInterval(BWAppDelegate::DateCheckIntervalSeconds * 1000);
    connect(&m_updateTimer, &QTimer::timeout, this, &BWStartup::checkForDateChange);
    m_automaticPaymentsSoon.setSingleShot(true);
    m_automaticPaymentsSoon.setInterval(0);
    connect(&m_automaticPaymentsSoon, &QTimer::timeout, this, &BWStartup::logAutomaticPaymentsOfChangedItems);
    if (QCoreApplication* application = QCoreApplication::instance())
        connect(application, &QCoreApplication::aboutToQuit, this, &BWStartup::applicationWillTerminate);
}

BWStartup::~BWStartup() = default;

const BWStoreEnvironment& BWStartup::env() const
{
    return m_delegate.storeEnvironment();
}

const BWAppScreens& BWStartup::screens() const
{
    return m_delegate.screens();
}

void BWStartup::awakeFromNib()
{
    addNumberFormatters();
    if (!screens().overview)
        return;
    QAbstractItemView* table = screens().overview->billTable();
    connect(table, &QAbstractItemView::doubleClicked, this, [this] { m_delegate.commands().switchToBillView(this); });
    // Enter opens the bill's page as a double click does. The table's own
    // activation is left alone: under a desktop set to open on one click it
    // would open the page on every click.
    for (const Qt::Key enter : {Qt::Key_Return, Qt::Key_Enter}) {
        auto* opens = new QShortcut(QKeySequence(enter), table, nullptr, nullptr, Qt::WidgetShortcut);
        connect(opens, &QShortcut::activated, this, [this] { m_delegate.commands().switchToBillView(this); });
    }
}

void BWStartup::addNumberFormatters()
{
    QList<QLineEdit*> fields;
    if (screens().billView)
        fields << screens().billView->amountFields();
    if (screens().overview)
        fields << screens().overview->amountFields();
    if (screens().billEditor)
        fields << screens().billEditor->amountFields();
    if (screens().payLogger)
        fields << screens().payLogger->amountPaidField();
    const auto formatter = std::make_shared<const CurrencyFormatter>();
    for (QLineEdit* field : fields)
        BWAmountField::attach(field, formatter);
}

void BWStartup::applicationDidFinishLaunching()
{
    m_launchDate = env().clock->now();
    finishedStep(QStringLiteral("launchDate"));

    // Before anything else reaches the cloud account.
    if (m_delegate.cloudSync().configureCloudAccount())
        finishedStep(QStringLiteral("configureCloudAccount"));

    m_delegate.window().createMainWindowController();
    finishedStep(QStringLiteral("createMainWindowController"));

    if (screens().overview) {
        m_delegate.window().mainView()->setOverviewbutton(screens().overview->overviewButtonLog());
        if (screens().billView)
            m_delegate.window().mainView()->setButton(screens().billView->logPaymentButtonDetail());
        finishedStep(QStringLiteral("mainViewButtons"));
    }

    // Asked once: the Dock, the tray item and the lock window all follow the
    // answer of this moment.
    const bool passwordSet = passwordIsSet();
    showPasswordState(passwordSet);
    finishedStep(QStringLiteral("passwordState"));

    initializeDefaults();
    finishedStep(QStringLiteral("initializeDefaults"));
    setDockIconVisibility();
    finishedStep(QStringLiteral("setDockIconVisibility"));

    if (screens().overview) {
        m_delegate.window().initializeViews();
        finishedStep(QStringLiteral("initializeViews"));
    }
    BWUpdateHelper::addUpdatesMenu(m_appMenu);
    finishedStep(QStringLiteral("addUpdatesMenu"));

    // With a password the tray item waits for it (createMenuAfterPassword).
    if (!passwordSet && createMenuIfEnabled())
        finishedStep(QStringLiteral("createMenu"));

    logAutomaticPayments();
    if (screens().overview) {
        screens().overview->loadOverview();
        finishedStep(QStringLiteral("loadOverview"));
        if (screens().billEditor) {
            screens().billEditor->setListOfActiveBills(screens().overview->dataSource());
            finishedStep(QStringLiteral("setListOfActiveBills"));
        }
    }

    m_delegate.commands().showOverviewPaneSet();
    Log::line(QStringLiteral("Orvane Overview OK at Startup"));
    m_delegate.window().updateToolbar();
    finishedStep(QStringLiteral("overviewShown"));

    setNotificationCenterVisibility();
    finishedStep(QStringLiteral("setNotificationCenterVisibility"));

    startTimer();
    finishedStep(QStringLiteral("startTimer"));
    observeSleepAndWake();
    finishedStep(QStringLiteral("observeSleepAndWake"));

    if (passwordSet) {
        m_locked = true;
        m_passwordController->showPasswordWindowForType(BWPasswordLock::EnterPassword);
        finishedStep(QStringLiteral("showPasswordWindow"));
    }
    // In menu-bar-only mode the window stays closed until asked for.
    if (!runsInTrayOnly() && bringMainWindowToFront())
        finishedStep(QStringLiteral("showMainWindow"));
    if (m_defaults.integerForKey(OrvaneVisibility) == MenuBarOnly && !m_trayAvailable())
        explainReachableWindowOnce(tr("This Desktop Shows No Tray"),
                                   tr("Orvane is set to show in the tray only, but this desktop has no tray. Its "
                                      "window stays open instead, and closing it minimises it to the taskbar."));

    if (m_defaults.boolForKey(BW_IsFirstLaunchV8_NEW)) {
        m_delegate.welcome().showWelcomeScreen();
        finishedStep(QStringLiteral("showWelcomeScreen"));
    }

    m_delegate.commands().updateIncomeVisibility(m_defaults.boolForKey(BWShowPaydaysOnOverview));
    finishedStep(QStringLiteral("updateIncomeVisibility"));

    if (m_delegate.cloudSync().registerCloudAccount())
        finishedStep(QStringLiteral("registerCloudAccount"));

    finishStartUpOnceShown();
}

// The window's first pixels wait for none of this: the cloud's account
// check goes out to the network, the cloud prompt counts the bills (as far
// as it needs), and the backup copies the data folder (on a worker, after what
// interrupted copies left was put right; its step comes last, once the copy
// is done).
void BWStartup::finishStartUpOnceShown()
{
    const auto finish = [this] {
        finishedStep(QStringLiteral("mainWindowShown"));
        BWInterruptedCopies(env()).tidy();
        finishedStep(QStringLiteral("tidyInterruptedCopies"));
        putIndexRightFromBillFiles();
        m_delegate.cloudSync().checkCloudAccountAtStartUp();
        finishedStep(QStringLiteral("cloudSync"));
        if (m_defaults.boolForKey(BW_ShouldDisplayOrvaneCloudPrompt)) {
            const qsizetype billCount = BWBillsLoader(env()).countBills(BillsBeforeCloudPromptEnds);
            if (billCount >= BillsBeforeCloudPromptEnds
                && !m_defaults.setBool(BW_ShouldDisplayOrvaneCloudPrompt, false))
                Log::line(QStringLiteral("Could not store %1").arg(BW_ShouldDisplayOrvaneCloudPrompt));
            finishedStep(QStringLiteral("cloudPrompt"));
        }
        m_delegate.welcome().backupDatabaseAndShowDate();
    };
    QWidget* window = m_delegate.window().mainWindow();
    if (window && window->isVisible() && !window->isMinimized())
        new AfterFirstPaint(window, this, finish);
    else
        QTimer::singleShot(0, this, finish);
}

void BWStartup::putIndexRightFromBillFiles()
{
    QtConcurrent::run(&BWIndexRepair::tombstonesListedAsLive, BWDataFolder(env()).path())
        .then(this, [this](const QStringList& billIDs) {
            if (!BWIndexRepair(env()).listAsDeleted(billIDs))
                Log::line(QStringLiteral("Could not list the bills deleted by their files as deleted"));
        });
}

void BWStartup::finishedStep(const QString& step)
{
    emit m_delegate.startUpStepDone(step);
}

bool BWStartup::passwordIsSet() const
{
    return m_passwordController
           && m_passwordController->passwordIsSetForServiceName(BWAppDelegate::PasswordServiceName);
}

void BWStartup::showPasswordState(bool passwordSet)
{
    if (m_passwordController)
        m_passwordController->showLockState(passwordSet);
}

// The Dock icon and the tray item follow OrvaneVisibility. Menu-bar-only mode
// takes effect only once the user has started using this version and only
// without a password: a locked program always keeps its Dock icon, so that it
// can be found to unlock.
bool BWStartup::setDockIconVisibility()
{
    const bool passwordSet = passwordIsSet();
    const bool firstLaunch = m_defaults.boolForKey(FirstLaunchSinceiCloud2);
    const qlonglong visibility = m_defaults.integerForKey(OrvaneVisibility);
    Log::line(QStringLiteral("Visibility: %1").arg(visibility));
    Log::line(QStringLiteral("Password: %1").arg(passwordSet ? 1 : 0));
    Log::line(QStringLiteral("First: %1").arg(firstLaunch ? 1 : 0));

    const bool menuBarOnly = runsInTrayOnly() && !firstLaunch && !passwordSet;
    m_activationPolicy = menuBarOnly ? ActivationPolicy::Accessory : ActivationPolicy::Regular;
    if (menuBarOnly)
        Log::line(QStringLiteral("Going to menu-only mode"));
    // Without a Dock icon the window is the tray's, not the task bar's.
    if (QWidget* window = m_delegate.window().mainWindow())
        BWTaskbarPresence::setSkipsTaskbar(*window, menuBarOnly);

    bool written = m_defaults.setBool(BWEnableMenu, visibility != DockOnly);
    // Menu-bar-only mode leaves the Dock switch as the user last had it.
    if (!menuBarOnly)
        written &= m_defaults.setBool(BWEnableDocklet, true);
    if (!written)
        Log::line(QStringLiteral("Could not store the Dock and menu-bar visibility"));
    return written;
}

bool BWStartup::createMenuIfEnabled()
{
    if (!m_defaults.boolForKey(BWEnableMenu))
        return false;
    if (!m_menulet) {
        m_menulet = std::make_unique<BWMenulet>(env());
        BWAppDelegate* delegate = &m_delegate;
        connect(m_menulet.get(), &BWMenulet::showOrvaneChosen, delegate, &BWAppDelegate::showOrvane);
        connect(m_menulet.get(), &BWMenulet::preferencesChosen, delegate, &BWAppDelegate::showPreferences);
        connect(m_menulet.get(), &BWMenulet::quitChosen, delegate, &BWAppDelegate::quitOrvane);
        connect(m_menulet.get(), &BWMenulet::billChosen, delegate, &BWAppDelegate::menuItemSelected);
        connect(m_menulet.get(), &BWMenulet::menuWillOpen, delegate, &BWAppDelegate::checkForDateChange);
    }
    m_menulet->createMenu();
    return true;
}

void BWStartup::setNotificationCenterVisibility()
{
    if (!m_notificationCenter)
        return;
    connect(m_notificationCenter, &UserNotificationCenter::didActivateNotification, &m_delegate,
            &BWAppDelegate::userNotificationCenterDidActivateNotification, Qt::UniqueConnection);
    connect(m_notificationCenter, &UserNotificationCenter::scheduleNotSaved, this, &BWStartup::tellScheduleNotSavedOnce,
            Qt::UniqueConnection);
}

// Every later change of the schedule fails the same way: one message a run.
void BWStartup::tellScheduleNotSavedOnce(const QString& error)
{
    if (m_toldScheduleNotSaved)
        return;
    m_toldScheduleNotSaved = true;
    if (m_delegate.interaction().showAlert)
        m_delegate.interaction().showAlert(
            m_delegate.window().mainWindow(), tr("Reminders Could Not Be Saved"),
            tr("Orvane could not save its reminder notifications (%1). They show while Orvane runs, but may not "
               "show after it starts again.")
                .arg(error));
}

void BWStartup::observeSleepAndWake()
{
    if (!m_sleepWatcher)
        return;
    connect(m_sleepWatcher, &SleepWatcher::willSleep, this, &BWStartup::receiveSleepNote, Qt::UniqueConnection);
    connect(m_sleepWatcher, &SleepWatcher::didWake, this, &BWStartup::receiveWakeNote, Qt::UniqueConnection);
}

// ---- Shut-down ---------------------------------------------------------------

bool BWStartup::applicationShouldTerminate()
{
    if (!runsInTrayOnly() || !mainWindowIsVisible())
        return true;

    QMessageBox question(m_delegate.window().mainWindow());
    question.setIcon(QMessageBox::Question);
    question.setText(tr("Really Quit Orvane?"));
    question.setInformativeText(
        tr("Do you want to quit Orvane (and close the menu bar), or just close the main window?"));
    QPushButton* closeWindow = question.addButton(tr("Close the Main Window"), QMessageBox::AcceptRole);
    QPushButton* quit = question.addButton(tr("Quit Orvane Completely"), QMessageBox::DestructiveRole);
    question.setDefaultButton(closeWindow);
    question.setEscapeButton(closeWindow);

    if (m_quitQuestion(question) == quit)
        return true;
    m_delegate.window().mainWindow()->close();
    return false;
}

void BWStartup::terminate()
{
    if (!applicationShouldTerminate())
        return;
    m_terminating = true;
    QCoreApplication::quit();
}

// A chosen data folder is reached by its path, with no access grant to give
// back; what is left is the timer.
void BWStartup::applicationWillTerminate()
{
    m_updateTimer.stop();
}

// The setting takes effect the next time Orvane starts: the task bar and
// the quit question both follow the state this run started in.
bool BWStartup::runsInTrayOnly() const
{
    if (!m_runsInTrayOnly)
        m_runsInTrayOnly = m_defaults.integerForKey(OrvaneVisibility) == MenuBarOnly && m_trayAvailable();
    return *m_runsInTrayOnly;
}

// ---- Small actions -----------------------------------------------------------

QVariantList BWStartup::getBills() const
{
    return screens().overview ? screens().overview->dataSourceWithIncome() : QVariantList();
}

void BWStartup::updateOverview()
{
    if (screens().overview)
        screens().overview->loadOverview();
}

void BWStartup::createMenuAfterPassword()
{
    m_locked = false;
    if (std::exchange(m_reloadWhenUnlocked, false) && screens().overview)
        m_delegate.commands().reloadOverviewAndSuggestions();
    // The tray item follows its setting here as at start-up.
    if (createMenuIfEnabled() && screens().overview)
        m_menulet->updateMenuWithDataSource(screens().overview->dataSource());
    bringMainWindowToFront();
}

void BWStartup::selectSearchField()
{
    if (screens().overview)
        screens().overview->focusSearchField();
    bringMainWindowToFront();
}

void BWStartup::signUpForList()
{
    openSupportAddress(MailingListAddress);
}

void BWStartup::readBlogPost()
{
    openSupportAddress(SupportMailAddress);
}

void BWStartup::reportBug()
{
    openSupportAddress(SupportPageAddress);
}

void BWStartup::openSupportAddress(const QString& address)
{
    if (!m_delegate.interaction().openUrl(QUrl(address)))
        Log::line(QStringLiteral("Could not open %1").arg(address));
}
