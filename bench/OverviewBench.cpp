// Reloading the overview against loading the same data folder alone.
//
// Both work on 1,000 bills of 60 payments each in a temporary data folder.
// The difference is what the overview adds to a load: sorting, the tag list,
// the table's model and the bottom bar. The ratio of the two is printed last.

#include <benchmark/benchmark.h>

#include <QApplication>

#include "BenchStore.h"
#include "RatioReporter.h"
#include "screens/BWOverviewController.h"
#include "store/BWBillsLoader.h"

namespace {

// The bills spread over a dozen tags, so the tag list has work to do.
constexpr int kTags = 12;

BenchStore& store()
{
    static SeededBenchStore shared(kTags);
    return shared;
}

void BM_LoaderAlone(benchmark::State& state)
{
    const BWStoreEnvironment& env = store().env;
    for (auto _ : state)
        benchmark::DoNotOptimize(BWBillsLoader(env).loadBillsInGroup(IndexKeys::ActiveBills, QString()));
}

// The overview as the application runs it: shown, reloaded.
void BM_OverviewReload(benchmark::State& state)
{
    const BWStoreEnvironment& env = store().env;
    BWOverviewController overview(env);
    overview.list()->resize(900, 700);
    overview.list()->show();
    for (auto _ : state) {
        overview.loadOverview();
        QApplication::processEvents();
    }
    if (overview.dataSource().size() != kBills)
        state.SkipWithError("the overview did not list every bill");
}

}  // namespace

BENCHMARK(BM_LoaderAlone)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_OverviewReload)->Unit(benchmark::kMillisecond)->Iterations(5);

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    return runBenchmarksWithRatios(
        argc, argv, {{"Overview reload / loader alone", "BM_OverviewReload/iterations:5", "BM_LoaderAlone/iterations:5"}});
}
