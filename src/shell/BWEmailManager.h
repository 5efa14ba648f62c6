#pragma once

#include "store/BWStoreEnvironment.h"

#include <QDateTime>
#include <QObject>
#include <QStringList>
#include <QUrl>
#include <QVariantMap>

#include <optional>

class QNetworkAccessManager;
class QNetworkReply;
class SecretStore;

// Reminder e-mails: composes one for a bill that falls due, keeps it in the
// queue file "mailindex.plist" in the data folder, and posts it as a form to
// the e-mail service, which delivers it at the reminder's time.
//
// The service's address, account and sender are settings; its API key is
// kept in the keyring under the account's name. Posting is asynchronous on
// the calling thread; a message the service did not accept stays queued.
class BWEmailManager : public QObject
{
    Q_OBJECT

public:
    // Messages further ahead than this are kept for later: the service
    // holds them for no longer.
    static constexpr int LongestDelayMinutes = 21600;
    static inline const QString QueueFileName = QStringLiteral("mailindex.plist");
    static inline const QString SendPath = QStringLiteral("/mailer/send");
    // The keyring service under which the API key is kept.
    static inline const QString KeyringService = QStringLiteral("Orvane Mail Service");

    struct Templates
    {
        QString reminderPath = QStringLiteral(":/mail/template.html");
        QString testPath = QStringLiteral(":/mail/sample.html");
    };

    BWEmailManager(const BWStoreEnvironment& env, SecretStore& secrets, QNetworkAccessManager& network,
                   Templates templates, QObject* parent = nullptr);

    // The message being handled.
    QString subject() const { return m_subject; }
    QString emailBody() const { return m_emailBody; }
    QString timeOffset() const { return m_timeOffset; }
    QString billTitle() const { return m_billTitle; }
    QDateTime dueDate() const { return m_dueDate; }
    QDateTime alarmDate() const { return m_alarmDate; }

    // Composes a reminder and queues it; never posts. False when the queue
    // could not be written.
    // No caller in the program; reminders make no e-mails (BWReminderManager::shouldAddEmails()); it queues
    // through saveMessage().
    bool createMessageWithTitle(const QString& title, const QDateTime& alarmDate, const QDateTime& dueDate);
    // Composes the test message and posts it at once.
    // No caller in the program; posts through sendMessage().
    void sendTestMessage();
    // Posts a queued message when its alarm is near enough, else queues it
    // again (and says so at once through postFinished()).
    // No caller in the program; sendMessage() or saveMessage(), by getTimeOffset().
    void sendOrSaveMessageWithDictionary(const QVariantMap& message);
    // Posts the current message; the answer arrives as postFinished().
    void sendMessage();
    // Queues the current message (replacing an earlier one of the same
    // title). False when the queue could not be written.
    bool saveMessage();
    QVariantMap createDictionaryWithEmail() const;

    // Whole minutes from now until `date`, at least 1.
    int getTimeOffset(const QDateTime& date) const;
    QString getDateString(const QDateTime& date) const;

    QString getMailPath() const;
    // The queue's root dictionary; nullopt when the file is missing or
    // cannot be read.
    std::optional<QVariantMap> getMailIndex() const;
    QStringList getPendingMessages() const;
    // No caller in the program; reads getMailIndex().
    std::optional<QVariantMap> dictionaryForBill(const QString& title) const;
    // Replaces the list of pending titles; writes only an existing queue.
    // No caller in the program; writes through writeQueue().
    bool updateIndexWithNewPendingMessagesItem(const QStringList& titles);
    // Takes a message off the queue once the service accepted it.
    bool removeMessageFromQueue(const QString& title);

signals:
    // The service accepted the message (`sent`), or it was kept queued.
    void postFinished(const QString& title, bool sent);

private:
    // One post: the message as queued, its delay and where it goes.
    struct Outgoing
    {
        QVariantMap message;
        QString timeOffset;
        QUrl url;
        QString account;
        QString sender;
        QString recipient;
    };
    std::optional<Outgoing> outgoingMessage();
    void post(const Outgoing& outgoing, const QByteArray& apiKey);
    static QByteArray formBody(const Outgoing& outgoing, const QByteArray& apiKey);
    void postAnswered(QNetworkReply* reply, const Outgoing& outgoing);
    void keepForLater(const QVariantMap& message, const QString& why);
    bool queueMessage(const QVariantMap& message);
    void loadMessage(const QVariantMap& message);
    bool writeQueue(const QVariantMap& root);
    // The queue as stored; an empty one when there is no file, nullopt when
    // the file exists but cannot be read (it must not be overwritten then).
    std::optional<QVariantMap> queueForChange() const;
    QString readTemplate(const QString& path) const;

    BWStoreEnvironment m_env;
    SecretStore& m_secrets;
    QNetworkAccessManager& m_network;
    Templates m_templates;

    QString m_subject;
    QString m_emailBody;
    QString m_timeOffset;
    QString m_billTitle;
    QDateTime m_dueDate;
    QDateTime m_alarmDate;
};
