#include "BWBillTestFixture.h"

#include <QLoggingCategory>

#include "store/BWBillsLoader.h"
#include "store/BWDefaultsKeys.h"
#include "support/LogCapture.h"

namespace {

const QString A = QStringLiteral("AAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAA");
const QString B = QStringLiteral("BBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBB");
const QString C = QStringLiteral("CCCCCCCCCCCCCCCCCCCCCCCCCCCCCCCC");
const QString D = QStringLiteral("DDDDDDDDDDDDDDDDDDDDDDDDDDDDDDDD");
const QString E = QStringLiteral("EEEEEEEEEEEEEEEEEEEEEEEEEEEEEEEE");

}  // namespace

class BWBillsLoaderIndexListsTest : public BWBillTest
{
protected:
    BWBillsLoader loader() const { return BWBillsLoader(env); }
    void damageIndex(const QByteArray& bytes) const
    {
        temp.write(QStringLiteral("data/Orvane/Orvane.ovdata/billindex.plist"), bytes);
    }
    QByteArray indexBytes() const { return temp.read(QStringLiteral("data/Orvane/Orvane.ovdata/billindex.plist")); }
    void loseDataFolder()
    {
        defaults.setBool(QStringLiteral("BWCustomLocationEnabled"), true);
        defaults.setObject(QStringLiteral("BWCustomLocationBookmark"), temp.file(QStringLiteral("gone")));
    }
};

// ---- Reading one list ----

TEST_F(BWBillsLoaderIndexListsTest, ListIsReadAsStoredWithoutCheckingIds)
{
    storeIndex({A, QStringLiteral("../escape")}, {B}, {C});
    EXPECT_EQ(loader().getListOfBills(IndexKeys::ActiveBills), (QStringList{A, QStringLiteral("../escape")}));
    EXPECT_EQ(loader().getListOfBills(IndexKeys::DeletedBills), QStringList{B});
    EXPECT_EQ(loader().loadBillIDsInGroup(IndexKeys::ArchivedBills), QStringList{C});
}

TEST_F(BWBillsLoaderIndexListsTest, MissingListFileOrFolderGivesNothingOrAnEmptyList)
{
    EXPECT_FALSE(loader().getListOfBills(IndexKeys::ActiveBills).has_value());
    EXPECT_TRUE(loader().loadBillIDsInGroup(IndexKeys::ActiveBills).isEmpty());

    ASSERT_TRUE(PropertyList::write(indexPath(), QVariantMap{{IndexKeys::ActiveBills, ids({A})}}));
    EXPECT_FALSE(loader().getListOfBills(IndexKeys::DeletedBills).has_value());
    EXPECT_EQ(loader().getListOfBills(IndexKeys::ActiveBills), QStringList{A});

    loseDataFolder();
    EXPECT_FALSE(loader().getListOfBills(IndexKeys::ActiveBills).has_value());
    EXPECT_TRUE(loader().loadBillIDsInGroup(IndexKeys::ActiveBills).isEmpty());
}

TEST_F(BWBillsLoaderIndexListsTest, UnreadableIndexGivesNothing)
{
    damageIndex("<plist><dict><key>ActiveBills</key>");
    EXPECT_FALSE(loader().getListOfBills(IndexKeys::ActiveBills).has_value());
}

// ---- Compaction ----

TEST_F(BWBillsLoaderIndexListsTest, CompactionTakesDeletedIdsOutOfTheActiveList)
{
    storeIndex({A, B, C}, {B, D}, {E});
    LogCapture log;
    ASSERT_TRUE(loader().compactDatabase());
    EXPECT_EQ(indexList(IndexKeys::ActiveBills), (QStringList{A, C}));
    EXPECT_EQ(indexList(IndexKeys::DeletedBills), QStringList());
    EXPECT_EQ(indexList(IndexKeys::ArchivedBills), QStringList{E});
    EXPECT_TRUE(log.lines().contains(QStringLiteral("Total Useless Deleted Bills: 1")));
}

TEST_F(BWBillsLoaderIndexListsTest, CompactionRemovesEveryCopyOfADeletedId)
{
    storeIndex({A, B, A, C}, {A});
    ASSERT_TRUE(loader().compactDatabase());
    EXPECT_EQ(indexList(IndexKeys::ActiveBills), (QStringList{B, C}));
}

TEST_F(BWBillsLoaderIndexListsTest, CompactionLeavesTheDeletedItemsFiles)
{
    storeFile(record(B));
    storeIndex({A, B}, {B});
    ASSERT_TRUE(loader().compactDatabase());
    EXPECT_TRUE(QFileInfo::exists(billPath(B)));
}

TEST_F(BWBillsLoaderIndexListsTest, CompactionSendsTheListsOutWhileCloudSyncIsOn)
{
    defaults.setBool(BWDefaultsKeys::iCloudSyncEnabled2, true);
    storeIndex({A, B}, {B});
    ASSERT_TRUE(loader().compactDatabase());
    ASSERT_EQ(cloud.cloudKitIndexes.size(), 2);
    EXPECT_EQ(cloud.cloudKitIndexes.at(0).billIDs, QStringList{A});
    EXPECT_EQ(cloud.cloudKitIndexes.at(0).listName, IndexKeys::ActiveBills);
    EXPECT_EQ(cloud.cloudKitIndexes.at(1).billIDs, QStringList());
    EXPECT_EQ(cloud.cloudKitIndexes.at(1).listName, IndexKeys::DeletedBills);
}

TEST_F(BWBillsLoaderIndexListsTest, CompactionWithoutAnIndexWritesThreeEmptyLists)
{
    ASSERT_TRUE(loader().compactDatabase());
    const QVariantMap written = readIndex();
    EXPECT_EQ(written.keys(), (QStringList{IndexKeys::ActiveBills, IndexKeys::ArchivedBills, IndexKeys::DeletedBills}));
    for (const QVariant& list : written)
        EXPECT_EQ(list.toList(), QVariantList());
}

TEST_F(BWBillsLoaderIndexListsTest, CompactionNeverReplacesAnUnreadableIndex)
{
    const QByteArray damaged("<plist><dict><key>ActiveBills</key><array><string>" + A.toLatin1());
    damageIndex(damaged);
    defaults.setBool(BWDefaultsKeys::iCloudSyncEnabled2, true);
    EXPECT_FALSE(loader().compactDatabase());
    EXPECT_EQ(indexBytes(), damaged);
    EXPECT_TRUE(cloud.nothingHandedOver());
}

TEST_F(BWBillsLoaderIndexListsTest, CompactionNeverReplacesAnIndexWhoseListsAreNotLists)
{
    ASSERT_TRUE(QDir().mkpath(dataFolder()));
    ASSERT_TRUE(PropertyList::write(indexPath(), QVariantMap{{IndexKeys::ActiveBills, A}}));
    const QByteArray before = indexBytes();
    EXPECT_FALSE(loader().compactDatabase());
    EXPECT_EQ(indexBytes(), before);
}

TEST_F(BWBillsLoaderIndexListsTest, CompactionWithoutADataFolderWritesNothing)
{
    loseDataFolder();
    EXPECT_FALSE(loader().compactDatabase());
    EXPECT_FALSE(QFileInfo::exists(indexPath()));
}

TEST_F(BWBillsLoaderIndexListsTest, FailedCompactionWriteIsReported)
{
    // A data folder that is a device file: nothing can be written into it.
    defaults.setBool(QStringLiteral("BWCustomLocationEnabled"), true);
    defaults.setObject(QStringLiteral("BWCusomLocationTempPath"), QStringLiteral("/dev/null"));
    defaults.setBool(BWDefaultsKeys::iCloudSyncEnabled2, true);
    EXPECT_FALSE(loader().compactDatabase());
    EXPECT_TRUE(cloud.cloudKitIndexes.isEmpty());
}
