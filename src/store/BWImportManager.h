#pragma once

#include <QDateTime>
#include <QFileInfoList>
#include <QString>
#include <QVariantList>
#include <QVariantMap>

#include "store/BWStoreEnvironment.h"

// Turns the bill files of the fourth major version into items of this one.
// That version kept one property list per bill, named after the bill, in
// "Orvane/Data/", and each payment's receipt in a sub-folder of
// "Orvane/receipts/". Every file becomes a new item with a new id, stored by
// the bill writer like an item entered by hand.
//
// A source folder is checked before anything is written or emptied; entries
// that are not readable bill files are skipped with a log line and the rest
// import. A manager is made for each use and keeps no state.
class BWImportManager
{
public:
    explicit BWImportManager(const BWStoreEnvironment& env);

    // The older folder derived from the current data folder (its parent when
    // the data folder is "Orvane.ovdata"); switches Orvane back to the
    // default data folder and imports from it. With `eraseFirst` the index of
    // the default data folder is emptied once the source has proved usable.
    // False when the source is not an older data folder or nothing could be
    // written.
    bool importDataFromPreviousVersion(bool eraseFirst = false) const;
    // The same from the default place of the older version's data.
    bool importDataInDefaultLocation(bool eraseFirst = false) const;
    // Imports from `folder`, which must be named "Orvane" and hold "Data/".
    bool importDataFromPreviousVersionAtPath(const QString& folder, bool eraseFirst = false) const;
    // Imports every entry; returns how many items were stored.
    int performImportWithBills(const QFileInfoList& entries, const QString& dataPath) const;
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
    // Empties the lists before an import, and has every cloud channel that
    // is on delete what they held.
    bool eraseAllBills() const;
    bool importBillFile(const QFileInfo& entry, const QString& dataPath) const;
    QString receiptForAttachment(const QVariant& attachment, const QString& receiptsFolder) const;

    BWStoreEnvironment m_env;
};
