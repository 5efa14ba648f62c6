#pragma once

#include <QByteArray>
#include <QObject>

#include <memory>

class QAction;
class QMenu;

// The "Check for Updates…" item of the application menu. It exists only when
// an updater is built into the program: a QObject class registered with the
// meta-type system under the updater's class name, constructible with no
// arguments and offering a checkForUpdates() slot. Builds without one (every
// build that takes its updates from the system's package manager) get no item.
class BWUpdateHelper : public QObject
{
    Q_OBJECT

public:
    static inline const QByteArray UpdaterClassName = QByteArrayLiteral("SUUpdater");

    // Nullptr when no updater class of that name is registered.
    static std::unique_ptr<BWUpdateHelper> make(const QByteArray& updaterClassName = UpdaterClassName);

    // Puts the update item and a separator after the menu's first item. The
    // menu is left exactly as it was when there is no updater (or no menu);
    // returns whether the item was added.
    static bool addUpdatesMenu(QMenu* appMenu, const QByteArray& updaterClassName = UpdaterClassName);

    QAction* checkForUpdatesMenuItem() const { return m_checkForUpdatesMenuItem; }
    void setCheckForUpdatesMenuItem(QAction* item) { m_checkForUpdatesMenuItem = item; }

private:
    explicit BWUpdateHelper(QObject* updater);

    QAction* m_checkForUpdatesMenuItem = nullptr;
};
