#pragma once

#include <QString>

// Copying and moving whole folders. Both refuse a destination that already
// exists, and both work across file systems (a move falls back to copy and
// remove when a rename is not possible). A copy that fails part-way removes
// what it created.
namespace FolderOps {

bool copyFolder(const QString& source, const QString& destination, QString* error = nullptr);
bool moveFolder(const QString& source, const QString& destination, QString* error = nullptr);
bool removeFolder(const QString& path);

}  // namespace FolderOps
