#include "BGHUDTabViewItem.h"

#include <QVBoxLayout>

BGHUDTabViewItem::BGHUDTabViewItem(const QString& label, QWidget* parent)
    : QWidget(parent), label_(label)
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
}

void BGHUDTabViewItem::setLabel(const QString& label)
{
    if (label == label_)
        return;
    label_ = label;
    emit labelChanged(label_);
}

QColor BGHUDTabViewItem::labelColor() const
{
    return theme()->textColor();
}

void BGHUDTabViewItem::setView(QWidget* content)
{
    delete view_;
    view_ = content;
    if (content)
        layout()->addWidget(content);
}
