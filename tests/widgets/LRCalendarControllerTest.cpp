#include "widgets/LRCalendarAppDelegate.h"
#include "widgets/LRCalendarController.h"
#include "widgets/LRCalendarControllerDelegate.h"
#include "widgets/LRCalendarDayCell.h"
#include "widgets/LRCalendarView.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <gtest/gtest.h>

#include "platform/Clock.h"

namespace {

// Records each focused day together with the month the calendar showed at
// that moment, to tell whether the message came before the new layout.
struct Overview : LRCalendarControllerDelegate
{
    LRCalendarView* view = nullptr;
    QList<QDate> selected;
    QStringList shownMonthAtSelection;

    void calendarDateSelected(const QDate& day) override
    {
        selected << day;
        shownMonthAtSelection << view->currentMonthField()->text();
    }
};

Clock clockAt(const QDateTime& moment)
{
    Clock clock;
    clock.setNow(moment);
    return clock;
}

class LRCalendarControllerTest : public ::testing::Test
{
protected:
    LRCalendarControllerTest()
    {
        view.resize(700, 451);
        view.drawCalendar();
        overview.view = &view;
        controller.setDelegate(&overview);
    }

    LRCalendarDayCell* cellFor(const QDate& day) const
    {
        for (int key = 0; key < 7 * view.weekRowCount(); ++key)
            if (view.dayCell(key)->date() == day)
                return view.dayCell(key);
        return nullptr;
    }

    Clock clock = clockAt(QDateTime(QDate(2026, 2, 10), QTime(9, 0)));
    LRCalendarView view{clock};
    QPlainTextEdit log;
    LRCalendarController controller{&view, &log};
    Overview overview;
};

TEST_F(LRCalendarControllerTest, HighlightingABillInAnotherMonthMovesTheCalendarThere)
{
    controller.highlightDate(QDateTime(QDate(2026, 5, 20), QTime(0, 0)).toUTC());
    EXPECT_EQ(overview.selected, QList<QDate>{QDate(2026, 5, 20)});
    EXPECT_EQ(overview.shownMonthAtSelection, QStringList{QStringLiteral("February 2026")});
    EXPECT_EQ(view.currentMonthField()->text(), QStringLiteral("May 2026"));
    EXPECT_EQ(cellFor(QDate(2026, 5, 20))->backgroundColor(), view.focusDayColor());
}

TEST_F(LRCalendarControllerTest, DeselectingReturnsToTodayQuietly)
{
    controller.highlightDate(QDateTime(QDate(2026, 5, 20), QTime(0, 0)).toUTC());
    overview.selected.clear();
    controller.deselectAllDates();
    EXPECT_TRUE(overview.selected.isEmpty());
    EXPECT_EQ(view.focusDate(), QDate(2026, 2, 10));
    EXPECT_EQ(view.currentMonthField()->text(), QStringLiteral("February 2026"));
}

TEST_F(LRCalendarControllerTest, TogglesCompareTitlesExactly)
{
    controller.toggleWeekends(QStringLiteral("Hide Weekends"));
    EXPECT_EQ(view.hiddenWeekends(), 1);
    controller.toggleWeekends(QStringLiteral("show weekends"));
    EXPECT_EQ(view.hiddenWeekends(), 1);
    controller.toggleWeekends(QStringLiteral("Show Weekends"));
    EXPECT_EQ(view.hiddenWeekends(), 0);

    controller.toggleView(QStringLiteral("Weekly View"));
    EXPECT_TRUE(view.weeklyView());
    controller.toggleView(QStringLiteral("Daily View"));
    EXPECT_TRUE(view.weeklyView());
    controller.toggleView(QStringLiteral("Monthly View"));
    EXPECT_TRUE(view.monthlyView());
}

TEST_F(LRCalendarControllerTest, BillsAddedDirectlyUseTheSmallVariantOfTheirIcon)
{
    const QVariantMap trip{{LRCalendarRecordKeys::Bid, QStringLiteral("T")},
                           {LRCalendarRecordKeys::Name, QStringLiteral("Trip")},
                           {LRCalendarRecordKeys::Icon, QStringLiteral("32x32-Travel")},
                           {LRCalendarRecordKeys::DueDate, QDateTime(QDate(2026, 2, 14), QTime(0, 0)).toUTC()}};
    controller.addBillsToCalendar({trip});
    EXPECT_EQ(cellFor(QDate(2026, 2, 14))->dotImageName(), QStringLiteral("16x16-Travel"));
    EXPECT_EQ(cellFor(QDate(2026, 2, 14))->bid(), QStringLiteral("T"));
    view.colorCells();
    EXPECT_FALSE(cellFor(QDate(2026, 2, 14))->hasDot());
}

TEST_F(LRCalendarControllerTest, ExampleEventsLandAroundToday)
{
    controller.addExampleEvents();
    EXPECT_EQ(view.entriesForDay(QDate(2026, 2, 9)).value(0).title, QStringLiteral("Yesterday!"));
    EXPECT_EQ(view.entriesForDay(QDate(2026, 2, 10)).size(), 2);
    EXPECT_EQ(view.entriesForDay(QDate(2026, 2, 10)).value(1).object, QVariant(QVariantList{3, 4, 5}));
    EXPECT_FALSE(view.entriesForDay(QDate(2026, 2, 11)).value(0).object.isValid());
    controller.removeAllEvents();
    EXPECT_TRUE(view.dataDictionary().isEmpty());
}

TEST_F(LRCalendarControllerTest, MovedEntryIsLogged)
{
    view.addObject(42, QStringLiteral("Dentist"), QDate(2026, 2, 12));
    view.setSelectedEventToDate(QDate(2026, 2, 12), 1);
    controller.eventDidMove();
    const QString text = log.toPlainText();
    EXPECT_TRUE(text.contains(QStringLiteral("--- event was moved ---\nTitle: Dentist\nDate: 2026-02-12\n")));
    EXPECT_TRUE(text.contains(QStringLiteral("Object: int  -  ")));
    EXPECT_TRUE(log.isReadOnly());
    EXPECT_EQ(log.textInteractionFlags(), Qt::NoTextInteraction);
}

TEST_F(LRCalendarControllerTest, WithoutLogViewMovingLogsNothing)
{
    LRCalendarController quiet(&view);
    view.setSelectedEventToDate(QDate(2026, 2, 12), 1);
    quiet.eventDidMove();  // must not crash
    EXPECT_EQ(view.delegate(), &quiet);
}

}  // namespace
