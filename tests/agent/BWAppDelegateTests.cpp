#include "agent/BWAppDelegate.h"

#include <gtest/gtest.h>

namespace {

// Stands in for the session: a fixed list of running programs, and a record
// of what the agent opened and whether it quit.
struct FakeSession
{
    explicit FakeSession(QStringList names = {}) : running(std::move(names)) {}

    QStringList running;
    bool openSucceeds = true;
    QList<QUrl> opened;
    int terminations = 0;
    int listings = 0;

    BWAppDelegate delegate()
    {
        return BWAppDelegate({[this] {
                                  ++listings;
                                  return running;
                              },
                              [this](const QUrl& url) {
                                  opened.append(url);
                                  return openSucceeds;
                              },
                              [this] { ++terminations; }});
    }
};

TEST(LauncherAgent, QuitsWithoutOpeningAnythingWhenOrvaneRuns)
{
    FakeSession session({"org.freedesktop.DBus", "com.Bramwick.Orvane"});
    session.delegate().showOrvane();
    EXPECT_TRUE(session.opened.isEmpty());
    EXPECT_EQ(session.terminations, 1);
}

TEST(LauncherAgent, OpensTheLaunchURLAndQuitsWhenOrvaneIsNotRunning)
{
    FakeSession session({"org.freedesktop.DBus", ":1.7"});
    session.delegate().showOrvane();
    ASSERT_EQ(session.opened.size(), 1);
    EXPECT_EQ(session.opened.first().toString(), "com-bramwick-orvanelaunch:///");
    EXPECT_EQ(session.opened.first().scheme(), "com-bramwick-orvanelaunch");
    EXPECT_EQ(session.terminations, 1);
}

TEST(LauncherAgent, OnlyTheExactNameCountsAsOrvane)
{
    // The agent itself, longer and shorter names and other spellings all run
    // while Orvane does not.
    FakeSession session({"com.Bramwick.OrvaneAgent", "com.Bramwick.Orvane8", "com.Bramwick.Orvane.viewer",
                         "com.Bramwick", "com.bramwick.orvane", " com.Bramwick.Orvane"});
    session.delegate().showOrvane();
    EXPECT_EQ(session.opened.size(), 1);
}

TEST(LauncherAgent, PassesOverProgramsWithoutANameOnItsWayToOrvane)
{
    FakeSession session({"", ":1.1", QString(), "com.Bramwick.Orvane"});
    session.delegate().showOrvane();
    EXPECT_TRUE(session.opened.isEmpty());
    EXPECT_EQ(session.terminations, 1);
}

TEST(LauncherAgent, QuitsEvenWhenTheURLCannotBeOpened)
{
    FakeSession session;
    session.openSucceeds = false;
    session.delegate().showOrvane();
    EXPECT_EQ(session.opened.size(), 1);
    EXPECT_EQ(session.terminations, 1);
}

TEST(LauncherAgent, FinishingTheLaunchDoesTheWholeJobOnce)
{
    FakeSession session;
    session.delegate().applicationDidFinishLaunching();
    EXPECT_EQ(session.listings, 1);
    EXPECT_EQ(session.opened.size(), 1);
    EXPECT_EQ(session.terminations, 1);
}

}  // namespace
