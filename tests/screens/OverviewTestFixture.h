#pragma once

#include <QTest>
#include <memory>

#include "platform/SoundPlayer.h"
#include "screens/BWLogPaymentController.h"
#include "screens/BWOverviewController.h"
#include "widgets/BGHUDLabel.h"
#include "widgets/BGHUDSearchField.h"
#include "widgets/BWPopupButton.h"
#include "support/ScreenTestStore.h"

// An overview over a data folder of its own, with the clock on Tuesday 8
// March 2016 at 10:00 local time.
class OverviewTest : public ScreenTestStore
{
protected:
    OverviewTest()
        : ScreenTestStore(QDate(2016, 3, 8), QTime(10, 0))
    {
        defaults.registerDefaults({{QStringLiteral("BWDueSoonDays"), 7},
                                   {QStringLiteral("BWEnableIncome"), true},
                                   {QStringLiteral("BWShowPaydaysOnOverview"), 1},
                                   {QStringLiteral("BW_WhatToShowOnOverview"), 0},
                                   {QStringLiteral("Average"), true},
                                   {QStringLiteral("Amount"), true},
                                   {QStringLiteral("Balance"), false},
                                   {QStringLiteral("LastPaid"), false}});
        overview = std::make_unique<BWOverviewController>(env);
        overview->list()->resize(900, 700);
        overview->list()->show();
    }

    // A moment on the day `days` from today, at 09:00 local time.
    QDateTime inDays(int days) const { return QDateTime(clock.today().addDays(days), QTime(9, 0)).toUTC(); }

    QString storeBill(const QString& name, int dueInDays, const QVariantMap& changes = {}) const
    {
        return store(bill(name, inDays(dueInDays), changes));
    }

    QStringList shownNames() const { return names(overview->dataSourceFiltered()); }
    int rowOf(const QString& name) const { return int(shownNames().indexOf(name)); }
    QList<int> selectedRows() const
    {
        QList<int> rows;
        for (const QModelIndex& index : overview->billTable()->selectionModel()->selectedRows())
            rows.append(index.row());
        std::sort(rows.begin(), rows.end());
        return rows;
    }
    // Clicks the row, holding Control to add it to the selection.
    void clickRow(int row, bool adding = false) const
    {
        QTableView* table = overview->billTable();
        QTest::mouseClick(table->viewport(), Qt::LeftButton, adding ? Qt::ControlModifier : Qt::NoModifier,
                          table->visualRect(cell(row, QStringLiteral("Name"))).center());
    }
    void chooseList(int index) const
    {
        overview->header().tagDropdown()->setCurrentIndex(index);
        overview->tagListItemSelected();
    }
    QModelIndex cell(int row, const QString& column) const
    {
        return overview->tableModel()->index(row, overview->tableModel()->columnOf(column));
    }

    std::unique_ptr<BWOverviewController> overview;
};
