#pragma once

#include <QDir>
#include <QLocale>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

#include "platform/BWUIDMaker.h"
#include "platform/Clock.h"
#include "platform/PropertyList.h"
#include "platform/SoundPlayer.h"
#include "platform/UserDefaults.h"
#include "screens/BWLogPaymentController.h"
#include "screens/BWOverviewController.h"
#include "store/BWBill.h"
#include "store/BWBillRecordKeys.h"
#include "store/BWStoreEnvironment.h"
#include "store/DueDateTestSupport.h"
#include "widgets/BWPopupButton.h"
#include "support/TempFolder.h"

// An overview over a data folder of its own, in New York time and US
// English, with the clock on Tuesday 8 March 2016 at 10:00 local time. Bills
// are written through the store's writer, as the editor would store them.
class OverviewTest : public ::testing::Test
{
protected:
    OverviewTest()
    {
        env.defaults = &defaults;
        env.appGroup = &appGroup;
        env.clock = &clock;
        env.defaultDataFolder = temp.file(QStringLiteral("data/Orvane/Orvane.ovdata"));
        env.supportFolder = temp.file(QStringLiteral("data/Orvane"));
        clock.setNow(localMoment(2016, 3, 8, 10));
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
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
    ~OverviewTest() override { QLocale::setDefault(m_savedLocale); }

    // A moment on the day `days` from today, at 09:00 local time.
    QDateTime inDays(int days) const { return QDateTime(clock.today().addDays(days), QTime(9, 0)).toUTC(); }

    // A monthly bill of 50.00 due in `days` days, with `changes` applied.
    static QVariantMap bill(const QString& name, const QDateTime& dueDate, const QVariantMap& changes = {})
    {
        QVariantMap record{{BillKeys::Name, name},
                           {BillKeys::Bid, BWUIDMaker::makeUID()},
                           {BillKeys::Icon, QStringLiteral("GScale_Home")},
                           {BillKeys::DueDate, dueDate},
                           {BillKeys::Repeat, QVariantList{qlonglong(1), qlonglong(2)}},
                           {BillKeys::Average, 0.0},
                           {BillKeys::LastPayment, PropertyList::distantPast()},
                           {BillKeys::TotalPaid, 0.0},
                           {BillKeys::RemindMe, false},
                           {BillKeys::PaySite, QString()},
                           {BillKeys::PaymentList, QVariantList{}},
                           {BillKeys::ReminderDays, qlonglong(3)},
                           {BillKeys::Balance, 0.0},
                           {BillKeys::Interest, 0.0},
                           {BillKeys::Notes, QString()},
                           {BillKeys::Tags, QVariantList{}},
                           {BillKeys::Amount, 50.0},
                           {BillKeys::PayType, qlonglong(0)},
                           {BillKeys::Rev, 0.0},
                           {BillKeys::AmountVaries, qlonglong(0)},
                           {BillKeys::IsArchived, false},
                           {BillKeys::IsIncome, false}};
        for (auto change = changes.begin(); change != changes.end(); ++change)
            record.insert(change.key(), change.value());
        return record;
    }
    // Stores the bill as a new active item and returns its id.
    QString store(const QVariantMap& record) const
    {
        EXPECT_TRUE(BWBill(env).finishWritingBillWithDictionary(record, false, false));
        return record.value(BillKeys::Bid).toString();
    }
    QString storeBill(const QString& name, int dueInDays, const QVariantMap& changes = {}) const
    {
        return store(bill(name, inDays(dueInDays), changes));
    }

    QVariantMap storedFile(const QString& billID) const
    {
        return PropertyList::read(QDir(env.defaultDataFolder).filePath(billID + QStringLiteral(".plist")))
            .value.toMap();
    }

    static QStringList names(const QVariantList& records)
    {
        QStringList result;
        for (const QVariant& record : records)
            result.append(record.toMap().value(BillKeys::Name).toString());
        return result;
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
        overview->tagDropdown()->setCurrentIndex(index);
        overview->tagListItemSelected();
    }
    QModelIndex cell(int row, const QString& column) const
    {
        return overview->tableModel()->index(row, overview->tableModel()->columnOf(column));
    }

    DueDateTestZone zone;
    TempFolder temp;
    UserDefaults defaults{UserDefaults::standardPath(temp.file(QStringLiteral("config")))};
    UserDefaults appGroup{UserDefaults::suitePath(temp.file(QStringLiteral("config")), QStringLiteral("group"))};
    Clock clock;
    BWStoreEnvironment env;
    std::unique_ptr<BWOverviewController> overview;

private:
    QLocale m_savedLocale;
};
