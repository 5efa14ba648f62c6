#pragma once

#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>
#include <QVariantList>
#include <QVariantMap>

#include "store/BWStoreEnvironment.h"

// Computes the one row of the payment bar graph: 24 columns, entry 0 the
// newest, either the totals paid in each of the last 24 calendar months or
// the last payments one by one. Made for each build; keeps nothing.
class BWMonthlyGraphManager
{
public:
    static constexpr int ColumnCount = 24;

    // The graph's row: four lists of ColumnCount entries, index 0 the newest.
    struct GraphRow
    {
        QStringList labels;     // month names or payment dates, with the year where one begins
        QStringList amounts;    // the amounts in the user's currency
        QList<double> heights;  // 0..1 of the tallest bar
        QStringList images;     // the bar's look by the column's calendar month
    };

    explicit BWMonthlyGraphManager(const BWStoreEnvironment& env);

    GraphRow listOfPaymentsByMonthForBill(const QVariantMap& bill) const;
    GraphRow listOfPaymentsByPaymentForBill(const QVariantMap& bill) const;

    // The steps of the two rows.
    QStringList months() const;
    QStringList graphImagesForMonths() const;
    QList<double> paymentAmountsByMonthForList(const QVariantList& payments) const;
    QStringList datesForPayments(const QVariantList& paymentsNewestFirst) const;
    QList<double> amountsForPayments(const QVariantList& paymentsNewestFirst) const;
    static QList<double> paymentHeightByMonthForPayments(const QList<double>& amounts);
    QStringList amountStringsByMonthForAmounts(const QList<double>& amounts) const;

    // The entry a column shows: "M24" is 0 (the newest), "M01" 23; any other
    // identifier reads entry 0.
    static int indexForColumn(const QString& identifier);
    static QString columnIdentifier(int column);

private:
    // The month of entry `index`: `index` months before now.
    QDate monthOffset(int index) const;

    BWStoreEnvironment m_env;
};
