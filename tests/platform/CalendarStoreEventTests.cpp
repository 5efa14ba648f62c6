#include "platform/BWUIDMaker.h"
#include "platform/CalendarStore.h"

#include "support/TempFolder.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>
#include <libical/ical.h>

#include <memory>

namespace {

using Component = std::unique_ptr<icalcomponent, decltype(&icalcomponent_free)>;

class CalendarStoreEventTest : public testing::Test
{
protected:
    CalendarStoreEventTest()
    {
        store.requestAccessToEvents();
        calendar = *store.createCalendar(QStringLiteral("Orvane"));
    }

    QString calendarFile() const
    {
        return store.folder() + QLatin1Char('/') + calendar.identifier + QStringLiteral(".ics");
    }

    Component parsedFile() const
    {
        QFile file(calendarFile());
        EXPECT_TRUE(file.open(QIODevice::ReadOnly));
        return Component(icalparser_parse_string(file.readAll().constData()), &icalcomponent_free);
    }

    CalendarStore::Event reminderEvent(const QString& title = QStringLiteral("Pay Rent")) const
    {
        CalendarStore::Event event;
        event.calendarIdentifier = calendar.identifier;
        event.title = title;
        event.startDate = QDate(2024, 3, 20);
        event.endDate = QDate(2024, 3, 20);
        event.billID = BWUIDMaker::makeUID();
        event.stamp = QDateTime(QDate(2024, 3, 1), QTime(12, 0, 5), Qt::UTC);
        event.alarms = {{QDateTime(QDate(2024, 3, 17), QTime(8, 30), Qt::UTC), QStringLiteral("Submarine")}};
        return event;
    }

    TempFolder folder;
    CalendarStore store{folder.file(QStringLiteral("calendars"))};
    CalendarStore::Calendar calendar;
};

}  // namespace

TEST_F(CalendarStoreEventTest, ASavedEventReadsBackWholeInALaterRun)
{
    const std::optional<CalendarStore::Event> saved = store.saveEvent(reminderEvent());
    ASSERT_TRUE(saved);
    EXPECT_TRUE(BWUIDMaker::isValidUID(saved->identifier));

    CalendarStore later(store.folder());
    later.requestAccessToEvents();
    const QList<CalendarStore::Event> events = later.eventsInCalendar(calendar);
    ASSERT_EQ(events.size(), 1);
    const CalendarStore::Event& event = events[0];
    EXPECT_EQ(event.identifier, saved->identifier);
    EXPECT_EQ(event.calendarIdentifier, calendar.identifier);
    EXPECT_EQ(event.title, QStringLiteral("Pay Rent"));
    EXPECT_EQ(event.startDate, QDate(2024, 3, 20));
    EXPECT_EQ(event.endDate, QDate(2024, 3, 20));
    EXPECT_EQ(event.billID, saved->billID);
    EXPECT_EQ(event.stamp, saved->stamp);
    ASSERT_EQ(event.alarms.size(), 1);
    EXPECT_EQ(event.alarms[0].absoluteDate, QDateTime(QDate(2024, 3, 17), QTime(8, 30), Qt::UTC));
    EXPECT_EQ(event.alarms[0].soundName, QStringLiteral("Submarine"));
    EXPECT_EQ(later.calendarWithTitle(QStringLiteral("Orvane"))->identifier, calendar.identifier);
}

TEST_F(CalendarStoreEventTest, TheFileHoldsAStandardAllDayEventWithAnAbsoluteAudioAlarm)
{
    const std::optional<CalendarStore::Event> saved = store.saveEvent(reminderEvent());
    ASSERT_TRUE(saved);

    const Component file = parsedFile();
    ASSERT_TRUE(file);
    ASSERT_EQ(icalcomponent_count_components(file.get(), ICAL_VEVENT_COMPONENT), 1);
    icalcomponent* event = icalcomponent_get_first_component(file.get(), ICAL_VEVENT_COMPONENT);
    EXPECT_STREQ(icalcomponent_get_summary(event), "Pay Rent");
    const icaltimetype start = icalcomponent_get_dtstart(event);
    const icaltimetype end = icalcomponent_get_dtend(event);
    EXPECT_TRUE(start.is_date);
    EXPECT_EQ(QDate(start.year, start.month, start.day), QDate(2024, 3, 20));
    // The end of an all-day event is the day after its last day.
    EXPECT_EQ(QDate(end.year, end.month, end.day), QDate(2024, 3, 21));

    ASSERT_EQ(icalcomponent_count_components(event, ICAL_VALARM_COMPONENT), 1);
    icalcomponent* alarm = icalcomponent_get_first_component(event, ICAL_VALARM_COMPONENT);
    EXPECT_EQ(icalproperty_get_action(icalcomponent_get_first_property(alarm, ICAL_ACTION_PROPERTY)),
              ICAL_ACTION_AUDIO);
    const icaltimetype trigger = icalproperty_get_trigger(icalcomponent_get_first_property(alarm, ICAL_TRIGGER_PROPERTY)).time;
    EXPECT_TRUE(icaltime_is_utc(trigger));
    EXPECT_EQ(QDateTime(QDate(trigger.year, trigger.month, trigger.day), QTime(trigger.hour, trigger.minute), Qt::UTC),
              QDateTime(QDate(2024, 3, 17), QTime(8, 30), Qt::UTC));
    EXPECT_TRUE(QString::fromUtf8(icalcomponent_as_ical_string(event)).contains(QStringLiteral("X-ORVANE-BILL-ID:")
                                                                                 + saved->billID));
}

TEST_F(CalendarStoreEventTest, SavingKeepsTheCalendarsTitleAndItsOtherEvents)
{
    const std::optional<CalendarStore::Event> first = store.saveEvent(reminderEvent(QStringLiteral("Pay Rent")));
    const std::optional<CalendarStore::Event> second = store.saveEvent(reminderEvent(QStringLiteral("Pay Water")));
    ASSERT_TRUE(first && second);
    EXPECT_NE(first->identifier, second->identifier);

    const QList<CalendarStore::Event> events = store.eventsInCalendar(calendar);
    ASSERT_EQ(events.size(), 2);
    EXPECT_EQ(events[0].title, QStringLiteral("Pay Rent"));
    EXPECT_EQ(events[1].title, QStringLiteral("Pay Water"));
    EXPECT_TRUE(store.calendarWithTitle(QStringLiteral("Orvane")));
}

TEST_F(CalendarStoreEventTest, SavingAnEventAgainReplacesIt)
{
    std::optional<CalendarStore::Event> saved = store.saveEvent(reminderEvent());
    ASSERT_TRUE(saved);
    saved->title = QStringLiteral("Pay Rent, flat; 2\\3");
    saved->alarms.append({QDateTime(QDate(2024, 3, 19), QTime(8, 30), Qt::UTC), QString()});
    ASSERT_TRUE(store.saveEvent(*saved));

    const QList<CalendarStore::Event> events = store.eventsInCalendar(calendar);
    ASSERT_EQ(events.size(), 1);
    EXPECT_EQ(events[0].title, QStringLiteral("Pay Rent, flat; 2\\3"));
    ASSERT_EQ(events[0].alarms.size(), 2);
    EXPECT_EQ(events[0].alarms[1].soundName, QString());
}

TEST_F(CalendarStoreEventTest, RemovingTakesOutOnlyThatEvent)
{
    const std::optional<CalendarStore::Event> rent = store.saveEvent(reminderEvent(QStringLiteral("Pay Rent")));
    const std::optional<CalendarStore::Event> water = store.saveEvent(reminderEvent(QStringLiteral("Pay Water")));
    ASSERT_TRUE(rent && water);

    EXPECT_TRUE(store.removeEvent(*rent));
    const QList<CalendarStore::Event> events = store.eventsInCalendar(calendar);
    ASSERT_EQ(events.size(), 1);
    EXPECT_EQ(events[0].identifier, water->identifier);
    // Gone already: nothing left to do.
    EXPECT_TRUE(store.removeEvent(*rent));
    EXPECT_EQ(store.eventsInCalendar(calendar).size(), 1);
}

TEST_F(CalendarStoreEventTest, DatesUpToTheYear3000SurviveTheFile)
{
    CalendarStore::Event event = reminderEvent();
    event.startDate = event.endDate = QDate(2999, 12, 31);
    event.alarms = {{QDateTime(QDate(2999, 12, 28), QTime(9, 30), Qt::UTC), QStringLiteral("Submarine")}};
    ASSERT_TRUE(store.saveEvent(event));

    const QList<CalendarStore::Event> events = store.eventsInCalendar(calendar);
    ASSERT_EQ(events.size(), 1);
    EXPECT_EQ(events[0].startDate, QDate(2999, 12, 31));
    ASSERT_EQ(events[0].alarms.size(), 1);
    EXPECT_EQ(events[0].alarms[0].absoluteDate, QDateTime(QDate(2999, 12, 28), QTime(9, 30), Qt::UTC));
}

TEST_F(CalendarStoreEventTest, AnEventTheFileCannotHoldIsRefusedAndNothingIsWritten)
{
    const QByteArray before = folder.read(QStringLiteral("calendars/") + calendar.identifier + QStringLiteral(".ics"));
    CalendarStore::Event farAway = reminderEvent();
    farAway.startDate = farAway.endDate = QDate(4001, 1, 1);
    CalendarStore::Event lateAlarm = reminderEvent();
    lateAlarm.alarms[0].absoluteDate = QDateTime(QDate(3000, 12, 31), QTime(23, 0), Qt::UTC).addDays(1);
    CalendarStore::Event noDay = reminderEvent();
    noDay.startDate = QDate();
    CalendarStore::Event backwards = reminderEvent();
    backwards.endDate = backwards.startDate.addDays(-1);

    for (const CalendarStore::Event& event : {farAway, lateAlarm, noDay, backwards}) {
        QString error;
        EXPECT_FALSE(store.saveEvent(event, &error));
        EXPECT_FALSE(error.isEmpty());
    }
    EXPECT_EQ(folder.read(QStringLiteral("calendars/") + calendar.identifier + QStringLiteral(".ics")), before);
}

TEST_F(CalendarStoreEventTest, WithoutAccessNothingIsReadOrWritten)
{
    ASSERT_TRUE(store.saveEvent(reminderEvent()));
    const QByteArray before = folder.read(QStringLiteral("calendars/") + calendar.identifier + QStringLiteral(".ics"));

    CalendarStore closed(store.folder());
    EXPECT_TRUE(closed.eventsInCalendar(calendar).isEmpty());
    QString error;
    EXPECT_FALSE(closed.saveEvent(reminderEvent(), &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_FALSE(closed.removeEvent(store.eventsInCalendar(calendar)[0]));
    EXPECT_EQ(folder.read(QStringLiteral("calendars/") + calendar.identifier + QStringLiteral(".ics")), before);
}

TEST_F(CalendarStoreEventTest, AnIdentifierThatIsNotACalendarsNamesNoFile)
{
    for (const QString& identifier : {QStringLiteral("../escape"), QString(), BWUIDMaker::makeUID().toLower()}) {
        SCOPED_TRACE(identifier.toStdString());
        CalendarStore::Event event = reminderEvent();
        event.calendarIdentifier = identifier;
        QString error;
        EXPECT_FALSE(store.saveEvent(event, &error));
        EXPECT_FALSE(error.isEmpty());
        EXPECT_FALSE(store.removeEvent(event));
        EXPECT_TRUE(store.eventsInCalendar({identifier, QStringLiteral("Orvane")}).isEmpty());
    }
    EXPECT_EQ(QDir(store.folder()).entryList(QDir::Files).size(), 1);
    EXPECT_FALSE(QFile::exists(folder.file(QStringLiteral("escape.ics"))));
}

TEST_F(CalendarStoreEventTest, ACalendarWhoseFileIsGoneTakesNoEvent)
{
    QFile::remove(calendarFile());
    EXPECT_FALSE(store.saveEvent(reminderEvent()));
    EXPECT_FALSE(QFile::exists(calendarFile()));
    EXPECT_TRUE(store.removeEvent(reminderEvent()));
}
