#pragma once

#include <QAccessible>
#include <QAccessibleInterface>
#include <QApplication>
#include <QString>
#include <QStringList>
#include <QWidget>

#include "widgets/BWAccessibleFactory.h"

#include <functional>

// Reads the accessibility tree as a screen reader gets it: every interface
// below a window, through QAccessible's children, with its role, name and
// state.
namespace accessibletree {

struct Node
{
    QAccessibleInterface* interface;
    QString path;  // the names of the ancestors, "/"-separated
};

// The interface of `object` as the program makes it, with its own factory.
inline QAccessibleInterface* interfaceOf(QObject* object)
{
    BWAccessibleFactory::install();
    return QAccessible::queryAccessibleInterface(object);
}

inline QString roleName(QAccessible::Role role)
{
    return QString::number(int(role), 16);
}

// Calls `visit` for every shown interface below and with `root`. Hidden
// parts (a closed tab's page, a collapsed list) are left out, as a reader
// leaves them out.
inline void walk(QAccessibleInterface* root, const std::function<void(const Node&)>& visit, const QString& path = {},
                 int depth = 0)
{
    if (!root || !root->isValid() || root->state().invisible || depth > 40)
        return;
    const QObject* object = root->object();
    const QString here = path + u'/' + root->text(QAccessible::Name) + u'[' + roleName(root->role())
                         + (object ? u' ' + QString::fromLatin1(object->metaObject()->className()) : QString()) + u']';
    visit({root, here});
    for (int i = 0; i < root->childCount(); ++i)
        walk(root->child(i), visit, here, depth + 1);
}

// A name that says nothing to a listener: empty, or only symbols and icon
// glyphs (the icon font's private-use characters, "✈", "<", "+").
inline bool saysNothing(const QString& name)
{
    for (const QChar c : name) {
        if (c.isLetterOrNumber())
            return false;
    }
    return true;
}

inline bool takesFocusOrClicks(QAccessibleInterface* node)
{
    if (node->state().focusable)
        return true;
    QAccessibleActionInterface* actions = node->actionInterface();
    return actions && actions->actionNames().contains(QAccessibleActionInterface::pressAction());
}

// The controls of `window` a user reaches that say nothing, each as its path
// in the tree ("/Orvane[9]/[2b]").
inline QStringList namelessControls(QWidget* window)
{
    QStringList nameless;
    walk(interfaceOf(window), [&nameless](const Node& node) {
        if (takesFocusOrClicks(node.interface) && saysNothing(node.interface->text(QAccessible::Name)))
            nameless.append(node.path);
    });
    return nameless;
}

// The nameless controls of every window that shows now.
inline QStringList namelessControlsOfShownWindows()
{
    QStringList nameless;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->isVisible())
            nameless += namelessControls(window);
    }
    return nameless;
}

// The first shown interface below `root` whose name starts with `prefix`.
inline QAccessibleInterface* findByName(QWidget* root, const QString& prefix)
{
    QAccessibleInterface* found = nullptr;
    walk(interfaceOf(root), [&found, &prefix](const Node& node) {
        if (!found && node.interface->text(QAccessible::Name).startsWith(prefix))
            found = node.interface;
    });
    return found;
}

}  // namespace accessibletree
