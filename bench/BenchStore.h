#pragma once

// A temporary data folder for the benchmarks, and the bills they fill it with:
// 1,000 bills of 60 payments each.

#include <QDir>
#include <QStringList>
#include <QTemporaryDir>
#include <QVariantMap>
#include <cstdio>
#include <functional>

#include "platform/BWUIDMaker.h"
#include "platform/Clock.h"
#include "platform/PropertyList.h"
#include "platform/UserDefaults.h"
#include "store/BWBill.h"
#include "store/BWBillRecordKeys.h"
#include "store/BWRegisteredDefaults.h"
#include "store/BWStoreEnvironment.h"

inline constexpr int kBills = 1000;
inline constexpr int kPaymentsPerBill = 60;

// An empty data folder with its own defaults and a fixed clock.
struct BenchStore
{
    QTemporaryDir root;
    Clock clock;
    UserDefaults defaults{root.filePath("defaults.plist")};
    UserDefaults appGroup{root.filePath("appgroup.plist")};
    BWStoreEnvironment env;

    BenchStore()
    {
        clock.setNow(QDateTime(QDate(2026, 6, 15), QTime(9, 0)));
        env.defaults = &defaults;
        env.appGroup = &appGroup;
        env.clock = &clock;
        env.defaultDataFolder = root.filePath("Orvane.ovdata");
        env.supportFolder = root.path();
        env.dropboxFolder = root.filePath("Dropbox");
        QDir().mkpath(env.defaultDataFolder);
    }
};

// Bill `number` of the set, with 60 monthly payments and one of `tagCount` tags.
inline QVariantMap benchRecord(int number, int tagCount)
{
    QVariantList payments;
    const QDateTime first(QDate(2021, 7, 1), QTime(12, 0), Qt::UTC);
    for (int p = 0; p < kPaymentsPerBill; ++p) {
        payments.append(QVariantMap{{PaymentKeys::Amount, 100.25 + p},
                                    {PaymentKeys::Date, first.addMonths(p)},
                                    {PaymentKeys::Note, QStringLiteral("Payment %1").arg(p)},
                                    {PaymentKeys::Receipt, QString()}});
    }
    return {{BillKeys::Name, QStringLiteral("Bill %1").arg(number)},
            {BillKeys::Bid, BWUIDMaker::makeUID()},
            {BillKeys::Icon, QStringLiteral("GScale_Home")},
            {BillKeys::DueDate, QDateTime(QDate(2026, 6, 1).addDays(number % 60), QTime(12, 0), Qt::UTC)},
            {BillKeys::Repeat, QVariantList{1, 2}},
            {BillKeys::Average, 129.75},
            {BillKeys::LastPayment, first.addMonths(kPaymentsPerBill - 1)},
            {BillKeys::TotalPaid, 7785.0},
            {BillKeys::RemindMe, false},
            {BillKeys::PaySite, QStringLiteral("https://example.com/pay")},
            {BillKeys::PaymentList, payments},
            {BillKeys::ReminderDays, qlonglong(3)},
            {BillKeys::Balance, 0.0},
            {BillKeys::Interest, qlonglong(0)},
            {BillKeys::Notes, QString()},
            {BillKeys::Tags, QVariantList{QStringLiteral("Tag %1").arg(number % tagCount)}},
            {BillKeys::Amount, 129.75},
            {BillKeys::PayType, qlonglong(number % 4)},
            {BillKeys::Rev, 0.0},
            {BillKeys::AmountVaries, qlonglong(0)},
            {BillKeys::IsArchived, false},
            {BillKeys::IsIncome, false}};
}

// Writes every bill through the writer's full write (file, index, tags) and
// returns their ids in order. `vary`, when given, changes bill `number`
// before it is written.
inline QStringList seedBills(BenchStore& store, int tagCount,
                             const std::function<void(QVariantMap& record, int number)>& vary = {})
{
    QStringList ids;
    for (int number = 0; number < kBills; ++number) {
        QVariantMap record = benchRecord(number, tagCount);
        if (vary)
            vary(record, number);
        BWBill(store.env).finishWritingBillWithDictionary(record, false, false);
        ids.append(record.value(BillKeys::Bid).toString());
    }
    return ids;
}

// A data folder filled once with the full set of bills, with the registered
// defaults in place for the writes. `vary`, when given, changes each bill as
// seedBills does.
struct SeededBenchStore : BenchStore
{
    explicit SeededBenchStore(int tagCount, const std::function<void(QVariantMap& record, int number)>& vary = {})
    {
        defaults.registerDefaults(BWRegisteredDefaults::table(clock));
        seedBills(*this, tagCount, vary);
    }
};

// Bill files, index and tag list in `dataFolder` as an earlier run of the
// program leaves them: `bills` bills with `tagCount` tags, each changed by
// `vary` when given. Each bill file is written by the store's own writer of
// a change (stamped fields, payments with ids and stamps); the index and the
// tag list are written once at the end, which the full write of every bill
// would rewrite with each. Returns the ids in index order.
inline QStringList seedDataFolder(const QString& dataFolder, int bills, int tagCount,
                                  const std::function<void(QVariantMap& record, int number)>& vary = {})
{
    QDir().mkpath(dataFolder);
    BenchStore writer;
    writer.env.defaultDataFolder = dataFolder;
    writer.defaults.registerDefaults(BWRegisteredDefaults::table(writer.clock));
    QStringList ids;
    QVariantList tags;
    for (int number = 0; number < bills; ++number) {
        QVariantMap record = benchRecord(number, tagCount);
        if (vary)
            vary(record, number);
        ids.append(record.value(BillKeys::Bid).toString());
        if (!BWBill(writer.env).rewriteBill(record, false, false))
            std::fprintf(stderr, "Bill %d could not be written\n", number);
    }
    for (int tag = 0; tag < tagCount; ++tag)
        tags.append(QStringLiteral("Tag %1").arg(tag));
    PropertyList::write(QDir(dataFolder).filePath("billindex.plist"),
                        QVariantMap{{IndexKeys::ActiveBills, QVariant(ids).toList()},
                                    {IndexKeys::DeletedBills, QVariantList()},
                                    {IndexKeys::ArchivedBills, QVariantList()}});
    PropertyList::write(QDir(dataFolder).filePath("tagindex.plist"), tags);
    return ids;
}
