#pragma once

#include "BGControlSize.h"
#include "BGThemeKeyed.h"

#include <QBasicTimer>
#include <QPainterPath>
#include <QProgressBar>

// A progress bar in the HUD look: a dark track with a shadow and a light
// outline, filled from the left in proportion to the value or, while
// indeterminate, crossed by slanted stripes that slide to the right.
// Geometry is in the bar's coordinates (y down).
class BGHUDProgressIndicator : public QProgressBar, public BGThemeKeyed {
    Q_OBJECT
public:
    explicit BGHUDProgressIndicator(QWidget* parent = nullptr);

    BGControlSize controlSize() const { return controlSize_; }
    void setControlSize(BGControlSize size) { controlSize_ = size; }
    bool isIndeterminate() const { return indeterminate_; }
    void setIndeterminate(bool indeterminate);
    // The stripes' position; it advances while an indeterminate bar shows.
    int animationStep() const { return animationStep_; }
    void setAnimationStep(int step) { animationStep_ = step; }

    // The bar inside the bounds for a control size.
    static QRectF barRect(const QRectF& bounds, BGControlSize size);
    // Slanted stripes as wide as the bar is high, reaching 40 beyond each end;
    // none for a bar without height.
    static QPainterPath stripes(const QRectF& bar);
    // How much of the bar the value fills, never more than the bar nor less
    // than nothing; an empty range fills nothing.
    static qreal fillWidth(const QRectF& bar, double minimum, double maximum, double value);
    // The stripes are moved by the animation step less this.
    static constexpr int StripeRestingStep = 37;

    void drawBackground(QPainter& painter, const QRectF& bounds);
    void drawProgressArea(QPainter& painter, const QRectF& bounds) const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void timerEvent(QTimerEvent* event) override;

private:
    void updateAnimation();

    BGControlSize controlSize_ = BGControlSize::Regular;
    bool indeterminate_ = false;
    int animationStep_ = 0;
    QPainterPath progressPath_;
    QBasicTimer animation_;
};
