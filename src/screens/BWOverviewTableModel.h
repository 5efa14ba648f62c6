#pragma once

#include <QAbstractTableModel>
#include <QHash>
#include <QStringList>
#include <QVariantList>
#include <QVariantMap>
#include <functional>

#include "screens/BWTableCellView.h"
#include "store/BWStoreEnvironment.h"

// The overview's bill table: one row per record of the shown list, one
// column per identifier ("Name", "NextDue", "Average", "Balance", "Amount",
// "LastPaid"). Each cell is a BWTableCellView filled from its record; the
// plain roles (display text, text colour) are read off that cell, so every
// view of the table shows the same.
class BWOverviewTableModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Role {
        CellViewRole = Qt::UserRole + 1,   // the BWTableCellView
        DetailTextRole,
        ImageNameRole,
        SeparatorLineRole,                 // true on the rows of income items
    };

    // This month's expected amount of a bill whose amount varies; a whole
    // part of 0 means there is no estimate.
    using AmountEstimate = std::function<double(const QVariantMap& bill)>;

    // The settings the cells are filled with, read by the overview at its loads.
    struct DisplayOptions
    {
        qlonglong whatToShowOnOverview = 0;
        bool useIntelligence = false;
    };

    static const QStringList& columnIdentifiers();
    // The record key a column sorts by.
    static QString sortKeyForColumn(const QString& identifier);

    explicit BWOverviewTableModel(const BWStoreEnvironment& env, QObject* parent = nullptr);

    void setRecords(const QVariantList& records);
    const QVariantList& records() const { return m_records; }
    QVariantMap recordAt(int row) const { return m_records.value(row).toMap(); }

    void setDisplayOptions(const DisplayOptions& options);
    // This month's estimate of the store's calculations, unless replaced here.
    void setAmountEstimate(AmountEstimate estimate) { m_estimate = std::move(estimate); }
    // The estimate of the bill, 0 when there is none or nothing estimates.
    double estimatedAmount(const QVariantMap& bill) const;

    QString columnIdentifier(int column) const { return columnIdentifiers().value(column); }
    int columnOf(const QString& identifier) const { return int(columnIdentifiers().indexOf(identifier)); }
    BWTableCellView cellView(const QModelIndex& index) const;
    // What a screen reader says of a row: the bill's name, due text, due day
    // and amount.
    QString rowReading(int row) const;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    void fillNameCell(BWTableCellView& cell, const QVariantMap& record) const;
    void fillNextDueCell(BWTableCellView& cell, const QVariantMap& record) const;
    void fillMoneyCell(BWTableCellView& cell, const QVariantMap& record, const QString& key) const;
    void fillAmountCell(BWTableCellView& cell, const QVariantMap& record) const;
    void fillLastPaidCell(BWTableCellView& cell, const QVariantMap& record) const;
    QString currency(double amount) const;

    BWStoreEnvironment m_env;
    QVariantList m_records;
    DisplayOptions m_options;
    AmountEstimate m_estimate;
    // Each text of an amount makes a formatter of its own, and the cells are
    // painted again at every update: the texts are kept, by the amount's
    // bits, for the locale they were made in.
    mutable QHash<quint64, QString> m_currencyTexts;
    mutable QString m_currencyLocale;
};
