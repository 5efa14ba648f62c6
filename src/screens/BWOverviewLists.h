#pragma once

#include <QDate>
#include <QList>
#include <QString>
#include <QVariantList>

#include "screens/BWOverviewItemOrder.h"
#include "screens/BWSortDescriptor.h"
#include "store/BWStoreEnvironment.h"

// The overview's lists as the last load or update left them, and what is
// worked out from them alone: the rows a search leaves, a list of active
// items taken from all of them, the income rows left out, a new order.
struct BWOverviewLists
{
    // Which list is shown: a group ("" for all active items, "ActiveBills",
    // "ArchivedBills") and a tag ("" for none, a pseudo-tag or a user tag).
    struct Choice
    {
        QString group;
        QString tag;
    };
    // The list of a drop-down item (an index of BWOverviewController::ListMode,
    // or a tag's item with its title).
    static Choice choiceForMode(int index, const QString& title);
    // Reads the list from the store, sorted.
    static QVariantList load(const BWStoreEnvironment& env, const Choice& choice,
                             const QList<BWSortDescriptor>& sortDescriptors);

    // Whether `choice` can be taken from all active items as loaded, without
    // reading the files: a part of the active items, loaded today in the
    // order now asked for.
    bool canTakeFromLoaded(const Choice& choice, const QList<BWSortDescriptor>& sortDescriptors,
                           const QDate& today) const;
    // What a load of the tag's list of active items would give, taken from
    // all active items.
    QVariantList itemsInList(const BWStoreEnvironment& env, const QString& tag) const;
    // The rows whose name holds `text`, or one of whose tags is `text`,
    // ignoring case and accents; all rows for "".
    void filter(const QString& text);
    void removeIncomeRows();
    // Every list follows the new order, so that an update of some items, or a
    // list made from the loaded items, keeps it.
    void sort(const QList<BWSortDescriptor>& sortDescriptors);

    // The loaded list in display order, before the search filter.
    QVariantList dataSource;
    // The rows as shown: row i of the table is element i.
    QVariantList filtered;
    // The loaded list, income rows included.
    QVariantList withIncome;
    // Every active item, whichever list is shown: the badge counts them, and
    // the pseudo-tag lists show their figures.
    QVariantList allActiveItems;
    Choice shown;
    bool loaded = false;
    // The day of the last read of the data folder and the order it was
    // sorted in.
    QDate loadedDay;
    QList<BWSortDescriptor> loadedSortDescriptors;
    // The order the load read the items in.
    BWOverviewItemOrder order;
};
