// The overview's parts on their own: the side bar, the header bar, the
// bottom bar, the vacation popover and the column layout.
#include "support/ScreenTestStore.h"

#include "platform/UserDefaults.h"
#include "screens/BWBillActionsMenu.h"
#include "screens/BWOverviewBottomBar.h"
#include "screens/BWOverviewHeader.h"
#include "screens/BWOverviewSidebar.h"
#include "screens/BWOverviewTableModel.h"
#include "screens/BWTableColumnLayout.h"
#include "screens/BWVacationPopover.h"
#include "store/BWBillsLoader.h"
#include "store/BWDefaultsKeys.h"
#include "widgets/BGHUDBox.h"
#include "widgets/BGHUDLabel.h"
#include "widgets/BGHUDView.h"
#include "widgets/BWDateField.h"
#include "widgets/KBButton.h"

#include <QCheckBox>
#include <QFrame>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QSignalSpy>
#include <QStandardItemModel>
#include <QTableView>
#include <QTest>
#include <QToolButton>

namespace {

class OverviewPartsTest : public ScreenTestStore
{
protected:
    OverviewPartsTest()
        : ScreenTestStore(QDate(2016, 3, 8), QTime(10, 0))
    {
        defaults.registerDefaults({{BWDefaultsKeys::BWDueSoonDays, 7}, {BWDefaultsKeys::BWEnableDocklet, true}});
    }
    QDateTime inDays(int days) const { return QDateTime(clock.today().addDays(days), QTime(9, 0)).toUTC(); }
    QVariantMap loaded(const QString& billID) const { return BWBillsLoader(env).loadBillWithID(billID).value(); }

    QWidget window;
};

}  // namespace

TEST_F(OverviewPartsTest, TheSideBarCountsAnItemOnceAndBadgesOnlyWhileTheBadgeIsOn)
{
    BWOverviewSidebar sidebar(env, &window, nullptr);
    QSignalSpy badges(&sidebar, &BWOverviewSidebar::dockBadgeChanged);
    const QVariantMap rent = loaded(store(bill(QStringLiteral("Rent"), inDays(2))));
    QVariantMap again = rent;  // a further occurrence of the same item
    again.insert(BillKeys::DueDate, inDays(5));
    const QVariantList list{rent, again, loaded(store(bill(QStringLiteral("Car"), inDays(30))))};

    const BWOverviewSidebar::Figures figures = sidebar.figuresForList(list, false);
    EXPECT_EQ(figures.dueSoonCount, 1);
    EXPECT_EQ(figures.dueSoonAmount, 100.0);
    sidebar.show(list, list, false, figures);
    EXPECT_EQ(sidebar.dueSoonNumField()->text(), QStringLiteral("1"));
    EXPECT_EQ(sidebar.dockBadge(), QStringLiteral("1"));
    EXPECT_EQ(badges.last().first().toString(), QStringLiteral("1"));

    defaults.setBool(BWDefaultsKeys::BWEnableDocklet, false);
    sidebar.show(list, list, false);
    EXPECT_EQ(sidebar.dockBadge(), QString());

    sidebar.highlight(sidebar.dueMonthHighlightBox());
    EXPECT_FALSE(sidebar.dueMonthHighlightBox()->isHidden());
    EXPECT_TRUE(sidebar.dueSoonHighlightbox()->isHidden());
}

TEST_F(OverviewPartsTest, TheTagFieldReadsEachTagOnceAndIsNotOverwrittenWhileTyped)
{
    BWOverviewSidebar sidebar(env, &window, nullptr);
    sidebar.showTags({QStringLiteral("Home"), QStringLiteral("Car")});
    EXPECT_EQ(sidebar.tagList()->text(), QStringLiteral("Home, Car"));
    sidebar.tagList()->setText(QStringLiteral(" Home ,Car, Home"));
    EXPECT_EQ(sidebar.tagsTyped(), (QStringList{QStringLiteral("Home"), QStringLiteral("Car")}));

    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    sidebar.tagList()->setFocus();
    ASSERT_TRUE(QTest::qWaitFor([&] { return sidebar.tagList()->hasFocus(); }, 5000));
    sidebar.showTags({QStringLiteral("Work")});
    EXPECT_EQ(sidebar.tagList()->text(), QStringLiteral(" Home ,Car, Home"));
}

TEST_F(OverviewPartsTest, TheHeaderTellsAPartFromAllItemsAndOffersEachTagUnderTheMagnifier)
{
    BWOverviewHeader header(&window, nullptr);
    header.showListOfAllItems(false);
    EXPECT_FALSE(header.showAllButton()->isHidden());
    header.showListOfAllItems(true);
    EXPECT_TRUE(header.showAllButton()->isHidden());

    QSignalSpy chosen(&header, &BWOverviewHeader::searchTagChosen);
    header.setSearchTags({QStringLiteral("Rock & Roll"), QStringLiteral("Home")});
    ASSERT_EQ(header.searchMenu()->actions().size(), 2);
    header.searchMenu()->actions().first()->trigger();
    ASSERT_EQ(chosen.size(), 1);
    EXPECT_EQ(chosen.first().first().value<QAction*>()->data().toString(), QStringLiteral("Rock & Roll"));

    header.showVacation(true);
    EXPECT_EQ(header.airplaneButton()->property("imageName").toString(), QStringLiteral("893-airplaneselect"));
    header.showVacation(false);
    EXPECT_EQ(header.airplaneButton()->property("imageName").toString(), QStringLiteral("893-airplane"));
}

TEST_F(OverviewPartsTest, TheBottomBarSumsUpNoneOneOrSeveralSelectedItems)
{
    BWOverviewTableModel model(env);
    BWOverviewBottomBar bar(env, model, &window, nullptr);
    const QVariantMap rent = loaded(store(bill(QStringLiteral("Rent"), inDays(2), {{BillKeys::Amount, 900.0}})));
    QVariantMap salary = loaded(
        store(bill(QStringLiteral("Salary"), inDays(3), {{BillKeys::Amount, 2000.0}, {BillKeys::IsIncome, true}})));

    bar.showSelection({{}, true, false});
    EXPECT_TRUE(bar.actionText()->text().startsWith(QStringLiteral("No bills yet")));
    bar.showSelection({{}, false, false});
    EXPECT_EQ(bar.actionText()->text(), QStringLiteral("Select a bill to view available actions."));
    EXPECT_TRUE(bar.actionBox()->isHidden());

    bar.showSelection({{rent}, false, false});
    EXPECT_FALSE(bar.actionBox()->isHidden());
    EXPECT_TRUE(bar.overviewButtonLog()->isEnabled());
    EXPECT_FALSE(bar.actionsMenu()->items().isEmpty());

    bar.showSelection({{salary}, false, false});
    EXPECT_TRUE(bar.overviewButtonLog()->isHidden());

    bar.showSelection({{rent, salary}, false, false});
    EXPECT_TRUE(bar.actionBox()->isHidden());
    EXPECT_EQ(bar.actionText()->text(), QStringLiteral("2 items selected. Estimated balance: $1,100.00"));
}

TEST_F(OverviewPartsTest, TheVacationPopoverShowsWhatIsStoredAndStoresWhatIsChanged)
{
    BWVacationPopover vacation(env);
    QSignalSpy closed(&vacation, &BWVacationPopover::closed);
    defaults.setBool(BWDefaultsKeys::VacationEnabled, false);
    defaults.setObject(BWDefaultsKeys::VacationStartDate, QDateTime(QDate(2016, 4, 1), QTime(0, 0)));
    defaults.setObject(BWDefaultsKeys::VacationEndTime, QDateTime(QDate(4001, 1, 1), QTime(0, 0)));
    window.show();
    vacation.showBelow(&window);
    EXPECT_EQ(vacation.vacationStart()->date(), QDate(2016, 4, 1));
    EXPECT_EQ(vacation.vacationEnd()->date(), QDate(2016, 4, 1));  // an unset end shows as the start
    vacation.popover()->close();
    ASSERT_EQ(closed.size(), 1);
    EXPECT_FALSE(closed.last().first().toBool());

    vacation.showBelow(&window);
    vacation.vacationSwitch()->setChecked(true);
    EXPECT_TRUE(defaults.boolForKey(BWDefaultsKeys::VacationEnabled));
    EXPECT_EQ(defaults.dateForKey(BWDefaultsKeys::VacationEndTime), QDateTime(QDate(2016, 4, 1), QTime(23, 59, 59)));
    vacation.popover()->close();
    ASSERT_EQ(closed.size(), 2);
    EXPECT_TRUE(closed.last().first().toBool());
}

TEST_F(OverviewPartsTest, ColumnWidthsComeBackOnceAndTheSortOrderStaysTheRunsOwn)
{
    QStandardItemModel model(1, 3);
    QTableView table;
    table.setModel(&model);
    QHeaderView* header = table.horizontalHeader();
    header->setSortIndicatorShown(true);
    const QString key = QStringLiteral("Columns");
    {
        BWTableColumnLayout layout(*header, defaults, key, nullptr);
        layout.restoreOnce();
        header->setSortIndicator(2, Qt::DescendingOrder);
        header->resizeSection(1, 222);
        QTRY_VERIFY(!defaults.objectForKey(key).toByteArray().isEmpty());
    }
    QTableView later;
    later.setModel(&model);
    later.horizontalHeader()->setSortIndicator(0, Qt::AscendingOrder);
    BWTableColumnLayout layout(*later.horizontalHeader(), defaults, key, nullptr);
    EXPECT_FALSE(layout.isRestored());
    layout.restoreOnce();
    EXPECT_TRUE(layout.isRestored());
    EXPECT_EQ(later.horizontalHeader()->sectionSize(1), 222);
    EXPECT_EQ(later.horizontalHeader()->sortIndicatorSection(), 0);
}
