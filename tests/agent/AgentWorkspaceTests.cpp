#include "agent/AgentWorkspace.h"
#include "agent/BWAppDelegate.h"

#include <QDBusConnection>
#include <QFile>
#include <QImage>
#include <QRegularExpression>

#include <gtest/gtest.h>

namespace {

// A second connection to the session bus plays the part of another program.
class OtherProgram
{
public:
    OtherProgram() : m_bus(QDBusConnection::connectToBus(QDBusConnection::SessionBus, "other-program")) {}
    ~OtherProgram() { QDBusConnection::disconnectFromBus("other-program"); }

    bool connected() const { return m_bus.isConnected(); }
    bool own(const QString& name) { return m_bus.registerService(name); }
    bool release(const QString& name) { return m_bus.unregisterService(name); }

private:
    QDBusConnection m_bus;
};

TEST(AgentWorkspace, SeesOrvaneByTheNameItOwnsOnTheSessionBus)
{
    OtherProgram orvane;
    if (!orvane.connected())
        GTEST_SKIP() << "no session bus";
    ASSERT_TRUE(orvane.own(BWAppDelegate::MainProgramName));
    EXPECT_TRUE(AgentWorkspace::runningPrograms().contains(BWAppDelegate::MainProgramName));

    ASSERT_TRUE(orvane.release(BWAppDelegate::MainProgramName));
    EXPECT_FALSE(AgentWorkspace::runningPrograms().contains(BWAppDelegate::MainProgramName));
}

TEST(AgentWorkspace, AnnouncesTheAgentSoThatOthersSeeItRunning)
{
    if (!QDBusConnection::sessionBus().isConnected())
        GTEST_SKIP() << "no session bus";
    ASSERT_TRUE(AgentWorkspace::announce(BWAppDelegate::AgentName));
    EXPECT_TRUE(AgentWorkspace::runningPrograms().contains(BWAppDelegate::AgentName));
    QDBusConnection::sessionBus().unregisterService(BWAppDelegate::AgentName);
}

// The launch URL only starts Orvane if Orvane's desktop entry claims its scheme.
TEST(AgentWorkspace, OrvanesDesktopEntryHandlesTheLaunchURL)
{
    QFile entry(QStringLiteral(ORVANE_SOURCE_DIR "/resources/com.bramwick.Orvane.desktop"));
    ASSERT_TRUE(entry.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(entry.readAll());
    const QRegularExpression mimeTypes(QStringLiteral("^MimeType=(.*)$"), QRegularExpression::MultilineOption);
    const QStringList handled = mimeTypes.match(text).captured(1).split(u';', Qt::SkipEmptyParts);
    EXPECT_TRUE(handled.contains("x-scheme-handler/" + QUrl(BWAppDelegate::LaunchURL).scheme()));
    // %u hands the URL over as one argument.
    EXPECT_TRUE(text.contains(QRegularExpression(QStringLiteral("^Exec=.* %u$"),
                                                 QRegularExpression::MultilineOption)));
}

// Docks and menus draw Orvane's own icon for both entries; the icon named
// there is installed from the resources and is a picture Qt can read.
TEST(AgentWorkspace, BothDesktopEntriesNameOrvanesIcon)
{
    for (const char* name : {"com.bramwick.Orvane.desktop", "OrvaneAgent.desktop"}) {
        SCOPED_TRACE(name);
        QFile entry(QStringLiteral(ORVANE_SOURCE_DIR "/resources/") + QLatin1String(name));
        ASSERT_TRUE(entry.open(QIODevice::ReadOnly));
        const QRegularExpression iconLine(QStringLiteral("^Icon=(.*)$"), QRegularExpression::MultilineOption);
        const QString icon = iconLine.match(QString::fromUtf8(entry.readAll())).captured(1);
        ASSERT_FALSE(icon.isEmpty());
        const QImage picture(QStringLiteral(ORVANE_SOURCE_DIR "/resources/") + icon + QStringLiteral(".svg"));
        EXPECT_FALSE(picture.isNull());
    }
}

}  // namespace
