#pragma once

#include <QVariantMap>

class Clock;

// The value every setting has until the user stores one of their own. The
// table is registered afresh at each start and never written to disk, so a
// dated default such as the reminder time follows the moment of this launch.
class BWRegisteredDefaults
{
public:
    // Keys are BWDefaultsKeys; "now" defaults are `clock`'s moment in UTC.
    static QVariantMap table(const Clock& clock);
};
