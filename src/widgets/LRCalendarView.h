#pragma once

#include <QDate>
#include <QHash>
#include <QList>
#include <QMap>
#include <QVariant>
#include <QWidget>

#include <array>

class Clock;
class LRCalendarAppDelegate;
class LRCalendarCellDisplayDelegate;
class LRCalendarDayCell;
class LRCalendarViewDelegate;
class QLabel;
class QTableWidgetItem;
class QToolButton;

// One entry of a day's list. `object` is whatever the caller attached; an
// invalid QVariant means none.
struct CalendarEntry
{
    QDate date;
    QString title;
    QVariant object;
};

// The month-at-a-glance calendar: a title line with navigation buttons, the
// weekday names and a grid of up to six weeks of day tables. Every layout pass
// asks the application delegate for the bills and marks each bill's due day
// with a dot; a double click on a marked day opens that bill.
class LRCalendarView : public QWidget
{
    Q_OBJECT

public:
    enum ViewMode { MonthlyView = 1, WeeklyView = 2 };
    static constexpr int cellCount = 42;
    // Every week of this calendar starts on a Sunday; the date fields' pop-up
    // calendars follow it, so both show the same weeks.
    static constexpr Qt::DayOfWeek FirstDayOfWeek = Qt::Sunday;

    explicit LRCalendarView(const Clock& clock, QWidget* parent = nullptr);

    void setAppDelegate(LRCalendarAppDelegate* appDelegate) { m_appDelegate = appDelegate; }
    LRCalendarAppDelegate* appDelegate() const { return m_appDelegate; }
    void setDelegate(LRCalendarViewDelegate* delegate) { m_delegate = delegate; }
    LRCalendarViewDelegate* delegate() const { return m_delegate; }
    void setWillDisplayCellSender(LRCalendarCellDisplayDelegate* sender) { m_willDisplayCellSender = sender; }
    const Clock& clock() const { return m_clock; }

    // The layout pass: places the controls and the days of the focused month
    // (or week), then tints the days and marks the bills.
    void drawCalendar();

    void setHiddenWeekends(int hidden);
    int hiddenWeekends() const { return m_hideWeekends; }
    void setWeeklyView();
    void setMonthlyView();
    bool weeklyView() const { return m_currentView == WeeklyView; }
    bool monthlyView() const { return m_currentView == MonthlyView; }

    QDate focusDate() const { return m_focusDate; }
    // Tells the delegate of the new focus; does not lay the grid out again.
    void setFocusDate(const QDate& day);
    void setFocusDateWithoutHighlight(const QDate& day);
    // The navigation buttons' action: "<" and ">" step a month (a week in the
    // weekly view); any other title returns to today.
    void changeDateIncrementally(const QString& senderTitle);

    // Tints today and the focused day and marks every bill of the
    // application delegate's list again.
    void colorCells();
    void highlightDateDue(const QDate& dueDay, const QString& tip, const QString& iconName, const QString& billId);
    // Double action of every day table: opens the day's bill, if it has one.
    void doubleClicked(LRCalendarDayCell* sender);

    const QMap<QDate, QList<CalendarEntry>>& dataDictionary() const { return m_dataDictionary; }
    QList<CalendarEntry> entriesForDay(const QDate& day) const { return m_dataDictionary.value(day); }
    void addObject(const QVariant& object, const QString& title, const QDate& date);
    void addImage(const QImage& image, const QString& title, const QDate& date);
    void removeAllObjects();

    void selectObject(const QVariant& object, const QDate& date);
    void deselectAll();
    // `row` counts from 1: row 0 of a day table is the day number.
    void setSelectedEventToDate(const QDate& day, int row);
    QString selectedTitle() const { return m_selectedTitle; }
    QDate selectedDate() const { return m_selectedDate; }
    QVariant selectedObject() const { return m_selectedObject; }
    // Moves the selected entry to `day` (the drop of a dragged entry).
    void moveSelectedEventToDate(const QDate& day);
    void tableViewSelectionDidChange();
    void willDisplayCell(LRCalendarDayCell* table, QTableWidgetItem* item, int row);

    // The day table at grid position `key` (7 * row + column, Sunday first).
    LRCalendarDayCell* dayCell(int key) const { return m_cells.at(key); }
    // The number of week rows the last layout pass showed.
    int weekRowCount() const { return m_rowCount; }
    bool isInFocusMonth(const QDate& day) const;

    QLabel* currentMonthField() const { return m_currentMonthField; }
    QToolButton* leftButton() const { return m_leftButton; }
    QToolButton* rightButton() const { return m_rightButton; }
    QToolButton* todayButton() const { return m_todayButton; }
    QLabel* weekdayField(int dayOfWeek) const { return m_weekdayFields.at(dayOfWeek); }

    // The first day of the grid: the Sunday on or before the first of the
    // focused month (the focused day in the weekly view).
    QDate firstShownDay() const;
    // Sunday-to-Saturday weeks that hold a day of `day`'s month: 4, 5 or 6.
    static int weeksInMonth(const QDate& day);

    QColor calendarBackgroundColor() const;
    QColor todayColor() const;
    QColor focusDayColor() const;
    QColor secondaryLabelColor() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    // The arrows move the focused day by a day or a week, Page Up and Page
    // Down by a month; Enter opens the focused day's bill.
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void buildControls();
    QToolButton* makeNavigationButton(const QString& title, const QString& imageName, const QString& toolTip);
    void layoutHeader(qreal columnWidth, qreal shift);
    void layoutGrid(qreal columnWidth, qreal shift);
    void setYUpGeometry(QWidget* widget, const QRectF& yUpFrame);
    // What the bills due on one day show there: every name, in the order of
    // the list, and the last bill's dot and id.
    struct DayMarks
    {
        QStringList tips;
        QString iconName;
        QString billId;
    };
    void markBills();
    // The marks of the days from `firstDay` to `lastDay`.
    const QHash<QDate, DayMarks>& marksOfBills(const QVariantList& bills, const QDate& firstDay, const QDate& lastDay);
    static void markDay(LRCalendarDayCell* cell, const DayMarks& marks);
    void deselectEveryDayTable();
    void moveFocusDateTo(const QDate& day);
    // The focused day's frame follows the keyboard focus, and a screen
    // reader reads the day the keys moved to.
    void showFocusedDay();
    LRCalendarDayCell* shownCellOf(const QDate& day) const;
    QList<LRCalendarDayCell*> cellsInUse() const;

    const Clock& m_clock;
    QDate m_focusDate;
    QMap<QDate, QList<CalendarEntry>> m_dataDictionary;
    std::array<LRCalendarDayCell*, cellCount> m_cells{};
    LRCalendarCellDisplayDelegate* m_willDisplayCellSender = nullptr;
    QString m_selectedTitle;
    QDate m_selectedDate;
    QVariant m_selectedObject;
    int m_hideWeekends = 0;
    int m_currentView = MonthlyView;
    int m_rowCount = 0;
    QToolButton* m_leftButton = nullptr;
    QToolButton* m_rightButton = nullptr;
    QToolButton* m_todayButton = nullptr;
    QLabel* m_currentMonthField = nullptr;
    std::array<QLabel*, 7> m_weekdayFields{};
    LRCalendarViewDelegate* m_delegate = nullptr;
    LRCalendarAppDelegate* m_appDelegate = nullptr;
    // The delegate's list the marks were gathered from, kept so that an
    // unchanged list is known by its shared storage.
    QVariantList m_markedBills;
    QDate m_markedFirstDay;
    QDate m_markedLastDay;
    QHash<QDate, DayMarks> m_marks;
};
