#pragma once

// Three computers, each with its own data folder and clock (one an hour
// ahead, one 40 minutes behind), keep their bills in step through one
// back-end that misbehaves: the in-memory record server losing, delaying and
// reordering messages; shared folders kept in step by a file-sync service
// that delivers files late, in any order and with conflict copies; or the
// Firebase fake failing requests and dropping its change streams. In some
// runs two computers start from one copied settings file. The computers make
// random new bills, edits, payments, reversals, payment edits back and forth,
// Quick Log-undo-Quick Log, archives and restores, deletions, restores from
// a backup, erase-and-imports and saves that change nothing; each operation's
// changes are taken down in a model (SyncModel) that says what the bills
// must come to. Then the faults stop and every computer catches up until
// nothing changes any more. The result says whether every computer holds
// what the model holds, and, for the shared folder, whether it came to rest.

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QSaveFile>
#include <QTest>
#include <QTimeZone>

#include <algorithm>
#include <functional>
#include <memory>
#include <set>
#include <vector>

#include "platform/FolderCloudContainer.h"
#include "platform/FolderCloudDatabase.h"
#include "platform/SyncDeviceIdentity.h"
#include "store/BWBillMerge.h"
#include "store/BWBillRecordKeys.h"
#include "store/BWDataFolder.h"
#include "store/BWImportManager.h"
#include "store/BWIndexRepair.h"
#include "support/FirebaseTestDevice.h"
#include "support/MemoryCloudContainer.h"
#include "support/MemoryCloudDatabase.h"
#include "support/MemoryCloudServer.h"
#include "support/SimulatedFileSync.h"
#include "support/SyncDevice.h"
#include "support/SyncModel.h"
#include "sync/OrvaneCloudManager.h"

namespace SyncSoak {

enum class BackendKind { MemoryServer, SharedFolder, Firebase };

inline const char* nameOf(BackendKind kind)
{
    switch (kind) {
    case BackendKind::MemoryServer: return "in-memory server";
    case BackendKind::SharedFolder: return "shared folder";
    case BackendKind::Firebase: return "Firebase";
    }
    return "";
}

struct Config
{
    BackendKind backend = BackendKind::MemoryServer;
    int devices = 3;
    int edits = 1000;
    double faultRate = 0.10;
    quint32 seed = 20261209;
    int maxPasses = 12;
    // For the shared folder: how the file-sync service names conflict copies.
    SimulatedFileSync::Service service = SimulatedFileSync::Service::Syncthing;
    // The second computer starts from a copy of the first one's settings.
    bool copiedSettings = false;
};

struct Result
{
    int creates = 0, changes = 0, payments = 0, reversals = 0, paymentEdits = 0, quickLogs = 0, archives = 0,
        deletes = 0, offlineBills = 0, backupRestores = 0, eraseImports = 0, emptySaves = 0, refusedEdits = 0;
    int passes = 0;
    bool converged = false;
    bool distinctDeviceIDs = true;
    bool folderAtRest = true;  // no file written for a minute after catching up
    int billsChecked = 0, paymentsChecked = 0, modelDifferences = 0, stampProblems = 0;
    int filesDiffering = 0;    // bill files not byte for byte alike on every computer, display keys aside
    int listedWithoutFile = 0; // ids a computer's index lists with no bill file
    int silentVersionsLeft = 0; // versions of a computer silent for 90 days that the others kept
    int finalBills = 0;
    qint64 editMs = 0, convergeMs = 0;
    QString traffic;   // what the back-end carried and the faults it made
    QString firstDifference;
    QStringList problems;  // each difference from the model, each wrong stamp
};

// The sync ids of the computers, each made as a computer makes its own: from
// its machine id and the random part its settings keep. With copied settings
// the second starts from the first one's.
inline QStringList deviceIDsFor(const Config& config, const TempFolder& folder)
{
    QStringList ids;
    QString firstRandomPart;
    for (int i = 0; i < config.devices; ++i) {
        const QString machineID = folder.write(QStringLiteral("machine%1/machine-id").arg(i),
                                               QByteArray::number(config.seed * 7919u + i, 16).rightJustified(32, '0'));
        UserDefaults settings(UserDefaults::standardPath(folder.file(QStringLiteral("settings%1").arg(i))));
        if (i == 1 && config.copiedSettings)
            settings.setObject(BWDefaultsKeys::BWSyncDeviceID, firstRandomPart);
        ids.append(SyncDeviceIdentity::deviceID(settings, BWDefaultsKeys::BWSyncDeviceID, machineID));
        if (i == 0)
            firstRandomPart = settings.stringForKey(BWDefaultsKeys::BWSyncDeviceID);
    }
    return ids;
}

// ---- One device's store, whatever syncs it ---------------------------------------

inline QString dataFolderOf(const BWStoreEnvironment& env)
{
    return BWDataFolder(env).path();
}

inline QVariantMap storedBill(const BWStoreEnvironment& env, const QString& billID)
{
    return PropertyList::read(QDir(dataFolderOf(env)).filePath(billID + ".plist")).value.toMap();
}

// The bill's file as every computer must hold it alike, byte for byte: the
// display keys left out, and the payments in id order, since a computer
// keeps its payments in the order it logged them until a merge orders them.
inline QByteArray comparableBillFile(const BWStoreEnvironment& env, const QString& billID)
{
    QVariantMap record = storedBill(env, billID);
    for (const QString& key : BillKeys::DisplayKeys)
        record.remove(key);
    QVariantList payments = record.value(BillKeys::PaymentList).toList();
    std::stable_sort(payments.begin(), payments.end(), [](const QVariant& a, const QVariant& b) {
        return a.toMap().value(PaymentKeys::PaymentID).toString() < b.toMap().value(PaymentKeys::PaymentID).toString();
    });
    if (record.contains(BillKeys::PaymentList))
        record.insert(BillKeys::PaymentList, payments);
    return record.isEmpty() ? QByteArray() : PropertyList::serialize(record);
}

inline QStringList listOf(const BWStoreEnvironment& env, const QString& listName)
{
    return BWBillIndex(dataFolderOf(env)).ids(listName);
}

inline QStringList shownBills(const BWStoreEnvironment& env)
{
    QStringList shown = BWBillsLoader(env).trimDeletedBillsFromActiveBills(listOf(env, IndexKeys::ActiveBills));
    shown.sort();
    return shown;
}

inline QStringList paymentNotes(const BWStoreEnvironment& env, const QString& billID)
{
    QStringList notes;
    for (const QVariant& payment : storedBill(env, billID).value(BillKeys::PaymentList).toList())
        notes.append(payment.toMap().value(PaymentKeys::Note).toString());
    notes.sort();
    return notes;
}

// What a device holds, one line per list and per shown bill, so that two
// devices compare line by line. The list of deleted bills is compared where
// the back-end carries it; Firebase carries each deletion to the devices that
// hold the bill only.
inline QStringList holdings(const BWStoreEnvironment& env, bool withDeletedList)
{
    const QStringList shown = shownBills(env);
    QStringList deleted = withDeletedList ? listOf(env, IndexKeys::DeletedBills) : QStringList();
    deleted.sort();
    deleted.removeDuplicates();
    QStringList lines = {QStringLiteral("shown ") + shown.join(QLatin1Char(' ')),
                         QStringLiteral("deleted ") + deleted.join(QLatin1Char(' '))};
    for (const QString& id : shown) {
        const QVariantMap record = storedBill(env, id);
        lines << QStringLiteral("%1 %2 | %3 | %4 | %5 | %6")
                     .arg(id, record.value(BillKeys::Name).toString(), record.value(BillKeys::Notes).toString(),
                          QString::number(record.value(BillKeys::Amount).toDouble()),
                          record.value(BillKeys::DueDate).toDateTime().toString(Qt::ISODate),
                          paymentNotes(env, id).join(QLatin1Char(',')));
    }
    return lines;
}

// Whether `counter` still reads what it read last time.
class Unchanged
{
public:
    bool operator()(int now)
    {
        const bool same = now == m_last;
        m_last = now;
        return same;
    }

private:
    int m_last = -1;
};

// Runs the event loop until `quiet` has held for `quietMs` in a row.
template <typename Quiet>
void runUntilQuiet(Quiet quiet, int quietMs, int deadlineMs = 30000)
{
    QElapsedTimer still, total;
    still.start();
    total.start();
    while (still.elapsed() < quietMs && total.elapsed() < deadlineMs) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        if (!quiet())
            still.restart();
    }
}

// Whether no device has sync work under way (a pass merges on workers).
inline bool devicesIdle(const std::vector<std::unique_ptr<SyncDevice>>& devices)
{
    return std::all_of(devices.cbegin(), devices.cend(), [](const auto& device) { return device->engine->isIdle(); });
}

// The hand-offs of the store to sync, let through until `letThrough` of
// them passed and dropped after, as a program killed meanwhile drops them.
class HandOffGate : public BWCloudChannels
{
public:
    // A deletion's writes: the bill's tombstone, the index, the lists' two
    // hand-offs; the bill's hand-off is the last, after which it is whole.
    static constexpr int DeletionWrites = 4;

    HandOffGate(BWCloudChannels& channels, int letThrough) : m_channels(channels), m_left(letThrough) {}
    void uploadBillToCloud(const QVariantMap& record, const QString& billID) override
    {
        if (pass())
            m_channels.uploadBillToCloud(record, billID);
    }
    void uploadIndexToCloud(const QStringList& billIDs, const QString& listName) override
    {
        if (pass())
            m_channels.uploadIndexToCloud(billIDs, listName);
    }
    QString userUID() const override { return m_channels.userUID(); }
    void saveBillToFirebase(const QVariantMap& record, const QString& billID) override
    {
        if (pass())
            m_channels.saveBillToFirebase(record, billID);
    }
    void removeBillFromFirebase(const QString& billID) override
    {
        if (pass())
            m_channels.removeBillFromFirebase(billID);
    }
    void setKeyValueStoreObject(const QVariant& value, const QString& key) override
    {
        if (pass())
            m_channels.setKeyValueStoreObject(value, key);
    }

private:
    bool pass() { return m_left-- > 0; }
    BWCloudChannels& m_channels;
    int m_left;
};

// ---- Back-ends ---------------------------------------------------------------

class Backend
{
public:
    virtual ~Backend() = default;
    virtual BWStoreEnvironment& env(int device) = 0;
    virtual Clock& clock(int device) = 0;
    virtual void setFaults(bool on) = 0;
    // Runs until the back-end carried nothing for a while.
    virtual void settle() = 0;
    // A full pass of one device, as at its start.
    virtual void fullPass(int device) = 0;
    // Every device catches up with everything the others sent.
    void catchUp()
    {
        for (int device = 0; device < devices(); ++device)
            fullPass(device);
        settle();
    }
    virtual int devices() const = 0;
    // A computer off the network and back; back, it runs a full pass.
    virtual void setOnline(int device, bool online) = 0;
    virtual QString traffic() const = 0;
};

// Devices on one record server.
class MemoryServerBackend : public Backend
{
public:
    MemoryServerBackend(const Config& config, const QDateTime& start, const QStringList& deviceIDs)
        : m_config(config)
    {
        m_server.setDelayMilliseconds(10);
        for (int i = 0; i < config.devices; ++i) {
            m_containers.push_back(std::make_unique<MemoryCloudContainer>(&m_server));
            m_devices.push_back(std::make_unique<SyncDevice>(*m_containers.back(), start, deviceIDs.at(i)));
            m_devices.back()->engine->turnCloudSyncOn();
        }
        settle();
    }
    BWStoreEnvironment& env(int device) override { return m_devices.at(device)->env; }
    Clock& clock(int device) override { return m_devices.at(device)->clock; }
    void setFaults(bool on) override { m_server.setRandomFaults(on ? m_config.faultRate : 0.0, m_config.seed); }
    void setOnline(int device, bool online) override
    {
        m_containers.at(device)->setAccountStatus(online ? CloudContainer::Available : CloudContainer::NoAccount);
        if (online)
            fullPass(device);
    }
    void settle() override
    {
        Unchanged traffic;
        runUntilQuiet([&] { return traffic(m_server.requestCount() + m_server.pushCount()) && devicesIdle(m_devices); },
                      150);
    }
    void fullPass(int device) override { m_devices.at(device)->engine->fetchAndUploadAllRecords(); }
    int devices() const override { return int(m_devices.size()); }
    QString traffic() const override
    {
        using Fault = MemoryCloudServer::Fault;
        return QStringLiteral("%1 requests, %2 pushes; faults %3 (%4 dropped, %5 delayed, %6 reordered)")
            .arg(m_server.requestCount()).arg(m_server.pushCount()).arg(m_server.totalFaults())
            .arg(m_server.faultCount(Fault::DropRequest) + m_server.faultCount(Fault::DropReply))
            .arg(m_server.faultCount(Fault::Delay)).arg(m_server.faultCount(Fault::Reorder));
    }

private:
    Config m_config;
    MemoryCloudServer m_server;
    std::vector<std::unique_ptr<MemoryCloudContainer>> m_containers;
    std::vector<std::unique_ptr<SyncDevice>> m_devices;
};

// Each device on its own copy of the shared folder; the file-sync service
// carries files between the copies.
class SharedFolderBackend : public Backend
{
public:
    SharedFolderBackend(const Config& config, const QDateTime& start, const QStringList& deviceIDs)
        : m_deviceIDs(deviceIDs)
        , m_faultRate(config.faultRate)
    {
        for (int i = 0; i < config.devices; ++i) {
            m_folders.append(m_copies.file(QStringLiteral("device%1").arg(i)));
            QDir().mkpath(m_folders.last());
        }
        m_sync = std::make_unique<SimulatedFileSync>(m_folders, config.service, config.seed);
        for (int i = 0; i < config.devices; ++i) {
            m_containers.push_back(std::make_unique<FolderCloudContainer>(m_folders.at(i), m_deviceIDs.at(i)));
            m_devices.push_back(std::make_unique<SyncDevice>(*m_containers.back(), start, m_deviceIDs.at(i)));
            // The folder's upkeep reads the dates against this computer's clock.
            m_containers.back()->folderDatabase()->setClock([clock = &m_devices.back()->clock] { return clock->now(); });
            m_devices.back()->engine->turnCloudSyncOn();
        }
        m_sync->start(2);
        settle();
    }
    BWStoreEnvironment& env(int device) override { return m_devices.at(device)->env; }
    Clock& clock(int device) override { return m_devices.at(device)->clock; }
    // The service is always late and out of order; at faults it also stops
    // now and then, as when a computer is asleep, and delivers files cut
    // short before it delivers them whole.
    void setFaults(bool on) override
    {
        m_faults = on;
        m_sync->setTruncationRate(on ? m_faultRate : 0.0);
    }
    void settle() override
    {
        m_sync->setPaused(false);
        Unchanged carried;
        runUntilQuiet(
            [&] {
                return carried(m_sync->filesCarried()) && m_sync->isIdle() && devicesIdle(m_devices)
                    && std::all_of(m_containers.cbegin(), m_containers.cend(),
                                   [](const auto& container) { return container->folderDatabase()->isIdle(); });
            },
            150);
    }
    void fullPass(int device) override { m_devices.at(device)->engine->fetchAndUploadAllRecords(); }
    int devices() const override { return int(m_devices.size()); }
    // The versions a computer wrote that the others' copies still hold.
    int versionsElsewhere(int device) const
    {
        int versions = 0;
        for (int other = 0; other < m_folders.size(); ++other) {
            QDirIterator it(QDir(m_folders.at(other)).filePath(QStringLiteral("records")),
                            {m_deviceIDs.at(device) + QStringLiteral(".plist")}, QDir::Files,
                            QDirIterator::Subdirectories);
            while (other != device && it.hasNext()) {
                it.next();
                ++versions;
            }
        }
        return versions;
    }
    void setOnline(int device, bool online) override
    {
        m_sync->setCutOff(device, !online);
        if (online)
            fullPass(device);
    }
    void pauseNowAndThen(QRandomGenerator& random)
    {
        if (m_faults)
            m_sync->setPaused(random.bounded(10u) == 0);
    }
    // Now and then two computers still running the earlier version save a
    // bill at once, each its own copy of it into the one file of the earlier
    // layout, records/<id>.plist: the service keeps one and makes the other
    // a conflict copy, and both must be read, merged and removed.
    void saveInTheEarlierLayoutNowAndThen(QRandomGenerator& random, const QString& billID)
    {
        if (!m_faults || random.bounded(4u) != 0 || m_folders.size() < 2)
            return;
        const int first = int(random.bounded(quint32(m_folders.size())));
        const int second = (first + 1 + int(random.bounded(quint32(m_folders.size() - 1)))) % int(m_folders.size());
        for (const int device : {first, second}) {
            const QString records = QDir(m_folders.at(device)).filePath(QStringLiteral("records/"));
            QVariantMap version =
                PropertyList::read(records + billID + QLatin1Char('/') + m_deviceIDs.at(device) + QStringLiteral(".plist"))
                    .value.toMap();
            if (version.isEmpty())
                continue;
            version.remove(QStringLiteral("MadeFrom"));   // the earlier layout kept no history
            PropertyList::write(records + billID + QStringLiteral(".plist"), version);
        }
    }
    QString traffic() const override
    {
        return QStringLiteral("%1 files carried (%2 cut short first), %3 conflict copies made")
            .arg(m_sync->filesCarried())
            .arg(m_sync->filesTruncated())
            .arg(m_sync->conflictCopiesMade());
    }
    // Every file of every computer's copy of the folder, with its size and time.
    QStringList folderState() const
    {
        QStringList files;
        for (const QString& folder : m_folders) {
            QDirIterator it(folder, QDir::Files, QDirIterator::Subdirectories);
            while (it.hasNext()) {
                it.next();
                files.append(QStringLiteral("%1 %2 %3")
                                 .arg(it.filePath())
                                 .arg(it.fileInfo().size())
                                 .arg(it.fileInfo().lastModified().toMSecsSinceEpoch()));
            }
        }
        files.sort();
        return files;
    }
    // Whether no file is written or carried while the computers' clocks
    // move on by a minute and the service runs on.
    bool staysAtRest(const std::function<void(int seconds)>& advanceClocks)
    {
        const QStringList before = folderState();
        const int carried = m_sync->filesCarried();
        for (int second = 0; second < 60; second += 5) {
            advanceClocks(5);
            runUntilQuiet([] { return true; }, 20);
        }
        return folderState() == before && m_sync->filesCarried() == carried;
    }

private:
    TempFolder m_copies;
    QStringList m_folders;
    QStringList m_deviceIDs;
    double m_faultRate;
    std::unique_ptr<SimulatedFileSync> m_sync;
    std::vector<std::unique_ptr<FolderCloudContainer>> m_containers;
    std::vector<std::unique_ptr<SyncDevice>> m_devices;
    bool m_faults = false;
};

// Devices signed into one account of the Firebase fake.
class FirebaseBackend : public Backend
{
public:
    FirebaseBackend(const Config& config, const QDateTime& start, const QStringList& deviceIDs)
        : m_config(config)
    {
        // Past the client's time-out: the write lands, the answer is lost.
        // Both short, so that a lost answer costs the soak little time.
        m_server.slowAnswerMs = 500;
        m_server.addAccount(QStringLiteral("soak@example.com"), QStringLiteral("secret1"));
        for (int i = 0; i < config.devices; ++i) {
            m_devices.push_back(std::make_unique<FirebaseTestDevice>(m_server, 400));
            FirebaseTestDevice& device = *m_devices.back();
            // Started again as this computer, with a place for its backups.
            device.quit();
            device.becomeDevice(deviceIDs.at(i));
            device.env.supportFolder = device.temp.file(QStringLiteral("support"));
            device.start();
            m_devices.back()->clock.setNow(start);
            EXPECT_TRUE(signInPatiently(*m_devices.back()));
        }
        EXPECT_TRUE(QTest::qWaitFor([&] { return m_server.openStreams() == 2 * config.devices; }, 10000));
    }
    BWStoreEnvironment& env(int device) override { return m_devices.at(device)->env; }
    Clock& clock(int device) override { return m_devices.at(device)->clock; }
    void setFaults(bool on) override { m_server.setRandomFaultRate(on ? m_config.faultRate : 0.0, m_config.seed); }
    // The fake serves every computer or none: while one is off the network,
    // all are.
    void setOnline(int device, bool online) override
    {
        if (online)
            m_offline.remove(device);
        else
            m_offline.insert(device);
        m_server.setOffline(!m_offline.isEmpty());
        if (online)
            fullPass(device);
    }
    void settle() override
    {
        Unchanged requests;
        runUntilQuiet([&] {
            const bool sent = std::all_of(m_devices.begin(), m_devices.end(),
                                          [](const auto& device) { return device->pendingWrites() == 0; });
            return requests(m_server.requests()) && sent && m_server.openStreams() == 2 * int(m_devices.size());
        }, 250, 60000);
    }
    void fullPass(int device) override { m_devices.at(device)->manager->uploadAllBillsToFirebaseIfNecessary(); }
    int devices() const override { return int(m_devices.size()); }
    void dropStreamsNowAndThen(QRandomGenerator& random)
    {
        if (random.bounded(200u) == 0)
            m_server.dropStreams();
    }
    QString traffic() const override
    {
        return QStringLiteral("%1 requests, %2 faults, %3 compare-and-swap conflicts, %4 streams opened")
            .arg(m_server.requests()).arg(m_server.faultsInjected()).arg(m_server.conflicts())
            .arg(m_server.streamsOpened());
    }

private:
    // The client's short time-out can pass before a loaded machine answers
    // the sign-in; a user would simply sign in again.
    static bool signInPatiently(FirebaseTestDevice& device)
    {
        for (int attempt = 0; attempt < 5; ++attempt) {
            if (device.signIn(QStringLiteral("soak@example.com"), QStringLiteral("secret1")))
                return true;
        }
        return false;
    }
    Config m_config;
    FakeFirebaseServer m_server;
    QSet<int> m_offline;
    std::vector<std::unique_ptr<FirebaseTestDevice>> m_devices;
};

// ---- The soak ----------------------------------------------------------------

class Soak
{
public:
    explicit Soak(const Config& config) : m_config(config), m_random(config.seed)
    {
        const QStringList deviceIDs = deviceIDsFor(config, m_machines);
        m_result.distinctDeviceIDs = QSet<QString>(deviceIDs.cbegin(), deviceIDs.cend()).size() == deviceIDs.size();
        switch (config.backend) {
        case BackendKind::MemoryServer:
            m_backend = std::make_unique<MemoryServerBackend>(config, m_start, deviceIDs);
            break;
        case BackendKind::SharedFolder:
            m_backend = std::make_unique<SharedFolderBackend>(config, m_start, deviceIDs);
            break;
        case BackendKind::Firebase:
            m_backend = std::make_unique<FirebaseBackend>(config, m_start, deviceIDs);
            break;
        }
    }

    Result run()
    {
        QElapsedTimer timer;
        timer.start();
        m_backend->setFaults(true);
        for (m_step = 1; m_step <= m_config.edits; ++m_step) {
            setTime(m_step);
            awayForAHundredDays(m_step);
            comeBack(m_step);
            m_operating = int(m_random.bounded(quint32(m_config.devices)));
            operate(m_operating);
            disturb();
            QCoreApplication::processEvents(QEventLoop::AllEvents, 2);
        }
        comeBack(0);
        m_backend->setFaults(false);
        m_result.editMs = timer.restart();
        m_backend->settle();
        converge();
        m_result.convergeMs = timer.elapsed();
        m_result.traffic = m_backend->traffic();
        compareWithModel();
        compareFiles();
        if (auto* folder = dynamic_cast<SharedFolderBackend*>(m_backend.get())) {
            m_result.folderAtRest = folder->staysAtRest([this](int seconds) {
                for (int i = 0; i < m_config.devices; ++i)
                    m_backend->clock(i).setNow(m_backend->clock(i).now().addSecs(seconds));
            });
        }
        return m_result;
    }

private:
    // One computer's clock an hour ahead, another's 40 minutes behind; each
    // moves on with the steps, and in the seeds with a computer away, by a
    // hundred days halfway through.
    void setTime(int step)
    {
        static const qint64 offsetsMs[] = {0, 3600 * 1000, -40 * 60 * 1000};
        const int days = awayDevice() >= 0 && step >= m_config.edits / 2 ? DaysAway : 0;
        for (int i = 0; i < m_config.devices; ++i)
            m_backend->clock(i).setNow(m_start.addMSecs(step * 2000 + offsetsMs[i % 3] + (i / 3) * 700).addDays(days));
    }

    // In every other seed one computer is off the network from the third of
    // the steps to two thirds, and a hundred days pass meanwhile: over the
    // shared folder, once another computer has stamped a change since, the
    // others' passes find it silent and fold its versions in before it is
    // back.
    static constexpr int DaysAway = 100;
    int awayDevice() const { return m_config.seed % 2 == 1 ? int(m_config.seed / 2 % quint32(m_config.devices)) : -1; }
    void awayForAHundredDays(int step)
    {
        const int third = std::max(1, m_config.edits / 3);
        if (awayDevice() < 0)
            return;
        if (step == third)
            goOffline(awayDevice(), third);
        auto* folder = dynamic_cast<SharedFolderBackend*>(m_backend.get());
        if (!folder || step <= m_config.edits / 2 || m_backAtStep.value(awayDevice()) != step)
            return;
        // Silence is told by the stamps in the folder, not by this clock.
        operate((awayDevice() + 1) % m_config.devices, [this](const BWStoreEnvironment& env) { return create(env); });
        // A version no other holds yet is first written into one of this
        // computer's own, and removed at the pass after.
        for (int round = 0; round < 2; ++round) {
            for (int device = 0; device < m_config.devices; ++device) {
                if (device != awayDevice())
                    m_backend->fullPass(device);
            }
            m_backend->settle();
        }
        m_result.silentVersionsLeft = folder->versionsElsewhere(awayDevice());
    }

    void disturb()
    {
        if (auto* folder = dynamic_cast<SharedFolderBackend*>(m_backend.get())) {
            folder->pauseNowAndThen(m_random);
            const QStringList live = shownBills(m_backend->env(0));
            if (!live.isEmpty())
                folder->saveInTheEarlierLayoutNowAndThen(m_random, live.at(int(m_random.bounded(quint32(live.size())))));
        }
        if (auto* firebase = dynamic_cast<FirebaseBackend*>(m_backend.get()))
            firebase->dropStreamsNowAndThen(m_random);
    }

    // ---- Operations, each taken down in the model --------------------------

    // Every bill file of a computer, as stored.
    QMap<QString, QVariantMap> billFiles(const BWStoreEnvironment& env) const
    {
        QMap<QString, QVariantMap> files;
        const QDir folder(dataFolderOf(env));
        for (const QString& name : folder.entryList({QStringLiteral("*.plist")}, QDir::Files)) {
            const QString id = name.chopped(6);
            if (BWUIDMaker::isValidUID(id))
                files.insert(id, PropertyList::read(folder.filePath(name)).value.toMap());
        }
        return files;
    }

    void operate(int device)
    {
        operate(device, [this](const BWStoreEnvironment& env) { return perform(env); });
    }
    // `action` is one operation; false for one that must change nothing.
    void operate(int device, const std::function<bool(const BWStoreEnvironment&)>& action)
    {
        const BWStoreEnvironment& env = m_backend->env(device);
        const QMap<QString, QVariantMap> before = billFiles(env);
        const bool changing = action(env);
        const QMap<QString, QVariantMap> after = billFiles(env);
        QStringList ids = before.keys() + after.keys();
        ids.removeDuplicates();
        for (const QString& id : std::as_const(ids)) {
            const QString problem = m_model.takeChange(id, before.value(id), after.value(id));
            if (!problem.isEmpty()) {
                ++m_result.stampProblems;
                m_result.problems.append(problem);
            }
        }
        // A save that changes nothing writes nothing.
        if (!changing && before != after) {
            ++m_result.stampProblems;
            m_result.problems.append(
                QStringLiteral("a save that changed nothing wrote on computer %1").arg(device + 1));
        }
    }

    // One random operation; false for one that must change nothing.
    bool perform(const BWStoreEnvironment& env)
    {
        const QStringList live = shownBills(env);
        // The rare ones, that change every bill: one in a hundred a restore
        // from the last backup, one in three hundred an erase and import.
        const quint32 rare = m_random.bounded(300u);
        if (rare < 3)
            return restoreFromBackup(env);
        if (rare == 3)
            return eraseAndImport(env);
        const quint32 roll = m_random.bounded(100u);
        if (live.isEmpty() || roll < 10)
            return create(env);
        if (roll < 15)
            return newBillOffline(env);
        const QString billID = live.at(int(m_random.bounded(quint32(live.size()))));
        const std::optional<QVariantMap> bill = BWBillsLoader(env).loadBillWithID(billID);
        if (!bill)
            return ++m_result.refusedEdits, true;
        if (roll < 34)
            return change(env, billID);
        if (roll < 56)
            return pay(env, *bill, QStringLiteral("payment %1").arg(++m_result.payments), true);
        if (roll < 64)
            return reverse(env, billID);
        if (roll < 71)
            return editPaymentBackAndForth(env, billID);
        if (roll < 77)
            return quickLogUndoQuickLog(env, billID);
        if (roll < 83)
            return archiveOrRestore(env, *bill);
        if (roll < 88)
            return saveUnchanged(env, *bill);
        if (roll < 92)
            return backUp(env);
        return remove(env, billID);
    }

    bool create(const BWStoreEnvironment& env, const QString& billID = BWUIDMaker::makeUID())
    {
        const int number = ++m_result.creates;
        QVariantMap record = newMonthlyBill(QStringLiteral("Bill %1").arg(number), billID,
                                            env.clock->now().addDays(10).toUTC(), 10.0 + number);
        // Every third one a loan with a balance that payments take off.
        if (number % 3 == 0)
            record.insert(BillKeys::Balance, 1000.0 + number);
        if (!BWBill(env).finishWritingBillWithDictionary(record, false, true))
            ++m_result.refusedEdits;
        return true;
    }

    // A computer off the network makes a bill and, before it ever went up,
    // deletes it (now and then killed midway) or archives it; the computer
    // is back a few steps later.
    bool newBillOffline(const BWStoreEnvironment& env)
    {
        ++m_result.offlineBills;
        goOffline(m_operating, 1 + int(m_random.bounded(4u)));
        const QString billID = BWUIDMaker::makeUID();
        create(env, billID);
        if (m_random.bounded(2u) == 0)
            return remove(env, billID);
        ++m_result.archives;
        if (!BWBill(env).archiveBillWithBid(billID))
            ++m_result.refusedEdits;
        return true;
    }

    void goOffline(int device, int steps)
    {
        m_backAtStep[device] = std::max(m_backAtStep.value(device), m_step + steps);
        m_backend->setOnline(device, false);
    }

    // The computers due back (all of them at `step` 0) are.
    void comeBack(int step)
    {
        for (auto it = m_backAtStep.begin(); it != m_backAtStep.end();) {
            if (step != 0 && it.value() != step) {
                ++it;
                continue;
            }
            m_backend->setOnline(it.key(), true);
            it = m_backAtStep.erase(it);
        }
    }

    bool change(const BWStoreEnvironment& env, const QString& billID)
    {
        const int number = ++m_result.changes;
        bool saved = false;
        switch (m_random.bounded(4u)) {
        case 0:
            saved = BWBill(env).saveSpecificKey(BillKeys::Notes, QStringLiteral("edit %1").arg(number), billID);
            break;
        case 1:
            saved = BWBill(env).saveSpecificKey(BillKeys::Amount, 5.0 + number % 50, billID);
            break;
        case 2:
            saved = BWBill(env).saveSpecificKey(BillKeys::Balance, 500.0 + number, billID);
            break;
        default:
            saved
                = BWBill(env).saveSpecificKey(BillKeys::DueDate, env.clock->now().addDays(number % 40).toUTC(), billID);
        }
        if (!saved)
            ++m_result.refusedEdits;
        return true;
    }

    bool pay(const BWStoreEnvironment& env, const QVariantMap& bill, const QString& note, bool onTheDay)
    {
        const double amount = note == QStringLiteral("Quick Logged") ? bill.value(BillKeys::Amount).toDouble()
                                                                     : 1.0 + m_result.payments % 90;
        const QDateTime date = onTheDay ? env.clock->now() : bill.value(BillKeys::AbsoluteDueDate).toDateTime();
        if (!BWPaymentLogger(env).recordPayment({amount, date, note, QString()}, bill, true))
            ++m_result.refusedEdits;
        return true;
    }

    // Undoes the newest payment this computer holds of the bill.
    bool reverse(const BWStoreEnvironment& env, const QString& billID)
    {
        QVariantList payments =
            BWPaymentLogger::paymentsNewestFirst(storedBill(env, billID).value(BillKeys::PaymentList).toList());
        if (payments.isEmpty())
            return true;
        ++m_result.reversals;
        if (!BWPaymentLogger(env).reverseLastPaymentForBill(billID, payments))
            ++m_result.refusedEdits;
        return true;
    }

    // A payment's amount changed on the bill page and changed back.
    bool editPaymentBackAndForth(const BWStoreEnvironment& env, const QString& billID)
    {
        const QVariantList payments
            = BWPaymentLogger::paymentsNewestFirst(storedBill(env, billID).value(BillKeys::PaymentList).toList());
        if (payments.isEmpty())
            return true;
        ++m_result.paymentEdits;
        const qsizetype index = qsizetype(m_random.bounded(quint32(payments.size())));
        const double amount = payments.at(index).toMap().value(PaymentKeys::Amount).toDouble();
        for (const double edited : {amount + 10.0, amount}) {
            const QVariantList current
                = BWPaymentLogger::paymentsNewestFirst(storedBill(env, billID).value(BillKeys::PaymentList).toList());
            QVariantMap entry = current.value(index).toMap();
            entry.insert(PaymentKeys::Amount, edited);
            if (!BWPaymentLogger(env).saveEditedPayment(current, index, entry, billID))
                ++m_result.refusedEdits;
        }
        return true;
    }

    bool quickLogUndoQuickLog(const BWStoreEnvironment& env, const QString& billID)
    {
        ++m_result.quickLogs;
        const BWBillsLoader loader(env);
        pay(env, loader.loadBillWithID(billID).value_or(QVariantMap()), QStringLiteral("Quick Logged"), false);
        reverse(env, billID);
        if (const std::optional<QVariantMap> bill = loader.loadBillWithID(billID))
            pay(env, *bill, QStringLiteral("Quick Logged"), false);
        return true;
    }

    bool archiveOrRestore(const BWStoreEnvironment& env, const QVariantMap& bill)
    {
        ++m_result.archives;
        const QString billID = bill.value(BillKeys::Bid).toString();
        const bool done = bill.value(BillKeys::IsArchived).toBool() ? BWBill(env).restoreBillWithBid(billID)
                                                                    : BWBill(env).archiveBillWithBid(billID);
        if (!done)
            ++m_result.refusedEdits;
        return true;
    }

    // The bill saved as loaded, and a key saved as it is: nothing changes.
    bool saveUnchanged(const BWStoreEnvironment& env, const QVariantMap& bill)
    {
        ++m_result.emptySaves;
        const QString billID = bill.value(BillKeys::Bid).toString();
        if (!BWBill(env).rewriteSpecificBill(bill)
            || !BWBill(env).saveSpecificKey(BillKeys::Notes, bill.value(BillKeys::Notes), billID))
            ++m_result.refusedEdits;
        return false;
    }

    bool backUp(const BWStoreEnvironment& env)
    {
        // One backup a day is the rule; the soak wants one now.
        env.defaults->setObject(BWDefaultsKeys::BWLastBackup, PropertyList::distantPast());
        if (!BWBillsLoader(env).backupDatabase())
            ++m_result.refusedEdits;
        return true;
    }

    bool restoreFromBackup(const BWStoreEnvironment& env)
    {
        if (!BWUIDMaker::isValidUID(env.defaults->stringForKey(BWDefaultsKeys::BWLastBackupUID)))
            return backUp(env);
        ++m_result.backupRestores;
        if (!BWBillsLoader(env).restoreDatabase())
            ++m_result.refusedEdits;
        return true;
    }

    // Every bill erased, and one of the fourth version's files imported.
    bool eraseAndImport(const BWStoreEnvironment& env)
    {
        const int number = ++m_result.eraseImports;
        const QString folder = m_machines.file(QStringLiteral("import%1/Orvane/Data").arg(number));
        QDir().mkpath(folder);
        const QVariantMap legacy{{QStringLiteral("Next_Due"), env.clock->now().addDays(5)},
                                 {QStringLiteral("Repeat_a"), 1},
                                 {QStringLiteral("Repeat_b"), QStringLiteral("Months")},
                                 {QStringLiteral("Amount_Due"), 42.0},
                                 {QStringLiteral("Is_Active"), true}};
        PropertyList::write(QDir(folder).filePath(QStringLiteral("Imported %1.plist").arg(number)), legacy);
        const BWImportManager::ImportReport report
            = BWImportManager(env).performImportWithBills(QDir(folder).entryInfoList(QDir::Files), folder, true);
        if (report.imported != 1)
            ++m_result.refusedEdits;
        return true;
    }

    bool remove(const BWStoreEnvironment& env, const QString& billID)
    {
        ++m_result.deletes;
        if (m_random.bounded(3u) == 0)
            return removeKilled(env, billID, int(m_random.bounded(quint32(HandOffGate::DeletionWrites))) + 1);
        if (!BWBill(env).deleteBillWithBid(billID))
            ++m_result.refusedEdits;
        return true;
    }

    // A deletion ended by a kill after its first `writesDone` writes: the
    // bill's tombstone, the index, then each hand-off to sync. The program's
    // next start puts the index right from the files and runs a full pass.
    bool removeKilled(const BWStoreEnvironment& env, const QString& billID, int writesDone)
    {
        const QString indexPath = BWBillIndex::pathInFolder(dataFolderOf(env));
        QFile indexFile(indexPath);
        const QByteArray indexBefore = indexFile.open(QIODevice::ReadOnly) ? indexFile.readAll() : QByteArray();
        indexFile.close();
        if (!env.cloud)
            return ++m_result.refusedEdits, true;
        HandOffGate gate(*env.cloud, writesDone - 2);
        BWStoreEnvironment killed = env;
        killed.cloud = &gate;
        BWBill(killed).deleteBillWithBid(billID);
        QSaveFile putBack(indexPath);
        if (writesDone == 1
            && !(putBack.open(QIODevice::WriteOnly) && putBack.write(indexBefore) == indexBefore.size() && putBack.commit()))
            ++m_result.refusedEdits;
        if (!BWIndexRepair(env).listAsDeleted(BWIndexRepair::tombstonesListedAsLive(dataFolderOf(env))))
            ++m_result.refusedEdits;
        m_backend->fullPass(m_operating);
        return true;
    }

    // ---- After the faults ------------------------------------------------------

    // Every device catches up, until all hold the same and a round changes
    // nothing.
    void converge()
    {
        QList<QStringList> before = allHoldings();
        for (int pass = 1; pass <= m_config.maxPasses; ++pass) {
            m_backend->catchUp();
            const QList<QStringList> after = allHoldings();
            m_result.passes = pass;
            if (after == before && std::all_of(after.begin(), after.end(),
                                               [&](const QStringList& h) { return h == after.first(); })) {
                m_result.converged = true;
                break;
            }
            before = after;
        }
        m_result.finalBills = int(before.first().size()) - 2;
        m_result.firstDifference = firstDifference(before);
    }

    QList<QStringList> allHoldings()
    {
        QList<QStringList> all;
        for (int i = 0; i < m_config.devices; ++i)
            all.append(holdings(m_backend->env(i), m_config.backend != BackendKind::Firebase));
        return all;
    }

    static QString firstDifference(const QList<QStringList>& holdings)
    {
        for (int device = 1; device < holdings.size(); ++device) {
            for (int line = 0; line < qMax(holdings[0].size(), holdings[device].size()); ++line) {
                const QString a = holdings[0].value(line), b = holdings[device].value(line);
                if (a != b)
                    return QStringLiteral("device 1: %1\ndevice %2: %3").arg(a, QString::number(device + 1), b);
            }
        }
        return {};
    }

    // Every computer holds what the model says: each bill shown or deleted,
    // each stored field, the payments, Balance, the totals.
    void compareWithModel()
    {
        for (int i = 0; i < m_config.devices; ++i) {
            const BWStoreEnvironment& env = m_backend->env(i);
            const QStringList shown = shownBills(env);
            for (const QString& billID : m_model.billIDs()) {
                const bool deleted = m_model.isDeleted(billID);
                QString difference;
                if (shown.contains(billID) == deleted)
                    difference = deleted ? QStringLiteral("shown, though deleted") : QStringLiteral("not shown");
                else if (!deleted)
                    difference = m_model.differenceFrom(billID, storedBill(env, billID), BWBillMerge::sameValue);
                if (!deleted && i == 0) {
                    ++m_result.billsChecked;
                    m_result.paymentsChecked += int(m_model.payments(billID).size());
                }
                if (!difference.isEmpty()) {
                    ++m_result.modelDifferences;
                    m_result.problems.append(
                        QStringLiteral("computer %1, bill %2: %3").arg(i + 1).arg(billID, difference));
                }
            }
        }
    }

    // Every computer's bill files are alike byte for byte but for the display
    // keys, and every id a list names has its file.
    void compareFiles()
    {
        QMap<QString, QByteArray> firstFiles;
        for (int i = 0; i < m_config.devices; ++i) {
            const BWStoreEnvironment& env = m_backend->env(i);
            const BWBillIndex index(dataFolderOf(env));
            for (const QString& list : {IndexKeys::ActiveBills, IndexKeys::ArchivedBills, IndexKeys::DeletedBills}) {
                for (const QString& billID : index.ids(list)) {
                    if (QFileInfo::exists(QDir(dataFolderOf(env)).filePath(billID + ".plist")))
                        continue;
                    ++m_result.listedWithoutFile;
                    m_result.problems.append(
                        QStringLiteral("computer %1 lists %2 in %3 without a file").arg(i + 1).arg(billID, list));
                }
            }
            // Firebase nodes carry another form of the bills (dates as
            // numbers), which does not come back byte for byte yet.
            if (m_config.backend == BackendKind::Firebase)
                continue;
            for (const QString& billID : m_model.billIDs()) {
                const QByteArray bytes = comparableBillFile(env, billID);
                if (i == 0) {
                    firstFiles.insert(billID, bytes);
                } else if (bytes != firstFiles.value(billID)) {
                    ++m_result.filesDiffering;
                    m_result.problems.append(QStringLiteral("computer %1, file of %2 differs:\n%3\n%4")
                                                 .arg(i + 1)
                                                 .arg(billID, QString::fromUtf8(firstFiles.value(billID)),
                                                      QString::fromUtf8(bytes)));
                }
            }
        }
    }

    Config m_config;
    QRandomGenerator m_random;
    const QDateTime m_start{QDate(2026, 6, 1), QTime(9, 0), QTimeZone::utc()};
    TempFolder m_machines;  // the computers' machine ids and settings, the files to import
    std::unique_ptr<Backend> m_backend;
    SyncModel m_model;
    Result m_result;
    int m_step = 0;
    int m_operating = 0;  // the computer making the current operation
    QMap<int, int> m_backAtStep;  // the computers off the network, and when each is back
};

inline Result run(const Config& config)
{
    return Soak(config).run();
}

}  // namespace SyncSoak
