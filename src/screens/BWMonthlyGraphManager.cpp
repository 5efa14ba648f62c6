#include "screens/BWMonthlyGraphManager.h"

#include <QLocale>

#include <algorithm>

#include "platform/Clock.h"
#include "store/BWBillRecordKeys.h"
#include "store/BWBillsLoader.h"
#include "store/BWPaymentLogger.h"

namespace {

// Payment mode leaves the oldest column empty.
constexpr int PaymentColumns = BWMonthlyGraphManager::ColumnCount - 1;

int monthNumber(const QDate& date)
{
    return date.year() * 12 + date.month() - 1;
}

QDate paymentDay(const QVariant& payment)
{
    return payment.toMap().value(PaymentKeys::Date).toDateTime().toLocalTime().date();
}

// A label that opens a year names it, "Jan ’16", so that the months on either
// side of a year boundary are told apart.
QString withYear(const QString& label, int year)
{
    return QStringLiteral("%1 \u2019%2").arg(label).arg(year % 100, 2, 10, QLatin1Char('0'));
}

}  // namespace

BWMonthlyGraphManager::BWMonthlyGraphManager(const BWStoreEnvironment& env) : m_env(env) {}

QDate BWMonthlyGraphManager::monthOffset(int index) const
{
    return m_env.clock->now().toLocalTime().date().addMonths(-index);
}

BWMonthlyGraphManager::GraphRow BWMonthlyGraphManager::listOfPaymentsByMonthForBill(const QVariantMap& bill) const
{
    const QList<double> totals = paymentAmountsByMonthForList(bill.value(BillKeys::PaymentList).toList());
    return {months(), amountStringsByMonthForAmounts(totals), paymentHeightByMonthForPayments(totals),
            graphImagesForMonths()};
}

BWMonthlyGraphManager::GraphRow BWMonthlyGraphManager::listOfPaymentsByPaymentForBill(const QVariantMap& bill) const
{
    const QVariantList payments = BWPaymentLogger::paymentsNewestFirst(bill.value(BillKeys::PaymentList).toList());
    const QList<double> amounts = amountsForPayments(payments);
    return {datesForPayments(payments), amountStringsByMonthForAmounts(amounts),
            paymentHeightByMonthForPayments(amounts), graphImagesForMonths()};
}

QStringList BWMonthlyGraphManager::months() const
{
    QStringList labels;
    for (int index = 0; index < ColumnCount; ++index) {
        const QDate month = monthOffset(index);
        const QString name = QLocale().monthName(month.month(), QLocale::ShortFormat);
        labels.append(month.month() == 1 ? withYear(name, month.year()) : name);
    }
    return labels;
}

QStringList BWMonthlyGraphManager::graphImagesForMonths() const
{
    const int thisYear = monthOffset(0).year();
    QStringList images;
    for (int index = 0; index < ColumnCount; ++index) {
        const int year = monthOffset(index).year();
        images.append(year == thisYear       ? QStringLiteral("orchidbar.png")
                      : year == thisYear - 1 ? QStringLiteral("blackbar.png")
                                             : QStringLiteral("oldbar.png"));
    }
    return images;
}

QList<double> BWMonthlyGraphManager::paymentAmountsByMonthForList(const QVariantList& payments) const
{
    QList<double> totals(ColumnCount, 0.0);
    const int thisMonth = monthNumber(monthOffset(0));
    for (const QVariant& payment : payments) {
        const QDate day = paymentDay(payment);
        if (!day.isValid())
            continue;
        const int index = thisMonth - monthNumber(day);
        if (index >= 0 && index < ColumnCount)
            totals[index] += payment.toMap().value(PaymentKeys::Amount).toDouble();
    }
    return totals;
}

QStringList BWMonthlyGraphManager::datesForPayments(const QVariantList& paymentsNewestFirst) const
{
    QStringList labels;
    // The newest payment of each year names it, when that is not this year.
    int newerYear = monthOffset(0).year();
    for (const QVariant& payment : paymentsNewestFirst.mid(0, PaymentColumns)) {
        const QDate day = paymentDay(payment);
        if (!day.isValid()) {
            labels.append(QString());
            continue;
        }
        const QString label
            = QStringLiteral("%1 %2").arg(QLocale().monthName(day.month(), QLocale::NarrowFormat)).arg(day.day());
        labels.append(day.year() != newerYear ? withYear(label, day.year()) : label);
        newerYear = day.year();
    }
    while (labels.size() < ColumnCount)
        labels.append(QString());
    return labels;
}

QList<double> BWMonthlyGraphManager::amountsForPayments(const QVariantList& paymentsNewestFirst) const
{
    QList<double> amounts;
    for (const QVariant& payment : paymentsNewestFirst.mid(0, PaymentColumns))
        amounts.append(payment.toMap().value(PaymentKeys::Amount).toDouble());
    while (amounts.size() < ColumnCount)
        amounts.append(0.0);
    return amounts;
}

// Refunds and negative entries draw no bar rather than one hanging below the
// axis, and with nothing above 0 every bar is empty.
QList<double> BWMonthlyGraphManager::paymentHeightByMonthForPayments(const QList<double>& amounts)
{
    const double tallest = amounts.isEmpty() ? 0.0 : *std::max_element(amounts.begin(), amounts.end());
    QList<double> heights;
    for (double amount : amounts)
        heights.append(amount > 0.0 && tallest > 0.0 ? amount / tallest : 0.0);
    return heights;
}

QStringList BWMonthlyGraphManager::amountStringsByMonthForAmounts(const QList<double>& amounts) const
{
    const BWBillsLoader loader(m_env);
    QStringList texts;
    for (double amount : amounts)
        texts.append(loader.currencyFormattedNumber(amount));
    return texts;
}

int BWMonthlyGraphManager::indexForColumn(const QString& identifier)
{
    bool isNumber = false;
    const int column = identifier.startsWith(u'M') ? identifier.mid(1).toInt(&isNumber) : 0;
    if (!isNumber || column < 1 || column > ColumnCount)
        return 0;
    return ColumnCount - column;
}

QString BWMonthlyGraphManager::columnIdentifier(int column)
{
    return QStringLiteral("M%1").arg(column, 2, 10, QLatin1Char('0'));
}
