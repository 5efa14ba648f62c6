#include "platform/TextFolding.h"

#include <gtest/gtest.h>

TEST(TextFolding, CaseAccentsAndCompatibilityFormsFoldAway)
{
    struct Case
    {
        const char* text;
        const char* folded;
    };
    const Case cases[] = {
        {"Café", "cafe"},
        {"Cafe\u0301", "cafe"},          // the accent typed as a combining mark
        {"ÉLECTRICITÉ", "electricite"},
        {"\uFB01tness", "fitness"},      // the "fi" ligature
        {"\uFF21\uFF22\uFF23", "abc"},   // full-width letters
        {"Straße 12", "straße 12"},
        {"", ""},
    };
    for (const Case& each : cases)
        EXPECT_EQ(TextFolding::folded(QString::fromUtf8(each.text)), QString::fromUtf8(each.folded)) << each.text;
}
