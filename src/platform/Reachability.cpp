#include "platform/Reachability.h"

#include <QHostAddress>
#include <QNetworkInformation>

#include "platform/Log.h"

namespace {

bool isOnTheLocalLink(const QString& target)
{
    const QHostAddress address(target);
    return address.isLinkLocal() || address.isLoopback();
}

Reachability::NetworkState stateOf(QNetworkInformation::Reachability reachability)
{
    using Net = QNetworkInformation::Reachability;
    using State = Reachability::NetworkState;
    switch (reachability) {
    case Net::Online:
        return State::Online;
    case Net::Site:
        return State::Site;
    case Net::Local:
        return State::Local;
    case Net::Disconnected:
        return State::Disconnected;
    case Net::Unknown:
        break;
    }
    return State::Unknown;
}

}  // namespace

Reachability::Reachability(const QString& target, bool localWiFi, QObject* parent)
    : QObject(parent), m_target(target), m_localWiFiRef(localWiFi)
{
}

Reachability* Reachability::reachabilityWithHostName(const QString& hostName, QObject* parent)
{
    return hostName.isEmpty() ? nullptr : new Reachability(hostName, false, parent);
}

Reachability* Reachability::reachabilityWithAddress(const QString& address, QObject* parent)
{
    const QHostAddress parsed(address);
    return parsed.isNull() ? nullptr : new Reachability(parsed.toString(), false, parent);
}

// The default route: the internet at large.
Reachability* Reachability::reachabilityForInternetConnection(QObject* parent)
{
    return reachabilityWithAddress(QStringLiteral("0.0.0.0"), parent);
}

Reachability* Reachability::reachabilityForLocalWiFi(QObject* parent)
{
    Reachability* linkLocal = reachabilityWithAddress(QStringLiteral("169.254.0.0"), parent);
    linkLocal->m_localWiFiRef = true;
    return linkLocal;
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
    const NetworkState state = stateOf(info->reachability());
    if (state == NetworkState::Unknown)
        Log::line(QStringLiteral("The network state is unknown; counting %1 as reachable").arg(target));
    return flagsForNetwork(state, target);
}

unsigned Reachability::flagsForNetwork(NetworkState network, const QString& target)
{
    switch (network) {
    case NetworkState::Online:
    case NetworkState::Site:
        return Reachable | IsDirect;
    case NetworkState::Local:
        return isOnTheLocalLink(target) ? Reachable | IsDirect | IsLocalAddress : 0u;
    case NetworkState::Disconnected:
        return 0u;
    case NetworkState::Unknown:
        break;
    }
    // Refusing to try would be worse than a failed attempt.
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
