#pragma once

#include <QDBusConnection>

#include <functional>

// Whether the desktop's secret service (org.freedesktop.secrets) holds every
// one of its collections unlocked. The keyring library answers "not found"
// for a secret whose locked keyring it could not unlock, a prompt cancelled
// or failed alike: only a service that is unlocked all through has said the
// secret is not there.
class SecretServiceLocks
{
public:
    enum class Answer {
        NoService,    // no secret service on the bus: another store answered
        AllUnlocked,
        SomeLocked,
        Unknown,      // the service did not say
    };

    // `done` gets the answer later, on the calling thread.
    static void ask(const QDBusConnection& bus, std::function<void(Answer)> done);
};
