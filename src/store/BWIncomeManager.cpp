#include "store/BWIncomeManager.h"

#include <QDir>
#include <QLocale>
#include <algorithm>

#include "platform/Clock.h"
#include "platform/Log.h"
#include "platform/PropertyList.h"
#include "store/BWBillRecordKeys.h"
#include "store/BWDataFolder.h"
#include "store/BWCalendarMonth.h"

namespace {

// Pay dates a source saved today carries: three years' worth.
constexpr int kFortnightlyPayDates = 1 + 78;
constexpr int kWeeklyPayDates = 1 + 156;
constexpr int kLastDayIndex = 28;

enum class FileState { Missing, Readable, Damaged };

struct IncomeFile {
    FileState state = FileState::Missing;
    QVariantList sources;
    QVariantMap contents;
};

IncomeFile readIncomeFile(const QString& path)
{
    const PropertyList::ReadResult result = PropertyList::read(path);
    if (result.status == PropertyList::Status::NotFound)
        return {};
    const QVariant sources = result.value.toMap().value(IncomeSourceKeys::IncomeSources, QVariantList());
    if (!result.ok() || result.value.typeId() != QMetaType::QVariantMap
        || sources.typeId() != QMetaType::QVariantList) {
        const QString why = result.ok() ? QStringLiteral("not a list of income sources") : result.error;
        Log::line(QStringLiteral("Income sources %1 cannot be read: %2").arg(path, why));
        return {FileState::Damaged, {}, {}};
    }
    return {FileState::Readable, sources.toList(), result.value.toMap()};
}

std::optional<IncomeRepeat> repeatOf(const QVariantMap& source)
{
    const qlonglong code = source.value(IncomeSourceKeys::Repeat).toLongLong();
    if (code < qlonglong(IncomeRepeat::OneTime) || code > qlonglong(IncomeRepeat::Weekly))
        return std::nullopt;
    return IncomeRepeat(code);
}

bool carriesPayDates(const QVariantMap& source)
{
    const std::optional<IncomeRepeat> repeat = repeatOf(source);
    return repeat == IncomeRepeat::EveryTwoWeeks || repeat == IncomeRepeat::Weekly;
}

QList<QDateTime> payDatesOf(const QVariantMap& source)
{
    QList<QDateTime> dates;
    for (const QVariant& date : source.value(IncomeSourceKeys::IncomeDates).toList())
        dates.append(date.toDateTime());
    return dates;
}

QString shortMonthName(int month)
{
    static const QStringList names{"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                   "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    return names.at(month - 1);
}

}  // namespace

BWIncomeManager::BWIncomeManager(const BWStoreEnvironment& env)
    : m_env(env)
{
}

QDateTime BWIncomeManager::now() const
{
    return m_env.clock ? m_env.clock->now() : QDateTime::currentDateTime();
}

QString BWIncomeManager::incomeFilePath() const
{
    const QString folder = BWDataFolder(m_env).path();
    return folder.isEmpty() ? QString() : QDir(folder).filePath(DataFolderFiles::IncomeIndex);
}

// ---- The file ----

std::optional<QVariantList> BWIncomeManager::getIncomeSources() const
{
    const QString path = incomeFilePath();
    if (path.isEmpty())
        return std::nullopt;
    const IncomeFile file = readIncomeFile(path);
    if (file.state == FileState::Damaged)
        return std::nullopt;
    const QVariantList sources = removeInactiveIncomeSources(file.sources);
    // The side bar reads the sources each time it shows: a file that already
    // holds what would be written is left alone, sparing a synced write.
    const bool upToDate = file.state == FileState::Readable
        && file.contents == QVariantMap{{IncomeSourceKeys::IncomeSources, sources}};
    if (!upToDate && !writeUpdatedIncomeArray(sources))
        Log::line(QStringLiteral("Could not write back the income sources %1").arg(path));
    return sources;
}

bool BWIncomeManager::writeUpdatedIncomeArray(const QVariantList& sources) const
{
    const QString path = incomeFilePath();
    if (path.isEmpty())
        return false;
    if (readIncomeFile(path).state == FileState::Damaged) {
        Log::line(QStringLiteral("Refusing to overwrite the unreadable income sources %1").arg(path));
        return false;
    }
    QString error;
    if (!PropertyList::write(path, QVariantMap{{IncomeSourceKeys::IncomeSources, sources}}, &error)) {
        Log::line(QStringLiteral("Could not write the income sources %1: %2").arg(path, error));
        return false;
    }
    return true;
}

// Only months that have passed are dropped: with the clock set back a while,
// sources and pay dates of "future" months must still be there when it is
// put right again.
QVariantList BWIncomeManager::removeInactiveIncomeSources(const QVariantList& sources) const
{
    QVariantList kept;
    for (const QVariant& entry : sources) {
        if (const std::optional<QVariantMap> source = withoutPassedMonths(entry.toMap()))
            kept.append(*source);
    }
    return kept;
}

std::optional<QVariantMap> BWIncomeManager::withoutPassedMonths(const QVariantMap& source) const
{
    const BWCalendarMonth thisMonth = BWCalendarMonth::of(now());
    if (repeatOf(source) == IncomeRepeat::Monthly)
        return source;
    if (!carriesPayDates(source)) {
        const QDateTime saved = source.value(IncomeSourceKeys::CreationDate).toDateTime();
        if (!saved.isValid() || BWCalendarMonth::of(saved) < thisMonth)
            return std::nullopt;
        return source;
    }
    QVariantList remaining;
    for (const QDateTime& date : payDatesOf(source)) {
        if (!remaining.isEmpty() || (date.isValid() && BWCalendarMonth::of(date) >= thisMonth))
            remaining.append(date);
    }
    QVariantMap pruned = source;
    pruned.insert(IncomeSourceKeys::IncomeDates, remaining);
    return pruned;
}

// ---- This month ----

QList<QDateTime> BWIncomeManager::payDatesThisMonth(const QVariantMap& source) const
{
    const BWCalendarMonth thisMonth = BWCalendarMonth::of(now());
    const std::optional<IncomeRepeat> repeat = repeatOf(source);
    if (repeat == IncomeRepeat::Monthly)
        return {dateFromDateIndex(source.value(IncomeSourceKeys::PayDate).toInt())};
    if (repeat == IncomeRepeat::OneTime) {
        const QDateTime saved = source.value(IncomeSourceKeys::CreationDate).toDateTime();
        if (!saved.isValid() || BWCalendarMonth::of(saved) != thisMonth)
            return {};
        return {dateFromDateIndex(source.value(IncomeSourceKeys::PayDate).toInt())};
    }
    QList<QDateTime> dates;
    for (const QDateTime& date : payDatesOf(source)) {
        if (date.isValid() && BWCalendarMonth::of(date) == thisMonth)
            dates.append(date);
    }
    return dates;
}

QList<QDateTime> BWIncomeManager::incomeDatesThisMonth() const
{
    QList<QDateTime> dates;
    for (const QVariant& source : getIncomeSources().value_or(QVariantList()))
        dates.append(payDatesThisMonth(source.toMap()));
    return dates;
}

double BWIncomeManager::incomeThisMonth() const
{
    const QDate today = now().toLocalTime().date();
    double sum = 0;
    for (const QVariant& entry : getIncomeSources().value_or(QVariantList())) {
        const QVariantMap source = entry.toMap();
        for (const QDateTime& date : payDatesThisMonth(source)) {
            if (date.toLocalTime().date() <= today)
                sum += source.value(IncomeSourceKeys::Amount).toDouble();
        }
    }
    return sum;
}

double BWIncomeManager::incomeThisMonthAll() const
{
    double sum = 0;
    for (const QVariant& entry : getIncomeSources().value_or(QVariantList())) {
        const QVariantMap source = entry.toMap();
        sum += payDatesThisMonth(source).size() * source.value(IncomeSourceKeys::Amount).toDouble();
    }
    return sum;
}

// ---- Pay days ----

QDateTime BWIncomeManager::dateFromDateIndex(int payDayIndex) const
{
    const QDate today = now().toLocalTime().date();
    const int day = payDayIndex >= kLastDayIndex ? today.daysInMonth() : std::max(payDayIndex, 0) + 1;
    return QDate(today.year(), today.month(), day).startOfDay();
}

int BWIncomeManager::lastDayOfMonth() const
{
    return now().toLocalTime().date().daysInMonth();
}

QString BWIncomeManager::displayDateFromIndex(int payDayIndex) const
{
    const QDate day = dateFromDateIndex(payDayIndex).date();
    return QStringLiteral("%1 %2").arg(shortMonthName(day.month())).arg(day.day());
}

QString BWIncomeManager::displayDateWithIncome(const QVariantMap& source) const
{
    if (!repeatOf(source))
        return QString();
    if (!carriesPayDates(source))
        return displayDateFromIndex(source.value(IncomeSourceKeys::PayDate).toInt());
    const QList<QDateTime> dates = payDatesOf(source);
    const QDateTime next = dates.isEmpty() ? now() : dates.constFirst();
    return QLocale().toString(next.toLocalTime().date(), QStringLiteral("MMM d"));
}

QList<QDateTime> BWIncomeManager::createArrayOfIncomeDatesForInterval(IncomeRepeat repeat, int payDayIndex) const
{
    const QDateTime first = dateFromDateIndex(payDayIndex);
    int count = 1;
    int daysApart = 0;
    if (repeat == IncomeRepeat::EveryTwoWeeks) {
        count = kFortnightlyPayDates;
        daysApart = 14;
    } else if (repeat == IncomeRepeat::Weekly) {
        count = kWeeklyPayDates;
        daysApart = 7;
    }
    QList<QDateTime> dates;
    for (int i = 0; i < count; ++i)
        dates.append(first.date().addDays(qint64(i) * daysApart).startOfDay());
    return dates;
}
