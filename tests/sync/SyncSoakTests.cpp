// Three devices making random edits, payments, reversals and deletes over
// each back-end, for twenty seeds each, end with the same bills and every
// payment reported saved, unless a device that had it reversed it.
#include <gtest/gtest.h>

#include "support/SyncSoak.h"

namespace {

struct SoakCase
{
    SyncSoak::BackendKind backend;
    int edits;
};

class SyncSoakTest : public ::testing::TestWithParam<SoakCase>
{
};

}  // namespace

TEST_P(SyncSoakTest, EveryDeviceEndsEqualAndKeepsEverySavedPayment)
{
    const SimulatedFileSync::Service services[] = {SimulatedFileSync::Service::Syncthing,
                                                   SimulatedFileSync::Service::Nextcloud,
                                                   SimulatedFileSync::Service::Dropbox};
    for (quint32 seed = 1; seed <= 20; ++seed) {
        SyncSoak::Config config;
        config.backend = GetParam().backend;
        config.edits = GetParam().edits;
        config.seed = seed;
        config.service = services[seed % 3];
        const SyncSoak::Result result = SyncSoak::run(config);
        SCOPED_TRACE(testing::Message() << SyncSoak::nameOf(config.backend) << ", seed " << seed << ": "
                                        << qPrintable(result.traffic));
        EXPECT_TRUE(result.converged) << qPrintable(result.firstDifference);
        EXPECT_EQ(result.lostPayments, 0) << qPrintable(result.lost.join(", "));
        EXPECT_EQ(result.undoneDeletes, 0);
        EXPECT_GT(result.payments, 0);
    }
}

INSTANTIATE_TEST_SUITE_P(Backends, SyncSoakTest,
                         ::testing::Values(SoakCase{SyncSoak::BackendKind::MemoryServer, 15},
                                           SoakCase{SyncSoak::BackendKind::SharedFolder, 10},
                                           SoakCase{SyncSoak::BackendKind::Firebase, 10}),
                         [](const auto& info) { return std::to_string(int(info.param.backend)); });
