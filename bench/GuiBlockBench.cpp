// How long the GUI thread is kept from its window, at 1,000 and 5,000 bills
// of 60 payments each as the program writes them (stamped fields, payments
// with ids and stamps), all with reminders on and automatic payments on, for
// what the program does beside the user's own clicks and for two of them:
// the very first start (the cloud prompt settled by the bills there are),
// renewing the reminders (a step of "Remind me at", turning calendar events
// on, the bills replaced by an import), the daily backup, the day-change
// step with 30 automatic bills due, logging a payment through the panel's
// Save and saving an item through the editor's Save.
//
// Each step runs in a program built as the real one is (the delegate, its
// screens and the preferences) from the event loop, and is watched by
// GuiThreadWatchdog until the work it started has finished: the longest
// single block of the GUI thread and its busy time, in milliseconds, against
// the 50 ms target.
//
// `--bills N` measures one size only; `--steps a,b` only the named steps
// (the names printed in brackets). PERF_CONTROL records only the steps
// themselves (see GuiThreadWatchdog).

#include <QCheckBox>
#include <QLoggingCategory>
#include <QTest>
#include <QTimeEdit>

#include <cstdio>
#include <functional>
#include <memory>

#include "BenchStore.h"
#include "GuiThreadWatchdog.h"
#include "SaveButtons.h"
#include "platform/CalendarStore.h"
#include "platform/FileStamp.h"
#include "platform/UserNotificationCenter.h"
#include "screens/BWOverviewController.h"
#include "shell/BWAppDelegate.h"
#include "shell/BWMainScreens.h"
#include "shell/BWPreferencePanes.h"
#include "shell/BWReminderManager.h"
#include "shell/MGPreferencePanel.h"
#include "store/BWBill.h"
#include "store/BWBillRecordKeys.h"
#include "store/BWBillsLoader.h"
#include "store/BWDailyBackup.h"
#include "store/BWDefaultsKeys.h"
#include "store/RepeatUnit.h"

using namespace BWDefaultsKeys;

namespace {

constexpr int kTags = 12;
constexpr double kTargetMs = 50;

constexpr int kDueOnTheNewDay = 30;
const QDate kNewDay(2026, 6, 16);

// Every bill reminds three days ahead of a due day in the coming two months,
// but for the first 30 automatic bills, which fall due on the next day.
void remindedBill(QVariantMap& record, int number)
{
    record.insert(BillKeys::RemindMe, true);
    const bool dueNext = record.value(BillKeys::PayType).toInt() == AutomaticPayType && number < 4 * kDueOnTheNewDay;
    const QDate due = dueNext ? kNewDay : QDate(2026, 6, 20).addDays(number % 60);
    record.insert(BillKeys::DueDate, QDateTime(due, QTime(12, 0), Qt::UTC));
}

// The program as main() wires it, on a data folder of `bills` bills, started
// up and past the work that follows the first paint.
class Program
{
public:
    explicit Program(int bills)
    {
        store.defaults.registerDefaults(BWRegisteredDefaults::table(store.clock));
        store.defaults.setBool(BW_IsFirstLaunchV8_NEW, false);
        store.defaults.setBool(BW_ShouldDisplayOrvaneCloudPrompt, true);
        store.defaults.setBool(BRWPlayInterfaceSounds, false);
        // As a user with such data has it: reminders and automatic payments.
        store.defaults.setBool(BWRemindersEnabled, true);
        store.defaults.setBool(BWShouldAutoLogPayments, true);
        ids = seedDataFolder(store.env.defaultDataFolder, bills, kTags, remindedBill);
        store.env.reminders = &reminders;
        QObject::connect(&reminders, &BWReminderManager::remindersRenewed, [this] { ++renewals; });

        delegate = std::make_unique<BWAppDelegate>(store.env, store.root.filePath("calendars"));
        delegate->startup().setNotificationCenter(&notifications);
        delegate->startup().setReminderManager(&reminders);
        BWUserInteraction interaction;
        interaction.askQuestion = [](QWidget*, const QString&, const QString&, const QStringList&) { return 0; };
        interaction.showAlert = [](QWidget*, const QString&, const QString&) {};
        screens = std::make_unique<BWMainScreens>(store.env, *delegate, interaction);
        QObject::connect(&screens->overview().sidebar(), &BWOverviewSidebar::dockBadgeChanged,
                         [this] { ++listsShown; });
        panes = std::make_unique<BWPreferencePanes>(store.defaults, BWPreferencePanes::Services{});
        panes->fill(panel);
        QObject::connect(panes.get(), &BWPreferencePanes::settingChanged, &delegate->startup(),
                         &BWStartup::preferenceDidChange);
        delegate->awakeFromNib();
        startUp();
    }

    // The very first start of this version, with the cloud prompt still to
    // be settled by the bills there are: watched from the first paint until
    // it is.
    void startUp()
    {
        GuiThreadWatchdog watchdog;
        bool painted = false;
        bool settled = false;
        const auto stepDone = [&](const QString& step) {
            if (step == "mainWindowShown" && !painted) {
                painted = true;
                watchdog.startWatching();
            }
            settled = settled || step == "cloudPrompt";
        };
        const QMetaObject::Connection watching
            = QObject::connect(delegate.get(), &BWAppDelegate::startUpStepDone, stepDone);
        delegate->applicationDidFinishLaunching();
        firstStart.finished = QTest::qWaitFor([&settled] { return settled; }, 600000);
        QTest::qWait(100);  // what the start-up left queued
        const bool finished = firstStart.finished;
        firstStart = watchdog.stopWatching();
        firstStart.finished = finished;
        QObject::disconnect(watching);
    }

    // Whether the reminders asked for so far are all made and written.
    bool remindersSettled() const { return reminders.isIdle(); }
    // Whether a renewal came after `before` renewals, and all is written.
    bool renewedSince(int before) const { return renewals > before && remindersSettled(); }

    QCheckBox* reminderSwitch(const QString& title) const
    {
        for (QCheckBox* box : panel.pane(MGPreferencePanel::Reminders)->findChildren<QCheckBox*>()) {
            if (box->text() == title)
                return box;
        }
        return nullptr;
    }
    QTimeEdit* remindMeAt() const { return panel.pane(MGPreferencePanel::Reminders)->findChild<QTimeEdit*>(); }

    // Whether the extension's copy was written since `before` was taken.
    bool extensionWrittenSince(const std::optional<FileStamp>& before) const
    {
        return FileStamp::of(store.appGroup.path()) != before;
    }

    BenchStore store;
    UserNotificationCenter notifications{UserNotificationCenter::schedulePath(store.root.path()), store.clock,
                                         QDBusConnection(QStringLiteral("bench-no-bus"))};
    BWReminderManager reminders{store.env, [this] { return delegate ? delegate->currentEventStore() : nullptr; },
                                &notifications};
    std::unique_ptr<BWAppDelegate> delegate;
    std::unique_ptr<BWMainScreens> screens;
    MGPreferencePanel panel;
    std::unique_ptr<BWPreferencePanes> panes;
    QStringList ids;
    int renewals = 0;
    int listsShown = 0;
    std::unique_ptr<BWDailyBackup> backup;
    GuiThreadWatchdog::Figures firstStart;
};

struct Step
{
    const char* name;   // for --steps
    const char* title;  // for the table
    // Readies the program (not watched), then the step itself and the
    // condition of its end.
    std::function<void(Program&)> prepare;
    std::function<void(Program&)> start;
    std::function<bool(Program&)> finished;
    int settleMs = 100;
};

QList<Step> steps()
{
    const auto settled = [](Program& program) { return program.remindersSettled(); };
    // "Remind me at" renews once the user stops changing it.
    static int renewalsBefore = 0;
    const auto countRenewals = [](Program& program) { renewalsBefore = program.renewals; };
    const auto renewed = [](Program& program) { return program.renewedSince(renewalsBefore); };
    static std::optional<FileStamp> exportBefore;
    // The new day's list is shown when the work on the workers is done.
    static int listsBefore = 0;
    const auto exported = [](Program& program) { return program.extensionWrittenSince(exportBefore); };
    return {
        {"remind-at", "\"Remind me at\" changed, notifications", countRenewals,
         [](Program& program) { program.remindMeAt()->setTime(QTime(10, 15)); }, renewed},
        {"calendar-on", "\"Also add reminders to my calendar\" ticked", [](Program&) {},
         [](Program& program) { program.reminderSwitch("Also add reminders to my calendar")->click(); }, settled},
        {"remind-at-calendar", "\"Remind me at\" changed, notifications and calendar", countRenewals,
         [](Program& program) { program.remindMeAt()->setTime(QTime(11, 30)); }, renewed},
        {"import", "renewal after Erase & Import, notifications and calendar",
         [](Program& program) {
             // Every bill is replaced by a new one of another id.
             const QString folder = program.store.env.defaultDataFolder;
             QDir(folder).removeRecursively();
             program.ids = seedDataFolder(folder, int(program.ids.size()), kTags, remindedBill);
         },
         [](Program& program) { program.reminders.renewRemindersOfListedItems(); }, settled},
        {"backup", "the daily backup",
         [](Program& program) {
             program.store.defaults.setObject(BWLastBackup, program.store.clock.now().addDays(-1));
             program.backup = std::make_unique<BWDailyBackup>(program.store.env);
         },
         [](Program& program) { program.backup->start(); },
         [](Program& program) { return !program.backup->isRunning(); }},
        {"day-change", "the day-change step (reload, automatic payments)",
         [](Program& program) {
             program.store.clock.setNow(program.store.clock.now().addDays(1));
             listsBefore = program.listsShown;
         },
         [](Program& program) { program.delegate->checkForDateChange(); },
         [](Program& program) {
             return program.listsShown > listsBefore && !program.delegate->startup().isLoggingDuePayments()
                    && !program.screens->overview().isLoadingInBackground() && program.remindersSettled();
         }},
        {"payment", "a payment logged (the panel's Save), extension's copy written",
         [](Program& program) {
             exportBefore = FileStamp::of(program.store.appGroup.path());
             openPaymentPanel(*program.screens, program.ids.value(7));
         },
         [](Program& program) { program.screens->payLogger().savePaymentButton()->click(); }, exported},
        {"item-saved", "an item renamed (the editor's Save), extension's copy written",
         [](Program& program) {
             exportBefore = FileStamp::of(program.store.appGroup.path());
             openEditor(*program.screens, program.ids.value(11), QStringLiteral("Renamed"));
         },
         [](Program& program) { program.screens->billEditor().saveButton()->click(); }, exported},
    };
}

}  // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    GuiThreadWatchdog::Application app(argc, argv);
    // BENCH_LOG=1 keeps the program's log, for seeing where a step's time goes.
    if (qEnvironmentVariableIsEmpty("BENCH_LOG"))
        QLoggingCategory::setFilterRules(QStringLiteral("orvane.info=false"));

    const QStringList arguments = app.arguments();
    const qsizetype billsArgument = arguments.indexOf(QStringLiteral("--bills"));
    const QList<int> sizes
        = billsArgument > 0 ? QList<int>{arguments.value(billsArgument + 1).toInt()} : QList<int>{1000, 5000};
    const qsizetype stepsArgument = arguments.indexOf(QStringLiteral("--steps"));
    const QStringList chosen = stepsArgument > 0 ? arguments.value(stepsArgument + 1).split(',') : QStringList();

    std::printf("The GUI thread's longest block and busy time per step, in ms (target: no block over %.0f ms).\n",
                kTargetMs);
    GuiThreadWatchdog::printHeader();
    for (int bills : sizes) {
        Program program(bills);
        if (chosen.isEmpty() || chosen.contains(QStringLiteral("first-start")))
            GuiThreadWatchdog::printRow("the first start, until the cloud prompt is settled [first-start]", bills,
                                        program.firstStart, kTargetMs);
        // The reminders as an earlier run left them.
        program.reminders.renewRemindersOfListedItems();
        if (!QTest::qWaitFor([&program] { return program.remindersSettled(); }, 3600000))
            std::printf("The first reminders were not made within the hour\n");
        for (const Step& step : steps()) {
            if (!chosen.isEmpty() && !chosen.contains(QString::fromLatin1(step.name)))
                continue;
            step.prepare(program);
            GuiThreadWatchdog watchdog;
            const GuiThreadWatchdog::Figures figures
                = watchdog.measure([&] { step.start(program); }, [&] { return step.finished(program); }, step.settleMs);
            GuiThreadWatchdog::printRow(QStringLiteral("%1 [%2]").arg(step.title, step.name).toUtf8().constData(),
                                        bills, figures, kTargetMs);
        }
    }
    return 0;
}
