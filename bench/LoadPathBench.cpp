// The load path as a returning user meets it, at 100, 1,000 and 5,000 bills
// of 60 payments each: settings and the app-group suite are there from an
// earlier start.
//
// One run prints, per size: a full listing against the bare read-and-parse
// of the same files, an overview reload against the loader alone, the time
// from starting the program to its first window on a virtual X server with
// the peak memory of that start, a payment logged with the reload that
// follows it, and one full write of a bill. Times are the median of a few
// runs, in milliseconds.

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLoggingCategory>
#include <QProcess>
#include <QTemporaryDir>
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

// Bill files, index and tag list written straight into `dataFolder`, as an
// earlier run of the writer leaves them. Returns the ids in index order.
QStringList seedDataFolder(const QString& dataFolder, int bills)
{
    QDir().mkpath(dataFolder);
    QStringList ids;
    QVariantList tags;
    for (int number = 0; number < bills; ++number) {
        const QVariantMap record = benchRecord(number, kTags);
        ids.append(record.value(BillKeys::Bid).toString());
        PropertyList::write(QDir(dataFolder).filePath(ids.last() + ".plist"), record);
    }
    for (int tag = 0; tag < kTags; ++tag)
        tags.append(QStringLiteral("Tag %1").arg(tag));
    PropertyList::write(QDir(dataFolder).filePath("billindex.plist"),
                        QVariantMap{{IndexKeys::ActiveBills, QVariant(ids).toList()},
                                    {IndexKeys::DeletedBills, QVariantList()},
                                    {IndexKeys::ArchivedBills, QVariantList()}});
    PropertyList::write(QDir(dataFolder).filePath("tagindex.plist"), tags);
    return ids;
}

struct Figures
{
    double listing = 0, bareParse = 0, loader = 0, overview = 0;
    double start = -1, peakMb = -1, paymentAndReload = 0, billWrite = 0;
};

void measureInProcess(int bills, Figures& figures)
{
    BenchStore store;
    store.defaults.registerDefaults(BWRegisteredDefaults::table(store.clock));
    const QStringList ids = seedDataFolder(store.env.defaultDataFolder, bills);
    const int runs = bills >= 5000 ? 3 : 5;
    const QString folder = store.env.defaultDataFolder;

    // The earlier start: the suite holds the export of a first load.
    BWBillsLoader(store.env).loadBills();

    figures.bareParse = medianMs(runs, [&] {
        for (const QString& id : ids)
            PropertyList::read(folder + "/" + id + ".plist");
    });
    figures.listing = medianMs(runs, [&] { BWBillsLoader(store.env).loadBillsInGroup(IndexKeys::ActiveBills, QString()); });
    figures.loader = figures.listing;

    BWOverviewController overview(store.env);
    overview.list()->resize(900, 700);
    overview.list()->show();
    overview.loadOverview();
    QApplication::processEvents();
    figures.overview = medianMs(runs, [&] {
        overview.loadOverview();
        QApplication::processEvents();
    });

    int paid = 0;
    figures.paymentAndReload = medianMs(runs, [&] {
        const QVariantMap bill = overview.dataSource().value(paid++ % 10).toMap();
        BWPayment payment;
        payment.amount = 42.5;
        payment.date = store.clock.now();
        payment.note = QStringLiteral("bench");
        BWPaymentLogger(store.env).recordPayment(payment, bill, true);
        overview.loadOverview();
        QApplication::processEvents();
    });

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

bool windowShown(const QString& display, qint64 pid)
{
    QProcess search;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("DISPLAY", display);
    search.setProcessEnvironment(environment);
    search.start("xdotool", {"search", "--onlyvisible", "--pid", QString::number(pid)});
    search.waitForFinished(2000);
    return !search.readAllStandardOutput().trimmed().isEmpty();
}

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

struct StartFigures
{
    double ms = -1;
    double peakMb = -1;
};

// Starts the program on its own home folder and waits for its first window;
// the peak memory is taken once start-up has settled.
StartFigures startOnce(const VirtualScreen& screen, const QString& home)
{
    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("HOME", home);
    environment.remove("XDG_CONFIG_HOME");
    environment.remove("XDG_DATA_HOME");
    environment.insert("XDG_RUNTIME_DIR", home + "/run");
    environment.insert("DISPLAY", screen.display());
    environment.insert("QT_QPA_PLATFORM", "xcb");
    environment.insert("QT_LOGGING_RULES", "orvane.info=false");
    environment.insert("DBUS_SESSION_BUS_ADDRESS", "unix:path=" + home + "/no-bus");
    program.setProcessEnvironment(environment);
    program.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    QElapsedTimer timer;
    timer.start();
    program.start(QCoreApplication::applicationDirPath() + "/../Orvane", {});
    StartFigures figures;
    if (!program.waitForStarted())
        return figures;
    while (timer.elapsed() < 120000 && program.state() == QProcess::Running) {
        if (windowShown(screen.display(), program.processId())) {
            figures.ms = timer.nsecsElapsed() / 1e6;
            break;
        }
        QThread::msleep(10);
    }
    QThread::msleep(1500);
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

void measureStart(const VirtualScreen& screen, int bills, Figures& figures)
{
    QTemporaryDir home;
    QDir().mkpath(home.filePath("run"));
    QFile::setPermissions(home.filePath("run"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    seedDataFolder(home.filePath(".local/share/Orvane/Orvane.ovdata"), bills);
    startOnce(screen, home.path());  // the earlier start: settings and suite
    dismissWelcomeSheet(home.path());
    std::vector<StartFigures> runs;
    for (int run = 0; run < 3; ++run)
        runs.push_back(startOnce(screen, home.path()));
    std::sort(runs.begin(), runs.end(), [](const StartFigures& a, const StartFigures& b) { return a.ms < b.ms; });
    figures.start = runs.at(1).ms;
    figures.peakMb = std::max_element(runs.begin(), runs.end(), [](const StartFigures& a, const StartFigures& b) {
                         return a.peakMb < b.peakMb;
                     })->peakMb;
}

}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QLoggingCategory::setFilterRules(QStringLiteral("orvane.info=false"));
    std::signal(SIGPIPE, SIG_IGN);

    VirtualScreen screen;
    if (!screen.running())
        std::printf("No Xvfb: the start figures are left out\n");

    std::printf("%6s %10s %10s %6s %10s %10s %6s %9s %8s %12s %10s\n", "bills", "listing", "bare-parse", "ratio",
                "loader", "overview", "ratio", "start", "peak-MB", "pay+reload", "bill-write");
    for (int bills : {100, 1000, 5000}) {
        Figures figures;
        measureInProcess(bills, figures);
        if (screen.running())
            measureStart(screen, bills, figures);
        std::printf("%6d %10.1f %10.1f %6.2f %10.1f %10.1f %6.2f %9.1f %8.1f %12.1f %10.2f\n", bills,
                    figures.listing, figures.bareParse, figures.listing / figures.bareParse, figures.loader,
                    figures.overview, figures.overview / figures.loader, figures.start, figures.peakMb,
                    figures.paymentAndReload, figures.billWrite);
        std::fflush(stdout);
    }
    return 0;
}
