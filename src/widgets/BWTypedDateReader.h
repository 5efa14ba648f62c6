#pragma once

#include <QDate>
#include <QLocale>
#include <QString>

#include <optional>

// Reads a date as people type it into a date field, in the forms of a
// locale. Digits are read in the order of day, month and year of the form
// the field shows its dates in (`shownForm`, a Qt date format).
//
//   "31"                     that day of the shown month
//   "12/31", "31.12."        month and day: the such day nearest to today
//   "Dec 31", "31 December"  a month by its name (or the start of it) and a day
//   "12/31/26", "31.12.2026" a whole date; a two-digit year is the one of
//                            those digits nearest to today
//   "Wed, Dec 31, 2026"      the field's own form; a weekday is passed over
//   the locale's short and long forms, whatever words they hold
//
// Anything else names no date: a day the month lacks ("Feb 30", "Feb 29"
// when the nearest year has none), a sign ("-5"), or a mark that neither the
// shown form nor the locale's own date forms use ("12:30", "1.5" where dates
// are written "1/5"). The reader never falls back on a date the text did
// not name.
class BWTypedDateReader
{
public:
    explicit BWTypedDateReader(QLocale locale = QLocale(), QString shownForm = QString());

    // Month and day without a year name the such day nearest to `today`;
    // with `notAfterToday`, the latest one that is not after it.
    std::optional<QDate> read(const QString& text, const QDate& shown, const QDate& today,
                              bool notAfterToday = false) const;

private:
    struct Parts;
    struct Around
    {
        QDate shown;
        QDate today;
        bool notAfterToday = false;
    };
    bool usesOnlyMarksOfTheForms(const QString& text) const;
    std::optional<Parts> partsOf(const QString& text) const;
    std::optional<QDate> dateOfParts(const Parts& parts, const Around& around) const;
    std::optional<QDate> dateInLocaleForms(const QString& text) const;
    // 1 to 12 for a month's name or the unambiguous start of one.
    int monthOfWord(const QString& word) const;
    bool isWeekday(const QString& word) const;

    QLocale m_locale;
    QString m_shownForm;
    // "dmy", "mdy", "ymd"...: the order of the fields in the shown form.
    QString m_order;
    // The marks between the fields of the shown form and of the locale's
    // date forms (ICU's short one, Qt's short and long ones).
    QString m_marks;
};
