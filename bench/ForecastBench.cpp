// A month of the forecast against loading the same data folder.
//
// Both work on 1,000 bills of 60 payments each in a temporary data folder.
// Every third bill's amount varies (so the forecast estimates it from its
// payments), every fourth is a utility (estimated from the same months of
// earlier years), every fifth falls due every three months (so a share is
// put aside) and every seventh weekly (so it falls due again within the
// month). The forecast of one month works on the loaded list as the
// forecast window does; the ratio of the two times is printed last.

#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QLoggingCategory>

#include "BenchStore.h"
#include "RatioReporter.h"
#include "store/BWBillsLoader.h"
#include "store/BWForecastViewCalculations.h"

namespace {

constexpr int kTags = 1;
// The month shown: the current one, in which about half the bills fall due.
constexpr int kMonthIndex = 0;

void varyForForecast(QVariantMap& record, int number)
{
    if (number % 3 == 0) {
        record.insert(BillKeys::Amount, 0.0);
        record.insert(BillKeys::AmountVaries, qlonglong(1));
    }
    if (number % 4 == 0)
        record.insert(BillKeys::Icon, QStringLiteral("GScale_Power"));
    if (number % 5 == 0)
        record.insert(BillKeys::Repeat, QVariantList{qlonglong(3), qlonglong(2)});
    else if (number % 7 == 0)
        record.insert(BillKeys::Repeat, QVariantList{qlonglong(1), qlonglong(0)});
}

BenchStore& store()
{
    static SeededBenchStore shared(kTags, varyForForecast);
    return shared;
}

QVariantList loadAll(const BWStoreEnvironment& env)
{
    return BWBillsLoader(env).loadBillsInGroup(IndexKeys::ActiveBills, QString(), true).value_or(QVariantList());
}

// The rows of one month: the bills due in it, the shares of those due less
// often than monthly, and the further occurrences of those due more often;
// then the month's totals.
BWForecastViewCalculations::MonthTotals forecastMonth(const BWStoreEnvironment& env, const QVariantList& bills)
{
    const BWForecastViewCalculations calculations(env);
    QVariantList rows;
    for (const QVariant& entry : bills) {
        QVariantMap bill = entry.toMap();
        bill.insert(ForecastKeys::OriginalDueDate, bill.value(BillKeys::DueDate));
        const bool dueIn =
            calculations.isBillDueDateInCurrentMonthDropdown(bill.value(BillKeys::DueDate).toDateTime(), kMonthIndex);
        if (BWForecastViewCalculations::doesBillRepeatLessOftenThanOncePerMonth(bill)) {
            bill = calculations.billWithAmountToSaveAdded(bill, kMonthIndex, dueIn);
            bill.insert(ForecastKeys::IsFutureBill, dueIn ? 0 : 1);
            rows.append(bill);
        } else if (dueIn) {
            rows.append(bill);
        }
    }
    rows.append(calculations.getBillsThatRepeatAgainInCurrentMonthWithOriginalListOfBills(rows));
    return calculations.totalDueAndToSaveForData(rows, kMonthIndex);
}

void BM_LoadDataFolder(benchmark::State& state)
{
    const BWStoreEnvironment& env = store().env;
    for (auto _ : state)
        benchmark::DoNotOptimize(loadAll(env));
}

void BM_ForecastMonth(benchmark::State& state)
{
    const BWStoreEnvironment& env = store().env;
    const QVariantList bills = loadAll(env);
    if (bills.size() != kBills)
        state.SkipWithError("the load did not give every bill");
    for (auto _ : state)
        benchmark::DoNotOptimize(forecastMonth(env, bills));
}

}  // namespace

BENCHMARK(BM_LoadDataFolder)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_ForecastMonth)->Unit(benchmark::kMillisecond)->Iterations(5);

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QLoggingCategory::setFilterRules(QStringLiteral("orvane.info=false"));
    return runBenchmarksWithRatios(
        argc, argv, {{"Forecast month / load", "BM_ForecastMonth/iterations:5", "BM_LoadDataFolder/iterations:5"}});
}
