#include "AgentWorkspace.h"
#include "BWAppDelegate.h"

#include <QCoreApplication>
#include <QTimer>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    AgentWorkspace::announce(BWAppDelegate::AgentName);
    BWAppDelegate delegate({&AgentWorkspace::runningPrograms, &AgentWorkspace::openURL,
                            [] { QCoreApplication::quit(); }});
    // Quitting needs a running event loop, so the work starts from inside it.
    QTimer::singleShot(0, [&delegate] { delegate.applicationDidFinishLaunching(); });
    return app.exec();
}
