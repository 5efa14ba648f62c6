#pragma once

#include "BGThemeKeyed.h"

#include <QAbstractButton>
#include <QPointer>

class QColorDialog;

// A colour well in the HUD look: a gradient face with a one-point frame and
// the colour inside. Clicking it opens a colour panel; while that is open
// the well is active and shows the highlight gradient.
class BGHUDColorWell : public QAbstractButton, public BGThemeKeyed {
    Q_OBJECT
public:
    explicit BGHUDColorWell(QWidget* parent = nullptr);

    QColor color() const { return color_; }
    void setColor(const QColor& color);
    bool isBordered() const { return bordered_; }
    void setBordered(bool bordered);
    // Fill with the colour at the theme's alpha instead of the colour as is.
    bool useTransparentWell() const { return useTransparentWell_; }
    void setUseTransparentWell(bool use);
    bool isActive() const;

    QRectF wellRect(const QRectF& bounds) const;
    QColor wellColor() const;

    QSize sizeHint() const override { return {44, 23}; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void openPanel();

    QColor color_ = Qt::white;
    bool bordered_ = true;
    bool useTransparentWell_ = false;
    QPointer<QColorDialog> panel_;
};
