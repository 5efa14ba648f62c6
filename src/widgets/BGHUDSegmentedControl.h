#pragma once

#include "BGHUDSegmentedCell.h"

#include <QWidget>

// A segmented control in the HUD look: one segment selected at a time, by
// click or by the left and right keys. A change repaints at once, without
// animation.
class BGHUDSegmentedControl : public QWidget {
    Q_OBJECT
public:
    explicit BGHUDSegmentedControl(QWidget* parent = nullptr);

    BGHUDSegmentedCell& cell() { return cell_; }

    void addSegment(const QString& label, const QImage& image = QImage());
    int count() const { return int(cell_.segments().size()); }
    int selectedSegment() const { return cell_.selectedSegment(); }
    void setSelectedSegment(int index);
    // The segment under a point, or -1.
    int segmentAt(const QPointF& position) const;

    QSize sizeHint() const override;

signals:
    // The user picked another segment.
    void segmentSelected(int index);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void selectByUser(int index);

    BGHUDSegmentedCell cell_;
};
