// The bill form: a new bill or savings goal, editing a bill, and saving it.
#include "screens/BWBillEditorController.h"

#include <cmath>
#include <utility>

#include "platform/BWUIDMaker.h"
#include "platform/Clock.h"
#include "platform/Log.h"
#include "platform/PropertyList.h"
#include "platform/UserDefaults.h"
#include "screens/BWAmountField.h"
#include "screens/BWTagTokenField.h"
#include "store/BWBill.h"
#include "store/BWBillRecordKeys.h"
#include "store/BWBillsLoader.h"
#include "store/BWDefaultsKeys.h"
#include "widgets/BGHUDCheckBox.h"
#include "widgets/BGHUDTextField.h"
#include "widgets/BWPopupButton.h"
#include "widgets/KNPopUpDatePicker.h"
#include "widgets/MAAttachedWindow.h"

namespace {

// Dates this many days or more from today, while the item is active, are no
// real due dates; the form offers today instead.
constexpr qint64 kFarAwayDays = 5001;
constexpr int kAutomaticPayType = 1;

bool isArchived(const QVariantMap& record)
{
    return record.value(BillKeys::IsArchived).toBool();
}

QDateTime storedDueDate(const QVariantMap& record)
{
    const QDateTime absolute = record.value(BillKeys::AbsoluteDueDate).toDateTime();
    return absolute.isValid() ? absolute : record.value(BillKeys::DueDate).toDateTime();
}

QStringList tagsOf(const QVariantMap& record)
{
    return record.value(BillKeys::Tags).toStringList();
}

void showAmountVaries(BGHUDCheckBox* toggle, const QVariantMap& record)
{
    if (!record.contains(BillKeys::AmountVaries))
        Log::line(QStringLiteral("No amount varies value, resetting"));
    toggle->setChecked(record.value(BillKeys::AmountVaries).toLongLong() == 1);
}

}  // namespace

// What a new bill and a new savings goal share; the caller then sets what
// differs and shows the form.
void BWBillEditorController::prepareBillForm()
{
    clearFieldColors();
    m_changed = {};
    m_newBill = true;
    m_numberOfCharactersInTitle = 0;

    for (QLineEdit* field :
         std::initializer_list<QLineEdit*>{m_fields.billNameField, m_fields.amountDueField, m_fields.balanceField,
                                           m_fields.paymentURLField, m_fields.tagsListField})
        field->clear();
    m_fields.paymentMethodSelector->setCurrentIndex(0);
    m_fields.amountVariesToggle->setChecked(false);
    m_fields.billIconPicker->setCurrentIndex(DefaultIconIndex);
    showDueDate(m_fields.dueDateField, m_env.clock->now());
    customRepeatBMenuChanged(m_fields.customRepeatBSelector);
    m_fields.remindMeField->setChecked(m_env.defaults->boolForKey(BWDefaultsKeys::BWRemindersEnabled));
    m_fields.reminderDaysField->setText(QString::number(m_env.defaults->integerForKey(BWDefaultsKeys::BWReminderDays)));
    m_fields.repeatSelector->setCurrentIndex(2);
    cancelCustomRepeat();
    m_fields.billIDField->setText(BWUIDMaker::makeUID());
}

void BWBillEditorController::createNewBill(QWidget* anchor)
{
    m_shouldSuggestBillInfo = m_env.defaults->boolForKey(BWDefaultsKeys::BWShouldSuggestBills);
    prepareBillForm();
    showPage(Page::BillForm, anchor, QRect(), true);
}

void BWBillEditorController::createNewSavingsGoal(QWidget* anchor)
{
    m_shouldSuggestBillInfo = false;
    prepareBillForm();
    m_fields.billNameField->setText(tr("Savings Goal"));
    m_fields.tagsListField->setTags({tr("Savings Goals")});
    m_fields.paymentMethodSelector->setCurrentIndex(kAutomaticPayType);
    m_fields.billIconPicker->setCurrentIndex(iconIndexForImageName(SavingsGoalIcon));
    m_fields.remindMeField->setChecked(false);
    showPage(Page::BillForm, anchor, QRect(), true);
}

void BWBillEditorController::showEditPopoverForBill(const QString& billID, QWidget* anchor)
{
    showEditPopoverForBill(billID, anchor ? anchor->rect() : QRect(), anchor);
}

void BWBillEditorController::showEditPopoverForBill(const QString& billID, const QRect& position, QWidget* view)
{
    const BWBillsLoader loader(m_env);
    const std::optional<QVariantMap> loaded = loader.loadBillWithID(billID);
    if (!loaded) {
        Log::line(QStringLiteral("Editor: no item with id %1").arg(billID));
        return;
    }
    const QVariantMap& record = *loaded;
    if (BWBillsLoader::billIsIncome(record)) {
        m_newIncome = false;
        m_fields.incomeIDField->setText(record.value(BillKeys::Bid).toString());
        m_fields.incomeNameField->setText(record.value(BillKeys::Name).toString());
        // The form shows and saves the stored date, never one moved off a
        // weekend or holiday for display.
        const QDateTime date = storedDueDate(record);
        showDueDate(m_fields.incomeDateField,
                    daysFromDate(date) >= kFarAwayDays && !isArchived(record) ? m_env.clock->now() : date);
        customRepeatBMenuChanged(m_fields.incomeCustomRepeatBSelector);
        showRepeat(m_fields.incomeRepeatRows(), record.value(BillKeys::Repeat).toList(), loader);
        BWAmountField::setAmount(m_fields.incomeAmountField, record.value(BillKeys::Amount).toDouble());
        m_fields.incomeTagsField->setTags(tagsOf(record));
        showAmountVaries(m_fields.incomeAmountVariesToggle, record);
        m_openedForm = openedValues(&BWBillEditorController::incomeFormValues);
        showPage(Page::IncomeForm, view, position, false);
        return;
    }

    m_newBill = false;
    clearFieldColors();
    m_fields.billIDField->setText(record.value(BillKeys::Bid).toString());
    m_fields.billNameField->setText(record.value(BillKeys::Name).toString());
    const int icon = iconIndexForImageName(BWBill::convertIconName(record.value(BillKeys::Icon).toString()));
    if (icon >= 0)
        m_fields.billIconPicker->setCurrentIndex(icon);
    const QDateTime dueDate = storedDueDate(record);
    showDueDate(m_fields.dueDateField,
                daysFromDate(dueDate) >= kFarAwayDays && !isArchived(record) ? m_env.clock->now() : dueDate);
    customRepeatBMenuChanged(m_fields.customRepeatBSelector);
    BWAmountField::setAmount(m_fields.amountDueField, record.value(BillKeys::Amount).toDouble());
    BWAmountField::setAmount(m_fields.balanceField, record.value(BillKeys::Balance).toDouble());

    showRepeat(m_fields.billRepeatRows(), record.value(BillKeys::Repeat).toList(), loader);
    showAmountVaries(m_fields.amountVariesToggle, record);
    m_fields.paymentURLField->setText(record.value(BillKeys::PaySite).toString());
    m_fields.paymentMethodSelector->setCurrentIndex(int(record.value(BillKeys::PayType).toLongLong()));
    m_fields.tagsListField->setTags(tagsOf(record));
    m_fields.remindMeField->setChecked(record.value(BillKeys::RemindMe).toBool());
    m_fields.reminderDaysField->setText(QString::number(record.value(BillKeys::ReminderDays).toLongLong()));

    m_openedForm = openedValues(&BWBillEditorController::billFormValues);
    m_windowControls.setAvailable(false);
    showPage(Page::BillForm, view, position, false);
}

// A field that opens empty (an item stored without a due date) is told of
// at Save, not as the form opens.
QVariantMap BWBillEditorController::openedValues(std::optional<QVariantMap> (BWBillEditorController::*values)())
{
    const Alert alert = std::exchange(m_alert, [](QWidget*, const QString&, const QString&) {});
    const QVariantMap opened = (this->*values)().value_or(QVariantMap());
    m_alert = alert;
    return opened;
}

void BWBillEditorController::keepWhatTheFormDoesNotShow(BWBill& item, const QVariantMap& stored)
{
    // Every stored key the form has no field for stays as it is: those of
    // sync (the removed payments, the stamps) and of newer versions.
    item.otherStoredKeys = stored;
    // The balance shown to the cent is the stored one: only a balance the
    // user typed in is one the user set.
    const double storedBalance = stored.value(BillKeys::Balance).toDouble();
    if (item.balance.isValid() && stored.contains(BillKeys::Balance)
        && std::abs(item.balance.toDouble() - storedBalance) < 0.005)
        item.balance = stored.value(BillKeys::Balance);
    item.average = stored.value(BillKeys::Average);
    if (const QDateTime lastPayment = stored.value(BillKeys::LastPayment).toDateTime(); lastPayment.isValid())
        item.lastPayment = lastPayment;
    item.totalPaid = stored.value(BillKeys::TotalPaid);
    item.interest = stored.value(BillKeys::Interest);
    item.notes = stored.value(BillKeys::Notes).toString();
    item.paymentList = stored.value(BillKeys::PaymentList).toList();
    item.rev = stored.value(BillKeys::Rev);
    // What archiving replaced, for a restore.
    if (const QDateTime beforeArchive = stored.value(BillKeys::DueDateBeforeArchive).toDateTime(); beforeArchive.isValid())
        item.dueDateBeforeArchive = beforeArchive;
    if (stored.contains(BillKeys::RemindMeBeforeArchive))
        item.remindMeBeforeArchive = stored.value(BillKeys::RemindMeBeforeArchive).toBool();
    // A due date left as it was keeps the day of the month a shorter month clipped.
    const QDateTime storedDueDate = stored.value(BillKeys::AbsoluteDueDate).toDateTime();
    if (stored.contains(BillKeys::DueDayOfMonth) && item.dueDate && storedDueDate.isValid()
        && item.dueDate->toLocalTime().date() == storedDueDate.toLocalTime().date())
        item.dueDayOfMonth = stored.value(BillKeys::DueDayOfMonth).toLongLong();
}

void BWBillEditorController::startWithoutPayments(BWBill& item, const QDateTime& lastPayment)
{
    item.average = 0;
    item.lastPayment = lastPayment;
    item.totalPaid = 0;
    item.interest = 0;
    item.notes = QString();
    item.paymentList = QVariantList();
    item.rev = 0.0;
}

std::optional<QVariantMap> BWBillEditorController::billFormValues()
{
    const std::optional<QDateTime> dueDate = enteredDate(m_fields.dueDateField);
    const std::optional<double> amount = dueDate ? enteredAmount(m_fields.amountDueField) : std::nullopt;
    const std::optional<double> balance = amount ? enteredAmount(m_fields.balanceField) : std::nullopt;
    if (!balance)
        return std::nullopt;
    return QVariantMap{
        {BillKeys::Name, m_fields.billNameField->text()},
        {BillKeys::Icon, m_fields.billIconPicker->currentData().toString()},
        {BillKeys::DueDate, dueDate->toUTC()},
        {BillKeys::Repeat, enteredRepeat(m_fields.billRepeatRows())},
        {BillKeys::Amount, *amount},
        {BillKeys::AmountVaries, qlonglong(m_fields.amountVariesToggle->isChecked() ? 1 : 0)},
        {BillKeys::Balance, *balance},
        {BillKeys::PayType, qlonglong(m_fields.paymentMethodSelector->currentIndex())},
        {BillKeys::PaySite, BWBill::getCorrectedPaymentURL(m_fields.paymentURLField->text().trimmed())},
        {BillKeys::Tags, QVariant(m_fields.tagsListField->tags()).toList()},
        {BillKeys::RemindMe, m_fields.remindMeField->isChecked()},
        {BillKeys::ReminderDays, m_fields.reminderDaysField->text().toLongLong()},
    };
}

// Only a field the user changed since the form opened is written, so that
// a change that arrived meanwhile (a payment, a moved due date) stays.
// Amounts within half a cent of the one shown are the one shown.
QVariantMap BWBillEditorController::withChangedFields(const QVariantMap& entered, QVariantMap stored) const
{
    for (auto field = entered.cbegin(); field != entered.cend(); ++field) {
        const QVariant opened = m_openedForm.value(field.key());
        const bool isAmount = field.key() == BillKeys::Amount || field.key() == BillKeys::Balance;
        if (isAmount ? std::abs(field->toDouble() - opened.toDouble()) < 0.005 : *field == opened)
            continue;
        if (field.key() == BillKeys::DueDate) {
            // A date the user sets is due on its own day from then on.
            BWBill::setDueDateOfRecord(stored, field->toDateTime());
            stored.remove(BillKeys::DueDayOfMonth);
        } else
            stored.insert(field.key(), *field);
    }
    return stored;
}

std::optional<bool> BWBillEditorController::writeEditedItem(const QVariantMap& edited)
{
    if (!BWAutomaticCatchUp::agreed(m_env, edited, m_ask, m_popover))
        return std::nullopt;
    return BWBill(m_env).finishWritingBillWithDictionary(edited, true, true);
}

std::optional<bool> BWBillEditorController::writeNewItem(BWBill& item, bool existing)
{
    if (!BWAutomaticCatchUp::agreed(m_env, item.convertBillToDictionary(), m_ask, m_popover))
        return std::nullopt;
    return item.writeBill(existing);
}

bool BWBillEditorController::saveBill()
{
    hideDatePopUp();
    const std::optional<QVariantMap> entered = billFormValues();
    if (!entered)
        return false;
    const BWBillsLoader loader(m_env);
    const QString billID = m_fields.billIDField->text();
    // What the form doesn't show comes from the stored item, so an edit keeps
    // its payments, totals, notes and archive state.
    const std::optional<QVariantMap> stored = loader.loadBillWithID(billID);
    std::optional<bool> written;
    if (stored && !m_newBill) {
        written = writeEditedItem(withChangedFields(*entered, *stored));
    } else {
        BWBill bill(m_env);
        bill.bid = billID;
        bill.name = entered->value(BillKeys::Name).toString();
        bill.icon = entered->value(BillKeys::Icon).toString();
        bill.dueDate = entered->value(BillKeys::DueDate).toDateTime();
        bill.repeat = entered->value(BillKeys::Repeat).toList();
        bill.amount = entered->value(BillKeys::Amount);
        bill.amountVaries = entered->value(BillKeys::AmountVaries).toLongLong();
        bill.balance = entered->value(BillKeys::Balance);
        bill.payType = entered->value(BillKeys::PayType).toLongLong();
        bill.paySite = entered->value(BillKeys::PaySite).toString();
        bill.tags = entered->value(BillKeys::Tags).toStringList();
        bill.remindMe = entered->value(BillKeys::RemindMe).toBool();
        bill.reminderDays = entered->value(BillKeys::ReminderDays).toLongLong();
        if (stored) {
            keepWhatTheFormDoesNotShow(bill, *stored);
            bill.isArchived = isArchived(*stored);
        } else {
            startWithoutPayments(bill, PropertyList::distantPast());
            bill.isArchived = false;
        }
        written = writeNewItem(bill, stored.has_value());
    }
    // A save the user called off leaves the form as it is.
    if (!written)
        return false;
    if (!*written)
        return saveFailed(tr("save the bill"));

    closePopover();
    emit itemSaved(billID);
    return true;
}
