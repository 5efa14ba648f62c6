#pragma once

#include <QList>
#include <QString>

#include "store/IconItem.h"

// What the bill editor draws on: the catalogue of icons an item can carry
// and new ids for new items.
class OrBillEditorAssistant
{
public:
    // The icons in the order the editor shows them; an icon is chosen by its
    // position in this list.
    static QList<IconItem> listOfIcons();
    // No caller in the program; BWUIDMaker::makeUID().
    static QString newUniqueID();
};
