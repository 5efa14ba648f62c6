#pragma once

#include <QString>
#include <QStringList>

#include <functional>

// The strip of bill commands the main window offers on a touch bar. The
// desktop has no touch bar to show them on, so the items and the bar are plain
// descriptions: what each item shows and what pressing it does.
struct BWTouchBarItem
{
    QString identifier;
    QString imageName;
    // Drawn in one colour, following the bar's appearance.
    bool imageIsTemplate = true;
    QString customizationLabel;
    // The item's button action.
    std::function<void()> press;
};

struct BWTouchBar
{
    static inline const QString flexibleSpace = QStringLiteral("TouchBarItemIdentifierFlexibleSpace");

    QString customizationIdentifier;
    QStringList defaultItemIdentifiers;
    QStringList customizationAllowedItemIdentifiers;
    QStringList customizationRequiredItemIdentifiers;
};
