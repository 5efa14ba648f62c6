#include "shell/BWAppDelegate.h"

#include "platform/Log.h"
#include "platform/SenderTag.h"
#include "platform/SoundPlayer.h"
#include "platform/UserActivity.h"
#include "platform/UserDefaults.h"
#include "screens/BWBillDetailScreen.h"
#include "screens/BWBillEditorScreen.h"
#include "screens/BWLogPaymentScreen.h"
#include "screens/BWOverviewScreen.h"
#include "screens/BWView.h"
#include "shell/BWMainMenu.h"
#include "store/BWDefaultsKeys.h"
#include "store/BWBillIndex.h"
#include "store/BWBillRecordKeys.h"
#include "store/BWAutomaticPayments.h"
#include "store/BWBillsLoader.h"
#include "widgets/BWAnimatingView.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAction>
#include <QItemSelectionModel>
#include <QTimer>

#include <algorithm>

namespace {

// One-shot delays that let one pane set slide out before the next slides in,
// and let the bill page arrive before a popover opens on it.
constexpr int paneSwitchDelayMs = 100;
constexpr int newItemDelayMs = 500;

template <typename Control>
void setEnabledIfPresent(Control* control, bool enabled)
{
    if (control)
        control->setEnabled(enabled);
}

}  // namespace

void BWAppDelegate::setScreens(const Screens& screens)
{
    m_screens = screens;
    handMenuItemsToOverview();
}

bool BWAppDelegate::billPageOrBeep()
{
    if (!m_screens.billView)
        beep();
    return m_screens.billView;
}

bool BWAppDelegate::editorOrBeep()
{
    if (!m_screens.billEditor)
        beep();
    return m_screens.billEditor;
}

// ---- The current bill ---------------------------------------------------------

QString BWAppDelegate::billIDOf(const QVariantMap& record)
{
    return record.value(BillKeys::Bid).toString();
}

int BWAppDelegate::positionOf(const QVariantList& list, const QVariantMap& record)
{
    const int exact = list.indexOf(QVariant(record));
    if (exact >= 0)
        return exact;
    const QString billID = billIDOf(record);
    const auto entry = std::find_if(list.begin(), list.end(),
                                    [&billID](const QVariant& item) { return billIDOf(item.toMap()) == billID; });
    return entry == list.end() ? -1 : int(entry - list.begin());
}

QString BWAppDelegate::currentBillID() const
{
    if (!hasOverview())
        return QString();
    if (billPageIsShown() && m_screens.billView)
        return m_screens.billView->currentBillID();
    const std::optional<QVariantMap> record = selectedRecord();
    return record ? billIDOf(*record) : QString();
}

QList<int> BWAppDelegate::selectedOverviewRows() const
{
    QList<int> rows;
    const QItemSelectionModel* selection = m_screens.overview->billTable()->selectionModel();
    if (!selection)
        return rows;
    for (const QModelIndex& index : selection->selectedIndexes()) {
        if (!rows.contains(index.row()))
            rows.append(index.row());
    }
    std::sort(rows.begin(), rows.end());
    return rows;
}

int BWAppDelegate::selectedOverviewRow() const
{
    const QList<int> rows = selectedOverviewRows();
    if (rows.isEmpty())
        return -1;
    // With several rows selected, the one the user touched last.
    const QModelIndex current = m_screens.overview->billTable()->currentIndex();
    return current.isValid() && rows.contains(current.row()) ? current.row() : rows.last();
}

std::optional<QVariantMap> BWAppDelegate::selectedRecord() const
{
    const int row = selectedOverviewRow();
    const QVariantList shownRows = m_screens.overview->dataSourceFiltered();
    if (row < 0 || row >= shownRows.size())
        return std::nullopt;
    return shownRows.at(row).toMap();
}

void BWAppDelegate::selectOverviewRow(int row)
{
    QAbstractItemView* table = m_screens.overview->billTable();
    const QAbstractItemModel* model = table->model();
    if (!model || row < 0 || row >= model->rowCount())
        return;
    table->selectionModel()->setCurrentIndex(model->index(row, 0),
                                             QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}

std::optional<QVariantMap> BWAppDelegate::recordOfCurrentBill() const
{
    if (billPageIsShown() && m_screens.billView)
        return BWBillsLoader(m_storeEnv).loadBillWithID(m_screens.billView->currentBillID());
    return selectedRecord();
}

bool BWAppDelegate::billIsDeleted(const QString& billID) const
{
    const QString dataFolder = BWBillsLoader(m_storeEnv).orvaneDirectory();
    return !dataFolder.isEmpty() && BWBillIndex(dataFolder).contains(IndexKeys::DeletedBills, billID);
}

// ---- Moving between the overview and a bill ----------------------------------

void BWAppDelegate::switchToBillView(QObject*)
{
    if (!hasOverview())
        return;
    const std::optional<QVariantMap> record = selectedRecord();
    if (!record || !billPageOrBeep())
        return;
    if (UserActivity* activity = m_screens.overview->activity())
        activity->invalidate();

    BWBillDetailScreen& page = *m_screens.billView;
    page.setDataPosition(positionOf(m_screens.overview->dataSource(), *record));
    page.loadBillWithDictionary(*record);
    if (!billPageIsShown())
        moveToBillPage();
    m_visibleView = BillPaneSet;
    publishBillActivity(*record);
    enableOrDisableSelectedMenusAndButtons();
    focusMainView();
}

void BWAppDelegate::showBillFromSearch(const QString& billID)
{
    if (!hasOverview() || !billPageOrBeep())
        return;
    // A reminder or hand-off may name a bill that is gone; an empty bill page
    // would help nobody.
    if (!BWBillsLoader(m_storeEnv).loadBillWithID(billID)) {
        Log::line(QStringLiteral("No bill to show for id %1").arg(billID));
        return;
    }
    BWBillDetailScreen& page = *m_screens.billView;
    page.loadBillWithID(billID);
    QVariantMap byID;
    byID.insert(BillKeys::Bid, billID);
    const int position = positionOf(m_screens.overview->dataSource(), byID);
    if (position >= 0)
        page.setDataPosition(position);
    if (!billPageIsShown())
        moveToBillPage();
    m_visibleView = BillPaneSet;
    enableOrDisableSelectedMenusAndButtons();
    focusMainView();
}

void BWAppDelegate::moveToBillPage()
{
    placeOverviewPanesOutOfSight(true);
    BWAnimatingView::setLocationOffScreenBottomAnimated(m_screens.billView->webViewContainer(), false);
    QTimer::singleShot(paneSwitchDelayMs, this, &BWAppDelegate::showBillViewOnTimer);
}

void BWAppDelegate::showBillViewOnTimer()
{
    // A switch back within the delay wins.
    if (!billPageIsShown())
        return;
    m_screens.overview->clearActionsMenu();
    placeBillPagePanesInSight(true);
}

void BWAppDelegate::publishBillActivity(const QVariantMap& record)
{
    BWBillDetailScreen& page = *m_screens.billView;
    if (UserActivity* previous = page.activity())
        previous->invalidate();
    const QString billID = billIDOf(record);
    auto activity = std::make_shared<UserActivity>(ViewBillActivityType);
    activity->setTitle(record.value(BillKeys::Name).toString());
    activity->setUserInfo({{BillKeys::Bid, billID}});
    activity->setNeedsSave(true);
    activity->becomeCurrent();
    page.setActivity(activity);
    Log::line(QStringLiteral("Activity: %1").arg(billID));
}

void BWAppDelegate::switchToOverview(QObject* sender)
{
    if (!hasOverview())
        return;
    if (overviewIsShown())
        return;
    Log::line(QStringLiteral("Switching to Overview"));
    reloadOverviewAndSuggestions();
    switchToOverviewWithoutReloading(sender);
}

void BWAppDelegate::switchToOverviewAndReload(QObject* sender)
{
    if (!hasOverview())
        return;
    Log::line(QStringLiteral("Switching to Overview With Reload"));
    reloadOverviewAndSuggestions();
    switchToOverviewWithoutReloading(sender);
}

// The editor completes new names from the list just loaded, so that a bill
// saved a moment ago is offered at once.
void BWAppDelegate::reloadOverviewAndSuggestions(const QStringList& billIDs)
{
    reloadOverviewItems(billIDs);
    if (m_screens.billEditor)
        m_screens.billEditor->setListOfActiveBills(m_screens.overview->dataSource());
}

void BWAppDelegate::switchToOverviewWithoutReloading(QObject*)
{
    if (!hasOverview())
        return;
    const bool wasOnBillPage = !overviewIsShown();
    // Set first: closing the page's popovers below asks which page is shown.
    m_visibleView = OverviewPaneSet;
    if (wasOnBillPage) {
        // The overview leaves the pay site the page's pane showed.
        if (m_screens.billView)
            m_screens.billView->hideWebView();
        placeBillPagePanesOutOfSight(true);
        closePopoversIfNeeded();
        QTimer::singleShot(paneSwitchDelayMs, this, &BWAppDelegate::showOverviewOnTimer);
    }
    enableOrDisableSelectedMenusAndButtons();
}

void BWAppDelegate::showOverviewOnTimer()
{
    if (overviewIsShown())
        placeOverviewPanesInSight(true);
}

void BWAppDelegate::showOverviewFromMenu(QObject* sender)
{
    switchToOverviewAndReload(sender);
    showOrvane();
}

void BWAppDelegate::showOrvane()
{
    switchToOverview();
    bringMainWindowToFront();
}

void BWAppDelegate::showPreferences()
{
    // While locked, the settings are as private as the bills.
    if (!m_prefWindow || isLocked())
        return;
    m_prefWindow->show();
    m_prefWindow->raise();
    m_prefWindow->activateWindow();
}

void BWAppDelegate::quitOrvane()
{
    terminate();
}

void BWAppDelegate::switchBills(QObject* sender)
{
    if (!hasOverview() || !billPageOrBeep())
        return;
    const int step = SenderTag::of(sender);
    Log::line(QStringLiteral("Direction %1").arg(step));
    BWBillDetailScreen& page = *m_screens.billView;
    const QVariantList bills = m_screens.overview->dataSource();
    // Income rows are stepped over; with no bill beyond them nothing moves.
    for (int position = page.dataPosition() + step; step != 0 && position >= 0 && position < bills.size();
         position += step) {
        const QVariantMap record = bills.at(position).toMap();
        if (BWBillsLoader::billIsIncome(record))
            continue;
        page.closePopovers();
        page.setDataPosition(position);
        page.loadBillWithID(billIDOf(record));
        enableOrDisableSelectedMenusAndButtons();
        break;
    }
    focusMainView();
}

void BWAppDelegate::menuItemSelected(const QString& billID)
{
    bringMainWindowToFront();
    showBillFromSearch(billID);
}

void BWAppDelegate::createNewBillFromMenu(QObject* sender)
{
    openNewItemEditor(&BWBillEditorScreen::createNewBill, sender);
}

void BWAppDelegate::createNewSavingsGoalFromMenu(QObject* sender)
{
    openNewItemEditor(&BWBillEditorScreen::createNewSavingsGoal, sender);
}

void BWAppDelegate::openNewItemEditor(void (BWBillEditorScreen::*create)(QWidget*), QObject* sender)
{
    if (!hasOverview() || !editorOrBeep())
        return;
    BWBillEditorScreen& editor = *m_screens.billEditor;
    if (overviewIsShown()) {
        (editor.*create)(editor.overviewNewBillButton());
        return;
    }
    // The popover opens on the overview, once it has slid in.
    switchToOverview(sender);
    QTimer::singleShot(newItemDelayMs, this, [this, create] {
        if (overviewIsShown())
            (m_screens.billEditor->*create)(m_screens.billEditor->overviewNewBillButton());
    });
}

bool BWAppDelegate::toggleIncomeVisibility(QObject*)
{
    if (!hasOverview())
        return false;
    const bool paydaysShown = !m_defaults.boolForKey(BWDefaultsKeys::BWShowPaydaysOnOverview);
    if (!m_defaults.setBool(BWDefaultsKeys::BWShowPaydaysOnOverview, paydaysShown)) {
        Log::line(QStringLiteral("Could not store whether paydays show on the overview"));
        return false;
    }
    m_screens.overview->loadOverview();
    updateIncomeVisibility(paydaysShown);
    return true;
}

void BWAppDelegate::updateIncomeVisibility(bool paydaysShown)
{
    if (BWMainMenu* menu = m_mainMenu)
        menu->action(BWMenuValidation::Command::TogglePaydays)
            ->setText(paydaysShown ? tr("Hide Paydays on Overview") : tr("Show Paydays on Overview"));
}

void BWAppDelegate::enableOrDisableSelectedMenusAndButtons()
{
    if (!hasOverview())
        return;
    BWOverviewScreen& overview = *m_screens.overview;
    const BWOverviewScreen::MenuItems items = overview.menuItems();
    for (QAction* item :
         {items.menuItemNew, items.importMenuItem, items.import4MenuItem, items.import4MenuCustom, items.closeMenuItem})
        setEnabledIfPresent(item, true);

    if (overviewIsShown()) {
        if (m_screens.billView)
            m_screens.billView->clearActionsMenu();
        if (selectedOverviewRows().size() == 1) {
            if (const std::optional<QVariantMap> record = selectedRecord())
                overview.setupActionButtonMenuForBill(*record);
        }
    }
    // The bill commands (the toolbar's edit button among them) follow the
    // one rule of the main menu.
    using Command = BWMenuValidation::Command;
    const BWMenuValidation::Context context = commandContext();
    const auto enabled = [&context](Command command) { return BWMenuValidation::isEnabled(command, context); };
    setEnabledIfPresent(items.editBillButton, enabled(Command::EditBill));
    setEnabledIfPresent(items.editBillMenu, enabled(Command::EditBill));
    setEnabledIfPresent(items.deleteBillMenu, enabled(Command::DeleteBill));
    setEnabledIfPresent(items.archiveBillMenu, enabled(Command::ArchiveOrRestore));
    validateMainMenu();
}

void BWAppDelegate::focusMainView()
{
    if (BWView* view = mainView())
        view->setFocus();
}

// ---- Popovers and the log-payment panel -----------------------------------------

void BWAppDelegate::closePopoversIfNeeded()
{
    if (!hasOverview())
        return;
    if (m_screens.billEditor)
        m_screens.billEditor->closePopover();
    if (m_screens.billView)
        m_screens.billView->closePopovers();
}

void BWAppDelegate::reloadAfterItemChange(const QString& billID)
{
    if (!hasOverview())
        return;
    const QStringList changed = billID.isEmpty() ? QStringList() : QStringList{billID};
    if (overviewIsShown()) {
        reloadOverviewAndSuggestions(changed);
        return;
    }
    if (!billPageIsShown() || !m_screens.billView)
        return;
    if (billIsDeleted(m_screens.billView->currentBillID()))
        switchToOverview();
    else
        reloadBillPageAndOverview(changed);
}

void BWAppDelegate::reloadAfterItemSaved(const QString& billID)
{
    // Saving an item can make only that item due; without one, any may be.
    // Other items the automatic step logged on the way show as well: the
    // whole list is read again then.
    const QStringList logged
        = billID.isEmpty() ? logAutomaticPayments() : BWAutomaticPayments(m_storeEnv).logDuePayments({billID});
    reloadAfterItemChange(logged.isEmpty() || logged == QStringList{billID} ? billID : QString());
}

void BWAppDelegate::reloadAfterPayment(const QStringList& billIDs)
{
    if (!hasOverview())
        return;
    if (overviewIsShown()) {
        // The same row stays selected, even where the paid bill moved away.
        const int row = selectedOverviewRow();
        reloadOverviewItems(billIDs);
        selectOverviewRow(row);
    } else if (billPageIsShown()) {
        if (m_screens.payLogger)
            m_screens.payLogger->setBid(QString());
        reloadBillPageAndOverview(billIDs);
    }
}

void BWAppDelegate::reloadBillPageAndOverview(const QStringList& billIDs)
{
    if (m_screens.billView)
        m_screens.billView->loadBillWithID(m_screens.billView->currentBillID());
    reloadOverviewAndSuggestions(billIDs);
}

void BWAppDelegate::reloadOverviewItems(const QStringList& billIDs)
{
    if (billIDs.isEmpty())
        m_screens.overview->loadOverview();
    else
        m_screens.overview->reloadItems(billIDs);
}

// ---- Sounds --------------------------------------------------------------------

void BWAppDelegate::beep()
{
    if (m_interaction.sounds)
        m_interaction.sounds->playEventSound(QStringLiteral("bell"));
}

void BWAppDelegate::playRefusalSound()
{
    if (m_interaction.sounds)
        m_interaction.sounds->playEventSound(QStringLiteral("dialog-error"));
}
