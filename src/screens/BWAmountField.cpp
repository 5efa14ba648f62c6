#include "screens/BWAmountField.h"

#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionFrame>

namespace {

// The largest amount a household writes: seven digits before the decimals.
constexpr double WidestHouseholdAmount = 8888888.88;

}  // namespace

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
    field->setMinimumWidth(widthForAmounts(*field, *formatter));
    new BWAmountField(field, std::move(formatter));
}

int BWAmountField::widthForAmounts(const QLineEdit& field, const CurrencyFormatter& formatter)
{
    const QString widest = formatter.stringFromNumber(WidestHouseholdAmount);
    const QMargins text = field.textMargins();
    QStyleOptionFrame frame;
    frame.initFrom(&field);
    frame.lineWidth = field.hasFrame() ? field.style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &frame, &field) : 0;
    // The line edit's own inner margin of 2 on each side, as QLineEdit sizes itself.
    const QSize content(field.fontMetrics().horizontalAdvance(widest) + text.left() + text.right() + 4,
                        field.fontMetrics().height());
    return field.style()->sizeFromContents(QStyle::CT_LineEdit, &frame, content, &field).width();
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
