#pragma once

#include <QByteArray>
#include <QByteArrayList>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QTimer>
#include <QVariant>

#include "sync/FirebaseDataManager.h"

class QNetworkAccessManager;

// One open change stream of a database path (server-sent events). The server
// first sends the whole node ("put" at "/"), then every change below it as
// "put" or "patch" with the changed path; "keep-alive" arrives twice a
// minute, so a stream that stays silent much longer counts as dropped.
class FirebaseEventStream : public QObject
{
    Q_OBJECT

public:
    FirebaseEventStream(QNetworkAccessManager* network, int silenceTimeoutMs, QObject* parent = nullptr);
    ~FirebaseEventStream() override;

    static constexpr qsizetype LargeEventBytes = 64 * 1024;
    static constexpr qint64 ReadPieceBytes = 64 * 1024;

    // An event's name and its data ({"path": ..., "data": ...}) from its lines.
    struct Event
    {
        QByteArray name;
        QByteArray data;
    };
    static Event parseBlock(const QByteArray& block);

    void open(const QNetworkRequest& request);
    // Closes without emitting closed().
    void close();
    bool isOpen() const { return m_reply != nullptr; }

signals:
    void opened();
    // `event` is "put" or "patch"; `path` is relative to the stream's path.
    void changed(const QString& event, const QString& path, const QVariant& data);
    // The same for a change of LargeEventBytes or more, not yet read: the
    // event's text in pieces, for parseBlock() on a worker.
    void largeChangeArrived(const QByteArrayList& pieces);
    // The id token expired or was revoked: renew it and open again.
    void authRevoked();
    // The stream ended on its own: dropped, refused or silent too long.
    void closed(const FirebaseError& error);

private:
    void readEvents();
    void handleEvent(const QByteArray& name, const QByteArray& data);
    void finish(const FirebaseError& error);

    QNetworkAccessManager* m_network;
    QPointer<QNetworkReply> m_reply;
    void finishEvent();

    QByteArrayList m_pieces;   // of the event not yet ended
    bool m_announced = false;
    QTimer m_silence;
};
