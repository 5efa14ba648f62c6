// Importing the fourth version's bill files and the previous version's items.
#include "store/BWBillsLoaderTestFixture.h"

#include <QFile>

#include "store/BWBill.h"
#include "store/BWDefaultsKeys.h"
#include "store/BWImportManager.h"
#include "store/BWPaymentLogger.h"
#include "store/BWPreviousVersionImporter.h"

namespace {

QVariantMap stored(const QString& dataFolder, const QString& id)
{
    return PropertyList::read(QDir(dataFolder).filePath(id + ".plist")).value.toMap();
}

}  // namespace

class ImportTest : public BWBillsLoaderTest
{
protected:
    ImportTest() { env.supportFolder = temp.file("data/Orvane"); }

    QStringList activeIDs() const
    {
        return PropertyList::read(QDir(dataFolder()).filePath("billindex.plist"))
            .value.toMap().value(IndexKeys::ActiveBills).toStringList();
    }
    QMap<QString, QVariantMap> storedByName() const
    {
        QMap<QString, QVariantMap> bills;
        for (const QString& id : activeIDs())
            bills.insert(stored(dataFolder(), id).value(BillKeys::Name).toString(), stored(dataFolder(), id));
        return bills;
    }
    // An older data folder "older/Orvane" with its Data and receipts folders.
    QString olderFolder() const { return temp.file("older/Orvane"); }
    void writeLegacy(const QString& fileName, const QVariantMap& legacy) const
    {
        QDir().mkpath(olderFolder() + "/Data");
        ASSERT_TRUE(PropertyList::write(olderFolder() + "/Data/" + fileName, legacy));
    }
    static QVariantMap legacyBill(const QString& unit = "Months")
    {
        return {{"Repeat_a", 1}, {"Repeat_b", unit}, {"Next_Due", at(2016, 4, 1)}, {"Is_Active", true}};
    }
};

TEST_F(ImportTest, OlderCodesConvertByTheirTables)
{
    const QList<std::pair<QString, qlonglong>> units{{"Weeks", 0}, {"Twice", 1}, {"Months", 2}, {"Days", 3},
                                                     {"Never", 4}, {"Years", 0}, {"", 0}};
    for (const auto& [text, unit] : units)
        EXPECT_EQ(BWImportManager::calculateRepeatBWithString(text), unit) << text.toStdString();
    const QList<std::pair<QString, qlonglong>> payTypes{{"Online", 0}, {"Automatic", 1}, {"Mail", 4}, {"Phone", 4}, {"", 4}};
    for (const auto& [text, code] : payTypes)
        EXPECT_EQ(BWImportManager::calculatePayTypeWithString(text), code) << text.toStdString();
    EXPECT_EQ(BWImportManager::convertIconWithIcon("bill_car.png"), "32x32-Vehicle");
    EXPECT_EQ(BWImportManager::convertIconWithIcon("BILL_CAR.png"), "32x32-Shopping");
    EXPECT_EQ(BWImportManager::convertIconWithIcon(""), "32x32-Shopping");
    EXPECT_DOUBLE_EQ(BWImportManager::calculateTotalPaidWithPayments({10.25, "20.5", "x"}), 30.75);
}

TEST_F(ImportTest, BillFilesBecomeItemsWithNewIdsAndTheirPayments)
{
    QVariantMap rent = legacyBill();
    rent.insert("Pay_Amounts", QVariantList{"12.50", 7});
    rent.insert("Pay_Dates", QVariantList{at(2016, 2, 1), "not a date"});
    rent.insert("Pay_Notes", QVariantList{"first"});
    rent.insert("Pay_Attachment", QVariantList{"scan", "Attach Receipt"});
    rent.insert("Amount_Due", "99.5 dollars");
    rent.insert("Pay_Location_a", "bank.example");
    rent.insert("Tags", QVariantList{"home"});
    writeLegacy("Rent.plist", rent);
    temp.write("older/Orvane/receipts/scan/page.pdf", "PDF");
    QVariantMap once = legacyBill("Never");
    once.insert("Pay_Amounts", QVariantList{5});
    once.remove("Is_Active");  // missing counts as inactive
    writeLegacy("a.plist.plist", once);

    ASSERT_TRUE(BWImportManager(env).importDataFromPreviousVersionAtPath(olderFolder()).complete());
    const auto bills = storedByName();
    ASSERT_EQ(bills.keys(), (QStringList{"Rent", "a"}));

    const QVariantMap& imported = bills["Rent"];
    EXPECT_TRUE(BWUIDMaker::isValidUID(imported.value(BillKeys::Bid).toString()));
    EXPECT_DOUBLE_EQ(imported.value(BillKeys::Amount).toDouble(), 99.5);
    EXPECT_DOUBLE_EQ(imported.value(BillKeys::TotalPaid).toDouble(), 19.5);
    EXPECT_EQ(imported.value(BillKeys::LastPayment).toDateTime(), at(2016, 2, 1));
    EXPECT_EQ(imported.value(BillKeys::PaySite).toString(), "http://bank.example");
    const QVariantList payments = imported.value(BillKeys::PaymentList).toList();
    ASSERT_EQ(payments.size(), 2);
    EXPECT_EQ(payments[0].toMap().value(PaymentKeys::Note).toString(), "first");
    const QString receipt = payments[0].toMap().value(PaymentKeys::Receipt).toString();
    EXPECT_TRUE(receipt.startsWith(dataFolder())) << receipt.toStdString();
    EXPECT_EQ(temp.read(QDir(temp.path()).relativeFilePath(receipt)), "PDF");
    EXPECT_EQ(payments[1].toMap().value(PaymentKeys::Date).toDateTime(), BWImportManager::placeholderPaymentDate());
    EXPECT_EQ(payments[1].toMap().value(PaymentKeys::Receipt).toString(), "");

    EXPECT_TRUE(bills["a"].value(BillKeys::IsArchived).toBool());
    EXPECT_EQ(bills["a"].value(BillKeys::DueDate).toDateTime(), PropertyList::distantFuture());

    // A second import makes a second set of items.
    ASSERT_TRUE(BWImportManager(env).importDataFromPreviousVersionAtPath(olderFolder()).complete());
    EXPECT_EQ(activeIDs().size(), 4);
}

TEST_F(ImportTest, AHostileFolderImportsOnlyItsGoodEntries)
{
    QVariantMap good = legacyBill();
    good.insert("Pay_Amounts", QVariantList{1, 2, 3});
    good.insert("Pay_Attachment", QVariantList{"../../secret", ".hidden", "scan"});
    writeLegacy("Good.plist", good);
    writeLegacy(".Hidden.plist", legacyBill());
    writeLegacy("NoRepeat.plist", {{"Next_Due", at(2016, 4, 1)}});
    writeLegacy("List.plist", {});
    temp.write("older/Orvane/Data/Broken.plist", "<plist><dict><key>");
    QDir().mkpath(olderFolder() + "/Data/Folder.plist");
    temp.write("older/secret/pw.txt", "secret");
    temp.write("older/Orvane/receipts/.hidden/x.pdf", "x");
    temp.write("older/Orvane/receipts/scan/.dot", "hidden file");

    const BWImportManager::ImportReport report = BWImportManager(env).importDataFromPreviousVersionAtPath(olderFolder());
    EXPECT_EQ(report.imported, 1);
    // Hidden entries and folders are no bills; the rest are named.
    EXPECT_EQ(report.notImported, (QStringList{"Broken", "List", "NoRepeat"}));
    const auto bills = storedByName();
    ASSERT_EQ(bills.keys(), QStringList{"Good"});
    for (const QVariant& payment : bills["Good"].value(BillKeys::PaymentList).toList())
        EXPECT_EQ(payment.toMap().value(PaymentKeys::Receipt).toString(), "");
}

TEST_F(ImportTest, ASourceIsCheckedBeforeTheIndexIsEmptied)
{
    writeIndex({writeBill(bill("Mine", at(2016, 3, 20)))});
    temp.write("older/NotOrvane/Data/x.plist", "");
    for (const QString& folder : {temp.file("older/NotOrvane"), temp.file("nothing/Orvane"), olderFolder()}) {
        EXPECT_EQ(BWImportManager(env).importDataFromPreviousVersionAtPath(folder, true).imported, 0);
        EXPECT_EQ(activeIDs().size(), 1);
    }
    writeLegacy("Rent.plist", legacyBill());
    ASSERT_TRUE(BWImportManager(env).importDataFromPreviousVersionAtPath(olderFolder(), true).complete());
    EXPECT_EQ(storedByName().keys(), QStringList{"Rent"});
}

// The current items are replaced only by bills that were read: a source of
// unreadable files leaves them, and every bill left out is named.
TEST_F(ImportTest, ErasingWaitsForABillThatWasReadAndEveryBillLeftOutIsNamed)
{
    writeIndex({writeBill(bill("Mine", at(2016, 3, 20)))});
    QVariantMap noDueDate = legacyBill();
    noDueDate.remove("Next_Due");
    writeLegacy("Phone.plist", noDueDate);
    writeLegacy("Notes.plist", {{"Repeat_b", "Months"}});
    temp.write("older/Orvane/Data/Broken.plist", "<plist><dict><key>");
    const BWImportManager::ImportReport nothingRead =
        BWImportManager(env).importDataFromPreviousVersionAtPath(olderFolder(), true);
    EXPECT_TRUE(nothingRead.fromOlderData);
    EXPECT_EQ(nothingRead.imported, 0);
    EXPECT_EQ(nothingRead.notImported, (QStringList{"Broken", "Notes", "Phone"}));
    EXPECT_EQ(storedByName().keys(), QStringList{"Mine"});

    writeLegacy("Rent.plist", legacyBill());
    const BWImportManager::ImportReport partial =
        BWImportManager(env).importDataFromPreviousVersionAtPath(olderFolder(), true);
    EXPECT_EQ(partial.imported, 1);
    EXPECT_FALSE(partial.complete());
    EXPECT_EQ(partial.notImported, (QStringList{"Broken", "Notes", "Phone"}));
    EXPECT_EQ(storedByName().keys(), QStringList{"Rent"});
}

// A text where a date belongs stands for the placeholder date; a bill that
// has no due date at all can't be imported, unless it is paid and due never.
TEST_F(ImportTest, TextPayDatesTakeThePlaceholderAndABillWithoutDueDateIsLeftOut)
{
    struct Case {
        const char* file;
        QVariantMap legacy;
        bool imported;
        QDateTime lastPayment;
    };
    QVariantMap textFirst = legacyBill();
    textFirst.insert("Pay_Amounts", QVariantList{20, 30});
    textFirst.insert("Pay_Dates", QVariantList{"3/1/2016", at(2016, 2, 1)});
    QVariantMap textDue = legacyBill();
    textDue.insert("Next_Due", "April 1");
    QVariantMap paidOnce = legacyBill("Never");
    paidOnce.remove("Next_Due");
    paidOnce.insert("Pay_Amounts", QVariantList{5});
    paidOnce.insert("Pay_Dates", QVariantList{at(2016, 2, 1)});
    // The last payment is the newest of the payments brought in.
    const QList<Case> cases{
        {"TextPayDate.plist", textFirst, true, at(2016, 2, 1)},
        {"TextDueDate.plist", textDue, false, {}},
        {"PaidOnce.plist", paidOnce, true, at(2016, 2, 1)},
    };
    for (const Case& c : cases)
        writeLegacy(c.file, c.legacy);

    const BWImportManager::ImportReport report = BWImportManager(env).importDataFromPreviousVersionAtPath(olderFolder());
    EXPECT_EQ(report.notImported, QStringList{"TextDueDate"});
    const auto bills = storedByName();
    for (const Case& c : cases) {
        const QString name = QString::fromLatin1(c.file).remove(".plist");
        SCOPED_TRACE(name.toStdString());
        ASSERT_EQ(bills.contains(name), c.imported);
        if (!c.imported)
            continue;
        EXPECT_EQ(bills[name].value(BillKeys::LastPayment).toDateTime(), c.lastPayment);
        EXPECT_EQ(bills[name].value(BillKeys::PaymentList).toList().size(), c.legacy.value("Pay_Amounts").toList().size());
    }
    EXPECT_EQ(bills["TextPayDate"].value(BillKeys::DueDate).toDateTime(), at(2016, 4, 1));
    EXPECT_EQ(bills["PaidOnce"].value(BillKeys::DueDate).toDateTime(), PropertyList::distantFuture());
}

TEST_F(ImportTest, ImportingFromAChosenLocationEmptiesOnlyTheDefaultIndex)
{
    // The data folder sits in a chosen folder "Orvane" that also holds older data.
    const QString chosenData = olderFolder() + "/Orvane.ovdata";
    QDir().mkpath(chosenData);
    writeLegacy("Rent.plist", legacyBill());
    ASSERT_TRUE(PropertyList::write(chosenData + "/billindex.plist",
                                    QVariantMap{{IndexKeys::ActiveBills, QVariantList{BWUIDMaker::makeUID()}}}));
    const QByteArray chosenIndex = temp.read("older/Orvane/Orvane.ovdata/billindex.plist");
    defaults.setBool(BWDefaultsKeys::BWCustomLocationEnabled, true);
    defaults.setObject(BWDefaultsKeys::BWCustomLocationBookmark, olderFolder());

    ASSERT_TRUE(BWImportManager(env).importDataFromPreviousVersion(true).complete());
    EXPECT_FALSE(defaults.boolForKey(BWDefaultsKeys::BWCustomLocationEnabled));
    EXPECT_EQ(storedByName().keys(), QStringList{"Rent"});
    EXPECT_EQ(temp.read("older/Orvane/Orvane.ovdata/billindex.plist"), chosenIndex);
}

TEST_F(ImportTest, PreviousVersionRecordsKeepTheirIdsAndStoreTheUnshiftedDate)
{
    const QString id = BWUIDMaker::makeUID();
    QVariantMap shown = bill("Phone", at(2016, 3, 11));   // shown on Friday ...
    shown.insert(BillKeys::Bid, id);
    shown.insert(BillKeys::AbsoluteDueDate, at(2016, 3, 13));  // ... due on Sunday
    shown.insert(BillKeys::DateWasModified, 1);
    shown.insert(BillKeys::HumanDueDate, "Due in 3 days");
    const QVariantList records{shown, with(bill("Bad", at(2016, 3, 1)), BillKeys::Bid, "../../x")};
    appGroup.setObject(AppGroupKeys::ActiveBills, records);

    EXPECT_EQ(BWPreviousVersionImporter(env).importVersion7Data(), 1);
    EXPECT_EQ(BWPreviousVersionImporter(env).importVersion7Data(), 1);
    EXPECT_EQ(activeIDs(), QStringList{id});
    const QVariantMap saved = stored(dataFolder(), id);
    EXPECT_EQ(saved.value(BillKeys::DueDate).toDateTime(), at(2016, 3, 13));
    for (const QString& key : {BillKeys::AbsoluteDueDate, BillKeys::DateWasModified, BillKeys::HumanDueDate})
        EXPECT_FALSE(saved.contains(key)) << key.toStdString();
}

TEST_F(ImportTest, ThisVersionsCopyForTheExtensionBroughtBackKeepsTheStoredPayments)
{
    writeIndex({writeBill(bill("Rent", daysFromNow(2)))});
    QVariantMap rent = loader().loadBills()->value(0).toMap();
    BWPaymentLogger(env).recordPayment(BWPayment{12.5, clock.now(), "first", ""}, rent, true);
    loader().loadBills();
    const QString id = rent.value(BillKeys::Bid).toString();
    const QVariantList payments = stored(dataFolder(), id).value(BillKeys::PaymentList).toList();
    ASSERT_EQ(payments.size(), 1);
    EXPECT_EQ(BWPreviousVersionImporter(env).importVersion7Data(), 1);
    EXPECT_EQ(stored(dataFolder(), id).value(BillKeys::PaymentList).toList(), payments);
}

TEST_F(ImportTest, TheContainerGivesItsArchivedItemsAndReceiptsOnceOnly)
{
    const QString home = temp.file("home");
    const QString container = BWPreviousVersionImporter::containerDataFolder(home);
    QDir().mkpath(container);
    const QString active = BWUIDMaker::makeUID(), unflagged = BWUIDMaker::makeUID(), archived = BWUIDMaker::makeUID();
    QVariantMap paid = with(bill("Active", at(2016, 4, 1)), BillKeys::PaymentList,
                            QVariantList{QVariantMap{{PaymentKeys::Amount, 5.0}, {PaymentKeys::Date, at(2016, 3, 1)},
                                                     {PaymentKeys::Receipt, "/Users/old/Orvane.ovdata/R1.pdf"}}});
    ASSERT_TRUE(PropertyList::write(container + "/" + active + ".plist", paid));
    QVariantMap noFlag = bill("NoFlag", at(2016, 4, 1));
    noFlag.remove(BillKeys::IsArchived);
    ASSERT_TRUE(PropertyList::write(container + "/" + unflagged + ".plist", noFlag));
    ASSERT_TRUE(PropertyList::write(container + "/" + archived + ".plist", bill("Old", at(2016, 1, 1))));
    ASSERT_TRUE(PropertyList::write(container + "/billindex.plist",
                                    QVariantMap{{IndexKeys::ActiveBills, QVariantList{active, unflagged, "../evil"}},
                                                {IndexKeys::ArchivedBills, QVariantList{archived}}}));
    temp.write("home/" + QDir(temp.file("home")).relativeFilePath(container) + "/R1.pdf", "receipt");
    temp.write("data/Orvane/Orvane.ovdata/R2.pdf", "mine");
    temp.write("home/" + QDir(temp.file("home")).relativeFilePath(container) + "/R2.pdf", "theirs");

    EXPECT_EQ(BWPreviousVersionImporter(env).importFromContainer(temp.file("nobody")), std::nullopt);
    EXPECT_EQ(BWPreviousVersionImporter(env).importFromContainer(home), 2);
    EXPECT_EQ(BWPreviousVersionImporter(env).importFromContainer(home), 2);

    EXPECT_EQ(activeIDs(), (QStringList{active, archived}));
    EXPECT_TRUE(stored(dataFolder(), archived).value(BillKeys::IsArchived).toBool());
    const QVariantMap payment = stored(dataFolder(), active).value(BillKeys::PaymentList).toList().value(0).toMap();
    EXPECT_EQ(payment.value(PaymentKeys::Receipt).toString(), dataFolder() + "/R1.pdf");
    EXPECT_EQ(temp.read("data/Orvane/Orvane.ovdata/R2.pdf"), "mine");
}

// An imported loan follows the balance rule of every bill: its payments were
// logged before the balance it brings, each stores its share, a save that
// changes nothing writes nothing, and deleting an older payment gives its
// share back.
TEST_F(ImportTest, AnImportedLoanFollowsTheBalanceRule)
{
    QVariantMap loan = legacyBill();
    loan.insert("Pay_Amounts", QVariantList{140.0, 140.0, 140.0});
    loan.insert("Pay_Dates", QVariantList{at(2016, 3, 1), at(2016, 2, 1), at(2016, 1, 1)});
    loan.insert("Total_Balance", 1000.0);
    loan.insert("Interest_Rate", 0.25);
    loan.insert("Pay_Type", "Mail");
    loan.insert("Icon", "bill_store.png");
    writeLegacy("Loan.plist", loan);
    ASSERT_TRUE(BWImportManager(env).importDataFromPreviousVersionAtPath(olderFolder()).complete());
    const QString id = activeIDs().value(0);
    const QVariantMap imported = stored(dataFolder(), id);
    const QString balanceSetAt = imported.value(BillKeys::FieldStamps).toMap().value(BillKeys::BalanceSet).toString();
    for (const QVariant& entry : imported.value(BillKeys::PaymentList).toList()) {
        EXPECT_LT(entry.toMap().value(PaymentKeys::LoggedStamp).toString(), balanceSetAt);
        EXPECT_EQ(entry.toMap().value(PaymentKeys::BalanceReduction).toDouble(), 105.0);
    }

    QFile file(QDir(dataFolder()).filePath(id + ".plist"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    file.close();
    ASSERT_TRUE(BWBill(env).finishWritingBillWithDictionary(*loader().loadBillWithID(id), true, true));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), bytes) << "a save that changes nothing writes nothing";

    QVariantList payments = imported.value(BillKeys::PaymentList).toList();
    payments.removeLast();  // the oldest
    ASSERT_TRUE(BWPaymentLogger(env).savePaymentList(payments, id));
    const QVariantMap after = stored(dataFolder(), id);
    EXPECT_EQ(after.value(BillKeys::Balance).toDouble(), 1105.0);
    EXPECT_EQ(after.value(BillKeys::Icon), imported.value(BillKeys::Icon));
    EXPECT_EQ(after.value(BillKeys::PayType), imported.value(BillKeys::PayType));
}
