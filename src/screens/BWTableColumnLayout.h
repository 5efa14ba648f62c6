#pragma once

#include <QObject>
#include <QString>

class QHeaderView;
class QTimer;
class UserDefaults;

// The widths and order of a table's columns, kept in the settings under one
// key as the user leaves them: stored a moment after a burst of drags, and
// given back once, before the table first shows. The sort order and the
// hidden columns are not taken back: the settings of the run decide those.
class BWTableColumnLayout : public QObject
{
public:
    BWTableColumnLayout(QHeaderView& header, UserDefaults& defaults, const QString& key, QObject* parent);

    // Gives back the stored layout, the first time only, and from then on
    // stores the changes.
    void restoreOnce();
    bool isRestored() const { return m_restored; }

private:
    void restore();
    void save();

    QHeaderView& m_header;
    UserDefaults& m_defaults;
    QString m_key;
    QTimer* m_saver;
    bool m_restored = false;
};
