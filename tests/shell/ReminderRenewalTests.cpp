#include "ShellTestStore.h"
#include "support/RecordingSoundPlayer.h"

#include "platform/CalendarStore.h"
#include "platform/UserNotificationCenter.h"
#include "screens/BWOverviewController.h"
#include "shell/BWAppDelegate.h"
#include "shell/BWMainScreens.h"
#include "shell/BWPreferencePanes.h"
#include "shell/BWReminderManager.h"
#include "shell/MGPreferencePanel.h"
#include "store/RepeatUnit.h"

#include <QCheckBox>
#include <QDBusConnection>
#include <QDateEdit>
#include <QFile>
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
        delegate->setReminderManager(&reminders);
        BWUserInteraction interaction;
        interaction.sounds = std::make_shared<RecordingSoundPlayer>();
        screens = std::make_unique<BWMainScreens>(store.env, *delegate, interaction);
        panes = std::make_unique<BWPreferencePanes>(store.defaults, BWPreferencePanes::Services{});
        panes->fill(panel);
        QObject::connect(panes.get(), &BWPreferencePanes::settingChanged, delegate.get(),
                         &BWAppDelegate::preferenceDidChange);
        delegate->awakeFromNib();
        delegate->applicationDidFinishLaunching();
    }

    void clickPreference(const QString& title)
    {
        for (QCheckBox* box : panel.pane(MGPreferencePanel::Advanced)->findChildren<QCheckBox*>()) {
            if (box->text() == title)
                return box->click();
        }
        ADD_FAILURE() << "no switch " << title.toStdString();
    }

    void chooseVacation(bool on, const QDate& start, const QDate& end)
    {
        BWOverviewController& overview = screens->overview();
        overview.showVacationModePopover(overview.airplaneButton());
        overview.vacationStart()->setDate(start);
        overview.vacationEnd()->setDate(end);
        overview.vacationSwitch()->setChecked(on);
        overview.vacationPopover()->close();
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
    overview.showVacationModePopover(overview.airplaneButton());
    overview.vacationPopover()->close();
    EXPECT_EQ(rig.eventDays(rig.rent), QList<QDate>{kSunday.addDays(-2)});
}
