#pragma once

#include "screens/BWSortDescriptor.h"

#include <QList>
#include <QObject>
#include <QString>
#include <QVariantList>

#include <functional>

class BGHUDTableView;
class QStandardItem;
class QStandardItemModel;
class QWidget;

// A HUD table of records (QVariantMap rows) for the side windows: columns
// named by identifiers, a sort order made of descriptors that a click on a
// column header changes, and cells that the owner fills row by row.
class BWRecordTable : public QObject
{
    Q_OBJECT

public:
    struct Column {
        QString identifier;
        QString title;
        QString sortKey;   // empty: the column does not sort
    };
    using CellFiller = std::function<void(QStandardItem& cell, const QString& identifier, const QVariantMap& row)>;

    BWRecordTable(const QList<Column>& columns, QWidget* parent);

    BGHUDTableView* view() const { return m_view; }
    int columnOf(const QString& identifier) const;
    void setColumnHidden(const QString& identifier, bool hidden);

    QList<BWSortDescriptor> sortDescriptors() const { return m_descriptors; }
    void setSortDescriptors(const QList<BWSortDescriptor>& descriptors);
    // Gives a column a new key to sort by; an order already using the old key
    // takes the new one, so the rows sort by what the column shows.
    void setSortKey(const QString& identifier, const QString& key);
    // Sorts `rows` by the current order, or by `fallbackKey` ascending when
    // there is none.
    void sortRows(QVariantList& rows, const QString& fallbackKey) const;

    // Shows `rows` in their order, one cell per column through `fill`.
    void reload(const QVariantList& rows, const CellFiller& fill);
    int rowCount() const;
    QString textAt(int row, const QString& identifier) const;

signals:
    // A header click changed the order; the owner sorts and reloads.
    void sortDescriptorsChanged();

private:
    void headerClicked(int column);

    QList<Column> m_columns;
    QList<BWSortDescriptor> m_descriptors;
    BGHUDTableView* m_view;
    QStandardItemModel* m_model;
};
