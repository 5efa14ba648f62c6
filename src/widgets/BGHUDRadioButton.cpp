#include "BGHUDRadioButton.h"

#include "BGHUDButtonHost.h"

BGHUDRadioButton::BGHUDRadioButton(const QString& text, QWidget* parent)
    : QRadioButton(text, parent)
{
    cell_.setButtonType(BGHUDButtonCell::Radio);
    cell_.setImagePosition(BGHUDButtonCell::ImageLeft);
}

void BGHUDRadioButton::paintEvent(QPaintEvent*)
{
    BGHUDButtonHost::paint(*this, cell_);
}

bool BGHUDRadioButton::hitButton(const QPoint& pos) const
{
    return rect().contains(pos);
}
