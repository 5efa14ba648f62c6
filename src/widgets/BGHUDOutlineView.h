#pragma once

#include "BGThemeKeyed.h"

#include <QTreeView>

class BGHUDItemViewLook;
class BGHUDTableCornerView;
class BGHUDTableHeaderView;

// A tree of rows in the HUD look, coloured like the HUD table: rows,
// selection, editors, header row and corner view follow the theme.
class BGHUDOutlineView : public QTreeView, public BGThemeKeyed {
    Q_OBJECT
public:
    explicit BGHUDOutlineView(QWidget* parent = nullptr);

    BGHUDTableHeaderView* hudHeader() const { return header_; }
    BGHUDTableCornerView* cornerView() const;
    const BGHUDItemViewLook& look() const { return *look_; }

    // The key reaches the header and the corner view too.
    void setThemeKey(const QString& key);

private:
    BGHUDTableHeaderView* header_;
    BGHUDItemViewLook* look_;
};
