// Completing a new bill's name from the active bills and filling the rest of
// the form from the match. Filled fields are tinted; what the user changed
// is never overwritten, and taking characters back takes the suggestion back.
#include "screens/BWBillEditorController.h"

#include <QEvent>
#include <QLineEdit>

#include <optional>

#include "platform/Log.h"
#include "platform/ReleaseOnWorker.h"
#include "screens/BWAmountField.h"
#include "screens/BWTagTokenField.h"
#include "store/BWBill.h"
#include "store/BWBillRecordKeys.h"
#include "store/BWBillsLoader.h"
#include "widgets/BGHUDTextField.h"
#include "widgets/BWPopupButton.h"

namespace {

// Shorter words match too much to be worth suggesting from.
constexpr int kShortestSuggestingWord = 3;

// The last of the bills that are no income whose name begins with `name`.
std::optional<QVariantMap> lastBillStartingWith(const QVariantList& bills, const QString& name)
{
    std::optional<QVariantMap> found;
    for (const QVariant& entry : bills) {
        const QVariantMap bill = entry.toMap();
        if (bill.value(BillKeys::Name).toString().startsWith(name, Qt::CaseSensitive)
            && !BWBillsLoader::billIsIncome(bill))
            found = bill;
    }
    return found;
}

}  // namespace

QColor BWBillEditorController::suggestionTint()
{
    return QColor::fromHsvF(0.12f, 0.26f, 0.96f, 1.0f);
}

int BWBillEditorController::iconIndexForImageName(const QString& imageName) const
{
    return m_fields.billIconPicker->findData(imageName);
}

// An icon whose words hold the typed word whole wins over one that holds it
// in part: "Rent" is a home's, not the "Rental" of an appliance. Among equal
// matches the last in the menu wins; case counts.
int BWBillEditorController::iconIndexForTypedWord(const QString& word) const
{
    int wholeMatch = -1;
    int partMatch = -1;
    for (int index = 0; index < m_fields.billIconPicker->count(); ++index) {
        if (m_fields.billIconPicker->itemData(index).toString().isEmpty())
            continue;
        const QString words = m_fields.billIconPicker->itemData(index, Qt::ToolTipRole).toString();
        if (words.split(u' ').contains(word))
            wholeMatch = index;
        else if (words.contains(word))
            partMatch = index;
    }
    return wholeMatch >= 0 ? wholeMatch : partMatch;
}

void BWBillEditorController::controlTextDidChange(QLineEdit* field)
{
    if (m_newBill && field == m_fields.billNameField) {
        const QString name = m_fields.billNameField->text();
        const QString lastWord = name.section(u' ', -1);
        if (lastWord.size() >= kShortestSuggestingWord) {
            if (const int icon = iconIndexForTypedWord(lastWord); icon >= 0 && !m_changed.icon)
                m_fields.billIconPicker->setCurrentIndex(icon);
            const bool nameGrew = m_numberOfCharactersInTitle < name.size();
            if (!nameGrew) {
                m_numberOfCharactersInTitle = int(name.size());
                unfillSelectedData();
            } else if (m_shouldSuggestBillInfo) {
                m_numberOfCharactersInTitle = int(name.size());
                if (const std::optional<QVariantMap> bill = lastBillStartingWith(m_listOfActiveBills, name)) {
                    const QString billName = bill->value(BillKeys::Name).toString();
                    m_fields.billNameField->setText(billName);
                    // What was typed stays as it is; the completed part after
                    // it is selected, so the next keystroke replaces it.
                    m_fields.billNameField->setSelection(int(name.size()), int(billName.size() - name.size()));
                    prefillSelectedDataForBill(*bill);
                }
            }
        } else if (name.isEmpty()) {
            unfillSelectedData();
        }
    }

    if (field == m_fields.amountDueField) {
        m_changed.amount = true;
        m_fields.amountDueField->setBackgroundColor(Qt::transparent);
    } else if (field == m_fields.tagsListField) {
        m_changed.tags = true;
        m_fields.tagsListField->setBackgroundColor(Qt::transparent);
    } else if (field == m_fields.paymentURLField) {
        Log::line(QStringLiteral("Changing Payment URL"));
        m_changed.payURL = true;
        m_fields.paymentURLField->setBackgroundColor(Qt::transparent);
    }
}

// A click into a suggested amount selects it whole, so what is typed
// replaces it rather than joining it wherever the click put the cursor.
bool BWBillEditorController::selectsSuggestedAmount(QObject* watched, QEvent* event)
{
    QLineEdit* amount = m_fields.amountDueField;
    if (watched != amount || event->type() != QEvent::MouseButtonPress || amount->hasFocus() || m_changed.amount
        || amount->text().isEmpty() || m_fields.amountDueField->backgroundColor() != suggestionTint())
        return false;
    amount->setFocus(Qt::MouseFocusReason);
    amount->selectAll();
    return true;
}

void BWBillEditorController::prefillSelectedDataForBill(const QVariantMap& bill)
{
    if (!m_changed.tags) {
        const QStringList tags = bill.value(BillKeys::Tags).toStringList();
        m_fields.tagsListField->setTags(tags);
        if (!tags.isEmpty())
            m_fields.tagsListField->setBackgroundColor(suggestionTint());
    }
    if (!m_changed.icon) {
        const int icon = iconIndexForImageName(BWBill::convertIconName(bill.value(BillKeys::Icon).toString()));
        if (icon >= 0)
            m_fields.billIconPicker->setCurrentIndex(icon);
    }
    if (!m_changed.amount) {
        const double amount = bill.value(BillKeys::Amount).toDouble();
        if (amount != 0) {
            BWAmountField::setAmount(m_fields.amountDueField, amount);
            m_fields.amountDueField->setBackgroundColor(suggestionTint());
        }
    }
    if (!m_changed.payURL) {
        m_fields.paymentURLField->setText(bill.value(BillKeys::PaySite).toString());
        if (!m_fields.paymentURLField->text().isEmpty())
            m_fields.paymentURLField->setBackgroundColor(suggestionTint());
    }
    if (!m_changed.payMethod)
        m_fields.paymentMethodSelector->setCurrentIndex(int(bill.value(BillKeys::PayType).toLongLong()));
    if (!m_changed.repeatInterval)
        showRepeat(m_fields.billRepeatRows(), bill.value(BillKeys::Repeat).toList(), BWBillsLoader(m_env));
}

void BWBillEditorController::unfillSelectedData()
{
    if (!m_changed.tags) {
        m_fields.tagsListField->clear();
        m_fields.tagsListField->setBackgroundColor(Qt::transparent);
    }
    if (!m_changed.icon)
        m_fields.billIconPicker->setCurrentIndex(DefaultIconIndex);
    if (!m_changed.amount) {
        m_fields.amountDueField->clear();
        m_fields.amountDueField->setBackgroundColor(Qt::transparent);
    }
    if (!m_changed.payURL) {
        m_fields.paymentURLField->clear();
        m_fields.paymentURLField->setBackgroundColor(Qt::transparent);
    }
    if (!m_changed.payMethod)
        m_fields.paymentMethodSelector->setCurrentIndex(0);
    if (!m_changed.repeatInterval) {
        m_fields.repeatSelector->setCurrentIndex(2);
        cancelCustomRepeat();
    }
}

// The list replaced may hold the last copy of every bill as an earlier
// reload read it.
void BWBillEditorController::setListOfActiveBills(const QVariantList& bills)
{
    releaseOnWorker(std::exchange(m_listOfActiveBills, bills));
}
