#include "shell/BWAppDelegate.h"

#include "platform/Clock.h"
#include "platform/Log.h"
#include "platform/SleepWatcher.h"
#include "platform/UserActivity.h"
#include "platform/UserDefaults.h"
#include "platform/UserNotificationCenter.h"
#include "screens/BWBillDetailScreen.h"
#include "screens/BWAmountField.h"
#include "screens/BWBillEditorScreen.h"
#include "screens/BWLogPaymentScreen.h"
#include "screens/BWOverviewScreen.h"
#include "screens/BWView.h"
#include "store/BWDefaultsKeys.h"
#include "shell/BWMenulet.h"
#include "shell/BWPasswordLock.h"
#include "shell/BWTaskbarPresence.h"
#include "shell/BWUpdateHelper.h"
#include "store/BWAutomaticPayments.h"
#include "store/BWBillsLoader.h"
#include "store/BWInterruptedCopies.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QCoreApplication>
#include <QEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <QUrl>

#include <exception>
#include <functional>
#include <utility>

using namespace BWDefaultsKeys;

namespace {

const QString LaunchScheme = QStringLiteral("com-bramwick-orvanelaunch");
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

void BWAppDelegate::setAppMenu(QMenu* appMenu)
{
    m_appMenu = appMenu;
}

void BWAppDelegate::awakeFromNib()
{
    addNumberFormatters();
    if (hasOverview())
        connect(m_screens.overview->billTable(), &QAbstractItemView::doubleClicked, this,
                [this] { switchToBillView(this); });
}

void BWAppDelegate::addNumberFormatters()
{
    QList<QLineEdit*> fields;
    if (m_screens.billView)
        fields << m_screens.billView->amountFields();
    if (m_screens.overview)
        fields << m_screens.overview->amountFields();
    if (m_screens.billEditor)
        fields << m_screens.billEditor->amountFields();
    if (m_screens.payLogger)
        fields << m_screens.payLogger->amountPaidField();
    const auto formatter = std::make_shared<const CurrencyFormatter>();
    for (QLineEdit* field : fields)
        BWAmountField::attach(field, formatter);
}

void BWAppDelegate::applicationDidFinishLaunching()
{
    m_launchDate = m_clock.now();
    finishedStep(QStringLiteral("launchDate"));

    // Before anything else reaches the cloud account.
    if (configureCloudAccount())
        finishedStep(QStringLiteral("configureCloudAccount"));

    createMainWindowController();
    finishedStep(QStringLiteral("createMainWindowController"));

    if (hasOverview()) {
        mainView()->setOverviewbutton(m_screens.overview->overviewButtonLog());
        if (m_screens.billView)
            mainView()->setButton(m_screens.billView->logPaymentButtonDetail());
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

    if (hasOverview()) {
        initializeViews();
        finishedStep(QStringLiteral("initializeViews"));
    }
    BWUpdateHelper::addUpdatesMenu(m_appMenu);
    finishedStep(QStringLiteral("addUpdatesMenu"));

    // With a password the tray item waits for it (createMenuAfterPassword).
    if (!passwordSet && createMenuIfEnabled())
        finishedStep(QStringLiteral("createMenu"));

    logAutomaticPayments();
    if (hasOverview()) {
        m_screens.overview->loadOverview();
        finishedStep(QStringLiteral("loadOverview"));
        if (m_screens.billEditor) {
            m_screens.billEditor->setListOfActiveBills(m_screens.overview->dataSource());
            finishedStep(QStringLiteral("setListOfActiveBills"));
        }
    }

    m_visibleView = OverviewPaneSet;
    enableOrDisableSelectedMenusAndButtons();
    Log::line(QStringLiteral("Orvane Overview OK at Startup"));
    updateToolbar();
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
        showWelcomeScreen();
        finishedStep(QStringLiteral("showWelcomeScreen"));
    }

    updateIncomeVisibility(m_defaults.boolForKey(BWShowPaydaysOnOverview));
    finishedStep(QStringLiteral("updateIncomeVisibility"));

    if (registerCloudAccount())
        finishedStep(QStringLiteral("registerCloudAccount"));

    finishStartUpOnceShown();
}

// The window's first pixels wait for none of this: the cloud's account
// check goes out to the network, the cloud prompt counts the bills by a load
// of its own, and the backup copies the data folder (on a worker, after what
// interrupted copies left was put right; its step comes last, once the copy
// is done).
void BWAppDelegate::finishStartUpOnceShown()
{
    const auto finish = [this] {
        finishedStep(QStringLiteral("mainWindowShown"));
        BWInterruptedCopies(m_storeEnv).tidy();
        finishedStep(QStringLiteral("tidyInterruptedCopies"));
        checkCloudAccountAtStartUp();
        finishedStep(QStringLiteral("cloudSync"));
        if (m_defaults.boolForKey(BW_ShouldDisplayOrvaneCloudPrompt)) {
            const qsizetype billCount = BWBillsLoader(m_storeEnv).loadBills().value_or(QVariantList()).size();
            if (billCount >= BillsBeforeCloudPromptEnds
                && !m_defaults.setBool(BW_ShouldDisplayOrvaneCloudPrompt, false))
                Log::line(QStringLiteral("Could not store %1").arg(BW_ShouldDisplayOrvaneCloudPrompt));
            finishedStep(QStringLiteral("cloudPrompt"));
        }
        backupDatabaseAndShowDate();
    };
    QWidget* window = mainWindow();
    if (window && window->isVisible() && !window->isMinimized())
        new AfterFirstPaint(window, this, finish);
    else
        QTimer::singleShot(0, this, finish);
}

void BWAppDelegate::finishedStep(const QString& step)
{
    emit startUpStepDone(step);
}

bool BWAppDelegate::passwordIsSet() const
{
    return m_passwordController && m_passwordController->passwordIsSetForServiceName(PasswordServiceName);
}

void BWAppDelegate::showPasswordState(bool passwordSet)
{
    if (m_passwordController)
        m_passwordController->showLockState(passwordSet);
}

// The Dock icon and the tray item follow OrvaneVisibility. Menu-bar-only mode
// takes effect only once the user has started using this version and only
// without a password: a locked program always keeps its Dock icon, so that it
// can be found to unlock.
bool BWAppDelegate::setDockIconVisibility()
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
    if (QWidget* window = mainWindow())
        BWTaskbarPresence::setSkipsTaskbar(*window, menuBarOnly);

    bool written = m_defaults.setBool(BWEnableMenu, visibility != DockOnly);
    // Menu-bar-only mode leaves the Dock switch as the user last had it.
    if (!menuBarOnly)
        written &= m_defaults.setBool(BWEnableDocklet, true);
    if (!written)
        Log::line(QStringLiteral("Could not store the Dock and menu-bar visibility"));
    return written;
}

bool BWAppDelegate::createMenuIfEnabled()
{
    if (!m_defaults.boolForKey(BWEnableMenu))
        return false;
    if (!m_menulet) {
        m_menulet = std::make_unique<BWMenulet>(m_storeEnv);
        connect(m_menulet.get(), &BWMenulet::showOrvaneChosen, this, &BWAppDelegate::showOrvane);
        connect(m_menulet.get(), &BWMenulet::preferencesChosen, this, &BWAppDelegate::showPreferences);
        connect(m_menulet.get(), &BWMenulet::quitChosen, this, &BWAppDelegate::quitOrvane);
        connect(m_menulet.get(), &BWMenulet::billChosen, this, &BWAppDelegate::menuItemSelected);
        connect(m_menulet.get(), &BWMenulet::menuWillOpen, this, &BWAppDelegate::checkForDateChange);
    }
    m_menulet->createMenu();
    return true;
}

void BWAppDelegate::setNotificationCenterVisibility()
{
    if (m_notificationCenter)
        connect(m_notificationCenter, &UserNotificationCenter::didActivateNotification, this,
                &BWAppDelegate::userNotificationCenterDidActivateNotification, Qt::UniqueConnection);
}

void BWAppDelegate::observeSleepAndWake()
{
    if (!m_sleepWatcher)
        return;
    connect(m_sleepWatcher, &SleepWatcher::willSleep, this, &BWAppDelegate::receiveSleepNote, Qt::UniqueConnection);
    connect(m_sleepWatcher, &SleepWatcher::didWake, this, &BWAppDelegate::receiveWakeNote, Qt::UniqueConnection);
}

// ---- Main loop ---------------------------------------------------------------

void BWAppDelegate::startTimer()
{
    m_updateTimer.start();
}

void BWAppDelegate::receiveSleepNote()
{
    Log::line(QStringLiteral("Going to sleep"));
    m_updateTimer.stop();
}

void BWAppDelegate::receiveWakeNote()
{
    Log::line(QStringLiteral("Computer woke up"));
    // The night may have brought a new day: look now, not two minutes later.
    // On the same day, what fell due while asleep is logged all the same.
    if (!checkForDateChange()) {
        const QStringList logged = logAutomaticPayments();
        if (!logged.isEmpty())
            reloadAfterPayment(logged);
    }
    startTimer();
    // What other devices changed overnight comes in now.
    checkForNewiCloudChanges();
}

// A new day is a new calendar date: the same day-of-month number a month
// later is a new day too.
bool BWAppDelegate::checkForDateChange()
{
    Log::line(QStringLiteral("Checking for Date Change"));
    const QDateTime now = m_clock.now();
    if (now.toLocalTime().date() == m_launchDate.toLocalTime().date())
        return false;
    Log::line(QStringLiteral("Updating Data"));
    m_launchDate = now;
    // Reading every item to see which log themselves would hold the window:
    // they are looked for on a worker, what is due is logged here, and then
    // the list is read again.
    BWAutomaticPayments::findDueItems(m_storeEnv, this, [this](const QStringList& due) {
        BWAutomaticPayments(m_storeEnv).logDuePayments(due);
        showNewDay();
    });
    if (hasOverview() && !overviewIsShown())
        switchToOverviewWithoutReloading(this);
    return true;
}

void BWAppDelegate::showNewDay()
{
    // A failed reload must not stop the timer: the next tick tries again
    // with fresh data. The overview reads every item again, which it may do
    // on a worker.
    try {
        if (m_screens.overview)
            m_screens.overview->showAllBillsForNewDay();
    } catch (const std::exception& failure) {
        Log::line(QStringLiteral("Reloading for the new day failed: %1").arg(QString::fromUtf8(failure.what())));
    }
}

QStringList BWAppDelegate::logAutomaticPayments()
{
    return BWAutomaticPayments(m_storeEnv).logDuePayments();
}

void BWAppDelegate::logAutomaticPaymentsSoon()
{
    m_automaticPaymentsSoon.start();
}

bool BWAppDelegate::applicationShouldHandleReopen(bool hasVisibleWindows)
{
    Log::line(QStringLiteral("Handling reopen"));
    checkForDateChange();
    // Starting the program again is how the user asks for it: a main window
    // that shows behind others comes forward as well.
    if (!hasVisibleWindows || mainWindowIsVisible())
        bringMainWindowToFront();
    return true;
}

void BWAppDelegate::userNotificationCenterDidActivateNotification(const QVariantMap& userInfo)
{
    showBillFromSearch(userInfo.value(QStringLiteral("Bid")).toString());
    // A click on a reminder is a request for the program: the bill it opened
    // has to be seen.
    bringMainWindowToFront();
}

void BWAppDelegate::getUrl(const QString& url)
{
    // The login agent's address only starts the program; there is nothing
    // more to do with it.
    if (QUrl(url).scheme() == LaunchScheme)
        Log::line(QStringLiteral("Started through the launch address"));
    else
        Log::line(QStringLiteral("Ignoring the unknown address %1").arg(url));
}

bool BWAppDelegate::continueUserActivity(const UserActivity& activity)
{
    Log::line(QStringLiteral("Type %1").arg(activity.activityType()));
    Log::line(QStringLiteral("Title %1").arg(activity.title()));
    if (activity.activityType() == AllBillsActivityType) {
        switchToOverview(this);
    } else {
        const QString billID = activity.userInfo().value(QStringLiteral("Bid")).toString();
        Log::line(QStringLiteral("Attempting to Restore: %1").arg(billID));
        showBillFromSearch(billID);
    }
    bringMainWindowToFront();
    return true;
}

void BWAppDelegate::applicationDidResignActive()
{
    for (UserActivity* activity : {m_screens.overview ? m_screens.overview->activity() : nullptr,
                                   m_screens.billView ? m_screens.billView->activity() : nullptr}) {
        if (activity)
            activity->invalidate();
    }
}

bool BWAppDelegate::bringMainWindowToFront()
{
    if (m_locked) {
        if (m_passwordController)
            m_passwordController->raisePasswordWindow();
        return false;
    }
    QWidget* window = mainWindow();
    if (!window)
        return false;
    // A window minimised for want of a tray comes back up as well.
    window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
    window->show();
    window->raise();
    window->activateWindow();
    return true;
}

bool BWAppDelegate::runsInTrayOnly() const
{
    return m_defaults.integerForKey(OrvaneVisibility) == MenuBarOnly && m_trayAvailable();
}

bool BWAppDelegate::trayItemIsShown() const
{
    return m_menulet && m_menulet->statusItem() && m_trayAvailable();
}

void BWAppDelegate::explainReachableWindowOnce(const QString& message, const QString& details)
{
    if (m_defaults.boolForKey(BWToldWindowStaysReachable))
        return;
    Log::line(message);
    if (!m_defaults.setBool(BWToldWindowStaysReachable, true))
        Log::line(QStringLiteral("Could not store %1").arg(BWToldWindowStaysReachable));
    if (m_interaction.showAlert)
        m_interaction.showAlert(mainWindow(), message, details);
}

bool BWAppDelegate::mainWindowIsVisible() const
{
    const QWidget* window = mainWindow();
    return window && window->isVisible();
}

// ---- Shut-down ---------------------------------------------------------------

bool BWAppDelegate::applicationShouldTerminate()
{
    if (!runsInTrayOnly() || !mainWindowIsVisible())
        return true;

    QMessageBox question(mainWindow());
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
    mainWindow()->close();
    return false;
}

void BWAppDelegate::terminate()
{
    if (!applicationShouldTerminate())
        return;
    m_terminating = true;
    QCoreApplication::quit();
}

// A chosen data folder is reached by its path, with no access grant to give
// back; what is left is the timer.
void BWAppDelegate::applicationWillTerminate()
{
    m_updateTimer.stop();
}

// ---- Small actions -----------------------------------------------------------

QVariantList BWAppDelegate::getBills() const
{
    return m_screens.overview ? m_screens.overview->dataSourceWithIncome() : QVariantList();
}

void BWAppDelegate::updateOverview()
{
    if (m_screens.overview)
        m_screens.overview->loadOverview();
}

void BWAppDelegate::createMenuAfterPassword()
{
    m_locked = false;
    if (std::exchange(m_reloadWhenUnlocked, false) && hasOverview())
        reloadOverviewAndSuggestions();
    // The tray item follows its setting here as at start-up.
    if (createMenuIfEnabled() && m_screens.overview)
        m_menulet->updateMenuWithDataSource(m_screens.overview->dataSource());
    bringMainWindowToFront();
}

void BWAppDelegate::selectSearchField()
{
    if (m_screens.overview)
        m_screens.overview->focusSearchField();
    bringMainWindowToFront();
}

void BWAppDelegate::signUpForList()
{
    openSupportAddress(MailingListAddress);
}

void BWAppDelegate::readBlogPost()
{
    openSupportAddress(SupportMailAddress);
}

void BWAppDelegate::reportBug()
{
    openSupportAddress(SupportPageAddress);
}

void BWAppDelegate::openSupportAddress(const QString& address)
{
    if (!m_interaction.openUrl(QUrl(address)))
        Log::line(QStringLiteral("Could not open %1").arg(address));
}
