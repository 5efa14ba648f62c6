#include "ShellTestStore.h"
#include "StartUpCompletion.h"
#include "support/FileWriteCounter.h"
#include "support/RecordingSoundPlayer.h"

#include "platform/CalendarStore.h"
#include "platform/FolderOps.h"
#include "platform/PropertyList.h"
#include "platform/UserNotificationCenter.h"
#include "screens/BWOverviewController.h"
#include "shell/BWAppDelegate.h"
#include "shell/BWImportController.h"
#include "shell/BWMainScreens.h"
#include "shell/BWPreferencePanes.h"
#include "shell/BWReminderManager.h"
#include "shell/MGPreferencePanel.h"
#include "shell/BWObjectController.h"
#include "store/RepeatUnit.h"

#include <QCheckBox>
#include <QDBusConnection>
#include "widgets/BWDateField.h"
#include <QFile>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <QTimeEdit>
#include <QToolButton>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

using namespace BWDefaultsKeys;

namespace {

// Thursday 1 November 2018. Sunday the 11th is also a holiday (Veterans Day).
const QDate kToday(2018, 11, 1);
const QDate kSunday(2018, 11, 11);
constexpr int kLeadDays = 2;

// The reminder service, the screens and the preferences over a store of their
// own, wired as the program wires them. The bills are written under the
// case's settings, so their reminders first fall where those settings put them.
class RenewalRig
{
public:
    explicit RenewalRig(const QVariantMap& settings)
    {
        store.clock.setNow(QDateTime(kToday, QTime(12, 0)));
        // Hidden automatic bills remind all the same.
        EXPECT_TRUE(store.defaults.setBool(BWHideAutoMaticBillsInOverview, true));
        EXPECT_TRUE(store.defaults.setBool(BWReminderEvents, true));
        for (auto setting = settings.cbegin(); setting != settings.cend(); ++setting)
            EXPECT_TRUE(store.defaults.setObject(setting.key(), setting.value()));
        calendars->requestAccessToEvents();
        store.env.reminders = &reminders;

        const int toSunday = int(kToday.daysTo(kSunday));
        const QVariantMap reminded{{BillKeys::RemindMe, true}, {BillKeys::ReminderDays, kLeadDays}};
        rent = store.addBill(QStringLiteral("Rent"), toSunday, reminded);
        QVariantMap automatic = reminded;
        automatic.insert(BillKeys::PayType, qlonglong(AutomaticPayType));
        insurance = store.addBill(QStringLiteral("Insurance"), toSunday, automatic);
        gym = store.addBill(QStringLiteral("Gym"), toSunday);

        delegate = std::make_unique<BWAppDelegate>(store.env, store.temp.file(QStringLiteral("calendars")));
        delegate->startup().setReminderManager(&reminders);
        BWUserInteraction interaction;
        interaction.sounds = std::make_shared<RecordingSoundPlayer>();
        // The user answers every question with its first button, picks
        // folderToChoose and reads every message away.
        interaction.askQuestion = [](QWidget*, const QString&, const QString&, const QStringList&) { return 0; };
        interaction.chooseFolder = [this](QWidget*, const QString&, const QString&) { return folderToChoose; };
        interaction.showAlert = [](QWidget*, const QString&, const QString&) {};
        screens = std::make_unique<BWMainScreens>(store.env, *delegate, interaction);
        panes = std::make_unique<BWPreferencePanes>(store.defaults, BWPreferencePanes::Services{});
        panes->fill(panel);
        QObject::connect(panes.get(), &BWPreferencePanes::settingChanged, &delegate->startup(),
                         &BWStartup::preferenceDidChange);
        delegate->awakeFromNib();
        EXPECT_TRUE(shelltest::startUpCompletely(*delegate));
        settle();
    }

    void clickPreference(const QString& title)
    {
        for (QCheckBox* box : panel.pane(MGPreferencePanel::Advanced)->findChildren<QCheckBox*>()) {
            if (box->text() == title)
                return box->click();
        }
        ADD_FAILURE() << "no switch " << title.toStdString();
    }

    // Waits until the reminders asked for so far are made and written.
    void settle() { reminders.waitUntilIdle(); }
    // Sets "Remind me at" and leaves the field, which renews at once, and
    // waits for the renewal.
    void setReminderTime(const QTime& time)
    {
        settle();
        QTimeEdit* edit = remindersPane()->findChild<QTimeEdit*>();
        edit->setTime(time);
        emit edit->editingFinished();
        settle();
    }

    void chooseVacation(bool on, const QDate& start, const QDate& end)
    {
        BWOverviewController& overview = screens->overview();
        overview.showVacationModePopover(overview.header().airplaneButton());
        overview.vacationPopover().vacationStart()->setDate(start);
        overview.vacationPopover().vacationEnd()->setDate(end);
        overview.vacationPopover().vacationSwitch()->setChecked(on);
        overview.vacationPopover().popover()->close();
    }

    // The days of the bill's calendar events, and those of its notifications
    // moved forward by the lead days: each the day the reminder names as due.
    QList<QDate> eventDays(const QString& billID) const
    {
        QList<QDate> days;
        for (const CalendarStore::Calendar& calendar : calendars->calendarsForEvents()) {
            for (const CalendarStore::Event& event : calendars->eventsInCalendar(calendar)) {
                if (event.billID == billID)
                    days.append(event.startDate);
            }
        }
        return days;
    }
    QList<QDate> notifiedDueDays(const QString& billID) const
    {
        QList<QDate> days;
        for (const UserNotification& notification : notifications.scheduledNotifications()) {
            if (notification.userInfo.value(BillKeys::Bid).toString() == billID)
                days.append(notification.deliveryDate.toLocalTime().date().addDays(kLeadDays));
        }
        return days;
    }

    // The local times of day at which the bill's notifications and event
    // alarms go off.
    QList<QTime> alarmTimes(const QString& billID) const
    {
        QList<QTime> times;
        for (const UserNotification& notification : notifications.scheduledNotifications()) {
            if (notification.userInfo.value(BillKeys::Bid).toString() == billID)
                times.append(notification.deliveryDate.toLocalTime().time());
        }
        for (const CalendarStore::Calendar& calendar : calendars->calendarsForEvents()) {
            for (const CalendarStore::Event& event : calendars->eventsInCalendar(calendar)) {
                for (const CalendarStore::Alarm& alarm : event.alarms) {
                    if (event.billID == billID)
                        times.append(alarm.absoluteDate.toLocalTime().time());
                }
            }
        }
        return times;
    }
    // The titles of the calendars that hold an event of the bill, as the
    // calendar files on disk have them.
    QStringList calendarsOnDiskWithEventsOf(const QString& billID) const
    {
        CalendarStore onDisk(store.temp.file(QStringLiteral("reminder-calendars")));
        onDisk.requestAccessToEvents();
        QStringList titles;
        for (const CalendarStore::Calendar& calendar : onDisk.calendarsForEvents()) {
            for (const CalendarStore::Event& event : onDisk.eventsInCalendar(calendar)) {
                if (event.billID == billID)
                    titles.append(calendar.title);
            }
        }
        return titles;
    }
    QWidget* remindersPane() const { return panel.pane(MGPreferencePanel::Reminders); }
    void clickReminderSwitch(const QString& title)
    {
        for (QCheckBox* box : remindersPane()->findChildren<QCheckBox*>()) {
            if (box->text() == title)
                return box->click();
        }
        ADD_FAILURE() << "no switch " << title.toStdString();
    }

    QByteArray billFile(const QString& billID) const
    {
        QFile file(store.env.defaultDataFolder + QLatin1Char('/') + billID + DataFolderFiles::BillFileExtension);
        EXPECT_TRUE(file.open(QIODevice::ReadOnly));
        return file.readAll();
    }

    shelltest::ShellTestStore store;
    std::shared_ptr<CalendarStore> calendars =
        std::make_shared<CalendarStore>(store.temp.file(QStringLiteral("reminder-calendars")));
    UserNotificationCenter notifications{UserNotificationCenter::schedulePath(store.temp.path()), store.clock,
                                         QDBusConnection(QStringLiteral("orvane-tests-no-bus"))};
    BWReminderManager reminders{store.env, [this] { return calendars; }, &notifications};
    MGPreferencePanel panel;
    std::unique_ptr<BWAppDelegate> delegate;
    std::unique_ptr<BWMainScreens> screens;
    std::unique_ptr<BWPreferencePanes> panes;
    QString rent;
    QString insurance;
    QString gym;
    QString folderToChoose;
};

}  // namespace

TEST(ReminderRenewalTest, ASettingThatMovesDueDatesMovesTheRemindersWithoutWritingBills)
{
    const QDate friday = kSunday.addDays(-2);
    const QDate saturday = kSunday.addDays(-1);
    const QDate vacationStart(2018, 11, 8);
    const QDate vacationEnd(2018, 11, 12);
    const QVariantMap daysOffMoved{{ShouldAllowHolidayAdjustments, true}};
    QVariantMap onVacation = daysOffMoved;
    onVacation.insert(VacationEnabled, true);
    onVacation.insert(VacationStartDate, vacationStart.startOfDay());
    onVacation.insert(VacationEndTime, QDateTime(vacationEnd, QTime(23, 59, 59)));
    QVariantMap holidaysAvoided = daysOffMoved;
    holidaysAvoided.insert(BWAvoidHolidays, true);

    struct Case
    {
        const char* what;
        QVariantMap settings;
        std::function<void(RenewalRig&)> change;
        QDate shownBefore;
        QDate shownAfter;
    };
    const auto click = [](const char* title) {
        return [title](RenewalRig& rig) { rig.clickPreference(QString::fromUtf8(title)); };
    };
    const auto vacation = [](bool on, QDate start, QDate end) {
        return [=](RenewalRig& rig) { rig.chooseVacation(on, start, end); };
    };
    const QList<Case> cases = {
        {"weekends avoided", {}, click("Avoid weekends"), kSunday, friday},
        {"weekends no longer avoided", {{BWAvoidWeekends, 1}}, click("Avoid weekends"), friday, kSunday},
        {"holidays avoided", daysOffMoved, click("Avoid holidays"), kSunday, saturday},
        {"days off no longer moved", holidaysAvoided, click("Move due dates that fall on days off"), saturday,
         kSunday},
        {"a vacation set", daysOffMoved, vacation(true, vacationStart, vacationEnd), kSunday,
         vacationStart.addDays(-1)},
        {"the vacation cleared", onVacation, vacation(false, vacationStart, vacationEnd), vacationStart.addDays(-1),
         kSunday},
        {"the vacation moved past the due day", onVacation, vacation(true, kSunday.addDays(1), kSunday.addDays(5)),
         vacationStart.addDays(-1), kSunday},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        RenewalRig rig(c.settings);
        ASSERT_EQ(rig.eventDays(rig.rent), QList<QDate>{c.shownBefore});
        const QStringList bills{rig.rent, rig.insurance, rig.gym};
        QList<QByteArray> filesBefore;
        for (const QString& billID : bills)
            filesBefore.append(rig.billFile(billID));

        c.change(rig);
        rig.settle();

        for (const QString& billID : {rig.rent, rig.insurance}) {
            EXPECT_EQ(rig.eventDays(billID), QList<QDate>{c.shownAfter});
            EXPECT_EQ(rig.notifiedDueDays(billID), QList<QDate>{c.shownAfter});
        }
        EXPECT_TRUE(rig.eventDays(rig.gym).isEmpty());
        EXPECT_TRUE(rig.notifiedDueDays(rig.gym).isEmpty());
        for (qsizetype i = 0; i < bills.size(); ++i)
            EXPECT_EQ(rig.billFile(bills.at(i)), filesBefore.at(i)) << "bill file rewritten";
    }
}

TEST(ReminderRenewalTest, SettingsThatMoveNoDueDateLeaveTheRemindersAlone)
{
    RenewalRig rig({{BWAvoidWeekends, 1}});
    // The reminder stands on a day no setting would give it now: only a
    // renewal could move it.
    ASSERT_TRUE(rig.store.defaults.setInteger(BWAvoidWeekends, 0));
    for (const char* title : {"Balance", "Average"}) {
        for (QCheckBox* box : rig.panel.pane(MGPreferencePanel::General)->findChildren<QCheckBox*>()) {
            if (box->text() == QString::fromUtf8(title))
                box->click();
        }
    }
    BWOverviewController& overview = rig.screens->overview();
    overview.showVacationModePopover(overview.header().airplaneButton());
    overview.vacationPopover().popover()->close();
    rig.settle();
    EXPECT_EQ(rig.eventDays(rig.rent), QList<QDate>{kSunday.addDays(-2)});
}

TEST(ReminderRenewalTest, ChangingHowRemindersAreMadeRenewsThoseOfTheExistingBillsOnce)
{
    struct Case
    {
        const char* what;
        QVariantMap settings;
        std::function<void(RenewalRig&)> change;
        std::function<void(RenewalRig&)> check;
    };
    const QStringList bothKinds{QStringLiteral("Orvane"), QStringLiteral("Orvane")};
    const auto clicking = [](const char* switchTitle) {
        return [switchTitle](RenewalRig& rig) { rig.clickReminderSwitch(QString::fromUtf8(switchTitle)); };
    };
    const char* notificationsSwitch = "Show reminders as desktop notifications";
    const char* calendarSwitch = "Also add reminders to my calendar";
    // Turning one way of reminding off takes the rent out of it, and leaves
    // its reminder for Sunday in the other way.
    const auto turnedOff = [clicking](const char* what, const char* switchTitle,
                                      std::function<bool(RenewalRig&)> rentIsGone,
                                      std::function<QList<QDate>(RenewalRig&)> rentDaysInTheOtherWay) {
        return Case{what, {}, clicking(switchTitle), [rentIsGone, rentDaysInTheOtherWay](RenewalRig& rig) {
                        EXPECT_TRUE(rentIsGone(rig));
                        EXPECT_EQ(rentDaysInTheOtherWay(rig), QList<QDate>{kSunday});
                    }};
    };
    const QList<Case> cases = {
        {"remind me at",
         {},
         [](RenewalRig& rig) { rig.setReminderTime(QTime(7, 45)); },
         [](RenewalRig& rig) {
             for (const QString& billID : {rig.rent, rig.insurance})
                 EXPECT_EQ(rig.alarmTimes(billID), QList<QTime>({QTime(7, 45), QTime(7, 45)}));
         }},
        turnedOff(
            "notifications turned off", notificationsSwitch,
            [](RenewalRig& rig) { return rig.notifiedDueDays(rig.rent).isEmpty(); },
            [](RenewalRig& rig) { return rig.eventDays(rig.rent); }),
        {"notifications turned on",
         {{BWEnableNotificationCenter, false}},
         clicking(notificationsSwitch),
         [](RenewalRig& rig) {
             for (const QString& billID : {rig.rent, rig.insurance})
                 EXPECT_EQ(rig.notifiedDueDays(billID), QList<QDate>{kSunday});
             EXPECT_TRUE(rig.notifiedDueDays(rig.gym).isEmpty());
         }},
        {"calendar events turned on",
         {{BWReminderEvents, false}},
         clicking(calendarSwitch),
         [](RenewalRig& rig) {
             for (const QString& billID : {rig.rent, rig.insurance})
                 EXPECT_EQ(rig.calendarsOnDiskWithEventsOf(billID), QStringList{QStringLiteral("Orvane")});
             EXPECT_TRUE(rig.calendarsOnDiskWithEventsOf(rig.gym).isEmpty());
         }},
        turnedOff(
            "calendar events turned off", calendarSwitch,
            [](RenewalRig& rig) { return rig.calendarsOnDiskWithEventsOf(rig.rent).isEmpty(); },
            [](RenewalRig& rig) { return rig.notifiedDueDays(rig.rent); }),
        {"calendar renamed",
         {},
         [](RenewalRig& rig) {
             QLineEdit* name = rig.remindersPane()->findChild<QLineEdit*>();
             name->setText(QStringLiteral("Household"));
             emit name->editingFinished();
         },
         [](RenewalRig& rig) {
             for (const QString& billID : {rig.rent, rig.insurance})
                 EXPECT_EQ(rig.calendarsOnDiskWithEventsOf(billID), QStringList{QStringLiteral("Household")});
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        RenewalRig rig(c.settings);
        const QByteArray rentFile = rig.billFile(rig.rent);
        c.change(rig);
        rig.settle();
        c.check(rig);
        EXPECT_EQ(rig.billFile(rig.rent), rentFile) << "bill file rewritten";
    }
}

// A restored backup, or a data folder opened elsewhere, holds the bills as
// they were: their reminders come back with them, and a bill it lacks keeps none.
TEST(ReminderRenewalTest, AReplacedDataFolderBringsTheRemindersOfItsOwnBills)
{
    struct Case
    {
        const char* what;
        std::function<void(RenewalRig&)> replace;
    };
    const QList<Case> cases = {
        {"backup restored", [](RenewalRig& rig) { rig.delegate->welcome().objectController()->restoreDatabase(); }},
        {"other data folder opened",
         [](RenewalRig& rig) { rig.delegate->welcome().objectController()->loadSecurityScopedDatabase(); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        RenewalRig rig({});
        rig.folderToChoose = rig.store.temp.file(QStringLiteral("elsewhere"));
        ASSERT_TRUE(FolderOps::copyFolder(rig.store.env.defaultDataFolder, rig.folderToChoose + "/Orvane.ovdata"));
        // Changed since the backup (taken at start-up) and the copy.
        const QString phone = rig.store.addBill(QStringLiteral("Phone"), 3,
                                                {{BillKeys::RemindMe, true}, {BillKeys::ReminderDays, kLeadDays}});
        ASSERT_TRUE(BWBill(rig.store.env).saveSpecificKey(BillKeys::DueDate, QDateTime(kSunday.addDays(5), QTime(12, 0)),
                                                          rig.rent));
        rig.settle();
        ASSERT_EQ(rig.eventDays(rig.rent), QList<QDate>{kSunday.addDays(5)});

        c.replace(rig);
        rig.settle();

        EXPECT_EQ(rig.eventDays(rig.rent), QList<QDate>{kSunday});
        EXPECT_EQ(rig.notifiedDueDays(rig.rent), QList<QDate>{kSunday});
        EXPECT_TRUE(rig.eventDays(phone).isEmpty());
        EXPECT_TRUE(rig.notifiedDueDays(phone).isEmpty());
    }
}

// A notification whose moment has passed was shown when it came; renewing
// the reminders shows it no second time, while one still waiting whose time
// moved into the past is shown.
TEST(ReminderRenewalTest, RenewingShowsNoPastNotificationAgain)
{
    RenewalRig rig({});
    const QString phone = rig.store.addBill(QStringLiteral("Phone"), 1,
                                            {{BillKeys::RemindMe, true}, {BillKeys::ReminderDays, kLeadDays}});
    rig.settle();
    ASSERT_EQ(rig.alarmTimes(phone).size(), 2);
    rig.notifications.deliverDueNotifications();
    ASSERT_TRUE(rig.notifiedDueDays(phone).isEmpty()) << "shown and off the schedule";
    // Waiting till this evening.
    ASSERT_TRUE(rig.store.defaults.setObject(BWReminderTime, QDateTime(kToday, QTime(18, 0))));
    const QString water = rig.store.addBill(QStringLiteral("Water"), 0, {{BillKeys::RemindMe, true}});
    ASSERT_EQ(rig.notifiedDueDays(water).size(), 1);

    rig.clickPreference(QStringLiteral("Avoid weekends"));
    rig.setReminderTime(QTime(9, 0));

    EXPECT_TRUE(rig.notifiedDueDays(phone).isEmpty());
    EXPECT_EQ(rig.eventDays(phone).size(), 1) << "the calendar keeps its event";
    ASSERT_EQ(rig.notifiedDueDays(water).size(), 1);
    EXPECT_EQ(rig.alarmTimes(water).first(), QTime(9, 0));
}

// Erase & Import replaces every item: the erased ones take their
// notifications and calendar events along, whichever way the import ran.
TEST(ReminderRenewalTest, EraseAndImportTakesTheRemindersOfTheErasedBills)
{
    RenewalRig rig({});
    rig.settle();
    ASSERT_FALSE(rig.eventDays(rig.rent).isEmpty());
    ASSERT_FALSE(rig.notifiedDueDays(rig.insurance).isEmpty());
    const QString older = rig.store.temp.file(QStringLiteral("older/Orvane"));
    QDir().mkpath(older + "/Data");
    ASSERT_TRUE(PropertyList::write(older + "/Data/Phone.plist",
                                    QVariantMap{{"Repeat_a", 1},
                                                {"Repeat_b", "Months"},
                                                {"Next_Due", QDateTime(kSunday.addDays(3), QTime(12, 0))},
                                                {"Is_Active", true}}));
    rig.folderToChoose = older;
    rig.delegate->importer()->manuallyImportCustomData();
    rig.delegate->importer()->selectDatabaseForImport();
    rig.settle();

    ASSERT_EQ(BWBillsLoader(rig.store.env).loadBills().value_or(QVariantList()).size(), 1);
    for (const QString& erased : {rig.rent, rig.insurance, rig.gym}) {
        EXPECT_TRUE(rig.eventDays(erased).isEmpty());
        EXPECT_TRUE(rig.notifiedDueDays(erased).isEmpty());
    }
}

// However many bills it renews, a renewal writes the schedule once and each
// calendar file it changes once: here the events move from the calendar of
// the old name to one of the new.
TEST(ReminderRenewalTest, ARenewalWritesTheScheduleAndEachCalendarFileOnce)
{
    RenewalRig rig({});
    for (int bill = 0; bill < 20; ++bill)
        rig.store.addBill(QStringLiteral("Bill %1").arg(bill), bill % 9 + 3,
                          {{BillKeys::RemindMe, true}, {BillKeys::ReminderDays, kLeadDays}});
    rig.settle();
    rig.notifications.waitForWrites();
    FileWriteCounter calendarWrites(rig.calendars->folder());
    FileWriteCounter scheduleWrites(rig.store.temp.path());
    ASSERT_TRUE(calendarWrites.watching() && scheduleWrites.watching());

    QLineEdit* name = rig.remindersPane()->findChild<QLineEdit*>();
    name->setText(QStringLiteral("Household"));
    emit name->editingFinished();
    rig.settle();
    rig.notifications.waitForWrites();

    const QHash<QString, int> written = calendarWrites.writes();
    EXPECT_EQ(written.size(), 2) << calendarWrites.describe().toStdString();
    for (const int times : written)
        EXPECT_EQ(times, 1) << calendarWrites.describe().toStdString();
    EXPECT_EQ(scheduleWrites.writes().value(QStringLiteral("ScheduledNotifications.plist")), 1);
    EXPECT_EQ(rig.calendarsOnDiskWithEventsOf(rig.rent), QStringList{QStringLiteral("Household")});
    EXPECT_EQ(rig.notifications.scheduledNotifications().size(), 22);
}

// Stepping through times renews once the user stops, for the last time set;
// leaving the pane renews at once.
TEST(ReminderRenewalTest, RemindMeAtRenewsOnceTheUserStopsChangingIt)
{
    RenewalRig rig({});
    QTimeEdit* time = rig.remindersPane()->findChild<QTimeEdit*>();
    QSignalSpy renewed(&rig.reminders, &BWReminderManager::remindersRenewed);
    for (int hour = 6; hour <= 9; ++hour)
        time->setTime(QTime(hour, 15));
    EXPECT_TRUE(rig.reminders.isIdle()) << "nothing renewed while the user is still changing it";
    ASSERT_TRUE(renewed.wait(30000));
    rig.settle();
    EXPECT_EQ(renewed.count(), 1);
    EXPECT_EQ(rig.alarmTimes(rig.rent), QList<QTime>({QTime(9, 15), QTime(9, 15)}));

    rig.panel.awakeFromNib();
    rig.panel.window()->show();
    rig.panel.changePanes(rig.panel.toolbarItems().value(MGPreferencePanel::Reminders));
    time->setTime(QTime(7, 5));
    EXPECT_TRUE(rig.reminders.isIdle());
    rig.panel.window()->hide();
    EXPECT_FALSE(rig.reminders.isIdle()) << "renewing as the pane closed";
    rig.settle();
    EXPECT_EQ(renewed.count(), 2);
    EXPECT_EQ(rig.alarmTimes(rig.rent), QList<QTime>({QTime(7, 5), QTime(7, 5)}));
}

// A bill written or deleted while a renewal is under way keeps what its own
// write made, whichever of the two finishes last.
TEST(ReminderRenewalTest, ABillWrittenDuringARenewalKeepsItsOwnReminders)
{
    RenewalRig rig({});
    rig.reminders.renewRemindersOfListedItems();
    QVariantMap rent = *BWBillsLoader(rig.store.env).loadBillWithID(rig.rent);
    rent.insert(BillKeys::Name, QStringLiteral("Flat"));
    ASSERT_TRUE(BWBill(rig.store.env).finishWritingBillWithDictionary(rent, true, false));
    ASSERT_TRUE(BWBill(rig.store.env).deleteBillWithBid(rig.insurance));
    ASSERT_FALSE(rig.reminders.isIdle());
    rig.settle();

    QStringList notified;
    for (const UserNotification& notification : rig.notifications.scheduledNotifications())
        notified.append(notification.title);
    EXPECT_EQ(notified, QStringList{QStringLiteral("Pay Flat")});
    EXPECT_TRUE(rig.eventDays(rig.insurance).isEmpty());
    QStringList events;
    for (const CalendarStore::Calendar& calendar : rig.calendars->calendarsForEvents()) {
        for (const CalendarStore::Event& event : rig.calendars->eventsInCalendar(calendar))
            events.append(event.title);
    }
    EXPECT_EQ(events, QStringList{QStringLiteral("Pay Flat")});
}

// Quitting, a stop signal and the session's end destroy the manager, often
// with a renewal just asked for: it is finished and its notifications are in
// the schedule the next start reads.
TEST(ReminderRenewalTest, ARenewalAskedForAtTheEndOfTheRunIsStored)
{
    RenewalRig rig({});
    const QString schedule = rig.store.temp.file(QStringLiteral("schedule-at-quit.plist"));
    const QDBusConnection noBus(QStringLiteral("orvane-tests-no-bus"));
    {
        UserNotificationCenter notifications(schedule, rig.store.clock, noBus);
        BWReminderManager reminders(rig.store.env, [&rig] { return rig.calendars; }, &notifications);
        ASSERT_TRUE(rig.store.defaults.setObject(BWReminderTime, QDateTime(kToday, QTime(10, 0))));
        reminders.renewRemindersOfListedItems();
    }
    const UserNotificationCenter nextStart(schedule, rig.store.clock, noBus);
    QList<QTime> times;
    for (const UserNotification& notification : nextStart.scheduledNotifications())
        times.append(notification.deliveryDate.toLocalTime().time());
    EXPECT_EQ(times, QList<QTime>({QTime(10, 0), QTime(10, 0)}));
}
