// Expected amounts, number texts, the short texts built from a record and the
// comma-separated export of a bill's payments.
#include "store/BWBillsLoader.h"

#include <QCoreApplication>
#include <algorithm>
#include <cmath>
#include <memory>

#include "platform/IcuText.h"
#include "platform/Log.h"
#include "store/BWBillRecordKeys.h"

namespace {

using IcuText::NumberStyle;

// The number formatters run on ICU, whose default rounding is half to even
// and whose patterns are the locale's own; Qt has neither.
std::unique_ptr<icu::NumberFormat> makeFormatter(NumberStyle style, const icu::Locale& locale)
{
    std::unique_ptr<icu::NumberFormat> formatter = IcuText::numberFormat(style, locale);
    if (formatter && style == NumberStyle::Decimal)
        formatter->setMaximumFractionDigits(3);
    return formatter;
}

QString formatted(const icu::NumberFormat* formatter, double number)
{
    if (!formatter)
        return QString::number(number);
    icu::UnicodeString text;
    formatter->format(number, text);
    return IcuText::fromIcu(text);
}

// Amounts in the export are for other programs to read, so they look the same
// in every locale: a "." before up to three decimals and no grouping. Taking
// the grouping out of a locale's text instead would turn 12,5 into 125.
QString exportedAmount(double amount)
{
    std::unique_ptr<icu::NumberFormat> formatter = makeFormatter(NumberStyle::Decimal, icu::Locale::getRoot());
    if (formatter)
        formatter->setGroupingUsed(false);
    return formatted(formatter.get(), amount);
}

// A spreadsheet runs a cell that starts with one of these as a formula; a
// leading apostrophe makes it plain text.
bool looksLikeFormula(const QString& field)
{
    static const QString formulaStarts = QStringLiteral("=+-@\t\r");
    return !field.isEmpty() && formulaStarts.contains(field.front());
}

// A field that holds the separator, a quote or a line break goes in quotes
// with its quotes doubled, so a note can't split or end its row.
QString csvField(const QString& text)
{
    static const QString special = QStringLiteral(",\"\r\n");
    const QString field = looksLikeFormula(text) ? u'\'' + text : text;
    const bool needsQuotes = std::any_of(field.cbegin(), field.cend(),
                                         [](QChar c) { return special.contains(c); });
    if (!needsQuotes)
        return field;
    QString quoted = field;
    quoted.replace(u'"', QStringLiteral("\"\""));
    return u'"' + quoted + u'"';
}

// Varying amounts are stored as 0; anything below one whole unit counts as
// no fixed amount either.
bool hasFixedAmount(const QVariantMap& bill)
{
    return std::trunc(bill.value(BillKeys::Amount).toDouble()) != 0;
}

}  // namespace

QVariant BWBillsLoader::getEstimatedAmountDueForBill(const QVariantMap& bill) const
{
    return hasFixedAmount(bill) ? bill.value(BillKeys::Amount) : bill.value(BillKeys::Average);
}

QString BWBillsLoader::currencyFormattedNumber(double number) const
{
    return formatted(makeFormatter(NumberStyle::Currency, IcuText::currentLocale()).get(), number);
}

QString BWBillsLoader::currencyFormattedNumberNoDecimals(double number) const
{
    std::unique_ptr<icu::NumberFormat> formatter = makeFormatter(NumberStyle::Currency, IcuText::currentLocale());
    if (formatter) {
        formatter->setMinimumFractionDigits(0);
        formatter->setMaximumFractionDigits(0);
    }
    return formatted(formatter.get(), number);
}

QString BWBillsLoader::numberFormattedNumber(double number) const
{
    return formatted(makeFormatter(NumberStyle::Decimal, IcuText::currentLocale()).get(), number);
}

QString BWBillsLoader::formattedTimesPaidWithPayments(const QVariantList& payments) const
{
    if (payments.size() == 1)
        return QCoreApplication::translate("BWBillsLoader", "Paid 1 time");
    return QCoreApplication::translate("BWBillsLoader", "Paid %n times", nullptr, int(payments.size()));
}

QString BWBillsLoader::billSummaryForBill(const QVariantMap& bill) const
{
    const QString date = createMediumDueDateString(bill.value(BillKeys::DueDate).toDateTime());
    if (!hasFixedAmount(bill))
        return QStringLiteral("Due on %1.").arg(date);
    const QString amount = currencyFormattedNumber(bill.value(BillKeys::Amount).toDouble());
    return QStringLiteral("%1 due on\n%2.").arg(amount, date);
}

QString BWBillsLoader::exportPaymentsToCSVFromBillDict(const QVariantMap& bill) const
{
    QString text;
    for (const QVariant& entry : bill.value(BillKeys::PaymentList).toList()) {
        const QVariantMap payment = entry.toMap();
        text += csvField(createVeryShortDueDateString(payment.value(PaymentKeys::Date).toDateTime())) + u','
                + exportedAmount(payment.value(PaymentKeys::Amount).toDouble()) + u','
                + csvField(payment.value(PaymentKeys::Note).toString()) + u'\n';
    }
    Log::line(text);
    return text;
}
