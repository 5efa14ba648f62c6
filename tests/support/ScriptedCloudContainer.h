#pragma once

#include "platform/CloudDatabase.h"

#include <QStringList>
#include <QTimer>

// A cloud whose account status a test sets, over an empty database that
// notes what it was asked. Answers come from the event loop, as real ones do.
class ScriptedCloudDatabase : public CloudDatabase
{
public:
    QStringList calls;
    int unanswered = 0;

    void fetchRecord(const QString& recordName, FetchCompletion completion) override
    {
        calls << QStringLiteral("fetch ") + recordName;
        later([completion] { completion(std::nullopt, {CloudError::NotFound, QStringLiteral("none"), 0}); });
    }
    void saveRecord(const CloudRecord& record, SaveCompletion completion) override
    {
        calls << QStringLiteral("save ") + record.recordName;
        later([completion, record] { completion(record, CloudError::ok()); });
    }
    void deleteRecord(const QString& recordName, DeleteCompletion completion) override
    {
        calls << QStringLiteral("delete ") + recordName;
        later([completion] { completion(CloudError::ok()); });
    }
    void queryRecords(const QString& recordType, const QString&, QueryCompletion completion) override
    {
        calls << QStringLiteral("query ") + recordType;
        later([completion] { completion({}, CloudError::ok()); });
    }
    void saveSubscription(const QString& subscriptionID, const QString&, const QList<ChangeReason>&,
                          DeleteCompletion completion) override
    {
        calls << QStringLiteral("subscribe ") + subscriptionID;
        later([completion] { completion(CloudError::ok()); });
    }

private:
    void later(std::function<void()> answer)
    {
        ++unanswered;
        QTimer::singleShot(0, this, [this, answer = std::move(answer)] {
            answer();
            --unanswered;
        });
    }
};

class ScriptedCloudContainer : public CloudContainer
{
public:
    AccountStatus status = Available;
    ScriptedCloudDatabase database;

    void accountStatus(std::function<void(AccountStatus)> completion) override
    {
        ++m_unansweredStatus;
        QTimer::singleShot(0, this, [this, completion] {
            completion(status);
            --m_unansweredStatus;
        });
    }
    CloudDatabase* privateDatabase() override { return &database; }

    // No call waits for its answer, including calls made by answers.
    bool answeredAll() const { return m_unansweredStatus == 0 && database.unanswered == 0; }

private:
    int m_unansweredStatus = 0;
};
