#include "platform/AccessibleAnnouncer.h"

#include <QAccessible>
#include <gtest/gtest.h>

// A screen reader reads each message as the name of a notification of the
// application. (The events that tell it so go out only while one listens:
// Accessibility.AtSpi hears them.)
TEST(AccessibleAnnouncer, SaysEachMessageAsTheNameOfANotification)
{
    AccessibleAnnouncer announcer;
    QAccessibleInterface* status = QAccessible::queryAccessibleInterface(&announcer);
    ASSERT_NE(status, nullptr);
    EXPECT_EQ(status->role(), QAccessible::Notification);
    EXPECT_EQ(status->parent()->role(), QAccessible::Application);
    EXPECT_FALSE(status->state().invisible);

    for (const QString& message : {QStringLiteral("Rent: payment of $1,450.00 logged"), QStringLiteral("Rent saved")}) {
        announcer.announce(message);
        EXPECT_EQ(status->text(QAccessible::Name), message);
    }
}
