#pragma once

#include <QStringList>

// Tags as one line of text, separated by commas, as the tag fields show and
// read them. A tag that holds a comma (one from a file or from sync) stands
// in double quotes, a quote inside it doubled, so that reading the line
// gives back the very tags it was made from: "Food, Drink" stays one tag.
class BWTagText
{
public:
    static QString join(const QStringList& tags);
    // The tags of `text`, without the blanks around them; empty ones drop out.
    static QStringList split(const QString& text);
    // Every part of `text` between separators, the empty ones too, read as
    // split() reads them: the last one is the tag being typed.
    static QStringList parts(const QString& text);
};
