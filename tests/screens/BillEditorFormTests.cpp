#include "BillEditorTestFixture.h"

#include <QJsonValue>

#include "store/BWBill.h"
#include "store/BWTagList.h"
#include "widgets/KBButton.h"

#include <QCompleter>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>

#include <functional>

namespace {

struct RepeatCase
{
    const char* name;
    int repeatIndex;
    int unitIndex;
    const char* count;
    QVariantList stored;
    // How the form shows the stored pair again.
    int shownIndex;
    int shownUnit;
    QString shownCount;
};

QVariantList pair(qlonglong count, qlonglong unit)
{
    return {count, unit};
}

}  // namespace

// Every repeat choice goes to the file as its pair and comes back into the
// form; custom counts below 1 of days, weeks or months are stored as 1.
TEST_F(BillEditorTest, EveryRepeatChoiceRoundTripsThroughTheFile)
{
    const QList<RepeatCase> cases = {
        {"weekly", 0, 0, "", pair(1, 0), 0, -1, {}},
        {"twice a month", 1, 0, "", pair(1, 1), 1, -1, {}},
        {"monthly", 2, 0, "", pair(1, 2), 2, -1, {}},
        {"every 3 months", 3, 0, "", pair(3, 2), 3, -1, {}},
        {"every 6 months", 4, 0, "", pair(6, 2), 4, -1, {}},
        {"every year", 5, 0, "", pair(12, 2), 5, -1, {}},
        {"never", 7, 0, "", pair(0, 4), 7, -1, {}},
        {"every 2 months", 8, 0, "", pair(2, 2), 6, 2, "2"},
        {"every 2 weeks", 9, 0, "", pair(2, 0), 6, 1, "2"},
        {"custom 10 days", 6, 0, "10", pair(10, 3), 6, 0, "10"},
        {"custom 3 weeks", 6, 1, "3", pair(3, 0), 6, 1, "3"},
        {"custom 5 months", 6, 2, "5", pair(5, 2), 6, 2, "5"},
        {"custom 0 days", 6, 0, "0", pair(1, 3), 6, 0, "1"},
        {"custom -2 weeks", 6, 1, "-2", pair(1, 0), 0, -1, {}},
        {"custom blank months", 6, 2, "", pair(1, 2), 2, -1, {}},
        {"same weekday", 6, 4, "7", pair(1, 5), 6, 4, "1"},
        {"tax dates", 6, 6, "", pair(1, 6), 6, 6, "1"},
    };
    for (const RepeatCase& test : cases) {
        SCOPED_TRACE(test.name);
        editor->createNewBill(&anchor);
        typeName(QString::fromLatin1(test.name));
        choose(editor->repeatSelector(), test.repeatIndex);
        if (test.repeatIndex == 6) {
            editor->customRepeatAField()->setText(QString::fromLatin1(test.count));
            choose(editor->customRepeatBSelector(), test.unitIndex);
        }
        const QString billID = editor->billIDField()->text();
        ASSERT_TRUE(editor->saveBill());
        EXPECT_EQ(storedFile(billID).value(BillKeys::Repeat).toList(), test.stored);

        edit(billID);
        EXPECT_EQ(editor->repeatSelector()->currentIndex(), test.shownIndex);
        EXPECT_EQ(editor->customRepeatBox()->isHidden(), test.shownIndex != 6);
        if (test.shownUnit >= 0) {
            EXPECT_EQ(editor->customRepeatBSelector()->currentIndex(), test.shownUnit);
            EXPECT_EQ(editor->customRepeatAField()->text(), test.shownCount);
            EXPECT_EQ(editor->customRepeatAField()->isHidden(), test.shownUnit >= 4);
        }
        // Saving untouched stores the same pair again.
        ASSERT_TRUE(editor->saveBill());
        EXPECT_EQ(storedFile(billID).value(BillKeys::Repeat).toList(), test.stored);
    }
}

TEST_F(BillEditorTest, ANewBillIsStoredWithWhatTheFormHolds)
{
    QSignalSpy saved(editor.get(), &BWBillEditorController::itemSaved);
    editor->createNewBill(&anchor);
    EXPECT_TRUE(editor->isShown());
    EXPECT_TRUE(editor->isNewBill());
    EXPECT_EQ(editor->dueDateField()->date(), QDate(2024, 3, 5));
    EXPECT_TRUE(editor->remindMeField()->isChecked());
    EXPECT_EQ(editor->reminderDaysField()->text(), QStringLiteral("7"));
    EXPECT_EQ(editor->billIconPicker()->currentIndex(), BWBillEditorController::DefaultIconIndex);

    typeName(QStringLiteral("Acme <b>Dues</b>"));
    editor->dueDateField()->setDate(QDate(2024, 3, 20));
    editor->amountDueField()->setText(QStringLiteral("$1,234.50"));
    editor->balanceField()->setText(QStringLiteral("900"));
    choose(editor->paymentMethodSelector(), 3);
    editor->paymentURLField()->setText(QStringLiteral("gym.example"));
    editor->tagsListField()->setText(QStringLiteral("Health, Fun ,"));
    editor->reminderDaysField()->setText(QStringLiteral("2"));
    const QString billID = editor->billIDField()->text();
    ASSERT_TRUE(editor->saveBill());

    EXPECT_FALSE(editor->isShown());
    EXPECT_EQ(saved.count(), 1);
    const QVariantMap file = storedFile(billID);
    EXPECT_EQ(file.value(BillKeys::Name).toString(), QStringLiteral("Acme <b>Dues</b>"));
    EXPECT_EQ(file.value(BillKeys::DueDate).toDateTime().toLocalTime(), QDateTime(QDate(2024, 3, 20), QTime(12, 0)));
    EXPECT_DOUBLE_EQ(file.value(BillKeys::Amount).toDouble(), 1234.5);
    EXPECT_DOUBLE_EQ(file.value(BillKeys::Balance).toDouble(), 900);
    EXPECT_EQ(file.value(BillKeys::PayType).toLongLong(), 3);
    EXPECT_EQ(file.value(BillKeys::PaySite).toString(), QStringLiteral("http://gym.example"));
    EXPECT_EQ(file.value(BillKeys::Tags).toStringList(), QStringList({QStringLiteral("Health"), QStringLiteral("Fun")}));
    EXPECT_TRUE(file.value(BillKeys::RemindMe).toBool());
    EXPECT_EQ(file.value(BillKeys::ReminderDays).toLongLong(), 2);
    EXPECT_EQ(file.value(BillKeys::Icon).toString(), QStringLiteral("GScale_CreditCard"));
    EXPECT_FALSE(file.value(BillKeys::IsIncome).toBool());
    EXPECT_EQ(file.value(BillKeys::PaymentList).toList().size(), 0);
    EXPECT_TRUE(index().contains(IndexKeys::ActiveBills, billID));
    EXPECT_TRUE(BWTagList(env).getListOfTags().value_or(QStringList()).contains(QStringLiteral("Health")));
}

TEST_F(BillEditorTest, ASavingsGoalStartsWithItsOwnDefaults)
{
    editor->createNewSavingsGoal(&anchor);
    EXPECT_FALSE(editor->shouldSuggestBillInfo());
    EXPECT_EQ(editor->billNameField()->text(), QStringLiteral("Savings Goal"));
    EXPECT_EQ(editor->tagsListField()->tags(), QStringList{QStringLiteral("Savings Goals")});
    EXPECT_EQ(editor->paymentMethodSelector()->currentIndex(), 1);
    EXPECT_FALSE(editor->remindMeField()->isChecked()) << "even with reminders on by default";
    EXPECT_EQ(editor->reminderDaysField()->text(), QStringLiteral("7"));
    const QString billID = editor->billIDField()->text();
    ASSERT_TRUE(editor->saveBill());
    const QVariantMap file = storedFile(billID);
    EXPECT_EQ(file.value(BillKeys::Icon).toString(), BWBillEditorController::SavingsGoalIcon);
    EXPECT_EQ(file.value(BillKeys::PayType).toLongLong(), 1);
    EXPECT_FALSE(file.value(BillKeys::RemindMe).toBool());
}

// Stepping to another bill or searching while one is edited would leave the
// form on the wrong bill; however the popover closes, they come back.
TEST_F(BillEditorTest, WhileABillIsEditedStepAndSearchControlsAreAway)
{
    QWidget nextBill;
    QWidget previousBill;
    QWidget search;
    editor->setBillPageButtons(&nextBill, &previousBill);
    editor->setSearchField(&search);
    const QString billID = store(bill(QStringLiteral("Storage"), inDays(3)));
    for (const auto& close : std::initializer_list<std::function<void()>>{
             [this] { editor->cancelBill(); }, [this] { editor->editorPopover()->hide(); },
             [this] { ASSERT_TRUE(editor->saveBill()); }}) {
        nextBill.show();
        editor->showEditPopoverForBill(billID, &anchor);
        EXPECT_TRUE(nextBill.isHidden());
        EXPECT_TRUE(previousBill.isHidden());
        EXPECT_FALSE(search.isEnabled());
        close();
        EXPECT_FALSE(nextBill.isHidden());
        EXPECT_FALSE(previousBill.isHidden());
        EXPECT_TRUE(search.isEnabled());
    }
}

// The form opens beside the button that asked for it wherever that stands,
// whole on the screen: at the right edge of a wide window, to its left.
TEST_F(BillEditorTest, TheFormOpensBesideItsAnchorWhollyOnTheScreen)
{
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    const QString billID = store(bill(QStringLiteral("Storage"), inDays(3)));
    for (const int anchorX : {screen.left() + 10, screen.right() - anchor.width() - 10}) {
        anchor.move(anchorX, screen.center().y());
        editor->showEditPopoverForBill(billID, &anchor);
        const QRect bubble = editor->editorPopover()->frameGeometry();
        const QRect button(anchor.mapToGlobal(QPoint(0, 0)), anchor.size());
        EXPECT_TRUE(screen.contains(bubble)) << "anchor at " << anchorX;
        EXPECT_FALSE(bubble.intersects(button.adjusted(2, 2, -2, -2))) << "anchor at " << anchorX;
        editor->cancelBill();
    }
}

TEST_F(BillEditorTest, EditingKeepsPaymentsTotalsNotesAndArchiveState)
{
    const QVariantList payments{QVariantMap{{PaymentKeys::Amount, 20.0},
                                            {PaymentKeys::Date, inDays(-30)},
                                            {PaymentKeys::Note, QStringLiteral("first")},
                                            {PaymentKeys::Receipt, QString()}}};
    const QString billID = store(bill(QStringLiteral("Storage"), PropertyList::distantFuture(),
                                      {{BillKeys::PaymentList, payments},
                                       {BillKeys::TotalPaid, 20.0},
                                       {BillKeys::Average, 20.0},
                                       {BillKeys::LastPayment, inDays(-30)},
                                       {BillKeys::Notes, QStringLiteral("gate code 1234")},
                                       {BillKeys::Interest, 0.05},
                                       {BillKeys::Rev, 2.5},
                                       {BillKeys::IsArchived, true},
                                       {BillKeys::DueDateBeforeArchive, inDays(12)},
                                       {BillKeys::RemindMeBeforeArchive, true}}));
    edit(billID);
    EXPECT_FALSE(editor->isNewBill());
    EXPECT_EQ(editor->dueDateField()->date(), PropertyList::distantFuture().toLocalTime().date())
        << "an archived item shows where archiving put it";
    EXPECT_EQ(editor->amountDueField()->text(), QStringLiteral("$50.00"));
    editor->billNameField()->setText(QStringLiteral("Storage Unit"));
    ASSERT_TRUE(editor->saveBill());

    const QVariantMap file = storedFile(billID);
    EXPECT_EQ(file.value(BillKeys::Name).toString(), QStringLiteral("Storage Unit"));
    EXPECT_EQ(file.value(BillKeys::PaymentList).toList().size(), 1);
    EXPECT_DOUBLE_EQ(file.value(BillKeys::TotalPaid).toDouble(), 20.0);
    EXPECT_DOUBLE_EQ(file.value(BillKeys::Average).toDouble(), 20.0);
    EXPECT_EQ(file.value(BillKeys::LastPayment).toDateTime(), inDays(-30));
    EXPECT_EQ(file.value(BillKeys::Notes).toString(), QStringLiteral("gate code 1234"));
    EXPECT_DOUBLE_EQ(file.value(BillKeys::Interest).toDouble(), 0.05);
    EXPECT_DOUBLE_EQ(file.value(BillKeys::Rev).toDouble(), 2.5);
    EXPECT_TRUE(file.value(BillKeys::IsArchived).toBool());
    EXPECT_EQ(file.value(BillKeys::DueDate).toDateTime(), PropertyList::distantFuture());
    // A restore still finds what archiving replaced.
    EXPECT_EQ(file.value(BillKeys::DueDateBeforeArchive).toDateTime(), inDays(12));
    EXPECT_EQ(file.value(BillKeys::RemindMeBeforeArchive), QVariant(true));
}

// A monthly bill clipped to a short month's last day keeps the day it came
// from through an edit that leaves the due date alone, and not through one
// that sets another.
TEST_F(BillEditorTest, EditingKeepsTheClippedDayOfTheMonthOnlyWithTheSameDueDate)
{
    const QDateTime clipped(QDate(2024, 4, 30), QTime(9, 0));
    for (const bool changeDate : {false, true}) {
        SCOPED_TRACE(changeDate);
        const QString billID = store(bill(QStringLiteral("Rent"), clipped.toUTC(), {{BillKeys::DueDayOfMonth, 31}}));
        edit(billID);
        editor->amountDueField()->setText(QStringLiteral("$60.00"));
        if (changeDate)
            editor->dueDateField()->setDate(QDate(2024, 4, 29));
        ASSERT_TRUE(editor->saveBill());
        EXPECT_EQ(storedFile(billID).contains(BillKeys::DueDayOfMonth), !changeDate);
    }
}

TEST_F(BillEditorTest, AFarAwayDueDateOfAnActiveBillOpensAsToday)
{
    const QString far = store(bill(QStringLiteral("Far"), inDays(5001)));
    const QString near = store(bill(QStringLiteral("Near"), inDays(5000)));
    const QString longOverdue = store(bill(QStringLiteral("Old"), inDays(-5001)));
    edit(far);
    EXPECT_EQ(editor->dueDateField()->date(), QDate(2024, 3, 5));
    edit(near);
    EXPECT_EQ(editor->dueDateField()->date(), QDate(2024, 3, 5).addDays(5000));
    edit(longOverdue);
    EXPECT_EQ(editor->dueDateField()->date(), QDate(2024, 3, 5));
}

TEST_F(BillEditorTest, EditingHidesTheBillPageControlsAndOpensIncomeInItsOwnForm)
{
    QPushButton next, previous;
    QLineEdit search;
    editor->setBillPageButtons(&next, &previous);
    editor->setSearchField(&search);
    next.show();
    previous.show();
    edit(store(bill(QStringLiteral("Rent"), inDays(3))));
    EXPECT_TRUE(next.isHidden());
    EXPECT_TRUE(previous.isHidden());
    EXPECT_FALSE(search.isEnabled());
    EXPECT_EQ(editor->shownPage(), BWBillEditorController::Page::BillForm);
    EXPECT_EQ(editor->incomeNameField()->window()->windowTitle(), QStringLiteral("Bill Editor"));

    edit(store(bill(QStringLiteral("Salary"), inDays(3), {{BillKeys::IsIncome, true}})));
    EXPECT_EQ(editor->shownPage(), BWBillEditorController::Page::IncomeForm);
    EXPECT_EQ(editor->incomeNameField()->text(), QStringLiteral("Salary"));
    EXPECT_EQ(editor->incomeNameField()->window()->windowTitle(), QStringLiteral("Income Editor"));
}

TEST_F(BillEditorTest, DeleteAsksThenMovesTheItemToTheDeletedList)
{
    QSignalSpy deleted(editor.get(), &BWBillEditorController::itemDeleted);
    const QString billID = store(bill(QStringLiteral("Cable <i>TV</i>"), inDays(3)));
    editor->showDeletePopoverForBill(billID, QRect(), &anchor);
    EXPECT_EQ(editor->shownPage(), BWBillEditorController::Page::DeleteQuestion);
    EXPECT_EQ(editor->billToDeleteNameField()->text(), QStringLiteral("Cable <i>TV</i>?"));
    EXPECT_EQ(editor->billToDeleteNameField()->textFormat(), Qt::PlainText);
    EXPECT_TRUE(index().contains(IndexKeys::ActiveBills, billID)) << "nothing happens before the answer";

    QTest::mouseClick(editor->deleteButton(), Qt::LeftButton);
    EXPECT_TRUE(index().contains(IndexKeys::DeletedBills, billID));
    EXPECT_FALSE(editor->isShown());
    EXPECT_EQ(deleted.count(), 1);
}

TEST_F(BillEditorTest, RestoringBringsAnArchivedItemBack)
{
    const QString billID = store(bill(QStringLiteral("Gym"), inDays(3)));
    ASSERT_TRUE(BWBill(env).archiveBillWithBid(billID));
    ASSERT_TRUE(storedFile(billID).value(BillKeys::IsArchived).toBool());

    EXPECT_TRUE(editor->restoreBill(billID));
    EXPECT_FALSE(storedFile(billID).value(BillKeys::IsArchived).toBool());
}

// A save that can't be written says so and leaves the user's input in place.
TEST_F(BillEditorTest, AFailedSaveKeepsTheFormOpenWithTheInput)
{
    QSignalSpy saved(editor.get(), &BWBillEditorController::itemSaved);
    editor->createNewBill(&anchor);
    typeName(QStringLiteral("Phone"));
    editor->billIDField()->setText(QStringLiteral("../../escape"));
    EXPECT_FALSE(editor->saveBill());
    EXPECT_EQ(alerts.size(), 1);
    EXPECT_TRUE(editor->isShown());
    EXPECT_EQ(editor->billNameField()->text(), QStringLiteral("Phone"));
    EXPECT_EQ(saved.count(), 0);

    // A data folder that can't be made.
    temp.write(QStringLiteral("blocked"), "a file, not a folder");
    env.defaultDataFolder = temp.file(QStringLiteral("blocked/Orvane.ovdata"));
    BWBillEditorController blocked(env);
    blocked.setAlert([this](QWidget*, const QString& title, const QString&) { alerts.append(title); });
    blocked.createNewBill(&anchor);
    QTest::keyClicks(blocked.billNameField(), QStringLiteral("Water"));
    EXPECT_FALSE(blocked.saveBill());
    EXPECT_EQ(alerts.size(), 2);
    EXPECT_TRUE(blocked.isShown());
    EXPECT_EQ(blocked.billNameField()->text(), QStringLiteral("Water"));
}

TEST_F(BillEditorTest, TagCompletionsIgnoreCaseAndAccentsInStoredOrder)
{
    ASSERT_TRUE(BWTagList(env).saveListOfTagsWithTags(
        {QStringLiteral("Électricité"), QStringLiteral("Utilities"), QStringLiteral("elevator"), QStringLiteral("Car")}));
    EXPECT_EQ(editor->tagCompletions(QStringLiteral("ELE")),
              QStringList({QStringLiteral("Électricité"), QStringLiteral("elevator")}));
    EXPECT_EQ(editor->tagCompletions(QStringLiteral("ut")), QStringList{QStringLiteral("Utilities")});
    EXPECT_TRUE(editor->tagCompletions(QStringLiteral("x")).isEmpty());

    // Choosing a completion replaces only the tag being typed.
    BWTagTokenField* tags = editor->tagsListField();
    tags->setText(QStringLiteral("Car, ele"));
    emit tags->completer()->activated(QStringLiteral("elevator"));
    EXPECT_EQ(tags->tags(), QStringList({QStringLiteral("Car"), QStringLiteral("elevator")}));
}

// A tag holding a comma (from a file or from sync) stays one tag through an
// edit, in the bill form and in the income form, and through a completion.
TEST_F(BillEditorTest, ATagHoldingACommaSurvivesASave)
{
    const QVariantList tags{QStringLiteral("Food, Drink"), QStringLiteral("Home"), QStringLiteral("12\" pipe")};
    for (const bool income : {false, true}) {
        SCOPED_TRACE(income ? "income" : "bill");
        const QString billID = store(
            bill(QStringLiteral("Groceries"), inDays(5), {{BillKeys::Tags, tags}, {BillKeys::IsIncome, income}}));
        edit(billID);
        BWTagTokenField* field = income ? editor->incomeTagsField() : editor->tagsListField();
        EXPECT_EQ(field->tags(), QStringList({"Food, Drink", "Home", "12\" pipe"}));
        ASSERT_TRUE(income ? editor->saveIncome() : editor->saveBill());
        EXPECT_EQ(storedFile(billID).value(BillKeys::Tags).toList(), tags);
    }
    BWTagTokenField* field = editor->tagsListField();
    field->setTags({QStringLiteral("Food, Drink"), QStringLiteral("ele")});
    emit field->completer()->activated(QStringLiteral("elevator"));
    EXPECT_EQ(field->tags(), QStringList({QStringLiteral("Food, Drink"), QStringLiteral("elevator")}));
}

TEST_F(BillEditorTest, ReturnSavesAndEscapeCancels)
{
    editor->createNewBill(&anchor);
    typeName(QStringLiteral("Internet"));
    const QString kept = editor->billIDField()->text();
    QTest::keyClick(editor->billNameField(), Qt::Key_Escape);
    EXPECT_FALSE(editor->isShown());
    EXPECT_TRUE(storedFile(kept).isEmpty());

    editor->createNewBill(&anchor);
    typeName(QStringLiteral("Internet"));
    const QString billID = editor->billIDField()->text();
    QTest::keyClick(editor->billNameField(), Qt::Key_Return);
    EXPECT_EQ(storedFile(billID).value(BillKeys::Name).toString(), QStringLiteral("Internet"));
}

// Tab walks the bill form's controls in the order they are shown.
TEST_F(BillEditorTest, TabWalksTheFormInOrder)
{
    editor->createNewBill(&anchor);
    QList<QWidget*> walked;
    QWidget* widget = editor->billNameField();
    for (int step = 0; step < 200 && walked.size() < 12; ++step) {
        widget = widget->nextInFocusChain();
        if (widget->focusPolicy() & Qt::TabFocus && widget->isVisibleTo(editor->editorPopover())
            && widget->isEnabled())
            walked.append(widget);
    }
    const QList<QWidget*> expected = {editor->dueDateField(),      editor->repeatSelector(),
                                      editor->amountDueField(),    editor->amountVariesToggle(),
                                      editor->balanceField(),      editor->paymentMethodSelector(),
                                      editor->paymentURLField(),   editor->tagsListField(),
                                      editor->remindMeField(),     editor->reminderDaysField(),
                                      editor->billIconPicker(),    editor->cancelButton()};
    EXPECT_EQ(walked, expected);
}

// Text that is no amount is refused, as the bill page and the payment panel
// refuse it, and stays in the form to correct; an empty field counts as 0.
TEST_F(BillEditorTest, AnAmountOrBalanceThatIsNoNumberIsRefused)
{
    enum class Form { Bill, Income };
    struct Case
    {
        Form form;
        BGHUDTextField* (BWBillEditorController::*field)() const;
        const char* typed;
        bool saved;
        double stored;
    };
    const Case cases[] = {
        {Form::Bill, &BWBillEditorController::amountDueField, "lots", false, 0},
        {Form::Bill, &BWBillEditorController::balanceField, "12x", false, 0},
        {Form::Bill, &BWBillEditorController::amountDueField, "", true, 0},
        {Form::Bill, &BWBillEditorController::balanceField, "$40.10", true, 40.10},
        {Form::Income, &BWBillEditorController::incomeAmountField, "a lot", false, 0},
        {Form::Income, &BWBillEditorController::incomeAmountField, "1,200", true, 1200},
    };
    for (const Case& each : cases) {
        SCOPED_TRACE(each.typed);
        alerts.clear();
        QSignalSpy saved(editor.get(), &BWBillEditorController::itemSaved);
        const bool bill = each.form == Form::Bill;
        if (bill) {
            editor->createNewBill(&anchor);
            typeName(QStringLiteral("Phone"));
        } else {
            editor->createNewIncome(&anchor);
            editor->incomeNameField()->setText(QStringLiteral("Wages"));
        }
        BGHUDTextField* field = (editor.get()->*each.field)();
        field->setText(QString::fromUtf8(each.typed));
        const QString billID = bill ? editor->billIDField()->text() : editor->incomeIDField()->text();

        EXPECT_EQ(bill ? editor->saveBill() : editor->saveIncome(), each.saved);
        EXPECT_EQ(saved.count(), each.saved ? 1 : 0);
        EXPECT_EQ(editor->isShown(), !each.saved);
        if (each.saved) {
            const QVariantMap file = storedFile(billID);
            const QString key = field == editor->balanceField() ? BillKeys::Balance : BillKeys::Amount;
            EXPECT_DOUBLE_EQ(file.value(key).toDouble(), each.stored);
            EXPECT_TRUE(alerts.isEmpty());
        } else {
            EXPECT_EQ(alerts, QStringList{QStringLiteral("Enter an Amount")});
            EXPECT_EQ(field->text(), QString::fromUtf8(each.typed));
            editor->cancelBill();
        }
    }
}

// What the form has no field for stays: the payments removed elsewhere (so
// that a copy still holding one cannot bring it back), the stamps of sync,
// and keys a newer version wrote.
TEST_F(BillEditorTest, EditingKeepsEveryStoredKeyTheFormDoesNotShow)
{
    const QVariantMap kept{{BillKeys::RemovedPayments, QStringList{QStringLiteral("1709640000 5 old")}},
                           {BillKeys::RemovedPaymentIDs,
                            QVariantMap{{BWUIDMaker::makeUID(),
                                         QStringLiteral("001709640000000-00000000-3BB818C6DA0946A8934E6D8AC8C11419")}}},
                           {QStringLiteral("KeyOfANewerVersion"), QStringLiteral("kept")}};
    const QString billID = store(bill(QStringLiteral("Storage"), inDays(10), kept));
    edit(billID);
    editor->billNameField()->setText(QStringLiteral("Storage Unit"));
    ASSERT_TRUE(editor->saveBill());
    const QVariantMap file = storedFile(billID);
    EXPECT_EQ(file.value(BillKeys::Name).toString(), QStringLiteral("Storage Unit"));
    for (auto it = kept.cbegin(); it != kept.cend(); ++it)
        EXPECT_EQ(QJsonValue::fromVariant(file.value(it.key())), QJsonValue::fromVariant(it.value()))
            << it.key().toStdString();
}

namespace {

// Some platforms activate every window that is shown, the date field's
// calendar bubble too; the form is made active again, as a window system
// that honours showing without activation leaves it, and the focus stays
// on `field`.
void focusStaysOn(QWidget* field, QWidget* window)
{
    ASSERT_TRUE(QTest::qWaitFor([&] {
        if (!window->isActiveWindow())
            window->activateWindow();
        return window->isActiveWindow() && field->hasFocus();
    }));
}

}  // namespace

// A date is typed as people write it: Tab from the name chooses the whole
// date, and what is typed over it is the date saved (a month and day the
// such day nearest to today). Text that names no date is refused with a
// message and saved as no other date: nothing is written, and the text
// stays to be mended.
TEST_F(BillEditorTest, ADateTypedIntoTheDateFieldIsTheDateSavedOrRefused)
{
    enum class Form { Bill, Income };
    struct Case
    {
        Form form;
        const char* typed;
        QDate saved;  // none: refused
    };
    const Case cases[] = {
        {Form::Bill, "31", QDate(2024, 3, 31)},      {Form::Bill, "4/15", QDate(2024, 4, 15)},
        {Form::Bill, "Dec 31", QDate(2023, 12, 31)}, {Form::Bill, "1/5/25", QDate(2025, 1, 5)},
        {Form::Income, "20", QDate(2024, 3, 20)},    {Form::Income, "Apr 1", QDate(2024, 4, 1)},
        {Form::Bill, "Feb 30", QDate()},             {Form::Income, "Feb 30", QDate()},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        alerts.clear();
        const bool bill = c.form == Form::Bill;
        bill ? editor->createNewBill(&anchor) : editor->createNewIncome(&anchor);
        QWidget* popover = editor->editorPopover();
        popover->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(popover));
        QLineEdit* name = bill ? editor->billNameField() : editor->incomeNameField();
        name->setText(QStringLiteral("Water"));
        name->setFocus(Qt::OtherFocusReason);
        focusStaysOn(name, popover);
        QTest::keyClick(name, Qt::Key_Tab);
        QWidget* date = bill ? editor->dueDateField() : editor->incomeDateField();
        focusStaysOn(date, popover);
        QTest::keyClicks(date, QString::fromLatin1(c.typed));
        const QString billID = (bill ? editor->billIDField() : editor->incomeIDField())->text();
        QTest::mouseClick(bill ? editor->saveButton() : editor->saveIncomeButton(), Qt::LeftButton);
        if (c.saved.isValid()) {
            EXPECT_TRUE(alerts.isEmpty());
            EXPECT_EQ(storedFile(billID).value(BillKeys::DueDate).toDateTime().toLocalTime().date(), c.saved);
        } else {
            EXPECT_EQ(alerts, QStringList{QStringLiteral("Enter a Date")});
            EXPECT_TRUE(storedFile(billID).isEmpty());
            EXPECT_TRUE(editor->isShown());
        }
    }
}

// The editor writes only the fields the user changed, onto the item as it is
// stored at Save, in the bill form and in the income form: what changed
// meanwhile elsewhere stays, and a field changed in both places takes the
// user's value.
TEST_F(BillEditorTest, ASaveWritesOnlyTheChangedFieldsOntoTheBillAsStoredNow)
{
    for (const bool income : {false, true}) {
        SCOPED_TRACE(income ? "income" : "bill");
        const QString billID = store(
            bill(QStringLiteral("Loan"), inDays(10), {{BillKeys::Balance, 1000.004}, {BillKeys::IsIncome, income}}));
        const QVariantMap arrived{{BillKeys::Balance, 900.0},
                                  {BillKeys::Notes, QStringLiteral("from the phone")},
                                  {BillKeys::Name, QStringLiteral("Car loan")}};
        edit(billID);
        ASSERT_TRUE(BWBill(env).saveSpecificKeys(arrived.keys(), arrived.values(), billID));
        ASSERT_TRUE(BWBill(env).saveSpecificKey(BillKeys::DueDate, inDays(40), billID));
        (income ? editor->incomeNameField() : editor->billNameField())->setText(QStringLiteral("Car Loan (bank)"));
        (income ? editor->incomeAmountField() : editor->amountDueField())->setText(QStringLiteral("75"));
        ASSERT_TRUE(income ? editor->saveIncome() : editor->saveBill());
        const QVariantMap file = storedFile(billID);
        EXPECT_EQ(file.value(BillKeys::Balance).toDouble(), 900.0);
        EXPECT_EQ(file.value(BillKeys::Notes).toString(), QStringLiteral("from the phone"));
        EXPECT_EQ(file.value(BillKeys::DueDate).toDateTime(), inDays(40));
        EXPECT_EQ(file.value(BillKeys::Name).toString(), QStringLiteral("Car Loan (bank)"));
        EXPECT_EQ(file.value(BillKeys::Amount).toDouble(), 75.0);

        // Opened and saved unchanged, nothing is written: the balance keeps the
        // value the store holds, not the one shown to the cent.
        ASSERT_TRUE(BWBill(env).saveSpecificKey(BillKeys::Balance, 1000.004, billID));
        const QVariantMap before = storedFile(billID);
        edit(billID);
        ASSERT_TRUE(income ? editor->saveIncome() : editor->saveBill());
        EXPECT_EQ(storedFile(billID), before);
    }
}

// Bills as the fourth version's import stored them, with that version's
// icons and payment methods: the editor's Save of one left as it opened
// writes nothing, and a rename changes the name alone.
TEST_F(BillEditorTest, AnImportedBillKeepsWhatTheUserLeftAlone)
{
    const QDir fixture(QStringLiteral(ORVANE_SOURCE_DIR "/tests/fixtures/fourth-version-import"));
    QDir().mkpath(env.defaultDataFolder);
    for (const QString& name : fixture.entryList(QDir::Files))
        ASSERT_TRUE(QFile::copy(fixture.filePath(name), QDir(env.defaultDataFolder).filePath(name)));
    for (const QString& file : fixture.entryList({QStringLiteral("????????????????????????????????.plist")})) {
        const QString billID = file.chopped(6);
        SCOPED_TRACE(billID.toStdString());
        const QVariantMap before = storedFile(billID);
        edit(billID);
        ASSERT_TRUE(editor->saveBill());
        EXPECT_EQ(storedFile(billID), before) << "a save that changes nothing writes nothing";

        edit(billID);
        typeName(QStringLiteral(" 2"));
        ASSERT_TRUE(editor->saveBill());
        QVariantMap after = storedFile(billID);
        EXPECT_EQ(after.value(BillKeys::Name), before.value(BillKeys::Name).toString() + QStringLiteral(" 2"));
        for (const QString& key : {BillKeys::Icon, BillKeys::PayType, BillKeys::Balance, BillKeys::DueDate,
                                   BillKeys::Amount, BillKeys::Tags, BillKeys::TotalPaid})
            EXPECT_EQ(after.value(key), before.value(key)) << key.toStdString();
    }
}
