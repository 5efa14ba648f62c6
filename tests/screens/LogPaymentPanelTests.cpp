// The log-payment panel driven as the user drives it: opening, full and
// partial payments checked in the bill's file, receipts, sounds and the input
// it refuses.
#include <QDir>
#include <QFileInfo>

#include "LogPaymentPanelTestFixture.h"

// ---- Opening ----

TEST_F(LogPaymentPanelTest, OpeningFillsTheFormForTheBill)
{
    const QVariantMap bill = with(billDue(QDate(2016, 3, 20), 1, 2), BillKeys::Name, QStringLiteral("<b>Power</b>"));
    openPanelFor(bill);

    EXPECT_TRUE(controller.panel()->isVisible());
    EXPECT_EQ(controller.billNameField()->text(), QStringLiteral("<b>Power</b>"));
    EXPECT_EQ(controller.billNameField()->textFormat(), Qt::PlainText);
    EXPECT_EQ(controller.datePaidField()->date(), QDate(2016, 3, 8));
    EXPECT_EQ(controller.amountPaidField()->text(), QStringLiteral("$100.00"));
    EXPECT_TRUE(controller.notePaidField()->text().isEmpty());
    EXPECT_EQ(controller.attachReceiptButton()->text(), QStringLiteral("Attach Receipt"));
    EXPECT_FALSE(controller.messageLabel()->isVisible());
    EXPECT_TRUE(announced.isEmpty());
}

TEST_F(LogPaymentPanelTest, VaryingBillOpensWithItsNewestPaymentOrWithNothing)
{
    QVariantMap bill = with(billDue(QDate(2016, 3, 20), 1, 2), BillKeys::Amount, 0.0);
    openPanelFor(bill);
    EXPECT_EQ(controller.amountPaidField()->text(), QStringLiteral("$0.00"));

    bill.insert(BillKeys::PaymentList,
                QVariantList{QVariantMap{{PaymentKeys::Amount, 40.0}, {PaymentKeys::Date, localMoment(2016, 1, 5)}},
                             QVariantMap{{PaymentKeys::Amount, 62.5}, {PaymentKeys::Date, localMoment(2016, 2, 5)}}});
    openPanelFor(bill);
    EXPECT_EQ(controller.amountPaidField()->text(), QStringLiteral("$62.50"));
}

TEST_F(LogPaymentPanelTest, ReopeningForgetsWhatWasLeftUnsaved)
{
    const QVariantMap bill = billDue(QDate(2016, 3, 20), 1, 2);
    chosenReceipt = temp.write(QStringLiteral("scan.pdf"), "scan");
    openPanelFor(bill);
    typeAmount(QStringLiteral("abc"));
    typeNote(QStringLiteral("left over"));
    click(controller.attachReceiptButton());
    clickFullSave();
    ASSERT_TRUE(controller.messageLabel()->isVisible());

    controller.panel()->close();
    controller.showLogPaymentWindow(PaymentKind::Full);
    EXPECT_EQ(controller.amountPaidField()->text(), QStringLiteral("$100.00"));
    EXPECT_TRUE(controller.notePaidField()->text().isEmpty());
    EXPECT_EQ(controller.attachReceiptButton()->text(), QStringLiteral("Attach Receipt"));
    EXPECT_FALSE(controller.messageLabel()->isVisible());
    EXPECT_TRUE(storedPayments(bill).isEmpty());
}

// ---- Full and partial payments ----

TEST_F(LogPaymentPanelTest, FullPaymentIsStoredAndMovesTheDueDate)
{
    chooseSound(2);
    const QVariantMap bill = billDue(QDate(2016, 3, 20), 1, 2);
    openPanelFor(bill);
    typeAmount(QStringLiteral("120.50"));
    typeNote(QStringLiteral("Paid online"));
    clickFullSave();

    const QVariantMap after = stored(bill);
    EXPECT_EQ(after.value(BillKeys::DueDate).toDateTime(), localMoment(2016, 4, 20, 9));
    EXPECT_EQ(after.value(BillKeys::TotalPaid).toDouble(), 120.5);
    EXPECT_EQ(after.value(BillKeys::LastPayment).toDateTime(), localMoment(2016, 3, 8, 10));
    ASSERT_EQ(storedPayments(bill).size(), 1);
    const QVariantMap paid = lastStoredPayment(bill);
    EXPECT_EQ(paid.value(PaymentKeys::Amount).toDouble(), 120.5);
    EXPECT_EQ(paid.value(PaymentKeys::Date).toDateTime(), localMoment(2016, 3, 8, 10));
    EXPECT_EQ(paid.value(PaymentKeys::Note).toString(), QStringLiteral("Paid online"));
    EXPECT_EQ(paid.value(PaymentKeys::Receipt).toString(), QString());

    ASSERT_EQ(announced.count(), 1);
    EXPECT_EQ(announced.first().first().toString(), bill.value(BillKeys::Bid).toString());
    EXPECT_FALSE(controller.panel()->isVisible());
    EXPECT_EQ(sounds.played, QStringList{QStringLiteral("swell")});
}

TEST_F(LogPaymentPanelTest, AmountTypedAsCurrencyWithGroupingIsRead)
{
    const QVariantMap bill = billDue(QDate(2016, 3, 20), 1, 2);
    openPanelFor(bill);
    typeAmount(QStringLiteral("$1,234.56"));
    clickFullSave();
    EXPECT_EQ(lastStoredPayment(bill).value(PaymentKeys::Amount).toDouble(), 1234.56);
}

TEST_F(LogPaymentPanelTest, PaymentIsDatedOnTheChosenDayAtTheTimeThePanelOpened)
{
    const QVariantMap bill = billDue(QDate(2016, 3, 20), 1, 2);
    openPanelFor(bill);
    KNPopUpDatePicker* dateField = controller.datePaidField();
    dateField->setFocus();
    QTest::keyClick(dateField, Qt::Key_Down);
    QTest::keyClick(dateField, Qt::Key_Down);
    controller.hideDatePopup();
    EXPECT_FALSE(dateField->isBubbleOpen());
    clickFullSave();
    EXPECT_EQ(lastStoredPayment(bill).value(PaymentKeys::Date).toDateTime(), localMoment(2016, 3, 6, 10));
}

// The day paid is typed as people write it; text that names no day is
// refused and logs nothing.
TEST_F(LogPaymentPanelTest, ATypedDayPaidIsTheDayOfThePayment)
{
    const struct
    {
        const char* typed;
        QDateTime paid;  // invalid: refused
    } cases[] = {
        {"6", localMoment(2016, 3, 6, 10)},
        {"Feb 29", localMoment(2016, 2, 29, 10)},
        {"1 Feb 2016", localMoment(2016, 2, 1, 10)},
        {"yesterday", QDateTime()},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        const QVariantMap bill = billDue(QDate(2016, 3, 20), 1, 2);
        openPanelFor(bill);
        typeInto(controller.datePaidField(), QString::fromLatin1(c.typed));
        clickFullSave();
        if (c.paid.isValid()) {
            EXPECT_EQ(lastStoredPayment(bill).value(PaymentKeys::Date).toDateTime(), c.paid);
        } else {
            EXPECT_TRUE(storedPayments(bill).isEmpty());
            EXPECT_TRUE(controller.messageLabel()->text().contains(QStringLiteral("yesterday")));
        }
    }
}

// The panel floats beside the main window: an item archived or deleted
// there while it is open takes no payment, and its due date stays.
TEST_F(LogPaymentPanelTest, AnItemArchivedOrDeletedMeanwhileTakesNoPayment)
{
    for (const bool archive : {true, false}) {
        SCOPED_TRACE(archive ? "archived" : "deleted");
        const QVariantMap bill = billDue(QDate(2016, 3, 20), 1, 2);
        openPanelFor(bill);
        const QString billID = bill.value(BillKeys::Bid).toString();
        ASSERT_TRUE(archive ? BWBill(env).archiveBillWithBid(billID) : BWBill(env).deleteBillWithBid(billID));
        const QVariantMap before = stored(bill);
        clickFullSave();
        EXPECT_TRUE(controller.panel()->isVisible());
        EXPECT_FALSE(controller.messageLabel()->text().isEmpty());
        EXPECT_EQ(stored(bill), before);
        EXPECT_TRUE(storedPayments(bill).isEmpty());
        EXPECT_EQ(announced.count(), 0);
    }
}

TEST_F(LogPaymentPanelTest, PartialPaymentKeepsTheDueDateAndLowersAVaryingAmount)
{
    const QVariantMap bill = with(billDue(QDate(2016, 3, 20), 1, 2), BillKeys::AmountVaries, qlonglong(1));
    openPanelFor(bill, PaymentKind::Partial);
    EXPECT_TRUE(controller.savePaymentButton()->isHidden());
    typeAmount(QStringLiteral("30"));
    clickPartialSave();

    const QVariantMap after = stored(bill);
    EXPECT_EQ(after.value(BillKeys::DueDate).toDateTime(), localMoment(2016, 3, 20, 9));
    EXPECT_EQ(after.value(BillKeys::Amount).toDouble(), 70.0);
    EXPECT_EQ(after.value(BillKeys::LastPayment).toDateTime(), localMoment(2016, 3, 8, 10));
    EXPECT_EQ(lastStoredPayment(bill).value(PaymentKeys::Amount).toDouble(), 30.0);
    EXPECT_EQ(announced.count(), 1);

    // Paying more than is left leaves nothing due, never less.
    controller.showLogPaymentWindow(PaymentKind::Partial);
    typeAmount(QStringLiteral("130"));
    clickPartialSave();
    EXPECT_EQ(stored(bill).value(BillKeys::Amount).toDouble(), 0.0);
    EXPECT_EQ(stored(bill).value(BillKeys::DueDate).toDateTime(), localMoment(2016, 3, 20, 9));
    EXPECT_EQ(storedPayments(bill).size(), 2);
}

TEST_F(LogPaymentPanelTest, FullPaymentOfAVaryingBillClearsTheAmountDue)
{
    const QVariantMap bill = with(billDue(QDate(2016, 3, 20), 1, 2), BillKeys::AmountVaries, qlonglong(1));
    openPanelFor(bill);
    typeAmount(QStringLiteral("30"));
    clickFullSave();
    EXPECT_EQ(stored(bill).value(BillKeys::Amount).toDouble(), 0.0);
    EXPECT_EQ(stored(bill).value(BillKeys::DueDate).toDateTime(), localMoment(2016, 4, 20, 9));
}

TEST_F(LogPaymentPanelTest, PaymentGoesOntoTheBillAsStoredAtSaveTime)
{
    const QVariantMap bill = billDue(QDate(2016, 3, 20), 1, 2);
    openPanelFor(bill);
    // Renamed in the editor while the panel stood open.
    storeFile(with(bill, BillKeys::Name, QStringLiteral("Rent (new flat)")));
    clickFullSave();
    EXPECT_EQ(stored(bill).value(BillKeys::Name).toString(), QStringLiteral("Rent (new flat)"));
    EXPECT_EQ(storedPayments(bill).size(), 1);
}

TEST_F(LogPaymentPanelTest, ClosingWithoutSavingRecordsNothing)
{
    const QVariantMap bill = billDue(QDate(2016, 3, 20), 1, 2);
    openPanelFor(bill);
    const QByteArray before = fileBytes(bill);
    typeAmount(QStringLiteral("55"));
    controller.panel()->close();
    EXPECT_EQ(fileBytes(bill), before);
    EXPECT_TRUE(announced.isEmpty());
    EXPECT_TRUE(sounds.played.isEmpty());
}

// ---- Receipts ----

TEST_F(LogPaymentPanelTest, ChosenReceiptIsCopiedIntoTheDataFolder)
{
    const QVariantMap bill = billDue(QDate(2016, 3, 20), 1, 2);
    chosenReceipt = temp.write(QStringLiteral("scans/bill & stub.pdf"), "receipt bytes");
    openPanelFor(bill);
    click(controller.attachReceiptButton());
    EXPECT_EQ(chooserCalls, QStringList{QStringLiteral("Select Receipt|Attach")});
    // The file's name, with "&" not taken for a shortcut mark; the tip holds the path.
    EXPECT_EQ(controller.attachReceiptButton()->text(), QStringLiteral("bill && stub.pdf"));
    EXPECT_EQ(controller.attachReceiptButton()->toolTip(), chosenReceipt);
    clickFullSave();

    const QString receipt = lastStoredPayment(bill).value(PaymentKeys::Receipt).toString();
    const QFileInfo copy(receipt);
    EXPECT_EQ(copy.absoluteDir().canonicalPath(), QDir(dataFolder()).canonicalPath());
    EXPECT_EQ(copy.suffix(), QStringLiteral("pdf"));
    EXPECT_TRUE(BWUIDMaker::isValidUID(copy.completeBaseName()));
    QFile copied(receipt);
    ASSERT_TRUE(copied.open(QIODevice::ReadOnly));
    EXPECT_EQ(copied.readAll(), QByteArray("receipt bytes"));
    EXPECT_TRUE(QFileInfo::exists(chosenReceipt));
}

TEST_F(LogPaymentPanelTest, CancelledChoiceKeepsTheReceiptChosenBefore)
{
    const QVariantMap bill = billDue(QDate(2016, 3, 20), 1, 2);
    const QString first = temp.write(QStringLiteral("first.png"), "png");
    openPanelFor(bill);
    chosenReceipt = first;
    click(controller.attachReceiptButton());
    chosenReceipt.clear();
    click(controller.attachReceiptButton());
    EXPECT_EQ(controller.attachReceiptButton()->toolTip(), first);
    EXPECT_EQ(chooserCalls.size(), 2);
}

TEST_F(LogPaymentPanelTest, ReceiptThatWentAwayIsReportedAndNothingIsWritten)
{
    const QVariantMap bill = billDue(QDate(2016, 3, 20), 1, 2);
    chosenReceipt = temp.write(QStringLiteral("gone.pdf"), "pdf");
    openPanelFor(bill);
    click(controller.attachReceiptButton());
    QFile::remove(chosenReceipt);
    const QByteArray before = fileBytes(bill);
    clickFullSave();
    EXPECT_TRUE(controller.messageLabel()->text().contains(chosenReceipt));
    EXPECT_EQ(fileBytes(bill), before);
    EXPECT_TRUE(announced.isEmpty());
}

// ---- Sounds ----

TEST_F(LogPaymentPanelTest, NoSoundWhenSoundsAreOffOrTheChoiceIsNone)
{
    const QVariantMap bill = billDue(QDate(2016, 3, 20), 1, 2);
    chooseSound(0, false);
    openPanelFor(bill);
    clickFullSave();
    chooseSound(5);
    controller.showLogPaymentWindow(PaymentKind::Full);
    clickFullSave();
    EXPECT_EQ(storedPayments(bill).size(), 2);
    EXPECT_TRUE(sounds.played.isEmpty());
}

TEST_F(LogPaymentPanelTest, SampleSoundPlaysTheChosenSoundOnce)
{
    chooseSound(3);
    controller.playSampleSound();
    EXPECT_EQ(sounds.played, QStringList{QStringLiteral("cheers")});
    controller.playSound(QString());
    EXPECT_EQ(sounds.played.size(), 1);
}

// ---- Refused input and failed writes ----

class LogPaymentPanelRefusesAmount : public LogPaymentPanelTest, public ::testing::WithParamInterface<const char*>
{
};

TEST_P(LogPaymentPanelRefusesAmount, WithAMessageAndWritesNothing)
{
    chooseSound(0);
    const QVariantMap bill = billDue(QDate(2016, 3, 20), 1, 2);
    openPanelFor(bill);
    const QByteArray before = fileBytes(bill);
    typeAmount(QString::fromUtf8(GetParam()));
    clickFullSave();
    controller.savePartialPayemnt();

    EXPECT_TRUE(controller.messageLabel()->isVisible());
    EXPECT_FALSE(controller.messageLabel()->text().isEmpty());
    EXPECT_EQ(fileBytes(bill), before);
    EXPECT_TRUE(announced.isEmpty());
    EXPECT_TRUE(controller.panel()->isVisible());
    EXPECT_TRUE(sounds.played.isEmpty());
    EXPECT_TRUE(cloud.nothingHandedOver());
}

INSTANTIATE_TEST_SUITE_P(BadAmounts, LogPaymentPanelRefusesAmount,
                         ::testing::Values("", "   ", "abc", "12abc", "-5", "($5.00)", "1e999"));

TEST_F(LogPaymentPanelTest, CorrectedAmountIsAcceptedAfterARefusal)
{
    const QVariantMap bill = billDue(QDate(2016, 3, 20), 1, 2);
    openPanelFor(bill);
    typeAmount(QStringLiteral("-5"));
    clickFullSave();
    ASSERT_TRUE(controller.messageLabel()->isVisible());
    typeAmount(QStringLiteral("0"));
    clickFullSave();
    EXPECT_FALSE(controller.messageLabel()->isVisible());
    EXPECT_EQ(lastStoredPayment(bill).value(PaymentKeys::Amount).toDouble(), 0.0);
    EXPECT_EQ(announced.count(), 1);
}

TEST_F(LogPaymentPanelTest, MissingBillIsReportedAndNothingIsWritten)
{
    storeBills({});
    controller.setBid(BWUIDMaker::makeUID());
    controller.showLogPaymentWindow(PaymentKind::Full);
    EXPECT_TRUE(controller.messageLabel()->isVisible());
    typeAmount(QStringLiteral("10"));
    clickFullSave();
    EXPECT_TRUE(announced.isEmpty());
    EXPECT_EQ(QDir(dataFolder()).entryList(QDir::Files), QStringList{QStringLiteral("billindex.plist")});
}

TEST_F(LogPaymentPanelTest, BillDeletedWhileThePanelStoodOpenIsReported)
{
    const QVariantMap bill = billDue(QDate(2016, 3, 20), 1, 2);
    openPanelFor(bill);
    ASSERT_TRUE(QFile::remove(billPath(bill.value(BillKeys::Bid).toString())));
    clickFullSave();
    EXPECT_TRUE(controller.messageLabel()->isVisible());
    EXPECT_TRUE(announced.isEmpty());
    EXPECT_FALSE(QFileInfo::exists(billPath(bill.value(BillKeys::Bid).toString())));
}

TEST_F(LogPaymentPanelTest, FailedWriteIsReportedAndNotClaimed)
{
    chooseSound(1);
    const QVariantMap bill = billDue(QDate(2016, 3, 20), 1, 2);
    openPanelFor(bill);
    const QByteArray before = fileBytes(bill);
    {
        const FileWritesFail diskFull;
        clickFullSave();
    }
    EXPECT_EQ(fileBytes(bill), before);
    EXPECT_TRUE(announced.isEmpty());
    EXPECT_TRUE(controller.panel()->isVisible());
    EXPECT_TRUE(controller.messageLabel()->text().contains(QStringLiteral("could not be saved")));
    EXPECT_TRUE(sounds.played.isEmpty());

    // Once the disk has room again the same form saves.
    clickFullSave();
    EXPECT_EQ(announced.count(), 1);
    EXPECT_EQ(storedPayments(bill).size(), 1);
}

TEST_F(LogPaymentPanelTest, CancelAndEscapeCloseThePanelWithoutLogging)
{
    const QVariantMap bill = billDue(QDate(2016, 3, 20), 1, 2);
    openPanelFor(bill);
    const QByteArray before = fileBytes(bill);
    click(controller.cancelButton());
    EXPECT_FALSE(controller.panel()->isVisible());

    controller.showLogPaymentWindow(PaymentKind::Full);
    ASSERT_TRUE(controller.panel()->isVisible());
    QTest::keyClick(controller.amountPaidField(), Qt::Key_Escape);
    EXPECT_FALSE(controller.panel()->isVisible());
    EXPECT_TRUE(announced.isEmpty());
    EXPECT_EQ(fileBytes(bill), before);
}

TEST_F(LogPaymentPanelTest, ALongReceiptPathKeepsThePanelNarrow)
{
    const QVariantMap bill = billDue(QDate(2016, 3, 20), 1, 2);
    chosenReceipt = temp.write(QString(QStringLiteral("scans/") + QString(120, u'x') + QStringLiteral("/receipt.pdf")),
                               "pdf");
    openPanelFor(bill);
    const int widthBefore = controller.panel()->sizeHint().width();
    click(controller.attachReceiptButton());
    EXPECT_LE(controller.attachReceiptButton()->width(), 280);
    EXPECT_LE(controller.panel()->sizeHint().width(), std::max(widthBefore, 320));
    EXPECT_EQ(controller.attachReceiptButton()->text(), QStringLiteral("receipt.pdf"));
}
