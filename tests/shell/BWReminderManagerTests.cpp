#include "platform/BWUIDMaker.h"
#include "platform/CalendarStore.h"
#include "platform/PropertyList.h"
#include "platform/UserNotificationCenter.h"
#include "store/BWDefaultsKeys.h"
#include "store/BWRegisteredDefaults.h"
#include "shell/BWReminderManager.h"
#include "store/BWBill.h"
#include "store/BWBillRecordKeys.h"
#include "store/BWBillsLoader.h"

#include "store/DueDateTestSupport.h"
#include "support/TempStoreEnvironment.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>
#include <libical/ical.h>

#include <memory>

using namespace BWDefaultsKeys;

namespace {

// Runs in New York time: spring forward on Sunday 13 March 2016, fall back on
// Sunday 6 November 2016. The clock stands on 8 March 2016.
class BWReminderManagerTest : public testing::Test, protected TempStoreEnvironment
{
protected:
    DueDateTestZone zone;

    BWReminderManagerTest() : TempStoreEnvironment(QStringLiteral("data/Orvane.ovdata"))
    {
        clock.setNow(QDateTime(QDate(2016, 3, 8), QTime(15, 0), Qt::UTC));
        defaults.registerDefaults(BWRegisteredDefaults::table(clock));
        defaults.setObject(BWReminderTime, localMoment(2015, 6, 1, 9, 30));
        defaults.setBool(BWReminderEvents, true);
        env.reminders = &manager;
        store->requestAccessToEvents();
    }

    static QVariantMap record(const QString& billID, const QString& name = QStringLiteral("Rent"),
                              const QDateTime& dueDate = localMoment(2016, 3, 20), qlonglong reminderDays = 3)
    {
        return {{BillKeys::Bid, billID},
                {BillKeys::Name, name},
                {BillKeys::DueDate, dueDate},
                {BillKeys::RemindMe, true},
                {BillKeys::ReminderDays, reminderDays}};
    }

    // The events in the calendar files, once the manager has written them.
    QList<CalendarStore::Event> allEvents()
    {
        manager.waitUntilIdle();
        QList<CalendarStore::Event> events;
        for (const CalendarStore::Calendar& calendar : store->calendarsForEvents())
            events += store->eventsInCalendar(calendar);
        return events;
    }

    QStringList eventTitles()
    {
        QStringList titles;
        for (const CalendarStore::Event& event : allEvents())
            titles.append(event.title);
        titles.sort();
        return titles;
    }

    QStringList scheduledTitles() const
    {
        QStringList titles;
        for (const UserNotification& notification : notifications.scheduledNotifications())
            titles.append(notification.title + QLatin1Char(' ') + notification.userInfo.value(BillKeys::Bid).toString());
        titles.sort();
        return titles;
    }

    QDateTime alarmOf(const QDateTime& dueDate, qlonglong reminderDays) const
    {
        return manager.calculateAlarmDateWithBill(record(QStringLiteral("X"), QStringLiteral("X"), dueDate, reminderDays));
    }

    std::shared_ptr<CalendarStore> store = std::make_shared<CalendarStore>(temp.file(QStringLiteral("calendars")));
    UserNotificationCenter notifications{UserNotificationCenter::schedulePath(temp.path()), clock,
                                         QDBusConnection(QStringLiteral("orvane-tests-no-bus"))};
    BWReminderManager manager{env, [this] { return store; }, &notifications};
    const QString rentID = BWUIDMaker::makeUID();
    const QString waterID = BWUIDMaker::makeUID();
};

}  // namespace

// ---- Alarm date ---------------------------------------------------------------

TEST_F(BWReminderManagerTest, TheAlarmGoesOffTheLeadDaysBeforeTheDueDayAtTheReminderTime)
{
    EXPECT_EQ(alarmOf(localMoment(2016, 3, 20), 3), localMoment(2016, 3, 17, 9, 30));
    EXPECT_EQ(alarmOf(localMoment(2016, 3, 20), 1), localMoment(2016, 3, 19, 9, 30));
    EXPECT_EQ(alarmOf(localMoment(2016, 3, 20), 0), localMoment(2016, 3, 20, 9, 30));
    EXPECT_EQ(alarmOf(localMoment(2016, 3, 20), 45), localMoment(2016, 2, 4, 9, 30));
    // The due date's own time of day does not matter.
    EXPECT_EQ(alarmOf(localMoment(2016, 3, 20, 23, 59), 3), localMoment(2016, 3, 17, 9, 30));
}

TEST_F(BWReminderManagerTest, TheAlarmKeepsItsHourAcrossADaylightSavingChange)
{
    // Spring forward lies between alarm and due day: the day has 23 hours.
    const QDateTime spring = alarmOf(localMoment(2016, 3, 15), 5);
    EXPECT_EQ(localDay(spring), QDate(2016, 3, 10));
    EXPECT_EQ(localTime(spring), QTime(9, 30));
    EXPECT_EQ(spring, QDateTime(QDate(2016, 3, 10), QTime(14, 30), Qt::UTC));

    // Fall back: the day has 25 hours.
    const QDateTime fall = alarmOf(localMoment(2016, 11, 8), 3);
    EXPECT_EQ(localDay(fall), QDate(2016, 11, 5));
    EXPECT_EQ(localTime(fall), QTime(9, 30));
    EXPECT_EQ(fall, QDateTime(QDate(2016, 11, 5), QTime(13, 30), Qt::UTC));

    // Due on the change days themselves.
    EXPECT_EQ(localTime(alarmOf(localMoment(2016, 3, 13), 0)), QTime(9, 30));
    EXPECT_EQ(localDay(alarmOf(localMoment(2016, 11, 6), 0)), QDate(2016, 11, 6));
    EXPECT_EQ(localTime(alarmOf(localMoment(2016, 11, 6), 0)), QTime(9, 30));
}

TEST_F(BWReminderManagerTest, AReminderTimeInTheSkippedHourMovesPastTheGap)
{
    defaults.setObject(BWReminderTime, localMoment(2015, 6, 1, 2, 30));
    const QDateTime alarm = alarmOf(localMoment(2016, 3, 13), 0);
    ASSERT_TRUE(alarm.isValid());
    EXPECT_EQ(localDay(alarm), QDate(2016, 3, 13));
    EXPECT_EQ(localTime(alarm), QTime(3, 30));
    // The day before and after keep 2:30.
    EXPECT_EQ(localTime(alarmOf(localMoment(2016, 3, 14), 0)), QTime(2, 30));
    EXPECT_EQ(localTime(alarmOf(localMoment(2016, 3, 12), 0)), QTime(2, 30));
}

TEST_F(BWReminderManagerTest, OnlyHourAndMinuteOfTheReminderTimeCount)
{
    defaults.setObject(BWReminderTime, QDateTime(QDate(2001, 1, 2), QTime(9, 30, 45, 500)).toUTC());
    EXPECT_EQ(alarmOf(localMoment(2016, 3, 20), 0), localMoment(2016, 3, 20, 9, 30));
}

TEST_F(BWReminderManagerTest, WithoutAStoredReminderTimeTheAlarmTakesTheTimeOfThisLaunch)
{
    defaults.removeObject(BWReminderTime);
    clock.setNow(localMoment(2016, 3, 8, 7, 5));
    defaults.registerDefaults(BWRegisteredDefaults::table(clock));
    EXPECT_EQ(alarmOf(localMoment(2016, 3, 20), 0), localMoment(2016, 3, 20, 7, 5));
}

TEST_F(BWReminderManagerTest, ARecordWithoutLeadDaysRemindsOnTheDueDay)
{
    QVariantMap bill = record(rentID);
    bill.remove(BillKeys::ReminderDays);
    EXPECT_EQ(manager.calculateAlarmDateWithBill(bill), localMoment(2016, 3, 20, 9, 30));
}

TEST_F(BWReminderManagerTest, ARecordDueNeverHasNoAlarm)
{
    QVariantMap bill = record(rentID);
    bill.remove(BillKeys::DueDate);
    EXPECT_FALSE(manager.calculateAlarmDateWithBill(bill).isValid());
    bill.insert(BillKeys::DueDate, PropertyList::distantFuture());
    EXPECT_FALSE(manager.calculateAlarmDateWithBill(bill).isValid());

    manager.createOrvaneReminderForBill(bill);
    EXPECT_TRUE(allEvents().isEmpty());
    EXPECT_TRUE(notifications.scheduledNotifications().isEmpty());
}

TEST_F(BWReminderManagerTest, NormalizedDateIsLocalMidnight)
{
    EXPECT_EQ(manager.normalizedDate(localMoment(2016, 3, 13, 23, 30)), localMoment(2016, 3, 13));
    EXPECT_EQ(manager.normalizedDate(QDateTime(QDate(2016, 3, 14), QTime(2, 0), Qt::UTC)), localMoment(2016, 3, 13));
}

// ---- What a reminder is made of ------------------------------------------------

TEST_F(BWReminderManagerTest, TheCalendarFileHoldsOneAllDayEventWithOneAlarmPerReminder)
{
    manager.createOrvaneReminderForBill(record(rentID));
    manager.createOrvaneReminderForBill(record(waterID, QStringLiteral("Water"), localMoment(2016, 4, 2), 0));
    manager.createOrvaneReminderForBill(record(rentID));   // again: replaces, never adds
    manager.waitUntilIdle();

    const std::optional<CalendarStore::Calendar> calendar = store->calendarWithTitle(QStringLiteral("Orvane"));
    ASSERT_TRUE(calendar);
    QFile file(store->folder() + QLatin1Char('/') + calendar->identifier + QStringLiteral(".ics"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    std::unique_ptr<icalcomponent, decltype(&icalcomponent_free)> parsed(
        icalparser_parse_string(file.readAll().constData()), &icalcomponent_free);
    ASSERT_TRUE(parsed);
    ASSERT_EQ(icalcomponent_count_components(parsed.get(), ICAL_VEVENT_COMPONENT), 2);
    QStringList summaries;
    for (icalcomponent* event = icalcomponent_get_first_component(parsed.get(), ICAL_VEVENT_COMPONENT); event;
         event = icalcomponent_get_next_component(parsed.get(), ICAL_VEVENT_COMPONENT)) {
        summaries.append(QString::fromUtf8(icalcomponent_get_summary(event)));
        EXPECT_TRUE(icalcomponent_get_dtstart(event).is_date);
        EXPECT_EQ(icalcomponent_count_components(event, ICAL_VALARM_COMPONENT), 1);
    }
    summaries.sort();
    EXPECT_EQ(summaries, (QStringList{QStringLiteral("Pay Rent"), QStringLiteral("Pay Water")}));
}

TEST_F(BWReminderManagerTest, TheEventFallsOnTheDueDayWithItsAlarmAndTheCalendarsOwnSound)
{
    manager.createOrvaneReminderForBill(record(rentID));
    const QList<CalendarStore::Event> events = allEvents();
    ASSERT_EQ(events.size(), 1);
    EXPECT_EQ(events[0].title, QStringLiteral("Pay Rent"));
    EXPECT_EQ(events[0].startDate, QDate(2016, 3, 20));
    EXPECT_EQ(events[0].endDate, QDate(2016, 3, 20));
    EXPECT_EQ(events[0].billID, rentID);
    EXPECT_EQ(events[0].stamp, clock.now());
    ASSERT_EQ(events[0].alarms.size(), 1);
    EXPECT_EQ(events[0].alarms[0].absoluteDate, localMoment(2016, 3, 17, 9, 30));
    EXPECT_EQ(events[0].alarms[0].soundName, QString());

    // The calendar file names no sound: iCalendar wants an address there, and
    // calendar programs ring with their own sound without one.
    const std::optional<CalendarStore::Calendar> calendar = store->calendarWithTitle(QStringLiteral("Orvane"));
    ASSERT_TRUE(calendar);
    QFile file(store->folder() + QLatin1Char('/') + calendar->identifier + QStringLiteral(".ics"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray text = file.readAll();
    EXPECT_TRUE(text.contains("BEGIN:VALARM"));
    EXPECT_FALSE(text.contains("ATTACH"));
}

TEST_F(BWReminderManagerTest, TheNotificationNamesTheBillAndItsDueDate)
{
    manager.createOrvaneReminderForBill(record(rentID));
    const QList<UserNotification> scheduled = notifications.scheduledNotifications();
    ASSERT_EQ(scheduled.size(), 1);
    const UserNotification& notification = scheduled[0];
    EXPECT_EQ(notification.title, QStringLiteral("Pay Rent"));
    EXPECT_EQ(notification.informativeText,
              QStringLiteral("Bill is due on ") + BWBillsLoader(env).createDueDateString(localMoment(2016, 3, 20)));
    EXPECT_TRUE(notification.informativeText.contains(QStringLiteral("Mar")));
    EXPECT_TRUE(notification.hasActionButton);
    EXPECT_EQ(notification.actionButtonTitle, QStringLiteral("View"));
    EXPECT_EQ(notification.userInfo, (QVariantMap{{QStringLiteral("Bid"), rentID}}));
    EXPECT_EQ(notification.soundName, UserNotification::defaultSoundName);
    EXPECT_EQ(notification.deliveryDate, localMoment(2016, 3, 17, 9, 30));
}

// ---- Found by id, never by name ------------------------------------------------

TEST_F(BWReminderManagerTest, TwoBillsOfOneNameKeepEachOthersReminders)
{
    manager.createOrvaneReminderForBill(record(rentID));
    manager.createOrvaneReminderForBill(record(waterID));   // also called "Rent"

    manager.removeRemindersForBill(rentID, QStringLiteral("Rent"));
    const QList<CalendarStore::Event> events = allEvents();
    ASSERT_EQ(events.size(), 1);
    EXPECT_EQ(events[0].billID, waterID);
    EXPECT_EQ(scheduledTitles(), QStringList{QStringLiteral("Pay Rent ") + waterID});
}

TEST_F(BWReminderManagerTest, ARenamedBillLeavesNoReminderOfItsOldName)
{
    manager.createOrvaneReminderForBill(record(rentID, QStringLiteral("Rent")));
    // The writer removes by the record as it is now, then makes the reminders again.
    manager.removeRemindersForBill(rentID, QStringLiteral("Flat"));
    manager.createOrvaneReminderForBill(record(rentID, QStringLiteral("Flat")));
    EXPECT_EQ(eventTitles(), QStringList{QStringLiteral("Pay Flat")});
    EXPECT_EQ(scheduledTitles(), QStringList{QStringLiteral("Pay Flat ") + rentID});

    // Even without the removal first.
    manager.createOrvaneReminderForBill(record(rentID, QStringLiteral("Home")));
    EXPECT_EQ(eventTitles(), QStringList{QStringLiteral("Pay Home")});
    EXPECT_EQ(scheduledTitles(), QStringList{QStringLiteral("Pay Home ") + rentID});
}

TEST_F(BWReminderManagerTest, AnEventFarFromTodayIsRemovedAsWell)
{
    manager.createOrvaneReminderForBill(record(rentID, QStringLiteral("Rent"), localMoment(2019, 6, 1)));
    manager.createOrvaneReminderForBill(record(waterID, QStringLiteral("Water"), localMoment(2014, 1, 1)));
    ASSERT_EQ(allEvents().size(), 2);
    manager.removeRemindersForBill(rentID, QStringLiteral("Rent"));
    manager.removeRemindersForBill(waterID, QStringLiteral("Water"));
    EXPECT_TRUE(allEvents().isEmpty());
}

TEST_F(BWReminderManagerTest, EventsInACalendarNoLongerChosenAreRemovedToo)
{
    manager.createOrvaneReminderForBill(record(rentID));
    defaults.setObject(BWReminderCalendarName, QStringLiteral("Bills"));
    manager.createOrvaneReminderForBill(record(rentID));

    const QList<CalendarStore::Event> events = allEvents();
    ASSERT_EQ(events.size(), 1);
    EXPECT_EQ(events[0].calendarIdentifier, store->calendarWithTitle(QStringLiteral("Bills"))->identifier);
}

TEST_F(BWReminderManagerTest, EventsOfOtherProgramsWithTheSameTitleStay)
{
    const std::optional<CalendarStore::Calendar> calendar = store->createCalendar(QStringLiteral("Orvane"));
    ASSERT_TRUE(calendar);
    CalendarStore::Event foreign;
    foreign.calendarIdentifier = calendar->identifier;
    foreign.title = QStringLiteral("Pay Rent");
    foreign.startDate = foreign.endDate = QDate(2016, 3, 20);
    foreign.stamp = clock.now();
    ASSERT_TRUE(store->saveEvent(foreign));

    manager.createOrvaneReminderForBill(record(rentID));
    manager.removeRemindersForBill(rentID, QStringLiteral("Rent"));
    EXPECT_EQ(eventTitles(), QStringList{QStringLiteral("Pay Rent")});
}

TEST_F(BWReminderManagerTest, ARecordWithoutAValidIdGetsNoReminders)
{
    for (const QString& billID : {QString(), QStringLiteral("not-an-id"), rentID.toLower()}) {
        manager.createOrvaneReminderForBill(record(billID));
    }
    EXPECT_TRUE(allEvents().isEmpty());
    EXPECT_TRUE(notifications.scheduledNotifications().isEmpty());
}

// One pass over the stored bills makes the reminders of each that asks for
// them and removes those of each that no longer does.
TEST_F(BWReminderManagerTest, TheRenewalMakesOrRemovesEachStoredBillsReminders)
{
    for (const QString& billID : {rentID, waterID}) {
        QVariantMap bill = record(billID, billID == rentID ? QStringLiteral("Rent") : QStringLiteral("Water"));
        bill.insert(BillKeys::Tags, QVariantList{});
        ASSERT_TRUE(BWBill(env).finishWritingBillWithDictionary(bill, false, false));
    }
    const QString waterFile = env.defaultDataFolder + QLatin1Char('/') + waterID + DataFolderFiles::BillFileExtension;
    QVariantMap water = PropertyList::read(waterFile).value.toMap();
    water.insert(BillKeys::RemindMe, false);
    ASSERT_TRUE(PropertyList::write(waterFile, water));

    manager.renewRemindersOfListedItems();
    EXPECT_EQ(eventTitles(), QStringList{QStringLiteral("Pay Rent")});
    EXPECT_EQ(scheduledTitles(), QStringList{QStringLiteral("Pay Rent ") + rentID});
}

// ---- Switches -------------------------------------------------------------------

TEST_F(BWReminderManagerTest, ANewAccountMakesNotificationsButNoCalendarEvents)
{
    defaults.removeObject(BWReminderEvents);
    EXPECT_FALSE(manager.shouldAddEvents());
    EXPECT_TRUE(manager.shouldAddNotifications());
    EXPECT_FALSE(manager.shouldAddTasks());
    EXPECT_FALSE(manager.shouldAddEmails());

    manager.createOrvaneReminderForBill(record(rentID));
    manager.waitUntilIdle();
    EXPECT_EQ(notifications.scheduledNotifications().size(), 1);
    EXPECT_TRUE(store->calendarsForEvents().isEmpty());
}

TEST_F(BWReminderManagerTest, WithNotificationsOffOnlyTheCalendarEventIsMade)
{
    defaults.setBool(BWEnableNotificationCenter, false);
    EXPECT_FALSE(manager.shouldAddNotifications());
    manager.createOrvaneReminderForBill(record(rentID));
    EXPECT_EQ(allEvents().size(), 1);
    EXPECT_TRUE(notifications.scheduledNotifications().isEmpty());
}

TEST_F(BWReminderManagerTest, WithoutDesktopNotificationsOnlyTheCalendarEventIsMade)
{
    BWReminderManager withoutNotifications(env, [this] { return store; }, nullptr);
    EXPECT_FALSE(withoutNotifications.shouldAddNotifications());
    withoutNotifications.createOrvaneReminderForBill(record(rentID));
    withoutNotifications.removeRemindersForBill(waterID, QStringLiteral("Water"));
    withoutNotifications.waitUntilIdle();
    EXPECT_EQ(allEvents().size(), 1);
}

TEST_F(BWReminderManagerTest, WithoutACalendarStoreNotificationsAreStillMade)
{
    BWReminderManager withoutStore(env, [] { return nullptr; }, &notifications);
    withoutStore.createOrvaneReminderForBill(record(rentID));
    EXPECT_EQ(notifications.scheduledNotifications().size(), 1);
    EXPECT_FALSE(withoutStore.findCalendarWithName(QStringLiteral("Orvane")));
    EXPECT_FALSE(withoutStore.createCalendar(QStringLiteral("Orvane"), {}));
    EXPECT_FALSE(QDir(store->folder()).exists());
}

TEST_F(BWReminderManagerTest, WithoutCalendarAccessNoEventIsMade)
{
    store = std::make_shared<CalendarStore>(store->folder());
    manager.createOrvaneReminderForBill(record(rentID));
    EXPECT_FALSE(QDir(store->folder()).exists());
    EXPECT_EQ(notifications.scheduledNotifications().size(), 1);
}

TEST_F(BWReminderManagerTest, TheCalendarIsNamedByTheSettingAndAnEmptyNameMeansOrvane)
{
    defaults.setObject(BWReminderCalendarName, QString());
    EXPECT_EQ(manager.orvaneCalendar(), QStringLiteral("Orvane"));
    manager.createOrvaneReminderForBill(record(rentID));
    manager.waitUntilIdle();
    ASSERT_EQ(store->calendarsForEvents().size(), 1);
    EXPECT_EQ(store->calendarsForEvents()[0].title, QStringLiteral("Orvane"));

    defaults.setObject(BWReminderCalendarName, QStringLiteral("Bills"));
    EXPECT_EQ(manager.orvaneCalendar(), QStringLiteral("Bills"));
    manager.createOrvaneReminderForBill(record(waterID));
    manager.createOrvaneReminderForBill(record(rentID));
    manager.waitUntilIdle();
    EXPECT_EQ(store->calendarsForEvents().size(), 2);
    EXPECT_EQ(store->eventsInCalendar(*manager.findCalendarWithName(QStringLiteral("Bills"))).size(), 2);

    manager.setOrvaneCalendar(QStringLiteral("Mine"));
    EXPECT_EQ(manager.orvaneCalendar(), QStringLiteral("Mine"));
    EXPECT_EQ(manager.reminderCalendar(), QStringLiteral("Reminders"));
}

TEST_F(BWReminderManagerTest, AnExistingCalendarIsTakenFromTheListGiven)
{
    const std::optional<CalendarStore::Calendar> existing = store->createCalendar(QStringLiteral("Orvane"));
    ASSERT_TRUE(existing);
    const std::optional<CalendarStore::Calendar> taken =
        manager.createCalendar(QStringLiteral("Orvane"), store->calendarsForEvents());
    ASSERT_TRUE(taken);
    EXPECT_EQ(taken->identifier, existing->identifier);
    EXPECT_EQ(store->calendarsForEvents().size(), 1);

    const std::optional<CalendarStore::Calendar> made = manager.createCalendar(QStringLiteral("Bills"), {});
    ASSERT_TRUE(made);
    EXPECT_EQ(manager.findCalendarWithName(QStringLiteral("Bills"))->identifier, made->identifier);
}

// ---- On the day the bill is shown due ---------------------------------------------

TEST_F(BWReminderManagerTest, RemindersFallOnTheDayTheBillIsShownDue)
{
    defaults.setObject(VacationStartDate, localMoment(2016, 4, 4));
    defaults.setObject(VacationEndTime, localMoment(2016, 4, 10, 23, 59));
    struct Case {
        const char* what;
        bool avoidWeekends;
        bool avoidHolidays;
        bool vacation;
        QDateTime stored;
        QDate shown;
    };
    const QList<Case> cases = {
        {"a Sunday, weekends kept", false, false, false, localMoment(2016, 3, 20), QDate(2016, 3, 20)},
        {"a Sunday, weekends avoided", true, false, false, localMoment(2016, 3, 20), QDate(2016, 3, 18)},
        {"a Saturday, weekends avoided", true, false, false, localMoment(2016, 3, 19, 18, 0), QDate(2016, 3, 18)},
        {"Memorial Day, holidays avoided", false, true, false, localMoment(2016, 5, 30), QDate(2016, 5, 29)},
        {"Memorial Day, both avoided", true, true, false, localMoment(2016, 5, 30), QDate(2016, 5, 27)},
        {"in the vacation", false, false, true, localMoment(2016, 4, 7), QDate(2016, 4, 3)},
        {"after the vacation", false, false, true, localMoment(2016, 4, 11), QDate(2016, 4, 11)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        defaults.setInteger(BWAvoidWeekends, c.avoidWeekends ? 1 : 0);
        defaults.setBool(BWAvoidHolidays, c.avoidHolidays);
        defaults.setBool(VacationEnabled, c.vacation);
        manager.createOrvaneReminderForBill(record(rentID, QStringLiteral("Rent"), c.stored, 0));

        const QDateTime shownDay = c.shown.startOfDay();
        EXPECT_EQ(manager.calculateAlarmDateWithBill(record(rentID, QStringLiteral("Rent"), c.stored, 0)),
                  QDateTime(c.shown, QTime(9, 30)).toUTC());
        const QList<CalendarStore::Event> events = allEvents();
        ASSERT_EQ(events.size(), 1);
        EXPECT_EQ(events[0].startDate, c.shown);
        const QList<UserNotification> scheduled = notifications.scheduledNotifications();
        ASSERT_EQ(scheduled.size(), 1);
        EXPECT_EQ(scheduled[0].informativeText,
                  QStringLiteral("Bill is due on ") + BWBillsLoader(env).createDueDateString(shownDay.toUTC()));
        EXPECT_EQ(scheduled[0].deliveryDate, QDateTime(c.shown, QTime(9, 30)).toUTC());
    }
}

TEST_F(BWReminderManagerTest, ALoadedRecordIsShiftedFromItsStoredDateAsTheSettingsNowAsk)
{
    // Loaded while the vacation was on: shown on the Sunday before it.
    QVariantMap loaded = record(rentID, QStringLiteral("Rent"), localMoment(2016, 4, 3), 0);
    loaded.insert(BillKeys::AbsoluteDueDate, localMoment(2016, 4, 7));
    loaded.insert(BillKeys::DateWasModified, qlonglong(3));
    EXPECT_EQ(localDay(manager.shownDueDate(loaded)), QDate(2016, 4, 7));

    defaults.setInteger(BWAvoidWeekends, 1);
    loaded.insert(BillKeys::AbsoluteDueDate, localMoment(2016, 4, 3));
    EXPECT_EQ(localDay(manager.calculateAlarmDateWithBill(loaded)), QDate(2016, 4, 1));
}

// ---- Through the bill writer ----------------------------------------------------

TEST_F(BWReminderManagerTest, TheWritersRenewalLeavesOneReminderOfEachKind)
{
    QVariantMap bill = record(rentID);
    bill.insert(BillKeys::Tags, QVariantList{});
    ASSERT_TRUE(BWBill(env).finishWritingBillWithDictionary(bill, false, false));
    bill.insert(BillKeys::Name, QStringLiteral("Flat"));
    ASSERT_TRUE(BWBill(env).rewriteSpecificBill(bill));
    ASSERT_TRUE(BWBill(env).rewriteSpecificBill(bill));
    EXPECT_EQ(eventTitles(), QStringList{QStringLiteral("Pay Flat")});
    EXPECT_EQ(scheduledTitles(), QStringList{QStringLiteral("Pay Flat ") + rentID});

    ASSERT_TRUE(BWBill(env).deleteBillWithBid(rentID));
    EXPECT_TRUE(allEvents().isEmpty());
    EXPECT_TRUE(notifications.scheduledNotifications().isEmpty());
}

TEST_F(BWReminderManagerTest, TheWriterStoresTheRealDateAndRemindsOnTheShownOne)
{
    defaults.setInteger(BWAvoidWeekends, 1);
    QVariantMap bill = record(rentID, QStringLiteral("Rent"), localMoment(2016, 3, 20), 0);
    bill.insert(BillKeys::Tags, QVariantList{});
    ASSERT_TRUE(BWBill(env).finishWritingBillWithDictionary(bill, false, false));

    const PropertyList::ReadResult stored
        = PropertyList::read(env.defaultDataFolder + QLatin1Char('/') + rentID + DataFolderFiles::BillFileExtension);
    ASSERT_TRUE(stored.ok());
    EXPECT_EQ(stored.value.toMap().value(BillKeys::DueDate).toDateTime(), localMoment(2016, 3, 20));
    const QList<CalendarStore::Event> events = allEvents();
    ASSERT_EQ(events.size(), 1);
    EXPECT_EQ(events[0].startDate, QDate(2016, 3, 18));
    ASSERT_EQ(notifications.scheduledNotifications().size(), 1);
    EXPECT_EQ(notifications.scheduledNotifications()[0].deliveryDate, localMoment(2016, 3, 18, 9, 30));
}
