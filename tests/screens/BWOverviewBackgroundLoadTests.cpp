// Loads on a worker, and the extension's copy a moment after a row of loads.
#include "support/ScreenTestStore.h"

#include "platform/UserDefaults.h"
#include "screens/BWExtensionCopySchedule.h"
#include "screens/BWOverviewBackgroundLoad.h"
#include "store/BWBillsLoader.h"

#include <QSemaphore>
#include <QTest>

#include <atomic>

namespace {

class BackgroundLoadTest : public ScreenTestStore
{
protected:
    BackgroundLoadTest()
        : ScreenTestStore(QDate(2016, 3, 8), QTime(10, 0))
    {
        defaults.registerDefaults({{QStringLiteral("BWDueSoonDays"), 7}});
        store(bill(QStringLiteral("Rent"), QDateTime(QDate(2016, 3, 10), QTime(9, 0))));
    }

    // Each read waits for a go from the test, then reads what is stored.
    BWOverviewBackgroundLoad::Read gatedRead()
    {
        return [this](const BWStoreEnvironment& readEnv, const QList<BWSortDescriptor>&) {
            ++reads;
            go.acquire();
            return BWBillsLoader(readEnv).loadBills().value_or(QVariantList());
        };
    }
    QSemaphore go;
    std::atomic<int> reads = 0;
    QList<QVariantList> shown;
    QList<QDate> days;
    QList<qlonglong> dueSoonCounts;
    // Last, so that it goes first, its worker done.
    BWOverviewBackgroundLoad load{gatedRead(),
                                  [this] {
                                      return BWOverviewBackgroundLoad::Request{env, {}, false};
                                  },
                                  [this](BWOverviewBackgroundLoad::Result& result) {
                                      shown.append(result.items);
                                      days.append(result.day);
                                      dueSoonCounts.append(result.sidebar.dueSoonCount);
                                  },
                                  nullptr};
};

}  // namespace

TEST_F(BackgroundLoadTest, WhatTheWorkerReadIsShownWithTheDayAndTheFigures)
{
    load.start();
    EXPECT_TRUE(load.isRunning());
    go.release();
    QTRY_COMPARE(shown.size(), 1);
    EXPECT_FALSE(load.isRunning());
    EXPECT_EQ(shown.first().size(), 1);
    EXPECT_EQ(days.first(), QDate(2016, 3, 8));
    EXPECT_EQ(dueSoonCounts.first(), 1);
}

TEST_F(BackgroundLoadTest, ALoadOnThisThreadMeanwhileStandsAndTheResultIsDropped)
{
    load.start();
    load.listLoaded();
    go.release();
    QTRY_VERIFY(!load.isRunning());
    EXPECT_TRUE(shown.isEmpty());
}

TEST_F(BackgroundLoadTest, AnUpdateMeanwhileHasTheWorkerReadAgain)
{
    load.start();
    load.listUpdated();
    go.release();
    QTRY_COMPARE(reads.load(), 2);
    EXPECT_TRUE(shown.isEmpty());
    go.release();
    QTRY_COMPARE(shown.size(), 1);
}

TEST_F(BackgroundLoadTest, OnlyTheLatestLoadAskedForIsShown)
{
    load.start();
    load.start();
    go.release(2);
    QTRY_COMPARE(reads.load(), 2);
    QTRY_VERIFY(!load.isRunning());
    EXPECT_EQ(shown.size(), 1);
}

TEST_F(BackgroundLoadTest, TheExtensionsCopyIsMadeOnceAfterARowOfChanges)
{
    int madeNow = 0;
    BWExtensionCopySchedule copy(
        env,
        [&madeNow]() -> BWExtensionCopySchedule::Items {
            ++madeNow;
            return [] { return QVariantList{QVariantMap{{BillKeys::Name, QStringLiteral("Rent")}}}; };
        },
        nullptr);
    for (int change = 0; change < 3; ++change)
        copy.schedule();
    EXPECT_EQ(madeNow, 0);
    QTRY_COMPARE(UserDefaults(appGroup.path()).arrayForKey(AppGroupKeys::ActiveBills).size(), 1);
    EXPECT_EQ(madeNow, 1);
}
