#include "widgets/BWPlainText.h"
#include "support/ShownText.h"

#include <gtest/gtest.h>

// Whatever a name holds, Qt shows it as typed: in a tool tip and as a title.
TEST(BWPlainText, TextsAreShownAsTyped)
{
    const QStringList texts{"Rent",
                            "Water <Acme>",
                            "<img src=\"/etc/orvane.png\">",
                            "<b>Bold</b> & more",
                            "Home & Car",
                            "&&",
                            "Tom's & Jerry's",
                            "a < b > c",
                            "line one\nline two",
                            ""};
    for (const QString& text : texts) {
        SCOPED_TRACE(text.toStdString());
        EXPECT_EQ(shown::toolTip(BWPlainText::toolTip(text)), text);
        EXPECT_EQ(shown::title(BWPlainText::mnemonicFree(text)), text);
        EXPECT_TRUE(shown::marksNoShortcut(BWPlainText::mnemonicFree(text)));
    }
    // What needs nothing stays as it is.
    EXPECT_EQ(BWPlainText::toolTip(QStringLiteral("Rent, Gym")), QStringLiteral("Rent, Gym"));
    EXPECT_EQ(BWPlainText::mnemonicFree(QStringLiteral("Rent")), QStringLiteral("Rent"));
}
