#include "BillEditorTestFixture.h"

#include "screens/BWAmountField.h"

// Name suggestions while a new bill's name is typed, and the income form.

namespace {

class BillSuggestionTest : public BillEditorTest
{
protected:
    BillSuggestionTest()
    {
        editor->setListOfActiveBills({
            bill(QStringLiteral("Electric"), inDays(3), {{BillKeys::Amount, 40.0}}),
            bill(QStringLiteral("Salary"), inDays(3), {{BillKeys::IsIncome, true}}),
            bill(QStringLiteral("Electric Co"), inDays(3),
                 {{BillKeys::Amount, 92.37},
                  {BillKeys::Tags, QVariantList{QStringLiteral("Utilities")}},
                  {BillKeys::PaySite, QStringLiteral("https://power.example")},
                  {BillKeys::PayType, qlonglong(1)},
                  {BillKeys::Repeat, QVariantList{qlonglong(2), qlonglong(2)}}}),
        });
    }
    QColor tintOf(BGHUDTextField* field) const { return field->backgroundColor(); }
};

}  // namespace

TEST_F(BillSuggestionTest, TypingCompletesTheNameAndFillsTheFormFromTheLastMatch)
{
    editor->createNewBill(&anchor);
    typeName(QStringLiteral("Ele"));
    EXPECT_EQ(editor->billNameField()->text(), QStringLiteral("Electric Co"));
    EXPECT_EQ(editor->billNameField()->selectedText(), QStringLiteral("ctric Co"));
    EXPECT_EQ(editor->amountDueField()->text(), QStringLiteral("$92.37"));
    EXPECT_EQ(tintOf(editor->amountDueField()), BWBillEditorController::suggestionTint());
    EXPECT_EQ(editor->tagsListField()->tags(), QStringList{QStringLiteral("Utilities")});
    EXPECT_EQ(editor->paymentURLField()->text(), QStringLiteral("https://power.example"));
    EXPECT_EQ(editor->paymentMethodSelector()->currentIndex(), 1);
    EXPECT_EQ(editor->repeatSelector()->currentIndex(), 6);
    EXPECT_EQ(editor->customRepeatAField()->text(), QStringLiteral("2"));
    EXPECT_EQ(editor->billIconPicker()->currentData().toString(), QStringLiteral("GScale_Power"));

    // Backspace over the completion takes the suggestion back and keeps what was typed.
    QTest::keyClick(editor->billNameField(), Qt::Key_Backspace);
    EXPECT_EQ(editor->billNameField()->text(), QStringLiteral("Ele"));
    EXPECT_TRUE(editor->amountDueField()->text().isEmpty());
    EXPECT_TRUE(editor->tagsListField()->tags().isEmpty());
    EXPECT_EQ(editor->paymentMethodSelector()->currentIndex(), 0);
    EXPECT_FALSE(tintOf(editor->amountDueField()).alpha() > 0);
    EXPECT_EQ(editor->repeatSelector()->currentIndex(), 6) << "the suggested custom repeat counts as chosen";
}

// What the user types is what stays, however fast: each completion selects
// only what was not typed. A click into a suggested amount selects it, so
// what is typed there replaces it.
TEST_F(BillSuggestionTest, WhatIsTypedStaysAtAnySpeedAndReplacesASuggestedAmount)
{
    editor->setListOfActiveBills({bill(QStringLiteral("Many1-1"), inDays(3), {{BillKeys::Amount, 30.0}})});
    for (const QString& typed : {QStringLiteral("Many1-2"), QStringLiteral("Many1-7"), QStringLiteral("Many1-1"),
                                 QStringLiteral("Many1-11")}) {
        SCOPED_TRACE(typed.toStdString());
        editor->createNewBill(&anchor);
        QTest::keyClicks(editor->billNameField(), typed, Qt::NoModifier, 1);
        EXPECT_EQ(editor->billNameField()->text(), typed);
        EXPECT_FALSE(editor->billNameField()->hasSelectedText());

        editor->createNewBill(&anchor);
        typeName(QStringLiteral("Many"));
        ASSERT_EQ(editor->amountDueField()->text(), QStringLiteral("$30.00"));
        QLineEdit* amount = editor->amountDueField();
        QTest::mouseClick(amount, Qt::LeftButton, {}, QPoint(amount->width() - 4, amount->height() / 2));
        QTest::keyClicks(amount, QStringLiteral("77"), Qt::NoModifier, 1);
        EXPECT_EQ(BWAmountField::amount(amount), 77.0);
        editor->cancelBill();
    }
}

TEST_F(BillSuggestionTest, TheLastWordPicksTheIconThatHoldsItWholeBeforeOneThatHoldsItInPart)
{
    struct Case
    {
        const char* typed;
        const char* icon;
    };
    const Case cases[] = {
        {"Rent", "GScale_Home"},          // not the appliance's "Rental"
        {"Car Rental", "GScale_Appliance"},
        {"Student Loan", "GScale_Wallet"}, // several hold it whole: the last
        {"Broadb", "GScale_Internet"},     // in part only
        {"Utility", "GScale_Water"},
    };
    for (const Case& each : cases) {
        editor->createNewBill(&anchor);
        typeName(QString::fromUtf8(each.typed));
        EXPECT_EQ(editor->billIconPicker()->currentData().toString(), QString::fromUtf8(each.icon)) << each.typed;
        editor->cancelBill();
    }
}

TEST_F(BillSuggestionTest, SuggestionsNeedTheSameCaseThreeCharactersAndABill)
{
    struct Case
    {
        const char* typed;
        const char* nameAfter;
    };
    const QList<Case> cases = {
        {"ele", "ele"},   // case matters
        {"El", "El"},     // too short
        {"Sal", "Sal"},   // income is never suggested
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(test.typed);
        editor->createNewBill(&anchor);
        typeName(QString::fromLatin1(test.typed));
        EXPECT_EQ(editor->billNameField()->text(), QString::fromLatin1(test.nameAfter));
        EXPECT_TRUE(editor->amountDueField()->text().isEmpty());
    }
}

// A blank typed over the completion leaves an empty last word: nothing more
// is suggested or taken back.
TEST_F(BillSuggestionTest, ABlankAfterACompletionChangesNothingElse)
{
    editor->createNewBill(&anchor);
    typeName(QStringLiteral("Ele "));
    EXPECT_EQ(editor->billNameField()->text(), QStringLiteral("Ele "));
    EXPECT_EQ(editor->amountDueField()->text(), QStringLiteral("$92.37"));
}

TEST_F(BillSuggestionTest, WhatTheUserChangedIsNeverOverwritten)
{
    editor->createNewBill(&anchor);
    QTest::keyClicks(editor->amountDueField(), QStringLiteral("12"));
    choose(editor->paymentMethodSelector(), 2);
    choose(editor->billIconPicker(), 0);
    typeName(QStringLiteral("Ele"));
    EXPECT_EQ(editor->billNameField()->text(), QStringLiteral("Electric Co"));
    EXPECT_EQ(editor->amountDueField()->text(), QStringLiteral("12"));
    EXPECT_FALSE(tintOf(editor->amountDueField()).alpha() > 0);
    EXPECT_EQ(editor->paymentMethodSelector()->currentIndex(), 2);
    EXPECT_EQ(editor->billIconPicker()->currentIndex(), 0);
    EXPECT_EQ(editor->tagsListField()->tags(), QStringList{QStringLiteral("Utilities")}) << "untouched fields fill";

    // Clearing the name empties only the untouched fields.
    editor->billNameField()->selectAll();
    QTest::keyClick(editor->billNameField(), Qt::Key_Backspace);
    EXPECT_TRUE(editor->tagsListField()->tags().isEmpty());
    EXPECT_EQ(editor->amountDueField()->text(), QStringLiteral("12"));
}

TEST_F(BillSuggestionTest, EveryNewFormSuggestsAfresh)
{
    editor->createNewBill(&anchor);
    typeName(QStringLiteral("Electric Company Ltd"));
    editor->cancelBill();
    editor->createNewBill(&anchor);
    EXPECT_EQ(editor->numberOfCharactersInTitle(), 0);
    typeName(QStringLiteral("Ele"));
    EXPECT_EQ(editor->billNameField()->text(), QStringLiteral("Electric Co"));
}

TEST_F(BillSuggestionTest, EditingNeverSuggestsButStillNotesChangedFields)
{
    edit(store(bill(QStringLiteral("Gas"), inDays(3))));
    editor->billNameField()->clear();
    typeName(QStringLiteral("Ele"));
    EXPECT_EQ(editor->billNameField()->text(), QStringLiteral("Ele"));
    QTest::keyClicks(editor->paymentURLField(), QStringLiteral("x"));
    QTest::keyClicks(editor->tagsListField(), QStringLiteral("y"));
    EXPECT_TRUE(editor->changeFlags().payURL);
    EXPECT_TRUE(editor->changeFlags().tags);
}

TEST_F(BillSuggestionTest, ASavingsGoalTakesItsIconFromItsNameWithoutSuggestions)
{
    editor->createNewSavingsGoal(&anchor);
    editor->billNameField()->clear();
    typeName(QStringLiteral("Travel"));
    EXPECT_EQ(editor->billIconPicker()->currentData().toString(), QStringLiteral("GScale_Travel"));
    editor->billNameField()->selectAll();
    QTest::keyClick(editor->billNameField(), Qt::Key_Backspace);
    EXPECT_TRUE(editor->tagsListField()->tags().isEmpty());
    EXPECT_EQ(editor->paymentMethodSelector()->currentIndex(), 0);
}

// ---- Income form ----

TEST_F(BillEditorTest, ANewIncomeItemStoresItsDateAsDueDateAndLastPayment)
{
    editor->createNewIncome(&anchor);
    EXPECT_EQ(editor->shownPage(), BWBillEditorController::Page::IncomeForm);
    EXPECT_TRUE(editor->isNewIncome());
    QTest::keyClicks(editor->incomeNameField(), QStringLiteral("Salary"));
    editor->incomeDateField()->setDate(QDate(2024, 3, 15));
    editor->incomeAmountField()->setText(QStringLiteral("2,800"));
    const QString billID = editor->incomeIDField()->text();
    ASSERT_TRUE(editor->saveIncome());

    const QVariantMap file = storedFile(billID);
    const QDateTime paid(QDate(2024, 3, 15), QTime(12, 0));
    EXPECT_EQ(file.value(BillKeys::DueDate).toDateTime(), paid.toUTC());
    EXPECT_EQ(file.value(BillKeys::LastPayment).toDateTime(), paid.toUTC());
    EXPECT_DOUBLE_EQ(file.value(BillKeys::Amount).toDouble(), 2800);
    EXPECT_EQ(file.value(BillKeys::Icon).toString(), BWBillEditorController::IncomeIcon);
    EXPECT_TRUE(file.value(BillKeys::IsIncome).toBool());
    EXPECT_EQ(file.value(BillKeys::Repeat).toList(), QVariantList({qlonglong(1), qlonglong(2)}));
}

// The form shows and stores the stored pay date, never the one moved off a
// weekend for display; and it always stores the income's fixed values.
TEST_F(BillEditorTest, EditingIncomeKeepsTheStoredDateAndFixedValues)
{
    defaults.setInteger(BWDefaultsKeys::BWAvoidWeekends, 1);
    const QDateTime sunday(QDate(2024, 3, 10), QTime(9, 0));
    const QString billID = store(bill(QStringLiteral("Salary"), sunday.toUTC(),
                                      {{BillKeys::IsIncome, true},
                                       {BillKeys::PayType, qlonglong(2)},
                                       {BillKeys::RemindMe, true},
                                       {BillKeys::Icon, QStringLiteral("GScale_Home")}}));
    edit(billID);
    EXPECT_EQ(editor->incomeDateField()->date(), sunday.date());
    EXPECT_FALSE(editor->isNewIncome());
    ASSERT_TRUE(editor->saveIncome());
    const QVariantMap file = storedFile(billID);
    EXPECT_EQ(file.value(BillKeys::DueDate).toDateTime(), sunday.toUTC());
    EXPECT_EQ(file.value(BillKeys::PayType).toLongLong(), 0);
    EXPECT_FALSE(file.value(BillKeys::RemindMe).toBool());
    EXPECT_EQ(file.value(BillKeys::Icon).toString(), BWBillEditorController::IncomeIcon);
}

// Saving an archived income item makes it active again; a repeating one falls
// due today instead of at the far date archiving gave it, a one-time one
// keeps its date.
TEST_F(BillEditorTest, SavingArchivedIncomeBringsItBack)
{
    const QString repeating = store(bill(QStringLiteral("Rent In"), PropertyList::distantFuture(),
                                         {{BillKeys::IsIncome, true}, {BillKeys::IsArchived, true}}));
    const QString oneTime = store(bill(QStringLiteral("Bonus"), PropertyList::distantFuture(),
                                       {{BillKeys::IsIncome, true},
                                        {BillKeys::IsArchived, true},
                                        {BillKeys::Repeat, QVariantList{qlonglong(0), qlonglong(4)}}}));
    edit(repeating);
    ASSERT_TRUE(editor->saveIncome());
    EXPECT_FALSE(storedFile(repeating).value(BillKeys::IsArchived).toBool());
    EXPECT_EQ(storedFile(repeating).value(BillKeys::DueDate).toDateTime(), clock.now().toUTC());

    edit(oneTime);
    ASSERT_TRUE(editor->saveIncome());
    EXPECT_FALSE(storedFile(oneTime).value(BillKeys::IsArchived).toBool());
    EXPECT_EQ(storedFile(oneTime).value(BillKeys::DueDate).toDateTime(), PropertyList::distantFuture());
}
