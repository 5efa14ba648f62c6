#pragma once

#include <QObject>
#include <QPointer>

class QWidget;

// Gives the keyboard focus back to the control that had it when a popover
// window opened, once the popover closes (Escape, Cancel or its command):
// the user goes on where they left off. Qt does so for pop-up menus; a tool
// window that closes leaves the focus to the window manager.
class BWFocusReturn : public QObject
{
public:
    // Watches `popover` from now on, for as long as it lives.
    static void install(QWidget* popover);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    explicit BWFocusReturn(QWidget* popover);

    QWidget* m_popover;
    QPointer<QWidget> m_origin;
};
