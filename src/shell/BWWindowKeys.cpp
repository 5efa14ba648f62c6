#include "shell/BWWindowKeys.h"

#include <QApplication>
#include <QKeyEvent>
#include <QKeySequence>
#include <QShortcut>
#include <QWidget>

BWWindowKeys::BWWindowKeys(std::function<void()> quit, QObject* parent) : QObject(parent), m_quit(std::move(quit))
{
    if (qApp)
        qApp->installEventFilter(this);
}

void BWWindowKeys::addCloseKeys(QWidget& window)
{
    for (const QKeySequence& close : {QKeySequence(Qt::CTRL | Qt::Key_W), QKeySequence(Qt::Key_Escape)}) {
        auto* shortcut = new QShortcut(close, &window);
        QObject::connect(shortcut, &QShortcut::activated, &window, &QWidget::close);
    }
}

// A key press reaches a window's widgets only when no shortcut there took it,
// so the main window's Quit item answers it first where it can. A press is
// seen once for the window and once for its widget: the widget's counts.
bool BWWindowKeys::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress || !watched->isWidgetType())
        return QObject::eventFilter(watched, event);
    const auto* press = static_cast<QKeyEvent*>(event);
    const bool quitKey = press->key() == Qt::Key_Q && press->modifiers() == Qt::ControlModifier;
    if (!quitKey || press->isAutoRepeat() || QApplication::activeModalWidget())
        return QObject::eventFilter(watched, event);
    m_quit();
    return true;
}
