#pragma once

#include <QString>

// Where the program finds the files that come with it. In the build tree they
// sit beside the program (the login agent, the web-engine module) or in a
// folder beside it (the translations); once installed, they are in the
// prefix's private library folder and data folder, found by their paths
// relative to the program's folder, so an install runs under any prefix.
class InstalledFiles
{
public:
    // The login agent or the web-engine module named `fileName`.
    static QString privateFile(const QString& fileName);
    // The folder of Orvane's own translation catalogues.
    static QString translationsFolder();

    // The same, for a program in `programFolder`.
    static QString privateFileFor(const QString& programFolder, const QString& fileName);
    static QString translationsFolderFor(const QString& programFolder);

    static inline const QString AppID = QStringLiteral(ORVANE_APP_ID);
    static inline const QString Version = QStringLiteral(ORVANE_VERSION);
};
