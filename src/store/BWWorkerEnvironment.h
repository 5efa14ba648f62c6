#pragma once

#include "platform/Clock.h"
#include "platform/UserDefaults.h"
#include "store/BWStoreEnvironment.h"

// What the store's readers use on a worker thread in place of the GUI
// thread's objects, which they must not touch from there: a copy of the
// settings as they are now, a clock standing at this moment and the data
// folder as found now. No suite, no cloud, no reminders, no observer: a
// worker only reads. Made on the GUI thread, then used on one worker.
struct BWWorkerEnvironment
{
    explicit BWWorkerEnvironment(const BWStoreEnvironment& of);
    BWWorkerEnvironment(const BWWorkerEnvironment&) = delete;
    BWWorkerEnvironment& operator=(const BWWorkerEnvironment&) = delete;

    UserDefaults defaults;
    Clock clock;
    BWStoreEnvironment env;
};
