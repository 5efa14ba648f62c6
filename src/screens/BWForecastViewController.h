#pragma once

#include "store/BWStoreEnvironment.h"

#include <QObject>
#include <QPointer>
#include <QVariantList>

class BWRecordTable;
class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QPushButton;
class QWidget;

// The forecast window: what falls due in one of the coming twelve months,
// optionally for one tag, with the monthly shares to put aside for bills due
// less often, the month's totals and what is left over. Reads the store
// afresh at every change of month, tag or setting and never writes to it.
class BWForecastViewController : public QObject
{
    Q_OBJECT

public:
    explicit BWForecastViewController(const BWStoreEnvironment& env, QObject* parent = nullptr);
    ~BWForecastViewController() override;

    // Fills the pop-ups, shows the month after this one and brings the
    // window to the front.
    void setupForecastView();
    void setUpTableForMonthIndex(int monthIndex);

    QWidget* forecastWindow() const { return m_window; }
    QComboBox* monthPopupButton() const { return m_monthPopup; }
    QComboBox* tagPopupButton() const { return m_tagPopup; }
    BWRecordTable& billTable() const { return *m_table; }
    // The rows in table order.
    const QVariantList& calculatedBillsToDisplay() const { return m_rows; }
    QString totalText(const QString& field) const;

    // The popover's switches: each stores its default and rebuilds.
    void saveAmountSettingChanged(bool include);
    void intelligentAmountSettingChanged(bool useEstimates);

private:
    void buildWindow();
    QFrame* buildSettingsPopover();
    void setupMonthDropdown();
    void setupTagDropdown();
    void showSettingsPopover();
    void tagsOrMonthChanged();
    // Moves an item due before the chosen month forward, step by step; true
    // when a step lands in the month.
    bool moveIntoMonth(QVariantMap& item, int monthIndex) const;
    void reloadTable();
    void updateTotals();

    BWStoreEnvironment m_env;
    QPointer<QWidget> m_window;
    QComboBox* m_monthPopup = nullptr;
    QComboBox* m_tagPopup = nullptr;
    QPushButton* m_settingsButton = nullptr;
    QFrame* m_settingsPopover = nullptr;
    QCheckBox* m_includeSaveSwitch = nullptr;
    QCheckBox* m_estimatesSwitch = nullptr;
    BWRecordTable* m_table = nullptr;
    QLabel* m_totalNumberOfBills = nullptr;
    QLabel* m_totalAmountDue = nullptr;
    QLabel* m_totalToSave = nullptr;
    QLabel* m_totalIncomeTotal = nullptr;
    QLabel* m_totalfinalTotal = nullptr;
    QLabel* m_balanceTitle = nullptr;
    QVariantList m_rows;
    bool m_useIntelligence = false;
};
