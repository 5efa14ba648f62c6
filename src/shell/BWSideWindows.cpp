#include "shell/BWSideWindows.h"

#include "screens/BWForecastViewController.h"
#include "screens/BWHistoryViewController.h"
#include "screens/BWReportController.h"
#include "shell/BWAppDelegate.h"
#include "shell/BWStartup.h"
#include "shell/BWWindowKeys.h"
#include "widgets/BWFocusReturn.h"

#include <QWidget>

BWSideWindows::BWSideWindows(BWAppDelegate& delegate)
    : QObject(&delegate)
    , m_delegate(delegate)
{
}

BWSideWindows::~BWSideWindows() = default;

// The controller, made on first use with the keys of a side window.
template <typename Controller>
Controller& BWSideWindows::madeOnce(std::unique_ptr<Controller>& controller, QWidget* (Controller::*window)() const)
{
    if (!controller) {
        controller = std::make_unique<Controller>(m_delegate.storeEnvironment());
        addSideWindowKeys(((*controller).*window)());
    }
    return *controller;
}

void BWSideWindows::addSideWindowKeys(QWidget* window)
{
    if (!window)
        return;
    BWWindowKeys::addCloseKeys(*window);
    // Closed, the window gives the keyboard back to where it came from.
    BWFocusReturn::install(window);
}

bool BWSideWindows::isLocked() const
{
    return m_delegate.startup().isLocked();
}

void BWSideWindows::setPrefWindow(QWidget* prefWindow)
{
    m_prefWindow = prefWindow;
    addSideWindowKeys(prefWindow);
}

void BWSideWindows::showPreferences()
{
    if (!m_prefWindow || isLocked())
        return;
    m_prefWindow->show();
    m_prefWindow->raise();
    m_prefWindow->activateWindow();
}

void BWSideWindows::showForecast()
{
    if (!isLocked())
        madeOnce(m_forecast, &BWForecastViewController::forecastWindow).setupForecastView();
}

void BWSideWindows::showHistory()
{
    if (!isLocked())
        madeOnce(m_history, &BWHistoryViewController::historyWindow).setupHistoryView();
}

void BWSideWindows::showReports()
{
    if (!isLocked())
        madeOnce(m_reports, &BWReportController::reportWindow).setupReportView();
}
