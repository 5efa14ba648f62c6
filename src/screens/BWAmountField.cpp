#include "screens/BWAmountField.h"

#include <QLineEdit>

BWAmountField::BWAmountField(QLineEdit* field, std::shared_ptr<const CurrencyFormatter> formatter)
    : QObject(field), m_field(field), m_formatter(std::move(formatter))
{
    connect(field, &QLineEdit::editingFinished, this, &BWAmountField::reformat);
}

void BWAmountField::attach(QLineEdit* field, std::shared_ptr<const CurrencyFormatter> formatter)
{
    if (!field || !formatter)
        return;
    delete field->findChild<BWAmountField*>(QString(), Qt::FindDirectChildrenOnly);
    new BWAmountField(field, std::move(formatter));
}

std::shared_ptr<const CurrencyFormatter> BWAmountField::formatterOf(const QLineEdit* field)
{
    const auto* carried = field ? field->findChild<BWAmountField*>(QString(), Qt::FindDirectChildrenOnly) : nullptr;
    return carried ? carried->m_formatter : nullptr;
}

const CurrencyFormatter& BWAmountField::formatterFor(const QLineEdit* field)
{
    static const CurrencyFormatter plain;
    const auto* carried = field ? field->findChild<BWAmountField*>(QString(), Qt::FindDirectChildrenOnly) : nullptr;
    return carried ? *carried->m_formatter : plain;
}

void BWAmountField::setAmount(QLineEdit* field, double amount)
{
    field->setText(formatterFor(field).stringFromNumber(amount));
}

std::optional<double> BWAmountField::amount(const QLineEdit* field)
{
    return formatterFor(field).numberFromString(field->text());
}

// Text that is no amount stays as typed, so the user can see and mend it.
void BWAmountField::reformat()
{
    if (const std::optional<double> typed = m_formatter->numberFromString(m_field->text()))
        m_field->setText(m_formatter->stringFromNumber(*typed));
}
