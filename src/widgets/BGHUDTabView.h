#pragma once

#include "BGThemeKeyed.h"

#include <QTabWidget>

class BGHUDTabBar;
class BGHUDTabViewItem;

// A tab view in the HUD look: its tabs are a HUD segmented control above
// the pages, which are drawn without a frame. Changing tabs is immediate.
// Its pages are tab view items: each tab shows its item's label in the
// item's label colour.
class BGHUDTabView : public QTabWidget, public BGThemeKeyed {
    Q_OBJECT
public:
    explicit BGHUDTabView(QWidget* parent = nullptr);

    BGHUDTabBar* hudTabBar() const { return tabBar_; }

    // Adds a page; the tab follows the item's label.
    int addTabViewItem(BGHUDTabViewItem* item);
    // Adds a page holding `content` under `label` and returns its item.
    BGHUDTabViewItem* addItem(const QString& label, QWidget* content);
    // The item of a page; null for an index out of range.
    BGHUDTabViewItem* tabViewItem(int index) const;

    // The key reaches the tab strip too.
    void setThemeKey(const QString& key);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    BGHUDTabBar* tabBar_;
};
