#pragma once

#include <httplib.h>
#include <openssl/evp.h>
#include <openssl/x509.h>

#include <QStringList>
#include <QUrl>

#include <condition_variable>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <thread>

// A web site on 127.0.0.1 for one test: serves the pages and downloads it was
// given, keeps the paths it was asked for, and can hold the answers for one
// path until the test lets them go (to look at a page while it loads). Over
// https it shows a certificate that nobody signed, which a browser refuses.
class LocalWebSite
{
public:
    enum class Security { Plain, UnsignedCertificate };

    explicit LocalWebSite(Security security = Security::Plain)
        : m_https(security == Security::UnsignedCertificate)
    {
        if (m_https) {
            makeUnsignedCertificate();
            m_server = std::make_unique<httplib::SSLServer>(m_certificate, m_key);
        } else {
            m_server = std::make_unique<httplib::Server>();
        }
        m_server->Get(
            ".*", [this](const httplib::Request& request, httplib::Response& response) { answer(request, response); });
        // One request per connection, so that stopping never waits for an
        // idle browser connection.
        m_server->set_keep_alive_max_count(1);
        m_port = m_server->bind_to_any_port("127.0.0.1");
        // Bound already: a browser's first connection waits in the queue
        // until the server listens.
        m_thread = std::thread([this] { m_server->listen_after_bind(); });
    }

    ~LocalWebSite()
    {
        release();
        m_server->stop();
        if (m_thread.joinable())
            m_thread.join();
        X509_free(m_certificate);
        EVP_PKEY_free(m_key);
    }

    QUrl url(const QString& path) const
    {
        return QUrl(QStringLiteral("%1://127.0.0.1:%2%3").arg(m_https ? "https" : "http").arg(m_port).arg(path));
    }

    // Serves `html` at `path`.
    void page(const std::string& path, const std::string& html)
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_answers[path] = {html, "text/html; charset=utf-8", {}};
    }
    // Serves `body` at `path` as a file to save under `fileName`.
    void download(const std::string& path, const std::string& fileName, const std::string& body)
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_answers[path] = {body, "application/octet-stream", "attachment; filename=\"" + fileName + "\""};
    }

    // Requests for `path` wait until release().
    void hold(const std::string& path)
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_held = path;
    }
    void release()
    {
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            m_held.clear();
        }
        m_released.notify_all();
    }

    bool wasRequested(const std::string& path) const
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        return m_requested.contains(QString::fromStdString(path));
    }

private:
    struct Answer
    {
        std::string body;
        std::string type;
        std::string disposition;
    };

    void answer(const httplib::Request& request, httplib::Response& response)
    {
        std::unique_lock<std::mutex> lock(m_mutex);
        m_requested.append(QString::fromStdString(request.path));
        m_released.wait(lock, [&] { return m_held.empty() || m_held != request.path; });
        const auto found = m_answers.find(request.path);
        if (found == m_answers.end()) {
            response.status = 404;
            return;
        }
        if (!found->second.disposition.empty())
            response.set_header("Content-Disposition", found->second.disposition);
        response.set_content(found->second.body, found->second.type);
    }

    void makeUnsignedCertificate()
    {
        m_key = EVP_EC_gen("P-256");
        m_certificate = X509_new();
        X509_set_version(m_certificate, 2);
        ASN1_INTEGER_set(X509_get_serialNumber(m_certificate), 1);
        X509_gmtime_adj(X509_getm_notBefore(m_certificate), 0);
        X509_gmtime_adj(X509_getm_notAfter(m_certificate), 24 * 3600);
        X509_set_pubkey(m_certificate, m_key);
        X509_NAME* name = X509_get_subject_name(m_certificate);
        X509_NAME_add_entry_by_txt(name, "CN", MBSTRING_ASC, reinterpret_cast<const unsigned char*>("127.0.0.1"), -1,
                                   -1, 0);
        X509_set_issuer_name(m_certificate, name);
        X509_sign(m_certificate, m_key, EVP_sha256());
    }

    bool m_https = false;
    EVP_PKEY* m_key = nullptr;
    X509* m_certificate = nullptr;
    std::unique_ptr<httplib::Server> m_server;
    int m_port = 0;
    std::thread m_thread;
    mutable std::mutex m_mutex;
    std::condition_variable m_released;
    std::string m_held;
    std::map<std::string, Answer> m_answers;
    QStringList m_requested;
};
