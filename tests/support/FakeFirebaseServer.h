#pragma once

#include <httplib.h>

#include <QCryptographicHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>
#include <QUrlQuery>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <deque>
#include <memory>
#include <mutex>
#include <optional>
#include <random>
#include <thread>

// The account service, the token service and a realtime database on
// 127.0.0.1 for one test, speaking the subset the cloud sync uses: sign-up,
// sign-in, reset mails, sign-in methods, token refresh; GET / PUT / DELETE of
// JSON nodes with ETags and if-match (412 with the current node), and change
// streams as server-sent events. Database paths users/<uid>/... and
// deletedBills/<uid>/... are readable and writable only with an id token of
// that account.
//
// Faults a test can inject: expired id tokens (401), 5xx answers, dropped
// connections, slow answers, an offline server, and any of them at random.
//
// With email-enumeration protection on, as projects made since late 2023
// have it, no answer tells whether an address has an account: the lookup
// names no methods, a refused sign-in says INVALID_LOGIN_CREDENTIALS for a
// wrong password and an unknown address alike, and a reset mail to an
// unknown address is "sent". Without it, as older projects answer, they say
// EMAIL_NOT_FOUND and INVALID_PASSWORD.
class FakeFirebaseServer
{
public:
    static constexpr const char* ApiKey = "test-api-key";

    enum class Fault { None, ServerError, Drop, Slow, ExpireTokens };

    FakeFirebaseServer()
    {
        m_server.new_task_queue = [] { return new httplib::ThreadPool(48); };
        m_server.Post("/v1/accounts:signUp", [this](const auto& rq, auto& rs) { identity(rq, rs, &FakeFirebaseServer::signUp); });
        m_server.Post("/v1/accounts:signInWithPassword",
                      [this](const auto& rq, auto& rs) { identity(rq, rs, &FakeFirebaseServer::signIn); });
        m_server.Post("/v1/accounts:sendOobCode", [this](const auto& rq, auto& rs) { identity(rq, rs, &FakeFirebaseServer::reset); });
        m_server.Post("/v1/accounts:createAuthUri",
                      [this](const auto& rq, auto& rs) { identity(rq, rs, &FakeFirebaseServer::methods); });
        m_server.Post("/v1/token", [this](const auto& rq, auto& rs) { refresh(rq, rs); });
        m_server.Get(R"(/(.*)\.json)", [this](const auto& rq, auto& rs) { database(rq, rs, "GET"); });
        m_server.Put(R"(/(.*)\.json)", [this](const auto& rq, auto& rs) { database(rq, rs, "PUT"); });
        m_server.Delete(R"(/(.*)\.json)", [this](const auto& rq, auto& rs) { database(rq, rs, "DELETE"); });
        m_port = m_server.bind_to_any_port("127.0.0.1");
        m_thread = std::thread([this] { m_server.listen_after_bind(); });
    }
    ~FakeFirebaseServer()
    {
        {
            std::lock_guard lock(m_mutex);
            m_stopping = true;
        }
        m_stopped.notify_all();
        dropStreams();
        m_server.stop();
        if (m_thread.joinable())
            m_thread.join();
    }

    QString url() const { return QStringLiteral("http://127.0.0.1:%1").arg(m_port); }
    // A settings file's text pointing everything at this server.
    QByteArray settingsJson() const
    {
        return QJsonDocument(QJsonObject{{"apiKey", ApiKey}, {"databaseURL", url()}, {"identityURL", url()},
                                         {"tokenURL", url()}})
            .toJson();
    }

    // ---- Accounts ----
    QString addAccount(const QString& email, const QString& password, const QString& provider = "password")
    {
        std::lock_guard lock(m_mutex);
        const QString uid = QStringLiteral("uid%1").arg(++m_counter);
        m_accounts.insert(email, {password, uid, provider});
        return uid;
    }
    void setEnumerationProtection(bool on)
    {
        std::lock_guard lock(m_mutex);
        m_enumerationProtection = on;
    }
    QStringList resetMails() const
    {
        std::lock_guard lock(m_mutex);
        return m_resetMails;
    }
    // Every id token handed out so far stops working (401).
    void expireIdTokens()
    {
        std::lock_guard lock(m_mutex);
        m_idTokens.clear();
    }
    void revokeRefreshTokens()
    {
        std::lock_guard lock(m_mutex);
        m_refreshTokens.clear();
    }
    int refreshes() const { return m_refreshCount; }

    // ---- Database ----
    QJsonValue valueAt(const QString& path) const
    {
        std::lock_guard lock(m_mutex);
        return lookup(m_root, segments(path));
    }
    // A write as another client would make it; streams hear of it.
    void setValueAt(const QString& path, const QJsonValue& value)
    {
        std::lock_guard lock(m_mutex);
        write(segments(path), value);
    }

    // The next PUT to the path finds this value written just before it, as
    // by another device between a read and a write.
    void writeBeforeNextPut(const QString& path, const QJsonValue& value)
    {
        std::lock_guard lock(m_mutex);
        m_interleaved = {segments(path), value};
    }

    // ---- Faults ----
    // The next `count` requests (streams excepted) meet the fault.
    void injectFault(Fault fault, int count = 1)
    {
        std::lock_guard lock(m_mutex);
        for (int i = 0; i < count; ++i)
            m_faults.push_back(fault);
    }
    // Each request meets a random fault with this chance (0..1).
    void setRandomFaultRate(double rate, unsigned seed = 1)
    {
        std::lock_guard lock(m_mutex);
        m_randomFaultRate = rate;
        m_random.seed(seed);
    }
    // Offline: every request and stream is dropped.
    void setOffline(bool offline)
    {
        m_offline = offline;
        if (offline)
            dropStreams();
    }
    void dropStreams()
    {
        std::lock_guard lock(m_mutex);
        for (const auto& stream : m_streams) {
            stream->alive = false;
            stream->wake.notify_all();
        }
        m_streams.clear();
    }
    int slowAnswerMs = 1500;

    int openStreams() const
    {
        std::lock_guard lock(m_mutex);
        return int(m_streams.size());
    }
    int streamsOpened() const { return m_streamCount; }
    int requests() const { return m_requestCount; }
    int conflicts() const { return m_conflictCount; }
    int faultsInjected() const { return m_faultCount; }

private:
    struct Account
    {
        QString password;
        QString uid;
        QString provider;
    };
    struct Stream
    {
        QStringList path;
        std::deque<std::string> events;
        std::condition_variable wake;
        bool alive = true;
    };
    using Identity = void (FakeFirebaseServer::*)(const QJsonObject&, httplib::Response&);

    // ---- Plumbing ----
    static QStringList segments(const QString& path) { return path.split('/', Qt::SkipEmptyParts); }
    static QByteArray compact(const QJsonValue& value)
    {
        const QByteArray text = QJsonDocument(QJsonArray{value}).toJson(QJsonDocument::Compact);
        return text.mid(1, text.size() - 2);
    }
    static std::string etagOf(const QJsonValue& value)
    {
        return QCryptographicHash::hash(compact(value), QCryptographicHash::Sha1).toHex().toStdString();
    }
    static void answer(httplib::Response& response, int status, const QJsonValue& body)
    {
        response.status = status;
        response.set_content(compact(body).toStdString(), "application/json");
    }
    static void identityError(httplib::Response& response, const QString& message)
    {
        answer(response, 400, QJsonObject{{"error", QJsonObject{{"code", 400}, {"message", message}}}});
    }

    // A slow answer leaves slowAnswerMs late, or at once when the server stops.
    void holdAnswer()
    {
        std::unique_lock lock(m_mutex);
        m_stopped.wait_for(lock, std::chrono::milliseconds(slowAnswerMs), [this] { return m_stopping; });
    }

    // Picks the fault for a request, if any; true when the request was
    // answered by it.
    bool meetFault(httplib::Response& response)
    {
        ++m_requestCount;
        Fault fault = Fault::None;
        {
            std::lock_guard lock(m_mutex);
            if (!m_faults.empty()) {
                fault = m_faults.front();
                m_faults.pop_front();
            } else if (m_randomFaultRate > 0 && std::uniform_real_distribution<>(0, 1)(m_random) < m_randomFaultRate) {
                fault = Fault(1 + std::uniform_int_distribution<>(0, 3)(m_random));
            }
        }
        if (m_offline)
            fault = Fault::Drop;
        if (fault == Fault::None)
            return false;
        ++m_faultCount;
        switch (fault) {
        case Fault::ServerError:
            answer(response, 503, QJsonObject{{"error", "Service Unavailable"}});
            return true;
        case Fault::Drop:
            // Headers promise a body that never comes: the connection closes.
            response.set_content_provider(64, "application/json", [](size_t, size_t, httplib::DataSink&) { return false; });
            return true;
        case Fault::Slow:
            holdAnswer();
            return false;   // answered, but late
        case Fault::ExpireTokens:
            expireIdTokens();
            return false;
        case Fault::None:
            break;
        }
        return false;
    }

    QJsonObject issueTokens(const QString& uid)
    {
        const QString idToken = QStringLiteral("id-%1-%2").arg(uid).arg(++m_counter);
        const QString refreshToken = QStringLiteral("refresh-%1-%2").arg(uid).arg(++m_counter);
        m_idTokens.insert(idToken, uid);
        m_refreshTokens.insert(refreshToken, uid);
        return {{"idToken", idToken}, {"refreshToken", refreshToken}, {"expiresIn", "3600"}, {"localId", uid}};
    }

    // ---- Account service ----
    void identity(const httplib::Request& request, httplib::Response& response, Identity handler)
    {
        if (meetFault(response))
            return;
        if (request.get_param_value("key") != ApiKey)
            return identityError(response, "API_KEY_INVALID");
        const QJsonObject body = QJsonDocument::fromJson(QByteArray::fromStdString(request.body)).object();
        std::lock_guard lock(m_mutex);
        (this->*handler)(body, response);
    }
    void signUp(const QJsonObject& body, httplib::Response& response)
    {
        const QString email = body["email"].toString();
        const QString password = body["password"].toString();
        if (!email.contains('@'))
            return identityError(response, "INVALID_EMAIL");
        if (m_accounts.contains(email))
            return identityError(response, "EMAIL_EXISTS");
        if (password.size() < 6)
            return identityError(response, "WEAK_PASSWORD : Password should be at least 6 characters");
        const QString uid = QStringLiteral("uid%1").arg(++m_counter);
        m_accounts.insert(email, {password, uid, "password"});
        QJsonObject tokens = issueTokens(uid);
        tokens.insert("email", email);
        answer(response, 200, tokens);
    }
    void signIn(const QJsonObject& body, httplib::Response& response)
    {
        const auto account = m_accounts.constFind(body["email"].toString());
        const bool known = account != m_accounts.cend() && account->provider == "password";
        if (!known || account->password != body["password"].toString()) {
            if (m_enumerationProtection)
                return identityError(response, "INVALID_LOGIN_CREDENTIALS");
            return identityError(response, known ? "INVALID_PASSWORD" : "EMAIL_NOT_FOUND");
        }
        QJsonObject tokens = issueTokens(account->uid);
        tokens.insert("email", account.key());
        answer(response, 200, tokens);
    }
    void reset(const QJsonObject& body, httplib::Response& response)
    {
        if (body["requestType"].toString() != "PASSWORD_RESET")
            return identityError(response, "INVALID_REQ_TYPE");
        const bool known = m_accounts.contains(body["email"].toString());
        if (!known && !m_enumerationProtection)
            return identityError(response, "EMAIL_NOT_FOUND");
        if (known)
            m_resetMails.append(body["email"].toString());
        answer(response, 200, QJsonObject{{"email", body["email"]}});
    }
    void methods(const QJsonObject& body, httplib::Response& response)
    {
        if (m_enumerationProtection)
            return answer(response, 200, QJsonObject{{"kind", "identitytoolkit#CreateAuthUriResponse"}});
        const auto account = m_accounts.constFind(body["identifier"].toString());
        QJsonArray methods;
        if (account != m_accounts.cend())
            methods.append(account->provider);
        answer(response, 200, QJsonObject{{"registered", account != m_accounts.cend()}, {"signinMethods", methods}});
    }

    void refresh(const httplib::Request& request, httplib::Response& response)
    {
        if (meetFault(response))
            return;
        ++m_refreshCount;
        std::lock_guard lock(m_mutex);
        const QString uid = m_refreshTokens.value(QString::fromStdString(request.get_param_value("refresh_token")));
        if (request.get_param_value("grant_type") != "refresh_token" || uid.isEmpty())
            return identityError(response, "INVALID_REFRESH_TOKEN");
        const QJsonObject tokens = issueTokens(uid);
        answer(response, 200, QJsonObject{{"id_token", tokens["idToken"]}, {"refresh_token", tokens["refreshToken"]},
                                          {"expires_in", "3600"}, {"user_id", uid}});
    }

    // ---- Database ----
    static QJsonValue lookup(const QJsonValue& node, const QStringList& path)
    {
        QJsonValue value = node;
        for (const QString& segment : path)
            value = value.toObject().value(segment);
        return value.isUndefined() ? QJsonValue(QJsonValue::Null) : value;
    }
    static QJsonValue replaced(const QJsonValue& node, QStringList path, const QJsonValue& value)
    {
        if (path.isEmpty())
            return value;
        QJsonObject object = node.toObject();
        const QString key = path.takeFirst();
        const QJsonValue inner = replaced(object.value(key), path, value);
        if (inner.isNull() || inner.isUndefined() || (inner.isObject() && inner.toObject().isEmpty()))
            object.remove(key);
        else
            object.insert(key, inner);
        return object;
    }
    static bool startsWith(const QStringList& list, const QStringList& prefix)
    {
        return list.size() >= prefix.size() && list.mid(0, prefix.size()) == prefix;
    }

    // Stores the value and tells every stream that watches it (the lock is held).
    void write(const QStringList& path, const QJsonValue& value)
    {
        m_root = replaced(m_root, path, value);
        for (const auto& stream : m_streams) {
            QString eventPath;
            QJsonValue data;
            if (startsWith(path, stream->path)) {
                eventPath = "/" + path.mid(stream->path.size()).join('/');
                data = value;
            } else if (startsWith(stream->path, path)) {
                eventPath = "/";
                data = lookup(m_root, stream->path);
            } else {
                continue;
            }
            stream->events.push_back(event("put", eventPath, data));
            stream->wake.notify_all();
        }
    }
    static std::string event(const char* name, const QString& path, const QJsonValue& data)
    {
        return "event: " + std::string(name) + "\ndata: "
               + compact(QJsonObject{{"path", path}, {"data", data}}).toStdString() + "\n\n";
    }

    // Only the account itself reads and writes below its id.
    bool authorized(const QStringList& path, const std::string& token) const
    {
        const QString uid = m_idTokens.value(QString::fromStdString(token));
        return !uid.isEmpty() && path.size() >= 2
               && (path[0] == "users" || path[0] == "deletedBills") && path[1] == uid;
    }

    void database(const httplib::Request& request, httplib::Response& response, const char* verb)
    {
        const bool streaming = request.get_header_value("Accept") == "text/event-stream";
        if (streaming ? bool(m_offline) : meetFault(response)) {
            if (streaming)
                response.set_content_provider(64, "text/plain", [](size_t, size_t, httplib::DataSink&) { return false; });
            return;
        }
        const QStringList path = segments(QString::fromStdString(request.matches[1]));
        std::unique_lock lock(m_mutex);
        if (!m_idTokens.contains(QString::fromStdString(request.get_param_value("auth"))))
            return answer(response, 401, QJsonObject{{"error", "Auth token is expired"}});
        if (!authorized(path, request.get_param_value("auth")))
            return answer(response, 403, QJsonObject{{"error", "Permission denied"}});
        if (streaming)
            return openStream(path, response);

        if (std::string(verb) == "PUT" && m_interleaved && m_interleaved->first == path) {
            write(path, m_interleaved->second);
            m_interleaved.reset();
        }
        const QJsonValue current = lookup(m_root, path);
        const std::string ifMatch = request.get_header_value("if-match");
        if (std::string(verb) != "GET" && !ifMatch.empty() && ifMatch != etagOf(current)) {
            ++m_conflictCount;
            response.set_header("ETag", etagOf(current));
            return answer(response, 412, current);
        }
        QJsonValue result = current;
        if (std::string(verb) == "PUT") {
            const QJsonDocument body = QJsonDocument::fromJson("[" + QByteArray::fromStdString(request.body) + "]");
            result = body.array().at(0);
            write(path, result);
        } else if (std::string(verb) == "DELETE") {
            result = QJsonValue(QJsonValue::Null);
            write(path, result);
        }
        response.set_header("ETag", etagOf(result));
        answer(response, 200, result);
    }

    void openStream(const QStringList& path, httplib::Response& response)
    {
        auto stream = std::make_shared<Stream>();
        stream->path = path;
        stream->events.push_back(event("put", "/", lookup(m_root, path)));
        m_streams.push_back(stream);
        ++m_streamCount;
        response.status = 200;
        response.set_chunked_content_provider("text/event-stream", [this, stream](size_t, httplib::DataSink& sink) {
            std::unique_lock lock(m_mutex);
            stream->wake.wait_for(lock, std::chrono::milliseconds(200),
                                  [&] { return !stream->alive || !stream->events.empty(); });
            if (!stream->alive)
                return false;
            std::string text;
            if (stream->events.empty())
                text = "event: keep-alive\ndata: null\n\n";
            while (!stream->events.empty()) {
                text += stream->events.front();
                stream->events.pop_front();
            }
            lock.unlock();
            return sink.write(text.data(), text.size());
        }, [this, stream](bool) {
            std::lock_guard lock(m_mutex);
            stream->alive = false;
            std::erase(m_streams, stream);
        });
    }

    httplib::Server m_server;
    int m_port = 0;
    std::thread m_thread;
    mutable std::mutex m_mutex;
    std::condition_variable m_stopped;
    bool m_stopping = false;
    bool m_enumerationProtection = false;
    int m_counter = 0;
    QMap<QString, Account> m_accounts;
    QMap<QString, QString> m_idTokens;       // token -> uid
    QMap<QString, QString> m_refreshTokens;  // token -> uid
    QStringList m_resetMails;
    QJsonValue m_root = QJsonObject();
    std::vector<std::shared_ptr<Stream>> m_streams;
    std::optional<std::pair<QStringList, QJsonValue>> m_interleaved;
    std::deque<Fault> m_faults;
    double m_randomFaultRate = 0;
    std::mt19937 m_random;
    std::atomic<bool> m_offline{false};
    std::atomic<int> m_requestCount{0};
    std::atomic<int> m_refreshCount{0};
    std::atomic<int> m_streamCount{0};
    std::atomic<int> m_conflictCount{0};
    std::atomic<int> m_faultCount{0};
};
