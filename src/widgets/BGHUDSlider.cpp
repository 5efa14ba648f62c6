#include "BGHUDSlider.h"

#include "BWFocusFrame.h"

#include <QMouseEvent>
#include <QPainter>

namespace {

constexpr int TickLength = 4;

}  // namespace

BGHUDSlider::BGHUDSlider(Qt::Orientation orientation, QWidget* parent)
    : QSlider(orientation, parent)
{
    syncCellWithSlider();
}

void BGHUDSlider::syncCellWithSlider()
{
    cell_.setVertical(orientation() == Qt::Vertical);
    const TickPosition ticks = tickPosition();
    // Both sides at once are shown on the leading side.
    cell_.setTickMarks(ticks != NoTicks, ticks == TicksAbove || ticks == TicksBothSides);
}

QRectF BGHUDSlider::knobFrame() const
{
    const qint64 span = qint64(maximum()) - minimum();
    const qreal fraction = span > 0 ? qreal(qint64(sliderPosition()) - minimum()) / span : 0.0;
    return cell_.knobFrame(rect(), invertedAppearance() ? 1 - fraction : fraction);
}

QSize BGHUDSlider::sizeHint() const
{
    const int across = cell_.controlSize() == BGControlSize::Regular ? 21
                       : cell_.controlSize() == BGControlSize::Small ? 15
                                                                      : 12;
    const int thick = across + (tickPosition() != NoTicks ? 3 + TickLength + 2 : 0);
    return orientation() == Qt::Horizontal ? QSize(120, thick) : QSize(thick, 120);
}

void BGHUDSlider::paintEvent(QPaintEvent*)
{
    syncCellWithSlider();
    BGHUDSliderCell::State state;
    state.enabled = isEnabled();
    state.highlighted = isSliderDown();
    QPainter painter(this);
    cell_.drawBar(painter, rect(), state);
    drawTickMarks(painter);
    cell_.drawKnob(painter, knobFrame(), state);
    BWFocusFrame::paint(painter, *this);
}

QList<int> BGHUDSlider::tickValues(int minimum, int maximum, int interval, int maximumCount)
{
    QList<int> values;
    if (maximum <= minimum || maximumCount < 1)
        return values;
    // Steps are counted in 64 bits: a tick near INT_MAX must not wrap back
    // to the start, and a range far wider than the slider is thinned to one
    // tick a pixel instead of one pass a step.
    const qint64 span = qint64(maximum) - minimum;
    qint64 step = std::max(1, interval);
    const qint64 steps = span / step + 1;
    if (steps > maximumCount)
        step = (span + maximumCount - 1) / maximumCount;
    for (qint64 value = minimum; value <= maximum; value += step)
        values.append(int(value));
    return values;
}

void BGHUDSlider::drawTickMarks(QPainter& painter) const
{
    if (!cell_.hasTickMarks())
        return;
    const int interval = tickInterval() > 0 ? tickInterval() : pageStep();
    const int length = orientation() == Qt::Horizontal ? width() : height();
    const qreal span = qreal(qint64(maximum()) - minimum());
    painter.setPen(QPen(cell_.theme()->strokeColor(), 1.0));
    for (const int value : tickValues(minimum(), maximum(), interval, std::max(1, length))) {
        const qreal fraction = qreal(qint64(value) - minimum()) / span;
        const QPointF centre = cell_.knobFrame(rect(), fraction).center();
        if (orientation() == Qt::Horizontal) {
            const qreal y = cell_.ticksLeading() ? 0.5 : height() - 0.5 - TickLength;
            painter.drawLine(QPointF(qRound(centre.x()) + 0.5, y), QPointF(qRound(centre.x()) + 0.5, y + TickLength));
        } else {
            const qreal x = cell_.ticksLeading() ? 0.5 : width() - 0.5 - TickLength;
            painter.drawLine(QPointF(x, qRound(centre.y()) + 0.5), QPointF(x + TickLength, qRound(centre.y()) + 0.5));
        }
    }
}

void BGHUDSlider::moveKnobTo(const QPointF& position)
{
    const qreal fraction = cell_.fractionAt(rect(), position);
    const qreal along = invertedAppearance() ? 1 - fraction : fraction;
    setSliderPosition(int(minimum() + qRound64(along * (qint64(maximum()) - minimum()))));
}

void BGHUDSlider::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || maximum() <= minimum())
        return QSlider::mousePressEvent(event);
    setSliderDown(true);
    moveKnobTo(event->position());
    event->accept();
}

void BGHUDSlider::mouseMoveEvent(QMouseEvent* event)
{
    if (!isSliderDown())
        return QSlider::mouseMoveEvent(event);
    moveKnobTo(event->position());
}

void BGHUDSlider::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || !isSliderDown())
        return QSlider::mouseReleaseEvent(event);
    setSliderDown(false);
    update();
}
