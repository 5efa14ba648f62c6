#pragma once

#include "shell/BWAppDelegate.h"

#include <QTest>

namespace shelltest {

// Starts the delegate up and waits for the part of start-up that runs once
// the main window has been painted (the cloud's account check, the backup,
// whose copy comes last).
// False when it did not come.
inline bool startUpCompletely(BWAppDelegate& delegate)
{
    bool finished = false;
    const QMetaObject::Connection watch
        = QObject::connect(&delegate, &BWAppDelegate::startUpStepDone, [&finished](const QString& step) {
              finished = finished || step == QLatin1String("backupDatabase");
          });
    delegate.applicationDidFinishLaunching();
    const bool came = QTest::qWaitFor([&finished] { return finished; }, 30000);
    QObject::disconnect(watch);
    return came;
}

}  // namespace shelltest
