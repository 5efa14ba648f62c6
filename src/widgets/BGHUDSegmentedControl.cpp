#include "BGHUDSegmentedControl.h"

#include "BWFocusFrame.h"

#include <QAccessible>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace {

constexpr int SegmentPadding = 20;

int naturalHeight(BGControlSize size)
{
    return size == BGControlSize::Mini ? 18 : size == BGControlSize::Small ? 21 : 25;
}

}  // namespace

BGHUDSegmentedControl::BGHUDSegmentedControl(QWidget* parent)
    : QWidget(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
}

void BGHUDSegmentedControl::addSegment(const QString& label, const QImage& image)
{
    BGHUDSegmentedCell::Segment segment;
    if (!label.isNull())
        segment.label = label;
    segment.image = image;
    cell_.segments().append(segment);
    updateGeometry();
    update();
}

void BGHUDSegmentedControl::setSelectedSegment(int index)
{
    if (index == selectedSegment())
        return;
    cell_.setSelectedSegment(index);
    update();
    // A screen reader reads the chosen segment as the control's value.
    QAccessibleValueChangeEvent changed(this, index);
    QAccessible::updateAccessibility(&changed);
}

int BGHUDSegmentedControl::segmentAt(const QPointF& position) const
{
    const QRectF outline = BGHUDSegmentedCell::outlineFrame(rect());
    for (int index = 0; index < count(); ++index) {
        if (cell_.segmentRect(index, outline).contains(position))
            return index;
    }
    return -1;
}

QSize BGHUDSegmentedControl::sizeHint() const
{
    const QFontMetrics metrics(cell_.labelFont(font()));
    int width = 3;
    for (const BGHUDSegmentedCell::Segment& segment : cell_.segments()) {
        const int text = metrics.horizontalAdvance(segment.label.value_or(QString()));
        const int image = segment.image.isNull() ? 0 : int(segment.image.deviceIndependentSize().width()) + 5;
        width += std::max(text + image + SegmentPadding, 2 * SegmentPadding);
    }
    return {width, naturalHeight(cell_.controlSize())};
}

void BGHUDSegmentedControl::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    cell_.draw(painter, rect(), font(), isEnabled());
    BWFocusFrame::paint(painter, *this);
}

void BGHUDSegmentedControl::mousePressEvent(QMouseEvent* event)
{
    const int index = segmentAt(event->position());
    if (event->button() == Qt::LeftButton && index >= 0)
        selectByUser(index);
    else
        QWidget::mousePressEvent(event);
}

void BGHUDSegmentedControl::keyPressEvent(QKeyEvent* event)
{
    const int selected = selectedSegment();
    if (event->key() == Qt::Key_Left && selected > 0)
        selectByUser(selected - 1);
    else if (event->key() == Qt::Key_Right && selected < count() - 1)
        selectByUser(selected + 1);
    else
        QWidget::keyPressEvent(event);
}

void BGHUDSegmentedControl::selectByUser(int index)
{
    if (index == selectedSegment())
        return;
    setSelectedSegment(index);
    repaint();
    emit segmentSelected(index);
}
