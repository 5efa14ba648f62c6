#include "BGHUDTableHeaderView.h"

#include <QPainter>
#include <QStyleOptionHeader>

BGHUDTableHeaderView::BGHUDTableHeaderView(Qt::Orientation orientation, QWidget* parent)
    : QHeaderView(orientation, parent)
{
    // Titles start at the left unless a column asks otherwise.
    setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
}

void BGHUDTableHeaderView::paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const
{
    if (!rect.isValid())
        return;
    QStyleOptionHeader option;
    initStyleOptionForIndex(&option, logicalIndex);
    cell_.setStringValue(option.text);
    cell_.setFont(font());
    cell_.setAlignment(option.textAlignment);

    const QRectF frame(rect);
    const bool enabled = isEnabled();
    cell_.drawBackground(*painter, frame, option.state.testFlag(QStyle::State_Sunken));
    cell_.drawTitle(*painter, frame);
    if (isSortIndicatorShown() && sortIndicatorSection() == logicalIndex)
        cell_.drawSortIndicator(*painter, frame, sortIndicatorOrder() == Qt::AscendingOrder, 0, enabled);
}
