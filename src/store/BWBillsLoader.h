#pragma once

#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>
#include <QVariantList>
#include <QVariantMap>
#include <atomic>
#include <functional>
#include <optional>
#include <utility>

#include "platform/LocalDates.h"
#include "platform/PropertyList.h"
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
class BWBillsLoader
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

    // Mirrors `bills` into the app-group suite's `ActiveBills` (an empty list
    // leaves the suite as it was). False when the suite could not be written.
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
    // The same in steps, for a copy on a worker thread (BWDailyBackup): what
    // to copy where (nothing when today's backup is made or there is no data
    // folder), the copy itself, which touches nothing but the folders, and
    // the record of the new backup, which answers the previous one's folder
    // for its removal ("" for none; nothing when it could not be recorded).
    struct BackupPlan
    {
        QString dataFolder;
        QString backupFolder;
        QString backupID;
    };
    std::optional<BackupPlan> planBackup() const;
    static bool copyForBackup(const BackupPlan& plan, const std::atomic<bool>& stop);
    std::optional<QString> recordBackup(const BackupPlan& plan) const;
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

    // ---- Due states and display texts --------------------------------------

    // Midnight at the start of the date's local calendar day.
    QDateTime normalizedDate(const QDateTime& date) const;
    // Whole calendar days from the current date's day to the date's day
    // (positive in the future, 0 today, negative overdue).
    qlonglong getDaysApart(const QDateTime& date, const QDateTime& currentDate) const;
    // The same, arguments the other way round (extension export).
    qlonglong daysApart(const QDateTime& currentDate, const QDateTime& dueDate) const;

    // "Due in 3 days", "Overdue by 1 day", "Paid 2 days ago", ...
    QString createHumanDueDate(const QDateTime& dueDate, const QDateTime& currentDate,
                               bool isIncome = false) const;
    // "Today", "In 3 days", "Overdue", ...
    QString createHumanDueDateForExtension(const QDateTime& dueDate, const QDateTime& currentDate) const;
    // "Every 2 weeks", "Twice per month", ... from a stored [count, unit] pair
    // (a missing pair reads as [0, 0]); a null string for an unknown unit.
    QString createHumanRepeat(const QVariant& repeat, const QDateTime& dueDate) const;

    // Sort key of a due date: the day distance from the current date, in
    // seconds of whole days (86400 per day); 0 for a missing date.
    qlonglong createSortableDueDate(const QDateTime& dueDate, const QDateTime& currentDate) const;

    QString createDueDateString(const QDateTime& date) const;             // "Tue, Mar 8, 2016"
    QString createMediumDueDateString(const QDateTime& date) const;       // "Tue, Mar 8"
    // No caller in the program; dateString() as every date text.
    QString createShortDueDateString(const QDateTime& dueDate) const;     // "Mar 8"
    QString createVeryShortDueDateString(const QDateTime& dueDate) const; // "03/08/2016"
    // No caller in the program; dateString() as every date text.
    QString createDayString(const QDateTime& date) const;                 // "Tuesday"

    // Image name of the due dot for a sort key and payment type.
    QString createDueIcon(qlonglong sortNumber, qlonglong paymentType) const;
    // The same with the due-soon window of the app-group suite.
    QString createDueIconForExtension(qlonglong sortNumber, qlonglong paymentType) const;
    // Older three-colour choice from the seconds until due.
    // No caller in the program; the overview's dot is createDueIcon().
    QString calculateIcon(qlonglong dueDateNumber) const;

    // True when both dates lie in the same calendar month of the same year.
    bool isDueDate(const QDateTime& date, const QDateTime& currentDate) const;
    bool isLastPaidDate(const QDateTime& lastPaidDate, const QDateTime& currentDate) const;
    // True when the due date is overdue or within the app-group due-soon window.
    bool isBillDueSoonOrOverdue(const QDateTime& dueDate) const;

    // The overview's grouped table: always 3 sections.
    // No caller in the program; the three sections of rowsPerSection().
    qlonglong sectionCount(const QVariantList& data) const;
    // [overdue, due soon, due later] counts of the records.
    QList<qlonglong> rowsPerSection(const QVariantList& data) const;
    // Section counts, flags and titles of the records (keys "RowsInOverdue", ...).
    // No caller in the program; counts by rowsPerSection().
    QVariantMap dataSourceDetails(const QVariantList& dataSource) const;
    // Bills (not income) overdue or due soon; automatic ones only with the flag.
    // No caller in the program; the overview, the badge and the tray count by
    // BWStatisticsCalculator::countAndAmountofBillsDueSoonForData().
    qlonglong dueSoonBillsCountingAutomatic(bool countingAutomatic, const QVariantList& data) const;
    // Days to show for a choice index: 5, 14, 30, else 10000.
    // No caller in the program; a fixed table.
    qlonglong returnBillsToDisplay(qlonglong index) const;

    // ---- Due-date shifts and calendar helpers -------------------------------

    // The day a record is shown due, whether it comes from a file or from a
    // load: its stored date moved off weekends, holidays and the vacation as
    // the settings ask. Reminders fall on it; writes never store it.
    QDateTime shownDueDateOfRecord(const QVariantMap& record) const;
    // True for the settings that shownDueDateOfRecord() reads: a change to
    // one of them may move the day a bill is shown due.
    static bool settingMovesShownDueDates(const QString& key);
    // Moves the loaded copy's DueDate off a weekend, in place.
    void modifyDateForWeeknedIfNecessaryForBill(QVariantMap& bill) const;
    // Moves the loaded copy's DueDate off a holiday or out of the vacation window, in place.
    void modifyDateForHolidayAndVacationIfNecessaryForBill(QVariantMap& bill) const;
    // When `date` falls on a weekend day: the date moved by `amount` calendar
    // days, twice if the first move lands on a weekend day again (so -1 takes
    // Saturday and Sunday to the Friday before); the time of day is kept.
    // Invalid when `date` is a working day.
    QDateTime modifyDueDateToAvoidWeekends(const QDateTime& date, qlonglong amount) const;
    // The day before `date` (before now when `date` is invalid), moved on to
    // the Friday before when weekends are avoided and it is a weekend day.
    QDateTime subtractOneDayFromDate(const QDateTime& date = QDateTime()) const;
    // True when start <= candidate <= end.
    bool date(const QDateTime& candidate, const QDateTime& start, const QDateTime& end) const;

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
    // True for an income item, false for a bill.
    static bool billIsIncome(const QVariantMap& bill);
    // Whether a loaded item belongs in `group` filtered by `tag` ("" for none,
    // a pseudo-tag or a user tag).
    bool passesFilter(const QVariantMap& bill, const QString& group, const QString& tag) const;

private:
    QDateTime now() const;
    qlonglong dueSoonDays() const;
    qlonglong appGroupDueSoonDays() const;
    QString dateString(const QDateTime& date, const QString& skeleton, const QString& fallback) const;
    // The zone read once for this loader's conversions.
    const LocalDates& localDates() const;

    std::optional<QVariantMap> readBillFile(const QString& dataFolder, const QString& billID) const;
    // Only a well-formed id may name a file.
    static QStringList validIDs(const QStringList& billIDs);
    static QStringList billFilePaths(const QString& dataFolder, const QStringList& billIDs);
    static std::optional<QVariantMap> billOfFile(const QString& path, const PropertyList::ReadResult& file);
    void takeDueDateAsAbsoluteAndShift(QVariantMap& bill) const;
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

    // Income auto-logging and extra occurrences
    // The last step of a group load (unless the load is for the due-soon list
    // or the forecast): the extra occurrences.
    QVariantList withExtraOccurrences(const QVariantList& bills, const QString& tag, bool overRideIncome) const;
    // The list of the latest extra-occurrence pass. Loads are const; this is
    // their by-product, not state that one load hands to the next.
    mutable QVariantList m_listOfBillsBeingWithExtraIncomes;

    BWStoreEnvironment m_env;   // a copy: a few pointers and paths
    mutable std::optional<LocalDates> m_localDates;
};
