#pragma once

// Watches the GUI thread while a step runs, as the user would feel it.
//
// A timer ticks on the GUI thread every millisecond; the gap between two
// ticks is time in which the window could neither paint nor answer, so the
// longest gap is the step's longest block. The thread's busy time is the
// time it spent handing out events (timers, queued calls, input, paints),
// summed: the program's application object, a GuiThreadWatchdog::Application,
// times each one (the ticks themselves cost a few microseconds each).
// The background CPU time is what every other thread of the process used
// meanwhile: the workers' share of the step, which a laptop pays for too.
//
//     GuiThreadWatchdog::Application app(argc, argv);
//     ...
//     GuiThreadWatchdog watchdog;
//     const GuiThreadWatchdog::Figures figures = watchdog.measure(
//         [&] { reminders.renewRemindersOfListedItems(); },
//         [&] { return reminders.isIdle(); });
//
// The step starts from the event loop, as a user's action would, and the
// loop runs until `finished` holds and then for `settleMs` more, so that
// what the step leaves for later (queued results, short timers) is counted.
//
// With PERF_CONTROL naming the control fifo of `perf record
// --control=fifo:...` started with `--delay=-1`, only the measured steps are
// recorded.

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QObject>
#include <QThread>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <functional>

class GuiThreadWatchdog : public QObject
{
public:
    // Times every event the GUI thread hands out. Events sent from inside
    // an event's handling count as part of it.
    class Application : public QApplication
    {
    public:
        using QApplication::QApplication;

        bool notify(QObject* receiver, QEvent* event) override
        {
            if (QThread::currentThread() != thread() || s_depth > 0)
                return QApplication::notify(receiver, event);
            ++s_depth;
            // Named before the event, which may delete its receiver.
            const char* receiverClass = receiver->metaObject()->className();
            const int eventType = int(event->type());
            QElapsedTimer handling;
            handling.start();
            const bool handled = QApplication::notify(receiver, event);
            const qint64 tookNs = handling.nsecsElapsed();
            s_busyNs += tookNs;
            --s_depth;
            reportIfSlow(receiverClass, eventType, tookNs);
            return handled;
        }

        // The time spent handing out events on the GUI thread so far.
        static qint64 busyNs() { return s_busyNs; }

    private:
        // With BENCH_SLOW_EVENTS=N, every event that took over N ms is
        // named on stderr: the class that took it, and the event's type.
        static void reportIfSlow(const char* receiverClass, int eventType, qint64 tookNs)
        {
            static const int slowMs = qEnvironmentVariableIntValue("BENCH_SLOW_EVENTS");
            if (slowMs <= 0 || tookNs < qint64(slowMs) * 1000000)
                return;
            std::fprintf(stderr, "slow event: %.1f ms, type %d, to %s\n", double(tookNs) / 1e6, eventType,
                         receiverClass);
        }

        static inline int s_depth = 0;
        static inline qint64 s_busyNs = 0;
    };

    struct Figures
    {
        double longestBlockMs = 0;  // the longest time between two ticks
        double busyMs = 0;          // the time the thread was awake
        double elapsedMs = 0;       // from the start until `finished` held
        double backgroundCpuMs = 0;  // CPU time of every other thread of the process
        bool finished = false;      // false when the time ran out first
    };

    // Runs `start` from the event loop and watches until `finished` holds
    // (asked at every tick) and `settleMs` have passed since; gives up after
    // `timeoutMs`.
    Figures measure(const std::function<void()>& start, const std::function<bool()>& finished, int settleMs = 100,
                    int timeoutMs = 10 * 60 * 1000)
    {
        QEventLoop loop;
        profile("enable");
        startWatching();
        QTimer::singleShot(0, this, start);
        qint64 finishedAt = -1;
        QTimer poll;
        poll.setTimerType(Qt::PreciseTimer);
        poll.setInterval(TickMs);
        connect(&poll, &QTimer::timeout, &loop, [&] {
            const qint64 now = m_clock.elapsed();
            if (finishedAt < 0 && finished())
                finishedAt = now;
            if ((finishedAt >= 0 && now - finishedAt >= settleMs) || now >= timeoutMs)
                loop.quit();
        });
        poll.start();
        loop.exec();
        Figures figures = stopWatching();
        profile("disable");
        figures.finished = finishedAt >= 0;
        figures.elapsedMs = figures.finished ? double(finishedAt) : double(m_clock.elapsed());
        return figures;
    }

    // The same as two calls, for a step that is driven from outside.
    void startWatching()
    {
        m_longestGapNs = 0;
        m_busyAtStartNs = Application::busyNs();
        m_backgroundCpuAtStartNs = backgroundCpuNs();
        m_clock.start();
        m_lastTickNs = 0;
        m_tick.setTimerType(Qt::PreciseTimer);
        m_tick.setInterval(TickMs);
        connect(&m_tick, &QTimer::timeout, this, &GuiThreadWatchdog::tick, Qt::UniqueConnection);
        m_tick.start();
    }

    Figures stopWatching()
    {
        tick();
        m_tick.stop();
        Figures figures;
        figures.longestBlockMs = double(m_longestGapNs) / 1e6;
        if (qEnvironmentVariableIntValue("BENCH_SLOW_EVENTS") > 0)
            std::fprintf(stderr, "longest block: %.6f to %.6f (CLOCK_MONOTONIC)\n",
                         m_longestGapEnd - double(m_longestGapNs) / 1e9, m_longestGapEnd);
        figures.busyMs = double(Application::busyNs() - m_busyAtStartNs) / 1e6;
        figures.elapsedMs = double(m_clock.elapsed());
        figures.backgroundCpuMs = double(backgroundCpuNs() - m_backgroundCpuAtStartNs) / 1e6;
        return figures;
    }

    // One line of a table: the step, its longest block and busy time, and
    // whether the block stays under `limitMs`.
    static void printRow(const char* step, int bills, const Figures& figures, double limitMs = 50)
    {
        std::printf("  %-58s %6d %9.1f %9.1f %9.1f   (< %3.0f) %s\n", step, bills, figures.longestBlockMs,
                    figures.busyMs, figures.backgroundCpuMs, limitMs,
                    !figures.finished                  ? "DID NOT FINISH"
                    : figures.longestBlockMs < limitMs ? "met"
                                                       : "MISSED");
        std::fflush(stdout);
    }
    static void printHeader()
    {
        std::printf("  %-58s %6s %9s %9s %9s\n", "step", "bills", "block ms", "busy ms", "bg cpu ms");
    }

private:
    static constexpr int TickMs = 1;

    // Turns the recording of `perf record` on or off, when one listens.
    static void profile(const char* command)
    {
        static const QByteArray fifo = qgetenv("PERF_CONTROL");
        if (fifo.isEmpty())
            return;
        QFile control(QString::fromLocal8Bit(fifo));
        if (control.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
            control.write(QByteArray(command) + '\n');
    }

    void tick()
    {
        const qint64 now = m_clock.nsecsElapsed();
        if (now - m_lastTickNs > m_longestGapNs) {
            m_longestGapNs = now - m_lastTickNs;
            m_longestGapEnd = monotonicSeconds();
        }
        m_lastTickNs = now;
    }

    // CLOCK_MONOTONIC, the clock `perf record -k CLOCK_MONOTONIC` stamps
    // its samples with.
    static double monotonicSeconds()
    {
        timespec now{};
        clock_gettime(CLOCK_MONOTONIC, &now);
        return double(now.tv_sec) + double(now.tv_nsec) / 1e9;
    }

    static qint64 cpuNs(clockid_t clock)
    {
        timespec used{};
        clock_gettime(clock, &used);
        return qint64(used.tv_sec) * 1000000000 + used.tv_nsec;
    }
    // The process's CPU time but the GUI thread's (the watch runs there).
    static qint64 backgroundCpuNs() { return cpuNs(CLOCK_PROCESS_CPUTIME_ID) - cpuNs(CLOCK_THREAD_CPUTIME_ID); }

    QTimer m_tick;
    QElapsedTimer m_clock;
    qint64 m_lastTickNs = 0;
    qint64 m_longestGapNs = 0;
    double m_longestGapEnd = 0;
    qint64 m_busyAtStartNs = 0;
    qint64 m_backgroundCpuAtStartNs = 0;
};
