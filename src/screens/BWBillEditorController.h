#pragma once

#include <QDateTime>
#include <QObject>
#include <QPointer>
#include <QVariantList>
#include <QVariantMap>
#include <functional>
#include <memory>
#include <optional>

#include "screens/BWAutomaticCatchUp.h"
#include "screens/BWBillEditorChangeFlags.h"
#include "screens/BWBillEditorFields.h"
#include "screens/BWBillEditorScreen.h"
#include "screens/BWBillEditorWindowControls.h"
#include "store/BWStoreEnvironment.h"

class BGHUDCheckBox;
class BGHUDLabel;
class BGHUDTextField;
class BWBill;
class BWBillsLoader;
class BWPopupButton;
class BWTagTokenField;
class KBButton;
class KNPopUpDatePicker;
class MAAttachedWindow;
class QComboBox;
class QLineEdit;
class QStackedWidget;

// The popover in which the user adds a bill, a savings goal or an income
// item, edits one, or confirms deleting or archiving one. One bubble window
// holds four pages (the bill form, the income form and the two questions)
// and points at the control the command came from.
//
// The editor writes only through BWBill, and an edit only the fields the user
// changed, onto the record read afresh. It announces what the user did through
// its signals; a failed save leaves the form open with the input and says why.
//
// While a new bill's name is typed, the editor completes it from the active
// bills and fills the rest of the form from the match (BWBillEditorController+
// Suggestions.cpp); fields the user changed are never overwritten.
class BWBillEditorController : public QObject, public BWBillEditorScreen
{
    Q_OBJECT

public:
    // The pages of the popover.
    enum class Page { BillForm, IncomeForm, DeleteQuestion };
    // Shows a failed save to the user; tests record it instead.
    using Alert = std::function<void(QWidget* parent, const QString& title, const QString& text)>;

    explicit BWBillEditorController(const BWStoreEnvironment& env);
    ~BWBillEditorController() override;

    void setAlert(Alert alert) { m_alert = std::move(alert); }
    void setQuestion(BWAutomaticCatchUp::Question ask) { m_ask = std::move(ask); }
    // Main-window controls: the anchor of the new-item popovers, and those
    // that are hidden or disabled while a bill is edited. Each may be null.
    void setOverviewNewBillButton(QWidget* button) { m_overviewNewBillButton = button; }
    void setBillPageButtons(QWidget* nextBillButton, QWidget* prevBillButton);
    void setSearchField(QWidget* field) { m_windowControls.searchField = field; }
    void setOverviewButton(QWidget* button) { m_windowControls.overviewButton = button; }

    // ---- Commands (the shell's and the screens') ----
    void createNewBill(QWidget* anchor) override;
    void createNewSavingsGoal(QWidget* anchor) override;
    void createNewIncome(QWidget* anchor);
    void showEditPopoverForBill(const QString& billID, const QRect& position, QWidget* view) override;
    // The same, pointing at the whole of `anchor`.
    void showEditPopoverForBill(const QString& billID, QWidget* anchor);
    void showDeletePopoverForBill(const QString& billID, const QRect& position, QWidget* view) override;
    bool restoreBill(const QString& billID) override;
    void setListOfActiveBills(const QVariantList& bills) override;
    QVariantList listOfActiveBills() const { return m_listOfActiveBills; }
    void closePopover() override;
    QWidget* editorPopover() const;
    QWidget* overviewNewBillButton() const override { return m_overviewNewBillButton; }
    QList<QLineEdit*> amountFields() const override;

    // ---- Button actions ----
    // Each answers whether the write succeeded; on failure the popover stays.
    bool saveBill();
    bool saveIncome();
    bool deleteBill();
    // Closes the popover without writing.
    void cancelBill();
    void hideDatePopUp();

    // ---- Form state ----
    bool isShown() const;
    Page shownPage() const;
    bool isNewBill() const { return m_newBill; }
    bool isNewIncome() const { return m_newIncome; }
    QString billToDeleteID() const { return m_billToDeleteID; }
    // The name's length at the last suggestion step.
    int numberOfCharactersInTitle() const { return m_numberOfCharactersInTitle; }

    using ChangeFlags = BWBillEditorChangeFlags;
    ChangeFlags changeFlags() const { return m_changed; }
    bool shouldSuggestBillInfo() const { return m_shouldSuggestBillInfo; }

    // ---- Bill form ----
    BGHUDTextField* billIDField() const { return m_fields.billIDField; }
    BGHUDTextField* billNameField() const { return m_fields.billNameField; }
    KNPopUpDatePicker* dueDateField() const { return m_fields.dueDateField; }
    BWPopupButton* repeatSelector() const { return m_fields.repeatSelector; }
    QWidget* repeatBox() const { return m_fields.repeatBox; }
    QWidget* customRepeatBox() const { return m_fields.customRepeatBox; }
    BGHUDTextField* customRepeatAField() const { return m_fields.customRepeatAField; }
    BWPopupButton* customRepeatBSelector() const { return m_fields.customRepeatBSelector; }
    BGHUDTextField* amountDueField() const { return m_fields.amountDueField; }
    BGHUDCheckBox* amountVariesToggle() const { return m_fields.amountVariesToggle; }
    BGHUDTextField* balanceField() const { return m_fields.balanceField; }
    BWPopupButton* paymentMethodSelector() const { return m_fields.paymentMethodSelector; }
    BGHUDTextField* paymentURLField() const { return m_fields.paymentURLField; }
    BWTagTokenField* tagsListField() const { return m_fields.tagsListField; }
    BGHUDCheckBox* remindMeField() const { return m_fields.remindMeField; }
    BGHUDTextField* reminderDaysField() const { return m_fields.reminderDaysField; }
    BWPopupButton* billIconPicker() const { return m_fields.billIconPicker; }
    KBButton* saveButton() const { return m_fields.saveButton; }
    KBButton* cancelButton() const { return m_fields.cancelButton; }

    // ---- Income form ----
    BGHUDTextField* incomeIDField() const { return m_fields.incomeIDField; }
    BGHUDTextField* incomeNameField() const { return m_fields.incomeNameField; }
    KNPopUpDatePicker* incomeDateField() const { return m_fields.incomeDateField; }
    BWPopupButton* incomeRepeatSelector() const { return m_fields.incomeRepeatSelector; }
    QWidget* incomeRepeatBox() const { return m_fields.incomeRepeatBox; }
    QWidget* incomeCustomRepeatBox() const { return m_fields.incomeCustomRepeatBox; }
    BGHUDTextField* incomeCustomRepeatAField() const { return m_fields.incomeCustomRepeatAField; }
    BWPopupButton* incomeCustomRepeatBSelector() const { return m_fields.incomeCustomRepeatBSelector; }
    BGHUDTextField* incomeAmountField() const { return m_fields.incomeAmountField; }
    BGHUDCheckBox* incomeAmountVariesToggle() const { return m_fields.incomeAmountVariesToggle; }
    BWTagTokenField* incomeTagsField() const { return m_fields.incomeTagsField; }
    KBButton* saveIncomeButton() const { return m_fields.saveIncomeButton; }

    // ---- Questions ----
    BGHUDLabel* billToDeleteNameField() const { return m_fields.billToDeleteNameField; }
    KBButton* deleteButton() const { return m_fields.deleteButton; }

    // ---- Menu and field actions ----
    // The repeat selector of either form: choosing "Custom" shows the custom rows.
    void toggleRepeat(QComboBox* sender);
    // Back to the plain repeat rows of both forms, every month.
    void cancelCustomRepeat();
    // The unit selector of either form: shows the count where the unit takes one.
    void customRepeatBMenuChanged(QComboBox* sender);
    // Titles the weekday-of-the-month unit of both forms after `date`.
    void updateMenuItemOnCustomRepeatSelectorWithDate(const QDate& date);
    void selectedDateChanged(const QDate& date);
    void togglePayMethod();
    void toggleIcon();
    void clearFieldColors();
    qint64 daysFromDate(const QDateTime& date) const;  // calendar days to now, either way
    // Stored tags beginning with `substring` (case and accents aside), in stored order.
    QStringList tagCompletions(const QString& substring) const;

    // ---- Suggestions (BWBillEditorController+Suggestions.cpp) ----
    // A field of the form was typed in.
    void controlTextDidChange(QLineEdit* field);
    void prefillSelectedDataForBill(const QVariantMap& bill);
    void unfillSelectedData();
    bool selectsSuggestedAmount(QObject* watched, QEvent* event);
    // The icon menu's entry for an image name, and the one a word typed in a
    // new bill's name picks; -1 for none.
    int iconIndexForImageName(const QString& imageName) const;
    int iconIndexForTypedWord(const QString& word) const;

    static QColor suggestionTint();  // of the fields a suggestion filled
    // Icon picker entries: 1 is a new bill's, "Savings" a savings goal's.
    static constexpr int DefaultIconIndex = 1;
    static inline const QString SavingsGoalIcon = QStringLiteral("Savings");
    static inline const QString IncomeIcon = QStringLiteral("GScale_Loan");

signals:
    // A bill or income item was written from the form.
    void itemSaved(const QString& billID);
    void itemDeleted(const QString& billID);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // ---- Views (BWBillEditorController+Views.cpp) ----
    void buildPopover();
    QWidget* buildBillForm();
    QWidget* buildIncomeForm();
    QWidget* buildQuestion(const QString& questionText, const QString& confirmTitle, BGHUDLabel** nameLabel,
                           KBButton** confirmButton, std::int32_t confirmType);
    QWidget* buildRepeatRows(BWPopupButton** repeatSelector, QWidget** repeatBox, QWidget** customRepeatBox,
                             BGHUDTextField** countField, BWPopupButton** unitSelector);
    void fillIconMenu();
    void connectFormActions();
    void showPage(Page page, QWidget* anchorView, const QRect& anchorRect, bool belowAnchor);

    // ---- Shared form steps ----
    void showRepeat(const BWBillEditorFields::RepeatRows& rows, const QVariantList& repeat,
                    const BWBillsLoader& loader);
    QVariantList enteredRepeat(const BWBillEditorFields::RepeatRows& rows) const;
    void showDueDate(KNPopUpDatePicker* field, const QDateTime& date);
    // Nothing, after telling the user why, for typed text that names no date.
    std::optional<QDateTime> enteredDate(KNPopUpDatePicker* field);
    // An edited item keeps what the form does not show from the stored one; a new one starts without.
    static void keepWhatTheFormDoesNotShow(BWBill& item, const QVariantMap& stored);
    // The keys as the bill or income form would store them (nothing for a bad field), quietly as it opens.
    std::optional<QVariantMap> billFormValues();
    std::optional<QVariantMap> incomeFormValues();
    QVariantMap openedValues(std::optional<QVariantMap> (BWBillEditorController::*values)());
    // The item as stored with the fields changed since the form opened.
    QVariantMap withChangedFields(const QVariantMap& entered, QVariantMap stored) const;
    // Each writes once the user agreed to the payments it logs (nothing when called off).
    std::optional<bool> writeEditedItem(const QVariantMap& edited);
    std::optional<bool> writeNewItem(BWBill& item, bool existing);
    static void startWithoutPayments(BWBill& item, const QDateTime& lastPayment);
    std::optional<bool> writeNewIncome(const QVariantMap& entered, const std::optional<QVariantMap>& stored);
    bool saveFailed(const QString& what);  // shows the failure and keeps the form; false
    // The amount typed, 0 for none; text that is no amount is refused with an alert.
    std::optional<double> enteredAmount(QLineEdit* field);
    void prepareBillForm();

    BWStoreEnvironment m_env;
    Alert m_alert;
    BWAutomaticCatchUp::Question m_ask;

    QVariantList m_listOfActiveBills;
    int m_numberOfCharactersInTitle = 0;
    QString m_billToDeleteID;
    bool m_newBill = false;
    bool m_newIncome = false;
    bool m_shouldSuggestBillInfo = false;
    ChangeFlags m_changed;
    // The moment the date fields showed when their form was filled: saved
    // unchanged unless the user picked another day, which keeps its time of day.
    QDateTime m_shownDueDate;
    QVariantMap m_openedForm;  // the form's values as the edited item opened
    QPointer<MAAttachedWindow> m_popover;
    QSize bubbleSize() const;
    QStackedWidget* m_pages = nullptr;
    QWidget* m_billForm = nullptr;
    QWidget* m_incomeForm = nullptr;
    QWidget* m_deleteQuestion = nullptr;

    QPointer<QWidget> m_overviewNewBillButton;
    BWBillEditorWindowControls m_windowControls;
    // The widgets of the popover's pages.
    BWBillEditorFields m_fields;
};
