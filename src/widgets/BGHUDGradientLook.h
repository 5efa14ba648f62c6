#pragma once

#include "BGGradient.h"
#include "BGThemeKeyed.h"

#include <QColor>
#include <QLineF>
#include <optional>

class QPainter;

// The settings the HUD containers share: either the theme's look, or an own
// gradient (two colours or a custom one) with optional one-point lines along
// the edges, each of which may cast a soft shadow into the container.
class BGHUDGradientLook : public BGThemeKeyed {
public:
    enum class Edge { Top, Bottom, Left, Right };

    bool useTheme() const { return useTheme_; }
    void setUseTheme(bool use) { useTheme_ = use; }
    bool flipGradient() const { return flipGradient_; }
    void setFlipGradient(bool flip) { flipGradient_ = flip; }

    bool drawTopBorder() const { return borders_[int(Edge::Top)]; }
    void setDrawTopBorder(bool draw) { borders_[int(Edge::Top)] = draw; }
    bool drawBottomBorder() const { return borders_[int(Edge::Bottom)]; }
    void setDrawBottomBorder(bool draw) { borders_[int(Edge::Bottom)] = draw; }
    bool drawLeftBorder() const { return borders_[int(Edge::Left)]; }
    void setDrawLeftBorder(bool draw) { borders_[int(Edge::Left)] = draw; }
    bool drawRightBorder() const { return borders_[int(Edge::Right)]; }
    void setDrawRightBorder(bool draw) { borders_[int(Edge::Right)] = draw; }
    bool drawTopShadow() const { return shadows_[int(Edge::Top)]; }
    void setDrawTopShadow(bool draw) { shadows_[int(Edge::Top)] = draw; }
    bool drawBottomShadow() const { return shadows_[int(Edge::Bottom)]; }
    void setDrawBottomShadow(bool draw) { shadows_[int(Edge::Bottom)] = draw; }
    bool drawLeftShadow() const { return shadows_[int(Edge::Left)]; }
    void setDrawLeftShadow(bool draw) { shadows_[int(Edge::Left)] = draw; }
    bool drawRightShadow() const { return shadows_[int(Edge::Right)]; }
    void setDrawRightShadow(bool draw) { shadows_[int(Edge::Right)] = draw; }

    // Colour of the edge lines.
    QColor borderColor() const { return borderColor_; }
    void setBorderColor(const QColor& color) { borderColor_ = color; }
    QColor shadowColor() const { return shadowColor_; }
    void setShadowColor(const QColor& color) { shadowColor_ = color; }
    std::optional<BGGradient> customGradient() const { return customGradient_; }
    void setCustomGradient(const std::optional<BGGradient>& gradient) { customGradient_ = gradient; }
    QColor color1() const { return color1_; }
    void setColor1(const QColor& color) { color1_ = color; }
    QColor color2() const { return color2_; }
    void setColor2(const QColor& color) { color2_ = color; }

    // The own-look fill: the custom gradient, or color1 to color2.
    BGGradient ownGradient() const;

    // Geometry with y up: the line of an edge of the (already inset)
    // rectangle, and the offset that makes its shadow fall inwards.
    static QLineF edgeLine(Edge edge, const QRectF& yUpRect);
    static QPointF shadowOffset(Edge edge);

    static constexpr qreal EdgeShadowBlur = 5.0;

protected:
    // Lines (and their shadows) along the flagged edges of `rect`, inset by
    // half a point so the one-point lines fall on whole pixels. `rect` is in
    // screen coordinates of a view `viewHeight` high.
    void drawEdges(QPainter& painter, const QRectF& rect, qreal viewHeight) const;
    // A one-point frame just inside `rect`.
    static void strokeFrame(QPainter& painter, const QRectF& rect, const QColor& color);

private:
    bool useTheme_ = true;
    bool flipGradient_ = false;
    bool borders_[4] = {false, false, false, false};
    bool shadows_[4] = {false, false, false, false};
    QColor borderColor_ = Qt::black;
    QColor shadowColor_ = Qt::black;
    std::optional<BGGradient> customGradient_;
    QColor color1_ = Qt::black;
    QColor color2_ = Qt::white;
};
