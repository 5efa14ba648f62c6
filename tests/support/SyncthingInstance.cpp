#include "support/SyncthingInstance.h"

#include "platform/BWUIDMaker.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonObject>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTcpServer>
#include <QTest>

#include <httplib.h>

namespace {

// A port nothing listens on now; another program may take it before
// Syncthing does, which the start then reports.
quint16 freePort()
{
    QTcpServer probe;
    return probe.listen(QHostAddress::LocalHost, 0) ? probe.serverPort() : 0;
}

constexpr int StartTimeoutMs = 30000;

}  // namespace

QString SyncthingInstance::program()
{
    return QStandardPaths::findExecutable(QStringLiteral("syncthing"));
}

SyncthingInstance::SyncthingInstance(const QString& home)
    : m_home(home), m_apiKey(BWUIDMaker::makeUID())
{
    m_process.setProcessChannelMode(QProcess::MergedChannels);
    QByteArray id;
    if (program().isEmpty())
        m_error = QStringLiteral("no syncthing program");
    else if (!run({QStringLiteral("generate"), QStringLiteral("--home=") + home, QStringLiteral("--no-default-folder"),
                   QStringLiteral("--skip-port-probing")})
             || !run({QStringLiteral("serve"), QStringLiteral("--home=") + home, QStringLiteral("--device-id")}, &id))
        m_error = QStringLiteral("syncthing generate failed in ") + home;
    m_deviceID = QString::fromLatin1(id).trimmed();
    if (isReady() && configure())
        start();
}

SyncthingInstance::~SyncthingInstance()
{
    if (m_process.state() == QProcess::NotRunning)
        return;
    send("POST", QStringLiteral("/rest/system/shutdown"), {});
    if (!m_process.waitForFinished(10000)) {
        m_process.kill();
        m_process.waitForFinished(5000);
    }
}

bool SyncthingInstance::run(const QStringList& arguments, QByteArray* output)
{
    QProcess process;
    process.start(program(), arguments);
    const bool ran = process.waitForFinished(StartTimeoutMs) && process.exitStatus() == QProcess::NormalExit
                     && process.exitCode() == 0;
    if (output)
        *output = process.readAllStandardOutput();
    return ran;
}

// Sets the options in the generated configuration before the first start,
// so that the instance never tries to reach beyond this computer.
bool SyncthingInstance::configure()
{
    m_guiPort = freePort();
    m_listenPort = freePort();
    QFile file(QDir(m_home).filePath(QStringLiteral("config.xml")));
    if (!file.open(QIODevice::ReadOnly)) {
        m_error = QStringLiteral("no config.xml in ") + m_home;
        return false;
    }
    QString config = QString::fromUtf8(file.readAll());
    file.close();
    const QList<std::pair<QString, QString>> options = {
        {QStringLiteral("listenAddress"), QStringLiteral("tcp://127.0.0.1:%1").arg(m_listenPort)},
        {QStringLiteral("globalAnnounceEnabled"), QStringLiteral("false")},
        {QStringLiteral("localAnnounceEnabled"), QStringLiteral("false")},
        {QStringLiteral("relaysEnabled"), QStringLiteral("false")},
        {QStringLiteral("natEnabled"), QStringLiteral("false")},
        {QStringLiteral("urAccepted"), QStringLiteral("-1")},
        {QStringLiteral("crashReportingEnabled"), QStringLiteral("false")},
        {QStringLiteral("autoUpgradeIntervalH"), QStringLiteral("0")},
        {QStringLiteral("startBrowser"), QStringLiteral("false")},
        // A resumed peer is connected again within seconds, not a minute.
        {QStringLiteral("reconnectionIntervalS"), QStringLiteral("1")},
    };
    for (const auto& [option, value] : options) {
        const QRegularExpression element(QStringLiteral("<%1>[^<]*</%1>").arg(option));
        if (!config.contains(element)) {
            m_error = QStringLiteral("no option %1 in %2").arg(option, file.fileName());
            return false;
        }
        config.replace(element, QStringLiteral("<%1>%2</%1>").arg(option, value));
    }
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(config.toUtf8()) < 0) {
        m_error = QStringLiteral("cannot write ") + file.fileName();
        return false;
    }
    return true;
}

bool SyncthingInstance::start()
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("STNOUPGRADE"), QStringLiteral("1"));
    m_process.setProcessEnvironment(environment);
    const QString log = QDir(m_home).filePath(QStringLiteral("syncthing.log"));
    m_process.setStandardOutputFile(log);
    m_process.start(program(), {QStringLiteral("serve"), QStringLiteral("--home=") + m_home,
                                QStringLiteral("--gui-address=127.0.0.1:%1").arg(m_guiPort),
                                QStringLiteral("--gui-apikey=") + m_apiKey, QStringLiteral("--no-browser"),
                                QStringLiteral("--no-restart"), QStringLiteral("--no-upgrade")});
    const bool answering = m_process.waitForStarted(StartTimeoutMs) && QTest::qWaitFor(
        [this] { return m_process.state() != QProcess::Running || !get(QStringLiteral("/rest/system/ping")).isNull(); },
        StartTimeoutMs);
    if (!answering || m_process.state() != QProcess::Running) {
        QFile output(log);
        m_error = QStringLiteral("syncthing did not start in %1: %2")
                      .arg(m_home, output.open(QIODevice::ReadOnly) ? QString::fromUtf8(output.readAll().right(2000))
                                                                    : m_process.errorString());
    }
    return isReady();
}

bool SyncthingInstance::addPeer(const SyncthingInstance& peer)
{
    const QJsonObject device{
        {QStringLiteral("deviceID"), peer.deviceID()},
        {QStringLiteral("addresses"), QJsonArray{QStringLiteral("tcp://127.0.0.1:%1").arg(peer.m_listenPort)}}};
    return send("PUT", QStringLiteral("/rest/config/devices/") + peer.deviceID(), QJsonDocument(device));
}

bool SyncthingInstance::shareFolder(const QString& folderID, const QString& path, const QStringList& peerIDs)
{
    QJsonArray devices{QJsonObject{{QStringLiteral("deviceID"), m_deviceID}}};
    for (const QString& peer : peerIDs)
        devices.append(QJsonObject{{QStringLiteral("deviceID"), peer}});
    const QJsonObject folder{{QStringLiteral("id"), folderID},
                             {QStringLiteral("path"), path},
                             {QStringLiteral("type"), QStringLiteral("sendreceive")},
                             {QStringLiteral("devices"), devices},
                             {QStringLiteral("fsWatcherEnabled"), true},
                             {QStringLiteral("fsWatcherDelayS"), 1},
                             {QStringLiteral("rescanIntervalS"), 5}};
    return send("PUT", QStringLiteral("/rest/config/folders/") + folderID, QJsonDocument(folder));
}

bool SyncthingInstance::setPeerPaused(const QString& peerID, bool paused)
{
    return send("PATCH", QStringLiteral("/rest/config/devices/") + peerID,
                QJsonDocument(QJsonObject{{QStringLiteral("paused"), paused}}));
}

bool SyncthingInstance::isConnectedTo(const QString& peerID)
{
    const QJsonObject connections = get(QStringLiteral("/rest/system/connections")).object();
    return connections.value(QStringLiteral("connections"))
        .toObject()
        .value(peerID)
        .toObject()
        .value(QStringLiteral("connected"))
        .toBool();
}

bool SyncthingInstance::isInSyncWith(const QString& folderID, const QString& peerID)
{
    const QJsonObject status = get(QStringLiteral("/rest/db/status?folder=") + folderID).object();
    const QJsonObject completion
        = get(QStringLiteral("/rest/db/completion?folder=%1&device=%2").arg(folderID, peerID)).object();
    return status.value(QStringLiteral("state")).toString() == QLatin1String("idle")
           && status.value(QStringLiteral("needTotalItems")).toInt(-1) == 0
           && completion.value(QStringLiteral("needItems")).toInt(-1) == 0
           && completion.value(QStringLiteral("completion")).toDouble() == 100.0;
}

QJsonDocument SyncthingInstance::get(const QString& path)
{
    httplib::Client client("127.0.0.1", m_guiPort);
    client.set_connection_timeout(2);
    const httplib::Result result = client.Get(path.toStdString(), {{"X-API-Key", m_apiKey.toStdString()}});
    if (!result || result->status != 200)
        return {};
    return QJsonDocument::fromJson(QByteArray::fromStdString(result->body));
}

bool SyncthingInstance::send(const char* method, const QString& path, const QJsonDocument& body)
{
    httplib::Client client("127.0.0.1", m_guiPort);
    client.set_connection_timeout(2);
    const httplib::Headers headers{{"X-API-Key", m_apiKey.toStdString()}};
    const std::string content = body.toJson(QJsonDocument::Compact).toStdString();
    const std::string target = path.toStdString();
    httplib::Result result = std::string_view(method) == "PUT"     ? client.Put(target, headers, content, "application/json")
                             : std::string_view(method) == "PATCH" ? client.Patch(target, headers, content, "application/json")
                                                                   : client.Post(target, headers, content, "application/json");
    return result && result->status == 200;
}
