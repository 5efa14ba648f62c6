#include "support/MemoryCloudServer.h"

#include "support/MemoryCloudDatabase.h"

#include <QTimeZone>

namespace {

// Where the server's own second counter starts when no clock is given.
QDateTime counterStart()
{
    return QDateTime(QDate(2026, 1, 1), QTime(0, 0), QTimeZone::utc());
}

QString cursorFor(const QString& queryID, int offset)
{
    return queryID + QLatin1Char(':') + QString::number(offset);
}

}  // namespace

MemoryCloudServer::MemoryCloudServer(QObject* parent)
    : QObject(parent)
{
}

MemoryCloudServer::~MemoryCloudServer()
{
    // Clients outliving the server see it go through their QPointer.
    m_clients.clear();
}

void MemoryCloudServer::injectFault(Fault fault, Operation operation, int times)
{
    if (fault != Fault::None && times > 0)
        m_scriptedFaults.append({fault, operation, times});
}

void MemoryCloudServer::failQueryBatch(int batchIndex, CloudError::Code code)
{
    m_failingBatches.insert(batchIndex, code);
}

void MemoryCloudServer::setRandomFaults(double rate, quint32 seed, const QList<Fault>& kinds)
{
    m_randomRate = kinds.isEmpty() ? 0.0 : qBound(0.0, rate, 1.0);
    m_randomKinds = kinds;
    m_random.seed(seed);
}

int MemoryCloudServer::totalFaults() const
{
    int total = 0;
    for (int count : m_faultCounts)
        total += count;
    return total;
}

std::optional<CloudRecord> MemoryCloudServer::record(const QString& recordName) const
{
    const auto it = m_records.constFind(recordName);
    if (it == m_records.constEnd())
        return std::nullopt;
    return *it;
}

QList<CloudRecord> MemoryCloudServer::records(const QString& recordType) const
{
    QList<CloudRecord> found;
    for (const CloudRecord& record : m_records) {
        if (record.recordType == recordType)
            found.append(record);
    }
    return found;
}

int MemoryCloudServer::subscriptionCount() const
{
    int count = 0;
    for (const auto& subscriptions : m_subscriptions)
        count += subscriptions.size();
    return count;
}

void MemoryCloudServer::attach(MemoryCloudDatabase* client)
{
    m_clients.append(client);
}

void MemoryCloudServer::detach(MemoryCloudDatabase* client)
{
    m_clients.removeAll(client);
    m_subscriptions.remove(client);
}

MemoryCloudServer::Fault MemoryCloudServer::drawFault(Operation operation)
{
    if (operation == Operation::Push)
        ++m_pushCount;
    else
        ++m_requestCount;

    Fault fault = Fault::None;
    for (auto it = m_scriptedFaults.begin(); it != m_scriptedFaults.end(); ++it) {
        const bool matches = it->operation == operation
            || (it->operation == Operation::Any && operation != Operation::Push);
        if (!matches)
            continue;
        fault = it->fault;
        if (--it->remaining == 0)
            m_scriptedFaults.erase(it);
        break;
    }
    if (fault == Fault::None && m_randomRate > 0.0 && m_random.generateDouble() < m_randomRate)
        fault = m_randomKinds.at(int(m_random.bounded(quint32(m_randomKinds.size()))));
    if (fault != Fault::None)
        m_faultCounts[fault] += 1;
    return fault;
}

CloudError MemoryCloudServer::refusal(Fault fault) const
{
    switch (fault) {
    case Fault::ExpiredToken:
        return {CloudError::NotAuthenticated, QStringLiteral("The sign-in has expired"), 0};
    case Fault::RateLimit:
        return {CloudError::RateLimited, QStringLiteral("Too many requests"), m_retryAfterSeconds};
    default:
        return {CloudError::NetworkFailure, QStringLiteral("The network connection was lost"), 0};
    }
}

QDateTime MemoryCloudServer::nextModificationDate()
{
    QDateTime date = m_clock ? m_clock().toUTC() : QDateTime();
    if (!date.isValid())
        date = (m_lastDate.isValid() ? m_lastDate : counterStart()).addSecs(1);
    m_lastDate = date;
    return date;
}

MemoryCloudServer::FetchResult MemoryCloudServer::fetch(const QString& recordName) const
{
    if (const auto found = record(recordName))
        return {found, CloudError::ok()};
    return {std::nullopt, {CloudError::NotFound, QStringLiteral("No record named %1").arg(recordName), 0}};
}

MemoryCloudServer::SaveResult MemoryCloudServer::save(MemoryCloudDatabase* writer, const CloudRecord& record)
{
    if (record.recordName.isEmpty() || record.recordType.isEmpty())
        return {record, {CloudError::NotFound, QStringLiteral("A record needs a name and a type"), 0}};

    const auto existing = m_records.constFind(record.recordName);
    const bool exists = existing != m_records.constEnd();
    if (exists && existing->changeTag != record.changeTag)
        return {*existing, {CloudError::ServerRecordChanged, QStringLiteral("The record changed on the server"), 0}};
    if (!exists && !record.changeTag.isEmpty())
        return {record, {CloudError::NotFound, QStringLiteral("No record named %1").arg(record.recordName), 0}};

    CloudRecord stored = record;
    stored.modificationDate = nextModificationDate();
    stored.changeTag = QString::number(m_nextTag++);
    m_records.insert(stored.recordName, stored);
    announce(writer, stored.recordType, stored.recordName,
             exists ? CloudDatabase::RecordUpdated : CloudDatabase::RecordCreated);
    return {stored, CloudError::ok()};
}

CloudError MemoryCloudServer::remove(MemoryCloudDatabase* writer, const QString& recordName)
{
    const auto existing = m_records.constFind(recordName);
    if (existing == m_records.constEnd())
        return {CloudError::NotFound, QStringLiteral("No record named %1").arg(recordName), 0};
    const QString recordType = existing->recordType;
    m_records.erase(existing);
    announce(writer, recordType, recordName, CloudDatabase::RecordDeleted);
    return CloudError::ok();
}

MemoryCloudServer::QueryResult MemoryCloudServer::query(const QString& recordType, const QString& cursor)
{
    if (cursor.isEmpty()) {
        // A query sees the records as they were when it began; later
        // batches give the current content of those records.
        const QString queryID = QStringLiteral("q%1").arg(m_nextQueryID++);
        QStringList names;
        for (const CloudRecord& record : m_records) {
            if (record.recordType == recordType)
                names.append(record.recordName);
        }
        m_queries.insert(queryID, {recordType, names});
        return batchFrom(queryID, 0);
    }
    const int separator = cursor.lastIndexOf(QLatin1Char(':'));
    bool numeric = false;
    const int offset = cursor.mid(separator + 1).toInt(&numeric);
    const QString queryID = cursor.left(separator);
    if (separator < 0 || !numeric || offset < 0 || !m_queries.contains(queryID)
        || m_queries.value(queryID).recordType != recordType)
        return {{}, {CloudError::NotFound, QStringLiteral("Unknown query cursor"), 0}};
    return batchFrom(queryID, offset);
}

MemoryCloudServer::QueryResult MemoryCloudServer::batchFrom(const QString& queryID, int offset)
{
    const int batchIndex = offset / m_batchSize;
    if (m_failingBatches.contains(batchIndex)) {
        const CloudError::Code code = m_failingBatches.take(batchIndex);
        const int retryAfter = code == CloudError::RateLimited ? m_retryAfterSeconds : 0;
        return {{}, {code, QStringLiteral("Batch %1 of the query failed").arg(batchIndex), retryAfter}};
    }
    const QuerySnapshot& snapshot = m_queries[queryID];
    QueryResult result;
    const int end = qMin(offset + m_batchSize, int(snapshot.recordNames.size()));
    for (int i = offset; i < end; ++i) {
        if (const auto found = record(snapshot.recordNames.at(i)))
            result.batch.records.append(*found);
    }
    if (end < snapshot.recordNames.size())
        result.batch.cursor = cursorFor(queryID, end);
    return result;
}

void MemoryCloudServer::subscribe(MemoryCloudDatabase* client, const QString& subscriptionID,
                                  const Subscription& subscription)
{
    m_subscriptions[client].insert(subscriptionID, subscription);
}

void MemoryCloudServer::announce(MemoryCloudDatabase* writer, const QString& recordType,
                                 const QString& recordName, CloudDatabase::ChangeReason reason)
{
    for (MemoryCloudDatabase* client : std::as_const(m_clients)) {
        if (client == writer)
            continue;
        for (const Subscription& subscription : m_subscriptions.value(client)) {
            if (subscription.recordType == recordType && subscription.reasons.contains(reason))
                client->deliverChange(recordType, recordName, reason);
        }
    }
}
