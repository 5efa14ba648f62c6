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
#include "widgets/BGHUDBox.h"
#include "widgets/BGHUDLabel.h"
#include "widgets/BGHUDView.h"
#include "widgets/KBButton.h"
#include "widgets/LRCalendarController.h"

namespace {

// Archived items are due in the distant future; the calendar can't show them.
constexpr qlonglong kFarFutureDays = 18000;

void setShown(QWidget* widget, bool shown, bool enabled = true)
{
    widget->setEnabled(enabled);
    widget->setVisible(shown);
}

}  // namespace

// ---- Selection ---------------------------------------------------------------

int BWOverviewController::selectedRow() const
{
    const QItemSelectionModel* selection = m_billTable->selectionModel();
    const QModelIndex current = selection->currentIndex();
    if (current.isValid() && selection->isRowSelected(current.row(), QModelIndex()))
        return current.row();
    const QList<int> rows = selectedRows();
    return rows.isEmpty() ? -1 : rows.last();
}

QList<int> BWOverviewController::selectedRows() const
{
    QList<int> rows;
    for (const QModelIndex& index : m_billTable->selectionModel()->selectedRows())
        rows.append(index.row());
    std::sort(rows.begin(), rows.end());
    return rows;
}

// Replaces the selection with `rows`, the last of them current.
void BWOverviewController::selectRows(const QList<int>& rows)
{
    QItemSelectionModel* selection = m_billTable->selectionModel();
    if (rows.isEmpty()) {
        selection->clearSelection();
        return;
    }
    QItemSelection chosen;
    const int lastColumn = m_tableModel->columnCount() - 1;
    for (int row : rows)
        chosen.select(m_tableModel->index(row, 0), m_tableModel->index(row, lastColumn));
    selection->setCurrentIndex(m_tableModel->index(rows.last(), 0), QItemSelectionModel::NoUpdate);
    selection->select(chosen, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
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
    const int row = selectedRow();
    if (row < 0) {
        m_calendarController->deselectAllDates();
        return;
    }
    const QDateTime dueDate = m_dataSourceFiltered.value(row).toMap().value(BillKeys::DueDate).toDateTime();
    if (BWBillsLoader(m_env).getDaysApart(dueDate, m_env.clock->now()) < kFarFutureDays)
        m_calendarController->highlightDate(dueDate);
}

// ---- Sorting -----------------------------------------------------------------

// The clicked column's key sorts first; the keys chosen before break its ties.
void BWOverviewController::sortDescriptorsDidChange(int column, Qt::SortOrder order)
{
    const BWSortDescriptor chosen{BWOverviewTableModel::sortKeyForColumn(m_tableModel->columnIdentifier(column)),
                                  order == Qt::AscendingOrder};
    m_sortDescriptors.removeIf([&](const BWSortDescriptor& earlier) { return earlier.key == chosen.key; });
    m_sortDescriptors.prepend(chosen);
    // Every list the rows are taken from follows the new order, so that an
    // update of some items, or a list made from the loaded items, keeps it.
    const bool allItemsShown = m_allActiveItems.constData() == m_dataSourceWithIncome.constData();
    for (QVariantList* records : {&m_dataSourceWithIncome, &m_dataSource, &m_dataSourceFiltered})
        BWSortDescriptor::sort(*records, m_sortDescriptors);
    if (allItemsShown)
        m_allActiveItems = m_dataSourceWithIncome;
    else
        BWSortDescriptor::sort(m_allActiveItems, m_sortDescriptors);
    m_loadedSortDescriptors = m_sortDescriptors;
    showRows(m_dataSourceFiltered);
}

// ---- Optional columns ----------------------------------------------------------

void BWOverviewController::updateTableColumnVisibility()
{
    if (!m_columnLayoutRestored) {
        restoreColumnLayout();
        m_columnLayoutRestored = true;
        QHeaderView* header = m_billTable->horizontalHeader();
        connect(header, &QHeaderView::sectionResized, m_columnLayoutSaver, qOverload<>(&QTimer::start));
        connect(header, &QHeaderView::sectionMoved, m_columnLayoutSaver, qOverload<>(&QTimer::start));
    }
    for (const QString& column : {BWDefaultsKeys::Average, BWDefaultsKeys::Amount,
                                  BWDefaultsKeys::Balance, BWDefaultsKeys::LastPaid})
        m_billTable->setColumnHidden(m_tableModel->columnOf(column), !m_env.defaults->boolForKey(column));
}

// Widths and order come back as the user left them; the sort order and the
// hidden columns follow the settings of this run instead.
void BWOverviewController::restoreColumnLayout()
{
    QHeaderView* header = m_billTable->horizontalHeader();
    const QByteArray saved = m_env.defaults->objectForKey(BWDefaultsKeys::BWBillTableColumns).toByteArray();
    if (saved.isEmpty())
        return;
    const int sortColumn = header->sortIndicatorSection();
    const Qt::SortOrder sortOrder = header->sortIndicatorOrder();
    const QSignalBlocker quiet(header);
    header->restoreState(saved);
    header->setSortIndicator(sortColumn, sortOrder);
}

void BWOverviewController::saveColumnLayout()
{
    m_env.defaults->setObject(BWDefaultsKeys::BWBillTableColumns, m_billTable->horizontalHeader()->saveState());
}

// ---- Bottom bar ----------------------------------------------------------------

void BWOverviewController::updateBottomText()
{
    const QList<int> rows = selectedRows();
    if (rows.isEmpty())
        showNoSelection();
    else if (rows.size() == 1)
        showSingleSelection(m_dataSourceFiltered.value(rows.first()).toMap());
    else
        showSeveralSelected(rows);
}

void BWOverviewController::showNoSelection()
{
    // Someone who has no bills yet learns where the first one comes from.
    const bool nothingStored = m_selectedTagIndex == AllActiveItems && m_dataSource.isEmpty();
    m_actionText->setText(nothingStored
                              ? tr("No bills yet: click \u201C+ New Bill\u201D above (or press Ctrl+N) to add your first bill.")
                              : tr("Select a bill to view available actions."));
    m_actionText->show();
    m_actionBox->hide();
    m_payNowOverviewButton->hide();
    m_adBox->setVisible(!m_env.defaults->boolForKey(BWDefaultsKeys::BWHideAd));
}

void BWOverviewController::showSingleSelection(const QVariantMap& record)
{
    m_actionText->hide();
    setupActionButtonMenuForBill(record);
    m_adBox->hide();
    m_actionBox->show();
    m_actionText->setText(record.value(BillKeys::Name).toString());
    const bool incomeLogsItself = m_env.defaults->boolForKey(BWDefaultsKeys::BW_ShouldAutoLogIncome);
    // Enabled as the menu's Pay Now is: only a bill with a site that can be
    // opened, and not archived, has something to pay.
    setShown(m_payNowOverviewButton, true,
             BWBillCommands::offers(BWBillCommands::Command::PayNow, record, incomeLogsItself));
    if (BWBillsLoader::billIsIncome(record)) {
        setShown(m_overviewButtonLog, false, false);
        setShown(m_overviewButtonPartial, false, false);
        setShown(m_overviewButtonView, true);
        m_payNowOverviewButton->hide();
        m_overviewLineLog->hide();
        m_overviewLinePay->hide();
        m_overviewLineView->show();
    } else {
        setShown(m_overviewButtonLog, true,
                 BWBillCommands::offers(BWBillCommands::Command::LogPayment, record, incomeLogsItself));
        m_overviewButtonPartial->setEnabled(
            BWBillCommands::offers(BWBillCommands::Command::LogPartial, record, incomeLogsItself));
        // An income row selected before hid it.
        showPartialButtonUnlessOffered();
        setShown(m_overviewButtonView, true);
        for (QWidget* part : std::initializer_list<QWidget*>{m_payNowOverviewButton, m_overviewLineLog,
                                                             m_overviewLineView, m_overviewLinePay})
            part->show();
    }
}

// The alternate button may already offer a partial payment: the bar then
// shows it once. Only a bill's bar, the one with a log button, has the
// partial button at all.
void BWOverviewController::showPartialButtonUnlessOffered()
{
    if (!m_overviewButtonLog->isHidden())
        m_overviewButtonPartial->setVisible(m_actionsMenu->alternateTitle() != BillActionTitle::LogPartial);
}

// What the selected bills come to: bills count as money going out, income as
// money coming in; once income is among them the sum reads as a balance.
void BWOverviewController::showSeveralSelected(const QList<int>& rows)
{
    m_actionText->show();
    m_actionBox->hide();
    double total = 0.0;
    bool incomeSelected = false;
    for (int row : rows) {
        const QVariantMap record = m_dataSourceFiltered.value(row).toMap();
        double value = record.value(BillKeys::Amount).toDouble();
        if (m_useIntelligence) {
            const double estimate = m_tableModel->estimatedAmount(record);
            if (std::trunc(estimate) != 0.0)
                value = estimate;
        }
        incomeSelected |= BWBillsLoader::billIsIncome(record);
        total += BWBillsLoader::billIsIncome(record) ? -value : value;
    }
    if (incomeSelected)
        total = -total;
    const QString label = incomeSelected ? tr("items selected. Estimated balance:")
                                         : tr("bills selected. Estimated amount due:");
    m_actionText->setText(QStringLiteral("%1 %2 %3")
                              .arg(rows.size())
                              .arg(label, BWBillsLoader(m_env).currencyFormattedNumber(total)));
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
        return loader.normalizedDate(m_dataSourceFiltered.value(index).toMap().value(BillKeys::DueDate).toDateTime())
            .date();
    };
    if (row >= 0 && dueDay(row) == day)
        return;
    QList<int> dueThatDay;
    for (int index = 0; index < m_dataSourceFiltered.size(); ++index) {
        if (dueDay(index) == day)
            dueThatDay.append(index);
    }
    selectRows(dueThatDay);
}
