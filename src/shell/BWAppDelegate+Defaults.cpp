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
    // A user-chosen data folder is resolved from its bookmark again at every
    // start; a path cached by an earlier run may no longer be valid.
    allWritten &= reportIfFailed(m_defaults.setObject(BWCusomLocationTempPath, QStringLiteral("")),
                                 BWCusomLocationTempPath);
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
