#include "widgets/LRCalendarAppDelegate.h"
#include "widgets/LRCalendarDayCell.h"
#include "widgets/LRCalendarView.h"
#include "widgets/LRCalendarViewDelegate.h"

#include <QLabel>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

#include "platform/Clock.h"
#include "support/ShownText.h"

namespace {

struct FakeApplication : LRCalendarAppDelegate
{
    QVariantList bills;
    QStringList opened;
    int billRequests = 0;

    QVariantList getBills() override
    {
        ++billRequests;
        return bills;
    }
    void showBillFromSearch(const QString& billId) override { opened << billId; }
};

struct RecordingDelegate : LRCalendarViewDelegate
{
    QList<QDate> focused;
    int selectionChanges = 0;

    void selectionDidChange(LRCalendarView*) override { ++selectionChanges; }
    void dateFocused(const QDate& day) override { focused << day; }
};

QVariantMap bill(const QString& id, const QString& name, const QDate& due, const QString& dueIcon,
                 bool income = false)
{
    return {{LRCalendarRecordKeys::Bid, id},
            {LRCalendarRecordKeys::Name, name},
            {LRCalendarRecordKeys::DueDate, QDateTime(due, QTime(0, 0)).toUTC()},
            {LRCalendarRecordKeys::DueIcon, dueIcon},
            {LRCalendarRecordKeys::IsIncome, income}};
}

class LRCalendarViewTest : public ::testing::Test
{
protected:
    LRCalendarViewTest()
    {
        clock.setNow(QDateTime(QDate(2026, 2, 10), QTime(12, 0)));
        view = std::make_unique<LRCalendarView>(clock);
        view->setAppDelegate(&application);
        view->setDelegate(&delegate);
        // A 400-point grid band under the 51-point header.
        view->resize(700, 451);
    }

    void focusMonth(int year, int month)
    {
        view->setFocusDateWithoutHighlight(QDate(year, month, 1));
        view->drawCalendar();
    }

    LRCalendarDayCell* cellFor(const QDate& day) const
    {
        for (int key = 0; key < 7 * view->weekRowCount(); ++key)
            if (view->dayCell(key)->date() == day)
                return view->dayCell(key);
        return nullptr;
    }

    int visibleCells() const
    {
        int visible = 0;
        for (int key = 0; key < LRCalendarView::cellCount; ++key)
            visible += view->dayCell(key)->isVisibleTo(view.get()) ? 1 : 0;
        return visible;
    }

    Clock clock;
    FakeApplication application;
    RecordingDelegate delegate;
    std::unique_ptr<LRCalendarView> view;
};

TEST_F(LRCalendarViewTest, FebruaryStartingOnSundayShowsFourWeeks)
{
    focusMonth(2026, 2);
    EXPECT_EQ(view->weekRowCount(), 4);
    EXPECT_EQ(visibleCells(), 28);
    EXPECT_EQ(view->dayCell(0)->date(), QDate(2026, 2, 1));
    EXPECT_EQ(view->dayCell(27)->date(), QDate(2026, 2, 28));
    EXPECT_FALSE(view->dayCell(28)->isVisibleTo(view.get()));
}

TEST_F(LRCalendarViewTest, LongMonthStartingOnSaturdayShowsSixWeeks)
{
    focusMonth(2026, 8);
    EXPECT_EQ(view->weekRowCount(), 6);
    EXPECT_EQ(visibleCells(), 42);
    EXPECT_EQ(view->dayCell(0)->date(), QDate(2026, 7, 26));
    EXPECT_EQ(view->dayCell(41)->date(), QDate(2026, 9, 5));
}

TEST_F(LRCalendarViewTest, WeeksStartOnSundayWhateverTheMonth)
{
    EXPECT_EQ(LRCalendarView::weeksInMonth(QDate(2026, 3, 17)), 5);   // starts Sunday, 31 days
    EXPECT_EQ(LRCalendarView::weeksInMonth(QDate(2026, 1, 1)), 5);    // starts Thursday
    EXPECT_EQ(LRCalendarView::weeksInMonth(QDate(2025, 11, 30)), 6);  // starts Saturday, 30 days
    EXPECT_EQ(LRCalendarView::weeksInMonth(QDate(2026, 5, 31)), 6);   // starts Friday, 31 days
    EXPECT_EQ(LRCalendarView::weeksInMonth(QDate(2027, 2, 1)), 5);    // starts Monday, 28 days
}

TEST_F(LRCalendarViewTest, GridRowsShareTheBandBelowTheHeaderAndOverlapByOnePoint)
{
    focusMonth(2026, 2);
    EXPECT_EQ(view->dayCell(0)->geometry(), QRect(0, 50, 101, 101));
    EXPECT_EQ(view->dayCell(7)->geometry(), QRect(0, 150, 101, 101));
    EXPECT_EQ(view->dayCell(27)->geometry(), QRect(600, 350, 101, 101));
    EXPECT_EQ(view->weekdayField(3)->geometry(), QRect(300, 31, 101, 20));
    EXPECT_EQ(view->currentMonthField()->geometry(), QRect(9, 4, 400, 25));
    EXPECT_EQ(view->leftButton()->geometry(), QRect(619, 0, 20, 30));
    EXPECT_EQ(view->todayButton()->geometry(), QRect(658, 0, 40, 30));
}

TEST_F(LRCalendarViewTest, HiddenWeekendsPushSundayAndSaturdayOutOfTheView)
{
    focusMonth(2026, 2);
    view->setHiddenWeekends(1);
    EXPECT_EQ(view->weekdayField(0)->geometry().left(), -140);
    EXPECT_EQ(view->weekdayField(1)->geometry().left(), 0);
    EXPECT_EQ(view->weekdayField(5)->geometry().right(), 700);
    EXPECT_GE(view->weekdayField(6)->geometry().left(), 699);
    EXPECT_EQ(view->dayCell(1)->geometry().width(), 141);
}

TEST_F(LRCalendarViewTest, WeeklyViewShowsTheFocusedWeekInTallRows)
{
    view->setFocusDateWithoutHighlight(QDate(2026, 2, 11));  // a Wednesday
    view->setWeeklyView();
    EXPECT_EQ(view->weekRowCount(), 1);
    EXPECT_EQ(visibleCells(), 7);
    EXPECT_EQ(view->dayCell(0)->date(), QDate(2026, 2, 8));
    EXPECT_EQ(view->dayCell(0)->dayRowHeight(), 50);
    EXPECT_EQ(view->dayCell(0)->geometry(), QRect(0, 50, 101, 401));
}

TEST_F(LRCalendarViewTest, NeighbouringMonthDaysShowNoNumberAndAreGreyed)
{
    focusMonth(2026, 1);
    LRCalendarDayCell* december = view->dayCell(0);
    ASSERT_EQ(december->date(), QDate(2025, 12, 28));
    EXPECT_EQ(december->textForRow(0), QString());
    EXPECT_FALSE(december->isDayEnabled());
    EXPECT_TRUE(december->isEnabled());  // still takes clicks for its entries
    EXPECT_EQ(december->tag(), 0);
    EXPECT_EQ(view->dayCell(4)->textForRow(0), QStringLiteral("1"));
    EXPECT_TRUE(view->dayCell(4)->isDayEnabled());
}

TEST_F(LRCalendarViewTest, WeeklyViewAcrossMonthsMarksEveryDayButNumbersOnlyTheFocusMonth)
{
    application.bills = {bill("A", "Rent", QDate(2026, 4, 2), "green5.png")};
    view->setFocusDateWithoutHighlight(QDate(2026, 3, 31));
    view->setWeeklyView();
    LRCalendarDayCell* april = cellFor(QDate(2026, 4, 2));
    ASSERT_TRUE(april);
    EXPECT_EQ(april->tag(), 1);
    EXPECT_EQ(april->textForRow(0), QString());
    EXPECT_FALSE(april->isDayEnabled());
    EXPECT_EQ(april->dotImageName(), QStringLiteral("greendot16"));
    EXPECT_EQ(cellFor(QDate(2026, 3, 31))->textForRow(0), QStringLiteral("31"));
}

TEST_F(LRCalendarViewTest, TodayTintWinsOverTheFocusTint)
{
    focusMonth(2026, 2);
    view->setFocusDateWithoutHighlight(QDate(2026, 2, 10));
    EXPECT_EQ(cellFor(QDate(2026, 2, 10))->backgroundColor(), view->todayColor());
    view->setFocusDateWithoutHighlight(QDate(2026, 2, 12));
    EXPECT_EQ(cellFor(QDate(2026, 2, 12))->backgroundColor(), view->focusDayColor());
    EXPECT_EQ(cellFor(QDate(2026, 2, 10))->backgroundColor(), view->todayColor());
    EXPECT_EQ(cellFor(QDate(2026, 2, 11))->backgroundColor(), view->calendarBackgroundColor());
}

TEST_F(LRCalendarViewTest, NavigationStepsMonthsOrWeeksWithoutTellingTheDelegate)
{
    focusMonth(2026, 1);
    view->setFocusDateWithoutHighlight(QDate(2026, 1, 31));
    view->changeDateIncrementally(QStringLiteral(">"));
    EXPECT_EQ(view->focusDate(), QDate(2026, 2, 28));
    EXPECT_EQ(view->currentMonthField()->text(), QStringLiteral("February 2026"));
    view->changeDateIncrementally(QStringLiteral("<"));
    EXPECT_EQ(view->focusDate(), QDate(2026, 1, 28));

    view->setWeeklyView();
    view->changeDateIncrementally(QStringLiteral(">"));
    EXPECT_EQ(view->focusDate(), QDate(2026, 2, 4));
    view->changeDateIncrementally(QStringLiteral("<"));
    view->changeDateIncrementally(QStringLiteral("<"));
    EXPECT_EQ(view->focusDate(), QDate(2026, 1, 21));

    view->changeDateIncrementally(QStringLiteral("Today"));
    EXPECT_EQ(view->focusDate(), clock.today());
    EXPECT_TRUE(delegate.focused.isEmpty());
}

TEST_F(LRCalendarViewTest, NavigationButtonsCarryTheirTitles)
{
    focusMonth(2026, 2);
    QTest::mouseClick(view->rightButton(), Qt::LeftButton);
    EXPECT_EQ(view->focusDate(), QDate(2026, 3, 1));
    QTest::mouseClick(view->todayButton(), Qt::LeftButton);
    EXPECT_EQ(view->focusDate(), QDate(2026, 2, 10));
}

TEST_F(LRCalendarViewTest, SetFocusDateTellsTheDelegateButDoesNotLayOutAgain)
{
    focusMonth(2026, 2);
    const int selectionChanges = delegate.selectionChanges;
    view->setFocusDate(QDate(2026, 4, 15));
    EXPECT_EQ(delegate.focused, QList<QDate>{QDate(2026, 4, 15)});
    EXPECT_EQ(delegate.selectionChanges, selectionChanges + 1);
    EXPECT_EQ(view->dayCell(0)->date(), QDate(2026, 2, 1));
}

TEST_F(LRCalendarViewTest, BillsAreMarkedWithTheirDueStateDot)
{
    application.bills = {bill("G", "Gas", QDate(2026, 2, 3), "green5.png"),
                         bill("Y", "Water", QDate(2026, 2, 4), "yellow5.png"),
                         bill("B", "Phone", QDate(2026, 2, 5), "blue5.png"),
                         bill("R", "Rent", QDate(2026, 2, 6), "red5.png"),
                         bill("I", "Salary", QDate(2026, 2, 9), "green5.png", true)};
    focusMonth(2026, 2);
    EXPECT_EQ(cellFor(QDate(2026, 2, 3))->dotImageName(), QStringLiteral("greendot16"));
    EXPECT_EQ(cellFor(QDate(2026, 2, 4))->dotImageName(), QStringLiteral("orangedot16"));
    EXPECT_EQ(cellFor(QDate(2026, 2, 5))->dotImageName(), QStringLiteral("bluedot16"));
    EXPECT_EQ(cellFor(QDate(2026, 2, 6))->dotImageName(), QStringLiteral("reddot16"));
    EXPECT_EQ(cellFor(QDate(2026, 2, 9))->dotImageName(), QStringLiteral("blackdot16"));
    EXPECT_EQ(cellFor(QDate(2026, 2, 6))->toolTip(), QStringLiteral("Rent"));
    EXPECT_EQ(cellFor(QDate(2026, 2, 6))->bid(), QStringLiteral("R"));
    EXPECT_FALSE(cellFor(QDate(2026, 2, 7))->hasDot());
    EXPECT_EQ(cellFor(QDate(2026, 2, 7))->bid(), QString());
}

// Names come from the user or from sync: a tool tip shows them as typed,
// never as markup (an "<img>" would load a file).
TEST_F(LRCalendarViewTest, ToolTipsShowBillNamesAsTyped)
{
    const QString acme = QStringLiteral("Water <Acme>");
    const QString image = QStringLiteral("<img src=\"/etc/orvane.png\">Gas");
    const QString bold = QStringLiteral("<b>Rent</b> & more");
    application.bills
        = {bill("A", acme, QDate(2026, 3, 6), "red5.png"), bill("B", image, QDate(2026, 3, 9), "green5.png"),
           bill("C", bold, QDate(2026, 3, 9), "green5.png"), bill("D", acme, QDate(2026, 4, 2), "red5.png")};
    focusMonth(2026, 3);
    EXPECT_EQ(shown::toolTip(cellFor(QDate(2026, 3, 6))->toolTip()), acme);
    EXPECT_EQ(shown::toolTip(cellFor(QDate(2026, 3, 9))->toolTip()), bold + QStringLiteral(", ") + image);
    EXPECT_EQ(cellFor(QDate(2026, 3, 9))->tip(), bold + QStringLiteral(", ") + image);
    // A day of the next month takes its tip another way.
    ASSERT_NE(cellFor(QDate(2026, 4, 2)), nullptr);
    EXPECT_EQ(shown::toolTip(cellFor(QDate(2026, 4, 2))->toolTip()), acme);
    // Through the controller's marking of one day at a time as well.
    view->highlightDateDue(QDate(2026, 3, 10), image, QStringLiteral("red5.png"), QStringLiteral("E"));
    view->highlightDateDue(QDate(2026, 3, 10), acme, QStringLiteral("red5.png"), QStringLiteral("F"));
    EXPECT_EQ(shown::toolTip(cellFor(QDate(2026, 3, 10))->toolTip()), acme + QStringLiteral(", ") + image);
}

TEST_F(LRCalendarViewTest, MarkersFollowTheBillListOnEveryLayoutPass)
{
    application.bills = {bill("R", "Rent", QDate(2026, 2, 6), "red5.png")};
    focusMonth(2026, 2);
    application.bills.clear();
    view->drawCalendar();
    EXPECT_FALSE(cellFor(QDate(2026, 2, 6))->hasDot());
    EXPECT_EQ(cellFor(QDate(2026, 2, 6))->toolTip(), QString());
}

TEST_F(LRCalendarViewTest, ABillChangedInTheListIsMarkedOnItsNewDay)
{
    application.bills = {bill("R", "Rent", QDate(2026, 2, 6), "red5.png"),
                         bill("G", "Gym", QDate(2026, 2, 9), "green5.png")};
    focusMonth(2026, 2);
    application.bills[0] = bill("R", "Rent", QDate(2026, 2, 10), "blue5.png");
    view->drawCalendar();
    EXPECT_FALSE(cellFor(QDate(2026, 2, 6))->hasDot());
    EXPECT_EQ(cellFor(QDate(2026, 2, 6))->bid(), QString());
    EXPECT_EQ(cellFor(QDate(2026, 2, 10))->dotImageName(), QStringLiteral("bluedot16"));
    EXPECT_EQ(cellFor(QDate(2026, 2, 10))->toolTip(), QStringLiteral("Rent"));
    EXPECT_EQ(cellFor(QDate(2026, 2, 9))->toolTip(), QStringLiteral("Gym"));
}

TEST_F(LRCalendarViewTest, TheSameListMarksEachMonthSteppedTo)
{
    application.bills = {bill("F", "Rent", QDate(2026, 2, 6), "red5.png"),
                         bill("M", "Gym", QDate(2026, 3, 18), "green5.png")};
    focusMonth(2026, 2);
    EXPECT_TRUE(cellFor(QDate(2026, 2, 6))->hasDot());
    view->changeDateIncrementally(QStringLiteral(">"));
    EXPECT_EQ(cellFor(QDate(2026, 3, 18))->toolTip(), QStringLiteral("Gym"));
    EXPECT_EQ(cellFor(QDate(2026, 3, 18))->dotImageName(), QStringLiteral("greendot16"));
}

TEST_F(LRCalendarViewTest, ThreeBillsOnOneDayAreNamedLatestFirst)
{
    application.bills = {bill("A", "Rent", QDate(2026, 3, 6), "red5.png"),
                         bill("B", "Gym", QDate(2026, 3, 6), "green5.png"),
                         bill("C", "Phone", QDate(2026, 3, 6), "yellow5.png"),
                         bill("D", "Water", QDate(2026, 4, 2), "red5.png"),
                         bill("E", "Power", QDate(2026, 4, 2), "red5.png")};
    focusMonth(2026, 3);
    EXPECT_EQ(cellFor(QDate(2026, 3, 6))->toolTip(), QStringLiteral("Phone, Gym, Rent"));
    EXPECT_EQ(cellFor(QDate(2026, 3, 6))->dotImageName(), QStringLiteral("orangedot16"));
    // A day of the next month shows only the last of its bills.
    LRCalendarDayCell* nextMonth = cellFor(QDate(2026, 4, 2));
    ASSERT_TRUE(nextMonth);
    EXPECT_EQ(nextMonth->toolTip(), QStringLiteral("Power"));
    EXPECT_EQ(nextMonth->bid(), QStringLiteral("E"));
}

TEST_F(LRCalendarViewTest, TwoBillsOnOneDayShowTheLaterBillAndNameBoth)
{
    application.bills = {bill("EARLY", "Rent", QDate(2026, 2, 6), "red5.png"),
                         bill("LATE", "Gym", QDate(2026, 2, 6), "green5.png")};
    focusMonth(2026, 2);
    LRCalendarDayCell* day = cellFor(QDate(2026, 2, 6));
    EXPECT_EQ(day->dotImageName(), QStringLiteral("greendot16"));
    EXPECT_EQ(day->toolTip(), QStringLiteral("Gym, Rent"));
    EXPECT_EQ(day->bid(), QStringLiteral("LATE"));
    const QList<QWidget*> children = day->viewport()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    EXPECT_EQ(std::count_if(children.begin(), children.end(),
                            [](QWidget* w) { return w->objectName().endsWith(QLatin1String("dot16")); }),
              1);
}

TEST_F(LRCalendarViewTest, NeighbouringMonthDayKeepsTheBillIdButGetsNoDot)
{
    application.bills = {bill("D", "Rent", QDate(2025, 12, 30), "red5.png")};
    focusMonth(2026, 1);
    LRCalendarDayCell* day = cellFor(QDate(2025, 12, 30));
    ASSERT_TRUE(day);
    EXPECT_FALSE(day->hasDot());
    EXPECT_EQ(day->bid(), QStringLiteral("D"));
    EXPECT_EQ(day->toolTip(), QStringLiteral("Rent"));
}

TEST_F(LRCalendarViewTest, BillsWithoutADueDateMarkNothing)
{
    QVariantMap undated = bill("U", "Someday", QDate(), "red5.png");
    undated.remove(LRCalendarRecordKeys::DueDate);
    application.bills = {undated};
    focusMonth(2026, 2);
    for (int key = 0; key < 28; ++key)
        EXPECT_FALSE(view->dayCell(key)->hasDot());
}

class LRCalendarViewMouseTest : public LRCalendarViewTest
{
protected:
    LRCalendarViewMouseTest()
    {
        view->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(view.get()));
    }
};

TEST_F(LRCalendarViewMouseTest, DoubleClickOnAMarkedDayOpensItsBill)
{
    application.bills = {bill("EARLY", "Rent", QDate(2026, 2, 6), "red5.png"),
                         bill("LATE", "Gym", QDate(2026, 2, 6), "green5.png")};
    focusMonth(2026, 2);
    LRCalendarDayCell* day = cellFor(QDate(2026, 2, 6));
    QTest::mouseDClick(day->viewport(), Qt::LeftButton, {}, QPoint(20, 9));
    EXPECT_EQ(application.opened, QStringList{QStringLiteral("LATE")});
    EXPECT_EQ(view->focusDate(), QDate(2026, 2, 6));
    EXPECT_EQ(delegate.focused.value(0), QDate(2026, 2, 6));
}

TEST_F(LRCalendarViewMouseTest, TheDaysColumnSpansTheWholeDay)
{
    focusMonth(2026, 2);
    LRCalendarDayCell* day = cellFor(QDate(2026, 2, 3));
    EXPECT_EQ(day->columnWidth(0), day->viewport()->width());
    EXPECT_EQ(day->visualItemRect(day->item(0, 0)).width(), day->viewport()->width());
}

TEST_F(LRCalendarViewMouseTest, DoubleClickOnADayWithoutBillOpensNothing)
{
    focusMonth(2026, 2);
    QTest::mouseDClick(cellFor(QDate(2026, 2, 7))->viewport(), Qt::LeftButton, {}, QPoint(20, 9));
    EXPECT_TRUE(application.opened.isEmpty());
}

TEST_F(LRCalendarViewMouseTest, ClicksOnANeighbouringMonthsDayNumberDoNothing)
{
    application.bills = {bill("D", "Rent", QDate(2025, 12, 30), "red5.png")};
    focusMonth(2026, 1);
    LRCalendarDayCell* day = cellFor(QDate(2025, 12, 30));
    QTest::mouseDClick(day->viewport(), Qt::LeftButton, {}, QPoint(20, 9));
    EXPECT_TRUE(application.opened.isEmpty());
    EXPECT_EQ(view->focusDate(), QDate(2026, 1, 1));
    EXPECT_TRUE(delegate.focused.isEmpty());
}

TEST_F(LRCalendarViewMouseTest, ClickOnANeighbouringMonthsEntrySelectsIt)
{
    focusMonth(2026, 1);
    view->addObject(7, QStringLiteral("Dentist"), QDate(2025, 12, 30));
    LRCalendarDayCell* day = cellFor(QDate(2025, 12, 30));
    QTest::mouseClick(day->viewport(), Qt::LeftButton, {}, QPoint(20, 18 + 9));
    EXPECT_EQ(view->focusDate(), QDate(2025, 12, 30));
    EXPECT_EQ(view->currentMonthField()->text(), QStringLiteral("December 2025"));
}

TEST_F(LRCalendarViewMouseTest, ClickingAnEntrySelectsItAndClearsOtherDays)
{
    focusMonth(2026, 2);
    view->addObject(1, QStringLiteral("First"), QDate(2026, 2, 3));
    view->addObject(2, QStringLiteral("Second"), QDate(2026, 2, 4));
    QTest::mouseClick(cellFor(QDate(2026, 2, 3))->viewport(), Qt::LeftButton, {}, QPoint(20, 18 + 9));
    EXPECT_EQ(view->selectedTitle(), QStringLiteral("First"));
    QTest::mouseClick(cellFor(QDate(2026, 2, 4))->viewport(), Qt::LeftButton, {}, QPoint(20, 18 + 9));
    EXPECT_EQ(view->selectedTitle(), QStringLiteral("Second"));
    EXPECT_EQ(view->selectedObject(), QVariant(2));
    EXPECT_EQ(cellFor(QDate(2026, 2, 3))->firstSelectedRow(), -1);
    EXPECT_EQ(cellFor(QDate(2026, 2, 4))->firstSelectedRow(), 1);

    // The day number row cannot be selected; clicking it clears the selection.
    QTest::mouseClick(cellFor(QDate(2026, 2, 4))->viewport(), Qt::LeftButton, {}, QPoint(20, 9));
    EXPECT_EQ(view->selectedTitle(), QString());
    EXPECT_EQ(cellFor(QDate(2026, 2, 4))->firstSelectedRow(), -1);
}

class LRCalendarEntriesTest : public LRCalendarViewTest
{
};

TEST_F(LRCalendarEntriesTest, EntriesFollowTheDayNumberInInsertionOrder)
{
    focusMonth(2026, 2);
    view->addObject(1, QStringLiteral("One"), QDate(2026, 2, 3));
    view->addObject(QVariant(), QStringLiteral("Two"), QDate(2026, 2, 3));
    LRCalendarDayCell* day = cellFor(QDate(2026, 2, 3));
    EXPECT_EQ(day->numberOfRows(), 3);
    EXPECT_EQ(day->rowCount(), 3);
    EXPECT_EQ(day->textForRow(0), QStringLiteral("3"));
    EXPECT_EQ(day->textForRow(2), QStringLiteral("Two"));
    view->removeAllObjects();
    EXPECT_EQ(cellFor(QDate(2026, 2, 3))->rowCount(), 1);
}

TEST_F(LRCalendarEntriesTest, SelectObjectPicksTheLastMatchingEntryOfTheDay)
{
    focusMonth(2026, 2);
    view->addObject(QVariant(), QStringLiteral("Plain"), QDate(2026, 2, 3));
    view->addObject(5, QStringLiteral("Five"), QDate(2026, 2, 3));
    view->addObject(QVariant(), QStringLiteral("Plain again"), QDate(2026, 2, 3));
    view->selectObject(QVariant(), QDate(2026, 2, 3));
    EXPECT_EQ(cellFor(QDate(2026, 2, 3))->firstSelectedRow(), 3);
    EXPECT_EQ(view->selectedTitle(), QStringLiteral("Plain again"));
    view->selectObject(5, QDate(2026, 2, 3));
    EXPECT_EQ(cellFor(QDate(2026, 2, 3))->firstSelectedRow(), 2);
    EXPECT_EQ(view->focusDate(), QDate(2026, 2, 3));
}

TEST_F(LRCalendarEntriesTest, DeselectAllReportsOnlyARealSelection)
{
    focusMonth(2026, 2);
    view->addObject(5, QStringLiteral("Five"), QDate(2026, 2, 3));
    const int before = delegate.selectionChanges;
    view->deselectAll();
    EXPECT_EQ(delegate.selectionChanges, before);
    view->setSelectedEventToDate(QDate(2026, 2, 3), 1);
    view->deselectAll();
    EXPECT_EQ(delegate.selectionChanges, before + 1);
    EXPECT_FALSE(view->selectedDate().isValid());
    EXPECT_FALSE(view->selectedObject().isValid());
}

TEST_F(LRCalendarEntriesTest, SelectingARowOutsideTheListKeepsTheSelection)
{
    focusMonth(2026, 2);
    view->addObject(5, QStringLiteral("Five"), QDate(2026, 2, 3));
    view->setSelectedEventToDate(QDate(2026, 2, 3), 1);
    view->setSelectedEventToDate(QDate(2026, 2, 3), 2);
    view->setSelectedEventToDate(QDate(2026, 2, 4), 1);
    EXPECT_EQ(view->selectedTitle(), QStringLiteral("Five"));
}

TEST_F(LRCalendarEntriesTest, MovingTheSelectedEntryAppendsItToTheTargetDay)
{
    focusMonth(2026, 2);
    view->addObject(1, QStringLiteral("Move me"), QDate(2026, 2, 3));
    view->addObject(2, QStringLiteral("Stay"), QDate(2026, 2, 3));
    view->addObject(3, QStringLiteral("Already there"), QDate(2026, 2, 10));
    view->setSelectedEventToDate(QDate(2026, 2, 3), 1);
    view->moveSelectedEventToDate(QDate(2026, 2, 10));
    const QList<CalendarEntry> target = view->entriesForDay(QDate(2026, 2, 10));
    ASSERT_EQ(target.size(), 2);
    EXPECT_EQ(target.at(1).title, QStringLiteral("Move me"));
    EXPECT_EQ(target.at(1).date, QDate(2026, 2, 10));
    EXPECT_EQ(view->entriesForDay(QDate(2026, 2, 3)).size(), 1);
    EXPECT_EQ(view->selectedDate(), QDate(2026, 2, 10));
    EXPECT_EQ(cellFor(QDate(2026, 2, 10))->textForRow(2), QStringLiteral("Move me"));
}

TEST_F(LRCalendarEntriesTest, MovingWithoutAMatchingSelectionChangesNothing)
{
    focusMonth(2026, 2);
    view->addObject(1, QStringLiteral("Entry"), QDate(2026, 2, 3));
    view->moveSelectedEventToDate(QDate(2026, 2, 10));
    EXPECT_EQ(view->entriesForDay(QDate(2026, 2, 3)).size(), 1);
    EXPECT_TRUE(view->entriesForDay(QDate(2026, 2, 10)).isEmpty());
}

TEST(LRCalendarDayCellRules, DropsGoBetweenRowsButNeverAboveTheDayNumber)
{
    EXPECT_EQ(LRCalendarDayCell::dropOperationFor(0, true), Qt::IgnoreAction);
    EXPECT_EQ(LRCalendarDayCell::dropOperationFor(1, true), Qt::CopyAction);
    EXPECT_EQ(LRCalendarDayCell::dropOperationFor(3, true), Qt::CopyAction);
    EXPECT_EQ(LRCalendarDayCell::dropOperationFor(1, false), Qt::IgnoreAction);
}

TEST(LRCalendarDayCellRules, ColourTextsSkipTheColourSpaceName)
{
    EXPECT_FALSE(LRCalendarDayCell::createColor(QString()).isValid());
    const QColor full = LRCalendarDayCell::createColor(QStringLiteral("NSCalibratedRGBColorSpace 1 0.5 0 0.25"));
    EXPECT_FLOAT_EQ(full.redF(), 1.0f);
    EXPECT_NEAR(full.greenF(), 0.5, 0.001);
    EXPECT_NEAR(full.alphaF(), 0.25, 0.001);
    const QColor noAlpha = LRCalendarDayCell::createColor(QStringLiteral("NSCalibratedRGBColorSpace 0 0 1"));
    EXPECT_FLOAT_EQ(noAlpha.alphaF(), 1.0f);
    EXPECT_FLOAT_EQ(noAlpha.blueF(), 1.0f);
    const QColor shortText = LRCalendarDayCell::createColor(QStringLiteral("short"));
    EXPECT_EQ(shortText, QColor::fromRgbF(0, 0, 0, 1));
    // Out-of-range components are clamped, not handed to QColor as invalid.
    const QColor outOfRange = LRCalendarDayCell::createColor(QStringLiteral("NSCalibratedRGBColorSpace 2 -1 0.5 7"));
    EXPECT_TRUE(outOfRange.isValid());
    EXPECT_EQ(outOfRange, QColor::fromRgbF(1, 0, 0.5f, 1));
}

}  // namespace

namespace {

// The keyboard moves the focused day, across months too, and Enter opens
// the bill of the day it is on.
TEST_F(LRCalendarViewTest, KeysMoveTheFocusedDayAndEnterOpensItsBill)
{
    application.bills = {bill("W", "Water", QDate(2026, 3, 10), "red5.png")};
    view->setFocusDateWithoutHighlight(QDate(2026, 2, 10));
    view->drawCalendar();
    const struct
    {
        Qt::Key key;
        QDate focused;
    } presses[] = {
        {Qt::Key_Right, QDate(2026, 2, 11)}, {Qt::Key_Left, QDate(2026, 2, 10)},
        {Qt::Key_Down, QDate(2026, 2, 17)},  {Qt::Key_Up, QDate(2026, 2, 10)},
        {Qt::Key_PageDown, QDate(2026, 3, 10)},
    };
    for (const auto& press : presses) {
        QTest::keyClick(view.get(), press.key);
        EXPECT_EQ(view->focusDate(), press.focused) << press.key;
    }
    EXPECT_EQ(delegate.focused.last(), QDate(2026, 3, 10));
    ASSERT_TRUE(cellFor(QDate(2026, 3, 10)));
    QTest::keyClick(view.get(), Qt::Key_Return);
    EXPECT_EQ(application.opened, QStringList({"W"}));
    // The days are no stops of the Tab key: the calendar takes it for them.
    EXPECT_EQ(cellFor(QDate(2026, 3, 10))->focusPolicy(), Qt::NoFocus);
}

}  // namespace
