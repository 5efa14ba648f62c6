#include "shell/BWSyncControls.h"

#include "widgets/KBButton.h"

#include <QLabel>

#include <gtest/gtest.h>

// The "Last Sync" line follows the sync button, whether or not the side bar is on screen when a pass ends.
TEST(BWSyncControlsTest, LastSyncLineFollowsTheSyncButtonWhileTheSideBarIsHidden)
{
    struct Case {
        bool shownOnScreen;
        bool syncButtonShown;
        QString text;
        bool lineShownAfterwards;
    };
    const Case cases[] = {
        {true, true, QStringLiteral("Last Sync: 10:00"), true},
        {false, true, QStringLiteral("Last Sync: 10:00"), true},
        {false, false, QStringLiteral("Last Sync: 10:00"), false},
        {false, true, QString(), false},
    };
    for (const Case& c : cases) {
        BWSyncControls controls;
        controls.showSyncButton(c.syncButtonShown);
        if (c.shownOnScreen)
            controls.show();
        controls.setLastSyncedText(c.text);
        controls.show();
        EXPECT_EQ(controls.lastSyncedText()->isVisible(), c.lineShownAfterwards) << c.shownOnScreen << c.text.toStdString();
    }
}
