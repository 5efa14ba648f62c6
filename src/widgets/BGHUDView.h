#pragma once

#include "BGHUDGradientLook.h"

#include <QWidget>

// A plain container painted with the theme's gradient and a one-point frame,
// or with its own gradient and edge lines.
class BGHUDView : public QWidget, public BGHUDGradientLook {
    Q_OBJECT
public:
    explicit BGHUDView(QWidget* parent = nullptr);

    // The angle, in screen terms, at which the own gradient is laid: the
    // theme's angle when flipped, else its mirror (color1 at the top).
    qreal ownGradientAngle() const;

protected:
    void paintEvent(QPaintEvent* event) override;
};
