// A copy from another computer reaches a computer on both channels, in
// either order: the bill ends deleted or shown by the deletion's stamp alone,
// never one state on one channel's arrival and the other on the next.
#include "SyncedComputer.h"

#include "store/BWBillMerge.h"
#include "support/TestBillRecords.h"

namespace {

using Source = BWBill::CopySource;

const QDateTime Start(QDate(2024, 5, 1), QTime(9, 0), QTimeZone::utc());

}  // namespace

TEST(BWBillIncomingCopyTest, BothChannelsInEitherOrderEndWithWhatTheDeletionRuleSays)
{
    struct Case
    {
        const char* what;
        bool deletionFirst;  // A deletes before B (which has not seen it) edits
        QList<Source> arrivals;
    };
    const QList<Case> cases{
        {"older edit, database then Firebase", false, {Source::CloudDatabase, Source::Firebase}},
        {"older edit, Firebase then database", false, {Source::Firebase, Source::CloudDatabase}},
        {"later edit, database then Firebase", true, {Source::CloudDatabase, Source::Firebase}},
        {"later edit, Firebase then database", true, {Source::Firebase, Source::CloudDatabase}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Computer a(Start);
        Computer b(Start);
        const QString billID = BWUIDMaker::makeUID();
        const QVariantMap record = newMonthlyBill(QStringLiteral("Rent"), billID, Start.addDays(10), 50.0);
        ASSERT_TRUE(BWBill(a.env).finishWritingBillWithDictionary(record, false, true));
        ASSERT_TRUE(BWBill(b.env).storeIncomingCopy(a.lastCopySent(), Source::CloudDatabase));
        ASSERT_TRUE(b.shows(billID));

        // Each computer acts at its own moment, the second a minute after the first.
        const auto aDeletes = [&](int secondsOn) {
            a.advance(secondsOn);
            ASSERT_TRUE(BWBill(a.env).deleteBillWithBid(billID));
        };
        const auto bEdits = [&](int secondsOn) {
            b.advance(secondsOn);
            ASSERT_TRUE(BWBill(b.env).saveSpecificKey(BillKeys::Notes, QStringLiteral("typed on B"), billID));
        };
        aDeletes(c.deletionFirst ? 60 : 120);
        bEdits(c.deletionFirst ? 120 : 60);
        // The rule: B's change, which A had not seen, brings the bill back
        // whichever of the two was stamped first.
        const bool shownByTheRule = true;
        const QVariantMap fromA = a.lastCopySent();
        const QVariantMap fromB = b.lastCopySent();
        ASSERT_TRUE(BWBillMerge::isDeleted(fromA));

        a.forgetWhatWasSent();
        for (const Source source : c.arrivals) {
            ASSERT_TRUE(BWBill(a.env).storeIncomingCopy(fromB, source));
            EXPECT_EQ(a.shows(billID), shownByTheRule);
        }
        for (const Source source : c.arrivals) {
            ASSERT_TRUE(BWBill(b.env).storeIncomingCopy(fromA, source));
            EXPECT_EQ(b.shows(billID), shownByTheRule);
        }
        const std::optional<QVariantMap> onA = BWBill(a.env).storedCopy(billID);
        const std::optional<QVariantMap> onB = BWBill(b.env).storedCopy(billID);
        ASSERT_TRUE(onA && onB);
        EXPECT_TRUE(BWBillMerge::sameState(*onA, *onB));
        EXPECT_EQ(onA->value(BillKeys::Notes).toString(), QStringLiteral("typed on B"));
        // A copy is handed on to the other channel, never back to its own.
        EXPECT_EQ(a.channels.cloudKitBills.isEmpty(), c.arrivals.first() == Source::CloudDatabase);
        EXPECT_EQ(a.channels.firebaseSaves.isEmpty() && a.channels.firebaseRemovals.isEmpty(),
                  c.arrivals.first() == Source::Firebase);
    }
}

// A change from a clock ten years ahead is not taken, nor its time: it waits
// until the computer that made it, its clock set right, changes the bill
// again and so sends it once more with sane stamps.
TEST(BWBillIncomingCopyTest, AChangeFromAClockFarAheadWaitsUntilItComesAgainSanely)
{
    Computer a(Start.addYears(10));
    Computer b(Start);
    const QString billID = BWUIDMaker::makeUID();
    ASSERT_TRUE(BWBill(b.env).finishWritingBillWithDictionary(
        newMonthlyBill(QStringLiteral("Rent"), billID, Start.addDays(10), 50.0), false, true));
    ASSERT_TRUE(BWBill(a.env).storeIncomingCopy(b.lastCopySent(), Source::CloudDatabase));
    ASSERT_TRUE(BWBill(a.env).saveSpecificKey(BillKeys::Notes, QStringLiteral("typed ahead"), billID));

    bool written = true;
    ASSERT_TRUE(BWBill(b.env).storeIncomingCopy(a.lastCopySent(), Source::CloudDatabase, &written));
    EXPECT_FALSE(written);
    EXPECT_EQ(BWBill(b.env).storedCopy(billID)->value(BillKeys::Notes).toString(), QString());
    // B's own next change is stamped by its own clock, and is B's.
    b.advance(60);
    ASSERT_TRUE(BWBill(b.env).saveSpecificKey(BillKeys::Amount, 70.0, billID));
    EXPECT_EQ(BWBillMerge::modificationDate(b.lastCopySent()), Start.addSecs(60));

    // A's clock set right: its next change carries the early note again.
    a.clock.setNow(Start.addSecs(120));
    ASSERT_TRUE(BWBill(a.env).storeIncomingCopy(b.lastCopySent(), Source::CloudDatabase));
    ASSERT_TRUE(BWBill(a.env).saveSpecificKey(BillKeys::Name, QStringLiteral("Flat"), billID));
    EXPECT_FALSE(HybridLogicalClock::isFarAhead(BWBillMerge::latestStamp(a.lastCopySent()), Start.addSecs(120)));
    ASSERT_TRUE(BWBill(b.env).storeIncomingCopy(a.lastCopySent(), Source::CloudDatabase));
    const QVariantMap onB = *BWBill(b.env).storedCopy(billID);
    EXPECT_EQ(onB.value(BillKeys::Notes).toString(), QStringLiteral("typed ahead"));
    EXPECT_EQ(onB.value(BillKeys::Name).toString(), QStringLiteral("Flat"));
    EXPECT_EQ(onB.value(BillKeys::Amount).toDouble(), 70.0);
}
