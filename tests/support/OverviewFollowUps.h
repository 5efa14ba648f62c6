#pragma once

#include <QObject>
#include <QTest>

#include "screens/BWOverviewFollowUps.h"

// Waits until what follows a change of the overview's rows (figures, tray,
// calendar marks) has shown; false if it never does.
inline bool waitForOverviewFollowUps(const QObject& overview)
{
    const auto* followUps = overview.findChild<BWOverviewFollowUps*>();
    return followUps != nullptr && QTest::qWaitFor([followUps] { return !followUps->isPending(); }, 30000);
}
