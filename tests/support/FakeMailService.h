#pragma once

#include <httplib.h>

#include <QByteArray>
#include <QList>
#include <QString>

#include <atomic>
#include <mutex>
#include <thread>

// An e-mail service on 127.0.0.1 for one test: answers every post to
// /mailer/send with the chosen status and keeps the raw form bodies it got.
class FakeMailService
{
public:
    FakeMailService()
    {
        m_server.Post("/mailer/send", [this](const httplib::Request& request, httplib::Response& response) {
            std::lock_guard<std::mutex> lock(m_mutex);
            m_bodies.append(QByteArray::fromStdString(request.body));
            m_contentTypes.append(QString::fromStdString(request.get_header_value("Content-Type")));
            response.status = status.load();
            response.set_content("{}", "application/json");
        });
        // One request per connection, so that stopping never waits for an
        // idle client.
        m_server.set_keep_alive_max_count(1);
        m_port = m_server.bind_to_any_port("127.0.0.1");
        m_thread = std::thread([this] { m_server.listen_after_bind(); });
    }
    ~FakeMailService() { stop(); }

    // No one listens any more: a post ends in a network error.
    void stop()
    {
        m_server.stop();
        if (m_thread.joinable())
            m_thread.join();
    }

    QString url() const { return QStringLiteral("http://127.0.0.1:%1").arg(m_port); }

    QList<QByteArray> bodies() const
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        return m_bodies;
    }
    QList<QString> contentTypes() const
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        return m_contentTypes;
    }

    std::atomic<int> status{200};

private:
    httplib::Server m_server;
    int m_port = 0;
    std::thread m_thread;
    mutable std::mutex m_mutex;
    QList<QByteArray> m_bodies;
    QList<QString> m_contentTypes;
};
