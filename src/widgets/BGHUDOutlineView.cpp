#include "BGHUDOutlineView.h"

#include "BGHUDItemViewLook.h"
#include "BGHUDTableHeaderView.h"

BGHUDOutlineView::BGHUDOutlineView(QWidget* parent)
    : QTreeView(parent), header_(new BGHUDTableHeaderView(Qt::Horizontal, this))
{
    // The HUD header replaces Qt's and keeps its font and behaviour.
    header_->setFont(header()->font());
    header_->setSectionsClickable(header()->sectionsClickable());
    header_->setSectionsMovable(header()->sectionsMovable());
    header_->setStretchLastSection(header()->stretchLastSection());
    setHeader(header_);
    look_ = new BGHUDItemViewLook(this, *this, header_);
}

BGHUDTableCornerView* BGHUDOutlineView::cornerView() const
{
    return look_->cornerView();
}

void BGHUDOutlineView::setThemeKey(const QString& key)
{
    BGThemeKeyed::setThemeKey(key);
    look_->themeKeyChanged();
}
