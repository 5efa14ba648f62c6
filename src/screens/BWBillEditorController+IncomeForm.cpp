// The income form: a new income item, and saving one.
#include "screens/BWBillEditorController.h"

#include "platform/BWUIDMaker.h"
#include "platform/Clock.h"
#include "screens/BWTagTokenField.h"
#include "store/BWBill.h"
#include "store/BWBillRecordKeys.h"
#include "store/BWBillsLoader.h"
#include "store/RepeatUnit.h"
#include "widgets/BGHUDCheckBox.h"
#include "widgets/BGHUDTextField.h"
#include "widgets/BWPopupButton.h"
#include "widgets/KNPopUpDatePicker.h"

namespace {

// Archiving moves an item's date this far out; no pay date lies there.
constexpr qint64 kFarAwayDays = 5001;

bool isOneTime(const QVariantList& repeat)
{
    return repeat.value(1).toLongLong() == qlonglong(RepeatUnit::Never);
}

}  // namespace

void BWBillEditorController::createNewIncome(QWidget* anchor)
{
    m_newIncome = true;
    m_fields.incomeNameField->clear();
    m_fields.incomeAmountField->clear();
    m_fields.incomeTagsField->clear();
    showDueDate(m_fields.incomeDateField, m_env.clock->now());
    customRepeatBMenuChanged(m_fields.incomeCustomRepeatBSelector);
    m_fields.incomeRepeatSelector->setCurrentIndex(2);
    cancelCustomRepeat();
    m_fields.incomeAmountVariesToggle->setChecked(false);
    m_fields.incomeIDField->setText(BWUIDMaker::makeUID());
    showPage(Page::IncomeForm, anchor, QRect(), true);
}

std::optional<QVariantMap> BWBillEditorController::incomeFormValues()
{
    const std::optional<QDateTime> date = enteredDate(m_fields.incomeDateField);
    const std::optional<double> amount = date ? enteredAmount(m_fields.incomeAmountField) : std::nullopt;
    if (!amount)
        return std::nullopt;
    return QVariantMap{
        {BillKeys::Name, m_fields.incomeNameField->text()},
        {BillKeys::DueDate, date->toUTC()},
        {BillKeys::Repeat, enteredRepeat(m_fields.incomeRepeatRows())},
        {BillKeys::Amount, *amount},
        {BillKeys::AmountVaries, qlonglong(m_fields.incomeAmountVariesToggle->isChecked() ? 1 : 0)},
        {BillKeys::Tags, QVariant(m_fields.incomeTagsField->tags()).toList()},
    };
}

bool BWBillEditorController::saveIncome()
{
    hideDatePopUp();
    std::optional<QVariantMap> entered = incomeFormValues();
    if (!entered)
        return false;
    const QString billID = m_fields.incomeIDField->text();
    const std::optional<QVariantMap> stored = BWBillsLoader(m_env).loadBillWithID(billID);
    // Saving brings an archived item back among the active ones; a repeating
    // one then falls due from today rather than at the far date archiving gave it.
    const bool archived = stored && stored->value(BillKeys::IsArchived).toBool();
    if (archived && !isOneTime(entered->value(BillKeys::Repeat).toList())
        && daysFromDate(entered->value(BillKeys::DueDate).toDateTime()) >= kFarAwayDays)
        entered->insert(BillKeys::DueDate, m_env.clock->now().toUTC());
    std::optional<bool> written;
    if (stored && !m_newIncome) {
        QVariantMap edited = withChangedFields(*entered, *stored);
        if (archived)
            edited.insert(BillKeys::IsArchived, false);
        written = writeEditedItem(edited);
    } else {
        written = writeNewIncome(*entered, stored);
    }
    if (!written)
        return false;
    if (!*written)
        return saveFailed(tr("save the income item"));

    closePopover();
    emit itemSaved(billID);
    return true;
}

std::optional<bool> BWBillEditorController::writeNewIncome(const QVariantMap& entered,
                                                           const std::optional<QVariantMap>& stored)
{
    BWBill income(m_env);
    income.bid = m_fields.incomeIDField->text();
    income.name = entered.value(BillKeys::Name).toString();
    income.icon = IncomeIcon;
    income.repeat = entered.value(BillKeys::Repeat).toList();
    income.amount = entered.value(BillKeys::Amount);
    income.amountVaries = entered.value(BillKeys::AmountVaries).toLongLong();
    income.balance = 0.0;
    income.payType = 0;
    income.paySite = QString();
    income.remindMe = false;
    income.reminderDays = 0;
    income.tags = entered.value(BillKeys::Tags).toStringList();
    income.dueDate = entered.value(BillKeys::DueDate).toDateTime();
    if (stored)
        keepWhatTheFormDoesNotShow(income, *stored);
    else
        startWithoutPayments(income, *income.dueDate);
    income.isArchived = false;
    income.isIncome = true;
    return writeNewItem(income, stored.has_value());
}
