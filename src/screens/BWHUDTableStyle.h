#pragma once

class QAbstractItemView;
class QAbstractScrollArea;

// The dark look of the widget kit's theme for a table: the theme's
// alternating rows, text colour and selection highlight.
namespace BWHUDTableStyle {

void apply(QAbstractItemView& table);
// The dark pane colour behind a scrolling strip of HUD views.
void applyToScrollArea(QAbstractScrollArea& area);

}  // namespace BWHUDTableStyle
