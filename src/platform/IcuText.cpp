#include "platform/IcuText.h"

#include <QLocale>

namespace IcuText {

icu::UnicodeString toIcu(const QString& text)
{
    return icu::UnicodeString(reinterpret_cast<const UChar*>(text.utf16()), int32_t(text.size()));
}

QString fromIcu(const icu::UnicodeString& text)
{
    return QString(reinterpret_cast<const QChar*>(text.getBuffer()), text.length());
}

QByteArray currentLocaleName()
{
    const QLocale locale;
    return locale.language() == QLocale::C ? QByteArrayLiteral("en_US") : locale.name().toLatin1();
}

icu::Locale currentLocale()
{
    return icu::Locale(currentLocaleName().constData());
}

std::unique_ptr<icu::NumberFormat> numberFormat(NumberStyle style, const icu::Locale& locale)
{
    UErrorCode status = U_ZERO_ERROR;
    std::unique_ptr<icu::NumberFormat> format(style == NumberStyle::Currency
                                                  ? icu::NumberFormat::createCurrencyInstance(locale, status)
                                                  : icu::NumberFormat::createInstance(locale, status));
    if (U_FAILURE(status))
        return nullptr;
    return format;
}

}  // namespace IcuText
