#include "platform/FolderCloudContainer.h"
#include "platform/FolderCloudDatabase.h"
#include "platform/PropertyList.h"

#include "support/CloudCalls.h"
#include "support/TempFolder.h"

#include <QDir>
#include <QFileInfo>
#include <QTimeZone>

using namespace CloudCalls;

namespace {

const QString FirstDevice = billName(0xD1);
const QString SecondDevice = billName(0xD2);

class FolderCloudTest : public ::testing::Test
{
protected:
    QString recordFile(const QString& name) const { return folder.file("records/" + name + ".plist"); }

    TempFolder folder;
    FolderCloudDatabase first{folder.path(), FirstDevice};
    FolderCloudDatabase second{folder.path(), SecondDevice};
};

TEST_F(FolderCloudTest, TwoDatabasesOnOneFolderSeeEachOthersRecordsWithinSeconds)
{
    QList<Change> heard;
    QObject::connect(&second, &CloudDatabase::recordChanged, [&](const QString&, const QString& name, int reason) {
        heard.append({name, reason});
    });
    ASSERT_FALSE(subscribe(&second, "bills", "Bill", AllReasons).isError());

    CloudRecord bill = billRecord(billName(7), "Water");
    const QDateTime paid(QDate(2026, 11, 2), QTime(9, 30), QTimeZone::utc());
    bill.fields.insert("PaymentListDates", QVariantList{paid});
    bill.fields.insert("PaymentListAmounts", QVariantList{41.25});
    bill.fields.insert("IsIncome", false);
    bill.fields.insert("Notes", QVariant());  // cleared: not stored
    ASSERT_FALSE(save(&first, bill).error.isError());

    ASSERT_TRUE(QTest::qWaitFor([&] { return !heard.isEmpty(); }, 5000));
    EXPECT_EQ(heard.constFirst(), (Change{billName(7), CloudDatabase::RecordCreated}));
    const auto [copy, error] = fetch(&second, billName(7));
    ASSERT_TRUE(copy.has_value()) << qPrintable(error.message);
    bill.fields.remove("Notes");
    EXPECT_TRUE(PropertyList::sameValue(copy->fields, bill.fields));
}

TEST_F(FolderCloudTest, NamesAreCheckedBeforeTheyNameAFile)
{
    struct Case
    {
        QString name;
        bool valid;
    };
    const Case cases[] = {
        {billName(1), true},
        {"ActiveBills", true},
        {"DeletedBills", true},
        {"ArchivedBills", false},
        {billName(0xABC).toLower(), false},
        {billName(1).left(31), false},
        {"../" + billName(1), false},
        {"../../outside", false},
        {"", false},
    };
    for (const Case& c : cases) {
        const SaveOutcome saved = save(&first, billRecord(c.name, "x"));
        EXPECT_EQ(saved.error.isError(), !c.valid) << qPrintable(c.name);
        EXPECT_EQ(fetch(&first, c.name).first.has_value(), c.valid) << qPrintable(c.name);
        EXPECT_EQ(remove(&first, c.name).isError(), !c.valid) << qPrintable(c.name);
    }
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::NoDotAndDotDot), QStringList());
    EXPECT_FALSE(QFileInfo::exists(folder.file("outside.plist")));
}

TEST_F(FolderCloudTest, AnUnreadableRecordIsAFailureNotAnAbsence)
{
    ASSERT_FALSE(save(&first, billRecord(billName(1), "Rent")).error.isError());
    ASSERT_FALSE(save(&first, billRecord(billName(2), "Gas")).error.isError());
    folder.write("records/" + billName(1) + ".plist", "<plist><dict><key>Recor");

    EXPECT_EQ(fetch(&second, billName(1)).second.code, CloudError::NetworkFailure);
    // Neither taken for a new record nor overwritten unseen.
    EXPECT_EQ(save(&second, billRecord(billName(1), "Rent")).error.code, CloudError::NetworkFailure);
    EXPECT_EQ(remove(&second, billName(1)).code, CloudError::NetworkFailure);
    // A query goes on with the records it can read.
    const auto [batch, error] = query(&second, "Bill", {});
    EXPECT_FALSE(error.isError());
    ASSERT_EQ(batch.records.size(), 1);
    EXPECT_EQ(batch.records.constFirst().recordName, billName(2));
}

TEST_F(FolderCloudTest, StrayFilesOfTheSyncServiceAreIgnored)
{
    QList<Change> heard;
    QObject::connect(&second, &CloudDatabase::recordChanged, [&](const QString&, const QString& name, int reason) {
        heard.append({name, reason});
    });
    ASSERT_FALSE(subscribe(&second, "bills", "Bill", AllReasons).isError());
    ASSERT_FALSE(save(&first, billRecord(billName(1), "Rent")).error.isError());
    ASSERT_TRUE(QTest::qWaitFor([&] { return heard.size() == 1; }, 5000));

    const QByteArray record = folder.read("records/" + billName(1) + ".plist");
    folder.write("records/" + billName(1) + ".sync-conflict-20261109-1.plist", record);
    const auto entry = [](const QString& name, qlonglong sequence) {
        return QVariantMap{{"Sequence", sequence}, {"RecordName", name}, {"RecordType", "Bill"}, {"Reason", 1}};
    };
    // A journal under a name that is no device id, and entries naming no
    // record a file may have.
    PropertyList::write(folder.file("journal/evil.plist"),
                        QVariantMap{{"Entries", QVariantList{entry(billName(3), 1)}}});
    PropertyList::write(folder.file("journal/" + billName(0xD3) + ".plist"),
                        QVariantMap{{"Entries", QVariantList{entry("../x", 1), entry("ArchivedBills", 2)}}});
    second.readJournals();
    // One more bill: once it is heard, the watch has read the stray files too.
    ASSERT_FALSE(save(&first, billRecord(billName(2), "Power")).error.isError());
    ASSERT_TRUE(QTest::qWaitFor([&] { return heard.size() >= 2; }, 5000));

    EXPECT_EQ(heard.size(), 2);
    EXPECT_EQ(heard.last().recordName, billName(2));
    const auto [batch, error] = query(&second, "Bill", {});
    EXPECT_FALSE(error.isError());
    EXPECT_EQ(batch.records.size(), 2);
}

TEST_F(FolderCloudTest, DatesComeFromTheClock)
{
    const QDateTime moment(QDate(2027, 3, 4), QTime(5, 6, 7), QTimeZone::utc());
    first.setClock([moment] { return moment; });
    EXPECT_EQ(save(&first, billRecord(billName(1), "Rent")).record.modificationDate, moment);
    EXPECT_EQ(fetch(&second, billName(1)).first->modificationDate, moment);
}

TEST(FolderCloudContainer, TheAccountIsTheChosenFolder)
{
    TempFolder home;
    const QString unwritable = home.file("read-only");
    QDir().mkpath(unwritable);
    QFile::setPermissions(unwritable, QFile::ReadOwner | QFile::ExeOwner);
    struct Case
    {
        QString folder;
        CloudContainer::AccountStatus expected;
    };
    QList<Case> cases = {
        {QString(), CloudContainer::NoAccount},
        {home.file("not mounted"), CloudContainer::TemporarilyUnavailable},
        {home.path(), CloudContainer::Available},
    };
    // Permissions bind everyone but the superuser.
    if (!QFileInfo(unwritable).isWritable())
        cases.append({unwritable, CloudContainer::TemporarilyUnavailable});
    for (const Case& c : cases) {
        FolderCloudContainer container(c.folder, FirstDevice);
        const auto status = waitFor<CloudContainer::AccountStatus>(
            [&](auto done) { container.accountStatus(done); });
        EXPECT_EQ(status, c.expected) << qPrintable(c.folder);
        const bool available = c.expected == CloudContainer::Available;
        EXPECT_EQ(save(container.privateDatabase(), billRecord(billName(1), "x")).error.isError(), !available)
            << qPrintable(c.folder);
    }
    // A folder not there is not made: it may be a drive not mounted yet.
    EXPECT_FALSE(QFileInfo::exists(home.file("not mounted")));
    QFile::setPermissions(unwritable, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

}  // namespace
