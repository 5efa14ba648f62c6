// The overview's panes, built once by the constructor, and the wiring of its
// bars.
#include "screens/BWOverviewController.h"

#include <QHeaderView>
#include <QTableView>
#include <QVBoxLayout>

#include "platform/UserDefaults.h"
#include "screens/BWBillTableDelegate.h"
#include "widgets/BackgroundView.h"
#include "screens/BWTableColumnLayout.h"
#include "store/BWDefaultsKeys.h"
#include "widgets/BGHUDSearchField.h"
#include "widgets/BGHUDTableView.h"
#include "widgets/BGHUDView.h"
#include "widgets/LRCalendarController.h"
#include "widgets/LRCalendarView.h"

namespace {

constexpr int kListWidth = 640;
constexpr int kMonthAtGlanceWidth = 260;
constexpr int kPaneHeight = 520;
// Six rows of weeks, each tall enough for its day number and due dot.
constexpr int kCalendarHeight = 243;
constexpr int kDueColumnWidth = 170;
constexpr int kMoneyColumnWidth = 95;
constexpr int kLastPaidColumnWidth = 115;

}  // namespace

void BWOverviewController::buildList()
{
    m_list = new BGHUDView;
    m_list->resize(kListWidth, kPaneHeight);
    auto* layout = new QVBoxLayout(m_list);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    m_header = new BWOverviewHeader(m_list, this);
    layout->addWidget(m_header->headerBox());
    buildTable();
    layout->addWidget(m_billTable, 1);
    m_bottomBar = new BWOverviewBottomBar(m_env, *m_tableModel, m_list, this);
    layout->addWidget(m_bottomBar->bar());
}

void BWOverviewController::buildTable()
{
    m_billTable = new BGHUDTableView(m_list);
    m_billTable->setModel(m_tableModel);
    m_billTable->setItemDelegate(new BWBillTableDelegate(m_billTable));
    m_billTable->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_billTable->setAccessibleName(tr("Bills"));
    m_billTable->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_billTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_billTable->setShowGrid(false);
    m_billTable->setAlternatingRowColors(true);
    m_billTable->setWordWrap(false);
    m_billTable->setFrameShape(QFrame::NoFrame);
    m_billTable->setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);

    QHeaderView* rows = m_billTable->verticalHeader();
    rows->hide();
    rows->setSectionResizeMode(QHeaderView::Fixed);
    rows->setDefaultSectionSize(BWBillTableDelegate::RowHeight);

    QHeaderView* columns = m_billTable->horizontalHeader();
    columns->setSectionsClickable(true);
    columns->setSectionsMovable(true);
    columns->setHighlightSections(false);
    columns->setSortIndicatorShown(true);
    columns->setStretchLastSection(false);
    columns->setSectionResizeMode(m_tableModel->columnOf(QStringLiteral("Name")), QHeaderView::Stretch);
    columns->resizeSection(m_tableModel->columnOf(QStringLiteral("NextDue")), kDueColumnWidth);
    for (const QString& money : {QStringLiteral("Average"), QStringLiteral("Balance"), QStringLiteral("Amount")})
        columns->resizeSection(m_tableModel->columnOf(money), kMoneyColumnWidth);
    columns->resizeSection(m_tableModel->columnOf(QStringLiteral("LastPaid")), kLastPaidColumnWidth);
    columns->setSortIndicator(m_tableModel->columnOf(QStringLiteral("NextDue")), Qt::AscendingOrder);
    connect(columns, &QHeaderView::sortIndicatorChanged, this,
            [this](int column, Qt::SortOrder order) { sortDescriptorsDidChange(column, order); });
    connect(m_billTable->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this] { tableViewSelectionDidChange(); });
    m_selection = std::make_unique<BWTableSelection>(*m_billTable);
    m_columnLayout = new BWTableColumnLayout(*columns, *m_env.defaults, BWDefaultsKeys::BWBillTableColumns, this);
}

void BWOverviewController::buildMonthAtGlance()
{
    m_monthAtGlance = new BGHUDView;
    m_monthAtGlance->resize(kMonthAtGlanceWidth, kPaneHeight);
    auto* layout = new QVBoxLayout(m_monthAtGlance);
    layout->setContentsMargins(0, 0, 0, 0);
    m_monthAtGlanceCalendar = new LRCalendarView(*m_env.clock, m_monthAtGlance);
    m_monthAtGlanceCalendar->setFixedHeight(kCalendarHeight);
    m_monthAtGlanceCalendar->setAppDelegate(this);
    layout->addWidget(m_monthAtGlanceCalendar);
    m_sidebar = new BWOverviewSidebar(m_env, m_monthAtGlance, this);
    layout->addWidget(m_sidebar->panel());
    layout->addWidget(m_sidebar->tip());
    layout->addStretch(1);
    // One plain sidebar from the calendar down: the theme's glossy gradient,
    // stretched over the pane's height, would break in two below the calendar.
    const QColor sidebar = m_monthAtGlanceCalendar->calendarBackgroundColor();
    m_monthAtGlance->setUseTheme(false);
    m_monthAtGlance->setColor1(sidebar);
    m_monthAtGlance->setColor2(sidebar);

    m_calendarController = new LRCalendarController(m_monthAtGlanceCalendar, nullptr, this);
    m_calendarController->setDelegate(this);
}

void BWOverviewController::connectBars()
{
    connect(m_header, &BWOverviewHeader::listChosen, this, [this] { tagListItemSelected(); });
    connect(m_header, &BWOverviewHeader::showAllRequested, this, [this] { showAllBills(); });
    connect(m_header, &BWOverviewHeader::searchEdited, this, &BWOverviewController::applyFilterWithString);
    connect(m_header, &BWOverviewHeader::searchEntered, this, &BWOverviewController::selectBillItem);
    connect(m_header, &BWOverviewHeader::searchFocused, this, &BWOverviewController::switchToOverviewRequested);
    connect(m_header, &BWOverviewHeader::searchTagChosen, this, &BWOverviewController::selectSearchMenuItem);
    connect(m_header, &BWOverviewHeader::vacationRequested, this, &BWOverviewController::showVacationModePopover);
    connect(m_sidebar, &BWOverviewSidebar::tagsEdited, this, &BWOverviewController::saveTagChanges);
    connect(m_vacation, &BWVacationPopover::closed, this, &BWOverviewController::vacationPopoverWillClose);
}

void BWOverviewController::addSidebarAccessory(QWidget* accessory)
{
    // Below the stretch: the foot of the panel.
    accessory->setParent(m_monthAtGlance);
    m_monthAtGlance->layout()->addWidget(accessory);
}

void BWOverviewController::setSearchFieldShown(bool shown)
{
    m_header->searchField()->setVisible(shown);
}

void BWOverviewController::focusSearchField()
{
    m_header->searchField()->setFocus();
}
