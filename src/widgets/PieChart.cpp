#include "PieChart.h"

#include "BWColorConversion.h"

#include <QFontMetricsF>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <numbers>

using ArcKey = SliceLayer::ArcKey;

namespace {

constexpr double TwoPi = 2 * std::numbers::pi;
constexpr double RaisedZ = 3.4028234663852886e38;   // above every other slice
constexpr double SliceZ = 100;
constexpr int RedrawIntervalMs = 16;
constexpr int SelectionDelayMs = 300;

// A value the pie can draw: negative and undefined values count as nothing.
double drawableValue(double value)
{
    return std::isfinite(value) && value > 0 ? value : 0.0;
}

}  // namespace

// The view the slices are drawn in; it lets every click through to the chart.
class PieChart::PieView : public BackgroundView
{
public:
    explicit PieView(PieChart* chart)
        : BackgroundView(chart)
        , chart_(chart)
    {
        setAttribute(Qt::WA_TransparentForMouseEvents);
    }

protected:
    void paintEvent(QPaintEvent* event) override
    {
        BackgroundView::paintEvent(event);
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        chart_->drawSlices(painter);
    }

private:
    PieChart* chart_;
};

PieChart::PieChart(const QRect& frame, QWidget* parent)
    : BackgroundView(parent)
{
    setGeometry(frame);
    pieView_ = new PieView(this);
    pieView_->setGeometry(QRect(QPoint(0, 0), frame.size()));
    pieView_->raise();
    startPieAngle_ = 3 * std::numbers::pi / 2;
    setPieCenter(QPointF(frame.width() * 0.5, frame.height() * 0.5));
    setPieRadius(std::min(frame.width() * 0.5, frame.height() * 0.5) - 10);
    textFont_.setPointSize(13);
    textFont_.setBold(true);
    textRadius_ = pieRadius_ * 0.5;
    selectedSliceOffsetRadius_ = std::max(pieRadius_ / 10, 10.0);

    clock_.start();
    animationTimer_.setInterval(RedrawIntervalMs);
    animationTimer_.setTimerType(Qt::PreciseTimer);
    connect(&animationTimer_, &QTimer::timeout, this, &PieChart::updateTimerFired);
    pendingSelection_.setSingleShot(true);
    pendingSelection_.setInterval(SelectionDelayMs);
    connect(&pendingSelection_, &QTimer::timeout, this, [this] { selectNow(pendingSelectionIndex_); });
}

PieChart::PieChart(const QRect& frame, const QPointF& center, double radius, QWidget* parent)
    : PieChart(frame, parent)
{
    setPieCenter(center);
    setPieRadius(radius);
}

PieChart::~PieChart() = default;

void PieChart::setPieCenter(const QPointF& point)
{
    pieView_->setCenter(point);
    pieCenter_ = QPointF(pieView_->width() * 0.5, pieView_->height() * 0.5);
    update();
}

QPointF PieChart::pointOnCircle(const QPointF& center, double radius, double angle)
{
    // Screen y grows downwards; the chart's angles turn as on paper.
    return center + QPointF(radius * std::cos(angle), -radius * std::sin(angle));
}

void PieChart::setPieRadius(double radius)
{
    pieRadius_ = radius;
    pieView_->setCornerRadius(radius);
    update();
}

void PieChart::setPieBackgroundColor(const QColor& color)
{
    pieView_->setBackgroundColor(color);
}

void PieChart::setShowPercentage(bool show)
{
    showPercentage_ = show;
    for (auto& layer : slices_)
        updateLabelForLayer(*layer, layer->value);
    pieView_->update();
}

void PieChart::resizeEvent(QResizeEvent* event)
{
    BackgroundView::resizeEvent(event);
    pieView_->resize(size());
}

// ---- Reloading -------------------------------------------------------------

void PieChart::reloadData()
{
    if (!dataSource_)
        return;
    pendingSelection_.stop();
    selectedSliceIndex_ = -1;
    for (qsizetype index = 0; index < sliceCount(); ++index)
        setSliceDeselectedAtIndex(index);

    const unsigned count = dataSource_->numberOfSlicesInPieChart(this);
    std::vector<double> values(count);
    double sum = 0;
    for (unsigned index = 0; index < count; ++index) {
        values[index] = drawableValue(dataSource_->valueForSliceAtIndex(this, index));
        sum += values[index];
    }

    if (!slices_.empty() && (count == 0 || sum <= 0)) {
        collapseSlices();
        return;
    }

    // Old layers serve the slices at their own positions where they can, so
    // that a slice's shape grows or shrinks from what is on screen; slice i
    // always ends up as layer i.
    std::vector<std::unique_ptr<SliceLayer>> old = std::move(slices_);
    slices_.clear();
    const bool onStart = old.empty() && count > 0;
    qsizetype diff = qsizetype(count) - qsizetype(old.size());
    double acc = 0;
    for (unsigned index = 0; index < count; ++index) {
        const double angle = sum > 0 ? values[index] / sum * TwoPi : 0;
        const double startTo = acc;
        const double endTo = acc + angle;
        double startFrom = startPieAngle_ + startTo;
        double endFrom = startPieAngle_ + endTo;

        std::unique_ptr<SliceLayer> layer;
        if (index >= old.size()) {
            layer = createSliceLayer();
            if (onStart)
                startFrom = endFrom = startPieAngle_;
            --diff;
        } else if (diff == 0 || old[index]->value == values[index]) {
            layer = std::move(old[index]);
        } else if (diff > 0) {
            layer = createSliceLayer();
            --diff;
        } else {
            layer = std::move(old[index]);
            diff = 0;
        }

        layer->value = values[index];
        layer->percentage = sum > 0 ? layer->value / sum : 0;
        const std::optional<QColor> color = dataSource_->colorForSliceAtIndex(this, index);
        layer->fillColor = BWColorConversion::CGColor(color && color->isValid() ? *color : fallbackColor(index));
        if (const std::optional<QString> text = dataSource_->textForSliceAtIndex(this, index))
            layer->text = *text;
        updateLabelForLayer(*layer, values[index]);
        animateArcs(*layer, startFrom, startPieAngle_ + startTo, endFrom, startPieAngle_ + endTo);
        acc = endTo;
        slices_.push_back(std::move(layer));
    }
    // Layers left in `old` have no slice any more and go away with it.
    for (auto& layer : slices_)
        layer->zPosition = SliceZ;
    pieView_->update();
}

void PieChart::collapseSlices()
{
    for (auto& layer : slices_) {
        updateLabelForLayer(*layer, 0);
        animateArcs(*layer, startPieAngle_, startPieAngle_, startPieAngle_, startPieAngle_);
    }
    pieView_->update();
}

void PieChart::animateArcs(SliceLayer& layer, double startFrom, double startTo, double endFrom, double endTo)
{
    const qint64 duration = qint64(std::llround(animationSpeed_ * 1000));
    const qint64 now = nowMs();
    layer.createArcAnimation(ArcKey::Start, startFrom, startTo, duration, now);
    layer.createArcAnimation(ArcKey::End, endFrom, endTo, duration, now);
    if (!animationTimer_.isActive())
        animationTimer_.start();
}

std::unique_ptr<SliceLayer> PieChart::createSliceLayer() const
{
    auto layer = std::make_unique<SliceLayer>();
    layer->label.color = textColor_;
    layer->label.shadowColor = textShadowColor_;
    layer->label.font = textFont_;
    layer->label.size = QFontMetricsF(textFont_).size(Qt::TextSingleLine, QStringLiteral("0"));
    layer->label.position = QPointF(pieCenter_.x() + textRadius_, pieCenter_.y());
    return layer;
}

QColor PieChart::fallbackColor(unsigned index)
{
    const double hue = double((index / 8) % 20) / 20 + 0.02;
    const double saturation = double((index % 8) + 3) / 10;
    return QColor::fromHsvF(float(hue), float(saturation), 0.91f, 1.0f);
}

QString PieChart::labelText(const SliceLayer& layer, double value) const
{
    if (showPercentage_)
        return QString::asprintf("%0.0f", layer.percentage * 100);
    if (!layer.text.isEmpty())
        return layer.text;
    return QString::asprintf("%0.0f", value);
}

void PieChart::updateLabelForLayer(SliceLayer& layer, double value) const
{
    layer.label.hidden = !showText_;
    if (!showText_)
        return;
    const QString text = labelText(layer, value);
    const QSizeF size = QFontMetricsF(textFont_).size(Qt::TextSingleLine, text);
    const double arcLength = textRadius_ * TwoPi * layer.percentage;
    if (value <= 0 || std::max(size.width(), size.height()) > arcLength) {
        layer.label.string.clear();
        return;
    }
    layer.label.string = text;
    layer.label.font = textFont_;
    layer.label.size = size;
}

// ---- Redraw clock ------------------------------------------------------------

void PieChart::updateTimerFired()
{
    const qint64 now = nowMs();
    bool moving = false;
    for (auto& layer : slices_) {
        const double start = layer->presentationAngle(ArcKey::Start, now).value_or(layer->startAngle());
        const double end = layer->presentationAngle(ArcKey::End, now).value_or(layer->endAngle());
        QPainterPath path(pieCenter_);
        const QRectF circle(pieCenter_.x() - pieRadius_, pieCenter_.y() - pieRadius_, 2 * pieRadius_, 2 * pieRadius_);
        // Qt's arc degrees, like the chart's angles, turn counter-clockwise.
        path.arcTo(circle, start * 180 / std::numbers::pi, (end - start) * 180 / std::numbers::pi);
        path.closeSubpath();
        layer->path = path;
        layer->label.position = pointOnCircle(pieCenter_, textRadius_, (start + end) / 2);
        moving = moving || layer->isAnimating(now);
    }
    if (!moving)
        animationTimer_.stop();
    pieView_->update();
}

void PieChart::drawSlices(QPainter& painter) const
{
    std::vector<const SliceLayer*> order;
    for (const auto& layer : slices_)
        order.push_back(layer.get());
    std::stable_sort(order.begin(), order.end(),
                     [](const SliceLayer* a, const SliceLayer* b) { return a->zPosition < b->zPosition; });
    for (const SliceLayer* layer : order) {
        painter.save();
        painter.translate(layer->position);
        if (layer->lineWidth > 0 && layer->strokeColor.isValid())
            painter.setPen(QPen(layer->strokeColor, layer->lineWidth, Qt::SolidLine, Qt::FlatCap, Qt::BevelJoin));
        else
            painter.setPen(Qt::NoPen);
        painter.setBrush(layer->fillColor);
        painter.drawPath(layer->path);
        const SliceLayer::Label& label = layer->label;
        if (!label.hidden && !label.string.isEmpty() && label.color.alpha() > 0) {
            QRectF box(QPointF(), label.size);
            box.moveCenter(label.position);
            painter.setFont(label.font);
            if (label.shadowColor.isValid()) {
                painter.setPen(label.shadowColor);
                painter.drawText(box.translated(1, 1), Qt::AlignCenter, label.string);
            }
            painter.setPen(label.color);
            painter.drawText(box, Qt::AlignCenter, label.string);
        }
        painter.restore();
    }
}

// ---- Selection ---------------------------------------------------------------

void PieChart::mousePressEvent(QMouseEvent* event)
{
    const qsizetype hit = getCurrentSelectedOnLocation(event->position());
    notifyDelegateOfSelectionChange(selectedSliceIndex_, hit);
    for (auto& layer : slices_) {
        layer->zPosition = SliceZ;
        layer->lineWidth = 0;
    }
    pieView_->update();
    event->accept();
}

void PieChart::leaveEvent(QEvent* event)
{
    for (auto& layer : slices_)
        layer->lineWidth = 0;
    pieView_->update();
    BackgroundView::leaveEvent(event);
}

qsizetype PieChart::getCurrentSelectedOnLocation(const QPointF& point)
{
    const QPointF inPie = point - pieView_->pos();
    qsizetype found = -1;
    for (qsizetype index = 0; index < sliceCount(); ++index) {
        SliceLayer& layer = *slices_[size_t(index)];
        if (layer.path.contains(inPie)) {
            layer.lineWidth = selectedSliceStroke_;
            layer.strokeColor = Qt::white;
            layer.zPosition = RaisedZ;
            found = index;
        } else {
            layer.zPosition = SliceZ;
            layer.lineWidth = 0;
        }
    }
    return found;
}

void PieChart::notifyDelegateOfSelectionChange(qsizetype from, qsizetype to)
{
    // A newer choice replaces a selection that still waits.
    pendingSelection_.stop();
    if (from == to) {
        if (from == -1 || selectedSliceOffsetRadius_ <= 0 || to >= sliceCount())
            return;
        const auto index = unsigned(to);
        if (!slice(to).selected) {
            if (delegate_)
                delegate_->willSelectSliceAtIndex(this, index);
            selectNow(to);
        } else {
            if (delegate_)
                delegate_->willDeselectSliceAtIndex(this, index);
            setSliceDeselectedAtIndex(to);
            if (delegate_)
                delegate_->didDeselectSliceAtIndex(this, index);
            selectedSliceIndex_ = -1;
        }
        return;
    }
    bool deselected = false;
    if (from != -1) {
        if (delegate_)
            delegate_->willDeselectSliceAtIndex(this, unsigned(from));
        setSliceDeselectedAtIndex(from);
        if (delegate_)
            delegate_->didDeselectSliceAtIndex(this, unsigned(from));
        selectedSliceIndex_ = -1;
        deselected = true;
    }
    if (to == -1)
        return;
    if (delegate_)
        delegate_->willSelectSliceAtIndex(this, unsigned(to));
    if (deselected) {
        // The old slice is back before the new one moves out.
        pendingSelectionIndex_ = to;
        pendingSelection_.start();
    } else {
        selectNow(to);
    }
}

void PieChart::selectNow(qsizetype index)
{
    if (index < 0 || index >= sliceCount())
        return;
    setSliceSelectedAtIndex(index);
    selectedSliceIndex_ = index;
    if (delegate_)
        delegate_->didSelectSliceAtIndex(this, unsigned(index));
}

void PieChart::setSliceSelectedAtIndex(qsizetype index)
{
    if (selectedSliceOffsetRadius_ <= 0 || index < 0 || index >= sliceCount())
        return;
    SliceLayer& layer = *slices_[size_t(index)];
    if (layer.selected)
        return;
    const double middle = (layer.startAngle() + layer.endAngle()) / 2;
    layer.position = pointOnCircle(layer.position, selectedSliceOffsetRadius_, middle);
    layer.selected = true;
    pieView_->update();
}

void PieChart::setSliceDeselectedAtIndex(qsizetype index)
{
    if (selectedSliceOffsetRadius_ <= 0 || index < 0 || index >= sliceCount())
        return;
    SliceLayer& layer = *slices_[size_t(index)];
    if (!layer.selected)
        return;
    layer.position = QPointF();
    layer.selected = false;
    pieView_->update();
}
