// The forecast, history and report windows.

#include "shell/BWAppDelegate.h"

#include "screens/BWForecastViewController.h"
#include "screens/BWHistoryViewController.h"
#include "screens/BWReportController.h"
#include "shell/BWWindowKeys.h"

namespace {

}  // namespace

// The controller, made on first use with the keys of a side window.
template <typename Controller>
Controller& BWAppDelegate::madeOnce(std::unique_ptr<Controller>& controller, QWidget* (Controller::*window)() const)
{
    if (!controller) {
        controller = std::make_unique<Controller>(m_storeEnv);
        addSideWindowKeys(((*controller).*window)());
    }
    return *controller;
}

void BWAppDelegate::addSideWindowKeys(QWidget* window)
{
    if (window)
        BWWindowKeys::addCloseKeys(*window);
}

void BWAppDelegate::setPrefWindow(QWidget* prefWindow)
{
    m_prefWindow = prefWindow;
    addSideWindowKeys(prefWindow);
}

void BWAppDelegate::showForecast()
{
    // The side windows show the bills, which the lock keeps private.
    if (isLocked())
        return;
    madeOnce(m_forecast, &BWForecastViewController::forecastWindow).setupForecastView();
}

void BWAppDelegate::showHistory()
{
    if (isLocked())
        return;
    madeOnce(m_history, &BWHistoryViewController::historyWindow).setupHistoryView();
}

void BWAppDelegate::showReports()
{
    if (isLocked())
        return;
    madeOnce(m_reports, &BWReportController::reportWindow).setupReportView();
}
