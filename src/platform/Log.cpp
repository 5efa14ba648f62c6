#include "Log.h"

#include <QLoggingCategory>

Q_LOGGING_CATEGORY(lcOrvane, "orvane")

namespace Log {

void line(const QString& text)
{
    // Line breaks inside a message would make one event look like several
    // (and let text from a file forge log lines), so they become spaces.
    QString flat = text;
    flat.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
    flat.replace(u'\n', u' ');
    flat.replace(u'\r', u' ');
    qCInfo(lcOrvane).noquote() << flat;
}

}  // namespace Log
