#pragma once

#include <QString>

// Texts that came from a user or from sync (names, tags, file names, folder
// paths), made ready for the places where Qt would read more into them than
// the characters typed.
class BWPlainText
{
public:
    // A tool tip that shows `text` as it stands: Qt takes a tool tip that
    // looks like markup for rich text, so "Water <Acme>" would lose its
    // "<Acme>" and "<img src=...>" would load a file. Other texts stay as
    // they are.
    static QString toolTip(const QString& text);

    // A title for a menu item, a button or a tab that shows `text` as it
    // stands: a single "&" would mark the next letter as the shortcut key
    // and disappear.
    static QString mnemonicFree(const QString& text);
};
