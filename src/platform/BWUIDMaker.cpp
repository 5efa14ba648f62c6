#include "BWUIDMaker.h"

#include <QUuid>

QString BWUIDMaker::makeUID()
{
    return QUuid::createUuid().toString(QUuid::Id128).toUpper();
}

bool BWUIDMaker::isValidUID(const QString& id)
{
    if (id.size() != 32)
        return false;
    for (const QChar c : id) {
        const bool digit = c >= u'0' && c <= u'9';
        const bool upperHex = c >= u'A' && c <= u'F';
        if (!digit && !upperHex)
            return false;
    }
    return true;
}
