// Writing and reading bill files, and loading a whole data folder.
//
// Each benchmark works on 1,000 bills of 60 payments each in a temporary data
// folder; items_per_second counts bills, so its inverse is the time per bill.

#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QDir>
#include <QLoggingCategory>
#include <QTemporaryDir>

#include "platform/BWUIDMaker.h"
#include "platform/Clock.h"
#include "platform/PropertyList.h"
#include "platform/UserDefaults.h"
#include "store/BWBill.h"
#include "store/BWBillRecordKeys.h"
#include "store/BWBillsLoader.h"
#include "store/BWStoreEnvironment.h"

namespace {

constexpr int kBills = 1000;
constexpr int kPaymentsPerBill = 60;

// A data folder with its own defaults and a fixed clock.
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
        env.defaults = &defaults;
        env.appGroup = &appGroup;
        env.clock = &clock;
        env.defaultDataFolder = root.filePath("Orvane.ovdata");
        env.supportFolder = root.path();
        env.dropboxFolder = root.filePath("Dropbox");
        QDir().mkpath(env.defaultDataFolder);
    }
};

QVariantMap makeRecord(int number)
{
    QVariantList payments;
    const QDateTime first(QDate(2021, 7, 1), QTime(12, 0), Qt::UTC);
    for (int p = 0; p < kPaymentsPerBill; ++p) {
        payments.append(QVariantMap{
            {PaymentKeys::Amount, 100.25 + p},
            {PaymentKeys::Date, first.addMonths(p)},
            {PaymentKeys::Note, QStringLiteral("Payment %1").arg(p)},
            {PaymentKeys::Receipt, QString()},
        });
    }
    return QVariantMap{
        {BillKeys::Name, QStringLiteral("Bill %1").arg(number)},
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
        {BillKeys::Tags, QVariantList{QStringLiteral("Home")}},
        {BillKeys::Amount, 129.75},
        {BillKeys::PayType, qlonglong(number % 4)},
        {BillKeys::Rev, 0.0},
        {BillKeys::AmountVaries, qlonglong(0)},
        {BillKeys::IsArchived, false},
        {BillKeys::IsIncome, false},
    };
}

// Writes every bill through the writer's full write (file, index, tags).
QStringList seed(BenchStore& store)
{
    QStringList ids;
    for (int i = 0; i < kBills; ++i) {
        const QVariantMap record = makeRecord(i);
        BWBill(store.env).finishWritingBillWithDictionary(record, false, false);
        ids.append(record.value(BillKeys::Bid).toString());
    }
    return ids;
}

void BM_WriteBills(benchmark::State& state)
{
    for (auto _ : state) {
        BenchStore store;
        seed(store);
    }
    state.SetItemsProcessed(state.iterations() * kBills);
}

void BM_ReadBillFiles(benchmark::State& state)
{
    BenchStore store;
    const QStringList ids = seed(store);
    const QString folder = BWBillsLoader(store.env).orvaneDirectory();
    for (auto _ : state) {
        for (const QString& id : ids)
            benchmark::DoNotOptimize(PropertyList::read(folder + "/" + id + ".plist"));
    }
    state.SetItemsProcessed(state.iterations() * kBills);
}

void BM_LoadDataFolder(benchmark::State& state)
{
    BenchStore store;
    seed(store);
    for (auto _ : state)
        benchmark::DoNotOptimize(BWBillsLoader(store.env).loadBillsInGroup(IndexKeys::ActiveBills, QString()));
    state.SetItemsProcessed(state.iterations() * kBills);
}

}  // namespace

BENCHMARK(BM_WriteBills)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_ReadBillFiles)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_LoadDataFolder)->Unit(benchmark::kMillisecond)->Iterations(3);

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QLoggingCategory::setFilterRules(QStringLiteral("orvane.info=false"));
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
