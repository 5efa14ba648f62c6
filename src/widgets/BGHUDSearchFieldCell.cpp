#include "BGHUDSearchFieldCell.h"

#include "BWFlippedGeometry.h"

#include <QPainter>
#include <QPainterPath>

namespace {

// Icons are drawn at twice their size, so they stay sharp when scaled.
constexpr qreal IconScale = 2.0;

QImage blankIcon()
{
    const int pixels = int(BGHUDSearchFieldCell::ImageSide * IconScale);
    QImage image(pixels, pixels, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(IconScale);
    image.fill(Qt::transparent);
    return image;
}

QImage makeSearchImage()
{
    // The magnifier is laid out with y up, as the icon was designed; it is
    // turned the right way up once, here.
    const qreal side = BGHUDSearchFieldCell::ImageSide;
    QPainterPath magnifier;
    magnifier.addEllipse(BWFlippedGeometry::toScreen(QRectF(1, 4, 8, 8), side));
    const QLineF handle = BWFlippedGeometry::toScreen(QLineF(7, 6, 12, 1), side);
    magnifier.moveTo(handle.p1());
    magnifier.lineTo(handle.p2());
    QImage image = blankIcon();
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.strokePath(magnifier, QPen(Qt::white, 1.9));
    return image;
}

QImage makeCancelImage()
{
    QImage image = blankIcon();
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath disc;
    disc.addEllipse(QRectF(1, 1, 12, 12));
    painter.fillPath(disc, Qt::white);
    QPainterPath cross;
    cross.moveTo(4, 4);
    cross.lineTo(10, 10);
    cross.moveTo(4, 10);
    cross.lineTo(10, 4);
    painter.strokePath(cross, QPen(QColor::fromRgbF(0, 0, 0, 0.7f), 1.1));
    return image;
}

}  // namespace

BGHUDSearchFieldCell::BGHUDSearchFieldCell(bool drawsBackground)
    : BGHUDTextFieldCell(drawsBackground), searchImage_(searchButtonImage()), cancelImage_(cancelButtonImage())
{
}

QImage BGHUDSearchFieldCell::searchButtonImage()
{
    static const QImage made = makeSearchImage();
    return made.copy();
}

QImage BGHUDSearchFieldCell::cancelButtonImage()
{
    static const QImage made = makeCancelImage();
    return made.copy();
}

void BGHUDSearchFieldCell::setControlSize(BGControlSize size)
{
    BGHUDTextFieldCell::setControlSize(size);
    if (size == BGControlSize::Small)
        iconSize_ = QSizeF(12, 12);
    else if (size == BGControlSize::Mini)
        iconSize_ = QSizeF(10, 10);
}

QRectF BGHUDSearchFieldCell::baseSearchButtonRect(const QRectF& bounds) const
{
    const qreal side = bounds.height() - 2;
    return {bounds.x() + 5, bounds.y() + 1, side, side};
}

QRectF BGHUDSearchFieldCell::baseCancelButtonRect(const QRectF& bounds) const
{
    const qreal side = bounds.height() - 2;
    return {bounds.right() - 5 - side, bounds.y() + 1, side, side};
}

QRectF BGHUDSearchFieldCell::searchButtonRect(const QRectF& bounds) const
{
    const QRectF base = baseSearchButtonRect(bounds);
    switch (controlSize()) {
    case BGControlSize::Regular: return base.translated(-5, -1);
    case BGControlSize::Small: return base.translated(-1, -2);
    case BGControlSize::Mini: return base.translated(-2, -2);
    }
    return base;
}

QRectF BGHUDSearchFieldCell::cancelButtonRect(const QRectF& bounds) const
{
    const QRectF base = baseCancelButtonRect(bounds);
    switch (controlSize()) {
    case BGControlSize::Regular: return base.translated(0, -1);
    case BGControlSize::Small: return base.translated(2, -1.5);
    case BGControlSize::Mini: return base.translated(0, -2);
    }
    return base;
}

QRectF BGHUDSearchFieldCell::textFrame(const QRectF& bounds) const
{
    const QRectF search = baseSearchButtonRect(bounds);
    const QRectF cancel = baseCancelButtonRect(bounds);
    QRectF text(search.right(), bounds.y(), cancel.left() - search.right(), bounds.height());
    if (controlSize() != BGControlSize::Regular)
        text.translate(0, 1);
    if (controlSize() == BGControlSize::Regular)
        text.adjust(5, 0, 0, 0);
    else if (controlSize() == BGControlSize::Small)
        text.adjust(1, 0, -2, 0);
    return text;
}

QRectF BGHUDSearchFieldCell::iconRect(const QRectF& buttonRect) const
{
    return {buttonRect.center().x() - iconSize_.width() / 2, buttonRect.center().y() - iconSize_.height() / 2,
            iconSize_.width(), iconSize_.height()};
}

void BGHUDSearchFieldCell::draw(QPainter& painter, const QRectF& frame, const State& state, bool showsCancel) const
{
    BGHUDTextFieldCell::draw(painter, frame, state);
    painter.save();
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(iconRect(searchButtonRect(frame)), searchImage_);
    if (showsCancel)
        painter.drawImage(iconRect(cancelButtonRect(frame)), cancelImage_);
    painter.restore();
}
