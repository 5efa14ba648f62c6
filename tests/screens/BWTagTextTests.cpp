#include "screens/BWTagText.h"

#include <gtest/gtest.h>

// Whatever the tags hold, the line made of them reads back as those tags.
TEST(BWTagText, ALineOfTagsReadsBackAsTheTagsItWasMadeFrom)
{
    const QList<QStringList> lists{
        {},
        {"Home"},
        {"Home", "Car"},
        {"Food, Drink", "Home"},
        {"a,b,c"},
        {"12\" pipe", "\"Quoted\"", "say \"\"hi\"\""},
        {"\"Food, Drink\""},
        {" padded ", "Home & Car", ","},
    };
    for (const QStringList& tags : lists) {
        const QString line = BWTagText::join(tags);
        SCOPED_TRACE(line.toStdString());
        EXPECT_EQ(BWTagText::split(line), tags);
    }
    EXPECT_EQ(BWTagText::join({"Home", "Car"}), QStringLiteral("Home, Car"));
    EXPECT_EQ(BWTagText::join({"Food, Drink", "Car"}), QStringLiteral("\"Food, Drink\", Car"));
}

// What a user types: commas separate, blanks around a tag and empty parts
// drop out, and an unclosed quote runs to the end.
TEST(BWTagText, TypedLinesSplitAtCommasOutsideQuotes)
{
    const struct
    {
        const char* typed;
        QStringList tags;
        QString lastPart;
    } rows[] = {
        {"Home,  Travel , Home,", {"Home", "Travel", "Home"}, ""},       // blanks and an empty part
        {"Car, ele", {"Car", "ele"}, "ele"},                             // typing the second tag
        {"\"Food, Drink\", Ho", {"Food, Drink", "Ho"}, "Ho"},            // a quoted comma
        {"\"Food, Dr", {"Food, Dr"}, "Food, Dr"},                        // a quote not yet closed
        {"\"Food\" extra , Car", {"Food extra", "Car"}, "Car"},           // text after the quote
        {"", {}, ""},                                                    // nothing
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.typed);
        EXPECT_EQ(BWTagText::split(QString::fromUtf8(row.typed)), row.tags);
        EXPECT_EQ(BWTagText::parts(QString::fromUtf8(row.typed)).constLast(), row.lastPart);
    }
}
