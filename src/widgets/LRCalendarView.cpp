#include "LRCalendarView.h"

#include "BWFlippedGeometry.h"
#include "LRCalendarAppDelegate.h"
#include "LRCalendarCellDisplayDelegate.h"
#include "LRCalendarDayCell.h"
#include "LRCalendarViewDelegate.h"

#include <QFile>
#include <QIcon>

#include "widgets/BWIconFont.h"
#include <QImage>
#include <QLabel>
#include <QLocale>
#include <QPainter>
#include <QToolButton>

#include <cmath>

#include "platform/Clock.h"
#include "platform/Log.h"

namespace {

constexpr int monthlyRowHeight = 18;
constexpr int weeklyRowHeight = 50;
constexpr qreal headerHeight = 51;

// Sunday is day 0 of our weeks; Qt counts Monday 1 to Sunday 7.
int daysSinceSunday(const QDate& day)
{
    return day.dayOfWeek() % 7;
}

QDate sundayOnOrBefore(const QDate& day)
{
    return day.addDays(-daysSinceSunday(day));
}

QDate firstOfMonth(const QDate& day)
{
    return QDate(day.year(), day.month(), 1);
}

QString dotImageFor(const QVariantMap& record)
{
    if (record.value(LRCalendarRecordKeys::IsIncome).toBool())
        return QStringLiteral("blackdot16");
    const QString dueIcon = record.value(LRCalendarRecordKeys::DueIcon).toString();
    if (dueIcon == QLatin1String("green5.png"))
        return QStringLiteral("greendot16");
    if (dueIcon == QLatin1String("yellow5.png"))
        return QStringLiteral("orangedot16");
    if (dueIcon == QLatin1String("blue5.png"))
        return QStringLiteral("bluedot16");
    return QStringLiteral("reddot16");
}

// A frame of fractional points becomes whole pixels by rounding its edges, so
// that neighbouring cells still meet exactly.
QRect pixelFrame(const QRectF& frame)
{
    const QPoint topLeft(qRound(frame.left()), qRound(frame.top()));
    const QPoint bottomRight(qRound(frame.right()), qRound(frame.bottom()));
    return QRect(topLeft, bottomRight - QPoint(1, 1));
}

}  // namespace

LRCalendarView::LRCalendarView(const Clock& clock, QWidget* parent)
    : QWidget(parent), m_clock(clock)
{
    setFocusPolicy(Qt::StrongFocus);
    buildControls();
    setFocusDateWithoutHighlight(m_clock.today());
}

void LRCalendarView::buildControls()
{
    m_currentMonthField = new QLabel(this);
    m_currentMonthField->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);

    m_leftButton = makeNavigationButton(QStringLiteral("<"), QStringLiteral("leftimage"), tr("Previous Month"));
    m_rightButton = makeNavigationButton(QStringLiteral(">"), QStringLiteral("rightimage"), tr("Next Month"));
    m_todayButton = makeNavigationButton(tr("Today"), QStringLiteral("todayimage"), tr("Current Month"));

    const QStringList names = {tr("Sun"), tr("Mon"), tr("Tue"), tr("Wed"), tr("Thu"), tr("Fri"), tr("Sat")};
    for (int day = 0; day < 7; ++day) {
        auto* field = new QLabel(names.at(day), this);
        field->setAlignment(Qt::AlignCenter);
        field->setAutoFillBackground(true);
        QPalette colors = field->palette();
        colors.setColor(QPalette::Window, calendarBackgroundColor());
        colors.setColor(QPalette::WindowText, secondaryLabelColor());
        field->setPalette(colors);
        m_weekdayFields[day] = field;
    }

    for (int key = 0; key < cellCount; ++key) {
        auto* cell = new LRCalendarDayCell(this);
        cell->setBackgroundColor(calendarBackgroundColor());
        cell->hide();
        m_cells[key] = cell;
    }
}

QToolButton* LRCalendarView::makeNavigationButton(const QString& title, const QString& imageName,
                                                  const QString& toolTip)
{
    auto* button = new QToolButton(this);
    button->setText(title);
    button->setToolTip(toolTip);
    button->setAccessibleName(toolTip);
    button->setAutoRaise(true);
    const QString imagePath = QStringLiteral(":/images/%1.png").arg(imageName);
    const QIcon image = QFile::exists(imagePath) ? QIcon(imagePath)
                                                 : BWIconFont::icon(imageName, palette().color(QPalette::ButtonText));
    if (!image.isNull()) {
        button->setIcon(image);
        button->setToolButtonStyle(Qt::ToolButtonIconOnly);
    }
    connect(button, &QToolButton::clicked, this, [this, button] { changeDateIncrementally(button->text()); });
    return button;
}

QColor LRCalendarView::calendarBackgroundColor() const
{
    // Without translucent (vibrancy) views the calendar sits on the
    // controls' highlight colour.
    return palette().color(QPalette::Midlight);
}

QColor LRCalendarView::todayColor() const
{
    return QColor::fromRgbF(0.11f, 0.52f, 0.97f, 0.2f);
}

QColor LRCalendarView::focusDayColor() const
{
    QColor color = palette().color(QPalette::WindowText);
    color.setAlphaF(0.1f);
    return color;
}

QColor LRCalendarView::secondaryLabelColor() const
{
    QColor color = palette().color(QPalette::WindowText);
    color.setAlphaF(0.5f);
    return color;
}

void LRCalendarView::paintEvent(QPaintEvent*)
{
    QPainter(this).fillRect(rect(), calendarBackgroundColor());
}

void LRCalendarView::resizeEvent(QResizeEvent*)
{
    drawCalendar();
}

void LRCalendarView::setHiddenWeekends(int hidden)
{
    m_hideWeekends = hidden;
    drawCalendar();
}

void LRCalendarView::setWeeklyView()
{
    m_currentView = WeeklyView;
    drawCalendar();
}

void LRCalendarView::setMonthlyView()
{
    m_currentView = MonthlyView;
    drawCalendar();
}

bool LRCalendarView::isInFocusMonth(const QDate& day) const
{
    return day.year() == m_focusDate.year() && day.month() == m_focusDate.month();
}

QDate LRCalendarView::firstShownDay() const
{
    return sundayOnOrBefore(monthlyView() ? firstOfMonth(m_focusDate) : m_focusDate);
}

int LRCalendarView::weeksInMonth(const QDate& day)
{
    const QDate first = firstOfMonth(day);
    const QDate last(day.year(), day.month(), day.daysInMonth());
    return int(sundayOnOrBefore(first).daysTo(last) / 7) + 1;
}

void LRCalendarView::setYUpGeometry(QWidget* widget, const QRectF& yUpFrame)
{
    widget->setGeometry(pixelFrame(BWFlippedGeometry::toScreen(yUpFrame, height())));
}

void LRCalendarView::drawCalendar()
{
    for (LRCalendarDayCell* cell : m_cells) {
        cell->hide();
        cell->setBackgroundColor(calendarBackgroundColor());
        cell->setDayRowHeight(monthlyView() ? monthlyRowHeight : weeklyRowHeight);
    }
    m_rowCount = monthlyView() ? weeksInMonth(m_focusDate) : 1;
    // Hidden weekends keep all seven columns: Monday to Friday fill the width
    // and Sunday and Saturday fall just outside it.
    const qreal columnWidth = width() / (m_hideWeekends ? 5.0 : 7.0);
    const qreal shift = m_hideWeekends ? std::trunc(columnWidth) : 0.0;
    layoutHeader(columnWidth, shift);
    layoutGrid(columnWidth, shift);
    colorCells();
}

void LRCalendarView::layoutHeader(qreal columnWidth, qreal shift)
{
    const qreal w = width();
    const qreal h = height();

    QFont titleFont(QStringLiteral("Helvetica Neue Light"));
    titleFont.setPixelSize(18);
    m_currentMonthField->setFont(titleFont);
    m_currentMonthField->setText(QLocale().toString(m_focusDate, QStringLiteral("MMMM yyyy")));
    setYUpGeometry(m_currentMonthField, {9, h - 29, 400, 25});

    setYUpGeometry(m_leftButton, {w - 81, h - 30, 20, 30});
    setYUpGeometry(m_rightButton, {w - 58, h - 30, 20, 30});
    setYUpGeometry(m_todayButton, {w - 42, h - 30, 40, 30});

    for (int day = 0; day < 7; ++day) {
        setYUpGeometry(m_weekdayFields[day], {day * columnWidth - shift, h - headerHeight, columnWidth + 1, 20});
        m_weekdayFields[day]->update();
    }
}

void LRCalendarView::layoutGrid(qreal columnWidth, qreal shift)
{
    const qreal rowHeight = (height() - headerHeight) / m_rowCount;
    const QDate firstDay = firstShownDay();
    for (int key = 0; key < 7 * m_rowCount; ++key) {
        const int row = key / 7;
        const int column = key % 7;
        LRCalendarDayCell* cell = m_cells[key];
        setYUpGeometry(cell, {column * columnWidth - shift, (m_rowCount - 1 - row) * rowHeight,
                              columnWidth + 1, rowHeight + 1});
        const QDate day = firstDay.addDays(key);
        cell->setBackgroundColor(calendarBackgroundColor());
        cell->show();
        cell->setDayEnabled(isInFocusMonth(day));
        cell->setDate(day);
        cell->reloadData();
    }
}

QList<LRCalendarDayCell*> LRCalendarView::cellsInUse() const
{
    return QList<LRCalendarDayCell*>(m_cells.begin(), m_cells.begin() + 7 * m_rowCount);
}

void LRCalendarView::colorCells()
{
    const QDate today = m_clock.today();
    for (LRCalendarDayCell* cell : m_cells) {
        const QDate day = cell->date();
        if (monthlyView() && !isInFocusMonth(day)) {
            cell->setTag(0);
            cell->setBackgroundColor(calendarBackgroundColor());
        } else {
            cell->setTag(1);
            cell->setBackgroundColor(day == today ? todayColor()
                                     : day == m_focusDate ? focusDayColor()
                                                          : calendarBackgroundColor());
        }
        cell->setTip(QString());
        cell->setBid(QString());
        cell->removeDot();
    }
    markBills();
}

// Every layout pass marks the bills again; the marks are gathered once for
// each list the delegate hands out.
void LRCalendarView::markBills()
{
    if (!m_appDelegate)
        return;
    const QList<LRCalendarDayCell*> cells = cellsInUse();
    if (cells.isEmpty())
        return;
    const QHash<QDate, DayMarks>& marks =
        marksOfBills(m_appDelegate->getBills(), cells.constFirst()->date(), cells.constLast()->date());
    for (LRCalendarDayCell* cell : cells) {
        const auto day = marks.constFind(cell->date());
        if (day != marks.cend())
            markDay(cell, *day);
    }
}

const QHash<QDate, LRCalendarView::DayMarks>& LRCalendarView::marksOfBills(const QVariantList& bills,
                                                                         const QDate& firstDay, const QDate& lastDay)
{
    // A changed list has storage of its own: the kept copy holds on to the old one.
    if (bills.constData() == m_markedBills.constData() && bills.size() == m_markedBills.size()
        && firstDay == m_markedFirstDay && lastDay == m_markedLastDay)
        return m_marks;
    m_markedBills = bills;
    m_markedFirstDay = firstDay;
    m_markedLastDay = lastDay;
    m_marks.clear();
    // A local day is never more than a day off its UTC day, so moments
    // further off the shown days are passed over without a local day.
    constexpr qint64 DayMs = 24 * 3600 * 1000;
    const qint64 earliest = firstDay.startOfDay(Qt::UTC).toMSecsSinceEpoch() - DayMs;
    const qint64 latest = lastDay.startOfDay(Qt::UTC).toMSecsSinceEpoch() + 2 * DayMs;
    // Items are mostly due at a few moments; each is turned into a local day once.
    QHash<qint64, QDate> localDays;
    for (const QVariant& bill : bills) {
        const QVariantMap record = bill.toMap();
        const QDateTime due = record.value(LRCalendarRecordKeys::DueDate).toDateTime();
        const qint64 moment = due.isValid() ? due.toMSecsSinceEpoch() : earliest - 1;
        if (moment < earliest || moment >= latest)
            continue;
        auto localDay = localDays.constFind(moment);
        if (localDay == localDays.cend())
            localDay = localDays.insert(moment, due.toLocalTime().date());
        if (*localDay < firstDay || *localDay > lastDay)
            continue;
        DayMarks& day = m_marks[*localDay];
        day.tips.append(record.value(LRCalendarRecordKeys::Name).toString());
        day.iconName = dotImageFor(record);
        day.billId = record.value(LRCalendarRecordKeys::Bid).toString();
    }
    return m_marks;
}

// As highlightDateDue() leaves a cleared day after each of its bills in
// turn: a day outside the focused month only takes the last bill's name and
// id; one inside it lists the names latest first under the last one's dot.
void LRCalendarView::markDay(LRCalendarDayCell* cell, const DayMarks& marks)
{
    cell->setBid(marks.billId);
    if (cell->tag() == 0) {
        cell->setTip(marks.tips.constLast());
        return;
    }
    QStringList latestFirst(marks.tips.crbegin(), marks.tips.crend());
    cell->setTip(latestFirst.join(QStringLiteral(", ")));
    QString smallIcon = marks.iconName;
    cell->showDot(smallIcon.replace(QLatin1String("32x32"), QLatin1String("16x16")));
}

void LRCalendarView::highlightDateDue(const QDate& dueDay, const QString& tip, const QString& iconName,
                                      const QString& billId)
{
    if (!dueDay.isValid())
        return;
    QString smallIcon = iconName;
    smallIcon.replace(QLatin1String("32x32"), QLatin1String("16x16"));
    // Only the days of the current layout count: hidden cells keep the days
    // of an earlier layout.
    for (LRCalendarDayCell* cell : cellsInUse()) {
        if (cell->date() != dueDay)
            continue;
        const QString previousTip = cell->tip();
        cell->setBid(billId);
        cell->setTip(tip);
        if (cell->tag() == 0)
            continue;
        if (cell->hasDot()) {
            cell->removeDot();
            cell->setTip(tip + QStringLiteral(", ") + previousTip);
        }
        cell->showDot(smallIcon);
    }
}

void LRCalendarView::doubleClicked(LRCalendarDayCell* sender)
{
    Log::line(QStringLiteral("object LRCalendarDayCell %1").arg(sender->date().toString(Qt::ISODate)));
    if (!sender->bid().isEmpty() && m_appDelegate)
        m_appDelegate->showBillFromSearch(sender->bid());
}

void LRCalendarView::setFocusDate(const QDate& day)
{
    setFocusDateWithoutHighlight(day);
    if (m_delegate)
        m_delegate->dateFocused(day);
}

void LRCalendarView::setFocusDateWithoutHighlight(const QDate& day)
{
    tableViewSelectionDidChange();
    m_focusDate = day;
    colorCells();
}

void LRCalendarView::changeDateIncrementally(const QString& senderTitle)
{
    deselectAll();
    const int step = senderTitle == QLatin1String("<") ? -1 : senderTitle == QLatin1String(">") ? 1 : 0;
    if (step == 0)
        m_focusDate = m_clock.today();
    else if (monthlyView())
        m_focusDate = m_focusDate.addMonths(step);
    else
        m_focusDate = m_focusDate.addDays(7 * step);
    drawCalendar();
}

void LRCalendarView::addObject(const QVariant& object, const QString& title, const QDate& date)
{
    m_dataDictionary[date].append(CalendarEntry{date, title, object});
    drawCalendar();
}

void LRCalendarView::addImage(const QImage& image, const QString& title, const QDate& date)
{
    addObject(QVariant(image), title, date);
}

void LRCalendarView::removeAllObjects()
{
    m_dataDictionary.clear();
    drawCalendar();
}

void LRCalendarView::deselectEveryDayTable()
{
    for (LRCalendarDayCell* cell : m_cells)
        cell->clearSelection();
}

void LRCalendarView::selectObject(const QVariant& object, const QDate& date)
{
    deselectEveryDayTable();
    setFocusDate(date);
    const QList<CalendarEntry> entries = m_dataDictionary.value(date);
    for (qsizetype index = entries.size() - 1; index >= 0; --index) {
        if (entries.at(index).object != object)
            continue;
        for (LRCalendarDayCell* cell : m_cells)
            if (cell->date() == date)
                cell->selectRow(int(index) + 1);
        return;
    }
}

void LRCalendarView::deselectAll()
{
    const bool hadSelection = !m_selectedTitle.isNull() && m_selectedDate.isValid();
    m_selectedTitle = QString();
    m_selectedDate = QDate();
    m_selectedObject = QVariant();
    deselectEveryDayTable();
    if (hadSelection)
        tableViewSelectionDidChange();
}

void LRCalendarView::setSelectedEventToDate(const QDate& day, int row)
{
    const QList<CalendarEntry> entries = m_dataDictionary.value(day);
    if (row < 1 || row > entries.size())
        return;
    const CalendarEntry& entry = entries.at(row - 1);
    m_selectedTitle = entry.title;
    m_selectedDate = entry.date;
    m_selectedObject = entry.object;
}

void LRCalendarView::moveSelectedEventToDate(const QDate& day)
{
    QList<CalendarEntry> source = m_dataDictionary.value(m_selectedDate);
    const auto found = std::find_if(source.begin(), source.end(), [this](const CalendarEntry& entry) {
        return entry.object == m_selectedObject && entry.title == m_selectedTitle;
    });
    if (found == source.end())
        return;
    CalendarEntry moved = *found;
    source.erase(found);
    if (source.isEmpty())
        m_dataDictionary.remove(m_selectedDate);
    else
        m_dataDictionary.insert(m_selectedDate, source);
    moved.date = day;
    QList<CalendarEntry>& target = m_dataDictionary[day];
    target.append(moved);
    setSelectedEventToDate(day, int(target.size()));
    drawCalendar();
}

void LRCalendarView::tableViewSelectionDidChange()
{
    if (m_delegate)
        m_delegate->selectionDidChange(this);
}

void LRCalendarView::willDisplayCell(LRCalendarDayCell* table, QTableWidgetItem* item, int row)
{
    if (m_willDisplayCellSender)
        m_willDisplayCellSender->willDisplayCell(table, item, row);
}
