#include "LRCalendarDayCell.h"

#include "LRCalendarView.h"

#include <algorithm>

#include <QDragMoveEvent>
#include <QHeaderView>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include "widgets/BWColorConversion.h"
#include "widgets/BWFocusFrame.h"

#include "platform/Log.h"
#include "widgets/BWIconFont.h"
#include "widgets/BWPlainText.h"

namespace {

// Bill dots and small bill icons come from the resources when they are
// there; the plain dots are also drawn without them, in their named colour.
class LRCalendarDot : public QWidget
{
public:
    LRCalendarDot(const QString& imageName, QWidget* parent)
        : QWidget(parent), m_imageName(imageName)
    {
        setObjectName(imageName);
        setAttribute(Qt::WA_TransparentForMouseEvents);
    }

    QString imageName() const { return m_imageName; }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        const QPixmap image(QStringLiteral(":/images/%1.png").arg(m_imageName));
        if (!image.isNull()) {
            painter.drawPixmap(rect(), image);
            return;
        }
        if (BWIconFont::paint(painter, QRectF(rect()), QStringLiteral("calendarDot"), fallbackColor()))
            return;
        painter.setPen(Qt::NoPen);
        painter.setBrush(fallbackColor());
        painter.drawEllipse(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5));
    }

private:
    QColor fallbackColor() const
    {
        static const QList<QPair<QString, QColor>> colors = {
            {QStringLiteral("greendot"), QColor(52, 199, 89)},
            {QStringLiteral("orangedot"), QColor(255, 149, 0)},
            {QStringLiteral("bluedot"), QColor(0, 122, 255)},
            {QStringLiteral("reddot"), QColor(255, 59, 48)},
            {QStringLiteral("blackdot"), QColor(0, 0, 0)},
        };
        for (const auto& [prefix, color] : colors)
            if (m_imageName.startsWith(prefix))
                return color;
        return QColor(128, 128, 128);
    }

    QString m_imageName;
};

constexpr int dayNumberRow = 0;

}  // namespace

LRCalendarDayCell::LRCalendarDayCell(LRCalendarView* superView)
    : QTableWidget(superView), m_superView(superView)
{
    setColumnCount(1);
    setShowGrid(false);
    horizontalHeader()->hide();
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    setFrameShape(QFrame::NoFrame);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setWordWrap(true);
    setAttribute(Qt::WA_MacShowFocusRect, false);
    // The calendar takes the keyboard for its days: a day is no stop of its own.
    setFocusPolicy(Qt::NoFocus);
    setDragEnabled(true);
    setAcceptDrops(true);
    setDragDropMode(QAbstractItemView::DragDrop);
    setDefaultDropAction(Qt::CopyAction);
    setDayRowHeight(m_rowHeight);
    connect(this, &QTableWidget::itemSelectionChanged, this, &LRCalendarDayCell::onSelectionChanged);
}

// Bill names come from the user or from sync: shown as typed, never as markup.
void LRCalendarDayCell::setTip(const QString& tip)
{
    m_tip = tip;
    setToolTip(BWPlainText::toolTip(tip));
}

void LRCalendarDayCell::setBackgroundColor(const QColor& color)
{
    m_background = color;
    QPalette colors = palette();
    colors.setColor(QPalette::Base, color);
    colors.setColor(QPalette::Window, color);
    setPalette(colors);
}

void LRCalendarDayCell::setDayRowHeight(int height)
{
    m_rowHeight = height;
    verticalHeader()->setMinimumSectionSize(height);
    verticalHeader()->setDefaultSectionSize(height);
}

int LRCalendarDayCell::numberOfRows() const
{
    return int(m_superView->entriesForDay(m_date).size()) + 1;
}

QString LRCalendarDayCell::textForRow(int row) const
{
    if (row == dayNumberRow)
        return m_superView->isInFocusMonth(m_date) ? QString::number(m_date.day()) : QString();
    const QList<CalendarEntry> entries = m_superView->entriesForDay(m_date);
    return row - 1 < entries.size() ? entries.at(row - 1).title : QString();
}

void LRCalendarDayCell::reloadData()
{
    const QSignalBlocker quiet(this);
    clearContents();
    const int rows = numberOfRows();
    setRowCount(rows);
    for (int row = 0; row < rows; ++row) {
        setItem(row, 0, new QTableWidgetItem(textForRow(row)));
        setRowHeight(row, m_rowHeight);
        styleRow(row);
    }
    viewport()->update();
}

void LRCalendarDayCell::styleRow(int row)
{
    QTableWidgetItem* cell = item(row, 0);
    if (!cell)
        return;
    // Point sizes of the calendar's design are logical pixels here.
    QFont font(QStringLiteral("Helvetica Neue"));
    font.setPixelSize(12);
    cell->setFont(font);
    cell->setForeground(m_dayEnabled ? m_superView->secondaryLabelColor()
                                     : palette().color(QPalette::Disabled, QPalette::Text));
    if (row == dayNumberRow) {
        cell->setTextAlignment(Qt::AlignCenter);
        cell->setFlags(Qt::ItemIsEnabled);
        return;
    }
    cell->setTextAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    cell->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsDragEnabled);
    if (cell->isSelected())
        m_superView->willDisplayCell(this, cell, row);
}

int LRCalendarDayCell::firstSelectedRow() const
{
    const QModelIndexList rows = selectionModel()->selectedRows();
    if (rows.isEmpty())
        return -1;
    int first = rows.first().row();
    for (const QModelIndex& index : rows)
        first = std::min(first, index.row());
    return first;
}

void LRCalendarDayCell::onSelectionChanged()
{
    for (int row = 1; row < rowCount(); ++row)
        styleRow(row);
    viewport()->update();
    const int row = firstSelectedRow();
    if (row > dayNumberRow) {
        m_superView->setSelectedEventToDate(m_date, row);
        m_superView->tableViewSelectionDidChange();
    }
}

void LRCalendarDayCell::showDot(const QString& imageName)
{
    removeDot();
    auto* dot = new LRCalendarDot(imageName, viewport());
    dot->setGeometry(dotFrame);
    dot->show();
    m_dot = dot;
}

void LRCalendarDayCell::removeDot()
{
    delete m_dot.data();
}

QString LRCalendarDayCell::dotImageName() const
{
    return m_dot ? static_cast<LRCalendarDot*>(m_dot.data())->imageName() : QString();
}

QColor LRCalendarDayCell::createColor(const QString& text)
{
    return BWColorConversion::colorFromDescription(text);
}

Qt::DropAction LRCalendarDayCell::dropOperationFor(int proposedRow, bool aboveRow)
{
    return aboveRow && proposedRow != dayNumberRow ? Qt::CopyAction : Qt::IgnoreAction;
}

// The one column fills the day; a hidden header would not stretch it.
void LRCalendarDayCell::resizeEvent(QResizeEvent* event)
{
    QTableWidget::resizeEvent(event);
    setColumnWidth(0, viewport()->width());
}

// Clicks on a neighbouring month's day (monthly view) only select an entry
// there; they neither focus the day nor reach the table's own handling.
bool LRCalendarDayCell::handleClickOnNeighbouringMonth(const QPoint& position)
{
    if (!m_superView->monthlyView() || m_superView->isInFocusMonth(m_date))
        return false;
    const int row = rowAt(position.y());
    if (row <= dayNumberRow)
        return true;
    const QDate day = m_date;
    Log::line(QStringLiteral("Date Selected %1").arg(day.toString(Qt::ISODate)));
    const QList<CalendarEntry> entries = m_superView->entriesForDay(day);
    m_superView->selectObject(entries.value(row - 1).object, day);
    m_superView->drawCalendar();
    return true;
}

// A click elsewhere focuses the day, lets the table select the clicked entry
// and clears the selection of every other day.
void LRCalendarDayCell::handleClickOnFocusableDay(QMouseEvent* event)
{
    m_superView->setFocus(Qt::MouseFocusReason);
    m_superView->setFocusDate(m_date);
    m_superView->drawCalendar();
    if (m_dayEnabled)
        QTableWidget::mousePressEvent(event);
    for (int key = 0; key < LRCalendarView::cellCount; ++key) {
        LRCalendarDayCell* other = m_superView->dayCell(key);
        if (other != this && other->date() != m_date)
            other->clearSelection();
    }
    if (firstSelectedRow() < 0)
        m_superView->deselectAll();
}

void LRCalendarDayCell::paintEvent(QPaintEvent* event)
{
    QTableWidget::paintEvent(event);
    if (!m_superView || m_superView->focusDate() != m_date)
        return;
    QPainter painter(viewport());
    BWFocusFrame::paint(painter, *m_superView, viewport()->rect());
}

void LRCalendarDayCell::mousePressEvent(QMouseEvent* event)
{
    if (!handleClickOnNeighbouringMonth(event->position().toPoint()))
        handleClickOnFocusableDay(event);
}

void LRCalendarDayCell::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (handleClickOnNeighbouringMonth(event->position().toPoint()))
        return;
    handleClickOnFocusableDay(event);
    if (m_dayEnabled)
        m_superView->doubleClicked(this);
}

QStringList LRCalendarDayCell::mimeTypes() const
{
    return {dragType};
}

QMimeData* LRCalendarDayCell::mimeData(const QList<QTableWidgetItem*>& items) const
{
    if (items.isEmpty() || items.first()->row() == dayNumberRow)
        return nullptr;
    const int row = items.first()->row();
    m_superView->setSelectedEventToDate(m_date, row);
    auto* data = new QMimeData;
    data->setData(dragType, QByteArray::number(row));
    return data;
}

int LRCalendarDayCell::proposedDropRow(const QPoint& position, bool* above) const
{
    const int row = rowAt(position.y());
    *above = true;
    if (row < 0)
        return rowCount();
    // Near a row's top or bottom edge the drop goes between rows, like the
    // item views' own drop indicator.
    const QRect rect = visualRect(model()->index(row, 0));
    const int margin = std::clamp(int(rect.height() / 5.5), 2, 12);
    if (position.y() - rect.top() < margin)
        return row;
    if (rect.bottom() - position.y() < margin)
        return row + 1;
    *above = false;
    return row;
}

void LRCalendarDayCell::dragEnterEvent(QDragEnterEvent* event)
{
    if (event->mimeData()->hasFormat(dragType))
        event->acceptProposedAction();
    else
        event->ignore();
}

void LRCalendarDayCell::dragMoveEvent(QDragMoveEvent* event)
{
    bool above = false;
    const int row = proposedDropRow(event->position().toPoint(), &above);
    if (event->mimeData()->hasFormat(dragType) && dropOperationFor(row, above) == Qt::CopyAction) {
        event->setDropAction(Qt::CopyAction);
        event->accept();
    } else {
        event->ignore();
    }
}

void LRCalendarDayCell::dropEvent(QDropEvent* event)
{
    bool above = false;
    const int row = proposedDropRow(event->position().toPoint(), &above);
    if (!event->mimeData()->hasFormat(dragType) || dropOperationFor(row, above) != Qt::CopyAction) {
        event->ignore();
        return;
    }
    event->setDropAction(Qt::CopyAction);
    event->accept();
    m_superView->moveSelectedEventToDate(m_date);
}
