#include "platform/FolderOps.h"

#include "support/TempFolder.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <sys/stat.h>

namespace {

// A small data folder: files at two levels, a hidden file, an empty folder.
void makeTree(const TempFolder& temp, const QString& root)
{
    temp.write(root + "/billindex.plist", "index");
    temp.write(root + "/.hidden", "dot");
    temp.write(root + "/receipts/A/scan.pdf", QByteArray(100000, 'p'));
    QDir().mkpath(temp.file(root + "/empty"));
}

// Relative path -> content of every entry below `root` (folders map to "<dir>").
QMap<QString, QByteArray> snapshot(const QString& root)
{
    QMap<QString, QByteArray> result;
    QDirIterator it(root, QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        QFile file(path);
        const QByteArray content =
            it.fileInfo().isDir() ? QByteArray("<dir>") : (file.open(QIODevice::ReadOnly) ? file.readAll() : "?");
        result.insert(QDir(root).relativeFilePath(path), content);
    }
    return result;
}

}  // namespace

TEST(FolderOpsCopy, CopiesANestedTree)
{
    TempFolder temp;
    makeTree(temp, "src");
    QString error;
    ASSERT_TRUE(FolderOps::copyFolder(temp.file("src"), temp.file("backups/2024/copy"), &error))
        << error.toStdString();
    EXPECT_EQ(snapshot(temp.file("backups/2024/copy")), snapshot(temp.file("src")));
    EXPECT_EQ(snapshot(temp.file("src")).size(), 6);
}

TEST(FolderOpsCopy, RefusesAnExistingDestination)
{
    TempFolder temp;
    makeTree(temp, "src");
    temp.write("dst/keep.txt", "mine");
    QString error;
    EXPECT_FALSE(FolderOps::copyFolder(temp.file("src"), temp.file("dst"), &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_EQ(snapshot(temp.file("dst")).keys(), QStringList{"keep.txt"});

    // An existing file or an empty folder count as existing too.
    temp.write("file", "x");
    EXPECT_FALSE(FolderOps::copyFolder(temp.file("src"), temp.file("file")));
    QDir().mkpath(temp.file("emptydst"));
    EXPECT_FALSE(FolderOps::copyFolder(temp.file("src"), temp.file("emptydst")));
    EXPECT_TRUE(QDir(temp.file("emptydst")).isEmpty());
}

TEST(FolderOpsCopy, RefusesToCopyAFolderIntoItself)
{
    TempFolder temp;
    makeTree(temp, "src");
    const auto before = snapshot(temp.file("src"));
    EXPECT_FALSE(FolderOps::copyFolder(temp.file("src"), temp.file("src/inner")));
    EXPECT_FALSE(FolderOps::moveFolder(temp.file("src"), temp.file("src/inner")));
    EXPECT_FALSE(FolderOps::copyFolder(temp.file("src"), temp.file("src/new/deeper")));
    EXPECT_FALSE(FolderOps::copyFolder(temp.file("src"), temp.file("src/../src/x")));
    // The same folder reached through a link is still the same folder.
    ASSERT_TRUE(QFile::link(temp.file("src"), temp.file("alias")));
    EXPECT_FALSE(FolderOps::copyFolder(temp.file("alias/receipts"), temp.file("src/receipts/A/x")));
    EXPECT_EQ(snapshot(temp.file("src")), before);
}

TEST(FolderOpsCopy, MissingSourceOrAFileIsRefused)
{
    TempFolder temp;
    EXPECT_FALSE(FolderOps::copyFolder(temp.file("absent"), temp.file("dst")));
    temp.write("plain", "x");
    EXPECT_FALSE(FolderOps::copyFolder(temp.file("plain"), temp.file("dst")));
    EXPECT_FALSE(QFileInfo::exists(temp.file("dst")));
}

TEST(FolderOpsCopy, FailedCopyRemovesWhatItMade)
{
    TempFolder temp;
    makeTree(temp, "src");
    // A named pipe cannot be copied, so the copy fails part-way.
    ASSERT_EQ(mkfifo(QFile::encodeName(temp.file("src/receipts/zz-pipe")).constData(), 0600), 0);
    QString error;
    EXPECT_FALSE(FolderOps::copyFolder(temp.file("src"), temp.file("dst"), &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_FALSE(QFileInfo::exists(temp.file("dst")));
}

TEST(FolderOpsCopy, LinksAreCopiedAsLinks)
{
    TempFolder temp;
    makeTree(temp, "src");
    temp.write("outside/secret", "s");
    ASSERT_TRUE(QFile::link(temp.file("outside"), temp.file("src/link")));
    ASSERT_TRUE(FolderOps::copyFolder(temp.file("src"), temp.file("dst")));
    EXPECT_TRUE(QFileInfo(temp.file("dst/link")).isSymLink());
}

TEST(FolderOpsCopy, ALinkedSourceIsCopiedAsItsFolder)
{
    TempFolder temp;
    makeTree(temp, "src");
    ASSERT_TRUE(QFile::link(temp.file("src"), temp.file("alias")));
    ASSERT_TRUE(FolderOps::copyFolder(temp.file("alias"), temp.file("dst")));
    EXPECT_FALSE(QFileInfo(temp.file("dst")).isSymLink());
    EXPECT_EQ(snapshot(temp.file("dst")), snapshot(temp.file("src")));
    // Moving the link is refused rather than leaving the data behind it.
    EXPECT_FALSE(FolderOps::moveFolder(temp.file("alias"), temp.file("moved")));
}

TEST(FolderOpsMove, MovesAndRefusesAnExistingDestination)
{
    TempFolder temp;
    makeTree(temp, "src");
    const auto before = snapshot(temp.file("src"));

    QDir().mkpath(temp.file("taken"));
    EXPECT_FALSE(FolderOps::moveFolder(temp.file("src"), temp.file("taken")));
    EXPECT_EQ(snapshot(temp.file("src")), before);

    ASSERT_TRUE(FolderOps::moveFolder(temp.file("src"), temp.file("new/place")));
    EXPECT_FALSE(QFileInfo::exists(temp.file("src")));
    EXPECT_EQ(snapshot(temp.file("new/place")), before);
}

TEST(FolderOpsMove, MovesAcrossFileSystems)
{
    TempFolder temp;
    QTemporaryDir other(QStringLiteral("/dev/shm/orvane-test-XXXXXX"));
    struct stat here {}, there {};
    if (!other.isValid() || stat(QFile::encodeName(temp.path()).constData(), &here) != 0
        || stat(QFile::encodeName(other.path()).constData(), &there) != 0 || here.st_dev == there.st_dev)
        GTEST_SKIP() << "no second file system to move to";

    makeTree(temp, "src");
    const auto before = snapshot(temp.file("src"));
    ASSERT_TRUE(FolderOps::moveFolder(temp.file("src"), other.filePath("moved")));
    EXPECT_FALSE(QFileInfo::exists(temp.file("src")));
    EXPECT_EQ(snapshot(other.filePath("moved")), before);
}

TEST(FolderOpsRemove, RemovesTreesButNotWhatLinksPointTo)
{
    TempFolder temp;
    makeTree(temp, "src");
    temp.write("outside/keep", "k");
    ASSERT_TRUE(QFile::link(temp.file("outside"), temp.file("src/link")));

    EXPECT_TRUE(FolderOps::removeFolder(temp.file("src")));
    EXPECT_FALSE(QFileInfo::exists(temp.file("src")));
    EXPECT_EQ(temp.read("outside/keep"), QByteArray("k"));
    EXPECT_TRUE(FolderOps::removeFolder(temp.file("src")));  // already gone
    EXPECT_FALSE(FolderOps::removeFolder(QString()));
}

// ---- A copy of a listing ------------------------------------------------------

TEST(FolderOpsCopyEntries, CopiesTheTreeAsListedEachFileAsItStandsWhenCopied)
{
    TempFolder temp;
    makeTree(temp, "src");
    ASSERT_TRUE(QFile::link(temp.file("src/receipts"), temp.file("src/link")));
    const QStringList entries = FolderOps::entriesOf(temp.file("src"));
    EXPECT_EQ(entries.size(), 7);
    EXPECT_LT(entries.indexOf("receipts/A"), entries.indexOf("receipts/A/scan.pdf")) << "a folder before its files";
    // After the listing: one file comes, one goes, one changes.
    temp.write("src/later.plist", "came after the listing");
    QFile::remove(temp.file("src/.hidden"));
    temp.write("src/billindex.plist", "index, rewritten");

    const std::atomic<bool> stop{false};
    QString error;
    ASSERT_TRUE(FolderOps::copyEntriesWhole(temp.file("src"), entries, temp.file("dst"), stop, &error))
        << error.toStdString();
    QMap<QString, QByteArray> expected = snapshot(temp.file("src"));
    expected.remove("later.plist");
    expected.remove("link");
    QMap<QString, QByteArray> copied = snapshot(temp.file("dst"));
    copied.remove("link");
    EXPECT_EQ(copied, expected);
    EXPECT_TRUE(QFileInfo(temp.file("dst/link")).isSymLink());
    EXPECT_FALSE(QFileInfo::exists(temp.file("dst.partial")));
    EXPECT_FALSE(FolderOps::copyEntriesWhole(temp.file("src"), entries, temp.file("dst"), stop))
        << "an existing destination is refused";
}

TEST(FolderOpsCopyEntries, AStoppedOrFailedCopyLeavesNothingBehind)
{
    TempFolder temp;
    makeTree(temp, "src");
    const std::atomic<bool> stopped{true};
    EXPECT_FALSE(FolderOps::copyEntriesWhole(temp.file("src"), FolderOps::entriesOf(temp.file("src")), temp.file("dst"),
                                             stopped));
    ASSERT_EQ(mkfifo(QFile::encodeName(temp.file("src/receipts/zz-pipe")).constData(), 0600), 0);
    const std::atomic<bool> goingOn{false};
    QString error;
    EXPECT_FALSE(FolderOps::copyEntriesWhole(temp.file("src"), FolderOps::entriesOf(temp.file("src")), temp.file("dst"),
                                             goingOn, &error));
    EXPECT_FALSE(error.isEmpty());
    for (const char* left : {"dst", "dst.partial"})
        EXPECT_FALSE(QFileInfo::exists(temp.file(left))) << left;
}
