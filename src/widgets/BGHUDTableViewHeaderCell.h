#pragma once

#include "BGThemeKeyed.h"

#include <QFont>
#include <QPolygonF>
#include <QRectF>
#include <QString>

class QPainter;

// Painter of one column header of a HUD table: a gradient bar with the theme's
// border colour showing as one-point lines at the top, bottom and right, the
// title in the theme's text colour, and a triangle for the column the table
// is sorted by. Geometry is in the header's coordinates (y down).
class BGHUDTableViewHeaderCell : public BGThemeKeyed {
public:
    struct State {
        bool enabled = true;
        bool highlighted = false;  // the header is being clicked
    };

    QString stringValue() const { return title_; }
    void setStringValue(const QString& title) { title_ = title; }
    QFont font() const { return font_; }
    void setFont(const QFont& font) { font_ = font; }
    Qt::Alignment alignment() const { return alignment_; }
    void setAlignment(Qt::Alignment alignment) { alignment_ = alignment; }

    // Titles are always in the theme's text colour, whatever the column asks.
    QColor textColor() const { return theme()->textColor(); }

    // The gradient bar inside the border lines.
    static QRectF fillFrame(const QRectF& frame);
    // Where the title is drawn from the top: centred two points above the
    // middle for the font's point size.
    QRectF titleFrame(const QRectF& frame) const;
    // The rectangle a sort triangle takes at the right end of a header.
    static QRectF sortIndicatorRect(const QRectF& frame);
    static QPolygonF sortIndicator(const QRectF& indicatorRect, bool ascending);

    void drawBackground(QPainter& painter, const QRectF& frame, bool highlighted) const;
    void drawTitle(QPainter& painter, const QRectF& frame) const;
    // Only the primary sort column (priority 0) shows a triangle.
    void drawSortIndicator(QPainter& painter, const QRectF& frame, bool ascending, int priority,
                           bool enabled) const;

private:
    QString title_;
    QFont font_;
    Qt::Alignment alignment_ = Qt::AlignLeft;
};
