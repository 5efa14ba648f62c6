#include "BillPageTestFixture.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTableView>

#include "store/BWDefaultsKeys.h"
#include "widgets/BGHUDLabel.h"
#include "widgets/BWPopupButton.h"
#include "widgets/KBButton.h"

TEST_F(BillPageTest, ABillAndAnIncomeItemShowTheirOwnControlsAndTitles)
{
    struct ModeCase
    {
        const char* what;
        bool income;
        bool autoLog;
        bool actionsShown;
        bool autoLogTextShown;
        QString amountTitle;
        QString historyTitle;
        QString totalTitle;
        int statBoxes;
        int stripWidth;
    };
    const QList<ModeCase> cases{
        {"bill", false, true, true, false, QStringLiteral("AMOUNT DUE"), QStringLiteral("Payment History"),
         QStringLiteral("Total Paid"), 4, 1059},
        {"income logged by hand", true, false, true, false, QStringLiteral("AMOUNT"), QStringLiteral("Income History"),
         QStringLiteral("Total Income"), 2, 539},
        {"income logged automatically", true, true, false, true, QStringLiteral("AMOUNT"),
         QStringLiteral("Income History"), QStringLiteral("Total Income"), 2, 539},
    };
    for (const ModeCase& mode : cases) {
        SCOPED_TRACE(mode.what);
        defaults.setBool(BWDefaultsKeys::BW_ShouldAutoLogIncome, mode.autoLog);
        show(storeBill(QStringLiteral("Item"), 3, {{BillKeys::IsIncome, mode.income}}));
        EXPECT_EQ(page->actionsPopupButton()->isHidden(), !mode.actionsShown);
        EXPECT_EQ(page->actionsAlternateButton()->isHidden(), !mode.actionsShown);
        EXPECT_EQ(page->incomeAutologText()->isHidden(), !mode.autoLogTextShown);
        for (QWidget* billOnly : std::initializer_list<QWidget*>{page->skipButton(), page->logPaymentButtonDetail(),
                                                                 page->logPartialPopUp()})
            EXPECT_EQ(billOnly->isHidden(), mode.income);
        EXPECT_EQ(page->amountDueTitle()->text(), mode.amountTitle);
        EXPECT_EQ(page->paymentHistoryHeader()->text(), mode.historyTitle);
        EXPECT_EQ(page->totalPaidBalanceTitle()->text(), mode.totalTitle);
        EXPECT_EQ(page->statisticsStrip().shownStatBoxes().size(), mode.statBoxes);
        EXPECT_EQ(page->statsScrollView()->widget()->width(), mode.stripWidth);
        EXPECT_EQ(page->titleHeaderField()->text(), QStringLiteral("Item"));
    }
}

TEST_F(BillPageTest, TheHeaderSaysWhyTheDateMovedOrThatTheBillIsArchived)
{
    struct NoticeCase
    {
        qlonglong shift;
        bool archived;
        QString notice;  // empty: hidden
    };
    const QList<NoticeCase> cases{
        {0, false, QString()},
        {1, false, QStringLiteral("Date adjusted to avoid weekend.")},
        {2, false, QStringLiteral("Date adjusted to avoid holiday.")},
        {3, false, QString()},
        {1, true, QStringLiteral("Archived")},
    };
    const QVariantMap stored = *BWBillsLoader(env).loadBillWithID(storeBill(QStringLiteral("Rent"), 3));
    for (const NoticeCase& notice : cases) {
        SCOPED_TRACE(notice.shift);
        QVariantMap record = stored;
        record.insert(BillKeys::DateWasModified, notice.shift);
        record.insert(BillKeys::IsArchived, notice.archived);
        page->loadBillWithDictionary(record);
        EXPECT_EQ(page->weekendAdjustmentNotice()->isHidden(), notice.notice.isEmpty());
        if (!notice.notice.isEmpty()) {
            EXPECT_EQ(page->weekendAdjustmentNotice()->text(), notice.notice);
        }
    }
}

TEST_F(BillPageTest, AVaryingAmountShowsTheEstimateInGreyOrSaysItIsNotSet)
{
    const QColor black(30, 30, 30);
    const QColor grey(150, 150, 150);
    struct AmountCase
    {
        const char* what;
        double amount;
        bool estimatesOn;
        double estimate;
        QString text;
        QColor ink;
    };
    const QList<AmountCase> cases{
        {"no estimate yet", 0.0, true, 0.0, QStringLiteral("Not Set"), grey},
        {"an estimate", 0.0, true, 42.5, QStringLiteral("$42.50"), grey},
        {"estimates off", 0.0, false, 42.5, QStringLiteral("Not Set"), black},
        {"a set amount after a varying one", 80.0, true, 42.5, QStringLiteral("$80.00"), black},
    };
    for (const AmountCase& amount : cases) {
        SCOPED_TRACE(amount.what);
        defaults.setBool(BWDefaultsKeys::BWUseIntelligenceEstimates, amount.estimatesOn);
        page->desktop().estimate = [&amount](const QVariantMap&) { return amount.estimate; };
        show(storeBill(QStringLiteral("Power"), 3,
                       {{BillKeys::Amount, amount.amount}, {BillKeys::AmountVaries, qlonglong(amount.amount == 0.0)}}));
        EXPECT_EQ(page->amountDueField()->text(), amount.text);
        EXPECT_EQ(page->amountDueField()->palette().color(QPalette::WindowText), amount.ink);
    }
}

TEST_F(BillPageTest, DueImagesAndThePayNowButtonFollowTheRecord)
{
    for (const auto& [small, large] : std::initializer_list<std::pair<QString, QString>>{
             {QStringLiteral("red5.png"), QStringLiteral("red5.png")},
             {QStringLiteral("blue5.png"), QStringLiteral("blue5.png")},
             {QStringLiteral("purple5.png"), QStringLiteral("white5.png")},
             {QString(), QStringLiteral("white5.png")}})
        EXPECT_EQ(BWBillDetailViewController::getLargeBillIconWithSmallIcon(small), large);

    struct PayNowCase
    {
        qlonglong payType;
        QString site;
        bool shown;
    };
    for (const PayNowCase& payNow : {PayNowCase{0, QStringLiteral("https://bank.example"), true},
                                     PayNowCase{0, QStringLiteral("http://"), false},
                                     PayNowCase{0, QString(), false},
                                     // Paid automatically, yet payable at its site
                                     // early, as the actions menu and the menu offer.
                                     PayNowCase{1, QStringLiteral("https://bank.example"), true},
                                     PayNowCase{2, QStringLiteral("https://bank.example"), false}}) {
        SCOPED_TRACE(payNow.site.toStdString());
        show(storeBill(QStringLiteral("Rent"), 3, {{BillKeys::PayType, payNow.payType}, {BillKeys::PaySite, payNow.site}}));
        EXPECT_EQ(page->payNowButton()->isHidden(), !payNow.shown);
    }
}

TEST_F(BillPageTest, PaymentsShowNewestFirstWithTheirReceipts)
{
    const QString receipt = QDir(env.defaultDataFolder).filePath(QStringLiteral("0123456789ABCDEF0123456789ABCDEF.pdf"));
    const QString billID = storeBill(
        QStringLiteral("Rent"), 3,
        {{BillKeys::PaymentList, QVariantList{payment(40.0, inDays(-60)), payment(45.0, inDays(-30), receipt),
                                              payment(50.0, inDays(-90), QStringLiteral("Attach Receipt"))}},
         {BillKeys::TotalPaid, 135.0}});
    show(billID);
    const QAbstractItemModel* rows = page->paymentTable()->model();
    ASSERT_EQ(rows->rowCount(), 3);
    EXPECT_EQ(rows->index(0, 1).data().toString(), QStringLiteral("$45.00"));
    EXPECT_EQ(rows->index(2, 1).data().toString(), QStringLiteral("$50.00"));
    EXPECT_EQ(rows->index(0, 3).data(Qt::ToolTipRole).toString(), QStringLiteral("0123456789ABCDEF0123456789ABCDEF.pdf"));
    EXPECT_FALSE(rows->index(1, 3).data(Qt::ToolTipRole).isValid());
    EXPECT_FALSE(rows->index(2, 3).data(Qt::ToolTipRole).isValid());
    EXPECT_EQ(page->totalPaidField()->text(), QStringLiteral("$135.00"));

    // The view-receipt button shows for a row with a real receipt only.
    page->paymentTable()->selectRow(0);
    EXPECT_FALSE(page->viewReceiptButton()->isHidden());
    page->paymentTable()->selectRow(2);
    EXPECT_TRUE(page->viewReceiptButton()->isHidden());
}

TEST_F(BillPageTest, TheStatisticsPositionStaysBetweenOneAndFour)
{
    for (const auto& [asked, stored] : std::initializer_list<std::pair<qlonglong, qlonglong>>{{0, 1}, {2, 2}, {5, 4}}) {
        page->updateStatPositionWithNewPosition(asked);
        EXPECT_EQ(defaults.integerForKey(BWDefaultsKeys::BWStatPosition), stored);
    }
    page->switchStatPositionForward();
    EXPECT_EQ(defaults.integerForKey(BWDefaultsKeys::BWStatPosition), 4);
    page->switchStatPositionBack();
    EXPECT_EQ(defaults.integerForKey(BWDefaultsKeys::BWStatPosition), 3);

    // The strip starts at the third box, or at the last one an income item has.
    page->statsScrollView()->resize(300, 220);
    show(storeBill(QStringLiteral("Rent"), 3));
    EXPECT_EQ(page->statsScrollView()->horizontalScrollBar()->value(), 520);
    show(storeBill(QStringLiteral("Salary"), 3, {{BillKeys::IsIncome, true}}));
    EXPECT_EQ(page->statsScrollView()->horizontalScrollBar()->value(), 260);
}

// However wide the strip, no box is cut by its edge: it shows the boxes that
// fit whole, and the arrows matter only while some are out of sight.
TEST_F(BillPageTest, TheStatisticsStripShowsWholeBoxesOnly)
{
    const struct {
        bool income;
        int stripWidth;
        int viewportWidth;
        int wholeBoxes;
        bool arrows;
    } cases[] = {
        {false, 300, 276, 1, true},    {false, 700, 536, 2, true}, {false, 900, 796, 3, true},
        {false, 1200, 1059, 4, false}, {true, 300, 276, 1, true},  {true, 700, 539, 2, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.stripWidth);
        show(storeBill(c.income ? QStringLiteral("Salary") : QStringLiteral("Rent"), 3,
                       {{BillKeys::IsIncome, c.income}}));
        page->statsScrollView()->parentWidget()->resize(c.stripWidth, 220);
        page->statisticsStrip().fitStatisticsToWholeBoxes();
        EXPECT_EQ(page->statsScrollView()->width(), c.viewportWidth);
        const QList<QWidget*> boxes = page->statisticsStrip().shownStatBoxes();
        EXPECT_EQ(std::count_if(boxes.begin(), boxes.end(),
                                [this](QWidget* box) { return box->isVisibleTo(page->statsScrollView()); }),
                  c.wholeBoxes);
        for (QPushButton* arrow : page->statisticsView()->findChildren<QPushButton*>(Qt::FindDirectChildrenOnly))
            EXPECT_EQ(arrow->isEnabled(), c.arrows);
    }
}

TEST_F(BillPageTest, OnlyWebPagesOpenAsPaySites)
{
    struct SiteCase
    {
        QString site;
        QString opened;  // empty: nothing opens
    };
    for (const SiteCase& site : {SiteCase{QStringLiteral("https://bank.example/pay"), QStringLiteral("https://bank.example/pay")},
                                 SiteCase{QStringLiteral("www.water.example"), QStringLiteral("http://www.water.example")},
                                 SiteCase{QStringLiteral("http://"), QString()},
                                 SiteCase{QStringLiteral("file:///etc/passwd"), QString()},
                                 SiteCase{QStringLiteral("javascript:alert(1)"), QString()}}) {
        SCOPED_TRACE(site.site.toStdString());
        openedUrls.clear();
        show(storeBill(QStringLiteral("Rent"), 3, {{BillKeys::PaySite, site.site}}));
        page->finishShowingWebsite();
        EXPECT_EQ(openedUrls, site.opened.isEmpty() ? QList<QUrl>{} : QList<QUrl>{QUrl(site.opened)});
    }
}

TEST_F(BillPageTest, PayNowAsksForThePanelAndOpensTheSite)
{
    show(storeBill(QStringLiteral("Rent"), 3, {{BillKeys::PaySite, QStringLiteral("https://bank.example/pay")}}));
    QSignalSpy logs(page.get(), &BWBillDetailViewController::logPaymentRequested);
    page->payNowButton()->click();
    EXPECT_EQ(logs.size(), 1);
    EXPECT_EQ(openedUrls, QList<QUrl>{QUrl(QStringLiteral("https://bank.example/pay"))});
}

TEST_F(BillPageTest, TheStatisticsStripShowsTheBillsFigures)
{
    const auto field
        = [this](const char* name) { return page->statisticsStrip().statField(QString::fromLatin1(name))->text(); };
    // Without payments: placeholders, a full balance bar and no year bars.
    show(storeBill(QStringLiteral("Loan"), 3, {{BillKeys::Balance, 500.0}}));
    EXPECT_EQ(field("highestPaymentDate"), QStringLiteral("No Payments Yet"));
    EXPECT_EQ(field("lowestPaymentDate"), QStringLiteral("No Payments Yet"));
    EXPECT_EQ(field("highestPaymentAmt"), QStringLiteral("$0.00"));
    EXPECT_EQ(page->balanceGraph()->width(), 213);
    EXPECT_EQ(page->thisYearGraph()->height(), 0);
    EXPECT_EQ(page->lastYearGraph()->height(), 0);

    // The clock stands in March 2016.
    show(storeBill(QStringLiteral("Loan"), 3,
                   {{BillKeys::PaymentList, QVariantList{payment(100.0, localMoment(2016, 2, 1, 9)),
                                                         payment(300.0, localMoment(2015, 7, 1, 9)),
                                                         payment(100.0, localMoment(2015, 11, 1, 9))}},
                    {BillKeys::TotalPaid, 500.0},
                    {BillKeys::Average, 500.0 / 3},
                    {BillKeys::Balance, 1500.0}}));
    EXPECT_EQ(field("highestPaymentAmt"), QStringLiteral("$300.00"));
    EXPECT_EQ(field("highestPaymentDate"), QStringLiteral("Wed, Jul 1, 2015"));
    EXPECT_EQ(field("lowestPaymentAmt"), QStringLiteral("$100.00"));
    EXPECT_EQ(field("averagePaymentAmt"), QStringLiteral("$166.67"));
    EXPECT_EQ(field("totalAll"), QStringLiteral("$500.00"));
    EXPECT_EQ(field("totalThis"), QStringLiteral("$100.00"));
    EXPECT_EQ(field("totalLast"), QStringLiteral("$400.00"));
    EXPECT_EQ(field("thisYearDate"), QStringLiteral("2016"));
    EXPECT_EQ(field("seasonSummer"), QStringLiteral("$300.00"));
    EXPECT_EQ(field("balanceDisplayField"), QStringLiteral("$1,500.00"));
    EXPECT_EQ(page->balanceGraph()->width(), 213 * 500 / 2000);
    EXPECT_EQ(page->lastYearGraph()->height(), 100);
    EXPECT_EQ(page->thisYearGraph()->height(), 25);
}
