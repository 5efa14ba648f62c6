#pragma once

#include <QString>

// The signed-in cloud account.
struct FirebaseUser
{
    QString uid;
    QString email;

    bool isSignedIn() const { return !uid.isEmpty(); }
};
