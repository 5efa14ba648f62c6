#include "BWBillTestFixture.h"

#include "store/BWTagList.h"

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
    defaults.setBool(CloudDefaultsKeys::ICloudSyncEnabled, true);
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
