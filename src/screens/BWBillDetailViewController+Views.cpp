// The bill page's panes and popovers, built once by the constructor.
#include "screens/BWBillDetailViewController.h"

#include <QCoreApplication>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSplitter>
#include <QStandardItemModel>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>

#include "platform/SenderTag.h"
#include "screens/BWBillActionsMenu.h"
#include "screens/BWGraphViewController.h"
#include "screens/BWBarGraphView.h"
#include "screens/BWHUDTableStyle.h"
#include "screens/BWWebPane.h"
#include "widgets/BGHUDBox.h"
#include "widgets/BWFocusReturn.h"
#include "widgets/BWLimitedSplitView.h"
#include "widgets/BGHUDButton.h"
#include "widgets/BGHUDLabel.h"
#include "widgets/BGHUDTextField.h"
#include "widgets/BGHUDView.h"
#include "widgets/BWPopupButton.h"
#include "widgets/KBButton.h"
#include "widgets/KNPopUpDatePicker.h"

namespace {

constexpr int HeaderHeight = 60;
constexpr int StickyNoteWidth = 250;
constexpr int StatisticsHeight = 230;
constexpr int StatBoxWidth = 250;
constexpr int StatBoxHeight = 180;
constexpr int DueImageSide = 28;
// The sticky note is a pale yellow slip with dark writing.
const QColor StickyPaper(252, 244, 178);
const QColor StickyInk(30, 30, 30);
// The two log buttons' kinds: a full payment, or a partial one that keeps
// the button's title.
constexpr int FullPaymentTag = 0;
constexpr int PartialPaymentTag = 3;

QLabel* stickyLabel(QWidget* parent, qreal scale = 1.0, bool bold = false)
{
    auto* label = new QLabel(parent);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignHCenter);
    QFont font = label->font();
    font.setPointSizeF(font.pointSizeF() * scale);
    font.setBold(bold);
    label->setFont(font);
    QPalette colors = label->palette();
    colors.setColor(QPalette::WindowText, StickyInk);
    label->setPalette(colors);
    return label;
}

BGHUDLabel* hudLabel(const QString& text, QWidget* parent, qreal scale = 1.0, bool bold = false)
{
    auto* label = new BGHUDLabel(text, parent);
    label->setTextFormat(Qt::PlainText);
    QFont font = label->font();
    font.setPointSizeF(font.pointSizeF() * scale);
    font.setBold(bold);
    label->setFont(font);
    return label;
}

KBButton* colouredButton(const QString& title, std::int32_t type, QWidget* parent)
{
    auto* button = new KBButton(title, parent);
    button->setKBButtonType(type);
    return button;
}

// A popover: a small window of its own over the main window, closed by its
// buttons.
BGHUDView* popoverWindow(const QString& title, QWidget* owner)
{
    auto* popover = new BGHUDView(owner);
    popover->setWindowFlags(Qt::Tool);
    popover->setWindowTitle(title);
    popover->hide();
    BWFocusReturn::install(popover);
    return popover;
}

// Presses a popover's Cancel when Escape, which none of its fields takes,
// reaches the popover.
class EscapeCancels : public QObject
{
public:
    explicit EscapeCancels(QAbstractButton* cancel)
        : QObject(cancel)
        , m_cancel(cancel)
    {
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress || static_cast<QKeyEvent*>(event)->key() != Qt::Key_Escape)
            return false;
        m_cancel->click();
        return true;
    }

private:
    QAbstractButton* m_cancel;
};

// A popover's Cancel, which Escape presses too, as in the other editors.
BGHUDButton* cancelButton(QWidget* popover)
{
    auto* cancel = new BGHUDButton(QCoreApplication::translate("BWBillDetailViewController", "Cancel"), popover);
    popover->installEventFilter(new EscapeCancels(cancel));
    return cancel;
}

QHBoxLayout* buttonRow(std::initializer_list<QWidget*> buttons)
{
    auto* row = new QHBoxLayout;
    row->addStretch(1);
    for (QWidget* button : buttons)
        row->addWidget(button);
    return row;
}

}  // namespace

void BWBillDetailViewController::buildHeader()
{
    m_widgets.billHeader = new BGHUDView;
    m_widgets.billHeader->resize(1000, HeaderHeight);
    m_widgets.billHeader->setFixedHeight(HeaderHeight);
    auto* layout = new QHBoxLayout(m_widgets.billHeader);
    layout->setContentsMargins(10, 6, 10, 6);

    m_widgets.overviewButton = colouredButton(tr("Overview"), KBButtonTypeNearBlack, m_widgets.billHeader);
    m_widgets.previousBillButton
        = colouredButton(QStringLiteral("\u25C0"), KBButtonTypeNearBlack, m_widgets.billHeader);
    SenderTag::set(m_widgets.previousBillButton, -1);
    m_widgets.previousBillButton->setToolTip(tr("Previous Bill"));
    m_widgets.previousBillButton->setAccessibleName(tr("Previous Bill"));
    m_widgets.nextBillButton = colouredButton(QStringLiteral("\u25B6"), KBButtonTypeNearBlack, m_widgets.billHeader);
    SenderTag::set(m_widgets.nextBillButton, 1);
    m_widgets.nextBillButton->setToolTip(tr("Next Bill"));
    m_widgets.nextBillButton->setAccessibleName(tr("Next Bill"));
    m_widgets.headerDueImageView = new QLabel(m_widgets.billHeader);
    m_widgets.headerDueImageView->setFixedSize(DueImageSide, DueImageSide);
    m_widgets.titleHeaderField = hudLabel(QString(), m_widgets.billHeader, 1.6, true);
    m_widgets.weekendAdjustmentNotice = hudLabel(QString(), m_widgets.billHeader, 0.9);
    m_widgets.weekendAdjustmentNotice->hide();
    auto* titles = new QVBoxLayout;
    titles->setSpacing(0);
    titles->addWidget(m_widgets.titleHeaderField);
    titles->addWidget(m_widgets.weekendAdjustmentNotice);

    m_widgets.editButton = colouredButton(tr("Edit"), KBButtonTypeBlue, m_widgets.billHeader);
    QPalette white = m_widgets.editButton->palette();
    white.setColor(QPalette::ButtonText, Qt::white);
    m_widgets.editButton->setPalette(white);
    m_widgets.actionsPopupButton = new BWPopupButton(m_widgets.billHeader);
    m_widgets.actionsPopupButton->setMinimumWidth(44);
    m_widgets.actionsPopupButton->setToolTip(tr("Actions"));
    m_widgets.actionsAlternateButton = colouredButton(QString(), KBButtonTypeLightGrey, m_widgets.billHeader);

    layout->addWidget(m_widgets.overviewButton);
    layout->addWidget(m_widgets.previousBillButton);
    layout->addWidget(m_widgets.headerDueImageView);
    layout->addLayout(titles, 1);
    layout->addWidget(m_widgets.editButton);
    layout->addWidget(m_widgets.actionsPopupButton);
    layout->addWidget(m_widgets.actionsAlternateButton);
    layout->addWidget(m_widgets.nextBillButton);

    m_actionsMenu = new BWBillActionsMenu(m_env, m_widgets.actionsPopupButton, m_widgets.actionsAlternateButton, this);
    connect(m_widgets.editButton, &QAbstractButton::clicked, this, &BWBillDetailViewController::editBillRequested);
    connect(m_widgets.overviewButton, &QAbstractButton::clicked, this, &BWBillDetailViewController::overviewRequested);
    for (KBButton* step : {m_widgets.previousBillButton, m_widgets.nextBillButton})
        connect(step, &QAbstractButton::clicked, this, [this, step] { emit switchBillsRequested(step); });
}

void BWBillDetailViewController::buildStickyNote()
{
    m_widgets.stickyNote = new BGHUDView;
    m_widgets.stickyNote->resize(StickyNoteWidth, 580);
    m_widgets.stickyNote->setFixedWidth(StickyNoteWidth);
    auto* outer = new QVBoxLayout(m_widgets.stickyNote);
    outer->setContentsMargins(12, 12, 12, 12);

    auto* paper = new QWidget(m_widgets.stickyNote);
    paper->setAutoFillBackground(true);
    QPalette paperColors = paper->palette();
    paperColors.setColor(QPalette::Window, StickyPaper);
    paper->setPalette(paperColors);
    auto* layout = new QVBoxLayout(paper);
    layout->setSpacing(4);

    m_widgets.dueStickerImageView = new QLabel(paper);
    m_widgets.dueStickerImageView->setAlignment(Qt::AlignCenter);
    m_widgets.stickyHumanDueDateField = stickyLabel(paper, 1.3, true);
    m_widgets.dueDateField = stickyLabel(paper);
    m_widgets.humanRepeatField = stickyLabel(paper, 0.9);
    m_widgets.amountDueTitle = stickyLabel(paper, 0.8, true);
    m_widgets.amountDueField = stickyLabel(paper, 1.6, true);
    m_widgets.amountDueField->setCursor(Qt::PointingHandCursor);
    m_widgets.amountDueField->setToolTip(tr("Click to change the amount"));
    m_widgets.amountDueField->installEventFilter(this);
    m_widgets.incomeAutologText = stickyLabel(paper, 0.85);
    m_widgets.incomeAutologText->setText(tr("This income is logged automatically on its pay day."));
    auto* changeDate = new QPushButton(tr("Change Date"), paper);
    changeDate->setFlat(true);
    auto* changeAmount = new QPushButton(tr("Change Amount"), paper);
    changeAmount->setFlat(true);
    SenderTag::set(changeDate, 0);
    SenderTag::set(changeAmount, 1);

    m_widgets.payNowButton = colouredButton(tr("Pay Now"), KBButtonTypeOrange, paper);
    m_widgets.skipButton = colouredButton(tr("Skip"), KBButtonTypeLightGrey, paper);
    m_widgets.logPaymentButtonDetail = colouredButton(tr("Log Payment"), KBButtonTypeGreen, paper);
    SenderTag::set(m_widgets.logPaymentButtonDetail, FullPaymentTag);
    m_widgets.logPartialPopUp = new BWPopupButton(paper);
    m_widgets.logPartialPopUp->addItems({tr("Partial"), tr("Log Partial Payment")});
    m_widgets.logPartialPopUp->setKBButtonType(KBButtonTypeTeal);
    SenderTag::set(m_widgets.logPartialPopUp, PartialPaymentTag);
    m_widgets.logPartialPopUp->setAccessibleName(tr("Log Partial Payment"));

    layout->addWidget(m_widgets.dueStickerImageView);
    layout->addWidget(m_widgets.stickyHumanDueDateField);
    layout->addWidget(m_widgets.dueDateField);
    layout->addWidget(m_widgets.humanRepeatField);
    layout->addWidget(changeDate, 0, Qt::AlignHCenter);
    layout->addSpacing(6);
    layout->addWidget(m_widgets.amountDueTitle);
    layout->addWidget(m_widgets.amountDueField);
    layout->addWidget(changeAmount, 0, Qt::AlignHCenter);
    layout->addWidget(m_widgets.incomeAutologText);
    auto* logRow = new QHBoxLayout;
    logRow->addWidget(m_widgets.logPaymentButtonDetail, 1);
    logRow->addWidget(m_widgets.logPartialPopUp);
    layout->addLayout(logRow);
    auto* payRow = new QHBoxLayout;
    payRow->addWidget(m_widgets.payNowButton, 1);
    payRow->addWidget(m_widgets.skipButton, 1);
    layout->addLayout(payRow);
    layout->addStretch(1);
    outer->addWidget(paper);

    auto* notesTitle = new QHBoxLayout;
    notesTitle->addWidget(hudLabel(tr("Notes"), m_widgets.stickyNote, 1.0, true));
    notesTitle->addStretch(1);
    auto* editNotes = new BGHUDButton(tr("Edit"), m_widgets.stickyNote);
    notesTitle->addWidget(editNotes);
    outer->addLayout(notesTitle);
    m_widgets.notesViewField = new QPlainTextEdit(m_widgets.stickyNote);
    m_widgets.notesViewField->setFixedHeight(90);
    m_widgets.notesViewField->setAccessibleName(tr("Notes"));
    // Tab leaves the notes, as it leaves every other field.
    m_widgets.notesViewField->setTabChangesFocus(true);
    m_widgets.notesViewField->installEventFilter(this);
    outer->addWidget(m_widgets.notesViewField);
    m_widgets.billTagsList = hudLabel(QString(), m_widgets.stickyNote, 0.9);
    m_widgets.billTagsList->setWordWrap(true);
    outer->addWidget(m_widgets.billTagsList);

    connect(changeDate, &QPushButton::clicked, this, [this, changeDate] { quickEdit(0, changeDate); });
    connect(changeAmount, &QPushButton::clicked, this, [this, changeAmount] { quickEdit(1, changeAmount); });
    connect(editNotes, &QPushButton::clicked, this, &BWBillDetailViewController::quickEditNotes);
    connect(m_widgets.skipButton, &QPushButton::clicked, this,
            [this] { showSkipPaymentPopover(m_widgets.skipButton); });
    connect(m_widgets.payNowButton, &QPushButton::clicked, this, &BWBillDetailViewController::showWebView);
    connect(m_widgets.logPaymentButtonDetail, &QPushButton::clicked, this,
            [this] { emit logPaymentRequested(m_widgets.logPaymentButtonDetail); });
    connect(m_widgets.logPartialPopUp, &QComboBox::activated, this, [this](int index) {
        m_widgets.logPartialPopUp->setCurrentIndex(0);
        if (index > 0)
            emit logPaymentRequested(m_widgets.logPartialPopUp);
    });
}

void BWBillDetailViewController::buildPaymentHistory()
{
    m_widgets.paymentHistory = new BGHUDView;
    m_widgets.paymentHistory->resize(750, 350);
    auto* layout = new QVBoxLayout(m_widgets.paymentHistory);
    layout->setContentsMargins(10, 6, 10, 6);

    auto* titleRow = new QHBoxLayout;
    m_widgets.paymentHistoryHeader = hudLabel(QString(), m_widgets.paymentHistory, 1.1, true);
    m_widgets.totalPaidBalanceTitle = hudLabel(QString(), m_widgets.paymentHistory);
    m_widgets.totalPaidField = hudLabel(QString(), m_widgets.paymentHistory, 1.0, true);
    m_widgets.viewReceiptButton = new BGHUDButton(tr("View Receipt"), m_widgets.paymentHistory);
    m_widgets.viewReceiptButton->hide();
    titleRow->addWidget(m_widgets.paymentHistoryHeader);
    titleRow->addStretch(1);
    titleRow->addWidget(m_widgets.viewReceiptButton);
    titleRow->addWidget(m_widgets.totalPaidBalanceTitle);
    titleRow->addWidget(m_widgets.totalPaidField);
    layout->addLayout(titleRow);

    m_widgets.paymentModel = new QStandardItemModel(0, 4, this);
    m_widgets.paymentModel->setHorizontalHeaderLabels({tr("Date Paid"), tr("Amount"), tr("Note"), tr("Receipt")});
    m_widgets.paymentTable = new QTableView(m_widgets.paymentHistory);
    m_widgets.paymentTable->setModel(m_widgets.paymentModel);
    m_widgets.paymentTable->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_widgets.paymentTable->setSelectionMode(QAbstractItemView::SingleSelection);
    m_widgets.paymentTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_widgets.paymentTable->setShowGrid(false);
    m_widgets.paymentTable->setAlternatingRowColors(true);
    m_widgets.paymentTable->setWordWrap(false);
    m_widgets.paymentTable->verticalHeader()->hide();
    m_widgets.paymentTable->horizontalHeader()->setSectionResizeMode(2, QHeaderView::Stretch);
    m_widgets.paymentTable->horizontalHeader()->resizeSection(0, 170);
    m_widgets.paymentTable->horizontalHeader()->resizeSection(1, 110);
    m_widgets.paymentTable->horizontalHeader()->resizeSection(3, 70);
    BWHUDTableStyle::apply(*m_widgets.paymentTable);
    connect(m_widgets.paymentTable, &QAbstractItemView::doubleClicked, this,
            [this](const QModelIndex& index) { editClickedPayment(index.row()); });
    connect(m_widgets.paymentTable->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &BWBillDetailViewController::paymentSelectionChanged);
    connect(m_widgets.viewReceiptButton, &QPushButton::clicked, this, &BWBillDetailViewController::viewReceipt);

    // The table and the graph share the pane. The divider keeps 300 points
    // of table and 200 of graph, or collapses either; a double click on it
    // folds the graph away.
    m_widgets.splitView = new BWLimitedSplitView(Qt::Vertical, m_widgets.paymentHistory);
    m_widgets.splitView->addWidget(m_widgets.paymentTable);
    m_widgets.splitView->addWidget(m_graphViewController->view());
    m_widgets.splitView->setDividerLimits(300, 200);
    m_widgets.splitView->setCollapsible(0, true);
    m_widgets.splitView->setCollapsible(1, true);
    m_widgets.splitView->setStretchFactor(0, 3);
    m_widgets.splitView->setStretchFactor(1, 2);
    layout->addWidget(m_widgets.splitView, 1);
}

namespace {

// One line of a statistics box: the field `field` under `caption`, and
// beside the caption the field `captionField` when there is one.
struct StatLine
{
    QString field;
    QString caption;
    QString captionField = {};
};

// A statistics box; its figure fields join `fields` under their names.
QWidget* buildStatBox(QHash<QString, BGHUDLabel*>& fields, const QString& title, const QList<StatLine>& lines,
                      QWidget* titleButton = nullptr)
{
    auto* box = new BGHUDBox;
    box->setBoxType(BGHUDBox::Custom);
    box->setFixedSize(StatBoxWidth, StatBoxHeight);
    auto* layout = new QGridLayout(box);
    layout->setContentsMargins(10, 8, 10, 8);
    layout->addWidget(hudLabel(title, box, 1.0, true), 0, 0);
    if (titleButton) {
        titleButton->setParent(box);
        layout->addWidget(titleButton, 0, 1, Qt::AlignRight);
    }
    int row = 1;
    for (const StatLine& line : lines) {
        BGHUDLabel* value = hudLabel(QString(), box);
        value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        fields.insert(line.field, value);
        auto* caption = new QHBoxLayout;
        caption->setSpacing(4);
        caption->addWidget(hudLabel(line.caption, box, 0.9));
        // A caption's own figure (the year of a total) stays on its line.
        if (!line.captionField.isEmpty()) {
            BGHUDLabel* captionValue = hudLabel(QString(), box, 0.9);
            fields.insert(line.captionField, captionValue);
            caption->addWidget(captionValue);
        }
        caption->addStretch(1);
        layout->addLayout(caption, row, 0);
        layout->addWidget(value, row, 1);
        ++row;
    }
    layout->setRowStretch(row, 1);
    return box;
}

}  // namespace

static QLabel* barLabel(QWidget* parent, const QColor& color)
{
    auto* bar = new QLabel(parent);
    bar->setAutoFillBackground(true);
    QPalette colors = bar->palette();
    colors.setColor(QPalette::Window, color);
    bar->setPalette(colors);
    return bar;
}

void BWBillDetailViewController::buildStatistics()
{
    m_widgets.statisticsView = new BGHUDView;
    m_widgets.statisticsView->resize(750, StatisticsHeight);
    m_widgets.statisticsView->setFixedHeight(StatisticsHeight);
    auto* layout = new QHBoxLayout(m_widgets.statisticsView);
    layout->setContentsMargins(4, 4, 4, 4);
    // The strip moves box by box with the arrows beside it.
    auto* back = colouredButton(QStringLiteral("\u2039"), KBButtonTypeNearBlack, m_widgets.statisticsView);
    auto* forward = colouredButton(QStringLiteral("\u203A"), KBButtonTypeNearBlack, m_widgets.statisticsView);
    back->setAccessibleName(tr("Earlier Figures"));
    forward->setAccessibleName(tr("Later Figures"));
    for (KBButton* arrow : {back, forward}) {
        arrow->setFixedWidth(24);
        m_widgets.statArrows.append(arrow);
    }
    back->setToolTip(tr("Previous Figures"));
    forward->setToolTip(tr("Next Figures"));
    // The strip's host: the strip takes the part of it that whole boxes fill.
    m_widgets.statsHost = new QWidget(m_widgets.statisticsView);
    auto* hostLayout = new QHBoxLayout(m_widgets.statsHost);
    hostLayout->setContentsMargins(0, 0, 0, 0);
    m_widgets.statsScrollView = new QScrollArea(m_widgets.statsHost);
    hostLayout->addWidget(m_widgets.statsScrollView, 0, Qt::AlignHCenter);
    m_widgets.statsScrollView->setFrameShape(QFrame::NoFrame);
    m_widgets.statsScrollView->setWidgetResizable(false);
    m_widgets.statsScrollView->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_widgets.statsScrollView->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    BWHUDTableStyle::applyToScrollArea(*m_widgets.statsScrollView);
    m_widgets.statsHost->installEventFilter(this);
    connect(m_widgets.statsScrollView->horizontalScrollBar(), &QScrollBar::valueChanged, this,
            [this] { m_statisticsStrip.showOnlyWholeStatBoxes(); });
    layout->addWidget(back);
    layout->addWidget(m_widgets.statsHost, 1);
    layout->addWidget(forward);
    connect(back, &QPushButton::clicked, this, &BWBillDetailViewController::switchStatPositionBack);
    connect(forward, &QPushButton::clicked, this, &BWBillDetailViewController::switchStatPositionForward);

    m_widgets.statPaymentBox = buildStatBox(m_widgets.statFields, tr("Payments"),
                                            {{QStringLiteral("averagePaymentAmt"), tr("Average")},
                                             {QStringLiteral("highestPaymentAmt"), tr("Highest")},
                                             {QStringLiteral("highestPaymentDate"), QString()},
                                             {QStringLiteral("lowestPaymentAmt"), tr("Lowest")},
                                             {QStringLiteral("lowestPaymentDate"), QString()}});
    m_widgets.statsYearBox
        = buildStatBox(m_widgets.statFields, tr("Totals"),
                       {{QStringLiteral("totalAll"), tr("All Time")},
                        {QStringLiteral("totalThis"), tr("This Year"), QStringLiteral("thisYearDate")},
                        {QStringLiteral("totalLast"), tr("Last Year"), QStringLiteral("lastYearDate")}});
    KBButton* editBalance = colouredButton(tr("Edit"), KBButtonTypeNearBlack, nullptr);
    editBalance->setFixedHeight(20);
    m_widgets.statBalanceBox = buildStatBox(m_widgets.statFields, tr("Balance"),
                                            {{QStringLiteral("balanceDisplayField"), tr("Balance")},
                                             {QStringLiteral("escrowDisplayField"), tr("Escrow")},
                                             {QStringLiteral("interestDisplayField"), tr("Interest")}},
                                            editBalance);
    m_widgets.statSeasonsBox = buildStatBox(m_widgets.statFields, tr("Seasons"),
                                            {{QStringLiteral("seasonWinter"), tr("Winter")},
                                             {QStringLiteral("seasonSpring"), tr("Spring")},
                                             {QStringLiteral("seasonSummer"), tr("Summer")},
                                             {QStringLiteral("seasonFall"), tr("Fall")}});
    // The bars: the two years side by side in the totals box, and how much of
    // the debt is paid along the balance box's foot.
    m_widgets.lastYearGraph = barLabel(m_widgets.statsYearBox, QColor(142, 142, 153));
    m_widgets.thisYearGraph = barLabel(m_widgets.statsYearBox, QColor(218, 112, 214));
    m_widgets.balanceGraph = barLabel(m_widgets.statBalanceBox, QColor(52, 199, 89));
    m_widgets.statsYearBox->layout()->setContentsMargins(10, 8, 60, 8);
    m_widgets.lastYearGraph->setGeometry(StatBoxWidth - 46, 165, 14, 0);
    m_widgets.thisYearGraph->setGeometry(StatBoxWidth - 26, 165, 14, 0);
    m_widgets.balanceGraph->setGeometry(18, 150, 0, 12);
    connect(editBalance, &QPushButton::clicked, this, [this, editBalance] { this->editBalance(editBalance); });
}

// The browser pane, which slides up over the page for a pay site. It starts
// the web engine only when it first shows a site.
void BWBillDetailViewController::buildWebViewContainer()
{
    m_widgets.webViewContainer = new BGHUDView;
    m_widgets.webViewContainer->resize(1000, 580);
    auto* layout = new QVBoxLayout(m_widgets.webViewContainer);
    layout->setContentsMargins(0, 0, 0, 0);
    m_widgets.webPane = new BWWebPane(m_widgets.webViewContainer);
    layout->addWidget(m_widgets.webPane);
    m_widgets.webViewContainer->hide();
    connect(m_widgets.webPane, &BWWebPane::closeRequested, this, &BWBillDetailViewController::hideWebView);
    connect(m_widgets.webPane, &BWWebPane::openInBrowserRequested, this,
            &BWBillDetailViewController::openWebsiteInBrowser);
    connect(m_widgets.webPane, &BWWebPane::engineFailed, this, [this] {
        if (const std::optional<QUrl> url = shownPaySite())
            m_desktop.openPaySite(*url);
    });
}

void BWBillDetailViewController::buildPopovers()
{
    QWidget* owner = m_widgets.billHeader;

    m_widgets.skipPaymentPopover = popoverWindow(tr("Skip Payment"), owner);
    {
        auto* layout = new QVBoxLayout(m_widgets.skipPaymentPopover);
        m_widgets.skipQuestion = hudLabel(QString(), m_widgets.skipPaymentPopover);
        layout->addWidget(m_widgets.skipQuestion);
        auto* cancel = cancelButton(m_widgets.skipPaymentPopover);
        auto* confirm = colouredButton(tr("Skip Payment"), KBButtonTypeOrange, m_widgets.skipPaymentPopover);
        layout->addLayout(buttonRow({cancel, confirm}));
        connect(cancel, &QPushButton::clicked, this, &BWBillDetailViewController::cancelSkipPayment);
        connect(confirm, &QPushButton::clicked, this, &BWBillDetailViewController::skipPayment);
    }

    m_widgets.paymentEditorPopover = popoverWindow(tr("Edit Payment"), owner);
    {
        auto* form = new QFormLayout(m_widgets.paymentEditorPopover);
        m_widgets.revDatePaid = new KNPopUpDatePicker(m_widgets.paymentEditorPopover);
        m_widgets.revAmtPaid = new BGHUDTextField(m_widgets.paymentEditorPopover);
        m_widgets.revNotePaid = new BGHUDTextField(m_widgets.paymentEditorPopover);
        m_widgets.revDatePaid->setAccessibleName(tr("Date Paid"));
        m_widgets.revDatePaid->setClock(m_env.clock);
        m_widgets.revDatePaid->setNoDateAfterToday(true);
        m_widgets.revAmtPaid->setAccessibleName(tr("Amount"));
        m_widgets.revNotePaid->setAccessibleName(tr("Note"));
        m_widgets.revReceipt = new BGHUDButton(QString(), m_widgets.paymentEditorPopover);
        m_widgets.removeReceiptButton = new BGHUDButton(tr("Remove Receipt"), m_widgets.paymentEditorPopover);
        auto* remove = colouredButton(tr("Delete Payment"), KBButtonTypeRed, m_widgets.paymentEditorPopover);
        auto* cancel = cancelButton(m_widgets.paymentEditorPopover);
        auto* save = colouredButton(tr("Save"), KBButtonTypeGreen, m_widgets.paymentEditorPopover);
        form->addRow(hudLabel(tr("Date Paid:"), m_widgets.paymentEditorPopover), m_widgets.revDatePaid);
        form->addRow(hudLabel(tr("Amount:"), m_widgets.paymentEditorPopover), m_widgets.revAmtPaid);
        form->addRow(hudLabel(tr("Note:"), m_widgets.paymentEditorPopover), m_widgets.revNotePaid);
        auto* receiptRow = new QHBoxLayout;
        receiptRow->addWidget(m_widgets.revReceipt, 1);
        receiptRow->addWidget(m_widgets.removeReceiptButton);
        form->addRow(hudLabel(tr("Receipt:"), m_widgets.paymentEditorPopover), receiptRow);
        auto* buttons = buttonRow({cancel, save});
        buttons->insertWidget(0, remove);
        form->addRow(buttons);
        connect(m_widgets.revReceipt, &QPushButton::clicked, this, &BWBillDetailViewController::attachReceipt);
        connect(m_widgets.removeReceiptButton, &QPushButton::clicked, this, &BWBillDetailViewController::removeReceipt);
        connect(remove, &QPushButton::clicked, this, &BWBillDetailViewController::askToDeleteClickedPayment);
        connect(cancel, &QPushButton::clicked, this, [this] { closePopover(m_widgets.paymentEditorPopover); });
        connect(save, &QPushButton::clicked, this, &BWBillDetailViewController::saveClickedPayment);
    }

    m_widgets.stickyEditorPopover = popoverWindow(tr("Quick Edit"), owner);
    {
        auto* layout = new QVBoxLayout(m_widgets.stickyEditorPopover);
        m_widgets.revisionTabView = new QTabWidget(m_widgets.stickyEditorPopover);
        m_widgets.revisedStickyDate = new KNPopUpDatePicker;
        m_widgets.revisedStickyAmount = new BGHUDTextField;
        m_widgets.revisionTabView->setAccessibleName(tr("Quick Edit"));
        m_widgets.revisedStickyDate->setAccessibleName(tr("Due Date"));
        m_widgets.revisedStickyDate->setClock(m_env.clock);
        m_widgets.revisedStickyAmount->setAccessibleName(tr("Amount"));
        m_widgets.revisionTabView->addTab(m_widgets.revisedStickyDate, tr("Due Date"));
        m_widgets.revisionTabView->addTab(m_widgets.revisedStickyAmount, tr("Amount"));
        auto* cancel = cancelButton(m_widgets.stickyEditorPopover);
        auto* save = colouredButton(tr("Save"), KBButtonTypeGreen, m_widgets.stickyEditorPopover);
        layout->addWidget(m_widgets.revisionTabView);
        layout->addLayout(buttonRow({cancel, save}));
        connect(cancel, &QPushButton::clicked, this, [this] { closePopover(m_widgets.stickyEditorPopover); });
        connect(save, &QPushButton::clicked, this, &BWBillDetailViewController::saveQuickEdits);
    }

    m_widgets.notesEditorPopover = popoverWindow(tr("Notes"), owner);
    {
        auto* layout = new QVBoxLayout(m_widgets.notesEditorPopover);
        m_widgets.notesEditField = new QPlainTextEdit(m_widgets.notesEditorPopover);
        m_widgets.notesEditField->setAccessibleName(tr("Notes"));
        m_widgets.notesEditField->setTabChangesFocus(true);
        auto* cancel = cancelButton(m_widgets.notesEditorPopover);
        auto* save = colouredButton(tr("Save"), KBButtonTypeGreen, m_widgets.notesEditorPopover);
        layout->addWidget(m_widgets.notesEditField);
        layout->addLayout(buttonRow({cancel, save}));
        connect(cancel, &QPushButton::clicked, this, &BWBillDetailViewController::cancelQuickEditNotes);
        connect(save, &QPushButton::clicked, this, &BWBillDetailViewController::saveQuickEditNotes);
    }

    m_widgets.balancePopover = popoverWindow(tr("Balance"), owner);
    {
        auto* form = new QFormLayout(m_widgets.balancePopover);
        m_widgets.balanceEditField = new BGHUDTextField(m_widgets.balancePopover);
        m_widgets.interestRateField = new BGHUDTextField(m_widgets.balancePopover);
        m_widgets.escrowEditField = new BGHUDTextField(m_widgets.balancePopover);
        m_widgets.balanceEditField->setAccessibleName(tr("Balance"));
        m_widgets.interestRateField->setAccessibleName(tr("Interest Rate"));
        m_widgets.escrowEditField->setAccessibleName(tr("Escrow"));
        auto* cancel = cancelButton(m_widgets.balancePopover);
        auto* save = colouredButton(tr("Save"), KBButtonTypeGreen, m_widgets.balancePopover);
        form->addRow(hudLabel(tr("Balance:"), m_widgets.balancePopover), m_widgets.balanceEditField);
        form->addRow(hudLabel(tr("Interest Rate (%):"), m_widgets.balancePopover), m_widgets.interestRateField);
        form->addRow(hudLabel(tr("Escrow:"), m_widgets.balancePopover), m_widgets.escrowEditField);
        form->addRow(buttonRow({cancel, save}));
        connect(cancel, &QPushButton::clicked, this, [this] { closePopover(m_widgets.balancePopover); });
        connect(save, &QPushButton::clicked, this, &BWBillDetailViewController::saveBalanceChanges);
    }
}
