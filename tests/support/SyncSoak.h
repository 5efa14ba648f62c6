#pragma once

// Three devices, each with its own data folder and clock, keep their bills
// in step through one back-end that misbehaves: the in-memory record server
// losing, delaying and reordering messages; shared folders kept in step by a
// file-sync service that delivers files late, in any order and with
// conflict copies; or the Firebase fake failing requests and dropping its
// change streams. The devices make random new bills, edits, payments,
// reversals and deletes; then the faults stop and every device catches up
// until nothing changes any more. The result says whether all devices hold
// the same bills, and whether a payment reported as saved went missing
// without a device that had seen it reversing it.

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QTest>
#include <QTimeZone>

#include <algorithm>
#include <memory>
#include <set>
#include <vector>

#include "platform/FolderCloudContainer.h"
#include "store/BWBillRecordKeys.h"
#include "store/BWDataFolder.h"
#include "support/FirebaseTestDevice.h"
#include "support/MemoryCloudContainer.h"
#include "support/MemoryCloudDatabase.h"
#include "support/MemoryCloudServer.h"
#include "support/SimulatedFileSync.h"
#include "support/SyncDevice.h"
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
};

struct Result
{
    int creates = 0, changes = 0, payments = 0, reversals = 0, deletes = 0, refusedEdits = 0;
    int passes = 0;
    bool converged = false;
    int paymentsOnLiveBills = 0, lostPayments = 0, undoneDeletes = 0;
    int finalBills = 0;
    qint64 editMs = 0, convergeMs = 0;
    QString traffic;   // what the back-end carried and the faults it made
    QString firstDifference;
    QStringList lost;  // "<bill id> <payment note>" of each payment lost
};

// ---- One device's store, whatever syncs it ---------------------------------------

inline QString dataFolderOf(const BWStoreEnvironment& env)
{
    return BWDataFolder(env).path();
}

inline QVariantMap storedBill(const BWStoreEnvironment& env, const QString& billID)
{
    return PropertyList::read(QDir(dataFolderOf(env)).filePath(billID + ".plist")).value.toMap();
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
    // Every device catches up with everything the others sent.
    virtual void catchUp() = 0;
    virtual QString traffic() const = 0;
};

// Devices on one record server.
class MemoryServerBackend : public Backend
{
public:
    MemoryServerBackend(const Config& config, const QDateTime& start) : m_config(config)
    {
        m_server.setDelayMilliseconds(10);
        for (int i = 0; i < config.devices; ++i) {
            m_containers.push_back(std::make_unique<MemoryCloudContainer>(&m_server));
            m_devices.push_back(std::make_unique<SyncDevice>(*m_containers.back(), start));
            m_devices.back()->engine->turnCloudSyncOn();
        }
        settle();
    }
    BWStoreEnvironment& env(int device) override { return m_devices.at(device)->env; }
    Clock& clock(int device) override { return m_devices.at(device)->clock; }
    void setFaults(bool on) override { m_server.setRandomFaults(on ? m_config.faultRate : 0.0, m_config.seed); }
    void settle() override
    {
        Unchanged traffic;
        runUntilQuiet([&] { return traffic(m_server.requestCount() + m_server.pushCount()); }, 150);
    }
    void catchUp() override
    {
        for (const auto& device : m_devices)
            device->engine->fetchAndUploadAllRecords();
        settle();
    }
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
    SharedFolderBackend(const Config& config, const QDateTime& start)
    {
        for (int i = 0; i < config.devices; ++i) {
            m_folders.append(m_copies.file(QStringLiteral("device%1").arg(i)));
            m_deviceIDs.append(BWUIDMaker::makeUID());
            QDir().mkpath(m_folders.last());
        }
        m_sync = std::make_unique<SimulatedFileSync>(m_folders, config.service, config.seed);
        for (int i = 0; i < config.devices; ++i) {
            m_containers.push_back(std::make_unique<FolderCloudContainer>(m_folders.at(i), m_deviceIDs.at(i)));
            m_devices.push_back(std::make_unique<SyncDevice>(*m_containers.back(), start));
            m_devices.back()->engine->turnCloudSyncOn();
        }
        m_sync->start(2);
        settle();
    }
    BWStoreEnvironment& env(int device) override { return m_devices.at(device)->env; }
    Clock& clock(int device) override { return m_devices.at(device)->clock; }
    // The service is always late and out of order; at faults it also stops
    // now and then, as when a computer is asleep.
    void setFaults(bool on) override { m_faults = on; }
    void settle() override
    {
        m_sync->setPaused(false);
        Unchanged carried;
        runUntilQuiet([&] { return carried(m_sync->filesCarried()) && m_sync->isIdle(); }, 150);
    }
    void catchUp() override
    {
        for (const auto& device : m_devices)
            device->engine->fetchAndUploadAllRecords();
        settle();
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
        return QStringLiteral("%1 files carried, %2 conflict copies made")
            .arg(m_sync->filesCarried()).arg(m_sync->conflictCopiesMade());
    }

private:
    TempFolder m_copies;
    QStringList m_folders;
    QStringList m_deviceIDs;
    std::unique_ptr<SimulatedFileSync> m_sync;
    std::vector<std::unique_ptr<FolderCloudContainer>> m_containers;
    std::vector<std::unique_ptr<SyncDevice>> m_devices;
    bool m_faults = false;
};

// Devices signed into one account of the Firebase fake.
class FirebaseBackend : public Backend
{
public:
    FirebaseBackend(const Config& config, const QDateTime& start) : m_config(config)
    {
        // Past the client's time-out: the write lands, the answer is lost.
        // Both short, so that a lost answer costs the soak little time.
        m_server.slowAnswerMs = 500;
        m_server.addAccount(QStringLiteral("soak@example.com"), QStringLiteral("secret1"));
        for (int i = 0; i < config.devices; ++i) {
            m_devices.push_back(std::make_unique<FirebaseTestDevice>(m_server, 400));
            m_devices.back()->clock.setNow(start);
            EXPECT_TRUE(m_devices.back()->signIn(QStringLiteral("soak@example.com"), QStringLiteral("secret1")));
        }
        EXPECT_TRUE(QTest::qWaitFor([&] { return m_server.openStreams() == 2 * config.devices; }, 10000));
    }
    BWStoreEnvironment& env(int device) override { return m_devices.at(device)->env; }
    Clock& clock(int device) override { return m_devices.at(device)->clock; }
    void setFaults(bool on) override { m_server.setRandomFaultRate(on ? m_config.faultRate : 0.0, m_config.seed); }
    void settle() override
    {
        Unchanged requests;
        runUntilQuiet([&] {
            const bool sent = std::all_of(m_devices.begin(), m_devices.end(),
                                          [](const auto& device) { return device->pendingWrites() == 0; });
            return requests(m_server.requests()) && sent && m_server.openStreams() == 2 * int(m_devices.size());
        }, 250, 60000);
    }
    void catchUp() override
    {
        for (const auto& device : m_devices)
            device->manager->uploadAllBillsToFirebaseIfNecessary();
        settle();
    }
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
    Config m_config;
    FakeFirebaseServer m_server;
    std::vector<std::unique_ptr<FirebaseTestDevice>> m_devices;
};

// ---- The soak ----------------------------------------------------------------

class Soak
{
public:
    explicit Soak(const Config& config) : m_config(config), m_random(config.seed)
    {
        switch (config.backend) {
        case BackendKind::MemoryServer:
            m_backend = std::make_unique<MemoryServerBackend>(config, m_start);
            break;
        case BackendKind::SharedFolder:
            m_backend = std::make_unique<SharedFolderBackend>(config, m_start);
            break;
        case BackendKind::Firebase:
            m_backend = std::make_unique<FirebaseBackend>(config, m_start);
            break;
        }
    }

    Result run()
    {
        QElapsedTimer timer;
        timer.start();
        m_backend->setFaults(true);
        for (int step = 1; step <= m_config.edits; ++step) {
            setTime(step);
            edit(int(m_random.bounded(quint32(m_config.devices))));
            disturb();
            QCoreApplication::processEvents(QEventLoop::AllEvents, 2);
        }
        m_backend->setFaults(false);
        m_result.editMs = timer.restart();
        m_backend->settle();
        converge();
        m_result.convergeMs = timer.elapsed();
        m_result.traffic = m_backend->traffic();
        checkPaymentsAndDeletes();
        return m_result;
    }

private:
    // Every device's clock moves on together, each a little off the others
    // but none showing a moment another shows at any step, so that the order
    // of two operations' moments is the order of their steps, by which a
    // deletion is judged undone or not.
    void setTime(int step)
    {
        for (int i = 0; i < m_config.devices; ++i)
            m_backend->clock(i).setNow(m_start.addMSecs(step * 2000 + (qint64(i) % 3) * 700));
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

    void edit(int device)
    {
        const BWStoreEnvironment& env = m_backend->env(device);
        const QStringList live = shownBills(env);
        const quint32 roll = m_random.bounded(100u);
        if (live.isEmpty() || roll < 12)
            return create(env);
        const QString billID = live.at(int(m_random.bounded(quint32(live.size()))));
        m_lastTouched.insert(billID, ++m_step);
        if (roll < 45)
            return change(env, billID);
        if (roll < 85)
            return pay(env, billID);
        if (roll < 94)
            return reverse(env, billID);
        remove(env, billID);
    }

    void create(const BWStoreEnvironment& env)
    {
        const int number = ++m_result.creates;
        const QVariantMap record = newMonthlyBill(QStringLiteral("Bill %1").arg(number), BWUIDMaker::makeUID(),
                                                  env.clock->now().addDays(10).toUTC(), 10.0 + number);
        if (!BWBill(env).finishWritingBillWithDictionary(record, false, true))
            ++m_result.refusedEdits;
    }

    void change(const BWStoreEnvironment& env, const QString& billID)
    {
        ++m_result.changes;
        const QString text = QStringLiteral("edit %1").arg(m_result.changes);
        const bool saved = m_random.bounded(2u) == 0
                               ? BWBill(env).saveSpecificKey(BillKeys::Notes, text, billID)
                               : BWBill(env).saveSpecificKey(BillKeys::Amount, 5.0 + m_result.changes % 50, billID);
        if (!saved)
            ++m_result.refusedEdits;
    }

    void pay(const BWStoreEnvironment& env, const QString& billID)
    {
        ++m_result.payments;
        const QString note = QStringLiteral("payment %1").arg(m_result.payments);
        const std::optional<QVariantMap> record = BWBillsLoader(env).loadBillWithID(billID);
        if (record && BWPaymentLogger(env).recordPayment({1.0 + m_result.payments % 90, env.clock->now(), note, QString()},
                                                         *record, true))
            m_saved.append({billID, note});
        else
            ++m_result.refusedEdits;
    }

    // Undoes the newest payment this device holds of the bill.
    void reverse(const BWStoreEnvironment& env, const QString& billID)
    {
        QVariantList payments =
            BWPaymentLogger::paymentsNewestFirst(storedBill(env, billID).value(BillKeys::PaymentList).toList());
        if (payments.isEmpty())
            return pay(env, billID);
        ++m_result.reversals;
        const QString note = payments.first().toMap().value(PaymentKeys::Note).toString();
        if (BWPaymentLogger(env).reverseLastPaymentForBill(billID, payments))
            m_reversed.insert({billID, note});
        else
            ++m_result.refusedEdits;
    }

    void remove(const BWStoreEnvironment& env, const QString& billID)
    {
        ++m_result.deletes;
        if (BWBill(env).deleteBillWithBid(billID))
            m_deleted.insert(billID, m_step);
        else
            ++m_result.refusedEdits;
    }

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

    void checkPaymentsAndDeletes()
    {
        for (int i = 0; i < m_config.devices; ++i) {
            const BWStoreEnvironment& env = m_backend->env(i);
            const QStringList live = shownBills(env);
            // A change made after a deletion (by a device that had not
            // heard of it yet) may bring the bill back; nothing else may.
            for (auto it = m_deleted.cbegin(); it != m_deleted.cend(); ++it)
            {
                const bool undone = live.contains(it.key()) && m_lastTouched.value(it.key()) <= it.value();
                m_result.undoneDeletes += undone ? 1 : 0;
                if (undone)
                    m_result.lost.append(QStringLiteral("undone %1 on device %2").arg(it.key()).arg(i + 1));
            }
            for (const auto& saved : std::as_const(m_saved)) {
                // A reversal is made by a device that holds the payment; a
                // deletion takes the bill's payments with it, even when a
                // later change on a device unaware of it brings the bill back.
                if (!live.contains(saved.first) || m_reversed.contains(saved) || m_deleted.contains(saved.first))
                    continue;
                if (i == 0)
                    ++m_result.paymentsOnLiveBills;
                if (!paymentNotes(env, saved.first).contains(saved.second)) {
                    ++m_result.lostPayments;
                    m_result.lost.append(saved.first + QLatin1Char(' ') + saved.second);
                }
            }
        }
    }

    Config m_config;
    QRandomGenerator m_random;
    const QDateTime m_start{QDate(2026, 6, 1), QTime(9, 0), QTimeZone::utc()};
    std::unique_ptr<Backend> m_backend;
    Result m_result;
    QList<std::pair<QString, QString>> m_saved;
    std::set<std::pair<QString, QString>> m_reversed;
    // The step of each bill's last change, and of its deletion.
    int m_step = 0;
    QHash<QString, int> m_lastTouched;
    QHash<QString, int> m_deleted;
};

inline Result run(const Config& config)
{
    return Soak(config).run();
}

}  // namespace SyncSoak
