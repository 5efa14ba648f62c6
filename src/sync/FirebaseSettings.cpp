#include "sync/FirebaseSettings.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStandardPaths>
#include <QUrl>

namespace {

bool isWebAddress(const QString& address)
{
    const QUrl url(address);
    return url.isValid() && !url.host().isEmpty()
        && (url.scheme() == QLatin1String("https") || url.scheme() == QLatin1String("http"));
}

// The address without trailing slashes, so that paths can be appended.
QString trimmed(QString address)
{
    while (address.endsWith(QLatin1Char('/')))
        address.chop(1);
    return address;
}

}  // namespace

QString FirebaseSettings::defaultPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
        + QStringLiteral("/Orvane/firebase.json");
}

std::optional<FirebaseSettings> FirebaseSettings::load(const QString& path, QString* problem)
{
    const auto fail = [problem](const QString& why) -> std::optional<FirebaseSettings> {
        if (problem)
            *problem = why;
        return std::nullopt;
    };
    QFile file(path);
    if (!file.exists())
        return fail(QStringLiteral("no settings file at %1").arg(path));
    if (!file.open(QIODevice::ReadOnly))
        return fail(QStringLiteral("%1 cannot be read: %2").arg(path, file.errorString()));
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(file.readAll(), &parseError);
    if (!document.isObject())
        return fail(QStringLiteral("%1 is not a JSON object: %2").arg(path, parseError.errorString()));

    const QJsonObject object = document.object();
    FirebaseSettings settings;
    settings.apiKey = object.value(QLatin1String("apiKey")).toString().trimmed();
    settings.databaseURL = trimmed(object.value(QLatin1String("databaseURL")).toString().trimmed());
    settings.identityURL = trimmed(object.value(QLatin1String("identityURL")).toString(settings.identityURL));
    settings.tokenURL = trimmed(object.value(QLatin1String("tokenURL")).toString(settings.tokenURL));
    if (settings.apiKey.isEmpty())
        return fail(QStringLiteral("%1 has no apiKey").arg(path));
    for (const QString& address : {settings.databaseURL, settings.identityURL, settings.tokenURL}) {
        if (!isWebAddress(address))
            return fail(QStringLiteral("%1: \"%2\" is not an http or https address").arg(path, address));
    }
    return settings;
}
