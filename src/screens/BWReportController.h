#pragma once

#include "store/BWStoreEnvironment.h"
#include "widgets/PieChart.h"

#include <QColor>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QVariantList>

class BWRecordTable;
class QComboBox;
class QLabel;
class QWidget;

// The report window: for this year or one of the two before, and optionally
// one tag, every bill paid in that year with its number of payments, its
// average and its total, a pie of the totals (a click on a slice shows that
// bill's figures) and three summary figures. The rows are read when the
// window is set up; year and tag filter that snapshot. Never writes.
class BWReportController : public QObject, public PieChartDataSource, public PieChartDelegate
{
    Q_OBJECT

public:
    explicit BWReportController(const BWStoreEnvironment& env, QObject* parent = nullptr);
    ~BWReportController() override;

    // Reads the rows, fills the pop-ups, table, chart and figures and brings
    // the window to the front.
    void setupReportView();
    // The year or tag pop-up changed.
    void tagOrYearChanged();

    QWidget* reportWindow() const { return m_window; }
    PieChart& pieChart() const { return *m_pieChart; }
    QComboBox* yearPopupButton() const { return m_yearPopup; }
    QComboBox* tagPopupButton() const { return m_tagPopup; }
    BWRecordTable& billTable() const { return *m_table; }
    const QVariantList& calculatedBillsToDisplay() const { return m_rows; }
    const QVariantList& pieChartData() const { return m_pieChartData; }
    // The colour of slice `index`; the palette repeats past its end.
    QColor sliceColor(qsizetype index) const;
    // The text of a figure by its name: statTitle, selectedBillTitle,
    // totalPaid, averagePaid, statsTotalBills, statsTotalPayments,
    // statsTotalAmount.
    QString figureText(const QString& name) const;

    unsigned numberOfSlicesInPieChart(PieChart* chart) override;
    double valueForSliceAtIndex(PieChart* chart, unsigned index) override;
    std::optional<QColor> colorForSliceAtIndex(PieChart* chart, unsigned index) override;
    std::optional<QString> accessibleTextForSliceAtIndex(PieChart* chart, unsigned index) override;
    void didSelectSliceAtIndex(PieChart* chart, unsigned index) override;
    void didDeselectSliceAtIndex(PieChart* chart, unsigned index) override;

private:
    void buildWindow();
    void extractHistoryData();
    void setupYearDropdown();
    void setupTable();
    void updateSortKeys();
    void setupChart();
    void setupStats();
    void reloadTable();
    // The figures of one bill beside the summary.
    void showFiguresOfBill(const QVariantMap& row);
    int selectedYear() const;
    QString key(const QString& prefix) const;

    BWStoreEnvironment m_env;
    QPointer<QWidget> m_window;
    PieChart* m_pieChart = nullptr;
    QComboBox* m_yearPopup = nullptr;
    QComboBox* m_tagPopup = nullptr;
    BWRecordTable* m_table = nullptr;
    QLabel* m_statTitle = nullptr;
    QLabel* m_selectedBillTitle = nullptr;
    QLabel* m_totalPaid = nullptr;
    QLabel* m_averagePaid = nullptr;
    QLabel* m_statsTotalBills = nullptr;
    QLabel* m_statsTotalPayments = nullptr;
    QLabel* m_statsTotalAmount = nullptr;
    QList<int> m_yearNumbers;
    QVariantList m_allPaymentHistory;
    QVariantList m_rows;
    QVariantList m_pieChartData;
    QList<QColor> m_sliceColors;
};
