// Two copies of the program on one data folder, without a session bus to
// tell them apart: the data-folder lock has to.

#include "support/TempFolder.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTest>
#include <gtest/gtest.h>

namespace {

class SecondCopyTest : public ::testing::Test
{
protected:
    SecondCopyTest()
    {
        QDir().mkpath(temp.file("run"));
        QFile::setPermissions(temp.file("run"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QDir().mkpath(dataFolder());
    }
    ~SecondCopyTest() override
    {
        for (QProcess* copy : {&first, &second}) {
            if (copy->state() != QProcess::NotRunning) {
                copy->kill();
                copy->waitForFinished();
            }
        }
    }

    QString dataFolder() const { return temp.file("share/Orvane/Orvane.ovdata"); }

    void start(QProcess& copy)
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("HOME", temp.path());
        environment.insert("XDG_CONFIG_HOME", temp.file("config"));
        environment.insert("XDG_DATA_HOME", temp.file("share"));
        environment.insert("XDG_RUNTIME_DIR", temp.file("run"));
        environment.insert("DBUS_SESSION_BUS_ADDRESS", "unix:path=" + temp.file("no-bus"));
        environment.insert("QT_QPA_PLATFORM", "offscreen");
        copy.setProcessEnvironment(environment);
        copy.start(QStringLiteral(ORVANE_BINARY_DIR "/Orvane"), {});
        ASSERT_TRUE(copy.waitForStarted());
    }

    bool holdsALock() const { return !QDir(temp.file("run")).entryList({"Orvane-*.lock"}).isEmpty(); }

    TempFolder temp;
    QProcess first;
    QProcess second;
};

}  // namespace

TEST_F(SecondCopyTest, SecondCopyQuitsWithItsMessageAndTheFirstRunsOn)
{
    const QString stale = temp.write("share/Orvane/Orvane.ovdata/billindex.plist.a1B2c3", "<plist><dict><");
    start(first);
    ASSERT_TRUE(QTest::qWaitFor([this] { return holdsALock(); }, 30000));
    ASSERT_TRUE(QTest::qWaitFor([&stale] { return !QFile::exists(stale); }, 10000));

    start(second);
    ASSERT_TRUE(second.waitForFinished(30000));
    EXPECT_EQ(second.exitCode(), 1);
    EXPECT_TRUE(second.readAllStandardError().contains("Orvane is already running."));
    EXPECT_EQ(first.state(), QProcess::Running);
    EXPECT_TRUE(holdsALock());
}
