#include "platform/CalendarStore.h"

#include "platform/AtomicFile.h"
#include "platform/BWUIDMaker.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>

#include <libical/ical.h>

#include <algorithm>
#include <memory>
#include <vector>

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

QByteArray asBytes(const icalcomponent* component)
{
    char* text = icalcomponent_as_ical_string_r(const_cast<icalcomponent*>(component));
    const QByteArray bytes(text);
    icalmemory_free_buffer(text);
    return bytes;
}

// The calendar's title travels in the standard NAME property, whose text
// escaping keeps commas, semicolons and line breaks of a title intact.
QByteArray serializeCalendar(const QString& title)
{
    Component calendar(icalcomponent_new(ICAL_VCALENDAR_COMPONENT), &icalcomponent_free);
    icalcomponent_add_property(calendar.get(), icalproperty_new_version("2.0"));
    icalcomponent_add_property(calendar.get(), icalproperty_new_prodid("-//Bramwick//Orvane//EN"));
    icalcomponent_add_property(calendar.get(), icalproperty_new_name(title.toUtf8().constData()));
    return asBytes(calendar.get());
}

const char* const kBillIDProperty = "X-ORVANE-BILL-ID";

// libical writes a date of a later year as a null time.
constexpr int kLastWritableYear = 3000;

bool isWritable(const QDate& date)
{
    return date.isValid() && date.year() >= 1 && date.year() <= kLastWritableYear;
}

// Every date of the event fits the file format; a null date written in its
// place would read back as a different event.
bool hasWritableDates(const CalendarStore::Event& event)
{
    if (!isWritable(event.startDate) || !isWritable(event.endDate.addDays(1)) || event.endDate < event.startDate
        || !isWritable(event.stamp.toUTC().date()))
        return false;
    return std::all_of(event.alarms.cbegin(), event.alarms.cend(), [](const CalendarStore::Alarm& alarm) {
        return isWritable(alarm.absoluteDate.toUTC().date());
    });
}

icaltimetype icalDate(const QDate& date)
{
    icaltimetype time = icaltime_null_date();
    time.year = date.year();
    time.month = date.month();
    time.day = date.day();
    return time;
}

// Moments are written in UTC, which every calendar program reads the same way
// whatever zone it runs in.
icaltimetype icalMoment(const QDateTime& moment)
{
    const QDateTime utc = moment.toUTC();
    icaltimetype time = icaltime_null_time();
    time.year = utc.date().year();
    time.month = utc.date().month();
    time.day = utc.date().day();
    time.hour = utc.time().hour();
    time.minute = utc.time().minute();
    time.second = utc.time().second();
    time.zone = icaltimezone_get_utc_timezone();
    return time;
}

QDate qDate(const icaltimetype& time)
{
    return icaltime_is_null_time(time) ? QDate() : QDate(time.year, time.month, time.day);
}

QDateTime qMoment(const icaltimetype& time)
{
    if (icaltime_is_null_time(time))
        return {};
    const QDateTime moment(qDate(time), QTime(time.hour, time.minute, time.second),
                           icaltime_is_utc(time) ? Qt::UTC : Qt::LocalTime);
    return moment.toUTC();
}

QString textOf(const char* text)
{
    return QString::fromUtf8(text ? text : "");
}

QString billIDOf(icalcomponent* event)
{
    for (icalproperty* property = icalcomponent_get_first_property(event, ICAL_X_PROPERTY); property;
         property = icalcomponent_get_next_property(event, ICAL_X_PROPERTY)) {
        if (qstrcmp(icalproperty_get_x_name(property), kBillIDProperty) == 0)
            return textOf(icalproperty_get_x(property));
    }
    return {};
}

CalendarStore::Alarm parseAlarm(icalcomponent* alarm)
{
    CalendarStore::Alarm parsed;
    if (icalproperty* trigger = icalcomponent_get_first_property(alarm, ICAL_TRIGGER_PROPERTY))
        parsed.absoluteDate = qMoment(icalproperty_get_trigger(trigger).time);
    if (icalproperty* attach = icalcomponent_get_first_property(alarm, ICAL_ATTACH_PROPERTY)) {
        icalattach* sound = icalproperty_get_attach(attach);
        if (sound && icalattach_get_is_url(sound))
            parsed.soundName = textOf(icalattach_get_url(sound));
    }
    return parsed;
}

CalendarStore::Event parseEvent(icalcomponent* event, const QString& calendarIdentifier)
{
    CalendarStore::Event parsed;
    parsed.identifier = textOf(icalcomponent_get_uid(event));
    parsed.calendarIdentifier = calendarIdentifier;
    parsed.title = textOf(icalcomponent_get_summary(event));
    parsed.startDate = qDate(icalcomponent_get_dtstart(event));
    // The file's end date is exclusive, the day after the last day.
    const QDate end = qDate(icalcomponent_get_dtend(event));
    parsed.endDate = end.isValid() ? end.addDays(-1) : parsed.startDate;
    parsed.billID = billIDOf(event);
    parsed.stamp = qMoment(icalcomponent_get_dtstamp(event));
    for (icalcomponent* alarm = icalcomponent_get_first_component(event, ICAL_VALARM_COMPONENT); alarm;
         alarm = icalcomponent_get_next_component(event, ICAL_VALARM_COMPONENT)) {
        const CalendarStore::Alarm parsedAlarm = parseAlarm(alarm);
        if (parsedAlarm.absoluteDate.isValid())
            parsed.alarms.append(parsedAlarm);
    }
    return parsed;
}

// An audio alarm; without a sound name the calendar program plays its own.
icalcomponent* newAlarm(const CalendarStore::Alarm& alarm)
{
    icalcomponent* component = icalcomponent_new(ICAL_VALARM_COMPONENT);
    icalcomponent_add_property(component, icalproperty_new_action(ICAL_ACTION_AUDIO));
    icaltriggertype trigger{};
    trigger.time = icalMoment(alarm.absoluteDate);
    trigger.duration = icaldurationtype_null_duration();
    icalcomponent_add_property(component, icalproperty_new_trigger(trigger));
    if (!alarm.soundName.isEmpty()) {
        icalattach* sound = icalattach_new_from_url(alarm.soundName.toUtf8().constData());
        icalcomponent_add_property(component, icalproperty_new_attach(sound));
        icalattach_unref(sound);
    }
    return component;
}

icalcomponent* newEvent(const CalendarStore::Event& event)
{
    icalcomponent* component = icalcomponent_new(ICAL_VEVENT_COMPONENT);
    icalcomponent_set_uid(component, event.identifier.toUtf8().constData());
    icalcomponent_set_dtstamp(component, icalMoment(event.stamp));
    icalcomponent_set_summary(component, event.title.toUtf8().constData());
    icalcomponent_set_dtstart(component, icalDate(event.startDate));
    icalcomponent_set_dtend(component, icalDate(event.endDate.addDays(1)));
    if (!event.billID.isEmpty()) {
        icalproperty* billID = icalproperty_new_x(event.billID.toUtf8().constData());
        icalproperty_set_x_name(billID, kBillIDProperty);
        icalcomponent_add_property(component, billID);
    }
    for (const CalendarStore::Alarm& alarm : event.alarms)
        icalcomponent_add_component(component, newAlarm(alarm));
    return component;
}

// Takes out the events with the given UID; true when there was one.
bool removeEventsWithIdentifier(icalcomponent* calendar, const QString& identifier)
{
    QList<icalcomponent*> matching;
    for (icalcomponent* event = icalcomponent_get_first_component(calendar, ICAL_VEVENT_COMPONENT); event;
         event = icalcomponent_get_next_component(calendar, ICAL_VEVENT_COMPONENT)) {
        if (textOf(icalcomponent_get_uid(event)) == identifier)
            matching.append(event);
    }
    for (icalcomponent* event : matching) {
        icalcomponent_remove_component(calendar, event);
        icalcomponent_free(event);
    }
    return !matching.isEmpty();
}

QString titleOf(icalcomponent* calendar)
{
    icalproperty* name = icalcomponent_get_first_property(calendar, ICAL_NAME_PROPERTY);
    const char* title = name ? icalproperty_get_name(name) : nullptr;
    return QString::fromUtf8(title ? title : "");
}

Component readCalendarFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return Component(nullptr, &icalcomponent_free);
    return parseCalendar(file.readAll());
}

bool fail(QString* error, const QString& text)
{
    if (error)
        *error = text;
    return false;
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
    for (const QString& file : calendarFiles()) {
        const QString identifier = file.chopped(kExtension.size());
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
    const Component component = readCalendarFile(calendarPath(identifier));
    if (!component)
        return std::nullopt;
    return Calendar{identifier, titleOf(component.get())};
}

QList<CalendarStore::Event> CalendarStore::eventsInCalendar(const Calendar& calendar) const
{
    QList<Event> events;
    if (!m_hasAccess || !BWUIDMaker::isValidUID(calendar.identifier))
        return events;
    const Component component = readCalendarFile(calendarPath(calendar.identifier));
    if (!component)
        return events;
    for (icalcomponent* event = icalcomponent_get_first_component(component.get(), ICAL_VEVENT_COMPONENT); event;
         event = icalcomponent_get_next_component(component.get(), ICAL_VEVENT_COMPONENT))
        events.append(parseEvent(event, calendar.identifier));
    return events;
}

std::optional<CalendarStore::Event> CalendarStore::saveEvent(Event event, QString* error)
{
    if (!hasWritableDates(event)) {
        fail(error, QStringLiteral("The event's dates cannot be written to a calendar file"));
        return std::nullopt;
    }
    const Component calendar = openForChange(event.calendarIdentifier, error);
    if (!calendar)
        return std::nullopt;
    if (event.identifier.isEmpty())
        event.identifier = BWUIDMaker::makeUID();
    removeEventsWithIdentifier(calendar.get(), event.identifier);
    icalcomponent_add_component(calendar.get(), newEvent(event));
    if (!AtomicFile::write(calendarPath(event.calendarIdentifier), asBytes(calendar.get()), error))
        return std::nullopt;
    return event;
}

bool CalendarStore::removeEvent(const Event& event, QString* error)
{
    if (m_hasAccess && BWUIDMaker::isValidUID(event.calendarIdentifier)
        && !QFile::exists(calendarPath(event.calendarIdentifier)))
        return true;
    const Component calendar = openForChange(event.calendarIdentifier, error);
    if (!calendar)
        return false;
    if (!removeEventsWithIdentifier(calendar.get(), event.identifier))
        return true;
    return AtomicFile::write(calendarPath(event.calendarIdentifier), asBytes(calendar.get()), error);
}

bool CalendarStore::changeEvents(const EventsChange& change, QString* error)
{
    if (!m_hasAccess)
        return fail(error, QStringLiteral("No access to calendars"));
    struct Opened
    {
        Calendar calendar;
        Component component;
        bool changed = false;
    };
    std::vector<Opened> opened;
    for (const QString& file : calendarFiles()) {
        const QString identifier = file.chopped(kExtension.size());
        Component component = readCalendarFile(calendarPath(identifier));
        if (component)
            opened.push_back({{identifier, titleOf(component.get())}, std::move(component)});
    }
    for (Opened& calendar : opened) {
        QList<icalcomponent*> leaving;
        for (icalcomponent* event = icalcomponent_get_first_component(calendar.component.get(), ICAL_VEVENT_COMPONENT);
             event; event = icalcomponent_get_next_component(calendar.component.get(), ICAL_VEVENT_COMPONENT)) {
            if (change.removes && change.removes(parseEvent(event, calendar.calendar.identifier)))
                leaving.append(event);
        }
        for (icalcomponent* event : leaving) {
            icalcomponent_remove_component(calendar.component.get(), event);
            icalcomponent_free(event);
        }
        calendar.changed = !leaving.isEmpty();
    }

    bool done = true;
    auto target = std::find_if(opened.begin(), opened.end(),
                               [&](const Opened& o) { return o.calendar.title == change.calendarTitle; });
    if (!change.added.isEmpty() && target == opened.end()) {
        if (QDir().mkpath(m_folder)) {
            const Calendar made{BWUIDMaker::makeUID(), change.calendarTitle};
            opened.push_back({made, parseCalendar(serializeCalendar(made.title))});
            target = opened.end() - 1;
        } else {
            done = fail(error, QStringLiteral("Could not create the folder %1").arg(m_folder));
        }
    }
    if (target != opened.end()) {
        for (Event event : change.added) {
            if (!hasWritableDates(event)) {
                done = fail(error, QStringLiteral("The event's dates cannot be written to a calendar file"));
                continue;
            }
            event.calendarIdentifier = target->calendar.identifier;
            if (event.identifier.isEmpty())
                event.identifier = BWUIDMaker::makeUID();
            removeEventsWithIdentifier(target->component.get(), event.identifier);
            icalcomponent_add_component(target->component.get(), newEvent(event));
            target->changed = true;
        }
    }
    for (const Opened& calendar : opened) {
        if (calendar.changed)
            done &= AtomicFile::write(calendarPath(calendar.calendar.identifier), asBytes(calendar.component.get()),
                                      error);
    }
    return done;
}

QStringList CalendarStore::calendarFiles() const
{
    QStringList files
        = QDir(m_folder).entryList({QLatin1Char('*') + kExtension}, QDir::Files | QDir::CaseSensitive, QDir::Name);
    files.removeIf([](const QString& file) { return !BWUIDMaker::isValidUID(file.chopped(kExtension.size())); });
    return files;
}

// The parsed file of a calendar that is about to change; null (with `error`
// filled) without access, for an id that is not a calendar's, or when the file
// cannot be read.
Component CalendarStore::openForChange(const QString& identifier, QString* error) const
{
    if (!m_hasAccess)
        fail(error, QStringLiteral("No access to calendars"));
    else if (!BWUIDMaker::isValidUID(identifier))
        fail(error, QStringLiteral("Not a calendar: %1").arg(identifier));
    else if (Component calendar = readCalendarFile(calendarPath(identifier)))
        return calendar;
    else
        fail(error, QStringLiteral("Could not read the calendar %1").arg(identifier));
    return Component(nullptr, &icalcomponent_free);
}
