// Posting a message to the e-mail service.
#include "shell/BWEmailManager.h"

#include "platform/Log.h"
#include "platform/SecretStore.h"
#include "platform/UserDefaults.h"
#include "store/BWDefaultsKeys.h"

#include <QHostAddress>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QPointer>

namespace {

// Header fields carry no line breaks, so no text can add a header of its own.
QString headerField(QString text)
{
    text.remove(QLatin1Char('\r'));
    text.remove(QLatin1Char('\n'));
    return text;
}

// The key goes over https; plain http only to a service on this computer.
bool isSafeServiceAddress(const QUrl& url)
{
    if (!url.isValid() || url.host().isEmpty())
        return false;
    if (url.scheme() == QLatin1String("https"))
        return true;
    const QHostAddress host(url.host());
    return url.scheme() == QLatin1String("http")
           && (url.host() == QLatin1String("localhost") || (!host.isNull() && host.isLoopback()));
}

}  // namespace

void BWEmailManager::sendMessage()
{
    const std::optional<Outgoing> outgoing = outgoingMessage();
    if (!outgoing)
        return;
    QPointer<BWEmailManager> self(this);
    m_secrets.readSecret(KeyringService, outgoing->account, [self, outgoing = *outgoing](const SecretStore::Result& key) {
        if (!self)
            return;
        if (!key.ok() || key.secret.isEmpty()) {
            self->keepForLater(outgoing.message, QStringLiteral("no API key for the e-mail service in the keyring"));
            return;
        }
        self->post(outgoing, key.secret);
    });
}

// The current message with where it goes; nullopt (the message queued)
// when something the post needs is missing.
std::optional<BWEmailManager::Outgoing> BWEmailManager::outgoingMessage()
{
    const UserDefaults& defaults = *m_env.defaults;
    Outgoing outgoing{createDictionaryWithEmail(),
                      m_timeOffset,
                      QUrl(defaults.stringForKey(BWDefaultsKeys::BWMailServiceURL)),
                      defaults.stringForKey(BWDefaultsKeys::BWMailServiceAccount),
                      defaults.stringForKey(BWDefaultsKeys::BWMailServiceSender),
                      defaults.stringForKey(BWDefaultsKeys::LEMAddress)};
    QString missing;
    if (outgoing.recipient.trimmed().isEmpty())
        missing = QStringLiteral("no e-mail address to send to");
    else if (!isSafeServiceAddress(outgoing.url))
        missing = QStringLiteral("no https address for the e-mail service");
    else if (outgoing.account.isEmpty() || outgoing.sender.isEmpty())
        missing = QStringLiteral("no account or sender for the e-mail service");
    if (!missing.isEmpty()) {
        keepForLater(outgoing.message, missing);
        return std::nullopt;
    }
    outgoing.url.setPath(SendPath);
    return outgoing;
}

void BWEmailManager::post(const Outgoing& outgoing, const QByteArray& apiKey)
{
    QNetworkRequest request(outgoing.url);
    request.setHeader(QNetworkRequest::ContentTypeHeader, QStringLiteral("application/x-www-form-urlencoded"));
    QNetworkReply* reply = m_network.post(request, formBody(outgoing, apiKey));
    connect(reply, &QNetworkReply::finished, this, [this, reply, outgoing] { postAnswered(reply, outgoing); });
}

// The service's form fields, in its order.
QByteArray BWEmailManager::formBody(const Outgoing& outgoing, const QByteArray& apiKey)
{
    const QList<QPair<QByteArray, QString>> fields = {
        {"username", headerField(outgoing.account)},
        {"api_key", QString::fromUtf8(apiKey)},
        {"from", headerField(outgoing.sender)},
        {"to", headerField(outgoing.recipient)},
        {"subject", headerField(outgoing.message.value(QStringLiteral("subject")).toString())},
        {"body_html", outgoing.message.value(QStringLiteral("emailBody")).toString()},
        {"time_offset_minutes", outgoing.timeOffset},
    };
    QByteArrayList encoded;
    for (const auto& [name, value] : fields)
        encoded.append(name + '=' + QUrl::toPercentEncoding(value));
    return encoded.join('&');
}

// Only an answer of the 200s means the service took the message.
void BWEmailManager::postAnswered(QNetworkReply* reply, const Outgoing& outgoing)
{
    reply->deleteLater();
    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    const QString title = outgoing.message.value(QStringLiteral("billTitle")).toString();
    if (reply->error() != QNetworkReply::NoError || status < 200 || status > 299) {
        keepForLater(outgoing.message,
                     QStringLiteral("Send Error: HTTP %1, %2").arg(status).arg(reply->errorString()));
        return;
    }
    Log::line(QStringLiteral("Sent Message"));
    if (getPendingMessages().contains(title))
        removeMessageFromQueue(title);
    emit postFinished(title, true);
}

void BWEmailManager::keepForLater(const QVariantMap& message, const QString& why)
{
    Log::line(QStringLiteral("Message kept for later: %1").arg(why));
    queueMessage(message);
    emit postFinished(message.value(QStringLiteral("billTitle")).toString(), false);
}
