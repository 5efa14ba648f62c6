#include "platform/LocalDates.h"

#include <ctime>

namespace {

// Moments between the start of 32-bit time and the end of year 9999, which Qt
// converts with the C library's localtime_r() too; it takes other roads
// outside them, so those few moments are left to Qt.
constexpr qint64 EarliestConvertedMs = -(qint64(1) << 31) * 1000;
constexpr qint64 LatestConvertedMs = Q_INT64_C(253402300799999);

qint64 floorSeconds(qint64 ms)
{
    return ms >= 0 ? ms / 1000 : -((-ms + 999) / 1000);
}

}  // namespace

LocalDates::LocalDates()
{
    // The one read of the zone; localtime_r() below keeps to what it read.
    tzset();
}

QDate LocalDates::dateOf(const QDateTime& moment) const
{
    if (!moment.isValid())
        return {};
    // A local time is its own local day, as toLocalTime() hands it back.
    if (moment.timeSpec() == Qt::LocalTime)
        return moment.date();
    const qint64 ms = moment.toMSecsSinceEpoch();
    if (ms < EarliestConvertedMs || ms > LatestConvertedMs)
        return moment.toLocalTime().date();
    const time_t seconds = time_t(floorSeconds(ms));
    tm local{};
    if (!localtime_r(&seconds, &local))
        return moment.toLocalTime().date();
    return QDate(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday);
}

qint64 LocalDates::daysFromTo(const QDateTime& from, const QDateTime& to) const
{
    return dateOf(from).daysTo(dateOf(to));
}
