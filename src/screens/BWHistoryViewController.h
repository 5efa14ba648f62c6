#pragma once

#include "store/BWStoreEnvironment.h"

#include <QObject>
#include <QPointer>
#include <QVariantList>

class BWRecordTable;
class QComboBox;
class QLabel;
class QWidget;

// The history window: the payments of one of the last 36 months across all
// bills, active and archived, optionally of one tag, with their number and
// sum. The payments are read when the window is set up; month and tag filter
// that snapshot. Never writes to the store.
class BWHistoryViewController : public QObject
{
    Q_OBJECT

public:
    explicit BWHistoryViewController(const BWStoreEnvironment& env, QObject* parent = nullptr);
    ~BWHistoryViewController() override;

    // Reads the payments, fills the pop-ups, shows this month and brings the
    // window to the front.
    void setupHistoryView();
    void setUpTableForMonthIndex(int monthIndex);

    QWidget* historyWindow() const { return m_window; }
    QComboBox* monthPopupButton() const { return m_monthPopup; }
    QComboBox* tagPopupButton() const { return m_tagPopup; }
    BWRecordTable& billTable() const { return *m_table; }
    const QVariantList& calculatedBillsToDisplay() const { return m_rows; }
    QString totalBillsNumber() const;
    QString totalBillsAmount() const;

private:
    void buildWindow();
    void extractHistoryData();
    void setupMonthDropdown();
    void reloadTable();

    BWStoreEnvironment m_env;
    QPointer<QWidget> m_window;
    QComboBox* m_monthPopup = nullptr;
    QComboBox* m_tagPopup = nullptr;
    BWRecordTable* m_table = nullptr;
    QLabel* m_totalBillsNumber = nullptr;
    QLabel* m_totalBillsAmount = nullptr;
    QVariantList m_allPaymentHistory;
    QVariantList m_rows;
};
