// Three computers make random new bills, edits, payments, reversals and
// deletes over each back-end while it misbehaves, one seed per case; once
// the faults stop and every computer caught up, all hold the same bills, no
// payment reported as saved is missing unless a computer that had seen it
// reversed it, and no deletion came undone.
#include <gtest/gtest.h>

#include <iostream>

#include "support/SyncSoak.h"

namespace {

// Operations per seed: enough for every kind of edit to meet every fault,
// few enough that all seeds of all back-ends run in well under a minute. An
// operation over the shared folder writes several files and costs the most.
int operationsPerSeed(SyncSoak::BackendKind backend)
{
    return backend == SyncSoak::BackendKind::SharedFolder ? 16 : 24;
}
constexpr quint32 Seeds = 20;

using Case = std::tuple<SyncSoak::BackendKind, quint32>;

class SyncSoakTest : public ::testing::TestWithParam<Case>
{
};

std::string caseName(const ::testing::TestParamInfo<Case>& info)
{
    static const char* const names[] = {"MemoryServer", "SharedFolder", "Firebase"};
    return std::string(names[int(std::get<0>(info.param))]) + "Seed" + std::to_string(std::get<1>(info.param));
}

}  // namespace

TEST_P(SyncSoakTest, AllComputersEndWithTheSameBillsAndEveryPaymentKept)
{
    SyncSoak::Config config;
    config.backend = std::get<0>(GetParam());
    config.seed = std::get<1>(GetParam());
    config.edits = operationsPerSeed(config.backend);
    // A run that cannot settle fails with what differs, well before ctest's time-out.
    config.maxPasses = 6;
    // Each seed's conflict copies are named the way one of the services names them.
    config.service = SimulatedFileSync::Service(config.seed % 3);

    const SyncSoak::Result result = SyncSoak::run(config);
    std::cout << SyncSoak::nameOf(config.backend) << ", seed " << config.seed << ": " << result.payments
              << " payments, " << result.deletes << " deletes; edits " << result.editMs << " ms, convergence "
              << result.convergeMs << " ms in " << result.passes << " rounds; " << result.traffic.toStdString()
              << std::endl;

    EXPECT_TRUE(result.converged) << result.firstDifference.toStdString();
    EXPECT_EQ(result.lostPayments, 0) << result.lost.join(QLatin1Char('\n')).toStdString();
    EXPECT_EQ(result.undoneDeletes, 0) << result.lost.join(QLatin1Char('\n')).toStdString();
    EXPECT_GT(result.payments + result.changes + result.deletes, 0);
}

INSTANTIATE_TEST_SUITE_P(Backends, SyncSoakTest,
                         ::testing::Combine(::testing::Values(SyncSoak::BackendKind::MemoryServer,
                                                              SyncSoak::BackendKind::SharedFolder,
                                                              SyncSoak::BackendKind::Firebase),
                                            ::testing::Range(quint32(1), Seeds + 1)),
                         caseName);
