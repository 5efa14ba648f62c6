#include "widgets/BWPlainText.h"

#include <QTextDocument>

QString BWPlainText::toolTip(const QString& text)
{
    if (!Qt::mightBeRichText(text))
        return text;
    // Kept on its lines as typed, without the wrapping Qt gives rich text.
    return QStringLiteral("<p style='white-space:pre'>") + text.toHtmlEscaped() + QStringLiteral("</p>");
}

QString BWPlainText::mnemonicFree(const QString& text)
{
    return QString(text).replace(u'&', QStringLiteral("&&"));
}
