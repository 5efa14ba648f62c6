#include "BWTypedDateReader.h"

#include <QList>

#include <array>

#include "platform/DateTemplate.h"

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

// A year of two digits is the one ending in them nearest to today's year:
// dates in a household's bills lie within a few years of today. A year of
// one or three digits is no year.
int yearOf(const QString& digits, const QDate& today)
{
    if (digits.size() == 4)
        return valueOf(digits);
    if (digits.size() != 2)
        return -1;
    const int year = today.year() / 100 * 100 + valueOf(digits);
    if (year - today.year() > 50)
        return year - 100;
    return today.year() - year > 50 ? year + 100 : year;
}

std::optional<QDate> validDate(int year, int month, int day)
{
    if (year < 1 || !QDate::isValid(year, month, day))
        return std::nullopt;
    return QDate(year, month, day);
}

// The year is chosen by month and day alone, as if every month had 31
// days, so that a day the nearest year lacks ("Feb 29" in 2025) names no
// date rather than one years away.
std::optional<QDate> nearestDay(int month, int day, const QDate& today, bool notAfterToday)
{
    if (month < 1 || month > 12 || day < 1 || day > 31)
        return std::nullopt;
    int nearestYear = 0;
    qint64 nearestDistance = 0;
    for (const int year : {today.year() - 1, today.year(), today.year() + 1}) {
        const QDate probe = QDate(year, month, 1).addDays(day - 1);
        if (notAfterToday && probe > today)
            continue;
        const qint64 distance = std::abs(probe.daysTo(today));
        if (nearestYear == 0 || distance < nearestDistance) {
            nearestYear = year;
            nearestDistance = distance;
        }
    }
    return validDate(nearestYear, month, day);
}

// The order of the day, month and year fields in a Qt date format: "mdy"
// for "ddd, MMM d, yyyy" (a run of three or four d's is the weekday).
QString orderOf(const QString& form)
{
    QString order;
    for (qsizetype at = 0; at < form.size();) {
        const QChar letter = form.at(at);
        if (letter == u'\'') {
            const qsizetype end = form.indexOf(u'\'', at + 1);
            at = end < 0 ? form.size() : end + 1;
            continue;
        }
        qsizetype run = 1;
        while (at + run < form.size() && form.at(at + run) == letter)
            ++run;
        at += run;
        const QChar field = letter == u'd' && run <= 2 ? u'd' : letter == u'M' ? u'm' : letter == u'y' ? u'y' : QChar();
        if (!field.isNull() && !order.contains(field))
            order += field;
    }
    return order.size() == 3 ? order : QStringLiteral("mdy");
}

// The marks a form writes between its fields.
QString marksOf(const QString& form)
{
    QString marks;
    for (const QChar c : form) {
        if (!c.isLetterOrNumber() && !c.isSpace() && c != u'\'' && !marks.contains(c))
            marks += c;
    }
    return marks;
}

}  // namespace

struct BWTypedDateReader::Parts
{
    QStringList numbers;  // runs of digits, in the order typed
    int month = 0;        // named by a word; 0 for none
};

BWTypedDateReader::BWTypedDateReader(QLocale locale, QString shownForm)
    : m_locale(std::move(locale))
    , m_shownForm(shownForm.isEmpty() ? m_locale.dateFormat(QLocale::ShortFormat) : std::move(shownForm))
    , m_order(orderOf(m_shownForm))
    , m_marks(marksOf(m_shownForm) + marksOf(DateTemplate::shortDateFormat(m_locale))
              + marksOf(m_locale.dateFormat(QLocale::ShortFormat)) + marksOf(m_locale.dateFormat(QLocale::LongFormat)))
{
}

std::optional<QDate> BWTypedDateReader::read(const QString& text, const QDate& shown, const QDate& today,
                                             bool notAfterToday) const
{
    const QString typed = text.trimmed();
    if (typed.isEmpty() || !usesOnlyMarksOfTheForms(typed))
        return std::nullopt;
    if (const std::optional<Parts> parts = partsOf(typed))
        return dateOfParts(*parts, {shown.isValid() ? shown : today, today, notAfterToday});
    return dateInLocaleForms(typed);
}

// A sign before the digits, or a mark the locale writes no date with (the
// colon of a time, a point where dates have slashes), says the text is
// something else than a date. A point after a word shortens it ("Dez.").
bool BWTypedDateReader::usesOnlyMarksOfTheForms(const QString& text) const
{
    if (text.front() == u'-' || text.front() == u'+' || text.front() == QChar(0x2212))
        return false;
    for (qsizetype at = 0; at < text.size(); ++at) {
        const QChar c = text.at(at);
        const bool shortening = c == u'.' && at > 0 && text.at(at - 1).isLetter();
        if (!c.isLetterOrNumber() && !c.isSpace() && !shortening && !m_marks.contains(c))
            return false;
    }
    return true;
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

std::optional<QDate> BWTypedDateReader::dateOfParts(const Parts& parts, const Around& around) const
{
    const QStringList& n = parts.numbers;
    const auto isDay = [](const QString& digits) { return digits.size() <= 2; };
    if (parts.month > 0) {
        if (n.size() == 1 && isDay(n[0]))
            return nearestDay(parts.month, valueOf(n[0]), around.today, around.notAfterToday);
        if (n.size() != 2)
            return std::nullopt;
        // "Dec 31, 2026", "31 Dec 26", "2026 Dec 31": a long number is the year.
        const bool yearFirst = !isDay(n[0]) && isDay(n[1]);
        const QString& day = yearFirst ? n[1] : n[0];
        const QString& year = yearFirst ? n[0] : n[1];
        if (!isDay(day))
            return std::nullopt;
        return validDate(yearOf(year, around.today), parts.month, valueOf(day));
    }
    if (n.size() == 1) {
        if (!isDay(n[0]))
            return std::nullopt;
        return validDate(around.shown.year(), around.shown.month(), valueOf(n[0]));
    }
    // The numbers stand in the shown form's order; without a year, in its
    // order of day and month. A year of four digits first is a year anywhere.
    const QString order = n.size() == 2            ? QString(m_order).remove(u'y')
                          : n.value(0).size() == 4 ? QStringLiteral("ymd")
                                                   : m_order;
    if (n.size() != order.size())
        return std::nullopt;
    int day = 0;
    int month = 0;
    int year = 0;
    for (qsizetype at = 0; at < order.size(); ++at) {
        const bool isYear = order.at(at) == u'y';
        if (!isYear && !isDay(n[at]))
            return std::nullopt;
        int& part = order.at(at) == u'd' ? day : order.at(at) == u'm' ? month : year;
        part = isYear ? yearOf(n[at], around.today) : valueOf(n[at]);
    }
    if (n.size() == 2)
        return nearestDay(month, day, around.today, around.notAfterToday);
    return validDate(year, month, day);
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
