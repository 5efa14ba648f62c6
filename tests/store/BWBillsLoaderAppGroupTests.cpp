#include "BWBillsLoaderTestFixture.h"

namespace {

const QString kActiveBills = QStringLiteral("ActiveBills");
const QString kDueSoonDays = QStringLiteral("BWDueSoonDays");

QStringList exportedNames(const QVariantList& bills)
{
    QStringList result;
    for (const QVariant& record : bills)
        result.append(record.toMap().value(BillKeys::Name).toString());
    return result;
}

}  // namespace

TEST_F(BWBillsLoaderTest, EveryLoadCopiesTheDueSoonWindowToTheAppGroup)
{
    defaults.setInteger(kDueSoonDays, 12);
    loader().loadBills();
    EXPECT_EQ(appGroup.integerForKey(kDueSoonDays), 12);
}

TEST_F(BWBillsLoaderTest, LoadsExportTheirRecordsSortedByDueDate)
{
    writeIndex({writeBill(bill(QStringLiteral("Later"), daysFromNow(9))),
                writeBill(bill(QStringLiteral("Late"), daysFromNow(-2))),
                writeBill(bill(QStringLiteral("Soon"), daysFromNow(2)))});
    loader().loadBills();

    const QVariantList exported = appGroup.arrayForKey(kActiveBills);
    EXPECT_EQ(exportedNames(exported), (QStringList{QStringLiteral("Late"), QStringLiteral("Soon"), QStringLiteral("Later")}));
    const QVariantMap late = exported.value(0).toMap();
    EXPECT_EQ(late.value(BillKeys::HumanDueDate).toString(), "Overdue by 2 days");
    EXPECT_TRUE(late.contains(BillKeys::AbsoluteDueDate));

    // The suite keeps what it was given across a reopening.
    const UserDefaults reopened(appGroup.path());
    EXPECT_EQ(exportedNames(reopened.arrayForKey(kActiveBills)), exportedNames(exported));
}

TEST_F(BWBillsLoaderTest, AnEmptyLoadLeavesTheExportAsItWas)
{
    writeIndex({writeBill(bill(QStringLiteral("Rent"), daysFromNow(2)))});
    loader().loadBills();
    loader().loadBillsInGroup(IndexKeys::ActiveBills, QStringLiteral("NoSuchTag"));
    EXPECT_EQ(exportedNames(appGroup.arrayForKey(kActiveBills)), QStringList{QStringLiteral("Rent")});
}

TEST_F(BWBillsLoaderTest, OnlyALoadOfTheWholeActiveListReplacesTheExport)
{
    writeIndex({writeBill(with(bill(QStringLiteral("Rent"), daysFromNow(2)), BillKeys::Tags, QVariantList{"Home"})),
                writeBill(bill(QStringLiteral("Power"), daysFromNow(4))),
                writeBill(with(bill(QStringLiteral("Old"), daysFromNow(2)), BillKeys::IsArchived, true))});
    loader().loadBills();
    loader().loadBillsInGroup(IndexKeys::ArchivedBills, QString());
    loader().loadBillsInGroup(IndexKeys::ActiveBills, QStringLiteral("Home"));
    loader().loadBillsInGroup(IndexKeys::ActiveBills, QString(), true);
    EXPECT_EQ(exportedNames(appGroup.arrayForKey(kActiveBills)),
              (QStringList{QStringLiteral("Rent"), QStringLiteral("Power")}));
}

TEST_F(BWBillsLoaderTest, AnUnchangedSuiteIsNotWrittenAgain)
{
    writeIndex({writeBill(bill(QStringLiteral("Rent"), daysFromNow(2)))});
    loader().loadBills();
    const quint64 written = TempFolder::inodeOf(appGroup.path());
    loader().loadBills();
    UserDefaults nextStart(appGroup.path());
    env.appGroup = &nextStart;
    loader().loadBills();
    EXPECT_EQ(TempFolder::inodeOf(appGroup.path()), written);

    defaults.setInteger(kDueSoonDays, 3);
    loader().loadBills();
    EXPECT_NE(TempFolder::inodeOf(appGroup.path()), written);
    EXPECT_EQ(UserDefaults(appGroup.path()).integerForKey(kDueSoonDays), 3);
}

TEST_F(BWBillsLoaderTest, SavingTheExportDropsTheDuplicateMarkerPaymentsAndSyncBookkeeping)
{
    QVariantMap record = bill(QStringLiteral("Rent"), daysFromNow(2));
    loader().addNecessaryInfoToBill(record, false);
    const QStringList leftOut{BillKeys::HasBeenDuplicated,    BillKeys::PaymentList,
                              BillKeys::FieldStamps,          BillKeys::RemovedPaymentIDs,
                              BillKeys::RemovedPaymentShares, BillKeys::RemovedPayments};
    for (const QString& key : leftOut)
        record.insert(key, QVariantList{QStringLiteral("x")});
    EXPECT_TRUE(loader().saveDataForExtensionWithBills({record}));
    const QVariantMap exported = appGroup.arrayForKey(kActiveBills).value(0).toMap();
    for (const QString& key : leftOut)
        EXPECT_FALSE(exported.contains(key)) << key.toStdString();
}

TEST_F(BWBillsLoaderTest, ReadingTheExportBackGivesFreshExtensionTexts)
{
    const QVariantMap automatic = with(bill(QStringLiteral("Loan"), daysFromNow(1)), BillKeys::PayType, qlonglong(1));
    const QVariantMap income = with(bill(QStringLiteral("Salary"), daysFromNow(1)), BillKeys::IsIncome, true);
    writeIndex({writeBill(bill(QStringLiteral("Later"), daysFromNow(9))), writeBill(bill(QStringLiteral("Late"), daysFromNow(-3))),
                writeBill(automatic), writeBill(income)});
    loader().loadBills();

    clock.setNow(clock.now().addDays(1));   // texts are made again for the moment of reading
    const QVariantList dueSoon = loader().loadBillsForExtension();
    EXPECT_EQ(exportedNames(dueSoon), (QStringList{QStringLiteral("Late"), QStringLiteral("Loan")}));
    const QVariantMap late = dueSoon.value(0).toMap();
    EXPECT_EQ(late.value(BillKeys::HumanDueDate).toString(), "Overdue");
    EXPECT_EQ(late.value("DaysApart").toString(), "-");
    EXPECT_EQ(late.value("DaysApartInteger").toLongLong(), -4);
    const QVariantMap loan = dueSoon.value(1).toMap();
    EXPECT_EQ(loan.value(BillKeys::HumanDueDate).toString(), "Today");
    EXPECT_EQ(loan.value("DaysApart").toString(), "0");
    EXPECT_EQ(loan.value(BillKeys::DueIcon).toString(), "blue5.png");

    EXPECT_EQ(exportedNames(loader().loadBillsForExtension(true)),
              (QStringList{QStringLiteral("Late"), QStringLiteral("Loan"), QStringLiteral("Later")}));

    appGroup.setBool(QStringLiteral("BWHideAutoMaticBillsInOverview"), true);
    EXPECT_EQ(exportedNames(loader().loadBillsForExtension()), QStringList{QStringLiteral("Late")});
}
