#include "MainWindowTestFixture.h"

#include "screens/BWView.h"

#include <QFile>

// The main window with the overview and the log-payment panel only: the bill
// page and the editor are missing. What needs them beeps; the rest works.

namespace {

class MissingScreensTest : public MainWindowTest
{
protected:
    MissingScreensTest()
    {
        defaults.setBool(BWDefaultsKeys::BRWPlayInterfaceSounds, false);
        rent = addBill(with(bill(QStringLiteral("Rent"), QDate(2016, 3, 10), 950.0), BillKeys::PaySite,
                            QStringLiteral("https://landlord.example/pay")));
        power = addBill(bill(QStringLiteral("Power"), QDate(2016, 3, 11), 80.0));
    }

    void startWithOverviewAndPanel() { startWith({&overview, nullptr, nullptr, &payLogger}); }
    void select(const QString& billID)
    {
        for (int row = 0; row < overview.dataSourceFiltered().size(); ++row) {
            if (overview.dataSourceFiltered().at(row).toMap().value(BillKeys::Bid) == billID)
                overview.selectRows({row});
        }
    }
    QVariantList payments(const QString& billID) const
    {
        return storedBill(billID).value(BillKeys::PaymentList).toList();
    }
    bool isArchived(const QString& billID) const { return storedBill(billID).value(BillKeys::IsArchived).toBool(); }
    QStringList beeps() const { return sounds->played.filter(QStringLiteral("bell")); }

    QString rent;
    QString power;
};

}  // namespace

// ---- Start-up and layout ---------------------------------------------------------------

TEST_F(MissingScreensTest, StartUpSkipsOnlyWhatBelongsToTheMissingScreens)
{
    QStringList steps;
    QObject::connect(&delegate, &BWAppDelegate::startUpStepDone, [&steps](const QString& step) { steps.append(step); });
    delegate.setScreens({&overview, nullptr, nullptr, &payLogger});
    delegate.awakeFromNib();
    delegate.applicationDidFinishLaunching();

    for (const QString& step : {QStringLiteral("mainViewButtons"), QStringLiteral("initializeViews"),
                                QStringLiteral("loadOverview"), QStringLiteral("showMainWindow")})
        EXPECT_TRUE(steps.contains(step)) << step.toStdString();
    EXPECT_FALSE(steps.contains(QStringLiteral("setListOfActiveBills")));
    EXPECT_EQ(delegate.mainView()->overviewbutton(), overview.overviewButtonLog());
    EXPECT_EQ(delegate.mainView()->button(), nullptr);
    EXPECT_EQ(overview.dataSource().size(), 2);
    EXPECT_EQ(delegate.getBills().size(), 2);

    // A double click on a row asks for the bill page that isn't there.
    select(rent);
    emit overview.billTable()->doubleClicked(overview.billTable()->currentIndex());
    EXPECT_EQ(beeps().size(), 1);
    EXPECT_EQ(delegate.visibleView(), BWAppDelegate::OverviewPaneSet);
}

TEST_F(MissingScreensTest, TheOverviewFillsTheWindowAndFollowsItsSize)
{
    startWithOverviewAndPanel();
    delegate.customWindowController()->window()->resize(1200, 700);
    delegate.windowDidResize(delegate.window().mainWindow());
    delegate.windowDidEndLiveResize(delegate.window().mainWindow());

    const QSize area = delegate.mainView()->size();
    const int monthWidth = overview.monthAtGlance()->width();
    EXPECT_EQ(overview.list()->geometry(), QRect(0, 0, area.width() - monthWidth, area.height()));
    EXPECT_EQ(overview.monthAtGlance()->geometry(), QRect(area.width() - monthWidth, 0, monthWidth, area.height()));
    // The unused bill page's panes stay out of the window.
    EXPECT_EQ(billPage.stickyNote()->parentWidget(), nullptr);
}

// ---- What needs the bill page ----------------------------------------------------------

TEST_F(MissingScreensTest, OpeningABillPageBeepsAndStaysOnTheOverview)
{
    startWithOverviewAndPanel();
    select(rent);
    delegate.switchToBillView();
    delegate.showBillFromSearch(rent);
    delegate.menuItemSelected(power);   // the tray's bill entry
    settle();

    EXPECT_EQ(delegate.visibleView(), BWAppDelegate::OverviewPaneSet);
    EXPECT_EQ(beeps().size(), 3);
    EXPECT_EQ(delegate.currentBillID(), rent);
    EXPECT_EQ(overview.list()->pos(), QPoint(0, 0));
}

// Skipping asks in the overview, which needs no bill page; stepping between
// bills does.
TEST_F(MissingScreensTest, SteppingBetweenBillsBeepsWhileSkippingAsksInTheOverview)
{
    startWithOverviewAndPanel();
    select(rent);
    delegate.skipPaymentFromTouchbar();
    const auto next = taggedAction(1);
    delegate.switchBills(next.get());
    settle();

    EXPECT_EQ(beeps().size(), 1);
    EXPECT_EQ(overview.skippedBills, QStringList{rent});
    EXPECT_EQ(delegate.visibleView(), BWAppDelegate::OverviewPaneSet);
    EXPECT_TRUE(payments(rent).isEmpty());
}

TEST_F(MissingScreensTest, PayNowWithTheInternalBrowserSettingUsesTheDesktopBrowser)
{
    defaults.setBool(BWDefaultsKeys::BWPayWithInternalBrowser, true);
    startWithOverviewAndPanel();
    select(rent);
    delegate.showBillWithPayAction();

    EXPECT_EQ(delegate.visibleView(), BWAppDelegate::OverviewPaneSet);
    EXPECT_EQ(payLogger.shownForBids, QStringList{rent});
    EXPECT_EQ(openedUrls, QList<QUrl>{QUrl(QStringLiteral("https://landlord.example/pay"))});

    delegate.showBillWithWebsiteAction();
    EXPECT_EQ(openedUrls.size(), 2);
}

// ---- What needs the editor -------------------------------------------------------------

TEST_F(MissingScreensTest, EditDeleteNewAndRestoreBeepWithoutTheEditor)
{
    startWithOverviewAndPanel();
    select(rent);
    delegate.editSelectedBill();
    delegate.deleteSelectedBill();
    delegate.createNewBillFromMenu();
    delegate.createNewSavingsGoalFromMenu();
    EXPECT_EQ(beeps().size(), 4);
    EXPECT_EQ(overview.editCount, 0);
    EXPECT_EQ(overview.deleteCount, 0);
    EXPECT_TRUE(indexList(IndexKeys::ActiveBills).contains(rent));

    const auto archive = taggedAction(0);
    ASSERT_TRUE(delegate.archiveSelectedBill(archive.get()));
    ASSERT_TRUE(isArchived(rent));
    overview.loadOverviewForBills(IndexKeys::ArchivedBills, QString());
    select(rent);
    const auto restore = taggedAction(1);
    EXPECT_FALSE(delegate.archiveSelectedBill(restore.get()));
    EXPECT_TRUE(isArchived(rent));
    EXPECT_EQ(beeps().size(), 5);
}

// ---- What works with the overview and the panel alone -------------------------------------

TEST_F(MissingScreensTest, LogPaymentOpensThePanelAndQuickLogWrites)
{
    startWithOverviewAndPanel();
    select(power);
    const auto full = taggedAction(0);
    delegate.showLogPaymentPanel(full.get());
    EXPECT_EQ(payLogger.shownForBids, QStringList{power});
    EXPECT_EQ(payLogger.shownKinds, QList<PaymentKind>{PaymentKind::Full});

    select(rent);
    const auto quickLog = taggedAction(2);
    delegate.showLogPaymentPanel(quickLog.get());
    EXPECT_EQ(payments(rent).size(), 1);
    delegate.quickLogShortcutPressed();
    EXPECT_EQ(payments(power).size() + payments(rent).size(), 2);
    EXPECT_TRUE(beeps().isEmpty());
}

TEST_F(MissingScreensTest, APaymentInThePanelReloadsTheOverview)
{
    startWithOverviewAndPanel();
    select(power);
    const int loadsBefore = overview.loadCount;
    payLogger.paymentLogged();
    EXPECT_EQ(overview.loadCount, loadsBefore + 1);
    EXPECT_EQ(overview.selectedRow(), overview.indexOfName(QStringLiteral("Power")));
}

TEST_F(MissingScreensTest, ArchiveAndExportWork)
{
    startWithOverviewAndPanel();
    select(power);
    chosenSavePath = temp.file(QStringLiteral("power.csv"));
    EXPECT_TRUE(delegate.exportSelectedBillToCSV());
    EXPECT_TRUE(QFile::exists(chosenSavePath));

    const auto archive = taggedAction(0);
    EXPECT_TRUE(delegate.archiveSelectedBill(archive.get()));
    EXPECT_TRUE(isArchived(power));
    EXPECT_FALSE(isArchived(rent));
    EXPECT_TRUE(beeps().isEmpty());
}

TEST_F(MissingScreensTest, WithoutThePanelOnlyQuickLogWorks)
{
    startWith({&overview, nullptr, nullptr, nullptr});
    select(rent);
    const auto full = taggedAction(0);
    delegate.showLogPaymentPanel(full.get());
    const auto partial = taggedAction(1);
    delegate.showLogPaymentPanel(partial.get());
    EXPECT_EQ(beeps().size(), 2);
    EXPECT_TRUE(payments(rent).isEmpty());

    const auto quickLog = taggedAction(2);
    delegate.showLogPaymentPanel(quickLog.get());
    EXPECT_EQ(payments(rent).size(), 1);
}

TEST_F(MissingScreensTest, WithoutTheOverviewCommandsDoNothing)
{
    delegate.setScreens({nullptr, &billPage, &editor, &payLogger});
    delegate.window().createMainWindowController();
    const auto full = taggedAction(0);
    delegate.showLogPaymentPanel(full.get());
    delegate.showBillFromSearch(rent);
    delegate.editSelectedBill();
    EXPECT_TRUE(payLogger.shownForBids.isEmpty());
    EXPECT_TRUE(billPage.loadedIDs.isEmpty());
    EXPECT_TRUE(editor.requests.empty());
    EXPECT_TRUE(sounds->played.isEmpty());
}
