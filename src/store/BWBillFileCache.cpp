#include "store/BWBillFileCache.h"

#include <QFile>
#include <QMutexLocker>
#include <QSet>
#include <QtConcurrent/QtConcurrentMap>

#include <sys/stat.h>
#include <time.h>

namespace {

// Well beyond the tick of any file-system clock.
constexpr qint64 SettledAfterNs = 2'000'000'000;

qint64 nanoseconds(const timespec& time)
{
    return qint64(time.tv_sec) * 1'000'000'000 + time.tv_nsec;
}

}  // namespace

BWBillFileCache& BWBillFileCache::shared()
{
    static BWBillFileCache cache;
    return cache;
}

BWBillFileCache& BWBillFileCache::indexes()
{
    static BWBillFileCache cache;
    return cache;
}

bool BWBillFileCache::stampOf(const QString& path, FileStamp* stamp)
{
    struct stat status {};
    if (::stat(QFile::encodeName(path).constData(), &status) != 0 || !S_ISREG(status.st_mode))
        return false;
    *stamp = {qint64(status.st_dev), qint64(status.st_ino), qint64(status.st_size), nanoseconds(status.st_mtim),
              nanoseconds(status.st_ctim)};
    return true;
}

bool BWBillFileCache::settled(const FileStamp& stamp)
{
    timespec now {};
    clock_gettime(CLOCK_REALTIME, &now);
    return nanoseconds(now) - stamp.changedNs > SettledAfterNs && nanoseconds(now) - stamp.modifiedNs > SettledAfterNs;
}

QList<PropertyList::ReadResult> BWBillFileCache::read(const QStringList& paths, Scope scope)
{
    QMutexLocker lock(&m_mutex);
    QList<PropertyList::ReadResult> results(paths.size());
    QList<FileStamp> stamps(paths.size());
    QList<bool> stamped(paths.size());
    QList<qsizetype> toParse;
    for (qsizetype i = 0; i < paths.size(); ++i) {
        stamped[i] = stampOf(paths.at(i), &stamps[i]);
        const auto cached = m_entries.constFind(paths.at(i));
        if (stamped[i] && cached != m_entries.cend() && cached->stamp == stamps.at(i))
            results[i] = cached->result;
        else
            toParse.append(i);
    }

    // Reading and parsing a file has no side effects, so the changed files
    // are parsed on the worker threads; a single one is not worth the hand-off.
    const auto parse = [&paths](qsizetype i) { return PropertyList::read(paths.at(i)); };
    const QList<PropertyList::ReadResult> parsed = toParse.size() == 1
        ? QList<PropertyList::ReadResult>{parse(toParse.first())}
        : QtConcurrent::blockingMapped<QList<PropertyList::ReadResult>>(toParse, parse);

    QHash<QString, Entry> kept;
    if (scope == Scope::Some) {
        kept = m_entries;
        for (const QString& path : paths)
            kept.remove(path);
    }
    for (qsizetype j = 0; j < toParse.size(); ++j) {
        const qsizetype i = toParse.at(j);
        results[i] = parsed.at(j);
        // The stamp taken before the read still has to match after it: a
        // file replaced in between is read again next time.
        FileStamp after;
        if (stamped.at(i) && results.at(i).ok() && stampOf(paths.at(i), &after) && after == stamps.at(i)
            && settled(after))
            kept.insert(paths.at(i), Entry{after, results.at(i)});
    }
    for (qsizetype i = 0; i < paths.size(); ++i) {
        const auto cached = m_entries.constFind(paths.at(i));
        if (!kept.contains(paths.at(i)) && cached != m_entries.cend() && cached->stamp == stamps.at(i))
            kept.insert(paths.at(i), *cached);
    }
    m_entries = kept;
    return results;
}
