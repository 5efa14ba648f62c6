#include "support/SyncDevice.h"

#include <QPlainTextEdit>

#include <functional>

#include "screens/BWBillDetailViewController.h"
#include "screens/BWBillEditorController.h"
#include "widgets/BGHUDTextField.h"
#include "widgets/KNPopUpDatePicker.h"

namespace {

const QDateTime Start(QDate(2026, 12, 1), QTime(12, 0), QTimeZone::utc());

// The forms of computer A over its store, while computer B changes the same
// bill and sync carries it over.
class FormsWhileSyncingTest : public TwoSyncDevicesTest
{
protected:
    FormsWhileSyncingTest()
        : TwoSyncDevicesTest(Start, Start)
        , editor(a.env)
        , page(a.env)
    {
        editor.setAlert([this](QWidget*, const QString& title, const QString&) { told.append(title); });
        page.desktop().warn = [this](QWidget*, const QString& message, const QString&) { told.append(message); };
        anchor.resize(80, 24);
        a.engine->turnCloudSyncOn();
        b.engine->turnCloudSyncOn();
        settle();
    }

    BWBillEditorController editor;
    BWBillDetailViewController page;
    QWidget anchor;
    QStringList told;
};

QDate localDay(const QVariant& date)
{
    return date.toDateTime().toLocalTime().date();
}

}  // namespace

// Each form and popover of A is open while a payment, a due date moved and a
// note arrive from B; saved with one other field changed, both computers end
// with B's changes and A's. A field both changed takes A's value, saved last.
TEST_F(FormsWhileSyncingTest, BothComputersKeepWhatEachChanged)
{
    const QDate movedByB = Start.date().addDays(20);
    const QDate movedByA = Start.date().addDays(25);
    struct Case
    {
        const char* form;
        bool income;
        std::function<void(const QString& billID)> open;
        std::function<bool()> changeAndSave;
        std::function<void(const QVariantMap& bill)> expectAsChangedOnA;
        QDate dueDate = {};  // B's move unless A moved it
        QString notes = QStringLiteral("from B");
    };
    const auto nameIs = [](const char* name) {
        return [name](const QVariantMap& bill) { EXPECT_EQ(bill.value(BillKeys::Name).toString(), name); };
    };
    const QList<Case> cases{
        {"bill editor", false, [&](const QString& id) { editor.showEditPopoverForBill(id, &anchor); },
         [&] {
             editor.billNameField()->setText(QStringLiteral("Rent, new flat"));
             return editor.saveBill();
         },
         nameIs("Rent, new flat")},
        {"income form", true, [&](const QString& id) { editor.showEditPopoverForBill(id, &anchor); },
         [&] {
             editor.incomeNameField()->setText(QStringLiteral("Wages"));
             return editor.saveIncome();
         },
         nameIs("Wages")},
        {"payment editor", false,
         [&](const QString& id) {
             page.loadBillWithID(id);
             page.editClickedPayment(0);
         },
         [&] {
             page.revNotePaid()->setText(QStringLiteral("paid on A, by cheque"));
             return page.saveClickedPayment();
         },
         [](const QVariantMap& bill) {
             QStringList notes;
             for (const QVariant& payment : bill.value(BillKeys::PaymentList).toList())
                 notes.append(payment.toMap().value(PaymentKeys::Note).toString());
             notes.sort();
             EXPECT_EQ(notes, QStringList({"paid on A, by cheque", "paid on B"}));
         }},
        {"amount", false,
         [&](const QString& id) {
             page.loadBillWithID(id);
             page.quickEdit(BWBillDetailViewController::AmountTab, nullptr);
         },
         [&] {
             page.revisedStickyAmount()->setText(QStringLiteral("61"));
             return page.saveQuickEdits();
         },
         [](const QVariantMap& bill) { EXPECT_EQ(bill.value(BillKeys::Amount).toDouble(), 61.0); }},
        {"due date", false,
         [&](const QString& id) {
             page.loadBillWithID(id);
             page.quickEdit(BWBillDetailViewController::DueDateTab, nullptr);
         },
         [&] {
             page.revisedStickyDate()->setDateValue(movedByA);
             return page.saveQuickEdits();
         },
         [](const QVariantMap&) {}, movedByA},
        {"notes", false,
         [&](const QString& id) {
             page.loadBillWithID(id);
             page.quickEditNotes();
         },
         [&] {
             page.notesEditField()->setPlainText(QStringLiteral("from A"));
             return page.saveQuickEditNotes();
         },
         [](const QVariantMap&) {}, {}, QStringLiteral("from A")},
        {"balance", false,
         [&](const QString& id) {
             page.loadBillWithID(id);
             page.editBalance(nullptr);
         },
         [&] {
             page.escrowEditField()->setText(QStringLiteral("7"));
             return page.saveBalanceChanges();
         },
         [](const QVariantMap& bill) { EXPECT_EQ(bill.value(BillKeys::Rev).toDouble(), 7.0); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.form);
        const QString billID = BWUIDMaker::makeUID();
        ASSERT_TRUE(BWBill(a.env).finishWritingBillWithDictionary(
            with(newMonthlyBill(QStringLiteral("Rent"), billID, Start.addDays(10), 50.0), BillKeys::IsIncome, c.income),
            false, true));
        ASSERT_TRUE(a.pay(billID, 50.0, QStringLiteral("paid on A")));
        settle();
        ASSERT_EQ(b.paymentNotes(billID), QStringList{"paid on A"});

        c.open(billID);
        b.advance(60);
        ASSERT_TRUE(b.pay(billID, 50.0, QStringLiteral("paid on B")));
        ASSERT_TRUE(b.edit(billID, BillKeys::DueDate, QDateTime(movedByB, QTime(12, 0)).toUTC()));
        ASSERT_TRUE(b.edit(billID, BillKeys::Notes, QStringLiteral("from B")));
        settle();
        ASSERT_EQ(a.bill(billID).value(BillKeys::Notes).toString(), QStringLiteral("from B"));

        a.advance(120);
        ASSERT_TRUE(c.changeAndSave());
        syncBoth();
        for (SyncDevice* device : {&a, &b}) {
            SCOPED_TRACE(device == &a ? "on A" : "on B");
            const QVariantMap bill = device->bill(billID);
            EXPECT_TRUE(device->paymentNotes(billID).contains(QStringLiteral("paid on B")));
            EXPECT_EQ(device->paymentNotes(billID).size(), 2);
            EXPECT_EQ(localDay(bill.value(BillKeys::DueDate)), c.dueDate.isValid() ? c.dueDate : movedByB);
            EXPECT_EQ(bill.value(BillKeys::Notes).toString(), c.notes);
            c.expectAsChangedOnA(bill);
        }
        editor.closePopover();
        page.closePopovers();
    }
    EXPECT_TRUE(told.isEmpty()) << told.join(u'\n').toStdString();
}
