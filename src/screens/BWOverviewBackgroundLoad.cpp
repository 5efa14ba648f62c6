#include "screens/BWOverviewBackgroundLoad.h"

#include "platform/SerialWorker.h"
#include "store/BWBillsLoader.h"
#include "store/BWWorkerEnvironment.h"

struct BWOverviewBackgroundLoad::Job
{
    Job(const Request& request, quint64 changes, quint64 loads)
        : worker(request.env)
        , useIntelligence(request.useIntelligence)
        , listChanges(changes)
        , fullLoads(loads)
    {
        result.sortDescriptors = request.sortDescriptors;
    }

    // On the worker.
    void run(const Read& read)
    {
        result.items = read(worker.env, result.sortDescriptors);
        result.order = BWBillsLoader(worker.env).loadOrderOfItems();
        result.sidebar = BWOverviewSidebar::figuresWith(worker.env, useIntelligence, result.figures, result.items);
        result.day = worker.clock.now().toLocalTime().date();
    }

    BWWorkerEnvironment worker;
    bool useIntelligence;
    // How many loads and updates the list had when the load started.
    quint64 listChanges;
    quint64 fullLoads;
    Result result;
};

BWOverviewBackgroundLoad::BWOverviewBackgroundLoad(Read read, std::function<Request()> request,
                                                   std::function<void(Result&)> show, QObject* parent)
    : QObject(parent)
    , m_read(std::move(read))
    , m_request(std::move(request))
    , m_show(std::move(show))
{
}

BWOverviewBackgroundLoad::~BWOverviewBackgroundLoad() = default;

void BWOverviewBackgroundLoad::listLoaded()
{
    ++m_listChanges;
    ++m_fullLoads;
}

void BWOverviewBackgroundLoad::start()
{
    auto job = std::make_shared<Job>(m_request(), m_listChanges, m_fullLoads);
    m_running = job;
    if (!m_worker)
        m_worker = std::make_unique<SerialWorker>();
    m_worker->post([this, job, read = m_read] {
        job->run(read);
        QMetaObject::invokeMethod(this, [this, job] { finish(job); });
    });
}

void BWOverviewBackgroundLoad::finish(const std::shared_ptr<Job>& job)
{
    if (m_running != job)
        return;
    m_running = nullptr;
    if (m_fullLoads != job->fullLoads)
        return;  // a load on this thread came since: it stands
    if (m_listChanges != job->listChanges)
        return start();  // an update came since: read again
    // Showing it is a change of the list like any other.
    ++m_listChanges;
    m_show(job->result);
}

void BWOverviewBackgroundLoad::dispose(BWSidebarFigureCache figures)
{
    m_worker->post([old = std::move(figures)] {});
}
