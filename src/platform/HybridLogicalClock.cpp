#include "platform/HybridLogicalClock.h"

#include <QMutexLocker>
#include <QTimeZone>

#include <algorithm>

namespace {

// 15 decimal digits of milliseconds last beyond the year 30000; 8
// hexadecimal digits of counter outlast any run of changes within one
// millisecond of a clock far behind.
constexpr int WallDigits = 15;
constexpr int CounterDigits = 8;
constexpr int DeviceDigits = 32;
constexpr int StampLength = WallDigits + 1 + CounterDigits + 1 + DeviceDigits;
constexpr quint32 LastCounter = 0xFFFFFFFFu;
// How far ahead of this computer's clock a stamp may be taken as time.
constexpr qint64 LargestLeadMs = 24LL * 60 * 60 * 1000;

}  // namespace

HybridLogicalClock::HybridLogicalClock(const QString& deviceID)
    : m_deviceID(deviceID)
{
}

QString HybridLogicalClock::deviceID() const
{
    QMutexLocker locker(&m_mutex);
    return m_deviceID;
}

void HybridLogicalClock::setDeviceID(const QString& deviceID)
{
    QMutexLocker locker(&m_mutex);
    m_deviceID = deviceID;
}

QString HybridLogicalClock::next(const QDateTime& wallTime)
{
    QMutexLocker locker(&m_mutex);
    Parts latest;
    const qint64 wall = std::max<qint64>(0, wallTime.toMSecsSinceEpoch());
    // A latest stamp more than a day ahead was made here by this clock before
    // it was set back: the stamps start again from its time, which the other
    // computers take.
    if (partsOf(m_latest, &latest) && latest.wall > wall + LargestLeadMs)
        m_latest = stampOf(wall, 0, m_deviceID);
    else if (partsOf(m_latest, &latest) && latest.wall >= wall)
        m_latest = successorOf(m_latest).left(StampLength - DeviceDigits) + m_deviceID;
    else
        m_latest = stampOf(wall, 0, m_deviceID);
    return m_latest;
}

bool HybridLogicalClock::observe(const QString& stamp, const QDateTime& wallTime)
{
    if (!isStamp(stamp) || isFarAhead(stamp, wallTime))
        return false;
    QMutexLocker locker(&m_mutex);
    // A latest stamp far ahead was made here before the clock was set back:
    // it is no time any more, and it must not hide the stamps seen now.
    if (stamp > m_latest || isFarAhead(m_latest, wallTime))
        m_latest = stamp;
    return true;
}

QString HybridLogicalClock::boundFor(const QDateTime& wallTime)
{
    return stampOf(wallTime.toMSecsSinceEpoch() + LargestLeadMs, LastCounter, QString(DeviceDigits, u'F'));
}

bool HybridLogicalClock::isFarAhead(const QString& stamp, const QDateTime& wallTime)
{
    return stamp > boundFor(wallTime);
}

QString HybridLogicalClock::latest() const
{
    QMutexLocker locker(&m_mutex);
    return m_latest;
}

QString HybridLogicalClock::stampOf(qint64 wallMilliseconds, quint32 counter, const QString& deviceID)
{
    return QStringLiteral("%1-%2-%3")
        .arg(std::max<qint64>(0, wallMilliseconds), WallDigits, 10, QLatin1Char('0'))
        .arg(counter, CounterDigits, 16, QLatin1Char('0'))
        .arg(deviceID)
        .toUpper();
}

QString HybridLogicalClock::stampOfDate(const QDateTime& date, quint32 counter)
{
    return stampOf(date.isValid() ? date.toMSecsSinceEpoch() : 0, counter, noDevice());
}

QString HybridLogicalClock::origin()
{
    return stampOf(0, 0, noDevice());
}

QString HybridLogicalClock::noDevice()
{
    return QString(DeviceDigits, QLatin1Char('0'));
}

QDateTime HybridLogicalClock::wallTimeOf(const QString& stamp)
{
    Parts parts;
    if (!partsOf(stamp, &parts))
        return {};
    return QDateTime::fromMSecsSinceEpoch(parts.wall, QTimeZone::utc());
}

bool HybridLogicalClock::isStamp(const QString& text)
{
    Parts parts;
    return partsOf(text, &parts);
}

QString HybridLogicalClock::deviceOf(const QString& stamp)
{
    return stamp.right(DeviceDigits);
}

QString HybridLogicalClock::successorOf(const QString& stamp)
{
    const QString deviceID = stamp.right(DeviceDigits);
    Parts parts;
    if (!partsOf(stamp, &parts))
        return origin();
    // At the counter's limit the stamp moves on to the next millisecond, so
    // it never wraps round to an earlier one.
    if (parts.counter == LastCounter)
        return stampOf(parts.wall + 1, 0, deviceID);
    return stampOf(parts.wall, parts.counter + 1, deviceID);
}

bool HybridLogicalClock::partsOf(const QString& stamp, Parts* parts)
{
    if (stamp.size() != StampLength || stamp.at(WallDigits) != u'-' || stamp.at(WallDigits + 1 + CounterDigits) != u'-')
        return false;
    bool wallRead = false, counterRead = false;
    parts->wall = stamp.left(WallDigits).toLongLong(&wallRead);
    parts->counter = stamp.mid(WallDigits + 1, CounterDigits).toUInt(&counterRead, 16);
    return wallRead && counterRead;
}
