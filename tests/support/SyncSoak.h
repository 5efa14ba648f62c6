#pragma once

// Several devices, each with its own data folder, clock and sync engine, on
// one in-memory cloud whose network loses, delays and reorders messages.
// They make random edits, payments and deletes; then the network heals and
// every device runs full passes until nothing changes any more. The result
// says whether all devices hold the same bills and whether any payment that
// was reported as saved went missing.

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <memory>
#include <vector>

#include "platform/BWUIDMaker.h"
#include "platform/Clock.h"
#include "platform/MemoryCloudContainer.h"
#include "platform/MemoryCloudDatabase.h"
#include "platform/MemoryCloudServer.h"
#include "platform/PropertyList.h"
#include "platform/UserDefaults.h"
#include "store/BWBill.h"
#include "store/BWBillRecordKeys.h"
#include "store/BWBillsLoader.h"
#include "store/BWCloudChannels.h"
#include "store/BWDefaultsKeys.h"
#include "store/BWPaymentLogger.h"
#include "store/BWStoreEnvironment.h"
#include "sync/OrvaneCloudManager.h"

namespace SyncSoak {

struct Config
{
    int devices = 3;
    int edits = 1000;
    double faultRate = 0.10;
    quint32 seed = 20261209;
    int maxPasses = 12;
};

struct Result
{
    int creates = 0, changes = 0, payments = 0, deletes = 0, refusedEdits = 0;
    int faults = 0, dropped = 0, delayed = 0, reordered = 0;
    int requests = 0, pushes = 0, reportedFailures = 0;
    int passes = 0;
    bool converged = false;
    int paymentsOnLiveBills = 0, lostPayments = 0, undoneDeletes = 0;
    int finalBills = 0;
    qint64 editMs = 0, convergeMs = 0;
    QString firstDifference;
    QStringList lost;  // "<bill id> <payment note>" of each payment lost
};

// The store's cloud hand-off goes straight to the device's engine.
class EngineChannels : public BWCloudChannels
{
public:
    OrvaneCloudManager* engine = nullptr;

    void uploadBillToCloud(const QVariantMap& record, const QString& billID) override
    {
        engine->uploadBillToCloud(record, billID);
    }
    void uploadIndexToCloud(const QStringList& billIDs, const QString& listName) override
    {
        engine->uploadIndexToCloud(billIDs, listName);
    }
    QString userUID() const override { return {}; }
    void saveBillToFirebase(const QVariantMap&, const QString&) override {}
    void removeBillFromFirebase(const QString&) override {}
    void setKeyValueStoreObject(const QVariant&, const QString&) override {}
};

class Device
{
public:
    Device(MemoryCloudServer& server, int& failures)
        : container(&server)
        , engine(container, makeEnvironment())
    {
        channels.engine = &engine;
        engine.setRetryPolicy({20, 200, 6});
        QObject::connect(container.privateDatabase(), &CloudDatabase::recordChanged, &engine,
                         &OrvaneCloudManager::receivedChangeFromiCloud);
        QObject::connect(&engine, &OrvaneCloudManager::syncFailed, [&failures] { ++failures; });
        engine.setupiCloudAndSyncCloudChangesSinceLastSync();
    }

    QStringList list(const QString& name) const
    {
        return BWBillsLoader(env).getListOfBills(name).value_or(QStringList());
    }
    std::optional<QVariantMap> bill(const QString& billID) const { return BWBillsLoader(env).loadBillWithID(billID); }

    // What this device holds, one line per list and per live bill, so that
    // two devices compare line by line.
    QStringList holdings() const
    {
        QStringList active = list(QStringLiteral("ActiveBills"));
        QStringList deleted = list(QStringLiteral("DeletedBills"));
        for (const QString& id : deleted)
            active.removeAll(id);
        std::sort(active.begin(), active.end());
        std::sort(deleted.begin(), deleted.end());
        deleted.removeDuplicates();
        QStringList lines = {QStringLiteral("active ") + active.join(QLatin1Char(' ')),
                             QStringLiteral("deleted ") + deleted.join(QLatin1Char(' '))};
        for (const QString& id : active) {
            const QVariantMap record = bill(id).value_or(QVariantMap());
            lines << QStringLiteral("%1 %2 | %3 | %4 | %5 | %6")
                         .arg(id, record.value(BillKeys::Name).toString(), record.value(BillKeys::Notes).toString(),
                              QString::number(record.value(BillKeys::Amount).toDouble()),
                              record.value(BillKeys::DueDate).toDateTime().toString(Qt::ISODate),
                              paymentNotes(record).join(QLatin1Char(',')));
        }
        return lines;
    }

    static QStringList paymentNotes(const QVariantMap& record)
    {
        QStringList notes;
        for (const QVariant& payment : record.value(BillKeys::PaymentList).toList())
            notes << payment.toMap().value(PaymentKeys::Note).toString();
        std::sort(notes.begin(), notes.end());
        return notes;
    }

    QTemporaryDir root;
    Clock clock;
    UserDefaults defaults{root.filePath(QStringLiteral("defaults.plist"))};
    UserDefaults appGroup{root.filePath(QStringLiteral("appgroup.plist"))};
    EngineChannels channels;
    BWStoreEnvironment env;
    MemoryCloudContainer container;
    OrvaneCloudManager engine;

private:
    const BWStoreEnvironment& makeEnvironment()
    {
        env.defaults = &defaults;
        env.appGroup = &appGroup;
        env.clock = &clock;
        env.defaultDataFolder = root.filePath(QStringLiteral("Orvane.ovdata"));
        env.supportFolder = root.path();
        env.dropboxFolder = root.filePath(QStringLiteral("Dropbox"));
        env.cloud = &channels;
        QDir().mkpath(env.defaultDataFolder);
        defaults.setBool(BWDefaultsKeys::iCloudSyncEnabled2, true);
        return env;
    }
};

// Runs the event loop until the cloud has seen no message for `quietMs`.
inline void waitUntilQuiet(const MemoryCloudServer& server, int quietMs)
{
    int last = -1;
    QElapsedTimer still;
    still.start();
    while (still.elapsed() < quietMs) {
        QTest::qWait(10);
        const int seen = server.requestCount() + server.pushCount();
        if (seen != last) {
            last = seen;
            still.restart();
        }
    }
}

class Soak
{
public:
    explicit Soak(const Config& config)
        : m_config(config), m_random(config.seed)
    {
        m_server.setDelayMilliseconds(10);
        for (int i = 0; i < config.devices; ++i)
            m_devices.push_back(std::make_unique<Device>(m_server, m_result.reportedFailures));
        setTime(0);
        waitUntilQuiet(m_server, 300);
    }

    Result run()
    {
        QElapsedTimer timer;
        timer.start();
        m_server.setRandomFaults(m_config.faultRate, m_config.seed);
        for (int step = 1; step <= m_config.edits; ++step) {
            setTime(step);
            edit(*m_devices.at(int(m_random.bounded(quint32(m_devices.size())))));
            QTest::qWait(2);
        }
        m_server.setRandomFaults(0.0, 0);
        m_result.editMs = timer.restart();
        waitUntilQuiet(m_server, 600);
        converge();
        m_result.convergeMs = timer.elapsed();
        countFaults();
        checkPaymentsAndDeletes();
        return m_result;
    }

private:
    // Every device's clock moves on together, each a little off the others.
    void setTime(int step)
    {
        const QDateTime start(QDate(2026, 6, 1), QTime(9, 0), QTimeZone::utc());
        for (size_t i = 0; i < m_devices.size(); ++i)
            m_devices[i]->clock.setNow(start.addSecs(step * 2 + qint64(i) % 3));
    }

    void edit(Device& device)
    {
        const QStringList live = liveBills(device);
        const quint32 roll = m_random.bounded(100u);
        if (live.isEmpty() || roll < 12)
            return create(device);
        const QString billID = live.at(int(m_random.bounded(quint32(live.size()))));
        if (roll < 50)
            return change(device, billID);
        if (roll < 92)
            return pay(device, billID);
        remove(device, billID);
    }

    QStringList liveBills(const Device& device) const
    {
        QStringList live = device.list(QStringLiteral("ActiveBills"));
        for (const QString& id : device.list(QStringLiteral("DeletedBills")))
            live.removeAll(id);
        return live;
    }

    void create(Device& device)
    {
        BWBill bill(device.env);
        const int number = ++m_result.creates;
        bill.bid = BWUIDMaker::makeUID();
        bill.name = QStringLiteral("Bill %1").arg(number);
        bill.icon = QStringLiteral("GScale_Home");
        bill.dueDate = device.clock.now().addDays(10 + number % 20);
        bill.repeat = QVariantList{1, 2};
        bill.average = 0;
        bill.lastPayment = PropertyList::distantPast();
        bill.totalPaid = 0;
        bill.remindMe = false;
        bill.paySite = QString();
        bill.paymentList = QVariantList();
        bill.reminderDays = 3;
        bill.balance = 0;
        bill.amount = 10.0 + number;
        bill.payType = 0;
        bill.interest = 0;
        bill.notes = QString();
        bill.tags = QStringList();
        bill.rev = 0;
        bill.amountVaries = 0;
        bill.isArchived = false;
        bill.isIncome = false;
        if (!bill.writeBill(false))
            ++m_result.refusedEdits;
    }

    void change(Device& device, const QString& billID)
    {
        ++m_result.changes;
        const QString text = QStringLiteral("edit %1").arg(m_result.changes);
        const bool saved = m_random.bounded(2u) == 0
            ? BWBill(device.env).saveSpecificKey(BillKeys::Notes, text, billID)
            : BWBill(device.env).saveSpecificKeys({BillKeys::Name, BillKeys::Amount},
                                                  {text, 5.0 + m_result.changes % 50}, billID);
        if (!saved)
            ++m_result.refusedEdits;
    }

    void pay(Device& device, const QString& billID)
    {
        ++m_result.payments;
        const std::optional<QVariantMap> bill = device.bill(billID);
        if (!bill) {
            ++m_result.refusedEdits;
            return;
        }
        BWPayment payment;
        payment.amount = 1.0 + m_result.payments % 90;
        payment.date = device.clock.now();
        payment.note = QStringLiteral("payment %1").arg(m_result.payments);
        if (BWPaymentLogger(device.env).recordPayment(payment, *bill, m_random.bounded(2u) == 0))
            m_savedPayments.append({billID, payment.note});
        else
            ++m_result.refusedEdits;
    }

    void remove(Device& device, const QString& billID)
    {
        ++m_result.deletes;
        if (BWBill(device.env).deleteBillWithBid(billID))
            m_deleted.append(billID);
        else
            ++m_result.refusedEdits;
    }

    // Full passes on every device, until all hold the same and a pass
    // changes nothing.
    void converge()
    {
        QList<QStringList> before = allHoldings();
        for (int pass = 1; pass <= m_config.maxPasses; ++pass) {
            for (const auto& device : m_devices)
                device->engine.fetchAndUploadAllRecords();
            waitUntilQuiet(m_server, 600);
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

    QList<QStringList> allHoldings() const
    {
        QList<QStringList> holdings;
        for (const auto& device : m_devices)
            holdings.append(device->holdings());
        return holdings;
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

    void countFaults()
    {
        using Fault = MemoryCloudServer::Fault;
        m_result.dropped = m_server.faultCount(Fault::DropRequest) + m_server.faultCount(Fault::DropReply);
        m_result.delayed = m_server.faultCount(Fault::Delay);
        m_result.reordered = m_server.faultCount(Fault::Reorder);
        m_result.faults = m_server.totalFaults();
        m_result.requests = m_server.requestCount();
        m_result.pushes = m_server.pushCount();
    }

    void checkPaymentsAndDeletes()
    {
        for (const auto& device : m_devices) {
            const QStringList live = liveBills(*device);
            for (const QString& id : m_deleted)
                m_result.undoneDeletes += live.contains(id) ? 1 : 0;
            for (const auto& [billID, note] : std::as_const(m_savedPayments)) {
                if (!live.contains(billID))
                    continue;
                if (device.get() == m_devices.front().get())
                    ++m_result.paymentsOnLiveBills;
                const QStringList notes = Device::paymentNotes(device->bill(billID).value_or(QVariantMap()));
                if (!notes.contains(note)) {
                    ++m_result.lostPayments;
                    m_result.lost.append(billID + QLatin1Char(' ') + note);
                }
            }
        }
    }

    Config m_config;
    QRandomGenerator m_random;
    MemoryCloudServer m_server;
    std::vector<std::unique_ptr<Device>> m_devices;
    Result m_result;
    QList<std::pair<QString, QString>> m_savedPayments;
    QStringList m_deleted;
};

inline Result run(const Config& config)
{
    return Soak(config).run();
}

}  // namespace SyncSoak
