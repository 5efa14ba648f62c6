#include "support/MemoryCloudDatabase.h"

#include <QTimer>

using Fault = MemoryCloudServer::Fault;
using Operation = MemoryCloudServer::Operation;

MemoryCloudDatabase::MemoryCloudDatabase(MemoryCloudServer* server, QObject* parent)
    : CloudDatabase(parent), m_server(server)
{
    if (m_server)
        m_server->attach(this);
}

MemoryCloudDatabase::~MemoryCloudDatabase()
{
    if (m_server)
        m_server->detach(this);
}

void MemoryCloudDatabase::fetchRecord(const QString& recordName, FetchCompletion completion)
{
    perform(
        Operation::Fetch,
        [this, recordName, completion]() -> Reply {
            const auto result = m_server->fetch(recordName);
            return [completion, result] { completion(result.record, result.error); };
        },
        [completion](const CloudError& error) { completion(std::nullopt, error); });
}

void MemoryCloudDatabase::saveRecord(const CloudRecord& record, SaveCompletion completion)
{
    perform(
        Operation::Save,
        [this, record, completion]() -> Reply {
            const auto result = m_server->save(this, record);
            return [completion, result] { completion(result.record, result.error); };
        },
        [completion, record](const CloudError& error) { completion(record, error); });
}

void MemoryCloudDatabase::deleteRecord(const QString& recordName, DeleteCompletion completion)
{
    perform(
        Operation::Delete,
        [this, recordName, completion]() -> Reply {
            const CloudError error = m_server->remove(this, recordName);
            return [completion, error] { completion(error); };
        },
        completion);
}

void MemoryCloudDatabase::queryRecords(const QString& recordType, const QString& cursor, QueryCompletion completion)
{
    perform(
        Operation::Query,
        [this, recordType, cursor, completion]() -> Reply {
            const auto result = m_server->query(recordType, cursor);
            return [completion, result] { completion(result.batch, result.error); };
        },
        [completion](const CloudError& error) { completion({}, error); });
}

void MemoryCloudDatabase::saveSubscription(const QString& subscriptionID, const QString& recordType,
                                           const QList<ChangeReason>& reasons, DeleteCompletion completion)
{
    perform(
        Operation::Subscribe,
        [this, subscriptionID, recordType, reasons, completion]() -> Reply {
            m_server->subscribe(this, subscriptionID, {recordType, reasons});
            return [completion] { completion(CloudError::ok()); };
        },
        completion);
}

void MemoryCloudDatabase::perform(Operation operation, std::function<Reply()> apply,
                                  std::function<void(const CloudError&)> fail)
{
    if (!m_server) {
        send([fail] { fail({CloudError::NetworkFailure, QStringLiteral("The server is gone"), 0}); }, 0);
        return;
    }
    if (!m_signedIn) {
        send([fail] { fail({CloudError::NotAuthenticated, QStringLiteral("Not signed in"), 0}); }, 0);
        return;
    }
    const Fault fault = m_server->drawFault(operation);
    // A late or held-back request reaches the server late too, so that its
    // effect can land after that of a later request.
    const auto applyAndReply = [this, apply] {
        if (m_server)
            apply()();
    };
    switch (fault) {
    case Fault::None:
        send(apply(), 0);
        return;
    case Fault::Delay:
        send(applyAndReply, m_server->delayMilliseconds());
        return;
    case Fault::Reorder:
        holdBack(applyAndReply);
        return;
    case Fault::DropReply:
        apply();
        [[fallthrough]];
    case Fault::DropRequest:
    case Fault::ExpiredToken:
    case Fault::RateLimit: {
        const CloudError error = m_server->refusal(fault);
        send([fail, error] { fail(error); }, 0);
        return;
    }
    }
}

void MemoryCloudDatabase::deliverChange(const QString& recordType, const QString& recordName, ChangeReason reason)
{
    const Reply announcement = [this, recordType, recordName, reason] {
        emit recordChanged(recordType, recordName, reason);
    };
    switch (m_server->drawFault(Operation::Push)) {
    case Fault::DropRequest:
    case Fault::DropReply:
        return;
    case Fault::Delay:
        send(announcement, m_server->delayMilliseconds());
        return;
    case Fault::Reorder:
        holdBack(announcement);
        return;
    default:
        send(announcement, 0);
        return;
    }
}

void MemoryCloudDatabase::send(const Reply& message, int delayMilliseconds)
{
    ++m_outstanding;
    QTimer::singleShot(delayMilliseconds, this, [this, message] {
        --m_outstanding;
        message();
        releaseHeld();
    });
}

void MemoryCloudDatabase::holdBack(const Reply& message)
{
    const auto sent = std::make_shared<bool>(false);
    ++m_outstanding;
    const Reply once = [this, message, sent] {
        if (*sent)
            return;
        *sent = true;
        --m_outstanding;
        message();
    };
    m_held.append(once);
    // Nothing may come to overtake it: it goes out on its own after a while.
    const int wait = m_server ? 2 * m_server->delayMilliseconds() : 0;
    QTimer::singleShot(wait, this, once);
}

void MemoryCloudDatabase::releaseHeld()
{
    const QList<Reply> held = std::exchange(m_held, {});
    for (const Reply& message : held)
        message();
}
