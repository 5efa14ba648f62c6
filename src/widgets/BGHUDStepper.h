#pragma once

#include "BGHUDStepperCell.h"

#include <QBasicTimer>
#include <QWidget>

// A stepper (up and down buttons) in the HUD look. It keeps a value between a
// minimum and a maximum, changed by one increment per click, repeated while
// a half is held, and by the up and down keys.
class BGHUDStepper : public QWidget {
    Q_OBJECT
public:
    explicit BGHUDStepper(QWidget* parent = nullptr);

    BGHUDStepperCell& cell() { return cell_; }

    double value() const { return value_; }
    void setValue(double value);
    double minimum() const { return minimum_; }
    double maximum() const { return maximum_; }
    void setRange(double minimum, double maximum);
    double increment() const { return increment_; }
    // Stepping past one end continues at the other.
    bool valueWraps() const { return valueWraps_; }
    void setValueWraps(bool wraps) { valueWraps_ = wraps; }

    // One increment up (+1) or down (-1).
    void stepBy(int steps);

    QSize sizeHint() const override { return {19, 27}; }

signals:
    void valueChanged(double value);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void timerEvent(QTimerEvent* event) override;

private:
    QPointF yUp(const QPointF& position) const;
    QRectF yUpBounds() const;
    void stepHeldHalf();

    BGHUDStepperCell cell_;
    QBasicTimer repeat_;
    double value_ = 0;
    double minimum_ = 0;
    double maximum_ = 59;
    double increment_ = 1;
    bool valueWraps_ = true;
};
