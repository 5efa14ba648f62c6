#pragma once

#include "BGThemeKeyed.h"

#include <QTabWidget>

class BGHUDTabBar;

// A tab view in the HUD look: its tabs are a HUD segmented control above
// the pages, which are drawn without a frame. Changing tabs is immediate.
class BGHUDTabView : public QTabWidget, public BGThemeKeyed {
    Q_OBJECT
public:
    explicit BGHUDTabView(QWidget* parent = nullptr);

    BGHUDTabBar* hudTabBar() const { return tabBar_; }

    // The key reaches the tab strip too.
    void setThemeKey(const QString& key);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    BGHUDTabBar* tabBar_;
};
