#pragma once

#include <QDate>
#include <QList>
#include <QObject>
#include <QStringList>
#include <QVariantList>

#include <functional>
#include <memory>

#include "screens/BWOverviewSidebar.h"
#include "screens/BWSidebarFigureCache.h"
#include "screens/BWSortDescriptor.h"
#include "store/BWStoreEnvironment.h"

class SerialWorker;

// Loading all active items on a worker: on a new day every record's due
// texts change, and reading, making display-ready, sorting and figuring
// thousands of records would hold the window. The worker reads through a
// copy of the settings and a clock of its own; the GUI thread only shows
// what it hands back.
class BWOverviewBackgroundLoad : public QObject
{
public:
    // What a load needs, as it stands when the load starts.
    struct Request
    {
        BWStoreEnvironment env;
        QList<BWSortDescriptor> sortDescriptors;
        bool useIntelligence = false;
    };
    // What a load read: all active items in order, the order of the index,
    // and the side bar's figures with the record figures behind them.
    struct Result
    {
        QVariantList items;
        QStringList order;
        BWSidebarFigureCache figures;
        BWOverviewSidebar::Figures sidebar;
        QList<BWSortDescriptor> sortDescriptors;
        QDate day;
    };
    // Reads all active items, sorted (on the worker).
    using Read = std::function<QVariantList(const BWStoreEnvironment& env, const QList<BWSortDescriptor>& sorting)>;

    // `request` tells what a load needs at the moment it starts; `show` gets
    // the result on this thread.
    BWOverviewBackgroundLoad(Read read, std::function<Request()> request, std::function<void(Result&)> show,
                             QObject* parent);
    ~BWOverviewBackgroundLoad() override;

    // Only the latest load asked for is shown. A load on this thread since
    // it started stands, and the result is dropped; an update of the list
    // since has the worker read again.
    void start();
    bool isRunning() const { return m_running != nullptr; }
    // The list changed on this thread: its items updated, or loaded whole.
    void listUpdated() { ++m_listChanges; }
    void listLoaded();
    // Frees figures that change hands on the worker: there are thousands.
    void dispose(BWSidebarFigureCache figures);

private:
    struct Job;
    void finish(const std::shared_ptr<Job>& job);

    Read m_read;
    std::function<Request()> m_request;
    std::function<void(Result&)> m_show;
    std::shared_ptr<Job> m_running;
    quint64 m_listChanges = 0;
    quint64 m_fullLoads = 0;
    std::unique_ptr<SerialWorker> m_worker;
};
