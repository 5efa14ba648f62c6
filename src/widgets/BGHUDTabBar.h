#pragma once

#include "BGHUDSegmentedCell.h"

#include <QTabBar>

class BGHUDTabViewItem;

// The tab strip of a HUD tab view, drawn as a rounded HUD segmented control
// with one segment per tab. Selecting, keys and accessibility stay Qt's.
class BGHUDTabBar : public QTabBar {
    Q_OBJECT
public:
    explicit BGHUDTabBar(QWidget* parent = nullptr);

    BGHUDSegmentedCell& cell() { return cell_; }

protected:
    QSize tabSizeHint(int index) const override;
    void paintEvent(QPaintEvent* event) override;

private:
    void syncCellWithTabs();
    const BGHUDTabViewItem* itemAt(int index) const;

    BGHUDSegmentedCell cell_;
};
