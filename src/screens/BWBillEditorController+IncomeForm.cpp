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

bool BWBillEditorController::saveIncome()
{
    hideDatePopUp();
    const std::optional<QDateTime> entered = enteredDate(m_fields.incomeDateField);
    const std::optional<double> amount = entered ? enteredAmount(m_fields.incomeAmountField) : std::nullopt;
    if (!amount)
        return false;
    const BWBillsLoader loader(m_env);
    BWBill income(m_env);
    const QString billID = m_fields.incomeIDField->text();
    const QVariantList repeat = enteredRepeat(m_fields.incomeRepeatRows());
    QDateTime date = *entered;
    income.bid = billID;
    income.name = m_fields.incomeNameField->text();
    income.icon = IncomeIcon;
    income.repeat = repeat;
    income.amount = *amount;
    income.amountVaries = m_fields.incomeAmountVariesToggle->isChecked() ? 1 : 0;
    income.balance = 0.0;
    income.payType = 0;
    income.paySite = QString();
    income.remindMe = false;
    income.reminderDays = 0;
    income.tags = m_fields.incomeTagsField->tags();

    const std::optional<QVariantMap> stored = loader.loadBillWithID(billID);
    // Saving brings an archived item back among the active ones; a repeating
    // one then falls due from today rather than at the far date archiving gave it.
    if (stored && stored->value(BillKeys::IsArchived).toBool() && !isOneTime(repeat)
        && daysFromDate(date) >= kFarAwayDays)
        date = m_env.clock->now();
    income.dueDate = date;
    if (stored)
        keepWhatTheFormDoesNotShow(income, *stored);
    else
        startWithoutPayments(income, date);
    income.isArchived = false;
    income.isIncome = true;
    if (!income.writeBill(stored.has_value()))
        return saveFailed(tr("save the income item"));

    closePopover();
    emit itemSaved(billID);
    return true;
}
