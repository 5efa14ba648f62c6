#include "sync/FirebasePendingWrites.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <unistd.h>

#include "platform/AtomicFile.h"
#include "platform/BWUIDMaker.h"
#include "platform/Log.h"
#include "store/BWDataFolder.h"

namespace {

const QLatin1String ConfirmedKey("confirmed");
const QLatin1String NextSequenceKey("nextSequence");
const QLatin1String WritesKey("writes");

QJsonObject toJson(const FirebasePendingWrite& write)
{
    return {{QLatin1String("operation"), write.operation == FirebasePendingWrite::Save ? "save" : "remove"},
            {QLatin1String("uid"), write.uid},
            {QLatin1String("bid"), write.billID},
            {QLatin1String("record"), QJsonObject::fromVariantMap(write.record)},
            {QLatin1String("deletedAt"), write.deletedAt},
            {QLatin1String("sequence"), write.sequence}};
}

std::optional<FirebasePendingWrite> fromJson(const QJsonObject& object)
{
    FirebasePendingWrite write;
    write.operation = object.value(QLatin1String("operation")).toString() == QLatin1String("remove")
                          ? FirebasePendingWrite::Remove
                          : FirebasePendingWrite::Save;
    write.uid = object.value(QLatin1String("uid")).toString();
    write.billID = object.value(QLatin1String("bid")).toString();
    write.record = object.value(QLatin1String("record")).toObject().toVariantMap();
    write.deletedAt = object.value(QLatin1String("deletedAt")).toDouble();
    write.sequence = object.value(QLatin1String("sequence")).toInteger();
    // The id will name a database node and, coming back, a bill file.
    if (write.uid.isEmpty() || write.uid.contains(QLatin1Char('/')) || !BWUIDMaker::isValidUID(write.billID)
        || write.sequence <= 0)
        return std::nullopt;
    return write;
}

QByteArray lineOf(const QJsonObject& object)
{
    return QJsonDocument(object).toJson(QJsonDocument::Compact) + '\n';
}

QString keyOf(const QString& uid, const QString& billID)
{
    return uid + QLatin1Char('/') + billID;
}

// Below this the file is left as it is, however much of it no longer counts.
constexpr qint64 SmallestCompaction = 64 * 1024;

}  // namespace

FirebasePendingWrites::FirebasePendingWrites(const BWStoreEnvironment& env) : m_env(env) {}

QString FirebasePendingWrites::path() const
{
    const QString folder = BWDataFolder(m_env).path();
    return folder.isEmpty() ? QString() : folder + QLatin1Char('/') + fileName();
}

void FirebasePendingWrites::load() const
{
    const QString file = path();
    if (file == m_loadedPath)
        return;
    m_loadedPath = file;
    m_nextSequence = 1;
    m_bySequence.clear();
    m_sequenceOf.clear();
    m_liveBytes = m_fileBytes = m_headerBytes = 0;
    m_tornTail = false;
    QFile journal(file);
    if (file.isEmpty() || !journal.open(QIODevice::ReadOnly))
        return;
    const QByteArray bytes = journal.readAll();
    m_fileBytes = bytes.size();
    m_tornTail = !bytes.isEmpty() && !bytes.endsWith('\n');
    for (const QByteArray& line : bytes.split('\n')) {
        if (!line.isEmpty())
            replay(line);
    }
    m_compactOnOpen = m_tornTail || m_fileBytes > m_headerBytes + m_liveBytes;
}

// What no longer counts goes once the file was read, and a cut-off line
// with it.
void FirebasePendingWrites::open()
{
    load();
    if (m_compactOnOpen)
        compact();
}

// One line of the log applied to the journal in memory; a line that does
// not read is one a crash cut off.
void FirebasePendingWrites::replay(const QByteArray& line) const
{
    const QJsonObject object = QJsonDocument::fromJson(line).object();
    if (object.contains(WritesKey)) {
        m_bySequence.clear();
        m_sequenceOf.clear();
        m_liveBytes = 0;
        // A log compacted here starts so; an earlier version's journal
        // holds its writes in the line itself.
        m_headerBytes = object.value(WritesKey).toArray().isEmpty() ? line.size() + 1 : 0;
        m_nextSequence = std::max<qint64>(1, object.value(NextSequenceKey).toInteger());
        for (const QJsonValue& entry : object.value(WritesKey).toArray()) {
            if (const std::optional<FirebasePendingWrite> write = fromJson(entry.toObject()))
                keep({*write, lineOf(toJson(*write))});
        }
    } else if (object.contains(ConfirmedKey)) {
        const qint64 sequence = object.value(ConfirmedKey).toInteger();
        const auto entry = m_bySequence.constFind(sequence);
        if (entry != m_bySequence.cend())
            drop(keyOf(entry->write.uid, entry->write.billID));
        m_nextSequence = std::max(m_nextSequence, sequence + 1);
    } else if (const std::optional<FirebasePendingWrite> write = fromJson(object)) {
        keep({*write, line + '\n'});
    }
}

// The newest write of a bill replaces any earlier one.
void FirebasePendingWrites::keep(const Entry& entry) const
{
    const QString key = keyOf(entry.write.uid, entry.write.billID);
    drop(key);
    m_bySequence.insert(entry.write.sequence, entry);
    m_sequenceOf.insert(key, entry.write.sequence);
    m_liveBytes += entry.line.size();
    m_nextSequence = std::max(m_nextSequence, entry.write.sequence + 1);
}

void FirebasePendingWrites::drop(const QString& key) const
{
    const auto sequence = m_sequenceOf.constFind(key);
    if (sequence == m_sequenceOf.cend())
        return;
    m_liveBytes -= m_bySequence.value(*sequence).line.size();
    m_bySequence.remove(*sequence);
    m_sequenceOf.erase(sequence);
}

bool FirebasePendingWrites::append(const QByteArray& lines, bool flushToDisk)
{
    QFile journal(m_loadedPath);
    if (m_loadedPath.isEmpty() || !journal.open(QIODevice::WriteOnly | QIODevice::Append)) {
        Log::line(QStringLiteral("Could not write the journal of cloud writes: %1").arg(journal.errorString()));
        return false;
    }
    // A line cut off by a crash must not swallow the next one.
    const QByteArray bytes = m_tornTail ? '\n' + lines : lines;
    const bool written = journal.write(bytes) == bytes.size() && journal.flush()
                         && (!flushToDisk || ::fdatasync(journal.handle()) == 0);
    if (!written) {
        Log::line(QStringLiteral("Could not write the journal of cloud writes: %1").arg(journal.errorString()));
        // Whatever part of it got there is a cut-off line now.
        m_tornTail = true;
        return false;
    }
    m_tornTail = false;
    m_fileBytes += bytes.size();
    return true;
}

std::optional<FirebasePendingWrite> FirebasePendingWrites::add(const FirebasePendingWrite& write)
{
    const QList<FirebasePendingWrite> added = add(QList<FirebasePendingWrite>{write});
    return added.isEmpty() ? std::nullopt : std::optional(added.first());
}

QList<FirebasePendingWrite> FirebasePendingWrites::add(QList<FirebasePendingWrite> writes)
{
    open();
    QList<Entry> entries;
    QByteArray lines;
    qint64 sequence = m_nextSequence;
    for (FirebasePendingWrite& write : writes) {
        write.sequence = sequence++;
        entries.append({write, lineOf(toJson(write))});
        lines += entries.last().line;
    }
    // Flushed to disk before it is sent: the server may confirm it at once.
    if (!append(lines, true))
        return {};
    for (const Entry& entry : std::as_const(entries))
        keep(entry);
    compactWhenMostlyDead();
    return writes;
}

bool FirebasePendingWrites::confirm(const FirebasePendingWrite& write)
{
    open();
    const QString key = keyOf(write.uid, write.billID);
    if (write.sequence <= 0 || m_sequenceOf.value(key) != write.sequence)
        return true;
    // A confirmation lost to a crash only sends the write once more.
    const bool written = append(lineOf({{ConfirmedKey, write.sequence}}), false);
    if (written)
        drop(key);
    compactWhenMostlyDead();
    return written;
}

void FirebasePendingWrites::compactWhenMostlyDead()
{
    const qint64 dead = m_fileBytes - m_headerBytes - m_liveBytes;
    if (dead > m_liveBytes && dead >= SmallestCompaction)
        compact();
}

bool FirebasePendingWrites::compact()
{
    load();
    if (m_loadedPath.isEmpty())
        return false;
    // The live lines as they stand, behind a line that starts the journal
    // afresh and keeps the sequence going.
    QByteArray bytes = lineOf({{NextSequenceKey, m_nextSequence}, {WritesKey, QJsonArray()}});
    const qint64 header = bytes.size();
    for (const Entry& entry : std::as_const(m_bySequence))
        bytes += entry.line;
    QString error;
    if (!AtomicFile::write(m_loadedPath, bytes, &error)) {
        Log::line(QStringLiteral("Could not compact the journal of cloud writes: %1").arg(error));
        return false;
    }
    m_fileBytes = bytes.size();
    m_headerBytes = header;
    m_tornTail = m_compactOnOpen = false;
    return true;
}

QList<FirebasePendingWrite> FirebasePendingWrites::writesOf(const QString& uid) const
{
    load();
    QList<FirebasePendingWrite> writes;
    for (const Entry& entry : std::as_const(m_bySequence)) {
        if (entry.write.uid == uid)
            writes.append(entry.write);
    }
    return writes;
}

std::optional<FirebasePendingWrite> FirebasePendingWrites::writeFor(const QString& uid, const QString& billID) const
{
    load();
    const auto sequence = m_sequenceOf.constFind(keyOf(uid, billID));
    if (sequence == m_sequenceOf.cend())
        return std::nullopt;
    return m_bySequence.value(*sequence).write;
}
