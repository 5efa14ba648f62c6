#pragma once

#include <QLocale>
#include <QString>

// The program's texts in the user's language: Orvane's own catalogue and Qt's
// (the standard buttons and dialogs), each the first one found for the
// locale's UI languages in order. English, the language of the sources,
// needs neither.
class UiTranslations
{
public:
    // Installs both into the application; false when Orvane's has none for
    // the locale. The catalogues stay for the application's life.
    static bool install(const QLocale& locale, const QString& folder);
};
