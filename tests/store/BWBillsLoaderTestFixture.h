#pragma once

#include <QDir>
#include <gtest/gtest.h>

#include "support/TempStoreEnvironment.h"
#include "support/TestBillRecords.h"
#include "support/UsEnglishLocale.h"
#include "platform/BWUIDMaker.h"
#include "platform/PropertyList.h"
#include "store/BWBillRecordKeys.h"
#include "store/BWBillsLoader.h"

// A data folder, standard defaults, an app-group suite and a clock of their
// own, standing on Tuesday 8 March 2016 at 10:00 local time, in US English.
class BWBillsLoaderTest : public ::testing::Test, protected TempStoreEnvironment
{
protected:
    BWBillsLoaderTest() : TempStoreEnvironment(QStringLiteral("data/Orvane/Orvane.ovdata"))
    {
        defaults.registerDefaults({{QStringLiteral("BWDueSoonDays"), 7}, {QStringLiteral("BWEnableIncome"), true}});
        clock.setNow(at(2016, 3, 8, 10));
    }

    static QDateTime at(int year, int month, int day, int hour = 9)
    {
        return QDateTime(QDate(year, month, day), QTime(hour, 0));
    }
    // A moment `days` calendar days from the clock's today.
    QDateTime daysFromNow(int days, int hour = 9) const
    {
        return QDateTime(clock.today().addDays(days), QTime(hour, 0));
    }

    BWBillsLoader loader() const { return BWBillsLoader(env); }
    QString dataFolder() const { return env.defaultDataFolder; }

    static QVariantMap bill(const QString& name, const QDateTime& dueDate)
    {
        return {{BillKeys::Name, name},
                {BillKeys::DueDate, dueDate.toUTC()},
                {BillKeys::Repeat, QVariantList{qlonglong(1), qlonglong(2)}},
                {BillKeys::PayType, qlonglong(0)},
                {BillKeys::LastPayment, PropertyList::distantPast()},
                {BillKeys::Tags, QVariantList{}},
                {BillKeys::IsArchived, false},
                {BillKeys::IsIncome, false}};
    }
    // Writes the record under a fresh id and returns the id.
    QString writeBill(QVariantMap record) const
    {
        const QString id = BWUIDMaker::makeUID();
        record.insert(BillKeys::Bid, id);
        QDir().mkpath(dataFolder());
        EXPECT_TRUE(PropertyList::write(QDir(dataFolder()).filePath(id + QStringLiteral(".plist")), record));
        return id;
    }
    void writeIndex(const QStringList& active, const QStringList& deleted = {},
                    const QStringList& archived = {}) const
    {
        QDir().mkpath(dataFolder());
        const QVariantMap index{{IndexKeys::ActiveBills, QVariant(active).toList()},
                                {IndexKeys::DeletedBills, QVariant(deleted).toList()},
                                {IndexKeys::ArchivedBills, QVariant(archived).toList()}};
        EXPECT_TRUE(PropertyList::write(QDir(dataFolder()).filePath(QStringLiteral("billindex.plist")), index));
    }

    static QStringList names(const std::optional<QVariantList>& bills)
    {
        QStringList result;
        for (const QVariant& record : bills.value_or(QVariantList()))
            result.append(record.toMap().value(BillKeys::Name).toString());
        return result;
    }

    UsEnglishLocale locale;
};
