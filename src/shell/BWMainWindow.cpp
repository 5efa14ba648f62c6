#include "shell/BWMainWindow.h"

#include "platform/UserDefaults.h"
#include "screens/BWBillDetailScreen.h"
#include "screens/BWOverviewScreen.h"
#include "screens/BWView.h"
#include "shell/BWAppDelegate.h"
#include "shell/BWBillCommandRunner.h"
#include "shell/BWMainMenu.h"
#include "shell/BWStartup.h"
#include "shell/BWWelcomeFlow.h"
#include "shell/BWWindowController.h"
#include "store/BWDefaultsKeys.h"
#include "widgets/BWAnimatingView.h"

#include <QAbstractButton>
#include <QMainWindow>
#include <QToolBar>

using namespace BWAnimatingView;

namespace {

// Window widths (in points of the frame) between which the overview's search
// field and action text give way to the show-all button and the action box.
constexpr int actionTextLowerBound = 760;
constexpr int actionTextUpperBound = 950;
constexpr int searchFieldLowerBound = 820;
constexpr int searchFieldUpperBound = 945;

// Below `lower` the control is hidden, from `upper` on it is shown; in
// between it shows only while `rival` is hidden.
bool shownAtWindowWidth(const QWidget* window, int lower, int upper, const QWidget* rival)
{
    if (!window)
        return false;
    const int width = window->frameGeometry().width();
    if (width < lower)
        return false;
    if (width >= upper)
        return true;
    return rival->isHidden();
}

}  // namespace

BWMainWindow::BWMainWindow(BWAppDelegate& delegate)
    : QObject(&delegate)
    , m_delegate(delegate)
{
}

void BWMainWindow::createMainWindowController()
{
    m_customWindowController = new BWWindowController(this);
    m_customWindowController->setWindowDelegate(&m_delegate);
    QMainWindow* window = m_customWindowController->window();
    auto* menu = new BWMainMenu(m_delegate, *window);
    m_mainMenu = menu;
    // Whoever set up the application menu keeps it.
    if (!m_delegate.startup().appMenu())
        m_delegate.startup().setAppMenu(menu->fileMenu());
    m_delegate.welcome().addDataFolderAndHelpItems(*menu);
    handMenuItemsToOverview();
}

BWView* BWMainWindow::mainView() const
{
    return m_customWindowController ? m_customWindowController->contentView() : nullptr;
}

QWidget* BWMainWindow::mainWindow() const
{
    return m_customWindowController ? m_customWindowController->window() : nullptr;
}

void BWMainWindow::initializeViews()
{
    BWOverviewScreen& overview = *m_delegate.screens().overview;
    addPanes({overview.list(), overview.monthAtGlance()});
    sizeOverviewPanes();
    placeOverviewPanesInSight(false);
    if (m_delegate.screens().billView)
        placeBillPageOutOfSight(*m_delegate.screens().billView);
    overview.list()->setFocus();
    m_viewsInitialized = true;
}

void BWMainWindow::addPanes(std::initializer_list<QWidget*> panes)
{
    for (QWidget* pane : panes) {
        pane->setParent(mainView());
        pane->show();
    }
}

// The bill page waits just outside, each pane beside the edge it will enter
// from; a first placement in sight fixes the other coordinate.
void BWMainWindow::placeBillPageOutOfSight(BWBillDetailScreen& page)
{
    addPanes(
        {page.stickyNote(), page.billHeader(), page.statisticsView(), page.paymentHistory(), page.webViewContainer()});
    sizeBillPagePanes();
    placeBillPagePanesInSight(false);
    placeBillPagePanesOutOfSight(false);
    setLocationOffScreenTopAnimated(page.webViewContainer(), false);
    page.statisticsView()->hide();
    page.paymentHistory()->hide();
    page.webViewContainer()->hide();
}

void BWMainWindow::sizeOverviewPanes()
{
    const QSize area = mainView()->size();
    QWidget* month = m_delegate.screens().overview->monthAtGlance();
    month->resize(month->width(), area.height());
    m_delegate.screens().overview->list()->resize(area.width() - month->width(), area.height());
}

void BWMainWindow::sizeBillPagePanes()
{
    if (!m_delegate.screens().billView)
        return;
    const QSize area = mainView()->size();
    BWBillDetailScreen& page = *m_delegate.screens().billView;
    QWidget* header = page.billHeader();
    QWidget* sticky = page.stickyNote();
    QWidget* statistics = page.statisticsView();
    header->resize(area.width(), header->height());
    sticky->resize(sticky->width(), area.height() - header->height());
    const int rightColumnWidth = area.width() - sticky->width();
    statistics->resize(rightColumnWidth, statistics->height());
    page.paymentHistory()->resize(rightColumnWidth, area.height() - statistics->height() - header->height());
}

void BWMainWindow::placeOverviewPanesInSight(bool animated)
{
    setLocationTopLeftAnimated(m_delegate.screens().overview->list(), animated, 0);
    setLocationTopRightAnimated(m_delegate.screens().overview->monthAtGlance(), animated, 0);
}

void BWMainWindow::placeOverviewPanesOutOfSight(bool animated)
{
    setLocationOffScreenLeftAnimated(m_delegate.screens().overview->list(), animated);
    setLocationOffScreenRightAnimated(m_delegate.screens().overview->monthAtGlance(), animated);
}

void BWMainWindow::placeBillPagePanesInSight(bool animated)
{
    if (!m_delegate.screens().billView)
        return;
    BWBillDetailScreen& page = *m_delegate.screens().billView;
    const qreal headerHeight = page.billHeader()->height();
    setLocationTopLeftAnimated(page.stickyNote(), animated, headerHeight);
    setLocationFlushTopAnimated(page.billHeader(), animated);
    setLocationTopRightAnimated(page.statisticsView(), animated, headerHeight);
    setLocationBottomRightAnimated(page.paymentHistory(), animated);
}

void BWMainWindow::placeBillPagePanesOutOfSight(bool animated)
{
    if (!m_delegate.screens().billView)
        return;
    BWBillDetailScreen& page = *m_delegate.screens().billView;
    setLocationOffScreenLeftAnimated(page.stickyNote(), animated);
    setLocationOffScreenTopAnimated(page.billHeader(), animated);
    setLocationOffScreenBottomAnimated(page.paymentHistory(), animated);
    setLocationOffScreenRightAnimated(page.statisticsView(), animated);
    setLocationOffScreenBottomAnimated(page.webViewContainer(), animated);
}

void BWMainWindow::windowDidResize()
{
    if (!m_viewsInitialized)
        return;
    if (m_delegate.screens().billView)
        m_delegate.screens().billView->setGraphResizing();
    // The panes follow the window, as they would with springs and struts.
    sizeOverviewPanes();
    sizeBillPagePanes();
    if (m_delegate.commands().billPageIsShown()) {
        placeOverviewPanesOutOfSight(false);
        placeBillPagePanesInSight(false);
    } else {
        placeOverviewPanesInSight(false);
        placeBillPagePanesOutOfSight(false);
    }
    updateoverViewBottomTextVisibility();
    updateSearchFieldVisibility();
}

void BWMainWindow::windowDidEndLiveResize()
{
    if (m_viewsInitialized && m_delegate.screens().billView)
        m_delegate.screens().billView->setGraphHeight();
}

bool BWMainWindow::windowShouldClose(QWidget* window)
{
    BWStartup& startup = m_delegate.startup();
    if (startup.isTerminating() || startup.trayItemIsShown() || !window)
        return true;
    window->showMinimized();
    startup.explainReachableWindowOnce(
        tr("Orvane Keeps Running"), tr("With no tray icon to open it again from, Orvane's window is minimised to the "
                                       "taskbar instead of closed, and reminders keep coming. Choose Quit to end "
                                       "Orvane."));
    return false;
}

void BWMainWindow::updateSearchFieldVisibility()
{
    if (!m_delegate.screens().overview)
        return;
    BWOverviewScreen& overview = *m_delegate.screens().overview;
    overview.setSearchFieldShown(
        shownAtWindowWidth(mainWindow(), searchFieldLowerBound, searchFieldUpperBound, overview.showAllButton()));
}

void BWMainWindow::updateoverViewBottomTextVisibility()
{
    if (!m_delegate.screens().overview)
        return;
    BWOverviewScreen& overview = *m_delegate.screens().overview;
    overview.actionText()->setVisible(
        shownAtWindowWidth(mainWindow(), actionTextLowerBound, actionTextUpperBound, overview.actionBox()));
}

// ---- Menu bar and toolbar -------------------------------------------------------

void BWMainWindow::handMenuItemsToOverview()
{
    BWMainMenu* menu = m_mainMenu;
    if (!menu || !m_delegate.screens().overview)
        return;
    using Command = BWMenuValidation::Command;
    BWOverviewScreen::MenuItems items;
    items.menuItemNew = menu->action(Command::NewBill);
    const BWWelcomeFlow& welcome = m_delegate.welcome();
    items.importMenuItem = welcome.previousVersionImportItem();
    items.import4MenuItem = welcome.version4ImportItem();
    items.import4MenuCustom = welcome.version4FolderImportItem();
    items.closeMenuItem = menu->action(Command::CloseWindow);
    items.editBillButton
        = qobject_cast<QAbstractButton*>(menu->toolbar()->widgetForAction(menu->action(Command::EditBill)));
    items.editBillMenu = menu->action(Command::EditBill);
    items.deleteBillMenu = menu->action(Command::DeleteBill);
    items.archiveBillMenu = menu->action(Command::ArchiveOrRestore);
    m_delegate.screens().overview->setMenuItems(items);
}

void BWMainWindow::validateMainMenu()
{
    if (BWMainMenu* menu = m_mainMenu)
        menu->validate(m_delegate.commands().commandContext());
}

void BWMainWindow::updateToolbar()
{
    BWMainMenu* menu = m_mainMenu;
    if (!menu)
        return;
    QToolBar* toolbar = menu->toolbar();
    toolbar->setToolButtonStyle(Qt::ToolButtonIconOnly);
    toolbar->setIconSize(QSize(24, 24));
    toolbar->setVisible(true);
}

void BWMainWindow::showListMode(int index)
{
    if (!m_delegate.screens().overview)
        return;
    // The list shows at once; the drop-down's choice brings the overview back.
    m_delegate.commands().switchToOverviewWithoutReloading();
    m_delegate.screens().overview->showListMode(index);
}

void BWMainWindow::closeMainWindow()
{
    if (QWidget* window = mainWindow())
        window->close();
}
