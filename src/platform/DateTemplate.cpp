#include "platform/DateTemplate.h"

#include <QHash>

#include <memory>
#include <unicode/dtptngen.h>
#include <unicode/smpdtfmt.h>
#include <unicode/timezone.h>

#include "platform/IcuText.h"

namespace {

// Finding the pattern costs far more than formatting, and a load or a table
// formats a date per record, so each locale and template keeps its formatter.
// The formatter works in UTC on the local wall-clock time, so that it and Qt
// agree on the time zone.
icu::SimpleDateFormat* formatterFor(const QString& skeleton)
{
    thread_local QHash<QString, std::shared_ptr<icu::SimpleDateFormat>> formatters;
    const QByteArray localeName = IcuText::currentLocaleName();
    const QString key = QString::fromLatin1(localeName) + u'/' + skeleton;
    if (const auto found = formatters.constFind(key); found != formatters.constEnd())
        return found->get();

    UErrorCode status = U_ZERO_ERROR;
    const icu::Locale locale(localeName.constData());
    const std::unique_ptr<icu::DateTimePatternGenerator> generator(
        icu::DateTimePatternGenerator::createInstance(locale, status));
    if (U_FAILURE(status))
        return nullptr;
    const icu::UnicodeString pattern = generator->getBestPattern(IcuText::toIcu(skeleton), status);
    auto formatter = std::make_shared<icu::SimpleDateFormat>(pattern, locale, status);
    if (U_FAILURE(status))
        return nullptr;
    formatter->adoptTimeZone(icu::TimeZone::createTimeZone(icu::UnicodeString(u"UTC")));
    formatters.insert(key, formatter);
    return formatter.get();
}

}  // namespace

QString DateTemplate::format(const QDateTime& date, const QString& skeleton)
{
    icu::SimpleDateFormat* formatter = date.isValid() ? formatterFor(skeleton) : nullptr;
    if (!formatter)
        return {};
    const QDateTime local = date.toLocalTime();
    const QDateTime wallClock(local.date(), local.time(), Qt::UTC);
    icu::UnicodeString text;
    formatter->format(static_cast<UDate>(wallClock.toMSecsSinceEpoch()), text);
    return IcuText::fromIcu(text);
}
