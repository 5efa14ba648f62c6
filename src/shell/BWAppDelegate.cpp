#include "shell/BWAppDelegate.h"

#include "platform/CalendarStore.h"

BWAppDelegate::BWAppDelegate(UserDefaults& defaults, UserDefaults& appGroup, const Clock& clock,
                             const QString& calendarFolder, QObject* parent)
    : QObject(parent)
    , m_defaults(defaults)
    , m_appGroup(appGroup)
    , m_clock(clock)
    , m_calendarFolder(calendarFolder)
{
}

BWAppDelegate::~BWAppDelegate() = default;
