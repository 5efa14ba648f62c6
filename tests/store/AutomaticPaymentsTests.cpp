// The one step that logs payments without the user: due automatic bills and
// due income items.
#include "PaymentLoggerTestFixture.h"
#include "store/BWAutomaticPayments.h"
#include "store/RepeatUnit.h"

#include <QTest>

#include <optional>

namespace {

const QString AutoLoggedNote = QStringLiteral("Auto-logged by Orvane");

class AutomaticPaymentsTest : public PaymentLoggerTest
{
protected:
    AutomaticPaymentsTest()
    {
        defaults.setBool(BWDefaultsKeys::BWShouldAutoLogPayments, true);
        defaults.setBool(BWDefaultsKeys::BW_ShouldAutoLogIncome, true);
    }

    BWAutomaticPayments step() const { return BWAutomaticPayments(env); }

    static QVariantMap automaticDue(const QDate& day, qlonglong count = 1, qlonglong unit = 2)
    {
        return with(billDue(day, count, unit), BillKeys::PayType, qlonglong(AutomaticPayType));
    }
    static QVariantMap incomeDue(const QDate& day, qlonglong count = 1, qlonglong unit = 2)
    {
        return with(with(billDue(day, count, unit), BillKeys::IsIncome, true), BillKeys::Amount, 2500.0);
    }
    static QString idOf(const QVariantMap& item) { return item.value(BillKeys::Bid).toString(); }
    QList<QDate> paidDays(const QVariantMap& item) const
    {
        QList<QDate> days;
        for (const QVariant& payment : storedPayments(item))
            days.append(localDay(payment.toMap().value(PaymentKeys::Date).toDateTime()));
        return days;
    }
    QDate storedDueDay(const QVariantMap& item) const
    {
        return localDay(stored(item).value(BillKeys::DueDate).toDateTime());
    }
};

}  // namespace

TEST_F(AutomaticPaymentsTest, DueItemsArePaidOnTheirDueDateAndMoveOn)
{
    const QVariantMap phone = automaticDue(QDate(2016, 3, 1));
    const QVariantMap salary = incomeDue(QDate(2016, 3, 8));   // due today
    storeBills({phone, salary});

    EXPECT_EQ(step().logDuePayments(), QStringList({idOf(phone), idOf(salary)}));

    for (const QVariantMap& item : {phone, salary}) {
        ASSERT_EQ(storedPayments(item).size(), 1);
        const QVariantMap paid = storedPayments(item).last().toMap();
        EXPECT_EQ(paid.value(PaymentKeys::Date).toDateTime(), item.value(BillKeys::DueDate).toDateTime());
        EXPECT_EQ(paid.value(PaymentKeys::Amount).toDouble(), item.value(BillKeys::Amount).toDouble());
        EXPECT_EQ(paid.value(PaymentKeys::Note).toString(), AutoLoggedNote);
        EXPECT_EQ(paid.value(PaymentKeys::Receipt).toString(), QString());
    }
    EXPECT_EQ(storedDueDay(phone), QDate(2016, 4, 1));
    EXPECT_EQ(storedDueDay(salary), QDate(2016, 4, 8));
    EXPECT_TRUE(step().logDuePayments().isEmpty());
}

TEST_F(AutomaticPaymentsTest, ItemsSeveralDatesBehindCatchUpInOneRun)
{
    const QVariantMap wages = incomeDue(QDate(2016, 2, 27), 1, 0);     // weekly, ten days behind
    const QVariantMap phone = automaticDue(QDate(2016, 1, 20));        // monthly, two months behind
    storeBills({wages, phone});

    EXPECT_EQ(step().logDuePayments(), QStringList({idOf(wages), idOf(phone)}));

    EXPECT_EQ(paidDays(wages), (QList<QDate>{QDate(2016, 2, 27), QDate(2016, 3, 5)}));
    EXPECT_EQ(storedDueDay(wages), QDate(2016, 3, 12));
    EXPECT_EQ(paidDays(phone), (QList<QDate>{QDate(2016, 1, 20), QDate(2016, 2, 20)}));
    EXPECT_EQ(storedDueDay(phone), QDate(2016, 3, 20));
}

TEST_F(AutomaticPaymentsTest, ItemsThatDontLogThemselvesAreLeftAlone)
{
    struct Case {
        const char* item;
        QVariantMap stored;
        QString switchedOff;   // a setting turned off for this case, or ""
    };
    const QList<Case> cases = {
        {"bill paid online", billDue(QDate(2016, 3, 1), 1, 2), ""},
        {"automatic bill due tomorrow", automaticDue(QDate(2016, 3, 9)), ""},
        {"automatic bill without an amount", with(automaticDue(QDate(2016, 3, 1)), BillKeys::Amount, 0.0), ""},
        {"archived income", with(incomeDue(QDate(2016, 3, 1)), BillKeys::IsArchived, true), ""},
        {"automatic bill, automatic logging off", automaticDue(QDate(2016, 3, 1)),
         BWDefaultsKeys::BWShouldAutoLogPayments},
        {"income, income auto-logging off", incomeDue(QDate(2016, 3, 1)), BWDefaultsKeys::BW_ShouldAutoLogIncome},
        {"automatic bill every 0 months", automaticDue(QDate(2016, 3, 1), 0, 2), ""},
        {"income every 0 days", incomeDue(QDate(2016, 3, 7), 0, 3), ""},
        {"income of an unknown rule", incomeDue(QDate(2016, 3, 7), 1, 9), ""},
        {"automatic bill whose rule moves back", automaticDue(QDate(2016, 3, 7), -1, 0), ""},
        {"income with a payment on its date already",
         with(incomeDue(QDate(2016, 3, 7)), BillKeys::PaymentList,
              QVariantList{QVariantMap{{PaymentKeys::Amount, 2500.0}, {PaymentKeys::Date, localMoment(2016, 3, 7, 9)},
                                       {PaymentKeys::Note, QString()}, {PaymentKeys::Receipt, QString()}}}),
         ""},
    };
    for (const Case& c : cases) {
        defaults.setBool(BWDefaultsKeys::BWShouldAutoLogPayments, true);
        defaults.setBool(BWDefaultsKeys::BW_ShouldAutoLogIncome, true);
        if (!c.switchedOff.isEmpty())
            defaults.setBool(c.switchedOff, false);
        storeBills({c.stored});
        const QVariantMap before = stored(c.stored);
        for (int look = 0; look < 3; ++look)
            EXPECT_TRUE(step().logDuePayments().isEmpty()) << c.item;
        EXPECT_EQ(stored(c.stored), before) << c.item;
    }
}

// A bill shown due on the Friday before its Sunday is paid on the Sunday,
// once that has come: no payment is dated after today.
TEST_F(AutomaticPaymentsTest, WeekendShiftedBillIsLoggedOnceItsStoredDateHasComeAndPaidOnIt)
{
    defaults.setInteger(BWDefaultsKeys::BWAvoidWeekends, 1);
    clock.setNow(localMoment(2016, 3, 4, 10));   // Friday; the bill is shown due today
    const QVariantMap phone = automaticDue(QDate(2016, 3, 6));   // Sunday
    storeBills({phone});
    EXPECT_TRUE(step().logDuePayments().isEmpty());
    EXPECT_TRUE(paidDays(phone).isEmpty());

    clock.setNow(localMoment(2016, 3, 6, 10));
    EXPECT_EQ(step().logDuePayments(), QStringList({idOf(phone)}));
    EXPECT_EQ(paidDays(phone), QList<QDate>({QDate(2016, 3, 6)}));
    EXPECT_EQ(storedDueDay(phone), QDate(2016, 4, 6));
}

// A vacation shows every bill due within it on the day before it starts.
// The step logs only what fell due by its stored date, never a payment
// dated after today, however far the vacation runs.
TEST_F(AutomaticPaymentsTest, AVacationLogsNoPaymentOfADayStillAhead)
{
    struct Case
    {
        const char* name;
        QDate vacationStart, vacationEnd;
        QVariantMap item;
        QList<QDate> paid;
    };
    const QDate today(2016, 3, 8);
    const QList<Case> cases = {
        {"monthly bill due within a three-month vacation",
         today,
         today.addMonths(3),
         automaticDue(today.addDays(5)),
         {}},
        {"weekly income within a six-week vacation", today, today.addDays(42), incomeDue(today.addDays(2), 1, 0), {}},
        {"bill due yesterday, before the vacation",
         today,
         today.addMonths(3),
         automaticDue(today.addDays(-1)),
         {today.addDays(-1)}},
        {"bill due today, within the vacation", today, today.addDays(10), automaticDue(today), {today}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        defaults.setBool(BWDefaultsKeys::ShouldAllowHolidayAdjustments, true);
        defaults.setBool(BWDefaultsKeys::VacationEnabled, true);
        defaults.setObject(BWDefaultsKeys::VacationStartDate, c.vacationStart.startOfDay());
        defaults.setObject(BWDefaultsKeys::VacationEndTime, QDateTime(c.vacationEnd, QTime(23, 59, 59)));
        storeBills({c.item});
        step().logDuePayments();
        EXPECT_EQ(paidDays(c.item), c.paid);
        EXPECT_GT(storedDueDay(c.item), today);
    }
}

// A list may be older than the files and show an item more than once (its
// further occurrences of the month): each item is paid once, as stored.
TEST_F(AutomaticPaymentsTest, OnePassLogsEachItemOnceFromItsStoredRecord)
{
    const QVariantMap phone = automaticDue(QDate(2016, 1, 20));
    storeBills({phone});

    EXPECT_EQ(step().logDuePaymentsOnce({idOf(phone), idOf(phone)}), QStringList({idOf(phone)}));
    EXPECT_EQ(paidDays(phone), QList<QDate>({QDate(2016, 1, 20)}));
    EXPECT_EQ(step().logDuePaymentsOnce({idOf(phone)}), QStringList({idOf(phone)}));
    EXPECT_EQ(paidDays(phone), (QList<QDate>{QDate(2016, 1, 20), QDate(2016, 2, 20)}));
    EXPECT_TRUE(step().logDuePaymentsOnce({idOf(phone)}).isEmpty());
}

// The items due are found on a worker, which logs nothing; logging only the
// candidates found, or the one item just saved, leaves the others as they are.
TEST_F(AutomaticPaymentsTest, DueItemsFoundOnAWorkerAreTheOnesALookLogs)
{
    const QVariantMap phone = automaticDue(QDate(2016, 1, 20));
    const QVariantMap salary = incomeDue(QDate(2016, 3, 8));
    const QVariantMap water = automaticDue(QDate(2016, 3, 9));  // tomorrow
    const QVariantMap rent = billDue(QDate(2016, 3, 1), 1, 2);  // paid by hand
    storeBills({phone, salary, water, rent});

    QObject context;
    std::optional<QStringList> found;
    BWAutomaticPayments::findDueItems(env, &context, [&found](const QStringList& due) { found = due; });
    ASSERT_TRUE(QTest::qWaitFor([&found] { return found.has_value(); }, 30000));
    EXPECT_EQ(*found, QStringList({idOf(phone), idOf(salary)}));
    EXPECT_TRUE(storedPayments(phone).isEmpty()) << "looking logs nothing";

    EXPECT_EQ(step().logDuePayments({idOf(phone)}), QStringList{idOf(phone)});
    EXPECT_EQ(paidDays(phone), (QList<QDate>{QDate(2016, 1, 20), QDate(2016, 2, 20)})) << "caught up";
    EXPECT_TRUE(storedPayments(salary).isEmpty());
    EXPECT_EQ(step().logDuePayments({idOf(water), idOf(rent)}), QStringList());
}

// Logging without the user has one rule; the payment logger's test of a
// listed record and the step that logs follow it for every kind of item under
// every setting of the two switches.
TEST_F(AutomaticPaymentsTest, EveryPlaceThatLogsWithoutTheUserFollowsOneRule)
{
    struct Case
    {
        const char* item;
        QVariantMap stored;
        bool ripe;  // due date come, rule moving on, no payment on the date
    };
    const QList<Case> cases = {
        {"automatic bill", automaticDue(QDate(2016, 3, 1)), true},
        {"automatic bill without an amount", with(automaticDue(QDate(2016, 3, 1)), BillKeys::Amount, 0.0), true},
        {"bill paid online", billDue(QDate(2016, 3, 1), 1, 2), true},
        {"income", incomeDue(QDate(2016, 3, 1)), true},
        {"income without an amount", with(incomeDue(QDate(2016, 3, 1)), BillKeys::Amount, 0.0), true},
        {"income due tomorrow", incomeDue(QDate(2016, 3, 9)), false},
        {"automatic bill every 0 months", automaticDue(QDate(2016, 3, 1), 0, 2), false},
    };
    // The model: which items log themselves at all, then whether one is ripe.
    const auto logs = [](const QVariantMap& item, BWAutomaticPayments::Switches switches) {
        if (item.value(BillKeys::IsIncome).toBool())
            return switches.income;
        return switches.automaticBills && item.value(BillKeys::PayType).toLongLong() == AutomaticPayType
               && item.value(BillKeys::Amount).toDouble() != 0.0;
    };
    for (const Case& c : cases) {
        for (const bool bills : {false, true}) {
            for (const bool income : {false, true}) {
                const BWAutomaticPayments::Switches switches{bills, income};
                const bool expected = c.ripe && logs(c.stored, switches);
                const QString what = QStringLiteral("%1, bills %2, income %3").arg(c.item).arg(bills).arg(income);
                const QVariantMap loaded = storeAndLoad(c.stored);

                EXPECT_EQ(step().isDue(loaded, switches), expected) << qPrintable(what);
                if (bills) {
                    EXPECT_EQ(logger().checkIfBillShouldSilentlyLog(loaded, income), expected) << qPrintable(what);
                }
                defaults.setBool(BWDefaultsKeys::BWShouldAutoLogPayments, bills);
                defaults.setBool(BWDefaultsKeys::BW_ShouldAutoLogIncome, income);
                EXPECT_EQ(step().isDue(loaded), expected) << qPrintable(what);
                EXPECT_EQ(!step().logDuePaymentsOnce({idOf(c.stored)}).isEmpty(), expected) << qPrintable(what);
            }
        }
    }
}
