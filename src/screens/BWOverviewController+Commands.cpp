// Commands on the selected rows that the application delegate sends.
#include "screens/BWOverviewController.h"

#include <QTableView>

#include "screens/BWBillEditorScreen.h"
#include "store/BWBill.h"
#include "store/BWBillRecordKeys.h"

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

bool BWOverviewController::archiveBillFromOverview(int tag)
{
    const QList<int> rows = selectedRows();
    if (rows.isEmpty())
        return true;
    bool written = true;
    QStringList changed;
    for (int row : rows) {
        const QString billID = m_tableModel->recordAt(row).value(BillKeys::Bid).toString();
        BWBill writer(m_env);
        if (tag == ArchiveCase)
            written = writer.archiveBillWithBid(billID) && written;
        else if (tag == RestoreCase)
            written = writer.restoreBillWithBid(billID) && written;
        changed.append(billID);
    }
    reloadItems(changed);
    return written;
}

bool BWOverviewController::restoreBillFromOverview()
{
    const int row = selectedRow();
    if (row < 0 || !m_billEditorController)
        return false;
    return m_billEditorController->restoreBill(m_tableModel->recordAt(row).value(BillKeys::Bid).toString());
}
