// Commands on the selected rows that the application delegate sends.
#include "screens/BWOverviewController.h"

#include <QTableView>

#include "screens/BWBillEditorScreen.h"
#include "store/BWBill.h"
#include "store/BWBillRecordKeys.h"

namespace {

QStringList billIDsAt(const QList<int>& rows, const QVariantList& records)
{
    QStringList billIDs;
    for (int row : rows)
        billIDs.append(records.value(row).toMap().value(BillKeys::Bid).toString());
    return billIDs;
}

}  // namespace

void BWOverviewController::editBillFromOverview()
{
    const int row = selectedRow();
    if (row < 0 || !m_billEditorController)
        return;
    m_billEditorController->showEditPopoverForBill(m_tableModel->recordAt(row).value(BillKeys::Bid).toString(),
                                                   m_billTable->visualRect(m_tableModel->index(row, 0)),
                                                   m_billTable->viewport());
}

void BWOverviewController::deleteBillFromOverview()
{
    const int row = selectedRow();
    if (row < 0 || !m_billEditorController)
        return;
    m_billEditorController->showDeletePopoverForBill(m_tableModel->recordAt(row).value(BillKeys::Bid).toString(),
                                                     m_billTable->visualRect(m_tableModel->index(row, 0)),
                                                     m_billTable->viewport());
}

// Restoring has one path, restoreBillFromOverview(), which the shell
// follows with its automatic step: a restored item may have fallen due.
bool BWOverviewController::archiveBillFromOverview(int tag)
{
    const QStringList billIDs = billIDsAt(m_selection->selectedRows(), m_lists.filtered);
    if (tag != ArchiveCase || billIDs.isEmpty())
        return tag == ArchiveCase;
    bool written = true;
    for (const QString& billID : billIDs)
        written = BWBill(m_env).archiveBillWithBid(billID) && written;
    reloadItems(billIDs);
    return written;
}

bool BWOverviewController::restoreBillFromOverview()
{
    const QStringList billIDs = billIDsAt(m_selection->selectedRows(), m_lists.filtered);
    if (billIDs.isEmpty() || !m_billEditorController)
        return false;
    bool written = true;
    for (const QString& billID : billIDs)
        written = m_billEditorController->restoreBill(billID) && written;
    return written;
}
