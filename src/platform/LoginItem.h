#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// The user's login items, kept as XDG autostart entries: one desktop-entry
// file per item in the autostart folder, named after the item's id
// ("<id>.desktop"). The session starts every enabled entry at login.
//
// Entries are made from a template desktop entry whose Exec line holds the
// placeholder @PROGRAM@; enabling writes the template with the program's path
// in its place. Disabling removes the entry, so nothing is left to start.
class LoginItem
{
public:
    // One autostart entry as the session sees it.
    struct Job
    {
        QString label;   // the entry's id: its file name without ".desktop"
        bool onDemand;   // the session starts it at login (not hidden, not switched off)
    };

    // $XDG_CONFIG_HOME/autostart, or ~/.config/autostart when that is unset.
    static QString defaultFolder();

    LoginItem(const QString& folder, const QByteArray& entryTemplate, const QString& program);

    // Writes (whole and atomically) or removes the entry of `id`. False when
    // the id cannot name a file in the folder or the file system refused.
    bool setEnabled(const QString& id, bool enabled);
    // Every entry of the folder, in file-name order.
    QList<Job> jobs() const;

    QString entryPath(const QString& id) const;
    // The template with the program's path written as an Exec argument.
    QByteArray entryText() const;

private:
    QString m_folder;
    QByteArray m_template;
    QString m_program;
};
