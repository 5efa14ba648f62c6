#include "BGHUDTabViewItem.h"

BGHUDTabViewItem::BGHUDTabViewItem(const QString& label, QWidget* parent)
    : QWidget(parent), label_(label)
{
}

QColor BGHUDTabViewItem::labelColor() const
{
    return theme()->textColor();
}
