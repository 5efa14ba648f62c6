#include "BGHUDBox.h"

#include "BWFlippedGeometry.h"

#include <QPainter>
#include <QPainterPath>

BGHUDBox::BGHUDBox(QWidget* parent)
    : QFrame(parent)
{
    setBoxType(Primary);
}

void BGHUDBox::setBoxType(BoxType type)
{
    boxType_ = type;
    // A custom box paints everything itself; the others are Qt's panel.
    setFrameShape(type == Custom ? QFrame::NoFrame : QFrame::StyledPanel);
}

qreal BGHUDBox::ownGradientAngle() const
{
    return BWFlippedGeometry::angleToScreen(flipGradient() ? 90.0 : 270.0);
}

void BGHUDBox::paintEvent(QPaintEvent* event)
{
    if (boxType_ != Custom) {
        QFrame::paintEvent(event);
        return;
    }
    QPainter painter(this);
    const QRectF area = contentsRect();
    if (useTheme())
        drawThemed(painter, area);
    else if (cornerRadius_ > 0)
        drawRounded(painter, area);
    else
        drawSquare(painter, area);
}

void BGHUDBox::drawThemed(QPainter& painter, const QRectF& area) const
{
    const auto theme = this->theme();
    if (!transparent_)
        theme->normalGradient().fillRect(painter, area, BWFlippedGeometry::angleToScreen(90.0));
    strokeFrame(painter, area, theme->strokeColor());
}

void BGHUDBox::drawRounded(QPainter& painter, const QRectF& area) const
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath path;
    path.addRoundedRect(area, cornerRadius_, cornerRadius_);
    // A rounded box keeps its fill even when transparent.
    ownGradient().fillPath(painter, path, ownGradientAngle());
    if (borderType_ != NoBorder)
        painter.strokePath(path, QPen(borderColor(), outlineWidth()));
    painter.restore();
}

void BGHUDBox::drawSquare(QPainter& painter, const QRectF& area) const
{
    if (!transparent_)
        ownGradient().fillRect(painter, area, ownGradientAngle());
    drawEdges(painter, area, height());
}
