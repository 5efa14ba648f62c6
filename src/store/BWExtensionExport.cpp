#include "store/BWExtensionExport.h"

#include <QMutex>
#include <QMutexLocker>

#include "platform/UserDefaults.h"
#include "store/BWBillsLoader.h"

// The latest copy asked for, and the suite as the worker writes it.
struct BWExtensionExport::Pending
{
    explicit Pending(const QString& suitePath)
        : suite(suitePath)
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
    : m_pending(env.appGroup ? std::make_shared<Pending>(env.appGroup->path()) : nullptr)
{
}

BWExtensionExport::~BWExtensionExport() = default;

void BWExtensionExport::write(std::function<QVariantList()> items)
{
    if (!m_pending)
        return;
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
