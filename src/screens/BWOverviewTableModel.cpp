#include "screens/BWOverviewTableModel.h"

#include <QCoreApplication>
#include <QHash>
#include <QLocale>

#include <bit>
#include <cmath>

#include "platform/DateTemplate.h"
#include "store/BWBill.h"
#include "store/BWBillRecordKeys.h"
#include "store/BWBillsLoader.h"
#include "store/BWForecastViewCalculations.h"
#include "store/DueDateShift.h"
#include "widgets/BWPlainText.h"

namespace {

const QString NameColumn = QStringLiteral("Name");
const QString NextDueColumn = QStringLiteral("NextDue");
const QString AverageColumn = QStringLiteral("Average");
const QString BalanceColumn = QStringLiteral("Balance");
const QString AmountColumn = QStringLiteral("Amount");
const QString LastPaidColumn = QStringLiteral("LastPaid");

// What the detail line under the name shows (BW_WhatToShowOnOverview).
constexpr qlonglong ShowRepeat = 0;
constexpr qlonglong ShowPaymentType = 1;
constexpr qlonglong ShowTags = 2;

QString text(const char* english)
{
    return QCoreApplication::translate("BWOverviewTableModel", english);
}

bool hasWholeAmount(double amount)
{
    return std::trunc(amount) != 0.0;
}

QVariantMap newestPayment(const QVariantList& payments)
{
    QVariantMap newest;
    for (const QVariant& entry : payments) {
        const QVariantMap payment = entry.toMap();
        // Of payments on the same moment the one stored last is the newest.
        if (newest.isEmpty()
            || payment.value(PaymentKeys::Date).toDateTime() >= newest.value(PaymentKeys::Date).toDateTime())
            newest = payment;
    }
    return newest;
}

}  // namespace

const QStringList& BWOverviewTableModel::columnIdentifiers()
{
    static const QStringList identifiers = {NameColumn,    NextDueColumn, AverageColumn,
                                            BalanceColumn, AmountColumn,  LastPaidColumn};
    return identifiers;
}

QString BWOverviewTableModel::sortKeyForColumn(const QString& identifier)
{
    static const QHash<QString, QString> keys = {
        {NextDueColumn, BillKeys::SortableDueDate},
        {LastPaidColumn, BillKeys::LastPayment},
    };
    return keys.value(identifier, identifier);
}

BWOverviewTableModel::BWOverviewTableModel(const BWStoreEnvironment& env, QObject* parent)
    : QAbstractTableModel(parent),
      m_env(env),
      m_estimate([env](const QVariantMap& bill) {
          return BWForecastViewCalculations(env).calculateInteligentAmountForBill(bill, 0);
      })
{
}

void BWOverviewTableModel::setRecords(const QVariantList& records)
{
    beginResetModel();
    m_records = records;
    endResetModel();
}

void BWOverviewTableModel::setDisplayOptions(const DisplayOptions& options)
{
    m_options = options;
    if (!m_records.isEmpty())
        emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
}

double BWOverviewTableModel::estimatedAmount(const QVariantMap& bill) const
{
    return m_estimate ? m_estimate(bill) : 0.0;
}

BWTableCellView BWOverviewTableModel::cellView(const QModelIndex& index) const
{
    BWTableCellView cell;
    if (!index.isValid() || index.row() >= m_records.size())
        return cell;
    const QVariantMap record = recordAt(index.row());
    const QString identifier = columnIdentifier(index.column());
    if (identifier == NameColumn)
        fillNameCell(cell, record);
    else if (identifier == NextDueColumn)
        fillNextDueCell(cell, record);
    else if (identifier == AverageColumn || identifier == BalanceColumn)
        fillMoneyCell(cell, record, identifier);
    else if (identifier == AmountColumn)
        fillAmountCell(cell, record);
    else if (identifier == LastPaidColumn)
        fillLastPaidCell(cell, record);
    else
        cell.textField.text = record.value(identifier).toString();
    cell.lineHidden = !BWBillsLoader::billIsIncome(record);
    return cell;
}

void BWOverviewTableModel::fillNameCell(BWTableCellView& cell, const QVariantMap& record) const
{
    cell.imageName = BWBill::convertIconName(record.value(BillKeys::Icon).toString());
    cell.textField.text = record.value(BillKeys::Name).toString();
    switch (m_options.whatToShowOnOverview) {
    case ShowRepeat:
        cell.detailTextField.text = text(QT_TRANSLATE_NOOP("BWOverviewTableModel", "Repeats: %1"))
                                        .arg(record.value(BillKeys::HumanRepeat).toString());
        break;
    case ShowPaymentType:
        cell.detailTextField.text
            = text(QT_TRANSLATE_NOOP("BWOverviewTableModel", "Paid: %1"))
                  .arg(BWBillsLoader::getPaymentTypeStringWithPaymentTypeNumber(record.value(BillKeys::PayType)));
        break;
    case ShowTags:
        cell.detailTextField.text = record.value(BillKeys::Tags).toStringList().join(QStringLiteral(", "));
        break;
    default:
        break;
    }
}

void BWOverviewTableModel::fillNextDueCell(BWTableCellView& cell, const QVariantMap& record) const
{
    cell.imageName = record.value(BillKeys::DueIcon).toString();
    cell.textField.text = record.value(BillKeys::HumanDueDate).toString();
    const QString dueString = record.value(BillKeys::DueString).toString();
    // The loader writes its own "Never" for an item without a due date.
    if (dueString == QCoreApplication::translate("BWBillsLoader", "Never")) {
        cell.detailTextField.text = text(QT_TRANSLATE_NOOP("BWOverviewTableModel", "No Due Date"));
    } else {
        switch (dueDateShiftOf(record.value(BillKeys::DateWasModified))) {
        case DueDateShift::Vacation:
            cell.detailTextField.text = QStringLiteral("%1 %2").arg(
                dueString, text(QT_TRANSLATE_NOOP("BWOverviewTableModel", "(adjusted for vacation)")));
            break;
        case DueDateShift::Holiday:
            cell.detailTextField.text = QStringLiteral("%1 %2").arg(
                dueString, text(QT_TRANSLATE_NOOP("BWOverviewTableModel", "(adjusted for holiday)")));
            break;
        case DueDateShift::Weekend:
            cell.detailTextField.text = QStringLiteral("%1 %2").arg(
                dueString, text(QT_TRANSLATE_NOOP("BWOverviewTableModel", "(adjusted for weekend)")));
            break;
        case DueDateShift::None:
            cell.detailTextField.text = dueString;
            break;
        }
    }
    if (record.value(BillKeys::IsArchived).toBool())
        cell.detailTextField.text = text(QT_TRANSLATE_NOOP("BWOverviewTableModel", "Archived"));
}

void BWOverviewTableModel::fillMoneyCell(BWTableCellView& cell, const QVariantMap& record, const QString& key) const
{
    cell.textField.text = currency(BWBillsLoader::billIsIncome(record) ? 0.0 : record.value(key).toDouble());
}

void BWOverviewTableModel::fillAmountCell(BWTableCellView& cell, const QVariantMap& record) const
{
    const double amount = record.value(BillKeys::Amount).toDouble();
    const bool varies = record.value(BillKeys::AmountVaries).toLongLong() == 1;
    if (hasWholeAmount(amount) || !varies) {
        cell.textField.text = currency(amount);
        return;
    }
    if (!m_options.useIntelligence) {
        cell.textField.text = text(QT_TRANSLATE_NOOP("BWOverviewTableModel", "Not Set"));
        return;
    }
    const double estimate = estimatedAmount(record);
    if (!hasWholeAmount(estimate)) {
        cell.textField
            = {text(QT_TRANSLATE_NOOP("BWOverviewTableModel", "Not Set")), BWTableCellView::secondaryLabelColor()};
        return;
    }
    // An estimate that differs from what is stored is shown quieter than a set amount.
    cell.textField = {currency(estimate), estimate == amount ? BWTableCellView::controlTextColor()
                                                             : BWTableCellView::secondaryLabelColor()};
}

void BWOverviewTableModel::fillLastPaidCell(BWTableCellView& cell, const QVariantMap& record) const
{
    const QVariantList payments = record.value(BillKeys::PaymentList).toList();
    if (payments.isEmpty()) {
        cell.textField.text = text(QT_TRANSLATE_NOOP("BWOverviewTableModel", "Never"));
        cell.detailTextField.text = text(QT_TRANSLATE_NOOP("BWOverviewTableModel", "No Payments"));
        return;
    }
    const QVariantMap newest = newestPayment(payments);
    cell.textField.text = DateTemplate::format(newest.value(PaymentKeys::Date).toDateTime(), QStringLiteral("MMMdyyyy"));
    cell.detailTextField.text = currency(newest.value(PaymentKeys::Amount).toDouble());
}

QString BWOverviewTableModel::currency(double amount) const
{
    // Enough for the amounts of thousands of rows; a table showing more
    // starts afresh.
    constexpr qsizetype mostTextsKept = 4096;
    const QString locale = QLocale().name();
    if (locale != m_currencyLocale || m_currencyTexts.size() >= mostTextsKept) {
        m_currencyTexts.clear();
        m_currencyLocale = locale;
    }
    const quint64 bits = std::bit_cast<quint64>(amount);
    const auto known = m_currencyTexts.constFind(bits);
    if (known != m_currencyTexts.cend())
        return *known;
    return *m_currencyTexts.insert(bits, BWBillsLoader(m_env).currencyFormattedNumber(amount));
}

// A row's first cell reads as the whole bill: "Rent, Due in 3 days, Friday,
// December 12, $1,450.00", so moving down the table reads bill after bill.
// The day is written out: a reader spells "Fri, Dec 12" out oddly.
QString BWOverviewTableModel::rowReading(int row) const
{
    const QVariantMap record = recordAt(row);
    const QDateTime due = record.value(BillKeys::DueDate).toDateTime();
    QStringList said = {cellView(index(row, columnOf(NameColumn))).textField.text,
                        cellView(index(row, columnOf(NextDueColumn))).textField.text,
                        DateTemplate::format(due, QStringLiteral("EEEEMMMMd")),
                        cellView(index(row, columnOf(AmountColumn))).textField.text};
    said.removeAll(QString());
    return said.join(QStringLiteral(", "));
}

int BWOverviewTableModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_records.size());
}

int BWOverviewTableModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(columnIdentifiers().size());
}

QVariant BWOverviewTableModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid())
        return {};
    switch (role) {
    case Qt::AccessibleTextRole:
        if (columnIdentifier(index.column()) == NameColumn)
            return rowReading(index.row());
        return cellView(index).textField.text;
    case Qt::DisplayRole:
        return cellView(index).textField.text;
    case Qt::ForegroundRole:
        return cellView(index).textField.textColor;
    case Qt::ToolTipRole:
        return BWPlainText::toolTip(cellView(index).detailTextField.text);
    case DetailTextRole:
        return cellView(index).detailTextField.text;
    case ImageNameRole:
        return cellView(index).imageName;
    case SeparatorLineRole:
        return !cellView(index).lineHidden;
    case CellViewRole:
        return QVariant::fromValue(cellView(index));
    default:
        return {};
    }
}

QVariant BWOverviewTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    static const QHash<QString, const char*> titles = {
        {NameColumn, QT_TRANSLATE_NOOP("BWOverviewTableModel", "Name")},
        {NextDueColumn, QT_TRANSLATE_NOOP("BWOverviewTableModel", "Next Due")},
        {AverageColumn, QT_TRANSLATE_NOOP("BWOverviewTableModel", "Average")},
        {BalanceColumn, QT_TRANSLATE_NOOP("BWOverviewTableModel", "Balance")},
        {AmountColumn, QT_TRANSLATE_NOOP("BWOverviewTableModel", "Amount")},
        {LastPaidColumn, QT_TRANSLATE_NOOP("BWOverviewTableModel", "Last Paid")},
    };
    return text(titles.value(columnIdentifier(section), ""));
}
