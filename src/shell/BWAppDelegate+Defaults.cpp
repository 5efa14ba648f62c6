#include "shell/BWAppDelegate.h"

#include "platform/CalendarStore.h"
#include "platform/Log.h"
#include "platform/UserDefaults.h"
#include "store/BWDefaultsKeys.h"
#include "store/BWRegisteredDefaults.h"

#include <QAbstractButton>

namespace {

bool reportIfFailed(bool written, const QString& what)
{
    if (!written)
        Log::line(QStringLiteral("Could not store %1").arg(what));
    return written;
}

}  // namespace

bool BWAppDelegate::initializeDefaults()
{
    using namespace BWDefaultsKeys;
    m_defaults.registerDefaults(BWRegisteredDefaults::table(m_clock));

    bool allWritten = true;
    // The data-folder path cached now is the one this run resolved afresh
    // before anything used it (BWDataFolder::resolveAfresh): forgetting it
    // here would have the folder resolved a second time, perhaps otherwise.
    allWritten &= reportIfFailed(m_defaults.setInteger(BWHowMuchIncomeToShow, 0), BWHowMuchIncomeToShow);
    // The companion extension reads the due-soon window from the shared suite.
    allWritten &= reportIfFailed(m_appGroup.setInteger(BWDueSoonDays, m_defaults.integerForKey(BWDueSoonDays)),
                                 BWDueSoonDays + QStringLiteral(" in the app-group suite"));

    if (m_defaults.boolForKey(BWReminderEvents))
        requestAccessToCalendar();
    return allWritten;
}

void BWAppDelegate::requestAccessToCalendar()
{
    m_eventStore = std::make_shared<CalendarStore>(m_calendarFolder);
    m_eventStore->requestAccessToEvents();
}

void BWAppDelegate::promptForAccessToCalendar(const QAbstractButton* sender)
{
    if (sender && sender->isChecked())
        requestAccessToCalendar();
}
