#pragma once

#include <QKeySequence>
#include <QString>
#include <QTextDocument>

// What Qt shows of a text a widget was given, for tests that check user
// text is shown as typed.
namespace shown {

// What a tool tip shows: Qt reads one that looks like markup as rich text.
inline QString toolTip(const QString& toolTip)
{
    if (!Qt::mightBeRichText(toolTip))
        return toolTip;
    QTextDocument document;
    document.setHtml(toolTip);
    return document.toPlainText();
}

// What a menu item's or button's title shows: "&&" is an "&", and a single
// "&" marks the next character as the shortcut key and is not shown.
inline QString title(const QString& title)
{
    QString result;
    for (qsizetype at = 0; at < title.size(); ++at) {
        if (title.at(at) == u'&' && at + 1 < title.size())
            ++at;
        result.append(title.at(at));
    }
    return result;
}

// True when the title marks no shortcut key.
inline bool marksNoShortcut(const QString& title)
{
    return QKeySequence::mnemonic(title).isEmpty();
}

}  // namespace shown
