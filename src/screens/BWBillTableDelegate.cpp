#include "screens/BWBillTableDelegate.h"

#include <QApplication>
#include <QPainter>

#include "screens/BWOverviewTableModel.h"
#include "screens/BWTableCellView.h"

void BWBillTableDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    // The view has set the row's state and alternation; the cell view draws
    // everything else, so the model is asked only once.
    const QStyleOptionViewItem& background = option;
    const QStyle* style = background.widget ? background.widget->style() : QApplication::style();
    style->drawPrimitive(QStyle::PE_PanelItemViewItem, &background, painter, background.widget);

    auto cell = index.data(BWOverviewTableModel::CellViewRole).value<BWTableCellView>();
    cell.setBackgroundStyle(option.state.testFlag(QStyle::State_Selected)
                                ? BWTableCellView::BackgroundStyle::Emphasized
                                : BWTableCellView::BackgroundStyle::Normal);
    cell.paint(*painter, option.rect, option.font);
}

QSize BWBillTableDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    return {QStyledItemDelegate::sizeHint(option, index).width(), RowHeight};
}
