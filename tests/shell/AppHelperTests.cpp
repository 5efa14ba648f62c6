#include "shell/AppHelper.h"

#include "platform/LoginItem.h"
#include "platform/RunningPrograms.h"
#include "platform/UserDefaults.h"
#include "store/BWDefaultsKeys.h"
#include "support/TempFolder.h"

#include <QDBusConnection>
#include <QDir>
#include <QFile>
#include <QTest>

#include <gtest/gtest.h>

namespace {

const QString Agent = AppHelper::AgentBundleID;
const QByteArray Template = "[Desktop Entry]\nType=Application\nExec=@PROGRAM@\n";
const QByteArray FreshEntry = "[Desktop Entry]\nType=Application\nExec=/opt/orvane/OrvaneAgent\n";

// The autostart folder lives in a temporary folder. Without a session bus
// nothing counts as running; tests that need a running program use the bus
// and a second connection that owns the program's name.
class AppHelperTest : public testing::Test
{
protected:
    QString entryName(const QString& id = Agent) const { return "autostart/" + id + ".desktop"; }
    QByteArray entry(const QString& id = Agent) const { return temp.read(entryName(id)); }
    bool hasEntry(const QString& id = Agent) const { return QFile::exists(temp.file(entryName(id))); }
    void writeEntry(const QByteArray& text, const QString& id = Agent) const { temp.write(entryName(id), text); }

    TempFolder temp;
    LoginItem loginItems{temp.file("autostart"), Template, "/opt/orvane/OrvaneAgent"};
    RunningPrograms noPrograms{QDBusConnection(QStringLiteral("never-connected"))};
    AppHelper helper{loginItems, noPrograms};
};

TEST_F(AppHelperTest, EnablingWritesTheAgentsEntry)
{
    EXPECT_TRUE(helper.enableAppIDasLoginItem(Agent));
    EXPECT_EQ(entry(), FreshEntry);
    EXPECT_TRUE(helper.bundleIDExistsAsLoginItem(Agent));
}

TEST_F(AppHelperTest, DisablingRemovesTheEntryWhetherOrNotOneExists)
{
    EXPECT_TRUE(helper.disableAppIDasLoginItem(Agent));
    writeEntry(FreshEntry);
    EXPECT_TRUE(helper.disableAppIDasLoginItem(Agent));
    EXPECT_FALSE(hasEntry());
    EXPECT_FALSE(helper.bundleIDExistsAsLoginItem(Agent));
}

TEST_F(AppHelperTest, RestartingReplacesAStaleEntry)
{
    writeEntry("[Desktop Entry]\nExec=/old/OrvaneAgent\nHidden=true\n");
    EXPECT_TRUE(helper.restartLoginItemWithAppID(Agent));
    EXPECT_EQ(entry(), FreshEntry);
}

TEST_F(AppHelperTest, RestartingStopsWhenTheEntryCannotBeRemoved)
{
    temp.write(entryName() + "/blocker", "a folder in the entry's place");
    EXPECT_FALSE(helper.restartLoginItemWithAppID(Agent));
    EXPECT_EQ(temp.read(entryName() + "/blocker"), "a folder in the entry's place");
}

TEST_F(AppHelperTest, AnEntryCountsOnlyWhileItStartsAtLogin)
{
    writeEntry("[Desktop Entry]\nHidden=true\n");
    EXPECT_FALSE(helper.bundleIDExistsAsLoginItem(Agent));
    writeEntry("[Desktop Entry]\nX-GNOME-Autostart-enabled=false\n");
    EXPECT_FALSE(helper.bundleIDExistsAsLoginItem(Agent));
    writeEntry("[Desktop Entry]\nExec=x\n", "com.Bramwick.OrvaneAgentOld");
    EXPECT_FALSE(helper.bundleIDExistsAsLoginItem(Agent));
}

TEST_F(AppHelperTest, SettingUpWritesAFreshEntryInPlaceOfAnOldOne)
{
    EXPECT_TRUE(helper.setupLoginItem(Agent));
    EXPECT_EQ(entry(), FreshEntry);
    writeEntry("[Desktop Entry]\nExec=/old/OrvaneAgent\n");
    EXPECT_TRUE(helper.setupLoginItem(Agent));
    EXPECT_EQ(entry(), FreshEntry);
}

TEST_F(AppHelperTest, SettingUpReportsAnEntryThatCannotBeWritten)
{
    temp.write("autostart", "a file where the folder belongs");
    EXPECT_FALSE(helper.setupLoginItem(Agent));
}

TEST_F(AppHelperTest, TheSwitchEnablesAndDisablesTheAgent)
{
    UserDefaults defaults(temp.file("defaults.plist"));
    defaults.registerDefaults({{BWDefaultsKeys::EnableStartAtLoginMenu, false}});

    EXPECT_TRUE(helper.setLaunchAtLogin(defaults));
    EXPECT_FALSE(hasEntry());

    defaults.setBool(BWDefaultsKeys::EnableStartAtLoginMenu, true);
    EXPECT_TRUE(helper.setLaunchAtLogin(defaults));
    EXPECT_EQ(entry(), FreshEntry);

    defaults.setBool(BWDefaultsKeys::EnableStartAtLoginMenu, false);
    EXPECT_TRUE(helper.setLaunchAtLogin(defaults));
    EXPECT_FALSE(hasEntry());
}

// Programs seen on the session bus; another connection plays the program.
class AppHelperOnBusTest : public AppHelperTest
{
protected:
    void SetUp() override
    {
        if (!QDBusConnection::sessionBus().isConnected())
            GTEST_SKIP() << "no session bus";
    }
    void TearDown() override { QDBusConnection::disconnectFromBus("running-program"); }

    QDBusConnection program = QDBusConnection::connectToBus(QDBusConnection::SessionBus, "running-program");
    RunningPrograms programs{QDBusConnection::sessionBus()};
    AppHelper busHelper{loginItems, programs};
};

TEST_F(AppHelperOnBusTest, AProgramRunsWhileItOwnsItsId)
{
    EXPECT_FALSE(busHelper.isAppIDRunning(Agent));
    ASSERT_TRUE(program.registerService(Agent));
    EXPECT_TRUE(busHelper.isAppIDRunning(Agent));
    EXPECT_FALSE(busHelper.isAppIDRunning("com.Bramwick.Orvane"));
    ASSERT_TRUE(program.unregisterService(Agent));
    EXPECT_FALSE(busHelper.isAppIDRunning(Agent));
}

TEST_F(AppHelperOnBusTest, SwitchingOnWhileTheAgentRunsChangesNothing)
{
    const QByteArray oldEntry = "[Desktop Entry]\nExec=/old/OrvaneAgent\n";
    writeEntry(oldEntry);
    ASSERT_TRUE(program.registerService(Agent));
    UserDefaults defaults(temp.file("defaults.plist"));
    defaults.setBool(BWDefaultsKeys::EnableStartAtLoginMenu, true);

    EXPECT_TRUE(busHelper.setLaunchAtLogin(defaults));
    EXPECT_EQ(entry(), oldEntry);
    EXPECT_TRUE(busHelper.setupLoginItem(Agent));
    EXPECT_EQ(entry(), oldEntry);
}

TEST_F(AppHelperOnBusTest, SwitchingOffWhileTheAgentRunsStillDisables)
{
    writeEntry(FreshEntry);
    ASSERT_TRUE(program.registerService(Agent));
    UserDefaults defaults(temp.file("defaults.plist"));
    defaults.setBool(BWDefaultsKeys::EnableStartAtLoginMenu, false);
    EXPECT_TRUE(busHelper.setLaunchAtLogin(defaults));
    EXPECT_FALSE(hasEntry());
}

TEST_F(AppHelperOnBusTest, ObservesProgramsStartingAndEndingUntilTheObservationGoes)
{
    // A name of its own: news of other tests' names may still be on its way.
    const QString name = QStringLiteral("org.example.AppHelperTest.Observed");
    QStringList launched;
    QStringList terminated;
    auto launching = busHelper.observeAppsLaunching([&](const QString& id) { launched.append(id); });
    auto termination = busHelper.observeAppsTermination([&](const QString& id) { terminated.append(id); });
    ASSERT_TRUE(launching && termination);

    ASSERT_TRUE(program.registerService(name));
    ASSERT_TRUE(QTest::qWaitFor([&] { return launched.contains(name); }, 5000));
    EXPECT_FALSE(terminated.contains(name));
    ASSERT_TRUE(program.unregisterService(name));
    ASSERT_TRUE(QTest::qWaitFor([&] { return terminated.contains(name); }, 5000));
    EXPECT_EQ(launched.count(name), 1);

    termination.reset();
    launching->removeReceptionistForName();
    // A third observer tells when the news of the second round has arrived.
    QStringList witnessed;
    auto witness = busHelper.observeAppsTermination([&](const QString& id) { witnessed.append(id); });
    ASSERT_TRUE(program.registerService(name));
    ASSERT_TRUE(program.unregisterService(name));
    ASSERT_TRUE(QTest::qWaitFor([&] { return witnessed.contains(name); }, 5000));
    EXPECT_EQ(launched.count(name), 1);
    EXPECT_EQ(terminated.count(name), 1);
}

}  // namespace
