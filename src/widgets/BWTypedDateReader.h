#pragma once

#include <QDate>
#include <QLocale>
#include <QString>

#include <optional>

// Reads a date as people type it into a date field, in the forms of a
// locale. What the text leaves out is taken from the date the field shows:
//
//   "31"                     that day of the shown month
//   "12/31", "31.12."        month and day, in the locale's order, of the shown year
//   "Dec 31", "31 December"  a month by its name (or the start of it) and a day
//   "12/31/26", "2026-12-31" a whole date; a two-digit year is of this century
//   "Wed, Dec 31, 2026"      the field's own form; a weekday is passed over
//   the locale's short and long forms, whatever words they hold
//
// Anything else names no date, and neither does a day the month lacks
// ("Feb 30"): the reader never falls back on a date the text did not name.
class BWTypedDateReader
{
public:
    explicit BWTypedDateReader(QLocale locale = QLocale());

    std::optional<QDate> read(const QString& text, const QDate& shown) const;

private:
    struct Parts;
    std::optional<Parts> partsOf(const QString& text) const;
    std::optional<QDate> dateOfParts(const Parts& parts, const QDate& shown) const;
    std::optional<QDate> dateInLocaleForms(const QString& text) const;
    // 1 to 12 for a month's name or the unambiguous start of one.
    int monthOfWord(const QString& word) const;
    bool isWeekday(const QString& word) const;
    // Whether the locale writes the day before the month ("31/12").
    bool dayComesFirst() const;
    // Whether the locale writes the year first ("2026-12-31").
    bool yearComesFirst() const;

    QLocale m_locale;
};
