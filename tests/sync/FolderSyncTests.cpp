#include "support/SyncDevice.h"

#include "platform/FolderCloudContainer.h"

#include <gtest/gtest.h>

namespace {

const QDateTime Start(QDate(2026, 6, 1), QTime(9, 0), QTimeZone::utc());

// Two programs, on two machines, whose cloud is one folder that a file-sync
// service keeps in step.
class FolderSyncTest : public ::testing::Test
{
protected:
    FolderSyncTest()
    {
        first.engine->turnCloudSyncOn();
        second.engine->turnCloudSyncOn();
    }

    static bool holds(const SyncDevice& device, const QString& billID, const QString& name)
    {
        return device.shownBills().contains(billID) && device.bill(billID).value(BillKeys::Name).toString() == name;
    }

    TempFolder cloud;
    FolderCloudContainer firstCloud{cloud.path(), BWUIDMaker::makeUID()};
    FolderCloudContainer secondCloud{cloud.path(), BWUIDMaker::makeUID()};
    SyncDevice first{firstCloud, Start};
    SyncDevice second{secondCloud, Start};
};

TEST_F(FolderSyncTest, EachProgramSeesTheOthersChangesWithinSeconds)
{
    const QString billID = first.addBill(QStringLiteral("Water"), 41.5);
    EXPECT_TRUE(waitFor([&] { return holds(second, billID, QStringLiteral("Water")); }, 5000));

    second.advance(60);
    ASSERT_TRUE(second.edit(billID, BillKeys::Name, QStringLiteral("Water and sewer")));
    EXPECT_TRUE(waitFor([&] { return holds(first, billID, QStringLiteral("Water and sewer")); }, 5000));

    first.advance(120);
    ASSERT_TRUE(first.pay(billID, 41.5, QStringLiteral("June")));
    EXPECT_TRUE(waitFor([&] { return second.paymentNotes(billID) == QStringList{"June"}; }, 5000));

    second.advance(60);
    ASSERT_TRUE(second.remove(billID));
    EXPECT_TRUE(waitFor([&] { return first.shownBills().isEmpty(); }, 5000));
}

}  // namespace
