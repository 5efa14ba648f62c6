#pragma once

#include <QDir>
#include <QLocale>
#include <gtest/gtest.h>

#include "support/TempFolder.h"
#include "platform/BWUIDMaker.h"
#include "platform/Clock.h"
#include "platform/PropertyList.h"
#include "platform/UserDefaults.h"
#include "store/BWBillRecordKeys.h"
#include "store/BWBillsLoader.h"
#include "store/BWStoreEnvironment.h"

// A data folder, standard defaults, an app-group suite and a clock of their
// own, standing on Tuesday 8 March 2016 at 10:00 local time, in US English.
class BWBillsLoaderTest : public ::testing::Test
{
protected:
    BWBillsLoaderTest()
    {
        env.defaults = &defaults;
        env.appGroup = &appGroup;
        env.clock = &clock;
        env.defaultDataFolder = temp.file(QStringLiteral("data/Orvane/Orvane.ovdata"));
        defaults.registerDefaults({{QStringLiteral("BWDueSoonDays"), 7}, {QStringLiteral("BWEnableIncome"), true}});
        clock.setNow(at(2016, 3, 8, 10));
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    }
    ~BWBillsLoaderTest() override { QLocale::setDefault(m_savedLocale); }

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
    static QVariantMap with(QVariantMap record, const QString& key, const QVariant& value)
    {
        record.insert(key, value);
        return record;
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

    TempFolder temp;
    UserDefaults defaults{UserDefaults::standardPath(temp.file(QStringLiteral("config")))};
    UserDefaults appGroup{UserDefaults::suitePath(temp.file(QStringLiteral("config")),
                                                  QStringLiteral("K4TRW8ZP2N.group.Bramwick.Orvane"))};
    Clock clock;
    BWStoreEnvironment env;

private:
    QLocale m_savedLocale;
};
