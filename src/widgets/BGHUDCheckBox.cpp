#include "BGHUDCheckBox.h"

#include "BGHUDButtonHost.h"

BGHUDCheckBox::BGHUDCheckBox(const QString& text, QWidget* parent)
    : QCheckBox(text, parent)
{
    cell_.setButtonType(BGHUDButtonCell::Switch);
    cell_.setImagePosition(BGHUDButtonCell::ImageLeft);
}

void BGHUDCheckBox::paintEvent(QPaintEvent*)
{
    BGHUDButtonHost::paint(*this, cell_);
}

// The whole control, box and title, takes the click, as it is all drawn.
bool BGHUDCheckBox::hitButton(const QPoint& pos) const
{
    return rect().contains(pos);
}
