#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVariantMap>

// User defaults: values the program stored, over a registered domain that is
// kept in memory only. A read looks in the stored values first and then in the
// registered ones.
//
// The stored values live in one property-list file; the standard defaults at
// ~/.config/Orvane/Orvane.plist and each named suite (for instance the
// app-group suite) in a file of its own in the same folder. Every class that
// reads a setting takes a UserDefaults reference, so tests use their own file.
//
// Typed reads convert as callers expect: a boolean reads from a number or a
// "YES"/"true" string, a missing key reads as false, 0, an empty string, an
// invalid date or an empty list.
class UserDefaults
{
public:
    // Standard defaults of the user, kept in `folder`/Orvane.plist.
    static QString standardPath(const QString& folder);
    // A named suite, kept in `folder`/`suiteName`.plist.
    static QString suitePath(const QString& folder, const QString& suiteName);
    // The folder that holds the defaults files of the signed-in user: ~/.config/Orvane.
    static QString defaultFolder();

    // Loads the stored values of `path`; a missing file starts empty.
    explicit UserDefaults(const QString& path);

    QString path() const { return m_path; }

    void registerDefaults(const QVariantMap& registered);
    QVariantMap registeredDefaults() const { return m_registered; }

    QVariant objectForKey(const QString& key) const;
    bool boolForKey(const QString& key) const;
    qlonglong integerForKey(const QString& key) const;
    double doubleForKey(const QString& key) const;
    QString stringForKey(const QString& key) const;
    QDateTime dateForKey(const QString& key) const;
    QVariantList arrayForKey(const QString& key) const;
    QVariantMap dictionaryForKey(const QString& key) const;
    bool hasStoredValue(const QString& key) const;

    // Each setter stores the value and writes the file at once. It returns
    // false when the file could not be written; the value is then kept in
    // memory for this run.
    bool setObject(const QString& key, const QVariant& value);
    bool setBool(const QString& key, bool value);
    bool setInteger(const QString& key, qlonglong value);
    bool setDouble(const QString& key, double value);
    bool removeObject(const QString& key);
    // Writes the stored values again; false when the write failed.
    bool synchronize();

private:
    void load();
    bool store(const QVariantMap& stored);
    bool fileMayBeWritten();

    QString m_path;
    QVariantMap m_stored;
    QVariantMap m_registered;
    // Set while the file on disk could not be read: writing then would
    // replace the user's settings with the few values of this run.
    bool m_fileUnreadable = false;
    // Keys removed while the file was unreadable, so that they stay removed
    // when the file comes back and its values are taken in again.
    QStringList m_removedWhileUnreadable;
};
