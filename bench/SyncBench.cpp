// How long the GUI thread is kept from its window by the folder sync, at
// 1,000 and 5,000 bills of 60 payments each as the program writes them, all
// with reminders, calendar events and automatic payments on, with the shared
// folder holding a version of every bill from three computers: the full pass
// with nothing changed and with 10 bills changed elsewhere (a payment logged
// and a rename there, stamped by that computer's writer), the start-up with
// sync on from the first paint until sync is idle (an earlier run left the
// bills in step), changes arriving by file
// while the program runs, and logging a payment and saving an item through
// their Save buttons with sync on (until the upload is written).
//
// Each step runs in a program wired as main() wires it, from the event loop,
// watched by GuiThreadWatchdog: the longest single block of the GUI thread
// and its busy time, in milliseconds, against the 50 ms target. The first
// line gives the time the sync database takes to be made, before the window
// exists.
//
// Then the same for Orvane Cloud over a database server on this computer,
// with an account holding every bill as sent: signing in, a restart with
// the sign-in kept, and a full send-all pass while listening, each until
// nothing is left to send and the change stream's first event is handled.
//
// `--bills N` measures one size only; `--steps a,b` only the named steps;
// `--timeout S` gives up on a step after S seconds.

#include <QApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QTemporaryDir>
#include <QTest>
#include <QtConcurrent>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <memory>
#include <optional>

#include "BenchStore.h"
#include "FirebaseBenchProgram.h"
#include "GuiThreadWatchdog.h"
#include "SaveButtons.h"
#include "SyncFolderSeed.h"
#include "platform/FileStamp.h"
#include "platform/FolderCloudContainer.h"
#include "platform/FolderCloudDatabase.h"
#include "platform/UserNotificationCenter.h"
#include "shell/BWAppDelegate.h"
#include "shell/BWCloudChannelRouter.h"
#include "shell/BWMainScreens.h"
#include "shell/BWReminderManager.h"
#include "store/BWBill.h"
#include "store/BWBillMerge.h"
#include "store/BWBillRecordKeys.h"
#include "store/BWBillsLoader.h"
#include "store/BWDefaultsKeys.h"
#include "sync/OrvaneCloudManager.h"

using namespace BWDefaultsKeys;

namespace {

constexpr int kTags = 12;
constexpr double kTargetMs = 50;

// Bill files, index and tag list in the data folder, as an earlier run
// leaves them: every bill reminds ahead of a due day in the
// coming two months, and was last synced at `synced`.
QStringList seedSyncedBills(const QString& dataFolder, int bills, const QDateTime& synced)
{
    return seedDataFolder(dataFolder, bills, kTags, [&synced](QVariantMap& record, int number) {
        record.insert(BillKeys::RemindMe, true);
        record.insert(BillKeys::DueDate, QDateTime(QDate(2026, 6, 20).addDays(number % 60), QTime(12, 0), Qt::UTC));
        record.insert(BillKeys::SyncModificationDate, synced);
        // As a bill that came through sync holds it.
        record.insert(BillKeys::AmountVaries, false);
    });
}

// The program as main() wires it with sync on, over a data folder of
// `bills` bills and a shared folder in step with it.
class SyncProgram
{
public:
    explicit SyncProgram(int bills)
    {
        store.defaults.registerDefaults(BWRegisteredDefaults::table(store.clock));
        store.defaults.setBool(BW_IsFirstLaunchV8_NEW, false);
        store.defaults.setBool(BRWPlayInterfaceSounds, false);
        store.defaults.setBool(iCloudSyncEnabled2, true);
        // As a user with such data has it.
        store.defaults.setBool(BWRemindersEnabled, true);
        store.defaults.setBool(BWReminderEvents, true);
        store.defaults.setBool(BWShouldAutoLogPayments, true);
        // A returning user: the cloud prompt was settled, and today's backup
        // is made (the daily backup is a step of its own, in GuiBlockBench).
        store.defaults.setBool(BW_ShouldDisplayOrvaneCloudPrompt, false);
        store.defaults.setObject(BWLastBackup, store.clock.now());
        store.defaults.setObject(BWSharedSyncFolder, shared.path());
        seedDate = store.clock.now().addDays(-1).toUTC();
        ids = seedSyncedBills(store.env.defaultDataFolder, bills, seedDate);
        seed.folder = shared.path();
        seed.seedFrom(store.env.defaultDataFolder, ids, seedDate);
        const QVariantMap local = PropertyList::read(QDir(store.env.defaultDataFolder).filePath(ids.value(0) + ".plist")).value.toMap();
        if (!BWBillMerge::sameState(local, OrvaneCloudManager::convertRecordintoBill(
                                                 OrvaneCloudManager::convertBill(local, seedDate, CloudRecord()), {})))
            std::printf("The seeded bills are not in step with the cloud's\n");
        store.env.reminders = &reminders;
        store.env.cloud = &channels;
        passOfAnEarlierRun();

        QElapsedTimer made;
        made.start();
        container = std::make_unique<FolderCloudContainer>(shared.path(), seed.thisDevice);
        databaseMadeMs = made.nsecsElapsed() / 1e6;
        // The other computers wrote lately by the program's clock.
        container->folderDatabase()->setClock([this] { return store.clock.now(); });
        engine = std::make_unique<OrvaneCloudManager>(*container, store.env);
        channels.setEngine(engine.get());
        QObject::connect(engine.get(), &OrvaneCloudManager::noiCloudChanges, [this] { ++passes; });
        QObject::connect(engine.get(), &OrvaneCloudManager::iCloudChangeReceived, [this](const QString& billID) {
            if (billID.isEmpty())
                ++passes;
        });

        delegate = std::make_unique<BWAppDelegate>(store.env, store.root.filePath("calendars"));
        delegate->startup().setNotificationCenter(&notifications);
        delegate->startup().setReminderManager(&reminders);
        delegate->cloudSync().setChannels({container.get(), engine.get(), nullptr, nullptr});
        BWUserInteraction interaction;
        interaction.askQuestion = [](QWidget*, const QString&, const QString&, const QStringList&) { return 0; };
        interaction.showAlert = [](QWidget*, const QString&, const QString&) {};
        screens = std::make_unique<BWMainScreens>(store.env, *delegate, interaction);
        delegate->awakeFromNib();
    }

    // The full pass of an earlier run, over a database of its own, leaves
    // the bills in step with the cloud as a returning user's program finds
    // them.
    void passOfAnEarlierRun()
    {
        // Those runs were long ago: a file only just written is not relied on.
        const QDir data(store.env.defaultDataFolder);
        const auto settled = [&] {
            return std::all_of(ids.cbegin(), ids.cend(), [&](const QString& billID) {
                const std::optional<FileStamp> stamp = FileStamp::of(data.filePath(billID + ".plist"));
                return stamp && stamp->settled();
            });
        };
        if (!QTest::qWaitFor(settled, 60000))
            std::printf("The bill files did not settle\n");
        FolderCloudContainer earlier(shared.path(), seed.thisDevice);
        earlier.folderDatabase()->setClock([this] { return store.clock.now(); });
        OrvaneCloudManager earlierEngine(earlier, store.env);
        bool ended = false;
        QObject::connect(&earlierEngine, &OrvaneCloudManager::passEnded, [&ended] { ended = true; });
        earlierEngine.fetchAndUploadAllRecords();
        if (!QTest::qWaitFor([&] { return ended && earlierEngine.isIdle(); }, 30 * 60 * 1000))
            std::printf("The pass of the earlier run did not end\n");
    }

    // Starts the program; the watch begins once the window has painted and
    // ends when the first pass is over and sync has settled.
    GuiThreadWatchdog::Figures startUp()
    {
        GuiThreadWatchdog watchdog;
        bool painted = false;
        const int passesBefore = passes;
        QObject::connect(delegate.get(), &BWAppDelegate::startUpStepDone, [&](const QString& step) {
            if (step == "mainWindowShown" && !painted) {
                painted = true;
                watchdog.startWatching();
            }
        });
        delegate->applicationDidFinishLaunching();
        QElapsedTimer waited;
        waited.start();
        const bool passed = QTest::qWaitFor([&] { return painted && passes > passesBefore; }, 30 * 60 * 1000);
        QTest::qWait(500);   // what the pass left queued
        GuiThreadWatchdog::Figures figures = watchdog.stopWatching();
        figures.finished = passed;
        return figures;
    }

    // Whether this computer's version of the bill changed since `before`.
    bool uploadedSince(const QString& billID, const std::optional<FileStamp>& before) const
    {
        return FileStamp::of(seed.versionPath(billID, seed.thisDevice)) != before;
    }
    QString storedName(const QString& billID) const
    {
        return PropertyList::read(QDir(store.env.defaultDataFolder).filePath(billID + ".plist"))
            .value.toMap()
            .value(BillKeys::Name)
            .toString();
    }

    BenchStore store;
    QTemporaryDir shared;
    SyncFolderSeed seed;
    QDateTime seedDate;
    BWCloudChannelRouter channels{store.defaults};
    UserNotificationCenter notifications{UserNotificationCenter::schedulePath(store.root.path()), store.clock,
                                         QDBusConnection(QStringLiteral("bench-no-bus"))};
    BWReminderManager reminders{store.env, [this] { return delegate ? delegate->currentEventStore() : nullptr; },
                                &notifications};
    std::unique_ptr<FolderCloudContainer> container;
    std::unique_ptr<OrvaneCloudManager> engine;
    std::unique_ptr<BWAppDelegate> delegate;
    std::unique_ptr<BWMainScreens> screens;
    QStringList ids;
    double databaseMadeMs = 0;
    int passes = 0;
};

struct Step
{
    const char* name;
    const char* title;
    std::function<void(SyncProgram&)> prepare;
    std::function<void(SyncProgram&)> start;
    std::function<bool(SyncProgram&)> finished;
    int settleMs = 300;
};

// The bills another computer changes, a new ten for each step.
QStringList changedBills(SyncProgram& program)
{
    static int next = 0;
    const QStringList chosen = program.ids.mid(100 + next, 10);
    next += 10;
    return chosen;
}

QList<Step> steps()
{
    static int passesBefore = 0;
    static QStringList changed;
    static int changeNumber = 0;
    static std::optional<FileStamp> versionBefore;
    const auto countPasses = [](SyncProgram& program) { passesBefore = program.passes; };
    const auto passed = [](SyncProgram& program) { return program.passes > passesBefore; };
    const auto changeElsewhere = [](SyncProgram& program) {
        changed = changedBills(program);
        ++changeNumber;
        const QDateTime date = program.store.clock.now().addSecs(-600).toUTC();
        for (const QString& id : changed)
            program.seed.changeElsewhere(id, changeNumber, date);
    };
    const auto allArrived = [](SyncProgram& program) {
        for (const QString& id : changed) {
            if (program.storedName(id) != QStringLiteral("Changed elsewhere %1").arg(changeNumber))
                return false;
        }
        return true;
    };
    return {
        {"pass", "the full pass, nothing changed", countPasses,
         [](SyncProgram& program) { program.engine->fetchAndUploadAllRecords(); }, passed},
        {"pass-10", "the full pass, 10 bills changed elsewhere",
         [=](SyncProgram& program) {
             countPasses(program);
             changeElsewhere(program);
         },
         [](SyncProgram& program) { program.engine->fetchAndUploadAllRecords(); },
         [=](SyncProgram& program) { return passed(program) && allArrived(program); }},
        {"arrival", "10 changes arriving by file", [](SyncProgram&) {},
         // Written by the sync service, another program.
         [=](SyncProgram& program) {
             (void)QtConcurrent::run([&program, changeElsewhere] { changeElsewhere(program); });
         },
         allArrived},
        {"payment", "a payment logged (the panel's Save), uploaded",
         [](SyncProgram& program) {
             versionBefore = FileStamp::of(program.seed.versionPath(program.ids.value(7), program.seed.thisDevice));
             openPaymentPanel(*program.screens, program.ids.value(7));
         },
         [](SyncProgram& program) { program.screens->payLogger().savePaymentButton()->click(); },
         [](SyncProgram& program) { return program.uploadedSince(program.ids.value(7), versionBefore); }},
        {"item-saved", "an item renamed (the editor's Save), uploaded",
         [](SyncProgram& program) {
             versionBefore = FileStamp::of(program.seed.versionPath(program.ids.value(11), program.seed.thisDevice));
             openEditor(*program.screens, program.ids.value(11), QStringLiteral("Renamed"));
         },
         [](SyncProgram& program) { program.screens->billEditor().saveButton()->click(); },
         [](SyncProgram& program) { return program.uploadedSince(program.ids.value(11), versionBefore); }},
    };
}

struct FirebaseStep
{
    const char* name;
    const char* title;
    std::function<void(FirebaseBenchProgram&)> prepare;
    std::function<void(FirebaseBenchProgram&)> start;
    std::function<bool(FirebaseBenchProgram&)> finished;
};

QList<FirebaseStep> firebaseSteps()
{
    const auto settled = [](FirebaseBenchProgram& program) { return program.settled(); };
    return {
        {"fb-signin", "Orvane Cloud: signing in, until settled",
         [](FirebaseBenchProgram& program) {
             program.start();
             program.expectSettling();
         },
         [](FirebaseBenchProgram& program) { program.signIn(); }, settled},
        {"fb-restart", "Orvane Cloud: a restart signed in, until settled",
         [](FirebaseBenchProgram& program) {
             program.quit();
             program.expectSettling();
         },
         [](FirebaseBenchProgram& program) { program.start(); }, settled},
        {"fb-pass", "Orvane Cloud: the send-all pass while listening",
         [](FirebaseBenchProgram& program) { program.expectSettling(); },
         [](FirebaseBenchProgram& program) { program.manager->uploadAllBillsToFirebaseIfNecessary(); },
         settled},
    };
}

bool isChosen(const QStringList& chosen, const char* name)
{
    return chosen.isEmpty() || chosen.contains(QString::fromLatin1(name));
}

}  // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    GuiThreadWatchdog::Application app(argc, argv);
    if (!qEnvironmentVariableIsSet("SYNCBENCH_LOG")) QLoggingCategory::setFilterRules(QStringLiteral("orvane.info=false"));

    const QStringList arguments = app.arguments();
    const qsizetype billsArgument = arguments.indexOf(QStringLiteral("--bills"));
    const QList<int> sizes = billsArgument > 0 ? QList<int>{arguments.value(billsArgument + 1).toInt()}
                                               : QList<int>{1000, 5000};
    const qsizetype stepsArgument = arguments.indexOf(QStringLiteral("--steps"));
    const QStringList chosen = stepsArgument > 0 ? arguments.value(stepsArgument + 1).split(',') : QStringList();

    const qsizetype timeoutArgument = arguments.indexOf(QStringLiteral("--timeout"));
    const int timeoutMs = timeoutArgument > 0 ? arguments.value(timeoutArgument + 1).toInt() * 1000 : 10 * 60 * 1000;
    const QList<Step> folderSteps = steps();
    const bool anyFolderStep = std::any_of(folderSteps.cbegin(), folderSteps.cend(),
                                           [&](const Step& step) { return isChosen(chosen, step.name); });

    if (anyFolderStep) {
        std::printf("Folder sync with three computers' versions: the GUI thread's longest block and busy time per "
                    "step, in ms (target: no block over %.0f ms).\n",
                    kTargetMs);
        GuiThreadWatchdog::printHeader();
    }
    for (int bills : anyFolderStep ? sizes : QList<int>{}) {
        SyncProgram program(bills);
        GuiThreadWatchdog::Figures made;
        made.longestBlockMs = made.busyMs = program.databaseMadeMs;
        made.finished = true;
        GuiThreadWatchdog::printRow("the sync database made, before the window [database]", bills, made, kTargetMs);
        GuiThreadWatchdog::printRow("start-up, from the first paint until sync is idle [startup]", bills,
                                    program.startUp(), kTargetMs);
        for (const Step& step : folderSteps) {
            if (!isChosen(chosen, step.name))
                continue;
            step.prepare(program);
            GuiThreadWatchdog watchdog;
            const GuiThreadWatchdog::Figures figures = watchdog.measure(
                [&] { step.start(program); }, [&] { return step.finished(program); }, step.settleMs, timeoutMs);
            GuiThreadWatchdog::printRow(QStringLiteral("%1 [%2]").arg(step.title, step.name).toUtf8().constData(),
                                        bills, figures, kTargetMs);
        }
    }

    const QList<FirebaseStep> cloudSteps = firebaseSteps();
    if (std::none_of(cloudSteps.cbegin(), cloudSteps.cend(),
                     [&](const FirebaseStep& step) { return isChosen(chosen, step.name); }))
        return 0;
    std::printf("Orvane Cloud over a database server on this computer: the GUI thread's longest block, busy time "
                "and the other threads' CPU time per step, in ms (target: no block over %.0f ms).\n",
                kTargetMs);
    GuiThreadWatchdog::printHeader();
    for (int bills : sizes) {
        FirebaseBenchProgram program(bills, [](const QString& dataFolder, int count) {
            return seedSyncedBills(dataFolder, count, QDateTime(QDate(2026, 6, 14), QTime(9, 0), Qt::UTC));
        });
        // Each step begins where the one before it ended: all run, the
        // chosen ones are shown.
        for (const FirebaseStep& step : cloudSteps) {
            step.prepare(program);
            GuiThreadWatchdog watchdog;
            const GuiThreadWatchdog::Figures figures = watchdog.measure(
                [&] { step.start(program); }, [&] { return step.finished(program); }, 300, timeoutMs);
            if (isChosen(chosen, step.name))
                GuiThreadWatchdog::printRow(QStringLiteral("%1 [%2]").arg(step.title, step.name).toUtf8().constData(),
                                            bills, figures, kTargetMs);
        }
    }
    return 0;
}
