#include "shell/BWEmailManager.h"

#include "platform/Clock.h"
#include "platform/Log.h"
#include "platform/PropertyList.h"
#include "store/BWBillsLoader.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>

namespace {

const QString PendingMessagesKey = QStringLiteral("PendingMessages");
const QString SubjectKey = QStringLiteral("subject");
const QString BodyKey = QStringLiteral("emailBody");
const QString DueDateKey = QStringLiteral("dueDate");
const QString AlarmDateKey = QStringLiteral("alarmDate");
const QString TitleKey = QStringLiteral("billTitle");

}  // namespace

BWEmailManager::BWEmailManager(const BWStoreEnvironment& env, SecretStore& secrets, QNetworkAccessManager& network,
                               Templates templates, QObject* parent)
    : QObject(parent), m_env(env), m_secrets(secrets), m_network(network), m_templates(std::move(templates))
{
}

// ---- Composing ---------------------------------------------------------------

bool BWEmailManager::createMessageWithTitle(const QString& title, const QDateTime& alarmDate,
                                            const QDateTime& dueDate)
{
    // The bill's name is the user's text: it goes into the page as text,
    // never as markup.
    QString body = readTemplate(m_templates.reminderPath);
    body.replace(QStringLiteral("$BillName"), title.toHtmlEscaped());
    body.replace(QStringLiteral("$NextDueDate"), getDateString(dueDate).toHtmlEscaped());

    m_subject = QStringLiteral("Bill Due Soon: ") + title;
    m_emailBody = body;
    m_timeOffset = QString::number(getTimeOffset(alarmDate));
    m_billTitle = title;
    m_dueDate = dueDate;
    m_alarmDate = alarmDate;
    Log::line(QStringLiteral("Message Created"));
    return saveMessage();
}

void BWEmailManager::sendTestMessage()
{
    m_emailBody = readTemplate(m_templates.testPath);
    m_subject = QStringLiteral("Orvane Test Message");
    m_timeOffset = QStringLiteral("0");
    m_dueDate = m_env.clock->now();
    m_alarmDate = m_dueDate;
    m_billTitle = QStringLiteral("Test Message");
    Log::line(QStringLiteral("Sending Message: %1").arg(m_subject));
    sendMessage();
}

void BWEmailManager::sendOrSaveMessageWithDictionary(const QVariantMap& message)
{
    loadMessage(message);
    const int offset = getTimeOffset(m_alarmDate);
    m_timeOffset = QString::number(offset);
    if (offset > LongestDelayMinutes) {
        Log::line(QStringLiteral("Saving Message From Queue..."));
        saveMessage();
        emit postFinished(m_billTitle, false);
    } else {
        Log::line(QStringLiteral("Sending Message From Queue..."));
        sendMessage();
    }
}

void BWEmailManager::loadMessage(const QVariantMap& message)
{
    m_subject = message.value(SubjectKey).toString();
    m_emailBody = message.value(BodyKey).toString();
    m_dueDate = message.value(DueDateKey).toDateTime();
    m_alarmDate = message.value(AlarmDateKey).toDateTime();
    m_billTitle = message.value(TitleKey).toString();
}

QVariantMap BWEmailManager::createDictionaryWithEmail() const
{
    return {{SubjectKey, m_subject},
            {BodyKey, m_emailBody},
            {DueDateKey, m_dueDate.toUTC()},
            {AlarmDateKey, m_alarmDate.toUTC()},
            {TitleKey, m_billTitle}};
}

int BWEmailManager::getTimeOffset(const QDateTime& date) const
{
    const qint64 seconds = m_env.clock->now().secsTo(date);
    if (seconds < 1)
        return 1;
    return int(qMax<qint64>(1, seconds / 60));
}

QString BWEmailManager::getDateString(const QDateTime& date) const
{
    return QStringLiteral("Due date: ") + QLocale().toString(date.toLocalTime(), QStringLiteral("MMM d, yyyy"));
}

QString BWEmailManager::readTemplate(const QString& path) const
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        Log::line(QStringLiteral("No mail template at %1").arg(path));
        return {};
    }
    return QString::fromUtf8(file.readAll());
}

// ---- The queue ---------------------------------------------------------------

QString BWEmailManager::getMailPath() const
{
    return QDir(BWBillsLoader(m_env).orvaneDirectory()).filePath(QueueFileName);
}

std::optional<QVariantMap> BWEmailManager::getMailIndex() const
{
    const PropertyList::ReadResult read = PropertyList::read(getMailPath());
    if (!read.ok() || read.value.typeId() != QMetaType::QVariantMap)
        return std::nullopt;
    return read.value.toMap();
}

std::optional<QVariantMap> BWEmailManager::queueForChange() const
{
    const PropertyList::ReadResult read = PropertyList::read(getMailPath());
    if (read.status == PropertyList::Status::NotFound)
        return QVariantMap();
    if (!read.ok() || read.value.typeId() != QMetaType::QVariantMap) {
        Log::line(QStringLiteral("The mail queue %1 cannot be read; left as it is").arg(getMailPath()));
        return std::nullopt;
    }
    return read.value.toMap();
}

QStringList BWEmailManager::getPendingMessages() const
{
    return getMailIndex().value_or(QVariantMap()).value(PendingMessagesKey).toStringList();
}

std::optional<QVariantMap> BWEmailManager::dictionaryForBill(const QString& title) const
{
    const QVariant message = getMailIndex().value_or(QVariantMap()).value(title);
    if (title == PendingMessagesKey || message.typeId() != QMetaType::QVariantMap)
        return std::nullopt;
    return message.toMap();
}

bool BWEmailManager::saveMessage()
{
    return queueMessage(createDictionaryWithEmail());
}

bool BWEmailManager::queueMessage(const QVariantMap& message)
{
    const QString title = message.value(TitleKey).toString();
    // The list of pending titles shares the root with the messages.
    if (title == PendingMessagesKey) {
        Log::line(QStringLiteral("A message cannot be queued under the title %1").arg(title));
        return false;
    }
    std::optional<QVariantMap> root = queueForChange();
    if (!root)
        return false;
    QStringList pending = root->value(PendingMessagesKey).toStringList();
    if (!pending.contains(title))
        pending.append(title);
    root->insert(PendingMessagesKey, pending);
    root->insert(title, message);
    return writeQueue(*root);
}

bool BWEmailManager::updateIndexWithNewPendingMessagesItem(const QStringList& titles)
{
    std::optional<QVariantMap> root = getMailIndex();
    if (!root)
        return false;
    root->insert(PendingMessagesKey, titles);
    return writeQueue(*root);
}

bool BWEmailManager::removeMessageFromQueue(const QString& title)
{
    std::optional<QVariantMap> root = getMailIndex();
    if (!root || title == PendingMessagesKey)
        return false;
    QStringList pending = root->value(PendingMessagesKey).toStringList();
    pending.removeAll(title);
    root->insert(PendingMessagesKey, pending);
    root->remove(title);
    return writeQueue(*root);
}

bool BWEmailManager::writeQueue(const QVariantMap& root)
{
    QString error;
    QDir().mkpath(QFileInfo(getMailPath()).absolutePath());
    const bool written = PropertyList::write(getMailPath(), root, &error);
    Log::line(written ? QStringLiteral("Mail queue written")
                      : QStringLiteral("Could not write the mail queue: %1").arg(error));
    return written;
}
