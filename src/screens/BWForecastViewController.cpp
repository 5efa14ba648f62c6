#include "screens/BWForecastViewController.h"

#include "platform/Clock.h"
#include "platform/Log.h"
#include "platform/UserDefaults.h"
#include "screens/BWRecordTable.h"
#include "screens/BWSideWindowParts.h"
#include "store/BWBill.h"
#include "store/BWBillRecordKeys.h"
#include "store/BWBillsLoader.h"
#include "store/BWDefaultsKeys.h"
#include "store/BWForecastViewCalculations.h"
#include "store/BWPaymentLogger.h"
#include "store/RepeatUnit.h"
#include "widgets/BGHUDTableView.h"
#include "widgets/BWIconFont.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStandardItem>
#include <QStandardItemModel>
#include <QVBoxLayout>

using namespace BWDefaultsKeys;

namespace {

const QString NameColumn = QStringLiteral("Name");
const QString NextColumn = QStringLiteral("Next");
const QString AmountColumn = QStringLiteral("Amount");
const QString SaveColumn = QStringLiteral("Save");

const QColor SecondaryTextColor(150, 150, 150);
const QColor IncomeColor(52, 199, 89);

// Enough steps for a daily bill a year behind; a rule that needs more is broken.
constexpr int MaximumSteps = 1000;

int monthNumber(const QDateTime& date)
{
    const QDate day = date.toLocalTime().date();
    return day.year() * 12 + day.month();
}

bool isNeverRepeating(const QVariantMap& item)
{
    const QVariantList pair = item.value(BillKeys::Repeat).toList();
    return pair.size() > 1 && repeatUnitFromCode(pair[1].toLongLong()) == RepeatUnit::Never;
}

}  // namespace

BWForecastViewController::BWForecastViewController(const BWStoreEnvironment& env, QObject* parent)
    : QObject(parent)
    , m_env(env)
{
    buildWindow();
}

BWForecastViewController::~BWForecastViewController()
{
    delete m_window;
}

void BWForecastViewController::buildWindow()
{
    m_window = BWSideWindowParts::makeWindow(tr("Forecast"), QSize(640, 520));
    m_monthPopup = new QComboBox;
    m_tagPopup = new QComboBox;
    m_settingsButton = new QPushButton(tr("Settings"));
    auto* choices = new QHBoxLayout;
    choices->addWidget(m_monthPopup);
    choices->addWidget(m_tagPopup);
    choices->addStretch();
    choices->addWidget(m_settingsButton);

    m_table = new BWRecordTable({{NameColumn, tr("Name"), BillKeys::Name},
                                 {NextColumn, tr("Due"), BillKeys::SortableDueDate},
                                 {AmountColumn, tr("Amount"), BillKeys::Amount},
                                 {SaveColumn, tr("Save"), ForecastKeys::SaveAmount}},
                                m_window);
    m_table->setSortDescriptors({{BillKeys::SortableDueDate, true}});
    m_table->view()->setColumnWidth(0, 240);
    m_table->view()->setColumnWidth(1, 150);
    m_table->view()->setColumnWidth(2, 110);

    auto* totals = new QGridLayout;
    m_totalNumberOfBills = BWSideWindowParts::addFigure(*totals, 0, 0, tr("Bills"));
    m_totalAmountDue = BWSideWindowParts::addFigure(*totals, 1, 0, tr("Due"));
    m_totalToSave = BWSideWindowParts::addFigure(*totals, 2, 0, tr("To Save"));
    m_totalIncomeTotal = BWSideWindowParts::addFigure(*totals, 0, 1, tr("Income"));
    m_totalfinalTotal = BWSideWindowParts::addFigure(*totals, 2, 1, QString());
    m_balanceTitle = qobject_cast<QLabel*>(totals->itemAtPosition(2, 2)->widget());

    auto* layout = new QVBoxLayout(m_window);
    layout->addLayout(choices);
    layout->addWidget(m_table->view(), 1);
    layout->addLayout(totals);
    m_settingsPopover = buildSettingsPopover();

    connect(m_monthPopup, &QComboBox::activated, this, &BWForecastViewController::tagsOrMonthChanged);
    connect(m_tagPopup, &QComboBox::activated, this, &BWForecastViewController::tagsOrMonthChanged);
    connect(m_settingsButton, &QPushButton::clicked, this, &BWForecastViewController::showSettingsPopover);
    connect(m_table, &BWRecordTable::sortDescriptorsChanged, this, [this] {
        m_table->sortRows(m_rows, BillKeys::Name);
        reloadTable();
    });
}

QFrame* BWForecastViewController::buildSettingsPopover()
{
    auto* popover = new QFrame(m_window, Qt::Popup);
    popover->setFrameShape(QFrame::StyledPanel);
    m_includeSaveSwitch = new QCheckBox(tr("Include amounts to save"));
    m_estimatesSwitch = new QCheckBox(tr("Estimate varying amounts"));
    auto* layout = new QVBoxLayout(popover);
    layout->addWidget(m_includeSaveSwitch);
    layout->addWidget(m_estimatesSwitch);
    connect(m_includeSaveSwitch, &QCheckBox::toggled, this, &BWForecastViewController::saveAmountSettingChanged);
    connect(m_estimatesSwitch, &QCheckBox::toggled, this,
            &BWForecastViewController::intelligentAmountSettingChanged);
    return popover;
}

void BWForecastViewController::setupForecastView()
{
    setupMonthDropdown();
    setupTagDropdown();
    setUpTableForMonthIndex(1);
    m_balanceTitle->setText(m_env.defaults->boolForKey(BWEnableIncome) ? QStringLiteral("OK to Spend")
                                                                       : QStringLiteral("Total"));
    BWSideWindowParts::showCentred(*m_window);
}

void BWForecastViewController::setupMonthDropdown()
{
    m_monthPopup->clear();
    m_monthPopup->addItems(BWForecastViewCalculations::getNextTwelveMonthsStartingWithDate(m_env.clock->now()));
    // This month is over in part: the forecast starts with the next one.
    if (auto* model = qobject_cast<QStandardItemModel*>(m_monthPopup->model()))
        model->item(0)->setEnabled(false);
    m_monthPopup->setCurrentIndex(1);
}

void BWForecastViewController::setupTagDropdown()
{
    BWSideWindowParts::fillTagPopup(*m_tagPopup, QStringLiteral("All Active Items"), m_env);
}

void BWForecastViewController::tagsOrMonthChanged()
{
    setUpTableForMonthIndex(m_monthPopup->currentIndex());
}

void BWForecastViewController::saveAmountSettingChanged(bool include)
{
    m_env.defaults->setBool(BWIncludeSaveAmount, include);
    m_table->setColumnHidden(SaveColumn, !include);
    tagsOrMonthChanged();
}

void BWForecastViewController::intelligentAmountSettingChanged(bool useEstimates)
{
    m_env.defaults->setBool(BWUseIntelligenceEstimates, useEstimates);
    tagsOrMonthChanged();
}

void BWForecastViewController::showSettingsPopover()
{
    if (m_settingsPopover->isVisible()) {
        m_settingsPopover->close();
        return;
    }
    const QSignalBlocker blockSave(m_includeSaveSwitch);
    const QSignalBlocker blockEstimates(m_estimatesSwitch);
    m_includeSaveSwitch->setChecked(m_env.defaults->boolForKey(BWIncludeSaveAmount));
    m_estimatesSwitch->setChecked(m_env.defaults->boolForKey(BWUseIntelligenceEstimates));
    m_settingsPopover->adjustSize();
    m_settingsPopover->move(m_settingsButton->mapToGlobal(QPoint(0, m_settingsButton->height())));
    m_settingsPopover->show();
}

void BWForecastViewController::setUpTableForMonthIndex(int monthIndex)
{
    const BWBillsLoader loader(m_env);
    const BWForecastViewCalculations calculations(m_env);
    const QString tag = m_tagPopup->currentIndex() > 0 ? m_tagPopup->currentText() : QString();
    const QVariantList items = loader.loadBillsInGroup(QStringLiteral("ActiveBills"), tag, true).value_or(QVariantList());
    const bool includeSaveAmounts = m_env.defaults->boolForKey(BWIncludeSaveAmount);
    m_useIntelligence = m_env.defaults->boolForKey(BWUseIntelligenceEstimates);

    m_rows.clear();
    for (const QVariant& entry : items) {
        QVariantMap item = entry.toMap();
        const bool dueIn = calculations.isBillDueDateInCurrentMonthDropdown(item.value(BillKeys::DueDate).toDateTime(),
                                                                            monthIndex);
        const bool setsMoneyAside = BWForecastViewCalculations::setsMoneyAside(item);
        item.insert(ForecastKeys::OriginalDueDate, item.value(BillKeys::DueDate));
        if (dueIn) {
            item.insert(ForecastKeys::SaveAmount, 0.0);
            item.insert(ForecastKeys::IsFutureBill, 0);
            m_rows.append(item);
        } else if (!isNeverRepeating(item) && moveIntoMonth(item, monthIndex)) {
            Log::line(QStringLiteral("Adding Reg Bill: %1").arg(item.value(BillKeys::Name).toString()));
            m_rows.append(item);
        }
        if (includeSaveAmounts && setsMoneyAside) {
            const bool dueNow = calculations.isBillDueDateInCurrentMonthDropdown(
                item.value(BillKeys::DueDate).toDateTime(), monthIndex);
            if (!dueNow) {
                QVariantMap saveRow = calculations.billWithAmountToSaveAdded(item, monthIndex, false);
                saveRow.insert(ForecastKeys::IsFutureBill, 1);
                m_rows.append(saveRow);
            }
        }
    }
    const QVariantList repeats = calculations.getBillsThatRepeatAgainInCurrentMonthWithOriginalListOfBills(m_rows);
    if (repeats.isEmpty())
        Log::line(QStringLiteral("No Bills Repeat Multiple Times This Month"));
    m_rows += repeats;
    m_table->sortRows(m_rows, BillKeys::Name);
    reloadTable();
    updateTotals();
}

bool BWForecastViewController::moveIntoMonth(QVariantMap& item, int monthIndex) const
{
    const BWBillsLoader loader(m_env);
    const BWPaymentLogger logger(m_env);
    const BWForecastViewCalculations calculations(m_env);
    const int chosenMonth = monthNumber(calculations.getDateForSelectedIndex(monthIndex));
    QDateTime due = item.value(BillKeys::DueDate).toDateTime();
    bool landed = false;
    for (int step = 0; step < MaximumSteps && due.isValid() && monthNumber(due) < chosenMonth; ++step) {
        // A rule that does not move the date on would never reach the month.
        if (!logger.moveDueDateOfBill(item) || item.value(BillKeys::DueDate).toDateTime() <= due)
            break;
        const QDateTime next = item.value(BillKeys::DueDate).toDateTime();
        item.insert(ForecastKeys::SaveAmount, 0.0);
        item.insert(ForecastKeys::IsFutureBill, 0);
        item.insert(BillKeys::DueString, loader.createDueDateString(next));
        item.insert(BillKeys::SortableDueDate, loader.createSortableDueDate(next, m_env.clock->now()));
        landed = calculations.isBillDueDateInCurrentMonthDropdown(next, monthIndex);
        due = next;
    }
    return landed;
}

void BWForecastViewController::reloadTable()
{
    const BWForecastViewCalculations calculations(m_env);
    const int monthIndex = m_monthPopup->currentIndex();
    m_table->reload(m_rows, [&](QStandardItem& cell, const QString& identifier, const QVariantMap& row) {
        const bool isSaveRow = BWForecastViewCalculations::isSaveRow(row);
        if (identifier == NameColumn) {
            cell.setText(row.value(BillKeys::Name).toString());
            QFont font = cell.font();
            font.setPixelSize(13);
            font.setBold(!isSaveRow);
            cell.setFont(font);
            cell.setIcon(BWIconFont::icon(BWBill::convertIconName(row.value(BillKeys::Icon).toString()), Qt::white));
        } else if (identifier == NextColumn) {
            cell.setText(row.value(BillKeys::DueString).toString());
        } else if (identifier == AmountColumn) {
            // The figure the totals sum; an estimate is shown, not stored, and
            // one that differs from the row's own Amount is shown quieter.
            const double shown = calculations.amountForMonth(row, monthIndex, m_useIntelligence);
            cell.setText(BWSideWindowParts::currency(shown));
            if (row.value(BillKeys::IsIncome).toBool())
                cell.setForeground(IncomeColor);
            else if (!isSaveRow && shown != row.value(BillKeys::Amount).toDouble())
                cell.setForeground(SecondaryTextColor);
        } else if (identifier == SaveColumn) {
            cell.setText(BWSideWindowParts::currency(row.value(ForecastKeys::SaveAmount).toDouble()));
        }
    });
}

void BWForecastViewController::updateTotals()
{
    const BWForecastViewCalculations::MonthTotals totals =
        BWForecastViewCalculations(m_env).totalDueAndToSaveForData(m_rows, m_monthPopup->currentIndex());
    m_totalNumberOfBills->setText(QString::number(totals.count));
    m_totalAmountDue->setText(BWSideWindowParts::currency(totals.due));
    m_totalToSave->setText(BWSideWindowParts::currency(totals.toSave));
    m_totalIncomeTotal->setText(BWSideWindowParts::currency(totals.income));
    m_totalfinalTotal->setText(BWSideWindowParts::currency(totals.balance));
}

QString BWForecastViewController::totalText(const QString& field) const
{
    const QLabel* labels[] = {m_totalNumberOfBills, m_totalAmountDue, m_totalToSave, m_totalIncomeTotal,
                              m_totalfinalTotal, m_balanceTitle};
    const char* names[] = {"totalNumberOfBills", "totalAmountDue", "totalToSave", "totalIncomeTotal",
                           "totalfinalTotal", "balanceTitle"};
    for (int i = 0; i < 6; ++i) {
        if (field == QLatin1String(names[i]))
            return labels[i]->text();
    }
    return {};
}
