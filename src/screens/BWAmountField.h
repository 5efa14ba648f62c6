#pragma once

#include <QObject>
#include <memory>
#include <optional>

#include "store/CurrencyFormatter.h"

class QLineEdit;

// Gives a text field a currency formatter: amounts set on the field show as
// money, amounts typed into it are read leniently, and leaving the field
// rewrites a readable amount as money. The shell gives one shared formatter
// to every amount field at start-up; a field without one reads and writes
// the same way through a formatter of its own.
class BWAmountField : public QObject
{
    Q_OBJECT

public:
    // The field carries `formatter` from now on, in place of any earlier one.
    static void attach(QLineEdit* field, std::shared_ptr<const CurrencyFormatter> formatter);
    // The formatter the field carries; null when it carries none.
    static std::shared_ptr<const CurrencyFormatter> formatterOf(const QLineEdit* field);

    static void setAmount(QLineEdit* field, double amount);
    // The amount typed; nothing for an empty field or text that is no amount.
    static std::optional<double> amount(const QLineEdit* field);

    // How wide `field` must be to show a household's largest amount (seven
    // digits, with separators) whole, as `formatter` writes it. Attaching
    // makes every amount field at least this wide.
    static int widthForAmounts(const QLineEdit& field, const CurrencyFormatter& formatter);

private:
    BWAmountField(QLineEdit* field, std::shared_ptr<const CurrencyFormatter> formatter);
    static const CurrencyFormatter& formatterFor(const QLineEdit* field);
    void reformat();

    QLineEdit* m_field;
    std::shared_ptr<const CurrencyFormatter> m_formatter;
};
