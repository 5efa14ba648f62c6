#pragma once

#include "platform/CloudDatabase.h"

#include <QHash>
#include <QList>
#include <QMap>
#include <QObject>
#include <QRandomGenerator>
#include <QStringList>

#include <functional>
#include <optional>

class MemoryCloudDatabase;

// The records of one cloud account held in memory, with any number of
// devices as clients (MemoryCloudDatabase). It stands in for the real
// service in tests and benchmarks and can make the network misbehave:
// requests and replies lost, late or out of order, an expired sign-in, a
// rate limit, a failing batch of a query, or a seeded random mix of these.
class MemoryCloudServer : public QObject
{
    Q_OBJECT

public:
    enum class Operation { Any, Fetch, Save, Delete, Query, Subscribe, Push };

    enum class Fault {
        None,
        DropRequest,   // lost on the way in: not applied, the caller hears NetworkFailure
        DropReply,     // applied, but the caller hears NetworkFailure
        Delay,         // applied and answered after the delay
        Reorder,       // held back until the next message to the same device went out
        ExpiredToken,  // refused with NotAuthenticated
        RateLimit,     // refused with RateLimited and the retry-after seconds
    };

    explicit MemoryCloudServer(QObject* parent = nullptr);
    ~MemoryCloudServer() override;

    // Where modification dates come from; without a clock each save takes
    // the next second after a fixed start.
    void setClock(std::function<QDateTime()> clock) { m_clock = std::move(clock); }
    // Records per query batch (at least 1).
    void setBatchSize(int size) { m_batchSize = qMax(1, size); }
    int batchSize() const { return m_batchSize; }
    // How late a delayed message arrives, and how long a held-back message
    // waits at most for another one to overtake it.
    void setDelayMilliseconds(int milliseconds) { m_delayMilliseconds = qMax(0, milliseconds); }
    int delayMilliseconds() const { return m_delayMilliseconds; }
    void setRetryAfterSeconds(int seconds) { m_retryAfterSeconds = seconds; }

    // The next `times` operations of that kind meet the fault. `Any` matches
    // every request but not pushes, which are only hit when named.
    void injectFault(Fault fault, Operation operation = Operation::Any, int times = 1);
    // The next query that reaches batch `batchIndex` (0 = the first) fails
    // with `code`; asking again with the same cursor then succeeds.
    void failQueryBatch(int batchIndex, CloudError::Code code = CloudError::NetworkFailure);
    // Every message (request or push) meets one of `kinds` with probability
    // `rate`, drawn from a generator seeded with `seed`. A rate of 0 stops it.
    void setRandomFaults(double rate, quint32 seed,
                         const QList<Fault>& kinds = {Fault::DropRequest, Fault::DropReply, Fault::Delay,
                                                      Fault::Reorder});

    int faultCount(Fault fault) const { return m_faultCounts.value(fault); }
    int totalFaults() const;
    int requestCount() const { return m_requestCount; }
    int pushCount() const { return m_pushCount; }

    // What the server holds, read directly (no faults, no delay).
    std::optional<CloudRecord> record(const QString& recordName) const;
    QList<CloudRecord> records(const QString& recordType) const;
    int subscriptionCount() const;

private:
    friend class MemoryCloudDatabase;

    struct Subscription
    {
        QString recordType;
        QList<CloudDatabase::ChangeReason> reasons;
    };
    struct ScriptedFault
    {
        Fault fault;
        Operation operation;
        int remaining;
    };
    struct QuerySnapshot
    {
        QString recordType;
        QStringList recordNames;
    };
    struct FetchResult
    {
        std::optional<CloudRecord> record;
        CloudError error;
    };
    struct SaveResult
    {
        CloudRecord record;
        CloudError error;
    };
    struct QueryResult
    {
        CloudQueryBatch batch;
        CloudError error;
    };

    // Called by the clients.
    void attach(MemoryCloudDatabase* client);
    void detach(MemoryCloudDatabase* client);
    Fault drawFault(Operation operation);
    FetchResult fetch(const QString& recordName) const;
    SaveResult save(MemoryCloudDatabase* writer, const CloudRecord& record);
    CloudError remove(MemoryCloudDatabase* writer, const QString& recordName);
    QueryResult query(const QString& recordType, const QString& cursor);
    void subscribe(MemoryCloudDatabase* client, const QString& subscriptionID, const Subscription& subscription);
    CloudError refusal(Fault fault) const;

    QDateTime nextModificationDate();
    void announce(MemoryCloudDatabase* writer, const QString& recordType, const QString& recordName,
                  CloudDatabase::ChangeReason reason);
    QueryResult batchFrom(const QString& queryID, int offset);

    QMap<QString, CloudRecord> m_records;
    QList<MemoryCloudDatabase*> m_clients;
    QHash<MemoryCloudDatabase*, QMap<QString, Subscription>> m_subscriptions;
    QHash<QString, QuerySnapshot> m_queries;
    QList<ScriptedFault> m_scriptedFaults;
    QMap<int, CloudError::Code> m_failingBatches;
    QMap<Fault, int> m_faultCounts;

    std::function<QDateTime()> m_clock;
    QDateTime m_lastDate;
    qint64 m_nextTag = 1;
    int m_nextQueryID = 1;
    int m_batchSize = 100;
    int m_delayMilliseconds = 20;
    int m_retryAfterSeconds = 3;
    int m_requestCount = 0;
    int m_pushCount = 0;

    double m_randomRate = 0.0;
    QList<Fault> m_randomKinds;
    QRandomGenerator m_random;
};
