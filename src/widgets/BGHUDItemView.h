#pragma once

#include "BGThemeKeyed.h"

class BGHUDItemViewLook;
class BGHUDTableCornerView;
class BGHUDTableHeaderView;
class QAbstractItemView;

// What the HUD table and outline views add to their Qt view: the theme key,
// the HUD header row, and the look they share (rows, selection, editors and
// the corner view in the theme's colours).
class BGHUDItemView : public BGThemeKeyed {
public:
    BGHUDTableHeaderView* hudHeader() const { return header_; }
    BGHUDTableCornerView* cornerView() const;
    const BGHUDItemViewLook& look() const { return *look_; }

    // The key reaches the header and the corner view too.
    void setThemeKey(const QString& key);

protected:
    BGHUDItemViewLook& lookToChange() { return *look_; }
    // Gives `view` (this object itself) the HUD look over its HUD header.
    void takeHUDLook(QAbstractItemView* view, BGHUDTableHeaderView* header);

private:
    BGHUDTableHeaderView* header_ = nullptr;
    BGHUDItemViewLook* look_ = nullptr;
};
