// The forecast, history and report windows.

#include "shell/BWAppDelegate.h"

#include "screens/BWForecastViewController.h"
#include "screens/BWHistoryViewController.h"
#include "screens/BWReportController.h"

namespace {

// The controller, made on first use.
template <typename Controller>
Controller& madeOnce(std::unique_ptr<Controller>& controller, const BWStoreEnvironment& env)
{
    if (!controller)
        controller = std::make_unique<Controller>(env);
    return *controller;
}

}  // namespace

void BWAppDelegate::showForecast()
{
    // The side windows show the bills, which the lock keeps private.
    if (isLocked())
        return;
    madeOnce(m_forecast, m_storeEnv).setupForecastView();
}

void BWAppDelegate::showHistory()
{
    if (isLocked())
        return;
    madeOnce(m_history, m_storeEnv).setupHistoryView();
}

void BWAppDelegate::showReports()
{
    if (isLocked())
        return;
    madeOnce(m_reports, m_storeEnv).setupReportView();
}
