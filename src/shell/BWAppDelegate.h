#pragma once

#include <QObject>
#include <QString>

#include <memory>

class CalendarStore;
class Clock;
class QAbstractButton;
class UserDefaults;

// The application's delegate: lives for the whole run and performs start-up.
class BWAppDelegate : public QObject
{
    Q_OBJECT

public:
    // `defaults` are the user's standard defaults, `appGroup` the suite the
    // companion extension reads; calendar stores are opened on `calendarFolder`.
    BWAppDelegate(UserDefaults& defaults, UserDefaults& appGroup, const Clock& clock,
                  const QString& calendarFolder, QObject* parent = nullptr);
    ~BWAppDelegate() override;

    // Registers the defaults table and applies the per-start resets; runs at
    // every start before anything reads a setting. Returns false when one of
    // its writes failed; the remaining steps still run, and a failed value
    // holds in memory for this run.
    bool initializeDefaults();

    // Opens a fresh calendar store, replacing any earlier one, and asks it
    // for access to events.
    void requestAccessToCalendar();
    // The store of the last access request of this run; null before one.
    // Shared, so that a holder keeps a usable store across a later request.
    std::shared_ptr<CalendarStore> currentEventStore() const { return m_eventStore; }

public slots:
    // The calendar-reminders switch: turning it on asks for calendar access.
    void promptForAccessToCalendar(const QAbstractButton* sender);

private:
    UserDefaults& m_defaults;
    UserDefaults& m_appGroup;
    const Clock& m_clock;
    QString m_calendarFolder;
    std::shared_ptr<CalendarStore> m_eventStore;
};
