#pragma once

#include <QString>
#include <QStringList>

#include <atomic>

// Copying and moving whole folders. Both refuse a destination that already
// exists, and both work across file systems (a move falls back to copy and
// remove when a rename is not possible). A copy that fails part-way removes
// what it created.
namespace FolderOps {

bool copyFolder(const QString& source, const QString& destination, QString* error = nullptr);
bool moveFolder(const QString& source, const QString& destination, QString* error = nullptr);
bool removeFolder(const QString& path);

// Operations that replace a whole folder in steps a crash can stop between.
// Each step leaves a sibling named by the folder's path and a fixed suffix,
// so finishInterruptedWork() can tell at the next start how far it got and
// leave exactly one whole folder behind.

// The entries of `folder` (files, links and folders, hidden ones too) as
// paths relative to it, each folder before what it holds; none for a
// folder that cannot be read.
QStringList entriesOf(const QString& folder);
// Copies the entries listed (as entriesOf() gives them) of `source` into
// `<destination>.partial` and only then renames it to `destination`, so
// `destination` either does not exist or is whole: a copy of the folder as it
// stood when it was listed, each file copied whole as it stands when its turn
// comes; an entry gone by then is
// left out. When `stop` turns true meanwhile, the copy ends, the partial
// copy is removed and false returned.
bool copyEntriesWhole(const QString& source, const QStringList& entries, const QString& destination,
                      const std::atomic<bool>& stop, QString* error = nullptr);
// Copies `source` into `<target>.partial`, then puts that whole copy in the
// place of `target`: the old target is set aside, the copy renamed in, the old
// one removed. Without a target the copy is simply renamed into place.
bool replaceFolderWithCopy(const QString& source, const QString& target, QString* error = nullptr);
// Renames the folder aside before removing it, so a removal cut short never
// leaves a half-emptied folder under the real name.
bool removeFolderWhole(const QString& path);
// Completes or undoes what an interrupted operation above left at `path`:
// a set-aside target comes back when its replacement never arrived, and
// partial copies and set-aside leftovers are removed.
void finishInterruptedWork(const QString& path);

}  // namespace FolderOps
