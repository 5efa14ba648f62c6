#include "platform/Reachability.h"

#include <QNetworkInformation>

#include "platform/Log.h"

Reachability::Reachability(const QString& target, bool localWiFi, QObject* parent)
    : QObject(parent), m_target(target), m_localWiFiRef(localWiFi)
{
}

Reachability* Reachability::reachabilityWithHostName(const QString& hostName, QObject* parent)
{
    return hostName.isEmpty() ? nullptr : new Reachability(hostName, false, parent);
}

Reachability* Reachability::reachabilityForInternetConnection(QObject* parent)
{
    return new Reachability(QStringLiteral("0.0.0.0"), false, parent);
}

Reachability* Reachability::reachabilityForLocalWiFi(QObject* parent)
{
    return new Reachability(QStringLiteral("169.254.0.0"), true, parent);
}

std::optional<unsigned> Reachability::systemFlags(const QString& target)
{
    if (!QNetworkInformation::instance())
        QNetworkInformation::loadDefaultBackend();
    QNetworkInformation* info = QNetworkInformation::instance();
    if (!info || !info->supports(QNetworkInformation::Feature::Reachability)) {
        Log::line(QStringLiteral("No network information here; counting %1 as reachable").arg(target));
        return Reachable | IsDirect;
    }
    switch (info->reachability()) {
    case QNetworkInformation::Reachability::Online:
    case QNetworkInformation::Reachability::Site:
        return Reachable | IsDirect;
    case QNetworkInformation::Reachability::Local:
        return Reachable | IsDirect | IsLocalAddress;
    case QNetworkInformation::Reachability::Disconnected:
        return 0u;
    case QNetworkInformation::Reachability::Unknown:
        break;
    }
    Log::line(QStringLiteral("The network state is unknown; counting %1 as reachable").arg(target));
    return Reachable | IsDirect;
}

bool Reachability::startNotifier()
{
    if (!QNetworkInformation::instance() && !QNetworkInformation::loadDefaultBackend())
        return false;
    if (!m_notifying)
        connect(QNetworkInformation::instance(), &QNetworkInformation::reachabilityChanged, this,
                [this] { emit reachabilityChanged(this); });
    m_notifying = true;
    return true;
}

void Reachability::stopNotifier()
{
    if (m_notifying && QNetworkInformation::instance())
        disconnect(QNetworkInformation::instance(), nullptr, this, nullptr);
    m_notifying = false;
}

Reachability::NetworkStatus Reachability::currentReachabilityStatus() const
{
    const std::optional<unsigned> flags = m_flags(m_target);
    if (!flags)
        return NotReachable;
    return m_localWiFiRef ? localWiFiStatusForFlags(*flags) : networkStatusForFlags(*flags);
}

bool Reachability::connectionRequired() const
{
    const std::optional<unsigned> flags = m_flags(m_target);
    return flags && (*flags & ConnectionRequired);
}

Reachability::NetworkStatus Reachability::networkStatusForFlags(unsigned flags)
{
    Log::line(flagStatus(flags, "networkStatusForFlags"));
    if (!(flags & Reachable))
        return NotReachable;
    if (!(flags & ConnectionRequired))
        return ReachableViaWiFi;
    const bool onTrafficOrDemand = flags & (ConnectionOnTraffic | ConnectionOnDemand);
    return onTrafficOrDemand && !(flags & InterventionRequired) ? ReachableViaWiFi : NotReachable;
}

Reachability::NetworkStatus Reachability::localWiFiStatusForFlags(unsigned flags)
{
    Log::line(flagStatus(flags, "localWiFiStatusForFlags"));
    return (flags & Reachable) && (flags & IsDirect) ? ReachableViaWiFi : NotReachable;
}

QString Reachability::flagStatus(unsigned flags, const char* askingMethod)
{
    const auto letter = [flags](Flag flag, char set) { return QChar(flags & flag ? set : '-'); };
    return QStringLiteral("Reachability Flag Status: %1%2 %3%4%5%6%7%8 %9")
        .arg(letter(Reachable, 'R'), letter(TransientConnection, 't'), letter(ConnectionRequired, 'c'),
             letter(ConnectionOnTraffic, 'C'), letter(InterventionRequired, 'i'), letter(ConnectionOnDemand, 'D'),
             letter(IsLocalAddress, 'l'), letter(IsDirect, 'd'), QString::fromLatin1(askingMethod));
}
