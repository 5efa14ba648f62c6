#include "screens/BWAmountText.h"

#include <cmath>

#include <unicode/parsepos.h>

#include "platform/IcuText.h"

namespace {

using IcuText::NumberStyle;

// The whole of `text` as one number by `formatter`; nothing when any of it is left over.
std::optional<double> parseWhole(const icu::UnicodeString& text, icu::NumberFormat* formatter)
{
    formatter->setLenient(true);
    icu::Formattable result;
    icu::ParsePosition position(0);
    formatter->parse(text, result, position);
    if (position.getErrorIndex() >= 0 || position.getIndex() != text.length())
        return std::nullopt;
    UErrorCode status = U_ZERO_ERROR;
    const double number = result.getDouble(status);
    if (U_FAILURE(status))
        return std::nullopt;
    return number;
}

std::optional<double> parseWith(const icu::UnicodeString& text, NumberStyle style, const icu::Locale& locale)
{
    const std::unique_ptr<icu::NumberFormat> formatter = IcuText::numberFormat(style, locale);
    if (!formatter)
        return std::nullopt;
    return parseWhole(text, formatter.get());
}

}  // namespace

// The program's money texts are written by ICU for the current locale, so
// they are read back the same way.
std::optional<double> BWAmountText::parse(const QString& text)
{
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return std::nullopt;
    const icu::UnicodeString unicode = IcuText::toIcu(trimmed);
    const icu::Locale locale = IcuText::currentLocale();
    std::optional<double> number = parseWith(unicode, NumberStyle::Currency, locale);
    if (!number)
        number = parseWith(unicode, NumberStyle::Decimal, locale);
    // A "." before the decimals reads in every locale, as a keypad types it.
    if (!number)
        number = parseWith(unicode, NumberStyle::Decimal, icu::Locale::getRoot());
    if (!number || !std::isfinite(*number))
        return std::nullopt;
    return number;
}
