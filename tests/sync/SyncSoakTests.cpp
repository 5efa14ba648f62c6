// Three computers (one an hour ahead, one 40 minutes behind; in some seeds
// two of them started from one copied settings file) make random changes of
// every kind over each back-end while it misbehaves, one seed per case; once
// the faults stop and every computer caught up, every computer holds what
// the model of the sync rules says, every stamp follows the stamps its
// computer had seen, and the shared folder comes to rest.
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

TEST_P(SyncSoakTest, EveryComputerEndsAsTheModelSays)
{
    SyncSoak::Config config;
    config.backend = std::get<0>(GetParam());
    config.seed = std::get<1>(GetParam());
    config.edits = operationsPerSeed(config.backend);
    // A run that cannot settle fails with what differs, well before ctest's time-out.
    config.maxPasses = 6;
    // Each seed's conflict copies are named the way one of the services names them.
    config.service = SimulatedFileSync::Service(config.seed % 3);
    config.copiedSettings = config.seed % 4 == 0;

    const SyncSoak::Result result = SyncSoak::run(config);
    std::cout << SyncSoak::nameOf(config.backend) << ", seed " << config.seed << ": " << result.payments
              << " payments, " << result.deletes << " deletes, " << result.offlineBills << " bills made offline, "
              << result.billsChecked << " bills and "
              << result.paymentsChecked << " payments checked; edits " << result.editMs << " ms, convergence "
              << result.convergeMs << " ms in " << result.passes << " rounds; " << result.traffic.toStdString()
              << std::endl;

    const std::string problems = result.problems.mid(0, 10).join(QLatin1Char('\n')).toStdString();
    EXPECT_TRUE(result.distinctDeviceIDs);
    EXPECT_TRUE(result.converged) << result.firstDifference.toStdString();
    EXPECT_EQ(result.modelDifferences, 0) << problems;
    EXPECT_EQ(result.stampProblems, 0) << problems;
    EXPECT_EQ(result.filesDiffering, 0) << problems;
    EXPECT_EQ(result.listedWithoutFile, 0) << problems;
    EXPECT_EQ(result.silentVersionsLeft, 0);
    EXPECT_TRUE(result.folderAtRest);
    EXPECT_GT(result.payments + result.changes + result.deletes, 0);
}

INSTANTIATE_TEST_SUITE_P(Backends, SyncSoakTest,
                         ::testing::Combine(::testing::Values(SyncSoak::BackendKind::MemoryServer,
                                                              SyncSoak::BackendKind::SharedFolder,
                                                              SyncSoak::BackendKind::Firebase),
                                            ::testing::Range(quint32(1), Seeds + 1)),
                         caseName);
