#pragma once

#include <QDateTime>
#include <QFuture>
#include <QMap>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVariantMap>

#include "FileStamp.h"
#include "PropertyList.h"

#include <functional>
#include <optional>

class QFile;
class QMutex;
struct stat;

// User defaults: values the program stored, over a registered domain that is
// kept in memory only. A read looks in the stored values first and then in the
// registered ones.
//
// The stored values live in one property-list file; the standard defaults at
// ~/.config/Orvane/Orvane.plist and each named suite (for instance the
// app-group suite) in a file of its own in the same folder. Every class that
// reads a setting takes a UserDefaults reference, so tests use their own file.
//
// Other processes (the agent, a second login) may write the same file, so a
// save re-reads it when it changed on disk and writes only the keys this
// process set or removed since its last save over what it finds there. An
// object is used on one thread; two objects of one file in this process
// (one on a worker) save in turns and see each other as another process. A
// value equal to the stored one (integers, reals and booleans kept apart) is
// not written again. The file is read at the first use, or on a worker from
// startLoading() on, and each value is parsed only when it is read: the
// app-group suite holds megabytes of bills that start-up never looks at.
// Long values are not even kept as text: they are read again from the file
// they stand in when they are parsed, compared or written again.
//
// A value that cannot be read (a date that does not exist, a number that is
// none) is that key's alone: it reads as unset, so the registered value
// shows, it stays in the file as it is, and every other key reads and saves.
// Only a file that is no well-formed property list is left wholly alone.
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

    // Told once a run of each value that cannot be read, named by its key and
    // file, on the thread that read it.
    using UnreadableValueListener = std::function<void(const QString& key, const QString& path)>;
    static void setUnreadableValueListener(UnreadableValueListener listener);

    // Starts reading the file on a worker thread; the first use waits for it.
    void startLoading();

    void registerDefaults(const QVariantMap& registered);
    QVariantMap registeredDefaults() const { return m_registered; }

    QVariant objectForKey(const QString& key) const;
    bool boolForKey(const QString& key) const;
    qlonglong integerForKey(const QString& key) const;
    QString stringForKey(const QString& key) const;
    QDateTime dateForKey(const QString& key) const;
    QVariantList arrayForKey(const QString& key) const;
    bool hasStoredValue(const QString& key) const;

    // Every value as it reads now, stored and registered, in an object of
    // its own that no file stands behind: for work on another thread, which
    // must not share this object. Its setters keep values in memory only
    // and return false.
    UserDefaults detachedCopy() const;
    // Another object of this file, for another thread, that starts from what
    // this one has read rather than reading the file again: a read of the
    // app-group suite brings tens of megabytes into memory at once. While
    // this object has read nothing yet, or holds values it has not managed
    // to save, the other object reads the file itself.
    UserDefaults sharingWhatWasRead() const;

    // Each setter stores the value and writes the file at once. It returns
    // false when the file could not be written; the value is then kept in
    // memory for this run.
    bool setObject(const QString& key, const QVariant& value);
    bool setBool(const QString& key, bool value);
    bool setInteger(const QString& key, qlonglong value);
    bool removeObject(const QString& key);
    // Writes the stored values again; false when the write failed.
    bool synchronize();

private:
    // When and as what the file was last read or written; nothing while
    // there is no file.
    using Stamp = std::optional<FileStamp>;
    // Where a long value's text stands in the file it was read from or
    // written to.
    struct FileSpan {
        Stamp stamp;
        qsizetype start = 0, length = 0;
    };
    // One stored value: its text (or where it stands in the file), its
    // parsed value, or both.
    struct Slot {
        QByteArray text;
        std::optional<FileSpan> inFile;
        QVariant value;
        bool parsed = false;
        bool unreadable = false;  // parsed, and its text holds no value we can read
    };
    enum class FileState { Missing, Readable, Unreadable };
    // What one read of the file found. Made by a pure function, so that it
    // can run on a worker.
    struct FileContents {
        FileState state = FileState::Missing;
        Stamp stamp;
        QMap<QString, Slot> stored;
        QString problem;  // why the file is unreadable
    };

    static FileContents readFile(const QString& path);
    static FileContents contentsOf(const QByteArray& bytes, const Stamp& stamp);
    static void takeTexts(QByteArrayView file, const Stamp& stamp,
                          const QList<PropertyList::FragmentSpan>& spans, QMap<QString, Slot>* found);
    static void takeLooseValues(QByteArrayView file, const QList<PropertyList::FragmentSpan>& spans,
                                QMap<QString, Slot>* found);
    void logUnreadable(const FileContents& contents) const;
    void reportUnreadableValue(const QString& key, const QString& error) const;
    bool openAtSpan(QFile& file, const FileSpan& span) const;
    std::optional<QByteArray> textInFile(const FileSpan& span) const;
    bool isStoredText(const Slot& slot, const QVariant& value) const;
    bool isLeftInReplacedFile(const Slot& slot) const;
    void ensureLoaded() const;
    Slot* storedSlot(const QString& key) const;
    const QVariant& parsedValue(const QString& key, Slot& slot) const;
    bool takeInChangesOnDisk() const;
    std::optional<QByteArray> documentToSave(QList<PropertyList::FragmentSpan>* spans);
    void leaveLongTextsIn(const Stamp& stamp, const QList<PropertyList::FragmentSpan>& spans);
    bool save();
    static QMutex& saveTurnOf(const QString& path);

    // A text this long stays in the file; only its place is kept.
    static constexpr qsizetype LongTextBytes = 256 * 1024;

    QString m_path;
    QVariantMap m_registered;
    mutable QFuture<FileContents> m_loading;
    mutable QMap<QString, Slot> m_slots;
    mutable bool m_loaded = false;
    // Set while the file on disk could not be read: writing then would
    // replace the user's settings with the few values of this run.
    mutable bool m_fileUnreadable = false;
    mutable Stamp m_stamp;
    // Keys set or removed by this process and not yet saved.
    QSet<QString> m_changed;
};
