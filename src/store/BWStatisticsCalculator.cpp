#include "store/BWStatisticsCalculator.h"

#include <QSet>

#include <QCoreApplication>
#include <QLocale>
#include <algorithm>
#include <cmath>

#include "platform/Clock.h"
#include "platform/DateTemplate.h"
#include "platform/UserDefaults.h"
#include "store/BWBillRecordKeys.h"
#include "store/BWBillsLoader.h"
#include "store/BWDefaultsKeys.h"
#include "store/BWForecastViewCalculations.h"
#include "store/RepeatUnit.h"

namespace {

bool inSouthernHemisphere()
{
    const QLocale::Territory territory = QLocale().territory();
    return territory == QLocale::Australia || territory == QLocale::NewZealand;
}

QVariantList paymentsOf(const QVariantMap& bill)
{
    return bill.value(BillKeys::PaymentList).toList();
}

double amountOf(const QVariantMap& payment)
{
    return payment.value(PaymentKeys::Amount).toDouble();
}

}  // namespace

BWStatisticsCalculator::BWStatisticsCalculator(const BWStoreEnvironment& env)
    : m_env(env)
    , m_loader(env)
{
}

QDateTime BWStatisticsCalculator::now() const
{
    return m_env.clock ? m_env.clock->now() : QDateTime::currentDateTime();
}

// ---- Bills in a due window ----

BWStatisticsCalculator::CountAndAmount
BWStatisticsCalculator::countAndAmountofBillsDueSoonForData(const QVariantList& bills) const
{
    return countAndAmountInWindow(bills, Window::DueSoon);
}

BWStatisticsCalculator::CountAndAmount
BWStatisticsCalculator::countAndAmountofBillsDueLaterForData(const QVariantList& bills) const
{
    return countAndAmountInWindow(bills, Window::DueThisMonth);
}

BWStatisticsCalculator::CountAndAmount
BWStatisticsCalculator::countAndAmountofBillsDueExcludingOverdueSoonForData(const QVariantList& bills) const
{
    return countAndAmountInWindow(bills, Window::DueSoonNotOverdue);
}

BWStatisticsCalculator::CountAndAmount
BWStatisticsCalculator::countAndAmountofBillsOverdueSoonForData(const QVariantList& bills) const
{
    return countAndAmountInWindow(bills, Window::Overdue);
}

BWStatisticsCalculator::CountAndAmount BWStatisticsCalculator::countAndAmountInWindow(const QVariantList& bills,
                                                                                      Window window) const
{
    const bool leaveOutAutomatic = m_env.defaults && m_env.defaults->boolForKey(BWDefaultsKeys::BWDontCountAuto);
    const bool mayEstimate = window == Window::DueSoon || window == Window::DueThisMonth;
    CountAndAmount result;
    QSet<QString> counted;
    for (const QVariant& entry : bills) {
        const QVariantMap bill = entry.toMap();
        if (!isCountedInWindow(bill, window, leaveOutAutomatic))
            continue;
        const QString billID = bill.value(BillKeys::Bid).toString();
        if (billID.isEmpty() || !counted.contains(billID))
            ++result.count;
        counted.insert(billID);
        result.amount += amountExpected(bill, mayEstimate);
    }
    return result;
}

bool BWStatisticsCalculator::isCountedInWindow(const QVariantMap& bill, Window window, bool leaveOutAutomatic) const
{
    return !bill.value(BillKeys::IsIncome).toBool() && inWindow(bill.value(BillKeys::DueDate).toDateTime(), window)
           && !(leaveOutAutomatic && bill.value(BillKeys::PayType).toLongLong() == AutomaticPayType);
}

bool BWStatisticsCalculator::countsAsDueSoon(const QVariantMap& bill) const
{
    const bool leaveOutAutomatic = m_env.defaults && m_env.defaults->boolForKey(BWDefaultsKeys::BWDontCountAuto);
    return isCountedInWindow(bill, Window::DueSoon, leaveOutAutomatic);
}

// Overdue is what the red due dot says, from now: an automatic bill has a dot
// of its own and is never marked overdue.
bool BWStatisticsCalculator::isOverdue(const QVariantMap& bill) const
{
    const QDateTime dueDate = bill.value(BillKeys::DueDate).toDateTime();
    if (!dueDate.isValid())
        return false;
    return m_loader.createDueIcon(m_loader.createSortableDueDate(dueDate, now()),
                                  bill.value(BillKeys::PayType).toLongLong())
           == QStringLiteral("red5.png");
}

bool BWStatisticsCalculator::inWindow(const QDateTime& dueDate, Window window) const
{
    if (!dueDate.isValid())
        return false;
    const qlonglong days = m_loader.getDaysApart(dueDate, now());
    const qlonglong dueSoonDays = m_env.defaults ? m_env.defaults->integerForKey(BWDefaultsKeys::BWDueSoonDays) : 0;
    switch (window) {
    case Window::DueSoon: return days <= dueSoonDays;
    case Window::DueThisMonth: return m_loader.isDueDate(dueDate, now());
    case Window::DueSoonNotOverdue: return days >= 0 && days <= dueSoonDays;
    case Window::Overdue: break;
    }
    return days < 0;
}

double BWStatisticsCalculator::amountExpected(const QVariantMap& bill, bool mayEstimate) const
{
    if (mayEstimate && m_env.defaults && m_env.defaults->boolForKey(BWDefaultsKeys::BWUseIntelligenceEstimates)) {
        const double estimate = BWForecastViewCalculations(m_env).calculateInteligentAmountForBill(bill, 0);
        if (std::trunc(estimate) != 0)
            return estimate;
    }
    return m_loader.getEstimatedAmountDueForBill(bill).toDouble();
}

// ---- One bill ----

BWStatisticsCalculator::HighestAndLowest BWStatisticsCalculator::highestAndLowestPaymentForBill(
    const QVariantMap& bill) const
{
    QVariantList payments = paymentsOf(bill);
    if (payments.isEmpty()) {
        const QVariantMap none{{PaymentKeys::Amount, qlonglong(0)},
                               {PaymentKeys::Date,
                                QCoreApplication::translate("BWStatisticsCalculator", "No Payments Yet")}};
        return {none, none};
    }
    std::stable_sort(payments.begin(), payments.end(), [](const QVariant& a, const QVariant& b) {
        return amountOf(a.toMap()) < amountOf(b.toMap());
    });
    return {payments.constLast().toMap(), payments.constFirst().toMap()};
}

BWStatisticsCalculator::Totals BWStatisticsCalculator::totalsForBill(const QVariantMap& bill) const
{
    const int thisYear = now().toLocalTime().date().year();
    const bool south = inSouthernHemisphere();
    Totals totals;
    for (const QVariant& entry : paymentsOf(bill)) {
        const QVariantMap payment = entry.toMap();
        const double amount = amountOf(payment);
        totals.total += amount;
        const QDateTime paidOn = payment.value(PaymentKeys::Date).toDateTime();
        if (!paidOn.isValid())
            continue;
        const QDate day = paidOn.toLocalTime().date();
        if (day.year() == thisYear)
            totals.totalThisYear += amount;
        else if (day.year() == thisYear - 1)
            totals.totalLastYear += amount;
        seasonTotal(totals, day.month(), south) += amount;
    }
    totals.thisYearString = QString::number(thisYear);
    totals.lastYearString = QString::number(thisYear - 1);
    const QList<int> heights = calculateRelativeHeightsForGraphs({totals.totalThisYear, totals.totalLastYear});
    totals.thisYearHeight = heights.at(0);
    totals.lastYearHeight = heights.at(1);
    return totals;
}

// In the south the seasons come half a year later in the calendar: a
// payment in February is filed as summer there.
double& BWStatisticsCalculator::seasonTotal(Totals& totals, int month, bool southernHemisphere)
{
    const int filedAs = southernHemisphere ? (month + 5) % 12 + 1 : month;
    if (isEqualToWinter(filedAs))
        return totals.totalWinter;
    if (isEqualToSpring(filedAs))
        return totals.totalSpring;
    if (isEqualToSummer(filedAs))
        return totals.totalSummer;
    return totals.totalFall;
}

QString BWStatisticsCalculator::createStringWithDate(const QDateTime& date) const
{
    return DateTemplate::format(date, QStringLiteral("EEEMMMdyyyy"));
}

// ---- Graphs ----

QList<int> BWStatisticsCalculator::calculateRelativeHeightsForGraphs(const QList<double>& values)
{
    const double largest = values.isEmpty() ? 0.0 : *std::max_element(values.cbegin(), values.cend());
    QList<int> heights;
    for (double value : values) {
        const double percent = largest > 0 ? std::trunc(value * 100.0 / largest) : 0.0;
        heights.append(percent > 0 ? int(std::min(percent, 100.0)) : 0);
    }
    return heights;
}

double BWStatisticsCalculator::balanceGraphSizeWithMaxWidth(int maxWidth, double totalPaid, double balance)
{
    const double width = std::max(0, maxWidth);
    const double whole = totalPaid + balance;
    if (totalPaid == 0 || whole == 0)
        return width;
    return std::clamp(width * totalPaid / whole, 0.0, width);
}

bool BWStatisticsCalculator::isEqualToWinter(int month)
{
    return month >= 1 && month <= 3;
}

bool BWStatisticsCalculator::isEqualToSpring(int month)
{
    return month >= 4 && month <= 6;
}

bool BWStatisticsCalculator::isEqualToSummer(int month)
{
    return month >= 7 && month <= 9;
}

bool BWStatisticsCalculator::isEqualToFall(int month)
{
    return month >= 10 && month <= 12;
}
