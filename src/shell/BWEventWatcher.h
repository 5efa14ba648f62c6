#pragma once

#include <QEvent>
#include <QObject>
#include <QPointer>
#include <QWidget>

#include <functional>

// Hands the events of one widget to a function: the way the application
// delegate hears of popovers showing and closing and of panels losing the
// keyboard, without those widgets knowing about it. Watching stops when the
// watcher or the widget goes.
class BWEventWatcher : public QObject
{
    Q_OBJECT

public:
    using Handler = std::function<void(QWidget* widget, QEvent::Type type)>;

    BWEventWatcher(QWidget* widget, Handler handler);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:

    QPointer<QWidget> m_widget;
    Handler m_handler;
};
