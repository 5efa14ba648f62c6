#include "BWFocusFrame.h"

#include "BGTheme.h"
#include "BGThemeManager.h"

#include <QPainter>
#include <QWidget>

namespace BWFocusFrame {

namespace {

constexpr qreal OuterWidth = 2.0;
constexpr qreal InnerWidth = 1.0;
constexpr qreal CornerRadius = 3.0;

}  // namespace

QColor innerColor()
{
    return QColor(Qt::black);
}

void paint(QPainter& painter, const QWidget& control, const QRectF& bounds)
{
    if (!control.hasFocus())
        return;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(Qt::NoBrush);
    const qreal outer = OuterWidth / 2;
    painter.setPen(QPen(BGThemeManager::keyedManager().themeForKey(QString())->focusFrameColor(), OuterWidth));
    painter.drawRoundedRect(bounds.adjusted(outer, outer, -outer, -outer), CornerRadius, CornerRadius);
    const qreal inner = OuterWidth + InnerWidth / 2;
    painter.setPen(QPen(innerColor(), InnerWidth));
    painter.drawRoundedRect(bounds.adjusted(inner, inner, -inner, -inner), CornerRadius, CornerRadius);
    painter.restore();
}

void paint(QPainter& painter, const QWidget& control)
{
    paint(painter, control, QRectF(control.rect()));
}

}  // namespace BWFocusFrame
