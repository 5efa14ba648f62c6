#pragma once

#include <QDateTime>
#include <QLocale>
#include <QString>

// Dates written the way the user's locale writes a template of fields:
// "MMMdyyyy" gives "Mar 8, 2016" in US English and "8 Mar 2016" in British
// English. Qt formats only fixed patterns, so the locale's own pattern for the
// template comes from ICU.
class DateTemplate
{
public:
    // The local day and time of `date` in the current locale's pattern for
    // `skeleton`; "" for an invalid date.
    static QString format(const QDateTime& date, const QString& skeleton);
    // The same for a local calendar day and a template of date fields only
    // ("EEEMMMdyyyy", not "jmm").
    static QString formatDay(const QDate& day, const QString& skeleton);

    // The same pattern as a display format of Qt's date fields, so that a
    // field shows its date in the form the lists use: "ddd, MMM d, yyyy" for
    // "EEEMMMdyyyy" in US English. Fields ICU writes that Qt's fields can't
    // show (an era, say) are left out.
    static QString displayFormat(const QString& skeleton);

    // The locale's short date form (ICU's, "M/d/yy" in US English and in
    // the C locale) in Qt's format letters.
    static QString shortDateFormat(const QLocale& locale);

    // An ICU date pattern written in Qt's format letters.
    static QString qtFormatOfIcuPattern(const QString& pattern);
};
