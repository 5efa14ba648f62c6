// Opening the forecast and the report windows against the plain load.
//
// All work on 1,000 bills of 60 payments each in a temporary data folder.
// Opening a window reads the data folder itself, builds its rows, table and
// figures (the report also its pie chart); the plain load reads the active
// and the archived bills as both windows do. The ratios are printed last.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QLoggingCategory>

#include "BenchStore.h"
#include "RatioReporter.h"
#include "screens/BWForecastViewController.h"
#include "screens/BWReportController.h"
#include "store/BWBillsLoader.h"

namespace {

constexpr int kTags = 12;

BenchStore& store()
{
    static SeededBenchStore shared(kTags);
    return shared;
}

void BM_PlainLoad(benchmark::State& state)
{
    const BWBillsLoader loader(store().env);
    for (auto _ : state) {
        QVariantList bills = loader.loadBills().value_or(QVariantList());
        bills += loader.loadBillsInGroup(IndexKeys::ArchivedBills, QString()).value_or(QVariantList());
        benchmark::DoNotOptimize(bills);
    }
}

void BM_OpenForecast(benchmark::State& state)
{
    BWForecastViewController forecast(store().env);
    for (auto _ : state) {
        forecast.setupForecastView();
        QApplication::processEvents();
    }
}

void BM_OpenReport(benchmark::State& state)
{
    BWReportController report(store().env);
    for (auto _ : state) {
        report.setupReportView();
        QApplication::processEvents();
    }
    if (report.calculatedBillsToDisplay().isEmpty())
        state.SkipWithError("the report listed no bill");
}

}  // namespace

BENCHMARK(BM_PlainLoad)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_OpenForecast)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_OpenReport)->Unit(benchmark::kMillisecond)->Iterations(5);

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QLoggingCategory::setFilterRules(QStringLiteral("orvane.info=false"));
    return runBenchmarksWithRatios(
        argc, argv,
        {{"Open forecast / plain load", "BM_OpenForecast/iterations:5", "BM_PlainLoad/iterations:5"},
         {"Open report / plain load", "BM_OpenReport/iterations:5", "BM_PlainLoad/iterations:5"}});
}
