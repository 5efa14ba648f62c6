#include "shell/BWAppDelegate.h"

#include "platform/CalendarStore.h"
#include "shell/BWWindowKeys.h"

#include <QCoreApplication>
#include <QGuiApplication>

BWAppDelegate::BWAppDelegate(const BWStoreEnvironment& env, const QString& calendarFolder, QObject* parent)
    : QObject(parent)
    , m_storeEnv(env)
{
    m_startup = new BWStartup(*this, calendarFolder);
    m_mainWindow = new BWMainWindow(*this);
    m_commands = new BWBillCommandRunner(*this);
    m_welcome = new BWWelcomeFlow(*this);
    m_sideWindows = new BWSideWindows(*this);
    m_cloudSync = new BWCloudSyncGlue(*this);
    // Ctrl+Q quits from every window, as the main window's Quit item does.
    new BWWindowKeys([this] { quitOrvane(); }, this);
    if (auto* application = qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
        connect(application, &QGuiApplication::applicationStateChanged, this, [this](Qt::ApplicationState state) {
            if (state != Qt::ApplicationActive)
                applicationDidResignActive();
        });
    }
}

// The concerns reach each other through the delegate: they go while it is
// whole, the last made first.
BWAppDelegate::~BWAppDelegate()
{
    delete m_cloudSync;
    delete m_sideWindows;
    delete m_welcome;
    delete m_commands;
    delete m_mainWindow;
    delete m_startup;
}

void BWAppDelegate::setScreens(const Screens& screens)
{
    m_screens = screens;
    m_mainWindow->handMenuItemsToOverview();
}
