#pragma once

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTest>
#include <QTextEdit>
#include <QToolBar>
#include <QWidget>

#include <algorithm>

// The keyboard's way through a window, as a user presses Tab and Shift+Tab.
namespace tabchain {

// A control a user works with: it takes clicks or typing.
inline bool isControl(const QWidget* widget)
{
    if (qobject_cast<const QScrollBar*>(widget))
        return false;   // a view's scroll bars move with its keys
    if (widget->parentWidget()
        && (qobject_cast<const QComboBox*>(widget->parentWidget())
            || qobject_cast<const QAbstractSpinBox*>(widget->parentWidget())))
        return false;   // a part of its control, which takes the focus for it
    for (const char* painted : {"BGHUDSegmentedControl", "BGHUDStepper", "LRCalendarView"}) {
        if (widget->inherits(painted))
            return true;
    }
    return qobject_cast<const QAbstractButton*>(widget) || qobject_cast<const QComboBox*>(widget)
        || qobject_cast<const QLineEdit*>(widget) || qobject_cast<const QAbstractSlider*>(widget)
        || qobject_cast<const QAbstractSpinBox*>(widget) || qobject_cast<const QAbstractItemView*>(widget)
        || qobject_cast<const QPlainTextEdit*>(widget) || qobject_cast<const QTextEdit*>(widget);
}

// Whether Tab has to stop at `widget`. A toolbar's buttons repeat menu
// commands, which have shortcuts; the calendar's days are reached by its
// arrow keys.
inline bool wantsTab(const QWidget* widget)
{
    if (!widget->isVisible() || !widget->isEnabled() || !isControl(widget))
        return false;
    if (qobject_cast<const QToolBar*>(widget->parentWidget()) || widget->inherits("LRCalendarDayCell"))
        return false;
    // The parts of a view or a field (a table's header and corner, a
    // field's clear button) go with it.
    for (const QWidget* above = widget->parentWidget(); above; above = above->isWindow() ? nullptr : above->parentWidget()) {
        if (qobject_cast<const QAbstractItemView*>(above) || qobject_cast<const QLineEdit*>(above))
            return false;
        // A calendar pop-up's month and year buttons: its days take Page Up
        // and Page Down for the months.
        if (above->inherits("QCalendarWidget"))
            return false;
    }
    return true;
}

inline QString nameOf(const QWidget* widget)
{
    return QString::fromLatin1(widget->metaObject()->className()) + u' ' + widget->objectName() + u' '
        + widget->accessibleName();
}

// Where the key stops in `window`, pressed once round from where the focus
// is (the window's first stop when none): each stop once, in order.
inline QList<QWidget*> stops(QWidget* window, Qt::KeyboardModifiers modifiers)
{
    // A pop-up takes the keyboard without becoming the active window.
    if (window->windowType() != Qt::Popup) {
        window->activateWindow();
        if (!QTest::qWaitForWindowActive(window))
            return {};
    }
    // The focus a window starts with may be on a control Tab does not stop
    // at; the first press puts it on a stop.
    QWidget* start = QApplication::focusWidget();
    QTest::keyClick(start && start->window() == window ? start : window, Qt::Key_Tab);
    QList<QWidget*> visited;
    for (int press = 0; press < 500; ++press) {
        QWidget* focus = QApplication::focusWidget();
        if (!focus || focus->window() != window || visited.contains(focus))
            break;
        visited.append(focus);
        QTest::keyClick(focus, Qt::Key_Tab, modifiers);
    }
    return visited;
}

}  // namespace tabchain
