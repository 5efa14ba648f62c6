// The bill table's cells, due colours, sorting by column and the optional
// columns.
#include "OverviewTestFixture.h"

#include <QHeaderView>
#include <QImage>
#include <QPainter>

#include "screens/BWTableCellView.h"
#include "store/BWBillsLoader.h"

namespace {

// The colour painted at the centre of the cell's due dot.
QColor paintedDotColor(const BWTableCellView& cell)
{
    QImage canvas(300, 40, QImage::Format_ARGB32);
    canvas.fill(Qt::black);
    QPainter painter(&canvas);
    cell.paint(painter, QRect(0, 0, 300, 40), QFont());
    painter.end();
    return canvas.pixelColor(4 + 5, 20);
}

}  // namespace

TEST_F(OverviewTest, DueDotsAreRedWhenOverdueYellowWhenDueSoonGreenLaterAndBlueForAutomaticBills)
{
    storeBill(QStringLiteral("Overdue"), -1);
    storeBill(QStringLiteral("Today"), 0);
    storeBill(QStringLiteral("Soon"), 7);
    storeBill(QStringLiteral("Later"), 8);
    storeBill(QStringLiteral("Automatic"), 30, {{BillKeys::PayType, qlonglong(1)}});
    overview->loadOverview();

    const QStringList expected = {"red5.png", "yellow5.png", "yellow5.png", "green5.png", "blue5.png"};
    const QList<QColor> colors = {QColor(255, 59, 48), QColor(255, 204, 0), QColor(255, 204, 0),
                                  QColor(52, 199, 89), QColor(0, 122, 255)};
    for (int row = 0; row < expected.size(); ++row) {
        const QModelIndex due = cell(row, QStringLiteral("NextDue"));
        EXPECT_EQ(due.data(BWOverviewTableModel::ImageNameRole).toString(), expected.at(row)) << row;
        EXPECT_EQ(paintedDotColor(overview->tableModel()->cellView(due)), colors.at(row)) << row;
    }

    // The table draws the same dots through its delegate.
    QTableView* table = overview->billTable();
    const QImage shown = table->viewport()->grab().toImage();
    for (int row = 0; row < expected.size(); ++row) {
        const QRect frame = table->visualRect(cell(row, QStringLiteral("NextDue")));
        const QPoint dotCentre(frame.left() + 4 + 5, frame.center().y());
        EXPECT_EQ(QColor(shown.pixel(dotCentre * shown.devicePixelRatio())), colors.at(row)) << row;
    }
}

TEST_F(OverviewTest, NameCellDetailFollowsTheChosenDetail)
{
    storeBill(QStringLiteral("Rent"), 3,
              {{BillKeys::Tags, QVariantList{"Home", "Fixed"}}, {BillKeys::PayType, qlonglong(2)}});
    overview->loadOverview();
    const QModelIndex name = cell(0, QStringLiteral("Name"));
    EXPECT_EQ(name.data().toString(), QStringLiteral("Rent"));
    EXPECT_EQ(name.data(BWOverviewTableModel::DetailTextRole).toString(), QStringLiteral("Repeats: Every month"));
    EXPECT_EQ(name.data(BWOverviewTableModel::ImageNameRole).toString(), QStringLiteral("GScale_Home"));

    defaults.setInteger(QStringLiteral("BW_WhatToShowOnOverview"), 1);
    overview->loadOverview();
    EXPECT_EQ(cell(0, "Name").data(BWOverviewTableModel::DetailTextRole).toString(), QStringLiteral("Paid: Mail"));

    defaults.setInteger(QStringLiteral("BW_WhatToShowOnOverview"), 2);
    overview->loadOverview();
    EXPECT_EQ(cell(0, "Name").data(BWOverviewTableModel::DetailTextRole).toString(), QStringLiteral("Home, Fixed"));

    defaults.setInteger(QStringLiteral("BW_WhatToShowOnOverview"), 5);
    overview->loadOverview();
    EXPECT_TRUE(cell(0, "Name").data(BWOverviewTableModel::DetailTextRole).toString().isEmpty());
}

TEST_F(OverviewTest, NextDueDetailNamesArchivedAndUndatedItems)
{
    const QString gym = storeBill(QStringLiteral("Gym"), 4);
    ASSERT_TRUE(BWBill(env).archiveBillWithBid(gym));

    chooseList(BWOverviewController::ArchivedItems);

    EXPECT_EQ(cell(0, "NextDue").data(BWOverviewTableModel::DetailTextRole).toString(), QStringLiteral("Archived"));
}

TEST_F(OverviewTest, NextDueDetailTellsWhyADateWasShifted)
{
    BWOverviewTableModel model(env);
    QVariantMap shifted{{BillKeys::DueString, QStringLiteral("Fri, Mar 11, 2016")},
                        {BillKeys::DateWasModified, qlonglong(1)}};
    QVariantMap undated{{BillKeys::DueString, QStringLiteral("Never")}, {BillKeys::DateWasModified, qlonglong(3)}};
    QVariantMap vacation = shifted;
    vacation.insert(BillKeys::DateWasModified, qlonglong(3));
    model.setRecords({shifted, undated, vacation});
    const int column = model.columnOf(QStringLiteral("NextDue"));

    EXPECT_EQ(model.index(0, column).data(BWOverviewTableModel::DetailTextRole).toString(),
              QStringLiteral("Fri, Mar 11, 2016 (adjusted for weekend)"));
    EXPECT_EQ(model.index(1, column).data(BWOverviewTableModel::DetailTextRole).toString(),
              QStringLiteral("No Due Date"));
    EXPECT_EQ(model.index(2, column).data(BWOverviewTableModel::DetailTextRole).toString(),
              QStringLiteral("Fri, Mar 11, 2016 (adjusted for vacation)"));
}

TEST_F(OverviewTest, AmountCellShowsASetAmountAnEstimateOrNotSet)
{
    BWOverviewTableModel model(env);
    model.setAmountEstimate([](const QVariantMap& bill) { return bill.value(BillKeys::Average).toDouble(); });
    const QVariantMap fixed{{BillKeys::Amount, 45.5}};
    const QVariantMap halfDollarVaries{{BillKeys::Amount, 0.5}, {BillKeys::AmountVaries, qlonglong(1)},
                                       {BillKeys::Average, 80.0}};
    const QVariantMap noEstimate{{BillKeys::Amount, 0.0}, {BillKeys::AmountVaries, qlonglong(1)}};
    model.setRecords({fixed, halfDollarVaries, noEstimate});
    const int column = model.columnOf(QStringLiteral("Amount"));
    const auto text = [&](int row) { return model.index(row, column).data().toString(); };
    const auto color = [&](int row) { return model.index(row, column).data(Qt::ForegroundRole).value<QColor>(); };

    EXPECT_EQ(text(0), QStringLiteral("$45.50"));
    EXPECT_EQ(text(1), QStringLiteral("Not Set"));
    EXPECT_EQ(color(1), BWTableCellView::controlTextColor());

    model.setDisplayOptions({0, true});
    EXPECT_EQ(text(0), QStringLiteral("$45.50"));
    EXPECT_EQ(text(1), QStringLiteral("$80.00"));
    EXPECT_EQ(color(1), BWTableCellView::secondaryLabelColor());
    EXPECT_EQ(text(2), QStringLiteral("Not Set"));
    EXPECT_EQ(color(2), BWTableCellView::secondaryLabelColor());
}

// The texts of amounts are kept between paints; each still reads as the
// store formats that amount in the locale in use, a negative zero and the
// amounts of another locale among them.
TEST_F(OverviewTest, AmountTextsKeptBetweenPaintsFollowTheAmountAndTheLocale)
{
    BWOverviewTableModel model(env);
    const QList<double> amounts{45.5, 45.5, 1200.0, 0.0, -0.0, 0.005, 1e9, -12.25, 45.5};
    QVariantList records;
    for (double amount : amounts)
        records.append(QVariantMap{{BillKeys::Balance, amount}});
    model.setRecords(records);
    const int column = model.columnOf(QStringLiteral("Balance"));
    const auto expectShownAsTheStoreFormats = [&](const char* locale) {
        for (int row = 0; row < amounts.size(); ++row)
            EXPECT_EQ(model.index(row, column).data().toString(),
                      BWBillsLoader(env).currencyFormattedNumber(amounts.at(row)))
                << locale << " row " << row;
    };
    expectShownAsTheStoreFormats("en_US");
    expectShownAsTheStoreFormats("en_US, kept");
    {
        const QLocale before;
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        expectShownAsTheStoreFormats("de_DE");
        QLocale::setDefault(before);
    }
    expectShownAsTheStoreFormats("en_US again");
}

TEST_F(OverviewTest, MoneyColumnsShowZeroForIncomeAndIncomeRowsCarryTheLine)
{
    storeBill(QStringLiteral("Loan"), 3, {{BillKeys::Balance, 1200.0}, {BillKeys::Average, 310.25}});
    storeBill(QStringLiteral("Salary"), 4, {{BillKeys::IsIncome, true}, {BillKeys::Average, 2000.0}});
    overview->loadOverview();

    EXPECT_EQ(cell(0, "Balance").data().toString(), QStringLiteral("$1,200.00"));
    EXPECT_EQ(cell(0, "Average").data().toString(), QStringLiteral("$310.25"));
    EXPECT_EQ(cell(1, "Average").data().toString(), QStringLiteral("$0.00"));
    EXPECT_FALSE(cell(0, "Amount").data(BWOverviewTableModel::SeparatorLineRole).toBool());
    EXPECT_TRUE(cell(1, "Amount").data(BWOverviewTableModel::SeparatorLineRole).toBool());
}

TEST_F(OverviewTest, LastPaidShowsTheNewestPaymentOrNever)
{
    const QVariantList payments{
        QVariantMap{{PaymentKeys::Amount, 61.0}, {PaymentKeys::Date, localMoment(2016, 2, 29, 12)}},
        QVariantMap{{PaymentKeys::Amount, 40.0}, {PaymentKeys::Date, localMoment(2016, 1, 4, 12)}}};
    storeBill(QStringLiteral("Paid"), 3, {{BillKeys::PaymentList, payments}});
    storeBill(QStringLiteral("Unpaid"), 4);
    overview->loadOverview();

    EXPECT_EQ(cell(0, "LastPaid").data().toString(), QStringLiteral("Feb 29, 2016"));
    EXPECT_EQ(cell(0, "LastPaid").data(BWOverviewTableModel::DetailTextRole).toString(), QStringLiteral("$61.00"));
    EXPECT_EQ(cell(1, "LastPaid").data().toString(), QStringLiteral("Never"));
    EXPECT_EQ(cell(1, "LastPaid").data(BWOverviewTableModel::DetailTextRole).toString(),
              QStringLiteral("No Payments"));
}

TEST_F(OverviewTest, ClickedColumnSortsFirstAndTheEarlierOrderBreaksTies)
{
    storeBill(QStringLiteral("beta"), 1, {{BillKeys::Amount, 20.0}});
    storeBill(QStringLiteral("Alpha"), 2, {{BillKeys::Amount, 10.0}});
    storeBill(QStringLiteral("Gamma"), 3, {{BillKeys::Amount, 20.0}});
    overview->loadOverview();
    QHeaderView* header = overview->billTable()->horizontalHeader();

    header->setSortIndicator(overview->tableModel()->columnOf(QStringLiteral("Name")), Qt::AscendingOrder);
    EXPECT_EQ(shownNames(), QStringList({"Alpha", "beta", "Gamma"}));

    header->setSortIndicator(overview->tableModel()->columnOf(QStringLiteral("Amount")), Qt::DescendingOrder);
    EXPECT_EQ(shownNames(), QStringList({"beta", "Gamma", "Alpha"}));
    EXPECT_EQ(overview->sortDescriptors().first(), (BWSortDescriptor{BillKeys::Amount, false}));
    EXPECT_EQ(overview->sortDescriptors().size(), 3);

    // The next load keeps the order.
    overview->loadOverview();
    EXPECT_EQ(shownNames(), QStringList({"beta", "Gamma", "Alpha"}));
}

TEST_F(OverviewTest, OptionalColumnsFollowTheirSettings)
{
    overview->loadOverview();
    const auto hidden = [&](const QString& column) {
        return overview->billTable()->isColumnHidden(overview->tableModel()->columnOf(column));
    };
    EXPECT_FALSE(hidden(QStringLiteral("Average")));
    EXPECT_FALSE(hidden(QStringLiteral("Amount")));
    EXPECT_TRUE(hidden(QStringLiteral("Balance")));
    EXPECT_TRUE(hidden(QStringLiteral("LastPaid")));

    defaults.setBool(QStringLiteral("Amount"), false);
    defaults.setBool(QStringLiteral("LastPaid"), true);
    overview->updateTableColumnVisibility();
    EXPECT_TRUE(hidden(QStringLiteral("Amount")));
    EXPECT_FALSE(hidden(QStringLiteral("LastPaid")));
    EXPECT_FALSE(hidden(QStringLiteral("Name")));
}

TEST_F(OverviewTest, ColumnWidthsOutliveTheOverview)
{
    overview->loadOverview();
    const int average = overview->tableModel()->columnOf(QStringLiteral("Average"));
    QHeaderView* header = overview->billTable()->horizontalHeader();
    header->resizeSection(average, 173);
    // The layout is saved a moment after the last change.
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return defaults.objectForKey(BWDefaultsKeys::BWBillTableColumns).toByteArray() == header->saveState(); },
        10000));

    BWOverviewController another(env);
    another.loadOverview();

    EXPECT_EQ(another.billTable()->horizontalHeader()->sectionSize(average), 173);
    EXPECT_EQ(another.sortDescriptors(), (QList<BWSortDescriptor>{{BillKeys::SortableDueDate, true}}));
}
