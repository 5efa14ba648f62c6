#pragma once

// A shared sync folder as three computers leave it once they are in step:
// every bill and both lists, each with a version of every computer, the
// newest made from the two older ones. Written straight as the folder
// database lays its files out (records/<name>/<device>.plist and
// journal/<device>.plist), since saving 15,000 versions through it would
// take longer than the measurements.

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QStringList>
#include <QVariantMap>

#include "BenchStore.h"
#include "platform/BWUIDMaker.h"
#include "platform/HybridLogicalClock.h"
#include "platform/PropertyList.h"
#include "store/BWBill.h"
#include "store/BWBillRecordKeys.h"
#include "store/BWBillsLoader.h"
#include "store/BWPayment.h"
#include "store/BWPaymentLogger.h"
#include "sync/OrvaneCloudManager.h"

struct SyncFolderSeed
{
    QString folder;
    // The computer the program runs as, and the two others.
    QString thisDevice = BWUIDMaker::makeUID();
    QStringList otherDevices = {BWUIDMaker::makeUID(), BWUIDMaker::makeUID()};

    QString versionPath(const QString& recordName, const QString& device) const
    {
        return QDir(folder).filePath(QStringLiteral("records/%1/%2.plist").arg(recordName, device));
    }

    // One version file, written whole as the sync service delivers it.
    void writeVersion(const QString& recordName, const QString& recordType, const QString& device,
                      const QVariantMap& fields, const QDateTime& date, const QVariantMap& madeFrom,
                      const QString& changeTag = BWUIDMaker::makeUID()) const
    {
        QDir().mkpath(QFileInfo(versionPath(recordName, device)).path());
        const QString path = versionPath(recordName, device);
        PropertyList::write(path + ".part", QVariantMap{{"RecordType", recordType},
                                                        {"RecordName", recordName},
                                                        {"ModificationDate", date},
                                                        {"ChangeTag", changeTag},
                                                        {"Fields", fields},
                                                        {"Deleted", false},
                                                        {"MadeFrom", madeFrom}});
        QFile::remove(path);
        QFile::rename(path + ".part", path);
    }

    // The versions of one record: the two other computers', then this
    // one's made from both.
    void writeRecord(const QString& recordName, const QString& recordType, const QVariantMap& fields,
                     const QDateTime& date) const
    {
        QVariantMap madeFrom;
        for (int i = 0; i < otherDevices.size(); ++i) {
            const QString tag = BWUIDMaker::makeUID();
            writeVersion(recordName, recordType, otherDevices.at(i), fields, date.addSecs(-3600 * (2 - i)), {}, tag);
            madeFrom.insert(recordName + "/" + otherDevices.at(i) + ".plist", tag);
        }
        writeVersion(recordName, recordType, thisDevice, fields, date, madeFrom);
    }

    // Every bill of the data folder as the cloud holds it, in step with the
    // files (whose SyncModificationDate is `date`), and both lists.
    void seedFrom(const QString& dataFolder, const QStringList& ids, const QDateTime& date) const
    {
        for (const QString& id : ids) {
            const QVariantMap bill = PropertyList::read(QDir(dataFolder).filePath(id + ".plist")).value.toMap();
            writeRecord(id, OrvaneCloudManager::BillRecordType,
                        OrvaneCloudManager::convertBill(bill, date, CloudRecord()).fields, date);
        }
        const QVariantMap active{{"Bids", QVariant(ids).toList()}, {"Bid", IndexKeys::ActiveBills}, {"type", 1}};
        const QVariantMap deleted{{"Bids", QVariantList()}, {"Bid", IndexKeys::DeletedBills}, {"type", 1}};
        writeRecord(IndexKeys::ActiveBills, OrvaneCloudManager::IndexRecordType, active, date);
        writeRecord(IndexKeys::DeletedBills, OrvaneCloudManager::IndexRecordType, deleted, date);
        QDir().mkpath(QDir(folder).filePath("journal"));
        for (const QString& device : otherDevices + QStringList{thisDevice}) {
            const QVariantMap entry{{"Sequence", qlonglong(1)},
                                    {"RecordName", IndexKeys::ActiveBills},
                                    {"RecordType", OrvaneCloudManager::IndexRecordType},
                                    {"Reason", qlonglong(2)},
                                    {"Date", date}};
            PropertyList::write(QDir(folder).filePath("journal/" + device + ".plist"),
                                QVariantMap{{"Entries", QVariantList{entry}}});
        }
    }

    // Another computer changed the bill as the program there changes it: a
    // payment logged (with its id and stamp, the due date moved on) and a
    // new name (stamped), by that computer's own writer, in a version of its
    // own made from every version it had.
    void changeElsewhere(const QString& id, int change, const QDateTime& date)
    {
        CloudRecord held;
        held.recordType = OrvaneCloudManager::BillRecordType;
        held.recordName = id;
        held.fields = PropertyList::read(versionPath(id, thisDevice)).value.toMap().value("Fields").toMap();

        BenchStore laptop;
        laptop.clock.setNow(date.addSecs(-60));
        laptop.defaults.registerDefaults(BWRegisteredDefaults::table(laptop.clock));
        laptop.env.stamps = &laptopStamps;
        const QString file = QDir(laptop.env.defaultDataFolder).filePath(id + ".plist");
        PropertyList::write(file, OrvaneCloudManager::convertRecordintoBill(held, laptop.env.defaultDataFolder));
        const QVariantMap loaded = BWBillsLoader(laptop.env).loadBillWithID(id).value_or(QVariantMap());
        const BWPayment payment{12.5 + change, laptop.clock.now(), QStringLiteral("From the laptop %1").arg(change), {}};
        BWPaymentLogger(laptop.env).recordPayment(payment, loaded);
        QVariantMap renamed = PropertyList::read(file).value.toMap();
        renamed.insert(BillKeys::Name, QStringLiteral("Changed elsewhere %1").arg(change));
        BWBill(laptop.env).rewriteBill(renamed, false, false);

        const QVariantMap changed = PropertyList::read(file).value.toMap();
        QVariantMap madeFrom;
        for (const QString& device : otherDevices + QStringList{thisDevice}) {
            const QVariantMap version = PropertyList::read(versionPath(id, device)).value.toMap();
            madeFrom.insert(id + "/" + device + ".plist", version.value("ChangeTag"));
        }
        writeVersion(id, OrvaneCloudManager::BillRecordType, otherDevices.first(),
                     OrvaneCloudManager::convertBill(changed, date, CloudRecord()).fields, date, madeFrom);
    }

    // The stamps of the computer that changes bills elsewhere.
    HybridLogicalClock laptopStamps{otherDevices.first()};
};
