#pragma once

#include "BackgroundView.h"
#include "SliceLayer.h"

#include <QColor>
#include <QElapsedTimer>
#include <QFont>
#include <QString>
#include <QTimer>

#include <memory>
#include <optional>
#include <vector>

class PieChart;

// Where a pie chart takes its numbers from. Must outlive the chart or be
// cleared from it first.
class PieChartDataSource
{
public:
    virtual ~PieChartDataSource() = default;
    virtual unsigned numberOfSlicesInPieChart(PieChart* chart) = 0;
    virtual double valueForSliceAtIndex(PieChart* chart, unsigned index) = 0;
    // Nothing (or an invalid colour): the chart's own colour for the index.
    virtual std::optional<QColor> colorForSliceAtIndex(PieChart*, unsigned) { return std::nullopt; }
    // Nothing: the slice is labelled with its value.
    virtual std::optional<QString> textForSliceAtIndex(PieChart*, unsigned) { return std::nullopt; }
    // What a screen reader says of the slice before its share ("Rent,
    // $1,450.00"). Nothing: its value.
    virtual std::optional<QString> accessibleTextForSliceAtIndex(PieChart*, unsigned) { return std::nullopt; }
};

// Told when the user selects or deselects a slice. Must outlive the chart or
// be cleared from it first.
class PieChartDelegate
{
public:
    virtual ~PieChartDelegate() = default;
    virtual void willSelectSliceAtIndex(PieChart*, unsigned) {}
    virtual void didSelectSliceAtIndex(PieChart*, unsigned) {}
    virtual void willDeselectSliceAtIndex(PieChart*, unsigned) {}
    virtual void didDeselectSliceAtIndex(PieChart*, unsigned) {}
};

// A pie of any number of slices. Every reload animates the slices from what
// is on screen to the new shares; a click on a slice selects it and moves it
// out from the centre, a second click or a click beside the pie deselects it.
// Slice i of the data source is always slice layer i, so the index a click
// reports names the slice under the pointer. While angles animate, a 1/60 s
// clock rebuilds the slice shapes; it stops with the last animation.
class PieChart : public BackgroundView
{
    Q_OBJECT

public:
    // A chart filling `frame`: the pie centred, 10 points inside the shorter
    // side, its first slice starting at the bottom (6 o'clock) and the
    // slices following counter-clockwise, labelled with white percentages.
    explicit PieChart(const QRect& frame, QWidget* parent = nullptr);
    PieChart(const QRect& frame, const QPointF& center, double radius, QWidget* parent = nullptr);
    ~PieChart() override;

    void setDataSource(PieChartDataSource* dataSource) { dataSource_ = dataSource; }
    PieChartDataSource* dataSource() const { return dataSource_; }
    void setDelegate(PieChartDelegate* delegate) { delegate_ = delegate; }

    // Radians; 0 is 3 o'clock and angles grow counter-clockwise, so slices
    // follow each other counter-clockwise from the start angle.
    double startPieAngle() const { return startPieAngle_; }
    void setStartPieAngle(double radians) { startPieAngle_ = radians; }
    double animationSpeed() const { return animationSpeed_; }   // seconds
    void setAnimationSpeed(double seconds) { animationSpeed_ = seconds; }

    // The pie is always centred in its pie view: the point is kept as the
    // pie view's centre and the pie centre becomes the middle of that view.
    QPointF pieCenter() const { return pieCenter_; }
    void setPieCenter(const QPointF& point);
    double pieRadius() const { return pieRadius_; }
    // Also rounds the pie view's background to the radius.
    void setPieRadius(double radius);
    void setPieBackgroundColor(const QColor& color);

    bool isShowText() const { return showText_; }
    void setShowText(bool show) { showText_ = show; }
    bool isShowPercentage() const { return showPercentage_; }
    // Relabels every slice.
    void setShowPercentage(bool show);
    QFont textFont() const { return textFont_; }
    void setTextFont(const QFont& font) { textFont_ = font; }
    // Read when a slice is made.
    QColor textColor() const { return textColor_; }
    void setTextColor(const QColor& color) { textColor_ = color; }
    QColor textShadowColor() const { return textShadowColor_; }
    void setTextShadowColor(const QColor& color) { textShadowColor_ = color; }
    double textRadius() const { return textRadius_; }
    void setTextRadius(double radius) { textRadius_ = radius; }
    double selectedSliceStroke() const { return selectedSliceStroke_; }
    void setSelectedSliceStroke(double width) { selectedSliceStroke_ = width; }
    // 0 or less: selected slices do not move and clicks on the same slice
    // change nothing.
    double selectedSliceOffsetRadius() const { return selectedSliceOffsetRadius_; }
    void setSelectedSliceOffsetRadius(double radius) { selectedSliceOffsetRadius_ = radius; }

    // Reads the data source again and animates to the new state; nothing
    // without a data source. Cancels a selection still waiting to happen.
    void reloadData();

    // Index of the slice under a point of the chart, -1 for none.
    qsizetype getCurrentSelectedOnLocation(const QPointF& point);
    void notifyDelegateOfSelectionChange(qsizetype from, qsizetype to);
    void setSliceSelectedAtIndex(qsizetype index);
    void setSliceDeselectedAtIndex(qsizetype index);
    qsizetype selectedSliceIndex() const { return selectedSliceIndex_; }
    // A slice chosen while another moved back waits for its turn.
    bool isSelectionWaiting() const { return pendingSelection_.isActive(); }

    // The point at `angle` on a circle, in widget coordinates.
    static QPointF pointOnCircle(const QPointF& center, double radius, double angle);

    // The slices in drawing order of the data source.
    qsizetype sliceCount() const { return qsizetype(slices_.size()); }
    const SliceLayer& slice(qsizetype index) const { return *slices_[size_t(index)]; }

    // One tick of the redraw clock: every slice's shape from the angles shown
    // now; the clock stops when no angle moves any more.
    void updateTimerFired();
    bool isAnimating() const { return animationTimer_.isActive(); }

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    class PieView;
    friend class PieView;

    std::unique_ptr<SliceLayer> createSliceLayer() const;
    void updateLabelForLayer(SliceLayer& layer, double value) const;
    QString labelText(const SliceLayer& layer, double value) const;
    void animateArcs(SliceLayer& layer, double startFrom, double startTo, double endFrom, double endTo);
    void collapseSlices();
    static QColor fallbackColor(unsigned index);
    void selectNow(qsizetype index);
    void drawSlices(QPainter& painter) const;
    qint64 nowMs() const { return clock_.elapsed(); }

    PieChartDataSource* dataSource_ = nullptr;
    PieChartDelegate* delegate_ = nullptr;
    PieView* pieView_ = nullptr;
    std::vector<std::unique_ptr<SliceLayer>> slices_;
    qsizetype selectedSliceIndex_ = -1;

    double startPieAngle_ = 0;
    double animationSpeed_ = 0.5;
    QPointF pieCenter_;
    double pieRadius_ = 0;
    bool showText_ = true;
    bool showPercentage_ = true;
    QFont textFont_;
    QColor textColor_ = Qt::white;
    QColor textShadowColor_;
    double textRadius_ = 0;
    double selectedSliceStroke_ = 2.0;
    double selectedSliceOffsetRadius_ = 10;

    QElapsedTimer clock_;
    QTimer animationTimer_;
    // The second half of a selection that waits for the old slice to move back.
    QTimer pendingSelection_;
    qsizetype pendingSelectionIndex_ = -1;
};
