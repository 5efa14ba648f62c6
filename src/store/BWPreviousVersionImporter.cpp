#include "store/BWPreviousVersionImporter.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "platform/BWUIDMaker.h"
#include "platform/Log.h"
#include "platform/PropertyList.h"
#include "platform/UserDefaults.h"
#include "store/BWBill.h"
#include "store/BWBillRecordKeys.h"
#include "store/BWBillsLoader.h"

namespace {

const QString ContainerDataPath =
    QStringLiteral("Library/Containers/com.Bramwick.Orvane/Data/Library/Application Support/Orvane/Orvane.ovdata");

}  // namespace

BWPreviousVersionImporter::BWPreviousVersionImporter(const BWStoreEnvironment& env)
    : m_env(env)
{
}

int BWPreviousVersionImporter::importVersion7Data() const
{
    const QVariantList records = m_env.appGroup->arrayForKey(AppGroupKeys::ActiveBills);
    Log::line(QStringLiteral("Bills: %1").arg(records.size()));
    return importRecords(records);
}

int BWPreviousVersionImporter::importRecords(const QVariantList& records) const
{
    int stored = 0;
    for (const QVariant& record : records) {
        const QVariantMap bill = record.toMap();
        Log::line(QStringLiteral("Saving Bill: %1").arg(bill.value(BillKeys::Name).toString()));
        if (storeRecord(bill))
            ++stored;
    }
    return stored;
}

// A new writer per record, so that no property of one record leaks into the
// next; the writer stores the unshifted due date and no display keys.
bool BWPreviousVersionImporter::storeRecord(QVariantMap record) const
{
    if (!BWUIDMaker::isValidUID(record.value(BillKeys::Bid).toString())) {
        Log::line(QStringLiteral("Skipping a record without a valid id"));
        return false;
    }
    // This version's own copy for the extension carries no payments: brought
    // back, it leaves the payments the bill has as they are, which the
    // writer would otherwise take as all removed.
    if (!record.contains(BillKeys::PaymentList)) {
        const std::optional<QVariantMap> existing =
            BWBillsLoader(m_env).loadBillWithID(record.value(BillKeys::Bid).toString());
        if (existing && existing->contains(BillKeys::PaymentList))
            record.insert(BillKeys::PaymentList, existing->value(BillKeys::PaymentList));
    }
    return BWBill(m_env).finishWritingBillWithDictionary(record, true, true);
}

QString BWPreviousVersionImporter::containerDataFolder(const QString& homeFolder)
{
    return QDir(homeFolder).filePath(ContainerDataPath);
}

std::optional<int> BWPreviousVersionImporter::importFromContainer(const QString& homeFolder) const
{
    const QString folder = containerDataFolder(homeFolder);
    if (!QFileInfo(folder).isDir()) {
        Log::line(QStringLiteral("OOOPS"));
        return std::nullopt;
    }
    Log::line(QStringLiteral("New URL: %1").arg(folder));
    // Receipts first, so the records can point at their copies.
    copyReceiptsFrom(folder);

    const QVariantMap index = PropertyList::read(QDir(folder).filePath(DataFolderFiles::BillIndex)).value.toMap();
    int stored = 0;
    for (const QVariant& id : index.value(IndexKeys::ActiveBills).toList()) {
        const std::optional<QVariantMap> bill = readContainerBill(folder, id.toString());
        if (!bill || !bill->contains(BillKeys::IsArchived))
            continue;
        Log::line(QStringLiteral("Saving Archived Bill: %1").arg(bill->value(BillKeys::Name).toString()));
        stored += storeRecord(withReceiptsIn(*bill, folder)) ? 1 : 0;
    }
    for (const QVariant& id : index.value(IndexKeys::ArchivedBills).toList()) {
        std::optional<QVariantMap> bill = readContainerBill(folder, id.toString());
        if (!bill)
            continue;
        bill->insert(BillKeys::IsArchived, true);
        stored += storeRecord(withReceiptsIn(*bill, folder)) ? 1 : 0;
    }
    return stored;
}

std::optional<QVariantMap> BWPreviousVersionImporter::readContainerBill(const QString& folder,
                                                                       const QString& billID) const
{
    if (!BWUIDMaker::isValidUID(billID)) {
        Log::line(QStringLiteral("Skipping the id \"%1\" of the older index").arg(billID));
        return std::nullopt;
    }
    const PropertyList::ReadResult read =
        PropertyList::read(QDir(folder).filePath(billID + DataFolderFiles::BillFileExtension));
    if (!read.ok() || read.value.typeId() != QMetaType::QVariantMap)
        return std::nullopt;
    QVariantMap bill = read.value.toMap();
    // The file's name is the id that counts.
    bill.insert(BillKeys::Bid, billID);
    return bill;
}

// Copies every plain file of the older folder that is not a property list
// into the data folder under its own name; a name already there is kept.
void BWPreviousVersionImporter::copyReceiptsFrom(const QString& folder) const
{
    const QString dataFolder = BWBillsLoader(m_env).orvaneDirectory();
    if (dataFolder.isEmpty())
        return;
    const QFileInfoList entries = QDir(folder).entryInfoList(QDir::Files | QDir::NoDotAndDotDot, QDir::Name);
    for (const QFileInfo& entry : entries) {
        if (entry.suffix() == QStringLiteral("plist") || entry.isSymLink())
            continue;
        Log::line(QStringLiteral("File: %1").arg(entry.fileName()));
        if (QFile::copy(entry.absoluteFilePath(), QDir(dataFolder).filePath(entry.fileName())))
            Log::line(QStringLiteral("Receipt Copied"));
    }
}

// Receipts that were kept in the older folder point at their copies in the
// data folder; any other receipt path counts as none.
QVariantMap BWPreviousVersionImporter::withReceiptsIn(QVariantMap record, const QString& folder) const
{
    const QString dataFolder = BWBillsLoader(m_env).orvaneDirectory();
    QVariantList payments = record.value(BillKeys::PaymentList).toList();
    for (QVariant& entry : payments) {
        QVariantMap payment = entry.toMap();
        const QString receipt = payment.value(PaymentKeys::Receipt).toString();
        if (receipt.isEmpty())
            continue;
        const QFileInfo old(receipt);
        const QString copy = QDir(dataFolder).filePath(old.fileName());
        // The stored path names the older machine's folder; the file name is
        // what ties it to a copy.
        const bool fromOlderFolder = QFileInfo(QDir(folder).filePath(old.fileName())).isFile();
        payment.insert(PaymentKeys::Receipt, fromOlderFolder && QFileInfo(copy).isFile() ? copy : QString());
        entry = payment;
    }
    if (record.contains(BillKeys::PaymentList))
        record.insert(BillKeys::PaymentList, payments);
    return record;
}
