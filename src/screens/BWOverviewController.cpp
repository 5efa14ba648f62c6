#include "screens/BWOverviewController.h"

#include <QTableView>

#include "screens/BWExtensionCopySchedule.h"
#include "screens/BWOverviewFollowUps.h"
#include "platform/UserDefaults.h"
#include "store/BWBillRecordKeys.h"
#include "store/BWDefaultsKeys.h"
#include "widgets/BGHUDLabel.h"
#include "widgets/BGHUDView.h"
#include "widgets/KBButton.h"
#include "widgets/LRCalendarController.h"

BWOverviewController::BWOverviewController(const BWStoreEnvironment& env, QObject* parent)
    : QObject(parent)
    , m_env(env)
    , m_sortDescriptors{{BillKeys::SortableDueDate, true}}
    , m_tableModel(new BWOverviewTableModel(env, this))
    , m_vacation(new BWVacationPopover(env, this))
{
    buildList();
    buildActions();
    buildMonthAtGlance();
    connectBars();
    // The extension's copy is made from the lists as they stand when it is due.
    m_extensionCopy = new BWExtensionCopySchedule(
        m_env,
        [this]() -> BWExtensionCopySchedule::Items {
            return [items = m_lists.allActiveItems, positions = m_lists.order.positions()] {
                return BWOverviewItemOrder::extensionItems(items, positions);
            };
        },
        this);
    m_followUps = new BWOverviewFollowUps(this);
    m_followUps->setPart(BWOverviewFollowUps::Figures, [this] { showFigures(std::nullopt); });
    m_followUps->setPart(BWOverviewFollowUps::TrayMenu, [this] { showTrayMenu(); });
    m_followUps->setPart(BWOverviewFollowUps::CalendarMarks, [this] { m_calendarController->deselectAllDates(); });
    m_backgroundLoad = new BWOverviewBackgroundLoad(
        [](const BWStoreEnvironment& env, const QList<BWSortDescriptor>& sorting) {
            return BWOverviewLists::load(env, {}, sorting);
        },
        [this] {
            m_useIntelligence = m_env.defaults->boolForKey(BWDefaultsKeys::BWUseIntelligenceEstimates);
            return BWOverviewBackgroundLoad::Request{m_env, m_sortDescriptors, m_useIntelligence};
        },
        [this](BWOverviewBackgroundLoad::Result& load) { showBackgroundLoad(load); }, this);
    updateTagListWithTags({});
    updateBottomText();
}

// The panes usually live in the main window by now, which deletes them with
// itself; whatever is still around goes here.
BWOverviewController::~BWOverviewController()
{
    delete m_list.data();
    delete m_monthAtGlance.data();
}

QWidget* BWOverviewController::list() const
{
    return m_list;
}

QWidget* BWOverviewController::monthAtGlance() const
{
    return m_monthAtGlance;
}

QWidget* BWOverviewController::showAllButton() const
{
    return m_header->showAllButton();
}

QWidget* BWOverviewController::actionText() const
{
    return m_bottomBar->actionText();
}

QWidget* BWOverviewController::actionBox() const
{
    return m_bottomBar->actionBox();
}

QAbstractButton* BWOverviewController::overviewButtonLog() const
{
    return m_bottomBar->overviewButtonLog();
}
