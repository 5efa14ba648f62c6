#pragma once

#include <QDateTime>
#include <QFileInfoList>
#include <QStringList>
#include <QString>
#include <QVariantList>
#include <QVariantMap>
#include <optional>

#include "store/BWBill.h"
#include "store/BWStoreEnvironment.h"

// Turns the bill files of the fourth major version into items of this one.
// That version kept one property list per bill, named after the bill, in
// "Orvane/Data/", and each payment's receipt in a sub-folder of
// "Orvane/receipts/". Every file becomes a new item with a new id, stored by
// the bill writer like an item entered by hand.
//
// Every bill file of a source folder is read before anything is written or
// emptied; a file that cannot be read as a bill is named in the report and
// the rest import. Hidden entries and sub-folders are no bills and are
// skipped. A manager is made for each use and keeps no state.
class BWImportManager
{
public:
    struct ImportReport {
        bool fromOlderData = false;   // the source was an older data folder
        int imported = 0;             // items stored
        bool erased = false;          // the current items were erased first
        QStringList notImported;      // bills of the source that could not be imported, by name
        // Only a source with bills that all went in was imported whole.
        bool complete() const { return imported > 0 && notImported.isEmpty(); }
        // Whether the items differ from before the import.
        bool changedItems() const { return erased || imported > 0; }
    };

    explicit BWImportManager(const BWStoreEnvironment& env);

    // The older folder derived from the current data folder (its parent when
    // the data folder is "Orvane.ovdata"); switches Orvane back to the
    // default data folder and imports from it. With `eraseFirst` the index of
    // the default data folder is emptied once at least one bill of the
    // source has been read and is about to be stored.
    ImportReport importDataFromPreviousVersion(bool eraseFirst = false) const;
    // The same from the default place of the older version's data.
    ImportReport importDataInDefaultLocation(bool eraseFirst = false) const;
    // Imports from `folder`, which must be named "Orvane" and hold "Data/".
    ImportReport importDataFromPreviousVersionAtPath(const QString& folder, bool eraseFirst = false) const;
    // Reads every entry, then (with `eraseFirst`, after emptying the index)
    // stores the bills that were read.
    ImportReport performImportWithBills(const QFileInfoList& entries, const QString& dataPath,
                                        bool eraseFirst = false) const;
    // True when the current data folder has no index yet.
    bool shouldImportData() const;

    // True when `folder` looks like an older data folder.
    static bool isOlderDataFolder(const QString& folder);

    // ---- Conversions of the older values ----
    static QString convertIconWithIcon(const QString& icon);
    static qlonglong calculatePayTypeWithString(const QString& payType);
    static qlonglong calculateRepeatBWithString(const QString& repeatUnit);
    // Sum of the amounts, numbers or number texts alike; 0 for none.
    static double calculateTotalPaidWithPayments(const QVariantList& amounts);
    // The payment list of an older bill file, oldest arrays' order kept.
    QVariantList createListOfPaymentsForDictionary(const QVariantMap& legacyBill, const QString& dataPath) const;

    // The date given to a payment whose date is missing or not a date.
    static QDateTime placeholderPaymentDate();

private:
    // A bill read from an older file, ready to be stored.
    struct ReadBill {
        BWBill bill;
        bool archived = false;
    };
    // Nothing for an entry that is no bill file (a hidden entry, a folder)
    // or a bill file that can't be read; the latter's name joins `unreadable`.
    std::optional<ReadBill> readBillFile(const QFileInfo& entry, const QString& dataPath,
                                         QStringList& unreadable) const;
    bool storeBill(ReadBill& read) const;
    // Empties the lists before an import, and has every cloud channel that
    // is on delete what they held.
    bool eraseAllBills() const;
    QString receiptForAttachment(const QVariant& attachment, const QString& receiptsFolder) const;

    BWStoreEnvironment m_env;
};
