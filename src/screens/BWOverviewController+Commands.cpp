// Commands on the selected rows that the application delegate sends.
#include "screens/BWOverviewController.h"

#include <QTableView>

#include "screens/BWBillEditorScreen.h"
#include "store/BWBill.h"
#include "store/BWBillRecordKeys.h"
#include "widgets/BWPopupButton.h"

namespace {

// The archive menu items' tags: archive the selection, or restore it.
constexpr int ArchiveTag = 0;
constexpr int RestoreTag = 1;

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

bool BWOverviewController::archiveBillFromOverview(int tag)
{
    const QList<int> rows = selectedRows();
    if (rows.isEmpty())
        return true;
    bool written = true;
    for (int row : rows) {
        const QString billID = m_tableModel->recordAt(row).value(BillKeys::Bid).toString();
        BWBill writer(m_env);
        if (tag == ArchiveTag)
            written = writer.archiveBillWithBid(billID) && written;
        else if (tag == RestoreTag)
            written = writer.restoreBillWithBid(billID) && written;
    }
    loadOverview();
    return written;
}

bool BWOverviewController::restoreBillFromOverview()
{
    const int row = selectedRow();
    if (row < 0 || !m_billEditorController)
        return false;
    return m_billEditorController->restoreBill(m_tableModel->recordAt(row).value(BillKeys::Bid).toString());
}

void BWOverviewController::setupActionButtonMenuForBill(const QVariantMap&)
{
    clearActionsMenu();
}

// An empty pop-up and an untitled alternate button would only take room in
// the bottom bar; they show again once there are actions to offer.
void BWOverviewController::clearActionsMenu()
{
    m_actionsPopupButton->clear();
    m_actionsPopupButton->hide();
    m_actionsAlternateButton->hide();
}
