// The selected bill's actions: the actions pop-up and the alternate button of
// the bottom bar, skipping a payment, and the table's context menu.
#include "screens/BWOverviewController.h"

#include <QAction>
#include <QMenu>
#include <QPushButton>
#include <QTableView>

#include "platform/Log.h"
#include "platform/SenderTag.h"
#include "platform/UserDefaults.h"
#include "screens/BWBillActionsMenu.h"
#include "store/BWBill.h"
#include "store/BWBillCommands.h"
#include "store/BWBillRecordKeys.h"
#include "store/BWBillsLoader.h"
#include "store/BWDefaultsKeys.h"
#include "store/BWPaymentLogger.h"
#include "widgets/BGHUDView.h"
#include "widgets/BWMessageBox.h"
#include "widgets/BWPopupButton.h"
#include "widgets/KBButton.h"

namespace {

bool systemConfirmation(QWidget* parent, const QString& question, const QString& subject, const QString& confirmTitle)
{
    BWMessageBox box(QMessageBox::Question, question, subject, parent);
    QPushButton* confirm = box.addButton(confirmTitle, QMessageBox::AcceptRole);
    // A titled button: the stock one carries a stop sign, too loud for "leave it as it is".
    box.addButton(QObject::tr("Cancel"), QMessageBox::RejectRole);
    box.setDefaultButton(confirm);
    box.exec();
    return box.clickedButton() == confirm;
}

}  // namespace

void BWOverviewController::buildActions()
{
    m_confirm = systemConfirmation;
    connect(m_bottomBar->actionsMenu(), &BWBillActionsMenu::skipRequested, this,
            [this] { skipFromActionsButtonMenu(); });

    m_archiveContextMenuItem = new QAction(this);
    connect(m_archiveContextMenuItem, &QAction::triggered, this, [this] {
        if (SenderTag::of(m_archiveContextMenuItem) == RestoreCase)
            emit restoreBillRequested(m_archiveContextMenuItem);
        else
            archiveBillFromOverview(ArchiveCase);
    });
    setMenuItemsForCase(ArchiveCase);

    m_billTable->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_billTable, &QWidget::customContextMenuRequested, this, &BWOverviewController::showContextMenu);
}

void BWOverviewController::setupActionButtonMenuForBill(const QVariantMap& record)
{
    m_bottomBar->setupActionButtonMenuForBill(record);
}

bool BWOverviewController::skipFromActionsButtonMenu()
{
    const int row = selectedRow();
    if (row < 0)
        return false;
    const QVariantMap selected = m_lists.filtered.value(row).toMap();
    const QString billID = selected.value(BillKeys::Bid).toString();
    if (!m_confirm(m_list->window(), BWBillActionsMenu::skipQuestion(), selected.value(BillKeys::Name).toString(),
                   tr("Skip Payment")))
        return false;
    std::optional<QVariantMap> record = BWBillsLoader(m_env).loadBillWithID(billID);
    const BWPaymentLogger::Skip skip = record && BWBillCommands::takesPayments(*record)
                                           ? BWPaymentLogger(m_env).skipPayment(*record)
                                           : BWPaymentLogger::Skip::NoNextDueDate;
    if (skip == BWPaymentLogger::Skip::NoNextDueDate) {
        Log::line(QStringLiteral("No next due date to skip to for %1").arg(billID));
        return false;
    }
    const bool written = skip == BWPaymentLogger::Skip::Skipped;
    // The skipped bill moves down the list; the update selects it again
    // where it went, not whatever bill took its row.
    reloadItems({billID});
    return written;
}

void BWOverviewController::setMenuItemsForCase(ArchiveMenuCase menuCase)
{
    // The main menu titles its own item by the bill it acts on.
    m_archiveContextMenuItem->setText(menuCase == RestoreCase ? tr("Restore") : tr("Archive"));
    SenderTag::set(m_archiveContextMenuItem, int(menuCase));
}

std::unique_ptr<QMenu> BWOverviewController::contextMenuForRow(int row)
{
    if (row < 0 || row >= m_lists.filtered.size())
        return nullptr;
    if (!m_selection->selectedRows().contains(row))
        m_selection->selectRows({row});
    // The row the user clicked is the one edit, delete and export act on.
    m_billTable->selectionModel()->setCurrentIndex(m_tableModel->index(row, 0), QItemSelectionModel::NoUpdate);

    // One bill offers its actions, edit among them; several offer what acts
    // on the clicked one or on them all, as the main menu does.
    const int selected = int(m_selection->selectedRows().size());
    const QVariantMap clicked = m_lists.filtered.value(row).toMap();
    const bool incomeLogsItself = m_env.defaults->boolForKey(BWDefaultsKeys::BW_ShouldAutoLogIncome);
    const auto offered = [&](BWBillCommands::Command command) {
        return BWBillCommands::offers(command, clicked, selected, incomeLogsItself);
    };
    auto menu = std::make_unique<QMenu>(m_billTable);
    if (selected == 1)
        menu->addActions(m_bottomBar->actionsMenu()->items());
    else if (offered(BWBillCommands::Command::Edit))
        connect(menu->addAction(tr("Edit…")), &QAction::triggered, this, &BWOverviewController::editBillRequested);
    menu->addSeparator();
    if (offered(BWBillCommands::Command::Delete))
        connect(menu->addAction(tr("Delete…")), &QAction::triggered, this, &BWOverviewController::deleteBillRequested);
    if (offered(BWBillCommands::Command::ArchiveOrRestore))
        menu->addAction(m_archiveContextMenuItem);
    menu->addSeparator();
    connect(menu->addAction(tr("Export as CSV…")), &QAction::triggered, this,
            &BWOverviewController::exportBillRequested);
    return menu;
}

void BWOverviewController::showContextMenu(const QPoint& position)
{
    const std::unique_ptr<QMenu> menu = contextMenuForRow(m_billTable->indexAt(position).row());
    if (menu)
        menu->exec(m_billTable->viewport()->mapToGlobal(position));
}
