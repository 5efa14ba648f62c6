#pragma once

// A console reporter that also keeps each benchmark's mean real time per
// iteration, so that a program can print how two benchmarks compare.

#include <benchmark/benchmark.h>

#include <cstdio>
#include <initializer_list>
#include <map>
#include <string>

class RatioReporter : public benchmark::ConsoleReporter
{
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        for (const Run& run : runs)
            m_times[run.benchmark_name()] = run.GetAdjustedRealTime();
        ConsoleReporter::ReportRuns(runs);
    }
    // Nanoseconds per iteration; 0 for a benchmark that did not run.
    double time(const std::string& name) const
    {
        const auto found = m_times.find(name);
        return found == m_times.end() ? 0.0 : found->second;
    }

    // Prints "label: ratio" of the two benchmarks' times, when both ran.
    void printRatio(const char* label, const std::string& numerator, const std::string& denominator) const
    {
        const double top = time(numerator);
        const double bottom = time(denominator);
        if (top > 0.0 && bottom > 0.0)
            std::printf("%s: %.2f\n", label, top / bottom);
    }

private:
    std::map<std::string, double> m_times;
};

// Two benchmarks whose times are compared after the run, as "label: ratio".
struct BenchRatio
{
    const char* label;
    std::string numerator;
    std::string denominator;
};

// Runs the program's benchmarks and then prints each of `ratios`.
inline int runBenchmarksWithRatios(int argc, char** argv, std::initializer_list<BenchRatio> ratios)
{
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    for (const BenchRatio& ratio : ratios)
        reporter.printRatio(ratio.label, ratio.numerator, ratio.denominator);
    benchmark::Shutdown();
    return 0;
}
