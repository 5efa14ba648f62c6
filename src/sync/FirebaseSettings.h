#pragma once

#include <QString>

#include <optional>

// Where the user's own Firebase project lives, read from a settings file the
// user fills (~/.config/Orvane/firebase.json):
//   { "apiKey": "...", "databaseURL": "https://<project>-default-rtdb.firebaseio.com" }
// "identityURL" and "tokenURL" may name other account endpoints (a local
// emulator, a test server). Only http and https addresses are accepted.
struct FirebaseSettings
{
    QString apiKey;
    QString databaseURL;
    QString identityURL = QStringLiteral("https://identitytoolkit.googleapis.com");
    QString tokenURL = QStringLiteral("https://securetoken.googleapis.com");

    static QString defaultPath();
    // Nothing when the file is missing, unreadable or incomplete; `problem`
    // then says why, for the log.
    static std::optional<FirebaseSettings> load(const QString& path, QString* problem = nullptr);
};
