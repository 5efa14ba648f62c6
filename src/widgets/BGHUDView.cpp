#include "BGHUDView.h"

#include "BWFlippedGeometry.h"

#include <QPainter>

BGHUDView::BGHUDView(QWidget* parent)
    : QWidget(parent)
{
}

qreal BGHUDView::ownGradientAngle() const
{
    const qreal themeAngle = theme()->gradientAngle();
    return BWFlippedGeometry::angleToScreen(flipGradient() ? themeAngle : 360.0 - themeAngle);
}

void BGHUDView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QRectF bounds = rect();
    if (useTheme()) {
        const auto theme = this->theme();
        theme->normalGradient().fillRect(painter, bounds,
                                         BWFlippedGeometry::angleToScreen(theme->gradientAngle()));
        strokeFrame(painter, bounds, theme->strokeColor());
        return;
    }
    ownGradient().fillRect(painter, bounds, ownGradientAngle());
    drawEdges(painter, bounds, height());
}
