// A copy from another computer reaches a computer on both channels, in
// either order: the bill ends deleted or shown by the deletion's stamp alone,
// never one state on one channel's arrival and the other on the next.
#include "SyncedComputer.h"

#include "store/BWBillMerge.h"
#include "store/BWPaymentLogger.h"
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
// again and so sends it once more with sane stamps. Until then B holds what
// it held: no note, no total of a payment it has not, no bill it never had
// (not one without a field whose every value waits).
TEST(BWBillIncomingCopyTest, AChangeFromAClockFarAheadWaitsUntilItComesAgainSanely)
{
    // What A does ahead; a bill B never had is made on A, or on C and changed on A.
    enum class Ahead { Note, Payment, WholeBill, DueDateOfABillNewToB };
    for (const Ahead ahead : {Ahead::Note, Ahead::Payment, Ahead::WholeBill, Ahead::DueDateOfABillNewToB}) {
        SCOPED_TRACE(int(ahead));
        Computer a(Start.addYears(10));
        Computer b(Start);
        Computer c(Start);
        const bool newToB = ahead == Ahead::WholeBill || ahead == Ahead::DueDateOfABillNewToB;
        const QString billID = BWUIDMaker::makeUID();
        Computer& maker = ahead == Ahead::WholeBill ? a : newToB ? c : b;
        ASSERT_TRUE(BWBill(maker.env).finishWritingBillWithDictionary(
            newMonthlyBill(QStringLiteral("Rent"), billID, Start.addDays(10), 50.0), false, true));
        if (ahead != Ahead::WholeBill) {
            ASSERT_TRUE(BWBill(a.env).storeIncomingCopy(maker.lastCopySent(), Source::CloudDatabase));
        }
        const auto changeAhead = [&] {
            BWBill onA(a.env);
            if (ahead == Ahead::Note)
                return onA.saveSpecificKey(BillKeys::Notes, QStringLiteral("typed ahead"), billID);
            if (ahead == Ahead::DueDateOfABillNewToB)
                return onA.saveSpecificKey(BillKeys::DueDate, Start.addDays(20), billID);
            if (ahead == Ahead::Payment)
                return BWPaymentLogger(a.env).recordPayment({4.0, a.clock.now(), "p", QString()},
                                                            *BWBillsLoader(a.env).loadBillWithID(billID), true);
            return true;
        };
        ASSERT_TRUE(changeAhead());
        const std::optional<QVariantMap> before = BWBill(b.env).storedCopy(billID);

        bool written = true;
        ASSERT_TRUE(BWBill(b.env).storeIncomingCopy(a.lastCopySent(), Source::CloudDatabase, &written));
        EXPECT_FALSE(written);
        EXPECT_EQ(BWBill(b.env).storedCopy(billID), before);
        EXPECT_EQ(b.shows(billID), !newToB);
        if (newToB)
            continue;
        // B's own next change is stamped by its own clock, and is B's.
        b.advance(60);
        ASSERT_TRUE(BWBill(b.env).saveSpecificKey(BillKeys::Amount, 70.0, billID));
        EXPECT_EQ(BWBillMerge::modificationDate(b.lastCopySent()), Start.addSecs(60));

        // A's clock set right: its next change carries the early change again.
        a.clock.setNow(Start.addSecs(120));
        ASSERT_TRUE(BWBill(a.env).storeIncomingCopy(b.lastCopySent(), Source::CloudDatabase));
        ASSERT_TRUE(BWBill(a.env).saveSpecificKey(BillKeys::Name, QStringLiteral("Flat"), billID));
        EXPECT_FALSE(HybridLogicalClock::isFarAhead(BWBillMerge::latestStamp(a.lastCopySent()), Start.addSecs(120)));
        ASSERT_TRUE(BWBill(b.env).storeIncomingCopy(a.lastCopySent(), Source::CloudDatabase));
        const QVariantMap onB = *BWBill(b.env).storedCopy(billID);
        EXPECT_EQ(onB.value(BillKeys::Notes).toString(), ahead == Ahead::Note ? "typed ahead" : "");
        EXPECT_EQ(onB.value(BillKeys::TotalPaid).toDouble(), ahead == Ahead::Payment ? 4.0 : 0.0);
        EXPECT_EQ(onB.value(BillKeys::Name).toString(), QStringLiteral("Flat"));
        EXPECT_EQ(onB.value(BillKeys::Amount).toDouble(), 70.0);
    }
}
