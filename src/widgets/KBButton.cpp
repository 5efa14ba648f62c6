#include "KBButton.h"

#include "BWFocusFrame.h"

#include <QPainter>

KBButton::KBButton(const QString& text, QWidget* parent)
    : QPushButton(text, parent)
{
}

KBButton::KBButton(const QString& text, std::int32_t type, QWidget* parent)
    : QPushButton(text, parent)
{
    setKBButtonType(type);
}

void KBButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setFont(font());
    // A button that can't be pressed at the moment says so as a greyed menu
    // item does: it fades and loses its colour, which would still invite a
    // click.
    KBButtonCell greyed;
    const KBButtonCell& look = isEnabled() ? cell_ : greyed;
    if (!isEnabled())
        painter.setOpacity(DisabledOpacity);
    look.drawBezel(painter, rect(), isDown());
    look.drawTitle(painter, text(), rect(), Qt::AlignCenter);
    BWFocusFrame::paint(painter, *this);
}
