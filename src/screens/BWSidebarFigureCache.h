#pragma once

#include <QDate>
#include <QHash>
#include <QList>
#include <QSet>
#include <QString>
#include <QVariantMap>

#include <functional>
#include <utility>

// What one listed record adds to this month's figures, kept between loads
// so that an update works out only the records of the items it changed.
//
// A record is known by its item's id and its due date: a repeating item's
// further occurrences share the id. Records without an id are never kept.
// Everything is forgotten when the conditions the figures were worked out
// under change (the day, the settings they read).
class BWSidebarFigureCache
{
public:
    struct RecordFigures
    {
        bool isIncome = false;
        bool dueThisMonth = false;
        double amountThisMonth = 0;   // what it is expected to come to, when due this month
        bool dueSoon = false;         // due soon or overdue, as the badge counts
        double dueSoonAmount = 0;
        double paidThisMonth = 0;     // its payments dated in this month
        qlonglong paymentsThisMonth = 0;
    };

    // The day and the settings the figures depend on.
    struct Conditions
    {
        QDate day;
        bool useIntelligence = false;
        qlonglong dueSoonDays = 0;
        bool leaveOutAutomatic = false;
        bool operator==(const Conditions&) const = default;
    };

    using Compute = std::function<RecordFigures(const QVariantMap& record)>;

    // Forgets everything unless `conditions` are those of the kept figures.
    void keepFor(const Conditions& conditions);
    void clear() { m_figures.clear(); }
    void forget(const QSet<QString>& billIDs);
    // The figures of `record`: kept ones, or those `compute` works out.
    RecordFigures figuresOf(const QVariantMap& record, const Compute& compute);

private:
    Conditions m_conditions;
    // By item, then by the due date of the record (in ms since the epoch):
    // an item has a record or a few.
    QHash<QString, QList<std::pair<qint64, RecordFigures>>> m_figures;
};
