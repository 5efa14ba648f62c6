#include "platform/CalendarStore.h"

#include "platform/AtomicFile.h"
#include "platform/BWUIDMaker.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>

#include <libical/ical.h>

#include <memory>

namespace {

const QString kExtension = QStringLiteral(".ics");

using Component = std::unique_ptr<icalcomponent, decltype(&icalcomponent_free)>;

Component parseCalendar(const QByteArray& bytes)
{
    Component component(icalparser_parse_string(bytes.constData()), &icalcomponent_free);
    if (component && icalcomponent_isa(component.get()) != ICAL_VCALENDAR_COMPONENT)
        component.reset();
    return component;
}

// The calendar's title travels in the standard NAME property, whose text
// escaping keeps commas, semicolons and line breaks of a title intact.
QByteArray serializeCalendar(const QString& title)
{
    Component calendar(icalcomponent_new(ICAL_VCALENDAR_COMPONENT), &icalcomponent_free);
    icalcomponent_add_property(calendar.get(), icalproperty_new_version("2.0"));
    icalcomponent_add_property(calendar.get(), icalproperty_new_prodid("-//Bramwick//Orvane//EN"));
    icalcomponent_add_property(calendar.get(), icalproperty_new_name(title.toUtf8().constData()));
    char* text = icalcomponent_as_ical_string_r(calendar.get());
    const QByteArray bytes(text);
    icalmemory_free_buffer(text);
    return bytes;
}

}  // namespace

QString CalendarStore::defaultFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)
           + QStringLiteral("/Orvane/calendars");
}

CalendarStore::CalendarStore(const QString& folder)
    : m_folder(folder)
{
}

void CalendarStore::requestAccessToEvents()
{
    m_hasAccess = true;
}

QList<CalendarStore::Calendar> CalendarStore::calendarsForEvents() const
{
    QList<Calendar> calendars;
    if (!m_hasAccess)
        return calendars;
    const QStringList files = QDir(m_folder).entryList({QLatin1Char('*') + kExtension},
                                                       QDir::Files | QDir::CaseSensitive, QDir::Name);
    for (const QString& file : files) {
        const QString identifier = file.chopped(kExtension.size());
        if (!BWUIDMaker::isValidUID(identifier))
            continue;
        if (const std::optional<Calendar> calendar = readCalendar(identifier))
            calendars.append(*calendar);
    }
    return calendars;
}

std::optional<CalendarStore::Calendar> CalendarStore::calendarWithTitle(const QString& title) const
{
    for (const Calendar& calendar : calendarsForEvents()) {
        if (calendar.title == title)
            return calendar;
    }
    return std::nullopt;
}

std::optional<CalendarStore::Calendar> CalendarStore::createCalendar(const QString& title, QString* error)
{
    if (!m_hasAccess) {
        if (error)
            *error = QStringLiteral("No access to calendars");
        return std::nullopt;
    }
    if (!QDir().mkpath(m_folder)) {
        if (error)
            *error = QStringLiteral("Could not create the folder %1").arg(m_folder);
        return std::nullopt;
    }
    const Calendar calendar{BWUIDMaker::makeUID(), title};
    if (!AtomicFile::write(calendarPath(calendar.identifier), serializeCalendar(title), error))
        return std::nullopt;
    return calendar;
}

QString CalendarStore::calendarPath(const QString& identifier) const
{
    return m_folder + QLatin1Char('/') + identifier + kExtension;
}

std::optional<CalendarStore::Calendar> CalendarStore::readCalendar(const QString& identifier) const
{
    QFile file(calendarPath(identifier));
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const Component component = parseCalendar(file.readAll());
    if (!component)
        return std::nullopt;
    icalproperty* name = icalcomponent_get_first_property(component.get(), ICAL_NAME_PROPERTY);
    const char* title = name ? icalproperty_get_name(name) : nullptr;
    return Calendar{identifier, QString::fromUtf8(title ? title : "")};
}
