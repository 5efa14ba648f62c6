#pragma once

#include <QObject>

#include <functional>

class QWidget;

// The keys the program's windows answer as the main window does through its
// menu: Ctrl+Q quits from any window (the main window's menu answers it
// there, and a modal question is answered first), and Ctrl+W and Escape close
// a side window (preferences, forecast, history, reports).
class BWWindowKeys : public QObject
{
    Q_OBJECT

public:
    // Watches the application's key presses while it lives.
    explicit BWWindowKeys(std::function<void()> quit, QObject* parent = nullptr);

    static void addCloseKeys(QWidget& window);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::function<void()> m_quit;
};
