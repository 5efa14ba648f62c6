#pragma once

#include <QString>

#include "store/BWStoreEnvironment.h"

// Where the data folder is: the default place, or inside the folder the user
// chose (its Dropbox app folder while Dropbox sync is on). Every class of the
// store that reads or writes a file asks here; made for each use.
class BWDataFolder
{
public:
    explicit BWDataFolder(const BWStoreEnvironment& env);

    // Path of the data folder; empty when a chosen location no longer
    // resolves. The default place is created (with intermediate folders) on
    // every call.
    QString path() const;
    // path(), with the chosen location resolved again whatever an earlier
    // run cached: a run asks this once, before anything uses the folder,
    // since the cached path may name a folder that is gone.
    QString resolveAfresh() const;
    // With a chosen location: that folder, resolved afresh; otherwise "".
    QString chosenLocation() const;
    // The chosen location as stored, whether or not it resolves; "" without
    // one.
    QString chosenLocationAsStored() const;

private:
    QString chosenFolder() const;
    QString dataFolderInChosenFolder(const QString& chosen) const;

    BWStoreEnvironment m_env;   // a copy: a few pointers and paths
};
