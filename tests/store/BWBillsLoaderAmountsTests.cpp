#include "BWBillsLoaderTestFixture.h"

namespace {

using Rows = QList<QStringList>;

// A reader of comma-separated text as RFC 4180 has it: a field in double
// quotes may hold commas, line breaks and doubled quotes; rows end at a line
// break outside quotes. Enough to read back what the export writes.
Rows readCsv(const QString& text)
{
    Rows rows;
    QStringList row;
    QString field;
    bool quoted = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (quoted) {
            if (c == u'"' && i + 1 < text.size() && text.at(i + 1) == u'"') {
                field += u'"';
                ++i;
            } else if (c == u'"') {
                quoted = false;
            } else {
                field += c;
            }
        } else if (c == u'"' && field.isEmpty()) {
            quoted = true;
        } else if (c == u',') {
            row.append(field);
            field.clear();
        } else if (c == u'\n') {
            row.append(field);
            rows.append(row);
            row.clear();
            field.clear();
        } else {
            field += c;
        }
    }
    EXPECT_FALSE(quoted) << "unterminated quoted field";
    EXPECT_TRUE(field.isEmpty() && row.isEmpty()) << "last row not ended by a line break";
    return rows;
}

QVariantMap payment(const QVariant& amount, const QDateTime& date, const QString& note)
{
    return {{PaymentKeys::Amount, amount},
            {PaymentKeys::Date, date.toUTC()},
            {PaymentKeys::Note, note},
            {PaymentKeys::Receipt, QString()}};
}

}  // namespace

class BWBillsLoaderAmountsTest : public BWBillsLoaderTest
{
protected:
    static QVariantMap billWithAmount(const QVariant& amount, const QVariant& average)
    {
        QVariantMap record = bill(QStringLiteral("Power"), at(2016, 3, 15));
        if (amount.isValid())
            record.insert(BillKeys::Amount, amount);
        if (average.isValid())
            record.insert(BillKeys::Average, average);
        return record;
    }
    static QVariantMap billWithPayments(const QVariantList& payments)
    {
        return with(bill(QStringLiteral("Rent"), at(2016, 3, 15)), BillKeys::PaymentList, payments);
    }
    const QDateTime december7 = at(2026, 12, 7, 12);
};

// ---- Expected amount ----

TEST_F(BWBillsLoaderAmountsTest, FixedAmountIsExpectedAsStored)
{
    const QVariant expected = loader().getEstimatedAmountDueForBill(billWithAmount(qlonglong(45), 12.5));
    EXPECT_EQ(expected.typeId(), QMetaType::LongLong);
    EXPECT_EQ(expected.toLongLong(), 45);
    EXPECT_DOUBLE_EQ(loader().getEstimatedAmountDueForBill(billWithAmount(1.0, 12.5)).toDouble(), 1.0);
    EXPECT_DOUBLE_EQ(loader().getEstimatedAmountDueForBill(billWithAmount(-1.5, 12.5)).toDouble(), -1.5);
}

TEST_F(BWBillsLoaderAmountsTest, AmountBelowOneWholeUnitGivesTheAverage)
{
    EXPECT_DOUBLE_EQ(loader().getEstimatedAmountDueForBill(billWithAmount(0.5, 33.25)).toDouble(), 33.25);
    EXPECT_DOUBLE_EQ(loader().getEstimatedAmountDueForBill(billWithAmount(-0.99, 33.25)).toDouble(), 33.25);
    EXPECT_DOUBLE_EQ(loader().getEstimatedAmountDueForBill(billWithAmount(qlonglong(0), 7.0)).toDouble(), 7.0);
}

TEST_F(BWBillsLoaderAmountsTest, MissingAmountGivesTheAverageOrNothing)
{
    EXPECT_DOUBLE_EQ(loader().getEstimatedAmountDueForBill(billWithAmount({}, 8.75)).toDouble(), 8.75);
    EXPECT_FALSE(loader().getEstimatedAmountDueForBill(billWithAmount({}, {})).isValid());
}

// ---- Number texts ----

TEST_F(BWBillsLoaderAmountsTest, NumberTextsInUsEnglish)
{
    EXPECT_EQ(loader().currencyFormattedNumber(1234.5), QStringLiteral("$1,234.50"));
    EXPECT_EQ(loader().currencyFormattedNumber(0), QStringLiteral("$0.00"));
    EXPECT_EQ(loader().currencyFormattedNumberNoDecimals(1234.4), QStringLiteral("$1,234"));
    EXPECT_EQ(loader().numberFormattedNumber(1234.5), QStringLiteral("1,234.5"));
    EXPECT_EQ(loader().numberFormattedNumber(1234567), QStringLiteral("1,234,567"));
    EXPECT_EQ(loader().numberFormattedNumber(2.0), QStringLiteral("2"));
    EXPECT_EQ(loader().numberFormattedNumber(0.1234), QStringLiteral("0.123"));
}

TEST_F(BWBillsLoaderAmountsTest, WholeCurrencyRoundsHalvesToEven)
{
    EXPECT_EQ(loader().currencyFormattedNumberNoDecimals(1234.5), QStringLiteral("$1,234"));
    EXPECT_EQ(loader().currencyFormattedNumberNoDecimals(1235.5), QStringLiteral("$1,236"));
    EXPECT_EQ(loader().currencyFormattedNumberNoDecimals(0.5), QStringLiteral("$0"));
    EXPECT_EQ(loader().currencyFormattedNumberNoDecimals(0.51), QStringLiteral("$1"));
}

TEST_F(BWBillsLoaderAmountsTest, NumberTextsFollowTheLocale)
{
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    EXPECT_EQ(loader().numberFormattedNumber(1234.5), QStringLiteral("1.234,5"));
    const QString euros = loader().currencyFormattedNumber(1234.5);
    EXPECT_TRUE(euros.startsWith(QStringLiteral("1.234,50"))) << euros.toStdString();
    EXPECT_TRUE(euros.endsWith(QStringLiteral("€"))) << euros.toStdString();
}

// ---- Short texts ----

TEST_F(BWBillsLoaderAmountsTest, TimesPaidSaysTimeOnlyForOne)
{
    const QVariantMap one = payment(1.0, december7, QString());
    EXPECT_EQ(loader().formattedTimesPaidWithPayments({}), QStringLiteral("Paid 0 times"));
    EXPECT_EQ(loader().formattedTimesPaidWithPayments({one}), QStringLiteral("Paid 1 time"));
    EXPECT_EQ(loader().formattedTimesPaidWithPayments({one, one, one}), QStringLiteral("Paid 3 times"));
}

TEST_F(BWBillsLoaderAmountsTest, SummaryOfAFixedAmountTakesTwoLines)
{
    EXPECT_EQ(loader().billSummaryForBill(billWithAmount(45.0, {})), QStringLiteral("$45.00 due on\nTue, Mar 15."));
}

TEST_F(BWBillsLoaderAmountsTest, SummaryWithoutAFixedAmountIsOneLine)
{
    EXPECT_EQ(loader().billSummaryForBill(billWithAmount(0.5, 20.0)), QStringLiteral("Due on Tue, Mar 15."));
    EXPECT_EQ(loader().billSummaryForBill(billWithAmount({}, {})), QStringLiteral("Due on Tue, Mar 15."));
}

// ---- Payment export ----

TEST_F(BWBillsLoaderAmountsTest, PlainPaymentsExportAsBareLinesInStoredOrder)
{
    const QVariantMap record = billWithPayments({payment(1234.5, december7, QStringLiteral("March rent")),
                                                 payment(qlonglong(80), at(2026, 1, 2, 12), QString())});
    EXPECT_EQ(loader().exportPaymentsToCSVFromBillDict(record),
              QStringLiteral("12/07/2026,1234.5,March rent\n01/02/2026,80,\n"));
}

TEST_F(BWBillsLoaderAmountsTest, NotesWithCommasQuotesAndLineBreaksReadBackWhole)
{
    const QStringList notes{QStringLiteral("rent, March"), QStringLiteral("the \"late\" one"),
                            QStringLiteral("two\nlines"), QStringLiteral("windows\r\nline"),
                            QStringLiteral("\""), QStringLiteral(",")};
    QVariantList payments;
    for (const QString& note : notes)
        payments.append(payment(12.25, december7, note));

    const QString exported = loader().exportPaymentsToCSVFromBillDict(billWithPayments(payments));
    const Rows rows = readCsv(exported);
    ASSERT_EQ(rows.size(), notes.size());
    for (qsizetype i = 0; i < rows.size(); ++i)
        EXPECT_EQ(rows.at(i), (QStringList{QStringLiteral("12/07/2026"), QStringLiteral("12.25"), notes.at(i)}));
    EXPECT_TRUE(exported.startsWith(QStringLiteral("12/07/2026,12.25,\"rent, March\"\n")));
}

TEST_F(BWBillsLoaderAmountsTest, NotesASpreadsheetWouldRunOpenAsText)
{
    const QList<std::pair<QString, QString>> notes{
        {QStringLiteral("=1+1"), QStringLiteral("'=1+1")},
        {QStringLiteral("+31 phone"), QStringLiteral("'+31 phone")},
        {QStringLiteral("-5 refund"), QStringLiteral("'-5 refund")},
        {QStringLiteral("@SUM(A1)"), QStringLiteral("'@SUM(A1)")},
        {QStringLiteral("\tcmd"), QStringLiteral("'\tcmd")},
        {QStringLiteral("\r=HYPERLINK(\"x\")"), QStringLiteral("'\r=HYPERLINK(\"x\")")},
        {QStringLiteral("=A1,B1"), QStringLiteral("'=A1,B1")},
        {QStringLiteral("a=b"), QStringLiteral("a=b")}};
    QVariantList payments;
    for (const auto& note : notes)
        payments.append(payment(12.25, december7, note.first));

    const Rows rows = readCsv(loader().exportPaymentsToCSVFromBillDict(billWithPayments(payments)));
    ASSERT_EQ(rows.size(), notes.size());
    for (qsizetype i = 0; i < rows.size(); ++i)
        EXPECT_EQ(rows.at(i).at(2), notes.at(i).second) << notes.at(i).first.toStdString();
}

TEST_F(BWBillsLoaderAmountsTest, ExportedAmountsUseAPointAndNoGroupingInEveryLocale)
{
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    const QVariantMap record = billWithPayments({payment(12.5, december7, QStringLiteral("a")),
                                                 payment(1234567.891, december7, QStringLiteral("b")),
                                                 payment(0.0005, december7, QStringLiteral("c"))});
    const Rows rows = readCsv(loader().exportPaymentsToCSVFromBillDict(record));
    ASSERT_EQ(rows.size(), 3);
    EXPECT_EQ(rows.at(0).at(1), QStringLiteral("12.5"));
    EXPECT_EQ(rows.at(1).at(1), QStringLiteral("1234567.891"));
    EXPECT_EQ(rows.at(2).at(1), QStringLiteral("0"));
    EXPECT_EQ(rows.at(0).at(0), QStringLiteral("07.12.2026"));
}

TEST_F(BWBillsLoaderAmountsTest, FarAwayPaymentDatesExportAsNever)
{
    const QVariantMap record = billWithPayments({payment(5.0, PropertyList::distantFuture(), QStringLiteral("x"))});
    EXPECT_EQ(loader().exportPaymentsToCSVFromBillDict(record), QStringLiteral("Never,5,x\n"));
}

TEST_F(BWBillsLoaderAmountsTest, NoPaymentsExportAsNothing)
{
    EXPECT_EQ(loader().exportPaymentsToCSVFromBillDict(billWithPayments({})), QString());
    EXPECT_EQ(loader().exportPaymentsToCSVFromBillDict(bill(QStringLiteral("Gym"), at(2016, 3, 15))), QString());
}
