#pragma once

#include <QDateTime>
#include <QMutex>
#include <QString>

// Stamps for changes that several computers make apart, ordered so that no
// computer's clock can win with them: a change made after a computer saw
// another change always carries the later stamp, however far its clock is
// off. A stamp is the wall time of its computer in milliseconds, a counter
// and the computer's device id; a new stamp is never earlier than any stamp
// the clock has seen, plus one. Stamps of one moment are told apart by the
// counter, then by the device id, so no two computers ever make equal ones.
//
// Stamps are texts of fixed width ("<wall ms>-<counter>-<device id>"), so
// comparing two texts compares the stamps; the empty text is earlier than
// every stamp. Safe to use from any thread.
class HybridLogicalClock
{
public:
    // `deviceID`: 32 upper-case hexadecimal digits naming this computer.
    explicit HybridLogicalClock(const QString& deviceID);

    QString deviceID() const;
    // Stamps made from now on carry `deviceID`: this computer's id was found
    // in use by another one.
    void setDeviceID(const QString& deviceID);

    // A stamp later than every stamp made or seen here: `wallTime` when that
    // is later, else the latest one's time with the next counter; never more
    // than a day ahead of `wallTime` (this computer's clock): `wallTime`
    // again after the clock was set back by more.
    QString next(const QDateTime& wallTime);
    // Takes in a stamp made elsewhere, so that the next one made here is
    // later; false, and nothing taken, for a text that is no stamp or a stamp
    // more than a day ahead of `wallTime`: one clock far ahead would
    // otherwise rule every later change of its bill.
    bool observe(const QString& stamp, const QDateTime& wallTime);
    QString latest() const;
    // The latest stamp taken as time by a computer whose clock reads
    // `wallTime`: a day ahead of it.
    static QString boundFor(const QDateTime& wallTime);
    static bool isFarAhead(const QString& stamp, const QDateTime& wallTime);

    // ---- Stamps as texts ----
    static QString stampOf(qint64 wallMilliseconds, quint32 counter, const QString& deviceID);
    // The stamp a change of an older record gets, which kept only the date of
    // its last change: that moment, counter `counter` and no device, the same
    // on every computer.
    static QString stampOfDate(const QDateTime& date, quint32 counter = 0);
    // The stamp earlier than every stamp of a change.
    static QString origin();
    // The wall time of a stamp; invalid for a text that is no stamp.
    static QDateTime wallTimeOf(const QString& stamp);
    static bool isStamp(const QString& text);
    // The id of the computer that made the stamp.
    static QString deviceOf(const QString& stamp);
    // The stamp just after `stamp`, of the same device.
    static QString successorOf(const QString& stamp);
    // The id of a computer that no stamp of a real computer carries.
    static QString noDevice();

private:
    struct Parts
    {
        qint64 wall = 0;
        quint32 counter = 0;
    };
    static bool partsOf(const QString& stamp, Parts* parts);

    mutable QMutex m_mutex;
    QString m_deviceID;
    QString m_latest;
};
