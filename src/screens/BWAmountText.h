#pragma once

#include <QString>
#include <optional>

// Reads an amount the user typed into a money field. The field shows money
// in the user's currency ("$1,234.50"), and people type it back with or
// without the symbol and the grouping, so reading is lenient about both.
class BWAmountText
{
public:
    // The number in `text` in the current locale, with or without the
    // currency symbol, or plain with a "." before the decimals. Nothing for
    // an empty text, for text that isn't wholly one number, and for a number
    // that isn't finite.
    static std::optional<double> parse(const QString& text);
};
