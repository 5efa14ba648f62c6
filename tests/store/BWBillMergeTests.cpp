#include "store/BWBillMerge.h"

#include "platform/BWUIDMaker.h"
#include "platform/HybridLogicalClock.h"
#include "store/BWBillRecordKeys.h"

#include <QRandomGenerator>
#include <QTimeZone>

#include <gtest/gtest.h>

namespace {

const QDateTime Noon(QDate(2024, 3, 5), QTime(12, 0), QTimeZone::utc());
const QString BillID = QStringLiteral("0123456789ABCDEF0123456789ABCDEF");

// Three computers, each with its own clock of stamps.
struct Computer
{
    explicit Computer(qint64 offsetMs = 0)
        : offset(offsetMs)
    {
    }
    QString stamp(int second) { return clock.next(Noon.addSecs(second).addMSecs(offset)); }
    qint64 offset;
    HybridLogicalClock clock{BWUIDMaker::makeUID()};
};

QVariantMap payment(const QString& id, int day, double amount, const QString& note, const QString& logged,
                    double reduction = 0.0)
{
    return {{PaymentKeys::PaymentID, id},
            {PaymentKeys::Date, Noon.addDays(day)},
            {PaymentKeys::Amount, amount},
            {PaymentKeys::Note, note},
            {PaymentKeys::Receipt, QString()},
            {PaymentKeys::LoggedStamp, logged},
            {PaymentKeys::BalanceReduction, reduction}};
}

// A bill of this version: every field stamped.
QVariantMap bill(const QVariantMap& fields, const QString& stamp, const QVariantList& payments = {})
{
    QVariantMap record = fields;
    record.insert(BillKeys::Bid, BillID);
    record.insert(BillKeys::PaymentList, payments);
    if (fields.contains(BillKeys::Balance))
        record.insert(BillKeys::BalanceSet, fields.value(BillKeys::Balance));
    QVariantMap stamps;
    for (auto it = record.cbegin(); it != record.cend(); ++it) {
        if (it.key() != BillKeys::Bid && it.key() != BillKeys::PaymentList && it.key() != BillKeys::Balance)
            stamps.insert(it.key(), stamp);
    }
    record.insert(BillKeys::FieldStamps, stamps);
    BWBillMerge::completeDerivedKeys(record);
    return record;
}

// `record` with one field changed on a computer, as the store stamps it.
QVariantMap changedField(const QVariantMap& record, const QString& key, const QVariant& value, const QString& stamp)
{
    QVariantMap edited = record;
    edited.insert(key, value);
    return BWBillMerge::changed(record, edited, [&] { return stamp; }).value();
}

QVariantMap withPayment(const QVariantMap& record, const QVariantMap& entry, const QString& stamp)
{
    QVariantMap edited = record;
    QVariantList payments = record.value(BillKeys::PaymentList).toList();
    payments.append(entry);
    edited.insert(BillKeys::PaymentList, payments);
    return BWBillMerge::changed(record, edited, [&] { return stamp; }).value();
}

QVariantMap withoutPayment(const QVariantMap& record, const QString& paymentID, const QString& stamp)
{
    QVariantMap edited = record;
    QVariantList payments;
    for (const QVariant& entry : record.value(BillKeys::PaymentList).toList()) {
        if (entry.toMap().value(PaymentKeys::PaymentID) != paymentID)
            payments.append(entry);
    }
    edited.insert(BillKeys::PaymentList, payments);
    return BWBillMerge::changed(record, edited, [&] { return stamp; }).value();
}

QStringList notesOf(const QVariantMap& record)
{
    QStringList notes;
    for (const QVariant& entry : record.value(BillKeys::PaymentList).toList())
        notes.append(entry.toMap().value(PaymentKeys::Note).toString());
    notes.sort();
    return notes;
}

// Merging in any order, and again, ends the same.
void expectAJoin(const QVariantMap& a, const QVariantMap& b, const QVariantMap& c)
{
    const QVariantMap ab = BWBillMerge::merged(a, b);
    EXPECT_TRUE(BWBillMerge::sameState(ab, BWBillMerge::merged(b, a)));
    EXPECT_TRUE(BWBillMerge::sameState(ab, BWBillMerge::merged(ab, a)));
    EXPECT_TRUE(BWBillMerge::sameState(ab, BWBillMerge::merged(b, ab)));
    EXPECT_TRUE(BWBillMerge::sameState(BWBillMerge::merged(ab, c), BWBillMerge::merged(a, BWBillMerge::merged(b, c))));
    EXPECT_EQ(BWBillMerge::merged(ab, c).value(BillKeys::Balance).toDouble(),
              BWBillMerge::merged(c, BWBillMerge::merged(b, a)).value(BillKeys::Balance).toDouble());
}

}  // namespace

TEST(BWBillMergeTest, EachFieldComesFromTheCopyThatChangedItLast)
{
    Computer a, b(3600 * 1000), c(-40 * 60 * 1000);  // b an hour ahead, c 40 minutes behind
    const QVariantMap base
        = bill({{BillKeys::Name, "Rent"}, {BillKeys::Notes, "n"}, {BillKeys::Amount, 5.0}}, a.stamp(0));
    b.clock.observe(BWBillMerge::latestStamp(base), Noon);
    c.clock.observe(BWBillMerge::latestStamp(base), Noon);
    const QVariantMap onA = changedField(base, BillKeys::Notes, "from a", a.stamp(10));
    const QVariantMap onB = changedField(base, BillKeys::Amount, 222.0, b.stamp(20));
    const QVariantMap merged = BWBillMerge::merged(onA, onB);
    EXPECT_EQ(merged.value(BillKeys::Notes).toString(), "from a");
    EXPECT_EQ(merged.value(BillKeys::Amount).toDouble(), 222.0);

    // c, 40 minutes behind, saw b's change: its own later change wins all the same.
    c.clock.observe(BWBillMerge::latestStamp(merged), Noon);
    const QVariantMap onC = changedField(merged, BillKeys::Amount, 333.0, c.stamp(30));
    EXPECT_EQ(BWBillMerge::merged(onC, onB).value(BillKeys::Amount).toDouble(), 333.0);
    EXPECT_EQ(BWBillMerge::merged(onB, onC).value(BillKeys::Amount).toDouble(), 333.0);
    expectAJoin(onA, onB, onC);

    // A field taken out stays out over an older copy that has it.
    QVariantMap cleared = merged;
    cleared.remove(BillKeys::Notes);
    cleared = BWBillMerge::changed(merged, cleared, [&] { return a.stamp(40); }).value();
    EXPECT_FALSE(BWBillMerge::merged(onA, cleared).contains(BillKeys::Notes));
}

TEST(BWBillMergeTest, PaymentsAreEveryCopysLessThoseRemovedByID)
{
    Computer a, b;
    const QVariantMap base = bill({{BillKeys::Name, "Rent"}}, a.stamp(0));
    const QString first = BWUIDMaker::makeUID(), second = BWUIDMaker::makeUID(), again = BWUIDMaker::makeUID();
    const QVariantMap paidOnA = withPayment(base, payment(first, 0, 50.0, "Quick Logged", {}), a.stamp(1));
    const QVariantMap paidOnB = withPayment(base, payment(second, 1, 20.0, "b", {}), b.stamp(2));
    EXPECT_EQ(notesOf(BWBillMerge::merged(paidOnA, paidOnB)), QStringList({"Quick Logged", "b"}));
    // An older copy lacking a payment removes nothing; a removal does.
    const QVariantMap undoneOnA = withoutPayment(paidOnA, first, a.stamp(3));
    EXPECT_EQ(notesOf(BWBillMerge::merged(undoneOnA, paidOnA)), QStringList());
    // The same payment logged again is another payment: no removal hides it.
    const QVariantMap loggedAgain = withPayment(undoneOnA, payment(again, 0, 50.0, "Quick Logged", {}), a.stamp(4));
    EXPECT_EQ(notesOf(BWBillMerge::merged(loggedAgain, paidOnA)), QStringList{"Quick Logged"});
    expectAJoin(loggedAgain, paidOnB, paidOnA);

    // Edited back and forth it is the same payment, the last edit's.
    QVariantMap edited = paidOnA;
    for (const double amount : {60.0, 50.0}) {
        QVariantMap entry = edited.value(BillKeys::PaymentList).toList().first().toMap();
        entry.insert(PaymentKeys::Amount, amount);
        QVariantMap next = edited;
        next.insert(BillKeys::PaymentList, QVariantList{entry});
        edited = BWBillMerge::changed(edited, next, [&] { return a.stamp(int(amount)); }).value();
    }
    const QVariantMap withEdits = BWBillMerge::merged(paidOnA, edited);
    ASSERT_EQ(withEdits.value(BillKeys::PaymentList).toList().size(), 1);
    EXPECT_EQ(withEdits.value(BillKeys::PaymentList).toList().first().toMap().value(PaymentKeys::Amount), 50.0);
    EXPECT_EQ(withEdits.value(BillKeys::TotalPaid).toDouble(), 50.0);
}

TEST(BWBillMergeTest, BalanceIsTheOneSetLessWhatLaterPaymentsTookOff)
{
    Computer a, b;
    const QVariantMap loan = bill({{BillKeys::Name, "Loan"}, {BillKeys::Balance, 1000.0}}, a.stamp(0));
    ASSERT_EQ(loan.value(BillKeys::BalanceSet).toDouble(), 1000.0);
    const QVariantMap onA = withPayment(loan, payment(BWUIDMaker::makeUID(), 0, 100.0, "a", {}, 100.0), a.stamp(1));
    const QVariantMap onB = withPayment(loan, payment(BWUIDMaker::makeUID(), 0, 50.0, "b", {}, 50.0), b.stamp(1));
    EXPECT_EQ(onA.value(BillKeys::Balance).toDouble(), 900.0);
    const QVariantMap both = BWBillMerge::merged(onA, onB);
    EXPECT_EQ(both.value(BillKeys::Balance).toDouble(), 850.0);

    // A balance the user sets counts from then on; payments before it are in it.
    const QVariantMap set = changedField(both, BillKeys::Balance, 700.0, a.stamp(5));
    const QVariantMap paidAfter = withPayment(set, payment(BWUIDMaker::makeUID(), 1, 10.0, "c", {}, 10.0), b.stamp(6));
    EXPECT_EQ(BWBillMerge::merged(set, paidAfter).value(BillKeys::Balance).toDouble(), 690.0);

    // Any payment that goes gives back what it took, the newest or not.
    const QString older
        = onA.value(BillKeys::PaymentList).toList().first().toMap().value(PaymentKeys::PaymentID).toString();
    const QVariantMap removed = withoutPayment(both, older, a.stamp(7));
    EXPECT_EQ(removed.value(BillKeys::Balance).toDouble(), 950.0);
    expectAJoin(onA, onB, removed);

    // Removed on a computer that had not heard of that set yet: the set was
    // made with the payment paid, so it gives its share back all the same.
    const QVariantMap removedOnB = withoutPayment(both, older, b.stamp(7));
    EXPECT_EQ(BWBillMerge::merged(set, removedOnB).value(BillKeys::Balance).toDouble(), 800.0);
}

TEST(BWBillMergeTest, ADeletionHoldsOverOlderCopiesAndALaterChangeBringsTheBillBack)
{
    Computer a, b;
    const QVariantMap base = bill({{BillKeys::Name, "Gym"}, {BillKeys::Amount, 5.0}}, a.stamp(0));
    const QVariantMap editedOnB = changedField(base, BillKeys::Amount, 7.0, b.stamp(2));
    const QVariantMap deletedOnA = BWBillMerge::deleted(base, a.stamp(1));
    EXPECT_TRUE(BWBillMerge::isDeleted(deletedOnA));
    EXPECT_TRUE(BWBillMerge::isDeleted(BWBillMerge::merged(deletedOnA, base)));
    // B changed it after the deletion, not having seen it: it is back, with the change.
    const QVariantMap back = BWBillMerge::merged(deletedOnA, editedOnB);
    EXPECT_FALSE(BWBillMerge::isDeleted(back));
    EXPECT_EQ(back.value(BillKeys::Amount).toDouble(), 7.0);
    // Deleted after every change, it stays deleted whatever comes late.
    const QVariantMap deletedAgain = BWBillMerge::deleted(back, a.stamp(3));
    EXPECT_TRUE(BWBillMerge::isDeleted(BWBillMerge::merged(editedOnB, deletedAgain)));
    // Brought back (a restore): every field stamped after the deletion.
    const QVariantMap restored = BWBillMerge::broughtBack(base, a.stamp(4));
    EXPECT_FALSE(BWBillMerge::isDeleted(BWBillMerge::merged(deletedAgain, restored)));
    EXPECT_EQ(BWBillMerge::merged(deletedAgain, restored).value(BillKeys::Amount).toDouble(), 5.0);
    // A deletion alone, of a bill never seen, is one too.
    EXPECT_TRUE(BWBillMerge::isDeleted(BWBillMerge::merged(BWBillMerge::tombstone(BillID, a.stamp(5)), editedOnB)));
    expectAJoin(deletedOnA, editedOnB, deletedAgain);
}

// A change made apart from a deletion brings the bill back whatever the order
// of the two stamps (a clock once far ahead leaves both computers stamping
// with its time; the counter and the computer's id then decide), in the
// deleted copy and in a tombstone that carries only what it saw, as Firebase
// keeps one. What the deletion saw, an older copy among it, stays deleted.
TEST(BWBillMergeTest, AChangeTheDeletingComputerHadNotSeenBringsTheBillBackWhateverTheStamps)
{
    const QString low(32, u'1'), high(32, u'E');
    const qint64 wall = Noon.toMSecsSinceEpoch();
    struct Case
    {
        const char* name;
        QString deleter, changer;
        qint64 changeOffsetMs;
    };
    const Case cases[] = {{"change stamped earlier", low, high, -5000},
                          {"one moment, the changer's id lower", high, low, 0},
                          {"one moment, the changer's id higher", low, high, 0},
                          {"change stamped later", high, low, 5000}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const QVariantMap base = bill({{BillKeys::Name, "Gym"}, {BillKeys::Amount, 5.0}},
                                      HybridLogicalClock::stampOf(wall - 9000, 0, low));
        const QVariantMap older = changedField(base, BillKeys::Name, "Gym old", HybridLogicalClock::stampOf(wall - 8000, 0, high));
        const QVariantMap seen = changedField(older, BillKeys::Name, "Gym new", HybridLogicalClock::stampOf(wall - 7000, 0, low));
        const QVariantMap deleted = BWBillMerge::deleted(seen, HybridLogicalClock::stampOf(wall, 1, c.deleter));
        const QVariantMap tombstoneOnly{{BillKeys::Bid, BillID},
                                        {BillKeys::DeletionStamp, deleted.value(BillKeys::DeletionStamp)},
                                        {BillKeys::DeletionSeen, deleted.value(BillKeys::DeletionSeen)}};
        const QVariantMap changed = changedField(seen, BillKeys::Amount, 77.0,
                                                 HybridLogicalClock::stampOf(wall + c.changeOffsetMs, 1, c.changer));
        for (const QVariantMap& deletion : {deleted, tombstoneOnly}) {
            EXPECT_TRUE(BWBillMerge::isDeleted(BWBillMerge::merged(deletion, older)));
            for (const QVariantMap& merged : {BWBillMerge::merged(deletion, changed), BWBillMerge::merged(changed, deletion)}) {
                EXPECT_FALSE(BWBillMerge::isDeleted(merged));
                EXPECT_EQ(merged.value(BillKeys::Amount).toDouble(), 77.0);
            }
        }
        // Deleted again by a computer that saw the change: deleted for good.
        const QVariantMap deletedAgain = BWBillMerge::deleted(BWBillMerge::merged(deleted, changed),
                                                              HybridLogicalClock::stampOf(wall + 9000, 0, c.deleter));
        EXPECT_TRUE(BWBillMerge::isDeleted(BWBillMerge::merged(changed, deletedAgain)));
        expectAJoin(deleted, changed, deletedAgain);
    }
}

TEST(BWBillMergeTest, ASaveThatChangesNothingStampsNothing)
{
    Computer a;
    const QVariantMap base = bill({{BillKeys::Name, "Rent"}, {BillKeys::Balance, 10.0}}, a.stamp(0),
                                  {payment(BWUIDMaker::makeUID(), 0, 5.0, "x", a.stamp(0))});
    int stamps = 0;
    const auto count = [&] {
        ++stamps;
        return a.stamp(9);
    };
    // Numbers by value and dates to the second, as every channel keeps them.
    QVariantMap same = base;
    same.insert(BillKeys::Balance, qlonglong(10));
    EXPECT_FALSE(BWBillMerge::changed(base, same, count));
    EXPECT_EQ(stamps, 0);
    const QVariantMap renamed = changedField(base, BillKeys::Name, "Rent 2", a.stamp(1));
    EXPECT_EQ(renamed.value(BillKeys::FieldStamps).toMap().value(BillKeys::Name), BWBillMerge::latestStamp(renamed));
    EXPECT_NE(renamed.value(BillKeys::FieldStamps).toMap().value(BillKeys::Balance), BWBillMerge::latestStamp(renamed));
}

TEST(BWBillMergeTest, RecordsOfEarlierVersionsAreTakenOverAlikeOnEveryComputer)
{
    const QVariantMap paid{{PaymentKeys::Date, Noon}, {PaymentKeys::Amount, 100.0}, {PaymentKeys::Note, "Paid"}};
    const QVariantMap reversed{
        {PaymentKeys::Date, Noon.addDays(1)}, {PaymentKeys::Amount, 9.0}, {PaymentKeys::Note, "x"}};
    const QVariantMap old{{BillKeys::Bid, BillID},
                          {BillKeys::Name, "Loan"},
                          {BillKeys::Balance, 800.0},
                          {BillKeys::PaymentList, QVariantList{paid, paid, reversed}},
                          {BillKeys::RemovedPayments, QStringList{BWBillMerge::identityOf(reversed)}},
                          {BillKeys::SyncModificationDate, Noon.addDays(2)}};
    const QVariantMap taken = BWBillMerge::takenOver(old);
    EXPECT_TRUE(BWBillMerge::sameState(taken, BWBillMerge::takenOver(old)));
    const QVariantList payments = taken.value(BillKeys::PaymentList).toList();
    ASSERT_EQ(payments.size(), 2);  // the one removed by identity stays out
    const QString firstID = payments.at(0).toMap().value(PaymentKeys::PaymentID).toString();
    EXPECT_TRUE(BWBillMerge::isDerivedPaymentID(firstID));
    EXPECT_NE(firstID, payments.at(1).toMap().value(PaymentKeys::PaymentID).toString());
    EXPECT_FALSE(BWBillMerge::isDerivedPaymentID(BWUIDMaker::makeUID()));
    // Stamped with the date of the last change; the balance stored is the one set after the payments.
    EXPECT_EQ(BWBillMerge::modificationDate(taken), Noon.addDays(2));
    EXPECT_EQ(taken.value(BillKeys::BalanceSet).toDouble(), 800.0);
    BWBillMerge::completeDerivedKeys(const_cast<QVariantMap&>(taken));
    EXPECT_EQ(taken.value(BillKeys::Balance).toDouble(), 800.0);

    // A payment of the same content logged now is another one: the old
    // removal by identity does not hide it.
    Computer a;
    QVariantMap again = reversed;
    again.insert(PaymentKeys::PaymentID, BWUIDMaker::makeUID());
    again.insert(PaymentKeys::BalanceReduction, 0.0);
    const QVariantMap paidAgain = withPayment(taken, again, a.stamp(3 * 24 * 3600));
    EXPECT_EQ(notesOf(BWBillMerge::merged(old, paidAgain)), QStringList({"Paid", "Paid", "x"}));
    // Deleted before deletions had stamps: just after its last change.
    QVariantMap deleted = old;
    BWBillMerge::markDeletedWithoutStamp(deleted);
    EXPECT_TRUE(BWBillMerge::isDeleted(deleted));
    EXPECT_TRUE(BWBillMerge::isDeleted(BWBillMerge::merged(deleted, old)));
    EXPECT_FALSE(BWBillMerge::isDeleted(BWBillMerge::merged(deleted, paidAgain)));
}

// Random changes on three computers that see each other's now and then: any
// order of merging gives the same bill.
TEST(BWBillMergeTest, MergingInAnyOrderEndsTheSame)
{
    QRandomGenerator random(7);
    for (int round = 0; round < 20; ++round) {
        Computer computers[3] = {Computer(0), Computer(3600 * 1000), Computer(-40 * 60 * 1000)};
        QVariantMap copies[3];
        copies[0] = bill({{BillKeys::Name, "Loan"}, {BillKeys::Balance, 1000.0}, {BillKeys::Notes, ""}},
                         computers[0].stamp(0));
        copies[1] = copies[2] = copies[0];
        for (int step = 1; step < 40; ++step) {
            const int i = int(random.bounded(3u));
            Computer& computer = computers[i];
            computer.clock.observe(BWBillMerge::latestStamp(copies[i]), Noon);
            const QString stamp = computer.stamp(step);
            const QVariantList payments = copies[i].value(BillKeys::PaymentList).toList();
            switch (random.bounded(6u)) {
            case 0:
                copies[i] = changedField(copies[i], BillKeys::Notes, QString::number(step), stamp);
                break;
            case 1:
                copies[i] = changedField(copies[i], BillKeys::Balance, 500.0 + step, stamp);
                break;
            case 2:
                copies[i] = withPayment(copies[i], payment(BWUIDMaker::makeUID(), step, step, "p", {}, step), stamp);
                break;
            case 3:
                if (!payments.isEmpty())
                    copies[i] = withoutPayment(copies[i],
                                               payments.at(0).toMap().value(PaymentKeys::PaymentID).toString(), stamp);
                break;
            case 4:
                copies[i] = BWBillMerge::deleted(copies[i], stamp);
                break;
            default: {
                const int other = int(random.bounded(3u));
                copies[i] = BWBillMerge::merged(copies[i], copies[other]);
            }
            }
        }
        expectAJoin(copies[0], copies[1], copies[2]);
        expectAJoin(copies[2], copies[0], copies[1]);
    }
}

// A payment's identity is its date in seconds, its amount to the last digit
// and its note, whatever the note holds; ids derived from it depend on that
// text never changing.
TEST(BWBillMergeTest, APaymentsIdentityIsItsDateAmountAndNote)
{
    const struct
    {
        QDateTime date;
        double amount;
        QString note;
        QString identity;
    } cases[] = {
        {Noon, 12.5, "rent", "1709640000 12.5 rent"},
        {QDateTime(), 0.1, "50% off %1 %2", "-9223372036854775808 0.10000000000000001 50% off %1 %2"},
        {QDateTime(QDate(1960, 1, 1), QTime(0, 0), QTimeZone::utc()), -1e21, "", "-315619200 -1e+21 "},
        {Noon, 1.0 / 3, "%3", "1709640000 0.33333333333333331 %3"},
    };
    for (const auto& c : cases) {
        const QVariantMap entry{
            {PaymentKeys::Date, c.date}, {PaymentKeys::Amount, c.amount}, {PaymentKeys::Note, c.note}};
        EXPECT_EQ(BWBillMerge::identityOf(entry), c.identity);
    }
}

// Two copies of one payment under one stamp: the same copy wins whichever
// the merge is given first, and two identical copies give that copy.
TEST(BWBillMergeTest, CopiesOfAPaymentUnderOneStampMergeAlikeInEitherOrder)
{
    Computer computer;
    const QString logged = computer.stamp(1);
    const QString id = BWUIDMaker::makeUID();
    const struct
    {
        QVariantMap first, second;
    } cases[] = {
        {payment(id, 0, 10.0, "same", logged), payment(id, 0, 10.0, "same", logged)},
        {payment(id, 0, 10.0, "one note", logged), payment(id, 0, 10.0, "another", logged)},
        {payment(id, 0, 10.0, "same", logged), payment(id, 0, 20.0, "same", logged)},
        {payment(id, 0, 10.0, "same", logged), payment(id, 1, 10.0, "same", logged)},
    };
    const auto mergedPayments = [](const QVariantMap& first, const QVariantMap& second) {
        const QVariantMap a{{BillKeys::Bid, BillID}, {BillKeys::PaymentList, QVariantList{first}}};
        const QVariantMap b{{BillKeys::Bid, BillID}, {BillKeys::PaymentList, QVariantList{second}}};
        return BWBillMerge::merged(a, b).value(BillKeys::PaymentList).toList();
    };
    for (const auto& c : cases) {
        const QVariantList ab = mergedPayments(c.first, c.second), ba = mergedPayments(c.second, c.first);
        ASSERT_EQ(ab.size(), 1);
        EXPECT_EQ(ab, ba) << c.second.value(PaymentKeys::Note).toString().toStdString();
        EXPECT_TRUE(ab.first().toMap() == c.first || ab.first().toMap() == c.second);
    }
    EXPECT_EQ(mergedPayments(cases[0].first, cases[0].second), QVariantList{cases[0].first});
}
