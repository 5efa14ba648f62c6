#include "SideWindowTestFixture.h"

#include "screens/BWRecordTable.h"
#include "screens/BWReportController.h"
#include "widgets/BGHUDTableView.h"

#include <QComboBox>
#include <QHeaderView>
#include <QTest>

#include <cmath>

namespace {

const QVariantList Monthly{qlonglong(1), qlonglong(2)};

class ReportWindowTest : public SideWindowTest
{
protected:
    BWReportController& open()
    {
        report = std::make_unique<BWReportController>(env);
        report->setupReportView();
        return *report;
    }
    QString figure(const char* name) const { return report->figureText(QLatin1String(name)); }
    void chooseYear(int index)
    {
        report->yearPopupButton()->setCurrentIndex(index);
        report->tagOrYearChanged();
    }
    std::unique_ptr<BWReportController> report;
};

}  // namespace

TEST_F(ReportWindowTest, RowsSumTheYearsPaymentsOfEachBillOnce)
{
    const QString phone = store(bill(QStringLiteral("Phone"), localMoment(2016, 4, 1), Monthly, 20,
                                     {{BillKeys::PaymentList, QVariantList{payment(10.25, localMoment(2016, 1, 5)),
                                                                           payment(20.50, localMoment(2016, 2, 5)),
                                                                           payment(99, localMoment(2015, 6, 5))}}}));
    store(bill(QStringLiteral("Salary"), localMoment(2016, 4, 1), Monthly, 900,
               {{BillKeys::IsIncome, true}, {BillKeys::PaymentList, QVariantList{payment(900, localMoment(2016, 3, 2))}}}));
    alsoListAsArchived(phone);
    open();

    ASSERT_EQ(report->yearPopupButton()->count(), 3);
    EXPECT_EQ(report->yearPopupButton()->itemText(0), QStringLiteral("2016"));
    EXPECT_EQ(names(report->calculatedBillsToDisplay()), QStringList({"Phone"}));
    EXPECT_EQ(report->billTable().textAt(0, QStringLiteral("Count")), QStringLiteral("2"));
    EXPECT_EQ(report->billTable().textAt(0, QStringLiteral("Average")), QStringLiteral("$15.38"));
    EXPECT_EQ(report->billTable().textAt(0, QStringLiteral("Total")), QStringLiteral("$30.75"));
    EXPECT_EQ(figure("statTitle"), QStringLiteral("All Bills - 2016"));
    EXPECT_EQ(figure("statsTotalBills"), QStringLiteral("1"));
    EXPECT_EQ(figure("statsTotalPayments"), QStringLiteral("2"));
    EXPECT_EQ(figure("statsTotalAmount"), QStringLiteral("$30.75"));

    chooseYear(2);
    EXPECT_TRUE(report->calculatedBillsToDisplay().isEmpty());
    EXPECT_EQ(report->pieChart().sliceCount(), 1) << "the old slice collapses and stays";
    EXPECT_EQ(figure("statsTotalBills"), QStringLiteral("0"));
    EXPECT_EQ(figure("statsTotalAmount"), QStringLiteral("$0.00"));
}

TEST_F(ReportWindowTest, AYearChangeSortsByTheNewYearsFigures)
{
    store(bill(QStringLiteral("Alpha"), localMoment(2016, 4, 1), Monthly, 1,
               {{BillKeys::PaymentList, QVariantList{payment(5, localMoment(2016, 1, 5)),
                                                     payment(50, localMoment(2015, 1, 5))}}}));
    store(bill(QStringLiteral("Beta"), localMoment(2016, 4, 1), Monthly, 1,
               {{BillKeys::PaymentList, QVariantList{payment(9, localMoment(2016, 1, 5)),
                                                     payment(1, localMoment(2015, 1, 5))}}}));
    open();
    QHeaderView* header = report->billTable().view()->horizontalHeader();
    emit header->sectionClicked(report->billTable().columnOf(QStringLiteral("Total")));
    EXPECT_EQ(names(report->calculatedBillsToDisplay()), QStringList({"Alpha", "Beta"}));
    chooseYear(1);
    EXPECT_EQ(report->billTable().sortDescriptors().first().key, QStringLiteral("Total2015"));
    EXPECT_EQ(names(report->calculatedBillsToDisplay()), QStringList({"Beta", "Alpha"}));
    EXPECT_EQ(names(report->pieChartData()), QStringList({"Alpha", "Beta"})) << "largest total first";
}

TEST_F(ReportWindowTest, PaletteRepeatsPastItsEnd)
{
    open();
    EXPECT_EQ(report->sliceColor(0), QColor(141, 211, 199));
    EXPECT_EQ(report->sliceColor(11), QColor(255, 237, 111));
    EXPECT_EQ(report->sliceColor(12), report->sliceColor(0));
    EXPECT_EQ(report->sliceColor(108), report->sliceColor(0));
    EXPECT_EQ(report->sliceColor(1000), report->sliceColor(1000 % 12));
}

TEST_F(ReportWindowTest, ClickingASliceShowsThatBill)
{
    for (const auto& [name, amount] : {std::pair{"Big", 300.0}, {"Middle", 200.0}, {"Small", 100.0}})
        store(bill(QLatin1String(name), localMoment(2016, 4, 1), Monthly, 1,
                   {{BillKeys::PaymentList, QVariantList{payment(amount, localMoment(2016, 1, 5))}}}));
    open();
    PieChart& chart = report->pieChart();
    chart.updateTimerFired();
    QTRY_VERIFY(!chart.isAnimating());
    const SliceLayer& middle = chart.slice(1);
    const double angle = (middle.startAngle() + middle.endAngle()) / 2;
    const QPointF at = PieChart::pointOnCircle(chart.pieCenter(), chart.pieRadius() * 0.6, angle);
    QTest::mouseClick(&chart, Qt::LeftButton, {}, at.toPoint());
    EXPECT_EQ(figure("selectedBillTitle"), QStringLiteral("Middle"));
    EXPECT_EQ(figure("totalPaid"), QStringLiteral("$200.00"));
    QTest::mouseClick(&chart, Qt::LeftButton, {}, QPoint(2, 2));
    EXPECT_EQ(figure("selectedBillTitle"), QStringLiteral("No Bill Selected"));
    EXPECT_EQ(figure("totalPaid"), QString());
}

// A bill chosen in the table shows its figures too, by a click or the keys.
TEST_F(ReportWindowTest, ChoosingARowShowsThatBill)
{
    for (const auto& [name, amount] : {std::pair{"Big", 300.0}, {"Middle", 200.0}, {"Small", 100.0}})
        store(bill(QLatin1String(name), localMoment(2016, 4, 1), Monthly, 1,
                   {{BillKeys::PaymentList, QVariantList{payment(amount, localMoment(2016, 1, 5)),
                                                         payment(amount, localMoment(2016, 2, 5))}}}));
    open();
    BGHUDTableView& table = *report->billTable().view();
    ASSERT_EQ(report->billTable().textAt(1, QStringLiteral("Name")), QStringLiteral("Middle"));
    const QRect middleRow = table.visualRect(table.model()->index(1, 0));
    QTest::mouseClick(table.viewport(), Qt::LeftButton, {}, middleRow.center());
    EXPECT_EQ(figure("selectedBillTitle"), QStringLiteral("Middle"));
    EXPECT_EQ(figure("totalPaid"), QStringLiteral("$400.00"));
    EXPECT_EQ(figure("averagePaid"), QStringLiteral("$200.00"));

    QTest::keyClick(&table, Qt::Key_Down);
    EXPECT_EQ(figure("selectedBillTitle"), QStringLiteral("Small"));
    EXPECT_EQ(figure("totalPaid"), QStringLiteral("$200.00"));
}
