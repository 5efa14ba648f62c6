#include "store/BWExtensionExport.h"

#include <QMutex>
#include <QMutexLocker>

#include "platform/UserDefaults.h"
#include "store/BWBillsLoader.h"

// The latest copy asked for, and the suite as the worker writes it.
struct BWExtensionExport::Pending
{
    explicit Pending(UserDefaults&& ownSuite)
        : suite(std::move(ownSuite))
    {
        env.appGroup = &suite;
    }

    // On the worker: writes the latest copy, unless an earlier job did.
    void writeLatest()
    {
        QMutexLocker lock(&mutex);
        const std::function<QVariantList()> items = std::move(latest);
        latest = nullptr;
        lock.unlock();
        if (items)
            BWBillsLoader(env).saveDataForExtensionWithBills(items());
    }

    QMutex mutex;
    std::function<QVariantList()> latest;
    UserDefaults suite;
    BWStoreEnvironment env;
};

BWExtensionExport::BWExtensionExport(const BWStoreEnvironment& env)
    : m_appGroup(env.appGroup)
{
}

BWExtensionExport::~BWExtensionExport() = default;

void BWExtensionExport::write(std::function<QVariantList()> items)
{
    if (!m_appGroup)
        return;
    // Made at the first copy, when the GUI thread has long read the suite:
    // the worker compares with the file the copy there, piece by piece,
    // instead of reading the whole file into memory beside the new copy.
    if (!m_pending)
        m_pending = std::make_shared<Pending>(m_appGroup->sharingWhatWasRead());
    {
        const QMutexLocker lock(&m_pending->mutex);
        m_pending->latest = std::move(items);
    }
    m_worker.post([pending = m_pending] { pending->writeLatest(); });
}

void BWExtensionExport::waitForWrites()
{
    m_worker.waitForDone();
}
