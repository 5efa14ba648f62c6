#include "platform/DateTemplate.h"

#include <QHash>

#include <algorithm>

#include <memory>
#include <unicode/dtptngen.h>
#include <unicode/smpdtfmt.h>
#include <unicode/timezone.h>

#include "platform/IcuText.h"

namespace {

// A locale's formatter for a template, and the days it has written: a load
// writes the same few hundred days for thousands of records.
struct Template
{
    std::shared_ptr<icu::SimpleDateFormat> formatter;
    QHash<QDate, QString> days;
};

// Enough for the days of several years; beyond it the written days start afresh.
constexpr qsizetype MaxKeptDays = 4096;

// Finding the pattern costs far more than formatting, and a load or a table
// formats a date per record, so each locale and template keeps its formatter.
// The formatter works in UTC on the local wall-clock time, so that it and Qt
// agree on the time zone.
Template* templateFor(const QString& skeleton)
{
    thread_local QHash<QString, std::shared_ptr<Template>> templates;
    const QByteArray localeName = IcuText::currentLocaleName();
    const QString key = QString::fromLatin1(localeName) + u'/' + skeleton;
    if (const auto found = templates.constFind(key); found != templates.constEnd())
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
    auto made = std::make_shared<Template>(Template{formatter, {}});
    templates.insert(key, made);
    return made.get();
}

icu::SimpleDateFormat* formatterFor(const QString& skeleton)
{
    Template* found = templateFor(skeleton);
    return found ? found->formatter.get() : nullptr;
}

}  // namespace

QString DateTemplate::displayFormat(const QString& skeleton)
{
    const icu::SimpleDateFormat* formatter = formatterFor(skeleton);
    if (!formatter)
        return QStringLiteral("ddd, MMM d, yyyy");
    icu::UnicodeString pattern;
    formatter->toPattern(pattern);
    return qtFormatOfIcuPattern(IcuText::fromIcu(pattern));
}

QString DateTemplate::shortDateFormat(const QLocale& locale)
{
    thread_local QHash<QString, QString> forms;
    const QString name = locale.language() == QLocale::C ? QStringLiteral("en_US") : locale.name();
    if (const auto found = forms.constFind(name); found != forms.constEnd())
        return *found;
    const std::unique_ptr<icu::DateFormat> format(
        icu::DateFormat::createDateInstance(icu::DateFormat::kShort, icu::Locale(name.toLatin1().constData())));
    const auto* simple = dynamic_cast<const icu::SimpleDateFormat*>(format.get());
    if (!simple)
        return locale.dateFormat(QLocale::ShortFormat);
    icu::UnicodeString pattern;
    simple->toPattern(pattern);
    return *forms.insert(name, qtFormatOfIcuPattern(IcuText::fromIcu(pattern)));
}

QString DateTemplate::qtFormatOfIcuPattern(const QString& pattern)
{
    QString qt;
    for (qsizetype at = 0; at < pattern.size();) {
        const QChar letter = pattern.at(at);
        if (letter == u'\'') {
            // Quoted text is written the same way in both.
            const qsizetype end = pattern.indexOf(u'\'', at + 1);
            const qsizetype stop = end < 0 ? pattern.size() : end + 1;
            qt += pattern.mid(at, stop - at);
            at = stop;
            continue;
        }
        qsizetype run = 1;
        while (at + run < pattern.size() && pattern.at(at + run) == letter)
            ++run;
        at += run;
        switch (letter.unicode()) {
        case u'E': case u'c': case u'e': qt += run >= 4 ? QStringLiteral("dddd") : QStringLiteral("ddd"); break;
        case u'y': qt += run == 2 ? QStringLiteral("yy") : QStringLiteral("yyyy"); break;
        case u'M': case u'L': qt += QString(std::min<qsizetype>(run, 4), u'M'); break;
        case u'd': qt += QString(std::min<qsizetype>(run, 2), u'd'); break;
        default:
            if (!letter.isLetter())
                qt += QString(run, letter);
            break;
        }
    }
    return qt.trimmed();
}

namespace {

QString formatWallClock(const QDate& day, const QTime& time, const QString& skeleton)
{
    icu::SimpleDateFormat* formatter = day.isValid() ? formatterFor(skeleton) : nullptr;
    if (!formatter)
        return {};
    const QDateTime wallClock(day, time, Qt::UTC);
    icu::UnicodeString text;
    formatter->format(static_cast<UDate>(wallClock.toMSecsSinceEpoch()), text);
    return IcuText::fromIcu(text);
}

}  // namespace

QString DateTemplate::format(const QDateTime& date, const QString& skeleton)
{
    if (!date.isValid())
        return {};
    const QDateTime local = date.toLocalTime();
    return formatWallClock(local.date(), local.time(), skeleton);
}

QString DateTemplate::formatDay(const QDate& day, const QString& skeleton)
{
    Template* kept = day.isValid() ? templateFor(skeleton) : nullptr;
    if (!kept)
        return {};
    if (const auto written = kept->days.constFind(day); written != kept->days.constEnd())
        return *written;
    if (kept->days.size() >= MaxKeptDays)
        kept->days.clear();
    const QString text = formatWallClock(day, QTime(0, 0), skeleton);
    kept->days.insert(day, text);
    return text;
}
