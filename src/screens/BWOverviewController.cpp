#include "screens/BWOverviewController.h"

#include <QHeaderView>
#include <QTableView>
#include <QTimer>

#include "store/BWBillRecordKeys.h"
#include "store/BWExtensionExport.h"
#include "widgets/BGHUDView.h"

namespace {

// Column resizes come in bursts while the user drags; the layout is stored
// once the burst is over.
constexpr int kColumnLayoutSaveDelayMs = 500;

}  // namespace

BWOverviewController::BWOverviewController(const BWStoreEnvironment& env, QObject* parent)
    : QObject(parent),
      m_env(env),
      m_sortDescriptors{{BillKeys::SortableDueDate, true}},
      m_tableModel(new BWOverviewTableModel(env, this))
{
    m_extensionWriter = std::make_unique<BWExtensionExport>(env);
    m_columnLayoutSaver = new QTimer(this);
    m_columnLayoutSaver->setSingleShot(true);
    m_columnLayoutSaver->setInterval(kColumnLayoutSaveDelayMs);
    connect(m_columnLayoutSaver, &QTimer::timeout, this, [this] { saveColumnLayout(); });

    buildList();
    buildActions();
    buildMonthAtGlance();
    buildVacationPopover();
    updateTagListWithTags({});
    updateBottomText();
}

// The panes usually live in the main window by now, which deletes them with
// itself; whatever is still around goes here.
BWOverviewController::~BWOverviewController()
{
    delete m_list.data();
    delete m_monthAtGlance.data();
    delete m_vacationPopover.data();
}

QWidget* BWOverviewController::list() const
{
    return m_list;
}

QWidget* BWOverviewController::monthAtGlance() const
{
    return m_monthAtGlance;
}

QWidget* BWOverviewController::vacationPopover() const
{
    return m_vacationPopover;
}
