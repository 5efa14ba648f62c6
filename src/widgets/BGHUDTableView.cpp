#include "BGHUDTableView.h"

#include "BGHUDItemViewLook.h"
#include "BGHUDTableHeaderView.h"

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
