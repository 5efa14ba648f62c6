#include "BillPageTestFixture.h"

#include <QLabel>
#include <QMenu>
#include <QStandardItemModel>

#include "platform/SenderTag.h"
#include "store/BWBill.h"
#include "store/BWBillsLoader.h"
#include "store/BWDefaultsKeys.h"
#include "widgets/KBButton.h"

namespace {

const QString Sep = QStringLiteral("-");

struct MenuCase
{
    const char* what;
    QVariantMap changes;
    bool autoLogIncome;
    QStringList expected;
};

}  // namespace

// Both screens build the same menu from the same record.
TEST_F(BillPageTest, TheActionsMenuOffersWhatFitsTheItem)
{
    const QString site = QStringLiteral("https://bank.example/pay");
    const QList<MenuCase> cases{
        {"bill without a site", {}, false,
         {QStringLiteral("Log Partial"), QStringLiteral("Skip Payment"), Sep, QStringLiteral("Quick Log"), Sep,
          QStringLiteral("Edit Bill")}},
        {"online bill with a site", {{BillKeys::PaySite, site}}, false,
         {QStringLiteral("Log Partial"), QStringLiteral("Skip Payment"), Sep, QStringLiteral("Quick Log"), Sep,
          QStringLiteral("View Website"), QStringLiteral("Pay Now"), Sep, QStringLiteral("Edit Bill")}},
        {"automatic bill with a site", {{BillKeys::PaySite, site}, {BillKeys::PayType, qlonglong(1)}}, false,
         {QStringLiteral("Log Partial"), QStringLiteral("Skip Payment"), Sep, QStringLiteral("Quick Log"), Sep,
          QStringLiteral("View Website"), QStringLiteral("Pay Now"), Sep, QStringLiteral("Edit Bill")}},
        {"bill paid by mail", {{BillKeys::PaySite, site}, {BillKeys::PayType, qlonglong(2)}}, false,
         {QStringLiteral("Log Partial"), QStringLiteral("Skip Payment"), Sep, QStringLiteral("Quick Log"), Sep,
          QStringLiteral("Edit Bill")}},
        {"bare scheme prefix", {{BillKeys::PaySite, QStringLiteral("http://")}}, false,
         {QStringLiteral("Log Partial"), QStringLiteral("Skip Payment"), Sep, QStringLiteral("Quick Log"), Sep,
          QStringLiteral("Edit Bill")}},
        {"site that is no web page", {{BillKeys::PaySite, QStringLiteral("file:///etc/passwd")}}, false,
         {QStringLiteral("Log Partial"), QStringLiteral("Skip Payment"), Sep, QStringLiteral("Quick Log"), Sep,
          QStringLiteral("Edit Bill")}},
        {"income", {{BillKeys::IsIncome, true}}, false, {QStringLiteral("Log Income"), Sep, QStringLiteral("Edit Income")}},
        {"income logged automatically", {{BillKeys::IsIncome, true}}, true, {Sep, QStringLiteral("Edit Income")}},
    };
    for (const MenuCase& menuCase : cases) {
        SCOPED_TRACE(menuCase.what);
        defaults.setBool(BWDefaultsKeys::BW_ShouldAutoLogIncome, menuCase.autoLogIncome);
        const QString billID = storeBill(QStringLiteral("Item"), 3, menuCase.changes);
        const QVariantMap record = show(billID);
        overview->setupActionButtonMenuForBill(record);
        EXPECT_EQ(titles(page->actionsMenu()->items()), menuCase.expected);
        EXPECT_EQ(titles(overview->bottomBar().actionsMenu()->items()), menuCase.expected);
        for (const QAction* item : page->actionsMenu()->items())
            EXPECT_TRUE(item->isSeparator() || item->isEnabled());
        // The pop-up shows its face item first, which is no command.
        EXPECT_EQ(page->actionsMenu()->items().size() + 1, overview->bottomBar().actionsPopupButton()->count());
        EXPECT_FALSE(overview->bottomBar().actionsPopupButton()->itemData(0).isValid());
    }
}

TEST_F(BillPageTest, LogItemsCarryTheKindOfPaymentAndTheirShortcuts)
{
    const QVariantMap record = show(storeBill(QStringLiteral("Rent"), 3));
    const QList<QAction*> items = page->actionsMenu()->items();
    EXPECT_EQ(SenderTag::of(items.at(0)), BWBillActionsMenu::PartialLog);
    EXPECT_EQ(items.at(0)->shortcut(), QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_L));
    EXPECT_EQ(SenderTag::of(items.at(3)), BWBillActionsMenu::QuickLogTag);
    EXPECT_EQ(items.at(3)->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_T));
    EXPECT_EQ(items.at(5)->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_E));
    EXPECT_EQ(record.value(BillKeys::Name).toString(), QStringLiteral("Rent"));
}

TEST_F(BillPageTest, TheAlternateButtonFollowsTheSettingAndTheRememberedChoice)
{
    const QString site = QStringLiteral("https://bank.example/pay");
    struct AlternateCase
    {
        const char* what;
        qlonglong setting;
        QVariantMap changes;
        QString remembered;
        QString expected;
    };
    const QList<AlternateCase> cases{
        {"nothing remembered", 0, {}, QString(), QStringLiteral("Log Partial")},
        {"remembered quick log", 0, {}, QStringLiteral("Quick Log"), QStringLiteral("Quick Log")},
        {"remembered pay now without a site", 0, {}, QStringLiteral("Pay Now"), QStringLiteral("Log Partial")},
        {"skip by setting", 3, {}, QString(), QStringLiteral("Skip Payment")},
        {"quick log by setting", 4, {}, QStringLiteral("Skip Payment"), QStringLiteral("Quick Log")},
        {"web site by setting", 6, {{BillKeys::PaySite, site}}, QString(), QStringLiteral("View Website")},
        {"pay now by setting without a site", 7, {}, QString(), QStringLiteral("Log Partial")},
        {"edit by setting", 9, {}, QString(), QStringLiteral("Edit Bill")},
        {"edit income by setting", 9, {{BillKeys::IsIncome, true}}, QString(), QStringLiteral("Edit Income")},
        {"unknown setting", 42, {}, QString(), QStringLiteral("Log Partial")},
    };
    for (const AlternateCase& alternate : cases) {
        SCOPED_TRACE(alternate.what);
        defaults.setInteger(BWDefaultsKeys::BWSecondaryActionSetting, alternate.setting);
        const QString billID = storeBill(QStringLiteral("Item"), 3, alternate.changes);
        if (!alternate.remembered.isEmpty())
            BWBillsLoader(env).setDefaultAction(alternate.remembered, billID);
        show(billID);
        EXPECT_EQ(page->actionsMenu()->alternateTitle(), alternate.expected);
        EXPECT_EQ(page->actionsAlternateButton()->text(), alternate.expected);
    }
}

TEST_F(BillPageTest, AChosenCommandBecomesTheAlternateActionOnlyWhenRemembering)
{
    const QString billID = storeBill(QStringLiteral("Rent"), 3);
    for (const qlonglong setting : {qlonglong(0), qlonglong(4)}) {
        SCOPED_TRACE(setting);
        defaults.setInteger(BWDefaultsKeys::BWSecondaryActionSetting, setting);
        BWBillsLoader(env).setDefaultAction(QStringLiteral("Log Partial"), billID);
        show(billID);
        const QString before = page->actionsMenu()->alternateTitle();
        QSignalSpy skips(page->actionsMenu(), &BWBillActionsMenu::skipRequested);
        page->actionsMenu()->choose(page->actionsMenu()->items().at(1));
        EXPECT_EQ(skips.size(), 1);
        show(billID);
        EXPECT_EQ(page->actionsMenu()->alternateTitle(), setting == 0 ? QStringLiteral("Skip Payment") : before);
    }
}

TEST_F(BillPageTest, TheAlternateButtonRepeatsItsCommandWithTheKindOfPayment)
{
    const QString billID = storeBill(QStringLiteral("Rent"), 3);
    BWBillsLoader(env).setDefaultAction(QStringLiteral("Quick Log"), billID);
    show(billID);
    QSignalSpy logs(page->actionsMenu(), &BWBillActionsMenu::logRequested);
    page->actionsAlternateButton()->click();
    ASSERT_EQ(logs.size(), 1);
    EXPECT_EQ(SenderTag::of(logs.at(0).at(0).value<QObject*>()), BWBillActionsMenu::QuickLogTag);
    // A click repeats; it remembers nothing new.
    EXPECT_EQ(page->actionsMenu()->alternateTitle(), QStringLiteral("Quick Log"));
}

// An archived bill's payment commands are greyed wherever they are offered:
// in both actions menus, the table's context menu, the bottom bar and the
// bill page; nothing that offers them can still log or skip.
TEST_F(BillPageTest, AnArchivedBillOffersNoPaymentCommandAnywhere)
{
    const QString site = QStringLiteral("https://bank.example/pay");
    const QString billID = storeBill(QStringLiteral("Rent"), 3, {{BillKeys::PaySite, site}});
    ASSERT_TRUE(BWBill(env).archiveBillWithBid(billID));
    BWBillsLoader(env).setDefaultAction(QStringLiteral("Quick Log"), billID);
    const QVariantMap before = storedFile(billID);
    const QStringList refused{QStringLiteral("Log Partial"), QStringLiteral("Skip Payment"), QStringLiteral("Quick Log"),
                              QStringLiteral("Pay Now")};

    show(billID);
    chooseList(BWOverviewController::ArchivedItems);
    ASSERT_EQ(shownNames(), QStringList{QStringLiteral("Rent")});
    clickRow(0);
    const std::unique_ptr<QMenu> contextMenu = overview->contextMenuForRow(0);
    ASSERT_TRUE(contextMenu);
    for (BWBillActionsMenu* menu : {page->actionsMenu(), overview->bottomBar().actionsMenu()}) {
        EXPECT_EQ(menu->availableActions(), (QStringList{QStringLiteral("View Website"), QStringLiteral("Edit Bill")}));
        EXPECT_EQ(menu->alternateTitle(), QStringLiteral("View Website"));
        QSignalSpy logs(menu, &BWBillActionsMenu::logRequested);
        QSignalSpy skips(menu, &BWBillActionsMenu::skipRequested);
        for (QAction* item : menu->items()) {
            if (item->isSeparator())
                continue;
            SCOPED_TRACE(item->text().toStdString());
            EXPECT_EQ(item->isEnabled(), !refused.contains(item->text()));
            if (refused.contains(item->text()))
                menu->choose(item);
        }
        EXPECT_TRUE(logs.isEmpty());
        EXPECT_TRUE(skips.isEmpty());
    }
    for (const QAction* item : contextMenu->actions()) {
        if (refused.contains(item->text())) {
            EXPECT_FALSE(item->isEnabled()) << item->text().toStdString();
        }
    }
    const auto* popupEntries = qobject_cast<QStandardItemModel*>(overview->bottomBar().actionsPopupButton()->model());
    ASSERT_TRUE(popupEntries);
    for (int row = 1; row < overview->bottomBar().actionsPopupButton()->count(); ++row) {
        if (refused.contains(overview->bottomBar().actionsPopupButton()->itemText(row))) {
            EXPECT_FALSE(popupEntries->item(row)->isEnabled()) << row;
        }
    }
    for (const QWidget* control : std::initializer_list<const QWidget*>{
             overview->overviewButtonLog(), overview->bottomBar().overviewButtonPartial(),
             overview->bottomBar().payNowOverviewButton(), page->logPaymentButtonDetail(), page->logPartialPopUp(),
             page->skipButton(), page->payNowButton()})
        EXPECT_FALSE(control->isEnabled()) << control->metaObject()->className();

    overview->setConfirmation([](QWidget*, const QString&, const QString&, const QString&) { return true; });
    EXPECT_FALSE(overview->skipFromActionsButtonMenu());
    EXPECT_FALSE(page->skipPayment());
    EXPECT_EQ(storedFile(billID), before);

    // Restored, it takes payments again.
    ASSERT_TRUE(BWBill(env).restoreBillWithBid(billID));
    show(billID);
    EXPECT_TRUE(page->logPaymentButtonDetail()->isEnabled());
    EXPECT_TRUE(page->skipButton()->isEnabled());
    EXPECT_EQ(page->actionsMenu()->alternateTitle(), QStringLiteral("Quick Log"));
}

// ---- The overview's actions --------------------------------------------------------

TEST_F(BillPageTest, SkippingFromTheOverviewKeepsTheSkippedBillSelected)
{
    storeBill(QStringLiteral("Water"), 1);
    const QString rent = storeBill(QStringLiteral("Rent"), 2);
    storeBill(QStringLiteral("Power"), 5);
    overview->loadOverview();
    clickRow(rowOf(QStringLiteral("Rent")));
    const QDateTime due = storedFile(rent).value(BillKeys::DueDate).toDateTime();

    QString askedAbout;
    overview->setConfirmation([&askedAbout](QWidget*, const QString&, const QString& subject, const QString&) {
        askedAbout = subject;
        return false;
    });
    EXPECT_FALSE(overview->skipFromActionsButtonMenu());
    EXPECT_EQ(askedAbout, QStringLiteral("Rent"));
    EXPECT_EQ(storedFile(rent).value(BillKeys::DueDate).toDateTime(), due);

    overview->setConfirmation([](QWidget*, const QString&, const QString&, const QString&) { return true; });
    EXPECT_TRUE(overview->skipFromActionsButtonMenu());
    EXPECT_EQ(storedFile(rent).value(BillKeys::DueDate).toDateTime(), due.toLocalTime().addMonths(1).toUTC());
    EXPECT_TRUE(storedFile(rent).value(BillKeys::PaymentList).toList().isEmpty());
    // Rent moved to the bottom of the list and is still the one selected.
    EXPECT_EQ(rowOf(QStringLiteral("Rent")), 2);
    EXPECT_EQ(selectedRows(), QList<int>{2});
}

// The overview's question and the bill page's skip popover ask alike.
TEST_F(BillPageTest, BothSkipsAskTheSameQuestionAboutTheBill)
{
    const QString rent = storeBill(QStringLiteral("Rent"), 2);
    overview->loadOverview();
    clickRow(rowOf(QStringLiteral("Rent")));
    QString overviewQuestion;
    overview->setConfirmation(
        [&overviewQuestion](QWidget*, const QString& question, const QString& subject, const QString&) {
            overviewQuestion = question + u'\n' + subject;
            return false;
        });
    overview->skipFromActionsButtonMenu();

    page->loadBillWithID(rent);
    page->showSkipPaymentPopover(nullptr);
    QStringList popoverTexts;
    for (const QLabel* label : page->skipPaymentPopover()->findChildren<QLabel*>())
        popoverTexts.append(label->text());
    EXPECT_EQ(overviewQuestion, QStringLiteral("Are you sure you want to skip the next payment for this bill?\nRent"));
    EXPECT_TRUE(popoverTexts.contains(overviewQuestion)) << popoverTexts.join(u'|').toStdString();
}

TEST_F(BillPageTest, TheContextMenuActsOnTheClickedRowOrTheSelectionItLiesIn)
{
    storeBill(QStringLiteral("Water"), 1);
    storeBill(QStringLiteral("Rent"), 2);
    storeBill(QStringLiteral("Power"), 5);
    overview->loadOverview();
    clickRow(0);
    clickRow(1, true);

    // A row outside the selection becomes the selection.
    auto outside = overview->contextMenuForRow(2);
    ASSERT_TRUE(outside);
    EXPECT_EQ(selectedRows(), QList<int>{2});
    EXPECT_TRUE(titles(outside->actions()).contains(QStringLiteral("Quick Log")));

    // A row inside the selection keeps it, and archiving takes it all.
    clickRow(0);
    clickRow(1, true);
    auto inside = overview->contextMenuForRow(0);
    ASSERT_TRUE(inside);
    EXPECT_EQ(selectedRows(), (QList<int>{0, 1}));
    EXPECT_FALSE(titles(inside->actions()).contains(QStringLiteral("Quick Log")));
    ASSERT_EQ(overview->archiveContextMenuItem()->text(), QStringLiteral("Archive"));
    overview->archiveContextMenuItem()->trigger();
    EXPECT_EQ(shownNames(), QStringList{QStringLiteral("Power")});

    // In the archive the same item restores.
    chooseList(BWOverviewController::ArchivedItems);
    EXPECT_EQ(overview->archiveContextMenuItem()->text(), QStringLiteral("Restore"));
    EXPECT_EQ(overview->contextMenuForRow(5), nullptr);
}
