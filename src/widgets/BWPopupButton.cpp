#include "BWPopupButton.h"

#include "BWFocusFrame.h"

#include "widgets/BWPlainText.h"

#include <QPainter>
#include <QPainterPath>

namespace {

constexpr qreal TitleInset = 8.0;
constexpr qreal ArrowsWidth = 16.0;

}  // namespace

BWPopupButton::BWPopupButton(QWidget* parent)
    : QComboBox(parent)
{
}

void BWPopupButton::showPopup()
{
    // The bezel shows pressed while the menu is open.
    menuShown_ = true;
    update();
    QComboBox::showPopup();
}

void BWPopupButton::hidePopup()
{
    menuShown_ = false;
    update();
    QComboBox::hidePopup();
}

QRectF BWPopupButton::titleFrame(const QRectF& bounds)
{
    return bounds.adjusted(TitleInset, 0, -(TitleInset + ArrowsWidth), 0);
}

QRectF BWPopupButton::arrowsFrame(const QRectF& bounds)
{
    return QRectF(bounds.right() - TitleInset - ArrowsWidth, bounds.top(), ArrowsWidth, bounds.height());
}

void BWPopupButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setFont(font());
    cell_.drawBezel(painter, rect(), menuShown_);
    // The title is an item's text, often a tag the user typed: its "&" is
    // drawn, not taken as a shortcut mark.
    cell_.drawTitle(painter, BWPlainText::mnemonicFree(currentText()), titleFrame(rect()), Qt::AlignLeft);
    drawArrows(painter, arrowsFrame(rect()));
    BWFocusFrame::paint(painter, *this);
}

// Two small triangles, up and down, in the title's colour.
void BWPopupButton::drawArrows(QPainter& painter, const QRectF& frame) const
{
    const QPointF centre = frame.center();
    const qreal half = 3.0;
    QPainterPath arrows;
    arrows.moveTo(centre + QPointF(-half, -1.5));
    arrows.lineTo(centre + QPointF(half, -1.5));
    arrows.lineTo(centre + QPointF(0, -1.5 - half));
    arrows.closeSubpath();
    arrows.moveTo(centre + QPointF(-half, 1.5));
    arrows.lineTo(centre + QPointF(half, 1.5));
    arrows.lineTo(centre + QPointF(0, 1.5 + half));
    arrows.closeSubpath();
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillPath(arrows, cell_.titleColor());
    painter.restore();
}
