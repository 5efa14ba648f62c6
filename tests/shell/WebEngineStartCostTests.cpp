// The pay-site browser's engine (Chromium) stays out of the program's start:
// a started Orvane has shown its window without loading it.

#include "support/TempFolder.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTest>
#include <gtest/gtest.h>

TEST(WebEngineStartCostTest, AStartedOrvaneHasPaintedItsWindowWithoutLoadingTheWebEngine)
{
    TempFolder temp;
    QDir().mkpath(temp.file("run"));
    QFile::setPermissions(temp.file("run"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("HOME", temp.path());
    environment.insert("XDG_CONFIG_HOME", temp.file("config"));
    environment.insert("XDG_DATA_HOME", temp.file("share"));
    environment.insert("XDG_RUNTIME_DIR", temp.file("run"));
    environment.insert("DBUS_SESSION_BUS_ADDRESS", "unix:path=" + temp.file("no-bus"));
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    environment.insert("QT_LOGGING_RULES", "orvane.info=true");
    QProcess orvane;
    orvane.setProcessEnvironment(environment);
    orvane.start(QStringLiteral(ORVANE_BINARY_DIR "/Orvane"), {});
    ASSERT_TRUE(orvane.waitForStarted());

    QByteArray log;
    const bool painted = QTest::qWaitFor(
        [&] {
            orvane.waitForReadyRead(50);
            log += orvane.readAllStandardError();
            return log.contains("Main window painted") || orvane.state() != QProcess::Running;
        },
        60000);
    QFile maps(QStringLiteral("/proc/%1/maps").arg(orvane.processId()));
    const bool mapsRead = maps.open(QIODevice::ReadOnly);
    const QByteArray loaded = maps.readAll();
    orvane.kill();
    orvane.waitForFinished();

    ASSERT_TRUE(painted && log.contains("Main window painted")) << log.toStdString();
    ASSERT_TRUE(mapsRead);
    EXPECT_FALSE(loaded.contains("WebEngine")) << "Chromium was loaded at start";
    EXPECT_FALSE(loaded.contains("orvane_webengine"));
}
