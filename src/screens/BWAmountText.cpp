#include "screens/BWAmountText.h"

#include <QLocale>
#include <cmath>
#include <memory>

#include <unicode/locid.h>
#include <unicode/numfmt.h>
#include <unicode/parsepos.h>

namespace {

// The program's money texts are written by ICU for the current locale
// (en_US where the locale is C), so they are read back the same way.
icu::Locale currentIcuLocale()
{
    const QLocale locale;
    return icu::Locale(locale.language() == QLocale::C ? "en_US" : locale.name().toLatin1().constData());
}

using FormatMaker = icu::NumberFormat* (*)(const icu::Locale&, UErrorCode&);

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

std::optional<double> parseWith(const icu::UnicodeString& text, FormatMaker make, const icu::Locale& locale)
{
    UErrorCode status = U_ZERO_ERROR;
    std::unique_ptr<icu::NumberFormat> formatter(make(locale, status));
    if (U_FAILURE(status) || !formatter)
        return std::nullopt;
    return parseWhole(text, formatter.get());
}

icu::NumberFormat* currencyFormat(const icu::Locale& locale, UErrorCode& status)
{
    return icu::NumberFormat::createCurrencyInstance(locale, status);
}

icu::NumberFormat* decimalFormat(const icu::Locale& locale, UErrorCode& status)
{
    return icu::NumberFormat::createInstance(locale, status);
}

}  // namespace

std::optional<double> BWAmountText::parse(const QString& text)
{
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return std::nullopt;
    const icu::UnicodeString unicode(reinterpret_cast<const UChar*>(trimmed.utf16()), int32_t(trimmed.size()));
    const icu::Locale locale = currentIcuLocale();
    std::optional<double> number = parseWith(unicode, currencyFormat, locale);
    if (!number)
        number = parseWith(unicode, decimalFormat, locale);
    // A "." before the decimals reads in every locale, as a keypad types it.
    if (!number)
        number = parseWith(unicode, decimalFormat, icu::Locale::getRoot());
    if (!number || !std::isfinite(*number))
        return std::nullopt;
    return number;
}
