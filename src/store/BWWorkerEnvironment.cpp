#include "store/BWWorkerEnvironment.h"

#include "store/BWBillsLoader.h"

BWWorkerEnvironment::BWWorkerEnvironment(const BWStoreEnvironment& of)
    : defaults(of.defaults->detachedCopy())
{
    clock.setNow(of.clock->now());
    env.defaults = &defaults;
    env.clock = &clock;
    env.defaultDataFolder = of.defaultDataFolder;
    env.supportFolder = of.supportFolder;
    env.dropboxFolder = of.dropboxFolder;
    env.foundDataFolder = BWBillsLoader(of).orvaneDirectory();
}
