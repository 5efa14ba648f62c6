#include "BWTypedDateReader.h"

#include <QList>

#include <array>

namespace {

// A name as it is compared: in lower case, without the points that shorten it
// ("déc." is "déc").
QString comparable(const QLocale& locale, QString name)
{
    name.remove(u'.');
    return locale.toLower(name.trimmed());
}

// The value of a run of digits; -1 for more digits than a date field holds.
int valueOf(const QString& digits)
{
    if (digits.size() > 4)
        return -1;
    int value = 0;
    for (const QChar digit : digits)
        value = value * 10 + digit.digitValue();
    return value;
}

// A year typed with one or two digits is one of this century: dates in a
// household's bills lie within a few years of today.
int yearOf(const QString& digits)
{
    if (digits.size() <= 2)
        return 2000 + valueOf(digits);
    return digits.size() == 4 ? valueOf(digits) : -1;
}

std::optional<QDate> validDate(int year, int month, int day)
{
    if (year < 1 || !QDate::isValid(year, month, day))
        return std::nullopt;
    return QDate(year, month, day);
}

}  // namespace

struct BWTypedDateReader::Parts
{
    QStringList numbers;  // runs of digits, in the order typed
    int month = 0;        // named by a word; 0 for none
};

BWTypedDateReader::BWTypedDateReader(QLocale locale)
    : m_locale(std::move(locale))
{
}

std::optional<QDate> BWTypedDateReader::read(const QString& text, const QDate& shown) const
{
    const QString typed = text.trimmed();
    if (typed.isEmpty())
        return std::nullopt;
    if (const std::optional<Parts> parts = partsOf(typed))
        return dateOfParts(*parts, shown);
    return dateInLocaleForms(typed);
}

// Digits and words, whatever stands between them. Nothing when a word is
// neither a month nor a weekday, or two words name months.
std::optional<BWTypedDateReader::Parts> BWTypedDateReader::partsOf(const QString& text) const
{
    Parts parts;
    qsizetype index = 0;
    while (index < text.size()) {
        const QChar c = text.at(index);
        if (!c.isLetterOrNumber()) {
            ++index;
            continue;
        }
        const bool digits = c.isDigit();
        const qsizetype start = index;
        while (index < text.size() && (digits ? text.at(index).isDigit() : text.at(index).isLetter()))
            ++index;
        const QString run = text.sliced(start, index - start);
        if (digits) {
            parts.numbers.append(run);
        } else if (const int month = monthOfWord(run); month > 0 && parts.month == 0) {
            parts.month = month;
        } else if (!isWeekday(run)) {
            return std::nullopt;
        }
    }
    return parts;
}

std::optional<QDate> BWTypedDateReader::dateOfParts(const Parts& parts, const QDate& shown) const
{
    const QStringList& n = parts.numbers;
    const auto isDay = [](const QString& digits) { return digits.size() <= 2; };
    if (parts.month > 0) {
        if (n.size() == 1 && isDay(n[0]))
            return validDate(shown.year(), parts.month, valueOf(n[0]));
        if (n.size() != 2)
            return std::nullopt;
        // "Dec 31, 2026", "31 Dec 26", "2026 Dec 31": a long number is the year.
        const bool yearFirst = !isDay(n[0]) && isDay(n[1]);
        const QString& day = yearFirst ? n[1] : n[0];
        const QString& year = yearFirst ? n[0] : n[1];
        if (!isDay(day))
            return std::nullopt;
        return validDate(yearOf(year), parts.month, valueOf(day));
    }
    switch (n.size()) {
    case 1:
        if (!isDay(n[0]))
            return std::nullopt;
        return validDate(shown.year(), shown.month(), valueOf(n[0]));
    case 2: {
        if (!isDay(n[0]) || !isDay(n[1]))
            return std::nullopt;
        const bool dayFirst = dayComesFirst();
        return validDate(shown.year(), valueOf(n[dayFirst ? 1 : 0]), valueOf(n[dayFirst ? 0 : 1]));
    }
    case 3: {
        if (n[0].size() == 4 || yearComesFirst()) {
            if (!isDay(n[1]) || !isDay(n[2]))
                return std::nullopt;
            return validDate(yearOf(n[0]), valueOf(n[1]), valueOf(n[2]));
        }
        if (!isDay(n[0]) || !isDay(n[1]))
            return std::nullopt;
        const bool dayFirst = dayComesFirst();
        return validDate(yearOf(n[2]), valueOf(n[dayFirst ? 1 : 0]), valueOf(n[dayFirst ? 0 : 1]));
    }
    default:
        return std::nullopt;
    }
}

// Forms with words of their own ("31 de diciembre de 2026"), read as the
// locale writes them.
std::optional<QDate> BWTypedDateReader::dateInLocaleForms(const QString& text) const
{
    for (const QLocale::FormatType form : {QLocale::LongFormat, QLocale::ShortFormat}) {
        const QDate date = m_locale.toDate(text, m_locale.dateFormat(form));
        if (date.isValid())
            return date;
    }
    return std::nullopt;
}

int BWTypedDateReader::monthOfWord(const QString& word) const
{
    const QString typed = comparable(m_locale, word);
    int startsOne = 0;
    int startsCount = 0;
    for (int month = 1; month <= 12; ++month) {
        const std::array<QString, 4> names = {
            m_locale.monthName(month, QLocale::LongFormat), m_locale.standaloneMonthName(month, QLocale::LongFormat),
            m_locale.monthName(month, QLocale::ShortFormat), m_locale.standaloneMonthName(month, QLocale::ShortFormat)};
        bool starts = false;
        for (const QString& name : names) {
            const QString known = comparable(m_locale, name);
            if (typed == known)
                return month;
            starts = starts || (typed.size() >= 3 && known.startsWith(typed));
        }
        if (starts) {
            startsOne = month;
            ++startsCount;
        }
    }
    return startsCount == 1 ? startsOne : 0;
}

bool BWTypedDateReader::isWeekday(const QString& word) const
{
    const QString typed = comparable(m_locale, word);
    for (int day = 1; day <= 7; ++day) {
        for (const QLocale::FormatType form : {QLocale::LongFormat, QLocale::ShortFormat}) {
            if (typed == comparable(m_locale, m_locale.dayName(day, form))
                || typed == comparable(m_locale, m_locale.standaloneDayName(day, form)))
                return true;
        }
    }
    return false;
}

bool BWTypedDateReader::dayComesFirst() const
{
    const QString form = m_locale.dateFormat(QLocale::ShortFormat);
    return form.indexOf(u'd') < form.indexOf(u'M');
}

bool BWTypedDateReader::yearComesFirst() const
{
    const QString form = m_locale.dateFormat(QLocale::ShortFormat);
    return form.indexOf(u'y') < form.indexOf(u'M');
}
