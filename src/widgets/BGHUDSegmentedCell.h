#pragma once

#include "BGControlSize.h"
#include "BGThemeKeyed.h"

#include <QColor>
#include <QFont>
#include <QImage>
#include <QList>
#include <QPainterPath>
#include <QRectF>
#include <QString>
#include <optional>

class QPainter;

// Painter of the HUD segmented control: a light outline casting a small
// shadow, bevelled segments with thin separators, and white labels and
// images centred in each segment. Geometry is in the control's coordinates
// (y down).
class BGHUDSegmentedCell : public BGThemeKeyed {
public:
    enum SegmentStyle { Rounded = 1, SmallSquare = 6 };
    enum ImageScaling { ProportionallyDown = 0, None = 2 };

    struct Segment {
        std::optional<QString> label;  // none, or a label (possibly empty)
        QImage image;
        int imageScaling = ProportionallyDown;
        // The enabled label's colour; none: the theme's text colour.
        std::optional<QColor> labelColor;
    };
    struct Interior {
        QRectF image;
        QRectF label;
    };

    int segmentStyle() const { return segmentStyle_; }
    // Only the rounded and small square styles are taken; others are ignored.
    void setSegmentStyle(int style);
    BGControlSize controlSize() const { return controlSize_; }
    void setControlSize(BGControlSize size) { controlSize_ = size; }

    QList<Segment>& segments() { return segments_; }
    const QList<Segment>& segments() const { return segments_; }
    int selectedSegment() const { return selected_; }
    void setSelectedSegment(int index) { selected_ = index; }

    // Whether any segment has a non-empty label.
    bool hasText() const;
    // Labels use the system font at the control size.
    QFont labelFont(const QFont& base) const;

    static QRectF outlineFrame(const QRectF& frame);
    QPainterPath outlinePath(const QRectF& outline) const;
    // Segment i's rectangle within the outline frame, the last one narrowed
    // when no segment has a label.
    QRectF segmentRect(int index, const QRectF& outline) const;
    QPainterPath segmentPath(int index, const QRectF& segment) const;
    // An image proportionally shrunk to the segment's height less 4, unless
    // its scaling says otherwise; nothing for an image or a segment too low.
    QSizeF imageSize(const Segment& segment, const QRectF& rect) const;
    // Where a segment's image and label go, for a label of `textSize`.
    Interior interior(int index, const QRectF& rect, const QSizeF& textSize) const;

    void draw(QPainter& painter, const QRectF& frame, const QFont& font, bool enabled) const;

private:
    void drawSegment(QPainter& painter, int index, const QRectF& outline, const QFont& font, bool enabled) const;
    void drawInterior(QPainter& painter, int index, const QRectF& rect, const QFont& font, bool enabled) const;

    int segmentStyle_ = Rounded;
    BGControlSize controlSize_ = BGControlSize::Regular;
    QList<Segment> segments_;
    int selected_ = -1;
};
