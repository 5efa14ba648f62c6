#include "SliceLayer.h"

#include <QEasingCurve>

#include <numbers>

namespace {

// The pace of an angle's change: slow at both ends.
double eased(double progress)
{
    static const QEasingCurve curve(QEasingCurve::InOutCubic);
    return curve.valueForProgress(progress);
}

}  // namespace

void SliceLayer::setAngle(ArcKey key, double radians)
{
    Arc& a = arc(key);
    a.shown = true;
    a.modelValue = radians;
    a.durationMs = 0;
}

std::optional<double> SliceLayer::presentationAngle(ArcKey key, qint64 nowMs) const
{
    const Arc& a = arc(key);
    if (!a.shown)
        return std::nullopt;
    const qint64 elapsed = nowMs - a.beganMs;
    if (a.durationMs <= 0 || elapsed >= a.durationMs)
        return a.modelValue;
    const double progress = elapsed <= 0 ? 0.0 : double(elapsed) / double(a.durationMs);
    return a.from + (a.modelValue - a.from) * eased(progress);
}

void SliceLayer::createArcAnimation(ArcKey key, double from, double to, qint64 durationMs, qint64 nowMs)
{
    const double shownFrom = presentationAngle(key, nowMs).value_or(from);
    Arc& a = arc(key);
    a.shown = true;
    a.from = shownFrom;
    a.modelValue = to;
    a.beganMs = nowMs;
    a.durationMs = durationMs;
}

bool SliceLayer::isAnimating(qint64 nowMs) const
{
    const auto moving = [nowMs](const Arc& a) { return a.durationMs > 0 && nowMs - a.beganMs < a.durationMs; };
    return moving(start_) || moving(end_);
}

QString SliceLayer::description() const
{
    const auto degrees = [](double radians) { return radians / std::numbers::pi * 180.0; };
    return QString::asprintf("value:%f, percentage:%0.0f, start:%f, end:%f", value, percentage,
                             degrees(startAngle()), degrees(endAngle()));
}
