// The data folder a run starts on, and the messages about it, seen from
// outside the running program.

#include "OrvaneProcess.h"

#include "platform/UserDefaults.h"
#include "store/BWDefaultsKeys.h"

#include <QStandardPaths>

namespace {

// The user chose a folder on a drive that is now unplugged; the previous run
// cached the data folder inside it.
class DataFolderAtStartTest : public ::testing::Test
{
protected:
    DataFolderAtStartTest()
    {
        UserDefaults settings(UserDefaults::standardPath(orvane.settingsFolder()));
        EXPECT_TRUE(settings.setBool(BWDefaultsKeys::BWCustomLocationEnabled, true));
        EXPECT_TRUE(settings.setObject(BWDefaultsKeys::BWCustomLocationBookmark, chosen()));
        EXPECT_TRUE(settings.setObject(BWDefaultsKeys::BWCusomLocationTempPath, chosen() + "/Orvane.ovdata"));
    }
    QString chosen() const { return temp.file("usb-drive"); }
    QString cachedPath() const
    {
        return UserDefaults(UserDefaults::standardPath(orvane.settingsFolder()))
            .stringForKey(BWDefaultsKeys::BWCusomLocationTempPath);
    }

    TempFolder temp;
    OrvaneProcess orvane{temp};
};

// An X server of its own, for message boxes that really show.
class VirtualDisplay
{
public:
    VirtualDisplay()
    {
        const QString server = QStandardPaths::findExecutable(QStringLiteral("Xvfb"));
        if (server.isEmpty())
            return;
        // Xvfb picks a free display and writes its number once it listens.
        m_server.start(server, {"-displayfd", "1", "-screen", "0", "1024x768x24", "-nolisten", "tcp"});
        if (!m_server.waitForStarted())
            return;
        QByteArray number;
        // A server that never names its display leaves m_display empty; the
        // tests that need one skip.
        (void)QTest::qWaitFor(
            [&] {
                number += m_server.readAllStandardOutput();
                return number.contains('\n') || m_server.state() == QProcess::NotRunning;
            },
            30000);
        if (number.trimmed().toInt() > 0 || number.trimmed() == "0")
            m_display = u':' + QString::fromLatin1(number.trimmed());
    }
    ~VirtualDisplay()
    {
        m_server.terminate();
        m_server.waitForFinished();
    }
    QString name() const { return m_display; }

private:
    QProcess m_server;
    QString m_display;
};

}  // namespace

// The folder is resolved afresh before anything uses it: the message names
// what is wrong, and no lock is held on a folder the run never uses.
TEST_F(DataFolderAtStartTest, AChosenFolderThatIsGoneIsSaidSoAndNotLocked)
{
    orvane.start();
    ASSERT_TRUE(orvane.waitForLog("Orvane Overview OK at Startup")) << orvane.log().toStdString();
    EXPECT_TRUE(orvane.log().contains("Orvane cannot find its data folder."));
    EXPECT_TRUE(orvane.log().contains(chosen().toUtf8()));
    EXPECT_FALSE(orvane.log().contains("Check its permissions"));
    EXPECT_FALSE(orvane.holdsALock());
    EXPECT_TRUE(cachedPath().isEmpty());
    EXPECT_EQ(orvane.process().state(), QProcess::Running);
}

// A stop from the session while a message about the data folder is up ends
// the run in order, as its Quit command does, instead of killing it.
TEST_F(DataFolderAtStartTest, AStopWhileAMessageIsUpEndsTheRunInOrder)
{
    const VirtualDisplay display;
    ASSERT_FALSE(display.name().isEmpty()) << "Xvfb is needed (scripts/install-deps)";
    orvane.start(display.name());
    ASSERT_TRUE(orvane.waitForLog("its data folder.")) << orvane.log().toStdString();
    orvane.process().terminate();
    ASSERT_TRUE(orvane.process().waitForFinished(30000));
    EXPECT_EQ(orvane.process().exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(orvane.process().exitCode(), 0);
    EXPECT_TRUE(orvane.log().contains("Stopping on signal")) << orvane.log().toStdString();
    EXPECT_FALSE(orvane.log().contains("Orvane Overview OK at Startup"));
}
