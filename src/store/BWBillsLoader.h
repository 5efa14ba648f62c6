#pragma once

#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>
#include <QVariantList>
#include <QVariantMap>
#include <functional>
#include <optional>
#include <utility>

#include "platform/LocalDates.h"
#include "store/BWBillDates.h"
#include "store/BWBillFileCache.h"
#include "store/BWStoreEnvironment.h"

class DataFolderLock;

// The reader of the store. It knows where the data folder is, reads the index
// and the bill files, and hands out display-ready records: the stored keys plus
// the derived display keys (due text, sortable due date, due dot, ...), with
// the due date moved off weekends, holidays and the vacation window.
//
// A loader is made for each use and keeps nothing between uses; every load
// reads the data folder again. "Now" always comes from the environment's clock
// (held at one reading for the length of a load); local days come from the
// time zone as it was at the loader's first date conversion.
class BWBillsLoader : public BWBillDates
{
public:
    explicit BWBillsLoader(const BWStoreEnvironment& env);

    // ---- Data folder and loading ------------------------------------------

    // Path of the data folder; empty when a chosen location no longer resolves.
    // The default place is created (with intermediate folders) on every call.
    QString orvaneDirectory() const;
    // With a chosen location: that folder, resolved afresh; otherwise "".
    // No caller in the program; BWDataFolder::chosenLocation().
    QString orvaneDropboxFolder() const;

    // Starts reading the files of the listed items on the worker threads, so
    // that the first load finds them read; only in the data folder `lock`
    // holds for this process. Returns how many files it started reading.
    qsizetype readAheadListedItems(const DataFolderLock& lock) const;

    // The items of `ActiveBills` that are not archived.
    std::optional<QVariantList> loadBills() const;
    // How many items loadBills() lists, counted no further than `atMost`:
    // only as many files are read as it takes.
    qsizetype countBills(qsizetype atMost) const;
    // Display-ready records of a group ("ActiveBills", "ArchivedBills"),
    // filtered by `tag` ("" for none, a user tag or a pseudo-tag). Income items
    // are included when income is enabled or `overRideIncome` is set. Nothing
    // when there is no data-folder path.
    //
    // A load of the whole active list mirrors it into the app-group suite for
    // the extension, unless the caller, who keeps the list, writes it later
    // through saveDataForExtensionWithBills().
    enum class ExtensionExport { WithLoad, ByCaller };
    std::optional<QVariantList> loadBillsInGroup(const QString& group, const QString& tag,
                                                 bool overRideIncome = false,
                                                 ExtensionExport extensionExport = ExtensionExport::WithLoad) const;
    // Every listed item (in `ActiveBills`, not archived) once, display-ready:
    // bills and income alike, including those the overview's settings hide.
    // Nothing when there is no data-folder path.
    std::optional<QVariantList> loadListedItems() const;
    // The records that loadBillsInGroup() lists for the items `billIDs`, as
    // it lists them (their further occurrences included), in the order of
    // the index. Nothing when there is no data-folder path. The export for
    // the extension is left to the whole loads.
    std::optional<QVariantList> loadItemsInGroup(const QStringList& billIDs, const QString& group,
                                                 const QString& tag) const;
    // The ids of the listed items in the order a load reads them.
    QStringList loadOrderOfItems() const;
    // One display-ready record, or nothing when the id is not a valid id or its
    // file can't be read.
    std::optional<QVariantMap> loadBillWithID(const QString& billID) const;
    // The records of `billIDs` as loadBillWithID() gives each, in their order,
    // read together: in parallel, and from the parsed-file cache where a file
    // is as it was. With `wanted`, a record it turns down as stored is left
    // out (nothing), sparing its display keys.
    QList<std::optional<QVariantMap>> loadBillsWithIDs(
        const QStringList& billIDs, const std::function<bool(const QVariantMap&)>& wanted = {}) const;

    // `ids` without those that stand in the index's `DeletedBills`.
    QStringList trimDeletedBillsFromActiveBills(const QStringList& ids) const;
    // Sets the derived display keys on `bill` in place; `isLegacyArchived`
    // marks records of the older archive list.
    void addNecessaryInfoToBill(QVariantMap& bill, bool isLegacyArchived) const;
    // Display-ready records of the index's older `ArchivedBills` list; nothing
    // when none can be read.
    std::optional<QVariantList> checkForArchivedBillsAndConvertFromIndexFile(const QVariantMap& index) const;

    // Mirrors `bills` into the app-group suite's `ActiveBills`, without their
    // payments and sync bookkeeping (an empty list leaves the suite as it
    // was). False when the suite could not be written.
    bool saveDataForExtensionWithBills(const QVariantList& bills) const;
    // The app-group export read back with fresh texts, as the extension shows it:
    // with `loadingAllBills` every bill, otherwise the due-soon and overdue ones.
    // No caller in the program; the app-group export with withExtensionTexts().
    QVariantList loadBillsForExtension(bool loadingAllBills = false) const;

    // ---- Daily backup and restore --------------------------------------------

    // Copies the data folder into a backup named by a fresh id under the
    // backup root, once a calendar day, then removes the previous backup.
    // False when no backup was made: the day then does not count as backed
    // up and the previous backup stays.
    bool backupDatabase() const;
    // Puts the last backup in place of the data folder. The backup is copied
    // beside the data folder first and swapped in only when whole, so a
    // failure leaves the data folder as it was. False when there is no usable
    // backup or the copy failed.
    bool restoreDatabase() const;
    // The day of the last backup in the long form ("Tue, Mar 8, 2016").
    QString lastBackedUpNaturalDate() const;
    // The folder that holds the backups (and the default data folder);
    // created when asked for.
    QString orvaneBackupPath() const;

    // ---- Repeat rules -------------------------------------------------------

    // The editor's selection for a stored Repeat pair: [repeat index] for a
    // fixed choice or [6, custom-unit index] for a custom one; [2] (monthly)
    // for a pair that can't be read; nothing for an unknown unit.
    std::optional<QList<int>> getRepeatFromArrayMac(const QVariantList& repeat) const;
    // The same by an older table that no screen uses any more: [2, 0] and
    // [2, 2] have choices of their own, and units 5 to 7 select the custom
    // entries 0, 4 and 6.
    // No caller in the program; the editor reads getRepeatFromArrayMac().
    std::optional<QList<int>> getRepeatFromArray(const QVariantList& repeat) const;
    // Name of the choice whose repeat index is the selection's first element
    // ("Weekly", "Twice Per Month", ...); "Monthly" for any other index.
    // No caller in the program; names the choices of getRepeatFromArray().
    QString repeatStringFromRepeatArray(const QList<int>& selection) const;

    // ---- Index lists ---------------------------------------------------------

    // The ids under `group` ("ActiveBills", "DeletedBills", "ArchivedBills")
    // of the index, as stored: ids are not checked here, so whoever names a
    // file by one checks it first. Nothing when there is no data folder, no
    // index, no such list, or an index that can't be read.
    std::optional<QStringList> getListOfBills(const QString& group) const;
    // The same with an empty list for anything missing.
    QStringList loadBillIDsInGroup(const QString& group) const;
    // Whether the item may be paid: listed as active, neither deleted nor
    // archived.
    bool billTakesPayments(const QVariantMap& bill) const;
    // Takes the deleted ids out of ActiveBills and empties DeletedBills
    // (the deleted items' files stay); the lists go to the cloud as after any
    // index write. False when there is no data folder, the index can't be read
    // (it is left as it is) or the write failed.
    bool compactDatabase() const;

    // ---- Amounts, payment export and per-bill actions ------------------------

    // One entry of the icon catalogue: its fixed position and display title.
    struct IconTitle {
        int position = 0;
        QString title;
    };

    // What the bill is expected to cost: its Amount, or its Average when the
    // whole part of Amount is 0 (varying amounts are stored as 0). The stored
    // number is handed back as it is; invalid when the record has neither.
    QVariant getEstimatedAmountDueForBill(const QVariantMap& bill) const;

    // Number texts in the current locale: "$1,234.50", "$1,234" (halves
    // rounded to even) and "1,234.5" (grouped, up to three decimals).
    QString currencyFormattedNumber(double number) const;
    // No caller in the program; the formatter of currencyFormattedNumber() without decimals.
    QString currencyFormattedNumberNoDecimals(double number) const;
    QString numberFormattedNumber(double number) const;

    // "Paid 1 time", "Paid 3 times".
    // No caller in the program; counts the payments.
    QString formattedTimesPaidWithPayments(const QVariantList& payments) const;
    // "$45.00 due on\nTue, Dec 8." for a fixed amount, else "Due on Tue, Dec 8.".
    // No caller in the program; createMediumDueDateString() and currencyFormattedNumber().
    QString billSummaryForBill(const QVariantMap& bill) const;
    // The first tag in list order that begins with `text`, ignoring case;
    // nothing for an empty text or when no tag does.
    // No caller in the program; the tag field completes through BWTagText.
    std::optional<QString> findMatchingTagsForString(const QString& text, const QStringList& tags) const;
    // "Online", "Automatic", "Mail", "Phone", or "Other" for any other PayType.
    static QString getPaymentTypeStringWithPaymentTypeNumber(const QVariant& payType);
    // Icon names need no conversion any more; loaded records keep theirs.
    // No caller in the program; loaded records keep their names.
    QString newImageNameForImageNamed(const QString& imageName) const;
    // Position of an icon file of the oldest numbered form (0 to 11); 0 for
    // any other name.
    // No caller in the program; BWBill::getIconFromInteger() read backwards.
    int getIndexForIcon(const QString& iconFileName) const;
    // Position and title of a catalogue icon; nothing for other names.
    std::optional<IconTitle> getTitleForIcon(const QString& iconName) const;

    // The bill's payments as comma-separated lines "date,amount,note\n" in
    // stored order, without a header. The amount is written with a "." and
    // no grouping in every locale; a field holding a comma, quote or line
    // break is quoted (inner quotes doubled). Empty without payments.
    QString exportPaymentsToCSVFromBillDict(const QVariantMap& bill) const;

    // The action of the second button beside a bill, chosen by the
    // BWSecondaryActionSetting default among the offered titles (in menu
    // order, never empty); the first offered one when the choice is not on offer.
    QString defaultSecondaryActionForBill(const QString& billID, const QStringList& availableActions) const;
    // Remembers `action` as the bill's own choice, in place of an earlier one.
    // False when the defaults could not be written.
    bool setDefaultAction(const QString& action, const QString& billID) const;

    // ---- Income auto-logging and extra occurrences ---------------------------

    // One pass that adds, for each repeating item due this month that no pass
    // has handled yet, a copy at its next due date (same Bid, HasBeenDuplicated
    // NO): always while BWHowMuchIncomeToShow is 1, otherwise when that date
    // falls within this month too. Each copy follows the item it repeats. True
    // when any item was handled; the new list is then in
    // listOfBillsBeingWithExtraIncomes().
    bool listOfBillsWithExtraIncomesAdded(const QVariantList& bills) const;
    QVariantList listOfBillsBeingWithExtraIncomes() const { return m_listOfBillsBeingWithExtraIncomes; }
    // True unless the item is a one-time item.
    static bool billDoesRepeat(const QVariantMap& bill);
    // Whether a loaded item belongs in `group` filtered by `tag` ("" for none,
    // a pseudo-tag or a user tag).
    bool passesFilter(const QVariantMap& bill, const QString& group, const QString& tag) const;

private:
    std::optional<QVariantMap> readBillFile(const QString& dataFolder, const QString& billID) const;
    // A record read by id made display-ready, as loadBillWithID() hands it out.
    std::optional<QVariantMap> displayReady(std::optional<QVariantMap> bill) const;
    void addDueTexts(QVariantMap& bill, bool incomeWording) const;
    // The display-ready records of the items `billIDs` that pass
    // passesFilter(), in the order of `billIDs`.
    QVariantList readRecordsInGroup(const QString& dataFolder, const QStringList& billIDs, const QString& group,
                                    const QString& tag,
                                    BWBillFileCache::Scope scope = BWBillFileCache::Scope::AllKept) const;
    QVariantList shownRecords(const QVariantList& records, bool overRideIncome) const;
    QStringList activeIDsOfIndex(const QString& dataFolder) const;
    void copyDueSoonDaysToAppGroup() const;
    QVariantMap withExtensionTexts(const QVariantMap& exported) const;
    bool extensionShows(const QVariantMap& bill, bool loadingAllBills) const;

    // The list of the latest extra-occurrence pass. Loads are const; this is
    // their by-product, not state that one load hands to the next.
    mutable QVariantList m_listOfBillsBeingWithExtraIncomes;
};
