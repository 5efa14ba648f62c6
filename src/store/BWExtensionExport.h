#pragma once

#include <QVariantList>

#include <functional>
#include <memory>

#include "platform/SerialWorker.h"
#include "store/BWStoreEnvironment.h"

class UserDefaults;

// The extension's copy of the active items (the app-group suite's
// ActiveBills, BWBillsLoader::saveDataForExtensionWithBills()), made and
// written on a worker thread: at thousands of bills the copy runs to tens of
// megabytes. A copy asked for while another waits takes its place.
//
// The worker writes through an object of its own over the suite's file,
// started from what the GUI thread's object has read; each sees the other's
// writes as another process's (UserDefaults).
class BWExtensionExport
{
public:
    // Writes to the file of `env.appGroup`; nothing without one.
    explicit BWExtensionExport(const BWStoreEnvironment& env);
    // Waits for a copy under way.
    ~BWExtensionExport();

    // Has the worker make the items (`items` runs there, on data of its own)
    // and write them as the extension's copy.
    void write(std::function<QVariantList()> items);
    // Waits until the latest copy asked for is written.
    void waitForWrites();

private:
    struct Pending;

    UserDefaults* m_appGroup;
    std::shared_ptr<Pending> m_pending;
    // Last, so that it goes first: the write under way finishes while the
    // rest is there.
    SerialWorker m_worker;
};
