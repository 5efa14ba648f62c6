#include "BackgroundView.h"

#include "BWColorConversion.h"

#include <QPainter>

BackgroundView::BackgroundView(QWidget* parent)
    : QWidget(parent)
{
}

void BackgroundView::setBackgroundColor(const QColor& color)
{
    backgroundColor_ = color;
    update();
}

void BackgroundView::setCornerRadius(qreal radius)
{
    cornerRadius_ = radius;
    update();
}

void BackgroundView::paintEvent(QPaintEvent*)
{
    const QColor fill = BWColorConversion::CGColor(backgroundColor_);
    if (!fill.isValid())
        return;
    QPainter painter(this);
    if (cornerRadius_ <= 0) {
        painter.fillRect(rect(), fill);
        return;
    }
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(fill);
    painter.drawRoundedRect(rect(), cornerRadius_, cornerRadius_);
}
