#include "shell/BWAppDelegate.h"

#include "platform/UserDefaults.h"
#include "screens/BWOverviewScreen.h"
#include "shell/BWReminderManager.h"
#include "store/BWBillsLoader.h"
#include "store/BWDefaultsKeys.h"

using namespace BWDefaultsKeys;

namespace {

// Settings that change how reminders are made rather than when bills are due.
bool settingShapesReminders(const QString& key)
{
    static const QStringList reminderSettings = {BWEnableNotificationCenter, BWReminderEvents, BWReminderCalendarName,
                                                 BWReminderTime};
    return reminderSettings.contains(key);
}

}  // namespace

void BWAppDelegate::preferenceDidChange(const QString& key)
{
    if (key == BWReminderEvents && m_defaults.boolForKey(BWReminderEvents))
        requestAccessToCalendar();
    if (key == iCloudSyncEnabled2)
        enableOrDisableCloudKitSync(m_defaults.boolForKey(iCloudSyncEnabled2));
    if (key == BWShowPaydaysOnOverview)
        updateIncomeVisibility(m_defaults.boolForKey(BWShowPaydaysOnOverview));
    if (m_screens.overview && QStringList{Average, Amount, Balance, LastPaid}.contains(key))
        m_screens.overview->updateTableColumnVisibility();
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
        updateOverview();
}

void BWAppDelegate::dueDateShiftsDidChange()
{
    renewReminders();
}

// Reminders are made when a bill is written; a change of settings or of the
// whole data folder writes no bill, so they are made again here.
void BWAppDelegate::renewReminders()
{
    if (m_reminders)
        m_reminders->renewRemindersOfListedItems();
}
