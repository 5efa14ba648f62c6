#include "BWBillsLoaderTestFixture.h"

#include "DueDateTestSupport.h"

namespace {

struct DueTextCase
{
    int days;
    const char* bill;
    const char* income;
    const char* extension;
};

// Each threshold of the relative texts with the day before and after it.
const DueTextCase kDueTexts[] = {
    {-2, "Overdue by 2 days", "Paid 2 days ago", "Overdue"},
    {-1, "Overdue by 1 day", "Paid 1 day ago", "Overdue"},
    {0, "Due today", "Paid today", "Today"},
    {1, "Due in 1 day", "Paid in 1 day", "In 1 day"},
    {2, "Due in 2 days", "Paid in 2 days", "In 2 days"},
    {6, "Due in 6 days", "Paid in 6 days", "In 6 days"},
    {7, "Due in 1 week", "Paid in 1 week", "In 1 week"},
    {8, "Due in 8 days", "Paid in 8 days", "In 8 days"},
    {28, "Due in 28 days", "Paid in 28 days", "In 28 days"},
    {29, "Due in about 1 month", "Paid in about 1 month", "In 1 month"},
    {31, "Due in about 1 month", "Paid in about 1 month", "In 1 month"},
    {32, "Due in over 1 month", "Paid in over 1 month", "Over 1 month"},
    {58, "Due in over 1 month", "Paid in over 1 month", "Over 1 month"},
    {59, "Due in about 2 months", "Paid in about 2 months", "In 2 months"},
    {61, "Due in about 2 months", "Paid in about 2 months", "In 2 months"},
    {62, "Due in over 2 months", "Paid in over 2 months", "Over 2 months"},
    {365, "Due in over 12 months", "Paid in over 12 months", "Over 12 months"},
    {366, "Due in over 1 year", "Paid in over 1 year", "Over 1 year"},
    {10000, "Due in over 1 year", "Paid in over 1 year", "Over 1 year"},
    {10001, "Never", "Never", "Never"},
};

}  // namespace

TEST_F(BWBillsLoaderTest, RelativeDueTextsChangeAtEachThreshold)
{
    const BWBillsLoader l = loader();
    for (const DueTextCase& c : kDueTexts) {
        // The time of day never matters, only the calendar day.
        const QDateTime due = daysFromNow(c.days, c.days % 2 ? 23 : 0);
        EXPECT_EQ(l.createHumanDueDate(due, clock.now()), QString::fromUtf8(c.bill)) << c.days;
        EXPECT_EQ(l.createHumanDueDate(due, clock.now(), true), QString::fromUtf8(c.income)) << c.days;
        EXPECT_EQ(l.createHumanDueDateForExtension(due, clock.now()), QString::fromUtf8(c.extension)) << c.days;
    }
}

TEST_F(BWBillsLoaderTest, DueDotsChangeAtTheOverdueAndDueSoonBoundaries)
{
    const BWBillsLoader l = loader();
    const auto dot = [&](int days) { return l.createDueIcon(l.createSortableDueDate(daysFromNow(days), clock.now()), 0); };
    EXPECT_EQ(dot(-2), "red5.png");
    EXPECT_EQ(dot(-1), "red5.png");
    EXPECT_EQ(dot(0), "yellow5.png");
    EXPECT_EQ(dot(1), "yellow5.png");
    EXPECT_EQ(dot(6), "yellow5.png");
    EXPECT_EQ(dot(7), "yellow5.png");
    EXPECT_EQ(dot(8), "green5.png");

    defaults.setInteger(QStringLiteral("BWDueSoonDays"), 0);
    EXPECT_EQ(dot(0), "yellow5.png");
    EXPECT_EQ(dot(1), "green5.png");
}

TEST_F(BWBillsLoaderTest, AutomaticBillsAreBlueEvenWhenOverdue)
{
    const BWBillsLoader l = loader();
    EXPECT_EQ(l.createDueIcon(l.createSortableDueDate(daysFromNow(-3), clock.now()), 1), "blue5.png");
    EXPECT_EQ(l.createDueIconForExtension(-3 * 86400, 1), "blue5.png");
}

TEST_F(BWBillsLoaderTest, ExtensionWindowCountsAStoredZeroAsSevenDays)
{
    const BWBillsLoader l = loader();
    defaults.setInteger(QStringLiteral("BWDueSoonDays"), 2);   // the app's own window plays no part
    EXPECT_EQ(l.createDueIconForExtension(7 * 86400, 0), "yellow5.png");
    EXPECT_EQ(l.createDueIconForExtension(8 * 86400, 0), "green5.png");
    EXPECT_TRUE(l.isBillDueSoonOrOverdue(daysFromNow(7)));
    EXPECT_FALSE(l.isBillDueSoonOrOverdue(daysFromNow(8)));
    EXPECT_TRUE(l.isBillDueSoonOrOverdue(daysFromNow(-400)));

    appGroup.setInteger(QStringLiteral("BWDueSoonDays"), 3);
    EXPECT_TRUE(l.isBillDueSoonOrOverdue(daysFromNow(3)));
    EXPECT_FALSE(l.isBillDueSoonOrOverdue(daysFromNow(4)));
}

TEST_F(BWBillsLoaderTest, SortableKeyCountsWholeDaysAndIsZeroWithoutADate)
{
    const BWBillsLoader l = loader();
    EXPECT_EQ(l.createSortableDueDate(daysFromNow(0, 23), clock.now()), 0);
    EXPECT_EQ(l.createSortableDueDate(daysFromNow(-1, 23), clock.now()), -86400);
    EXPECT_EQ(l.createSortableDueDate(daysFromNow(3, 0), clock.now()), 3 * 86400);
    EXPECT_EQ(l.createSortableDueDate(QDateTime(), clock.now()), 0);
}

TEST_F(BWBillsLoaderTest, DayDistancesStayWholeDaysAcrossDaylightSavingChanges)
{
    const DueDateTestZone newYork("America/New_York");
    const BWBillsLoader l = loader();

    // Sunday 13 March 2016 has 23 hours.
    ASSERT_EQ(QDate(2016, 3, 13).startOfDay().secsTo(QDate(2016, 3, 14).startOfDay()), 23 * 3600);
    clock.setNow(at(2016, 3, 13, 12));
    EXPECT_EQ(l.createHumanDueDate(at(2016, 3, 14), clock.now()), "Due in 1 day");
    EXPECT_EQ(l.createHumanDueDate(at(2016, 3, 23), clock.now()), "Due in 10 days");

    clock.setNow(at(2016, 3, 14, 12));
    const QDateTime yesterday = at(2016, 3, 13);
    EXPECT_EQ(l.getDaysApart(yesterday, clock.now()), -1);
    EXPECT_EQ(l.createDueIcon(l.createSortableDueDate(yesterday, clock.now()), 0), "red5.png");

    // Sunday 6 November 2016 has 25 hours.
    clock.setNow(at(2016, 11, 6, 12));
    EXPECT_EQ(l.createHumanDueDate(at(2016, 11, 7), clock.now()), "Due in 1 day");
    EXPECT_EQ(l.daysApart(clock.now(), at(2016, 11, 5, 23)), -1);
}

TEST_F(BWBillsLoaderTest, NormalizedDateIsMidnightOfTheLocalDay)
{
    EXPECT_EQ(loader().normalizedDate(at(2016, 3, 8, 23)), QDateTime(QDate(2016, 3, 8), QTime(0, 0)));
}

TEST_F(BWBillsLoaderTest, RepeatTexts)
{
    const BWBillsLoader l = loader();
    const auto text = [&](qlonglong count, qlonglong unit) {
        return l.createHumanRepeat(QVariantList{count, unit}, at(2016, 3, 8));
    };
    EXPECT_EQ(text(1, 0), "Every week");
    EXPECT_EQ(text(2, 0), "Every 2 weeks");
    EXPECT_EQ(text(1, 1), "Twice per month");
    EXPECT_EQ(text(1, 2), "Every month");
    EXPECT_EQ(text(2, 2), "Every 2 months");
    EXPECT_EQ(text(3, 2), "Every quarter");
    EXPECT_EQ(text(12, 2), "Every year");
    EXPECT_EQ(text(1, 3), "Every day");
    EXPECT_EQ(text(10, 3), "Every 10 days");
    EXPECT_EQ(text(0, 4), "Never");
    EXPECT_EQ(text(1, 5), "Every 2nd Tuesday");
    EXPECT_EQ(text(1, 6), "Quarterly tax dates");
    EXPECT_TRUE(text(1, 7).isNull());
    EXPECT_EQ(l.createHumanRepeat(QVariantList{qlonglong(1)}, at(2016, 3, 8)), "Unknown");
    EXPECT_EQ(l.createHumanRepeat(QVariant(), at(2016, 3, 8)), "Every 0 weeks");
}

TEST_F(BWBillsLoaderTest, DateStringsFollowTheLocaleAndSayNeverFarAway)
{
    const BWBillsLoader l = loader();
    const QDateTime due = at(2016, 3, 6, 23);
    EXPECT_EQ(l.createDueDateString(due), "Sun, Mar 6, 2016");
    EXPECT_EQ(l.createMediumDueDateString(due), "Sun, Mar 6");
    EXPECT_EQ(l.createShortDueDateString(due), "Mar 6");
    EXPECT_EQ(l.createVeryShortDueDateString(due), "03/06/2016");
    EXPECT_EQ(l.createDayString(due), "Sunday");
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    EXPECT_EQ(l.createShortDueDateString(due), QString::fromUtf8("6. März"));
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));

    EXPECT_EQ(l.createDueDateString(PropertyList::distantFuture()), "Never");
    EXPECT_EQ(l.createShortDueDateString(PropertyList::distantPast()), "Never");
    EXPECT_EQ(l.createDayString(PropertyList::distantPast()), " ");
    EXPECT_NE(l.createDueDateString(daysFromNow(10000)), "Never");
    EXPECT_EQ(l.createDueDateString(daysFromNow(10001)), "Never");
}

TEST_F(BWBillsLoaderTest, MonthTestsCompareMonthAndYear)
{
    const BWBillsLoader l = loader();
    EXPECT_TRUE(l.isDueDate(at(2016, 3, 31, 23), clock.now()));
    EXPECT_FALSE(l.isDueDate(at(2016, 4, 1, 0), clock.now()));
    EXPECT_FALSE(l.isLastPaidDate(at(2015, 3, 8), clock.now()));
    EXPECT_FALSE(l.isLastPaidDate(PropertyList::distantPast(), clock.now()));
}

TEST_F(BWBillsLoaderTest, SectionsOfAMixedList)
{
    const BWBillsLoader l = loader();
    QVariantMap income = bill(QStringLiteral("Salary"), daysFromNow(-1));
    income.insert(BillKeys::IsIncome, true);
    QVariantMap automatic = bill(QStringLiteral("Loan"), daysFromNow(3));
    automatic.insert(BillKeys::PayType, qlonglong(1));
    const QVariantList list{bill(QStringLiteral("Rent"), daysFromNow(-2)), income,
                            bill(QStringLiteral("Power"), daysFromNow(0)), automatic,
                            bill(QStringLiteral("Water"), daysFromNow(7)), bill(QStringLiteral("Car"), daysFromNow(8))};

    EXPECT_EQ(l.rowsPerSection(list), (QList<qlonglong>{2, 3, 1}));
    EXPECT_EQ(l.sectionCount(list), 3);
    const QVariantMap details = l.dataSourceDetails(list);
    EXPECT_EQ(details.value("TotalSections").toLongLong(), 3);
    EXPECT_EQ(details.value("RowsPerSection").toList(), (QVariantList{qlonglong(2), qlonglong(3), qlonglong(1)}));
    EXPECT_EQ(details.value("Section1").toString(), "Overdue");
    EXPECT_EQ(details.value("Section2").toString(), "Due Soon");
    EXPECT_EQ(details.value("Section3").toString(), "Due Later");

    EXPECT_EQ(l.dueSoonBillsCountingAutomatic(true, list), 4);   // income never counts
    EXPECT_EQ(l.dueSoonBillsCountingAutomatic(false, list), 3);
}

TEST_F(BWBillsLoaderTest, SectionsOfAListDueLaterOnlyAndOfAnEmptyList)
{
    const BWBillsLoader l = loader();
    const QVariantMap later = l.dataSourceDetails({bill(QStringLiteral("Car"), daysFromNow(30))});
    EXPECT_EQ(later.value("TotalSections").toLongLong(), 1);
    EXPECT_EQ(later.value("Section1").toString(), "Due Later");
    EXPECT_EQ(later.value("Section2").toString(), "");
    EXPECT_EQ(later.value("RowsPerSection").toList(), QVariantList{qlonglong(1)});
    EXPECT_FALSE(later.value("OverdueSectionExists").toBool());
    EXPECT_TRUE(later.value("DueLaterSectionExists").toBool());

    const QVariantMap empty = l.dataSourceDetails({});
    EXPECT_EQ(empty.value("TotalSections").toLongLong(), 0);
    EXPECT_EQ(empty.value("RowsInOverdue").toLongLong(), 0);
    EXPECT_FALSE(empty.value("DueSoonSectionExists").toBool());
    EXPECT_EQ(empty.value("Section1").toString(), "");
    EXPECT_EQ(empty.value("Section3").toString(), "Due Later");
}

TEST_F(BWBillsLoaderTest, SmallChoiceTables)
{
    const BWBillsLoader l = loader();
    EXPECT_EQ(l.returnBillsToDisplay(0), 5);
    EXPECT_EQ(l.returnBillsToDisplay(2), 30);
    EXPECT_EQ(l.returnBillsToDisplay(3), 10000);
    EXPECT_EQ(l.calculateIcon(-1), "red.png");
    EXPECT_EQ(l.calculateIcon(15 * 86400 - 1), "yellow.png");
    EXPECT_EQ(l.calculateIcon(15 * 86400), "green.png");
}
