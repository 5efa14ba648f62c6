#include "KBButton.h"

#include <QPainter>

KBButton::KBButton(const QString& text, QWidget* parent)
    : QPushButton(text, parent)
{
}

void KBButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setFont(font());
    // A button that can't be pressed at the moment says so by fading.
    if (!isEnabled())
        painter.setOpacity(DisabledOpacity);
    cell_.drawBezel(painter, rect(), isDown());
    cell_.drawTitle(painter, text(), rect(), Qt::AlignCenter);
}
