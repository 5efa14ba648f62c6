// The registered defaults, calendar access, and what a changed setting sets
// going.
#include "shell/BWStartup.h"

#include "platform/CalendarStore.h"
#include "platform/Clock.h"
#include "platform/Log.h"
#include "platform/UserDefaults.h"
#include "platform/UserNotificationCenter.h"
#include "screens/BWOverviewScreen.h"
#include "shell/BWAppDelegate.h"
#include "shell/BWReminderManager.h"
#include "store/BWBillsLoader.h"
#include "store/BWDefaultsKeys.h"
#include "store/BWRegisteredDefaults.h"

#include <QAbstractButton>

using namespace BWDefaultsKeys;

namespace {

bool reportIfFailed(bool written, const QString& what)
{
    if (!written)
        Log::line(QStringLiteral("Could not store %1").arg(what));
    return written;
}

// Settings that change how reminders are made rather than when bills are due.
bool settingShapesReminders(const QString& key)
{
    static const QStringList reminderSettings
        = {BWEnableNotificationCenter, BWReminderEvents, BWReminderCalendarName, BWReminderTime};
    return reminderSettings.contains(key);
}

}  // namespace

// ---- Defaults and calendar access ------------------------------------------------

bool BWStartup::initializeDefaults()
{
    using namespace BWDefaultsKeys;
    m_defaults.registerDefaults(BWRegisteredDefaults::table(*env().clock));

    bool allWritten = true;
    // The data-folder path cached now is the one this run resolved afresh
    // before anything used it (BWDataFolder::resolveAfresh): forgetting it
    // here would have the folder resolved a second time, perhaps otherwise.
    allWritten &= reportIfFailed(m_defaults.setInteger(BWHowMuchIncomeToShow, 0), BWHowMuchIncomeToShow);
    // The companion extension reads the due-soon window from the shared suite.
    allWritten &= reportIfFailed(env().appGroup->setInteger(BWDueSoonDays, m_defaults.integerForKey(BWDueSoonDays)),
                                 BWDueSoonDays + QStringLiteral(" in the app-group suite"));

    if (m_defaults.boolForKey(BWReminderEvents))
        requestAccessToCalendar();
    return allWritten;
}

void BWStartup::requestAccessToCalendar()
{
    m_eventStore = std::make_shared<CalendarStore>(m_calendarFolder);
    m_eventStore->requestAccessToEvents();
}

void BWStartup::promptForAccessToCalendar(const QAbstractButton* sender)
{
    if (sender && sender->isChecked())
        requestAccessToCalendar();
}

// ---- Settings -----------------------------------------------------------------

void BWStartup::preferenceDidChange(const QString& key)
{
    if (key == BWReminderEvents && m_defaults.boolForKey(BWReminderEvents))
        requestAccessToCalendar();
    if (key == iCloudSyncEnabled2)
        m_delegate.cloudSync().enableOrDisableCloudKitSync(m_defaults.boolForKey(iCloudSyncEnabled2));
    if (key == BWShowPaydaysOnOverview)
        m_delegate.commands().updateIncomeVisibility(m_defaults.boolForKey(BWShowPaydaysOnOverview));
    if (screens().overview && QStringList{Average, Amount, Balance, LastPaid}.contains(key))
        screens().overview->updateTableColumnVisibility();
    // After the calendar access above: events need the calendar store.
    if (BWBillsLoader::settingMovesShownDueDates(key) || settingShapesReminders(key))
        renewReminders();
    // Turned on, automatic logging catches up with what is due at once.
    if ((key == BWShouldAutoLogPayments || key == BW_ShouldAutoLogIncome) && m_defaults.boolForKey(key))
        logAutomaticPayments();
    // Due-soon days, date shifts, income and the rest show in the overview
    // and the tray menu, which a reload brings up to date; how reminders are
    // made shows in neither.
    if (!isLocked() && !settingShapesReminders(key))
        m_delegate.updateOverview();
}

void BWStartup::dueDateShiftsDidChange()
{
    renewReminders();
}

// Reminders are made when a bill is written; a change of settings or of the
// whole data folder writes no bill, so they are made again here.
void BWStartup::renewReminders()
{
    if (m_reminders)
        m_reminders->renewRemindersOfListedItems();
}
