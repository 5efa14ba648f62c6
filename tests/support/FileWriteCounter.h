#pragma once

#include <QDir>
#include <QFile>
#include <QHash>
#include <QString>
#include <QStringList>

#include <sys/inotify.h>
#include <unistd.h>

// Counts the whole-file writes into one folder from the moment it is made.
// The program writes every file atomically: the finished copy arrives under
// the file's name, by a rename over the old file or, for a new file, by a
// link into the folder. The kernel reports each arrival, none merged with
// another; the copies' temporary names, gone once renamed, are left out.
class FileWriteCounter
{
public:
    explicit FileWriteCounter(const QString& folder)
        : m_folder(folder)
        , m_descriptor(inotify_init1(IN_NONBLOCK | IN_CLOEXEC))
    {
        QDir().mkpath(folder);
        if (m_descriptor >= 0)
            inotify_add_watch(m_descriptor, QFile::encodeName(folder).constData(), IN_MOVED_TO | IN_CREATE);
    }
    ~FileWriteCounter()
    {
        if (m_descriptor >= 0)
            ::close(m_descriptor);
    }
    FileWriteCounter(const FileWriteCounter&) = delete;
    FileWriteCounter& operator=(const FileWriteCounter&) = delete;

    bool watching() const { return m_descriptor >= 0; }

    // How many times each file of the folder was written so far, by name.
    QHash<QString, int> writes()
    {
        alignas(inotify_event) char buffer[64 * 1024];
        ssize_t length;
        while ((length = ::read(m_descriptor, buffer, sizeof buffer)) > 0) {
            for (ssize_t offset = 0; offset < length;) {
                const auto* event = reinterpret_cast<const inotify_event*>(buffer + offset);
                offset += ssize_t(sizeof(inotify_event) + event->len);
                if (event->len > 0)
                    ++m_writes[QFile::decodeName(event->name)];
            }
        }
        QHash<QString, int> written = m_writes;
        written.removeIf([this](const auto& file) { return !QFile::exists(m_folder.filePath(file.key())); });
        return written;
    }

    // The counts as lines, for a readable failure message.
    QString describe()
    {
        QStringList lines;
        const QHash<QString, int> counted = writes();
        for (auto it = counted.cbegin(); it != counted.cend(); ++it)
            lines.append(QStringLiteral("%1: %2").arg(it.key()).arg(it.value()));
        lines.sort();
        return lines.join(u'\n');
    }

private:
    QDir m_folder;
    int m_descriptor;
    QHash<QString, int> m_writes;
};
