#include "BGHUDProgressIndicator.h"

#include <QPainter>
#include <QTimerEvent>
#include <algorithm>

namespace {

constexpr qreal StripeOverhang = 40.0;
constexpr int AnimationInterval = 1000 / 30;

}  // namespace

BGHUDProgressIndicator::BGHUDProgressIndicator(QWidget* parent)
    : QProgressBar(parent)
{
    setTextVisible(false);
}

void BGHUDProgressIndicator::setIndeterminate(bool indeterminate)
{
    indeterminate_ = indeterminate;
    updateAnimation();
    update();
}

QRectF BGHUDProgressIndicator::barRect(const QRectF& b, BGControlSize size)
{
    switch (size) {
    case BGControlSize::Regular: return {b.x() + 2.5, b.y() + 0.5, b.width() - 5, b.height() - 5};
    case BGControlSize::Small: return {b.x() + 0.5, b.y() + 0.5, b.width() - 1, b.height() - 3};
    case BGControlSize::Mini: return {b.x() + 1.5, b.y() + 0.5, b.width() - 3, b.height() - 5};
    }
    return b;
}

QPainterPath BGHUDProgressIndicator::stripes(const QRectF& bar)
{
    QPainterPath path;
    const qreal s = bar.height();
    if (s <= 0)
        return path;
    for (qreal x = bar.x() - StripeOverhang; x <= bar.right() + StripeOverhang; x += 2 * s) {
        path.moveTo(x, bar.y());
        path.lineTo(x + s, bar.y());
        path.lineTo(x + 2 * s, bar.y() + s);
        path.lineTo(x + s, bar.y() + s);
        path.closeSubpath();
    }
    return path;
}

qreal BGHUDProgressIndicator::fillWidth(const QRectF& bar, double minimum, double maximum, double value)
{
    if (maximum <= minimum)
        return 0;
    return std::clamp(bar.width() / (maximum - minimum) * (value - minimum), 0.0, bar.width());
}

void BGHUDProgressIndicator::drawBackground(QPainter& painter, const QRectF& bounds)
{
    const QRectF bar = barRect(bounds, controlSize_);
    if (bar.height() <= 0 || bar.width() <= 0)
        return;
    const auto theme = this->theme();
    QPainterPath outline;
    outline.addRect(bar);
    const auto strokeDark = [&](QPainter& target) { target.strokePath(outline, QPen(theme->darkStrokeColor(), 1.0)); };
    theme->dropShadow().castBy(painter, bar.adjusted(-1, -1, 1, 1), strokeDark);
    strokeDark(painter);
    theme->progressTrackGradient().fillRect(painter, bar, 90);
    painter.strokePath(outline, QPen(theme->strokeColor(), 1.0));
    if (indeterminate_)
        progressPath_ = stripes(bar);
    else
        theme->highlightGradient().fillRect(
            painter, QRectF(bar.x(), bar.y(), fillWidth(bar, minimum(), maximum(), value()), bar.height()), 90);
}

void BGHUDProgressIndicator::drawProgressArea(QPainter& painter, const QRectF& bounds) const
{
    const QRectF bar = barRect(bounds, controlSize_);
    if (!indeterminate_ || bar.height() <= 0 || bar.width() <= 0)
        return;
    const auto theme = this->theme();
    painter.save();
    painter.setClipRect(bar.adjusted(1, 1, -1, -1));
    theme->normalGradient().fillRect(painter, bar, 90);
    const QPainterPath moved = progressPath_.translated(animationStep_ - StripeRestingStep, 0);
    theme->highlightGradient().fillPath(painter, moved, 90);
    painter.restore();
}

void BGHUDProgressIndicator::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    drawBackground(painter, rect());
    drawProgressArea(painter, rect());
}

void BGHUDProgressIndicator::showEvent(QShowEvent* event)
{
    QProgressBar::showEvent(event);
    updateAnimation();
}

void BGHUDProgressIndicator::hideEvent(QHideEvent* event)
{
    QProgressBar::hideEvent(event);
    updateAnimation();
}

// Only an indeterminate bar on screen animates.
void BGHUDProgressIndicator::updateAnimation()
{
    if (indeterminate_ && isVisible())
        animation_.start(AnimationInterval, this);
    else
        animation_.stop();
}

void BGHUDProgressIndicator::timerEvent(QTimerEvent* event)
{
    if (event->timerId() != animation_.timerId())
        return QProgressBar::timerEvent(event);
    // One stripe and one gap later the pattern looks as before.
    const int period = std::max(1, 2 * int(barRect(rect(), controlSize_).height()));
    animationStep_ = StripeRestingStep + (animationStep_ - StripeRestingStep + 1) % period;
    update();
}
