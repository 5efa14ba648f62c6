#pragma once

#include <QDate>
#include <QDateTime>
#include <QList>
#include <QString>

#include <functional>
#include <memory>
#include <optional>

struct icalcomponent_impl;

// The calendars the program may put reminder events into. Each calendar is an
// iCalendar file named by a UID in one folder of the program's own, so other
// calendar programs can subscribe to it and a title may hold any character.
//
// Like a desktop event store, it shows no calendars until access to events was
// requested. Linux has no per-program calendar permission, so a request is
// always granted at once.
//
// Events are all-day events with absolute alarms. Each may carry the id of the
// bill it reminds of, so that the program finds its events again however the
// bill is named today.
class CalendarStore
{
public:
    struct Calendar {
        QString identifier;  // a UID, the base name of the calendar's file
        QString title;
    };

    struct Alarm {
        QDateTime absoluteDate;  // the moment it goes off
        QString soundName;       // "" for the calendar program's own sound
    };

    struct Event {
        QString identifier;          // UID; made by the first save when empty
        QString calendarIdentifier;  // the calendar whose file holds the event
        QString title;
        QDate startDate;             // first day
        QDate endDate;               // last day, inclusive
        QString billID;              // the bill it reminds of; "" for none
        QDateTime stamp;             // when the event was made
        QList<Alarm> alarms;
    };

    // ~/.local/share/Orvane/calendars
    static QString defaultFolder();

    explicit CalendarStore(const QString& folder);

    QString folder() const { return m_folder; }

    void requestAccessToEvents();
    bool hasAccessToEvents() const { return m_hasAccess; }

    // Every readable calendar of the folder, ordered by identifier; none
    // without access. Files that are not ours or do not parse are left out.
    QList<Calendar> calendarsForEvents() const;
    // The first of calendarsForEvents() titled exactly `title`.
    std::optional<Calendar> calendarWithTitle(const QString& title) const;
    // Makes a new calendar titled `title` and saves it at once. Fails without
    // access or when the file cannot be written; nothing is left behind then.
    std::optional<Calendar> createCalendar(const QString& title, QString* error = nullptr);

    // The events of a calendar in the order of its file; none without access
    // or when the calendar's file cannot be read.
    QList<Event> eventsInCalendar(const Calendar& calendar) const;
    // Writes the event into its calendar's file at once, in place of an event
    // with the same identifier. Returns the event as saved (its identifier
    // filled in); nothing without access, for an unknown calendar, for a
    // missing date or one outside the years 1 to 3000, for an end before the
    // start, or when the file cannot be written; the file is then left as it
    // was.
    std::optional<Event> saveEvent(Event event, QString* error = nullptr);
    // Removes the event with the event's identifier from its calendar's file
    // at once. True when the file no longer holds it (also when it never did).
    bool removeEvent(const Event& event, QString* error = nullptr);

    // Many events taken out and added at once.
    struct EventsChange
    {
        // Picks the events to take out, in every calendar.
        std::function<bool(const Event&)> removes;
        // Events for the first calendar titled `calendarTitle`, which is
        // made when there is none. Their calendar identifiers are set, and
        // identifiers made where empty.
        QString calendarTitle;
        QList<Event> added;
    };
    // Carries out the change with each calendar's file read once and written
    // at most once, and only when its events change. False (with `error`)
    // when a file could not be written, which is then left as it was, or an
    // event could not be added (see saveEvent()); the rest is done all the
    // same. Nothing is done without access.
    bool changeEvents(const EventsChange& change, QString* error = nullptr);
    // The file that holds the calendar `identifier`, for a calendar program
    // to subscribe to.
    QString calendarPath(const QString& identifier) const;

private:
    // The names of the folder's files named as calendars, in order.
    QStringList calendarFiles() const;
    std::optional<Calendar> readCalendar(const QString& identifier) const;
    std::unique_ptr<icalcomponent_impl, void (*)(icalcomponent_impl*)> openForChange(const QString& identifier,
                                                                                   QString* error) const;

    QString m_folder;
    bool m_hasAccess = false;
};
