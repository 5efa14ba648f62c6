#pragma once

#include <QStringList>

#include "store/BWStoreEnvironment.h"

// Leftovers of whole-folder work cut short (a move of the data folder, a
// move back, a daily backup): half copies, set-aside folders and folders
// half removed, named by the folder they belong to and a fixed suffix.
//
// The data folder in use is put right whenever its path is resolved; this
// class looks after every other place such work writes: the default place,
// the backup root (one backup per id) and both ends of a move, which a move
// records here before it starts and forgets when it ends, so that a move to
// a folder never taken into use is still known at the next start.
class BWInterruptedCopies
{
public:
    explicit BWInterruptedCopies(const BWStoreEnvironment& env);

    // Marks the data-folder paths of a move while it runs.
    class MoveInProgress
    {
    public:
        MoveInProgress(const BWStoreEnvironment& env, const QString& from, const QString& to);
        ~MoveInProgress();
        MoveInProgress(const MoveInProgress&) = delete;
        MoveInProgress& operator=(const MoveInProgress&) = delete;

    private:
        BWStoreEnvironment m_env;
    };

    // The data-folder paths of a move that has not ended.
    QStringList foldersOfUnfinishedMove() const;
    // Completes or undoes what interrupted work left in each of those places;
    // the folders themselves are kept.
    void tidy() const;

private:
    QStringList backupLeftovers() const;

    BWStoreEnvironment m_env;
};
