// The bill table: selection, sorting, optional columns, the bottom bar that
// sums up the selection, and the month calendar that follows it.
#include "screens/BWOverviewController.h"

#include <QHeaderView>
#include <QItemSelection>
#include <QTableView>
#include <QTimer>

#include <algorithm>
#include <cmath>

#include "platform/Clock.h"
#include "platform/UserDefaults.h"
#include "store/BWBillCommands.h"
#include "store/BWBillRecordKeys.h"
#include "store/BWBillsLoader.h"
#include "store/BWDefaultsKeys.h"
#include "store/BWSecondaryActionKeys.h"
#include "screens/BWBillActionsMenu.h"
#include "screens/BWOverviewFollowUps.h"
#include "screens/BWTableColumnLayout.h"
#include "widgets/BGHUDBox.h"
#include "widgets/BGHUDLabel.h"
#include "widgets/BGHUDView.h"
#include "widgets/KBButton.h"
#include "widgets/LRCalendarController.h"

namespace {

// Archived items are due in the distant future; the calendar can't show them.
constexpr qlonglong kFarFutureDays = 18000;

}  // namespace

// ---- Selection ---------------------------------------------------------------

int BWOverviewController::selectedRow() const
{
    return m_selection->selectedRow();
}

// A new set of rows drops the selection without a word from the selection
// model, so whatever follows the selection is told here.
void BWOverviewController::showRows(const QVariantList& rows)
{
    const bool hadSelection = m_billTable->selectionModel()->hasSelection();
    m_tableModel->setRecords(rows);
    if (hadSelection)
        tableViewSelectionDidChange();
}

void BWOverviewController::tableViewSelectionDidChange()
{
    updateBottomText();
    emit selectionDidChange();
    // After a change of some rows the calendar follows in a turn of its own,
    // and shows the selection as it stands then.
    if (!m_followUps->isPending(BWOverviewFollowUps::CalendarMarks))
        showSelectionInCalendar();
}

// The selected item's due day is marked, unless it lies far ahead; without
// a selection the calendar shows this month. Either way the days are drawn
// again: after a change of some rows their marks moved.
void BWOverviewController::showSelectionInCalendar()
{
    const int row = selectedRow();
    if (row < 0) {
        m_calendarController->deselectAllDates();
        return;
    }
    const QDateTime dueDate = m_lists.filtered.value(row).toMap().value(BillKeys::DueDate).toDateTime();
    if (BWBillsLoader(m_env).getDaysApart(dueDate, m_env.clock->now()) < kFarFutureDays)
        m_calendarController->highlightDate(dueDate);
    else
        m_calendarController->redraw();
}

// ---- Sorting -----------------------------------------------------------------

// The clicked column's key sorts first; the keys chosen before break its ties.
void BWOverviewController::sortDescriptorsDidChange(int column, Qt::SortOrder order)
{
    const BWSortDescriptor chosen{BWOverviewTableModel::sortKeyForColumn(m_tableModel->columnIdentifier(column)),
                                  order == Qt::AscendingOrder};
    m_sortDescriptors.removeIf([&](const BWSortDescriptor& earlier) { return earlier.key == chosen.key; });
    m_sortDescriptors.prepend(chosen);
    // The selected rows stay selected where the sort moves them: an
    // occurrence is its bill at its due date.
    const auto occurrence = [](const QVariant& row) {
        const QVariantMap record = row.toMap();
        return std::pair(record.value(BillKeys::Bid).toString(), record.value(BillKeys::DueDate).toDateTime());
    };
    QList<std::pair<QString, QDateTime>> selected;
    for (int row : m_selection->selectedRows())
        selected.append(occurrence(m_lists.filtered.value(row)));
    m_lists.sort(m_sortDescriptors);
    showRows(m_lists.filtered);
    QList<int> rows;
    for (int row = 0; row < m_lists.filtered.size() && !selected.isEmpty(); ++row) {
        if (selected.contains(occurrence(m_lists.filtered.at(row))))
            rows.append(row);
    }
    if (!rows.isEmpty())
        m_selection->selectRows(rows);
}

// ---- Optional columns ----------------------------------------------------------

void BWOverviewController::updateTableColumnVisibility()
{
    m_columnLayout->restoreOnce();
    for (const QString& column : {BWDefaultsKeys::Average, BWDefaultsKeys::Amount,
                                  BWDefaultsKeys::Balance, BWDefaultsKeys::LastPaid})
        m_billTable->setColumnHidden(m_tableModel->columnOf(column), !m_env.defaults->boolForKey(column));
}

// ---- Bottom bar ----------------------------------------------------------------

// Someone who has no bills yet learns where the first one comes from.
void BWOverviewController::updateBottomText()
{
    BWOverviewBottomBar::Selection selection;
    for (int row : m_selection->selectedRows())
        selection.records.append(m_lists.filtered.value(row).toMap());
    selection.nothingStored = m_selectedTagIndex == AllActiveItems && m_lists.dataSource.isEmpty();
    selection.useIntelligence = m_useIntelligence;
    m_bottomBar->showSelection(selection);
}

// ---- Month calendar --------------------------------------------------------------

void BWOverviewController::calendarDateSelected(const QDate& day)
{
    scrollToRowWithDate(day, selectedRow());
}

void BWOverviewController::scrollToRowWithDate(const QDate& day, int row)
{
    const BWBillsLoader loader(m_env);
    const auto dueDay = [&](int index) {
        return loader.normalizedDate(m_lists.filtered.value(index).toMap().value(BillKeys::DueDate).toDateTime())
            .date();
    };
    if (row >= 0 && dueDay(row) == day)
        return;
    QList<int> dueThatDay;
    for (int index = 0; index < m_lists.filtered.size(); ++index) {
        if (dueDay(index) == day)
            dueThatDay.append(index);
    }
    m_selection->selectRows(dueThatDay);
}
