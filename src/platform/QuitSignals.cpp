#include "platform/QuitSignals.h"

#include "platform/Log.h"

#include <QCoreApplication>
#include <QSocketNotifier>

#include <array>
#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace {

constexpr std::array<int, 3> StopSignals = {SIGINT, SIGTERM, SIGHUP};

// A signal handler may only do async-signal-safe work: it writes the
// signal's number into a socket the event loop watches.
int s_pipe[2] = {-1, -1};

void onStopSignal(int signalNumber)
{
    const char number = char(signalNumber);
    [[maybe_unused]] const ssize_t written = ::write(s_pipe[1], &number, 1);
}

}  // namespace

QuitSignals::QuitSignals(QObject* parent)
    : QObject(parent)
{
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, s_pipe) != 0) {
        Log::line(QStringLiteral("Stop signals keep their default effect: no socket pair"));
        return;
    }
    m_notifier = new QSocketNotifier(s_pipe[0], QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &QuitSignals::takeSignal);

    struct sigaction action = {};
    action.sa_handler = onStopSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int signalNumber : StopSignals)
        ::sigaction(signalNumber, &action, nullptr);
}

QuitSignals::~QuitSignals()
{
    if (!m_notifier)
        return;
    for (int signalNumber : StopSignals)
        ::signal(signalNumber, SIG_DFL);
    ::close(s_pipe[0]);
    ::close(s_pipe[1]);
    s_pipe[0] = s_pipe[1] = -1;
}

void QuitSignals::takeSignal()
{
    char number = 0;
    if (::read(s_pipe[0], &number, 1) != 1)
        return;
    Log::line(QStringLiteral("Stopping on signal %1").arg(int(number)));
    emit quitRequested(int(number));
    // exit, not quit: quit asks the windows first, and a main window that
    // only minimises on close (no tray to reopen it from) would refuse, so
    // the program would outlive the session that asked it to stop.
    QCoreApplication::exit(0);
}
