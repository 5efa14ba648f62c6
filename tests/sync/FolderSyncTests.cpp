#include "support/SyncDevice.h"

#include "platform/FolderCloudContainer.h"

#include <QSignalSpy>

#include <gtest/gtest.h>

// Two copies of Orvane sharing one synced folder, each on its own data
// folder: what one adds shows on the other within seconds, with no sync
// button pressed, through the folder's change watch alone.
TEST(FolderSyncTest, ComputersOnOneSharedFolderSeeEachOthersNewBills)
{
    TempFolder shared;
    FolderCloudContainer cloudA(shared.path(), BWUIDMaker::makeUID());
    FolderCloudContainer cloudB(shared.path(), BWUIDMaker::makeUID());
    const QDateTime start(QDate(2024, 3, 5), QTime(12, 0), QTimeZone::utc());
    SyncDevice a(cloudA, start);
    SyncDevice b(cloudB, start.addSecs(5));
    // Both first passes over the empty folder end with nothing to bring back.
    QSignalSpy aPassed(a.engine.get(), &OrvaneCloudManager::noiCloudChanges);
    QSignalSpy bPassed(b.engine.get(), &OrvaneCloudManager::noiCloudChanges);
    a.engine->turnCloudSyncOn();
    b.engine->turnCloudSyncOn();
    ASSERT_TRUE(waitFor([&] { return !aPassed.isEmpty() && !bPassed.isEmpty(); }, 5000));

    const QString fromA = a.addBill(QStringLiteral("Rent"), 900.0);
    EXPECT_TRUE(waitFor([&] { return b.shownBills().contains(fromA); }, 5000));
    EXPECT_EQ(b.bill(fromA).value(BillKeys::Name).toString(), "Rent");

    b.advance(60);
    const QString fromB = b.addBill(QStringLiteral("Phone"), 40.0);
    EXPECT_TRUE(waitFor([&] { return a.shownBills().contains(fromB); }, 5000));
    ASSERT_TRUE(b.pay(fromA, 900.0, QStringLiteral("paid on B")));
    EXPECT_TRUE(waitFor([&] { return a.paymentNotes(fromA) == QStringList{"paid on B"}; }, 5000));
}
