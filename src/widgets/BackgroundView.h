#pragma once

#include <QColor>
#include <QPointF>
#include <QWidget>

// A view that fills itself with one colour and carries a centre point for
// the views built on it; it neither uses nor moves to that point itself.
class BackgroundView : public QWidget {
    Q_OBJECT
public:
    explicit BackgroundView(QWidget* parent = nullptr);

    QColor backgroundColor() const { return backgroundColor_; }
    // An invalid colour clears the background.
    void setBackgroundColor(const QColor& color);

    // Rounds the background's corners; 0 fills the whole rectangle.
    qreal cornerRadius() const { return cornerRadius_; }
    void setCornerRadius(qreal radius);

    QPointF center() const { return center_; }
    void setCenter(const QPointF& center) { center_ = center; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor backgroundColor_;
    QPointF center_;
    qreal cornerRadius_ = 0;
};
