#include "BGHUDTableView.h"

#include "BGHUDTableHeaderView.h"

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
