#include "screens/BWReportController.h"

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
#include <QItemSelectionModel>
#include <QLabel>
#include <QStandardItem>
#include <QVBoxLayout>

#include <algorithm>
#include <numbers>

namespace {

const QString NameColumn = QStringLiteral("Name");
const QString CountColumn = QStringLiteral("Count");
const QString AverageColumn = QStringLiteral("Average");
const QString TotalColumn = QStringLiteral("Total");
const QString NoBillSelected = QStringLiteral("No Bill Selected");

constexpr int ChartSide = 372;
// How far a selected slice moves out; the pie leaves room for it.
constexpr double SelectedSliceOffset = 16;

// Twelve soft colours that tell neighbouring slices apart.
const QList<QColor> Palette = {
    {141, 211, 199}, {255, 255, 179}, {190, 186, 218}, {251, 128, 114}, {128, 177, 211}, {253, 180, 98},
    {179, 222, 105}, {252, 205, 229}, {217, 217, 217}, {188, 128, 189}, {204, 235, 197}, {255, 237, 111},
};

}  // namespace

BWReportController::BWReportController(const BWStoreEnvironment& env, QObject* parent)
    : QObject(parent)
    , m_env(env)
    , m_sliceColors(Palette)
{
    buildWindow();
}

BWReportController::~BWReportController()
{
    delete m_window;
}

void BWReportController::buildWindow()
{
    m_window = BWSideWindowParts::makeWindow(tr("Reports"), QSize(900, 560));
    m_yearPopup = new QComboBox;
    m_tagPopup = new QComboBox;
    auto* choices = new QHBoxLayout;
    choices->addWidget(m_yearPopup);
    choices->addWidget(m_tagPopup);
    choices->addStretch();

    m_table = new BWRecordTable({{NameColumn, tr("Name"), BillKeys::Name},
                                 {CountColumn, tr("Payments"), QString()},
                                 {AverageColumn, tr("Average"), QString()},
                                 {TotalColumn, tr("Total"), QString()}},
                                m_window);
    m_table->setSortDescriptors({{BillKeys::Name, true}});
    m_table->view()->setColumnWidth(0, 180);

    m_pieChart = new PieChart(QRect(0, 0, ChartSide, ChartSide));
    m_pieChart->setFixedSize(ChartSide, ChartSide);
    m_pieChart->setDataSource(this);
    m_pieChart->setDelegate(this);
    m_pieChart->setPieCenter(QPointF(ChartSide / 2.0, ChartSide / 2.0));
    m_pieChart->setPieRadius(ChartSide / 2.0 - SelectedSliceOffset - 2);
    m_pieChart->setSelectedSliceOffsetRadius(SelectedSliceOffset);
    m_pieChart->setShowPercentage(false);
    m_pieChart->setTextColor(Qt::transparent);
    // The report's pie starts at 9 o'clock, as a laid-out chart does.
    m_pieChart->setStartPieAngle(std::numbers::pi);

    auto* figures = new QGridLayout;
    m_statTitle = new QLabel;
    m_statTitle->setTextFormat(Qt::PlainText);
    m_selectedBillTitle = new QLabel(NoBillSelected);
    m_selectedBillTitle->setTextFormat(Qt::PlainText);
    figures->addWidget(m_statTitle, 0, 0, 1, 2);
    m_statsTotalBills = BWSideWindowParts::addFigure(*figures, 1, 0, tr("Bills"));
    m_statsTotalPayments = BWSideWindowParts::addFigure(*figures, 2, 0, tr("Payments"));
    m_statsTotalAmount = BWSideWindowParts::addFigure(*figures, 3, 0, tr("Total"));
    figures->addWidget(m_selectedBillTitle, 0, 2, 1, 2);
    m_totalPaid = BWSideWindowParts::addFigure(*figures, 1, 1, tr("Paid"));
    m_averagePaid = BWSideWindowParts::addFigure(*figures, 2, 1, tr("Average"));

    auto* right = new QVBoxLayout;
    right->addWidget(m_pieChart, 0, Qt::AlignHCenter);
    right->addLayout(figures);
    right->addStretch();
    auto* body = new QHBoxLayout;
    body->addWidget(m_table->view(), 1);
    body->addLayout(right);
    auto* layout = new QVBoxLayout(m_window);
    layout->addLayout(choices);
    layout->addLayout(body, 1);

    connect(m_yearPopup, &QComboBox::activated, this, &BWReportController::tagOrYearChanged);
    connect(m_tagPopup, &QComboBox::activated, this, &BWReportController::tagOrYearChanged);
    connect(m_table, &BWRecordTable::sortDescriptorsChanged, this, [this] {
        m_table->sortRows(m_rows, BillKeys::Name);
        reloadTable();
    });
    // A bill chosen in the table shows its figures as one chosen on the pie does.
    connect(m_table->view()->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) {
                if (current.isValid() && current.row() < m_rows.size())
                    showFiguresOfBill(m_rows.at(current.row()).toMap());
            });
}

void BWReportController::setupReportView()
{
    extractHistoryData();
    m_sliceColors = Palette;
    BWSideWindowParts::fillTagPopup(*m_tagPopup, QStringLiteral("All Bills"), m_env);
    setupYearDropdown();
    setupTable();
    setupChart();
    setupStats();
    BWSideWindowParts::showCentred(*m_window);
}

void BWReportController::tagOrYearChanged()
{
    setupTable();
    setupChart();
    setupStats();
}

void BWReportController::extractHistoryData()
{
    const BWBillsLoader loader(m_env);
    QVariantList items = loader.loadBills().value_or(QVariantList());
    items += loader.loadBillsInGroup(QStringLiteral("ArchivedBills"), QString()).value_or(QVariantList());
    m_allPaymentHistory = BWForecastViewCalculations(m_env).extractReportHistoryFromData(items);
}

void BWReportController::setupYearDropdown()
{
    m_yearNumbers = BWForecastViewCalculations::getPastYearsStartingWithDate(m_env.clock->now());
    m_yearPopup->clear();
    for (int year : m_yearNumbers.mid(0, 3))
        m_yearPopup->addItem(QString::number(year));
    m_yearPopup->setCurrentIndex(0);
}

int BWReportController::selectedYear() const
{
    return m_yearNumbers.value(std::max(0, m_yearPopup->currentIndex()));
}

QString BWReportController::key(const QString& prefix) const
{
    return prefix + QString::number(selectedYear());
}

void BWReportController::updateSortKeys()
{
    m_table->setSortKey(CountColumn, key(QStringLiteral("Count")));
    m_table->setSortKey(AverageColumn, key(QStringLiteral("Average")));
    m_table->setSortKey(TotalColumn, key(QStringLiteral("Total")));
}

void BWReportController::setupTable()
{
    updateSortKeys();
    const BWForecastViewCalculations calculations(m_env);
    const bool allBills = m_tagPopup->currentIndex() <= 0;
    const QString tag = m_tagPopup->currentText();
    const int year = selectedYear();
    m_rows.clear();
    for (const QVariant& entry : m_allPaymentHistory) {
        const QVariantMap row = entry.toMap();
        if (!calculations.wasBill(row, year))
            continue;
        if (allBills || row.value(BillKeys::Tags).toStringList().contains(tag))
            m_rows.append(row);
    }
    m_table->sortRows(m_rows, BillKeys::Name);
    reloadTable();
}

void BWReportController::reloadTable()
{
    const QString countKey = key(QStringLiteral("Count"));
    const QString averageKey = key(QStringLiteral("Average"));
    const QString totalKey = key(QStringLiteral("Total"));
    m_table->reload(m_rows, [&](QStandardItem& cell, const QString& identifier, const QVariantMap& row) {
        if (identifier == NameColumn)
            cell.setText(row.value(BillKeys::Name).toString());
        else if (identifier == CountColumn)
            cell.setText(QString::number(row.value(countKey).toLongLong()));
        else if (identifier == AverageColumn)
            cell.setText(BWSideWindowParts::currency(row.value(averageKey).toDouble()));
        else if (identifier == TotalColumn)
            cell.setText(BWSideWindowParts::currency(row.value(totalKey).toDouble()));
    });
}

void BWReportController::setupChart()
{
    const QString totalKey = key(QStringLiteral("Total"));
    m_pieChartData = m_rows;
    std::stable_sort(m_pieChartData.begin(), m_pieChartData.end(), [&totalKey](const QVariant& a, const QVariant& b) {
        return a.toMap().value(totalKey).toDouble() > b.toMap().value(totalKey).toDouble();
    });
    m_pieChart->reloadData();
    didDeselectSliceAtIndex(m_pieChart, 0);
}

void BWReportController::setupStats()
{
    const QString countKey = key(QStringLiteral("Count"));
    const QString totalKey = key(QStringLiteral("Total"));
    qlonglong payments = 0;
    double amount = 0;
    for (const QVariant& row : m_rows) {
        payments += row.toMap().value(countKey).toLongLong();
        amount += row.toMap().value(totalKey).toDouble();
    }
    m_statTitle->setText(QStringLiteral("%1 - %2").arg(m_tagPopup->currentText(), m_yearPopup->currentText()));
    m_statsTotalBills->setText(QString::number(m_rows.size()));
    m_statsTotalPayments->setText(QString::number(payments));
    m_statsTotalAmount->setText(BWSideWindowParts::currency(amount));
}

QColor BWReportController::sliceColor(qsizetype index) const
{
    return m_sliceColors.value(index % m_sliceColors.size());
}

QString BWReportController::figureText(const QString& name) const
{
    const std::pair<const char*, QLabel*> figures[] = {
        {"statTitle", m_statTitle},           {"selectedBillTitle", m_selectedBillTitle},
        {"totalPaid", m_totalPaid},           {"averagePaid", m_averagePaid},
        {"statsTotalBills", m_statsTotalBills}, {"statsTotalPayments", m_statsTotalPayments},
        {"statsTotalAmount", m_statsTotalAmount},
    };
    for (const auto& [figureName, label] : figures) {
        if (name == QLatin1String(figureName))
            return label->text();
    }
    return {};
}

unsigned BWReportController::numberOfSlicesInPieChart(PieChart*)
{
    return unsigned(m_pieChartData.size());
}

double BWReportController::valueForSliceAtIndex(PieChart*, unsigned index)
{
    return m_pieChartData.value(index).toMap().value(key(QStringLiteral("Total"))).toDouble();
}

std::optional<QColor> BWReportController::colorForSliceAtIndex(PieChart*, unsigned index)
{
    return sliceColor(index);
}

std::optional<QString> BWReportController::accessibleTextForSliceAtIndex(PieChart*, unsigned index)
{
    const QVariantMap row = m_pieChartData.value(index).toMap();
    return tr("%1, %2").arg(row.value(BillKeys::Name).toString(),
                            BWSideWindowParts::currency(row.value(key(QStringLiteral("Total"))).toDouble()));
}

void BWReportController::didSelectSliceAtIndex(PieChart*, unsigned index)
{
    showFiguresOfBill(m_pieChartData.value(index).toMap());
}

void BWReportController::showFiguresOfBill(const QVariantMap& row)
{
    m_selectedBillTitle->setText(row.value(BillKeys::Name).toString());
    m_totalPaid->setText(BWSideWindowParts::currency(row.value(key(QStringLiteral("Total"))).toDouble()));
    m_averagePaid->setText(BWSideWindowParts::currency(row.value(key(QStringLiteral("Average"))).toDouble()));
}

void BWReportController::didDeselectSliceAtIndex(PieChart*, unsigned)
{
    m_selectedBillTitle->setText(NoBillSelected);
    m_totalPaid->clear();
    m_averagePaid->clear();
}
