#pragma once

#include "BGThemeKeyed.h"

#include <QTableView>

class BGHUDItemViewLook;
class BGHUDTableCornerView;
class BGHUDTableHeaderView;

// A table in the HUD look: transparent or alternating rows, selection,
// editor fill and text in the theme's colours, a HUD header row and a HUD
// corner view above the vertical scroll bar. Everything else is Qt's.
class BGHUDTableView : public QTableView, public BGThemeKeyed {
    Q_OBJECT
public:
    explicit BGHUDTableView(QWidget* parent = nullptr);

    BGHUDTableHeaderView* hudHeader() const { return header_; }
    BGHUDTableCornerView* cornerView() const;
    const BGHUDItemViewLook& look() const { return *look_; }

    // The key reaches the header and the corner view too.
    void setThemeKey(const QString& key);

private:
    BGHUDTableHeaderView* header_;
    BGHUDItemViewLook* look_;
};
