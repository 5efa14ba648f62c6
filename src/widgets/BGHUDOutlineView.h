#pragma once

#include "BGHUDItemView.h"

#include <QTreeView>

// A tree of rows in the HUD look, coloured like the HUD table: rows,
// selection, editors, header row and corner view follow the theme.
class BGHUDOutlineView : public QTreeView, public BGHUDItemView {
    Q_OBJECT
public:
    explicit BGHUDOutlineView(QWidget* parent = nullptr);
};
