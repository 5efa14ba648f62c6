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

void BackgroundView::paintEvent(QPaintEvent*)
{
    const QColor fill = BWColorConversion::CGColor(backgroundColor_);
    if (!fill.isValid())
        return;
    QPainter painter(this);
    painter.fillRect(rect(), fill);
}
