#include "screens/BWVacationPopover.h"

#include <QApplication>
#include <QCheckBox>
#include <QEvent>
#include <QFormLayout>
#include <QFrame>
#include <QKeyEvent>
#include <QPushButton>
#include <QTimer>

#include "platform/Clock.h"
#include "platform/Log.h"
#include "platform/UserDefaults.h"
#include "store/BWDefaultsKeys.h"
#include "widgets/KNPopUpDatePicker.h"

BWVacationPopover::BWVacationPopover(const BWStoreEnvironment& env, QObject* parent)
    : QObject(parent)
    , m_env(env)
    // A window of its own rather than a pop-up: its dates' calendars are
    // windows beside it, and a click into one would close a pop-up.
    , m_popover(new QFrame(nullptr, Qt::Tool | Qt::FramelessWindowHint))
{
    m_popover->setWindowTitle(tr("Vacation"));
    m_popover->setFrameShape(QFrame::StyledPanel);
    auto* layout = new QFormLayout(m_popover);

    m_switch = new QCheckBox(tr("Vacation mode"), m_popover);
    m_switch->setToolTip(tr("Due dates within your vacation move to the day before it starts."));
    layout->addRow(m_switch);
    m_start = new KNPopUpDatePicker(m_popover);
    m_end = new KNPopUpDatePicker(m_popover);
    for (BWDateField* field : {m_start, m_end})
        field->setClock(m_env.clock);
    layout->addRow(tr("From:"), m_start);
    layout->addRow(tr("Until:"), m_end);
    auto* done = new QPushButton(tr("Done"), m_popover);
    done->setDefault(true);
    layout->addRow(done);

    connect(m_switch, &QCheckBox::toggled, this, &BWVacationPopover::storeShownVacation);
    connect(m_start, &BWDateField::dateChanged, this, [this](const QDate& day) {
        // A vacation can't end before it starts.
        m_end->setMinimumDate(day);
        storeShownVacation();
    });
    connect(m_end, &BWDateField::dateChanged, this, &BWVacationPopover::storeShownVacation);
    connect(done, &QPushButton::clicked, this, &BWVacationPopover::close);
    m_popover->installEventFilter(this);
}

BWVacationPopover::~BWVacationPopover()
{
    delete m_popover.data();
}

void BWVacationPopover::showBelow(QWidget* anchor)
{
    const UserDefaults& defaults = *m_env.defaults;
    const QSignalBlocker quietSwitch(m_switch);
    const QSignalBlocker quietStart(m_start);
    const QSignalBlocker quietEnd(m_end);
    m_edited = false;
    m_switch->setChecked(defaults.boolForKey(BWDefaultsKeys::VacationEnabled));
    const QDate today = m_env.clock->today();
    const QDateTime start = defaults.dateForKey(BWDefaultsKeys::VacationStartDate);
    const QDateTime end = defaults.dateForKey(BWDefaultsKeys::VacationEndTime);
    // An unset end (the far future) shows as the start.
    const QDate shownStart = start.isValid() ? start.toLocalTime().date() : today;
    m_start->setDate(shownStart);
    m_end->setMinimumDate(shownStart);
    const QDate shownEnd
        = end.isValid() && end.toLocalTime().date().year() < 4000 ? end.toLocalTime().date() : shownStart;
    m_end->setDate(shownEnd);

    m_popover->adjustSize();
    // Below the button, as a popover opens from its lower edge.
    const QPoint below = anchor->mapToGlobal(QPoint(anchor->width() / 2, anchor->height()));
    m_popover->move(below - QPoint(m_popover->width() / 2, 0));
    m_popover->show();
    m_popover->activateWindow();
}

// The days shown are stored with the switch: a vacation switched on without
// touching the days is the one shown, from today until today, not the
// registered window that runs from the launch on for good.
void BWVacationPopover::storeShownVacation()
{
    UserDefaults& defaults = *m_env.defaults;
    const bool stored
        = defaults.setBool(BWDefaultsKeys::VacationEnabled, m_switch->isChecked())
          && defaults.setObject(BWDefaultsKeys::VacationStartDate, m_start->date().startOfDay())
          && defaults.setObject(BWDefaultsKeys::VacationEndTime, QDateTime(m_end->date(), QTime(23, 59, 59)));
    if (!stored)
        Log::line(QStringLiteral("Could not store the vacation"));
    m_edited = true;
}

// Done takes the days typed, and stays open for a day it can't read.
void BWVacationPopover::close()
{
    for (BWDateField* field : {m_start, m_end}) {
        if (!field->acceptTypedDateOrTellWhy()) {
            field->setFocus();
            field->selectAll();
            return;
        }
    }
    m_popover->close();
}

// It closes as a pop-up does: on Escape, and when another window than its
// own calendars becomes active, once the window system has settled which.
bool BWVacationPopover::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != m_popover)
        return QObject::eventFilter(watched, event);
    if (event->type() == QEvent::Hide)
        emit closed(std::exchange(m_edited, false));
    if (event->type() == QEvent::WindowDeactivate)
        QTimer::singleShot(0, m_popover, [this] {
            const QWidget* active = QApplication::activeWindow();
            if (!active || (active != m_popover && active->parentWidget() != m_popover))
                m_popover->close();
        });
    const bool escape
        = event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape;
    if (escape)
        m_popover->close();
    return escape || QObject::eventFilter(watched, event);
}
