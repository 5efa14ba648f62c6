#pragma once

// A file-sync service in small, for tests: it keeps two or more device
// folders in step the way Syncthing, Nextcloud or Dropbox would, only worse.
// Each file changed, added or removed in one folder reaches the others
// late, after a random number of rounds, so files arrive in any order (a
// journal before its record, a new version before the folder it is in). A
// file changed on both sides before the other's change arrived keeps the
// arriving version, and the local one is renamed the way the chosen service
// names its conflict copies; that copy then travels like any other file.
// At a truncation rate, a share of the arriving files lands cut short
// first and whole a few rounds later, as a file the service is still writing.

#include <QDateTime>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QHash>
#include <QRandomGenerator>
#include <QSaveFile>
#include <QSet>
#include <QTimer>

#include <algorithm>
#include <optional>
#include <vector>

class SimulatedFileSync : public QObject
{
public:
    enum class Service { Syncthing, Nextcloud, Dropbox };

    SimulatedFileSync(const QStringList& folders, Service service, quint32 seed, int longestDelayRounds = 6)
        : m_folders(folders), m_service(service), m_random(seed), m_longestDelay(longestDelayRounds)
    {
        m_held.resize(folders.size());
        for (int index = 0; index < folders.size(); ++index)
            m_held[index] = scan(index);
        QObject::connect(&m_timer, &QTimer::timeout, this, [this] { round(); });
    }

    // Runs a round every `intervalMs` on the event loop.
    void start(int intervalMs = 5) { m_timer.start(intervalMs); }
    void stop() { m_timer.stop(); }
    void setPaused(bool paused) { m_paused = paused; }
    // A folder cut off (its computer off the network) neither sends nor
    // receives; what is on its way to it waits.
    void setCutOff(int index, bool cutOff)
    {
        if (cutOff)
            m_cutOff.insert(index);
        else
            m_cutOff.remove(index);
    }
    void setTruncationRate(double rate) { m_truncationRate = rate; }

    // One round: what changed in each folder is sent off; what is due arrives.
    void round()
    {
        if (m_paused)
            return;
        ++m_round;
        for (int index = 0; index < m_folders.size(); ++index) {
            if (!m_cutOff.contains(index))
                sendChanges(index);
        }
        deliverDue();
    }

    // Nothing on its way and nothing changed since the last round, but to
    // and from the folders cut off.
    bool isIdle()
    {
        if (!m_unfinished.isEmpty() || std::any_of(m_inFlight.cbegin(), m_inFlight.cend(), [this](const Transfer& transfer) {
                return !m_cutOff.contains(transfer.to);
            }))
            return false;
        for (int index = 0; index < m_folders.size(); ++index) {
            if (m_cutOff.contains(index))
                continue;
            const QHash<QString, Held> now = scan(index);
            if (now.size() != m_held[index].size())
                return false;
            for (auto it = now.cbegin(); it != now.cend(); ++it) {
                if (m_held[index].value(it.key()).version != it->version)
                    return false;
            }
        }
        return true;
    }

    int conflictCopiesMade() const { return int(m_conflictCopies.size()); }
    int filesCarried() const { return m_carried; }
    int filesTruncated() const { return m_truncated; }

    static QString conflictName(Service service, const QString& fileName, int number)
    {
        const QString stem = fileName.section(QLatin1Char('.'), 0, -2);
        const QString extension = fileName.section(QLatin1Char('.'), -1);
        const QDateTime moment = QDateTime(QDate(2026, 12, 9), QTime(10, 0)).addSecs(number);
        switch (service) {
        case Service::Syncthing:
            return QStringLiteral("%1.sync-conflict-%2-%3-ABCDEF7.%4")
                .arg(stem, moment.toString("yyyyMMdd"), moment.toString("HHmmss"), extension);
        case Service::Nextcloud:
            return QStringLiteral("%1 (conflicted copy %2 %3).%4")
                .arg(stem, moment.toString("yyyy-MM-dd"), moment.toString("HHmmss"), extension);
        case Service::Dropbox:
            return QStringLiteral("%1 (Laptop %2's conflicted copy %3).%4")
                .arg(stem, QString::number(number), moment.toString("yyyy-MM-dd"), extension);
        }
        return fileName;
    }

private:
    // One version of a file and every version it was made over: a version
    // arriving where one of its ancestors is replaces it; one arriving where
    // a version it does not descend from is, is a conflict.
    struct Version
    {
        std::optional<QByteArray> content;   // none: the file was removed
        QSet<int> ancestors;
    };
    struct Held
    {
        int version = 0;   // 0: none
        qint64 size = -1;
        qint64 modified = -1;
    };
    struct Transfer
    {
        int to;
        QString path;
        int version;
        qint64 due;
    };

    // The files of a folder, read again only when their size or time moved.
    QHash<QString, Held> scan(int index)
    {
        QHash<QString, Held> files;
        const QDir root(m_folders.at(index));
        const QHash<QString, Held>& known = m_held[index];
        QDirIterator it(root.path(), QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString path = it.next();
            const QFileInfo info = it.fileInfo();
            const QString relative = root.relativeFilePath(path);
            Held held = known.value(relative);
            if (held.version == 0 || held.size != info.size() || held.modified != info.lastModified().toMSecsSinceEpoch()) {
                QFile file(path);
                if (!file.open(QIODevice::ReadOnly))
                    continue;
                const QByteArray content = file.readAll();
                if (held.version == 0 || m_versions.value(held.version).content != content)
                    held.version = newVersion(content, held.version);
                held.size = info.size();
                held.modified = info.lastModified().toMSecsSinceEpoch();
            }
            files.insert(relative, held);
        }
        return files;
    }

    int newVersion(const std::optional<QByteArray>& content, int over)
    {
        Version version{content, {}};
        if (over != 0)
            version.ancestors = m_versions.value(over).ancestors + QSet<int>{over};
        m_versions.insert(++m_lastVersion, version);
        return m_lastVersion;
    }

    void sendChanges(int from)
    {
        const QHash<QString, Held> now = scan(from);
        QHash<QString, Held>& held = m_held[from];
        for (auto it = now.cbegin(); it != now.cend(); ++it) {
            if (held.value(it.key()).version != it->version)
                send(from, it.key(), it->version);
        }
        for (auto it = held.cbegin(); it != held.cend(); ++it) {
            if (!now.contains(it.key()) && it->version != 0)
                send(from, it.key(), newVersion(std::nullopt, it->version));
        }
        held = now;
    }

    void send(int from, const QString& path, int version)
    {
        for (int to = 0; to < m_folders.size(); ++to) {
            if (to != from)
                m_inFlight.append({to, path, version, m_round + m_random.bounded(m_longestDelay + 1)});
        }
    }

    void deliverDue()
    {
        finishDue();
        QList<Transfer> due;
        for (auto it = m_inFlight.begin(); it != m_inFlight.end();) {
            if (it->due <= m_round && !m_cutOff.contains(it->to)) {
                due.append(*it);
                it = m_inFlight.erase(it);
            } else {
                ++it;
            }
        }
        // Arrivals of one round come in any order.
        for (qsizetype i = due.size() - 1; i > 0; --i)
            due.swapItemsAt(i, m_random.bounded(int(i + 1)));
        for (const Transfer& transfer : std::as_const(due))
            deliver(transfer);
    }

    void deliver(const Transfer& transfer)
    {
        // What changed here goes out first, as its own version.
        sendChanges(transfer.to);
        const int here = m_held[transfer.to].value(transfer.path).version;
        const Version& incoming = m_versions[transfer.version];
        if (here == transfer.version || m_versions.value(here).ancestors.contains(transfer.version))
            return;   // this or a later version is here already
        if (here == 0 || incoming.ancestors.contains(here)) {
            apply(transfer.to, transfer.path, transfer.version);
            return;
        }
        const std::optional<QByteArray> local = m_versions.value(here).content;
        if (!incoming.content || !local || *local == *incoming.content)
            return;   // removed on one side and changed on the other: the change stays
        // Changed on both sides. Every device keeps the same one of the two
        // (as a service keeps the newer) and holds the other as a copy, named
        // after the version that lost so that both sides make the same one.
        const bool incomingWins = *incoming.content > *local;
        const int loser = incomingWins ? here : transfer.version;
        const QString copy = QDir::cleanPath(QFileInfo(transfer.path).dir().filePath(
            conflictName(m_service, QFileInfo(transfer.path).fileName(), loser)));
        m_conflictCopies.insert(copy);
        write(transfer.to, copy, incomingWins ? *local : *incoming.content);
        if (incomingWins)
            apply(transfer.to, transfer.path, transfer.version);
    }

    void apply(int to, const QString& path, int version)
    {
        const std::optional<QByteArray>& content = m_versions.value(version).content;
        const QString target = QDir(m_folders.at(to)).filePath(path);
        if (!content) {
            QFile::remove(target);
            m_held[to].remove(path);
            return;
        }
        const bool cutShort
            = content->size() > 1 && m_truncationRate > 0.0 && m_random.generateDouble() < m_truncationRate;
        if (!write(to, path, cutShort ? content->left(content->size() / 2) : *content))
            return;
        // Held as the version it is on its way to be, so that it is not sent on.
        const QFileInfo info(target);
        m_held[to].insert(path, {version, info.size(), info.lastModified().toMSecsSinceEpoch()});
        if (cutShort) {
            ++m_truncated;
            m_unfinished.append({to, path, version, m_round + 1 + m_random.bounded(m_longestDelay + 1)});
        }
    }

    // The files that landed cut short and are due get the rest of their
    // content, unless something replaced or removed them meanwhile.
    void finishDue()
    {
        for (auto it = m_unfinished.begin(); it != m_unfinished.end();) {
            if (it->due > m_round) {
                ++it;
                continue;
            }
            const Held held = m_held[it->to].value(it->path);
            QFileInfo info(QDir(m_folders.at(it->to)).filePath(it->path));
            if (held.version == it->version && info.exists() && info.size() == held.size
                && info.lastModified().toMSecsSinceEpoch() == held.modified
                && write(it->to, it->path, *m_versions.value(it->version).content)) {
                info.refresh();
                m_held[it->to].insert(it->path, {it->version, info.size(), info.lastModified().toMSecsSinceEpoch()});
            }
            it = m_unfinished.erase(it);
        }
    }

    // A file written here that the next round sends on, unless `apply`
    // says which version it is.
    bool write(int to, const QString& path, const QByteArray& content)
    {
        const QDir root(m_folders.at(to));
        root.mkpath(QFileInfo(path).path());
        QSaveFile file(root.filePath(path));
        const bool written = file.open(QIODevice::WriteOnly) && file.write(content) == content.size() && file.commit();
        m_carried += written ? 1 : 0;
        return written;
    }

    QStringList m_folders;
    Service m_service;
    QRandomGenerator m_random;
    int m_longestDelay;
    std::vector<QHash<QString, Held>> m_held;
    QHash<int, Version> m_versions;
    int m_lastVersion = 0;
    QList<Transfer> m_inFlight;
    QList<Transfer> m_unfinished;  // landed cut short, due to be whole
    double m_truncationRate = 0.0;
    int m_truncated = 0;
    qint64 m_round = 0;
    QSet<QString> m_conflictCopies;
    int m_carried = 0;
    bool m_paused = false;
    QSet<int> m_cutOff;
    QTimer m_timer;
};
