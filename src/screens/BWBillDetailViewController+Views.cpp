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
    m_billHeader = new BGHUDView;
    m_billHeader->resize(1000, HeaderHeight);
    m_billHeader->setFixedHeight(HeaderHeight);
    auto* layout = new QHBoxLayout(m_billHeader);
    layout->setContentsMargins(10, 6, 10, 6);

    m_overviewButton = colouredButton(tr("Overview"), KBButtonTypeNearBlack, m_billHeader);
    m_previousBillButton = colouredButton(QStringLiteral("\u25C0"), KBButtonTypeNearBlack, m_billHeader);
    SenderTag::set(m_previousBillButton, -1);
    m_previousBillButton->setToolTip(tr("Previous Bill"));
    m_nextBillButton = colouredButton(QStringLiteral("\u25B6"), KBButtonTypeNearBlack, m_billHeader);
    SenderTag::set(m_nextBillButton, 1);
    m_nextBillButton->setToolTip(tr("Next Bill"));
    m_headerDueImageView = new QLabel(m_billHeader);
    m_headerDueImageView->setFixedSize(DueImageSide, DueImageSide);
    m_titleHeaderField = hudLabel(QString(), m_billHeader, 1.6, true);
    m_weekendAdjustmentNotice = hudLabel(QString(), m_billHeader, 0.9);
    m_weekendAdjustmentNotice->hide();
    auto* titles = new QVBoxLayout;
    titles->setSpacing(0);
    titles->addWidget(m_titleHeaderField);
    titles->addWidget(m_weekendAdjustmentNotice);

    m_editButton = colouredButton(tr("Edit"), KBButtonTypeBlue, m_billHeader);
    QPalette white = m_editButton->palette();
    white.setColor(QPalette::ButtonText, Qt::white);
    m_editButton->setPalette(white);
    m_actionsPopupButton = new BWPopupButton(m_billHeader);
    m_actionsPopupButton->setMinimumWidth(44);
    m_actionsPopupButton->setToolTip(tr("Actions"));
    m_actionsAlternateButton = colouredButton(QString(), KBButtonTypeLightGrey, m_billHeader);

    layout->addWidget(m_overviewButton);
    layout->addWidget(m_previousBillButton);
    layout->addWidget(m_headerDueImageView);
    layout->addLayout(titles, 1);
    layout->addWidget(m_editButton);
    layout->addWidget(m_actionsPopupButton);
    layout->addWidget(m_actionsAlternateButton);
    layout->addWidget(m_nextBillButton);

    m_actionsMenu = new BWBillActionsMenu(m_env, m_actionsPopupButton, m_actionsAlternateButton, this);
    connect(m_editButton, &QAbstractButton::clicked, this, &BWBillDetailViewController::editBillRequested);
    connect(m_overviewButton, &QAbstractButton::clicked, this, &BWBillDetailViewController::overviewRequested);
    for (KBButton* step : {m_previousBillButton, m_nextBillButton})
        connect(step, &QAbstractButton::clicked, this, [this, step] { emit switchBillsRequested(step); });
}

void BWBillDetailViewController::buildStickyNote()
{
    m_stickyNote = new BGHUDView;
    m_stickyNote->resize(StickyNoteWidth, 580);
    m_stickyNote->setFixedWidth(StickyNoteWidth);
    auto* outer = new QVBoxLayout(m_stickyNote);
    outer->setContentsMargins(12, 12, 12, 12);

    auto* paper = new QWidget(m_stickyNote);
    paper->setAutoFillBackground(true);
    QPalette paperColors = paper->palette();
    paperColors.setColor(QPalette::Window, StickyPaper);
    paper->setPalette(paperColors);
    auto* layout = new QVBoxLayout(paper);
    layout->setSpacing(4);

    m_dueStickerImageView = new QLabel(paper);
    m_dueStickerImageView->setAlignment(Qt::AlignCenter);
    m_stickyHumanDueDateField = stickyLabel(paper, 1.3, true);
    m_dueDateField = stickyLabel(paper);
    m_humanRepeatField = stickyLabel(paper, 0.9);
    m_amountDueTitle = stickyLabel(paper, 0.8, true);
    m_amountDueField = stickyLabel(paper, 1.6, true);
    m_amountDueField->setCursor(Qt::PointingHandCursor);
    m_amountDueField->setToolTip(tr("Click to change the amount"));
    m_amountDueField->installEventFilter(this);
    m_incomeAutologText = stickyLabel(paper, 0.85);
    m_incomeAutologText->setText(tr("This income is logged automatically on its pay day."));
    auto* changeDate = new QPushButton(tr("Change Date"), paper);
    changeDate->setFlat(true);
    auto* changeAmount = new QPushButton(tr("Change Amount"), paper);
    changeAmount->setFlat(true);
    SenderTag::set(changeDate, 0);
    SenderTag::set(changeAmount, 1);

    m_payNowButton = colouredButton(tr("Pay Now"), KBButtonTypeOrange, paper);
    m_skipButton = colouredButton(tr("Skip"), KBButtonTypeLightGrey, paper);
    m_logPaymentButtonDetail = colouredButton(tr("Log Payment"), KBButtonTypeGreen, paper);
    SenderTag::set(m_logPaymentButtonDetail, FullPaymentTag);
    m_logPartialPopUp = new BWPopupButton(paper);
    m_logPartialPopUp->addItems({tr("Partial"), tr("Log Partial Payment")});
    m_logPartialPopUp->setKBButtonType(KBButtonTypeTeal);
    SenderTag::set(m_logPartialPopUp, PartialPaymentTag);

    layout->addWidget(m_dueStickerImageView);
    layout->addWidget(m_stickyHumanDueDateField);
    layout->addWidget(m_dueDateField);
    layout->addWidget(m_humanRepeatField);
    layout->addWidget(changeDate, 0, Qt::AlignHCenter);
    layout->addSpacing(6);
    layout->addWidget(m_amountDueTitle);
    layout->addWidget(m_amountDueField);
    layout->addWidget(changeAmount, 0, Qt::AlignHCenter);
    layout->addWidget(m_incomeAutologText);
    auto* logRow = new QHBoxLayout;
    logRow->addWidget(m_logPaymentButtonDetail, 1);
    logRow->addWidget(m_logPartialPopUp);
    layout->addLayout(logRow);
    auto* payRow = new QHBoxLayout;
    payRow->addWidget(m_payNowButton, 1);
    payRow->addWidget(m_skipButton, 1);
    layout->addLayout(payRow);
    layout->addStretch(1);
    outer->addWidget(paper);

    auto* notesTitle = new QHBoxLayout;
    notesTitle->addWidget(hudLabel(tr("Notes"), m_stickyNote, 1.0, true));
    notesTitle->addStretch(1);
    auto* editNotes = new BGHUDButton(tr("Edit"), m_stickyNote);
    notesTitle->addWidget(editNotes);
    outer->addLayout(notesTitle);
    m_notesViewField = new QPlainTextEdit(m_stickyNote);
    m_notesViewField->setFixedHeight(90);
    m_notesViewField->installEventFilter(this);
    outer->addWidget(m_notesViewField);
    m_billTagsList = hudLabel(QString(), m_stickyNote, 0.9);
    m_billTagsList->setWordWrap(true);
    outer->addWidget(m_billTagsList);

    connect(changeDate, &QPushButton::clicked, this, [this, changeDate] { quickEdit(0, changeDate); });
    connect(changeAmount, &QPushButton::clicked, this, [this, changeAmount] { quickEdit(1, changeAmount); });
    connect(editNotes, &QPushButton::clicked, this, &BWBillDetailViewController::quickEditNotes);
    connect(m_skipButton, &QPushButton::clicked, this, [this] { showSkipPaymentPopover(m_skipButton); });
    connect(m_payNowButton, &QPushButton::clicked, this, &BWBillDetailViewController::showWebView);
    connect(m_logPaymentButtonDetail, &QPushButton::clicked, this,
            [this] { emit logPaymentRequested(m_logPaymentButtonDetail); });
    connect(m_logPartialPopUp, &QComboBox::activated, this, [this](int index) {
        m_logPartialPopUp->setCurrentIndex(0);
        if (index > 0)
            emit logPaymentRequested(m_logPartialPopUp);
    });
}

void BWBillDetailViewController::buildPaymentHistory()
{
    m_paymentHistory = new BGHUDView;
    m_paymentHistory->resize(750, 350);
    auto* layout = new QVBoxLayout(m_paymentHistory);
    layout->setContentsMargins(10, 6, 10, 6);

    auto* titleRow = new QHBoxLayout;
    m_paymentHistoryHeader = hudLabel(QString(), m_paymentHistory, 1.1, true);
    m_totalPaidBalanceTitle = hudLabel(QString(), m_paymentHistory);
    m_totalPaidField = hudLabel(QString(), m_paymentHistory, 1.0, true);
    m_viewReceiptButton = new BGHUDButton(tr("View Receipt"), m_paymentHistory);
    m_viewReceiptButton->hide();
    titleRow->addWidget(m_paymentHistoryHeader);
    titleRow->addStretch(1);
    titleRow->addWidget(m_viewReceiptButton);
    titleRow->addWidget(m_totalPaidBalanceTitle);
    titleRow->addWidget(m_totalPaidField);
    layout->addLayout(titleRow);

    m_paymentModel = new QStandardItemModel(0, 4, this);
    m_paymentModel->setHorizontalHeaderLabels({tr("Date Paid"), tr("Amount"), tr("Note"), tr("Receipt")});
    m_paymentTable = new QTableView(m_paymentHistory);
    m_paymentTable->setModel(m_paymentModel);
    m_paymentTable->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_paymentTable->setSelectionMode(QAbstractItemView::SingleSelection);
    m_paymentTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_paymentTable->setShowGrid(false);
    m_paymentTable->setAlternatingRowColors(true);
    m_paymentTable->setWordWrap(false);
    m_paymentTable->verticalHeader()->hide();
    m_paymentTable->horizontalHeader()->setSectionResizeMode(2, QHeaderView::Stretch);
    m_paymentTable->horizontalHeader()->resizeSection(0, 170);
    m_paymentTable->horizontalHeader()->resizeSection(1, 110);
    m_paymentTable->horizontalHeader()->resizeSection(3, 70);
    BWHUDTableStyle::apply(*m_paymentTable);
    connect(m_paymentTable, &QAbstractItemView::doubleClicked, this,
            [this](const QModelIndex& index) { editClickedPayment(index.row()); });
    connect(m_paymentTable->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &BWBillDetailViewController::paymentSelectionChanged);
    connect(m_viewReceiptButton, &QPushButton::clicked, this, &BWBillDetailViewController::viewReceipt);

    // The table and the graph share the pane. The divider keeps 300 points
    // of table and 200 of graph, or collapses either; a double click on it
    // folds the graph away.
    m_splitView = new BWLimitedSplitView(Qt::Vertical, m_paymentHistory);
    m_splitView->addWidget(m_paymentTable);
    m_splitView->addWidget(m_graphViewController->view());
    m_splitView->setDividerLimits(300, 200);
    m_splitView->setCollapsible(0, true);
    m_splitView->setCollapsible(1, true);
    m_splitView->setStretchFactor(0, 3);
    m_splitView->setStretchFactor(1, 2);
    layout->addWidget(m_splitView, 1);
}

QWidget* BWBillDetailViewController::buildStatBox(const QString& title, const QList<StatLine>& lines,
                                                  QWidget* titleButton)
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
        m_statFields.insert(line.field, value);
        auto* caption = new QHBoxLayout;
        caption->setSpacing(4);
        caption->addWidget(hudLabel(line.caption, box, 0.9));
        // A caption's own figure (the year of a total) stays on its line.
        if (!line.captionField.isEmpty()) {
            BGHUDLabel* captionValue = hudLabel(QString(), box, 0.9);
            m_statFields.insert(line.captionField, captionValue);
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
    m_statisticsView = new BGHUDView;
    m_statisticsView->resize(750, StatisticsHeight);
    m_statisticsView->setFixedHeight(StatisticsHeight);
    auto* layout = new QHBoxLayout(m_statisticsView);
    layout->setContentsMargins(4, 4, 4, 4);
    // The strip moves box by box with the arrows beside it.
    auto* back = colouredButton(QStringLiteral("\u2039"), KBButtonTypeNearBlack, m_statisticsView);
    auto* forward = colouredButton(QStringLiteral("\u203A"), KBButtonTypeNearBlack, m_statisticsView);
    for (KBButton* arrow : {back, forward}) {
        arrow->setFixedWidth(24);
        m_statArrows.append(arrow);
    }
    back->setToolTip(tr("Previous Figures"));
    forward->setToolTip(tr("Next Figures"));
    // The strip's host: the strip takes the part of it that whole boxes fill.
    m_statsHost = new QWidget(m_statisticsView);
    auto* hostLayout = new QHBoxLayout(m_statsHost);
    hostLayout->setContentsMargins(0, 0, 0, 0);
    m_statsScrollView = new QScrollArea(m_statsHost);
    hostLayout->addWidget(m_statsScrollView, 0, Qt::AlignHCenter);
    m_statsScrollView->setFrameShape(QFrame::NoFrame);
    m_statsScrollView->setWidgetResizable(false);
    m_statsScrollView->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_statsScrollView->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    BWHUDTableStyle::applyToScrollArea(*m_statsScrollView);
    m_statsHost->installEventFilter(this);
    connect(m_statsScrollView->horizontalScrollBar(), &QScrollBar::valueChanged, this,
            &BWBillDetailViewController::showOnlyWholeStatBoxes);
    layout->addWidget(back);
    layout->addWidget(m_statsHost, 1);
    layout->addWidget(forward);
    connect(back, &QPushButton::clicked, this, &BWBillDetailViewController::switchStatPositionBack);
    connect(forward, &QPushButton::clicked, this, &BWBillDetailViewController::switchStatPositionForward);

    m_statPaymentBox = buildStatBox(tr("Payments"), {{QStringLiteral("averagePaymentAmt"), tr("Average")},
                                                     {QStringLiteral("highestPaymentAmt"), tr("Highest")},
                                                     {QStringLiteral("highestPaymentDate"), QString()},
                                                     {QStringLiteral("lowestPaymentAmt"), tr("Lowest")},
                                                     {QStringLiteral("lowestPaymentDate"), QString()}});
    m_statsYearBox = buildStatBox(tr("Totals"), {{QStringLiteral("totalAll"), tr("All Time")},
                                                 {QStringLiteral("totalThis"), tr("This Year"),
                                                  QStringLiteral("thisYearDate")},
                                                 {QStringLiteral("totalLast"), tr("Last Year"),
                                                  QStringLiteral("lastYearDate")}});
    KBButton* editBalance = colouredButton(tr("Edit"), KBButtonTypeNearBlack, nullptr);
    editBalance->setFixedHeight(20);
    m_statBalanceBox = buildStatBox(tr("Balance"),
                                    {{QStringLiteral("balanceDisplayField"), tr("Balance")},
                                     {QStringLiteral("escrowDisplayField"), tr("Escrow")},
                                     {QStringLiteral("interestDisplayField"), tr("Interest")}},
                                    editBalance);
    m_statSeasonsBox = buildStatBox(tr("Seasons"), {{QStringLiteral("seasonWinter"), tr("Winter")},
                                                    {QStringLiteral("seasonSpring"), tr("Spring")},
                                                    {QStringLiteral("seasonSummer"), tr("Summer")},
                                                    {QStringLiteral("seasonFall"), tr("Fall")}});
    // The bars: the two years side by side in the totals box, and how much of
    // the debt is paid along the balance box's foot.
    m_lastYearGraph = barLabel(m_statsYearBox, QColor(142, 142, 153));
    m_thisYearGraph = barLabel(m_statsYearBox, QColor(218, 112, 214));
    m_balanceGraph = barLabel(m_statBalanceBox, QColor(52, 199, 89));
    m_statsYearBox->layout()->setContentsMargins(10, 8, 60, 8);
    m_lastYearGraph->setGeometry(StatBoxWidth - 46, 165, 14, 0);
    m_thisYearGraph->setGeometry(StatBoxWidth - 26, 165, 14, 0);
    m_balanceGraph->setGeometry(18, 150, 0, 12);
    connect(editBalance, &QPushButton::clicked, this, [this, editBalance] { this->editBalance(editBalance); });
}

// The browser pane, which slides up over the page for a pay site. It starts
// the web engine only when it first shows a site.
void BWBillDetailViewController::buildWebViewContainer()
{
    m_webViewContainer = new BGHUDView;
    m_webViewContainer->resize(1000, 580);
    auto* layout = new QVBoxLayout(m_webViewContainer);
    layout->setContentsMargins(0, 0, 0, 0);
    m_webPane = new BWWebPane(m_webViewContainer);
    layout->addWidget(m_webPane);
    m_webViewContainer->hide();
    connect(m_webPane, &BWWebPane::closeRequested, this, &BWBillDetailViewController::hideWebView);
    connect(m_webPane, &BWWebPane::openInBrowserRequested, this, &BWBillDetailViewController::openWebsiteInBrowser);
    connect(m_webPane, &BWWebPane::engineFailed, this, [this] {
        if (const std::optional<QUrl> url = shownPaySite())
            openInDesktopBrowser(*url);
    });
}

void BWBillDetailViewController::buildPopovers()
{
    QWidget* owner = m_billHeader;

    m_skipPaymentPopover = popoverWindow(tr("Skip Payment"), owner);
    {
        auto* layout = new QVBoxLayout(m_skipPaymentPopover);
        m_skipQuestion = hudLabel(QString(), m_skipPaymentPopover);
        layout->addWidget(m_skipQuestion);
        auto* cancel = cancelButton(m_skipPaymentPopover);
        auto* confirm = colouredButton(tr("Skip Payment"), KBButtonTypeOrange, m_skipPaymentPopover);
        layout->addLayout(buttonRow({cancel, confirm}));
        connect(cancel, &QPushButton::clicked, this, &BWBillDetailViewController::cancelSkipPayment);
        connect(confirm, &QPushButton::clicked, this, &BWBillDetailViewController::skipPayment);
    }

    m_paymentEditorPopover = popoverWindow(tr("Edit Payment"), owner);
    {
        auto* form = new QFormLayout(m_paymentEditorPopover);
        m_revDatePaid = new KNPopUpDatePicker(m_paymentEditorPopover);
        m_revAmtPaid = new BGHUDTextField(m_paymentEditorPopover);
        m_revNotePaid = new BGHUDTextField(m_paymentEditorPopover);
        m_revReceipt = new BGHUDButton(QString(), m_paymentEditorPopover);
        m_removeReceiptButton = new BGHUDButton(tr("Remove Receipt"), m_paymentEditorPopover);
        auto* remove = colouredButton(tr("Delete Payment"), KBButtonTypeRed, m_paymentEditorPopover);
        auto* cancel = cancelButton(m_paymentEditorPopover);
        auto* save = colouredButton(tr("Save"), KBButtonTypeGreen, m_paymentEditorPopover);
        form->addRow(hudLabel(tr("Date Paid:"), m_paymentEditorPopover), m_revDatePaid);
        form->addRow(hudLabel(tr("Amount:"), m_paymentEditorPopover), m_revAmtPaid);
        form->addRow(hudLabel(tr("Note:"), m_paymentEditorPopover), m_revNotePaid);
        auto* receiptRow = new QHBoxLayout;
        receiptRow->addWidget(m_revReceipt, 1);
        receiptRow->addWidget(m_removeReceiptButton);
        form->addRow(hudLabel(tr("Receipt:"), m_paymentEditorPopover), receiptRow);
        auto* buttons = buttonRow({cancel, save});
        buttons->insertWidget(0, remove);
        form->addRow(buttons);
        connect(m_revReceipt, &QPushButton::clicked, this, &BWBillDetailViewController::attachReceipt);
        connect(m_removeReceiptButton, &QPushButton::clicked, this, &BWBillDetailViewController::removeReceipt);
        connect(remove, &QPushButton::clicked, this, &BWBillDetailViewController::askToDeleteClickedPayment);
        connect(cancel, &QPushButton::clicked, this, [this] { closePopover(m_paymentEditorPopover); });
        connect(save, &QPushButton::clicked, this, &BWBillDetailViewController::saveClickedPayment);
    }

    m_stickyEditorPopover = popoverWindow(tr("Quick Edit"), owner);
    {
        auto* layout = new QVBoxLayout(m_stickyEditorPopover);
        m_revisionTabView = new QTabWidget(m_stickyEditorPopover);
        m_revisedStickyDate = new KNPopUpDatePicker;
        m_revisedStickyAmount = new BGHUDTextField;
        m_revisionTabView->addTab(m_revisedStickyDate, tr("Due Date"));
        m_revisionTabView->addTab(m_revisedStickyAmount, tr("Amount"));
        auto* cancel = cancelButton(m_stickyEditorPopover);
        auto* save = colouredButton(tr("Save"), KBButtonTypeGreen, m_stickyEditorPopover);
        layout->addWidget(m_revisionTabView);
        layout->addLayout(buttonRow({cancel, save}));
        connect(cancel, &QPushButton::clicked, this, [this] { closePopover(m_stickyEditorPopover); });
        connect(save, &QPushButton::clicked, this, &BWBillDetailViewController::saveQuickEdits);
    }

    m_notesEditorPopover = popoverWindow(tr("Notes"), owner);
    {
        auto* layout = new QVBoxLayout(m_notesEditorPopover);
        m_notesEditField = new QPlainTextEdit(m_notesEditorPopover);
        auto* cancel = cancelButton(m_notesEditorPopover);
        auto* save = colouredButton(tr("Save"), KBButtonTypeGreen, m_notesEditorPopover);
        layout->addWidget(m_notesEditField);
        layout->addLayout(buttonRow({cancel, save}));
        connect(cancel, &QPushButton::clicked, this, &BWBillDetailViewController::cancelQuickEditNotes);
        connect(save, &QPushButton::clicked, this, &BWBillDetailViewController::saveQuickEditNotes);
    }

    m_balancePopover = popoverWindow(tr("Balance"), owner);
    {
        auto* form = new QFormLayout(m_balancePopover);
        m_balanceEditField = new BGHUDTextField(m_balancePopover);
        m_interestRateField = new BGHUDTextField(m_balancePopover);
        m_escrowEditField = new BGHUDTextField(m_balancePopover);
        auto* cancel = cancelButton(m_balancePopover);
        auto* save = colouredButton(tr("Save"), KBButtonTypeGreen, m_balancePopover);
        form->addRow(hudLabel(tr("Balance:"), m_balancePopover), m_balanceEditField);
        form->addRow(hudLabel(tr("Interest Rate (%):"), m_balancePopover), m_interestRateField);
        form->addRow(hudLabel(tr("Escrow:"), m_balancePopover), m_escrowEditField);
        form->addRow(buttonRow({cancel, save}));
        connect(cancel, &QPushButton::clicked, this, [this] { closePopover(m_balancePopover); });
        connect(save, &QPushButton::clicked, this, &BWBillDetailViewController::saveBalanceChanges);
    }
}
