#include "shell/BWEventWatcher.h"

BWEventWatcher::BWEventWatcher(QWidget* widget, Handler handler)
    : m_widget(widget)
    , m_handler(std::move(handler))
{
    widget->installEventFilter(this);
}

bool BWEventWatcher::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_widget)
        m_handler(m_widget, event->type());
    return QObject::eventFilter(watched, event);
}
