// Reloading the overview against loading the same data folder alone.
//
// Both work on 1,000 bills of 60 payments each in a temporary data folder.
// The difference is what the overview adds to a load: sorting, the tag list,
// the table's model and the bottom bar. The ratio of the two is printed last.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>

#include <map>
#include <string>

#include "platform/BWUIDMaker.h"
#include "platform/Clock.h"
#include "platform/PropertyList.h"
#include "platform/SoundPlayer.h"
#include "platform/UserDefaults.h"
#include "screens/BWLogPaymentController.h"
#include "screens/BWOverviewController.h"
#include "shell/BWRegisteredDefaults.h"
#include "store/BWBill.h"
#include "store/BWBillRecordKeys.h"
#include "store/BWBillsLoader.h"
#include "store/BWStoreEnvironment.h"

namespace {

constexpr int kBills = 1000;
constexpr int kPaymentsPerBill = 60;

// A data folder of 1,000 bills with the registered defaults and a fixed clock.
struct BenchStore
{
    QTemporaryDir root;
    Clock clock;
    UserDefaults defaults{root.filePath("defaults.plist")};
    UserDefaults appGroup{root.filePath("appgroup.plist")};
    BWStoreEnvironment env;

    BenchStore()
    {
        clock.setNow(QDateTime(QDate(2026, 6, 15), QTime(9, 0)));
        defaults.registerDefaults(BWRegisteredDefaults::table(clock));
        env.defaults = &defaults;
        env.appGroup = &appGroup;
        env.clock = &clock;
        env.defaultDataFolder = root.filePath("Orvane.ovdata");
        env.supportFolder = root.path();
        env.dropboxFolder = root.filePath("Dropbox");
        QDir().mkpath(env.defaultDataFolder);
        for (int number = 0; number < kBills; ++number)
            BWBill(env).finishWritingBillWithDictionary(record(number), false, false);
    }

    static QVariantMap record(int number)
    {
        QVariantList payments;
        const QDateTime first(QDate(2021, 7, 1), QTime(12, 0), Qt::UTC);
        for (int p = 0; p < kPaymentsPerBill; ++p) {
            payments.append(QVariantMap{{PaymentKeys::Amount, 100.25 + p},
                                        {PaymentKeys::Date, first.addMonths(p)},
                                        {PaymentKeys::Note, QStringLiteral("Payment %1").arg(p)},
                                        {PaymentKeys::Receipt, QString()}});
        }
        return {{BillKeys::Name, QStringLiteral("Bill %1").arg(number)},
                {BillKeys::Bid, BWUIDMaker::makeUID()},
                {BillKeys::Icon, QStringLiteral("GScale_Home")},
                {BillKeys::DueDate, QDateTime(QDate(2026, 6, 1).addDays(number % 60), QTime(12, 0), Qt::UTC)},
                {BillKeys::Repeat, QVariantList{1, 2}},
                {BillKeys::Average, 129.75},
                {BillKeys::LastPayment, first.addMonths(kPaymentsPerBill - 1)},
                {BillKeys::TotalPaid, 7785.0},
                {BillKeys::RemindMe, false},
                {BillKeys::PaySite, QStringLiteral("https://example.com/pay")},
                {BillKeys::PaymentList, payments},
                {BillKeys::ReminderDays, qlonglong(3)},
                {BillKeys::Balance, 0.0},
                {BillKeys::Interest, qlonglong(0)},
                {BillKeys::Notes, QString()},
                {BillKeys::Tags, QVariantList{QStringLiteral("Tag %1").arg(number % 12)}},
                {BillKeys::Amount, 129.75},
                {BillKeys::PayType, qlonglong(number % 4)},
                {BillKeys::Rev, 0.0},
                {BillKeys::AmountVaries, qlonglong(0)},
                {BillKeys::IsArchived, false},
                {BillKeys::IsIncome, false}};
    }
};

BenchStore& store()
{
    static BenchStore shared;
    return shared;
}

void BM_LoaderAlone(benchmark::State& state)
{
    const BWStoreEnvironment& env = store().env;
    for (auto _ : state)
        benchmark::DoNotOptimize(BWBillsLoader(env).loadBillsInGroup(IndexKeys::ActiveBills, QString()));
}

// The overview as the application runs it: shown, with the log-payment
// controller asked about due automatic bills at each load.
void BM_OverviewReload(benchmark::State& state)
{
    const BWStoreEnvironment& env = store().env;
    SoundPlayer sounds(QString{});
    BWLogPaymentController paymentLogger(env, sounds);
    BWOverviewController overview(env);
    overview.setPaymentLogger(&paymentLogger);
    overview.list()->resize(900, 700);
    overview.list()->show();
    for (auto _ : state) {
        overview.loadOverview();
        QApplication::processEvents();
    }
    if (overview.dataSource().size() != kBills)
        state.SkipWithError("the overview did not list every bill");
}

// Keeps each benchmark's mean real time per iteration, in nanoseconds.
class RatioReporter : public benchmark::ConsoleReporter
{
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        for (const Run& run : runs)
            m_times[run.benchmark_name()] = run.GetAdjustedRealTime();
        ConsoleReporter::ReportRuns(runs);
    }
    double time(const std::string& name) const
    {
        const auto found = m_times.find(name);
        return found == m_times.end() ? 0.0 : found->second;
    }

private:
    std::map<std::string, double> m_times;
};

}  // namespace

BENCHMARK(BM_LoaderAlone)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_OverviewReload)->Unit(benchmark::kMillisecond)->Iterations(5);

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    const double loader = reporter.time("BM_LoaderAlone/iterations:5");
    const double overview = reporter.time("BM_OverviewReload/iterations:5");
    if (loader > 0.0 && overview > 0.0)
        std::printf("Overview reload / loader alone: %.2f\n", overview / loader);
    benchmark::Shutdown();
    return 0;
}
