#include "BWBillsLoaderTestFixture.h"

#include "support/LogCapture.h"

namespace {

QVariantMap tagged(QVariantMap record, const QStringList& tags)
{
    record.insert(BillKeys::Tags, QVariant(tags).toList());
    return record;
}

}  // namespace

TEST_F(BWBillsLoaderTest, LoadsTheReadableItemsAndSkipsBrokenOnes)
{
    const QString rent = writeBill(bill(QStringLiteral("Rent"), daysFromNow(3)));
    const QString power = writeBill(bill(QStringLiteral("Power"), daysFromNow(5)));
    const QString gone = writeBill(bill(QStringLiteral("Gone"), daysFromNow(1)));
    const QString garbled = writeBill(bill(QStringLiteral("Garbled"), daysFromNow(1)));
    const QString unreadable = BWUIDMaker::makeUID();
    QVariantMap undatedRecord = bill(QStringLiteral("Undated"), daysFromNow(1));
    undatedRecord.remove(BillKeys::DueDate);
    const QString undated = writeBill(undatedRecord);
    const QString missing = BWUIDMaker::makeUID();
    temp.write(QStringLiteral("data/Orvane/Orvane.ovdata/") + garbled + QStringLiteral(".plist"), "<plist><dict><key>");
    QDir(dataFolder()).mkdir(unreadable + QStringLiteral(".plist"));   // a folder where the file should be
    // A malformed id must not name a file, even one that exists.
    PropertyList::write(temp.file(QStringLiteral("data/Orvane/outside.plist")), bill(QStringLiteral("Outside"), daysFromNow(1)));
    writeIndex({rent, missing, gone, QStringLiteral("../outside"), garbled, unreadable, undated, power}, {gone});

    const std::optional<QVariantList> bills = loader().loadBills();
    ASSERT_TRUE(bills);
    EXPECT_EQ(names(bills), (QStringList{QStringLiteral("Rent"), QStringLiteral("Power")}));
}

TEST_F(BWBillsLoaderTest, HostileFilesAreSkippedAndATwiceListedIdLoadsOnce)
{
    const QString rent = writeBill(bill(QStringLiteral("Rent"), daysFromNow(3)));
    const QString power = writeBill(bill(QStringLiteral("Power"), daysFromNow(5)));
    const QString amplified = BWUIDMaker::makeUID();
    QByteArray entities = "<?xml version=\"1.0\"?><!DOCTYPE plist [<!ENTITY x \"" + QByteArray(4000, 'x')
                          + "\">]><plist><dict><key>Name</key><string>";
    for (int i = 0; i < 4000; ++i)
        entities += "&x;";
    temp.write(QStringLiteral("data/Orvane/Orvane.ovdata/") + amplified + QStringLiteral(".plist"),
               entities + "</string><key>DueDate</key><date>2016-03-09T12:00:00Z</date></dict></plist>");
    const QString utf7 = BWUIDMaker::makeUID();
    temp.write(QStringLiteral("data/Orvane/Orvane.ovdata/") + utf7 + QStringLiteral(".plist"),
               PropertyList::serialize(bill(QStringLiteral("Seven"), daysFromNow(1)))
                   .replace("encoding=\"UTF-8\"", "encoding=\"UTF-7\""));
    writeIndex({rent, amplified, rent, utf7, power, rent});

    const std::optional<QVariantList> bills = loader().loadBills();
    EXPECT_EQ(names(bills), (QStringList{QStringLiteral("Rent"), QStringLiteral("Power")}));
    EXPECT_EQ(loader().trimDeletedBillsFromActiveBills({rent, power, rent}), (QStringList{rent, power}));
}

TEST_F(BWBillsLoaderTest, LoadedRecordsCarryTheDisplayKeys)
{
    QVariantMap stored = bill(QStringLiteral("Rent"), daysFromNow(-1));
    stored.insert(BillKeys::LastPayment, daysFromNow(-31).toUTC());
    stored.insert(BillKeys::Icon, QStringLiteral("GScale_Home"));
    writeIndex({writeBill(stored)});

    const QVariantMap rent = loader().loadBills().value().value(0).toMap();
    EXPECT_EQ(rent.value(BillKeys::AbsoluteDueDate), rent.value(BillKeys::DueDate));
    EXPECT_EQ(rent.value(BillKeys::HumanDueDate).toString(), "Overdue by 1 day");
    EXPECT_EQ(rent.value(BillKeys::HumanRepeat).toString(), "Every month");
    EXPECT_EQ(rent.value(BillKeys::SortableDueDate).toLongLong(), -86400);
    EXPECT_EQ(rent.value(BillKeys::SortableLastPaid).toLongLong(), -31 * 86400);
    EXPECT_EQ(rent.value(BillKeys::DueIcon).toString(), "red5.png");
    EXPECT_EQ(rent.value(BillKeys::DueString).toString(), "Mon, Mar 7, 2016");
    EXPECT_EQ(rent.value(BillKeys::Icon).toString(), "GScale_Home");
}

TEST_F(BWBillsLoaderTest, ShiftedDueDateDrivesTheTextsButTheStoredDateIsKept)
{
    defaults.setInteger(QStringLiteral("BWAvoidWeekends"), 1);
    const QDateTime sunday = at(2016, 3, 13);
    writeIndex({writeBill(bill(QStringLiteral("Rent"), sunday))});

    const QVariantMap rent = loader().loadBills().value().value(0).toMap();
    EXPECT_EQ(rent.value(BillKeys::AbsoluteDueDate).toDateTime(), sunday);
    EXPECT_EQ(rent.value(BillKeys::DueDate).toDateTime(), at(2016, 3, 11));
    EXPECT_EQ(rent.value(BillKeys::HumanDueDate).toString(), "Due in 3 days");
    EXPECT_EQ(rent.value(BillKeys::DateWasModified).toLongLong(), 1);
}

TEST_F(BWBillsLoaderTest, IncomeItemsUseThePaidWordingAndAWhiteDot)
{
    QVariantMap salary = with(bill(QStringLiteral("Salary"), daysFromNow(-2)), BillKeys::IsIncome, true);
    const QString id = writeBill(salary);
    writeIndex({id});

    const QVariantMap listed = loader().loadBills().value().value(0).toMap();
    EXPECT_EQ(listed.value(BillKeys::HumanDueDate).toString(), "Paid 2 days ago");
    EXPECT_EQ(listed.value(BillKeys::DueIcon).toString(), "white5");

    const QVariantMap single = loader().loadBillWithID(id).value();
    EXPECT_EQ(single.value(BillKeys::HumanDueDate).toString(), "Overdue by 2 days");
    EXPECT_EQ(single.value(BillKeys::DueIcon).toString(), "red5.png");
    EXPECT_FALSE(single.contains(BillKeys::SortableLastPaid));
}

TEST_F(BWBillsLoaderTest, IncomeIsLeftOutWhenDisabledUnlessOverridden)
{
    writeIndex({writeBill(bill(QStringLiteral("Rent"), daysFromNow(3))),
                writeBill(with(bill(QStringLiteral("Salary"), daysFromNow(3)), BillKeys::IsIncome, true))});
    defaults.setBool(QStringLiteral("BWEnableIncome"), false);

    EXPECT_EQ(names(loader().loadBills()), QStringList{QStringLiteral("Rent")});
    EXPECT_EQ(names(loader().loadBillsInGroup(IndexKeys::ActiveBills, QString(), true)),
              (QStringList{QStringLiteral("Rent"), QStringLiteral("Salary")}));
}

// Counted a few files at a time, as far as asked, by the rules of the load.
TEST_F(BWBillsLoaderTest, CountBillsCountsWhatLoadBillsListsUpToTheLimit)
{
    QStringList ids;
    for (int i = 0; i < 20; ++i) {
        QVariantMap record = bill(QStringLiteral("Bill %1").arg(i), daysFromNow(i));
        record.insert(BillKeys::IsIncome, i % 3 == 0);
        record.insert(BillKeys::IsArchived, i % 4 == 0);
        ids.append(writeBill(record));
    }
    writeIndex(ids);
    defaults.setBool(QStringLiteral("BWEnableIncome"), false);
    const qsizetype listed = loader().loadBills().value().size();
    ASSERT_EQ(listed, 10);
    for (const qsizetype atMost : {qsizetype(0), qsizetype(3), qsizetype(9), qsizetype(10), qsizetype(100)})
        EXPECT_EQ(loader().countBills(atMost), std::min(listed, atMost)) << atMost;
}

TEST_F(BWBillsLoaderTest, HiddenAutomaticBillsNeverAppear)
{
    QVariantMap automatic = tagged(bill(QStringLiteral("Loan"), daysFromNow(1)), {QStringLiteral("Home")});
    automatic.insert(BillKeys::PayType, qlonglong(1));
    writeIndex({writeBill(automatic), writeBill(tagged(bill(QStringLiteral("Rent"), daysFromNow(1)), {QStringLiteral("Home")}))});
    defaults.setBool(QStringLiteral("BWHideAutoMaticBillsInOverview"), true);

    EXPECT_EQ(names(loader().loadBills()), QStringList{QStringLiteral("Rent")});
    EXPECT_EQ(names(loader().loadBillsInGroup(IndexKeys::ActiveBills, QStringLiteral("Home"))),
              QStringList{QStringLiteral("Rent")});
    EXPECT_EQ(names(loader().loadBillsInGroup(IndexKeys::ActiveBills, QStringLiteral("DueSoonTag"))),
              QStringList{QStringLiteral("Rent")});
}

TEST_F(BWBillsLoaderTest, GroupAndTagFilters)
{
    QVariantMap paid = bill(QStringLiteral("Paid"), daysFromNow(30));
    paid.insert(BillKeys::LastPayment, daysFromNow(-2).toUTC());
    const QVariantMap archivedHome =
        with(tagged(bill(QStringLiteral("OldHome"), daysFromNow(1)), {QStringLiteral("Home")}), BillKeys::IsArchived, true);
    writeIndex({writeBill(tagged(bill(QStringLiteral("Rent"), daysFromNow(7)), {QStringLiteral("Home")})),
                writeBill(tagged(bill(QStringLiteral("Boat"), daysFromNow(8)), {QStringLiteral("home")})),
                writeBill(bill(QStringLiteral("Late"), daysFromNow(-40))),
                writeBill(paid),
                writeBill(archivedHome)});
    const BWBillsLoader l = loader();
    const QString active = IndexKeys::ActiveBills;

    EXPECT_EQ(names(l.loadBillsInGroup(active, QString())),
              (QStringList{QStringLiteral("Rent"), QStringLiteral("Boat"), QStringLiteral("Late"), QStringLiteral("Paid")}));
    EXPECT_EQ(names(l.loadBillsInGroup(IndexKeys::ArchivedBills, QString())), QStringList{QStringLiteral("OldHome")});
    // Tags match exactly and never return archived items, whatever the group.
    EXPECT_EQ(names(l.loadBillsInGroup(IndexKeys::ArchivedBills, QStringLiteral("Home"))), QStringList{QStringLiteral("Rent")});
    EXPECT_EQ(names(l.loadBillsInGroup(active, QStringLiteral("DueSoonTag"))),
              (QStringList{QStringLiteral("Rent"), QStringLiteral("Late")}));
    EXPECT_EQ(names(l.loadBillsInGroup(active, QStringLiteral("DueThisMonthTag"))),
              (QStringList{QStringLiteral("Rent"), QStringLiteral("Boat")}));
    EXPECT_EQ(names(l.loadBillsInGroup(active, QStringLiteral("PaidThisMonthTag"))), QStringList{QStringLiteral("Paid")});
    EXPECT_TRUE(l.loadBillsInGroup(active, QStringLiteral("Nothing")).value().isEmpty());
}

TEST_F(BWBillsLoaderTest, ArchivedGroupAppendsTheOlderArchiveListOnceEach)
{
    const QString current =
        writeBill(with(bill(QStringLiteral("Current"), daysFromNow(1)), BillKeys::IsArchived, true));
    const QString older = writeBill(bill(QStringLiteral("Older"), at(2016, 3, 13)));
    defaults.setInteger(QStringLiteral("BWAvoidWeekends"), 1);
    writeIndex({current}, {}, {older, older, BWUIDMaker::makeUID()});

    const std::optional<QVariantList> archived = loader().loadBillsInGroup(IndexKeys::ArchivedBills, QString());
    EXPECT_EQ(names(archived), (QStringList{QStringLiteral("Current"), QStringLiteral("Older")}));
    const QVariantMap olderRecord = archived->value(1).toMap();
    EXPECT_TRUE(olderRecord.value(BillKeys::IsArchived).toBool());
    EXPECT_EQ(olderRecord.value(BillKeys::DueDate).toDateTime(), at(2016, 3, 13));   // never shifted

    EXPECT_FALSE(loader().checkForArchivedBillsAndConvertFromIndexFile({}));
}

TEST_F(BWBillsLoaderTest, MissingIndexGivesAnEmptyListAndMissingStoreNothing)
{
    EXPECT_EQ(loader().loadBills(), QVariantList());

    defaults.setBool(QStringLiteral("BWCustomLocationEnabled"), true);
    defaults.setObject(QStringLiteral("BWCustomLocationBookmark"), temp.file(QStringLiteral("no/such/folder")));
    EXPECT_FALSE(loader().loadBills());
    EXPECT_FALSE(loader().loadBillWithID(BWUIDMaker::makeUID()));
}

TEST_F(BWBillsLoaderTest, LoadBillWithIDReadsOneFileWhateverTheIndexSays)
{
    const QString archived = writeBill(with(bill(QStringLiteral("Old"), daysFromNow(8)), BillKeys::IsArchived, true));
    writeIndex({}, {archived});

    const std::optional<QVariantMap> old = loader().loadBillWithID(archived);
    ASSERT_TRUE(old);
    EXPECT_EQ(old->value(BillKeys::HumanDueDate).toString(), "Due in 8 days");
    EXPECT_EQ(old->value(BillKeys::DueIcon).toString(), "green5.png");

    EXPECT_FALSE(loader().loadBillWithID(BWUIDMaker::makeUID()));
    EXPECT_FALSE(loader().loadBillWithID(archived.toLower()));
    EXPECT_FALSE(loader().loadBillWithID(QStringLiteral("../") + archived.left(29)));
}

// A save asks for its item before writing it: a new item has no file yet,
// which is no fault to log; a damaged file still is.
TEST_F(BWBillsLoaderTest, OnlyAnUnreadableBillFileIsLoggedWhenLoadingOne)
{
    const QString garbled = writeBill(bill(QStringLiteral("Garbled"), daysFromNow(1)));
    temp.write(QStringLiteral("data/Orvane/Orvane.ovdata/") + garbled + QStringLiteral(".plist"), "<plist><dict><key>");
    const struct {
        QString billID;
        bool logged;
    } cases[] = {{BWUIDMaker::makeUID(), false}, {garbled, true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.billID.toStdString());
        LogCapture log;
        EXPECT_FALSE(loader().loadBillWithID(c.billID));
        EXPECT_EQ(log.hasLineStartingWith(QStringLiteral("Skipping bill file")), c.logged);
    }
}

// Read together, each id gives what it gives alone, in the order asked.
TEST_F(BWBillsLoaderTest, LoadBillsWithIDsGivesWhatEachIdGivesAlone)
{
    const QString archived = writeBill(with(bill(QStringLiteral("Old"), daysFromNow(8)), BillKeys::IsArchived, true));
    const QString rent = writeBill(bill(QStringLiteral("Rent"), daysFromNow(-2)));
    const QString damaged = BWUIDMaker::makeUID();
    temp.write("data/Orvane/Orvane.ovdata/" + damaged + ".plist", "<plist><dict><key>Name</key>");
    writeIndex({rent}, {archived});
    const QStringList ids{rent, QStringLiteral("../") + rent.left(29), archived, BWUIDMaker::makeUID(), damaged,
                          rent.toLower(), rent};

    const QList<std::optional<QVariantMap>> together = loader().loadBillsWithIDs(ids);
    ASSERT_EQ(together.size(), ids.size());
    for (qsizetype i = 0; i < ids.size(); ++i)
        EXPECT_EQ(together.at(i), loader().loadBillWithID(ids.at(i))) << ids.at(i).toStdString();
    EXPECT_TRUE(together.at(0) && together.at(2) && together.at(6));
    EXPECT_FALSE(together.at(1) || together.at(3) || together.at(4) || together.at(5));

    const auto notArchived = [](const QVariantMap& stored) { return !stored.value(BillKeys::IsArchived).toBool(); };
    const QList<std::optional<QVariantMap>> wanted = loader().loadBillsWithIDs({archived, rent}, notArchived);
    EXPECT_FALSE(wanted.at(0));
    EXPECT_EQ(wanted.at(1), loader().loadBillWithID(rent));
}

TEST_F(BWBillsLoaderTest, TrimDeletedBillsFromActiveBills)
{
    writeIndex({QStringLiteral("A"), QStringLiteral("B")}, {QStringLiteral("B"), QStringLiteral("D")});
    EXPECT_EQ(loader().trimDeletedBillsFromActiveBills({QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C")}),
              (QStringList{QStringLiteral("A"), QStringLiteral("C")}));
}

TEST_F(BWBillsLoaderTest, AddNecessaryInfoKeepsAnExistingAbsoluteDueDate)
{
    QVariantMap record = bill(QStringLiteral("Rent"), daysFromNow(2));
    record.insert(BillKeys::AbsoluteDueDate, daysFromNow(4).toUTC());
    loader().addNecessaryInfoToBill(record, true);
    EXPECT_EQ(record.value(BillKeys::AbsoluteDueDate).toDateTime(), daysFromNow(4));
    EXPECT_EQ(record.value(BillKeys::HumanDueDate).toString(), "Due in 2 days");
    EXPECT_TRUE(record.value(BillKeys::IsArchived).toBool());
}
