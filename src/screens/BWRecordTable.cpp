#include "screens/BWRecordTable.h"

#include "screens/BWHUDTableStyle.h"
#include "widgets/BGHUDTableView.h"

#include <QHeaderView>
#include <QStandardItemModel>

BWRecordTable::BWRecordTable(const QList<Column>& columns, QWidget* parent)
    : QObject(parent)
    , m_columns(columns)
    , m_view(new BGHUDTableView(parent))
    , m_model(new QStandardItemModel(0, int(columns.size()), this))
{
    for (int column = 0; column < m_columns.size(); ++column)
        m_model->setHeaderData(column, Qt::Horizontal, m_columns[column].title);
    m_view->setModel(m_model);
    m_view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_view->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_view->setSelectionMode(QAbstractItemView::SingleSelection);
    m_view->setAlternatingRowColors(true);
    // Read-only rows, read row by row with the arrow keys once Tab reaches them.
    m_view->setFocusPolicy(Qt::StrongFocus);
    m_view->setAccessibleName(tr("Bills"));
    m_view->verticalHeader()->hide();
    m_view->horizontalHeader()->setStretchLastSection(true);
    m_view->horizontalHeader()->setSectionsClickable(true);
    BWHUDTableStyle::apply(*m_view);
    connect(m_view->horizontalHeader(), &QHeaderView::sectionClicked, this, &BWRecordTable::headerClicked);
}

int BWRecordTable::columnOf(const QString& identifier) const
{
    for (int column = 0; column < m_columns.size(); ++column) {
        if (m_columns[column].identifier == identifier)
            return column;
    }
    return -1;
}

void BWRecordTable::setColumnHidden(const QString& identifier, bool hidden)
{
    const int column = columnOf(identifier);
    if (column >= 0)
        m_view->setColumnHidden(column, hidden);
}

void BWRecordTable::setSortDescriptors(const QList<BWSortDescriptor>& descriptors)
{
    m_descriptors = descriptors;
}

void BWRecordTable::setSortKey(const QString& identifier, const QString& key)
{
    const int column = columnOf(identifier);
    if (column < 0)
        return;
    const QString oldKey = m_columns[column].sortKey;
    m_columns[column].sortKey = key;
    for (BWSortDescriptor& descriptor : m_descriptors) {
        if (!oldKey.isEmpty() && descriptor.key == oldKey)
            descriptor.key = key;
    }
}

void BWRecordTable::sortRows(QVariantList& rows, const QString& fallbackKey) const
{
    BWSortDescriptor::sort(rows, m_descriptors.isEmpty() ? QList<BWSortDescriptor>{{fallbackKey, true}}
                                                         : m_descriptors);
}

void BWRecordTable::headerClicked(int column)
{
    const QString key = m_columns.value(column).sortKey;
    if (key.isEmpty())
        return;
    const bool same = !m_descriptors.isEmpty() && m_descriptors.first().key == key;
    const BWSortDescriptor chosen{key, same ? !m_descriptors.first().ascending : true};
    m_descriptors.removeIf([&key](const BWSortDescriptor& descriptor) { return descriptor.key == key; });
    m_descriptors.prepend(chosen);
    m_view->horizontalHeader()->setSortIndicatorShown(true);
    m_view->horizontalHeader()->setSortIndicator(column, chosen.ascending ? Qt::AscendingOrder : Qt::DescendingOrder);
    emit sortDescriptorsChanged();
}

void BWRecordTable::reload(const QVariantList& rows, const CellFiller& fill)
{
    m_model->setRowCount(0);
    for (const QVariant& record : rows) {
        const QVariantMap row = record.toMap();
        QList<QStandardItem*> cells;
        for (const Column& column : m_columns) {
            auto* cell = new QStandardItem;
            fill(*cell, column.identifier, row);
            cells.append(cell);
        }
        m_model->appendRow(cells);
    }
}

int BWRecordTable::rowCount() const
{
    return m_model->rowCount();
}

QString BWRecordTable::textAt(int row, const QString& identifier) const
{
    const QStandardItem* cell = m_model->item(row, columnOf(identifier));
    return cell ? cell->text() : QString();
}
