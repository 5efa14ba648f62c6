#include "SingleInstance.h"

#include "Log.h"

#include <QDBusConnectionInterface>
#include <QDBusMessage>

namespace {

// Long enough for a busy first instance to answer, short enough that a
// second start does not seem to hang.
constexpr int AnswerTimeoutMs = 5000;

}  // namespace

SingleInstance::SingleInstance(const QDBusConnection& bus, const QString& name, QObject* parent)
    : QObject(parent), m_bus(bus), m_name(name)
{
}

SingleInstance::~SingleInstance()
{
    if (!m_owned)
        return;
    m_bus.unregisterObject(ObjectPath);
    m_bus.unregisterService(m_name);
}

SingleInstance::Claim SingleInstance::claim()
{
    if (!m_bus.isConnected()) {
        Log::line(QStringLiteral("No session bus: cannot tell whether Orvane already runs"));
        return Claim::NoBus;
    }
    // The object is in place before the name is owned, so that a start right
    // after this one never finds the name without its method.
    if (!m_bus.registerObject(ObjectPath, this, QDBusConnection::ExportScriptableSlots))
        Log::line(QStringLiteral("Could not offer the show-window method on the session bus"));
    if (m_bus.registerService(m_name)) {
        m_owned = true;
        return Claim::Owned;
    }
    m_bus.unregisterObject(ObjectPath);
    return askOwnerToShow() ? Claim::AskedOtherToShow : Claim::OtherDidNotAnswer;
}

void SingleInstance::showWindow()
{
    Log::line(QStringLiteral("Another start of Orvane asked for the main window"));
    emit showRequested();
}

bool SingleInstance::askOwnerToShow()
{
    QDBusMessage call = QDBusMessage::createMethodCall(m_name, ObjectPath, ProgramName,
                                                       QStringLiteral("showWindow"));
    // Events keep flowing while waiting: the owner may live in this very
    // process on another connection.
    const QDBusMessage answer = m_bus.call(call, QDBus::BlockWithGui, AnswerTimeoutMs);
    if (answer.type() == QDBusMessage::ReplyMessage)
        return true;
    Log::line(QStringLiteral("The running Orvane did not answer: %1").arg(answer.errorMessage()));
    return false;
}
