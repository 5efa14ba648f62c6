#include "shell/BWMainScreens.h"

#include "platform/LauncherEntry.h"
#include "platform/SoundPlayer.h"
#include "screens/BWBillActionsMenu.h"
#include "screens/BWBillDetailViewController.h"
#include "screens/BWBillEditorController.h"
#include "screens/BWLogPaymentController.h"
#include "screens/BWOverviewController.h"
#include "widgets/BGHUDSearchField.h"
#include "shell/BWAppDelegate.h"
#include "shell/BWMenulet.h"
#include "shell/BWObjectController.h"
#include "widgets/BGHUDBox.h"

BWMainScreens::BWMainScreens(const BWStoreEnvironment& env, BWAppDelegate& delegate,
                             const BWUserInteraction& interaction)
    : m_delegate(delegate)
    , m_sounds(interaction.sounds ? interaction.sounds : std::make_shared<SoundPlayer>())
    , m_payLogger(std::make_unique<BWLogPaymentController>(env, *m_sounds))
    , m_overview(std::make_unique<BWOverviewController>(env))
    , m_billView(std::make_unique<BWBillDetailViewController>(env))
    , m_billEditor(std::make_unique<BWBillEditorController>(env))
{
    m_delegate.setUserInteraction(interaction);
    m_delegate.setScreens({m_overview.get(), m_billView.get(), m_billEditor.get(), m_payLogger.get()});
    connectOverviewToDelegate();
    connectBottomBarToDelegate();
    connectBillPageToDelegate(interaction);
    connectEditor(interaction);
    connectAnnouncementsToDelegate();
    connect(&m_delegate, &BWAppDelegate::startUpStepDone, this, &BWMainScreens::startUpStepDone);
}

BWMainScreens::~BWMainScreens()
{
    m_delegate.setScreens({});
}

void BWMainScreens::connectOverviewToDelegate()
{
    BWOverviewController* overview = m_overview.get();
    BWAppDelegate* delegate = &m_delegate;
    connect(overview, &BWOverviewController::searchFieldVisibilityNeedsUpdate, delegate,
            &BWAppDelegate::updateSearchFieldVisibility);
    connect(overview, &BWOverviewController::selectionDidChange, delegate,
            &BWAppDelegate::enableOrDisableSelectedMenusAndButtons);
    connect(overview, &BWOverviewController::switchToOverviewRequested, delegate,
            [delegate] { delegate->switchToOverview(); });
    connect(overview, &BWOverviewController::showBillRequested, delegate, &BWAppDelegate::showBillFromSearch);
    connect(overview, &BWOverviewController::vacationChanged, &delegate->startup(), &BWStartup::dueDateShiftsDidChange);
    m_launcherEntry = std::make_unique<LauncherEntry>(QDBusConnection::sessionBus());
    connect(&overview->sidebar(), &BWOverviewSidebar::dockBadgeChanged, this,
            [this](const QString& badge) { m_launcherEntry->setBadgeLabel(badge); });
    connect(overview, &BWOverviewController::editBillRequested, delegate, [delegate] { delegate->editSelectedBill(); });
    connect(overview, &BWOverviewController::deleteBillRequested, delegate,
            [delegate] { delegate->deleteSelectedBill(); });
    connect(overview, &BWOverviewController::restoreBillRequested, delegate, &BWAppDelegate::archiveSelectedBill);
    connect(overview, &BWOverviewController::exportBillRequested, delegate,
            [delegate] { delegate->exportSelectedBillToCSV(); });
    BWBillActionsMenu& actions = *overview->bottomBar().actionsMenu();
    connectActionsToDelegate(actions);
    connect(&actions, &BWBillActionsMenu::payNowRequested, delegate, [delegate] { delegate->showBillWithPayAction(); });
    connect(&actions, &BWBillActionsMenu::websiteRequested, delegate, &BWAppDelegate::showBillWithWebsiteAction);
    BWObjectController* helpActions = delegate->welcome().objectController();
    helpActions->setAdBox(overview->bottomBar().adBox());
    connect(&overview->bottomBar(), &BWOverviewBottomBar::hideAdvertRequested, helpActions,
            &BWObjectController::hideAdvert);
    connect(&overview->bottomBar(), &BWOverviewBottomBar::phoneEditionRequested, helpActions,
            &BWObjectController::learnAboutiPhoneVersion);
    connect(&overview->sidebar(), &BWOverviewSidebar::tipDismissed, helpActions, &BWObjectController::disableTip);
    connect(overview, &BWOverviewController::menuBillsChanged, this, &BWMainScreens::showBillsInTray);
}

// At thousands of bills, making the tray's menu would hold back the main
// window's first pixels, so at start-up it waits for them.
void BWMainScreens::showBillsInTray(const QVariantList& bills)
{
    if (!m_mainWindowShown) {
        m_billsForTray = bills;
        return;
    }
    // The tray item exists only while it is enabled, and only after start-up made it.
    if (BWMenulet* menulet = m_delegate.menulet())
        menulet->updateMenuWithDataSource(bills);
}

void BWMainScreens::startUpStepDone(const QString& step)
{
    if (step == QLatin1String("createMainWindowController")) {
        floatPanelOverMainWindow();
    } else if (step == QLatin1String("mainWindowShown")) {
        m_mainWindowShown = true;
        if (m_billsForTray)
            showBillsInTray(*std::exchange(m_billsForTray, std::nullopt));
    }
}

void BWMainScreens::connectBottomBarToDelegate()
{
    BWOverviewController* overview = m_overview.get();
    BWAppDelegate* delegate = &m_delegate;
    connect(&overview->bottomBar(), &BWOverviewBottomBar::logPaymentRequested, delegate,
            &BWAppDelegate::showLogPaymentPanel);
    connect(&overview->bottomBar(), &BWOverviewBottomBar::viewBillRequested, delegate,
            [delegate] { delegate->switchToBillView(); });
    connect(&overview->bottomBar(), &BWOverviewBottomBar::payNowRequested, delegate,
            [delegate] { delegate->showBillWithPayAction(); });
}

void BWMainScreens::connectBillPageToDelegate(const BWUserInteraction& interaction)
{
    BWBillDetailViewController* page = m_billView.get();
    BWAppDelegate* delegate = &m_delegate;
    page->desktop().openUrl = interaction.openUrl;
    page->desktop().warn = interaction.showAlert;
    page->desktop().ask = interaction.askQuestion;
    connect(page, &BWBillDetailViewController::logPaymentRequested, delegate, &BWAppDelegate::showLogPaymentPanel);
    connect(page, &BWBillDetailViewController::editBillRequested, delegate, [delegate] { delegate->editSelectedBill(); });
    connect(page, &BWBillDetailViewController::overviewRequested, delegate, [delegate] { delegate->switchToOverview(); });
    connect(page, &BWBillDetailViewController::switchBillsRequested, delegate, &BWAppDelegate::switchBills);
    // A reload may change what the bill offers (a pay site arrived from
    // another device); the overview's rows announce their selection anew.
    // The tray item exists only while it is enabled, and only after start-up
    // made it. It counts all active items, whichever list the overview shows.
    connect(page, &BWBillDetailViewController::billLoaded, delegate, [this, delegate] {
        delegate->window().validateMainMenu();
        if (BWMenulet* menulet = delegate->menulet())
            menulet->updateMenuWithDataSource(m_overview->activeItems());
    });

    BWBillActionsMenu& actions = *page->actionsMenu();
    connectActionsToDelegate(actions);
    connect(&actions, &BWBillActionsMenu::skipRequested, page,
            [page] { page->showSkipPaymentPopover(page->actionsPopupButton()); });
    connect(&actions, &BWBillActionsMenu::payNowRequested, page, &BWBillDetailViewController::showWebView);
    connect(&actions, &BWBillActionsMenu::websiteRequested, page, &BWBillDetailViewController::finishShowingWebsite);
}

void BWMainScreens::connectActionsToDelegate(BWBillActionsMenu& actions)
{
    BWAppDelegate* delegate = &m_delegate;
    connect(&actions, &BWBillActionsMenu::logRequested, delegate, &BWAppDelegate::showLogPaymentPanel);
    connect(&actions, &BWBillActionsMenu::editRequested, delegate, [delegate] { delegate->editSelectedBill(); });
}

void BWMainScreens::connectEditor(const BWUserInteraction& interaction)
{
    BWBillEditorController* editor = m_billEditor.get();
    if (interaction.showAlert)
        editor->setAlert(interaction.showAlert);
    if (interaction.askQuestion)
        editor->setQuestion(interaction.askQuestion);
    m_overview->setBillEditorController(editor);
    editor->setOverviewNewBillButton(m_overview->header().overviewNewBillButton());
    editor->setSearchField(m_overview->header().searchField());
    editor->setOverviewButton(m_billView->overviewButton());
    editor->setBillPageButtons(m_billView->nextBillButton(), m_billView->previousBillButton());

    BWAppDelegate* delegate = &m_delegate;
    connect(&m_overview->header(), &BWOverviewHeader::newBillRequested, delegate,
            [delegate](QWidget* anchor) { delegate->createNewBillFromMenu(anchor); });
    connect(&m_overview->header(), &BWOverviewHeader::newIncomeRequested, editor,
            [editor](QWidget* anchor) { editor->createNewIncome(anchor); });
}

// What the user stored in a screen reaches the delegate, which reloads what
// shows it. Restoring is a command of the delegate and the overview, which
// reload themselves.
void BWMainScreens::connectAnnouncementsToDelegate()
{
    BWAppDelegate* delegate = &m_delegate;
    connect(m_payLogger.get(), &BWLogPaymentController::paymentLogged, delegate,
            [delegate](const QString& billID) { delegate->commands().reloadAfterPayment({billID}); });
    BWBillCommandRunner* commands = &delegate->commands();
    BWBillEditorController* editor = m_billEditor.get();
    connect(editor, &BWBillEditorController::itemSaved, commands, &BWBillCommandRunner::reloadAfterItemSaved);
    connect(editor, &BWBillEditorController::itemDeleted, commands, &BWBillCommandRunner::reloadAfterItemChange);
    connect(m_billView.get(), &BWBillDetailViewController::billChanged, commands,
            &BWBillCommandRunner::reloadAfterItemChange);
    connect(m_billView.get(), &BWBillDetailViewController::dueDateChanged, commands,
            &BWBillCommandRunner::reloadAfterItemSaved);
}

void BWMainScreens::floatPanelOverMainWindow()
{
    QWidget* panel = m_payLogger->panel();
    if (panel && m_delegate.window().mainWindow())
        panel->setParent(m_delegate.window().mainWindow(), panel->windowFlags());
}
