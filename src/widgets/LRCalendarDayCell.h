#pragma once

#include <QColor>
#include <QDate>
#include <QTableWidget>
#include <QPointer>

class LRCalendarView;

// One day of the calendar grid: a one-column table whose first row shows the
// day number and whose further rows list the day's entries. It marks the bill
// due that day with a small dot and remembers the bill's id for the double
// click. Entries can be dragged to another day.
class LRCalendarDayCell : public QTableWidget
{
    Q_OBJECT

public:
    // The drag type of an entry row; its payload is the row number as text.
    static inline const QString dragType = QStringLiteral("CalendarDragAndDropDataType");
    static constexpr QRect dotFrame{18, 22, 8, 8};

    explicit LRCalendarDayCell(LRCalendarView* superView);

    void setDate(const QDate& day) { m_date = day; }
    QDate date() const { return m_date; }
    LRCalendarView* superView() const { return m_superView; }
    void setSuperView(LRCalendarView* view) { m_superView = view; }
    QString bid() const { return m_bid; }
    void setBid(const QString& billId) { m_bid = billId; }
    // The names of the day's bills as its tool tip shows them, as typed.
    QString tip() const { return m_tip; }
    void setTip(const QString& tip);
    // 1 when the day takes bill dots, 0 for a neighbouring month's day in
    // the monthly view.
    int tag() const { return m_tag; }
    void setTag(int tag) { m_tag = tag; }
    // A day outside the focused month is greyed; it still takes clicks, so
    // that its entries stay reachable.
    bool isDayEnabled() const { return m_dayEnabled; }
    void setDayEnabled(bool enabled) { m_dayEnabled = enabled; }
    QColor backgroundColor() const { return m_background; }
    void setBackgroundColor(const QColor& color);
    void setDayRowHeight(int height);
    int dayRowHeight() const { return m_rowHeight; }

    // Rebuilds the rows from the calendar's entries for this day.
    void reloadData();
    int numberOfRows() const;
    QString textForRow(int row) const;
    // -1 when no row is selected.
    int firstSelectedRow() const;

    // The bill dot: at most one per day.
    void showDot(const QString& imageName);
    void removeDot();
    bool hasDot() const { return !m_dot.isNull(); }
    QString dotImageName() const;

    // Reads "<25-character colour space name> r g b [a]" colour texts.
    static QColor createColor(const QString& text);
    // Entries may be dropped between rows, never onto a row nor above the
    // day number.
    static Qt::DropAction dropOperationFor(int proposedRow, bool aboveRow);

protected:
    void resizeEvent(QResizeEvent* event) override;
    // The calendar's focused day shows the focus frame while the calendar
    // has the keyboard.
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    QStringList mimeTypes() const override;
    QMimeData* mimeData(const QList<QTableWidgetItem*>& items) const override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void styleRow(int row);
    void onSelectionChanged();
    bool handleClickOnNeighbouringMonth(const QPoint& position);
    void handleClickOnFocusableDay(QMouseEvent* event);
    int proposedDropRow(const QPoint& position, bool* above) const;

    QDate m_date;
    LRCalendarView* m_superView;
    QString m_bid;
    QString m_tip;
    int m_tag = 1;
    bool m_dayEnabled = true;
    QColor m_background;
    int m_rowHeight = 18;
    QPointer<QWidget> m_dot;
};
