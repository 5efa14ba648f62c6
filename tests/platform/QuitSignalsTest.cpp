// A stop signal becomes an ordinary quit, whichever of them arrives.
#include "platform/QuitSignals.h"

#include <QCloseEvent>
#include <QSignalSpy>
#include <QTimer>
#include <QWidget>

#include <csignal>

#include <gtest/gtest.h>

namespace {

// A main window that stays open when asked to close, as Orvane's does with
// no tray icon to bring it back.
class WindowThatStaysOpen : public QWidget
{
protected:
    void closeEvent(QCloseEvent* event) override { event->ignore(); }
};

}  // namespace

TEST(QuitSignals, EachStopSignalEndsTheEventLoopEvenWhenAWindowWillNotClose)
{
    for (int signalNumber : {SIGINT, SIGTERM, SIGHUP}) {
        SCOPED_TRACE(signalNumber);
        QuitSignals stops;
        ASSERT_TRUE(stops.isInstalled());
        QSignalSpy quit(&stops, &QuitSignals::quitRequested);
        WindowThatStaysOpen window;
        window.show();
        QTimer::singleShot(0, [signalNumber] { std::raise(signalNumber); });
        // Only a deadline for a run that would otherwise never end.
        QTimer deadline;
        deadline.callOnTimeout([] { QCoreApplication::exit(1); });
        deadline.start(60000);
        EXPECT_EQ(QCoreApplication::exec(), 0);
        ASSERT_EQ(quit.count(), 1);
        EXPECT_EQ(quit.takeFirst().at(0).toInt(), signalNumber);
    }
}
