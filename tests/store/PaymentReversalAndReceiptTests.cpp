// Undoing payments, editing the payment list, receipt copies and the
// payment sound.
#include <QFile>
#include "support/RecordingSoundPlayer.h"
#include <QRandomGenerator>
#include <QSet>

#include "PaymentLoggerTestFixture.h"
#include "platform/BWUIDMaker.h"
#include "platform/SoundPlayer.h"
#include "store/BWBillMerge.h"
#include "store/BWBillRecordKeys.h"
#include "store/BWDefaultsKeys.h"

namespace {

const QSet<QString> CheeringSounds = {QStringLiteral("bravo"),    QStringLiteral("congrats"),
                                      QStringLiteral("fantastic"), QStringLiteral("ter"),
                                      QStringLiteral("welldone"), QStringLiteral("youdid")};

}  // namespace

class PaymentReversalTest : public PaymentLoggerTest
{
protected:
    // A loan-like monthly bill with a balance, escrow and interest.
    QVariantMap loan() const
    {
        QVariantMap bill = billDue(QDate(2016, 3, 8), 1, 2);
        bill.insert(BillKeys::Balance, 1000.0);
        bill.insert(BillKeys::Rev, 20.0);
        bill.insert(BillKeys::Interest, 0.25);
        return bill;
    }
    QVariantMap current(const QVariantMap& bill) const
    {
        return loader().loadBillWithID(bill.value(BillKeys::Bid).toString()).value();
    }
    void pay(const QVariantMap& bill, double amount, const QDateTime& date, bool full = true,
             const QString& attachment = QString()) const
    {
        ASSERT_TRUE(logger().recordPayment(payment(amount, date, QStringLiteral("Paid"), attachment), current(bill),
                                           full));
    }
    bool reverse(const QVariantMap& bill, QVariantList& payments) const
    {
        return logger().reverseLastPaymentForBill(bill.value(BillKeys::Bid).toString(), payments);
    }
};

TEST_F(PaymentReversalTest, ReversingTheNewestRestoresTheBillAsItWasBeforeIt)
{
    const QVariantMap bill = loan();
    storeBills({bill});
    pay(bill, 100, localMoment(2016, 3, 8, 12));
    const QVariantMap afterFirst = stored(bill);
    pay(bill, 130, localMoment(2016, 4, 7, 12));
    ASSERT_EQ(stored(bill).value(BillKeys::DueDate).toDateTime(), localMoment(2016, 5, 8, 9));

    QVariantList payments = newestFirst(bill);
    ASSERT_TRUE(reverse(bill, payments));

    const QVariantMap after = stored(bill);
    EXPECT_EQ(payments.size(), 1);
    EXPECT_EQ(after.value(BillKeys::PaymentList).toList(), payments);
    for (const QString& key : {BillKeys::DueDate, BillKeys::TotalPaid, BillKeys::Average, BillKeys::LastPayment,
                               BillKeys::Balance})
        EXPECT_EQ(after.value(key), afterFirst.value(key)) << key.toStdString();
}

// Two payments logged apart for one due date (on two computers, then
// merged) moved it on once: the due date goes back only with the last of them.
TEST_F(PaymentReversalTest, TheDueDateGoesBackOnlyWhenNoOtherPaymentCoversItsOccurrence)
{
    const QVariantMap bill = billDue(QDate(2016, 3, 8), 1, 2);
    storeBills({bill});
    pay(bill, 100, localMoment(2016, 3, 8, 12));
    QVariantMap merged = stored(bill);
    QVariantMap apart = merged.value(BillKeys::PaymentList).toList().first().toMap();
    apart.insert(PaymentKeys::PaymentID, BWUIDMaker::makeUID());
    apart.insert(PaymentKeys::Date, localMoment(2016, 3, 8, 13));
    merged.insert(BillKeys::PaymentList, merged.value(BillKeys::PaymentList).toList() << apart);
    storeBills({merged});

    const QDateTime expected[] = {localMoment(2016, 4, 8, 9), localMoment(2016, 3, 8, 9)};
    for (const QDateTime& due : expected) {
        QVariantList payments = newestFirst(bill);
        ASSERT_TRUE(reverse(bill, payments));
        EXPECT_EQ(stored(bill).value(BillKeys::DueDate).toDateTime(), due);
    }
}

TEST_F(PaymentReversalTest, ReversingTheOnlyPaymentClearsTheTotalsAndGivesTheBalanceBack)
{
    const QVariantMap bill = loan();
    storeBills({bill});
    pay(bill, 100, localMoment(2016, 3, 8, 12));
    ASSERT_EQ(stored(bill).value(BillKeys::Balance).toDouble(), 940.0);

    QVariantList payments = newestFirst(bill);
    ASSERT_TRUE(reverse(bill, payments));

    const QVariantMap after = stored(bill);
    EXPECT_TRUE(payments.isEmpty());
    EXPECT_TRUE(after.value(BillKeys::PaymentList).toList().isEmpty());
    EXPECT_EQ(after.value(BillKeys::LastPayment).toDateTime(), PropertyList::distantPast());
    EXPECT_EQ(after.value(BillKeys::TotalPaid).toDouble(), 0.0);
    EXPECT_EQ(after.value(BillKeys::Average).toDouble(), 0.0);
    EXPECT_EQ(after.value(BillKeys::DueDate).toDateTime(), localMoment(2016, 3, 8, 9));
    EXPECT_EQ(after.value(BillKeys::Balance).toDouble(), 1000.0);
}

// One payment logged and undone: what the bill gets back, and what it keeps.
TEST_F(PaymentReversalTest, UndoingOnePaymentPutsBackWhatItTookAndLeavesTheRest)
{
    struct Case
    {
        const char* what;
        QVariantMap bill;
        double paid;
        QDateTime on;
        bool full;
        QString key;
        QVariant after;
    };
    const QVariantMap monthly = billDue(QDate(2016, 3, 8), 1, 2);
    const QVariantMap varying = with(monthly, BillKeys::AmountVaries, qlonglong(1));
    const QDateTime dueDay = localMoment(2016, 3, 8, 12);
    const Case cases[] = {
        {"a balance paid down to zero comes back", with(monthly, BillKeys::Balance, 100.0), 100, dueDay, true,
         BillKeys::Balance, 100.0},
        {"a bill without a balance gets none", monthly, 100, dueDay, true, BillKeys::Balance, 0.0},
        {"a partial payment leaves the due date", monthly, 40, dueDay, false, BillKeys::DueDate,
         localMoment(2016, 3, 8, 9)},
        {"a varying amount partly paid gets it back", varying, 30, dueDay, false, BillKeys::Amount, 100.0},
        {"a varying amount fully paid gets it back", varying, 30, dueDay, true, BillKeys::Amount, 100.0},
        {"a fixed amount is left alone", monthly, 30, dueDay, false, BillKeys::Amount, 100.0},
        // A Sunday, shown on Friday the 11th: the stored date comes back, not the shifted one.
        {"weekends avoided", billDue(QDate(2016, 3, 13), 1, 2), 100, localMoment(2016, 3, 11, 12), true,
         BillKeys::DueDate, localMoment(2016, 3, 13, 9)},
    };
    defaults.setInteger(QStringLiteral("BWAvoidWeekends"), 1);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const QVariantMap bill = with(c.bill, BillKeys::Bid, BWUIDMaker::makeUID());
        storeBills({bill});
        pay(bill, c.paid, c.on, c.full);
        QVariantList payments = newestFirst(bill);
        ASSERT_TRUE(reverse(bill, payments));
        EXPECT_EQ(stored(bill).value(c.key), c.after);
    }
}

TEST_F(PaymentReversalTest, ReversalPutsBackTheDueDateThatTheRuleCannotStepBackTo)
{
    // The 31st steps on to 30 April, and back from there only to the 30th;
    // the 28th steps on to the 15th of April, and back from there to the 1st;
    // a one-time item steps on to the distant future and never back.
    const QVariantMap monthEnd = billDue(QDate(2016, 3, 31), 1, 2);
    const QVariantMap twiceMonthly = billDue(QDate(2016, 3, 28), 1, 1);
    const QVariantMap oneTime = billDue(QDate(2016, 3, 8), 0, 4);
    storeBills({monthEnd, twiceMonthly, oneTime});
    for (const QVariantMap& bill : {monthEnd, twiceMonthly, oneTime}) {
        const QDateTime before = stored(bill).value(BillKeys::DueDate).toDateTime();
        pay(bill, 100, localMoment(2016, 3, 8, 12));
        ASSERT_NE(stored(bill).value(BillKeys::DueDate).toDateTime(), before);

        QVariantList payments = newestFirst(bill);
        ASSERT_TRUE(reverse(bill, payments));
        EXPECT_EQ(stored(bill).value(BillKeys::DueDate).toDateTime(), before)
            << localDay(before).toString(Qt::ISODate).toStdString();
    }
}

TEST_F(PaymentReversalTest, ReversingAnEarlierLoggedPaymentStepsBackFromTheCurrentDueDate)
{
    const QVariantMap bill = billDue(QDate(2016, 3, 8), 1, 2);
    storeBills({bill});
    pay(bill, 100, localMoment(2016, 3, 10, 12));   // moves 8 March to 8 April
    pay(bill, 100, localMoment(2016, 3, 1, 12));    // dated earlier; moves 8 April to 8 May
    QVariantList payments = storedPayments(bill);   // logged order is newest first by date here
    ASSERT_EQ(payments.first().toMap().value(PaymentKeys::Date).toDateTime(), localMoment(2016, 3, 10, 12));

    ASSERT_TRUE(reverse(bill, payments));
    EXPECT_EQ(stored(bill).value(BillKeys::DueDate).toDateTime(), localMoment(2016, 4, 8, 9));
}

TEST_F(PaymentReversalTest, PaymentFromOlderDataStepsTheDateBackAndGivesTheKeptBalanceBack)
{
    QVariantMap bill = loan();
    bill.insert(BillKeys::DueDate, localMoment(2016, 4, 8, 9));
    bill.insert(BillKeys::Balance, 940.0);
    const QVariantMap older{{PaymentKeys::Amount, 100.0}, {PaymentKeys::Date, localMoment(2016, 3, 8, 12)},
                            {PaymentKeys::Note, QString()}, {PaymentKeys::Receipt, QString()}};
    bill.insert(BillKeys::PaymentList, QVariantList{older});
    storeBills({bill});

    QVariantList payments{older};
    ASSERT_TRUE(reverse(bill, payments));
    EXPECT_EQ(stored(bill).value(BillKeys::DueDate).toDateTime(), localMoment(2016, 3, 8, 9));
    EXPECT_EQ(stored(bill).value(BillKeys::Balance).toDouble(), 1000.0);
}

TEST_F(PaymentReversalTest, ReversalStoresTheShownListAndTakesLastPaymentFromTheRest)
{
    const QVariantMap bill = billDue(QDate(2016, 3, 8), 1, 0);
    storeBills({bill});
    pay(bill, 10, localMoment(2016, 2, 1));
    pay(bill, 20, localMoment(2016, 3, 1));
    pay(bill, 30, localMoment(2016, 3, 5));
    QVariantList payments = newestFirst(bill);
    const QString reversed = payments.first().toMap().value(PaymentKeys::PaymentID).toString();
    ASSERT_TRUE(reverse(bill, payments));
    const QVariantMap after = stored(bill);
    // Marked removed by its id, so that no other device's copy brings it back.
    EXPECT_EQ(after.value(BillKeys::RemovedPaymentIDs).toMap().keys(), QStringList{reversed});
    EXPECT_EQ(after.value(BillKeys::LastPayment).toDateTime(), localMoment(2016, 3, 1));
    EXPECT_EQ(after.value(BillKeys::TotalPaid).toDouble(), 30.0);
    EXPECT_EQ(after.value(BillKeys::Average).toDouble(), 15.0);
    EXPECT_EQ(after.value(BillKeys::DueDate).toDateTime(), localMoment(2016, 3, 22, 9));   // two weeks on, not three
}

TEST_F(PaymentReversalTest, ListThatMissesAPaymentLoggedSinceItWasShownReversesNothing)
{
    const QVariantMap income = with(billDue(QDate(2016, 3, 8), 1, 0), BillKeys::IsIncome, true);
    storeBills({income});
    pay(income, 100, localMoment(2016, 3, 1, 12));
    QVariantList shown = newestFirst(income);
    pay(income, 100, localMoment(2016, 3, 8, 12));   // logged while the list was on screen

    EXPECT_FALSE(reverse(income, shown));
    EXPECT_EQ(shown.size(), 1);
    EXPECT_EQ(storedPayments(income).size(), 2);
    EXPECT_EQ(stored(income).value(BillKeys::TotalPaid).toDouble(), 200.0);
    EXPECT_EQ(stored(income).value(BillKeys::DueDate).toDateTime(), localMoment(2016, 3, 22, 9));
}

TEST_F(PaymentReversalTest, NothingToReverseOrNoSuchBillIsAFailure)
{
    const QVariantMap bill = billDue(QDate(2016, 3, 8), 1, 2);
    storeBills({bill});
    QVariantList none;
    EXPECT_FALSE(reverse(bill, none));
    QVariantList one{QVariantMap{{PaymentKeys::Amount, 1.0}, {PaymentKeys::Date, clock.now()}}};
    EXPECT_FALSE(logger().reverseLastPaymentForBill(BWUIDMaker::makeUID(), one));
    EXPECT_FALSE(logger().reverseLastPaymentForBill(QStringLiteral("../billindex"), one));
    EXPECT_EQ(one.size(), 1);
    EXPECT_EQ(stored(bill).value(BillKeys::DueDate).toDateTime(), localMoment(2016, 3, 8, 9));
}

TEST_F(PaymentReversalTest, EditedListIsStoredWithTotalsFromIt)
{
    const QVariantMap bill = billDue(QDate(2016, 3, 8), 1, 2);
    storeBills({bill});
    pay(bill, 10, localMoment(2016, 2, 1));
    pay(bill, 20, localMoment(2016, 3, 1));
    QVariantList payments = newestFirst(bill);
    QVariantMap edited = payments.at(1).toMap();
    edited.insert(PaymentKeys::Amount, 70.0);
    edited.insert(PaymentKeys::Date, localMoment(2016, 3, 4));
    payments[1] = edited;

    ASSERT_TRUE(logger().savePaymentList(payments, bill.value(BillKeys::Bid).toString()));
    const QVariantMap after = stored(bill);
    const QVariantList storedList = after.value(BillKeys::PaymentList).toList();
    ASSERT_EQ(storedList.size(), 2);
    EXPECT_EQ(storedList.at(1).toMap().value(PaymentKeys::Amount).toDouble(), 70.0);
    EXPECT_EQ(after.value(BillKeys::TotalPaid).toDouble(), 90.0);
    EXPECT_EQ(after.value(BillKeys::Average).toDouble(), 45.0);
    EXPECT_EQ(after.value(BillKeys::LastPayment).toDateTime(), localMoment(2016, 3, 4));
    // The same payment, edited: nothing is removed, and its edit is stamped.
    EXPECT_FALSE(after.contains(BillKeys::RemovedPaymentIDs));
    EXPECT_EQ(storedList.at(1).toMap().value(PaymentKeys::PaymentID), edited.value(PaymentKeys::PaymentID));
    EXPECT_TRUE(storedList.at(1).toMap().contains(PaymentKeys::EditedStamp));
}

TEST_F(PaymentReversalTest, ReceiptIsCopiedIntoTheDataFolderUnderANewId)
{
    const QVariantMap bill = billDue(QDate(2016, 3, 8), 1, 2);
    storeBills({bill});
    const QString chosen = temp.write(QStringLiteral("scans/March bill.pdf"), "%PDF receipt");
    pay(bill, 100, clock.now(), true, chosen);

    const QString receipt = storedPayments(bill).first().toMap().value(PaymentKeys::Receipt).toString();
    const QFileInfo copy(receipt);
    EXPECT_EQ(copy.absolutePath(), QFileInfo(dataFolder()).absoluteFilePath());
    EXPECT_TRUE(BWUIDMaker::isValidUID(copy.completeBaseName()));
    EXPECT_EQ(copy.suffix(), "pdf");
    QFile copied(receipt);
    ASSERT_TRUE(copied.open(QIODevice::ReadOnly));
    EXPECT_EQ(copied.readAll(), "%PDF receipt");
    EXPECT_TRUE(QFileInfo::exists(chosen));   // the chosen file stays where it was
}

TEST_F(PaymentReversalTest, ReceiptWithoutAnExtensionIsNamedByTheIdAlone)
{
    const std::optional<QString> copy = logger().copyAttachment(temp.write(QStringLiteral("receipt"), "r"));
    ASSERT_TRUE(copy);
    EXPECT_TRUE(BWUIDMaker::isValidUID(QFileInfo(*copy).fileName()));
}

TEST_F(PaymentReversalTest, PropertyListReceiptIsNeverCopiedUnderABillFileName)
{
    const QVariantMap bill = billDue(QDate(2016, 3, 8), 1, 2);
    storeBills({bill});
    pay(bill, 10, localMoment(2016, 3, 1), true, temp.write(QStringLiteral("statement.plist"), "<plist/>"));
    QVariantList payments = newestFirst(bill);
    const QString copy = payments.first().toMap().value(PaymentKeys::Receipt).toString();

    const QFileInfo copied(copy);
    EXPECT_TRUE(BWUIDMaker::isValidUID(copied.completeBaseName()));
    EXPECT_EQ(copied.suffix(), "receipt");
    EXPECT_FALSE(QFileInfo::exists(billPath(copied.completeBaseName())));
    // Still known for a receipt copy, so undoing the payment removes it.
    ASSERT_TRUE(reverse(bill, payments));
    EXPECT_FALSE(QFileInfo::exists(copy));

    const std::optional<QString> upperCase = logger().copyAttachment(temp.write(QStringLiteral("old.PLIST"), "x"));
    ASSERT_TRUE(upperCase);
    EXPECT_EQ(QFileInfo(*upperCase).suffix(), "receipt");
}

TEST_F(PaymentReversalTest, ReceiptButtonTitlesAreNoReceipt)
{
    EXPECT_EQ(logger().copyAttachment(QStringLiteral("Attach")), QStringLiteral("Attach"));
    EXPECT_EQ(logger().copyAttachment(QStringLiteral("Attach Receipt")), QStringLiteral("Attach Receipt"));
    EXPECT_EQ(logger().copyAttachment(QString()), QString());
    EXPECT_EQ(BWPaymentLogger::cleanReceiptTitle(QStringLiteral("Attach Receipt")), QString());
    EXPECT_EQ(BWPaymentLogger::cleanReceiptTitle(QStringLiteral("/tmp/a.pdf")), QStringLiteral("/tmp/a.pdf"));
    EXPECT_EQ(BWPaymentLogger::reverseCleanReceiptTitleWithString(QString()), QStringLiteral("Attach"));
    EXPECT_EQ(BWPaymentLogger::reverseCleanReceiptTitleWithString(QStringLiteral("/tmp/a.pdf")),
              QStringLiteral("/tmp/a.pdf"));
    EXPECT_EQ(BWPaymentLogger::resetTitleForReceiptButton(1), QStringLiteral("Attach Receipt"));
    EXPECT_EQ(BWPaymentLogger::resetTitleForReceiptButton(2), QStringLiteral("Attach"));
    EXPECT_EQ(BWPaymentLogger::resetTitleForReceiptButton(0), QString());
}

TEST_F(PaymentReversalTest, ReceiptThatCantBeCopiedStopsThePayment)
{
    const QVariantMap bill = billDue(QDate(2016, 3, 8), 1, 2);
    const QVariantMap loaded = storeAndLoad(bill);
    EXPECT_FALSE(logger().recordPayment(payment(100, clock.now(), QStringLiteral("Paid"), temp.file("gone.pdf")),
                                        loaded));
    EXPECT_FALSE(logger().recordPayment(payment(100, clock.now(), QStringLiteral("Paid"), temp.path()), loaded));
    EXPECT_TRUE(storedPayments(bill).isEmpty());
    EXPECT_EQ(stored(bill).value(BillKeys::DueDate).toDateTime(), localMoment(2016, 3, 8, 9));
}

TEST_F(PaymentReversalTest, ReversalRemovesItsReceiptCopyButNothingOutsideTheDataFolder)
{
    const QVariantMap bill = billDue(QDate(2016, 3, 8), 1, 2);
    storeBills({bill});
    pay(bill, 10, localMoment(2016, 3, 1), true, temp.write(QStringLiteral("first.png"), "1"));
    pay(bill, 20, localMoment(2016, 3, 8), true, temp.write(QStringLiteral("second.png"), "2"));
    QVariantList payments = newestFirst(bill);
    const QString newestCopy = payments.at(0).toMap().value(PaymentKeys::Receipt).toString();
    const QString olderCopy = payments.at(1).toMap().value(PaymentKeys::Receipt).toString();
    ASSERT_TRUE(QFileInfo::exists(newestCopy));

    ASSERT_TRUE(reverse(bill, payments));
    EXPECT_FALSE(QFileInfo::exists(newestCopy));
    EXPECT_TRUE(QFileInfo::exists(olderCopy));

}

TEST_F(PaymentReversalTest, ReceiptPathsThatAreNoReceiptCopiesAreNeverRemoved)
{
    QVariantMap bill = billDue(QDate(2016, 3, 8), 1, 2);
    const QVariantMap neighbour = billDue(QDate(2016, 3, 9), 1, 2);
    const QString elsewhere = temp.write(QStringLiteral("keep/%1.png").arg(BWUIDMaker::makeUID()), "x");
    const QString neighbourFile = billPath(neighbour.value(BillKeys::Bid).toString());
    QVariantList payments;
    for (const QString& receipt : {elsewhere, neighbourFile, indexPath()})
        payments.append(QVariantMap{{PaymentKeys::Amount, 1.0}, {PaymentKeys::Date, clock.now()},
                                    {PaymentKeys::Receipt, receipt}});
    bill.insert(BillKeys::PaymentList, payments);
    storeBills({bill, neighbour});

    for (int i = 0; i < 3; ++i)
        ASSERT_TRUE(reverse(bill, payments));
    EXPECT_TRUE(QFileInfo::exists(elsewhere));
    EXPECT_TRUE(QFileInfo::exists(neighbourFile));
    EXPECT_TRUE(QFileInfo::exists(indexPath()));
}

TEST_F(PaymentLoggerTest, PaymentSoundFollowsTheUsersChoice)
{
    const BWPaymentLogger l = logger();
    defaults.setBool(QStringLiteral("BRWPlayInterfaceSounds"), true);
    const QStringList fixed{QStringLiteral("trumpetnew"), QStringLiteral("rings"), QStringLiteral("swell"),
                            QStringLiteral("cheers")};
    for (qlonglong choice = 0; choice < fixed.size(); ++choice) {
        defaults.setInteger(QStringLiteral("BRWWhichSoundEffect"), choice);
        EXPECT_EQ(l.getSpecifiedSound(), fixed.at(choice));
    }
    defaults.setInteger(QStringLiteral("BRWWhichSoundEffect"), 4);
    EXPECT_TRUE(CheeringSounds.contains(l.getSpecifiedSound()));
    for (qlonglong none : {5, -1, 99}) {
        defaults.setInteger(QStringLiteral("BRWWhichSoundEffect"), none);
        EXPECT_EQ(l.getSpecifiedSound(), QString()) << none;
    }
    defaults.setInteger(QStringLiteral("BRWWhichSoundEffect"), 0);
    defaults.setBool(QStringLiteral("BRWPlayInterfaceSounds"), false);
    EXPECT_EQ(l.getSpecifiedSound(), QString());
}

TEST_F(PaymentLoggerTest, RandomSoundDrawsEveryCheeringSound)
{
    QRandomGenerator generator(2016);
    QSet<QString> drawn;
    for (int i = 0; i < 200; ++i)
        drawn.insert(BWPaymentLogger::randomSound(&generator));
    EXPECT_EQ(drawn, CheeringSounds);
}

TEST_F(PaymentLoggerTest, PlaysTheChosenSoundOrNothing)
{
    RecordingSoundPlayer player;
    defaults.setBool(QStringLiteral("BRWPlayInterfaceSounds"), true);
    defaults.setInteger(QStringLiteral("BRWWhichSoundEffect"), 3);
    EXPECT_EQ(logger().playSpecifiedSound(player), QStringLiteral("cheers"));
    defaults.setInteger(QStringLiteral("BRWWhichSoundEffect"), 5);
    EXPECT_EQ(logger().playSpecifiedSound(player), QString());
    EXPECT_EQ(player.played, QStringList{QStringLiteral("cheers")});
}

TEST_F(PaymentReversalTest, UndoingThePaymentThatArchivedAOneTimeItemBringsItBack)
{
    ASSERT_TRUE(defaults.setBool(BWDefaultsKeys::BWShouldAutoArchiveBills, true));
    const QVariantMap bill = with(billDue(QDate(2016, 3, 8), 0, 4), BillKeys::RemindMe, true);
    storeBills({bill});
    pay(bill, 100, localMoment(2016, 3, 8, 12));
    ASSERT_TRUE(stored(bill).value(BillKeys::IsArchived).toBool());
    ASSERT_FALSE(stored(bill).value(BillKeys::RemindMe).toBool());

    QVariantList payments = newestFirst(bill);
    ASSERT_TRUE(reverse(bill, payments));
    const QVariantMap after = stored(bill);
    EXPECT_FALSE(after.value(BillKeys::IsArchived).toBool());
    EXPECT_TRUE(after.value(BillKeys::RemindMe).toBool());
    EXPECT_EQ(after.value(BillKeys::DueDate).toDateTime().toLocalTime().date(), QDate(2016, 3, 8));
}
