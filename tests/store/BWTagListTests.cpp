#include "BWBillTestFixture.h"

#include "store/BWTagList.h"
#include "store/BWDefaultsKeys.h"

namespace {

const QString Alpha = QStringLiteral("0123456789ABCDEF0123456789ABCDEF");

}  // namespace

class BWTagListTest : public BWBillTest
{
protected:
    QString tagPath() const { return QDir(dataFolder()).filePath(QStringLiteral("tagindex.plist")); }
    void storeTags(const QStringList& tags) const
    {
        QDir().mkpath(dataFolder());
        ASSERT_TRUE(PropertyList::write(tagPath(), ids(tags)));
    }
    QStringList storedTags() const { return PropertyList::read(tagPath()).value.toStringList(); }
};

TEST_F(BWTagListTest, MergeAppendsNewTagsAfterTheSortedStoredOnes)
{
    storeTags({QStringLiteral("Home"), QStringLiteral("car")});
    ASSERT_TRUE(BWTagList(env).saveListOfTagsWithTags({"Car", "home", "Utilities"}));
    EXPECT_EQ(storedTags(), (QStringList{"car", "Home", "Car", "home", "Utilities"}));
    EXPECT_EQ(BWTagList(env).getListOfTags()->size(), 5);
}

TEST_F(BWTagListTest, MergeAddsATagNamedTwiceOnce)
{
    ASSERT_TRUE(BWTagList(env).saveListOfTagsWithTags({"Car", "Car"}));
    EXPECT_EQ(storedTags(), QStringList{"Car"});
}

TEST_F(BWTagListTest, MissingTagFileReadsAsNothingAndMergeStartsEmpty)
{
    EXPECT_FALSE(BWTagList(env).getListOfTags().has_value());
    ASSERT_TRUE(BWTagList(env).saveListOfTagsWithTags({}));
    EXPECT_EQ(BWTagList(env).getListOfTags(), QStringList());
}

TEST_F(BWTagListTest, MergeIsMirroredWhileKeyValueSyncIsOn)
{
    ASSERT_TRUE(BWTagList(env).saveListOfTagsWithTags({"Home"}));
    EXPECT_TRUE(cloud.keyValueKeys.isEmpty());
    defaults.setBool(BWDefaultsKeys::iCloudSyncEnabled, true);
    ASSERT_TRUE(BWTagList(env).saveListOfTagsWithTags({"Auto"}));
    EXPECT_EQ(cloud.keyValueStore.value(QStringLiteral("tagindex")), ids({"Home", "Auto"}));
}

TEST_F(BWTagListTest, UnreadableTagFileIsNeverOverwritten)
{
    const QByteArray damaged("<plist><array><string>Home");
    temp.write(QStringLiteral("data/Orvane/Orvane.ovdata/tagindex.plist"), damaged);
    EXPECT_FALSE(BWTagList(env).getListOfTags().has_value());
    EXPECT_FALSE(BWTagList(env).saveListOfTagsWithTags({"Car"}));
    EXPECT_EQ(temp.read(QStringLiteral("data/Orvane/Orvane.ovdata/tagindex.plist")), damaged);
}

TEST_F(BWTagListTest, FullWriteSavesTheItemsTags)
{
    BWBill bill = writer();
    bill.bid = Alpha;
    bill.name = QStringLiteral("Rent");
    bill.tags = QStringList{"Home", "Monthly"};
    ASSERT_TRUE(bill.writeBill(false));
    EXPECT_EQ(storedTags(), (QStringList{"Home", "Monthly"}));
}

TEST_F(BWTagListTest, FullWriteWithAnUnreadableTagFileStoresTheBillButReportsFailure)
{
    temp.write(QStringLiteral("data/Orvane/Orvane.ovdata/tagindex.plist"), "not a plist");
    EXPECT_FALSE(writer().finishWritingBillWithDictionary(record(Alpha), false, true));
    EXPECT_TRUE(QFileInfo::exists(billPath(Alpha)));
    EXPECT_EQ(indexList(IndexKeys::ActiveBills), QStringList{Alpha});
    EXPECT_EQ(reminders.calls.size(), 2);
}

// ---- Replacing and rebuilding the list ----

TEST_F(BWTagListTest, OverwriteReplacesTheListAndReadsBackSortedIgnoringCase)
{
    storeTags({QStringLiteral("Old")});
    ASSERT_TRUE(BWTagList(env).overwriteListOfTagsWithTags({"utilities", "Car", "home", "Car2"}));
    EXPECT_EQ(storedTags(), (QStringList{"utilities", "Car", "home", "Car2"}));
    EXPECT_EQ(BWTagList(env).getListOfTags(), (QStringList{"Car", "Car2", "home", "utilities"}));
}

TEST_F(BWTagListTest, OverwriteWithNothingWritesAndMirrorsAnEmptyList)
{
    storeTags({QStringLiteral("Home")});
    defaults.setBool(BWDefaultsKeys::iCloudSyncEnabled, true);
    ASSERT_TRUE(BWTagList(env).overwriteListOfTagsWithTags({}));
    EXPECT_EQ(BWTagList(env).getListOfTags(), QStringList());
    EXPECT_EQ(cloud.keyValueKeys, QStringList{"tagindex"});
    EXPECT_EQ(cloud.keyValueStore.value(QStringLiteral("tagindex")), QVariantList());
}

TEST_F(BWTagListTest, ListFromTheKeyValueStoreIsNotSentBack)
{
    defaults.setBool(BWDefaultsKeys::iCloudSyncEnabled, true);
    ASSERT_TRUE(BWTagList(env).updateListOfTagsFromiCloudWithTags({"Gym", "Auto"}));
    EXPECT_EQ(storedTags(), (QStringList{"Gym", "Auto"}));
    EXPECT_TRUE(cloud.keyValueKeys.isEmpty());
}

TEST_F(BWTagListTest, RebuildCollectsEachItemsTagsFirstSeenFirst)
{
    storeTags({QStringLiteral("Gone")});
    defaults.setBool(BWDefaultsKeys::iCloudSyncEnabled, true);
    QVariantMap first = record(Alpha);
    first.insert(BillKeys::Tags, ids({"Home", "Utilities"}));
    QVariantMap second = record(BWUIDMaker::makeUID());
    second.insert(BillKeys::Tags, QStringList{"Utilities", "Car", "car"});
    const std::optional<QStringList> rebuilt = BWTagList(env).updateTagListWithListOfBills({first, second});
    EXPECT_EQ(rebuilt, (QStringList{"Home", "Utilities", "Car", "car"}));
    EXPECT_EQ(storedTags(), (QStringList{"Home", "Utilities", "Car", "car"}));
    EXPECT_TRUE(cloud.keyValueKeys.isEmpty());
}

TEST_F(BWTagListTest, RebuildSkipsWhatIsNotATag)
{
    QVariantMap untagged = record(Alpha);
    untagged.remove(BillKeys::Tags);
    QVariantMap odd = record(BWUIDMaker::makeUID());
    odd.insert(BillKeys::Tags, QVariantList{qlonglong(7), QStringLiteral("Home"), QVariantMap()});
    EXPECT_EQ(BWTagList(env).updateTagListWithListOfBills({untagged, odd}), QStringList{"Home"});
    EXPECT_EQ(BWTagList(env).updateTagListWithListOfBills({}), QStringList());
    EXPECT_EQ(storedTags(), QStringList());
}

TEST_F(BWTagListTest, NoWriterReplacesAnUnreadableTagFile)
{
    const QByteArray damaged("<plist><array><string>Home</string>");
    temp.write(QStringLiteral("data/Orvane/Orvane.ovdata/tagindex.plist"), damaged);
    defaults.setBool(BWDefaultsKeys::iCloudSyncEnabled, true);
    EXPECT_FALSE(BWTagList(env).overwriteListOfTagsWithTags({"Car"}));
    EXPECT_FALSE(BWTagList(env).updateListOfTagsFromiCloudWithTags({"Car"}));
    EXPECT_FALSE(BWTagList(env).updateTagListWithListOfBills({record(Alpha)}).has_value());
    EXPECT_EQ(temp.read(QStringLiteral("data/Orvane/Orvane.ovdata/tagindex.plist")), damaged);
    EXPECT_TRUE(cloud.keyValueKeys.isEmpty());
}

TEST_F(BWTagListTest, TagFileThatIsNotAListIsNotReplacedEither)
{
    QDir().mkpath(dataFolder());
    ASSERT_TRUE(PropertyList::write(tagPath(), QVariantMap{{QStringLiteral("Home"), true}}));
    EXPECT_FALSE(BWTagList(env).getListOfTags().has_value());
    EXPECT_FALSE(BWTagList(env).overwriteListOfTagsWithTags({"Car"}));
    EXPECT_EQ(PropertyList::read(tagPath()).value.typeId(), QMetaType::QVariantMap);
}

TEST_F(BWTagListTest, WithoutADataFolderNothingIsWritten)
{
    defaults.setBool(QStringLiteral("BWCustomLocationEnabled"), true);
    defaults.setObject(QStringLiteral("BWCustomLocationBookmark"), temp.file(QStringLiteral("gone")));
    EXPECT_FALSE(BWTagList(env).getListOfTags().has_value());
    EXPECT_FALSE(BWTagList(env).saveListOfTagsWithTags({"Car"}));
    EXPECT_FALSE(BWTagList(env).overwriteListOfTagsWithTags({"Car"}));
    EXPECT_FALSE(BWTagList(env).updateListOfTagsFromiCloudWithTags({"Car"}));
    EXPECT_FALSE(BWTagList(env).updateTagListWithListOfBills({record(Alpha)}).has_value());
}

TEST_F(BWTagListTest, FailedWriteIsReported)
{
    // A data folder that is a device file: nothing can be read from or written into it.
    defaults.setBool(QStringLiteral("BWCustomLocationEnabled"), true);
    defaults.setObject(QStringLiteral("BWCusomLocationTempPath"), QStringLiteral("/dev/null"));
    ASSERT_FALSE(BWTagList(env).getListOfTags().has_value());
    EXPECT_FALSE(BWTagList(env).saveListOfTagsWithTags({"Car"}));
    EXPECT_FALSE(BWTagList(env).overwriteListOfTagsWithTags({"Car"}));
    EXPECT_FALSE(BWTagList(env).updateListOfTagsFromiCloudWithTags({"Car"}));
    EXPECT_FALSE(BWTagList(env).updateTagListWithListOfBills({record(Alpha)}).has_value());
}
