#include "BGHUDOutlineView.h"

#include "BGHUDTableHeaderView.h"

BGHUDOutlineView::BGHUDOutlineView(QWidget* parent)
    : QTreeView(parent)
{
    // The HUD header replaces Qt's and keeps its font and behaviour.
    auto* hud = new BGHUDTableHeaderView(Qt::Horizontal, this);
    hud->setFont(header()->font());
    hud->setSectionsClickable(header()->sectionsClickable());
    hud->setSectionsMovable(header()->sectionsMovable());
    hud->setStretchLastSection(header()->stretchLastSection());
    setHeader(hud);
    takeHUDLook(this, hud);
}
