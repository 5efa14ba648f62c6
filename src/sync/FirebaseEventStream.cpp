#include "sync/FirebaseEventStream.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <utility>
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
    m_pieces.clear();
    m_announced = false;
    m_reply = m_network->get(request);
    m_reply->setReadBufferSize(ReadPieceBytes);
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
    // Read a piece at a time (the reply keeps no more) and kept as pieces:
    // an event of megabytes joined and searched whole at each piece would
    // hold the thread for as long as it took to arrive. Carriage returns
    // never stand inside the JSON of a line.
    QByteArray piece = m_reply->readAll();
    if (piece.contains('\r'))
        piece.replace("\r", "");
    qsizetype start = 0;
    // Events are separated by a blank line, perhaps split between pieces.
    if (!m_pieces.isEmpty() && m_pieces.last().endsWith('\n') && piece.startsWith('\n')) {
        m_pieces.last().chop(1);
        finishEvent();
        start = 1;
    }
    qsizetype end;
    while (m_reply && (end = piece.indexOf("\n\n", start)) >= 0) {
        m_pieces.append(piece.mid(start, end - start));
        finishEvent();
        start = end + 2;
    }
    if (m_reply && start < piece.size())
        m_pieces.append(piece.mid(start));
}

FirebaseEventStream::Event FirebaseEventStream::parseBlock(const QByteArray& block)
{
    Event event;
    for (const QByteArray& line : block.split('\n')) {
        if (line.startsWith("event:"))
            event.name = line.mid(6).trimmed();
        else if (line.startsWith("data:"))
            event.data += line.mid(5).trimmed();
    }
    return event;
}

// A large change goes on unread, as its pieces; any other event is read here.
void FirebaseEventStream::finishEvent()
{
    QByteArrayList pieces = std::exchange(m_pieces, {});
    qsizetype size = 0;
    for (const QByteArray& piece : std::as_const(pieces))
        size += piece.size();
    const QByteArray& first = pieces.value(0);
    const QByteArray name = parseBlock(first.left(std::max<qsizetype>(0, first.indexOf('\n')))).name;
    if (size >= LargeEventBytes && (name == "put" || name == "patch"))
        return emit largeChangeArrived(pieces);
    const Event event = parseBlock(pieces.join());
    handleEvent(event.name, event.data);
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
