#pragma once

#include <QList>
#include <QString>
#include <QVariantList>
#include <QVariantMap>

class QCollator;

// One key of a table's sort order over records (QVariantMap each).
struct BWSortDescriptor
{
    QString key;
    bool ascending = true;

    bool operator==(const BWSortDescriptor&) const = default;

    // Sorts `records` by the descriptors, the first deciding first; records
    // that all descriptors find equal keep their order. A record without the
    // key comes before one with it; texts compare as a reader would sort them
    // (ignoring case), numbers and dates by value.
    static void sort(QVariantList& records, const QList<BWSortDescriptor>& descriptors);
    // Negative, 0 or positive as `left` sorts before, with or after `right`
    // by the descriptors; `collator` is one of collator().
    static int compare(const QVariantMap& left, const QVariantMap& right, const QList<BWSortDescriptor>& descriptors,
                       const QCollator& collator);
    // Texts compare with this collator.
    static QCollator collator();
};
