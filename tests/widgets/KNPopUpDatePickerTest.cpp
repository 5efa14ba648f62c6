#include "widgets/KNPopUpDatePicker.h"
#include "widgets/LRCalendarView.h"
#include "widgets/MAAttachedWindow.h"
#include "platform/DateTemplate.h"
#include "support/UsEnglishLocale.h"

#include <QCalendarWidget>
#include <QScreen>
#include <QLineEdit>
#include <QTableView>
#include <QTest>
#include <QVBoxLayout>
#include <gtest/gtest.h>

#include <functional>

namespace {

class KNPopUpDatePickerTest : public ::testing::Test
{
protected:
    // Month and day are typed in US order.
    UsEnglishLocale english;

    KNPopUpDatePickerTest()
    {
        auto* layout = new QVBoxLayout(&form);
        picker = new KNPopUpDatePicker;
        picker->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
        picker->setDate(QDate(2026, 2, 10));
        other = new QLineEdit;
        layout->addWidget(other);  // takes the first focus
        layout->addWidget(picker);
        form.setGeometry(200, 200, 300, 120);
        form.show();
        form.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&form));
    }

    // Some platforms activate every window that is shown, the bubble too;
    // the form is made active again as a window system that honours
    // showing without activation would leave it.
    void openByFocus()
    {
        picker->setFocus(Qt::TabFocusReason);
        ASSERT_TRUE(QTest::qWaitFor([this] { return picker->isBubbleOpen(); }, 2000));
        form.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
        ASSERT_TRUE(picker->isBubbleOpen());
    }

    // Picks a day in the calendar with the keyboard, as a user would.
    void pickInCalendar(const QDate& day)
    {
        QCalendarWidget* calendar = picker->graphicalPicker();
        auto* days = calendar->findChild<QTableView*>();
        ASSERT_TRUE(days);
        calendar->setSelectedDate(day);
        QTest::keyClick(days, Qt::Key_Return);
    }

    QWidget form;
    KNPopUpDatePicker* picker = nullptr;
    QLineEdit* other = nullptr;
};

// The calendar drops down below the field, over the field's own form: beside
// it, it would cover what lies next to the form.
TEST_F(KNPopUpDatePickerTest, FocusOpensTheCalendarBelowTheField)
{
    EXPECT_FALSE(picker->isBubbleOpen());
    openByFocus();
    MAAttachedWindow* bubble = picker->attachedWindow();
    EXPECT_EQ(bubble->side(), MAAttachedSide::BelowRightwards);
    EXPECT_EQ(bubble->point(), picker->anchorPoint());
    EXPECT_EQ(bubble->windowBackgroundColor(), QColor(Qt::white));
    EXPECT_EQ(picker->graphicalPicker()->selectedDate(), QDate(2026, 2, 10));
    EXPECT_TRUE(picker->hasFocus());
    // The arrow's tip touches the field's bottom edge; the bubble lies below
    // it and within the field's width at its left.
    const QRect field(form.mapToGlobal(picker->pos()), picker->size());
    EXPECT_EQ(bubble->geometry().top(), field.bottom() + 1);
    EXPECT_GE(bubble->geometry().left(), field.left());
    EXPECT_LT(bubble->geometry().left(), field.left() + 24);
}

TEST_F(KNPopUpDatePickerTest, APickedDaySetsTheFieldsDate)
{
    openByFocus();
    pickInCalendar(QDate(2026, 3, 15));
    EXPECT_EQ(picker->dateValue(), QDate(2026, 3, 15));
}

TEST_F(KNPopUpDatePickerTest, MovingTheFocusOnClosesTheBubble)
{
    openByFocus();
    other->setFocus(Qt::TabFocusReason);
    EXPECT_TRUE(QTest::qWaitFor([this] { return !picker->isBubbleOpen(); }, 2000));
}

// The calendar closes with its form: the form hidden (a popover closed by
// Escape or by a command of the main window) and shown again, the field
// hidden with its page, or another window made active.
TEST_F(KNPopUpDatePickerTest, TheCalendarClosesWithItsForm)
{
    QWidget elsewhere;
    elsewhere.resize(100, 100);
    const std::pair<const char*, std::function<void()>> closings[] = {
        {"form hidden and shown again",
         [this] {
             form.hide();
             other->setFocus();
             form.show();
         }},
        {"field hidden", [this] { picker->hide(); }},
        {"another window made active",
         [&elsewhere] {
             elsewhere.show();
             elsewhere.activateWindow();
             ASSERT_TRUE(QTest::qWaitForWindowActive(&elsewhere));
         }},
    };
    for (const auto& [name, close] : closings) {
        SCOPED_TRACE(name);
        picker->show();
        elsewhere.hide();
        form.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
        other->setFocus(Qt::TabFocusReason);
        openByFocus();
        close();
        QCoreApplication::processEvents();
        EXPECT_FALSE(picker->isBubbleOpen());
    }
}

// Near the bottom of the screen the calendar opens above the field, near its
// right edge it runs leftwards, and it stays inside the screen's free area.
TEST_F(KNPopUpDatePickerTest, TheCalendarStaysInsideTheScreen)
{
    const QRect area = form.screen()->availableGeometry();
    const struct
    {
        const char* name;
        QPoint formAt;
        MAAttachedSide side;
    } cases[] = {
        {"room below", area.topLeft() + QPoint(10, 10), MAAttachedSide::BelowRightwards},
        {"at the bottom", QPoint(area.left() + 10, area.bottom() - form.height() - 10), MAAttachedSide::AboveRightwards},
        {"at the right edge", QPoint(area.right() - 80, area.top() + 10), MAAttachedSide::BelowLeftwards},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        other->setFocus(Qt::TabFocusReason);
        form.move(c.formAt);
        openByFocus();
        const QRect bubble = picker->attachedWindow()->geometry();
        EXPECT_EQ(picker->attachedWindow()->side(), c.side);
        EXPECT_TRUE(area.contains(bubble)) << bubble.y() << " " << bubble.bottom() << " of " << area.bottom();
        const QRect field(picker->mapToGlobal(QPoint(0, 0)), picker->size());
        EXPECT_FALSE(bubble.intersects(field));
    }
}

// A date typed into the field moves the calendar to it at once; the field
// takes it when the typing ends.
TEST_F(KNPopUpDatePickerTest, EditingTheFieldMovesTheCalendar)
{
    openByFocus();
    QTest::keyClick(picker, Qt::Key_Up);
    EXPECT_EQ(picker->dateValue(), QDate(2026, 2, 11));
    EXPECT_EQ(picker->graphicalPicker()->selectedDate(), QDate(2026, 2, 11));

    picker->selectAll();
    QTest::keyClicks(picker, QStringLiteral("2/2"));
    EXPECT_EQ(picker->graphicalPicker()->selectedDate(), QDate(2026, 2, 2));
    EXPECT_EQ(picker->dateValue(), QDate(2026, 2, 11));
    QTest::keyClicks(picker, QStringLiteral("4"));
    EXPECT_EQ(picker->graphicalPicker()->selectedDate(), QDate(2026, 2, 24));
    QTest::keyClick(picker, Qt::Key_Return);
    EXPECT_EQ(picker->dateValue(), QDate(2026, 2, 24));
}

TEST_F(KNPopUpDatePickerTest, SettingTheDateWhileClosedShowsOnNextOpening)
{
    openByFocus();
    other->setFocus(Qt::TabFocusReason);
    picker->setDateValue(QDate(2027, 1, 5));
    EXPECT_EQ(picker->graphicalPicker()->selectedDate(), QDate(2027, 1, 5));
    openByFocus();
    EXPECT_EQ(picker->graphicalPicker()->selectedDate(), QDate(2027, 1, 5));
}

TEST_F(KNPopUpDatePickerTest, ResizingTheFieldsWindowKeepsTheBubbleAtTheField)
{
    openByFocus();
    const QPointF before = picker->attachedWindow()->point();
    QWidget elsewhere;
    elsewhere.resize(100, 100);
    elsewhere.show();
    elsewhere.resize(150, 150);
    EXPECT_EQ(picker->attachedWindow()->point(), before);

    form.resize(400, 200);
    EXPECT_TRUE(QTest::qWaitFor([this, before] { return picker->attachedWindow()->point() != before; }, 2000));
    EXPECT_EQ(picker->attachedWindow()->point(), picker->anchorPoint());
    EXPECT_EQ(picker->attachedWindow()->side(), MAAttachedSide::BelowRightwards);
}

TEST_F(KNPopUpDatePickerTest, ValueBindingFollowsATwoPartKeyPath)
{
    QObject editor;
    QObject payment;
    editor.setProperty("payment", QVariant::fromValue<QObject*>(&payment));
    picker->bind(QStringLiteral("value"), &editor, QStringLiteral("payment.date"));
    openByFocus();
    pickInCalendar(QDate(2026, 4, 1));
    EXPECT_EQ(payment.property("date").toDate(), QDate(2026, 4, 1));
    EXPECT_FALSE(editor.property("date").isValid());
}

TEST_F(KNPopUpDatePickerTest, OneComponentPathSetsTheBoundObjectItself)
{
    QObject editor;
    picker->bind(QStringLiteral("value"), &editor, QStringLiteral("dueDate"));
    openByFocus();
    pickInCalendar(QDate(2026, 4, 2));
    EXPECT_EQ(editor.property("dueDate").toDate(), QDate(2026, 4, 2));
    picker->unbind(QStringLiteral("value"));
    pickInCalendar(QDate(2026, 4, 3));
    EXPECT_EQ(editor.property("dueDate").toDate(), QDate(2026, 4, 2));
}

TEST_F(KNPopUpDatePickerTest, OtherBindingsAreNotRemembered)
{
    QObject editor;
    picker->bind(QStringLiteral("enabled"), &editor, QStringLiteral("dueDate"));
    openByFocus();
    pickInCalendar(QDate(2026, 4, 2));
    EXPECT_FALSE(editor.property("dueDate").isValid());
    EXPECT_EQ(picker->dateValue(), QDate(2026, 4, 2));
}

TEST_F(KNPopUpDatePickerTest, APathThroughANonObjectWritesNothing)
{
    QObject editor;
    editor.setProperty("payment", 5);
    picker->bind(QStringLiteral("value"), &editor, QStringLiteral("payment.date"));
    openByFocus();
    pickInCalendar(QDate(2026, 4, 2));
    EXPECT_EQ(editor.property("payment").toInt(), 5);
}

TEST_F(KNPopUpDatePickerTest, ABoundObjectThatGoesAwayIsForgotten)
{
    auto* editor = new QObject;
    picker->bind(QStringLiteral("value"), editor, QStringLiteral("dueDate"));
    delete editor;
    openByFocus();
    pickInCalendar(QDate(2026, 4, 2));  // must not touch the deleted object
    EXPECT_EQ(picker->dateValue(), QDate(2026, 4, 2));
}

TEST_F(KNPopUpDatePickerTest, DestroyingAnOpenPickerTakesTheBubbleAlong)
{
    openByFocus();
    QPointer<MAAttachedWindow> bubble = picker->attachedWindow();
    delete picker;
    EXPECT_TRUE(bubble.isNull());
    form.resize(420, 170);  // the window no longer reports to the picker
    QCoreApplication::processEvents();
}

}  // namespace

// The field writes its day as the lists do, and its calendar's weeks start
// where the overview's month calendar starts them.
TEST(KNPopUpDatePickerLook, ShowsTheListsFormAndTheSideCalendarsWeeks)
{
    KNPopUpDatePicker picker;
    EXPECT_EQ(picker.displayFormat(), DateTemplate::displayFormat(QStringLiteral("EEEMMMdyyyy")));
    EXPECT_EQ(picker.graphicalPicker()->firstDayOfWeek(), LRCalendarView::FirstDayOfWeek);
}
