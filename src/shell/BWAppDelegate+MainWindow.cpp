#include "shell/BWAppDelegate.h"

#include "screens/BWBillDetailScreen.h"
#include "screens/BWOverviewScreen.h"
#include "screens/BWView.h"
#include "shell/BWWindowController.h"
#include "widgets/BWAnimatingView.h"

#include <QMainWindow>

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

void BWAppDelegate::createMainWindowController()
{
    m_customWindowController = new BWWindowController(this);
    m_customWindowController->setWindowDelegate(this);
    createMainMenu();
}

BWView* BWAppDelegate::mainView() const
{
    return m_customWindowController ? m_customWindowController->contentView() : nullptr;
}

QWidget* BWAppDelegate::mainWindow() const
{
    return m_customWindowController ? m_customWindowController->window() : nullptr;
}

void BWAppDelegate::initializeViews()
{
    BWOverviewScreen& overview = *m_screens.overview;
    addPanes({overview.list(), overview.monthAtGlance()});
    sizeOverviewPanes();
    placeOverviewPanesInSight(false);
    if (m_screens.billView)
        placeBillPageOutOfSight(*m_screens.billView);
    overview.list()->setFocus();
    m_viewsInitialized = true;
}

void BWAppDelegate::addPanes(std::initializer_list<QWidget*> panes)
{
    for (QWidget* pane : panes) {
        pane->setParent(mainView());
        pane->show();
    }
}

// The bill page waits just outside, each pane beside the edge it will enter
// from; a first placement in sight fixes the other coordinate.
void BWAppDelegate::placeBillPageOutOfSight(BWBillDetailScreen& page)
{
    addPanes({page.stickyNote(), page.billHeader(), page.statisticsView(), page.paymentHistory(),
              page.webViewContainer()});
    sizeBillPagePanes();
    placeBillPagePanesInSight(false);
    placeBillPagePanesOutOfSight(false);
    setLocationOffScreenTopAnimated(page.webViewContainer(), false);
    page.statisticsView()->hide();
    page.paymentHistory()->hide();
    page.webViewContainer()->hide();
}

void BWAppDelegate::sizeOverviewPanes()
{
    const QSize area = mainView()->size();
    QWidget* month = m_screens.overview->monthAtGlance();
    month->resize(month->width(), area.height());
    m_screens.overview->list()->resize(area.width() - month->width(), area.height());
}

void BWAppDelegate::sizeBillPagePanes()
{
    if (!m_screens.billView)
        return;
    const QSize area = mainView()->size();
    BWBillDetailScreen& page = *m_screens.billView;
    QWidget* header = page.billHeader();
    QWidget* sticky = page.stickyNote();
    QWidget* statistics = page.statisticsView();
    header->resize(area.width(), header->height());
    sticky->resize(sticky->width(), area.height() - header->height());
    const int rightColumnWidth = area.width() - sticky->width();
    statistics->resize(rightColumnWidth, statistics->height());
    page.paymentHistory()->resize(rightColumnWidth, area.height() - statistics->height() - header->height());
}

void BWAppDelegate::placeOverviewPanesInSight(bool animated)
{
    setLocationTopLeftAnimated(m_screens.overview->list(), animated, 0);
    setLocationTopRightAnimated(m_screens.overview->monthAtGlance(), animated, 0);
}

void BWAppDelegate::placeOverviewPanesOutOfSight(bool animated)
{
    setLocationOffScreenLeftAnimated(m_screens.overview->list(), animated);
    setLocationOffScreenRightAnimated(m_screens.overview->monthAtGlance(), animated);
}

void BWAppDelegate::placeBillPagePanesInSight(bool animated)
{
    if (!m_screens.billView)
        return;
    BWBillDetailScreen& page = *m_screens.billView;
    const qreal headerHeight = page.billHeader()->height();
    setLocationTopLeftAnimated(page.stickyNote(), animated, headerHeight);
    setLocationFlushTopAnimated(page.billHeader(), animated);
    setLocationTopRightAnimated(page.statisticsView(), animated, headerHeight);
    setLocationBottomRightAnimated(page.paymentHistory(), animated);
}

void BWAppDelegate::placeBillPagePanesOutOfSight(bool animated)
{
    if (!m_screens.billView)
        return;
    BWBillDetailScreen& page = *m_screens.billView;
    setLocationOffScreenLeftAnimated(page.stickyNote(), animated);
    setLocationOffScreenTopAnimated(page.billHeader(), animated);
    setLocationOffScreenBottomAnimated(page.paymentHistory(), animated);
    setLocationOffScreenRightAnimated(page.statisticsView(), animated);
    setLocationOffScreenBottomAnimated(page.webViewContainer(), animated);
}

void BWAppDelegate::windowDidResize(QWidget*)
{
    if (!m_viewsInitialized)
        return;
    if (m_screens.billView)
        m_screens.billView->setGraphResizing();
    // The panes follow the window, as they would with springs and struts.
    sizeOverviewPanes();
    sizeBillPagePanes();
    if (billPageIsShown()) {
        placeOverviewPanesOutOfSight(false);
        placeBillPagePanesInSight(false);
    } else {
        placeOverviewPanesInSight(false);
        placeBillPagePanesOutOfSight(false);
    }
    updateoverViewBottomTextVisibility();
    updateSearchFieldVisibility();
}

void BWAppDelegate::windowDidEndLiveResize(QWidget*)
{
    if (m_viewsInitialized && m_screens.billView)
        m_screens.billView->setGraphHeight();
}

bool BWAppDelegate::windowShouldZoom(QWidget*, const QRect&)
{
    return false;
}

bool BWAppDelegate::windowShouldClose(QWidget* window)
{
    if (m_terminating || trayItemIsShown() || !window)
        return true;
    window->showMinimized();
    explainReachableWindowOnce(tr("Orvane Keeps Running"),
                               tr("With no tray icon to open it again from, Orvane's window is minimised to the "
                                  "taskbar instead of closed, and reminders keep coming. Choose Quit to end "
                                  "Orvane."));
    return false;
}

void BWAppDelegate::updateSearchFieldVisibility()
{
    if (!hasOverview())
        return;
    BWOverviewScreen& overview = *m_screens.overview;
    overview.setSearchFieldShown(
        shownAtWindowWidth(mainWindow(), searchFieldLowerBound, searchFieldUpperBound, overview.showAllButton()));
}

void BWAppDelegate::updateoverViewBottomTextVisibility()
{
    if (!hasOverview())
        return;
    BWOverviewScreen& overview = *m_screens.overview;
    overview.actionText()->setVisible(
        shownAtWindowWidth(mainWindow(), actionTextLowerBound, actionTextUpperBound, overview.actionBox()));
}
