#include "BGHUDTableView.h"

#include "BGHUDItemViewLook.h"
#include "BGHUDTableHeaderView.h"

#include <QFocusEvent>
#include <QPainter>

BGHUDTableView::BGHUDTableView(QWidget* parent)
    : QTableView(parent)
{
    // The HUD header replaces Qt's and keeps its font.
    auto* hud = new BGHUDTableHeaderView(Qt::Horizontal, this);
    hud->setFont(horizontalHeader()->font());
    hud->setSectionsClickable(horizontalHeader()->sectionsClickable());
    setHorizontalHeader(hud);
    takeHUDLook(this, hud);
    // Tab goes on to the next control; the arrow keys move within the table.
    setTabKeyNavigation(false);
}

BGHUDTableView::SelectionHighlightStyle BGHUDTableView::selectionHighlightStyle() const
{
    return look().sourceListHighlight() ? SelectionHighlightStyle::SourceList : SelectionHighlightStyle::Regular;
}

void BGHUDTableView::setSelectionHighlightStyle(SelectionHighlightStyle style)
{
    lookToChange().setSourceListHighlight(style == SelectionHighlightStyle::SourceList);
}

void BGHUDTableView::paintEvent(QPaintEvent* event)
{
    QTableView::paintEvent(event);
    QPainter painter(viewport());
    look().drawSourceListLines(painter);
}

void BGHUDTableView::focusInEvent(QFocusEvent* event)
{
    QTableView::focusInEvent(event);
    const bool byTab = event->reason() == Qt::TabFocusReason || event->reason() == Qt::BacktabFocusReason;
    if (!byTab || !model() || !selectionModel() || selectionMode() == NoSelection || selectionModel()->hasSelection())
        return;
    const QModelIndex current = currentIndex().isValid() ? currentIndex() : model()->index(0, 0);
    QItemSelectionModel::SelectionFlags select = QItemSelectionModel::ClearAndSelect;
    if (selectionBehavior() == SelectRows)
        select |= QItemSelectionModel::Rows;
    if (current.isValid())
        selectionModel()->setCurrentIndex(current, select);
}
