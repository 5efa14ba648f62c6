#include "BGHUDTabView.h"

#include "BGHUDTabBar.h"
#include "BGHUDTabViewItem.h"

BGHUDTabView::BGHUDTabView(QWidget* parent)
    : QTabWidget(parent), tabBar_(new BGHUDTabBar(this))
{
    setTabBar(tabBar_);
    setDocumentMode(true);
    tabBar_->cell().setThemeKey(themeKey());
}

int BGHUDTabView::addTabViewItem(BGHUDTabViewItem* item)
{
    connect(item, &BGHUDTabViewItem::labelChanged, this, [this, item](const QString& label) {
        setTabText(indexOf(item), label);
    });
    return addTab(item, item->label());
}

BGHUDTabViewItem* BGHUDTabView::addItem(const QString& label, QWidget* content)
{
    auto* item = new BGHUDTabViewItem(label);
    item->setView(content);
    addTabViewItem(item);
    return item;
}

BGHUDTabViewItem* BGHUDTabView::tabViewItem(int index) const
{
    return qobject_cast<BGHUDTabViewItem*>(widget(index));
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
