#include "shell/BWBillCommandRunner.h"

#include <QHash>

#include "platform/Log.h"
#include "platform/SenderTag.h"
#include "platform/SoundPlayer.h"
#include "platform/UserActivity.h"
#include "platform/UserDefaults.h"
#include "screens/BWBillDetailScreen.h"
#include "screens/BWBillEditorScreen.h"
#include "screens/BWLogPaymentScreen.h"
#include "screens/BWOverviewScreen.h"
#include "screens/BWTableSelection.h"
#include "screens/BWView.h"
#include "shell/BWAppDelegate.h"
#include "shell/BWMainMenu.h"
#include "store/BWAutomaticPayments.h"
#include "store/BWBill.h"
#include "store/BWBillIndex.h"
#include "store/BWBillRecordKeys.h"
#include "store/BWBillsLoader.h"
#include "store/BWDefaultsKeys.h"
#include "widgets/BWAnimatingView.h"

#include <QAction>
#include <QTimer>

namespace {

// One-shot delays that let one pane set slide out before the next slides in,
// and let the bill page arrive before a popover opens on it.
constexpr int paneSwitchDelayMs = 100;
constexpr int newItemDelayMs = 500;

template <typename Control> void setEnabledIfPresent(Control* control, bool enabled)
{
    if (control)
        control->setEnabled(enabled);
}

}  // namespace

BWBillCommandRunner::BWBillCommandRunner(BWAppDelegate& delegate)
    : QObject(&delegate)
    , m_delegate(delegate)
    , m_visibleView(BWAppDelegate::OverviewPaneSet)
{
}

const BWAppScreens& BWBillCommandRunner::screens() const
{
    return m_delegate.screens();
}

const BWStoreEnvironment& BWBillCommandRunner::env() const
{
    return m_delegate.storeEnvironment();
}

bool BWBillCommandRunner::overviewIsShown() const
{
    return m_visibleView == BWAppDelegate::OverviewPaneSet;
}

bool BWBillCommandRunner::billPageIsShown() const
{
    return m_visibleView == BWAppDelegate::BillPaneSet;
}

void BWBillCommandRunner::showOverviewPaneSet()
{
    m_visibleView = BWAppDelegate::OverviewPaneSet;
    enableOrDisableSelectedMenusAndButtons();
}

bool BWBillCommandRunner::billPageOrBeep()
{
    if (!screens().billView)
        beep();
    return screens().billView;
}

bool BWBillCommandRunner::editorOrBeep()
{
    if (!screens().billEditor)
        beep();
    return screens().billEditor;
}

// ---- The current bill ---------------------------------------------------------

QString BWBillCommandRunner::billIDOf(const QVariantMap& record)
{
    return record.value(BillKeys::Bid).toString();
}

int BWBillCommandRunner::positionOf(const QVariantList& list, const QVariantMap& record)
{
    const int exact = list.indexOf(QVariant(record));
    if (exact >= 0)
        return exact;
    const QString billID = billIDOf(record);
    const auto entry = std::find_if(list.begin(), list.end(),
                                    [&billID](const QVariant& item) { return billIDOf(item.toMap()) == billID; });
    return entry == list.end() ? -1 : int(entry - list.begin());
}

QString BWBillCommandRunner::currentBillID() const
{
    if (!screens().overview)
        return QString();
    if (billPageIsShown() && screens().billView)
        return screens().billView->currentBillID();
    const std::optional<QVariantMap> record = selectedRecord();
    return record ? billIDOf(*record) : QString();
}

// The one rule of which row the commands act on: the overview's own.
BWTableSelection BWBillCommandRunner::overviewSelection() const
{
    return BWTableSelection(*screens().overview->billTable());
}

std::optional<QVariantMap> BWBillCommandRunner::selectedRecord() const
{
    const int row = overviewSelection().selectedRow();
    const QVariantList shownRows = screens().overview->dataSourceFiltered();
    if (row < 0 || row >= shownRows.size())
        return std::nullopt;
    return shownRows.at(row).toMap();
}

std::optional<QVariantMap> BWBillCommandRunner::recordOfCurrentBill() const
{
    if (billPageIsShown() && screens().billView)
        return BWBillsLoader(env()).loadBillWithID(screens().billView->currentBillID());
    return selectedRecord();
}

bool BWBillCommandRunner::billIsDeleted(const QString& billID) const
{
    const QString dataFolder = BWBillsLoader(env()).orvaneDirectory();
    return !dataFolder.isEmpty() && BWBillIndex(dataFolder).contains(IndexKeys::DeletedBills, billID);
}

// ---- Moving between the overview and a bill ----------------------------------

void BWBillCommandRunner::switchToBillView(QObject*)
{
    if (!screens().overview)
        return;
    const std::optional<QVariantMap> record = selectedRecord();
    if (!record || !billPageOrBeep())
        return;
    if (UserActivity* activity = screens().overview->activity())
        activity->invalidate();

    BWBillDetailScreen& page = *screens().billView;
    page.setDataPosition(positionOf(screens().overview->dataSource(), *record));
    page.loadBillWithDictionary(*record);
    if (!billPageIsShown())
        moveToBillPage();
    m_visibleView = BWAppDelegate::BillPaneSet;
    publishBillActivity(*record);
    enableOrDisableSelectedMenusAndButtons();
    focusMainView();
}

void BWBillCommandRunner::showBillFromSearch(const QString& billID)
{
    if (!screens().overview || !billPageOrBeep())
        return;
    // A reminder or hand-off may name a bill that is gone; an empty bill page
    // would help nobody.
    if (!BWBillsLoader(env()).loadBillWithID(billID)) {
        Log::line(QStringLiteral("No bill to show for id %1").arg(billID));
        return;
    }
    // The popovers of the bill shown so far go first, whichever bill this is.
    closePopoversIfNeeded();
    BWBillDetailScreen& page = *screens().billView;
    page.loadBillWithID(billID);
    QVariantMap byID;
    byID.insert(BillKeys::Bid, billID);
    const int position = positionOf(screens().overview->dataSource(), byID);
    if (position >= 0)
        page.setDataPosition(position);
    if (!billPageIsShown())
        moveToBillPage();
    m_visibleView = BWAppDelegate::BillPaneSet;
    enableOrDisableSelectedMenusAndButtons();
    focusMainView();
}

void BWBillCommandRunner::moveToBillPage()
{
    m_delegate.window().placeOverviewPanesOutOfSight(true);
    BWAnimatingView::setLocationOffScreenBottomAnimated(screens().billView->webViewContainer(), false);
    QTimer::singleShot(paneSwitchDelayMs, this, [this] { showBillViewOnTimer(); });
}

void BWBillCommandRunner::showBillViewOnTimer()
{
    // A switch back within the delay wins.
    if (!billPageIsShown())
        return;
    screens().overview->clearActionsMenu();
    m_delegate.window().placeBillPagePanesInSight(true);
}

void BWBillCommandRunner::publishBillActivity(const QVariantMap& record)
{
    BWBillDetailScreen& page = *screens().billView;
    if (UserActivity* previous = page.activity())
        previous->invalidate();
    const QString billID = billIDOf(record);
    auto activity = std::make_shared<UserActivity>(BWAppDelegate::ViewBillActivityType);
    activity->setTitle(record.value(BillKeys::Name).toString());
    activity->setUserInfo({{BillKeys::Bid, billID}});
    activity->setNeedsSave(true);
    activity->becomeCurrent();
    page.setActivity(activity);
    Log::line(QStringLiteral("Activity: %1").arg(billID));
}

void BWBillCommandRunner::switchToOverview(QObject* sender)
{
    if (!screens().overview)
        return;
    if (overviewIsShown())
        return;
    Log::line(QStringLiteral("Switching to Overview"));
    reloadOverviewAndSuggestions();
    switchToOverviewWithoutReloading(sender);
}

void BWBillCommandRunner::switchToOverviewAndReload(QObject* sender)
{
    if (!screens().overview)
        return;
    Log::line(QStringLiteral("Switching to Overview With Reload"));
    reloadOverviewAndSuggestions();
    switchToOverviewWithoutReloading(sender);
}

// The editor completes new names from the list just loaded, so that a bill
// saved a moment ago is offered at once.
void BWBillCommandRunner::reloadOverviewAndSuggestions(const QStringList& billIDs)
{
    reloadOverviewItems(billIDs);
    if (screens().billEditor)
        screens().billEditor->setListOfActiveBills(screens().overview->dataSource());
}

void BWBillCommandRunner::switchToOverviewWithoutReloading(QObject*)
{
    if (!screens().overview)
        return;
    const bool wasOnBillPage = !overviewIsShown();
    // Set first: closing the page's popovers below asks which page is shown.
    m_visibleView = BWAppDelegate::OverviewPaneSet;
    if (wasOnBillPage) {
        // The overview leaves the pay site the page's pane showed.
        if (screens().billView)
            screens().billView->hideWebView();
        m_delegate.window().placeBillPagePanesOutOfSight(true);
        closePopoversIfNeeded();
        QTimer::singleShot(paneSwitchDelayMs, this, [this] { showOverviewOnTimer(); });
    }
    enableOrDisableSelectedMenusAndButtons();
}

void BWBillCommandRunner::showOverviewOnTimer()
{
    if (overviewIsShown())
        m_delegate.window().placeOverviewPanesInSight(true);
}

void BWBillCommandRunner::showOverviewFromMenu(QObject* sender)
{
    switchToOverviewAndReload(sender);
    showOrvane();
}

void BWBillCommandRunner::showOrvane()
{
    switchToOverview();
    m_delegate.startup().bringMainWindowToFront();
}

void BWBillCommandRunner::switchBills(QObject* sender)
{
    if (!screens().overview || !billPageOrBeep())
        return;
    const int step = SenderTag::of(sender);
    Log::line(QStringLiteral("Direction %1").arg(step));
    BWBillDetailScreen& page = *screens().billView;
    const QVariantList bills = screens().overview->dataSource();
    // A repeating bill may be listed once for each coming occurrence; each
    // bill counts once, at its first row, so that a step always reaches
    // another bill.
    QHash<QString, int> firstRows;
    for (int row = int(bills.size()) - 1; row >= 0; --row)
        firstRows.insert(billIDOf(bills.at(row).toMap()), row);
    // Income rows are stepped over; with no bill beyond them nothing moves.
    for (int position = page.dataPosition() + step; step != 0 && position >= 0 && position < bills.size();
         position += step) {
        const QVariantMap record = bills.at(position).toMap();
        const QString billID = billIDOf(record);
        if (BWBillsLoader::billIsIncome(record) || billID == page.currentBillID()
            || firstRows.value(billID) != position)
            continue;
        page.closePopovers();
        page.setDataPosition(position);
        page.loadBillWithID(billID);
        enableOrDisableSelectedMenusAndButtons();
        break;
    }
    focusMainView();
}

void BWBillCommandRunner::menuItemSelected(const QString& billID)
{
    m_delegate.startup().bringMainWindowToFront();
    showBillFromSearch(billID);
}

void BWBillCommandRunner::createNewBillFromMenu(QObject* sender)
{
    openNewItemEditor(&BWBillEditorScreen::createNewBill, sender);
}

void BWBillCommandRunner::createNewSavingsGoalFromMenu(QObject* sender)
{
    openNewItemEditor(&BWBillEditorScreen::createNewSavingsGoal, sender);
}

void BWBillCommandRunner::openNewItemEditor(void (BWBillEditorScreen::*create)(QWidget*), QObject* sender)
{
    if (!screens().overview || !editorOrBeep())
        return;
    BWBillEditorScreen& editor = *screens().billEditor;
    if (overviewIsShown()) {
        (editor.*create)(editor.overviewNewBillButton());
        return;
    }
    // The popover opens on the overview, once it has slid in.
    switchToOverview(sender);
    QTimer::singleShot(newItemDelayMs, this, [this, create] {
        if (overviewIsShown())
            (screens().billEditor->*create)(screens().billEditor->overviewNewBillButton());
    });
}

bool BWBillCommandRunner::toggleIncomeVisibility(QObject*)
{
    if (!screens().overview)
        return false;
    const bool paydaysShown = !env().defaults->boolForKey(BWDefaultsKeys::BWShowPaydaysOnOverview);
    if (!env().defaults->setBool(BWDefaultsKeys::BWShowPaydaysOnOverview, paydaysShown)) {
        Log::line(QStringLiteral("Could not store whether paydays show on the overview"));
        return false;
    }
    screens().overview->loadOverview();
    updateIncomeVisibility(paydaysShown);
    return true;
}

void BWBillCommandRunner::updateIncomeVisibility(bool paydaysShown)
{
    if (BWMainMenu* menu = m_delegate.window().mainMenu())
        menu->action(BWMenuValidation::Command::TogglePaydays)
            ->setText(paydaysShown ? tr("Hide Paydays on Overview") : tr("Show Paydays on Overview"));
}

void BWBillCommandRunner::enableOrDisableSelectedMenusAndButtons()
{
    if (!screens().overview)
        return;
    BWOverviewScreen& overview = *screens().overview;
    const BWOverviewScreen::MenuItems items = overview.menuItems();
    for (QAction* item :
         {items.menuItemNew, items.importMenuItem, items.import4MenuItem, items.import4MenuCustom, items.closeMenuItem})
        setEnabledIfPresent(item, true);

    if (overviewIsShown()) {
        if (screens().billView)
            screens().billView->clearActionsMenu();
        if (overviewSelection().selectedRows().size() == 1) {
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
    m_delegate.window().validateMainMenu();
}

void BWBillCommandRunner::focusMainView()
{
    if (BWView* view = m_delegate.window().mainView())
        view->setFocus();
}

// ---- Popovers and the log-payment panel -----------------------------------------

void BWBillCommandRunner::closePopoversIfNeeded()
{
    if (!screens().overview)
        return;
    if (screens().billEditor)
        screens().billEditor->closePopover();
    if (screens().billView)
        screens().billView->closePopovers();
}

void BWBillCommandRunner::reloadAfterItemChange(const QString& billID)
{
    if (!screens().overview)
        return;
    const QStringList changed = billID.isEmpty() ? QStringList() : QStringList{billID};
    if (overviewIsShown()) {
        reloadOverviewAndSuggestions(changed);
        return;
    }
    if (!billPageIsShown() || !screens().billView)
        return;
    if (billIsDeleted(screens().billView->currentBillID()))
        switchToOverview();
    else
        reloadBillPageAndOverview(changed);
}

void BWBillCommandRunner::reloadAfterItemSaved(const QString& billID)
{
    // Saving an item can make only that item due; without one, any may be.
    // Other items the automatic step logged on the way show as well: the
    // whole list is read again then.
    const QStringList logged = billID.isEmpty() ? m_delegate.startup().logAutomaticPayments()
                                                : BWAutomaticPayments(env()).logDuePayments({billID});
    reloadAfterItemChange(logged.isEmpty() || logged == QStringList{billID} ? billID : QString());
}

void BWBillCommandRunner::reloadAfterPayment(const QStringList& billIDs)
{
    if (!screens().overview)
        return;
    if (overviewIsShown()) {
        // The same row stays selected, even where the paid bill moved away.
        const int row = overviewSelection().selectedRow();
        reloadOverviewItems(billIDs);
        if (row >= 0 && row < screens().overview->dataSourceFiltered().size())
            overviewSelection().selectRows({row});
    } else if (billPageIsShown()) {
        if (screens().payLogger)
            screens().payLogger->setBid(QString());
        reloadBillPageAndOverview(billIDs);
    }
}

void BWBillCommandRunner::reloadBillPageAndOverview(const QStringList& billIDs)
{
    if (screens().billView)
        screens().billView->loadBillWithID(screens().billView->currentBillID());
    reloadOverviewAndSuggestions(billIDs);
}

void BWBillCommandRunner::reloadOverviewItems(const QStringList& billIDs)
{
    if (billIDs.isEmpty())
        screens().overview->loadOverview();
    else
        screens().overview->reloadItems(billIDs);
}

// ---- Sounds --------------------------------------------------------------------

void BWBillCommandRunner::beep()
{
    if (m_delegate.interaction().sounds)
        m_delegate.interaction().sounds->playEventSound(QStringLiteral("bell"));
}

void BWBillCommandRunner::playRefusalSound()
{
    if (m_delegate.interaction().sounds)
        m_delegate.interaction().sounds->playEventSound(QStringLiteral("dialog-error"));
}

// ---- Menu validation ------------------------------------------------------------

BWMenuValidation::Context BWBillCommandRunner::commandContext() const
{
    BWMenuValidation::Context context;
    context.dataFolderElsewhere = env().defaults->boolForKey(BWDefaultsKeys::BWCustomLocationEnabled);
    if (!screens().overview)
        return context;
    context.billPageShown = billPageIsShown() && m_delegate.screens().billView;
    context.selectedRows = int(overviewSelection().selectedRows().size());
    context.record = recordOfCurrentBill();
    context.incomeLogsItself = incomeLogsItself();
    return context;
}
