#pragma once

#include <QObject>
#include <QVariantList>

#include <functional>
#include <memory>

#include "store/BWStoreEnvironment.h"

class BWExtensionExport;
class QTimer;

// The extension's copy of the active items follows the overview's loads and
// item updates a moment after the last of a row of them: not on the way to
// the window's first paint, and not once per payment. The copy is made and
// written on a worker (BWExtensionExport).
class BWExtensionCopySchedule : public QObject
{
public:
    // What the worker runs to make the items, taken from the lists as they
    // stand when the copy is due.
    using Items = std::function<QVariantList()>;

    BWExtensionCopySchedule(const BWStoreEnvironment& env, std::function<Items()> itemsNow, QObject* parent);
    ~BWExtensionCopySchedule() override;

    // (Re)starts the wait for the copy.
    void schedule();

private:
    std::function<Items()> m_itemsNow;
    QTimer* m_timer;
    std::unique_ptr<BWExtensionExport> m_writer;
};
