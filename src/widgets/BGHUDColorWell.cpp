#include "BGHUDColorWell.h"

#include "BWFocusFrame.h"

#include "BWFlippedGeometry.h"

#include <QColorDialog>
#include <QPainter>

BGHUDColorWell::BGHUDColorWell(QWidget* parent)
    : QAbstractButton(parent)
{
    connect(this, &QAbstractButton::clicked, this, [this] { openPanel(); });
}

void BGHUDColorWell::setColor(const QColor& color)
{
    if (color == color_)
        return;
    color_ = color;
    update();
}

void BGHUDColorWell::setBordered(bool bordered)
{
    bordered_ = bordered;
    update();
}

void BGHUDColorWell::setUseTransparentWell(bool use)
{
    useTransparentWell_ = use;
    update();
}

bool BGHUDColorWell::isActive() const
{
    return panel_ && panel_->isVisible();
}

QRectF BGHUDColorWell::wellRect(const QRectF& bounds) const
{
    const qreal inset = bordered_ ? 5.0 : 2.0;
    return bounds.adjusted(inset, inset, -inset, -inset);
}

QColor BGHUDColorWell::wellColor() const
{
    if (!useTransparentWell_)
        return color_;
    QColor shown = color_;
    shown.setAlphaF(float(theme()->alphaValue()));
    return shown;
}

void BGHUDColorWell::paintEvent(QPaintEvent*)
{
    const auto theme = this->theme();
    const QRectF bounds(rect());
    QPainter painter(this);
    (isActive() ? theme->highlightGradient() : theme->normalGradient())
        .fillRect(painter, bounds, BWFlippedGeometry::angleToScreen(270));
    painter.setPen(QPen(theme->strokeColor(), 1.0));
    painter.drawRect(bounds.adjusted(0.5, 0.5, -0.5, -0.5));
    painter.fillRect(wellRect(bounds), wellColor());
    BWFocusFrame::paint(painter, *this);
}

void BGHUDColorWell::openPanel()
{
    if (!panel_) {
        panel_ = new QColorDialog(color_, this);
        panel_->setAttribute(Qt::WA_DeleteOnClose);
        connect(panel_, &QColorDialog::currentColorChanged, this, &BGHUDColorWell::setColor);
        connect(panel_, &QColorDialog::finished, this, [this] { update(); });
    }
    panel_->show();
    panel_->raise();
    update();
}
