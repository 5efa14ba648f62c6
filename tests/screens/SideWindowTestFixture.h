#pragma once

#include <QDir>
#include <QLocale>
#include <gtest/gtest.h>

#include "platform/BWUIDMaker.h"
#include "platform/Clock.h"
#include "platform/PropertyList.h"
#include "platform/UserDefaults.h"
#include "store/BWBill.h"
#include "store/BWBillRecordKeys.h"
#include "store/BWDefaultsKeys.h"
#include "store/BWStoreEnvironment.h"
#include "store/DueDateTestSupport.h"
#include "support/TempFolder.h"

// A data folder of its own for the forecast, history and report windows, in
// New York time and US English, with the clock on Tuesday 8 March 2016 at
// 10:00 local time. Items are stored through the store's writer.
class SideWindowTest : public ::testing::Test
{
protected:
    SideWindowTest()
    {
        env.defaults = &defaults;
        env.appGroup = &appGroup;
        env.clock = &clock;
        env.defaultDataFolder = temp.file(QStringLiteral("data/Orvane/Orvane.ovdata"));
        env.supportFolder = temp.file(QStringLiteral("data/Orvane"));
        clock.setNow(localMoment(2016, 3, 8, 10));
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        defaults.registerDefaults({{BWDefaultsKeys::BWIncludeSaveAmount, true}, {BWDefaultsKeys::BWEnableIncome, true}});
    }
    ~SideWindowTest() override { QLocale::setDefault(m_savedLocale); }

    // A bill of `amount` repeating by `repeat` ([count, unit]), with `changes`.
    static QVariantMap bill(const QString& name, const QDateTime& dueDate, const QVariantList& repeat, double amount,
                            const QVariantMap& changes = {})
    {
        QVariantMap record{{BillKeys::Name, name},
                           {BillKeys::Bid, BWUIDMaker::makeUID()},
                           {BillKeys::Icon, QStringLiteral("GScale_Home")},
                           {BillKeys::DueDate, dueDate},
                           {BillKeys::Repeat, repeat},
                           {BillKeys::Amount, amount},
                           {BillKeys::PaymentList, QVariantList{}},
                           {BillKeys::Tags, QVariantList{}},
                           {BillKeys::PayType, qlonglong(0)},
                           {BillKeys::AmountVaries, qlonglong(0)},
                           {BillKeys::IsArchived, false},
                           {BillKeys::IsIncome, false}};
        for (auto change = changes.begin(); change != changes.end(); ++change)
            record.insert(change.key(), change.value());
        return record;
    }
    static QVariantMap payment(double amount, const QDateTime& date)
    {
        return {{PaymentKeys::Amount, amount}, {PaymentKeys::Date, date}, {PaymentKeys::Note, QString()},
                {PaymentKeys::Receipt, QString()}};
    }
    // Stores the record as a new active item and returns its id.
    QString store(const QVariantMap& record) const
    {
        EXPECT_TRUE(BWBill(env).finishWritingBillWithDictionary(record, false, false));
        return record.value(BillKeys::Bid).toString();
    }
    // Lists an active item in the index's archived list as well.
    void alsoListAsArchived(const QString& billID) const
    {
        const QString path = QDir(env.defaultDataFolder).filePath(DataFolderFiles::BillIndex);
        QVariantMap index = PropertyList::read(path).value.toMap();
        index.insert(IndexKeys::ArchivedBills, QVariantList{billID});
        ASSERT_TRUE(PropertyList::write(path, index));
    }

    static QStringList names(const QVariantList& rows)
    {
        QStringList result;
        for (const QVariant& row : rows)
            result.append(row.toMap().value(BillKeys::Name).toString());
        return result;
    }

    DueDateTestZone zone;
    TempFolder temp;
    UserDefaults defaults{UserDefaults::standardPath(temp.file(QStringLiteral("config")))};
    UserDefaults appGroup{UserDefaults::suitePath(temp.file(QStringLiteral("config")), QStringLiteral("group"))};
    Clock clock;
    BWStoreEnvironment env;

private:
    QLocale m_savedLocale;
};
