#include "MainScreensTestFixture.h"

#include "platform/SenderTag.h"
#include "platform/SoundPlayer.h"
#include "screens/BWAmountField.h"
#include "screens/BWBillEditorController.h"
#include "screens/BWBillActionsMenu.h"
#include "screens/BWBillDetailViewController.h"
#include "screens/BWLogPaymentController.h"
#include "store/BWBillsLoader.h"
#include "screens/BWOverviewController.h"
#include "screens/BWView.h"
#include "widgets/BGHUDTextField.h"
#include "widgets/KNPopUpDatePicker.h"
#include "shell/BWAppDelegate.h"
#include "shell/BWMainMenu.h"
#include "shell/BWMenulet.h"
#include "shell/BWObjectController.h"
#include "store/BWDefaultsKeys.h"
#include "widgets/BGHUDBox.h"
#include "shell/BWPreferencePanes.h"
#include "shell/MGPreferencePanel.h"

#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QMenu>
#include <QSignalSpy>
#include <QTableView>
#include <QTest>

#include <gtest/gtest.h>

TEST_F(BWMainScreensTest, TheDelegateGetsEveryScreen)
{
    startUp();
    const BWAppDelegate::Screens& given = delegate.screens();
    EXPECT_EQ(given.overview, &overview());
    EXPECT_EQ(given.payLogger, &screens->payLogger());
    EXPECT_EQ(given.billView, &screens->billView());
    EXPECT_EQ(given.billEditor, &screens->billEditor());

    // Start-up put the overview's panes into the main window and loaded it.
    EXPECT_EQ(overview().list()->parentWidget(), delegate.mainView());
    EXPECT_EQ(overview().dataSource().size(), 2);
    EXPECT_EQ(delegate.getBills().size(), 2);
}

TEST_F(BWMainScreensTest, ThePanelFloatsOverTheMainWindow)
{
    startUp();
    QWidget* panel = screens->payLogger().panel();
    EXPECT_EQ(panel->parentWidget(), delegate.window().mainWindow());
    EXPECT_TRUE(panel->isWindow());
}

TEST_F(BWMainScreensTest, BottomBarLogButtonsOpenThePanelForTheSelectedBill)
{
    startUp();
    selectRow(0);
    QWidget* panel = screens->payLogger().panel();

    click(overview().overviewButtonLog());
    EXPECT_TRUE(panel->isVisible());
    EXPECT_EQ(screens->payLogger().billNameField()->text(), QStringLiteral("Rent"));
    EXPECT_FALSE(screens->payLogger().savePaymentButton()->isHidden());
    EXPECT_TRUE(screens->payLogger().savePartialButton()->isHidden());

    panel->hide();
    click(overview().bottomBar().overviewButtonPartial());
    EXPECT_TRUE(panel->isVisible());
    EXPECT_TRUE(screens->payLogger().savePaymentButton()->isHidden());
    EXPECT_FALSE(screens->payLogger().savePartialButton()->isHidden());
    // Both buttons still say what they do.
    EXPECT_EQ(overview().bottomBar().overviewButtonPartial()->text(), QStringLiteral("Log Partial"));
    EXPECT_EQ(overview().overviewButtonLog()->text(), QStringLiteral("Log Payment"));
}

TEST_F(BWMainScreensTest, PayNowOpensThePanelAndThePaySite)
{
    store.defaults.setBool(BWDefaultsKeys::BWPayWithInternalBrowser, true);
    startUp();
    selectRow(0);
    click(overview().bottomBar().payNowOverviewButton());
    EXPECT_TRUE(screens->payLogger().panel()->isVisible());
    EXPECT_EQ(openedUrls, QList<QUrl>{QUrl(QStringLiteral("https://landlord.example/pay"))});
}

TEST_F(BWMainScreensTest, ViewButtonAndDoubleClickOpenTheBillPage)
{
    startUp();
    QTableView* table = overview().billTable();
    selectRow(0);
    QTest::mouseDClick(table->viewport(), Qt::LeftButton, {}, table->visualRect(table->model()->index(0, 0)).center());
    EXPECT_EQ(delegate.visibleView(), BWAppDelegate::BillPaneSet);
    EXPECT_EQ(screens->billView().currentBillID(), rent);

    click(screens->billView().overviewButton());
    EXPECT_EQ(delegate.visibleView(), BWAppDelegate::OverviewPaneSet);
    selectRow(1);
    click(overview().bottomBar().overviewButtonView());
    EXPECT_EQ(delegate.visibleView(), BWAppDelegate::BillPaneSet);
    EXPECT_EQ(screens->billView().currentBillID(), power);
    EXPECT_TRUE(sounds->played.isEmpty());
}

TEST_F(BWMainScreensTest, TheBillPageLogsStepsAndPaysThroughTheDelegate)
{
    startUp();
    delegate.showBillFromSearch(rent);
    BWBillDetailViewController& page = screens->billView();

    click(page.logPaymentButtonDetail());
    EXPECT_TRUE(screens->payLogger().panel()->isVisible());
    EXPECT_EQ(screens->payLogger().bid(), rent);
    screens->payLogger().panel()->hide();

    click(page.nextBillButton());
    EXPECT_EQ(page.currentBillID(), power);
    click(page.previousBillButton());
    EXPECT_EQ(page.currentBillID(), rent);

    // Quick log from the page's actions, through the delegate.
    QAction* quickLog = page.actionsMenu()->items().at(3);
    ASSERT_EQ(quickLog->text(), QStringLiteral("Quick Log"));
    quickLog->trigger();
    EXPECT_EQ(BWBillsLoader(store.env).loadBillWithID(rent)->value(BillKeys::PaymentList).toList().size(), 1);
    EXPECT_EQ(page.paymentTable()->model()->rowCount(), 1);

    openedUrls.clear();
    ASSERT_EQ(page.actionsMenu()->items().at(5)->text(), QStringLiteral("View Website"));
    page.actionsMenu()->items().at(5)->trigger();
    EXPECT_EQ(openedUrls, QList<QUrl>{QUrl(QStringLiteral("https://landlord.example/pay"))});
}

TEST_F(BWMainScreensTest, SelectingARowEnablesTheDelegatesCommands)
{
    startUp();
    EXPECT_TRUE(delegate.currentBillID().isEmpty());
    selectRow(1);
    EXPECT_EQ(delegate.currentBillID(), power);
    EXPECT_TRUE(delegate.performQuickLogForBillId(delegate.currentBillID()));
    // The quick log reloaded the overview, which keeps the row selected.
    EXPECT_EQ(overview().selectedRow(), 1);
}

TEST_F(BWMainScreensTest, GoingAwayTakesTheScreensBackFromTheDelegate)
{
    startUp();
    screens.reset();
    EXPECT_EQ(delegate.screens().overview, nullptr);
    EXPECT_EQ(delegate.screens().payLogger, nullptr);
    delegate.checkForDateChange();
    delegate.updateSearchFieldVisibility();
}

TEST_F(BWMainScreensTest, EveryAmountFieldSharesOneCurrencyFormatterAndFitsAHouseholdsAmounts)
{
    startUp();
    BWBillEditorController& editor = screens->billEditor();
    const auto shared = BWAmountField::formatterOf(screens->payLogger().amountPaidField());
    ASSERT_NE(shared, nullptr);
    for (QLineEdit* field : editor.amountFields())
        EXPECT_EQ(BWAmountField::formatterOf(field), shared);

    // Each amount field of the editor, once laid out, shows a seven-digit amount whole.
    click(overview().header().overviewNewBillButton());
    ASSERT_TRUE(editor.isShown());
    for (QLineEdit* field : {editor.amountDueField(), editor.balanceField()}) {
        BWAmountField::setAmount(field, 1234567.89);
        const int needed = field->fontMetrics().horizontalAdvance(field->text());
        EXPECT_GE(field->width(), needed + field->textMargins().left() + field->textMargins().right());
        EXPECT_GE(field->width(), BWAmountField::widthForAmounts(*field, *shared));
    }
}

// The road a new user takes: the overview's button, the form, Save, and the
// bill in the list, without a file touched by hand.
TEST_F(BWMainScreensTest, TheNewBillButtonAddsABillThatTheOverviewShows)
{
    startUp();
    BWBillEditorController& editor = screens->billEditor();
    click(overview().header().overviewNewBillButton());
    ASSERT_TRUE(editor.isShown());
    EXPECT_EQ(editor.shownPage(), BWBillEditorController::Page::BillForm);

    QTest::keyClicks(editor.billNameField(), QStringLiteral("Water"));
    editor.amountDueField()->setText(QStringLiteral("$31.20"));
    QTest::keyClick(editor.billNameField(), Qt::Key_Return);
    EXPECT_FALSE(editor.isShown());
    EXPECT_EQ(overview().dataSource().size(), 3);

    // Edit and delete reach the editor through the shell's commands.
    const QVariantList rows = overview().dataSourceFiltered();
    const auto rent = std::find_if(rows.begin(), rows.end(), [](const QVariant& row) {
        return row.toMap().value(BillKeys::Name).toString() == QStringLiteral("Rent");
    });
    selectRow(int(rent - rows.begin()));
    delegate.editSelectedBill();
    EXPECT_TRUE(editor.isShown());
    EXPECT_EQ(editor.billNameField()->text(), QStringLiteral("Rent"));
    QTest::keyClick(editor.billNameField(), Qt::Key_Escape);
    EXPECT_FALSE(editor.isShown());

    delegate.deleteSelectedBill();
    ASSERT_EQ(editor.shownPage(), BWBillEditorController::Page::DeleteQuestion);
    click(editor.deleteButton());
    EXPECT_EQ(overview().dataSource().size(), 2);
}

TEST_F(BWMainScreensTest, TheIncomeButtonOpensTheIncomeForm)
{
    startUp();
    click(overview().header().overviewNewIncomeButton());
    EXPECT_EQ(screens->billEditor().shownPage(), BWBillEditorController::Page::IncomeForm);
    EXPECT_TRUE(screens->billEditor().isShown());
}

namespace {

TEST_F(BWMainScreensTest, AColumnTurnedOnInThePreferencesShowsInTheOverview)
{
    startUp();
    BWPreferencePanes panes(store.defaults, {});
    MGPreferencePanel panel;
    panes.fill(panel);
    QObject::connect(&panes, &BWPreferencePanes::settingChanged, &delegate.startup(), &BWStartup::preferenceDidChange);
    QTableView* table = overview().billTable();
    const auto hiddenColumns = [table] {
        int hidden = 0;
        for (int column = 0; column < table->model()->columnCount(); ++column)
            hidden += table->isColumnHidden(column) ? 1 : 0;
        return hidden;
    };
    const int hiddenBefore = hiddenColumns();

    for (QCheckBox* box : panel.pane(MGPreferencePanel::General)->findChildren<QCheckBox*>()) {
        if (box->text() == QStringLiteral("Balance"))
            box->click();
    }
    EXPECT_EQ(hiddenColumns(), hiddenBefore - 1);
}

}  // namespace

TEST_F(BWMainScreensTest, TheTrayAReminderAndTheCalendarOpenTheBillPage)
{
    startUp();
    delegate.menuItemSelected(power);
    EXPECT_EQ(delegate.visibleView(), BWAppDelegate::BillPaneSet);
    EXPECT_EQ(screens->billView().currentBillID(), power);

    delegate.userNotificationCenterDidActivateNotification({{QStringLiteral("Bid"), rent}});
    EXPECT_EQ(screens->billView().currentBillID(), rent);

    overview().showBillFromSearch(power);
    EXPECT_EQ(screens->billView().currentBillID(), power);
    EXPECT_TRUE(sounds->played.isEmpty());
}

TEST_F(BWMainScreensTest, ASaveInAPopoverOfTheBillPageReloadsItAndTheOverview)
{
    startUp();
    delegate.showBillFromSearch(rent);
    BWBillDetailViewController& page = screens->billView();
    const QString dueBefore = page.dueDateField()->text();

    page.showSkipPaymentPopover(nullptr);
    ASSERT_TRUE(page.skipPaymentPopover()->isVisible());
    ASSERT_TRUE(page.skipPayment());
    EXPECT_FALSE(page.skipPaymentPopover()->isVisible());
    EXPECT_NE(page.dueDateField()->text(), dueBefore);
    // The overview was loaded again: the skipped bill is due after the other one now.
    EXPECT_EQ(overview().dataSource().first().toMap().value(BillKeys::Bid).toString(), power);
}

// A name saved a moment ago is completed at once, without going to a bill
// and back.
TEST_F(BWMainScreensTest, ABillSavedAMomentAgoIsOfferedByNameCompletion)
{
    startUp();
    BWBillEditorController& editor = screens->billEditor();
    click(overview().header().overviewNewBillButton());
    QTest::keyClicks(editor.billNameField(), QStringLiteral("Electric Co"));
    QTest::keyClick(editor.billNameField(), Qt::Key_Return);
    ASSERT_FALSE(editor.isShown());

    click(overview().header().overviewNewBillButton());
    QTest::keyClicks(editor.billNameField(), QStringLiteral("Ele"));
    EXPECT_EQ(editor.billNameField()->text(), QStringLiteral("Electric Co"));
}

// Whichever list the overview shows, the tray lists the bills due among all
// active items, after a load of the overview and of the bill page alike.
TEST_F(BWMainScreensTest, TheTrayCountsTheActiveBillsWhileTheArchiveIsShown)
{
    startUp();
    BWMenulet* menulet = delegate.menulet();
    ASSERT_NE(menulet, nullptr);
    const auto listedBills = [menulet] {
        QStringList billIDs;
        for (const QAction* item : menulet->theMenu()->actions()) {
            if (!item->data().toString().isEmpty())
                billIDs.append(item->data().toString());
        }
        return billIDs;
    };
    // The menu is made once the main window has shown.
    ASSERT_TRUE(QTest::qWaitFor([&] { return listedBills() == QStringList{rent, power}; }, 30000));

    delegate.window().showListMode(BWOverviewController::ArchivedItems);
    ASSERT_TRUE(overview().dataSource().isEmpty());
    EXPECT_EQ(listedBills(), (QStringList{rent, power}));
    EXPECT_EQ(menulet->statusTitle(), QStringLiteral("2"));

    delegate.showBillFromSearch(power);
    EXPECT_EQ(listedBills(), (QStringList{rent, power}));
    EXPECT_EQ(menulet->statusTitle(), QStringLiteral("2"));
}

TEST_F(BWMainScreensTest, WhileTheEditorIsOpenTheBillPageCannotGoToTheOverview)
{
    startUp();
    delegate.showBillFromSearch(rent);
    QAbstractButton* toOverview = screens->billView().overviewButton();
    EXPECT_TRUE(toOverview->isEnabled());
    delegate.editSelectedBill();
    ASSERT_TRUE(screens->billEditor().isShown());
    EXPECT_FALSE(toOverview->isEnabled());
    QTest::keyClick(screens->billEditor().billNameField(), Qt::Key_Escape);
    EXPECT_TRUE(toOverview->isEnabled());
}

// The menu's states follow the shown bill at once, not only when a menu opens.
TEST_F(BWMainScreensTest, OpeningOrSteppingToABillValidatesTheMenuAtOnce)
{
    using Command = BWMenuValidation::Command;
    startUp();
    BWMainMenu* menu = delegate.window().mainMenu();
    ASSERT_NE(menu, nullptr);
    QAction* nextBill = menu->action(Command::NextBill);
    QAction* website = menu->action(Command::ViewWebsite);
    EXPECT_FALSE(nextBill->isEnabled());

    QTableView* table = overview().billTable();
    selectRow(0);
    QTest::mouseDClick(table->viewport(), Qt::LeftButton, {}, table->visualRect(table->model()->index(0, 0)).center());
    ASSERT_EQ(screens->billView().currentBillID(), rent);
    EXPECT_TRUE(nextBill->isEnabled());
    EXPECT_TRUE(website->isEnabled());

    nextBill->trigger();
    ASSERT_EQ(screens->billView().currentBillID(), power);
    EXPECT_FALSE(website->isEnabled());  // Power has no pay site
    menu->action(Command::PreviousBill)->trigger();
    EXPECT_EQ(screens->billView().currentBillID(), rent);
    EXPECT_TRUE(website->isEnabled());
}

// Whether a bill can be paid at its site is one answer everywhere: the
// overview's and the bill page's buttons, both actions pop-ups and the menu.
TEST_F(BWMainScreensTest, EveryScreenAgreesOnWhetherABillHasAPaySite)
{
    struct Case
    {
        qlonglong payType;
        const char* site;
        bool payable;
    };
    const Case cases[] = {
        {0, "https://water.example", true}, {1, "water.example", true}, {2, "https://water.example", false},
        {3, "https://water.example", false}, {0, "", false},                  {0, "http://", false},
    };
    startUp();
    QAction* payNowItem = delegate.window().mainMenu()->action(BWMenuValidation::Command::PayNow);
    const auto offersPayNow = [](BWBillActionsMenu* menu) {
        const QList<QAction*> items = menu->items();
        return std::any_of(items.begin(), items.end(),
                           [](const QAction* item) { return item->text() == QStringLiteral("Pay Now"); });
    };
    for (const Case& each : cases) {
        SCOPED_TRACE(testing::Message() << each.payType << " " << each.site);
        const QString water = store.addBill(QStringLiteral("Water"), 1,
                                            {{BillKeys::PayType, each.payType},
                                             {BillKeys::PaySite, QString::fromUtf8(each.site)}});
        delegate.switchToOverviewAndReload();
        const QVariantList rows = overview().dataSourceFiltered();
        const auto row = std::find_if(rows.begin(), rows.end(), [&](const QVariant& shown) {
            return shown.toMap().value(BillKeys::Bid).toString() == water;
        });
        ASSERT_NE(row, rows.end());
        selectRow(int(row - rows.begin()));
        EXPECT_EQ(overview().bottomBar().payNowOverviewButton()->isEnabled(), each.payable);
        EXPECT_EQ(offersPayNow(overview().bottomBar().actionsMenu()), each.payable);
        EXPECT_EQ(payNowItem->isEnabled(), each.payable);

        delegate.showBillFromSearch(water);
        BWBillDetailViewController& page = screens->billView();
        EXPECT_EQ(page.payNowButton()->isVisibleTo(page.payNowButton()->parentWidget()), each.payable);
        EXPECT_EQ(offersPayNow(page.actionsMenu()), each.payable);
        EXPECT_EQ(payNowItem->isEnabled(), each.payable);
    }
}

// The help pages offered are those of services that run.
TEST_F(BWMainScreensTest, TheHelpMenuOffersNoPageOnReminderEmails)
{
    startUp();
    QStringList offered;
    QList<QMenu*> menus{delegate.window().mainMenu()->helpMenu()};
    while (!menus.isEmpty()) {
        for (QAction* item : menus.takeFirst()->actions()) {
            if (!item->isVisible())
                continue;
            offered.append(item->text());
            if (item->menu())
                menus.append(item->menu());
        }
    }
    EXPECT_TRUE(offered.contains(QStringLiteral("Sync Help"))) << offered.join(u',').toStdString();
    EXPECT_FALSE(offered.contains(QStringLiteral("E-mail Reminders")));
}

// ---- Reloading after a payment ---------------------------------------------------------

namespace {

enum class PaymentRoute { Panel, QuickLog, AutomaticOnWake, AutomaticOnNewDay };

// However a payment is stored, the overview loads once more and shows it.
class PaymentReloadTest : public BWMainScreensTest, public testing::WithParamInterface<PaymentRoute>
{
protected:
    // Logs one payment the given way; the id of the bill paid.
    QString logPayment(PaymentRoute route)
    {
        switch (route) {
        case PaymentRoute::Panel:
            selectRow(0);
            click(overview().overviewButtonLog());
            click(screens->payLogger().savePaymentButton());
            return rent;
        case PaymentRoute::QuickLog:
            selectRow(0);
            delegate.quickLogShortcutPressed();
            return rent;
        case PaymentRoute::AutomaticOnWake: {
            // Written behind the overview's back, as a synced change would be.
            const QString phone = automaticBillDueIn(0);
            delegate.receiveSleepNote();
            delegate.receiveWakeNote();
            return phone;
        }
        case PaymentRoute::AutomaticOnNewDay: {
            const QString phone = automaticBillDueIn(1);
            store.clock.setNow(store.daysFromNow(1));
            delegate.checkForDateChange();
            // What logs itself is looked for, and a new day's list read, on
            // workers.
            EXPECT_TRUE(QTest::qWaitFor([this, phone] { return paymentsOf(phone) == 1; }, 30000));
            EXPECT_TRUE(QTest::qWaitFor([this] { return !overview().isLoadingInBackground(); }, 30000));
            return phone;
        }
        }
        return QString();
    }
    QString automaticBillDueIn(int days)
    {
        EXPECT_TRUE(store.defaults.setBool(BWDefaultsKeys::BWShouldAutoLogPayments, true));
        return store.addBill(QStringLiteral("Phone"), days, {{BillKeys::PayType, qlonglong(1)}});
    }
    int paymentsOf(const QString& billID) const
    {
        return int(BWBillsLoader(store.env).loadBillWithID(billID)->value(BillKeys::PaymentList).toList().size());
    }
};

std::string routeName(const testing::TestParamInfo<PaymentRoute>& route)
{
    const char* const names[] = {"Panel", "QuickLog", "AutomaticOnWake", "AutomaticOnNewDay"};
    return names[int(route.param)];
}

}  // namespace

TEST_P(PaymentReloadTest, TheOverviewReloadsOnceAndShowsThePayment)
{
    startUp();
    // Every load of the overview sums up its figures and badge afresh.
    QSignalSpy loads(&overview().sidebar(), &BWOverviewSidebar::dockBadgeChanged);
    const QString paid = logPayment(GetParam());

    EXPECT_EQ(paymentsOf(paid), 1);
    // The figures follow the changed row in a turn of their own.
    EXPECT_TRUE(QTest::qWaitFor([&loads] { return !loads.isEmpty(); }, 30000));
    EXPECT_EQ(loads.count(), 1);
    for (const QVariant& shown : overview().dataSource()) {
        if (shown.toMap().value(BillKeys::Bid) == paid) {
            EXPECT_EQ(shown.toMap().value(BillKeys::PaymentList).toList().size(), 1);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(EveryRoute, PaymentReloadTest,
                         testing::Values(PaymentRoute::Panel, PaymentRoute::QuickLog, PaymentRoute::AutomaticOnWake,
                                         PaymentRoute::AutomaticOnNewDay),
                         routeName);

// The overview's notice and tip: each hides for good, the notice's other
// button opens the phone edition's page.
TEST_F(BWMainScreensTest, TheNoticeAndTheTipHideForGood)
{
    startUp();
    struct Case {
        const char* button;
        QString key;
    };
    const Case cases[] = {{"hideAdvert", BWDefaultsKeys::BWHideAd}, {"hideTip", BWDefaultsKeys::BWHideTip}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.button);
        auto* hide = overview().list()->findChild<QAbstractButton*>(c.button);
        if (!hide)
            hide = overview().monthAtGlance()->findChild<QAbstractButton*>(c.button);
        ASSERT_NE(hide, nullptr);
        EXPECT_FALSE(store.defaults.boolForKey(c.key));
        hide->click();
        EXPECT_TRUE(store.defaults.boolForKey(c.key));
        EXPECT_TRUE(hide->parentWidget()->isHidden());
    }
    QAbstractButton* learnMore = nullptr;
    for (QAbstractButton* button : overview().bottomBar().adBox()->findChildren<QAbstractButton*>())
        learnMore = button->text() == QStringLiteral("Learn More") ? button : learnMore;
    ASSERT_NE(learnMore, nullptr);
    learnMore->click();
    ASSERT_EQ(openedUrls.size(), 1);
    EXPECT_EQ(openedUrls.first(), QUrl(BWObjectController::addressOf(BWObjectController::HelpPage::PhoneEditionSignUp)));
}

// ---- The automatic-payment step beyond start-up ----------------------------------------

namespace {

enum class DueRoute {
    AutoLogBillsTicked,
    AutoLogIncomeTicked,
    SavedPastDue,
    Restored,
    RestoredFromContextMenu,
    CloudChange,
    CloudPassChange,
    CloudChangeUnnamed,
    FirebaseChange
};

// Whatever makes an automatic item due, the one automatic step logs it at
// once (not at the next day or wake) and the overview shows the payment.
class AutomaticStepTest : public BWMainScreensTest, public testing::WithParamInterface<DueRoute>
{
protected:
    // Makes an automatic bill or income item due the given way; its id.
    QString makeDue(DueRoute route)
    {
        switch (route) {
        case DueRoute::AutoLogBillsTicked: {
            const QString phone = automaticBill(-2);
            startUp();
            tickPreference("Log automatic bills when they fall due");
            return phone;
        }
        case DueRoute::AutoLogIncomeTicked: {
            EXPECT_TRUE(store.defaults.setBool(BWDefaultsKeys::BW_ShouldAutoLogIncome, false));
            const QString salary = store.addBill(QStringLiteral("Salary"), -2, {{BillKeys::IsIncome, true}});
            startUp();
            tickPreference("Log income automatically when it is due");
            return salary;
        }
        case DueRoute::SavedPastDue: {
            autoLogOn();
            const QString phone = automaticBill(5);
            startUp();
            BWBillEditorController& editor = screens->billEditor();
            editor.showEditPopoverForBill(phone, overview().header().overviewNewBillButton());
            editor.dueDateField()->setDate(store.daysFromNow(-1).date());
            EXPECT_TRUE(editor.saveBill());
            return phone;
        }
        case DueRoute::Restored:
        case DueRoute::RestoredFromContextMenu: {
            // Archived overdue, before automatic logging was turned on.
            const QString phone = automaticBill(-1);
            EXPECT_TRUE(BWBill(store.env).archiveBillWithBid(phone));
            EXPECT_TRUE(BWBill(store.env).saveSpecificKey(BillKeys::DueDate, store.daysFromNow(-1).toUTC(), phone));
            autoLogOn();
            startUp();
            overview().loadOverviewForBills(IndexKeys::ArchivedBills, QString());
            selectRow(0);
            if (route == DueRoute::RestoredFromContextMenu) {
                const std::unique_ptr<QMenu> menu = overview().contextMenuForRow(0);
                EXPECT_TRUE(menu && menu->actions().contains(overview().archiveContextMenuItem()));
                EXPECT_EQ(overview().archiveContextMenuItem()->text(), QStringLiteral("Restore"));
                overview().archiveContextMenuItem()->trigger();
                return phone;
            }
            QObject restore;
            SenderTag::set(&restore, 1);
            EXPECT_TRUE(delegate.archiveSelectedBill(&restore));
            return phone;
        }
        case DueRoute::CloudChange:
        case DueRoute::CloudPassChange:
        case DueRoute::CloudChangeUnnamed:
        case DueRoute::FirebaseChange: {
            autoLogOn();
            startUp();
            // Written by the sync engine, which then announces it: as one
            // bill, among a pass's changed bills, or as some change unnamed.
            const QString phone = automaticBill(-1);
            if (route == DueRoute::CloudChange)
                delegate.updatesDownloadedFromCloudKit(phone);
            else if (route == DueRoute::CloudPassChange)
                delegate.updatesDownloadedFromCloudKit(QString(), {phone});
            else if (route == DueRoute::CloudChangeUnnamed)
                delegate.updatesDownloadedFromCloudKit(QString());
            else
                delegate.updateFromFirebaseChangeWithDictionary(*BWBillsLoader(store.env).loadBillWithID(phone));
            return phone;
        }
        }
        return QString();
    }
    void autoLogOn() { EXPECT_TRUE(store.defaults.setBool(BWDefaultsKeys::BWShouldAutoLogPayments, true)); }
    QString automaticBill(int days)
    {
        return store.addBill(QStringLiteral("Phone"), days, {{BillKeys::PayType, qlonglong(1)}});
    }
    void tickPreference(const char* title)
    {
        panes.fill(panel);
        QObject::connect(&panes, &BWPreferencePanes::settingChanged, &delegate.startup(),
                         &BWStartup::preferenceDidChange);
        for (QCheckBox* box : panel.window()->findChildren<QCheckBox*>()) {
            if (box->text() == QString::fromUtf8(title)) {
                EXPECT_FALSE(box->isChecked());
                return box->click();
            }
        }
        ADD_FAILURE() << "no switch " << title;
    }
    int paymentsOf(const QString& billID) const
    {
        return int(BWBillsLoader(store.env).loadBillWithID(billID)->value(BillKeys::PaymentList).toList().size());
    }
    int shownPaymentsOf(const QString& billID) const
    {
        for (const QVariant& shown : overview().dataSource()) {
            if (shown.toMap().value(BillKeys::Bid) == billID)
                return int(shown.toMap().value(BillKeys::PaymentList).toList().size());
        }
        return -1;
    }

    BWPreferencePanes panes{store.defaults, BWPreferencePanes::Services{}};
    MGPreferencePanel panel;
};

std::string dueRouteName(const testing::TestParamInfo<DueRoute>& route)
{
    const char* const names[] = {"AutoLogBillsTicked", "AutoLogIncomeTicked",     "SavedPastDue",
                                 "Restored",           "RestoredFromContextMenu", "CloudChange",
                                 "CloudPassChange",    "CloudChangeUnnamed",      "FirebaseChange"};
    return names[int(route.param)];
}

}  // namespace

TEST_P(AutomaticStepTest, TheDueItemIsLoggedAtOnceAndShown)
{
    const QString due = makeDue(GetParam());
    EXPECT_TRUE(QTest::qWaitFor([&] { return paymentsOf(due) == 1; }, 30000));
    // Restoring keeps the archive's list in view; elsewhere the item shows.
    if (GetParam() != DueRoute::Restored && GetParam() != DueRoute::RestoredFromContextMenu) {
        EXPECT_TRUE(QTest::qWaitFor([&] { return shownPaymentsOf(due) == 1; }, 30000));
    }
    EXPECT_EQ(paymentsOf(due), 1) << "logged once";
}

INSTANTIATE_TEST_SUITE_P(EveryRoute, AutomaticStepTest,
                         testing::Values(DueRoute::AutoLogBillsTicked, DueRoute::AutoLogIncomeTicked,
                                         DueRoute::SavedPastDue, DueRoute::Restored, DueRoute::RestoredFromContextMenu,
                                         DueRoute::CloudChange, DueRoute::CloudPassChange,
                                         DueRoute::CloudChangeUnnamed, DueRoute::FirebaseChange),
                         dueRouteName);
