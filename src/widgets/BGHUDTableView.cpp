#include "BGHUDTableView.h"

#include "BGHUDItemViewLook.h"
#include "BGHUDTableHeaderView.h"

BGHUDTableView::BGHUDTableView(QWidget* parent)
    : QTableView(parent), header_(new BGHUDTableHeaderView(Qt::Horizontal, this))
{
    // The HUD header replaces Qt's and keeps its font.
    header_->setFont(horizontalHeader()->font());
    header_->setSectionsClickable(horizontalHeader()->sectionsClickable());
    setHorizontalHeader(header_);
    look_ = new BGHUDItemViewLook(this, *this, header_);
}

BGHUDTableCornerView* BGHUDTableView::cornerView() const
{
    return look_->cornerView();
}

void BGHUDTableView::setThemeKey(const QString& key)
{
    BGThemeKeyed::setThemeKey(key);
    look_->themeKeyChanged();
}
