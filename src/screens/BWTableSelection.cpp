#include "screens/BWTableSelection.h"

#include <QAbstractItemView>
#include <QItemSelection>

#include <algorithm>

#include "store/BWBillRecordKeys.h"

namespace {

QString billID(const QVariant& record)
{
    return record.toMap().value(BillKeys::Bid).toString();
}

}  // namespace

BWTableSelection::BWTableSelection(QAbstractItemView& table)
    : m_table(table)
{
}

int BWTableSelection::selectedRow() const
{
    const QItemSelectionModel* selection = m_table.selectionModel();
    const QModelIndex current = selection->currentIndex();
    if (current.isValid() && selection->isRowSelected(current.row(), QModelIndex()))
        return current.row();
    const QList<int> rows = selectedRows();
    return rows.isEmpty() ? -1 : rows.last();
}

QList<int> BWTableSelection::selectedRows() const
{
    QList<int> rows;
    for (const QModelIndex& index : m_table.selectionModel()->selectedRows())
        rows.append(index.row());
    std::sort(rows.begin(), rows.end());
    return rows;
}

void BWTableSelection::selectRows(const QList<int>& rows)
{
    QItemSelectionModel* selection = m_table.selectionModel();
    if (rows.isEmpty()) {
        selection->clearSelection();
        return;
    }
    const QAbstractItemModel* model = m_table.model();
    QItemSelection chosen;
    const int lastColumn = model->columnCount() - 1;
    for (int row : rows)
        chosen.select(model->index(row, 0), model->index(row, lastColumn));
    selection->setCurrentIndex(model->index(rows.last(), 0), QItemSelectionModel::NoUpdate);
    selection->select(chosen, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}

BWTableSelection::Kept BWTableSelection::keep(const QVariantList& rows) const
{
    const int row = selectedRow();
    return {row >= 0 ? billID(rows.value(row)) : QString(), row};
}

void BWTableSelection::reselect(const Kept& kept, const QVariantList& rows)
{
    if (!kept.billID.isEmpty()) {
        for (int row = 0; row < rows.size(); ++row) {
            if (billID(rows.at(row)) == kept.billID) {
                selectRows({row});
                return;
            }
        }
    }
    if (kept.row >= 0 && kept.row < rows.size())
        selectRows({kept.row});
}
