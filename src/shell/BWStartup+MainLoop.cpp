// The main loop: the timer and the look for a new day, sleep and wake, and
// what the tray and the reminders ask for while Orvane runs.
#include "shell/BWStartup.h"

#include <utility>

#include "platform/Clock.h"
#include "platform/Log.h"
#include "platform/UserActivity.h"
#include "platform/UserDefaults.h"
#include "platform/UserNotificationCenter.h"
#include "screens/BWBillDetailScreen.h"
#include "screens/BWOverviewScreen.h"
#include "shell/BWAppDelegate.h"
#include "shell/BWMenulet.h"
#include "shell/BWPasswordLock.h"
#include "store/BWAutomaticPayments.h"
#include "store/BWDefaultsKeys.h"

#include <QUrl>

using namespace BWDefaultsKeys;

namespace {

// The address the login agent starts the program with.
const QString LaunchScheme = QStringLiteral("com-bramwick-orvanelaunch");

}  // namespace

// ---- Main loop ---------------------------------------------------------------

void BWStartup::startTimer()
{
    m_updateTimer.start();
}

void BWStartup::receiveSleepNote()
{
    Log::line(QStringLiteral("Going to sleep"));
    m_updateTimer.stop();
}

void BWStartup::receiveWakeNote()
{
    Log::line(QStringLiteral("Computer woke up"));
    // The night may have brought a new day: look now, not two minutes later.
    // On the same day, what fell due while asleep is logged all the same.
    if (!checkForDateChange()) {
        const QStringList logged = logAutomaticPayments();
        if (!logged.isEmpty())
            m_delegate.commands().reloadAfterPayment(logged);
    }
    startTimer();
    // What other devices changed overnight comes in now.
    m_delegate.cloudSync().checkForNewiCloudChanges();
}

// A new day is a new calendar date: the same day-of-month number a month
// later is a new day too.
bool BWStartup::checkForDateChange()
{
    Log::line(QStringLiteral("Checking for Date Change"));
    const QDateTime now = env().clock->now();
    if (now.toLocalTime().date() == m_launchDate.toLocalTime().date())
        return false;
    Log::line(QStringLiteral("Updating Data"));
    m_launchDate = now;
    // Reading every item to see which log themselves would hold the window:
    // they are looked for on a worker, what is due is logged here a few a
    // turn, and then the list is read again.
    ++m_dueLookups;
    BWAutomaticPayments::findDueItems(env(), this, [this](const QStringList& due) {
        --m_dueLookups;
        logDuePaymentsOnTurns(due, [this] { showNewDay(); });
    });
    if (screens().overview && !m_delegate.commands().overviewIsShown())
        m_delegate.commands().switchToOverviewWithoutReloading(this);
    return true;
}

void BWStartup::showNewDay()
{
    // A failed reload must not stop the timer: the next tick tries again
    // with fresh data. The overview reads every item again, which it may do
    // on a worker.
    try {
        if (screens().overview)
            screens().overview->showAllBillsForNewDay();
    } catch (const std::exception& failure) {
        Log::line(QStringLiteral("Reloading for the new day failed: %1").arg(QString::fromUtf8(failure.what())));
    }
}

// One item a task, each payment its own write, so that a day on which many
// items fall due never holds the window. The rows show the payments with the
// new day's list, read on a worker once the last one is written: a row
// updated before that would have this thread work out every bill's figures
// for the new day. An item several dates behind logs the next one in the
// following pass, as logDuePayments() does. What a quit leaves unwritten is
// due still and is logged by the step at the next start.
void BWStartup::logDuePaymentsOnTurns(const QStringList& candidates, const std::function<void()>& done)
{
    auto logged = std::make_shared<QStringList>();
    for (const QString& billID : candidates) {
        m_automaticWrites.append([this, billID, logged] {
            if (!BWAutomaticPayments(env()).logDuePaymentsOnce({billID}).isEmpty())
                logged->append(billID);
        });
    }
    m_automaticWrites.append([this, logged, done] {
        if (logged->isEmpty())
            done();
        else
            logDuePaymentsOnTurns(*logged, done);
    });
}

QStringList BWStartup::logAutomaticPayments()
{
    return BWAutomaticPayments(env()).logDuePayments();
}

void BWStartup::logAutomaticPaymentsSoon(const QStringList& changedItems)
{
    if (changedItems.isEmpty())
        m_automaticAnyItem = true;
    m_automaticCandidates += changedItems;
    m_automaticPaymentsSoon.start();
}

void BWStartup::logAutomaticPaymentsOfChangedItems()
{
    const QStringList candidates = std::exchange(m_automaticCandidates, {});
    if (std::exchange(m_automaticAnyItem, false)) {
        BWAutomaticPayments::findDueItems(env(), this, [this](const QStringList& due) {
            showAutomaticPayments(BWAutomaticPayments(env()).logDuePayments(due));
        });
        return;
    }
    showAutomaticPayments(BWAutomaticPayments(env()).logDuePayments(candidates));
}

void BWStartup::showAutomaticPayments(const QStringList& logged)
{
    if (!logged.isEmpty() && !isLocked())
        m_delegate.commands().reloadAfterPayment();
}

bool BWStartup::applicationShouldHandleReopen(bool hasVisibleWindows)
{
    Log::line(QStringLiteral("Handling reopen"));
    checkForDateChange();
    // Starting the program again is how the user asks for it: a main window
    // that shows behind others comes forward as well.
    if (!hasVisibleWindows || mainWindowIsVisible())
        bringMainWindowToFront();
    return true;
}

void BWStartup::userNotificationCenterDidActivateNotification(const QVariantMap& userInfo)
{
    m_delegate.commands().showBillFromSearch(userInfo.value(QStringLiteral("Bid")).toString());
    // A click on a reminder is a request for the program: the bill it opened
    // has to be seen.
    bringMainWindowToFront();
}

void BWStartup::getUrl(const QString& url)
{
    // The login agent's address only starts the program; there is nothing
    // more to do with it.
    if (QUrl(url).scheme() == LaunchScheme)
        Log::line(QStringLiteral("Started through the launch address"));
    else
        Log::line(QStringLiteral("Ignoring the unknown address %1").arg(url));
}

bool BWStartup::continueUserActivity(const UserActivity& activity)
{
    Log::line(QStringLiteral("Type %1").arg(activity.activityType()));
    Log::line(QStringLiteral("Title %1").arg(activity.title()));
    if (activity.activityType() == BWAppDelegate::AllBillsActivityType) {
        m_delegate.commands().switchToOverview(this);
    } else {
        const QString billID = activity.userInfo().value(QStringLiteral("Bid")).toString();
        Log::line(QStringLiteral("Attempting to Restore: %1").arg(billID));
        m_delegate.commands().showBillFromSearch(billID);
    }
    bringMainWindowToFront();
    return true;
}

void BWStartup::applicationDidResignActive()
{
    for (UserActivity* activity : {screens().overview ? screens().overview->activity() : nullptr,
                                   screens().billView ? screens().billView->activity() : nullptr}) {
        if (activity)
            activity->invalidate();
    }
}

bool BWStartup::bringMainWindowToFront()
{
    if (m_locked) {
        if (m_passwordController)
            m_passwordController->raisePasswordWindow();
        return false;
    }
    QWidget* window = m_delegate.window().mainWindow();
    if (!window)
        return false;
    // A window minimised for want of a tray comes back up as well.
    window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
    window->show();
    window->raise();
    window->activateWindow();
    return true;
}

bool BWStartup::trayItemIsShown() const
{
    return m_menulet && m_menulet->statusItem() && m_trayAvailable();
}

void BWStartup::explainReachableWindowOnce(const QString& message, const QString& details)
{
    if (m_defaults.boolForKey(BWToldWindowStaysReachable))
        return;
    Log::line(message);
    if (!m_defaults.setBool(BWToldWindowStaysReachable, true))
        Log::line(QStringLiteral("Could not store %1").arg(BWToldWindowStaysReachable));
    if (m_delegate.interaction().showAlert)
        m_delegate.interaction().showAlert(m_delegate.window().mainWindow(), message, details);
}

bool BWStartup::mainWindowIsVisible() const
{
    const QWidget* window = m_delegate.window().mainWindow();
    return window && window->isVisible();
}
