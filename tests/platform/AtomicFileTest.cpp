#include "platform/AtomicFile.h"

#include "support/TempFolder.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

#include <csignal>
#include <sys/resource.h>

namespace {

// Caps the size of files this process may write, the way a full disk would,
// so that a write is cut off after its temporary file was started but
// before it could be renamed over the target.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &m_saved);
        m_savedHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limited = m_saved;
        limited.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limited);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &m_saved);
        std::signal(SIGXFSZ, m_savedHandler);
    }

private:
    rlimit m_saved{};
    void (*m_savedHandler)(int) = nullptr;
};

QStringList entries(const TempFolder& temp)
{
    return QDir(temp.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
}

}  // namespace

TEST(AtomicFile, ReplacesTheWholeFile)
{
    TempFolder temp;
    const QString path = temp.write("f.plist", "a much longer old content than the new one");
    ASSERT_TRUE(AtomicFile::write(path, "new"));
    EXPECT_EQ(temp.read("f.plist"), QByteArray("new"));
    EXPECT_EQ(entries(temp), QStringList{"f.plist"});
}

// A writer that keeps the status of what it wrote knows the file as its own
// until another writer replaces it; a stat() after the write could already
// see the other writer's file.
TEST(AtomicFile, TellsTheStatusOfTheFileItPutInPlace)
{
    TempFolder temp;
    const QString path = temp.write("f.plist", "old");
    struct stat told {};
    ASSERT_TRUE(AtomicFile::write(path, "ours", nullptr, &told));
    struct stat now {};
    ASSERT_EQ(::stat(QFile::encodeName(path).constData(), &now), 0);
    EXPECT_EQ(told.st_dev, now.st_dev);
    EXPECT_EQ(told.st_ino, now.st_ino);
    EXPECT_EQ(told.st_size, 4);
    EXPECT_EQ(told.st_mtim.tv_sec, now.st_mtim.tv_sec);
    EXPECT_EQ(told.st_mtim.tv_nsec, now.st_mtim.tv_nsec);
}

TEST(AtomicFile, WriteCutOffBeforeTheRenameLeavesTheOldFile)
{
    TempFolder temp;
    const QString path = temp.write("f.plist", "old content");
    QString error;
    bool written = true;
    {
        FileSizeLimit limit(4096);
        written = AtomicFile::write(path, QByteArray(1 << 20, 'x'), &error);
    }
    EXPECT_FALSE(written);
    EXPECT_TRUE(error.contains(path));
    EXPECT_EQ(temp.read("f.plist"), QByteArray("old content"));
    // No temporary file is left behind either.
    EXPECT_EQ(entries(temp), QStringList{"f.plist"});
}

TEST(AtomicFile, MissingFolderIsAnErrorAndNothingIsCreated)
{
    TempFolder temp;
    QString error;
    EXPECT_FALSE(AtomicFile::write(temp.file("absent/f.plist"), "x", &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_TRUE(entries(temp).isEmpty());
}

TEST(AtomicFile, EmptyContentMakesAnEmptyFile)
{
    TempFolder temp;
    ASSERT_TRUE(AtomicFile::write(temp.file("empty"), QByteArray()));
    EXPECT_TRUE(QFileInfo(temp.file("empty")).exists());
    EXPECT_EQ(QFileInfo(temp.file("empty")).size(), 0);
}

TEST(AtomicFile, StaleTemporaryFilesGoAndEverythingElseStays)
{
    TempFolder temp;
    const QStringList stale{"0123456789ABCDEF0123456789ABCDEF.plist.aB3xQ9", "billindex.plist.Zz0000",
                            "receipt.pdf.123456"};
    const QStringList kept{"0123456789ABCDEF0123456789ABCDEF.plist", "billindex.plist", "notes.txt",
                           "photo.jpeg", "archive.tar.gz", "a.plist.1234567", "plist.abcdef"};
    for (const QString& name : stale + kept)
        temp.write(name, "x");
    temp.write("folder.plist.abcdef/inside", "x");

    QStringList removed = AtomicFile::removeStaleTemporaryFiles(temp.path());
    removed.sort();
    QStringList expectedRemoved = stale;
    expectedRemoved.sort();
    EXPECT_EQ(removed, expectedRemoved);
    QStringList expectedLeft = kept + QStringList{"folder.plist.abcdef"};
    expectedLeft.sort();
    QStringList left = entries(temp);
    left.sort();
    EXPECT_EQ(left, expectedLeft);
}
