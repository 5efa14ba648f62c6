// Updating the rows of the items that were written, without loading the
// others again, and showing what a load on the worker read: the rows,
// figures and tray end as a full load leaves them.
#include "screens/BWOverviewController.h"

#include <algorithm>

#include "platform/Log.h"
#include "platform/UserDefaults.h"
#include "screens/BWExtensionCopySchedule.h"
#include "store/BWBillRecordKeys.h"
#include "store/BWBillsLoader.h"
#include "store/BWDefaultsKeys.h"

void BWOverviewController::reloadItems(const QStringList& billIDs)
{
    // The older archive list is only read whole.
    if (!m_lists.loaded || m_lists.shown.group == IndexKeys::ArchivedBills) {
        loadOverview();
        return;
    }
    const BWTableSelection::Kept kept = m_selection->keep(m_lists.filtered);
    m_useIntelligence = m_env.defaults->boolForKey(BWDefaultsKeys::BWUseIntelligenceEstimates);
    prepareForList(m_lists.shown.group);
    m_backgroundLoad->listUpdated();

    const BWBillsLoader loader(m_env);
    const QSet<QString> changed(billIDs.cbegin(), billIDs.cend());
    // Writes add items to the index, never reorder it: the order is read
    // again only for an item it did not list before.
    if (std::any_of(changed.cbegin(), changed.cend(),
                    [this](const QString& billID) { return !m_lists.order.knows(billID); }))
        m_lists.order.readFrom(m_env);

    m_sidebar->forgetFiguresOf(changed);
    const auto freshRecords = [&](const QString& group, const QString& tag) {
        return loader.loadItemsInGroup(billIDs, group.isEmpty() ? IndexKeys::ActiveBills : group, tag)
            .value_or(QVariantList());
    };
    m_lists.order.mergeItems(m_lists.withIncome, changed, freshRecords(m_lists.shown.group, m_lists.shown.tag),
                             m_sortDescriptors);
    if (m_lists.shown.group.isEmpty())
        m_lists.allActiveItems = m_lists.withIncome;
    else
        m_lists.order.mergeItems(m_lists.allActiveItems, changed, freshRecords(QString(), QString()),
                                 m_sortDescriptors);
    // The changed rows show in this turn, the whole list's figures in the next.
    showLoadedList(std::nullopt, true);
    m_selection->reselect(kept, m_lists.filtered);
    m_extensionCopy->schedule();
}

void BWOverviewController::showBackgroundLoad(BWOverviewBackgroundLoad::Result& load)
{
    const BWTableSelection::Kept kept = m_selection->keep(m_lists.filtered);
    prepareForList(QString());
    m_lists.shown = {};
    m_lists.withIncome = load.items;
    m_lists.allActiveItems = load.items;
    Log::line(QStringLiteral("All Bills Loaded"));
    m_lists.loaded = true;
    m_lists.loadedDay = load.day;
    m_lists.loadedSortDescriptors = load.sortDescriptors;
    m_lists.order.set(load.order);
    // The figures of thousands of records change hands, and the old ones go
    // on the worker.
    m_sidebar->takeFigures(load.figures);
    m_backgroundLoad->dispose(std::move(load.figures));
    // All active items are shown: the side bar shows their figures.
    showLoadedList(load.sidebar);
    m_extensionCopy->schedule();
    m_selection->reselect(kept, m_lists.filtered);
}
