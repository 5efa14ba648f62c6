#pragma once

#include <QList>
#include <QString>

#include <optional>

// The calendars the program may put reminder events into. Each calendar is an
// iCalendar file named by a UID in one folder of the program's own, so other
// calendar programs can subscribe to it and a title may hold any character.
//
// Like a desktop event store, it shows no calendars until access to events was
// requested. Linux has no per-program calendar permission, so a request is
// always granted at once.
class CalendarStore
{
public:
    struct Calendar {
        QString identifier;  // a UID, the base name of the calendar's file
        QString title;
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

private:
    QString calendarPath(const QString& identifier) const;
    std::optional<Calendar> readCalendar(const QString& identifier) const;

    QString m_folder;
    bool m_hasAccess = false;
};
