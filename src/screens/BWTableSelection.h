#pragma once

#include <QList>
#include <QString>
#include <QVariantList>

class QAbstractItemView;

// The selected rows of a table of records, and keeping the selection across
// a reload: the selected record is found again by its Bid wherever it moved,
// and when it left the list, the row at the same place is selected.
class BWTableSelection
{
public:
    explicit BWTableSelection(QAbstractItemView& table);

    // The selected bill, and its row for when it leaves the list.
    struct Kept
    {
        QString billID;
        int row = -1;
    };

    // The row the selection was last extended by; -1 for none.
    int selectedRow() const;
    // In ascending order.
    QList<int> selectedRows() const;
    // Replaces the selection with `rows`, the last of them current.
    void selectRows(const QList<int>& rows);
    // `rows` are those the table shows.
    Kept keep(const QVariantList& rows) const;
    void reselect(const Kept& kept, const QVariantList& rows);

private:
    QAbstractItemView& m_table;
};
