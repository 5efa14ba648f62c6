#pragma once

#include <QStyledItemDelegate>

// Paints the bill table's cells: the row background (alternating, or the
// selection's highlight), then the cell view the model made for the cell, in
// the style of a selected or a plain row.
class BWBillTableDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    static constexpr int RowHeight = 40;

    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};
