#pragma once

#include <QObject>

class QSocketNotifier;

// Turns the signals that ask a program to stop (SIGINT from Ctrl+C in a
// terminal, SIGTERM from a session or a service manager, SIGHUP when the
// terminal goes away) into an ordinary quit of the event loop, so Orvane
// ends as it does from its Quit command: its last writes done, exit status 0.
// One per process; the handlers stay until it is destroyed.
class QuitSignals : public QObject
{
    Q_OBJECT

public:
    explicit QuitSignals(QObject* parent = nullptr);
    ~QuitSignals() override;

    // False when the handlers could not be installed; the signals then end
    // the program as they would without this object.
    bool isInstalled() const { return m_notifier != nullptr; }

signals:
    // The event loop has been asked to quit because of `signalNumber`.
    void quitRequested(int signalNumber);

private:
    void takeSignal();

    QSocketNotifier* m_notifier = nullptr;
};
