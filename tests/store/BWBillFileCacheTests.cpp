#include "BWBillsLoaderTestFixture.h"

#include "platform/DataFolderLock.h"
#include "store/BWBill.h"
#include "store/BWBillFileCache.h"
#include "support/LogCapture.h"

#include <QDir>
#include <QFile>
#include <QTest>

#include <algorithm>
#include <functional>
#include <utility>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>

namespace {

timespec modificationTime(const QString& path)
{
    struct stat status {};
    ::stat(QFile::encodeName(path).constData(), &status);
    return status.st_mtim;
}

void setModificationTime(const QString& path, timespec time)
{
    const timespec times[2] = {time, time};
    ::utimensat(AT_FDCWD, QFile::encodeName(path).constData(), times, 0);
}

qint64 nanoseconds(timespec time)
{
    return qint64(time.tv_sec) * 1'000'000'000 + time.tv_nsec;
}

// Whether no file of `folder` changed within the moment the cache waits
// before it keeps a file (two seconds, with a margin).
bool leftAloneForAMoment(const QString& folder)
{
    timespec now {};
    clock_gettime(CLOCK_REALTIME, &now);
    const QFileInfoList files = QDir(folder).entryInfoList(QDir::Files);
    return std::all_of(files.begin(), files.end(), [&now](const QFileInfo& file) {
        struct stat status {};
        return ::stat(QFile::encodeName(file.filePath()).constData(), &status) == 0
               && nanoseconds(now) - nanoseconds(status.st_ctim) > 2'100'000'000
               && nanoseconds(now) - nanoseconds(status.st_mtim) > 2'100'000'000;
    });
}

}  // namespace

// Loads keep parsed files between them; whatever way a file changes, the
// next load must see the change.
TEST_F(BWBillsLoaderTest, EveryChangeToACachedBillFileIsSeenAtTheNextLoad)
{
    const QString byWriter = writeBill(bill(QStringLiteral("Rent"), daysFromNow(3)));
    const QString bySync = writeBill(bill(QStringLiteral("Power"), daysFromNow(4)));
    const QString inPlace = writeBill(bill(QStringLiteral("Water"), daysFromNow(5)));
    writeIndex({byWriter, bySync, inPlace});
    const auto path = [this](const QString& id) { return QDir(dataFolder()).filePath(id + ".plist"); };
    // Only files left alone for a moment are kept.
    ASSERT_TRUE(QTest::qWaitFor([this] { return leftAloneForAMoment(dataFolder()); }, 20000));
    ASSERT_EQ(names(loader().loadBills()), (QStringList{"Rent", "Power", "Water"}));
    ASSERT_EQ(names(loader().loadBills()), (QStringList{"Rent", "Power", "Water"}));

    QVariantMap rent = loader().loadBillWithID(byWriter).value();
    rent.insert(BillKeys::Name, QStringLiteral("Rent!"));
    ASSERT_TRUE(BWBill(env).rewriteSpecificBill(rent));

    // A sync service puts a new file of the same size and time in place.
    const timespec powerTime = modificationTime(path(bySync));
    const QByteArray power = temp.read("data/Orvane/Orvane.ovdata/" + bySync + ".plist");
    temp.write("data/Orvane/Orvane.ovdata/incoming", QByteArray(power).replace("Power", "Pewer"));
    ASSERT_TRUE(::rename(QFile::encodeName(temp.file("data/Orvane/Orvane.ovdata/incoming")).constData(),
                         QFile::encodeName(path(bySync)).constData()) == 0);
    setModificationTime(path(bySync), powerTime);

    // An edit in place, same size, within the same second.
    timespec waterTime = modificationTime(path(inPlace));
    QFile water(path(inPlace));
    ASSERT_TRUE(water.open(QIODevice::ReadWrite));
    const QByteArray edited = water.readAll().replace("Water", "Wader");
    water.seek(0);
    water.write(edited);
    water.close();
    waterTime.tv_nsec = (waterTime.tv_nsec + 1) % 1'000'000'000;
    setModificationTime(path(inPlace), waterTime);

    EXPECT_EQ(names(loader().loadBills()), (QStringList{"Rent!", "Pewer", "Wader"}));
}

// Each write reads the index through the cache. Another writer's change to
// the index between two saves (a sync service replacing the file with one of
// the same size and time, or an edit in place within the same second) must
// be seen, so that no id it added is lost by the next save.
TEST_F(BWBillsLoaderTest, AnIndexChangedByAnotherWriterBetweenTwoSavesIsKept)
{
    const QString indexPath = QDir(dataFolder()).filePath(QStringLiteral("billindex.plist"));
    const auto activeIds = [&] {
        return PropertyList::read(indexPath).value.toMap().value(IndexKeys::ActiveBills).toStringList();
    };
    const auto replaceBySync = [&](const QByteArray& content) {
        const timespec time = modificationTime(indexPath);
        const QString incoming = QDir(dataFolder()).filePath(QStringLiteral("incoming"));
        QFile file(incoming);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(content);
        file.close();
        ASSERT_EQ(::rename(QFile::encodeName(incoming).constData(), QFile::encodeName(indexPath).constData()), 0);
        setModificationTime(indexPath, time);
    };
    const auto editInPlace = [&](const QByteArray& content) {
        const timespec time = modificationTime(indexPath);
        QFile file(indexPath);
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        file.write(content);
        file.close();
        setModificationTime(indexPath, time);
    };
    const std::vector<std::pair<const char*, std::function<void(const QByteArray&)>>> otherWriters{
        {"replaced by a sync service", replaceBySync}, {"edited in place", editInPlace}};

    for (const auto& [how, otherWriter] : otherWriters) {
        SCOPED_TRACE(how);
        QDir(dataFolder()).removeRecursively();
        const QVariantMap rent = with(bill(QStringLiteral("Rent"), daysFromNow(3)), BillKeys::Bid, writeBill({}));
        const QString listedElsewhere = writeBill(bill(QStringLiteral("Power"), daysFromNow(4)));
        const QString addedElsewhere = writeBill(bill(QStringLiteral("Water"), daysFromNow(5)));
        writeIndex({rent.value(BillKeys::Bid).toString(), listedElsewhere});
        // Only files left alone for a moment are kept.
        ASSERT_TRUE(QTest::qWaitFor([this] { return leftAloneForAMoment(dataFolder()); }, 20000));
        ASSERT_TRUE(BWBill(env).finishWritingBillWithDictionary(rent, true, false));

        // Same size, same times: one id of the list becomes another.
        otherWriter(temp.read("data/Orvane/Orvane.ovdata/billindex.plist")
                        .replace(listedElsewhere.toLatin1(), addedElsewhere.toLatin1()));
        ASSERT_TRUE(BWBill(env).finishWritingBillWithDictionary(rent, true, false));
        const QVariantMap gas = with(bill(QStringLiteral("Gas"), daysFromNow(6)), BillKeys::Bid, BWUIDMaker::makeUID());
        ASSERT_TRUE(BWBill(env).finishWritingBillWithDictionary(gas, false, false));

        EXPECT_EQ(activeIds(), (QStringList{rent.value(BillKeys::Bid).toString(), addedElsewhere,
                                            gas.value(BillKeys::Bid).toString()}));
    }
}

// While the program starts, the files of the listed items are read ahead on
// the worker threads. The first load takes what was read, reads again every
// file that changed since, and tells of a file that failed to parse as a
// load always does.
TEST_F(BWBillsLoaderTest, TheFirstLoadTakesTheFilesReadAheadAndReadsAgainThoseChangedSince)
{
    const auto path = [this](const QString& id) { return QDir(dataFolder()).filePath(id + ".plist"); };
    const auto replaceBySync = [&](const QString& id, const QByteArray& content) {
        const timespec time = modificationTime(path(id));
        const QString incoming = temp.write("data/Orvane/Orvane.ovdata/incoming", content);
        ASSERT_EQ(::rename(QFile::encodeName(incoming).constData(), QFile::encodeName(path(id)).constData()), 0);
        setModificationTime(path(id), time);
    };
    const auto editInPlace = [&](const QString& id, const QByteArray& content) {
        const timespec time = modificationTime(path(id));
        QFile file(path(id));
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        file.write(content);
        file.close();
        setModificationTime(path(id), time);
    };
    struct Case {
        const char* name;
        std::function<void(const QString& id, const QByteArray& content)> change;
        const char* nameAtLoad;
    };
    const std::vector<Case> cases{{"Rent", nullptr, "Rent"},
                                  {"Power", replaceBySync, "Pewer"},
                                  {"Water", editInPlace, "Wader"}};
    QStringList ids;
    for (const Case& item : cases)
        ids.append(writeBill(bill(QString::fromLatin1(item.name), daysFromNow(3))));
    const QString malformed = BWUIDMaker::makeUID();
    temp.write("data/Orvane/Orvane.ovdata/" + malformed + ".plist", "<plist><dict><key>Name</key>");
    writeIndex(QStringList(ids) << malformed << QStringLiteral("../not-an-id"));
    // Only files left alone for a moment are taken from the read ahead.
    ASSERT_TRUE(QTest::qWaitFor([this] { return leftAloneForAMoment(dataFolder()); }, 20000));
    DataFolderLock lock(dataFolder(), temp.file(QStringLiteral("locks")));
    ASSERT_TRUE(lock.tryLock());
    BWBillFileCache& cache = BWBillFileCache::shared();
    const qsizetype readBefore = cache.filesRead();

    ASSERT_EQ(loader().readAheadListedItems(lock), 4);
    // Waits for the read ahead, taking one file of it.
    ASSERT_TRUE(cache.read({path(ids.first())}, BWBillFileCache::Scope::Some).first().ok());
    for (qsizetype i = 0; i < qsizetype(cases.size()); ++i) {
        if (cases.at(i).change)
            cases.at(i).change(ids.at(i), temp.read("data/Orvane/Orvane.ovdata/" + ids.at(i) + ".plist")
                                              .replace(cases.at(i).name, cases.at(i).nameAtLoad));
    }
    const QString malformedLine = QStringLiteral("Skipping bill file %1: %2")
                                      .arg(path(malformed), PropertyList::read(path(malformed)).error);
    {
        LogCapture log;
        EXPECT_EQ(names(loader().loadBills()), (QStringList{"Rent", "Pewer", "Wader"}));
        EXPECT_TRUE(log.lines().contains(malformedLine)) << log.lines().join('\n').toStdString();
    }
    // Read once each, and the two changed files again.
    EXPECT_EQ(cache.filesRead() - readBefore, 4 + 2);

    // As after any load: the file that failed is read again, and so are the
    // two changed a moment ago; the one left alone is kept.
    LogCapture log;
    EXPECT_EQ(names(loader().loadBills()), (QStringList{"Rent", "Pewer", "Wader"}));
    EXPECT_TRUE(log.lines().contains(malformedLine));
    EXPECT_EQ(cache.filesRead() - readBefore, 4 + 2 + 3);
}

// Only a data folder this process holds is read ahead: not one another copy
// of the program holds, not the one a lock held before a move, and nothing
// when the chosen location is gone.
TEST_F(BWBillsLoaderTest, NoFolderIsReadAheadButTheOneThisProcessHolds)
{
    writeIndex({writeBill(bill(QStringLiteral("Rent"), daysFromNow(3))),
                writeBill(bill(QStringLiteral("Power"), daysFromNow(4)))});
    const QString locks = temp.file(QStringLiteral("locks"));
    DataFolderLock otherCopy(dataFolder(), locks);
    ASSERT_TRUE(otherCopy.tryLock());
    struct Case {
        const char* what;
        std::function<DataFolderLock()> lock;
        qsizetype filesReadAhead;
    };
    const auto taken = [&locks](const QString& folder) {
        DataFolderLock lock(folder, locks);
        lock.tryLock();
        return lock;
    };
    const std::vector<Case> cases{
        {"held by another copy", [&] { return taken(dataFolder()); }, 0},
        {"the folder before a move", [&] { return taken(temp.file(QStringLiteral("before/Orvane.ovdata"))); }, 0},
        {"held by this process", [&] { return std::move(otherCopy); }, 2},
        {"a chosen location that is gone",
         [&] {
             defaults.setBool(QStringLiteral("BWCustomLocationEnabled"), true);
             defaults.setObject(QStringLiteral("BWCustomLocationBookmark"), temp.file(QStringLiteral("gone")));
             return taken(dataFolder());
         },
         0},
    };
    for (const Case& item : cases) {
        SCOPED_TRACE(item.what);
        const DataFolderLock lock = item.lock();
        EXPECT_EQ(loader().readAheadListedItems(lock), item.filesReadAhead);
    }
}
