#include "sync/FirebaseEventStream.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QNetworkAccessManager>
#include <QNetworkReply>

FirebaseEventStream::FirebaseEventStream(QNetworkAccessManager* network, int silenceTimeoutMs, QObject* parent)
    : QObject(parent), m_network(network)
{
    m_silence.setSingleShot(true);
    m_silence.setInterval(silenceTimeoutMs);
    connect(&m_silence, &QTimer::timeout, this,
            [this] { finish({FirebaseError::Network, QStringLiteral("The change stream went silent")}); });
}

FirebaseEventStream::~FirebaseEventStream()
{
    close();
}

void FirebaseEventStream::open(const QNetworkRequest& request)
{
    close();
    m_buffer.clear();
    m_announced = false;
    m_reply = m_network->get(request);
    m_silence.start();
    connect(m_reply, &QNetworkReply::readyRead, this, &FirebaseEventStream::readEvents);
    connect(m_reply, &QNetworkReply::finished, this, [this] {
        if (!m_reply)
            return;
        const int status = m_reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
        if (status == 401)
            finish({FirebaseError::SessionExpired, QStringLiteral("The change stream was refused: token expired")});
        else if (status == 403)
            finish({FirebaseError::Refused, QStringLiteral("The change stream was refused")});
        else
            finish({FirebaseError::Network, QStringLiteral("The change stream ended: %1").arg(m_reply->errorString())});
    });
}

void FirebaseEventStream::close()
{
    m_silence.stop();
    if (!m_reply)
        return;
    QNetworkReply* reply = m_reply;
    m_reply = nullptr;
    reply->disconnect(this);
    reply->abort();
    reply->deleteLater();
}

void FirebaseEventStream::finish(const FirebaseError& error)
{
    const bool wasOpen = m_reply != nullptr;
    close();
    if (!wasOpen)
        return;
    if (error.code == FirebaseError::SessionExpired)
        emit authRevoked();
    else
        emit closed(error);
}

void FirebaseEventStream::readEvents()
{
    if (!m_reply)
        return;
    const int status = m_reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    if (status != 200)
        return;   // the body of a refusal; finished() tells what it was
    m_silence.start();
    if (!m_announced) {
        m_announced = true;
        emit opened();
    }
    m_buffer.append(m_reply->readAll());
    m_buffer.replace("\r\n", "\n");
    // Events are separated by a blank line; a partial one waits for more.
    qsizetype end;
    while (m_reply && (end = m_buffer.indexOf("\n\n")) >= 0) {
        const QByteArray block = m_buffer.left(end);
        m_buffer.remove(0, end + 2);
        QByteArray name;
        QByteArray data;
        for (const QByteArray& line : block.split('\n')) {
            if (line.startsWith("event:"))
                name = line.mid(6).trimmed();
            else if (line.startsWith("data:"))
                data += line.mid(5).trimmed();
        }
        handleEvent(name, data);
    }
}

void FirebaseEventStream::handleEvent(const QByteArray& name, const QByteArray& data)
{
    if (name == "put" || name == "patch") {
        const QJsonObject payload = QJsonDocument::fromJson(data).object();
        if (!payload.contains(QLatin1String("path")))
            return;
        emit changed(QString::fromLatin1(name), payload.value(QLatin1String("path")).toString(),
                     payload.value(QLatin1String("data")).toVariant());
    } else if (name == "auth_revoked") {
        finish({FirebaseError::SessionExpired, QStringLiteral("The id token was revoked")});
    } else if (name == "cancel") {
        finish({FirebaseError::Refused, QStringLiteral("The change stream was cancelled: %1").arg(QString::fromUtf8(data))});
    }
    // "keep-alive" only restarts the silence timer.
}
