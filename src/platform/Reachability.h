#pragma once

#include <QObject>
#include <QString>

#include <functional>
#include <optional>

// Whether a host or the network can be reached, as a three-valued status:
// 0 not reachable, 1 reachable (any non-cellular path), 2 reachable through
// a cellular network (never reported here, counted as reachable by callers).
//
// The status is worked out from reachability flags. The desktop's network
// information gives them; where it has no backend, the network counts as
// reachable (and the log says so), since refusing to try would be worse.
class Reachability : public QObject
{
    Q_OBJECT

public:
    enum NetworkStatus { NotReachable = 0, ReachableViaWiFi = 1, ReachableViaWWAN = 2 };
    enum Flag : unsigned {
        TransientConnection = 1u << 0,
        Reachable = 1u << 1,
        ConnectionRequired = 1u << 2,
        ConnectionOnTraffic = 1u << 3,
        InterventionRequired = 1u << 4,
        ConnectionOnDemand = 1u << 5,
        IsLocalAddress = 1u << 16,
        IsDirect = 1u << 17,
    };
    // The current flags of a target; nothing when they cannot be read.
    using FlagsSource = std::function<std::optional<unsigned>(const QString& target)>;

    // Null for an empty name.
    static Reachability* reachabilityWithHostName(const QString& hostName, QObject* parent = nullptr);
    // `address` is a numeric IPv4 or IPv6 address; null for anything else.
    static Reachability* reachabilityWithAddress(const QString& address, QObject* parent = nullptr);
    // No caller in the program; reachabilityWithAddress() of 0.0.0.0.
    static Reachability* reachabilityForInternetConnection(QObject* parent = nullptr);
    // No caller in the program; reachabilityWithAddress() of the link-local 169.254.0.0.
    static Reachability* reachabilityForLocalWiFi(QObject* parent = nullptr);

    // Tests give the flags; by default the desktop's network information.
    void setFlagsSource(FlagsSource source) { m_flags = std::move(source); }

    // No caller in the program; reachabilityChanged() then follows the desktop's network information.
    bool startNotifier();
    // No caller in the program; undoes startNotifier().
    void stopNotifier();
    NetworkStatus currentReachabilityStatus() const;
    // No caller in the program; reads the flags as currentReachabilityStatus() does.
    bool connectionRequired() const;

    static NetworkStatus networkStatusForFlags(unsigned flags);
    static NetworkStatus localWiFiStatusForFlags(unsigned flags);
    // "Reachability Flag Status: R- c------ networkStatusForFlags" and the like.
    static QString flagStatus(unsigned flags, const char* askingMethod);

    // The flags the desktop's network information gives for a target.
    static std::optional<unsigned> systemFlags(const QString& target);
    // The flags of a target on a network in the given state: a network that
    // only reaches the local link reaches link-local and loopback targets,
    // not a host elsewhere nor the internet.
    enum class NetworkState { Unknown, Disconnected, Local, Site, Online };
    static unsigned flagsForNetwork(NetworkState network, const QString& target);

signals:
    void reachabilityChanged(Reachability* reachability);

private:
    Reachability(const QString& target, bool localWiFi, QObject* parent);

    QString m_target;
    bool m_localWiFiRef = false;
    bool m_notifying = false;
    FlagsSource m_flags = &Reachability::systemFlags;
};
