#pragma once

class BGHUDCheckBox;
class BGHUDLabel;
class BGHUDTextField;
class BWPopupButton;
class BWTagTokenField;
class KBButton;
class KNPopUpDatePicker;
class QWidget;

// The widgets of the bill editor's pages: the bill form, the income form and
// the delete question. The editor builds them; they belong to its popover.
struct BWBillEditorFields
{
    // The rows that choose a repeat rule, alike on both forms.
    struct RepeatRows
    {
        BWPopupButton* selector;
        QWidget* box;
        QWidget* customBox;
        BGHUDTextField* count;
        BWPopupButton* unit;
    };
    RepeatRows billRepeatRows() const;
    RepeatRows incomeRepeatRows() const;

    BGHUDTextField* billIDField = nullptr;
    BGHUDTextField* billNameField = nullptr;
    KNPopUpDatePicker* dueDateField = nullptr;
    BWPopupButton* repeatSelector = nullptr;
    QWidget* repeatBox = nullptr;
    QWidget* customRepeatBox = nullptr;
    BGHUDTextField* customRepeatAField = nullptr;
    BWPopupButton* customRepeatBSelector = nullptr;
    BGHUDTextField* amountDueField = nullptr;
    BGHUDCheckBox* amountVariesToggle = nullptr;
    BGHUDTextField* balanceField = nullptr;
    BWPopupButton* paymentMethodSelector = nullptr;
    BGHUDTextField* paymentURLField = nullptr;
    BWTagTokenField* tagsListField = nullptr;
    BGHUDCheckBox* remindMeField = nullptr;
    BGHUDTextField* reminderDaysField = nullptr;
    BWPopupButton* billIconPicker = nullptr;
    KBButton* saveButton = nullptr;
    KBButton* cancelButton = nullptr;

    BGHUDTextField* incomeIDField = nullptr;
    BGHUDTextField* incomeNameField = nullptr;
    KNPopUpDatePicker* incomeDateField = nullptr;
    BWPopupButton* incomeRepeatSelector = nullptr;
    QWidget* incomeRepeatBox = nullptr;
    QWidget* incomeCustomRepeatBox = nullptr;
    BGHUDTextField* incomeCustomRepeatAField = nullptr;
    BWPopupButton* incomeCustomRepeatBSelector = nullptr;
    BGHUDTextField* incomeAmountField = nullptr;
    BGHUDCheckBox* incomeAmountVariesToggle = nullptr;
    BWTagTokenField* incomeTagsField = nullptr;
    KBButton* saveIncomeButton = nullptr;
    KBButton* cancelIncomeButton = nullptr;

    BGHUDLabel* billToDeleteNameField = nullptr;
    KBButton* deleteButton = nullptr;
};
