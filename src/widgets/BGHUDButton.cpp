#include "BGHUDButton.h"

#include "BGHUDButtonHost.h"

BGHUDButton::BGHUDButton(const QString& text, QWidget* parent)
    : QPushButton(text, parent)
{
    setAttribute(Qt::WA_Hover);
}

void BGHUDButton::syncCellWithButton()
{
    using Cell = BGHUDButtonCell;
    if (isCheckable()) {
        cell_.setShowsStateBy(Cell::ChangeGrayMask | Cell::ChangeBackgroundMask);
        cell_.setHighlightsBy(Cell::PushInMask | Cell::ChangeGrayMask | Cell::ChangeBackgroundMask);
    } else {
        cell_.setShowsStateBy(0);
        cell_.setHighlightsBy(Cell::PushInMask | Cell::ChangeGrayMask | Cell::ChangeBackgroundMask);
    }
    if (icon().isNull())
        cell_.setImagePosition(Cell::NoImage);
    else
        cell_.setImagePosition(text().isEmpty() ? Cell::ImageOnly : Cell::ImageLeft);
}

void BGHUDButton::paintEvent(QPaintEvent*)
{
    syncCellWithButton();
    BGHUDButtonHost::paint(*this, cell_);
}

void BGHUDButton::enterEvent(QEnterEvent* event)
{
    cell_.mouseEntered();
    update();
    QPushButton::enterEvent(event);
}

void BGHUDButton::leaveEvent(QEvent* event)
{
    cell_.mouseExited();
    update();
    QPushButton::leaveEvent(event);
}
