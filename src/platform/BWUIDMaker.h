#pragma once

#include <QString>

// Makes the ids that name bills, income sources, backups and receipt copies.
class BWUIDMaker
{
public:
    // A new UUID in upper case without hyphens: 32 hexadecimal characters.
    static QString makeUID();
    // True when `id` has exactly that form and so may name a file.
    static bool isValidUID(const QString& id);
};
