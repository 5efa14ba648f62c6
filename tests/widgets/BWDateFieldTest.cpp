#include "widgets/BWDateField.h"

#include "support/UsEnglishLocale.h"

#include <QCalendarWidget>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>
#include <gtest/gtest.h>

namespace {

// A form of a line edit and a date field on Wednesday 9 December 2026, in
// the form the lists write a day in.
class BWDateFieldTest : public ::testing::Test
{
protected:
    BWDateFieldTest()
    {
        auto* layout = new QVBoxLayout(&form);
        before = new QLineEdit;
        field = new BWDateField;
        after = new QLineEdit;
        field->setDisplayFormat(QStringLiteral("ddd, MMM d, yyyy"));
        field->setDate(QDate(2026, 12, 9));
        for (QWidget* widget :
             {static_cast<QWidget*>(before), static_cast<QWidget*>(field), static_cast<QWidget*>(after)})
            layout->addWidget(widget);
        form.show();
        form.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&form));
        before->setFocus();
    }

    // Tabs into the field, types `text` and tabs on, as a user would.
    void typeIntoField(const QString& text)
    {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_TRUE(field->hasFocus());
        QTest::keyClicks(field, text);
        QTest::keyClick(field, Qt::Key_Tab);
    }

    UsEnglishLocale english;
    QWidget form;
    QLineEdit* before = nullptr;
    BWDateField* field = nullptr;
    QLineEdit* after = nullptr;
};

}  // namespace

TEST_F(BWDateFieldTest, ADateTypedAfterTabbingInBecomesTheFieldsDate)
{
    const struct
    {
        const char* typed;
        QDate expected;
    } cases[] = {
        {"31", QDate(2026, 12, 31)},
        {"1/5", QDate(2026, 1, 5)},
        {"Mar 8", QDate(2026, 3, 8)},
        {"7/4/27", QDate(2027, 7, 4)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        QSignalSpy changed(field, &BWDateField::dateChanged);
        before->setFocus();
        typeIntoField(QString::fromLatin1(c.typed));
        EXPECT_TRUE(after->hasFocus());
        EXPECT_EQ(field->date(), c.expected);
        EXPECT_EQ(field->text(), QLocale().toString(c.expected, QStringLiteral("ddd, MMM d, yyyy")));
        ASSERT_EQ(changed.count(), 1);
        EXPECT_EQ(changed.first().first().toDate(), c.expected);
    }
}

TEST_F(BWDateFieldTest, ReturnTakesTheTypedDateAndTheArrowsMoveItByADay)
{
    field->setFocus(Qt::TabFocusReason);
    QTest::keyClicks(field, QStringLiteral("12/25"));
    QTest::keyClick(field, Qt::Key_Return);
    EXPECT_EQ(field->date(), QDate(2026, 12, 25));
    QTest::keyClick(field, Qt::Key_Up);
    EXPECT_EQ(field->date(), QDate(2026, 12, 26));
    QTest::keyClick(field, Qt::Key_Down);
    QTest::keyClick(field, Qt::Key_Down);
    EXPECT_EQ(field->date(), QDate(2026, 12, 24));
}

// Text that names no date is never taken for another date: it stays for the
// user to mend, the date held stays, and the field says why.
TEST_F(BWDateFieldTest, TextThatNamesNoDateIsRefusedAndKept)
{
    field->setDateRange(QDate(2026, 1, 1), QDate(2027, 12, 31));
    for (const char* typed : {"soon", "2/30", "1/1/30"}) {
        SCOPED_TRACE(typed);
        QSignalSpy changed(field, &BWDateField::dateChanged);
        before->setFocus();
        typeIntoField(QString::fromLatin1(typed));
        EXPECT_EQ(field->date(), QDate(2026, 12, 9));
        EXPECT_EQ(field->text(), QString::fromLatin1(typed));
        EXPECT_FALSE(field->typedDate().has_value());
        EXPECT_FALSE(field->acceptTypedDate());
        EXPECT_FALSE(field->refusal().isEmpty());
        EXPECT_EQ(changed.count(), 0);
    }
    EXPECT_TRUE(field->refusal().contains(QStringLiteral("outside")));
    field->setText(QStringLiteral("31"));
    EXPECT_TRUE(field->acceptTypedDate());
    EXPECT_EQ(field->date(), QDate(2026, 12, 31));
    EXPECT_TRUE(field->refusal().isEmpty());
}

TEST_F(BWDateFieldTest, ARangeHoldsTheDate)
{
    field->setMinimumDate(QDate(2027, 1, 10));
    EXPECT_EQ(field->date(), QDate(2027, 1, 10));
    field->setDate(QDate(2020, 1, 1));
    EXPECT_EQ(field->date(), QDate(2027, 1, 10));
}
