#include "BGHUDButtonCell.h"

#include "BGHUDPaths.h"

#include <QPainter>

namespace {

// Both capsule ends of a button sit half a point below the frame's middle.
constexpr qreal CapsuleCentreDrop = 0.5;

QRectF xywh(qreal x, qreal y, qreal w, qreal h)
{
    return QRectF(x, y, w, h);
}

}  // namespace

void BGHUDButtonCell::mouseEntered()
{
    if (bezelStyle_ != Recessed)
        return;
    isMouseIn_ = true;
    isHighlighted_ = true;
}

void BGHUDButtonCell::mouseExited()
{
    if (bezelStyle_ != Recessed)
        return;
    isMouseIn_ = false;
    isHighlighted_ = false;
}

QRectF BGHUDButtonCell::texturedRoundedFrame(const QRectF& f, BGControlSize size)
{
    const qreal extraDrop = size == BGControlSize::Regular ? 1.0 : 0.0;
    return xywh(f.x() + 1.5, f.y() + 0.5 + extraDrop, f.width() - 3, f.height() - 4);
}

QRectF BGHUDButtonCell::roundRectFrame(const QRectF& f, BGControlSize size)
{
    if (size == BGControlSize::Mini)
        return xywh(f.x() + 1.5, f.y() + 1, f.width() - 3, f.height() - 5);
    return xywh(f.x() + 1.5, f.y(), f.width() - 3, f.height() - 3);
}

QRectF BGHUDButtonCell::smallSquareFrame(const QRectF& f, qreal viewHeight)
{
    return xywh(f.x() + 1.5, f.y() + 0.5, f.width() - 3, viewHeight - 3);
}

BGHUDButtonCell::Frames BGHUDButtonCell::roundedFrames(const QRectF& f, BGControlSize size)
{
    switch (size) {
    case BGControlSize::Small: {
        const QRectF bezel = xywh(f.x() + 4.5, f.y() + 4.5, f.width() - 9, f.height() - 12);
        return {bezel, bezel.translated(0, 1)};
    }
    case BGControlSize::Mini: {
        const QRectF bezel = xywh(f.x() + 0.5, f.y() - 0.5, f.width() - 1, f.height() - 1);
        return {bezel, bezel.translated(0, 1)};
    }
    case BGControlSize::Regular:
        break;
    }
    const QRectF bezel = xywh(f.x() + 4.5, f.y() + 4.5, f.width() - 9, f.height() - 13);
    return {bezel, bezel};
}

BGHUDButtonCell::Frames BGHUDButtonCell::recessedFrames(const QRectF& f, BGControlSize size)
{
    switch (size) {
    case BGControlSize::Small: {
        const QRectF bezel = xywh(f.x() + 1.5, f.y() + 1.5, f.width() - 3, f.height() - 4);
        return {bezel, bezel.translated(0, 1)};
    }
    case BGControlSize::Mini: {
        const QRectF bezel = xywh(f.x() + 0.5, f.y() - 0.5, f.width() - 1, f.height() - 1);
        return {bezel, bezel.translated(0, 1)};
    }
    case BGControlSize::Regular:
        break;
    }
    const QRectF bezel = xywh(f.x() + 1.5, f.y() + 1.5, f.width() - 3, f.height() - 5);
    return {bezel, bezel};
}

QRectF BGHUDButtonCell::titleFrame(const QRectF& f) const
{
    if (isCheckOrRadio())
        return f;
    return xywh(f.x() + 5, f.y(), f.width() - 10, f.height() - 2);
}

QRectF BGHUDButtonCell::imageRect(const QRectF& f, const QSizeF& size) const
{
    qreal x = f.x() + 5;
    switch (imagePosition_) {
    case ImageOnly:
        x = f.x() + f.width() / 2 - size.width() / 2;
        break;
    case ImageRight:
        x = f.x() + f.width() - size.width() - 5;
        break;
    case ImageBelow:
    case ImageAbove:
    case ImageOverlaps:
        x = f.x();
        break;
    default:
        break;
    }
    return QRectF(QPointF(x, f.y() + f.height() / 2 - size.height() / 2), size);
}

BGHUDButtonCell::CheckFrames BGHUDButtonCell::checkFrames(const QRectF& frame, qreal viewHeight,
                                                          bool radio) const
{
    const qreal fx = frame.x() + 0.5;
    const qreal fw = frame.width();
    const qreal fh = frame.height();
    const qreal fy = frame.y() + 0.5 + viewHeight / 2 - fh / 2;

    qreal bw = 9, bh = 8, by = fy + 5;
    if (controlSize_ == BGControlSize::Regular) {
        bw = 13, bh = 12, by = fy + 2;
    } else if (controlSize_ == BGControlSize::Small) {
        bw = 11, bh = 10, by = fy + 3;
    }
    if (radio)
        bh = bw;

    qreal bx = fx;
    qreal xx = fx, xy = fy, xw = fw;
    const bool regular = controlSize_ == BGControlSize::Regular;
    const bool small = controlSize_ == BGControlSize::Small;
    switch (imagePosition_) {
    case ImageOnly:
        bx = regular ? (fx - 0.5) + fw / 2 - bw / 2
             : small ? fx + fw / 2 - bw / 2
                     : (fx + 0.5) + fw / 2 - bw / 2;
        break;
    case ImageLeft:
        bx = fx + (regular ? 2 : small ? 3 : 4);
        xx = bx + bw + (regular ? 5 : small ? 6 : 4);
        xy = fy - (regular ? 2 : small ? 1 : 0);
        xw = fw - xx;
        break;
    case ImageRight:
        // Placed from the frame's width alone, as the layouts expect.
        bx = fw - bw - 1.5;
        xx = fx + 2;
        xy = fy - (regular ? 2 : small ? 1 : 0);
        xw = bx - xx - 5;
        break;
    default:
        break;
    }
    return {xywh(bx, by, bw, bh), xywh(xx, xy, xw, fh)};
}

QPainterPath BGHUDButtonCell::checkMark(const QRectF& b)
{
    const QPointF corner(b.x() + b.width() / 2, b.y() + b.height() / 2 + 2);
    QPainterPath tick(QPointF(b.x() + 3, b.y() + b.height() / 2 - 2));
    tick.lineTo(corner);
    // The long stroke ends above the box, as a hand-drawn tick would.
    tick.lineTo(QPointF(b.x() + b.width() - 1, b.y() - 2));
    return tick;
}

BGHUDButtonCell::Fill BGHUDButtonCell::fillFor(const State& state) const
{
    if (!state.enabled)
        return Fill::Disabled;
    const bool toggles = showsStateBy_ == (ChangeGrayMask | ChangeBackgroundMask)
                         && (highlightsBy_ == (PushInMask | ChangeGrayMask | ChangeBackgroundMask)
                             || highlightsBy_ == (ChangeGrayMask | ChangeBackgroundMask));
    if (toggles)
        return state.state == OnState ? Fill::Highlight : Fill::Normal;
    return state.highlighted ? Fill::Pushed : Fill::Normal;
}

bool BGHUDButtonCell::showsAlternate(const State& state) const
{
    const bool momentaryChange = showsStateBy_ == 0 && highlightsBy_ == ContentsMask && state.highlighted;
    const bool toggleChange = showsStateBy_ == ContentsMask && highlightsBy_ == (ContentsMask | PushInMask)
                              && state.state == OnState;
    return momentaryChange || toggleChange;
}

BGGradient BGHUDButtonCell::familyGradient(const State& state, bool complex) const
{
    const auto theme = this->theme();
    switch (fillFor(state)) {
    case Fill::Disabled:
        return complex ? theme->disabledNormalComplexGradient() : theme->disabledNormalGradient();
    case Fill::Highlight:
        return complex ? theme->highlightComplexGradient() : theme->highlightGradient();
    case Fill::Pushed:
        return complex ? theme->pushedComplexGradient() : theme->pushedGradient();
    case Fill::Normal:
        break;
    }
    return complex ? theme->normalComplexGradient() : theme->normalGradient();
}

void BGHUDButtonCell::draw(QPainter& painter, const QRectF& frame, const State& hostState)
{
    State state = hostState;
    state.highlighted = hostState.highlighted || isHighlighted_;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    if (isCheckOrRadio()) {
        // One box and one title, without a bezel behind them.
        drawCheck(painter, frame, state, buttonType_ == Radio);
    } else {
        switch (bezelStyle_) {
        case SmallSquare:
            drawSmallSquareButton(painter, frame, state);
            break;
        case TexturedRounded:
            drawTexturedRoundedButton(painter, frame, state);
            break;
        case RoundRect:
            drawRoundRectButton(painter, frame, state);
            break;
        case Rounded:
            drawRoundedButton(painter, frame, state);
            break;
        default:
            drawRecessedButton(painter, frame, state);
            break;
        }
    }
    painter.restore();
}

void BGHUDButtonCell::drawOutlinedBezel(QPainter& painter, const QPainterPath& path, const BGGradient& fill,
                                        const State& state) const
{
    const auto theme = this->theme();
    const QPen darkPen(theme->darkStrokeColor(), 1.0);
    const auto strokeDark = [&](QPainter& target) {
        target.setRenderHint(QPainter::Antialiasing);
        target.strokePath(path, darkPen);
    };
    // Only the dark outline casts the shadow, and only while enabled.
    if (state.enabled)
        theme->dropShadow().castBy(painter, path.boundingRect().adjusted(-1, -1, 1, 1), strokeDark);
    strokeDark(painter);
    fill.fillPath(painter, path, 90);
    painter.strokePath(path, QPen(theme->strokeColor(), 1.0));
}

void BGHUDButtonCell::drawTexturedRoundedButton(QPainter& painter, const QRectF& frame, const State& state) const
{
    const QRectF bezel = texturedRoundedFrame(frame, controlSize_);
    drawOutlinedBezel(painter, BGHUDPaths::roundedRect(bezel, 4), familyGradient(state, false), state);
    drawContents(painter, bezel, bezel, state);
}

void BGHUDButtonCell::drawRoundRectButton(QPainter& painter, const QRectF& frame, const State& state) const
{
    const QRectF bezel = roundRectFrame(frame, controlSize_);
    drawOutlinedBezel(painter, BGHUDPaths::capsule(bezel, CapsuleCentreDrop), familyGradient(state, false), state);
    drawContents(painter, bezel.translated(0, 1), bezel, state);
}

void BGHUDButtonCell::drawSmallSquareButton(QPainter& painter, const QRectF& frame, const State& state) const
{
    const QRectF bezel = smallSquareFrame(frame, frame.height());
    QPainterPath path;
    path.addRect(bezel);
    drawOutlinedBezel(painter, path, familyGradient(state, true), state);
    drawContents(painter, bezel, bezel, state);
}

void BGHUDButtonCell::drawRoundedButton(QPainter& painter, const QRectF& frame, const State& state) const
{
    const auto theme = this->theme();
    const Frames frames = roundedFrames(frame, controlSize_);
    QColor fill = theme->normalSolidFill();
    switch (fillFor(state)) {
    case Fill::Disabled:
        fill = theme->disabledNormalSolidFill();
        break;
    case Fill::Highlight:
        fill = theme->highlightSolidFill();
        break;
    case Fill::Pushed:
        fill = theme->pushedSolidFill();
        break;
    case Fill::Normal:
        break;
    }
    painter.fillPath(BGHUDPaths::capsule(frames.bezel, CapsuleCentreDrop), fill);
    drawContents(painter, frames.title, frames.bezel, state);
}

void BGHUDButtonCell::drawRecessedButton(QPainter& painter, const QRectF& frame, const State& state)
{
    const auto theme = this->theme();
    const Frames frames = recessedFrames(frame, controlSize_);
    QColor fill;
    if (!state.enabled) {
        fill = theme->disabledNormalSolidFill();
    } else if (state.state == OnState) {
        // An "on" recessed button shows pressed; its hover is forgotten.
        fill = theme->pushedSolidFill();
        isMouseIn_ = false;
    } else {
        fill = isMouseIn_ ? theme->highlightSolidFill() : theme->normalSolidFill();
    }
    painter.fillPath(BGHUDPaths::capsule(frames.bezel, CapsuleCentreDrop), fill);
    drawContents(painter, frames.title, frames.bezel, state);
}

void BGHUDButtonCell::drawContents(QPainter& painter, const QRectF& titleFrame, const QRectF& imageFrame,
                                   const State& state) const
{
    if (imagePosition_ != ImageOnly)
        drawTitle(painter, this->titleFrame(titleFrame), state, Qt::AlignCenter);
    if (imagePosition_ != NoImage)
        drawImage(painter, imageFrame, state);
}

void BGHUDButtonCell::drawTitle(QPainter& painter, const QRectF& frame, const State& state,
                                Qt::Alignment alignment) const
{
    const QString text = showsAlternate(state) && !alternateTitle_.isEmpty() ? alternateTitle_ : title_;
    if (text.isEmpty())
        return;
    const auto theme = this->theme();
    painter.setPen(state.enabled ? theme->textColor() : theme->disabledTextColor());
    painter.drawText(frame, int(alignment | Qt::AlignVCenter) | Qt::TextSingleLine | Qt::TextHideMnemonic, text);
}

void BGHUDButtonCell::drawImage(QPainter& painter, const QRectF& frame, const State& state) const
{
    const QPixmap& pixmap = showsAlternate(state) && !alternateImage_.isNull() ? alternateImage_ : image_;
    if (pixmap.isNull())
        return;
    const auto theme = this->theme();
    painter.save();
    painter.setOpacity(state.enabled ? theme->alphaValue() : theme->disabledAlphaValue());
    painter.setCompositionMode(QPainter::CompositionMode_SourceAtop);
    painter.drawPixmap(imageRect(frame, pixmap.deviceIndependentSize()), pixmap, pixmap.rect());
    painter.restore();
}

void BGHUDButtonCell::drawCheck(QPainter& painter, const QRectF& frame, const State& state, bool radio) const
{
    const auto theme = this->theme();
    const CheckFrames frames = checkFrames(frame, frame.height(), radio);
    const QRectF& box = frames.box;
    QPainterPath boxPath;
    if (radio)
        boxPath.addEllipse(box);
    else
        boxPath.addRoundedRect(box, 2, 2);

    const QPen darkPen(theme->darkStrokeColor(), 1.0);
    const auto strokeDark = [&](QPainter& target) {
        target.setRenderHint(QPainter::Antialiasing);
        target.strokePath(boxPath, darkPen);
    };
    if (state.enabled)
        theme->dropShadow().castBy(painter, box.adjusted(-1, -1, 1, 1), strokeDark);
    strokeDark(painter);
    const BGGradient fill = !state.enabled      ? theme->disabledNormalGradient()
                            : state.highlighted ? theme->highlightGradient()
                                                : theme->normalGradient();
    fill.fillPath(painter, boxPath, 90);
    painter.strokePath(boxPath, QPen(theme->strokeColor(), 1.0));

    const QColor markColour = theme->strokeColor();
    if (state.state == OnState && radio) {
        const qreal inset = controlSize_ == BGControlSize::Regular ? 4.0
                            : controlSize_ == BGControlSize::Small ? 3.5
                                                                   : 3.0;
        QPainterPath dot;
        dot.addEllipse(box.adjusted(inset, inset, -inset, -inset));
        painter.fillPath(dot, markColour);
    } else if (state.state == OnState) {
        const qreal width = controlSize_ == BGControlSize::Mini ? 1.5 : 2.0;
        painter.strokePath(checkMark(box), QPen(markColour, width));
    } else if (state.state == MixedState) {
        const qreal middle = box.y() + box.height() / 2;
        painter.setPen(QPen(markColour, 2.0));
        painter.drawLine(QPointF(box.x() + 3, middle), QPointF(box.x() + box.width() - 3, middle));
    }

    if (imagePosition_ != ImageOnly)
        drawTitle(painter, frames.text, state, Qt::AlignLeft);
}
