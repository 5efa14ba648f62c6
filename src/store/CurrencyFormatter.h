#pragma once

#include <QString>
#include <optional>

// The one way amounts are written and read where the user sees them: money
// in the user's currency and locale ("$1,234.50", "1.234,50 €"). Reading is
// lenient: people type amounts back with or without the currency symbol and
// the grouping, or plainly with a "." before the decimals as a keypad does.
//
// Written amounts are rounded plainly, half away from zero, to the currency's
// number of decimals. The locale is the program's current one at each call.
class CurrencyFormatter
{
public:
    // How written amounts are rounded, for callers that round as the screen does.
    struct RoundingBehavior
    {
        // Digits after the decimal separator that a written amount keeps.
        int scale = 2;
        bool halfAwayFromZero = true;
        // Overflow, underflow and division by zero are errors; an inexact
        // result is just rounded.
        bool raisesOnExactness = false;
        bool raisesOnOverflow = true;
        bool raisesOnUnderflow = true;
        bool raisesOnDivideByZero = true;
    };

    // The amount as money in the current locale.
    QString stringFromNumber(double amount) const;
    // The amount a text holds; nothing for an empty text, for text that isn't
    // wholly one number and for a number that isn't finite.
    std::optional<double> numberFromString(const QString& text) const;
    // The rounding of the current locale's currency.
    // No caller in the program; the scale of currencyFormat().
    RoundingBehavior roundingBehavior() const;
};
