#pragma once

#include "BGThemeKeyed.h"

#include <QTableView>

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
    BGHUDTableCornerView* cornerView() const { return corner_; }

    // The key reaches the header and the corner view too.
    void setThemeKey(const QString& key);

    // The table's colours from the theme: rows, selection and text, and an
    // editor's fill and text. `alternating` says whether rows alternate.
    QPalette themePalette(const QPalette& base, bool alternating) const;
    QPalette editorPalette(const QPalette& base) const;

protected:
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void updateGeometries() override;

private:
    void applyThemePalette();

    BGHUDTableHeaderView* header_;
    BGHUDTableCornerView* corner_;
};
