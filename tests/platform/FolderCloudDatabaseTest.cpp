#include "platform/FolderCloudContainer.h"
#include "platform/FolderCloudDatabase.h"
#include "platform/FolderCloudWorker.h"
#include "platform/HybridLogicalClock.h"
#include "platform/PropertyList.h"

#include "support/CloudCalls.h"
#include "support/TempFolder.h"

#include <QDir>
#include <QFileInfo>
#include <QTimeZone>

#include <functional>

using namespace CloudCalls;

namespace {

const QString FirstDevice = billName(0xD1);
const QString SecondDevice = billName(0xD2);
const QString ThirdDevice = billName(0xD3);
const QByteArray Truncated = "<plist><dict><key>Recor";

// Merges as the sync engine does, in small: the "Notes" of both versions.
CloudRecord notesOfBoth(const CloudRecord& first, const CloudRecord& second)
{
    CloudRecord merged = second;
    QStringList notes = first.fields.value("Notes").toStringList() + second.fields.value("Notes").toStringList();
    notes.sort();
    notes.removeDuplicates();
    if (!notes.isEmpty())
        merged.fields.insert("Notes", notes);
    return merged;
}

// The same, with the later "Stamp" of the two, as a merge keeps stamps.
CloudRecord stampedNotesOfBoth(const CloudRecord& first, const CloudRecord& second)
{
    CloudRecord merged = notesOfBoth(first, second);
    const QString stamp = std::max(first.fields.value("Stamp").toString(), second.fields.value("Stamp").toString());
    if (!stamp.isEmpty())
        merged.fields.insert("Stamp", stamp);
    return merged;
}

// A full read of the folder, waited for.
void readAllChanges(FolderCloudDatabase& database)
{
    bool done = false;
    database.readChanges([&done] { done = true; });
    ASSERT_TRUE(QTest::qWaitFor([&done] { return done; }, 10000));
}

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

// A version that cannot be read (a sync service still writing it, or a
// file damaged for good) is left out of its record.
TEST_F(FolderCloudTest, AnUnreadableVersionIsLeftOutAndARecordOfNoneReadableIsAFailure)
{
    ASSERT_FALSE(save(&first, billRecord(billName(1), "Rent")).error.isError());
    ASSERT_FALSE(save(&first, billRecord(billName(2), "Gas")).error.isError());
    ASSERT_FALSE(save(&first, indexRecord("DeletedBills", {billName(5)})).error.isError());
    for (const QString& record : {billName(1), QString("DeletedBills"), billName(3)})
        folder.write("records/" + record + "/" + ThirdDevice + ".plist", Truncated);
    folder.write("records/" + billName(2) + ".plist", Truncated);  // the earlier layout's file

    // Read from the versions that can be read, and saved over them.
    for (const QString& name : {billName(1), billName(2)}) {
        const auto [record, error] = fetch(&second, name);
        ASSERT_TRUE(record.has_value()) << qPrintable(error.message);
        const SaveOutcome renamed = save(&second, billRecord(name, "Renamed", record->changeTag));
        EXPECT_FALSE(renamed.error.isError()) << qPrintable(renamed.error.message);
        EXPECT_EQ(fetch(&first, name).first.value_or(CloudRecord()).fields.value("Name"), "Renamed");
    }
    const auto [deleted, listError] = fetch(&second, "DeletedBills");
    ASSERT_TRUE(deleted.has_value()) << qPrintable(listError.message);
    const SaveOutcome longer = save(&second, indexRecord("DeletedBills", {billName(5), billName(6)}));
    EXPECT_EQ(longer.error.code, CloudError::ServerRecordChanged);  // saved against its tag, as every save
    CloudRecord list = indexRecord("DeletedBills", {billName(5), billName(6)});
    list.changeTag = deleted->changeTag;
    EXPECT_FALSE(save(&second, list).error.isError());
    EXPECT_EQ(fetch(&first, "DeletedBills").first.value_or(CloudRecord()).fields.value("Bids").toStringList(),
              QStringList({billName(5), billName(6)}));

    // A record none of whose versions can be read is neither taken for a
    // new record nor overwritten unseen.
    EXPECT_EQ(fetch(&second, billName(3)).second.code, CloudError::NetworkFailure);
    EXPECT_EQ(save(&second, billRecord(billName(3), "Water")).error.code, CloudError::NetworkFailure);
    EXPECT_EQ(remove(&second, billName(3)).code, CloudError::NetworkFailure);
    // A query goes on with the records it can read.
    const auto [batch, error] = query(&second, "Bill", {});
    EXPECT_FALSE(error.isError());
    QStringList names;
    for (const CloudRecord& record : batch.records)
        names.append(record.recordName);
    EXPECT_EQ(names, QStringList({billName(1), billName(2)}));
}

// The sync service had ample time to finish a version still unreadable ten
// minutes after it was first seen: it is moved to conflicts/, and said once.
TEST_F(FolderCloudTest, AVersionUnreadableForTenMinutesIsSetAsideOnce)
{
    QDateTime now(QDate(2026, 12, 9), QTime(10, 0), QTimeZone::utc());
    second.setClock([&now] { return now; });
    QStringList setAside;
    QObject::connect(&second, &CloudDatabase::unreadableCopySetAside,
                     [&](const QString& name, const QString& where) { setAside.append(name + " " + where); });
    ASSERT_FALSE(save(&first, billRecord(billName(1), "Rent")).error.isError());
    ASSERT_FALSE(save(&first, indexRecord("ActiveBills", {billName(1)})).error.isError());
    const QString damaged = "records/" + billName(1) + "/" + ThirdDevice + ".plist";
    const QString damagedList = "records/ActiveBills/" + ThirdDevice + ".plist";
    const QString arriving = "records/" + billName(1) + "/" + billName(0xD4) + ".plist";
    const QString rewritten = "records/ActiveBills/" + billName(0xD4) + ".plist";
    const QString alone = "records/" + billName(3) + "/" + ThirdDevice + ".plist";  // no other version
    for (const QString& file : {damaged, damagedList, arriving, rewritten, alone})
        folder.write(file, Truncated);
    readAllChanges(second);

    struct Step
    {
        int minutes;
        std::function<void()> meanwhile;
        QStringList left;  // the files still in records/
    };
    const QStringList all = {damaged, damagedList, arriving, rewritten, alone};
    const Step steps[] = {
        {9, [] {}, all},
        // Meanwhile one arrived whole, and one was written again, still
        // unreadable, which gives it ten minutes from when it is seen so
        // (by a read asked for at this minute or the one before).
        {1,
         [&] {
             folder.write(arriving, folder.read("records/" + billName(1) + "/" + FirstDevice + ".plist"));
             folder.write(rewritten, Truncated + "<");
         },
         {arriving, rewritten}},
        {8, [] {}, {arriving, rewritten}},
        {2, [] {}, {arriving}},
    };
    for (const Step& step : steps) {
        step.meanwhile();
        now = now.addSecs(60 * step.minutes);
        SCOPED_TRACE(now.toString(Qt::ISODate).toStdString());
        // Whichever pass comes first: a full read or a query.
        readAllChanges(second);
        query(&second, "Bill", {});
        for (const QString& file : all)
            EXPECT_EQ(QFileInfo::exists(folder.file(file)), step.left.contains(file)) << qPrintable(file);
    }
    EXPECT_EQ(setAside, QStringList({billName(1) + " " + folder.file("conflicts/" + damaged.mid(8)),
                                     billName(3) + " " + folder.file("conflicts/" + alone.mid(8)),
                                     "ActiveBills " + folder.file("conflicts/" + damagedList.mid(8)),
                                     "ActiveBills " + folder.file("conflicts/" + rewritten.mid(8))}));
    EXPECT_EQ(folder.read("conflicts/" + damaged.mid(8)), Truncated);
    EXPECT_EQ(folder.read("conflicts/" + rewritten.mid(8)), Truncated + "<");
    EXPECT_EQ(fetch(&first, "ActiveBills").first.value_or(CloudRecord()).fields.value("Bids").toStringList(),
              QStringList{billName(1)});
    EXPECT_EQ(fetch(&first, billName(3)).second.code, CloudError::NotFound);
}

// A computer whose versions carry no stamp of the last 90 days leaves none
// behind: each goes once a version that stays holds all of it, as it was read.
TEST_F(FolderCloudTest, VersionsOfDevicesSilentFor90DaysAreFoldedInAndRemoved)
{
    const QDateTime start(QDate(2026, 1, 5), QTime(10, 0), QTimeZone::utc());
    const QString T = ThirdDevice + ".plist";
    const QString rent = billName(1), gas = billName(2), list = "ActiveBills";
    enum class Twist { None, RewrittenAsItGoes, ClaimedWithoutItsContent };
    const struct
    {
        const char* what;
        int firstWrites, secondReads;  // days after the third device's last write
        Twist twist;
        QStringList silentVersionsLeft;  // of the records the third device wrote
    } cases[] = {
        {"89 days", 89, 89, Twist::None, {rent, gas, list}},
        // Held by the first device's version already: only removed. Held by
        // none: folded into a version of a device still writing first.
        {"91 days", 91, 91, Twist::None, {}},
        {"a clock 100 days ahead, nobody else's", 0, 100, Twist::None, {rent, gas, list}},
        {"rewritten between read and removal", 91, 91, Twist::RewrittenAsItGoes, {rent, gas, list}},
        {"content no other version has", 91, 91, Twist::ClaimedWithoutItsContent, {rent}},
    };
    for (const auto& test : cases) {
        TempFolder place;
        FolderCloudDatabase firstHere{place.path(), FirstDevice}, secondHere{place.path(), SecondDevice},
            third{place.path(), ThirdDevice};
        const auto holds = [&](const CloudRecord& holder, const CloudRecord& held) {
            const QString silentFile = "records/" + held.recordName + "/" + T;
            if (test.twist == Twist::RewrittenAsItGoes && QFileInfo::exists(place.file(silentFile))) {
                // Written whole beside it first, as a sync service does: a new inode.
                place.write(silentFile + ".new", place.read(silentFile));
                QFile::remove(place.file(silentFile));
                QFile::rename(place.file(silentFile + ".new"), place.file(silentFile));
            }
            return PropertyList::sameValue(stampedNotesOfBoth(held, holder).fields, holder.fields);
        };
        const auto stampOf = [](const CloudRecord& record) { return record.fields.value("Stamp").toString(); };
        third.setClock([start] { return start; });
        firstHere.setClock([&] { return start.addDays(test.firstWrites); });
        secondHere.setClock([&] { return start.addDays(test.secondReads); });
        for (FolderCloudDatabase* device : {&firstHere, &secondHere, &third}) {
            device->setRecordMerger(stampedNotesOfBoth);
            device->setVersionTests(stampOf, holds);
        }
        CloudRecord fromThird = billRecord(billName(1), "Rent");
        fromThird.fields.insert("Notes", QStringList{"third"});
        fromThird.fields.insert("Stamp", HybridLogicalClock::stampOf(start.toMSecsSinceEpoch(), 0, ThirdDevice));
        for (const QString& name : {billName(1), billName(2)}) {
            fromThird.recordName = name;
            ASSERT_FALSE(save(&third, fromThird).error.isError());
        }
        ASSERT_FALSE(save(&third, indexRecord("ActiveBills", {billName(1), billName(2)})).error.isError());
        // A device still writing made its version of the first bill over the
        // silent device's.
        CloudRecord fromFirst = *fetch(&firstHere, billName(1)).first;
        // Made from the silent version, with its note or (as a version that
        // left out what it could not take) without.
        fromFirst.fields.insert("Notes", test.twist == Twist::ClaimedWithoutItsContent ? QStringList{"first"}
                                                                                       : QStringList{"first", "third"});
        fromFirst.fields.insert("Stamp", HybridLogicalClock::stampOf(
                                             start.addDays(test.firstWrites).toMSecsSinceEpoch(), 0, FirstDevice));
        ASSERT_FALSE(save(&firstHere, fromFirst).error.isError());
        const auto readAll = [&](CloudDatabase* device) {
            QStringList read;
            for (const QString& name : {billName(1), billName(2), QString("ActiveBills")}) {
                const CloudRecord record = fetch(device, name).first.value_or(CloudRecord());
                read.append(record.fields.value("Notes").toStringList().join("+")
                            + record.fields.value("Bids").toStringList().join("+"));
            }
            return read;
        };
        const QStringList before = readAll(&firstHere);
        readAllChanges(secondHere);
        QStringList left;
        for (const QString& name : {rent, gas, list}) {
            if (QFileInfo::exists(place.file("records/" + name + "/" + T)))
                left.append(name);
        }
        EXPECT_EQ(left, test.silentVersionsLeft) << test.what;
        EXPECT_EQ(readAll(&firstHere), before) << test.what;
        EXPECT_EQ(readAll(&secondHere), before) << test.what;
    }
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

// A write of this device cut short by a crash leaves its temporary file,
// which the file-sync service would carry to every computer: it goes at the
// next start or read. Another device's may be a write under way: it stays.
TEST_F(FolderCloudTest, TemporaryFilesOfThisDevicesCutShortWritesAreRemoved)
{
    ASSERT_FALSE(save(&first, billRecord(billName(1), "Rent")).error.isError());
    const QString record = "records/" + billName(1) + "/";
    const QStringList own{record + FirstDevice + ".plist.Ab12Cd", "journal/" + FirstDevice + ".plist.Qw34Er"};
    const QStringList kept{record + ThirdDevice + ".plist.Xy56Zw", "journal/" + ThirdDevice + ".plist.Mn78Op",
                           record + FirstDevice + ".plist"};
    for (const QString& file : own + kept.mid(0, 2))
        folder.write(file, Truncated);

    FolderCloudDatabase again{folder.path(), FirstDevice};
    readAllChanges(again);
    for (const QString& file : own)
        EXPECT_TRUE(QTest::qWaitFor([&] { return !QFileInfo::exists(folder.file(file)); }, 5000)) << file.toStdString();
    for (const QString& file : kept)
        EXPECT_TRUE(QFileInfo::exists(folder.file(file))) << file.toStdString();
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

// What a version file says is kept with its stamp; a file written again in
// place, to the same size and modification time, still reads anew.
TEST_F(FolderCloudTest, AVersionChangedInPlaceIsReadAgain)
{
    ASSERT_FALSE(save(&first, billRecord(billName(1), "Rent")).error.isError());
    const QString own = "records/" + billName(1) + "/" + FirstDevice + ".plist";
    EXPECT_EQ(query(&second, "Bill", {}).first.records.value(0).fields.value("Name"), "Rent");

    QFile file(folder.file(own));
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    const QDateTime modified = file.fileTime(QFileDevice::FileModificationTime);
    QByteArray content = file.readAll();
    const qsizetype name = content.indexOf("<string>Rent</string>");
    ASSERT_GE(name, 0);
    content.replace(name, 21, "<string>Gas!</string>");
    ASSERT_TRUE(file.seek(0) && file.write(content) == content.size());
    file.close();
    ASSERT_TRUE(file.open(QIODevice::ReadWrite) && file.setFileTime(modified, QFileDevice::FileModificationTime));
    file.close();

    EXPECT_EQ(query(&second, "Bill", {}).first.records.value(0).fields.value("Name"), "Gas!");
}

// A pass over the folder indexes the records folder a few times in all,
// however many records it reads: never once per record.
TEST(FolderCloudPass, TheRecordsFolderIsIndexedOncePerListingNotPerRecord)
{
    TempFolder folder;
    constexpr int Records = 40;
    {
        FolderCloudDatabase writer(folder.path(), FirstDevice);
        for (int number = 1; number <= Records; ++number)
            ASSERT_FALSE(save(&writer, billRecord(billName(number), "Bill")).error.isError());
    }
    FolderCloudDatabase reader(folder.path(), SecondDevice);
    readAllChanges(reader);

    const int before = FolderCloudWorker::recordsIndexings();
    EXPECT_EQ(query(&reader, "Bill", {}).first.records.size(), Records);
    readAllChanges(reader);
    EXPECT_LE(FolderCloudWorker::recordsIndexings() - before, 3);
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
