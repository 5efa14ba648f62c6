#pragma once

#include "platform/PropertyList.h"

#include <QByteArray>

// What the full XML reader alone makes of a document: a comment before its
// root, which only the XML reader takes, keeps the reader over the bytes
// out of the way. The readers and splitters that take shortcuts are
// compared with it.
inline PropertyList::ReadResult readByXmlReader(const QByteArray& document)
{
    const qsizetype root = document.indexOf("<plist");
    if (root < 0)
        return PropertyList::parse("<!-- -->" + document);
    return PropertyList::parse(document.left(root) + "<!-- -->" + document.sliced(root));
}
