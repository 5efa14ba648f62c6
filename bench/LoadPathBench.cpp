// The load path as a returning user meets it, at 0, 1,000 and 5,000 bills
// of 60 payments each, written by the store's own writer (stamped fields,
// payments with ids and stamps): settings and the app-group suite are there
// from an earlier start, and the welcome sheet is finished.
//
// One run prints, per size: a full listing against the bare read-and-parse
// of the same files, an overview reload, and the time from starting the
// program to its main window's first pixels on a virtual X server, with the
// peak memory of that start: in a desktop session (a private session bus
// with an unlocked gnome-keyring and a notification daemon) with sync off
// and with sync on through a shared folder, and with no bus at all. Then, for each size, every target with its figure:
// the start, and what the user does on the overview with the update that
// follows it. Times are the median of a few runs, in milliseconds.
//
// `--bills N` measures one size only; `--updates-only` leaves out the
// starts, for comparing changes to the update paths on a busy machine.
// `--seed-home DIR N` only prepares DIR as such a user's home with N bills,
// for profiling a start by hand (HOME=DIR ./Orvane).

#include <QApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QLoggingCategory>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <functional>
#include <optional>
#include <vector>

#include "BenchStore.h"
#include "platform/PropertyList.h"
#include "platform/UserDefaults.h"
#include "screens/BWOverviewController.h"
#include "widgets/BGHUDSearchField.h"
#include "shell/BWMenulet.h"
#include "store/BWBill.h"
#include "store/BWBillRecordKeys.h"
#include "store/BWRegisteredDefaults.h"
#include "store/BWBillsLoader.h"
#include "store/BWDefaultsKeys.h"
#include "store/BWPayment.h"
#include "store/BWPaymentLogger.h"

namespace {

constexpr int kTags = 12;

double medianMs(int runs, const std::function<void()>& work)
{
    std::vector<double> times;
    for (int run = 0; run < runs; ++run) {
        QElapsedTimer timer;
        timer.start();
        work();
        times.push_back(timer.nsecsElapsed() / 1e6);
    }
    std::sort(times.begin(), times.end());
    return times.at(times.size() / 2);
}

// The time to the first paint and the peak memory of one start.
struct StartFigures
{
    double ms = -1;
    double peakMb = -1;
};

struct Figures
{
    double listing = 0, bareParse = 0, overview = 0, billWrite = 0;
    double payment = 0, itemSaved = 0, archived = 0, deleted = 0, listMode = 0, tagSwitch = 0, searchKey = 0;
    StartFigures desktop, desktopSync, noBus;
};

// What the user does on the overview, each with the update that follows it,
// timed up to the moment the window has handled it.
void measureInProcess(int bills, Figures& figures)
{
    BenchStore store;
    store.defaults.registerDefaults(BWRegisteredDefaults::table(store.clock));
    store.defaults.setBool(BWDefaultsKeys::BWEnableMenu, true);
    const QStringList ids = seedDataFolder(store.env.defaultDataFolder, bills, kTags);
    const int runs = bills >= 5000 ? 3 : 5;
    const QString folder = store.env.defaultDataFolder;

    // The earlier start: the suite holds the export of a first load.
    BWBillsLoader(store.env).loadBills();

    figures.bareParse = medianMs(runs, [&] {
        for (const QString& id : ids)
            PropertyList::read(folder + "/" + id + ".plist");
    });
    figures.listing = medianMs(runs, [&] { BWBillsLoader(store.env).loadBillsInGroup(IndexKeys::ActiveBills, QString()); });

    BWOverviewController overview(store.env);
    BWMenulet tray(store.env);
    tray.createMenu();
    QObject::connect(&overview, &BWOverviewController::menuBillsChanged, &tray, &BWMenulet::updateMenuWithDataSource);
    overview.list()->resize(900, 700);
    overview.list()->show();
    overview.loadOverview();
    QApplication::processEvents();
    const auto handled = [](const std::function<void()>& work) {
        return [work] {
            work();
            QApplication::processEvents();
        };
    };
    figures.overview = medianMs(runs, handled([&] { overview.loadOverview(); }));

    int paid = 0;
    figures.payment = medianMs(runs, handled([&] {
        const QVariantMap bill = overview.dataSource().value(paid++ % 10).toMap();
        BWPayment payment;
        payment.amount = 42.5;
        payment.date = store.clock.now();
        payment.note = QStringLiteral("bench");
        BWPaymentLogger(store.env).recordPayment(payment, bill, true);
        overview.reloadItems({bill.value(BillKeys::Bid).toString()});
    }));

    int saved = 0;
    figures.itemSaved = medianMs(runs, handled([&] {
        const QString billID = ids.value(bills / 2 + saved);
        QVariantMap stored = PropertyList::read(folder + "/" + billID + ".plist").value.toMap();
        stored.insert(BillKeys::Name, QStringLiteral("Renamed %1").arg(saved++));
        BWBill(store.env).finishWritingBillWithDictionary(stored, true, false);
        overview.reloadItems({billID});
    }));

    figures.archived = medianMs(runs, handled([&] {
        overview.billTable()->selectRow(0);
        overview.archiveBillFromOverview(BWOverviewController::ArchiveCase);
    }));

    int deleted = 0;
    figures.deleted = medianMs(runs, handled([&] {
        const QString billID = ids.value(bills / 3 + deleted++);
        BWBill(store.env).deleteBillWithBid(billID);
        overview.reloadItems({billID});
    }));

    int mode = 0;
    figures.listMode = medianMs(runs, handled([&] {
        overview.showListMode(mode++ % 2 ? BWOverviewController::AllActiveItems : BWOverviewController::DueThisMonth);
    }));
    int tag = 0;
    figures.tagSwitch = medianMs(runs, handled([&] { overview.showListMode(BWOverviewController::FirstTag + tag++ % kTags); }));
    overview.showAllBills();

    // Typing "Bill 12" into the search field, a key at a time.
    const QString typed = QStringLiteral("Bill 12");
    figures.searchKey = medianMs(runs, handled([&] {
                                     overview.header().searchField()->clear();
                                     for (const QChar key : typed) {
                                         QTest::keyClick(overview.header().searchField(), key.toLatin1());
                                         QApplication::processEvents();
                                     }
                                 }))
                        / double(typed.size());
    overview.header().searchField()->clear();

    const QVariantMap stored = PropertyList::read(folder + "/" + ids.value(bills / 2) + ".plist").value.toMap();
    figures.billWrite = medianMs(runs, [&] {
        BWBill(store.env).finishWritingBillWithDictionary(stored, true, false);
    });
}

// ---- Start under Xvfb -------------------------------------------------------

class VirtualScreen
{
public:
    VirtualScreen()
    {
        m_display = QStringLiteral(":%1").arg(300 + QCoreApplication::applicationPid() % 600);
        m_server.setProgram(QStringLiteral("Xvfb"));
        m_server.setArguments({m_display, "-screen", "0", "1280x1024x24", "-nolisten", "tcp"});
        m_server.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        m_server.start();
        m_server.waitForStarted();
        const QString socket = "/tmp/.X11-unix/X" + m_display.mid(1);
        for (int wait = 0; wait < 100 && !QFile::exists(socket); ++wait)
            QThread::msleep(50);
    }
    ~VirtualScreen()
    {
        m_server.terminate();
        m_server.waitForFinished(3000);
    }
    bool running() const { return m_server.state() == QProcess::Running; }
    QString display() const { return m_display; }

private:
    QString m_display;
    QProcess m_server;
};

// What a desktop session has on its private session bus: gnome-keyring's
// Secret Service, unlocked, and a notification daemon (dunst) on the screen.
// Everything goes with the bus.
class DesktopSession
{
public:
    explicit DesktopSession(const VirtualScreen& screen)
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("HOME", m_home.path());
        environment.insert("XDG_RUNTIME_DIR", m_home.path());
        environment.insert("DISPLAY", screen.display());
        m_bus.setProcessEnvironment(environment);
        m_bus.start("dbus-daemon", {"--session", "--nofork", "--print-address=1"});
        if (!m_bus.waitForStarted() || !m_bus.waitForReadyRead(10000))
            return;
        m_address = QString::fromUtf8(m_bus.readLine()).trimmed();
        environment.insert("DBUS_SESSION_BUS_ADDRESS", m_address);
        m_keyring.setProcessEnvironment(environment);
        m_keyring.start("gnome-keyring-daemon", {"--foreground", "--unlock", "--components=secrets"});
        m_keyring.waitForStarted();
        // The login keyring's password, then the end of input. The pipe only
        // closes once the password is out, and this waits with no event loop.
        m_keyring.write("desktop");
        m_keyring.waitForBytesWritten();
        m_keyring.closeWriteChannel();
        m_notifications.setProcessEnvironment(environment);
        m_notifications.start("dunst", {});
        m_notifications.waitForStarted();
        QDBusConnection bus = QDBusConnection::connectToBus(m_address, QStringLiteral("bench-desktop"));
        for (int wait = 0; wait < 200 && !(registered(bus, "org.freedesktop.secrets")
                                           && registered(bus, "org.freedesktop.Notifications"));
             ++wait)
            QThread::msleep(50);
        m_ready = registered(bus, "org.freedesktop.secrets") && registered(bus, "org.freedesktop.Notifications");
        QDBusConnection::disconnectFromBus(QStringLiteral("bench-desktop"));
    }
    ~DesktopSession()
    {
        for (QProcess* process : {&m_notifications, &m_keyring, &m_bus}) {
            process->terminate();
            if (!process->waitForFinished(3000))
                process->kill();
        }
    }
    bool ready() const { return m_ready; }
    QString address() const { return m_address; }

private:
    static bool registered(QDBusConnection& bus, const char* name)
    {
        return bus.isConnected() && bus.interface()->isServiceRegistered(QString::fromLatin1(name));
    }

    QTemporaryDir m_home;
    QProcess m_bus, m_keyring, m_notifications;
    QString m_address;
    bool m_ready = false;
};

double peakMegabytes(qint64 pid)
{
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toDouble() / 1024.0;
    }
    return -1;
}

// The program logs, with the time since boot in front, when its main
// window's first pixels are out; the bench reads its log for that line.
const QByteArray FirstPaintLine = "Main window painted";

std::optional<double> firstPaintSecondsSinceBoot(QProcess& program, QByteArray& pending)
{
    pending += program.readAllStandardError();
    qsizetype lineEnd;
    while ((lineEnd = pending.indexOf('\n')) >= 0) {
        const QByteArray line = pending.left(lineEnd);
        pending.remove(0, lineEnd + 1);
        if (line.contains(FirstPaintLine))
            return line.trimmed().split(' ').value(0).toDouble();
    }
    return std::nullopt;
}

// Starts the program on its own home folder (on `busAddress`, or with no
// bus at all) and waits for its first paint; the peak memory is taken once
// start-up has settled.
// The number of files under `folder`, at any depth.
int filesUnder(const QString& folder)
{
    int count = 0;
    for (QDirIterator files(folder, QDir::Files, QDirIterator::Subdirectories); files.hasNext(); files.next())
        ++count;
    return count;
}

// With `sharedFolder`, the program runs on until it has written there and
// its files have stayed as many for three seconds.
StartFigures startOnce(const VirtualScreen& screen, const QString& home, const QString& busAddress,
                       const QString& sharedFolder = QString())
{
    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("HOME", home);
    environment.remove("XDG_CONFIG_HOME");
    environment.remove("XDG_DATA_HOME");
    environment.insert("XDG_RUNTIME_DIR", home + "/run");
    environment.insert("DISPLAY", screen.display());
    environment.insert("QT_QPA_PLATFORM", "xcb");
    environment.insert("QT_LOGGING_RULES", "orvane.info=true");
    environment.insert("QT_MESSAGE_PATTERN", "%{time boot} %{message}");
    environment.insert("DBUS_SESSION_BUS_ADDRESS",
                       busAddress.isEmpty() ? "unix:path=" + home + "/no-bus" : busAddress);
    program.setProcessEnvironment(environment);
    QElapsedTimer timer;
    timer.start();
    const qint64 startedMs = timer.msecsSinceReference();
    program.start(QCoreApplication::applicationDirPath() + "/../Orvane", {});
    StartFigures figures;
    if (!program.waitForStarted())
        return figures;
    QByteArray pending;
    while (timer.elapsed() < 120000 && program.state() == QProcess::Running) {
        program.waitForReadyRead(20);
        if (const std::optional<double> painted = firstPaintSecondsSinceBoot(program, pending)) {
            figures.ms = *painted * 1000.0 - double(startedMs);
            break;
        }
    }
    // Settled: what start-up left until after the first paint has run. The
    // log is read on, or the program would stop on a full pipe.
    QElapsedTimer settle;
    settle.start();
    int shared = 0;
    QElapsedTimer unchanged;
    unchanged.start();
    while (program.state() == QProcess::Running
           && (settle.elapsed() < 1500
               || (!sharedFolder.isEmpty() && (shared == 0 || unchanged.elapsed() < 3000) && settle.elapsed() < 600000))) {
        program.waitForReadyRead(50);
        program.readAllStandardError();
        if (const int now = sharedFolder.isEmpty() ? 0 : filesUnder(sharedFolder); now != shared) {
            shared = now;
            unchanged.restart();
        }
    }
    figures.peakMb = peakMegabytes(program.processId());
    program.terminate();
    if (!program.waitForFinished(5000)) {
        program.kill();
        program.waitForFinished();
    }
    return figures;
}

// A returning user finished the welcome sheet at the first start; without
// this every measured start would show it and load the overview twice.
void dismissWelcomeSheet(const QString& home)
{
    UserDefaults standard(UserDefaults::standardPath(home + "/.config/Orvane"));
    standard.setBool(BWDefaultsKeys::BW_IsFirstLaunchV8_NEW, false);
    standard.synchronize();
}

// Sync on, through a shared folder of the home: the next start writes this
// computer's copies of the bills there, as it did when the user turned sync on.
QString turnSyncOn(const QString& home)
{
    const QString shared = home + "/Shared";
    QDir().mkpath(shared);
    UserDefaults standard(UserDefaults::standardPath(home + "/.config/Orvane"));
    standard.setObject(BWDefaultsKeys::BWSharedSyncFolder, shared);
    standard.setBool(BWDefaultsKeys::iCloudSyncEnabled2, true);
    standard.synchronize();
    return shared;
}

// A returning user's home with `bills` bills: data, settings and suite from
// an earlier start, the welcome sheet finished; with `sync`, the bills also
// in the shared folder from a start with sync on.
void seedHome(const VirtualScreen& screen, const QString& home, int bills, const QString& busAddress,
              bool sync = false)
{
    QDir().mkpath(home + "/run");
    QFile::setPermissions(home + "/run", QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    seedDataFolder(home + "/.local/share/Orvane/Orvane.ovdata", bills, kTags);
    startOnce(screen, home, busAddress);
    dismissWelcomeSheet(home);
    if (sync)
        startOnce(screen, home, busAddress, turnSyncOn(home));
}

// The median start of five and the highest peak among them.
StartFigures measureStart(const VirtualScreen& screen, int bills, const QString& busAddress, bool sync = false)
{
    QTemporaryDir home;
    seedHome(screen, home.path(), bills, busAddress, sync);
    std::vector<StartFigures> runs;
    for (int run = 0; run < 5; ++run)
        runs.push_back(startOnce(screen, home.path(), busAddress));
    std::sort(runs.begin(), runs.end(), [](const StartFigures& a, const StartFigures& b) { return a.ms < b.ms; });
    StartFigures median = runs.at(runs.size() / 2);
    median.peakMb = std::max_element(runs.begin(), runs.end(), [](const StartFigures& a, const StartFigures& b) {
                        return a.peakMb < b.peakMb;
                    })->peakMb;
    return median;
}

// One target: its figure, its limit and whether the figure meets it.
void printTarget(const char* what, double figure, double limit, const char* unit)
{
    std::printf("  %-44s %9.1f %-3s (< %5.0f) %s\n", what, figure, unit, limit,
                figure < 0 ? "not measured" : figure < limit ? "met" : "MISSED");
}

void printTargets(int bills, const Figures& figures)
{
    const bool large = bills > 1000;
    std::printf("targets at %d bills:\n", bills);
    printTarget("first paint, desktop session", figures.desktop.ms, large ? 800 : 400, "ms");
    printTarget("peak memory, desktop session", figures.desktop.peakMb, large ? 300 : 110, "MB");
    printTarget("first paint, desktop session, sync on", figures.desktopSync.ms, large ? 800 : 400, "ms");
    printTarget("peak memory, desktop session, sync on", figures.desktopSync.peakMb, large ? 300 : 110, "MB");
    printTarget("a payment logged (row, side bar, tray)", figures.payment, 50, "ms");
    printTarget("an item saved from the editor", figures.itemSaved, 100, "ms");
    printTarget("an item archived", figures.archived, 100, "ms");
    printTarget("an item deleted", figures.deleted, 100, "ms");
    printTarget("list mode switched", figures.listMode, 150, "ms");
    printTarget("tag switched", figures.tagSwitch, 150, "ms");
    printTarget("search, a key typed", figures.searchKey, 30, "ms");
}

}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QLoggingCategory::setFilterRules(QStringLiteral("orvane.info=false"));
    std::signal(SIGPIPE, SIG_IGN);

    const QStringList arguments = app.arguments();
    const qsizetype seedArgument = arguments.indexOf(QStringLiteral("--seed-home"));
    if (seedArgument > 0) {
        seedHome(VirtualScreen(), arguments.value(seedArgument + 1), arguments.value(seedArgument + 2).toInt(),
                 QString());
        return 0;
    }
    const bool updatesOnly = arguments.contains(QStringLiteral("--updates-only"));
    const qsizetype billsArgument = arguments.indexOf(QStringLiteral("--bills"));
    const std::vector<int> sizes = billsArgument > 0 ? std::vector<int>{arguments.value(billsArgument + 1).toInt()}
                                                     : std::vector<int>{0, 1000, 5000};

    std::optional<VirtualScreen> screen;
    if (!updatesOnly)
        screen.emplace();
    if (screen && !screen->running())
        std::printf("No Xvfb: the start figures are left out\n");
    std::optional<DesktopSession> desktop;
    if (screen && screen->running())
        desktop.emplace(*screen);
    if (desktop && !desktop->ready())
        std::printf("No desktop session (dbus-daemon, gnome-keyring, dunst): its start figures are left out\n");

    std::printf("Times in ms (medians), memory in MB (VmHWM); first paint: the main window's first pixels.\n");
    std::printf("%6s %9s %10s %9s %11s %9s %11s %9s %11s %9s %10s\n", "bills", "listing", "bare-parse", "overview",
                "paint-desk", "peak-desk", "paint-sync", "peak-sync", "paint-nobus", "peak-nobus", "bill-write");
    std::vector<std::pair<int, Figures>> all;
    for (int bills : sizes) {
        Figures figures;
        // With no bills there is nothing to update: only the starts are measured.
        if (bills > 0)
            measureInProcess(bills, figures);
        if (desktop && desktop->ready()) {
            figures.desktop = measureStart(*screen, bills, desktop->address());
            figures.desktopSync = measureStart(*screen, bills, desktop->address(), true);
        }
        if (screen && screen->running())
            figures.noBus = measureStart(*screen, bills, QString());
        std::printf("%6d %9.1f %10.1f %9.1f %11.1f %9.1f %11.1f %9.1f %11.1f %9.1f %10.2f\n", bills, figures.listing,
                    figures.bareParse, figures.overview, figures.desktop.ms, figures.desktop.peakMb,
                    figures.desktopSync.ms, figures.desktopSync.peakMb, figures.noBus.ms, figures.noBus.peakMb,
                    figures.billWrite);
        std::fflush(stdout);
        all.emplace_back(bills, figures);
    }
    for (const auto& [bills, figures] : all) {
        if (bills > 0)
            printTargets(bills, figures);
    }
    return 0;
}
