#pragma once

#include <QString>
#include <QStringList>
#include <QVariantMap>

// The index file of the data folder, "billindex.plist": three lists of bill
// ids (ActiveBills, DeletedBills, ArchivedBills).
//
// The index is the only record of which bills exist, so a file that is there
// but cannot be understood is never replaced by lists rebuilt from nothing:
// save() refuses, logs and reports false until the file is readable again.
class BWBillIndex
{
public:
    // Reads the index of `dataFolder` at once.
    explicit BWBillIndex(const QString& dataFolder);

    static QString pathInFolder(const QString& dataFolder);
    QString path() const { return m_path; }

    // True when the file was there when it was read.
    bool fileExists() const { return m_exists; }
    // True when the file was there but was not a dictionary of lists.
    bool isDamaged() const { return m_damaged; }

    // The ids of one list; a missing list is empty.
    QStringList ids(const QString& listKey) const;
    bool contains(const QString& listKey, const QString& billID) const;
    void setIds(const QString& listKey, const QStringList& billIDs);

    // The whole index as it will be written.
    QVariantMap dictionary() const { return m_index; }
    // Lists given as string lists are stored as the lists they are.
    void setDictionary(const QVariantMap& index);

    // Writes the index whole and atomically; false (and logged) when the
    // file on disk was damaged or the write failed.
    bool save();
    // The same, but also replaces a damaged file: for callers whose new
    // index owes nothing to the old content.
    bool saveReplacingDamagedFile();

private:
    void read();
    bool write();

    QString m_path;
    QVariantMap m_index;
    bool m_exists = false;
    bool m_damaged = false;
};
