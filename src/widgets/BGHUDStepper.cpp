#include "BGHUDStepper.h"

#include "BWFocusFrame.h"

#include "BWFlippedGeometry.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

namespace {

constexpr int FirstRepeatDelay = 400;
constexpr int RepeatInterval = 80;

}  // namespace

BGHUDStepper::BGHUDStepper(QWidget* parent)
    : QWidget(parent)
{
    setFocusPolicy(Qt::TabFocus);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

void BGHUDStepper::setValue(double value)
{
    const double bounded = std::clamp(value, minimum_, maximum_);
    if (bounded == value_)
        return;
    value_ = bounded;
    QAccessibleValueChangeEvent changed(this, value_);
    QAccessible::updateAccessibility(&changed);
    emit valueChanged(value_);
}

void BGHUDStepper::setRange(double minimum, double maximum)
{
    minimum_ = minimum;
    maximum_ = std::max(minimum, maximum);
    setValue(value_);
}

void BGHUDStepper::stepBy(int steps)
{
    const double wanted = value_ + steps * increment_;
    if (valueWraps_ && wanted > maximum_)
        setValue(minimum_);
    else if (valueWraps_ && wanted < minimum_)
        setValue(maximum_);
    else
        setValue(wanted);
}

void BGHUDStepper::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    cell_.draw(painter, rect(), height(), isEnabled());
    BWFocusFrame::paint(painter, *this);
}

QPointF BGHUDStepper::yUp(const QPointF& position) const
{
    return BWFlippedGeometry::toScreen(position, height());
}

QRectF BGHUDStepper::yUpBounds() const
{
    return BWFlippedGeometry::fromScreen(QRectF(rect()), height());
}

void BGHUDStepper::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || !cell_.startTracking(yUp(event->position()), yUpBounds()))
        return QWidget::mousePressEvent(event);
    update();
    stepHeldHalf();
    repeat_.start(FirstRepeatDelay, this);
}

void BGHUDStepper::mouseMoveEvent(QMouseEvent* event)
{
    if (cell_.continueTracking(yUp(event->position()), yUpBounds()))
        update();
}

void BGHUDStepper::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return QWidget::mouseReleaseEvent(event);
    repeat_.stop();
    cell_.stopTracking();
    update();
}

void BGHUDStepper::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Up)
        stepBy(1);
    else if (event->key() == Qt::Key_Down)
        stepBy(-1);
    else
        QWidget::keyPressEvent(event);
}

void BGHUDStepper::timerEvent(QTimerEvent* event)
{
    if (event->timerId() != repeat_.timerId())
        return QWidget::timerEvent(event);
    repeat_.start(RepeatInterval, this);
    stepHeldHalf();
}

// Steps only while the pointer is still inside the half the press began in.
void BGHUDStepper::stepHeldHalf()
{
    if (cell_.isTopDown())
        stepBy(1);
    else if (cell_.isBottomDown())
        stepBy(-1);
}
