#include <QFile>
#include <functional>

#include "PaymentLoggerTestFixture.h"
#include "support/RecordingStoreObserver.h"

namespace {

class StoreObserverTest : public PaymentLoggerTest
{
protected:
    StoreObserverTest() { env.observer = &observer; }
    RecordingStoreObserver observer;
};

// Each write is announced once it is on disk, in the order it happened.
TEST_F(StoreObserverTest, EachSuccessfulWriteIsAnnounced)
{
    const QVariantMap bill = billDue(QDate(2016, 3, 8), 1, 2);
    const QString id = bill.value(BillKeys::Bid).toString();
    const QVariantMap unlisted = billDue(QDate(2016, 3, 9), 1, 2);
    const QString unlistedID = unlisted.value(BillKeys::Bid).toString();
    struct Case {
        const char* write;
        std::function<bool()> run;
        QStringList expected;
    };
    const QList<Case> cases = {
        {"new bill",
         [&] { return writer().finishWritingBillWithDictionary(unlisted, false, true); },
         {"saved " + unlistedID, "index"}},
        {"full payment",
         [&] {
             return logger().recordPayment({40.0, now(), "", ""}, storeAndLoad(bill));
         },
         {"saved " + id, "paid " + id}},
        {"skip",
         [&] {
             QVariantMap loaded = storeAndLoad(bill);
             return logger().skipPayment(loaded) == BWPaymentLogger::Skip::Skipped;
         },
         {"saved " + id, "skipped " + id}},
        {"edit of one key", [&] { return writer().saveSpecificKey(BillKeys::Notes, "note", id); }, {"saved " + id}},
        {"delete", [&] { return writer().deleteBillWithBid(id); }, {"saved " + id, "index", "deleted " + id}},
    };
    for (const Case& c : cases) {
        storeBills({bill});
        observer.calls.clear();
        EXPECT_TRUE(c.run()) << c.write;
        EXPECT_EQ(observer.calls, c.expected) << c.write;
    }
}

TEST_F(StoreObserverTest, AFailedWriteIsNotAnnounced)
{
    const QVariantMap loaded = storeAndLoad(billDue(QDate(2016, 3, 8), 1, 2));
    // A file where the data folder should be: nothing can be written there.
    QDir(dataFolder()).removeRecursively();
    QFile blocker(dataFolder());
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    observer.calls.clear();

    EXPECT_FALSE(logger().recordPayment({40.0, now(), "", ""}, loaded));
    EXPECT_FALSE(writer().finishWritingBillWithDictionary(loaded, true, true));
    QVariantMap skipped = loaded;
    EXPECT_EQ(logger().skipPayment(skipped), BWPaymentLogger::Skip::NotWritten);
    EXPECT_EQ(skipped, loaded);
    EXPECT_TRUE(observer.calls.isEmpty()) << observer.calls.join(", ").toStdString();
}

}  // namespace
