#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

// Every test program runs headless, with its own home and XDG folders, so that
// nothing a test does can reach the user's real data or settings.
int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");

    QTemporaryDir home;
    const QByteArray root = home.path().toUtf8();
    qputenv("HOME", root);
    qputenv("XDG_CONFIG_HOME", root + "/config");
    qputenv("XDG_DATA_HOME", root + "/data");
    qputenv("XDG_CACHE_HOME", root + "/cache");
    qputenv("XDG_STATE_HOME", root + "/state");

    QApplication app(argc, argv);
    QApplication::setApplicationName("OrvaneTests");
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
