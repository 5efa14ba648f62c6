#include "BGHUDTableCornerView.h"

#include "BWFlippedGeometry.h"

#include <QPainter>

BGHUDTableCornerView::BGHUDTableCornerView(const QString& themeKey, QWidget* parent)
    : QWidget(parent)
{
    setThemeKey(themeKey);
}

void BGHUDTableCornerView::paintEvent(QPaintEvent*)
{
    const auto theme = this->theme();
    QPainter painter(this);
    const QRectF bounds(rect());
    painter.fillRect(bounds, theme->tableHeaderCellBorderColor());
    theme->tableHeaderCellNormalFill().fillRect(painter, bounds.adjusted(1, 1, -1, -1),
                                               BWFlippedGeometry::angleToScreen(270));
}
