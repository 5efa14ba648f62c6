#include "MainWindowTestFixture.h"

#include "store/BWBill.h"
#include "store/BWBillsLoader.h"
#include "store/BWDefaultsKeys.h"

#include <QFile>

namespace {

class BWBillCommandRunnerTest : public MainWindowTest
{
protected:
    BWBillCommandRunnerTest()
    {
        defaults.setBool(BWDefaultsKeys::BRWPlayInterfaceSounds, false);
        rent = addBill(with(bill(QStringLiteral("Rent"), QDate(2016, 3, 10), 950.0), BillKeys::PaySite,
                            QStringLiteral("https://landlord.example/pay")));
        power = addBill(with(bill(QStringLiteral("Power"), QDate(2016, 3, 11), 80.0), BillKeys::PaySite,
                             QStringLiteral("https://power.example/")));
        salary = addBill(with(bill(QStringLiteral("Payday"), QDate(2016, 3, 12), 2000.0), BillKeys::IsIncome, true));
        startWithScreens();
    }

    void select(const QString& billID)
    {
        for (int row = 0; row < overview.dataSourceFiltered().size(); ++row) {
            if (overview.dataSourceFiltered().at(row).toMap().value(BillKeys::Bid) == billID)
                overview.selectRows({row});
        }
    }
    // The bill page shows `shown` while the overview still has `selected` selected.
    void showBillPageWithOtherSelection(const QString& shown, const QString& selected)
    {
        delegate.showBillFromSearch(shown);
        select(selected);
        ASSERT_EQ(delegate.visibleView(), QStringLiteral("bill"));
    }
    QVariantList payments(const QString& billID) const
    {
        return storedBill(billID).value(BillKeys::PaymentList).toList();
    }
    bool isArchived(const QString& billID) const { return storedBill(billID).value(BillKeys::IsArchived).toBool(); }

    QString rent;
    QString power;
    QString salary;
};

}  // namespace

// ---- Quick log ---------------------------------------------------------------------

TEST_F(BWBillCommandRunnerTest, QuickLogRewritesTheBillWithItsNextDueDate)
{
    defaults.setBool(BWDefaultsKeys::BRWPlayInterfaceSounds, true);
    defaults.setInteger(BWDefaultsKeys::BRWWhichSoundEffect, 0);
    select(rent);
    const int row = overview.selectedRow();
    const auto quickLog = taggedAction(2);
    delegate.showLogPaymentPanel(quickLog.get());

    const QVariantMap stored = storedBill(rent);
    EXPECT_EQ(stored.value(BillKeys::DueDate).toDateTime().toLocalTime(), QDateTime(QDate(2016, 4, 10), QTime(9, 0)));
    const QVariantList list = payments(rent);
    ASSERT_EQ(list.size(), 1);
    const QVariantMap payment = list.first().toMap();
    EXPECT_DOUBLE_EQ(payment.value(PaymentKeys::Amount).toDouble(), 950.0);
    EXPECT_EQ(payment.value(PaymentKeys::Note), QStringLiteral("Quick Logged"));
    EXPECT_EQ(payment.value(PaymentKeys::Date).toDateTime().toLocalTime(), QDateTime(QDate(2016, 3, 10), QTime(9, 0)));
    EXPECT_TRUE(payLogger.shownForBids.isEmpty());  // no panel

    // The same row index stays selected, whichever bill now stands there.
    EXPECT_EQ(overview.selectedRow(), row);
    EXPECT_EQ(sounds->played, QStringList{QStringLiteral("trumpetnew")});
    EXPECT_TRUE(payments(power).isEmpty());
}

TEST_F(BWBillCommandRunnerTest, QuickLogOfABillThatCannotBeReadLogsNothing)
{
    EXPECT_FALSE(delegate.performQuickLogForBillId(QStringLiteral("0123456789ABCDEF0123456789ABCDEF")));
    EXPECT_FALSE(delegate.performQuickLogForBillId(QStringLiteral("../../etc/passwd")));
    EXPECT_EQ(sounds->played, QStringList({QStringLiteral("bell"), QStringLiteral("bell")}));
}

// Whatever offers it, a log command refuses an archived bill: its due date
// lies in the far future and a payment would be dated there.
TEST_F(BWBillCommandRunnerTest, AnArchivedBillTakesNoPaymentFromAnyCommand)
{
    ASSERT_TRUE(BWBill(env).archiveBillWithBid(rent));
    delegate.showBillFromSearch(rent);
    ASSERT_EQ(delegate.visibleView(), QStringLiteral("bill"));
    for (const int tag : {0, 1, 2, 3}) {
        SCOPED_TRACE(tag);
        const auto log = taggedAction(tag);
        delegate.showLogPaymentPanel(log.get());
    }
    delegate.quickLogShortcutPressed();
    EXPECT_FALSE(delegate.performQuickLogForBillId(rent));
    EXPECT_TRUE(payments(rent).isEmpty());
    EXPECT_TRUE(payLogger.shownForBids.isEmpty());
    EXPECT_EQ(storedBill(rent).value(BillKeys::DueDate).toDateTime(), PropertyList::distantFuture());
}

TEST_F(BWBillCommandRunnerTest, QuickLogShortcutNeedsExactlyOneBill)
{
    overview.selectRows({0, 1});
    delegate.quickLogShortcutPressed();
    EXPECT_EQ(sounds->played, QStringList{QStringLiteral("dialog-error")});
    EXPECT_TRUE(payments(rent).isEmpty());
    EXPECT_TRUE(payments(power).isEmpty());

    select(salary);
    delegate.quickLogShortcutPressed();
    EXPECT_TRUE(payments(salary).isEmpty());  // income is never quick-logged

    select(power);
    delegate.quickLogShortcutPressed();
    EXPECT_EQ(payments(power).size(), 1);
}

// ---- Log payment ---------------------------------------------------------------------

TEST_F(BWBillCommandRunnerTest, FullPaymentOpensThePanelWithItsSaveButton)
{
    select(power);
    const auto full = taggedAction(0);
    delegate.showLogPaymentPanel(full.get());
    EXPECT_EQ(payLogger.shownForBids, QStringList{power});
    EXPECT_EQ(payLogger.shownKinds, QList<PaymentKind>{PaymentKind::Full});
}

TEST_F(BWBillCommandRunnerTest, PartialPaymentShowsThePartialButtonAndTag1RetitlesItsSender)
{
    select(power);
    const auto partial = taggedAction(1);
    partial->setText(QStringLiteral("Log Partial"));
    delegate.showLogPaymentPanel(partial.get());
    EXPECT_EQ(payLogger.shownKinds, QList<PaymentKind>{PaymentKind::Partial});
    EXPECT_EQ(partial->text(), QStringLiteral("Log Payment"));

    const auto partialKeepingTitle = taggedAction(3);
    partialKeepingTitle->setText(QStringLiteral("Log Partial"));
    delegate.showLogPaymentPanel(partialKeepingTitle.get());
    EXPECT_EQ(partialKeepingTitle->text(), QStringLiteral("Log Partial"));
    EXPECT_EQ(payLogger.shownForBids.size(), 2);
}

TEST_F(BWBillCommandRunnerTest, LoggingWithNothingSelectedBeeps)
{
    overview.selectRows({});
    for (int tag : {0, 2}) {
        const auto sender = taggedAction(tag);
        delegate.showLogPaymentPanel(sender.get());
    }
    EXPECT_TRUE(payLogger.shownForBids.isEmpty());
    EXPECT_EQ(sounds->played, QStringList({QStringLiteral("bell"), QStringLiteral("bell")}));
}

TEST_F(BWBillCommandRunnerTest, IncomeThatLogsItselfIsLeftAloneWithoutABeep)
{
    select(salary);
    payLogger.setBid(rent);
    defaults.setBool(BWDefaultsKeys::BW_ShouldAutoLogIncome, true);
    const auto full = taggedAction(0);
    delegate.showLogPaymentPanel(full.get());
    EXPECT_TRUE(payLogger.shownForBids.isEmpty());
    EXPECT_TRUE(sounds->played.isEmpty());
    EXPECT_EQ(payLogger.bid(), QString());

    defaults.setBool(BWDefaultsKeys::BW_ShouldAutoLogIncome, false);
    delegate.showLogPaymentPanel(full.get());
    EXPECT_EQ(payLogger.shownForBids, QStringList{salary});
}

// ---- Every command acts on the bill the user is looking at ----------------------------

TEST_F(BWBillCommandRunnerTest, OnTheBillPageCommandsActOnThePagesBill)
{
    showBillPageWithOtherSelection(power, rent);

    const auto full = taggedAction(0);
    delegate.showLogPaymentPanel(full.get());
    EXPECT_EQ(payLogger.shownForBids.last(), power);

    delegate.showBillWithPayAction();
    EXPECT_EQ(payLogger.shownForBids.last(), power);
    delegate.showBillWithWebsiteAction();
    EXPECT_EQ(openedUrls, (QList<QUrl>{QUrl(QStringLiteral("https://power.example/")),
                                       QUrl(QStringLiteral("https://power.example/"))}));

    delegate.editSelectedBill();
    EXPECT_EQ(editor.requests.back().kind, QStringLiteral("edit"));
    EXPECT_EQ(editor.requests.back().billID, power);
    EXPECT_EQ(editor.requests.back().anchor, billPage.actionsPopupButton());
    EXPECT_EQ(overview.editCount, 0);

    chosenSavePath = temp.file(QStringLiteral("power.csv"));
    EXPECT_TRUE(delegate.exportSelectedBillToCSV());
    EXPECT_EQ(saveDialogs.last().second, QStringLiteral("Power.csv"));

    delegate.quickLogShortcutPressed();
    EXPECT_EQ(payments(power).size(), 1);
    EXPECT_TRUE(payments(rent).isEmpty());

    const auto archive = taggedAction(0);
    EXPECT_TRUE(delegate.archiveSelectedBill(archive.get()));
    EXPECT_TRUE(isArchived(power));
    EXPECT_FALSE(isArchived(rent));
}

TEST_F(BWBillCommandRunnerTest, OnTheOverviewCommandsActOnTheSelectedRow)
{
    select(rent);
    delegate.showBillWithPayAction();
    EXPECT_EQ(payLogger.shownForBids.last(), rent);
    EXPECT_EQ(openedUrls, QList<QUrl>{QUrl(QStringLiteral("https://landlord.example/pay"))});

    delegate.editSelectedBill();
    delegate.deleteSelectedBill();
    EXPECT_EQ(overview.editCount, 1);
    EXPECT_EQ(overview.deleteCount, 1);
    EXPECT_TRUE(editor.requests.empty());

    chosenSavePath = temp.file(QStringLiteral("rent.csv"));
    EXPECT_TRUE(delegate.exportSelectedBillToCSV());
    EXPECT_EQ(saveDialogs.last(), qMakePair(QStringLiteral("Export Bill As CSV"), QStringLiteral("Rent.csv")));
}

TEST_F(BWBillCommandRunnerTest, PayAndWebSiteWithoutASelectedRowDoNothing)
{
    overview.selectRows({});
    delegate.showBillWithPayAction();
    delegate.showBillWithWebsiteAction();
    EXPECT_TRUE(openedUrls.isEmpty());
    EXPECT_TRUE(payLogger.shownForBids.isEmpty());
}

TEST_F(BWBillCommandRunnerTest, WithTheInternalBrowserThePaySiteOpensOnTheBillPage)
{
    defaults.setBool(BWDefaultsKeys::BWPayWithInternalBrowser, true);
    select(rent);
    delegate.showBillWithPayAction();
    EXPECT_EQ(delegate.visibleView(), QStringLiteral("bill"));
    EXPECT_EQ(billPage.currentBillID(), rent);
    EXPECT_EQ(billPage.showWebViewCount, 1);

    // Already on the page: its own bill, no second switch.
    select(power);
    delegate.showBillWithWebsiteAction();
    EXPECT_EQ(billPage.currentBillID(), rent);
    EXPECT_EQ(billPage.finishShowingWebsiteCount, 1);
    EXPECT_TRUE(openedUrls.isEmpty());
}

// ---- Pay sites --------------------------------------------------------------------------

TEST_F(BWBillCommandRunnerTest, OnlyWebAddressesAreOpened)
{
    const QStringList refused{QStringLiteral("file:///etc/passwd"), QStringLiteral("javascript:alert(1)"),
                              QStringLiteral("smb://server/http-share")};
    for (const QString& site : refused) {
        const QString billID = addBill(with(bill(QStringLiteral("Odd"), QDate(2016, 3, 20)), BillKeys::PaySite, site));
        delegate.showBillFromSearch(billID);
        delegate.showBillWithWebsiteAction();
    }
    EXPECT_TRUE(openedUrls.isEmpty());
    EXPECT_EQ(sounds->played.count(QStringLiteral("bell")), refused.size());
}

TEST_F(BWBillCommandRunnerTest, AnAddressWithoutSchemeOpensAsAWebPageAndNoAddressOpensNothing)
{
    const QString bare = addBill(
        with(bill(QStringLiteral("Bare"), QDate(2016, 3, 20)), BillKeys::PaySite, QStringLiteral("www.water.example")));
    delegate.showBillFromSearch(bare);
    delegate.showBillWithWebsiteAction();
    EXPECT_EQ(openedUrls, QList<QUrl>{QUrl(QStringLiteral("http://www.water.example"))});

    for (const QString& none : {QString(), QStringLiteral("http://")}) {
        const QString billID = addBill(with(bill(QStringLiteral("None"), QDate(2016, 3, 20)), BillKeys::PaySite, none));
        delegate.showBillFromSearch(billID);
        delegate.showBillWithWebsiteAction();
    }
    EXPECT_EQ(openedUrls.size(), 1);
    EXPECT_TRUE(sounds->played.isEmpty());
}

// ---- Archive and restore --------------------------------------------------------------

TEST_F(BWBillCommandRunnerTest, ArchivingFromTheOverviewArchivesTheSelectedBills)
{
    overview.selectRows({0, 1});
    const auto archive = taggedAction(0);
    EXPECT_TRUE(delegate.archiveSelectedBill(archive.get()));
    EXPECT_TRUE(isArchived(rent));
    EXPECT_TRUE(isArchived(power));
    EXPECT_TRUE(indexList(IndexKeys::ActiveBills).contains(rent));
    const std::optional<QVariantList> active = BWBillsLoader(env).loadBills();
    ASSERT_TRUE(active.has_value());
    EXPECT_EQ(active->size(), 1);  // only the payday
}

TEST_F(BWBillCommandRunnerTest, RestoringFromTheOverviewShowsTheArchive)
{
    BWBill(env).archiveBillWithBid(rent);
    overview.loadOverviewForBills(IndexKeys::ArchivedBills, QString());
    select(rent);
    const auto restore = taggedAction(1);
    EXPECT_TRUE(delegate.archiveSelectedBill(restore.get()));
    EXPECT_FALSE(isArchived(rent));
    EXPECT_EQ(overview.loadedGroups.last(), IndexKeys::ArchivedBills);
}

TEST_F(BWBillCommandRunnerTest, RestoringOnTheBillPageReloadsThePageAndTheOverview)
{
    BWBill(env).archiveBillWithBid(power);
    delegate.showBillFromSearch(power);
    const int loads = overview.loadCount;
    const auto restore = taggedAction(1);
    EXPECT_TRUE(delegate.archiveSelectedBill(restore.get()));
    EXPECT_FALSE(isArchived(power));
    EXPECT_EQ(billPage.loadedIDs.last(), power);
    EXPECT_EQ(overview.loadCount, loads + 1);

    const auto unknownKind = taggedAction(5);
    EXPECT_FALSE(delegate.archiveSelectedBill(unknownKind.get()));
    EXPECT_FALSE(isArchived(power));
}

// ---- Export ------------------------------------------------------------------------------

TEST_F(BWBillCommandRunnerTest, ExportWritesThePaymentsWhereTheUserChose)
{
    select(rent);
    delegate.performQuickLogForBillId(rent);
    select(rent);
    chosenSavePath = temp.file(QStringLiteral("rent.csv"));
    ASSERT_TRUE(delegate.exportSelectedBillToCSV());
    QFile written(chosenSavePath);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    const QByteArray expected = BWBillsLoader(env).exportPaymentsToCSVFromBillDict(storedBill(rent)).toUtf8();
    EXPECT_FALSE(expected.isEmpty());
    EXPECT_EQ(written.readAll(), expected);
    EXPECT_TRUE(alerts.isEmpty());
}

TEST_F(BWBillCommandRunnerTest, ExportWithoutABillSaysSo)
{
    overview.selectRows({});
    EXPECT_FALSE(delegate.exportSelectedBillToCSV());
    ASSERT_EQ(alerts.size(), 1);
    EXPECT_EQ(alerts.first(), qMakePair(QStringLiteral("No Bill Selected"),
                                        QStringLiteral("Select a bill before trying to export it as a CSV file.")));
    EXPECT_TRUE(saveDialogs.isEmpty());
}

TEST_F(BWBillCommandRunnerTest, CancellingTheExportWritesNothing)
{
    select(rent);
    chosenSavePath.clear();
    EXPECT_FALSE(delegate.exportSelectedBillToCSV());
    EXPECT_EQ(saveDialogs.size(), 1);
    EXPECT_TRUE(alerts.isEmpty());
}

TEST_F(BWBillCommandRunnerTest, AFailedExportIsShownToTheUser)
{
    select(rent);
    // A file stands where the folder of the chosen path should be.
    temp.write(QStringLiteral("not-a-folder"), "x");
    chosenSavePath = temp.file(QStringLiteral("not-a-folder/rent.csv"));
    EXPECT_FALSE(delegate.exportSelectedBillToCSV());
    ASSERT_EQ(alerts.size(), 1);
    EXPECT_EQ(alerts.first().first, QStringLiteral("Export Failed"));
}

TEST_F(BWBillCommandRunnerTest, ASlashInTheBillsNameDoesNotNameAFolder)
{
    const QString slashed = addBill(bill(QStringLiteral("Car/Boat"), QDate(2016, 3, 20)));
    delegate.showBillFromSearch(slashed);
    delegate.exportSelectedBillToCSV();
    EXPECT_EQ(saveDialogs.last().second, QStringLiteral("Car-Boat.csv"));
}

// ---- Skip -----------------------------------------------------------------------------------

// The overview asks its own question and stays: no bill page slides in.
TEST_F(BWBillCommandRunnerTest, SkipFromTheOverviewAsksThereWithoutChangingThePage)
{
    select(power);
    delegate.skipPaymentFromTouchbar();
    EXPECT_EQ(overview.skippedBills, QStringList{power});
    EXPECT_EQ(delegate.visibleView(), QStringLiteral("overview"));
    EXPECT_FALSE(billPage.skipPaymentPopover()->isVisible());
}

TEST_F(BWBillCommandRunnerTest, SkipNeedsOneBillThatIsNotIncome)
{
    overview.selectRows({0, 1});
    delegate.skipPaymentFromTouchbar();
    select(salary);
    delegate.skipPaymentFromTouchbar();
    EXPECT_EQ(sounds->played, QStringList({QStringLiteral("bell"), QStringLiteral("bell")}));
    EXPECT_EQ(delegate.visibleView(), QStringLiteral("overview"));
    EXPECT_TRUE(overview.skippedBills.isEmpty());
}

TEST_F(BWBillCommandRunnerTest, SkipOnTheBillPageOpensThePopoverAtOnce)
{
    delegate.showBillFromSearch(rent);
    delegate.skipPaymentFromTouchbar();
    EXPECT_TRUE(billPage.skipPaymentPopover()->isVisible());
}
