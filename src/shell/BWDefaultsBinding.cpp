#include "shell/BWDefaultsBinding.h"

#include "platform/Log.h"
#include "platform/UserDefaults.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateTime>
#include <QEvent>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QPushButton>
#include <QTimeEdit>
#include <QTimer>

#include <functional>

BWDefaultsBinding::BWDefaultsBinding(UserDefaults& defaults, QObject* parent) : QObject(parent), m_defaults(defaults) {}

QCheckBox* BWDefaultsBinding::checkBox(const QString& title, const QString& key)
{
    auto* box = new QCheckBox(title);
    m_refreshers.append([this, box, key] {
        const QSignalBlocker quiet(box);
        box->setChecked(m_defaults.boolForKey(key));
    });
    connect(box, &QCheckBox::toggled, this, [this, key](bool on) { store(key, on); });
    m_refreshers.last()();
    return box;
}

QSpinBox* BWDefaultsBinding::spinBox(const QString& key, int minimum, int maximum)
{
    auto* box = new QSpinBox;
    box->setRange(minimum, maximum);
    m_refreshers.append([this, box, key] {
        const QSignalBlocker quiet(box);
        box->setValue(int(m_defaults.integerForKey(key)));
    });
    connect(box, &QSpinBox::valueChanged, this, [this, key](int value) { store(key, qlonglong(value)); });
    m_refreshers.last()();
    return box;
}

QComboBox* BWDefaultsBinding::comboBox(const QString& key, const QStringList& choices)
{
    auto* box = new QComboBox;
    box->addItems(choices);
    m_refreshers.append([this, box, key] {
        const QSignalBlocker quiet(box);
        const qlonglong stored = m_defaults.integerForKey(key);
        box->setCurrentIndex(stored >= 0 && stored < box->count() ? int(stored) : -1);
    });
    connect(box, &QComboBox::activated, this, [this, key](int row) { store(key, qlonglong(row)); });
    m_refreshers.last()();
    return box;
}

QComboBox* BWDefaultsBinding::comboBox(const QString& key, const QList<Choice>& choices)
{
    auto* box = new QComboBox;
    for (const Choice& choice : choices)
        box->addItem(choice.title, choice.value);
    m_refreshers.append([this, box, key] {
        const QSignalBlocker quiet(box);
        box->setCurrentIndex(box->findData(m_defaults.integerForKey(key)));
    });
    connect(box, &QComboBox::activated, this,
            [this, box, key](int row) { store(key, box->itemData(row).toLongLong()); });
    m_refreshers.last()();
    return box;
}

QLineEdit* BWDefaultsBinding::lineEdit(const QString& key)
{
    auto* field = new QLineEdit;
    m_refreshers.append([this, field, key] { field->setText(m_defaults.stringForKey(key)); });
    connect(field, &QLineEdit::editingFinished, this, [this, field, key] {
        if (field->text() != m_defaults.stringForKey(key))
            store(key, field->text());
    });
    m_refreshers.last()();
    return field;
}

namespace {

// Runs `announce` once the field has been left alone for a while, and at
// once when it is left or hidden with a change still unannounced.
class SettledAnnouncer : public QObject
{
public:
    SettledAnnouncer(QTimeEdit* edit, std::function<void()> announce)
        : QObject(edit)
        , m_announce(std::move(announce))
    {
        m_quiet.setSingleShot(true);
        m_quiet.setInterval(BWDefaultsBinding::SettledAfterMs);
        connect(&m_quiet, &QTimer::timeout, this, [this] { m_announce(); });
        connect(edit, &QTimeEdit::editingFinished, this, &SettledAnnouncer::announceNow);
        edit->installEventFilter(this);
    }

    void changed() { m_quiet.start(); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Hide)
            announceNow();
        return QObject::eventFilter(watched, event);
    }

private:
    void announceNow()
    {
        if (!m_quiet.isActive())
            return;
        m_quiet.stop();
        m_announce();
    }

    std::function<void()> m_announce;
    QTimer m_quiet;
};

}  // namespace

QTimeEdit* BWDefaultsBinding::timeEdit(const QString& key)
{
    auto* edit = new QTimeEdit;
    edit->setDisplayFormat(QStringLiteral("HH:mm"));
    m_refreshers.append([this, edit, key] {
        const QSignalBlocker quiet(edit);
        edit->setTime(m_defaults.dateForKey(key).toLocalTime().time());
    });
    // What follows a change of the time (reminders made again for every
    // bill) is done once per change the user meant, not once per step.
    auto* announcer = new SettledAnnouncer(edit, [this, key] { emit settingChanged(key); });
    connect(edit, &QTimeEdit::timeChanged, this, [this, key, announcer](QTime time) {
        // Only the hour and minute are read; the day stays the stored one.
        QDateTime moment = m_defaults.dateForKey(key).toLocalTime();
        if (!moment.isValid())
            moment = QDateTime(QDate(2001, 1, 1), QTime(0, 0));
        moment.setTime(QTime(time.hour(), time.minute()));
        keep(key, moment.toUTC());
        announcer->changed();
    });
    m_refreshers.last()();
    return edit;
}

QPushButton* BWDefaultsBinding::titledButton(const QString& titleKey, const QString& fallback)
{
    auto* button = new QPushButton;
    m_refreshers.append([this, button, titleKey, fallback] {
        const QString title = m_defaults.stringForKey(titleKey);
        button->setText(title.isEmpty() ? fallback : title);
    });
    m_refreshers.last()();
    return button;
}

void BWDefaultsBinding::refresh()
{
    for (const auto& refresh : m_refreshers)
        refresh();
}

void BWDefaultsBinding::store(const QString& key, const QVariant& value)
{
    keep(key, value);
    emit settingChanged(key);
}

void BWDefaultsBinding::keep(const QString& key, const QVariant& value)
{
    if (!m_defaults.setObject(key, value))
        Log::line(QStringLiteral("Could not store %1; it holds until Orvane quits").arg(key));
}
