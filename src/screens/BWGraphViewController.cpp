#include "screens/BWGraphViewController.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QScrollArea>
#include <QScrollBar>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>

#include "screens/BWBarGraphView.h"
#include "screens/BWGraphCellView.h"
#include "screens/BWHUDTableStyle.h"
#include "screens/BWTransparentView.h"
#include "widgets/BWPopupButton.h"
#include "widgets/KBButtonCell.h"

namespace {

constexpr int ColumnWidth = 44;
// Room under each bar for its label, and the row's margin.
constexpr int LabelRoom = 36;
constexpr int RowMargin = 2;
constexpr int BarInset = 12;
constexpr int ByMonth = 0;
constexpr int MinimumRowHeight = 100;

}  // namespace

BWGraphViewController::BWGraphViewController(const BWStoreEnvironment& env, QObject* parent)
    : QObject(parent), m_env(env)
{
    buildView();
}

BWGraphViewController::~BWGraphViewController()
{
    if (m_view && !m_view->parent())
        delete m_view.data();
}

void BWGraphViewController::buildView()
{
    m_view = new BWBarGraphView;
    auto* layout = new QVBoxLayout(m_view);
    layout->setContentsMargins(8, 4, 8, 4);
    layout->setSpacing(4);

    m_graphTypePopup = new BWPopupButton(m_view);
    m_graphTypePopup->addItems({tr("By Month"), tr("By Payment")});
    m_graphTypePopup->setKBButtonType(KBButtonTypeLightGrey);
    connect(m_graphTypePopup, &QComboBox::activated, this, [this] { prepareGraph(); });
    auto* top = new QHBoxLayout;
    top->addWidget(new QLabel(tr("Payment Graph"), m_view));
    top->addStretch(1);
    top->addWidget(m_graphTypePopup);
    layout->addLayout(top);

    m_graphScrollView = new QScrollArea(m_view);
    m_graphScrollView->setFrameShape(QFrame::NoFrame);
    m_graphScrollView->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_graphScrollView->setWidgetResizable(false);
    BWHUDTableStyle::applyToScrollArea(*m_graphScrollView);
    m_graphTableView = new BWTransparentView;
    auto* row = new QHBoxLayout(m_graphTableView);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    for (int column = 1; column <= BWMonthlyGraphManager::ColumnCount; ++column) {
        auto* cell = new BWGraphCellView(BWMonthlyGraphManager::columnIdentifier(column), m_graphTableView);
        cell->setFixedWidth(ColumnWidth);
        row->addWidget(cell);
        m_cells.append(cell);
    }
    m_graphTableView->resize(ColumnWidth * BWMonthlyGraphManager::ColumnCount, 120);
    m_graphScrollView->setWidget(m_graphTableView);
    m_graphScrollView->setMinimumHeight(MinimumRowHeight);
    m_graphScrollView->viewport()->installEventFilter(this);
    layout->addWidget(m_graphScrollView, 1);
}

void BWGraphViewController::prepareGraph()
{
    const BWMonthlyGraphManager manager(m_env);
    m_dataSource = m_graphTypePopup->currentIndex() == ByMonth ? manager.listOfPaymentsByMonthForBill(m_bill)
                                                               : manager.listOfPaymentsByPaymentForBill(m_bill);
    fillColumns();
    scrollNewestIntoView();
}

void BWGraphViewController::fillColumns()
{
    if (!m_dataSource)
        return;
    const BWMonthlyGraphManager::GraphRow& row = *m_dataSource;
    for (BWGraphCellView* cell : std::as_const(m_cells)) {
        const int index = BWMonthlyGraphManager::indexForColumn(cell->identifier());
        cell->textField()->setText(row.labels.value(index));
        cell->setToolTip(row.amounts.value(index));
        cell->setBar(row.images.value(index), returnNewSizeWithHeightMultiplier(row.heights.value(index)));
    }
}

int BWGraphViewController::rowHeight() const
{
    return m_graphTableView->height() - RowMargin;
}

QSize BWGraphViewController::returnNewSizeWithHeightMultiplier(double fraction) const
{
    const int barRoom = std::max(0, rowHeight() - LabelRoom);
    return QSize(ColumnWidth - BarInset, int(barRoom * std::clamp(fraction, 0.0, 1.0)));
}

void BWGraphViewController::graphResizing()
{
    m_graphTableView->hide();
}

void BWGraphViewController::updateGraphHeight()
{
    const int height = m_graphScrollView->viewport()->height();
    m_graphTableView->resize(m_graphTableView->width(), std::max(height, LabelRoom + RowMargin));
    fillColumns();
    scrollNewestIntoView();
    m_graphTableView->show();
}

bool BWGraphViewController::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_graphScrollView->viewport() && event->type() == QEvent::Resize
        && m_graphTableView->isVisibleTo(m_view))
        updateGraphHeight();
    return QObject::eventFilter(watched, event);
}

// Once the row is laid out, so that the scroll bar knows its full length.
void BWGraphViewController::scrollNewestIntoView()
{
    QTimer::singleShot(0, this, [this] {
        QScrollBar* bar = m_graphScrollView->horizontalScrollBar();
        bar->setValue(bar->maximum());
    });
}
