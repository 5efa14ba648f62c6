#pragma once

#include <QJsonDocument>
#include <QProcess>
#include <QString>

// One Syncthing program of a test, on this computer only: its own home
// (keys, configuration, database), a GUI and REST port and a listen port on
// 127.0.0.1, and nothing that reaches out (no global or local discovery, no
// relays, no NAT, no usage or crash reports, no upgrades). Peers are known
// by id at their 127.0.0.1 listen address; folders, peers and pauses are set
// through the REST API with the instance's API key. The program is shut
// down when the object goes.
class SyncthingInstance
{
public:
    // The Syncthing program on the PATH; empty when it is not installed.
    static QString program();

    // Generates the home's keys and configuration; isReady() tells whether
    // that and the start worked.
    explicit SyncthingInstance(const QString& home);
    ~SyncthingInstance();
    SyncthingInstance(const SyncthingInstance&) = delete;
    SyncthingInstance& operator=(const SyncthingInstance&) = delete;

    // Started and answering on its REST port; why not, in error().
    bool isReady() const { return m_error.isEmpty(); }
    QString error() const { return m_error; }
    QString deviceID() const { return m_deviceID; }

    bool addPeer(const SyncthingInstance& peer);
    // Shares `path` as `folderID` with the given peers, watched for changes
    // and rescanned every few seconds.
    bool shareFolder(const QString& folderID, const QString& path, const QStringList& peerIDs);
    // A paused peer is disconnected until resumed: what either side changes
    // meanwhile travels at the resume, conflicts included.
    bool setPeerPaused(const QString& peerID, bool paused);
    bool isConnectedTo(const QString& peerID);
    // This side scanned the folder, needs nothing, and the peer has all of it.
    bool isInSyncWith(const QString& folderID, const QString& peerID);

private:
    bool run(const QStringList& arguments, QByteArray* output = nullptr);
    bool configure();
    bool start();
    QJsonDocument get(const QString& path);
    bool send(const char* method, const QString& path, const QJsonDocument& body);

    QString m_home;
    QString m_deviceID;
    QString m_apiKey;
    quint16 m_guiPort = 0;
    quint16 m_listenPort = 0;
    QProcess m_process;
    QString m_error;
};
