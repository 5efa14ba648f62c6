#pragma once

// Several devices, each with its own data folder, clock and sync engine, on
// one in-memory cloud whose network loses, delays and reorders messages.
// They make random edits, payments and deletes; then the network heals and
// every device runs full passes until nothing changes any more. The result
// says whether all devices hold the same bills and whether any payment that
// was reported as saved went missing.

#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QTest>
#include <QTimeZone>

#include <algorithm>
#include <memory>
#include <vector>

#include "platform/MemoryCloudContainer.h"
#include "platform/MemoryCloudDatabase.h"
#include "platform/MemoryCloudServer.h"
#include "store/BWBillRecordKeys.h"
#include "sync/OrvaneCloudManager.h"
#include "support/SyncDevice.h"

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

// What a device holds, one line per list and per shown bill, so that two
// devices compare line by line.
inline QStringList holdings(const SyncDevice& device)
{
    const QStringList shown = device.shownBills();
    QStringList deleted = device.list(IndexKeys::DeletedBills);
    deleted.sort();
    deleted.removeDuplicates();
    QStringList lines = {QStringLiteral("shown ") + shown.join(QLatin1Char(' ')),
                         QStringLiteral("deleted ") + deleted.join(QLatin1Char(' '))};
    for (const QString& id : shown) {
        const QVariantMap record = device.bill(id);
        lines << QStringLiteral("%1 %2 | %3 | %4 | %5 | %6")
                     .arg(id, record.value(BillKeys::Name).toString(), record.value(BillKeys::Notes).toString(),
                          QString::number(record.value(BillKeys::Amount).toDouble()),
                          record.value(BillKeys::DueDate).toDateTime().toString(Qt::ISODate),
                          device.paymentNotes(id).join(QLatin1Char(',')));
    }
    return lines;
}

class Soak
{
public:
    explicit Soak(const Config& config)
        : m_config(config), m_random(config.seed)
    {
        m_server.setDelayMilliseconds(10);
        setTime(0);
        for (int i = 0; i < config.devices; ++i) {
            m_containers.push_back(std::make_unique<MemoryCloudContainer>(&m_server));
            m_devices.push_back(std::make_unique<SyncDevice>(*m_containers.back(), m_start));
            QObject::connect(m_devices.back()->engine.get(), &OrvaneCloudManager::syncFailed,
                             [this] { ++m_result.reportedFailures; });
            m_devices.back()->engine->turnCloudSyncOn();
        }
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
            // Answers and pushes that are due arrive between edits.
            QCoreApplication::processEvents();
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
        for (size_t i = 0; i < m_devices.size(); ++i)
            m_devices[i]->clock.setNow(m_start.addSecs(step * 2 + qint64(i) % 3));
    }

    void edit(SyncDevice& device)
    {
        const QStringList live = device.shownBills();
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

    void create(SyncDevice& device)
    {
        const int number = ++m_result.creates;
        device.addBill(QStringLiteral("Bill %1").arg(number), 10.0 + number);
    }

    void change(SyncDevice& device, const QString& billID)
    {
        ++m_result.changes;
        const QString text = QStringLiteral("edit %1").arg(m_result.changes);
        const bool saved = m_random.bounded(2u) == 0 ? device.edit(billID, BillKeys::Notes, text)
                                                      : device.edit(billID, BillKeys::Amount, 5.0 + m_result.changes % 50);
        if (!saved)
            ++m_result.refusedEdits;
    }

    void pay(SyncDevice& device, const QString& billID)
    {
        ++m_result.payments;
        const QString note = QStringLiteral("payment %1").arg(m_result.payments);
        if (device.pay(billID, 1.0 + m_result.payments % 90, note))
            m_savedPayments.append({billID, note});
        else
            ++m_result.refusedEdits;
    }

    void remove(SyncDevice& device, const QString& billID)
    {
        ++m_result.deletes;
        if (device.remove(billID))
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
                device->engine->fetchAndUploadAllRecords();
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
            holdings.append(SyncSoak::holdings(*device));
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
            const QStringList live = device->shownBills();
            for (const QString& id : m_deleted)
                m_result.undoneDeletes += live.contains(id) ? 1 : 0;
            for (const auto& [billID, note] : std::as_const(m_savedPayments)) {
                if (!live.contains(billID))
                    continue;
                if (device.get() == m_devices.front().get())
                    ++m_result.paymentsOnLiveBills;
                const QStringList notes = device->paymentNotes(billID);
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
    const QDateTime m_start{QDate(2026, 6, 1), QTime(9, 0), QTimeZone::utc()};
    std::vector<std::unique_ptr<MemoryCloudContainer>> m_containers;
    std::vector<std::unique_ptr<SyncDevice>> m_devices;
    Result m_result;
    QList<std::pair<QString, QString>> m_savedPayments;
    QStringList m_deleted;
};

inline Result run(const Config& config)
{
    return Soak(config).run();
}

}  // namespace SyncSoak
