#include "screens/BWLogPaymentController.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QLocale>

#include "platform/Clock.h"
#include "platform/Log.h"
#include "platform/SoundPlayer.h"
#include "platform/UserDefaults.h"
#include "screens/BWAmountField.h"
#include "store/BWAutomaticPayments.h"
#include "store/BWBillRecordKeys.h"
#include "store/BWBillsLoader.h"
#include "store/BWPaymentLogger.h"
#include "store/BWDefaultsKeys.h"
#include "widgets/BGHUDView.h"
#include "widgets/BWFocusReturn.h"
#include "widgets/BWPlainText.h"

namespace {

constexpr int ReceiptButtonMaximumWidth = 280;
constexpr int ReceiptTitleWidth = 240;

QString noReceiptTitle()
{
    return BWPaymentLogger::resetTitleForReceiptButton(1);
}

QString attachTitle()
{
    return BWPaymentLogger::resetTitleForReceiptButton(2);
}

QString systemReceiptChooser(QWidget* parent, const QString& title, const QString& acceptButtonText)
{
    QFileDialog dialog(parent, title);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setLabelText(QFileDialog::Accept, acceptButtonText);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().constFirst();
}

BGHUDLabel* plainLabel(const QString& text = QString())
{
    auto* label = new BGHUDLabel(text);
    // Bill names and file paths are shown as they are, never as markup.
    label->setTextFormat(Qt::PlainText);
    return label;
}

}  // namespace

BWLogPaymentController::BWLogPaymentController(const BWStoreEnvironment& env, SoundPlayer& sounds,
                                               QWidget* parentWindow)
    : m_env(env), m_sounds(sounds), m_chooseReceipt(systemReceiptChooser)
{
    buildPanel(parentWindow);
}

// Without a parent window the panel is ours to delete; with one, the window
// may have taken it down already.
BWLogPaymentController::~BWLogPaymentController()
{
    delete m_panel.data();
}

QWidget* BWLogPaymentController::panel() const
{
    return m_panel;
}

void BWLogPaymentController::buildPanel(QWidget* parentWindow)
{
    m_panel = new BGHUDView(parentWindow);
    m_panel->setWindowFlags(Qt::Tool);
    BWFocusReturn::install(m_panel);
    m_panel->setWindowTitle(tr("Log Payment"));

    m_billNameField = plainLabel();
    QFont nameFont = m_billNameField->font();
    nameFont.setBold(true);
    m_billNameField->setFont(nameFont);
    m_datePaidField = new KNPopUpDatePicker;
    // A plain dark date field: its calendar bubble opens while it has focus.
    QPalette dateColours = m_datePaidField->palette();
    dateColours.setColor(QPalette::Base, QColor(57, 57, 57));
    dateColours.setColor(QPalette::Text, Qt::white);
    m_datePaidField->setPalette(dateColours);
    m_datePaidField->setAccessibleName(tr("Date Paid"));
    m_datePaidField->setClock(m_env.clock);
    m_datePaidField->setNoDateAfterToday(true);
    m_amountPaidField = new BGHUDTextField;
    m_amountPaidField->setAccessibleName(tr("Amount Paid"));
    m_notePaidField = new BGHUDTextField;
    m_notePaidField->setAccessibleName(tr("Note"));
    m_attachReceiptButton = new BGHUDButton(noReceiptTitle());
    // A long path must not stretch the panel: the button shows the file's
    // name, shortened, and the whole path as its tip.
    m_attachReceiptButton->setMaximumWidth(ReceiptButtonMaximumWidth);
    m_savePaymentButton = new KBButton(tr("Log Payment"));
    m_savePaymentButton->setKBButtonType(KBButtonTypeGreen);
    m_savePartialButton = new KBButton(tr("Log Partial Payment"));
    m_savePartialButton->setKBButtonType(KBButtonTypeBlue);
    m_cancelButton = new KBButton(tr("Cancel"));
    m_cancelButton->setKBButtonType(KBButtonTypeLightGrey);
    m_messageLabel = plainLabel();
    m_messageLabel->setWordWrap(true);
    m_messageLabel->hide();

    auto* grid = new QGridLayout(m_panel);
    grid->addWidget(m_billNameField, 0, 0, 1, 2);
    grid->addWidget(plainLabel(tr("Date Paid:")), 1, 0);
    grid->addWidget(m_datePaidField, 1, 1);
    grid->addWidget(plainLabel(tr("Amount:")), 2, 0);
    grid->addWidget(m_amountPaidField, 2, 1);
    grid->addWidget(plainLabel(tr("Note:")), 3, 0);
    grid->addWidget(m_notePaidField, 3, 1);
    grid->addWidget(m_attachReceiptButton, 4, 0, 1, 2);
    grid->addWidget(m_messageLabel, 5, 0, 1, 2);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_cancelButton);
    buttons->addStretch();
    buttons->addWidget(m_savePaymentButton);
    buttons->addWidget(m_savePartialButton);
    grid->addLayout(buttons, 6, 0, 1, 2);

    connect(m_savePaymentButton, &QPushButton::clicked, this, &BWLogPaymentController::savePayment);
    connect(m_savePartialButton, &QPushButton::clicked, this, &BWLogPaymentController::savePartialPayemnt);
    connect(m_attachReceiptButton, &QPushButton::clicked, this, &BWLogPaymentController::attachReceipt);
    connect(m_cancelButton, &QPushButton::clicked, this, &BWLogPaymentController::cancel);
    // Escape, which no field of the panel takes, reaches the panel.
    m_panel->installEventFilter(this);
}

bool BWLogPaymentController::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != m_panel || event->type() != QEvent::KeyPress)
        return QObject::eventFilter(watched, event);
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Escape) {
        cancel();
        return true;
    }
    // Enter in a field logs the payment the panel offers, as the editor's
    // Enter saves; a focused button takes Space for itself.
    const bool inField = qobject_cast<QLineEdit*>(QApplication::focusWidget());
    if ((key == Qt::Key_Return || key == Qt::Key_Enter) && inField) {
        if (m_savePaymentButton->isVisible())
            savePayment();
        else
            savePartialPayemnt();
        return true;
    }
    return QObject::eventFilter(watched, event);
}

void BWLogPaymentController::cancel()
{
    hideDatePopup();
    m_panel->hide();
}

// The panel floats over the middle of the main window it belongs to.
void BWLogPaymentController::placeOverParentWindow()
{
    const QWidget* parent = m_panel->parentWidget();
    if (!parent)
        return;
    const QRect window = parent->window()->frameGeometry();
    m_panel->move(window.center() - QPoint(m_panel->width() / 2, m_panel->height() / 2));
}

void BWLogPaymentController::showLogPaymentWindow(PaymentKind kind)
{
    m_savePaymentButton->setVisible(kind == PaymentKind::Full);
    m_savePartialButton->setVisible(kind != PaymentKind::Full);
    m_bill = BWBillsLoader(m_env).loadBillWithID(m_bid).value_or(QVariantMap());
    m_openedAt = m_env.clock->now();
    showMessage(QString());

    m_billNameField->setText(m_bill.value(BillKeys::Name).toString());
    m_datePaidField->setDate(m_openedAt.toLocalTime().date());
    BWAmountField::setAmount(m_amountPaidField, BWPaymentLogger::amountPrefilValueForBill(m_bill));
    m_notePaidField->clear();
    setReceiptPath(QString());
    if (m_bill.isEmpty())
        showMessage(tr("This item no longer exists, so no payment can be logged for it."));

    m_panel->adjustSize();
    placeOverParentWindow();
    m_panel->show();
    m_panel->raise();
    m_panel->activateWindow();
    m_amountPaidField->setFocus(Qt::OtherFocusReason);
    m_amountPaidField->selectAll();
}

bool BWLogPaymentController::savePayment()
{
    return save(true);
}

bool BWLogPaymentController::savePartialPayemnt()
{
    return save(false);
}

bool BWLogPaymentController::save(bool updateDate)
{
    showMessage(QString());
    if (!m_datePaidField->acceptTypedDate()) {
        showMessage(m_datePaidField->refusal());
        return false;
    }
    const std::optional<double> amount = enteredAmount();
    if (!amount)
        return false;
    // The panel floats beside the main window, where the bill may have been
    // edited or deleted since the panel opened: the payment goes onto the
    // bill as it is stored now, so that those edits are not written over.
    const QString billID = m_bill.value(BillKeys::Bid).toString();
    const BWBillsLoader loader(m_env);
    const std::optional<QVariantMap> current = billID.isEmpty() ? std::nullopt : loader.loadBillWithID(billID);
    if (!current) {
        showMessage(tr("This item no longer exists, so no payment can be logged for it."));
        return false;
    }
    // The panel stays open beside the main window, where the item may have
    // been archived or deleted meanwhile: those take no payments.
    if (!loader.billTakesPayments(*current)) {
        showMessage(tr("This item was archived or deleted, so no payment can be logged for it."));
        return false;
    }
    if (!m_receiptPath.isEmpty() && !QFileInfo(m_receiptPath).isFile()) {
        showMessage(tr("The receipt file can't be found: %1").arg(m_receiptPath));
        return false;
    }

    const BWPayment payment{*amount, enteredDate(), m_notePaidField->text(), m_receiptPath};
    const BWPaymentLogger logger(m_env);
    if (!logger.recordPayment(payment, *current, updateDate)) {
        showMessage(tr("The payment could not be saved, so nothing was logged. "
                       "Check that the data folder can be written to."));
        return false;
    }
    m_panel->hide();
    playSound(logger.getSpecifiedSound());
    emit paymentLogged(billID);
    return true;
}

std::optional<double> BWLogPaymentController::enteredAmount()
{
    const QString text = m_amountPaidField->text().trimmed();
    if (text.isEmpty()) {
        showMessage(tr("Enter the amount paid."));
        return std::nullopt;
    }
    const std::optional<double> amount = BWAmountField::amount(m_amountPaidField);
    if (!amount) {
        showMessage(tr("\"%1\" is not an amount. Enter the amount paid as a number.").arg(text));
        return std::nullopt;
    }
    if (*amount < 0) {
        showMessage(tr("The amount paid can't be negative."));
        return std::nullopt;
    }
    return amount;
}

QDateTime BWLogPaymentController::enteredDate() const
{
    return QDateTime(m_datePaidField->date(), m_openedAt.toLocalTime().time()).toUTC();
}

void BWLogPaymentController::showMessage(const QString& message)
{
    m_messageLabel->setText(message);
    m_messageLabel->setVisible(!message.isEmpty());
    if (!message.isEmpty())
        Log::line(QStringLiteral("Log payment: %1").arg(message));
}

void BWLogPaymentController::setReceiptPath(const QString& path)
{
    m_receiptPath = path;
    const QFontMetrics metrics(m_attachReceiptButton->font());
    const QString title = metrics.elidedText(QFileInfo(path).fileName(), Qt::ElideMiddle, ReceiptTitleWidth);
    m_attachReceiptButton->setText(path.isEmpty() ? noReceiptTitle() : BWPlainText::mnemonicFree(title));
    m_attachReceiptButton->setToolTip(BWPlainText::toolTip(path));
}

void BWLogPaymentController::attachReceipt()
{
    const QString chosen = m_chooseReceipt(m_panel, tr("Select Receipt"), attachTitle());
    if (!chosen.isEmpty())
        setReceiptPath(chosen);
}

void BWLogPaymentController::playSound(const QString& soundName)
{
    if (!soundName.isEmpty())
        m_sounds.playSoundNamed(soundName);
}

void BWLogPaymentController::playSampleSound()
{
    playSound(BWPaymentLogger(m_env).getSpecifiedSound());
}

void BWLogPaymentController::hideDatePopup()
{
    m_datePaidField->clearFocus();
}

bool BWLogPaymentController::logSilentPaymentsForBills(const QVariantList& bills)
{
    return !BWAutomaticPayments(m_env).logDuePaymentsOnce(BWAutomaticPayments::billIDsOf(bills)).isEmpty();
}
