#include "BGHUDItemView.h"

#include "BGHUDItemViewLook.h"

BGHUDTableCornerView* BGHUDItemView::cornerView() const
{
    return look_->cornerView();
}

void BGHUDItemView::setThemeKey(const QString& key)
{
    BGThemeKeyed::setThemeKey(key);
    look_->themeKeyChanged();
}

void BGHUDItemView::takeHUDLook(QAbstractItemView* view, BGHUDTableHeaderView* header)
{
    header_ = header;
    look_ = new BGHUDItemViewLook(view, *this, header);
}
