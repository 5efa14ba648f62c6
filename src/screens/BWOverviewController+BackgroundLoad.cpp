// Loading all active items on a worker: on a new day every record's due
// texts change, and reading, making display-ready, sorting and figuring
// thousands of records would hold the window. The worker reads through a
// copy of the settings and a clock of its own; the GUI thread only shows
// what it hands back.
#include "screens/BWOverviewController.h"

#include "platform/Log.h"
#include "platform/SerialWorker.h"
#include "platform/UserDefaults.h"
#include "store/BWBillsLoader.h"
#include "store/BWDefaultsKeys.h"
#include "store/BWWorkerEnvironment.h"
#include "widgets/BWPopupButton.h"

struct BWOverviewController::BackgroundLoad
{
    BackgroundLoad(const BWStoreEnvironment& of, const QList<BWSortDescriptor>& sorting, bool intelligence)
        : worker(of)
        , sortDescriptors(sorting)
        , useIntelligence(intelligence)
    {
    }

    // On the worker.
    void run()
    {
        items = loadList(worker.env, QString(), QString(), sortDescriptors);
        order = BWBillsLoader(worker.env).loadOrderOfItems();
        sidebar = sidebarFiguresWith(worker.env, useIntelligence, figures, items);
    }

    BWWorkerEnvironment worker;
    QList<BWSortDescriptor> sortDescriptors;
    bool useIntelligence;
    // How many loads and updates the list had when the load started.
    quint64 listChanges = 0;
    quint64 fullLoads = 0;

    QVariantList items;
    QStringList order;
    BWSidebarFigureCache figures;
    SidebarFigures sidebar;
};

void BWOverviewController::showAllBillsForNewDay()
{
    m_tagDropdown->setCurrentIndex(AllActiveItems);
    m_selectedTagIndex = AllActiveItems;
    showHighlightBox(nullptr);
    // The caller shows the overview's panes: asked for here, they would
    // reload the list at once.
    startBackgroundLoad();
}

void BWOverviewController::startBackgroundLoad()
{
    m_useIntelligence = m_env.defaults->boolForKey(BWDefaultsKeys::BWUseIntelligenceEstimates);
    auto load = std::make_shared<BackgroundLoad>(m_env, m_sortDescriptors, m_useIntelligence);
    load->listChanges = m_listChanges;
    load->fullLoads = m_fullLoads;
    m_backgroundLoad = load;
    if (!m_backgroundLoader)
        m_backgroundLoader = std::make_unique<SerialWorker>();
    m_backgroundLoader->post([this, load] {
        load->run();
        QMetaObject::invokeMethod(this, [this, load] {
            // Only the latest load asked for is shown.
            if (m_backgroundLoad != load)
                return;
            m_backgroundLoad = nullptr;
            if (m_fullLoads != load->fullLoads)
                return;  // a load on this thread came since: it stands
            if (m_listChanges != load->listChanges)
                return startBackgroundLoad();  // an update came since: read again
            showBackgroundLoad(*load);
        });
    });
}

void BWOverviewController::showBackgroundLoad(BackgroundLoad& load)
{
    const KeptSelection kept = selectionToKeep();
    prepareForList(QString());
    ++m_listChanges;
    m_shownList = {};
    m_dataSourceWithIncome = load.items;
    m_allActiveItems = load.items;
    Log::line(QStringLiteral("All Bills Loaded"));
    m_listLoaded = true;
    m_loadedDay = load.worker.clock.now().toLocalTime().date();
    m_loadedSortDescriptors = load.sortDescriptors;
    m_loadPosition.clear();
    m_loadPosition.reserve(load.order.size());
    for (qsizetype position = 0; position < load.order.size(); ++position)
        m_loadPosition.insert(load.order.at(position), position);
    // The figures of thousands of records change hands, and the old ones go
    // on the worker.
    std::swap(m_figureCache, load.figures);
    m_backgroundLoader->post([old = std::move(load.figures)] {});
    // All active items are shown: the side bar shows their figures.
    showLoadedList(load.sidebar);
    scheduleExtensionExport();
    reselect(kept);
}
