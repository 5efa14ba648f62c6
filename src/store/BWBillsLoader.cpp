#include "store/BWBillsLoader.h"

#include <QDir>
#include <QSet>
#include <algorithm>

#include "platform/BWUIDMaker.h"
#include "platform/Clock.h"
#include "platform/DataFolderLock.h"
#include "platform/Log.h"
#include "platform/PropertyList.h"
#include "platform/UserDefaults.h"
#include "store/BWBillFileCache.h"
#include "store/BWBillIndex.h"
#include "store/BWBillRecordKeys.h"
#include "store/BWDefaultsKeys.h"

namespace {

constexpr qlonglong kPayTypeAutomatic = 1;

// Each id once, where it first stands, leaving out the removed ones: an id
// listed twice by a merge or a hand edit still names one item.
QStringList distinctWithout(const QStringList& ids, const QStringList& removed)
{
    QSet<QString> skipped(removed.cbegin(), removed.cend());
    QStringList kept;
    for (const QString& id : ids) {
        if (!skipped.contains(id)) {
            kept.append(id);
            skipped.insert(id);
        }
    }
    return kept;
}

bool isAutomatic(const QVariantMap& bill)
{
    return bill.value(BillKeys::PayType).toLongLong() == kPayTypeAutomatic;
}

// Only a well-formed id may name a file.
QStringList validIDs(const QStringList& billIDs)
{
    QStringList valid;
    for (const QString& billID : billIDs) {
        if (BWUIDMaker::isValidUID(billID))
            valid.append(billID);
        else
            Log::line(QStringLiteral("Skipping the malformed bill id \"%1\"").arg(billID));
    }
    return valid;
}

QStringList billFilePaths(const QString& dataFolder, const QStringList& billIDs)
{
    const QDir folder(dataFolder);
    QStringList paths;
    for (const QString& billID : billIDs)
        paths.append(folder.filePath(billID + DataFolderFiles::BillFileExtension));
    return paths;
}

// A damaged or hostile file is left out like a missing one; the load goes on.
std::optional<QVariantMap> billOfFile(const QString& path, const PropertyList::ReadResult& file)
{
    if (!file.ok()) {
        Log::line(QStringLiteral("Skipping bill file %1: %2").arg(path, file.error));
        return std::nullopt;
    }
    if (file.value.typeId() != QMetaType::QVariantMap) {
        Log::line(QStringLiteral("Skipping bill file %1: not a dictionary").arg(path));
        return std::nullopt;
    }
    return file.value.toMap();
}

// An item that repeats every day would otherwise fill the list with a copy
// for every remaining day of the month.
constexpr int MaximumExtraOccurrencePasses = 6;

// The last step of a group load (unless the load is for the due-soon list
// or the forecast): the extra occurrences.
QVariantList withExtraOccurrences(const BWBillsLoader& loader, const QVariantList& bills, const QString& tag,
                                  bool overRideIncome)
{
    QVariantList result = bills;
    if (tag == PseudoTags::DueSoon || overRideIncome)
        return result;
    for (int pass = 0; pass < MaximumExtraOccurrencePasses && loader.listOfBillsWithExtraIncomesAdded(result); ++pass)
        result = loader.listOfBillsBeingWithExtraIncomes();
    return result;
}

}  // namespace

BWBillsLoader::BWBillsLoader(const BWStoreEnvironment& env)
    : BWBillDates(env)
{
}

qsizetype BWBillsLoader::readAheadListedItems(const DataFolderLock& lock) const
{
    const QString dataFolder = orvaneDirectory();
    if (dataFolder.isEmpty() || !lock.isLocked() || !lock.sameFolderAs(lock.lockOfFolder(dataFolder)))
        return 0;
    // The load logs the malformed ids; here they are only passed over.
    QStringList listed = activeIDsOfIndex(dataFolder);
    listed.removeIf([](const QString& billID) { return !BWUIDMaker::isValidUID(billID); });
    const QStringList paths = billFilePaths(dataFolder, listed);
    BWBillFileCache::shared().readAhead(paths);
    return paths.size();
}

std::optional<QVariantList> BWBillsLoader::loadBills() const
{
    return loadBillsInGroup(IndexKeys::ActiveBills, QString());
}

qsizetype BWBillsLoader::countBills(qsizetype atMost) const
{
    const QString dataFolder = orvaneDirectory();
    if (dataFolder.isEmpty())
        return 0;
    const Clock::Hold sameMoment(m_env.clock);
    // A few files at a time: each item is listed or not by its own file.
    constexpr qsizetype kFilesAtATime = 8;
    const QStringList ids = validIDs(activeIDsOfIndex(dataFolder));
    qsizetype counted = 0;
    for (qsizetype start = 0; start < ids.size() && counted < atMost; start += kFilesAtATime) {
        const QStringList some = ids.mid(start, kFilesAtATime);
        counted += shownRecords(readRecordsInGroup(dataFolder, some, IndexKeys::ActiveBills, QString(),
                                                   BWBillFileCache::Scope::Some),
                                false)
                       .size();
    }
    return std::min(counted, atMost);
}

// Archived items of the current form stay in ActiveBills with IsArchived set,
// so every group is read from the active list; the group only decides the
// archive filter and whether the older archive list is added.
std::optional<QVariantList> BWBillsLoader::loadBillsInGroup(const QString& group, const QString& tag,
                                                            bool overRideIncome,
                                                            ExtensionExport extensionExport) const
{
    Log::line(QStringLiteral("Loading bills in group: %1 with tag: %2").arg(group, tag));
    const Clock::Hold sameMoment(m_env.clock);
    copyDueSoonDaysToAppGroup();
    const QString dataFolder = orvaneDirectory();
    if (dataFolder.isEmpty())
        return std::nullopt;

    QVariantList result =
        shownRecords(readRecordsInGroup(dataFolder, validIDs(activeIDsOfIndex(dataFolder)), group, tag), overRideIncome);

    if (group == IndexKeys::ArchivedBills) {
        Log::line(QStringLiteral("Checking Archived Bills"));
        const std::optional<QVariantList> legacy =
            checkForArchivedBillsAndConvertFromIndexFile(BWBillIndex(dataFolder).dictionary());
        if (legacy)
            result.append(*legacy);
    }

    // Only the whole active list is what the extension shows; the archive or
    // one tag must not stand in for it.
    if (group == IndexKeys::ActiveBills && tag.isEmpty() && !overRideIncome
        && extensionExport == ExtensionExport::WithLoad)
        saveDataForExtensionWithBills(result);
    return withExtraOccurrences(*this, result, tag, overRideIncome);
}

std::optional<QVariantList> BWBillsLoader::loadItemsInGroup(const QStringList& billIDs, const QString& group,
                                                            const QString& tag) const
{
    const QString dataFolder = orvaneDirectory();
    if (dataFolder.isEmpty())
        return std::nullopt;
    const Clock::Hold sameMoment(m_env.clock);
    const QSet<QString> asked(billIDs.cbegin(), billIDs.cend());
    QStringList listed = activeIDsOfIndex(dataFolder);
    listed.removeIf([&asked](const QString& billID) { return !asked.contains(billID); });
    const QVariantList records =
        readRecordsInGroup(dataFolder, validIDs(listed), group, tag, BWBillFileCache::Scope::Some);
    return withExtraOccurrences(*this, shownRecords(records, false), tag, false);
}

QStringList BWBillsLoader::loadOrderOfItems() const
{
    const QString dataFolder = orvaneDirectory();
    return dataFolder.isEmpty() ? QStringList() : validIDs(activeIDsOfIndex(dataFolder));
}

// Income unless it is enabled or asked for, and automatic bills when the
// overview hides them, are left out.
QVariantList BWBillsLoader::shownRecords(const QVariantList& records, bool overRideIncome) const
{
    const bool hideAutomatic = m_env.defaults->boolForKey(BWDefaultsKeys::BWHideAutoMaticBillsInOverview);
    const bool showIncome = overRideIncome || m_env.defaults->boolForKey(BWDefaultsKeys::BWEnableIncome);
    QVariantList shown;
    for (const QVariant& item : records) {
        const QVariantMap bill = item.toMap();
        if (billIsIncome(bill) && !showIncome)
            continue;
        if (hideAutomatic && isAutomatic(bill))
            continue;
        shown.append(item);
    }
    return shown;
}

std::optional<QVariantList> BWBillsLoader::loadListedItems() const
{
    const QString dataFolder = orvaneDirectory();
    if (dataFolder.isEmpty())
        return std::nullopt;
    const Clock::Hold sameMoment(m_env.clock);
    return readRecordsInGroup(dataFolder, validIDs(activeIDsOfIndex(dataFolder)), IndexKeys::ActiveBills, QString());
}

QVariantList BWBillsLoader::readRecordsInGroup(const QString& dataFolder, const QStringList& billIDs,
                                               const QString& group, const QString& tag,
                                               BWBillFileCache::Scope scope) const
{
    const QStringList paths = billFilePaths(dataFolder, billIDs);
    const QList<PropertyList::ReadResult> files = BWBillFileCache::shared().read(paths, scope);
    QVariantList records;
    for (qsizetype i = 0; i < billIDs.size(); ++i) {
        std::optional<QVariantMap> bill = billOfFile(paths.at(i), files.at(i));
        if (!bill)
            continue;
        if (bill->value(BillKeys::DueDate).typeId() != QMetaType::QDateTime) {
            Log::line(QStringLiteral("Bill %1 has no due date; left out").arg(billIDs.at(i)));
            continue;
        }
        takeDueDateAsAbsoluteAndShift(*bill);
        if (!passesFilter(*bill, group, tag))
            continue;
        addNecessaryInfoToBill(*bill, false);
        records.append(*bill);
    }
    return records;
}

std::optional<QVariantMap> BWBillsLoader::loadBillWithID(const QString& billID) const
{
    if (!BWUIDMaker::isValidUID(billID)) {
        Log::line(QStringLiteral("Refusing to load a bill with the malformed id \"%1\"").arg(billID));
        return std::nullopt;
    }
    const QString dataFolder = orvaneDirectory();
    if (dataFolder.isEmpty())
        return std::nullopt;
    return displayReady(readBillFile(dataFolder, billID));
}

QList<std::optional<QVariantMap>> BWBillsLoader::loadBillsWithIDs(
    const QStringList& billIDs, const std::function<bool(const QVariantMap&)>& wanted) const
{
    QList<std::optional<QVariantMap>> bills(billIDs.size());
    const QString dataFolder = orvaneDirectory();
    if (dataFolder.isEmpty())
        return bills;
    const Clock::Hold sameMoment(m_env.clock);
    const QStringList valid = validIDs(billIDs);
    const QStringList paths = billFilePaths(dataFolder, valid);
    const QList<PropertyList::ReadResult> files = BWBillFileCache::shared().read(paths, BWBillFileCache::Scope::Some);
    // The files stand in the order of the valid ids among `billIDs`.
    qsizetype file = 0;
    for (qsizetype i = 0; i < billIDs.size(); ++i) {
        if (!BWUIDMaker::isValidUID(billIDs.at(i)))
            continue;
        std::optional<QVariantMap> stored = billOfFile(paths.at(file), files.at(file));
        ++file;
        if (stored && (!wanted || wanted(*stored)))
            bills[i] = displayReady(std::move(stored));
    }
    return bills;
}

std::optional<QVariantMap> BWBillsLoader::displayReady(std::optional<QVariantMap> bill) const
{
    if (!bill)
        return std::nullopt;
    takeDueDateAsAbsoluteAndShift(*bill);
    addDueTexts(*bill, false);
    return bill;
}

QStringList BWBillsLoader::trimDeletedBillsFromActiveBills(const QStringList& ids) const
{
    const QString dataFolder = orvaneDirectory();
    if (dataFolder.isEmpty())
        return ids;
    return distinctWithout(ids, BWBillIndex(dataFolder).ids(IndexKeys::DeletedBills));
}

void BWBillsLoader::addNecessaryInfoToBill(QVariantMap& bill, bool isLegacyArchived) const
{
    if (!bill.contains(BillKeys::AbsoluteDueDate)) {
        Log::line(QStringLiteral("Adding absolute due date"));
        bill.insert(BillKeys::AbsoluteDueDate, bill.value(BillKeys::DueDate));
    }
    addDueTexts(bill, billIsIncome(bill));
    bill.insert(BillKeys::SortableLastPaid,
                createSortableDueDate(bill.value(BillKeys::LastPayment).toDateTime(), now()));
    if (billIsIncome(bill))
        bill.insert(BillKeys::DueIcon, QStringLiteral("white5"));
    if (isLegacyArchived)
        bill.insert(BillKeys::IsArchived, true);
}

// Records of the older form of the archive, whose ids were moved out of the
// active list. They are shown as they are stored: no due-date shift applies.
std::optional<QVariantList> BWBillsLoader::checkForArchivedBillsAndConvertFromIndexFile(const QVariantMap& index) const
{
    const QString dataFolder = orvaneDirectory();
    if (dataFolder.isEmpty())
        return std::nullopt;

    QVariantList archived;
    QSet<QString> seen;
    for (const QVariant& id : index.value(IndexKeys::ArchivedBills).toList()) {
        const QString billID = id.toString();
        if (seen.contains(billID))
            continue;
        seen.insert(billID);
        std::optional<QVariantMap> bill = readBillFile(dataFolder, billID);
        if (!bill)
            continue;
        Log::line(QStringLiteral("Matching bill found: %1").arg(bill->value(BillKeys::Name).toString()));
        addNecessaryInfoToBill(*bill, true);
        archived.append(*bill);
    }
    if (archived.isEmpty())
        return std::nullopt;
    return archived;
}

QStringList BWBillsLoader::activeIDsOfIndex(const QString& dataFolder) const
{
    const BWBillIndex index(dataFolder);
    return distinctWithout(index.ids(IndexKeys::ActiveBills), index.ids(IndexKeys::DeletedBills));
}

// Only a well-formed id may name a file: an index edited by hand or damaged
// must not lead the loader outside the data folder.
std::optional<QVariantMap> BWBillsLoader::readBillFile(const QString& dataFolder, const QString& billID) const
{
    if (validIDs({billID}).isEmpty())
        return std::nullopt;
    const QString path = billFilePaths(dataFolder, {billID}).constFirst();
    const PropertyList::ReadResult file = PropertyList::read(path);
    // Asking for an id that has no file yet is how a save learns that its
    // item is new: nothing worth a log line.
    if (file.status == PropertyList::Status::NotFound)
        return std::nullopt;
    return billOfFile(path, file);
}

void BWBillsLoader::addDueTexts(QVariantMap& bill, bool incomeWording) const
{
    const QDateTime current = now();
    const QDateTime dueDate = bill.value(BillKeys::DueDate).toDateTime();
    const qlonglong sortable = createSortableDueDate(dueDate, current);
    bill.insert(BillKeys::HumanRepeat,
                createHumanRepeat(bill.value(BillKeys::Repeat), bill.value(BillKeys::AbsoluteDueDate).toDateTime()));
    bill.insert(BillKeys::HumanDueDate, createHumanDueDate(dueDate, current, incomeWording));
    bill.insert(BillKeys::SortableDueDate, sortable);
    bill.insert(BillKeys::DueIcon, createDueIcon(sortable, bill.value(BillKeys::PayType).toLongLong()));
    bill.insert(BillKeys::DueString, createDueDateString(dueDate));
}

bool BWBillsLoader::passesFilter(const QVariantMap& bill, const QString& group, const QString& tag) const
{
    const bool archived = bill.value(BillKeys::IsArchived).toBool();
    if (tag.isEmpty())
        return group == IndexKeys::ActiveBills ? !archived : archived;
    if (archived)
        return false;
    if (tag == PseudoTags::DueThisMonth)
        return isDueDate(bill.value(BillKeys::DueDate).toDateTime(), now());
    if (tag == PseudoTags::PaidThisMonth)
        return isLastPaidDate(bill.value(BillKeys::LastPayment).toDateTime(), now());
    if (tag == PseudoTags::DueSoon)
        return isBillDueSoonOrOverdue(bill.value(BillKeys::DueDate).toDateTime());
    return bill.value(BillKeys::Tags).toStringList().contains(tag);
}
