#pragma once

#include <QColor>
#include <QFont>
#include <QPainterPath>
#include <QPointF>
#include <QSizeF>
#include <QString>

#include <optional>

// One slice of a pie chart: its value, its share of the sum and its two
// angles, which animate. The chart asks for the angles shown at a moment
// (the presentation values) and rebuilds the slice's path from them; the
// slice itself draws nothing. Times are milliseconds of the chart's clock.
class SliceLayer
{
public:
    enum class ArcKey { Start, End };

    // The label the chart places at the middle of the slice.
    struct Label {
        QString string;
        bool hidden = false;
        QPointF position;   // centre of the label
        QSizeF size;
        QFont font;
        QColor color;
        QColor shadowColor; // invalid: no shadow
    };

    double value = 0;
    double percentage = 0;   // a fraction of the sum, 0 to 1
    bool selected = false;   // moved out of the pie
    QString text;            // own label text; empty for none

    // How the chart draws the slice.
    QPainterPath path;
    QColor fillColor;
    QColor strokeColor;      // invalid: no outline
    double lineWidth = 0;
    double zPosition = 0;
    QPointF position;        // offset of a moved-out slice
    Label label;

    // The model angle: where the slice ends up once its animation is over.
    double angle(ArcKey key) const { return arc(key).modelValue; }
    void setAngle(ArcKey key, double radians);
    double startAngle() const { return angle(ArcKey::Start); }
    double endAngle() const { return angle(ArcKey::End); }

    // The angle shown at `nowMs`, or nothing when the slice has never been
    // given one (a slice not yet on screen).
    std::optional<double> presentationAngle(ArcKey key, qint64 nowMs) const;

    // Animates the angle to `to` over `durationMs`, starting from the angle
    // shown at `nowMs`, or from `from` when none is shown yet. Replaces a
    // running animation of the same angle; the model angle becomes `to`.
    void createArcAnimation(ArcKey key, double from, double to, qint64 durationMs, qint64 nowMs);
    // True while either angle still moves at `nowMs`.
    bool isAnimating(qint64 nowMs) const;

    // "value:5.000000, percentage:0, start:180.000000, end:270.000000"
    QString description() const;

private:
    struct Arc {
        bool shown = false;   // has ever had a value
        double modelValue = 0;
        double from = 0;
        qint64 beganMs = 0;
        qint64 durationMs = 0;
    };
    const Arc& arc(ArcKey key) const { return key == ArcKey::Start ? start_ : end_; }
    Arc& arc(ArcKey key) { return key == ArcKey::Start ? start_ : end_; }

    Arc start_;
    Arc end_;
};
