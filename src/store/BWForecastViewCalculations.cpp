#include "store/BWForecastViewCalculations.h"

#include <QSet>
#include <algorithm>
#include <array>
#include <cmath>

#include "platform/Clock.h"
#include "platform/Log.h"
#include "platform/UserDefaults.h"
#include "store/BWBill.h"
#include "store/BWBillRecordKeys.h"
#include "store/BWBillsLoader.h"
#include "store/BWCalendarMonth.h"
#include "store/BWDefaultsKeys.h"
#include "store/BWPaymentLogger.h"
#include "store/RepeatUnit.h"

namespace {

// The estimate of a bill that is not a utility looks at this many payments.
constexpr int kRecentPaymentsForEstimate = 4;

// The months, counted back from the month estimated, whose payments a utility
// estimate takes: the month itself, the month before, the same month one and
// two years back and its neighbours one year back.
constexpr std::array<int, 6> kUtilitySampleMonthsBack{0, 12, 1, 11, 13, 24};

// The report covers this year and the two before it.
constexpr int kReportYears = 3;

QVariantList paymentsNewestFirst(const QVariantMap& bill)
{
    QVariantList payments = bill.value(BillKeys::PaymentList).toList();
    std::stable_sort(payments.begin(), payments.end(), [](const QVariant& a, const QVariant& b) {
        return a.toMap().value(PaymentKeys::Date).toDateTime() > b.toMap().value(PaymentKeys::Date).toDateTime();
    });
    return payments;
}

double amountOf(const QVariant& payment)
{
    return payment.toMap().value(PaymentKeys::Amount).toDouble();
}

struct Sample {
    double sum = 0;
    int count = 0;
    // The mean, or 0 when there is nothing to average.
    double mean() const { return count > 0 && sum != 0 ? sum / count : 0.0; }
};

Sample newestPayments(const QVariantList& newestFirst)
{
    Sample sample;
    for (const QVariant& payment : newestFirst.mid(0, kRecentPaymentsForEstimate)) {
        sample.sum += amountOf(payment);
        ++sample.count;
    }
    return sample;
}

Sample paymentsInUtilityMonths(const QVariantList& payments, BWCalendarMonth target)
{
    QSet<int> months;
    for (int back : kUtilitySampleMonthsBack)
        months.insert(target.plusMonths(-back).count);
    Sample sample;
    for (const QVariant& payment : payments) {
        const QDateTime paidOn = payment.toMap().value(PaymentKeys::Date).toDateTime();
        if (paidOn.isValid() && months.contains(BWCalendarMonth::of(paidOn).count)) {
            sample.sum += amountOf(payment);
            ++sample.count;
        }
    }
    return sample;
}

// A bill's Repeat pair; a missing or short pair reads as [0, 0].
struct RepeatRule {
    qlonglong count = 0;
    qlonglong unit = 0;
};

RepeatRule repeatOf(const QVariantMap& bill)
{
    const QVariantList pair = bill.value(BillKeys::Repeat).toList();
    return {pair.value(0).toLongLong(), pair.value(1).toLongLong()};
}

// Estimated-tax dates come four times a year.
constexpr double kEstimatedTaxDatesPerYear = 4.0;

QString monthTitle(const QDate& day)
{
    return QStringLiteral("%1 %2").arg(BWForecastViewCalculations::monthStringForMonthInteger(day.month()))
        .arg(day.year());
}

// Records of a list that are bills, each Bid once: extra occurrences of an
// item share its Bid, and the first one stands for it.
QList<QVariantMap> billsOncePerBid(const QVariantList& records)
{
    QSet<QString> seen;
    QList<QVariantMap> bills;
    for (const QVariant& entry : records) {
        const QVariantMap record = entry.toMap();
        const QString billID = record.value(BillKeys::Bid).toString();
        if (!billID.isEmpty()) {
            if (seen.contains(billID))
                continue;
            seen.insert(billID);
        }
        if (!record.value(BillKeys::IsIncome).toBool())
            bills.append(record);
    }
    return bills;
}

}  // namespace

BWForecastViewCalculations::BWForecastViewCalculations(const BWStoreEnvironment& env)
    : m_env(env)
{
}

QDateTime BWForecastViewCalculations::now() const
{
    return m_env.clock ? m_env.clock->now() : QDateTime::currentDateTime();
}

double BWForecastViewCalculations::calculateInteligentAmountForBill(const QVariantMap& bill, int monthIndex) const
{
    if (!bill.value(BillKeys::AmountVaries).toBool())
        return 0.0;
    const QDateTime reference = bill.contains(ForecastKeys::OriginalDueDate)
                                    ? bill.value(ForecastKeys::OriginalDueDate).toDateTime()
                                    : bill.value(BillKeys::DueDate).toDateTime();
    const BWCalendarMonth target = BWCalendarMonth::of(getDateForSelectedIndex(monthIndex));
    const double storedAmount = bill.value(BillKeys::Amount).toDouble();
    if (reference.isValid() && BWCalendarMonth::of(reference) == target && storedAmount != 0)
        return storedAmount;

    const QVariantList payments = paymentsNewestFirst(bill);
    if (!isUtility(BWBill::convertIconName(bill.value(BillKeys::Icon).toString())))
        return newestPayments(payments).mean();

    const Sample sample = paymentsInUtilityMonths(payments, target);
    Log::line(QStringLiteral("Estimated Amount For %1: %2 with sample size: %3")
                  .arg(bill.value(BillKeys::Name).toString())
                  .arg(sample.mean(), 0, 'f', 6)
                  .arg(sample.count));
    return sample.mean();
}

bool BWForecastViewCalculations::isUtility(const QString& iconName)
{
    static const QStringList utilities{QStringLiteral("GScale_Power"), QStringLiteral("GScale_Gas"),
                                       QStringLiteral("GScale_Trash"), QStringLiteral("GScale_Water")};
    return utilities.contains(iconName);
}

bool BWForecastViewCalculations::isCreditCard(const QString& iconName)
{
    return iconName == QStringLiteral("GScale_CreditCard");
}

// ---- Forecast of a month ----

bool BWForecastViewCalculations::doesBillRepeatLessOftenThanOncePerMonth(const QVariantMap& bill)
{
    const RepeatRule rule = repeatOf(bill);
    return rule.unit == qlonglong(RepeatUnit::EstimatedTaxDates)
           || (rule.unit == qlonglong(RepeatUnit::Months) && rule.count >= 2);
}

bool BWForecastViewCalculations::setsMoneyAside(const QVariantMap& record)
{
    return !record.value(BillKeys::IsIncome).toBool() && doesBillRepeatLessOftenThanOncePerMonth(record);
}

bool BWForecastViewCalculations::isSaveRow(const QVariantMap& row)
{
    return row.value(ForecastKeys::IsFutureBill).toLongLong() == 1;
}

bool BWForecastViewCalculations::doesBillRepeatMultipleTimesInOneMonth(const QVariantMap& bill)
{
    const qlonglong unit = repeatOf(bill).unit;
    return unit == qlonglong(RepeatUnit::Weeks) || unit == qlonglong(RepeatUnit::TwicePerMonth)
           || unit == qlonglong(RepeatUnit::Days);
}

// A bill due every n months needs amount / n put aside each month; sharing
// by whole periods per year instead (12 / n) would put aside too little for
// 5 months and nothing from 13 months on.
QVariantMap BWForecastViewCalculations::billWithAmountToSaveAdded(QVariantMap bill, int monthIndex,
                                                                  bool inCurrentMonth) const
{
    const RepeatRule rule = repeatOf(bill);
    double amount = bill.value(BillKeys::Amount).toDouble();
    if (amount == 0)
        amount = calculateInteligentAmountForBill(bill, monthIndex);
    const double share = rule.unit == qlonglong(RepeatUnit::EstimatedTaxDates)
                             ? amount * kEstimatedTaxDatesPerYear / 12.0
                             : amount / double(std::max<qlonglong>(rule.count, 1));
    bill.insert(ForecastKeys::SaveAmount, inCurrentMonth ? 0.0 : share);
    if (!inCurrentMonth)
        bill.insert(BillKeys::Amount, 0.0);
    return bill;
}

QVariantList BWForecastViewCalculations::getBillsThatRepeatAgainInCurrentMonthWithOriginalListOfBills(
    const QVariantList& bills) const
{
    const BWBillsLoader loader(m_env);
    QVariantList copies;
    for (const QVariant& entry : bills) {
        const QVariantMap bill = entry.toMap();
        for (const QDateTime& next : furtherDueDatesInMonth(bill)) {
            QVariantMap copy = bill;
            copy.insert(BillKeys::DueDate, next);
            copy.insert(BillKeys::AbsoluteDueDate, next);
            copy.insert(BillKeys::DueString, loader.createDueDateString(next));
            copy.insert(BillKeys::SortableDueDate, loader.createSortableDueDate(next, now()));
            copies.append(copy);
        }
    }
    return copies;
}

// Each step must reach a later day, so the walk ends within the month even
// for a rule that does not move the date (a count of 0).
QList<QDateTime> BWForecastViewCalculations::furtherDueDatesInMonth(const QVariantMap& bill) const
{
    const QDateTime due = bill.value(BillKeys::DueDate).toDateTime();
    if (!due.isValid() || !doesBillRepeatMultipleTimesInOneMonth(bill))
        return {};
    const BWCalendarMonth month = BWCalendarMonth::of(due);
    const BWPaymentLogger logger(m_env);
    QVariantMap step = bill;
    QDate previousDay = bill.value(BillKeys::AbsoluteDueDate).toDateTime().toLocalTime().date();
    QList<QDateTime> dates;
    for (;;) {
        const QDateTime next = logger.calculateNextDueDateForBill(step, 1);
        if (!next.isValid() || BWCalendarMonth::of(next) != month || next.toLocalTime().date() <= previousDay)
            return dates;
        dates.append(next);
        step.insert(BillKeys::AbsoluteDueDate, next);
        previousDay = next.toLocalTime().date();
    }
}

BWForecastViewCalculations::MonthTotals BWForecastViewCalculations::totalDueAndToSaveForData(
    const QVariantList& bills, int monthIndex) const
{
    const bool useEstimates = m_env.defaults && m_env.defaults->boolForKey(BWDefaultsKeys::BWUseIntelligenceEstimates);
    Log::line(QStringLiteral("Use Intelligent Amount: %1").arg(int(useEstimates)));
    MonthTotals totals;
    for (const QVariant& entry : bills) {
        const QVariantMap bill = entry.toMap();
        const double amount = amountForMonth(bill, monthIndex, useEstimates);
        const bool income = bill.value(BillKeys::IsIncome).toBool();
        (income ? totals.income : totals.due) += amount;
        if (income)
            continue;
        totals.toSave += bill.value(ForecastKeys::SaveAmount).toDouble();
        if (!isSaveRow(bill))
            ++totals.count;
    }
    totals.dueAndToSave = totals.due + totals.toSave;
    totals.balance = totals.income - totals.due - totals.toSave;
    return totals;
}

double BWForecastViewCalculations::amountForMonth(const QVariantMap& bill, int monthIndex, bool useEstimates) const
{
    // Nothing of a save row falls due in the month; only its share counts.
    if (isSaveRow(bill))
        return 0.0;
    if (useEstimates) {
        const double estimate = calculateInteligentAmountForBill(bill, monthIndex);
        if (std::trunc(estimate) != 0)
            return estimate;
    }
    return bill.value(BillKeys::Amount).toDouble();
}

// ---- Months and years to choose from ----

QDateTime BWForecastViewCalculations::getDateForSelectedIndex(int monthIndex) const
{
    return now().addMonths(monthIndex);
}

bool BWForecastViewCalculations::isBillDueDateInCurrentMonthDropdown(const QDateTime& date, int monthIndex) const
{
    return date.isValid() && BWCalendarMonth::of(date) == BWCalendarMonth::of(getDateForSelectedIndex(monthIndex));
}

bool BWForecastViewCalculations::isBillDueDateInCurrentHistoryMonthDropdown(const QDateTime& date,
                                                                            int monthIndex) const
{
    return isBillDueDateInCurrentMonthDropdown(date, -monthIndex);
}

QStringList BWForecastViewCalculations::getNextTwelveMonthsStartingWithDate(const QDateTime& date)
{
    const QDate day = date.toLocalTime().date();
    QStringList titles;
    for (int ahead = 0; ahead <= 12; ++ahead)
        titles.append(monthTitle(day.addMonths(ahead)));
    return titles;
}

QStringList BWForecastViewCalculations::getPastMonthsStartingWithDate(const QDateTime& date)
{
    const QDate day = date.toLocalTime().date();
    QStringList titles;
    for (int back = 0; back < 36; ++back)
        titles.append(monthTitle(day.addMonths(-back)));
    return titles;
}

QList<int> BWForecastViewCalculations::getPastYearsStartingWithDate(const QDateTime& date)
{
    const int year = date.toLocalTime().date().year();
    return {year, year - 1, year - 2, year - 3};
}

QString BWForecastViewCalculations::monthStringForMonthInteger(int month)
{
    static const QStringList names{
        QStringLiteral("January"), QStringLiteral("February"), QStringLiteral("March"),
        QStringLiteral("April"),   QStringLiteral("May"),      QStringLiteral("June"),
        QStringLiteral("July"),    QStringLiteral("August"),   QStringLiteral("September"),
        QStringLiteral("October"), QStringLiteral("November"), QStringLiteral("December")};
    return month >= 1 && month <= 12 ? names.at(month - 1) : QString();
}

// ---- Payment history and yearly report ----

QVariantList BWForecastViewCalculations::extractPaymentHistoryFromData(const QVariantList& bills) const
{
    const BWBillsLoader loader(m_env);
    const QDateTime moment = now();
    QVariantList rows;
    for (const QVariantMap& bill : billsOncePerBid(bills)) {
        for (const QVariant& entry : bill.value(BillKeys::PaymentList).toList()) {
            QVariantMap row = entry.toMap();
            row.insert(BillKeys::Name, bill.value(BillKeys::Name));
            if (bill.contains(BillKeys::Tags))
                row.insert(BillKeys::Tags, bill.value(BillKeys::Tags));
            row.insert(BillKeys::SortableDueDate,
                       loader.createSortableDueDate(row.value(PaymentKeys::Date).toDateTime(), moment));
            rows.append(row);
        }
    }
    return rows;
}

double BWForecastViewCalculations::totalAmountPaidInHistoryData(const QVariantList& rows)
{
    double total = 0;
    for (const QVariant& row : rows)
        total += amountOf(row);
    return total;
}

QVariantList BWForecastViewCalculations::extractReportHistoryFromData(const QVariantList& bills) const
{
    const int firstYear = now().toLocalTime().date().year() - 2;
    // Where each report year starts, as a moment, and where the last one
    // ends: a payment is placed by comparing moments, without turning each
    // of its dates into local time once per year.
    std::array<qint64, kReportYears + 1> yearStarts{};
    for (int index = 0; index <= kReportYears; ++index)
        yearStarts[index] = QDateTime(QDate(firstYear + index, 1, 1), QTime(0, 0)).toMSecsSinceEpoch();

    QVariantList rows;
    for (QVariantMap bill : billsOncePerBid(bills)) {
        std::array<Sample, kReportYears> years{};
        for (const QVariant& payment : bill.value(BillKeys::PaymentList).toList()) {
            const QVariantMap entry = payment.toMap();
            const QDateTime paidOn = entry.value(PaymentKeys::Date).toDateTime();
            if (!paidOn.isValid())
                continue;
            const auto after = std::upper_bound(yearStarts.begin(), yearStarts.end(), paidOn.toMSecsSinceEpoch());
            const auto index = after - yearStarts.begin() - 1;
            if (index < 0 || index >= kReportYears)
                continue;
            years[index].sum += entry.value(PaymentKeys::Amount).toDouble();
            ++years[index].count;
        }
        for (int index = 0; index < kReportYears; ++index) {
            const Sample& year = years[index];
            bill.insert(reportTotalKey(firstYear + index), year.sum);
            bill.insert(reportCountKey(firstYear + index), qlonglong(year.count));
            bill.insert(reportAverageKey(firstYear + index), year.count > 0 ? year.sum / year.count : 0.0);
        }
        rows.append(bill);
    }
    return rows;
}

bool BWForecastViewCalculations::wasBill(const QVariantMap& reportRow, int year) const
{
    const int thisYear = now().toLocalTime().date().year();
    if (year <= thisYear - kReportYears || year > thisYear)
        return false;
    return reportRow.value(reportCountKey(year)).toLongLong() > 0;
}

QString BWForecastViewCalculations::reportTotalKey(int year)
{
    return QStringLiteral("Total%1").arg(year);
}

QString BWForecastViewCalculations::reportCountKey(int year)
{
    return QStringLiteral("Count%1").arg(year);
}

QString BWForecastViewCalculations::reportAverageKey(int year)
{
    return QStringLiteral("Average%1").arg(year);
}
