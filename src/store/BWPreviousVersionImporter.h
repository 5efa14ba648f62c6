#pragma once

#include <QString>
#include <QVariantList>
#include <QVariantMap>

#include <optional>

#include "store/BWStoreEnvironment.h"

// Takes over the items of the previous major version, which kept them in the
// same record form: from the list it left in the app-group suite, or from its
// data folder inside its container below the user's home folder. Items keep
// their ids, so importing again rewrites the same items and adds nothing.
class BWPreviousVersionImporter
{
public:
    explicit BWPreviousVersionImporter(const BWStoreEnvironment& env);

    // Stores every record of the suite's ActiveBills; returns how many.
    int importVersion7Data() const;
    // Stores the records of a list; records without a valid id are skipped.
    int importRecords(const QVariantList& records) const;
    // The previous version's data folder below a chosen home folder.
    static QString containerDataFolder(const QString& homeFolder);
    // Imports the active items that say whether they are archived, the
    // archived items, and the receipt copies of the container's data folder.
    // Nothing when the folder does not exist; otherwise how many items.
    std::optional<int> importFromContainer(const QString& homeFolder) const;

private:
    bool storeRecord(QVariantMap record) const;
    std::optional<QVariantMap> readContainerBill(const QString& folder, const QString& billID) const;
    void copyReceiptsFrom(const QString& folder) const;
    QVariantMap withReceiptsIn(QVariantMap record, const QString& folder) const;

    BWStoreEnvironment m_env;
};
