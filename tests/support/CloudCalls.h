#pragma once

#include "platform/CloudDatabase.h"

#include <QTest>

#include <gtest/gtest.h>

#include <optional>
#include <utility>

// Calls on a cloud database that wait for their completion, for tests that
// are not about timing.
namespace CloudCalls {

struct SaveOutcome
{
    CloudRecord record;
    CloudError error;
};

struct Change
{
    QString recordName;
    int reason;
    bool operator==(const Change&) const = default;
};

inline const QList<CloudDatabase::ChangeReason> AllReasons = {
    CloudDatabase::RecordCreated, CloudDatabase::RecordUpdated, CloudDatabase::RecordDeleted};

// A bill id made from a number, so that tests name records readably.
inline QString billName(int number)
{
    return QStringLiteral("%1").arg(number, 32, 16, QLatin1Char('0')).toUpper();
}

inline CloudRecord billRecord(const QString& name, const QString& title, const QString& changeTag = {})
{
    CloudRecord record;
    record.recordType = QStringLiteral("Bill");
    record.recordName = name;
    record.fields = {{QStringLiteral("Name"), title}};
    record.changeTag = changeTag;
    return record;
}

inline CloudRecord indexRecord(const QString& name, const QStringList& ids)
{
    CloudRecord record;
    record.recordType = QStringLiteral("Index");
    record.recordName = name;
    record.fields = {{QStringLiteral("Bids"), ids}};
    return record;
}

template<typename Result, typename Call>
Result waitFor(Call call)
{
    std::optional<Result> outcome;
    call([&](Result result) { outcome = std::move(result); });
    EXPECT_TRUE(QTest::qWaitFor([&] { return outcome.has_value(); }, 10000));
    return outcome.value_or(Result{});
}

inline SaveOutcome save(CloudDatabase* database, const CloudRecord& record)
{
    return waitFor<SaveOutcome>([&](auto done) {
        database->saveRecord(record, [done](const CloudRecord& saved, const CloudError& error) { done({saved, error}); });
    });
}

inline std::pair<std::optional<CloudRecord>, CloudError> fetch(CloudDatabase* database, const QString& name)
{
    return waitFor<std::pair<std::optional<CloudRecord>, CloudError>>([&](auto done) {
        database->fetchRecord(name, [done](const std::optional<CloudRecord>& record, const CloudError& error) {
            done({record, error});
        });
    });
}

inline CloudError remove(CloudDatabase* database, const QString& name)
{
    return waitFor<CloudError>([&](auto done) { database->deleteRecord(name, done); });
}

inline std::pair<CloudQueryBatch, CloudError> query(CloudDatabase* database, const QString& type, const QString& cursor)
{
    return waitFor<std::pair<CloudQueryBatch, CloudError>>([&](auto done) {
        database->queryRecords(type, cursor, [done](const CloudQueryBatch& batch, const CloudError& error) {
            done({batch, error});
        });
    });
}

inline CloudError subscribe(CloudDatabase* database, const QString& id, const QString& type,
                            const QList<CloudDatabase::ChangeReason>& reasons)
{
    return waitFor<CloudError>([&](auto done) { database->saveSubscription(id, type, reasons, done); });
}

}  // namespace CloudCalls
