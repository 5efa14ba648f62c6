// The overview's panes and controls, built once by the constructor.
#include "screens/BWOverviewController.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>

#include "platform/SenderTag.h"
#include "platform/UserDefaults.h"
#include "store/BWDefaultsKeys.h"
#include "store/PaymentKind.h"
#include "screens/BWBillTableDelegate.h"
#include "widgets/BackgroundView.h"
#include "widgets/BGHUDBox.h"
#include "widgets/BGHUDLabel.h"
#include "widgets/BGHUDSearchField.h"
#include "widgets/BGHUDTableView.h"
#include "widgets/BGHUDTextField.h"
#include "widgets/BGHUDView.h"
#include "widgets/BWPopupButton.h"
#include "widgets/KBButton.h"
#include "widgets/KBButtonCell.h"
#include "widgets/LRCalendarController.h"
#include "widgets/LRCalendarView.h"

namespace {

constexpr int kListWidth = 640;
constexpr int kMonthAtGlanceWidth = 260;
constexpr int kPaneHeight = 520;
constexpr int kHeaderHeight = 36;
constexpr int kBottomBarHeight = 44;
// Six rows of weeks, each tall enough for its day number and due dot.
constexpr int kCalendarHeight = 243;
constexpr int kSearchFieldWidth = 180;
constexpr int kDueColumnWidth = 170;
constexpr int kMoneyColumnWidth = 95;
constexpr int kLastPaidColumnWidth = 115;
QFrame* dividerLine(QWidget* parent)
{
    auto* line = new QFrame(parent);
    line->setFrameShape(QFrame::VLine);
    line->setFrameShadow(QFrame::Plain);
    return line;
}

KBButton* barButton(const QString& title, std::int32_t type, QWidget* parent)
{
    auto* button = new KBButton(title, parent);
    button->setKBButtonType(type);
    return button;
}

}  // namespace

void BWOverviewController::buildList()
{
    m_list = new BGHUDView;
    m_list->resize(kListWidth, kPaneHeight);
    auto* layout = new QVBoxLayout(m_list);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(buildHeader());
    buildTable();
    layout->addWidget(m_billTable, 1);
    layout->addWidget(buildBottomBar());
}

QWidget* BWOverviewController::buildHeader()
{
    m_headerBox = new BackgroundView(m_list);
    m_headerBox->setFixedHeight(kHeaderHeight);
    auto* layout = new QHBoxLayout(m_headerBox);
    layout->setContentsMargins(8, 4, 8, 4);

    m_overviewNewBillButton = barButton(tr("+ New Bill"), KBButtonTypeGreen, m_headerBox);
    m_overviewNewBillButton->setToolTip(tr("Add a bill"));
    layout->addWidget(m_overviewNewBillButton);
    m_overviewNewIncomeButton = barButton(tr("+ Income"), KBButtonTypeTeal, m_headerBox);
    m_overviewNewIncomeButton->setToolTip(tr("Add an income item"));
    layout->addWidget(m_overviewNewIncomeButton);
    connect(m_overviewNewBillButton, &QAbstractButton::clicked, this,
            [this] { emit newBillRequested(m_overviewNewBillButton); });
    connect(m_overviewNewIncomeButton, &QAbstractButton::clicked, this,
            [this] { emit newIncomeRequested(m_overviewNewIncomeButton); });

    m_tagDropdown = new BWPopupButton(m_headerBox);
    m_tagDropdown->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    connect(m_tagDropdown, &QComboBox::activated, this, [this] { tagListItemSelected(); });
    layout->addWidget(m_tagDropdown);

    m_showAllButton = barButton(tr("Show All"), KBButtonTypeLightGrey, m_headerBox);
    m_showAllButton->hide();
    connect(m_showAllButton, &QAbstractButton::clicked, this, [this] { showAllBills(); });
    layout->addWidget(m_showAllButton);
    layout->addStretch(1);

    m_searchField = new BGHUDSearchField(m_headerBox);
    m_searchField->cell().setBezelStyle(BGHUDTextFieldCell::BezelStyle::Rounded);
    // The dark fill keeps the field's white text readable on the light bar.
    m_searchField->cell().setFillsBackground(true);
    m_searchField->setPlaceholderText(tr("Search"));
    m_searchField->setFixedWidth(kSearchFieldWidth);
    // Only typing filters: a load clears the field without filtering twice.
    connect(m_searchField, &QLineEdit::textEdited, this, [this](const QString& text) { applyFilterWithString(text); });
    connect(m_searchField, &QLineEdit::returnPressed, this, [this] { selectBillItem(); });
    layout->addWidget(m_searchField);

    m_airplaneButton = new QToolButton(m_headerBox);
    m_airplaneButton->setAutoRaise(true);
    m_airplaneButton->setText(QStringLiteral("\u2708"));
    m_airplaneButton->setToolButtonStyle(Qt::ToolButtonIconOnly);
    m_airplaneButton->setIconSize(QSize(18, 18));
    m_airplaneButton->setToolTip(tr("Vacation mode"));
    connect(m_airplaneButton, &QToolButton::clicked, this, [this] { showVacationModePopover(m_airplaneButton); });
    layout->addWidget(m_airplaneButton);
    return m_headerBox;
}

void BWOverviewController::buildTable()
{
    m_billTable = new BGHUDTableView(m_list);
    m_billTable->setModel(m_tableModel);
    m_billTable->setItemDelegate(new BWBillTableDelegate(m_billTable));
    m_billTable->setSelectionBehavior(QAbstractItemView::SelectRows);
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
}

QWidget* BWOverviewController::buildBottomBar()
{
    auto* bar = new BGHUDView(m_list);
    bar->setFixedHeight(kBottomBarHeight);
    auto* layout = new QHBoxLayout(bar);
    layout->setContentsMargins(8, 4, 8, 4);

    // The bar's text shares the row with the phone notice at the default
    // window width: both wrap onto a second line rather than being cut off.
    m_actionText = new BGHUDLabel(QString(), bar);
    m_actionText->setWordWrap(true);
    layout->addWidget(m_actionText, 1);
    layout->addWidget(buildAdBox(bar), 1);

    m_actionBox = new BGHUDView(bar);
    auto* actions = new QHBoxLayout(m_actionBox);
    actions->setContentsMargins(0, 0, 0, 0);
    m_overviewButtonLog = barButton(tr("Log Payment"), KBButtonTypeGreen, m_actionBox);
    SenderTag::set(m_overviewButtonLog, int(PaymentKind::Full));
    m_overviewLineLog = dividerLine(m_actionBox);
    m_overviewButtonPartial = barButton(tr("Log Partial"), KBButtonTypeTeal, m_actionBox);
    // This kind leaves the button's title alone: the other partial kind
    // retitles its sender "Log Payment", which would leave two buttons saying so.
    SenderTag::set(m_overviewButtonPartial, int(PaymentKind::PartialKeepingTitle));
    m_overviewButtonView = barButton(tr("View"), KBButtonTypeBlue, m_actionBox);
    m_overviewLineView = dividerLine(m_actionBox);
    m_payNowOverviewButton = barButton(tr("Pay Now"), KBButtonTypeOrange, m_actionBox);
    m_overviewLinePay = dividerLine(m_actionBox);
    m_actionsPopupButton = new BWPopupButton(m_actionBox);
    m_actionsAlternateButton = barButton(QString(), KBButtonTypeLightGrey, m_actionBox);
    for (QWidget* control : std::initializer_list<QWidget*>{
             m_overviewButtonLog, m_overviewLineLog, m_overviewButtonPartial, m_overviewButtonView, m_overviewLineView,
             m_payNowOverviewButton, m_overviewLinePay, m_actionsPopupButton, m_actionsAlternateButton})
        actions->addWidget(control);
    for (KBButton* log : {m_overviewButtonLog, m_overviewButtonPartial})
        connect(log, &QAbstractButton::clicked, this, [this, log] { emit logPaymentRequested(log); });
    connect(m_overviewButtonView, &QAbstractButton::clicked, this, &BWOverviewController::viewBillRequested);
    connect(m_payNowOverviewButton, &QAbstractButton::clicked, this, &BWOverviewController::payNowRequested);
    layout->addWidget(m_actionBox);
    m_actionBox->hide();
    return bar;
}

// A word about the phone edition, shown while nothing is selected until the
// user hides it for good.
QWidget* BWOverviewController::buildAdBox(QWidget* bar)
{
    m_adBox = new BGHUDBox(bar);
    m_adBox->setBoxType(BGHUDBox::Custom);
    auto* layout = new QHBoxLayout(m_adBox);
    layout->setContentsMargins(0, 0, 0, 0);
    // Says what this program does with the phone edition: nothing, yet.
    auto* notice = new BGHUDLabel(tr("Orvane for phones cannot sync with this computer yet."), m_adBox);
    notice->setWordWrap(true);
    layout->addWidget(notice, 1);
    auto* learnMore = barButton(tr("Learn More"), KBButtonTypeBlue, m_adBox);
    auto* hide = barButton(tr("Hide"), KBButtonTypeLightGrey, m_adBox);
    hide->setObjectName(QStringLiteral("hideAdvert"));
    layout->addWidget(learnMore);
    layout->addWidget(hide);
    connect(learnMore, &QAbstractButton::clicked, this, &BWOverviewController::phoneEditionRequested);
    connect(hide, &QAbstractButton::clicked, this, &BWOverviewController::hideAdvertRequested);
    m_adBox->setVisible(!m_env.defaults->boolForKey(BWDefaultsKeys::BWHideAd));
    return m_adBox;
}

// A tip under the month figures until the user dismisses it for good.
QWidget* BWOverviewController::buildTip(QWidget* parent)
{
    m_tip = new BGHUDView(parent);
    auto* layout = new QVBoxLayout(m_tip);
    layout->setContentsMargins(10, 6, 10, 6);
    auto* text = new BGHUDLabel(tr("Tip: double-click a bill to open its page, or right-click it for more "
                                   "commands."),
                                m_tip);
    text->setWordWrap(true);
    auto* dismiss = barButton(tr("Hide Tip"), KBButtonTypeLightGrey, m_tip);
    dismiss->setObjectName(QStringLiteral("hideTip"));
    layout->addWidget(text);
    layout->addWidget(dismiss, 0, Qt::AlignRight);
    connect(dismiss, &QAbstractButton::clicked, this, [this] {
        m_tip->hide();
        emit tipDismissed();
    });
    m_tip->setVisible(!m_env.defaults->boolForKey(BWDefaultsKeys::BWHideTip));
    return m_tip;
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
    layout->addWidget(buildSidebar(m_monthAtGlance));
    layout->addWidget(buildTip(m_monthAtGlance));
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

void BWOverviewController::addSidebarAccessory(QWidget* accessory)
{
    // Below the stretch: the foot of the panel.
    accessory->setParent(m_monthAtGlance);
    m_monthAtGlance->layout()->addWidget(accessory);
}
