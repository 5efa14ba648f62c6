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

    const QString own = "records/" + billName(1) + "/" + FirstDevice + ".plist";
    const QByteArray record = folder.read(own);
    ASSERT_FALSE(record.isEmpty());
    // Files under names no device, record or conflict copy has.
    folder.write("records/" + billName(1) + ".sync-conflict-20261109-1.plist", record);
    folder.write("records/" + billName(1) + "/evil.plist", record);
    folder.write("records/ArchivedBills/" + FirstDevice + ".plist", record);
    folder.write("records/evil/" + FirstDevice + ".plist", record);
    second.readChanges();
    // One more bill: once it is heard, the watch has read the stray files too.
    ASSERT_FALSE(save(&first, billRecord(billName(2), "Power")).error.isError());
    ASSERT_TRUE(QTest::qWaitFor([&] { return heard.size() >= 2; }, 5000));

    EXPECT_EQ(heard.size(), 2);
    EXPECT_EQ(heard.last().recordName, billName(2));
    const auto [batch, error] = query(&second, "Bill", {});
    EXPECT_FALSE(error.isError());
    EXPECT_EQ(batch.records.size(), 2);
}

// Merges as the sync engine does, in small: the "Notes" of both versions.
CloudRecord notesOfBoth(const CloudRecord& first, const CloudRecord& second)
{
    CloudRecord merged = second;
    QStringList notes = first.fields.value("Notes").toStringList() + second.fields.value("Notes").toStringList();
    notes.sort();
    notes.removeDuplicates();
    merged.fields.insert("Notes", notes);
    return merged;
}

TEST_F(FolderCloudTest, EachDeviceWritesOnlyItsOwnVersionAndReadsTheMergeOfAll)
{
    first.setRecordMerger(notesOfBoth);
    second.setRecordMerger(notesOfBoth);
    CloudRecord fromFirst = billRecord(billName(1), "Rent");
    fromFirst.fields.insert("Notes", QStringList{"first"});
    ASSERT_FALSE(save(&first, fromFirst).error.isError());
    // The second device saves without having seen the first's version, as
    // when the sync service had not brought it yet.
    CloudRecord fromSecond = fromFirst;
    fromSecond.fields.insert("Notes", QStringList{"second"});
    const QString firstFile = "records/" + billName(1) + "/" + FirstDevice + ".plist";
    const QByteArray firstVersion = folder.read(firstFile);
    QFile::remove(folder.file(firstFile));
    ASSERT_FALSE(save(&second, fromSecond).error.isError());
    folder.write(firstFile, firstVersion);

    EXPECT_EQ(QDir(folder.file("records/" + billName(1))).entryList(QDir::Files),
              QStringList({FirstDevice + ".plist", SecondDevice + ".plist"}));
    for (FolderCloudDatabase* device : {&first, &second})
        EXPECT_EQ(fetch(device, billName(1)).first->fields.value("Notes").toStringList(),
                  QStringList({"first", "second"}));
}

TEST_F(FolderCloudTest, ConflictCopiesAndTheEarlierLayoutAreMergedAndRemoved)
{
    first.setRecordMerger(notesOfBoth);
    second.setRecordMerger(notesOfBoth);
    QList<Change> heard;
    QObject::connect(&second, &CloudDatabase::recordChanged, [&](const QString&, const QString& name, int reason) {
        heard.append({name, reason});
    });
    ASSERT_FALSE(subscribe(&second, "bills", "Bill", AllReasons).isError());
    const auto versionFile = [](const QString& note) {
        return QVariantMap{{"RecordType", "Bill"},
                           {"RecordName", billName(1)},
                           {"ModificationDate", QDateTime(QDate(2026, 12, 9), QTime(10, 0), QTimeZone::utc())},
                           {"ChangeTag", note},
                           {"Fields", QVariantMap{{"Name", "Rent"}, {"Notes", QStringList{note}}}}};
    };
    const QString dir = "records/" + billName(1) + "/";
    const QStringList leftovers = {
        "records/" + billName(1) + ".plist",   // every device's one file before
        "records/" + billName(1) + ".sync-conflict-20261209-101530-ABCDEF7.plist",
        dir + FirstDevice + ".sync-conflict-20261209-101531-ABCDEF7.plist",
        dir + FirstDevice + " (conflicted copy 2026-12-09 101532).plist",
        dir + FirstDevice + " (Kim's conflicted copy 2026-12-09).plist",
    };
    QStringList expected = {"own"};
    ASSERT_TRUE(QDir().mkpath(folder.file(dir)));
    ASSERT_TRUE(PropertyList::write(folder.file(dir + FirstDevice + ".plist"), versionFile("own")));
    for (const QString& leftover : leftovers) {
        const QString note = QFileInfo(leftover).fileName();
        ASSERT_TRUE(PropertyList::write(folder.file(leftover), versionFile(note)));
        expected.append(note);
    }
    expected.sort();
    const auto notes = [&] { return fetch(&second, billName(1)).first->fields.value("Notes").toStringList(); };
    EXPECT_EQ(notes(), expected);

    // Their arrival is a change, and this device takes them over.
    ASSERT_TRUE(QTest::qWaitFor([&] { return !heard.isEmpty(); }, 5000));
    ASSERT_TRUE(QTest::qWaitFor([&] { return !QFileInfo::exists(folder.file(leftovers.first())); }, 5000));
    for (const QString& leftover : leftovers)
        EXPECT_FALSE(QFileInfo::exists(folder.file(leftover))) << qPrintable(leftover);
    // Taken over by whichever device read them first.
    for (const QString& file : QDir(folder.file(dir)).entryList(QDir::Files))
        EXPECT_TRUE(file == FirstDevice + ".plist" || file == SecondDevice + ".plist") << qPrintable(file);
    EXPECT_EQ(notes(), expected);
}

TEST(FolderCloudConflictNames, EachServicesNamingIsRecognised)
{
    const struct { QString name; QString original; } cases[] = {
        {"A.sync-conflict-20261209-101530-ABCDEF7.plist", "A.plist"},
        {"A (conflicted copy 2026-12-09 101530).plist", "A.plist"},
        {"A (Kim's conflicted copy 2026-12-09).plist", "A.plist"},
        {"A.plist", ""},
        {"A.sync-conflict-x.plist", ""},
        {"A (copy).plist", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FolderCloudDatabase::conflictCopyOriginal(c.name), c.original) << qPrintable(c.name);
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
