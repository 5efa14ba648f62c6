#pragma once

#include <QDateTime>
#include <QList>
#include <QString>
#include <QVariantList>
#include <QVariantMap>
#include <optional>

#include "store/BWStoreEnvironment.h"

// Keys of one income source in "incomeindex.plist".
namespace IncomeSourceKeys {

inline const QString IncomeSources = QStringLiteral("IncomeSources");   // the file's one key: the array
inline const QString Iid = QStringLiteral("Iid");
inline const QString Description = QStringLiteral("Description");
inline const QString Amount = QStringLiteral("Amount");
// Pay day index 0 to 28: days 1 to 28 of the month, 28 for its last day.
inline const QString PayDate = QStringLiteral("PayDate");
inline const QString Repeat = QStringLiteral("Repeat");                  // IncomeRepeat
inline const QString CreationDate = QStringLiteral("CreationDate");     // the last save
inline const QString IncomeDates = QStringLiteral("IncomeDates");       // every two weeks or weekly: pay dates, oldest first

}  // namespace IncomeSourceKeys

// How often an income source pays.
enum class IncomeRepeat : int { OneTime = 0, Monthly = 1, EveryTwoWeeks = 2, Weekly = 3 };

// The user's income sources, kept in "incomeindex.plist" of the data folder,
// and what they bring in the current month. Made for each use; keeps no
// state. "Now" comes from the environment's clock; months are months of the
// local calendar.
//
// Sources that pay once live until the month of their last save has passed;
// sources paid every two weeks or weekly carry three years of pay dates from
// the month of their last save; monthly ones never run out. Every read drops
// what lies in months that have passed and writes the list back. A file that
// is there but cannot be read is never written over.
class BWIncomeManager
{
public:
    explicit BWIncomeManager(const BWStoreEnvironment& env);

    // The sources, with what has run out dropped (and that list written
    // back). A missing file reads as no sources and is created. Nothing when
    // there is no data folder or the file can't be read.
    std::optional<QVariantList> getIncomeSources() const;
    // Writes the sources as the whole file. False when nothing was written:
    // no data folder, a file there that can't be read, or a failed write.
    bool writeUpdatedIncomeArray(const QVariantList& sources) const;
    // The sources without those that have run out, and every source's pay
    // dates without those of months that have passed.
    QVariantList removeInactiveIncomeSources(const QVariantList& sources) const;

    // What the sources pay this month on days up to and including today.
    double incomeThisMonth() const;
    // What the sources pay this month in all.
    double incomeThisMonthAll() const;
    // This month's pay dates of all sources, source by source.
    // No caller in the program; payDatesThisMonth() of each source.
    QList<QDateTime> incomeDatesThisMonth() const;

    // The next pay date of a source as the sources' table shows it: "Mar 5".
    QString displayDateWithIncome(const QVariantMap& source) const;
    // This month's day of a pay day index: "Mar 5", "Apr 30" for index 28.
    QString displayDateFromIndex(int payDayIndex) const;
    // Number of days of the current month.
    // No caller in the program; the days of this month by the clock.
    int lastDayOfMonth() const;
    // The pay dates of a new or saved source: the pay day of this month, then
    // 78 more every two weeks or 156 more every week; the first alone for a
    // source that pays once or monthly.
    QList<QDateTime> createArrayOfIncomeDatesForInterval(IncomeRepeat repeat, int payDayIndex) const;
    // The start of this month's day for a pay day index; index 28 (and
    // anything beyond) is the month's last day.
    QDateTime dateFromDateIndex(int payDayIndex) const;

private:
    QString incomeFilePath() const;
    QDateTime now() const;
    // The source's pay dates that fall in the current month.
    QList<QDateTime> payDatesThisMonth(const QVariantMap& source) const;
    std::optional<QVariantMap> withoutPassedMonths(const QVariantMap& source) const;

    BWStoreEnvironment m_env;
};
