#pragma once

#include <QDateTime>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QVariantList>
#include <QVariantMap>
#include <functional>
#include <optional>

#include "screens/BWLogPaymentScreen.h"
#include "store/BWPayment.h"
#include "store/BWStoreEnvironment.h"
#include "widgets/BGHUDButton.h"
#include "widgets/BGHUDLabel.h"
#include "widgets/BGHUDTextField.h"
#include "widgets/KBButton.h"
#include "widgets/KNPopUpDatePicker.h"

class SoundPlayer;
class BGHUDView;

// The floating panel in which the user logs one payment of a bill (or one
// receipt of an income item): date paid, amount, a note and an optional
// receipt file, saved in full (the bill moves on to its next due date) or in
// part (the due date stays). The caller shows exactly one of the two save
// buttons.
//
// It writes nothing itself: every payment goes through BWPaymentLogger, and
// the panel claims a payment only once the logger stored it.
class BWLogPaymentController : public QObject, public BWLogPaymentScreen
{
    Q_OBJECT

public:
    // Asks for one receipt file; "" when the user cancelled.
    using ReceiptChooser =
        std::function<QString(QWidget* parent, const QString& title, const QString& acceptButtonText)>;

    // The panel floats over `parentWindow` (none: it stands alone). Payment
    // sounds play through `sounds`, which must outlive the controller.
    BWLogPaymentController(const BWStoreEnvironment& env, SoundPlayer& sounds, QWidget* parentWindow = nullptr);
    ~BWLogPaymentController() override;

    // The desktop's file dialog in place of `chooser`; tests hand in their own.
    void setReceiptChooser(ReceiptChooser chooser) { m_chooseReceipt = std::move(chooser); }

    // ---- What the shell uses ----
    QString bid() const override { return m_bid; }
    void setBid(const QString& billID) override { m_bid = billID; }
    // Loads the bill named by `bid` afresh, fills the form (today, the amount
    // to expect, no note, no receipt), shows the save button of `kind` and
    // brings the panel to the front with the amount field focused. A bill
    // that no longer exists opens the panel with a message saying so.
    void showLogPaymentWindow(PaymentKind kind) override;
    BGHUDTextField* amountPaidField() const override { return m_amountPaidField; }

    // The panel's window.
    QWidget* panel() const;
    // Full payment (moves the due date) and partial payment (keeps it); the
    // panel shows exactly one, by the kind it was opened for.
    KBButton* savePaymentButton() const { return m_savePaymentButton; }
    KBButton* savePartialButton() const { return m_savePartialButton; }

    // ---- The form ----
    BGHUDLabel* billNameField() const { return m_billNameField; }
    KNPopUpDatePicker* datePaidField() const { return m_datePaidField; }
    BGHUDTextField* notePaidField() const { return m_notePaidField; }
    // Its title is the chosen receipt's file name (its tip the whole path),
    // or "Attach Receipt" for none.
    BGHUDButton* attachReceiptButton() const { return m_attachReceiptButton; }
    // Why the last save was refused or failed; empty otherwise.
    BGHUDLabel* messageLabel() const { return m_messageLabel; }
    // The record loaded when the panel opened; empty when there was none.
    QVariantMap bill() const { return m_bill; }

    // ---- Actions ----
    // Full payment: the due date moves on by the repeat rule.
    bool savePayment();
    // Partial payment: the due date stays; a varying amount due is lowered.
    bool savePartialPayemnt();
    // Asks for a receipt file; a chosen one becomes the receipt button's title,
    // a cancelled choice keeps the one before.
    void attachReceipt();
    // Plays the named sound; nothing for "".
    void playSound(const QString& soundName);
    // Plays the payment sound the user chose, once, as a preview.
    void playSampleSound();
    // Closes the date field's calendar bubble.
    void hideDatePopup();
    // Closes the panel without logging anything (also Escape).
    void cancel();
    KBButton* cancelButton() const { return m_cancelButton; }

    // Has the automatic-payment step (BWAutomaticPayments) log the due items
    // of `bills`, at most once each. True when at least one payment was stored.
    // No caller in the program; the shell runs BWAutomaticPayments itself.
    bool logSilentPaymentsForBills(const QVariantList& bills);

signals:
    // A payment of `billID` was stored from the panel, which has closed.
    void paymentLogged(const QString& billID);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildPanel(QWidget* parentWindow);
    bool save(bool updateDate);
    // The amount typed, or nothing after telling the user what is wrong with it.
    std::optional<double> enteredAmount();
    // The moment paid: the chosen day at the time of day the panel opened.
    QDateTime enteredDate() const;
    void showMessage(const QString& message);
    void setReceiptPath(const QString& path);
    void placeOverParentWindow();

    BWStoreEnvironment m_env;
    SoundPlayer& m_sounds;
    ReceiptChooser m_chooseReceipt;

    QString m_bid;
    QVariantMap m_bill;
    // The chosen receipt file; "" for none. The button shows it, but a button
    // title can't carry every path unchanged ("&" marks a shortcut there).
    QString m_receiptPath;
    QDateTime m_openedAt;

    QPointer<BGHUDView> m_panel;
    BGHUDLabel* m_billNameField = nullptr;
    KNPopUpDatePicker* m_datePaidField = nullptr;
    BGHUDTextField* m_amountPaidField = nullptr;
    BGHUDTextField* m_notePaidField = nullptr;
    BGHUDButton* m_attachReceiptButton = nullptr;
    KBButton* m_savePaymentButton = nullptr;
    KBButton* m_savePartialButton = nullptr;
    KBButton* m_cancelButton = nullptr;
    BGHUDLabel* m_messageLabel = nullptr;
};
