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
    cell_.drawBezel(painter, rect(), isDown());
    cell_.drawTitle(painter, text(), rect(), Qt::AlignCenter);
}
