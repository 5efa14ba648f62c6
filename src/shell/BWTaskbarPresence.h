#pragma once

#include <QObject>

class QWidget;

// Whether a window shows in the desktop's task bar. In tray-only mode the
// main window is reached through the tray and stays out of the task bar, as
// an accessory program's windows do.
//
// On X11 the window carries _NET_WM_STATE_SKIP_TASKBAR: set on the window
// before each mapping (a window manager drops the state of a withdrawn
// window), and asked of the window manager at once for a window that shows.
// Elsewhere (Wayland, the offscreen platform) the wish is only kept.
class BWTaskbarPresence : public QObject
{
    Q_OBJECT

public:
    static void setSkipsTaskbar(QWidget& window, bool skips);
    static bool skipsTaskbar(const QWidget& window);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    explicit BWTaskbarPresence(QWidget& window);
    // The window's state on the X server, while it is unmapped or mapped.
    static void writeUnmappedState(QWidget& window, bool skips);
    static void askWindowManager(QWidget& window, bool skips);

    bool m_skips = false;
};
