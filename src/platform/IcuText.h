#pragma once

#include <QString>
#include <memory>

#include <unicode/locid.h>
#include <unicode/numfmt.h>
#include <unicode/unistr.h>

// The bridge between Qt's texts and locale and ICU, which formats dates by
// template and numbers and money with the locale's own patterns and rounding.
namespace IcuText {

icu::UnicodeString toIcu(const QString& text);
QString fromIcu(const icu::UnicodeString& text);

// The name of Qt's current default locale for ICU; the C locale, which ICU
// doesn't know, reads as en_US.
QByteArray currentLocaleName();
icu::Locale currentLocale();

enum class NumberStyle { Currency, Decimal };

// ICU's stock number format of `style` for `locale`, or nullptr when ICU
// can't make one.
std::unique_ptr<icu::NumberFormat> numberFormat(NumberStyle style, const icu::Locale& locale);

}  // namespace IcuText
