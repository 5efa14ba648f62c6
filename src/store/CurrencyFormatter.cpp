#include "store/CurrencyFormatter.h"

#include <QRegularExpression>
#include <cmath>
#include <memory>

#include <unicode/parsepos.h>

#include "platform/IcuText.h"

namespace {

using IcuText::NumberStyle;

std::unique_ptr<icu::NumberFormat> currencyFormat()
{
    std::unique_ptr<icu::NumberFormat> format = IcuText::numberFormat(NumberStyle::Currency, IcuText::currentLocale());
    if (format)
        format->setRoundingMode(icu::NumberFormat::kRoundHalfUp);
    return format;
}

// The whole of `text` as one number by `format`; nothing when any of it is left over.
std::optional<double> parseWhole(const icu::UnicodeString& text, icu::NumberFormat* format)
{
    if (!format)
        return std::nullopt;
    format->setLenient(true);
    icu::Formattable result;
    icu::ParsePosition position(0);
    format->parse(text, result, position);
    if (position.getErrorIndex() >= 0 || position.getIndex() != text.length())
        return std::nullopt;
    UErrorCode status = U_ZERO_ERROR;
    const double number = result.getDouble(status);
    if (U_FAILURE(status))
        return std::nullopt;
    return number;
}

}  // namespace

QString CurrencyFormatter::stringFromNumber(double amount) const
{
    const std::unique_ptr<icu::NumberFormat> format = currencyFormat();
    if (!format)
        return QString::number(amount, 'f', 2);
    icu::UnicodeString text;
    format->format(amount, text);
    return IcuText::fromIcu(text);
}

std::optional<double> CurrencyFormatter::numberFromString(const QString& text) const
{
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return std::nullopt;
    const icu::UnicodeString unicode = IcuText::toIcu(trimmed);
    const icu::Locale locale = IcuText::currentLocale();
    // Digits with a "." before one or two decimals are a keypad's amount in
    // every locale: where "." groups thousands, 12.50 must not read as 1250.
    static const QRegularExpression keypadAmount(QStringLiteral("^-?\\d+\\.\\d{1,2}$"));
    std::optional<double> number;
    if (keypadAmount.match(trimmed).hasMatch())
        number = parseWhole(unicode, IcuText::numberFormat(NumberStyle::Decimal, icu::Locale::getRoot()).get());
    if (!number)
        number = parseWhole(unicode, currencyFormat().get());
    if (!number)
        number = parseWhole(unicode, IcuText::numberFormat(NumberStyle::Decimal, locale).get());
    // A "." before the decimals reads in every locale, as a keypad types it.
    if (!number)
        number = parseWhole(unicode, IcuText::numberFormat(NumberStyle::Decimal, icu::Locale::getRoot()).get());
    if (!number || !std::isfinite(*number))
        return std::nullopt;
    return number;
}

CurrencyFormatter::RoundingBehavior CurrencyFormatter::roundingBehavior() const
{
    RoundingBehavior behavior;
    if (const std::unique_ptr<icu::NumberFormat> format = currencyFormat())
        behavior.scale = format->getMaximumFractionDigits();
    return behavior;
}
