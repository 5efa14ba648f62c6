#pragma once

#include <QString>

#include <functional>
#include <optional>

#include "store/BWStoreEnvironment.h"

// The file work behind relocating the data folder "Orvane.ovdata": into a
// chosen folder, found in a chosen folder, and back to the default place. It
// decides nothing about where Orvane looks for its data; the caller records
// that in the defaults through the adoption step.
//
// A move copies the folder whole to its new place first, then lets the caller
// adopt the new place, and only then removes the old folder, so a crash at
// any point leaves one whole data folder where the defaults point. The data
// folder is never moved over itself or over a folder that holds it.
class BWDatabaseMover
{
public:
    // Records the new data folder (normally in the defaults) once the copy is
    // whole; false keeps the old folder in use and removes the new copy.
    using Adoption = std::function<bool(const QString& newDataFolder)>;

    explicit BWDatabaseMover(const BWStoreEnvironment& env, Adoption adopt = {});

    // Moves the data folder at `currentDataFolder` into `targetFolder` (or to
    // it, when it is itself named "Orvane.ovdata"). With `overwrite` a folder
    // already there is replaced; without, the move fails.
    bool moveDatabaseToNewLocation(const QString& targetFolder, const QString& currentDataFolder,
                                   bool overwrite) const;
    // The same, keeping the folder at its old place.
    // No caller in the program; relocate() without removing the old folder.
    bool copyDatabaseToNewLocation(const QString& targetFolder, const QString& currentDataFolder,
                                   bool overwrite) const;
    // True when the chosen folder holds a data folder (or is one).
    bool loadDatabaseFromAnotherLocation(const QString& folder) const;
    // Moves the data folder at `customDataFolder` back to the default place.
    // A data folder found there is never removed: it is kept aside, as the
    // "Orvane.ovdata" of a new folder beside it (`keptAside` is told which),
    // where "Open Database Elsewhere…" finds it again; a failed move puts it
    // back. A data folder already at the default place stays as it is
    // (false).
    bool resetDatabaseFromStartLocation(const QString& customDataFolder, QString* keptAside = nullptr) const;
    // True when the data folder at the default place holds items of its own.
    bool defaultPlaceHoldsBills() const;
    // True when folder/"Orvane.ovdata"/"billindex.plist" exists.
    bool databaseExistsWithDataAtLocation(const QString& folder) const;

    // The data folder meant by a chosen folder.
    static QString dataFolderIn(const QString& folder);

private:
    bool relocate(const QString& target, const QString& currentDataFolder, bool overwrite,
                  bool removeOld) const;
    // Moves the default place's data folder into a new folder beside it; the
    // folder that now holds it, "" when there was none, nothing on failure.
    std::optional<QString> keepDefaultPlaceAside() const;

    BWStoreEnvironment m_env;
    Adoption m_adopt;
};
