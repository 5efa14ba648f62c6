#include "screens/BWBox.h"

#include <QPainter>

namespace {

// The faintest label colour: a light veil over what lies behind.
const QColor QuaternaryLabelColor = QColor(0, 0, 0, 26);

}  // namespace

BWBox::BWBox(QWidget* parent)
    : QFrame(parent)
{
    setAttribute(Qt::WA_Hover);
}

void BWBox::setIsMouseOver(bool over)
{
    m_isMouseOver = over;
}

QColor BWBox::fillColor() const
{
    return m_isMouseOver ? QColor(Qt::transparent) : QuaternaryLabelColor;
}

void BWBox::enterEvent(QEnterEvent* event)
{
    m_isMouseOver = true;
    repaint();
    QFrame::enterEvent(event);
}

void BWBox::leaveEvent(QEvent* event)
{
    m_isMouseOver = false;
    repaint();
    QFrame::leaveEvent(event);
}

void BWBox::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    painter.fillRect(rect(), fillColor());
    painter.end();
    QFrame::paintEvent(event);
}
