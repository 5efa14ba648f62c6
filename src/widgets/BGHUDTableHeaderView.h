#pragma once

#include "BGHUDTableViewHeaderCell.h"

#include <QHeaderView>

// The header row of a HUD table: every section is drawn by the one
// BGHUDTableViewHeaderCell, given the section's title, alignment and state.
// Clicking, sorting, resizing and moving stay Qt's.
class BGHUDTableHeaderView : public QHeaderView {
    Q_OBJECT
public:
    explicit BGHUDTableHeaderView(Qt::Orientation orientation, QWidget* parent = nullptr);

    BGHUDTableViewHeaderCell& cell() { return cell_; }
    const BGHUDTableViewHeaderCell& cell() const { return cell_; }

protected:
    void paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const override;

private:
    // The one cell paints every section, each with its own title.
    mutable BGHUDTableViewHeaderCell cell_;
};
