#include "BGHUDPopUpButtonCell.h"

#include <QFontMetricsF>
#include <QPainter>

namespace {

constexpr qreal TitleInset = 5.0;
constexpr qreal ImageGap = 6.0;

}  // namespace

qreal BGHUDPopUpButtonCell::arrowAreaWidth(BGControlSize size, bool bordered)
{
    switch (size) {
    case BGControlSize::Small: return bordered ? 18 : 8;
    case BGControlSize::Mini: return bordered ? 15 : 5;
    default: return bordered ? 21 : 11;
    }
}

qreal BGHUDPopUpButtonCell::titleWidthReduction(BGControlSize size)
{
    switch (size) {
    case BGControlSize::Regular: return 21;
    case BGControlSize::Small: return 18;
    case BGControlSize::Mini: return 15;
    }
    return 0;
}

QFont BGHUDPopUpButtonCell::titleFont()
{
    QFont font(QStringLiteral("Helvetica Neue"));
    font.setWeight(QFont::Light);
    font.setPixelSize(16);
    return font;
}

QRectF BGHUDPopUpButtonCell::arrowRect(const QRectF& frame, qreal cellHeight) const
{
    const QRectF start(frame.x() + 0.5, frame.y() + 0.5, frame.width(), cellHeight);
    switch (controlSize_) {
    case BGControlSize::Regular: return start.adjusted(3, 2, 3 - 7, 2 - 7);
    case BGControlSize::Small: return start.adjusted(3, 1, 3 - 7, 1 - 6);
    case BGControlSize::Mini: return start.adjusted(1, 0, 1 - 4, -2);
    }
    return start;
}

QList<QPolygonF> BGHUDPopUpButtonCell::arrows(const QRectF& r) const
{
    const qreal area = arrowAreaWidth(controlSize_, bordered_);
    const qreal cx = r.x() + r.width() - area + area / 2;
    const qreal cy = r.y() + r.height() / 2;
    const bool mini = controlSize_ == BGControlSize::Mini;
    if (!pullsDown_) {
        const qreal a = mini ? 2.5 : 3.5, b = mini ? 1.5 : 2.5;
        return {QPolygonF({{cx - a, cy - b}, {cx + a, cy - b}, {cx, cy + b}})};
    }
    const qreal a = mini ? 2.0 : 2.5, b = mini ? 1.5 : 2.0;
    return {QPolygonF({{cx - a, cy - b}, {cx + a, cy - b}, {cx, cy - 2 * b - 2}}),
            QPolygonF({{cx - a, cy + b}, {cx + a, cy + b}, {cx, cy + 2 * b + 2}})};
}

QColor BGHUDPopUpButtonCell::arrowColor(const State& state) const
{
    const auto theme = this->theme();
    if (!state.enabled)
        return theme->disabledTextColor();
    if (!state.highlighted)
        return theme->textColor();
    return state.inKeyWindow ? theme->selectionTextActiveColor() : theme->selectionTextInActiveColor();
}

QColor BGHUDPopUpButtonCell::titleColor(const State& state) const
{
    return state.enabled ? QColor(Qt::black) : theme()->disabledTextColor();
}

QRectF BGHUDPopUpButtonCell::contentFrame(const QRectF& frame) const
{
    return bordered_ ? frame.adjusted(5, 0, 5, -2) : frame;
}

QRectF BGHUDPopUpButtonCell::titleRect(const QRectF& frame, qreal titleHeight) const
{
    const QRectF f = contentFrame(frame);
    QRectF title(f.x() + TitleInset, f.y() + f.height() / 2 - titleHeight / 2,
                 f.width() - titleWidthReduction(controlSize_), titleHeight);
    if (!image_.isNull() && (imagePosition_ == ImageLeft || imagePosition_ == NoImage))
        title.moveLeft(f.x() + TitleInset + ImageGap + image_.deviceIndependentSize().width());
    else if (!image_.isNull() && imagePosition_ == ImageOnly)
        title.setWidth(0);
    return title;
}

QRectF BGHUDPopUpButtonCell::imageRect(const QRectF& frame, const QSizeF& size) const
{
    const qreal y = frame.y() + frame.height() / 2 - size.height() / 2;
    qreal x = frame.x() + 5;
    if (imagePosition_ == NoImage || imagePosition_ == ImageLeft)
        x = frame.x() + 6;
    else if (imagePosition_ == ImageOnly)
        x = frame.x() + frame.width() / 2 - size.width() / 2;
    else if (imagePosition_ == ImageRight)
        x = frame.x() + frame.width() - size.width() - 8;
    else if (imagePosition_ <= 6)
        x = frame.x();
    return {x, y, size.width(), size.height()};
}

QImage BGHUDPopUpButtonCell::shownImage(const State& state) const
{
    const bool alternate = (showsStateBy_ == 0 && highlightsBy_ == 1 && state.highlighted)
                           || (showsStateBy_ == 1 && highlightsBy_ == 3 && state.on);
    return alternate && !alternateImage_.isNull() ? alternateImage_ : image_;
}

void BGHUDPopUpButtonCell::draw(QPainter& painter, const QRectF& frame, qreal cellHeight, const State& state) const
{
    const auto theme = this->theme();
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(arrowColor(state));
    for (const QPolygonF& arrow : arrows(arrowRect(frame, cellHeight)))
        painter.drawPolygon(arrow);

    const QFont font = titleFont();
    const QFontMetricsF metrics(font);
    const QRectF title = titleRect(frame, metrics.height());
    if (!title_.isEmpty() && title.width() > 0) {
        painter.setFont(font);
        painter.setPen(titleColor(state));
        painter.drawText(title, Qt::AlignLeft | Qt::AlignVCenter, metrics.elidedText(title_, Qt::ElideRight, title.width()));
    }

    const QImage image = shownImage(state);
    if (!image.isNull()) {
        const QRectF f = contentFrame(frame);
        const QRectF area(f.x(), f.y(), f.width() - titleWidthReduction(controlSize_), f.height());
        painter.setCompositionMode(QPainter::CompositionMode_SourceAtop);
        painter.setOpacity(state.enabled ? theme->alphaValue() : theme->disabledAlphaValue());
        painter.drawImage(imageRect(area, image.deviceIndependentSize()), image);
    }
    painter.restore();
}
