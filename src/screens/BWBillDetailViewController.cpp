#include "screens/BWBillDetailViewController.h"

#include <QDesktopServices>
#include <QEvent>
#include <QFileInfo>
#include <QFileDialog>
#include <QLabel>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStandardItemModel>
#include <QTableView>
#include <QTextDocument>

#include <algorithm>
#include <cmath>

#include "platform/Log.h"
#include "platform/UserDefaults.h"
#include "screens/BWBillActionsMenu.h"
#include "screens/BWGraphViewController.h"
#include "screens/BWTableCellView.h"
#include "screens/BWWebPane.h"
#include "store/BWBillCommands.h"
#include "store/BWBillRecordKeys.h"
#include "store/BWBillsLoader.h"
#include "store/BWDefaultsKeys.h"
#include "store/BWForecastViewCalculations.h"
#include "store/BWPaySite.h"
#include "store/BWPaymentLogger.h"
#include "widgets/BGHUDLabel.h"
#include "widgets/BWPlainText.h"
#include "widgets/BWMessageBox.h"
#include "widgets/BWIconFont.h"
#include "widgets/BGHUDTextField.h"
#include "widgets/BGHUDView.h"
#include "widgets/BWPopupButton.h"
#include "widgets/KBButton.h"

namespace {

constexpr int DueImageSide = 28;
constexpr int StickerSide = 64;
const QColor DefaultInk(30, 30, 30);
const QColor EstimateInk(150, 150, 150);
const QColor ReceiptClipColor(220, 220, 226);

// Payment table columns, each showing the payment key of the same name.
enum PaymentColumn { DateColumn = 0, AmountColumn = 1, NoteColumn = 2, ReceiptColumn = 3 };

// The statistics position setting runs from 1 to 4.
constexpr qlonglong FirstStatPosition = 1;
constexpr qlonglong LastStatPosition = 4;

void setInk(QLabel* label, const QColor& color)
{
    QPalette colors = label->palette();
    colors.setColor(QPalette::WindowText, color);
    label->setPalette(colors);
}

QString systemReceiptChooser(QWidget* parent)
{
    return QFileDialog::getOpenFileName(parent, QObject::tr("Choose a Receipt"));
}

void systemWarning(QWidget* parent, const QString& message, const QString& details)
{
    BWMessageBox box(QMessageBox::Warning, message, details, parent);
    box.addButton(QMessageBox::Ok);
    box.exec();
}

}  // namespace

BWBillDetailViewController::BWBillDetailViewController(const BWStoreEnvironment& env, QObject* parent)
    : QObject(parent)
    , m_env(env)
    , m_desktop{.estimate =
                    [env](const QVariantMap& bill) {
                        return BWForecastViewCalculations(env).calculateInteligentAmountForBill(bill, 0);
                    },
                .openUrl = [](const QUrl& url) { return QDesktopServices::openUrl(url); },
                .openFile = [](const QString& path) { return QDesktopServices::openUrl(QUrl::fromLocalFile(path)); },
                .chooseReceipt = systemReceiptChooser,
                .warn = systemWarning,
                // The shell hands in its question; without one nothing is deleted.
                .ask = {}}
{
    m_graphViewController = new BWGraphViewController(m_env, this);
    buildHeader();
    buildStickyNote();
    buildPaymentHistory();
    buildStatistics();
    buildWebViewContainer();
    buildPopovers();
    setVisibleStats(false);
}

// The panes may have gone with the main window that took them; the rest are
// ours to delete.
BWBillDetailViewController::~BWBillDetailViewController()
{
    for (QPointer<BGHUDView> pane : {m_widgets.billHeader, m_widgets.stickyNote, m_widgets.paymentHistory,
                                     m_widgets.statisticsView, m_widgets.webViewContainer})
        delete pane.data();
}

// ---- Panes and controls ---------------------------------------------------------

QWidget* BWBillDetailViewController::stickyNote() const
{
    return m_widgets.stickyNote;
}
QWidget* BWBillDetailViewController::billHeader() const
{
    return m_widgets.billHeader;
}
QWidget* BWBillDetailViewController::statisticsView() const
{
    return m_widgets.statisticsView;
}
QWidget* BWBillDetailViewController::paymentHistory() const
{
    return m_widgets.paymentHistory;
}
QWidget* BWBillDetailViewController::webViewContainer() const
{
    return m_widgets.webViewContainer;
}

void BWBillDetailViewController::setWebEngineLoader(BWWebEngineLoader* loader)
{
    m_widgets.webPane->setEngineLoader(loader);
}
QAbstractButton* BWBillDetailViewController::nextBillButton() const
{
    return m_widgets.nextBillButton;
}
QAbstractButton* BWBillDetailViewController::previousBillButton() const
{
    return m_widgets.previousBillButton;
}
QAbstractButton* BWBillDetailViewController::skipButton() const
{
    return m_widgets.skipButton;
}
QAbstractButton* BWBillDetailViewController::logPaymentButtonDetail() const
{
    return m_widgets.logPaymentButtonDetail;
}
QAbstractButton* BWBillDetailViewController::actionsAlternateButton() const
{
    return m_widgets.actionsAlternateButton;
}
QWidget* BWBillDetailViewController::actionsPopupButton() const
{
    return m_widgets.actionsPopupButton;
}
QWidget* BWBillDetailViewController::paymentEditorPopover() const
{
    return m_widgets.paymentEditorPopover;
}
QWidget* BWBillDetailViewController::stickyEditorPopover() const
{
    return m_widgets.stickyEditorPopover;
}
QWidget* BWBillDetailViewController::notesEditorPopover() const
{
    return m_widgets.notesEditorPopover;
}
QWidget* BWBillDetailViewController::skipPaymentPopover() const
{
    return m_widgets.skipPaymentPopover;
}

QList<QLineEdit*> BWBillDetailViewController::amountFields() const
{
    return {m_widgets.revAmtPaid, m_widgets.revisedStickyAmount, m_widgets.balanceEditField, m_widgets.escrowEditField};
}

void BWBillDetailViewController::clearActionsMenu()
{
    m_actionsMenu->clear();
}

// ---- Showing a bill ---------------------------------------------------------------

void BWBillDetailViewController::loadBillWithID(const QString& billID)
{
    loadBillWithDictionary(BWBillsLoader(m_env).loadBillWithID(billID).value_or(QVariantMap()));
}

void BWBillDetailViewController::loadBillWithDictionary(const QVariantMap& given)
{
    QVariantMap record = given;
    // Notes typed for the bill shown so far are stored before the field shows
    // another record's; they are newer than a record of the same bill that
    // was loaded before they were stored.
    if (const std::optional<QString> notes = savePendingNotes();
        notes && record.value(BillKeys::Bid).toString() == m_currentBillID)
        record.insert(BillKeys::Notes, *notes);

    const bool income = BWBillsLoader::billIsIncome(record);
    showMode(income, m_env.defaults->boolForKey(BWDefaultsKeys::BW_ShouldAutoLogIncome));
    enableCommandsOffered(record);

    // Another bill leaves the pay site of the one shown so far, and closes
    // the popovers that edit it: their Save would write to the bill shown now.
    if (record.value(BillKeys::Bid).toString() != m_currentBillID) {
        if (webViewIsShown())
            hideWebView();
        closePopovers();
        m_editing = {};
    }
    m_currentBillID = record.value(BillKeys::Bid).toString();
    m_widgets.titleHeaderField->setText(record.value(BillKeys::Name).toString());
    showDateNotice(record);
    m_widgets.stickyHumanDueDateField->setText(record.value(BillKeys::HumanDueDate).toString());

    const QString dueImage =
        income ? QStringLiteral("white5.png") : getLargeBillIconWithSmallIcon(record.value(BillKeys::DueIcon).toString());
    m_widgets.dueStickerImageView->setPixmap(BWTableCellView::image(dueImage, StickerSide));
    m_widgets.headerDueImageView->setPixmap(BWTableCellView::image(dueImage, DueImageSide));

    m_widgets.dueDateField->setText(record.value(BillKeys::DueString).toString());
    m_widgets.humanRepeatField->setText(record.value(BillKeys::HumanRepeat).toString());
    showAmountDue(record);
    if (!income)
        setPayNowButtonVisibility(record);
    showPayments(record);
    m_statisticsStrip.showStatistics(record);

    m_widgets.notesViewField->setPlainText(record.value(BillKeys::Notes).toString());
    m_widgets.notesViewField->document()->setModified(false);
    m_widgets.billTagsList->setText(record.value(BillKeys::Tags).toStringList().join(QStringLiteral(", ")));
    setVisibleStats(income);
    m_graphViewController->setBill(record);
    m_graphViewController->updateGraphHeight();
    m_graphViewController->prepareGraph();
    m_widgets.viewReceiptButton->hide();
    m_actionsMenu->setupActionButtonMenuForBill(record);
    emit billLoaded(m_currentBillID);
}

void BWBillDetailViewController::showMode(bool income, bool autoLogIncome)
{
    const bool actionsShown = !income || !autoLogIncome;
    m_widgets.incomeAutologText->setVisible(income && autoLogIncome);
    m_widgets.actionsPopupButton->setVisible(actionsShown);
    m_widgets.actionsAlternateButton->setVisible(actionsShown);
    m_widgets.amountDueTitle->setText(income ? tr("AMOUNT") : tr("AMOUNT DUE"));
    for (QWidget* billOnly : std::initializer_list<QWidget*>{
             m_widgets.payNowButton, m_widgets.skipButton, m_widgets.logPaymentButtonDetail, m_widgets.logPartialPopUp})
        billOnly->setVisible(!income);
    m_widgets.paymentHistoryHeader->setText(income ? tr("Income History") : tr("Payment History"));
    m_widgets.totalPaidBalanceTitle->setText(income ? tr("Total Income") : tr("Total Paid"));
}

// The payment controls of an item that takes no payments (an archived bill)
// stay in place, greyed.
void BWBillDetailViewController::enableCommandsOffered(const QVariantMap& record)
{
    using BWBillCommands::Command;
    const bool incomeLogsItself = m_env.defaults->boolForKey(BWDefaultsKeys::BW_ShouldAutoLogIncome);
    const QList<std::pair<QWidget*, Command>> controls{{m_widgets.logPaymentButtonDetail, Command::LogPayment},
                                                       {m_widgets.logPartialPopUp, Command::LogPartial},
                                                       {m_widgets.skipButton, Command::SkipPayment},
                                                       {m_widgets.payNowButton, Command::PayNow}};
    for (const auto& [control, command] : controls)
        control->setEnabled(BWBillCommands::offers(command, record, incomeLogsItself));
}

void BWBillDetailViewController::showDateNotice(const QVariantMap& record)
{
    m_widgets.weekendAdjustmentNotice->hide();
    const qlonglong shift = record.value(BillKeys::DateWasModified).toLongLong();
    if (shift == 1) {
        m_widgets.weekendAdjustmentNotice->setText(tr("Date adjusted to avoid weekend."));
        m_widgets.weekendAdjustmentNotice->show();
    } else if (shift == 2) {
        m_widgets.weekendAdjustmentNotice->setText(tr("Date adjusted to avoid holiday."));
        m_widgets.weekendAdjustmentNotice->show();
    }
    if (record.value(BillKeys::IsArchived).toBool()) {
        m_widgets.weekendAdjustmentNotice->setText(tr("Archived"));
        m_widgets.weekendAdjustmentNotice->show();
    }
}

// A varying amount is stored as 0: the page shows this month's estimate in
// grey instead, or says that no amount is set.
void BWBillDetailViewController::showAmountDue(const QVariantMap& record)
{
    const BWBillsLoader loader(m_env);
    const double amount = record.value(BillKeys::Amount).toDouble();
    setInk(m_widgets.amountDueField, DefaultInk);
    m_widgets.amountDueField->setText(loader.currencyFormattedNumber(amount));
    const bool varies = record.contains(BillKeys::AmountVaries) && record.value(BillKeys::AmountVaries).toInt() == 1;
    if (std::trunc(amount) != 0.0 || !varies)
        return;
    if (!m_env.defaults->boolForKey(BWDefaultsKeys::BWUseIntelligenceEstimates)) {
        m_widgets.amountDueField->setText(tr("Not Set"));
        return;
    }
    const double estimate = m_desktop.estimate ? m_desktop.estimate(record) : 0.0;
    if (std::trunc(estimate) == 0.0) {
        setInk(m_widgets.amountDueField, EstimateInk);
        m_widgets.amountDueField->setText(tr("Not Set"));
        return;
    }
    setInk(m_widgets.amountDueField, estimate == amount ? DefaultInk : EstimateInk);
    m_widgets.amountDueField->setText(loader.currencyFormattedNumber(estimate));
}

QString BWBillDetailViewController::getLargeBillIconWithSmallIcon(const QString& imageName)
{
    static const QStringList coloured{QStringLiteral("green5.png"), QStringLiteral("yellow5.png"),
                                      QStringLiteral("red5.png"), QStringLiteral("blue5.png")};
    return coloured.contains(imageName) ? imageName : QStringLiteral("white5.png");
}

void BWBillDetailViewController::setPayNowButtonVisibility(const QVariantMap& record)
{
    m_widgets.payNowButton->setVisible(BWPaySite::billHasPaySite(record));
}

// ---- Payment history ----------------------------------------------------------------

void BWBillDetailViewController::showPayments(const QVariantMap& record)
{
    m_dataSource = BWPaymentLogger::paymentsNewestFirst(record.value(BillKeys::PaymentList).toList());
    const BWBillsLoader loader(m_env);
    m_widgets.paymentModel->setRowCount(0);
    for (int row = 0; row < m_dataSource.size(); ++row) {
        const QVariantMap payment = m_dataSource.at(row).toMap();
        auto* date = new QStandardItem(loader.createDueDateString(payment.value(PaymentKeys::Date).toDateTime()));
        auto* amount = new QStandardItem(loader.currencyFormattedNumber(payment.value(PaymentKeys::Amount).toDouble()));
        amount->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        auto* note = new QStandardItem(payment.value(PaymentKeys::Note).toString());
        auto* receipt = new QStandardItem;
        if (rowHasReceipt(row)) {
            receipt->setIcon(BWIconFont::icon(QStringLiteral("770-paper-clip-toolbar"), ReceiptClipColor));
            receipt->setToolTip(
                BWPlainText::toolTip(QFileInfo(payment.value(PaymentKeys::Receipt).toString()).fileName()));
        }
        m_widgets.paymentModel->appendRow({date, amount, note, receipt});
    }
    m_widgets.totalPaidField->setText(loader.currencyFormattedNumber(record.value(BillKeys::TotalPaid).toDouble()));
}

bool BWBillDetailViewController::rowHasReceipt(int row) const
{
    const QString receipt = m_dataSource.value(row).toMap().value(PaymentKeys::Receipt).toString();
    return !BWPaymentLogger::cleanReceiptTitle(receipt).isEmpty();
}

void BWBillDetailViewController::paymentSelectionChanged()
{
    const QModelIndexList rows = m_widgets.paymentTable->selectionModel()->selectedRows();
    if (!rows.isEmpty())
        m_widgets.viewReceiptButton->setVisible(rowHasReceipt(rows.first().row()));
}

// ---- Statistics ----------------------------------------------------------------------

// The strip holds the payment and year boxes, and for a bill the balance and
// season boxes as well.
void BWBillDetailViewController::setVisibleStats(bool income)
{
    m_statisticsStrip.holdBoxesFor(income);
    showStatPosition();
}

void BWBillDetailViewController::switchStatPositionBack()
{
    updateStatPositionWithNewPosition(m_env.defaults->integerForKey(BWDefaultsKeys::BWStatPosition) - 1);
}

void BWBillDetailViewController::switchStatPositionForward()
{
    updateStatPositionWithNewPosition(m_env.defaults->integerForKey(BWDefaultsKeys::BWStatPosition) + 1);
}

void BWBillDetailViewController::updateStatPositionWithNewPosition(qlonglong position)
{
    m_env.defaults->setInteger(BWDefaultsKeys::BWStatPosition,
                               std::clamp(position, FirstStatPosition, LastStatPosition));
    showStatPosition();
}

// The strip starts at the box of the stored position (or the last box shown,
// for an item that shows fewer).
void BWBillDetailViewController::showStatPosition()
{
    const qlonglong stored = std::clamp(m_env.defaults->integerForKey(BWDefaultsKeys::BWStatPosition),
                                        FirstStatPosition, LastStatPosition);
    m_statisticsStrip.scrollToPosition(stored);
}

// ---- Graph ----------------------------------------------------------------------------

void BWBillDetailViewController::setGraphResizing()
{
    m_graphViewController->graphResizing();
}

void BWBillDetailViewController::setGraphHeight()
{
    m_graphViewController->updateGraphHeight();
}

// ---- Notes typed in place -------------------------------------------------------------

bool BWBillDetailViewController::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_widgets.notesViewField && event->type() == QEvent::FocusOut)
        saveNotesInPlace();
    if (watched == m_widgets.statsHost && event->type() == QEvent::Resize)
        m_statisticsStrip.fitStatisticsToWholeBoxes();
    if (m_widgets.webViewContainer && watched == m_widgets.webViewContainer->parentWidget()
        && event->type() == QEvent::Resize)
        fitWebViewToWindow();
    // The amount says it can be clicked, and does what "Change Amount" does.
    if (watched == m_widgets.amountDueField && event->type() == QEvent::MouseButtonRelease
        && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton)
        quickEdit(AmountTab, m_widgets.amountDueField);
    return QObject::eventFilter(watched, event);
}
