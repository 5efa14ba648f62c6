#include "screens/BWHistoryViewController.h"

#include "platform/Clock.h"
#include "screens/BWRecordTable.h"
#include "screens/BWSideWindowParts.h"
#include "store/BWBillRecordKeys.h"
#include "store/BWBillsLoader.h"
#include "store/BWForecastViewCalculations.h"
#include "widgets/BGHUDTableView.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QStandardItem>
#include <QVBoxLayout>

namespace {

const QString NameColumn = QStringLiteral("Name");
const QString AmountColumn = QStringLiteral("Amount");
const QString NextColumn = QStringLiteral("Next");
const QString NoteColumn = QStringLiteral("Note");

}  // namespace

BWHistoryViewController::BWHistoryViewController(const BWStoreEnvironment& env, QObject* parent)
    : QObject(parent)
    , m_env(env)
{
    buildWindow();
}

BWHistoryViewController::~BWHistoryViewController()
{
    delete m_window;
}

void BWHistoryViewController::buildWindow()
{
    m_window = BWSideWindowParts::makeWindow(tr("History"), QSize(640, 480));
    m_monthPopup = new QComboBox;
    m_tagPopup = new QComboBox;
    auto* choices = new QHBoxLayout;
    choices->addWidget(m_monthPopup);
    choices->addWidget(m_tagPopup);
    choices->addStretch();

    m_table = new BWRecordTable({{NameColumn, tr("Name"), BillKeys::Name},
                                 {NextColumn, tr("Paid On"), BillKeys::SortableDueDate},
                                 {AmountColumn, tr("Amount"), PaymentKeys::Amount},
                                 {NoteColumn, tr("Note"), PaymentKeys::Note}},
                                m_window);
    m_table->setSortDescriptors({{BillKeys::SortableDueDate, true}});
    m_table->view()->setColumnWidth(0, 200);
    m_table->view()->setColumnWidth(1, 160);
    m_table->view()->setColumnWidth(2, 110);

    auto* totals = new QGridLayout;
    m_totalBillsNumber = BWSideWindowParts::addFigure(*totals, 0, 0, tr("Payments"));
    m_totalBillsAmount = BWSideWindowParts::addFigure(*totals, 0, 1, tr("Total Paid"));

    auto* layout = new QVBoxLayout(m_window);
    layout->addLayout(choices);
    layout->addWidget(m_table->view(), 1);
    layout->addLayout(totals);

    const auto rebuild = [this] { setUpTableForMonthIndex(m_monthPopup->currentIndex()); };
    connect(m_monthPopup, &QComboBox::activated, this, rebuild);
    connect(m_tagPopup, &QComboBox::activated, this, rebuild);
    connect(m_table, &BWRecordTable::sortDescriptorsChanged, this, [this] {
        m_table->sortRows(m_rows, BillKeys::Name);
        reloadTable();
    });
}

void BWHistoryViewController::setupHistoryView()
{
    extractHistoryData();
    setupMonthDropdown();
    BWSideWindowParts::fillTagPopup(*m_tagPopup, QStringLiteral("All Bills"), m_env);
    setUpTableForMonthIndex(0);
    BWSideWindowParts::showCentred(*m_window);
}

void BWHistoryViewController::extractHistoryData()
{
    const BWBillsLoader loader(m_env);
    QVariantList items = loader.loadBills().value_or(QVariantList());
    items += loader.loadBillsInGroup(QStringLiteral("ArchivedBills"), QString()).value_or(QVariantList());
    m_allPaymentHistory = BWForecastViewCalculations(m_env).extractPaymentHistoryFromData(items);
}

void BWHistoryViewController::setupMonthDropdown()
{
    m_monthPopup->clear();
    m_monthPopup->addItems(BWForecastViewCalculations::getPastMonthsStartingWithDate(m_env.clock->now()));
    m_monthPopup->setCurrentIndex(0);
}

void BWHistoryViewController::setUpTableForMonthIndex(int monthIndex)
{
    const BWForecastViewCalculations calculations(m_env);
    const bool allBills = m_tagPopup->currentIndex() <= 0;
    const QString tag = m_tagPopup->currentText();
    m_rows.clear();
    for (const QVariant& entry : m_allPaymentHistory) {
        const QVariantMap row = entry.toMap();
        if (!calculations.isBillDueDateInCurrentHistoryMonthDropdown(row.value(PaymentKeys::Date).toDateTime(),
                                                                     monthIndex))
            continue;
        if (allBills || row.value(BillKeys::Tags).toStringList().contains(tag))
            m_rows.append(row);
    }
    m_table->sortRows(m_rows, BillKeys::Name);
    reloadTable();
    m_totalBillsNumber->setText(QString::number(m_rows.size()));
    m_totalBillsAmount->setText(
        BWSideWindowParts::currency(BWForecastViewCalculations::totalAmountPaidInHistoryData(m_rows)));
}

void BWHistoryViewController::reloadTable()
{
    const BWBillsLoader loader(m_env);
    m_table->reload(m_rows, [&loader](QStandardItem& cell, const QString& identifier, const QVariantMap& row) {
        if (identifier == NameColumn)
            cell.setText(row.value(BillKeys::Name).toString());
        else if (identifier == AmountColumn)
            cell.setText(BWSideWindowParts::currency(row.value(PaymentKeys::Amount).toDouble()));
        else if (identifier == NextColumn)
            cell.setText(loader.createDueDateString(row.value(PaymentKeys::Date).toDateTime()));
        else
            cell.setText(row.value(identifier).toString());
    });
}

QString BWHistoryViewController::totalBillsNumber() const
{
    return m_totalBillsNumber->text();
}

QString BWHistoryViewController::totalBillsAmount() const
{
    return m_totalBillsAmount->text();
}
