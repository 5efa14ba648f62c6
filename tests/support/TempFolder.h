#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

// A temporary folder for one test, removed when the test ends.
class TempFolder
{
public:
    TempFolder();

    QString path() const { return m_dir.path(); }
    // The full path of a file or folder inside the temporary folder.
    QString file(const QString& name) const;
    // Writes raw bytes to a file inside the folder (creating sub-folders) and returns its path.
    QString write(const QString& name, const QByteArray& bytes) const;
    QByteArray read(const QString& name) const;
    // The file's inode: every atomic write puts a new one in place, so an
    // unchanged number means the file was not written.
    static quint64 inodeOf(const QString& path);

private:
    QTemporaryDir m_dir;
};
