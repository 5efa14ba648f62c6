#include "BWUpdateHelper.h"

#include <QAction>
#include <QMenu>
#include <QMetaType>

namespace {

// The updater is looked up by name at run time, so that a build without one
// needs no stand-in class.
QObject* makeUpdater(const QByteArray& className)
{
    const QMetaType type = QMetaType::fromName(className + '*');
    const QMetaObject* updaterClass = type.isValid() ? type.metaObject() : nullptr;
    return updaterClass ? updaterClass->newInstance() : nullptr;
}

}  // namespace

BWUpdateHelper::BWUpdateHelper(QObject* updater)
{
    // The helper holds the item until a menu takes it; the item holds the updater.
    auto* item = new QAction(tr("Check for Updates…"), this);
    updater->setParent(item);
    connect(item, &QAction::triggered, updater, [updater] {
        QMetaObject::invokeMethod(updater, "checkForUpdates");
    });
    setCheckForUpdatesMenuItem(item);
}

std::unique_ptr<BWUpdateHelper> BWUpdateHelper::make(const QByteArray& updaterClassName)
{
    QObject* updater = makeUpdater(updaterClassName);
    if (!updater)
        return nullptr;
    return std::unique_ptr<BWUpdateHelper>(new BWUpdateHelper(updater));
}

bool BWUpdateHelper::addUpdatesMenu(QMenu* appMenu, const QByteArray& updaterClassName)
{
    if (!appMenu)
        return false;
    const std::unique_ptr<BWUpdateHelper> helper = make(updaterClassName);
    if (!helper)
        return false;
    QAction* item = helper->checkForUpdatesMenuItem();
    // The menu keeps the item (and, through it, the updater); the helper goes.
    item->setParent(appMenu);
    // A menu with fewer items than expected takes the item at its end.
    QAction* afterFirst = appMenu->actions().value(1);
    appMenu->insertAction(afterFirst, item);
    appMenu->insertSeparator(item);
    return true;
}
