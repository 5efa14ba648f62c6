#include "sync/FirebaseRestClient.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QUrlQuery>

namespace {

const QByteArray JsonType = "application/json";

QByteArray encodeJson(const QVariant& value)
{
    // Wrapped in an array, since a document holds only arrays and objects.
    QByteArray text = QJsonDocument(QJsonArray{QJsonValue::fromVariant(value)}).toJson(QJsonDocument::Compact);
    return text.mid(1, text.size() - 2);
}

std::optional<QVariant> decodeJson(const QByteArray& text)
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson("[" + text + "]", &error);
    if (error.error != QJsonParseError::NoError || document.array().size() != 1)
        return std::nullopt;
    return document.array().at(0).toVariant();
}

// The identity service names its errors in capitals ("EMAIL_EXISTS",
// "WEAK_PASSWORD : Password should be at least 6 characters").
FirebaseError identityError(const QByteArray& body)
{
    const QVariantMap answer = decodeJson(body).value_or(QVariant()).toMap();
    const QString message = answer.value(QStringLiteral("error")).toMap().value(QStringLiteral("message")).toString();
    const QString name = message.section(QLatin1Char(' '), 0, 0);
    static const QHash<QString, FirebaseError::Code> codes{
        {QStringLiteral("EMAIL_EXISTS"), FirebaseError::EmailExists},
        {QStringLiteral("INVALID_EMAIL"), FirebaseError::InvalidEmail},
        {QStringLiteral("MISSING_EMAIL"), FirebaseError::InvalidEmail},
        {QStringLiteral("WEAK_PASSWORD"), FirebaseError::WeakPassword},
        {QStringLiteral("MISSING_PASSWORD"), FirebaseError::WrongCredentials},
        {QStringLiteral("EMAIL_NOT_FOUND"), FirebaseError::WrongCredentials},
        {QStringLiteral("INVALID_PASSWORD"), FirebaseError::WrongCredentials},
        {QStringLiteral("INVALID_LOGIN_CREDENTIALS"), FirebaseError::WrongCredentials},
        {QStringLiteral("USER_DISABLED"), FirebaseError::WrongCredentials},
        {QStringLiteral("TOO_MANY_ATTEMPTS_TRY_LATER"), FirebaseError::TooManyAttempts},
        {QStringLiteral("TOKEN_EXPIRED"), FirebaseError::SessionExpired},
        {QStringLiteral("INVALID_REFRESH_TOKEN"), FirebaseError::SessionExpired},
        {QStringLiteral("USER_NOT_FOUND"), FirebaseError::SessionExpired},
    };
    return {codes.value(name, FirebaseError::Server), message.isEmpty() ? QString::fromUtf8(body) : message};
}

// What a failed answer of the identity or database service means.
FirebaseError httpError(int status, const QByteArray& body)
{
    if (status >= 500 || status == 0)
        return {FirebaseError::Server, QStringLiteral("HTTP %1").arg(status)};
    if (status == 401)
        return {FirebaseError::SessionExpired, QString::fromUtf8(body)};
    if (status == 403)
        return {FirebaseError::Refused, QString::fromUtf8(body)};
    return identityError(body);
}

QString segmentEncoded(const QString& path)
{
    QStringList segments = path.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    for (QString& segment : segments)
        segment = QString::fromLatin1(QUrl::toPercentEncoding(segment));
    return segments.join(QLatin1Char('/'));
}

}  // namespace

FirebaseRestClient::FirebaseRestClient(const FirebaseSettings& settings, QNetworkAccessManager* network,
                                       int timeoutMs, QObject* parent)
    : QObject(parent), m_settings(settings), m_network(network), m_timeoutMs(timeoutMs)
{
}

// ---- Plain HTTP ----

void FirebaseRestClient::send(QNetworkRequest request, const QByteArray& verb, const QByteArray& body,
                              AnswerDone done)
{
    request.setTransferTimeout(m_timeoutMs);
    QNetworkReply* reply = m_network->sendCustomRequest(request, verb, body);
    connect(reply, &QNetworkReply::finished, this, [reply, done = std::move(done)] {
        reply->deleteLater();
        HttpAnswer answer;
        answer.status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
        answer.body = reply->readAll();
        answer.etag = QString::fromLatin1(reply->rawHeader("ETag"));
        // An HTTP error status still carries an answer worth reading; a
        // connection that failed, dropped or timed out brought nothing whole.
        const int code = reply->error();
        if (answer.status == 0 || (code > 0 && code < 200))
            answer.networkError = {FirebaseError::Network, reply->errorString()};
        done(answer);
    });
}

void FirebaseRestClient::postJson(const QString& url, const QVariantMap& body, AnswerDone done)
{
    QNetworkRequest request{QUrl(url)};
    request.setHeader(QNetworkRequest::ContentTypeHeader, JsonType);
    send(request, "POST", encodeJson(body), std::move(done));
}

// ---- Account ----

void FirebaseRestClient::signUp(const QString& email, const QString& password, SessionDone done)
{
    authenticate(QStringLiteral("accounts:signUp"), email, password, std::move(done));
}

void FirebaseRestClient::signInWithPassword(const QString& email, const QString& password, SessionDone done)
{
    authenticate(QStringLiteral("accounts:signInWithPassword"), email, password, std::move(done));
}

void FirebaseRestClient::authenticate(const QString& endpoint, const QString& email, const QString& password,
                                      SessionDone done)
{
    const QString url = QStringLiteral("%1/v1/%2?key=%3").arg(m_settings.identityURL, endpoint, m_settings.apiKey);
    const QVariantMap body{{QStringLiteral("email"), email},
                           {QStringLiteral("password"), password},
                           {QStringLiteral("returnSecureToken"), true}};
    postJson(url, body, [this, done = std::move(done)](const HttpAnswer& answer) {
        if (answer.networkError.isError())
            return done({}, answer.networkError);
        if (answer.status != 200)
            return done({}, httpError(answer.status, answer.body));
        const QVariantMap fields = decodeJson(answer.body).value_or(QVariant()).toMap();
        FirebaseSession session;
        session.uid = fields.value(QStringLiteral("localId")).toString();
        session.email = fields.value(QStringLiteral("email")).toString();
        session.idToken = fields.value(QStringLiteral("idToken")).toString();
        session.refreshToken = fields.value(QStringLiteral("refreshToken")).toString();
        session.idTokenExpiry =
            QDateTime::currentDateTimeUtc().addSecs(fields.value(QStringLiteral("expiresIn")).toLongLong() - 60);
        if (!session.isValid() || session.idToken.isEmpty())
            return done({}, {FirebaseError::Server, QStringLiteral("The account service answered without tokens")});
        m_session = session;
        emit sessionChanged(m_session);
        done(m_session, {});
    });
}

void FirebaseRestClient::sendPasswordResetEmail(const QString& email, Done done)
{
    const QString url = QStringLiteral("%1/v1/accounts:sendOobCode?key=%2").arg(m_settings.identityURL, m_settings.apiKey);
    const QVariantMap body{{QStringLiteral("requestType"), QStringLiteral("PASSWORD_RESET")},
                           {QStringLiteral("email"), email}};
    postJson(url, body, [done = std::move(done)](const HttpAnswer& answer) {
        if (answer.networkError.isError())
            return done(answer.networkError);
        done(answer.status == 200 ? FirebaseError() : httpError(answer.status, answer.body));
    });
}

void FirebaseRestClient::fetchSignInMethods(const QString& email, MethodsDone done)
{
    const QString url = QStringLiteral("%1/v1/accounts:createAuthUri?key=%2").arg(m_settings.identityURL, m_settings.apiKey);
    const QVariantMap body{{QStringLiteral("identifier"), email},
                           {QStringLiteral("continueUri"), QStringLiteral("http://localhost")}};
    postJson(url, body, [done = std::move(done)](const HttpAnswer& answer) {
        if (answer.networkError.isError())
            return done({}, answer.networkError);
        if (answer.status != 200)
            return done({}, httpError(answer.status, answer.body));
        const QVariantMap fields = decodeJson(answer.body).value_or(QVariant()).toMap();
        done(fields.value(QStringLiteral("signinMethods")).toStringList(), {});
    });
}

void FirebaseRestClient::refreshSession(Done done)
{
    if (!m_session.isValid())
        return done({FirebaseError::NotSignedIn, QStringLiteral("No account is signed in")});
    // Calls that find the token expired at the same time share one refresh.
    m_waitingForRefresh.append(std::move(done));
    if (m_waitingForRefresh.size() > 1)
        return;

    const QString url = QStringLiteral("%1/v1/token?key=%2").arg(m_settings.tokenURL, m_settings.apiKey);
    QNetworkRequest request{QUrl(url)};
    request.setHeader(QNetworkRequest::ContentTypeHeader, QByteArray("application/x-www-form-urlencoded"));
    QUrlQuery form;
    form.addQueryItem(QStringLiteral("grant_type"), QStringLiteral("refresh_token"));
    form.addQueryItem(QStringLiteral("refresh_token"), m_session.refreshToken);
    const QString refreshedUID = m_session.uid;
    send(request, "POST", form.toString(QUrl::FullyEncoded).toLatin1(), [this, refreshedUID](const HttpAnswer& answer) {
        FirebaseError error = answer.networkError;
        if (!error.isError() && answer.status != 200)
            error = httpError(answer.status, answer.body);
        const QVariantMap fields = decodeJson(answer.body).value_or(QVariant()).toMap();
        if (!error.isError() && fields.value(QStringLiteral("id_token")).toString().isEmpty())
            error = {FirebaseError::Server, QStringLiteral("The token service answered without a token")};
        // A sign-out or another sign-in while the refresh was under way wins.
        if (m_session.uid == refreshedUID && !error.isError()) {
            m_session.idToken = fields.value(QStringLiteral("id_token")).toString();
            m_session.refreshToken = fields.value(QStringLiteral("refresh_token"), m_session.refreshToken).toString();
            m_session.idTokenExpiry =
                QDateTime::currentDateTimeUtc().addSecs(fields.value(QStringLiteral("expires_in")).toLongLong() - 60);
            emit sessionChanged(m_session);
        }
        const QList<Done> waiting = std::exchange(m_waitingForRefresh, {});
        if (error.code == FirebaseError::SessionExpired && m_session.uid == refreshedUID) {
            m_session = {};
            emit sessionLost(error);
        }
        for (const Done& done : waiting)
            done(error);
    });
}

void FirebaseRestClient::withFreshToken(Done then)
{
    if (!m_session.isValid())
        return then({FirebaseError::NotSignedIn, QStringLiteral("No account is signed in")});
    if (!m_session.idToken.isEmpty() && QDateTime::currentDateTimeUtc() < m_session.idTokenExpiry)
        return then({});
    refreshSession(std::move(then));
}

// ---- Database ----

QNetworkRequest FirebaseRestClient::databaseRequest(const QString& path) const
{
    QUrl url(QStringLiteral("%1/%2.json").arg(m_settings.databaseURL, segmentEncoded(path)));
    QUrlQuery query;
    query.addQueryItem(QStringLiteral("auth"), m_session.idToken);
    url.setQuery(query);
    QNetworkRequest request(url);
    request.setRawHeader("X-Firebase-ETag", "true");
    return request;
}

QNetworkRequest FirebaseRestClient::streamRequest(const QString& path) const
{
    QNetworkRequest request = databaseRequest(path);
    request.setRawHeader("Accept", "text/event-stream");
    return request;
}

void FirebaseRestClient::getNode(const QString& path, NodeDone done)
{
    databaseCall(path, "GET", {}, {}, std::move(done));
}

void FirebaseRestClient::putNode(const QString& path, const QVariant& value, const QString& ifMatch, NodeDone done)
{
    databaseCall(path, "PUT", value, ifMatch, std::move(done));
}

void FirebaseRestClient::deleteNode(const QString& path, const QString& ifMatch, NodeDone done)
{
    databaseCall(path, "DELETE", {}, ifMatch, std::move(done));
}

void FirebaseRestClient::databaseCall(const QString& path, const QByteArray& verb, const QVariant& value,
                                      const QString& ifMatch, NodeDone done, bool renewed)
{
    withFreshToken([=, this](const FirebaseError& tokenError) {
        if (tokenError.isError())
            return done({tokenError, {}, false});
        QNetworkRequest request = databaseRequest(path);
        if (!ifMatch.isEmpty())
            request.setRawHeader("if-match", ifMatch.toLatin1());
        QByteArray body;
        if (verb == "PUT") {
            request.setHeader(QNetworkRequest::ContentTypeHeader, JsonType);
            body = encodeJson(value);
        }
        send(request, verb, body, [=, this](const HttpAnswer& answer) {
            if (answer.status == 401 && !renewed) {
                // The id token expired on the server's clock: renew it once.
                m_session.idToken.clear();
                return databaseCall(path, verb, value, ifMatch, done, true);
            }
            NodeReply reply;
            reply.node.etag = answer.etag;
            if (answer.networkError.isError()) {
                reply.error = answer.networkError;
            } else if (answer.status == 200 || answer.status == 412) {
                const std::optional<QVariant> decoded = decodeJson(answer.body);
                if (!decoded)
                    reply.error = {FirebaseError::Server, QStringLiteral("The database answered unreadable data")};
                else
                    reply.node.value = *decoded;
                reply.conflict = answer.status == 412;
            } else {
                reply.error = httpError(answer.status, answer.body);
            }
            done(reply);
        });
    });
}
