#pragma once

#include <QHash>
#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QVariantList>

#include "screens/BWSortDescriptor.h"
#include "store/BWStoreEnvironment.h"

// Where each item stands in the order a load reads the items (the index):
// rows that sort alike stand in that order, so that an update of some items
// puts their rows where a full load would, and the extension's copy lists
// the items in it.
class BWOverviewItemOrder
{
public:
    // Reads the order from the index.
    void readFrom(const BWStoreEnvironment& env);
    void set(const QStringList& order);
    bool knows(const QString& billID) const { return m_position.contains(billID); }
    QHash<QString, qsizetype> positions() const { return m_position; }

    // Replaces the rows of `billIDs` in `sorted` (in the order of
    // `sortDescriptors`) with the `fresh` records of those items.
    void mergeItems(QVariantList& sorted, const QSet<QString>& billIDs, const QVariantList& fresh,
                    const QList<BWSortDescriptor>& sortDescriptors) const;

    // Where each item's own record stands in `items`, by the item's id: a
    // repeating item's further occurrences live only in loaded lists.
    static QHash<QString, qsizetype> ownRecordPlaces(const QVariantList& items);
    // What the load of all active items hands the extension: the items
    // without their further occurrences, in the order of `positions`.
    static QVariantList extensionItems(const QVariantList& allActiveItems, const QHash<QString, qsizetype>& positions);

private:
    QHash<QString, qsizetype> m_position;
};
