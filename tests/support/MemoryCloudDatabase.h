#pragma once

#include "platform/CloudDatabase.h"
#include "support/MemoryCloudServer.h"

#include <QList>
#include <QPointer>

#include <functional>
#include <memory>

// One device's view of a MemoryCloudServer. Every completion and every
// change announcement reaches this object later through its event loop,
// after whatever the server's faults did to it.
class MemoryCloudDatabase : public CloudDatabase
{
    Q_OBJECT

public:
    explicit MemoryCloudDatabase(MemoryCloudServer* server, QObject* parent = nullptr);
    ~MemoryCloudDatabase() override;

    void fetchRecord(const QString& recordName, FetchCompletion completion) override;
    void saveRecord(const CloudRecord& record, SaveCompletion completion) override;
    void deleteRecord(const QString& recordName, DeleteCompletion completion) override;
    void queryRecords(const QString& recordType, const QString& cursor, QueryCompletion completion) override;
    void saveSubscription(const QString& subscriptionID, const QString& recordType,
                          const QList<ChangeReason>& reasons, DeleteCompletion completion) override;

    // While not signed in (no account, or an expired sign-in) every call
    // fails with NotAuthenticated.
    void setSignedIn(bool signedIn) { m_signedIn = signedIn; }
    bool isSignedIn() const { return m_signedIn; }
    // Replies and change announcements on their way here, not yet delivered.
    int messagesOutstanding() const { return m_outstanding; }

private:
    friend class MemoryCloudServer;

    using Reply = std::function<void()>;
    // Runs `apply` at the server (now, later or never, as the fault says)
    // and delivers the reply it returns; `fail` makes the reply of a
    // refused or lost request.
    void perform(MemoryCloudServer::Operation operation, std::function<Reply()> apply,
                 std::function<void(const CloudError&)> fail);
    void deliverChange(const QString& recordType, const QString& recordName, ChangeReason reason);

    void send(const Reply& message, int delayMilliseconds);
    void holdBack(const Reply& message);
    void releaseHeld();

    QPointer<MemoryCloudServer> m_server;
    QList<Reply> m_held;  // held-back messages, each sent once
    bool m_signedIn = true;
    int m_outstanding = 0;
};
