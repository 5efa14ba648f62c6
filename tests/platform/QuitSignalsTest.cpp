// A stop signal becomes an ordinary quit, whichever of them arrives.
#include "platform/QuitSignals.h"

#include <QSignalSpy>

#include <csignal>

#include <gtest/gtest.h>

TEST(QuitSignals, EachStopSignalAsksTheEventLoopToQuit)
{
    for (int signalNumber : {SIGINT, SIGTERM, SIGHUP}) {
        SCOPED_TRACE(signalNumber);
        QuitSignals stops;
        ASSERT_TRUE(stops.isInstalled());
        QSignalSpy quit(&stops, &QuitSignals::quitRequested);
        ASSERT_EQ(std::raise(signalNumber), 0);
        ASSERT_TRUE(quit.count() == 1 || quit.wait(30000));
        EXPECT_EQ(quit.takeFirst().at(0).toInt(), signalNumber);
    }
}
