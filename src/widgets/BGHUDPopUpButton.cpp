#include "BGHUDPopUpButton.h"

#include "BWFocusFrame.h"

#include <QFontMetrics>
#include <QPainter>

BGHUDPopUpButton::BGHUDPopUpButton(QWidget* parent)
    : QComboBox(parent)
{
}

BGHUDPopUpButtonCell::State BGHUDPopUpButton::cellState() const
{
    BGHUDPopUpButtonCell::State state;
    state.enabled = isEnabled();
    state.highlighted = menuOpen_;
    state.inKeyWindow = isActiveWindow();
    return state;
}

QSize BGHUDPopUpButton::sizeHint() const
{
    const QFontMetrics metrics(BGHUDPopUpButtonCell::titleFont());
    int widest = 0;
    for (int index = 0; index < count(); ++index)
        widest = std::max(widest, metrics.horizontalAdvance(itemText(index)));
    const int reduction = int(BGHUDPopUpButtonCell::titleWidthReduction(cell_.controlSize()));
    return {widest + 2 * 5 + reduction + 10, metrics.height() + 6};
}

void BGHUDPopUpButton::showPopup()
{
    menuOpen_ = true;
    update();
    QComboBox::showPopup();
}

void BGHUDPopUpButton::hidePopup()
{
    QComboBox::hidePopup();
    menuOpen_ = false;
    update();
}

void BGHUDPopUpButton::paintEvent(QPaintEvent*)
{
    cell_.setTitle(currentText());
    const QIcon icon = itemIcon(currentIndex());
    cell_.setImage(icon.isNull() ? QImage() : icon.pixmap(iconSize(), devicePixelRatioF()).toImage());
    QPainter painter(this);
    cell_.draw(painter, rect(), height(), cellState());
    BWFocusFrame::paint(painter, *this);
}
