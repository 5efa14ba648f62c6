#pragma once

#include "BGHUDItemView.h"

#include <QTableView>

// A table in the HUD look: transparent or alternating rows, selection,
// editor fill and text in the theme's colours, a HUD header row and a HUD
// corner view above the vertical scroll bar. Everything else is Qt's.
class BGHUDTableView : public QTableView, public BGHUDItemView {
    Q_OBJECT
public:
    explicit BGHUDTableView(QWidget* parent = nullptr);

    enum class SelectionHighlightStyle { Regular, SourceList };
    SelectionHighlightStyle selectionHighlightStyle() const;
    void setSelectionHighlightStyle(SelectionHighlightStyle style);

protected:
    void paintEvent(QPaintEvent* event) override;
    // Reached by Tab with nothing selected, the table selects its current
    // row (the first when there is none): the keys then act on a row at once.
    void focusInEvent(QFocusEvent* event) override;
};
