#pragma once

#include <QString>

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

// Stamped on every write.
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
