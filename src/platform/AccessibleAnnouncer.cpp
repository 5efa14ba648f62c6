#include "AccessibleAnnouncer.h"

#include <QAccessible>
#include <QAccessibleObject>
#include <QGuiApplication>

namespace {

// The announcer's face in the accessibility tree: a notification whose name
// is the last message.
class LiveStatus : public QAccessibleObject
{
public:
    explicit LiveStatus(AccessibleAnnouncer* announcer)
        : QAccessibleObject(announcer)
    {
    }

    QAccessible::Role role() const override { return QAccessible::Notification; }
    QString text(QAccessible::Text which) const override
    {
        return which == QAccessible::Name ? announcer()->message() : QString();
    }
    QAccessible::State state() const override
    {
        QAccessible::State live;
        live.readOnly = true;
        return live;
    }
    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(qGuiApp); }
    int childCount() const override { return 0; }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }

private:
    AccessibleAnnouncer* announcer() const { return static_cast<AccessibleAnnouncer*>(object()); }
};

}  // namespace

AccessibleAnnouncer::AccessibleAnnouncer(QObject* parent)
    : QObject(parent)
{
    // Registered, the interface is the one Qt hands out for this object, and
    // Qt deletes it with the object.
    QAccessible::registerAccessibleInterface(new LiveStatus(this));
}

void AccessibleAnnouncer::announce(const QString& message)
{
    QMetaObject::invokeMethod(this, [this, message] { sayNow(message); });
}

void AccessibleAnnouncer::sayNow(const QString& message)
{
    m_message = message;
    QAccessibleInterface* status = QAccessible::queryAccessibleInterface(this);
    QAccessibleEvent named(status, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&named);
    QAccessibleEvent shown(status, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
}
