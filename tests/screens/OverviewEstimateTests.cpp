// Bills whose amount varies show what they will probably cost this month.
#include "OverviewTestFixture.h"

#include "store/BWDefaultsKeys.h"

TEST_F(OverviewTest, VaryingBillsShowThisMonthsEstimateUnderTheDefaultSetting)
{
    defaults.registerDefaults({{BWDefaultsKeys::BWUseIntelligenceEstimates, true}});
    QVariantList paid;
    for (const auto& [amount, day] : QList<std::pair<double, QDate>>{
             {40, {2016, 2, 10}}, {50, {2016, 1, 10}}, {60, {2015, 12, 10}}, {70, {2015, 11, 10}}, {900, {2015, 10, 10}}})
        paid.append(QVariantMap{{PaymentKeys::Amount, amount},
                                {PaymentKeys::Date, QDateTime(day, QTime(12, 0)).toUTC()},
                                {PaymentKeys::Note, QString()},
                                {PaymentKeys::Receipt, QString()}});
    storeBill(QStringLiteral("Phone"), 2,
              {{BillKeys::Amount, 0.0}, {BillKeys::AmountVaries, qlonglong(1)}, {BillKeys::PaymentList, paid}});
    storeBill(QStringLiteral("Rent"), 1, {{BillKeys::Amount, 900.0}});
    storeBill(QStringLiteral("New phone"), 3, {{BillKeys::Amount, 0.0}, {BillKeys::AmountVaries, qlonglong(1)}});
    overview->loadOverview();

    EXPECT_EQ(cell(rowOf(QStringLiteral("Phone")), QStringLiteral("Amount")).data().toString(), QStringLiteral("$55.00"));
    EXPECT_EQ(cell(rowOf(QStringLiteral("New phone")), QStringLiteral("Amount")).data().toString(),
              QStringLiteral("Not Set"));

    clickRow(rowOf(QStringLiteral("Rent")));
    clickRow(rowOf(QStringLiteral("Phone")), true);
    EXPECT_EQ(overview->bottomBar().actionText()->text(),
              QStringLiteral("2 bills selected. Estimated amount due: $955.00"));

    defaults.setBool(BWDefaultsKeys::BWUseIntelligenceEstimates, false);
    overview->loadOverview();
    EXPECT_EQ(cell(rowOf(QStringLiteral("Phone")), QStringLiteral("Amount")).data().toString(), QStringLiteral("Not Set"));
}
