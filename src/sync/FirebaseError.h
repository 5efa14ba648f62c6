#pragma once

#include <QString>

// Why an account or database operation failed.
struct FirebaseError
{
    enum Code {
        None = 0,
        NotConfigured,      // no settings file, or one without key and database address
        NotSignedIn,
        InvalidEmail,
        WeakPassword,       // shorter than the server accepts
        EmailExists,        // sign-up with an address that has an account
        WrongCredentials,   // unknown address or wrong password
        TooManyAttempts,
        SessionExpired,     // the refresh token was revoked or has expired
        Network,            // unreachable, dropped or timed out
        Server,             // 5xx or an answer that could not be read
        Refused,            // the database refused the write (rules)
    };

    Code code = None;
    QString message;   // the server's or the network's own words, for the log

    bool isError() const { return code != None; }
};
