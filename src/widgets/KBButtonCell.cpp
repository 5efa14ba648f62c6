#include "KBButtonCell.h"

#include "BGGradient.h"
#include "BWColorConversion.h"

#include <QPainter>
#include <QPainterPath>

void KBButtonCell::setKBButtonType(std::int32_t type)
{
    if (type < KBButtonTypeLightGrey || type > KBButtonTypeNearBlack)
        return;
    kbButtonType_ = KBButtonType(type);
}

QColor KBButtonCell::getColorForButtonType() const
{
    switch (kbButtonType_) {
    case KBButtonTypeBlue:
        return QColor::fromRgbF(0.00f, 0.33f, 0.80f);
    case KBButtonTypeTeal:
        return QColor::fromRgbF(0.18f, 0.59f, 0.71f);
    case KBButtonTypeGreen:
        return QColor::fromRgbF(0.32f, 0.64f, 0.32f);
    case KBButtonTypeOrange:
        return QColor::fromRgbF(0.97f, 0.58f, 0.02f);
    case KBButtonTypeRed:
        return QColor::fromRgbF(0.74f, 0.21f, 0.18f);
    case KBButtonTypeNearBlack:
        return QColor::fromRgbF(0.13f, 0.13f, 0.13f);
    case KBButtonTypeLightGrey:
        break;
    }
    return QColor::fromRgbF(0.85f, 0.85f, 0.85f);
}

QColor KBButtonCell::titleColor() const
{
    return BWColorConversion::isLightColor(getColorForButtonType()) ? QColor(Qt::black) : QColor(Qt::white);
}

void KBButtonCell::drawBezel(QPainter& painter, const QRectF& frame, bool highlighted) const
{
    const QColor colour = getColorForButtonType();
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath outer;
    outer.addRoundedRect(frame, CornerRadius, CornerRadius);
    painter.fillPath(outer, BWColorConversion::darkenColorByValue(colour, Shade));
    if (!highlighted) {
        QPainterPath inner;
        inner.addRoundedRect(frame.adjusted(1, 1, -1, -1), CornerRadius, CornerRadius);
        BGGradient(BWColorConversion::lightenColorByValue(colour, Shade), colour).fillPath(painter, inner, 90);
    }
    painter.restore();
}

void KBButtonCell::drawTitle(QPainter& painter, const QString& title, const QRectF& frame,
                             Qt::Alignment alignment) const
{
    painter.save();
    painter.setPen(titleColor());
    painter.drawText(frame, int(alignment | Qt::AlignVCenter) | Qt::TextSingleLine | Qt::TextHideMnemonic, title);
    painter.restore();
}
