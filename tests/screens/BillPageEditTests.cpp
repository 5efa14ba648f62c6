#include "BillPageTestFixture.h"

#include <QFile>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <functional>

#include <algorithm>

#include "platform/PropertyList.h"
#include "screens/BWBillEditorController.h"
#include "store/BWBill.h"
#include "store/BWDefaultsKeys.h"
#include "store/BWPaymentLogger.h"
#include "store/RepeatUnit.h"
#include "widgets/BGHUDTextField.h"
#include "widgets/KNPopUpDatePicker.h"
#include "support/ShownText.h"

namespace {

QList<double> amounts(const QVariantList& payments)
{
    QList<double> result;
    for (const QVariant& entry : payments)
        result.append(entry.toMap().value(PaymentKeys::Amount).toDouble());
    return result;
}

}  // namespace

class BillPageEditTest : public BillPageTest
{
protected:
    // Rent of 50.00, due in 3 days, with three payments logged through the
    // store a month apart (50, 60 and 70, the newest last).
    QString rentWithPayments()
    {
        const QString billID = storeBill(QStringLiteral("Rent"), -87);
        const BWPaymentLogger logger(env);
        for (const double amount : {50.0, 60.0, 70.0}) {
            const QVariantMap bill = *BWBillsLoader(env).loadBillWithID(billID);
            BWPayment paid{amount, bill.value(BillKeys::AbsoluteDueDate).toDateTime(), QString(), QString()};
            EXPECT_TRUE(logger.recordPayment(paid, bill));
        }
        return billID;
    }
};

TEST_F(BillPageEditTest, SkippingMovesTheDueDateOnAndRecordsNothing)
{
    const QString billID = storeBill(QStringLiteral("Rent"), 2);
    show(billID);
    const QVariantMap before = storedFile(billID);
    QSignalSpy changes(page.get(), &BWBillDetailViewController::billChanged);
    page->showSkipPaymentPopover(nullptr);
    // The question names the bill it skips.
    const QList<QLabel*> texts = page->skipPaymentPopover()->findChildren<QLabel*>();
    EXPECT_TRUE(
        std::any_of(texts.begin(), texts.end(), [](const QLabel* text) { return text->text().endsWith(u"\nRent"); }));
    ASSERT_TRUE(page->skipPayment());
    const QVariantMap after = storedFile(billID);
    EXPECT_EQ(after.value(BillKeys::DueDate).toDateTime(),
              before.value(BillKeys::DueDate).toDateTime().toLocalTime().addMonths(1).toUTC());
    for (const QString& key : {BillKeys::LastPayment, BillKeys::TotalPaid, BillKeys::PaymentList})
        EXPECT_EQ(after.value(key), before.value(key)) << key.toStdString();
    EXPECT_EQ(changes.size(), 1);
    EXPECT_TRUE(page->skipPaymentPopover()->isHidden());
}

TEST_F(BillPageEditTest, EditingAPaymentKeepsLastPaymentAndTotalsOnTheNewestPayment)
{
    const QString billID = rentWithPayments();
    show(billID);
    const QDateTime oldest = page->dataSource().at(2).toMap().value(PaymentKeys::Date).toDateTime();

    // The newest payment goes back before the oldest one: the one before it
    // becomes the newest, and LastPayment follows it.
    page->editClickedPayment(0);
    page->revDatePaid()->setDateValue(oldest.toLocalTime().date().addDays(-10));
    page->revAmtPaid()->setText(QStringLiteral("$75.50"));
    ASSERT_TRUE(page->saveClickedPayment());
    const QVariantMap stored = storedFile(billID);
    const QVariantList payments = stored.value(BillKeys::PaymentList).toList();
    EXPECT_EQ(stored.value(BillKeys::TotalPaid).toDouble(), 50.0 + 60.0 + 75.5);
    EXPECT_EQ(stored.value(BillKeys::LastPayment).toDateTime(), page->dataSource().at(1).toMap().value(PaymentKeys::Date));
    EXPECT_EQ(payments.size(), 3);
    EXPECT_TRUE(page->paymentEditorPopover()->isHidden());
}

// An edited amount takes its share off the balance instead of the old one's,
// and undoing the payment afterwards gives back exactly what it took.
TEST_F(BillPageEditTest, EditingAPaymentsAmountMovesTheBalance)
{
    struct Case {
        const char* what;
        double balance, interest, escrow;
        bool olderEntry;   // logged without saying what it took off the balance
        double paid;
        QString editedAmount;
        double balanceAfterEdit;
    };
    const QList<Case> cases{
        {"plain balance", 2550.0, 0.0, 0.0, false, 200.0, QStringLiteral("250"), 2300.0},
        {"interest and escrow", 1000.0, 0.25, 20.0, false, 100.0, QStringLiteral("120"), 925.0},
        {"a lower amount", 2550.0, 0.0, 0.0, false, 200.0, QStringLiteral("150"), 2400.0},
        {"no balance kept", 0.0, 0.0, 0.0, false, 200.0, QStringLiteral("250"), 0.0},
        {"an entry from older data", 500.0, 0.0, 0.0, true, 50.0, QStringLiteral("70"), 430.0},
        {"the same amount", 2550.0, 0.0, 0.0, false, 200.0, QStringLiteral("200"), 2350.0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const QString billID = storeBill(QStringLiteral("Loan"), 3,
                                         {{BillKeys::Balance, c.balance},
                                          {BillKeys::Interest, c.interest},
                                          {BillKeys::Rev, c.escrow}});
        const QVariantMap bill = *BWBillsLoader(env).loadBillWithID(billID);
        ASSERT_TRUE(BWPaymentLogger(env).recordPayment(
            {c.paid, bill.value(BillKeys::AbsoluteDueDate).toDateTime(), QString(), QString()}, bill));
        if (c.olderEntry) {
            QVariantMap stored = storedFile(billID);
            QVariantMap entry = stored.value(BillKeys::PaymentList).toList().first().toMap();
            entry.remove(PaymentKeys::BalanceReduction);
            stored.insert(BillKeys::PaymentList, QVariantList{entry});
            ASSERT_TRUE(PropertyList::write(QDir(env.defaultDataFolder).filePath(billID + ".plist"), stored));
        }
        show(billID);
        page->editClickedPayment(0);
        page->revAmtPaid()->setText(c.editedAmount);
        ASSERT_TRUE(page->saveClickedPayment());
        EXPECT_DOUBLE_EQ(storedFile(billID).value(BillKeys::Balance).toDouble(), c.balanceAfterEdit);

        show(billID);
        page->editClickedPayment(0);
        ASSERT_TRUE(page->deleteClickedPayment());
        EXPECT_DOUBLE_EQ(storedFile(billID).value(BillKeys::Balance).toDouble(), c.balance);
    }
}

TEST_F(BillPageEditTest, RemovingPaymentsFollowsTheNewestRemainingPayment)
{
    const QString billID = rentWithPayments();
    show(billID);
    const QDateTime due = storedFile(billID).value(BillKeys::DueDate).toDateTime();

    // An older payment: the totals change, the due date does not.
    page->editClickedPayment(1);
    ASSERT_TRUE(page->deleteClickedPayment());
    QVariantMap stored = storedFile(billID);
    EXPECT_EQ(amounts(stored.value(BillKeys::PaymentList).toList()), (QList<double>{70.0, 50.0}));
    EXPECT_EQ(stored.value(BillKeys::TotalPaid).toDouble(), 120.0);
    EXPECT_EQ(stored.value(BillKeys::DueDate).toDateTime(), due);

    // The newest: undone with its due-date step.
    show(billID);
    page->editClickedPayment(0);
    ASSERT_TRUE(page->deleteClickedPayment());
    stored = storedFile(billID);
    EXPECT_EQ(amounts(stored.value(BillKeys::PaymentList).toList()), QList<double>{50.0});
    EXPECT_EQ(stored.value(BillKeys::DueDate).toDateTime(), due.toLocalTime().addMonths(-1).toUTC());

    // The only one left: nothing paid any more.
    show(billID);
    page->editClickedPayment(0);
    ASSERT_TRUE(page->deleteClickedPayment());
    stored = storedFile(billID);
    EXPECT_TRUE(stored.value(BillKeys::PaymentList).toList().isEmpty());
    EXPECT_EQ(stored.value(BillKeys::TotalPaid).toDouble(), 0.0);
    EXPECT_EQ(stored.value(BillKeys::LastPayment).toDateTime(), PropertyList::distantPast());
    EXPECT_EQ(stored.value(BillKeys::DueDate).toDateTime(), due.toLocalTime().addMonths(-2).toUTC());
}

// Whichever payment goes, newest or older, Balance is the opening balance
// less what the payments still listed took off.
TEST_F(BillPageEditTest, ARemovedPaymentGivesItsShareOfTheBalanceBackWhereverItIsListed)
{
    const double opening = 1000.0;
    for (const qsizetype removed : {0, 1, 2}) {
        SCOPED_TRACE(removed);
        const QString billID
            = storeBill(QStringLiteral("Loan"), -87,
                        {{BillKeys::Balance, opening}, {BillKeys::Interest, 0.25}, {BillKeys::Rev, 20.0}});
        for (const double amount : {100.0, 120.0, 140.0}) {
            const QVariantMap bill = *BWBillsLoader(env).loadBillWithID(billID);
            ASSERT_TRUE(BWPaymentLogger(env).recordPayment(
                {amount, bill.value(BillKeys::AbsoluteDueDate).toDateTime(), QString(), QString()}, bill));
        }
        show(billID);
        QVariantList remaining = page->dataSource();
        ASSERT_EQ(remaining.size(), 3);
        remaining.removeAt(removed);
        double expected = opening;
        for (const QVariant& entry : std::as_const(remaining))
            expected -= entry.toMap().value(PaymentKeys::BalanceReduction).toDouble();

        page->editClickedPayment(int(removed));
        ASSERT_TRUE(page->deleteClickedPayment());
        const QVariantMap stored = storedFile(billID);
        EXPECT_EQ(stored.value(BillKeys::PaymentList).toList().size(), 2);
        EXPECT_DOUBLE_EQ(stored.value(BillKeys::Balance).toDouble(), expected);
        EXPECT_LT(expected, opening);
    }
}

TEST_F(BillPageEditTest, AListThatChangedSinceItWasShownIsRefused)
{
    const QString billID = rentWithPayments();
    // Another payment arrives (logged elsewhere) while the page shows the list.
    const auto logElsewhere = [&] {
        const QVariantMap bill = *BWBillsLoader(env).loadBillWithID(billID);
        ASSERT_TRUE(BWPaymentLogger(env).recordPayment({99.0, clock.now(), QString(), QString()}, bill));
    };
    show(billID);
    logElsewhere();
    QVariantMap before = storedFile(billID);
    page->editClickedPayment(1);
    EXPECT_FALSE(page->deleteClickedPayment());
    EXPECT_EQ(storedFile(billID), before);
    // The page shows the list as it is now.
    EXPECT_EQ(page->dataSource().size(), 4);

    EXPECT_EQ(warnings.size(), 1);
}

// The payment editor writes only what the user changed, onto the payment as
// it is stored at Save: a payment logged meanwhile, and an edit of the same
// payment made elsewhere, stay; a field changed in both takes the user's value.
TEST_F(BillPageEditTest, ThePaymentEditorWritesOnlyWhatTheUserChanged)
{
    struct Case
    {
        const char* what;
        std::function<void()> type;
        double amount;
        QString note;
    };
    const QList<Case> cases{
        {"nothing", [] {}, 77.0, QString()},
        {"the note", [this] { page->revNotePaid()->setText(QStringLiteral("at the counter")); }, 77.0,
         QStringLiteral("at the counter")},
        {"the amount", [this] { page->revAmtPaid()->setText(QStringLiteral("80")); }, 80.0, QString()},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const QString billID = rentWithPayments();
        show(billID);
        page->editClickedPayment(0);
        const QString paymentID = page->dataSource().at(0).toMap().value(PaymentKeys::PaymentID).toString();
        // Elsewhere, meanwhile: the payment's amount is edited and another is logged.
        const BWPaymentLogger logger(env);
        QVariantMap bill = *BWBillsLoader(env).loadBillWithID(billID);
        const QVariantList payments = BWPaymentLogger::paymentsNewestFirst(bill.value(BillKeys::PaymentList).toList());
        ASSERT_TRUE(logger.saveEditedPayment(payments, 0, {{PaymentKeys::Amount, 77.0}}, billID));
        bill = *BWBillsLoader(env).loadBillWithID(billID);
        ASSERT_TRUE(logger.recordPayment({99.0, clock.now(), QString(), QString()}, bill));
        const QVariantMap before = storedFile(billID);

        c.type();
        ASSERT_TRUE(page->saveClickedPayment());
        const QVariantList stored = storedFile(billID).value(BillKeys::PaymentList).toList();
        ASSERT_EQ(stored.size(), 4);
        for (const QVariant& entry : stored) {
            const QVariantMap payment = entry.toMap();
            if (payment.value(PaymentKeys::PaymentID).toString() == paymentID) {
                EXPECT_EQ(payment.value(PaymentKeys::Amount).toDouble(), c.amount);
                EXPECT_EQ(payment.value(PaymentKeys::Note).toString(), c.note);
            }
        }
        if (c.note.isEmpty() && c.amount == 77.0) {
            EXPECT_EQ(storedFile(billID), before);
        }
    }
    EXPECT_TRUE(warnings.isEmpty());
}

TEST_F(BillPageEditTest, ReceiptsAreCopiedOnceAndAFailedCopyKeepsTheOldOne)
{
    const QString billID = rentWithPayments();
    show(billID);
    const QString chosen = temp.file(QStringLiteral("scan.pdf"));
    QFile file(chosen);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("receipt");
    file.close();
    const int filesBefore = int(dataFolderFiles().size());

    chosenReceipt = chosen;
    page->editClickedPayment(0);
    // It opens on the amount, its date's calendar closed.
    EXPECT_EQ(page->paymentEditorPopover()->focusWidget(), page->revAmtPaid());
    EXPECT_FALSE(page->removeReceiptButton()->isEnabled());
    page->attachReceipt();
    EXPECT_TRUE(page->removeReceiptButton()->isEnabled());
    ASSERT_TRUE(page->saveClickedPayment());
    const QString copy = storedFile(billID).value(BillKeys::PaymentList).toList().first().toMap()
                             .value(PaymentKeys::Receipt).toString();
    EXPECT_TRUE(QFile::exists(copy));
    EXPECT_EQ(dataFolderFiles().size(), filesBefore + 1);

    // Saving the payment again, its receipt untouched, makes no second copy.
    show(billID);
    page->editClickedPayment(0);
    page->revNotePaid()->setText(QStringLiteral("paid at the counter"));
    ASSERT_TRUE(page->saveClickedPayment());
    EXPECT_EQ(dataFolderFiles().size(), filesBefore + 1);

    // A file that can't be copied: the payment keeps its receipt, the user hears why.
    show(billID);
    chosenReceipt = temp.file(QStringLiteral("gone.pdf"));
    page->editClickedPayment(0);
    page->attachReceipt();
    ASSERT_TRUE(page->saveClickedPayment());
    EXPECT_EQ(storedFile(billID).value(BillKeys::PaymentList).toList().first().toMap().value(PaymentKeys::Receipt),
              copy);
    EXPECT_EQ(warnings.size(), 1);

    // Removing the receipt removes its copy too; then there is none left to remove.
    show(billID);
    page->editClickedPayment(0);
    EXPECT_TRUE(page->removeReceiptButton()->isEnabled());
    page->removeReceipt();
    EXPECT_FALSE(page->removeReceiptButton()->isEnabled());
    ASSERT_TRUE(page->saveClickedPayment());
    EXPECT_TRUE(storedFile(billID).value(BillKeys::PaymentList).toList().first().toMap()
                    .value(PaymentKeys::Receipt).toString().isEmpty());
    EXPECT_FALSE(QFile::exists(copy));

    // The page opens only receipts in the data folder.
    EXPECT_TRUE(openedFiles.isEmpty());
}

// A receipt's file name is shown as it is: on the payment editor's button
// its "&" is no shortcut mark, and in the payments' tool tips no markup.
TEST_F(BillPageEditTest, AReceiptsFileNameIsShownAsItIs)
{
    const QString billID = rentWithPayments();
    show(billID);
    chosenReceipt = temp.file(QStringLiteral("bill & stub.pdf"));
    QFile file(chosenReceipt);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    page->editClickedPayment(0);
    page->attachReceipt();
    EXPECT_EQ(shown::title(page->revReceipt()->text()), QStringLiteral("bill & stub.pdf"));
    EXPECT_TRUE(shown::marksNoShortcut(page->revReceipt()->text()));

    // A receipt path that came by sync, named like markup.
    QVariantMap record = storedFile(billID);
    QVariantList payments = record.value(BillKeys::PaymentList).toList();
    QVariantMap newest = payments.last().toMap();
    newest.insert(PaymentKeys::Receipt, QDir(env.defaultDataFolder).filePath(QStringLiteral("<b>Rent & co.pdf")));
    payments.last() = newest;
    ASSERT_TRUE(BWBill(env).saveSpecificKey(BillKeys::PaymentList, payments, billID));
    show(billID);
    const QAbstractItemModel* rows = page->paymentTable()->model();
    EXPECT_EQ(shown::toolTip(rows->index(0, 3).data(Qt::ToolTipRole).toString()),
              QStringLiteral("<b>Rent & co.pdf"));
}

TEST_F(BillPageEditTest, QuickEditsChangeOnlyTheirKey)
{
    // Due on a Sunday, shown on the Friday before.
    defaults.setInteger(BWDefaultsKeys::BWAvoidWeekends, 1);
    const QDateTime sunday = QDateTime(QDate(2016, 3, 13), QTime(9, 0)).toUTC();
    const QString billID = store(bill(QStringLiteral("Rent"), sunday));
    show(billID);
    const QVariantMap before = storedFile(billID);

    // The date left as shown keeps the stored Sunday.
    page->quickEdit(0, nullptr);
    page->revisedStickyAmount()->setText(QStringLiteral("99"));
    ASSERT_TRUE(page->saveQuickEdits());
    EXPECT_EQ(storedFile(billID).value(BillKeys::DueDate).toDateTime(), sunday);
    EXPECT_EQ(storedFile(billID).value(BillKeys::Amount), before.value(BillKeys::Amount));

    page->quickEdit(1, nullptr);
    page->revisedStickyAmount()->setText(QStringLiteral("$62.25"));
    ASSERT_TRUE(page->saveQuickEdits());
    EXPECT_EQ(storedFile(billID).value(BillKeys::Amount).toDouble(), 62.25);
    EXPECT_EQ(storedFile(billID).value(BillKeys::DueDate).toDateTime(), sunday);

    page->quickEdit(0, nullptr);
    page->revisedStickyDate()->setDateValue(QDate(2016, 3, 20));
    ASSERT_TRUE(page->saveQuickEdits());
    EXPECT_EQ(storedFile(billID).value(BillKeys::DueDate).toDateTime().toLocalTime().date(), QDate(2016, 3, 20));
    EXPECT_EQ(storedFile(billID).value(BillKeys::Amount).toDouble(), 62.25);

    // An amount that isn't one is refused.
    page->quickEdit(1, nullptr);
    page->revisedStickyAmount()->setText(QStringLiteral("lots"));
    EXPECT_FALSE(page->saveQuickEdits());
    EXPECT_EQ(warnings.size(), 1);
}

// Notes typed in place are stored before the page shows another record,
// whatever loads it: the next bill, or the same bill read again (a sync, a
// reload). Notes that nobody typed never overwrite what the store holds.
TEST_F(BillPageEditTest, NotesTypedInPlaceSurviveAReloadOfThePage)
{
    const QString rent = storeBill(QStringLiteral("Rent"), 3, {{BillKeys::Notes, QStringLiteral("Account 1")}});
    const QString water = storeBill(QStringLiteral("Water"), 5);
    struct Case {
        const char* what;
        std::function<void()> reload;
    };
    const QList<Case> cases{
        {"the next bill by id", [&] { page->loadBillWithID(water); }},
        {"the same bill by id", [&] { page->loadBillWithID(rent); }},
        {"a record of the same bill read before the notes were stored",
         [&] { page->loadBillWithDictionary(*BWBillsLoader(env).loadBillWithID(rent)); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        show(rent);
        page->notesViewField()->moveCursor(QTextCursor::End);
        QTest::keyClicks(page->notesViewField(), QStringLiteral(", gate 4"));
        const QString typed = page->notesViewField()->toPlainText();
        c.reload();
        EXPECT_EQ(storedFile(rent).value(BillKeys::Notes).toString(), typed);
        if (page->currentBillID() == rent) {
            EXPECT_EQ(page->notesViewField()->toPlainText(), typed);
        }
        ASSERT_TRUE(BWBill(env).saveSpecificKey(BillKeys::Notes, QStringLiteral("Account 1"), rent));
    }

    // Changed elsewhere while the page shows the bill: the page's untouched
    // text is not written back over it.
    show(rent);
    ASSERT_TRUE(BWBill(env).saveSpecificKey(BillKeys::Notes, QStringLiteral("from the phone"), rent));
    page->loadBillWithID(rent);
    EXPECT_EQ(storedFile(rent).value(BillKeys::Notes).toString(), QStringLiteral("from the phone"));
    EXPECT_EQ(page->notesViewField()->toPlainText(), QStringLiteral("from the phone"));
}

TEST_F(BillPageEditTest, NotesAndBalanceAreSaved)
{
    const QString billID = storeBill(QStringLiteral("Mortgage"), 3);
    show(billID);
    page->quickEditNotes();
    page->notesEditField()->setPlainText(QStringLiteral("Account 1234 <b>not bold</b>"));
    ASSERT_TRUE(page->saveQuickEditNotes());
    EXPECT_EQ(storedFile(billID).value(BillKeys::Notes).toString(), QStringLiteral("Account 1234 <b>not bold</b>"));

    page->notesViewField()->setPlainText(QStringLiteral("typed in place"));
    ASSERT_TRUE(page->saveNotesInPlace());
    EXPECT_EQ(storedFile(billID).value(BillKeys::Notes).toString(), QStringLiteral("typed in place"));

    page->editBalance(nullptr);
    page->balanceEditField()->setText(QStringLiteral("$120,000.00"));
    EXPECT_EQ(page->interestRateField()->text(), QStringLiteral("0"));
    page->interestRateField()->setText(QStringLiteral("3.5"));
    page->escrowEditField()->setText(QStringLiteral("250"));
    ASSERT_TRUE(page->saveBalanceChanges());
    const QVariantMap stored = storedFile(billID);
    EXPECT_EQ(stored.value(BillKeys::Balance).toDouble(), 120000.0);
    EXPECT_EQ(stored.value(BillKeys::Interest).toDouble(), 0.035);
    EXPECT_EQ(stored.value(BillKeys::Rev).toDouble(), 250.0);
}

// "Delete Payment" in the payment editor asks first; only "Delete Payment"
// removes the payment, and the question names it.
TEST_F(BillPageEditTest, DeletingAPaymentAsksFirst)
{
    struct Case
    {
        int answer;
        int paymentsLeft;
    };
    const Case cases[] = {{-1, 3}, {0, 3}, {1, 2}};
    for (const Case& each : cases) {
        SCOPED_TRACE(each.answer);
        const QString billID = rentWithPayments();
        show(billID);
        QStringList asked;
        page->desktop().ask
            = [&](QWidget*, const QString& message, const QString& details, const QStringList& buttons) {
                  asked << message << details << buttons;
                  return each.answer;
              };
        page->editClickedPayment(1);
        QPushButton* remove = nullptr;
        for (QPushButton* button : page->paymentEditorPopover()->findChildren<QPushButton*>()) {
            if (button->text() == QStringLiteral("Delete Payment"))
                remove = button;
        }
        ASSERT_NE(remove, nullptr);
        QTest::mouseClick(remove, Qt::LeftButton);

        ASSERT_EQ(asked.size(), 4);
        EXPECT_EQ(asked.at(0), QStringLiteral("Delete This Payment?"));
        EXPECT_TRUE(asked.at(1).contains(QStringLiteral("$60.00"))) << asked.at(1).toStdString();
        EXPECT_EQ(asked.mid(2), (QStringList{"Cancel", "Delete Payment"}));
        EXPECT_EQ(storedFile(billID).value(BillKeys::PaymentList).toList().size(), each.paymentsLeft);
    }
}

// Deleting the newest payment undoes it; the question says whether that
// moves the due date back, which only a full payment had moved on.
TEST_F(BillPageEditTest, DeletingTheNewestPaymentSaysWhatHappensToTheDueDate)
{
    struct Case
    {
        const char* kind;
        bool full;
        const char* saysAboutDueDate;
    };
    const Case cases[] = {
        {"full", true, "The due date moves back to where it was before this payment."},
        {"partial", false, "The due date stays as it is: this partial payment did not move it."},
    };
    for (const Case& each : cases) {
        SCOPED_TRACE(each.kind);
        const QString billID = rentWithPayments();
        const QDateTime dueBefore = storedFile(billID).value(BillKeys::DueDate).toDateTime();
        const QVariantMap bill = *BWBillsLoader(env).loadBillWithID(billID);
        ASSERT_TRUE(BWPaymentLogger(env).recordPayment(
            {20.0, bill.value(BillKeys::AbsoluteDueDate).toDateTime(), QString(), QString()}, bill, each.full));
        show(billID);
        QString details;
        page->desktop().ask = [&details](QWidget*, const QString&, const QString& text, const QStringList&) {
            details = text;
            return 1;
        };
        page->editClickedPayment(0);
        ASSERT_TRUE(page->askToDeleteClickedPayment());

        EXPECT_TRUE(details.endsWith(QLatin1String(each.saysAboutDueDate))) << details.toStdString();
        EXPECT_EQ(storedFile(billID).value(BillKeys::DueDate).toDateTime(), dueBefore);
    }
}

// The amount on the sticky note opens the amount editor, as "Change Amount" does.
TEST_F(BillPageEditTest, ClickingTheAmountOpensTheAmountEditor)
{
    const QString billID = store(bill(QStringLiteral("Rent"), inDays(3), {{BillKeys::Amount, 62.25}}));
    show(billID);
    page->revisionTabView()->setCurrentIndex(BWBillDetailViewController::DueDateTab);
    QTest::mouseClick(page->amountDueField(), Qt::LeftButton);
    EXPECT_TRUE(page->stickyEditorPopover()->isVisible());
    EXPECT_EQ(page->revisionTabView()->currentIndex(), BWBillDetailViewController::AmountTab);
    EXPECT_EQ(page->revisedStickyAmount()->text(), QStringLiteral("$62.25"));
}

// Escape closes each of the page's popovers as their Cancel does, storing
// nothing.
TEST_F(BillPageEditTest, EscapeClosesEachPopoverWithoutStoring)
{
    const QString billID = rentWithPayments();
    show(billID);
    const QVariantMap before = storedFile(billID);
    const std::pair<const char*, std::function<QWidget*()>> popovers[] = {
        {"skip", [this] { page->showSkipPaymentPopover(nullptr); return page->skipPaymentPopover(); }},
        {"payment", [this] { page->editClickedPayment(0); return page->paymentEditorPopover(); }},
        {"amount", [this] {
             QTest::mouseClick(page->amountDueField(), Qt::LeftButton);
             return page->stickyEditorPopover();
         }},
        {"notes", [this] { page->quickEditNotes(); return page->notesEditorPopover(); }},
        {"balance", [this] { page->editBalance(nullptr); return page->balancePopover(); }},
    };
    for (const auto& [name, open] : popovers) {
        SCOPED_TRACE(name);
        QWidget* popover = open();
        ASSERT_TRUE(popover->isVisible());
        QTest::keyClick(popover->focusWidget() ? popover->focusWidget() : popover, Qt::Key_Escape);
        EXPECT_TRUE(popover->isHidden());
    }
    EXPECT_EQ(storedFile(billID), before);
}

// The rate is shown and typed as a percent, and stored as the fraction of
// each payment that is interest; what no rate can be is refused.
TEST_F(BillPageEditTest, TheInterestRateIsTypedAsAPercentAndStoredAsAFraction)
{
    const QString billID = storeBill(QStringLiteral("Loan"), 3);
    ASSERT_TRUE(BWBill(env).saveSpecificKeys({BillKeys::Balance, BillKeys::Interest}, {1000.0, 0.05}, billID));
    show(billID);
    page->editBalance(nullptr);
    EXPECT_EQ(page->interestRateField()->text(), QStringLiteral("5"));
    const struct
    {
        const char* typed;
        double stored;  // negative: refused
    } cases[] = {
        {"7.5", 0.075}, {"5%", 0.05}, {"0", 0.0}, {"100", 1.0}, {"-1", -1}, {"101", -1}, {"500", -1}, {"a lot", -1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        warnings.clear();
        page->editBalance(nullptr);
        const QVariant before = storedFile(billID).value(BillKeys::Interest);
        page->interestRateField()->setText(QString::fromLatin1(c.typed));
        EXPECT_EQ(page->saveBalanceChanges(), c.stored >= 0);
        if (c.stored >= 0) {
            EXPECT_DOUBLE_EQ(storedFile(billID).value(BillKeys::Interest).toDouble(), c.stored);
        } else {
            EXPECT_EQ(storedFile(billID).value(BillKeys::Interest), before);
            EXPECT_EQ(warnings.size(), 1);
        }
    }
}

// Each popover edits the bill it opened for: showing another bill, by
// whatever route, closes every one of them first.
TEST_F(BillPageEditTest, ShowingAnotherBillClosesEveryPopover)
{
    const QString rent = rentWithPayments();
    const QString power = storeBill(QStringLiteral("Power"), 5);
    const std::pair<const char*, std::function<QWidget*()>> popovers[] = {
        {"skip",
         [this] {
             page->showSkipPaymentPopover(nullptr);
             return page->skipPaymentPopover();
         }},
        {"payment",
         [this] {
             page->editClickedPayment(0);
             return page->paymentEditorPopover();
         }},
        {"amount",
         [this] {
             page->quickEdit(BWBillDetailViewController::AmountTab, nullptr);
             return page->stickyEditorPopover();
         }},
        {"notes",
         [this] {
             page->quickEditNotes();
             return page->notesEditorPopover();
         }},
        {"balance",
         [this] {
             page->editBalance(nullptr);
             return page->balancePopover();
         }},
    };
    for (const auto& [name, open] : popovers) {
        SCOPED_TRACE(name);
        show(rent);
        QWidget* popover = open();
        ASSERT_TRUE(popover->isVisible());
        show(power);
        EXPECT_TRUE(popover->isHidden());
    }
}

// The balance editor writes only what the user changed, onto the bill as it
// is stored now: a balance left alone keeps every bit the store holds and
// what a payment logged meanwhile took off it.
TEST_F(BillPageEditTest, TheBalanceEditorWritesOnlyWhatTheUserChanged)
{
    const QString billID = storeBill(QStringLiteral("Loan"), 3);
    ASSERT_TRUE(BWBill(env).saveSpecificKeys({BillKeys::Balance, BillKeys::Interest, BillKeys::Rev},
                                             {1000.004, 0.05, 20.0}, billID));
    struct Case
    {
        const char* what;
        std::function<void()> type;
        QStringList changedKeys;
    };
    const QList<Case> cases{
        {"nothing", [] {}, {}},
        {"the same balance typed again", [this] { page->balanceEditField()->setText(QStringLiteral("1000.00")); }, {}},
        {"the interest", [this] { page->interestRateField()->setText(QStringLiteral("6")); }, {BillKeys::Interest}},
        {"the escrow", [this] { page->escrowEditField()->setText(QStringLiteral("25")); }, {BillKeys::Rev}},
        {"the balance", [this] { page->balanceEditField()->setText(QStringLiteral("900")); }, {BillKeys::Balance}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        show(billID);
        page->editBalance(nullptr);
        const QVariantMap before = storedFile(billID);
        c.type();
        ASSERT_TRUE(page->saveBalanceChanges());
        const QVariantMap after = storedFile(billID);
        QStringList changed;
        for (const QString& key : {BillKeys::Balance, BillKeys::Interest, BillKeys::Rev}) {
            if (after.value(key) != before.value(key))
                changed.append(key);
        }
        EXPECT_EQ(changed, c.changedKeys);
        if (c.changedKeys.isEmpty()) {
            EXPECT_EQ(after, before);
        }
    }
}

// What arrives while a popover is open stays when it is saved with another
// field changed.
TEST_F(BillPageEditTest, AChangeThatArrivedWhileAPopoverWasOpenStays)
{
    const QString billID = storeBill(QStringLiteral("Loan"), 3, {{BillKeys::Notes, QStringLiteral("first")}});
    ASSERT_TRUE(BWBill(env).saveSpecificKeys({BillKeys::Balance}, {1000.0}, billID));
    struct Case
    {
        const char* what;
        std::function<void()> open;
        std::function<bool()> changeAndSave;
    };
    const QList<Case> cases{
        {"balance", [this] { page->editBalance(nullptr); },
         [this] {
             page->escrowEditField()->setText(QStringLiteral("7"));
             return page->saveBalanceChanges();
         }},
        {"amount", [this] { page->quickEdit(BWBillDetailViewController::AmountTab, nullptr); },
         [this] { return page->saveQuickEdits(); }},
        {"notes", [this] { page->quickEditNotes(); }, [this] { return page->saveQuickEditNotes(); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        show(billID);
        c.open();
        ASSERT_TRUE(BWBill(env).saveSpecificKeys({BillKeys::Balance, BillKeys::Amount, BillKeys::Notes},
                                                 {880.0, 61.0, QStringLiteral("from the phone")}, billID));
        ASSERT_TRUE(c.changeAndSave());
        const QVariantMap stored = storedFile(billID);
        EXPECT_EQ(stored.value(BillKeys::Balance).toDouble(), 880.0);
        EXPECT_EQ(stored.value(BillKeys::Amount).toDouble(), 61.0);
        EXPECT_EQ(stored.value(BillKeys::Notes).toString(), QStringLiteral("from the phone"));
        ASSERT_TRUE(BWBill(env).saveSpecificKeys({BillKeys::Balance, BillKeys::Amount, BillKeys::Notes},
                                                 {1000.0, 50.0, QStringLiteral("first")}, billID));
    }
}

// A save that would log several automatic payments at once (a due date moved
// months into the past) says how many and from which date, and goes ahead
// only when the user agrees; the editor's save and Change Date on the page
// alike. A save that logs one is not asked about.
TEST_F(BillPageEditTest, ASaveThatWouldLogSeveralAutomaticPaymentsAsksFirst)
{
    defaults.setBool(BWDefaultsKeys::BWShouldAutoLogPayments, true);
    BWBillEditorController editor(env);
    editor.setAlert([](QWidget*, const QString&, const QString&) {});
    QWidget anchor;
    QStringList questions;
    int answer = 0;
    const auto ask = [&](QWidget*, const QString& message, const QString& details, const QStringList&) {
        questions.append(message + u'\n' + details);
        return answer;
    };
    editor.setQuestion(ask);
    page->desktop().ask = ask;
    const std::pair<const char*, std::function<bool(const QString&, const QDate&)>> forms[] = {
        {"editor",
         [&](const QString& billID, const QDate& day) {
             editor.showEditPopoverForBill(billID, &anchor);
             editor.dueDateField()->setDate(day);
             return editor.saveBill();
         }},
        {"Change Date",
         [&](const QString& billID, const QDate& day) {
             show(billID);
             page->quickEdit(BWBillDetailViewController::DueDateTab, nullptr);
             page->revisedStickyDate()->setDateValue(day);
             return page->saveQuickEdits();
         }},
    };
    const QDate today = clock.today();
    const struct
    {
        QDate day;
        int answer;
        int asked;  // 0: not asked, else the payments the question names
    } cases[] = {
        {today.addMonths(-2).addDays(-5), 0, 3},
        {today.addMonths(-2).addDays(-5), 1, 3},
        {today.addDays(-5), 0, 0},
    };
    for (const auto& [form, moveAndSave] : forms) {
        for (const auto& c : cases) {
            SCOPED_TRACE(std::string(form) + " to " + c.day.toString(Qt::ISODate).toStdString());
            const QString billID
                = storeBill(QStringLiteral("Gym"), 3, {{BillKeys::PayType, qlonglong(AutomaticPayType)}});
            questions.clear();
            answer = c.answer;
            const bool saved = c.asked == 0 || c.answer == 1;
            EXPECT_EQ(moveAndSave(billID, c.day), saved);
            ASSERT_EQ(questions.size(), c.asked ? 1 : 0);
            if (c.asked) {
                EXPECT_TRUE(questions.first().contains(QString::number(c.asked)));
                EXPECT_TRUE(questions.first().contains(
                    BWBillsLoader(env).createDueDateString(QDateTime(c.day, QTime(12, 0)))));
            }
            const QDate stored = storedFile(billID).value(BillKeys::DueDate).toDateTime().toLocalTime().date();
            EXPECT_EQ(stored, saved ? c.day : today.addDays(3));
            EXPECT_EQ(page->stickyEditorPopover()->isVisible() || editor.isShown(), !saved);
            editor.closePopover();
            page->closePopovers();
        }
    }
}

// A payment stored without a date opens in the payment editor with none, not
// with the date of the payment edited before, and is not saved until one is
// typed or picked.
TEST_F(BillPageEditTest, APaymentWithoutADateOpensWithNoneAndWaitsForOne)
{
    const QVariantMap undated{{PaymentKeys::Amount, 20.0}, {PaymentKeys::Note, QStringLiteral("cash")}};
    const QString billID = storeBill(QStringLiteral("Water"), 5,
                                     {{BillKeys::PaymentList, QVariantList{payment(30.0, inDays(-20)), undated}}});
    show(billID);
    page->editClickedPayment(0);
    EXPECT_FALSE(page->revDatePaid()->text().isEmpty());
    page->editClickedPayment(1);
    EXPECT_TRUE(page->revDatePaid()->text().isEmpty());
    const QVariantMap before = storedFile(billID);
    EXPECT_FALSE(page->saveClickedPayment());
    EXPECT_EQ(warnings, QStringList{QStringLiteral("Enter a Date")});
    EXPECT_EQ(storedFile(billID), before);

    page->revDatePaid()->setDateValue(clock.today().addDays(-3));
    ASSERT_TRUE(page->saveClickedPayment());
    QList<QDate> days;
    for (const QVariant& entry : storedFile(billID).value(BillKeys::PaymentList).toList())
        days.append(entry.toMap().value(PaymentKeys::Date).toDateTime().toLocalTime().date());
    EXPECT_TRUE(days.contains(clock.today().addDays(-3)));
}
