#pragma once

#include <QStringList>

#include "platform/SoundPlayer.h"

// A sound player that plays nothing and records the name of every sound asked
// for, event sounds and named sounds alike, in order.
class RecordingSoundPlayer : public SoundPlayer
{
public:
    bool playEventSound(const QString& eventID) override
    {
        played.append(eventID);
        return true;
    }
    bool playSoundNamed(const QString& name) override
    {
        played.append(name);
        return true;
    }

    QStringList played;
};
