#include "BGHUDTabBar.h"

#include "BGHUDTabViewItem.h"
#include "BWFocusFrame.h"

#include <QFontMetrics>
#include <QPainter>
#include <QTabWidget>

namespace {

constexpr int TabPadding = 24;
constexpr int TabHeight = 25;

}  // namespace

BGHUDTabBar::BGHUDTabBar(QWidget* parent)
    : QTabBar(parent)
{
    cell_.setSegmentStyle(BGHUDSegmentedCell::Rounded);
    setDrawBase(false);
    setExpanding(false);
    setElideMode(Qt::ElideNone);
}

// Every tab is as wide as the widest, so the segments the cell lays out
// evenly are the tabs Qt hit-tests.
QSize BGHUDTabBar::tabSizeHint(int) const
{
    const QFontMetrics metrics(cell_.labelFont(font()));
    int widest = 0;
    for (int index = 0; index < count(); ++index)
        widest = std::max(widest, metrics.horizontalAdvance(tabText(index)));
    return {widest + TabPadding, TabHeight};
}

// The tab view item behind a tab, when the bar belongs to a tab view whose
// page there is one.
const BGHUDTabViewItem* BGHUDTabBar::itemAt(int index) const
{
    const auto* view = qobject_cast<const QTabWidget*>(parentWidget());
    return view ? qobject_cast<const BGHUDTabViewItem*>(view->widget(index)) : nullptr;
}

void BGHUDTabBar::syncCellWithTabs()
{
    QList<BGHUDSegmentedCell::Segment>& segments = cell_.segments();
    segments.clear();
    for (int index = 0; index < count(); ++index) {
        BGHUDSegmentedCell::Segment segment;
        segment.label = tabText(index);
        if (const BGHUDTabViewItem* item = itemAt(index))
            segment.labelColor = item->labelColor();
        const QIcon icon = tabIcon(index);
        if (!icon.isNull())
            segment.image = icon.pixmap(iconSize(), devicePixelRatioF()).toImage();
        segments.append(segment);
    }
    cell_.setSelectedSegment(currentIndex());
}

void BGHUDTabBar::paintEvent(QPaintEvent*)
{
    syncCellWithTabs();
    if (count() == 0)
        return;
    const QRect tabs = tabRect(0).united(tabRect(count() - 1));
    QPainter painter(this);
    cell_.draw(painter, tabs, font(), isEnabled());
    BWFocusFrame::paint(painter, *this, tabs);
}
