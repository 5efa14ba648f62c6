#include "platform/FileStamp.h"

#include <QFile>

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

std::optional<FileStamp> FileStamp::of(const QString& path)
{
    struct stat status {};
    if (::stat(QFile::encodeName(path).constData(), &status) != 0)
        return std::nullopt;
    return of(status);
}

std::optional<FileStamp> FileStamp::of(const struct stat& status)
{
    if (!S_ISREG(status.st_mode))
        return std::nullopt;
    return FileStamp{qint64(status.st_dev), qint64(status.st_ino), qint64(status.st_size),
                       nanoseconds(status.st_mtim), nanoseconds(status.st_ctim)};
}

std::optional<FileStamp> FileStamp::ofFolder(const QString& path)
{
    struct stat status
    { };
    if (::stat(QFile::encodeName(path).constData(), &status) != 0 || !S_ISDIR(status.st_mode))
        return std::nullopt;
    return FileStamp{qint64(status.st_dev), qint64(status.st_ino), qint64(status.st_size), nanoseconds(status.st_mtim),
                     nanoseconds(status.st_ctim)};
}

bool FileStamp::settled() const
{
    timespec now {};
    clock_gettime(CLOCK_REALTIME, &now);
    return nanoseconds(now) - changedNs > SettledAfterNs && nanoseconds(now) - modifiedNs > SettledAfterNs;
}
