#pragma once

#include <QList>
#include <QObject>
#include <QStringList>

#include <functional>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QTimeEdit;
class UserDefaults;

// Controls whose value is a setting: each shows its key's value and stores
// what the user sets at once.
class BWDefaultsBinding : public QObject
{
    Q_OBJECT

public:
    BWDefaultsBinding(UserDefaults& defaults, QObject* parent = nullptr);

    QCheckBox* checkBox(const QString& title, const QString& key);
    QSpinBox* spinBox(const QString& key, int minimum, int maximum);
    // The chosen row is the stored integer.
    QComboBox* comboBox(const QString& key, const QStringList& choices);
    // Each row stands for its own stored integer; a stored value that no row
    // stands for shows no row.
    struct Choice
    {
        QString title;
        qlonglong value;
    };
    QComboBox* comboBox(const QString& key, const QList<Choice>& choices);
    // Stored when editing ends.
    QLineEdit* lineEdit(const QString& key);
    // The hour and minute of a date setting, stored as today at that time.
    // Stepping through times stores each, but announces the change only
    // once the user stops: `SettledAfterMs` after the last step, or as soon
    // as the field is left or hidden.
    QTimeEdit* timeEdit(const QString& key);
    static constexpr int SettledAfterMs = 500;

    // A button titled by a stored string (`fallback` while none is stored);
    // what it does is the caller's.
    QPushButton* titledButton(const QString& titleKey, const QString& fallback);

    // Shows every control's stored value again.
    void refresh();

signals:
    // The user changed the setting (even when it could not be written to
    // disk: it holds for this run then).
    void settingChanged(const QString& key);

private:
    // Stores the value and announces the change.
    void store(const QString& key, const QVariant& value);
    // Stores the value; the change is announced by the caller.
    void keep(const QString& key, const QVariant& value);

    UserDefaults& m_defaults;
    QList<std::function<void()>> m_refreshers;
};
