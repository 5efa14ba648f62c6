#pragma once

#include <QString>
#include <QStringList>

// The names the data folder is made of: the keys of a bill record and of its
// payment entries, the lists of the index file, the file names, and the keys
// that loading adds for display. Every part of the program uses these
// constants so that a misspelt key cannot silently create a second field.
namespace BillKeys {

// ---- Stored keys of a bill record (the order a new record is built in) ----
inline const QString Name = QStringLiteral("Name");
inline const QString Bid = QStringLiteral("Bid");
inline const QString Icon = QStringLiteral("Icon");
inline const QString DueDate = QStringLiteral("DueDate");
inline const QString Repeat = QStringLiteral("Repeat");                // [count, unit]
inline const QString Average = QStringLiteral("Average");
inline const QString LastPayment = QStringLiteral("LastPayment");
inline const QString TotalPaid = QStringLiteral("TotalPaid");
inline const QString RemindMe = QStringLiteral("RemindMe");
inline const QString PaySite = QStringLiteral("PaySite");
inline const QString PaymentList = QStringLiteral("PaymentList");
inline const QString ReminderDays = QStringLiteral("ReminderDays");
inline const QString Balance = QStringLiteral("Balance");
inline const QString Interest = QStringLiteral("Interest");
inline const QString Notes = QStringLiteral("Notes");
inline const QString Tags = QStringLiteral("Tags");
inline const QString Amount = QStringLiteral("Amount");
inline const QString PayType = QStringLiteral("PayType");              // 0 online, 1 automatic, 2 mail, 3 phone
inline const QString Rev = QStringLiteral("Rev");                      // escrow share of a payment
inline const QString AmountVaries = QStringLiteral("AmountVaries");
inline const QString IsArchived = QStringLiteral("IsArchived");
inline const QString IsIncome = QStringLiteral("IsIncome");

// What archiving replaced, kept so that a restore can give it back: the
// unshifted due date (absent when the item was due never) and whether
// reminders were wanted. Readers that don't know these keys pass them on.
inline const QString DueDateBeforeArchive = QStringLiteral("DueDateBeforeArchive");
inline const QString RemindMeBeforeArchive = QStringLiteral("RemindMeBeforeArchive");
// The day of the month a monthly item was due on before a shorter month
// moved it to that month's last day (31 while it is due on 28 February);
// present only while the due date is so clipped. A reader that doesn't know
// it steps on from the clipped day, as that day is a valid due date.
inline const QString DueDayOfMonth = QStringLiteral("DueDayOfMonth");

// Sync bookkeeping (see BWBillMerge). Each change made on a computer carries
// a stamp of its hybrid logical clock (HybridLogicalClock), a text.
// The stamp of each field's last change: field key -> stamp. A key stamped
// here but absent from the record was taken out by that change.
inline const QString FieldStamps = QStringLiteral("FieldStamps");
// The balance as a user last set it (or as it opened): Balance is this less
// what the payments logged after it took off (their BalanceReduction).
inline const QString BalanceSet = QStringLiteral("BalanceSet");
// The payments removed (reversed, deleted, taken out of the history):
// payment id -> stamp of the removal.
inline const QString RemovedPaymentIDs = QStringLiteral("RemovedPaymentIDs");
// What removed payments logged before the balance was set give back to it:
// payment id -> {BalanceReduction, LoggedStamp} of the payment as removed.
inline const QString RemovedPaymentShares = QStringLiteral("RemovedPaymentShares");
// The payments that older versions removed, by identity ("<second> <amount>
// <note>"); they hold only for payments of those versions' days.
inline const QString RemovedPayments = QStringLiteral("RemovedPayments");
// The stamp of the bill's deletion, when it was deleted on some computer.
inline const QString DeletionStamp = QStringLiteral("DeletionStamp");
// What the deleting computers had seen of the bill: "F <field>", "P <payment
// id>" and "R <payment id>" (its removal) -> the latest stamp of it in the
// copy deleted; "*" -> a stamp before which every change counts as seen (a
// deletion of an earlier version, or of a bill known only by its id). The
// bill stays deleted while every change in it was seen.
inline const QString DeletionSeen = QStringLiteral("DeletionSeen");
inline const QString SeenBeforeKey = QStringLiteral("*");
// The latest stamp of the record, deletion included.
inline const QString ModificationStamp = QStringLiteral("ModificationStamp");

// The date of the latest stamp, for versions that know no stamps: as a date,
// and in seconds since 1970 in the Firebase copy.
inline const QString SyncModificationDate = QStringLiteral("SyncModificationDate");
inline const QString ModificationDateForFirebase = QStringLiteral("ModificationDateForFirebase");

// ---- Keys that loading adds for display; never part of a stored file ----
inline const QString AbsoluteDueDate = QStringLiteral("AbsoluteDueDate");  // DueDate before any shift
inline const QString DateWasModified = QStringLiteral("DateWasModified");  // 1 weekend, 2 holiday, 3 vacation
inline const QString HumanRepeat = QStringLiteral("HumanRepeat");
inline const QString HumanDueDate = QStringLiteral("HumanDueDate");
inline const QString SortableDueDate = QStringLiteral("SortableDueDate");
inline const QString DueIcon = QStringLiteral("DueIcon");
inline const QString DueString = QStringLiteral("DueString");
inline const QString SortableLastPaid = QStringLiteral("SortableLastPaid");
inline const QString HasBeenDuplicated = QStringLiteral("HasBeenDuplicated");

// Every key above that loading adds for display: never stored, never sent
// to another computer. Every other key of a record is stored and travels.
inline const QStringList DisplayKeys
    = {AbsoluteDueDate, DateWasModified, HumanRepeat,      HumanDueDate,     SortableDueDate,
       DueIcon,         DueString,       SortableLastPaid, HasBeenDuplicated};

}  // namespace BillKeys

// Keys the forecast adds to its working copies of loaded records; never
// part of a stored file.
namespace ForecastKeys {

// The record's DueDate as loaded, before the forecast moved it into the month shown.
inline const QString OriginalDueDate = QStringLiteral("OriginalDueDate");
// The monthly share to put aside for a bill due less often than monthly.
inline const QString SaveAmount = QStringLiteral("SaveAmount");
// 1 when the record is in a month's list only for its SaveAmount.
inline const QString IsFutureBill = QStringLiteral("IsFutureBill");

}  // namespace ForecastKeys

// Keys of one entry of a record's PaymentList.
namespace PaymentKeys {

inline const QString Amount = QStringLiteral("Amount");
inline const QString Date = QStringLiteral("Date");
inline const QString Note = QStringLiteral("Note");
inline const QString Receipt = QStringLiteral("Receipt");   // path of the receipt copy, or ""

// The payment's own id (32 upper-case hexadecimal digits), made when it is
// logged; a payment of an older record gets one made from its content and
// its place among payments of equal content (see BWBillMerge).
inline const QString PaymentID = QStringLiteral("PaymentID");
// The stamp of the moment it was logged, which orders it against the
// balance a user set; and of its last edit, when it was edited.
inline const QString LoggedStamp = QStringLiteral("LoggedStamp");
inline const QString EditedStamp = QStringLiteral("EditedStamp");

// What a logged payment changed besides the payment list, kept in its payment
// entry so that undoing the payment can give exactly that back. Entries from
// other devices or older data lack them.

// The real number that the payment took off the bill's Balance (0 when the
// bill kept no balance).
inline const QString BalanceReduction = QStringLiteral("BalanceReduction");
// What the payment took off a varying amount; only in an entry that lowered it.
inline const QString AmountReduction = QStringLiteral("AmountReduction");
// Whether the payment moved the due date on (a partial payment does not).
inline const QString MovedDueDate = QStringLiteral("MovedDueDate");
// The stored due date that the payment moved on from; only in an entry that
// moved it.
inline const QString DueDateBeforePayment = QStringLiteral("DueDateBeforePayment");
// Whether the payment archived the item it settled, and whether the item
// asked for reminders before; only in an entry that archived it.
inline const QString ArchivedItem = QStringLiteral("ArchivedItem");
inline const QString RemindMeBeforePayment = QStringLiteral("RemindMeBeforePayment");

}  // namespace PaymentKeys

// The index file's lists of bill ids.
namespace IndexKeys {

inline const QString ActiveBills = QStringLiteral("ActiveBills");
inline const QString DeletedBills = QStringLiteral("DeletedBills");
inline const QString ArchivedBills = QStringLiteral("ArchivedBills");

// The same lists as named in the iCloud key-value store.
inline const QString ActiveBillsCloudKey = QStringLiteral("activebills");
inline const QString DeletedBillsCloudKey = QStringLiteral("deletedbills");
inline const QString ArchivedBillsCloudKey = QStringLiteral("archivedbills");
inline const QString TagIndexCloudKey = QStringLiteral("tagindex");

}  // namespace IndexKeys

// Files of the data folder.
namespace DataFolderFiles {

inline const QString BillIndex = QStringLiteral("billindex.plist");
inline const QString TagIndex = QStringLiteral("tagindex.plist");
inline const QString IncomeIndex = QStringLiteral("incomeindex.plist");
inline const QString MailIndex = QStringLiteral("mailindex.plist");
// A bill's own file is its id followed by this.
inline const QString BillFileExtension = QStringLiteral(".plist");

}  // namespace DataFolderFiles

// The overview's pseudo-tags: lists chosen by date rather than by a user tag.
namespace PseudoTags {

inline const QString DueThisMonth = QStringLiteral("DueThisMonthTag");
inline const QString PaidThisMonth = QStringLiteral("PaidThisMonthTag");
inline const QString DueSoon = QStringLiteral("DueSoonTag");

}  // namespace PseudoTags

// Keys of the app-group suite that an extension reads. The settings mirrored
// there keep their own names (BWDefaultsKeys).
namespace AppGroupKeys {

inline const QString ActiveBills = QStringLiteral("ActiveBills");

}  // namespace AppGroupKeys
