#include "BWAccessiblePieChart.h"

#include "PieChart.h"

#include <QLocale>
#include <QWidget>

BWAccessiblePieChart::BWAccessiblePieChart(QWidget* chart)
    : QAccessibleWidget(chart, QAccessible::Chart)
{
}

BWAccessiblePieChart::~BWAccessiblePieChart()
{
    for (const QAccessible::Id id : std::as_const(m_slices))
        QAccessible::deleteAccessibleInterface(id);
}

PieChart* BWAccessiblePieChart::chart() const
{
    return static_cast<PieChart*>(object());
}

QString BWAccessiblePieChart::text(QAccessible::Text which) const
{
    const QString own = QAccessibleWidget::text(which);
    return which == QAccessible::Name && own.isEmpty() ? tr("Pie chart") : own;
}

int BWAccessiblePieChart::childCount() const
{
    return int(chart()->sliceCount());
}

QAccessibleInterface* BWAccessiblePieChart::child(int index) const
{
    if (index < 0 || index >= childCount())
        return nullptr;
    auto known = m_slices.constFind(index);
    if (known == m_slices.cend())
        known = m_slices.insert(index,
                                QAccessible::registerAccessibleInterface(new BWAccessiblePieSlice(chart(), index)));
    return QAccessible::accessibleInterface(*known);
}

int BWAccessiblePieChart::indexOfChild(const QAccessibleInterface* child) const
{
    for (auto slice = m_slices.cbegin(); slice != m_slices.cend(); ++slice) {
        if (QAccessible::accessibleInterface(slice.value()) == child)
            return slice.key();
    }
    return -1;
}

QString BWAccessiblePieChart::sliceReading(PieChart& chart, int index)
{
    const SliceLayer& slice = chart.slice(index);
    std::optional<QString> said;
    if (PieChartDataSource* source = chart.dataSource())
        said = source->accessibleTextForSliceAtIndex(&chart, unsigned(index));
    const QString share = tr("%1%").arg(QLocale().toString(slice.percentage * 100, 'f', 0));
    return tr("%1, %2").arg(said.value_or(QLocale().toString(slice.value)), share);
}

bool BWAccessiblePieSlice::isValid() const
{
    return m_chart && m_index < m_chart->sliceCount();
}

QWindow* BWAccessiblePieSlice::window() const
{
    return m_chart ? m_chart->window()->windowHandle() : nullptr;
}

QAccessibleInterface* BWAccessiblePieSlice::parent() const
{
    return QAccessible::queryAccessibleInterface(m_chart.data());
}

QString BWAccessiblePieSlice::text(QAccessible::Text which) const
{
    if (which != QAccessible::Name || !isValid())
        return {};
    return BWAccessiblePieChart::sliceReading(*m_chart, m_index);
}

QRect BWAccessiblePieSlice::rect() const
{
    if (!isValid())
        return {};
    const QRect bounds = m_chart->slice(m_index).path.boundingRect().toAlignedRect();
    return bounds.translated(m_chart->mapToGlobal(QPoint(0, 0)));
}

QAccessible::State BWAccessiblePieSlice::state() const
{
    QAccessible::State state;
    state.selectable = true;
    state.invisible = !isValid() || !m_chart->isVisible();
    state.selected = isValid() && m_chart->selectedSliceIndex() == m_index;
    return state;
}

void* BWAccessiblePieSlice::interface_cast(QAccessible::InterfaceType type)
{
    return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this) : nullptr;
}

void BWAccessiblePieSlice::doAction(const QString& action)
{
    if (action == pressAction() && isValid())
        m_chart->notifyDelegateOfSelectionChange(m_chart->selectedSliceIndex(), m_index);
}
