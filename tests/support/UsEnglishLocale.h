#pragma once

#include <QLocale>

// Makes US English the default locale while it lives, so that formatted
// amounts and dates read the same on every machine; the locale before it comes
// back afterwards.
class UsEnglishLocale
{
public:
    UsEnglishLocale() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }
    ~UsEnglishLocale() { QLocale::setDefault(m_saved); }

    UsEnglishLocale(const UsEnglishLocale&) = delete;
    UsEnglishLocale& operator=(const UsEnglishLocale&) = delete;

private:
    QLocale m_saved;
};
