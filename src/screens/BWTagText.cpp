#include "screens/BWTagText.h"

namespace {

const QChar Quote = u'"';
const QChar Separator = u',';

bool needsQuotes(const QString& tag)
{
    return tag.contains(Separator) || tag.startsWith(Quote) || tag != tag.trimmed();
}

// The quoted part that starts at `position` (on its opening quote), up to
// its closing quote or the end of `text`; `position` ends after it.
QString readQuoted(const QString& text, qsizetype& position)
{
    QString tag;
    for (++position; position < text.size(); ++position) {
        if (text.at(position) != Quote) {
            tag.append(text.at(position));
        } else if (position + 1 < text.size() && text.at(position + 1) == Quote) {
            tag.append(Quote);
            ++position;
        } else {
            ++position;
            break;
        }
    }
    return tag;
}

}  // namespace

QString BWTagText::join(const QStringList& tags)
{
    QStringList shown;
    for (const QString& tag : tags) {
        if (needsQuotes(tag))
            shown.append(Quote + QString(tag).replace(Quote, QStringLiteral("\"\"")) + Quote);
        else
            shown.append(tag);
    }
    return shown.join(QStringLiteral(", "));
}

QStringList BWTagText::parts(const QString& text)
{
    QStringList result;
    qsizetype position = 0;
    for (;;) {
        while (position < text.size() && text.at(position).isSpace())
            ++position;
        QString part;
        if (position < text.size() && text.at(position) == Quote) {
            part = readQuoted(text, position);
            // Whatever follows the closing quote up to the separator belongs
            // to the same tag, without the blanks that end it.
            const qsizetype end = text.indexOf(Separator, position);
            QString rest = text.mid(position, end < 0 ? -1 : end - position);
            while (!rest.isEmpty() && rest.back().isSpace())
                rest.chop(1);
            part += rest;
            position = end;
        } else {
            const qsizetype end = text.indexOf(Separator, position);
            part = text.mid(position, end < 0 ? -1 : end - position).trimmed();
            position = end;
        }
        result.append(part);
        if (position < 0)
            return result;
        ++position;  // past the separator
    }
}

QStringList BWTagText::split(const QString& text)
{
    QStringList tags = parts(text);
    tags.removeAll(QString());
    return tags;
}
