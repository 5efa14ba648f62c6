#include "screens/BWRepeatingView.h"

#include <QPainter>

BWRepeatingView::BWRepeatingView(QWidget* parent)
    : QWidget(parent)
{
}

void BWRepeatingView::paintEvent(QPaintEvent*)
{
    m_customBackgroundColor = palette().color(QPalette::Base);
    QPainter painter(this);
    painter.fillRect(rect(), m_customBackgroundColor);
}
