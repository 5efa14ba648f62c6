#include "screens/BWDateTemplate.h"

#include <QHash>
#include <QLocale>

#include <memory>
#include <unicode/dtptngen.h>
#include <unicode/smpdtfmt.h>

namespace {

icu::UnicodeString icuText(const QString& text)
{
    return icu::UnicodeString(reinterpret_cast<const UChar*>(text.utf16()), int32_t(text.size()));
}

QString qtText(const icu::UnicodeString& text)
{
    return QString(reinterpret_cast<const QChar*>(text.getBuffer()), text.length());
}

QByteArray localeName()
{
    const QLocale locale;
    return locale.language() == QLocale::C ? QByteArrayLiteral("en_US") : locale.name().toLatin1();
}

// Finding the pattern costs far more than formatting, and a table formats a
// date per visible row, so each locale and template keeps its formatter. The
// formatter works in UTC on the local wall-clock time, so that it and Qt agree
// on the time zone.
icu::SimpleDateFormat* formatterFor(const QString& skeleton)
{
    static QHash<QString, std::shared_ptr<icu::SimpleDateFormat>> formatters;
    const QByteArray locale = localeName();
    const QString key = QString::fromLatin1(locale) + u'/' + skeleton;
    if (const auto found = formatters.constFind(key); found != formatters.constEnd())
        return found->get();

    UErrorCode status = U_ZERO_ERROR;
    const icu::Locale icuLocale(locale.constData());
    const std::unique_ptr<icu::DateTimePatternGenerator> generator(
        icu::DateTimePatternGenerator::createInstance(icuLocale, status));
    if (U_FAILURE(status))
        return nullptr;
    const icu::UnicodeString pattern = generator->getBestPattern(icuText(skeleton), status);
    auto formatter = std::make_shared<icu::SimpleDateFormat>(pattern, icuLocale, status);
    if (U_FAILURE(status))
        return nullptr;
    formatter->adoptTimeZone(icu::TimeZone::createTimeZone(icu::UnicodeString(u"UTC")));
    formatters.insert(key, formatter);
    return formatter.get();
}

}  // namespace

QString BWDateTemplate::format(const QDateTime& date, const QString& skeleton)
{
    icu::SimpleDateFormat* formatter = date.isValid() ? formatterFor(skeleton) : nullptr;
    if (!formatter)
        return {};
    const QDateTime local = date.toLocalTime();
    const QDateTime wallClock(local.date(), local.time(), Qt::UTC);
    icu::UnicodeString text;
    formatter->format(static_cast<UDate>(wallClock.toMSecsSinceEpoch()), text);
    return qtText(text);
}
