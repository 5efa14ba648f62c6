#include "BWBillTestFixture.h"

#include "store/BWBillsLoader.h"
#include "store/BWDefaultsKeys.h"
#include "store/BWBillRecordKeys.h"

namespace {

const QString Alpha = QStringLiteral("0123456789ABCDEF0123456789ABCDEF");
const QString Beta = QStringLiteral("FEDCBA9876543210FEDCBA9876543210");

QVariantMap payment(const QVariant& amount, const QDateTime& date, const QString& note)
{
    return {{PaymentKeys::Amount, amount},
            {PaymentKeys::Date, date},
            {PaymentKeys::Note, note},
            {PaymentKeys::Receipt, QString()}};
}

}  // namespace

class BWBillWriteTest : public BWBillTest
{
protected:
    // A bill filled in as the editor fills in a new item.
    BWBill newItem(const QString& billID) const
    {
        BWBill bill = writer();
        bill.bid = billID;
        bill.name = QStringLiteral("Rent");
        bill.icon = QStringLiteral("GScale_Home");
        bill.dueDate = utc(2016, 3, 20);
        bill.repeat = QVariantList{qlonglong(1), qlonglong(2)};
        bill.amount = 950.5;
        bill.amountVaries = 0;
        bill.balance = 0.0;
        bill.payType = 0;
        bill.paySite = QStringLiteral("http://example.com");
        bill.tags = QStringList{QStringLiteral("Home")};
        bill.remindMe = true;
        bill.reminderDays = 3;
        bill.average = qlonglong(0);
        bill.lastPayment = PropertyList::distantPast();
        bill.totalPaid = qlonglong(0);
        bill.interest = qlonglong(0);
        bill.notes = QString();
        bill.isArchived = false;
        bill.paymentList = QVariantList{};
        bill.rev = 0.0;
        return bill;
    }

    // The shifted form the loader hands out for a bill stored as due on Sunday 6 March 2016.
    QVariantMap loadedWithWeekendShift(const QString& billID)
    {
        QVariantMap stored = record(billID);
        stored.insert(BillKeys::DueDate, utc(2016, 3, 6, 12));
        storeFile(stored);
        defaults.setInteger(BWDefaultsKeys::BWAvoidWeekends, 1);
        const std::optional<QVariantMap> loaded = BWBillsLoader(env).loadBillWithID(billID);
        EXPECT_TRUE(loaded.has_value());
        EXPECT_NE(loaded->value(BillKeys::DueDate).toDateTime(), utc(2016, 3, 6, 12)) << "expected a shifted copy";
        return *loaded;
    }

    // Makes the bill's file impossible to replace: a folder stands in its place.
    void blockBillFile(const QString& billID) const { QDir().mkpath(billPath(billID)); }
};

// ---- Stored keys and number forms ----

TEST_F(BWBillWriteTest, WrittenItemReadsBackWithEveryKeyAndNumberForm)
{
    BWBill bill = newItem(Alpha);
    bill.dueDate = PropertyList::distantFuture();
    bill.paymentList = QVariantList{payment(12.5, utc(2016, 2, 1), QStringLiteral("Quick Logged")),
                                    payment(qlonglong(40), PropertyList::distantPast(), QString())};
    bill.balance = 1000.25;
    bill.amountVaries = 1;
    ASSERT_TRUE(bill.writeBill(false));

    const QVariantMap stored = readFile(Alpha);
    EXPECT_EQ(stored.value(BillKeys::Name), QStringLiteral("Rent"));
    EXPECT_EQ(stored.value(BillKeys::Bid), Alpha);
    EXPECT_EQ(stored.value(BillKeys::Icon), QStringLiteral("GScale_Home"));
    EXPECT_EQ(stored.value(BillKeys::DueDate).toDateTime(), PropertyList::distantFuture());
    // The totals and the last payment follow the payments.
    EXPECT_EQ(stored.value(BillKeys::LastPayment).toDateTime(), utc(2016, 2, 1));
    EXPECT_DOUBLE_EQ(stored.value(BillKeys::TotalPaid).toDouble(), 52.5);
    EXPECT_DOUBLE_EQ(stored.value(BillKeys::Average).toDouble(), 26.25);
    EXPECT_EQ(stored.value(BillKeys::Repeat), (QVariantList{qlonglong(1), qlonglong(2)}));
    EXPECT_EQ(stored.value(BillKeys::Tags), (QVariantList{QStringLiteral("Home")}));
    EXPECT_EQ(stored.value(BillKeys::PaySite), QStringLiteral("http://example.com"));
    EXPECT_EQ(stored.value(BillKeys::Notes), QString());

    // A new item's zeros are integers, computed money is real.
    for (const QString& key : {BillKeys::Interest}) {
        EXPECT_EQ(stored.value(key).typeId(), QMetaType::LongLong) << key.toStdString();
        EXPECT_EQ(stored.value(key).toLongLong(), 0);
    }
    EXPECT_EQ(stored.value(BillKeys::Rev).typeId(), QMetaType::Double);
    EXPECT_EQ(stored.value(BillKeys::Amount).typeId(), QMetaType::Double);
    EXPECT_DOUBLE_EQ(stored.value(BillKeys::Amount).toDouble(), 950.5);
    EXPECT_DOUBLE_EQ(stored.value(BillKeys::Balance).toDouble(), 1000.25);
    for (const QString& key : {BillKeys::AmountVaries, BillKeys::PayType, BillKeys::ReminderDays})
        EXPECT_EQ(stored.value(key).typeId(), QMetaType::LongLong) << key.toStdString();
    EXPECT_EQ(stored.value(BillKeys::AmountVaries).toLongLong(), 1);
    for (const QString& key : {BillKeys::RemindMe, BillKeys::IsArchived, BillKeys::IsIncome})
        EXPECT_EQ(stored.value(key).typeId(), QMetaType::Bool) << key.toStdString();

    const QVariantList payments = stored.value(BillKeys::PaymentList).toList();
    ASSERT_EQ(payments.size(), 2);
    EXPECT_EQ(payments.at(0).toMap().value(PaymentKeys::Amount).typeId(), QMetaType::Double);
    EXPECT_EQ(payments.at(1).toMap().value(PaymentKeys::Amount).typeId(), QMetaType::LongLong);
    EXPECT_EQ(payments.at(1).toMap().value(PaymentKeys::Date).toDateTime(), PropertyList::distantPast());

    EXPECT_FALSE(stored.contains(BillKeys::DateWasModified));
    EXPECT_EQ(stored.value(BillKeys::SyncModificationDate).toDateTime(), now());
    EXPECT_EQ(stored.value(BillKeys::ModificationDateForFirebase).typeId(), QMetaType::Double);
    EXPECT_DOUBLE_EQ(stored.value(BillKeys::ModificationDateForFirebase).toDouble(),
                     now().toMSecsSinceEpoch() / 1000.0);
}

TEST_F(BWBillWriteTest, FloatAndIntegerPropertiesAreStoredAsRealAndInteger)
{
    BWBill bill = newItem(Alpha);
    bill.amount = 12.5f;
    bill.balance = int(7);
    ASSERT_TRUE(bill.writeBill(false));
    const QVariantMap stored = readFile(Alpha);
    EXPECT_EQ(stored.value(BillKeys::Amount).typeId(), QMetaType::Double);
    EXPECT_DOUBLE_EQ(stored.value(BillKeys::Amount).toDouble(), 12.5);
    EXPECT_EQ(stored.value(BillKeys::Balance).typeId(), QMetaType::LongLong);
}

TEST_F(BWBillWriteTest, UnsetPropertiesAreLeftOutAndFlagsDefaultToNo)
{
    BWBill bill = writer();
    bill.bid = Alpha;
    bill.name = QStringLiteral("Water");
    bill.dueDate = utc(2016, 4, 1);
    ASSERT_TRUE(bill.writeBill(false));

    const QVariantMap stored = readFile(Alpha);
    EXPECT_FALSE(stored.contains(BillKeys::Notes));
    EXPECT_FALSE(stored.contains(BillKeys::Amount));
    EXPECT_FALSE(stored.contains(BillKeys::Tags));
    EXPECT_EQ(stored.value(BillKeys::AmountVaries), QVariant(qlonglong(0)));
    EXPECT_EQ(stored.value(BillKeys::IsArchived), QVariant(false));
    EXPECT_EQ(stored.value(BillKeys::IsIncome), QVariant(false));
}

// ---- The index after a full write ----

TEST_F(BWBillWriteTest, FirstBillInEmptyFolderCreatesTheIndex)
{
    ASSERT_TRUE(newItem(Alpha).writeBill(false));
    const QVariantMap index = readIndex();
    EXPECT_EQ(index.value(IndexKeys::ActiveBills), ids({Alpha}));
    EXPECT_EQ(index.value(IndexKeys::DeletedBills), QVariantList());
    EXPECT_EQ(index.value(IndexKeys::ArchivedBills), QVariantList());
    EXPECT_EQ(index.size(), 3);
}

TEST_F(BWBillWriteTest, WritingTheSameNewItemTwiceListsItOnce)
{
    ASSERT_TRUE(newItem(Alpha).writeBill(false));
    ASSERT_TRUE(newItem(Alpha).writeBill(false));
    ASSERT_TRUE(newItem(Beta).writeBill(false));
    EXPECT_EQ(indexList(IndexKeys::ActiveBills), (QStringList{Alpha, Beta}));
}

TEST_F(BWBillWriteTest, WritingAnOlderArchivedItemMovesItBackToActive)
{
    storeIndex({Beta}, {}, {Alpha, Beta});
    ASSERT_TRUE(newItem(Alpha).writeBill(true));
    EXPECT_EQ(indexList(IndexKeys::ActiveBills), (QStringList{Beta, Alpha}));
    EXPECT_EQ(indexList(IndexKeys::ArchivedBills), QStringList{Beta});
}

TEST_F(BWBillWriteTest, WritingADeletedItemAgainListsItAsActiveAndDeleted)
{
    storeIndex({}, {Alpha});
    ASSERT_TRUE(newItem(Alpha).writeBill(false));
    EXPECT_EQ(indexList(IndexKeys::ActiveBills), QStringList{Alpha});
    EXPECT_EQ(indexList(IndexKeys::DeletedBills), QStringList{Alpha});
}

TEST_F(BWBillWriteTest, IndexWithoutArchivedListGetsAnEmptyOneAndKeepsDeleted)
{
    QDir().mkpath(dataFolder());
    ASSERT_TRUE(PropertyList::write(indexPath(), QVariantMap{{IndexKeys::ActiveBills, ids({Beta})}}));
    ASSERT_TRUE(newItem(Alpha).writeBill(false));
    const QVariantMap index = readIndex();
    EXPECT_EQ(index.value(IndexKeys::ActiveBills), ids({Beta, Alpha}));
    EXPECT_EQ(index.value(IndexKeys::ArchivedBills), QVariantList());
    EXPECT_FALSE(index.contains(IndexKeys::DeletedBills));
}

TEST_F(BWBillWriteTest, SavingAListedItemLeavesIndexAndTagListAlone)
{
    ASSERT_TRUE(newItem(Alpha).writeBill(false));
    const QString tagList = QDir(dataFolder()).filePath(QStringLiteral("tagindex.plist"));
    const quint64 index = TempFolder::inodeOf(indexPath());
    const quint64 tags = TempFolder::inodeOf(tagList);
    ASSERT_TRUE(newItem(Alpha).writeBill(true));
    EXPECT_EQ(TempFolder::inodeOf(indexPath()), index);
    EXPECT_EQ(TempFolder::inodeOf(tagList), tags);

    ASSERT_TRUE(newItem(Beta).writeBill(false));
    EXPECT_NE(TempFolder::inodeOf(indexPath()), index);
    EXPECT_EQ(indexList(IndexKeys::ActiveBills), (QStringList{Alpha, Beta}));
}

// ---- What a write stores of a loaded record ----

TEST_F(BWBillWriteTest, FullWriteStoresTheUnshiftedDateAndDropsDisplayKeys)
{
    QVariantMap loaded = record(Alpha);
    loaded.insert(BillKeys::DueDate, utc(2016, 3, 4));
    loaded.insert(BillKeys::AbsoluteDueDate, utc(2016, 3, 6));
    loaded.insert(BillKeys::DateWasModified, qlonglong(1));
    loaded.insert(BillKeys::HumanDueDate, QStringLiteral("Due in 3 days"));
    loaded.insert(BillKeys::SortableLastPaid, qlonglong(-86400));
    ASSERT_TRUE(writer().finishWritingBillWithDictionary(loaded, true, true));

    const QVariantMap stored = readFile(Alpha);
    EXPECT_EQ(stored.value(BillKeys::DueDate).toDateTime(), utc(2016, 3, 6));
    for (const QString& key : {BillKeys::AbsoluteDueDate, BillKeys::DateWasModified, BillKeys::HumanDueDate,
                               BillKeys::SortableLastPaid})
        EXPECT_FALSE(stored.contains(key)) << key.toStdString();
}

TEST_F(BWBillWriteTest, RewriteOfAShiftedRecordStoresTheRealDueDate)
{
    QVariantMap loaded = loadedWithWeekendShift(Alpha);
    loaded.insert(BillKeys::Notes, QStringLiteral("changed"));
    loaded.insert(QStringLiteral("SomeFutureKey"), QStringLiteral("kept"));
    ASSERT_TRUE(writer().rewriteSpecificBill(loaded));

    const QVariantMap stored = readFile(Alpha);
    EXPECT_EQ(stored.value(BillKeys::DueDate).toDateTime(), utc(2016, 3, 6, 12));
    EXPECT_EQ(stored.value(BillKeys::Notes), QStringLiteral("changed"));
    EXPECT_EQ(stored.value(QStringLiteral("SomeFutureKey")), QStringLiteral("kept"));
    for (const QString& key : {BillKeys::AbsoluteDueDate, BillKeys::DateWasModified, BillKeys::HumanRepeat,
                               BillKeys::HumanDueDate, BillKeys::SortableDueDate, BillKeys::DueIcon,
                               BillKeys::DueString})
        EXPECT_FALSE(stored.contains(key)) << key.toStdString();
}

TEST_F(BWBillWriteTest, MovingTheDueDateOfALoadedRecordStoresTheNewDate)
{
    QVariantMap loaded = loadedWithWeekendShift(Alpha);
    BWBill::setDueDateOfRecord(loaded, utc(2016, 4, 6, 12));
    ASSERT_TRUE(writer().rewriteSpecificBill(loaded));
    EXPECT_EQ(readFile(Alpha).value(BillKeys::DueDate).toDateTime(), utc(2016, 4, 6, 12));
}

TEST_F(BWBillWriteTest, RewriteTouchesNeitherIndexNorTagList)
{
    ASSERT_TRUE(writer().rewriteSpecificBill(record(Alpha)));
    EXPECT_TRUE(QFileInfo::exists(billPath(Alpha)));
    EXPECT_FALSE(QFileInfo::exists(indexPath()));
    EXPECT_FALSE(QFileInfo::exists(QDir(dataFolder()).filePath(QStringLiteral("tagindex.plist"))));
}

TEST_F(BWBillWriteTest, ACopyFromTheCloudKeepsItsMomentOnEveryChannel)
{
    QVariantMap changed = record(Alpha);
    changed.insert(BillKeys::SyncModificationDate, utc(2015, 1, 1));
    ASSERT_TRUE(writer().rewriteSpecificBillWithoutUpdatingiCloud(changed));
    const QVariantMap stored = readFile(Alpha);
    EXPECT_EQ(stored.value(BillKeys::SyncModificationDate).toDateTime(), utc(2015, 1, 1));
    EXPECT_DOUBLE_EQ(stored.value(BillKeys::ModificationDateForFirebase).toDouble(),
                     utc(2015, 1, 1).toSecsSinceEpoch());
}

// A change is stamped where it differs, and only there; a write that
// changes nothing writes nothing.
TEST_F(BWBillWriteTest, OnlyWhatChangedIsStampedAndNothingElseIsWritten)
{
    ASSERT_TRUE(writer().finishWritingBillWithDictionary(record(Alpha), false, true));
    const QVariantMap first = readFile(Alpha);
    const QVariantMap firstStamps = first.value(BillKeys::FieldStamps).toMap();
    ASSERT_EQ(firstStamps.value(BillKeys::Name), first.value(BillKeys::ModificationStamp));
    cloud = FakeCloudChannels();
    reminders.calls.clear();
    const QDateTime firstWrite = QFileInfo(billPath(Alpha)).lastModified();

    clock.setNow(now().addSecs(60));
    QVariantMap same = BWBillsLoader(env).loadBillWithID(Alpha).value();
    same.insert(BillKeys::Amount, qlonglong(950.5 * 2) / 2.0);  // the same number
    ASSERT_TRUE(writer().rewriteSpecificBill(same));
    EXPECT_EQ(readFile(Alpha), first);
    EXPECT_EQ(QFileInfo(billPath(Alpha)).lastModified(), firstWrite);
    EXPECT_TRUE(cloud.nothingHandedOver());
    EXPECT_TRUE(reminders.calls.isEmpty());

    ASSERT_TRUE(writer().saveSpecificKey(BillKeys::Notes, QStringLiteral("note"), Alpha));
    const QVariantMap stamps = readFile(Alpha).value(BillKeys::FieldStamps).toMap();
    EXPECT_GT(stamps.value(BillKeys::Notes).toString(), firstStamps.value(BillKeys::Notes).toString());
    EXPECT_EQ(stamps.value(BillKeys::Name), firstStamps.value(BillKeys::Name));
    EXPECT_EQ(readFile(Alpha).value(BillKeys::SyncModificationDate).toDateTime(), now().addSecs(60));
}

// ---- Single keys ----

TEST_F(BWBillWriteTest, SavingKeysKeepsTheFirstValueOfAKeyNamedTwice)
{
    storeFile(record(Alpha));
    ASSERT_TRUE(writer().saveSpecificKeys({BillKeys::Notes, BillKeys::Balance, BillKeys::Notes},
                                          {QStringLiteral("first"), 120.5, QStringLiteral("second")}, Alpha));
    const QVariantMap stored = readFile(Alpha);
    EXPECT_EQ(stored.value(BillKeys::Notes), QStringLiteral("first"));
    EXPECT_DOUBLE_EQ(stored.value(BillKeys::Balance).toDouble(), 120.5);
    EXPECT_EQ(stored.value(BillKeys::SyncModificationDate).toDateTime(), now());
}

TEST_F(BWBillWriteTest, SavingKeysOfAShiftedRecordKeepsTheRealDueDate)
{
    loadedWithWeekendShift(Alpha);
    ASSERT_TRUE(writer().saveSpecificKey(BillKeys::Notes, QStringLiteral("n"), Alpha));
    EXPECT_EQ(readFile(Alpha).value(BillKeys::DueDate).toDateTime(), utc(2016, 3, 6, 12));

    ASSERT_TRUE(writer().saveSpecificKey(BillKeys::DueDate, utc(2016, 5, 1), Alpha));
    EXPECT_EQ(readFile(Alpha).value(BillKeys::DueDate).toDateTime(), utc(2016, 5, 1));
}

TEST_F(BWBillWriteTest, SavingKeysWithoutMatchingValuesOrRecordWritesNothing)
{
    storeFile(record(Alpha));
    const QByteArray before = temp.read(QStringLiteral("data/Orvane/Orvane.ovdata/") + Alpha + ".plist");
    EXPECT_FALSE(writer().saveSpecificKeys({BillKeys::Notes, BillKeys::Amount}, {QStringLiteral("x")}, Alpha));
    EXPECT_FALSE(writer().saveSpecificKey(BillKeys::Notes, QStringLiteral("x"), Beta));
    EXPECT_EQ(temp.read(QStringLiteral("data/Orvane/Orvane.ovdata/") + Alpha + ".plist"), before);
    EXPECT_FALSE(QFileInfo::exists(billPath(Beta)));
    EXPECT_TRUE(reminders.calls.isEmpty());
}

// ---- Reminders after a write ----

TEST_F(BWBillWriteTest, FullWriteRenewsRemindersFromTheStoredRecord)
{
    ASSERT_TRUE(newItem(Alpha).writeBill(false));
    EXPECT_EQ(reminders.calls, (QStringList{"remove " + Alpha + " Rent", "create " + Alpha}));
    ASSERT_EQ(reminders.created.size(), 1);
    EXPECT_EQ(reminders.created.first(), readFile(Alpha));
}

TEST_F(BWBillWriteTest, RewriteWithRemindersOffOnlyRemovesThem)
{
    QVariantMap changed = record(Alpha, QStringLiteral("Gas"));
    changed.insert(BillKeys::RemindMe, false);
    ASSERT_TRUE(writer().rewriteSpecificBill(changed));
    EXPECT_EQ(reminders.calls, QStringList{"remove " + Alpha + " Gas"});
}

TEST_F(BWBillWriteTest, SnoozeHandsTheLoadedRecordOver)
{
    storeFile(record(Alpha));
    writer().snoozeReminderForBillID(Alpha, now(), 2);
    writer().snoozeReminderForBillID(Beta, now(), 2);
    EXPECT_EQ(reminders.calls, QStringList{"snooze " + Alpha + " 2"});
}

// ---- Refused and failed writes ----

TEST_F(BWBillWriteTest, IdThatIsNotABillIdIsRefused)
{
    for (const QString& badID : {QStringLiteral("../../escape"), Alpha.toLower(), QString(), Alpha + "0"}) {
        BWBill bill = newItem(badID);
        EXPECT_FALSE(bill.writeBill(false)) << badID.toStdString();
        QVariantMap changed = record(badID);
        EXPECT_FALSE(writer().rewriteSpecificBill(changed)) << badID.toStdString();
        EXPECT_FALSE(writer().deleteBillWithBid(badID)) << badID.toStdString();
    }
    EXPECT_FALSE(QFileInfo::exists(indexPath()));
    EXPECT_FALSE(QFileInfo::exists(temp.file(QStringLiteral("data/escape.plist"))));
    EXPECT_TRUE(reminders.calls.isEmpty());
    EXPECT_TRUE(cloud.nothingHandedOver());
}

TEST_F(BWBillWriteTest, FailedBillWriteTouchesNoIndexRemindersOrCloud)
{
    defaults.setBool(BWDefaultsKeys::iCloudSyncEnabled, true);
    defaults.setBool(BWDefaultsKeys::iCloudSyncEnabled2, true);
    cloud.uid = QStringLiteral("user");
    storeIndex({Beta});
    const QByteArray indexBefore = temp.read(QStringLiteral("data/Orvane/Orvane.ovdata/billindex.plist"));
    blockBillFile(Alpha);

    EXPECT_FALSE(newItem(Alpha).writeBill(false));
    EXPECT_FALSE(writer().rewriteSpecificBill(record(Alpha)));
    EXPECT_EQ(temp.read(QStringLiteral("data/Orvane/Orvane.ovdata/billindex.plist")), indexBefore);
    EXPECT_FALSE(QFileInfo::exists(QDir(dataFolder()).filePath(QStringLiteral("tagindex.plist"))));
    EXPECT_TRUE(reminders.calls.isEmpty());
    EXPECT_TRUE(cloud.nothingHandedOver());
}

TEST_F(BWBillWriteTest, UnreadableIndexIsNotOverwrittenByAFullWrite)
{
    defaults.setBool(BWDefaultsKeys::iCloudSyncEnabled2, true);
    const QByteArray damaged("<?xml version=\"1.0\"?><plist><dict><key>ActiveBills</key><array><string>");
    temp.write(QStringLiteral("data/Orvane/Orvane.ovdata/billindex.plist"), damaged);

    EXPECT_FALSE(newItem(Alpha).writeBill(false));
    EXPECT_EQ(temp.read(QStringLiteral("data/Orvane/Orvane.ovdata/billindex.plist")), damaged);
    EXPECT_TRUE(reminders.calls.isEmpty());
    EXPECT_TRUE(cloud.nothingHandedOver());
}
