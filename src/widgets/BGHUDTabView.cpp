#include "BGHUDTabView.h"

#include "BGHUDTabBar.h"

BGHUDTabView::BGHUDTabView(QWidget* parent)
    : QTabWidget(parent), tabBar_(new BGHUDTabBar(this))
{
    setTabBar(tabBar_);
    setDocumentMode(true);
    tabBar_->cell().setThemeKey(themeKey());
}

void BGHUDTabView::setThemeKey(const QString& key)
{
    BGThemeKeyed::setThemeKey(key);
    tabBar_->cell().setThemeKey(key);
    tabBar_->update();
}

void BGHUDTabView::paintEvent(QPaintEvent*)
{
    // The pages sit on whatever is behind the view; no platform frame.
}
