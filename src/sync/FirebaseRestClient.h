#pragma once

#include <QDateTime>
#include <QNetworkRequest>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <functional>

#include "sync/FirebaseDataManager.h"
#include "sync/FirebaseSettings.h"

class QNetworkAccessManager;
class QNetworkReply;

// The tokens of a signed-in account. The id token authorizes database calls
// for about an hour; the refresh token gets new ones.
struct FirebaseSession
{
    QString uid;
    QString email;
    QString idToken;
    QString refreshToken;
    QDateTime idTokenExpiry;

    bool isValid() const { return !uid.isEmpty() && !refreshToken.isEmpty(); }
};

// A database node as the server gave it, with the ETag that a conditional
// write must name.
struct FirebaseNode
{
    QVariant value;   // null when the node does not exist
    QString etag;

    bool exists() const { return value.isValid() && !value.isNull(); }
};

// The account endpoints and the realtime database over plain HTTPS. Database
// calls carry the session's id token; an expired one is renewed with the
// refresh token and the call is made once more.
class FirebaseRestClient : public QObject
{
    Q_OBJECT

public:
    using Done = std::function<void(const FirebaseError&)>;
    using SessionDone = std::function<void(const FirebaseSession&, const FirebaseError&)>;
    using MethodsDone = std::function<void(const QStringList& methods, const FirebaseError&)>;

    struct NodeReply
    {
        FirebaseError error;
        FirebaseNode node;        // the node after a read or a write
        bool conflict = false;    // 412: `node` holds what the server has now
    };
    using NodeDone = std::function<void(const NodeReply&)>;

    FirebaseRestClient(const FirebaseSettings& settings, QNetworkAccessManager* network, int timeoutMs,
                       QObject* parent = nullptr);

    const FirebaseSettings& settings() const { return m_settings; }

    // ---- Account ----
    // A success becomes the client's session.
    void signUp(const QString& email, const QString& password, SessionDone done);
    void signInWithPassword(const QString& email, const QString& password, SessionDone done);
    void sendPasswordResetEmail(const QString& email, Done done);
    void fetchSignInMethods(const QString& email, MethodsDone done);
    // Trades the refresh token for a new id token.
    void refreshSession(Done done);
    // Runs `then` once the session holds an id token that has not expired.
    void withFreshToken(Done then);

    void setSession(const FirebaseSession& session) { m_session = session; }
    void clearSession() { m_session = {}; }
    const FirebaseSession& session() const { return m_session; }

    // ---- Database; paths are relative to the root, e.g. "users/<uid>/<id>" ----
    void getNode(const QString& path, NodeDone done);
    // An empty `ifMatch` writes unconditionally.
    void putNode(const QString& path, const QVariant& value, const QString& ifMatch, NodeDone done);
    void deleteNode(const QString& path, const QString& ifMatch, NodeDone done);
    // The request that opens the change stream of a path.
    QNetworkRequest streamRequest(const QString& path) const;

signals:
    // New tokens: the refresh token is worth keeping.
    void sessionChanged(const FirebaseSession& session);
    // The refresh token was refused: the account must sign in again.
    void sessionLost(const FirebaseError& error);

private:
    struct HttpAnswer
    {
        int status = 0;
        QByteArray body;
        QString etag;
        FirebaseError networkError;
    };
    using AnswerDone = std::function<void(const HttpAnswer&)>;

    void send(QNetworkRequest request, const QByteArray& verb, const QByteArray& body, AnswerDone done);
    void postJson(const QString& url, const QVariantMap& body, AnswerDone done);
    void authenticate(const QString& endpoint, const QString& email, const QString& password, SessionDone done);
    void databaseCall(const QString& path, const QByteArray& verb, const QVariant& value, const QString& ifMatch,
                      NodeDone done, bool renewed = false);
    QNetworkRequest databaseRequest(const QString& path) const;

    FirebaseSettings m_settings;
    QNetworkAccessManager* m_network;
    int m_timeoutMs;
    FirebaseSession m_session;
    QList<Done> m_waitingForRefresh;
};
