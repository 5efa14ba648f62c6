#include "OverviewTestFixture.h"

#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QTableWidget>

#include "screens/BWIncomeController.h"
#include "store/BWIncomeManager.h"

namespace {

// The popover over the overview fixture's data folder, on 8 March 2016.
class IncomeSourcesPopoverTest : public OverviewTest
{
protected:
    IncomeSourcesPopoverTest() { income.showIncomePopover(nullptr); }

    QVariantList stored() const { return BWIncomeManager(env).getIncomeSources().value_or(QVariantList()); }
    void fill(const QString& description, const QString& amount, int payDay, IncomeRepeat repeat)
    {
        income.descriptionField()->setText(description);
        income.amountField()->setText(amount);
        income.payDateField()->setCurrentIndex(payDay);
        income.repeatsField()->setCurrentIndex(int(repeat));
    }

    BWIncomeController income{env};
};

}  // namespace

TEST_F(IncomeSourcesPopoverTest, PayDayTitlesNameTheDaysOfTheMonthItOpensIn)
{
    EXPECT_EQ(income.payDateField()->itemText(0), QStringLiteral("Mar 1"));
    EXPECT_EQ(income.payDateField()->itemText(27), QStringLiteral("Mar 28"));
    EXPECT_EQ(income.payDateField()->itemText(28), QStringLiteral("Last Day of Month"));
    income.incomePopover()->hide();
    clock.setNow(localMoment(2016, 4, 2, 10));
    income.showIncomePopover(nullptr);
    EXPECT_EQ(income.payDateField()->itemText(4), QStringLiteral("Apr 5"));
}

TEST_F(IncomeSourcesPopoverTest, AWeeklySourceCarriesThreeYearsOfPayDates)
{
    income.createNewIncome();
    QTRY_VERIFY(income.incomeEditorBox()->isVisibleTo(income.incomePopover()));
    EXPECT_FALSE(income.deleteButton()->isVisibleTo(income.incomePopover()));
    fill(QStringLiteral("Wages"), QStringLiteral("250"), 4, IncomeRepeat::Weekly);
    ASSERT_TRUE(income.saveIncome());
    const QVariantList sources = stored();
    ASSERT_EQ(sources.size(), 1);
    const QVariantList dates = sources.first().toMap().value(IncomeSourceKeys::IncomeDates).toList();
    ASSERT_EQ(dates.size(), 157);
    EXPECT_EQ(dates.first().toDateTime().toLocalTime().date(), QDate(2016, 3, 5));
    EXPECT_EQ(income.tableView()->rowCount(), 1);
    EXPECT_EQ(income.tableView()->item(0, 2)->text(), QStringLiteral("Mar 5"));
    EXPECT_FALSE(income.incomeEditorBox()->isVisibleTo(income.incomePopover()));
}

TEST_F(IncomeSourcesPopoverTest, EditingReplacesTheSourceInPlaceAndDropsOldPayDates)
{
    income.createNewIncome();
    fill(QStringLiteral("Wages"), QStringLiteral("250"), 4, IncomeRepeat::Weekly);
    ASSERT_TRUE(income.saveIncome());
    const QString iid = stored().first().toMap().value(IncomeSourceKeys::Iid).toString();

    clock.setNow(localMoment(2016, 3, 9, 10));
    income.editIncomeAtRow(0);
    QTRY_VERIFY(income.deleteButton()->isVisibleTo(income.incomePopover()));
    income.repeatsField()->setCurrentIndex(int(IncomeRepeat::Monthly));
    ASSERT_TRUE(income.saveIncome());
    const QVariantMap saved = stored().first().toMap();
    EXPECT_EQ(stored().size(), 1);
    EXPECT_EQ(saved.value(IncomeSourceKeys::Iid).toString(), iid);
    EXPECT_FALSE(saved.contains(IncomeSourceKeys::IncomeDates));
    EXPECT_EQ(saved.value(IncomeSourceKeys::CreationDate).toDateTime(), localMoment(2016, 3, 9, 10));
}

TEST_F(IncomeSourcesPopoverTest, BadAmountsAreRefusedAndDeleteRemovesOnlyAnEditedSource)
{
    income.createNewIncome();
    fill(QStringLiteral("Gift"), QStringLiteral("lots"), 0, IncomeRepeat::OneTime);
    EXPECT_FALSE(income.saveIncome());
    EXPECT_TRUE(stored().isEmpty());
    income.amountField()->setText(QStringLiteral("40"));
    ASSERT_TRUE(income.saveIncome());

    income.createNewIncome();
    ASSERT_TRUE(income.deleteIncome());
    EXPECT_EQ(stored().size(), 1);
    income.editIncomeAtRow(0);
    ASSERT_TRUE(income.deleteIncome());
    EXPECT_TRUE(stored().isEmpty());
}

// An empty list says what a source is and how to add one, and goes once
// there is a source.
TEST_F(IncomeSourcesPopoverTest, TheEmptyListSaysWhatASourceIsAndHowToAddOne)
{
    QWidget* popover = income.incomePopover();
    ASSERT_TRUE(income.emptyNote()->isVisibleTo(popover));
    EXPECT_TRUE(income.emptyNote()->text().contains(QStringLiteral("Add Income Source")));
    EXPECT_TRUE(income.emptyNote()->text().contains(QStringLiteral("+ Income")));

    income.createNewIncome();
    fill(QStringLiteral("Wages"), QStringLiteral("250"), 4, IncomeRepeat::Monthly);
    ASSERT_TRUE(income.saveIncome());
    EXPECT_FALSE(income.emptyNote()->isVisibleTo(popover));

    income.incomePopover()->hide();
    income.showIncomePopover(nullptr);
    EXPECT_FALSE(income.emptyNote()->isVisibleTo(popover));
    income.editIncomeAtRow(0);
    ASSERT_TRUE(income.deleteIncome());
    EXPECT_TRUE(income.emptyNote()->isVisibleTo(popover));
}

// The editor waits for the table to make room; the add button waits for the
// table to take the room back.
TEST_F(IncomeSourcesPopoverTest, TheTableMakesRoomForTheEditorFirst)
{
    income.createNewIncome();
    EXPECT_FALSE(income.incomeEditorBox()->isVisibleTo(income.incomePopover()));
    EXPECT_FALSE(income.addIncomeButton()->isVisibleTo(income.incomePopover()));
    QTRY_VERIFY(income.incomeEditorBox()->isVisibleTo(income.incomePopover()));
    EXPECT_EQ(income.tableView()->height(), 121);
    income.cancelIncome();
    EXPECT_FALSE(income.incomeEditorBox()->isVisibleTo(income.incomePopover()));
    QTRY_VERIFY(income.addIncomeButton()->isVisibleTo(income.incomePopover()));
    EXPECT_EQ(income.tableView()->height(), 208);
}

TEST_F(IncomeSourcesPopoverTest, TheContextMenuEditsAndDeletesItsRow)
{
    for (const QString& name : {QStringLiteral("Wages"), QStringLiteral("Rent In")}) {
        income.createNewIncome();
        fill(name, QStringLiteral("100"), 0, IncomeRepeat::Monthly);
        ASSERT_TRUE(income.saveIncome());
    }
    EXPECT_EQ(income.contextMenuForRow(-1), nullptr);
    EXPECT_EQ(income.contextMenuForRow(2), nullptr);
    std::unique_ptr<QMenu> menu = income.contextMenuForRow(1);
    ASSERT_NE(menu, nullptr);
    ASSERT_EQ(menu->actions().size(), 2);
    menu->actions().at(0)->trigger();   // Edit
    EXPECT_EQ(income.descriptionField()->text(), QStringLiteral("Rent In"));
    income.cancelIncome();
    income.contextMenuForRow(0)->actions().at(1)->trigger();   // Delete
    ASSERT_EQ(stored().size(), 1);
    EXPECT_EQ(stored().first().toMap().value(IncomeSourceKeys::Description).toString(), QStringLiteral("Rent In"));
}

TEST(IncomeSourcesPopoverPlace, StaysOnTheScreen)
{
    const QRect screen(0, 0, 1000, 800);
    const QSize popover(360, 300);
    const struct {
        const char* name;
        QRect anchor;
        QPoint expected;
    } cases[] = {
        {"above, centred", QRect(400, 500, 100, 20), QPoint(269, 200)},
        {"below when no room above", QRect(400, 100, 100, 20), QPoint(269, 120)},
        {"pushed in from the left", QRect(0, 500, 40, 20), QPoint(0, 200)},
        {"pushed in from the right", QRect(960, 500, 40, 20), QPoint(640, 200)},
        {"above, near the bottom", QRect(400, 790, 100, 10), QPoint(269, 490)},
    };
    for (const auto& c : cases)
        EXPECT_EQ(BWIncomeController::popoverPosition(c.anchor, popover, screen), c.expected) << c.name;
    EXPECT_EQ(BWIncomeController::popoverPosition(QRect(400, 100, 100, 20), popover, QRect()), QPoint(269, -200));
}
