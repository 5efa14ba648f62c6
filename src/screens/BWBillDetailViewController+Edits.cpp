// Changes the user makes on the bill page without the editor: skipping a
// payment, editing or removing a logged payment and its receipt, the due
// date, the amount, the notes and the balance. Each is written through the
// store; a change the store refused leaves the popover open with a warning.
#include "screens/BWBillDetailViewController.h"

#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTextDocument>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>

#include "platform/Log.h"
#include "screens/BWAmountField.h"
#include "screens/BWAutomaticCatchUp.h"
#include "screens/BWBillActionsMenu.h"
#include "store/BWBill.h"
#include "store/BWBillCommands.h"
#include "store/BWBillRecordKeys.h"
#include "store/BWBillsLoader.h"
#include "store/BWPaymentLogger.h"
#include "widgets/BGHUDLabel.h"
#include "widgets/BWPlainText.h"
#include "widgets/BGHUDTextField.h"
#include "widgets/BGHUDView.h"
#include "widgets/KBButton.h"
#include "widgets/KNPopUpDatePicker.h"

namespace {

// The chosen day at the time of day the entry had, so that editing the date
// of a payment keeps its place among the payments of the same day.
QDateTime dayAtTimeOf(const QDate& day, const QDateTime& original)
{
    const QDateTime local = original.isValid() ? original.toLocalTime() : QDateTime();
    return QDateTime(day, local.isValid() ? local.time() : QTime(12, 0)).toUTC();
}

QString receiptButtonTitle(const QString& receipt)
{
    return receipt.isEmpty() ? BWPaymentLogger::resetTitleForReceiptButton(2)
                             : BWPlainText::mnemonicFree(QFileInfo(receipt).fileName());
}

// Beside the right edge of `area` in `anchor` (the whole anchor for none),
// centred on it.
void openPopover(QWidget* popover, QWidget* anchor, const QRect& area = QRect())
{
    popover->adjustSize();
    if (anchor) {
        const QRect side = area.isNull() ? anchor->rect() : area;
        popover->move(anchor->mapToGlobal(QPoint(side.right(), side.center().y() - popover->height() / 2)));
    }
    popover->show();
    popover->raise();
    popover->activateWindow();
}

// The stored payments, checked against the page's list: nothing when the
// bill changed since the page loaded it.
std::optional<QVariantList> storedPaymentsMatching(const std::optional<QVariantMap>& record, const QVariantList& shown)
{
    if (!record)
        return std::nullopt;
    const QVariantList stored = BWPaymentLogger::paymentsNewestFirst(record->value(BillKeys::PaymentList).toList());
    if (stored != shown)
        return std::nullopt;
    return stored;
}

// Where `shown` stands among `payments` now: found by its id, so that
// payments logged or removed elsewhere meanwhile don't move it; -1 once it
// is gone.
qsizetype positionOfPayment(const QVariantList& payments, const QVariantMap& shown)
{
    const QString paymentID = shown.value(PaymentKeys::PaymentID).toString();
    for (qsizetype at = 0; at < payments.size(); ++at) {
        const QVariantMap payment = payments.at(at).toMap();
        if (paymentID.isEmpty() ? payment == shown : payment.value(PaymentKeys::PaymentID).toString() == paymentID)
            return at;
    }
    return -1;
}

}  // namespace

// ---- Popovers --------------------------------------------------------------------

void BWBillDetailViewController::closePopover(QWidget* popover)
{
    if (popover)
        popover->hide();
}

void BWBillDetailViewController::closePopovers()
{
    for (QWidget* popover :
         {m_widgets.paymentEditorPopover.data(), m_widgets.stickyEditorPopover.data(),
          m_widgets.notesEditorPopover.data(), m_widgets.skipPaymentPopover.data(), m_widgets.balancePopover.data()})
        closePopover(popover);
}

// The popover closes before the page announces the change, so that whoever
// reloads the page finds it without one.
void BWBillDetailViewController::finishSave(QWidget* popover)
{
    closePopover(popover);
    emit billChanged(m_currentBillID);
}

void BWBillDetailViewController::warn(const QString& message, const QString& details)
{
    Log::line(QStringLiteral("%1 %2").arg(message, details));
    if (m_desktop.warn)
        m_desktop.warn(m_widgets.billHeader ? m_widgets.billHeader->window() : nullptr, message, details);
}

bool BWBillDetailViewController::acceptTypedDate(BWDateField* field)
{
    if (field->acceptTypedDate())
        return true;
    warn(tr("Enter a Date"), field->refusal());
    return false;
}

std::optional<QVariantMap> BWBillDetailViewController::loadShownBill() const
{
    return BWBillsLoader(m_env).loadBillWithID(m_currentBillID);
}

bool BWBillDetailViewController::saveKeys(const QStringList& keys, const QVariantList& values)
{
    if (BWBill(m_env).saveSpecificKeys(keys, values, m_currentBillID))
        return true;
    warn(tr("The Change Was Not Saved"), tr("The bill could not be written; it is unchanged."));
    return false;
}

// ---- Skipping ----------------------------------------------------------------------

void BWBillDetailViewController::showSkipPaymentPopover(QWidget* anchor)
{
    m_widgets.skipQuestion->setText(BWBillActionsMenu::skipQuestion() + u'\n' + m_widgets.titleHeaderField->text());
    openPopover(m_widgets.skipPaymentPopover, anchor ? anchor : static_cast<QWidget*>(m_widgets.skipButton));
}

void BWBillDetailViewController::cancelSkipPayment()
{
    closePopover(m_widgets.skipPaymentPopover);
}

bool BWBillDetailViewController::skipPayment()
{
    std::optional<QVariantMap> record = loadShownBill();
    if (record && !BWBillCommands::takesPayments(*record)) {
        warn(tr("The Payment Was Not Skipped"), tr("An archived bill has no payment to skip until it is restored."));
        return false;
    }
    const BWPaymentLogger::Skip skip = record ? BWPaymentLogger(m_env).skipPayment(*record)
                                              : BWPaymentLogger::Skip::NoNextDueDate;
    if (skip == BWPaymentLogger::Skip::NoNextDueDate) {
        warn(tr("The Payment Was Not Skipped"), tr("The bill's next due date could not be worked out."));
        return false;
    }
    if (skip == BWPaymentLogger::Skip::NotWritten) {
        warn(tr("The Payment Was Not Skipped"), tr("The bill could not be written; it is unchanged."));
        return false;
    }
    finishSave(m_widgets.skipPaymentPopover);
    return true;
}

// ---- Editing a logged payment --------------------------------------------------------

void BWBillDetailViewController::editClickedPayment(int row)
{
    if (row < 0 || row >= m_dataSource.size())
        return;
    m_editing.paymentIndex = row;
    const QVariantMap payment = m_dataSource.at(row).toMap();
    m_editing.payment = payment;
    m_widgets.revDatePaid->setDateValue(payment.value(PaymentKeys::Date).toDateTime().toLocalTime().date());
    m_editing.paidDate = m_widgets.revDatePaid->dateValue();
    m_editing.paidAmount = payment.value(PaymentKeys::Amount).toDouble();
    m_widgets.revAmtPaid->setText(BWBillsLoader(m_env).currencyFormattedNumber(m_editing.paidAmount));
    m_editing.paidNote = payment.value(PaymentKeys::Note).toString();
    m_widgets.revNotePaid->setText(m_editing.paidNote);
    m_editing.paidReceipt = BWPaymentLogger::cleanReceiptTitle(payment.value(PaymentKeys::Receipt).toString());
    showEditedReceipt(m_editing.paidReceipt);

    // The editor opens on the amount: a date field with the focus opens its
    // calendar bubble, which would cover the page before anyone asked for it.
    m_widgets.revAmtPaid->setFocus(Qt::OtherFocusReason);
    m_widgets.revAmtPaid->selectAll();
    openPopover(m_widgets.paymentEditorPopover, m_widgets.paymentTable->viewport(),
                m_widgets.paymentTable->visualRect(m_widgets.paymentTable->model()->index(row, 0)));
}

void BWBillDetailViewController::attachReceipt()
{
    const QString chosen
        = m_desktop.chooseReceipt ? m_desktop.chooseReceipt(m_widgets.paymentEditorPopover) : QString();
    if (chosen.isEmpty())
        return;
    showEditedReceipt(chosen);
}

void BWBillDetailViewController::removeReceipt()
{
    showEditedReceipt(QString());
}

// Only a payment that has a receipt has one to remove.
void BWBillDetailViewController::showEditedReceipt(const QString& receipt)
{
    m_editing.receipt = receipt;
    m_widgets.revReceipt->setText(receiptButtonTitle(receipt));
    m_widgets.removeReceiptButton->setEnabled(!receipt.isEmpty());
}

void BWBillDetailViewController::viewReceipt()
{
    const QModelIndexList rows = m_widgets.paymentTable->selectionModel()->selectedRows();
    if (rows.isEmpty() || !rowHasReceipt(rows.first().row()))
        return;
    // Receipts are copies in the data folder; a path that leads elsewhere
    // names nothing of ours.
    const QString receipt = m_dataSource.at(rows.first().row()).toMap().value(PaymentKeys::Receipt).toString();
    const QString path = QDir(BWBillsLoader(m_env).orvaneDirectory()).filePath(QFileInfo(receipt).fileName());
    if (!QFileInfo::exists(path) || !m_desktop.openFile || !m_desktop.openFile(path))
        warn(tr("The Receipt Could Not Be Opened"), tr("The receipt file \"%1\" is missing.").arg(QFileInfo(receipt).fileName()));
}

// The page's list is what the user edits by position; when the stored list
// no longer holds the same payments (one was logged or removed elsewhere since
// the page loaded), a position would name another payment.

// The stored payments when the one being edited is still where the page
// shows it; otherwise the user hears why nothing changed and sees the list
// as it is now.
std::optional<QVariantList> BWBillDetailViewController::paymentsToEdit(const QString& failureTitle)
{
    std::optional<QVariantList> payments = storedPaymentsMatching(loadShownBill(), m_dataSource);
    if (payments && m_editing.paymentIndex >= 0 && m_editing.paymentIndex < payments->size())
        return payments;
    warn(failureTitle, tr("The bill's payments changed since they were shown. Look again."));
    closePopover(m_widgets.paymentEditorPopover);
    loadBillWithID(m_currentBillID);
    return std::nullopt;
}

// The edited payment's receipt: the one it had when the user left it alone
// (no second copy), none when removed, or a copy of a newly chosen file. A
// copy that fails keeps the old receipt.
std::optional<QString> BWBillDetailViewController::receiptForSave()
{
    const QString& previous = m_editing.paidReceipt;
    if (m_editing.receipt == previous || m_editing.receipt.isEmpty())
        return m_editing.receipt;
    const std::optional<QString> copy = BWPaymentLogger(m_env).copyAttachment(m_editing.receipt);
    if (copy)
        return *copy;
    warn(tr("The Receipt Was Not Attached"),
         tr("\"%1\" could not be copied into Orvane's data folder; the payment keeps its earlier receipt.")
             .arg(QFileInfo(m_editing.receipt).fileName()));
    return previous;
}

// Only the fields the user changed are written, onto the payment as stored
// now: an edit of the same payment made elsewhere meanwhile keeps what the
// user left alone, and payments logged meanwhile stay.
bool BWBillDetailViewController::saveClickedPayment()
{
    if (!acceptTypedDate(m_widgets.revDatePaid))
        return false;
    const std::optional<double> amount = BWAmountField::amount(m_widgets.revAmtPaid);
    if (!amount) {
        warn(tr("Enter an Amount"), tr("\"%1\" is not an amount.").arg(m_widgets.revAmtPaid->text()));
        return false;
    }
    const std::optional<QVariantMap> record = loadShownBill();
    QVariantList payments
        = record ? BWPaymentLogger::paymentsNewestFirst(record->value(BillKeys::PaymentList).toList()) : QVariantList();
    const qsizetype position = positionOfPayment(payments, m_editing.payment);
    if (position < 0) {
        warn(tr("The Payment Was Not Changed"), tr("The payment was removed since it was shown."));
        closePopover(m_widgets.paymentEditorPopover);
        loadBillWithID(m_currentBillID);
        return false;
    }
    // What else the entry knows (what it did to the due date and balance)
    // stays with it, so that it can still be undone.
    QVariantMap edited = payments.at(position).toMap();
    if (BWBillPageEditState::amountChanged(m_editing.paidAmount, *amount))
        edited.insert(PaymentKeys::Amount, *amount);
    if (const QDate day = m_widgets.revDatePaid->dateValue(); day != m_editing.paidDate)
        edited.insert(PaymentKeys::Date, dayAtTimeOf(day, edited.value(PaymentKeys::Date).toDateTime()));
    if (const QString note = m_widgets.revNotePaid->text(); note != m_editing.paidNote)
        edited.insert(PaymentKeys::Note, note);
    if (m_editing.receipt != m_editing.paidReceipt)
        edited.insert(PaymentKeys::Receipt, *receiptForSave());
    if (edited != payments.at(position).toMap()
        && !BWPaymentLogger(m_env).saveEditedPayment(payments, position, edited, m_currentBillID)) {
        warn(tr("The Payment Was Not Changed"), tr("The bill could not be written; it is unchanged."));
        return false;
    }
    m_widgets.paymentTable->clearSelection();
    finishSave(m_widgets.paymentEditorPopover);
    return true;
}

bool BWBillDetailViewController::askToDeleteClickedPayment()
{
    if (m_editing.paymentIndex < 0 || m_editing.paymentIndex >= m_dataSource.size() || !m_desktop.ask)
        return false;
    const QVariantMap payment = m_dataSource.at(m_editing.paymentIndex).toMap();
    const BWBillsLoader loader(m_env);
    QString details = tr("The payment of %1 on %2 is taken out of the bill's history and totals.")
                          .arg(loader.currencyFormattedNumber(payment.value(PaymentKeys::Amount).toDouble()),
                               loader.createDueDateString(payment.value(PaymentKeys::Date).toDateTime()));
    // The newest payment is undone whole (see deleteClickedPayment): the due
    // date goes back only when the payment moved it on.
    if (m_editing.paymentIndex == 0)
        details += u' '
                   + (BWPaymentLogger::paymentMovedDueDate(payment)
                          ? tr("The due date moves back to where it was before this payment.")
                          : tr("The due date stays as it is: this partial payment did not move it."));
    const int answer = m_desktop.ask(m_widgets.paymentEditorPopover, tr("Delete This Payment?"), details,
                                     {tr("Cancel"), tr("Delete Payment")});
    return answer == 1 && deleteClickedPayment();
}

bool BWBillDetailViewController::deleteClickedPayment()
{
    std::optional<QVariantList> payments = paymentsToEdit(tr("The Payment Was Not Removed"));
    if (!payments)
        return false;
    const BWPaymentLogger logger(m_env);
    bool written = false;
    if (m_editing.paymentIndex == 0) {
        // The newest payment is undone as a whole: its due date step, what it
        // took off the balance, and its receipt copy.
        written = logger.reverseLastPaymentForBill(m_currentBillID, *payments);
    } else {
        payments->removeAt(m_editing.paymentIndex);
        written = logger.savePaymentList(*payments, m_currentBillID);
    }
    if (!written) {
        warn(tr("The Payment Was Not Removed"), tr("The bill could not be written; it is unchanged."));
        return false;
    }
    m_widgets.paymentTable->clearSelection();
    finishSave(m_widgets.paymentEditorPopover);
    return true;
}

// ---- Due date and amount ----------------------------------------------------------------

void BWBillDetailViewController::quickEdit(int tab, QWidget* anchor)
{
    const std::optional<QVariantMap> record = loadShownBill();
    if (!record)
        return;
    m_widgets.revisionTabView->setCurrentIndex(tab);
    m_editing.quickEditAmount = record->value(BillKeys::Amount).toDouble();
    m_widgets.revisedStickyAmount->setText(BWBillsLoader(m_env).currencyFormattedNumber(m_editing.quickEditAmount));
    // The user edits the date the page shows; a date left as it was keeps the
    // stored one, which a weekend or holiday may have moved for display only.
    m_editing.quickEditDueDate = record->value(BillKeys::DueDate).toDateTime();
    m_widgets.revisedStickyDate->setDateValue(m_editing.quickEditDueDate.toLocalTime().date());
    openPopover(m_widgets.stickyEditorPopover, anchor);
}

bool BWBillDetailViewController::saveQuickEdits()
{
    if (m_widgets.revisionTabView->currentIndex() == AmountTab) {
        const std::optional<double> amount = BWAmountField::amount(m_widgets.revisedStickyAmount);
        if (!amount) {
            warn(tr("Enter an Amount"), tr("\"%1\" is not an amount.").arg(m_widgets.revisedStickyAmount->text()));
            return false;
        }
        if (BWBillPageEditState::amountChanged(m_editing.quickEditAmount, *amount)
            && !saveKeys({BillKeys::Amount}, {*amount}))
            return false;
    } else if (m_widgets.revisionTabView->currentIndex() == DueDateTab) {
        if (!acceptTypedDate(m_widgets.revisedStickyDate))
            return false;
        const QDate chosen = m_widgets.revisedStickyDate->dateValue();
        if (chosen != m_editing.quickEditDueDate.toLocalTime().date())
            return saveDueDate(dayAtTimeOf(chosen, m_editing.quickEditDueDate));
    }
    finishSave(m_widgets.stickyEditorPopover);
    return true;
}

// The automatic step that follows may log payments the moved date made due,
// as after a save in the editor; several at once only when the user agrees.
bool BWBillDetailViewController::saveDueDate(const QDateTime& dueDate)
{
    std::optional<QVariantMap> moved = loadShownBill();
    if (moved) {
        BWBill::setDueDateOfRecord(*moved, dueDate);
        moved->remove(BillKeys::DueDayOfMonth);
    }
    if (!moved || !BWAutomaticCatchUp::agreed(m_env, *moved, m_desktop.ask, m_widgets.stickyEditorPopover)
        || !saveKeys({BillKeys::DueDate}, {dueDate}))
        return false;
    closePopover(m_widgets.stickyEditorPopover);
    emit dueDateChanged(m_currentBillID);
    return true;
}

// ---- Notes ---------------------------------------------------------------------------

void BWBillDetailViewController::quickEditNotes()
{
    m_editing.notes = m_widgets.notesViewField->toPlainText();
    m_widgets.notesEditField->setPlainText(m_editing.notes);
    openPopover(m_widgets.notesEditorPopover, m_widgets.notesViewField);
}

bool BWBillDetailViewController::saveQuickEditNotes()
{
    const QString notes = m_widgets.notesEditField->toPlainText();
    if (notes != m_editing.notes && !saveKeys({BillKeys::Notes}, {notes}))
        return false;
    finishSave(m_widgets.notesEditorPopover);
    return true;
}

void BWBillDetailViewController::cancelQuickEditNotes()
{
    closePopover(m_widgets.notesEditorPopover);
}

// Notes typed straight into the page are stored as they stand; the page
// needs no reload for them.
bool BWBillDetailViewController::saveNotesInPlace()
{
    const std::optional<QVariantMap> record = loadShownBill();
    if (!record)
        return true;
    if (record->value(BillKeys::Notes).toString() != m_widgets.notesViewField->toPlainText()
        && !saveKeys({BillKeys::Notes}, {m_widgets.notesViewField->toPlainText()}))
        return false;
    m_widgets.notesViewField->document()->setModified(false);
    return true;
}

std::optional<QString> BWBillDetailViewController::savePendingNotes()
{
    if (m_currentBillID.isEmpty() || !m_widgets.notesViewField->document()->isModified() || !saveNotesInPlace())
        return std::nullopt;
    return m_widgets.notesViewField->toPlainText();
}

// ---- Balance, interest and escrow --------------------------------------------------------

void BWBillDetailViewController::editBalance(QWidget* anchor)
{
    const std::optional<QVariantMap> record = loadShownBill();
    if (!record)
        return;
    const BWBillsLoader loader(m_env);
    m_editing.balance = record->value(BillKeys::Balance).toDouble();
    m_editing.escrow = record->value(BillKeys::Rev).toDouble();
    BWAmountField::setAmount(m_widgets.balanceEditField, m_editing.balance);
    m_widgets.interestRateField->setText(
        loader.numberFormattedNumber(100.0 * BWPaymentLogger::interestShareOf(*record)));
    // The rate as shown, which may be rounded: only a rate typed anew replaces the stored one.
    m_editing.interestPercent = BWAmountField::amount(m_widgets.interestRateField).value_or(0.0);
    BWAmountField::setAmount(m_widgets.escrowEditField, m_editing.escrow);
    openPopover(m_widgets.balancePopover, anchor);
}

bool BWBillDetailViewController::saveBalanceChanges()
{
    // The rate is typed as a percent, with its sign or without.
    m_widgets.interestRateField->setText(m_widgets.interestRateField->text().remove(u'%').trimmed());
    QVariantList values;
    for (BGHUDTextField* field : {m_widgets.balanceEditField, m_widgets.interestRateField, m_widgets.escrowEditField}) {
        const std::optional<double> value = BWAmountField::amount(field);
        if (!value) {
            warn(tr("Enter a Number"), tr("\"%1\" is not a number.").arg(field->text()));
            return false;
        }
        values.append(*value);
    }
    // The share of a payment that is interest lies between none and all of it.
    const double percent = values.at(1).toDouble();
    if (!(percent >= 0.0 && percent <= 100.0)) {
        warn(tr("Enter an Interest Rate"), tr("%1 % is no interest rate. Enter the rate as a percent from 0 to 100.")
                                               .arg(m_widgets.interestRateField->text()));
        return false;
    }
    // Only what the user changed is written, onto the bill as it is stored
    // now: a balance left alone stays as the store keeps it (to the last
    // bit, with the payments that arrived meanwhile), and is not set anew.
    QStringList changedKeys;
    QVariantList changedValues;
    if (BWBillPageEditState::amountChanged(m_editing.balance, values.at(0).toDouble())) {
        changedKeys.append(BillKeys::Balance);
        changedValues.append(values.at(0));
    }
    if (percent != m_editing.interestPercent) {
        changedKeys.append(BillKeys::Interest);
        changedValues.append(percent / 100.0);
    }
    if (BWBillPageEditState::amountChanged(m_editing.escrow, values.at(2).toDouble())) {
        changedKeys.append(BillKeys::Rev);
        changedValues.append(values.at(2));
    }
    if (!changedKeys.isEmpty() && !saveKeys(changedKeys, changedValues))
        return false;
    finishSave(m_widgets.balancePopover);
    return true;
}
