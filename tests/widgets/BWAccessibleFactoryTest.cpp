#include "support/AccessibleTree.h"
#include "support/UsEnglishLocale.h"
#include "widgets/BGHUDSegmentedControl.h"
#include "widgets/BGHUDStepper.h"
#include "widgets/BWAccessibleCalendar.h"
#include "widgets/PieChart.h"

#include <gtest/gtest.h>

namespace {

// The program installs the factory before its first window; so do these tests.
class BWAccessibleFactoryTest : public testing::Test
{
protected:
    BWAccessibleFactoryTest() { BWAccessibleFactory::install(); }
    UsEnglishLocale english;
};

class NamedSlices : public PieChartDataSource
{
public:
    unsigned numberOfSlicesInPieChart(PieChart*) override { return 3; }
    double valueForSliceAtIndex(PieChart*, unsigned index) override { return values[index]; }
    std::optional<QString> accessibleTextForSliceAtIndex(PieChart*, unsigned index) override
    {
        if (index == 2)
            return std::nullopt;
        return names[index];
    }
    const double values[3] = {1450, 450, 100};
    const QString names[2] = {QStringLiteral("Rent, $1,450.00"), QStringLiteral("Water, $450.00")};
};

TEST_F(BWAccessibleFactoryTest, APieChartReadsItsSlicesByNameAmountAndShare)
{
    NamedSlices source;
    PieChart chart(QRect(0, 0, 200, 200));
    chart.setDataSource(&source);
    chart.reloadData();
    chart.show();
    QAccessibleInterface* pie = accessibletree::interfaceOf(&chart);
    ASSERT_EQ(pie->role(), QAccessible::Chart);
    const QStringList expected
        = {QStringLiteral("Rent, $1,450.00, 73%"), QStringLiteral("Water, $450.00, 23%"), QStringLiteral("100, 5%")};
    ASSERT_EQ(pie->childCount(), expected.size());
    for (int slice = 0; slice < expected.size(); ++slice) {
        EXPECT_EQ(pie->child(slice)->text(QAccessible::Name).toStdString(), expected[slice].toStdString());
        EXPECT_EQ(pie->child(slice)->parent(), pie);
        EXPECT_EQ(pie->indexOfChild(pie->child(slice)), slice);
    }
    // Pressing a slice selects it, as a click does.
    pie->child(1)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(chart.selectedSliceIndex(), 1);
    EXPECT_TRUE(pie->child(1)->state().selected);
}

TEST_F(BWAccessibleFactoryTest, ACalendarDayReadsItsDateAndBills)
{
    const struct
    {
        QString bills;
        QString reading;
    } days[] = {
        {QString(), QStringLiteral("December 12")},
        {QStringLiteral("Rent"), QStringLiteral("December 12, Rent due")},
        {QStringLiteral("Rent, Water"), QStringLiteral("December 12, Rent and Water due")},
        {QStringLiteral("Rent, Water, Gas"), QStringLiteral("December 12, Rent, Water, and Gas due")},
    };
    for (const auto& day : days)
        EXPECT_EQ(BWAccessibleCalendarDay::reading(QDate(2026, 12, 12), day.bills), day.reading);
}

TEST_F(BWAccessibleFactoryTest, TheHUDKitsPaintedControlsTellTheirRoleAndValue)
{
    BGHUDStepper stepper;
    stepper.setValue(7);
    BGHUDSegmentedControl segments;
    segments.addSegment(QStringLiteral("Month"));
    segments.addSegment(QStringLiteral("Year"));
    segments.setSelectedSegment(1);
    const struct
    {
        QWidget* control;
        QAccessible::Role role;
        QString value;
    } controls[] = {
        {&stepper, QAccessible::SpinBox, QStringLiteral("7")},
        {&segments, QAccessible::PageTabList, QStringLiteral("Year")},
    };
    for (const auto& control : controls) {
        QAccessibleInterface* read = accessibletree::interfaceOf(control.control);
        EXPECT_EQ(read->role(), control.role);
        EXPECT_EQ(read->text(QAccessible::Value), control.value);
        EXPECT_FALSE(accessibletree::saysNothing(read->text(QAccessible::Name)));
    }
    accessibletree::interfaceOf(&stepper)->valueInterface()->setCurrentValue(9);
    EXPECT_EQ(stepper.value(), 9);
}

}  // namespace
