#include "store/BWBillFileCache.h"

#include <QMutexLocker>

#include <algorithm>
#include <optional>

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

void BWBillFileCache::readAhead(const QStringList& paths)
{
    QMutexLocker lock(&m_mutex);
    m_ahead = BWBillFileBatch::start(paths, BWBillFileBatch::workersFor(paths.size()));
    m_aheadPaths = QSet<QString>(paths.cbegin(), paths.cend());
    m_readEarly.clear();
    m_filesRead += paths.size();
}

qsizetype BWBillFileCache::filesRead() const
{
    QMutexLocker lock(&m_mutex);
    return m_filesRead;
}

// A read that asks for a file being read ahead waits for the whole read
// ahead; what it read stays until asked for. A file whose stamp was not yet
// settled is left out: a change made after its read, within the same tick,
// would go unseen.
void BWBillFileCache::joinReadAhead(const QStringList& paths)
{
    if (!m_ahead || std::none_of(paths.cbegin(), paths.cend(), [this](const QString& path) {
            return m_aheadPaths.contains(path);
        }))
        return;
    m_ahead->finish();
    for (qsizetype i = 0; i < m_ahead->paths().size(); ++i) {
        const BWBillFileBatch::File& file = m_ahead->files().at(i);
        if (file.settledWhenRead && file.standsFor(file.before))
            m_readEarly.insert(m_ahead->paths().at(i), Entry{*file.after, file.result});
    }
    m_ahead.reset();
    m_aheadPaths.clear();
}

QList<PropertyList::ReadResult> BWBillFileCache::read(const QStringList& paths, Scope scope)
{
    QMutexLocker lock(&m_mutex);
    joinReadAhead(paths);
    QList<PropertyList::ReadResult> results(paths.size());
    QList<std::optional<FileStamp>> stamps(paths.size());
    // The files read for this call, early or now, with the stamp each was
    // read with: kept when the stamp was settled by then.
    QList<std::pair<qsizetype, FileStamp>> fresh;
    QList<qsizetype> toRead;
    qsizetype hits = 0;
    for (qsizetype i = 0; i < paths.size(); ++i) {
        stamps[i] = FileStamp::of(paths.at(i));
        const auto cached = m_entries.constFind(paths.at(i));
        const std::optional<Entry> early =
            m_readEarly.contains(paths.at(i)) ? std::optional(m_readEarly.take(paths.at(i))) : std::nullopt;
        if (cached != m_entries.cend() && cached->stamp == stamps.at(i)) {
            results[i] = cached->result;
            ++hits;
        } else if (early && early->stamp == stamps.at(i)) {
            results[i] = early->result;
            fresh.append({i, early->stamp});
        } else {
            toRead.append(i);
        }
    }

    // Reading and parsing a file has no side effects, so the changed files
    // are read on the worker threads; a few are not worth the hand-off.
    QStringList changedPaths;
    for (const qsizetype i : std::as_const(toRead))
        changedPaths.append(paths.at(i));
    const auto batch = BWBillFileBatch::start(changedPaths, BWBillFileBatch::workersFor(changedPaths.size()));
    batch->finish();
    m_filesRead += changedPaths.size();
    for (qsizetype j = 0; j < toRead.size(); ++j) {
        const qsizetype i = toRead.at(j);
        const BWBillFileBatch::File& file = batch->files().at(j);
        results[i] = file.result;
        if (file.settledWhenRead && file.standsFor(stamps.at(i)))
            fresh.append({i, *stamps.at(i)});
    }

    // Every file as kept, and none kept beyond them: the cache stays as it
    // is, without a copy of thousands of entries.
    if (hits == paths.size() && (scope == Scope::Some || m_entries.size() == paths.size())) {
        if (scope == Scope::AllKept)
            m_readEarly.clear();
        return results;
    }
    if (scope == Scope::Some) {
        keepInPlace(paths, stamps, results, fresh);
        return results;
    }
    m_readEarly.clear();
    QHash<QString, Entry> kept;
    for (const auto& [i, stamp] : std::as_const(fresh)) {
        if (results.at(i).ok())
            kept.insert(paths.at(i), Entry{stamp, results.at(i)});
    }
    for (qsizetype i = 0; i < paths.size(); ++i) {
        const auto cached = m_entries.constFind(paths.at(i));
        if (!kept.contains(paths.at(i)) && cached != m_entries.cend() && cached->stamp == stamps.at(i))
            kept.insert(paths.at(i), *cached);
    }
    m_entries = kept;
    return results;
}

// A read of some files changes the entries of those files only, in place:
// a copy of the whole cache for one changed file would cost more than the
// read itself.
void BWBillFileCache::keepInPlace(const QStringList& paths, const QList<std::optional<FileStamp>>& stamps,
                                  const QList<PropertyList::ReadResult>& results,
                                  const QList<std::pair<qsizetype, FileStamp>>& fresh)
{
    QSet<QString> renewed;
    for (const auto& [i, stamp] : fresh) {
        if (results.at(i).ok() && !renewed.contains(paths.at(i))) {
            m_entries.insert(paths.at(i), Entry{stamp, results.at(i)});
            renewed.insert(paths.at(i));
        }
    }
    for (qsizetype i = 0; i < paths.size(); ++i) {
        if (renewed.contains(paths.at(i)))
            continue;
        const auto cached = m_entries.find(paths.at(i));
        if (cached != m_entries.end() && cached->stamp != stamps.at(i))
            m_entries.erase(cached);
    }
}
