// Writing and reading bill files, and loading a whole data folder.
//
// Each benchmark works on 1,000 bills of 60 payments each in a temporary data
// folder; items_per_second counts bills, so its inverse is the time per bill.

#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QLoggingCategory>

#include "BenchStore.h"
#include "platform/PropertyList.h"
#include "store/BWBillsLoader.h"

namespace {

// Every bill under the one tag.
constexpr int kTags = 1;

void BM_WriteBills(benchmark::State& state)
{
    for (auto _ : state) {
        BenchStore store;
        seedBills(store, kTags);
    }
    state.SetItemsProcessed(state.iterations() * kBills);
}

void BM_ReadBillFiles(benchmark::State& state)
{
    BenchStore store;
    const QStringList ids = seedBills(store, kTags);
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
    seedBills(store, kTags);
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
