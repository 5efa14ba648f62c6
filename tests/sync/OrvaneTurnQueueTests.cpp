#include "sync/OrvaneTurnQueue.h"

#include <QTest>

#include <gtest/gtest.h>

// The tasks of the queue run on later turns of the event loop, in the order
// they were queued, those queued by a task after those queued before it.
TEST(OrvaneTurnQueueTest, TasksRunLaterInTheOrderTheyWereQueued)
{
    OrvaneTurnQueue queue;
    QStringList ran;
    queue.append([&] { ran.append("first"); });
    queue.append([&] {
        ran.append("second");
        queue.append([&] { ran.append("queued by second"); });
    });
    queue.append([&] { ran.append("third"); });
    EXPECT_EQ(ran, QStringList());
    EXPECT_FALSE(queue.isEmpty());
    ASSERT_TRUE(QTest::qWaitFor([&] { return queue.isEmpty() && ran.size() == 4; }, 10000));
    EXPECT_EQ(ran, (QStringList{"first", "second", "third", "queued by second"}));
}

// Cleared, by a task or from outside, the queue runs none of the tasks not
// yet begun; what is queued afterwards runs.
TEST(OrvaneTurnQueueTest, ClearingDropsTheTasksNotYetBegun)
{
    OrvaneTurnQueue queue;
    QStringList ran;
    queue.append([&] { ran.append("dropped"); });
    queue.clear();
    queue.append([&] {
        ran.append("clears");
        queue.clear();
    });
    queue.append([&] { ran.append("dropped too"); });
    ASSERT_TRUE(QTest::qWaitFor([&] { return queue.isEmpty() && ran.size() == 1; }, 10000));
    queue.append([&] { ran.append("after"); });
    ASSERT_TRUE(QTest::qWaitFor([&] { return ran.size() == 2; }, 10000));
    EXPECT_EQ(ran, (QStringList{"clears", "after"}));
}
