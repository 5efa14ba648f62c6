#include "MainWindowTestFixture.h"

#include "screens/BWView.h"
#include "shell/BWWindowController.h"

namespace {

class MainWindowLayoutTest : public MainWindowTest
{
protected:
    QRect contentRect() const { return delegate.mainView()->rect(); }
    bool inSight(const QWidget* pane) const { return contentRect().intersects(pane->geometry()); }

    void setWindowWidth(int width)
    {
        delegate.customWindowController()->window()->resize(width, 640);
        delegate.updateSearchFieldVisibility();
        delegate.updateoverViewBottomTextVisibility();
    }
};

}  // namespace

TEST_F(MainWindowLayoutTest, AfterStartUpOnlyTheOverviewIsInSight)
{
    startWithScreens();
    const QSize area = delegate.mainView()->size();

    EXPECT_EQ(overview.list()->geometry(),
              QRect(0, 0, area.width() - overview.monthAtGlance()->width(), area.height()));
    EXPECT_EQ(overview.monthAtGlance()->geometry(), QRect(area.width() - overview.monthAtGlance()->width(), 0,
                                                          overview.monthAtGlance()->width(), area.height()));

    for (QWidget* pane : {billPage.stickyNote(), billPage.billHeader(), billPage.statisticsView(),
                          billPage.paymentHistory(), billPage.webViewContainer()}) {
        EXPECT_EQ(pane->parentWidget(), delegate.mainView());
        EXPECT_FALSE(inSight(pane)) << pane->geometry().x() << "," << pane->geometry().y();
    }
    EXPECT_TRUE(billPage.statisticsView()->isHidden());
    EXPECT_TRUE(billPage.paymentHistory()->isHidden());
    EXPECT_TRUE(billPage.webViewContainer()->isHidden());
    EXPECT_FALSE(billPage.stickyNote()->isHidden());
}

TEST_F(MainWindowLayoutTest, BillPagePanesWaitBesideTheEdgeTheyEnterFrom)
{
    startWithScreens();
    const QSize area = delegate.mainView()->size();
    const int headerHeight = billPage.billHeader()->height();
    const int stickyWidth = billPage.stickyNote()->width();

    EXPECT_EQ(billPage.stickyNote()->geometry(),
              QRect(-stickyWidth, headerHeight, stickyWidth, area.height() - headerHeight));
    EXPECT_EQ(billPage.billHeader()->geometry(), QRect(0, -headerHeight, area.width(), headerHeight));
    EXPECT_EQ(billPage.statisticsView()->x(), area.width());
    EXPECT_EQ(billPage.statisticsView()->y(), headerHeight);
    EXPECT_EQ(billPage.statisticsView()->width(), area.width() - stickyWidth);
    EXPECT_EQ(billPage.paymentHistory()->geometry(),
              QRect(stickyWidth, area.height(), area.width() - stickyWidth,
                    area.height() - billPage.statisticsView()->height() - headerHeight));
    EXPECT_EQ(billPage.webViewContainer()->y() + billPage.webViewContainer()->height(), 0);
}

TEST_F(MainWindowLayoutTest, TheListTakesTheKeyboardFirst)
{
    startWithScreens();
    QMainWindow* window = delegate.customWindowController()->window();
    window->show();
    window->activateWindow();
    EXPECT_TRUE(QTest::qWaitFor([&] { return overview.list()->hasFocus() || window->focusWidget() == overview.list(); },
                                10000));
}

TEST_F(MainWindowLayoutTest, PanesFollowTheWindowWhenItIsResized)
{
    startWithScreens();
    QMainWindow* window = delegate.customWindowController()->window();
    window->show();
    window->resize(1200, 700);
    QCoreApplication::processEvents();
    const QSize area = delegate.mainView()->size();
    EXPECT_EQ(overview.list()->width(), area.width() - overview.monthAtGlance()->width());
    EXPECT_EQ(overview.monthAtGlance()->x() + overview.monthAtGlance()->width(), area.width());
    EXPECT_EQ(overview.list()->height(), area.height());
    EXPECT_EQ(billPage.billHeader()->width(), area.width());
    EXPECT_GT(billPage.graphResizingCount, 0);
    EXPECT_TRUE(QTest::qWaitFor([this] { return billPage.graphHeightCount > 0; }, 10000));
    EXPECT_EQ(billPage.graphHeightCount, 1);
}

TEST_F(MainWindowLayoutTest, SearchFieldGivesWayToTheShowAllButtonOnNarrowWindows)
{
    startWithScreens();
    setWindowWidth(819);
    EXPECT_TRUE(overview.searchField()->isHidden());

    overview.showAllButton()->show();
    setWindowWidth(820);
    EXPECT_TRUE(overview.searchField()->isHidden());
    overview.showAllButton()->hide();
    setWindowWidth(820);
    EXPECT_FALSE(overview.searchField()->isHidden());

    overview.showAllButton()->show();
    setWindowWidth(944);
    EXPECT_TRUE(overview.searchField()->isHidden());
    setWindowWidth(945);
    EXPECT_FALSE(overview.searchField()->isHidden());
}

TEST_F(MainWindowLayoutTest, ActionTextGivesWayToTheActionBoxOnNarrowWindows)
{
    startWithScreens();
    overview.actionBox()->hide();
    setWindowWidth(759);
    EXPECT_TRUE(overview.actionText()->isHidden());
    setWindowWidth(760);
    EXPECT_FALSE(overview.actionText()->isHidden());
    overview.actionBox()->show();
    setWindowWidth(949);
    EXPECT_TRUE(overview.actionText()->isHidden());
    setWindowWidth(950);
    EXPECT_FALSE(overview.actionText()->isHidden());
}

TEST_F(MainWindowLayoutTest, TheMainWindowIsNeverZoomed)
{
    startWithScreens();
    EXPECT_FALSE(delegate.windowShouldZoom(delegate.window().mainWindow(), QRect(0, 0, 2000, 1200)));
}

TEST_F(MainWindowLayoutTest, WithoutScreensTheWindowStillResizesQuietly)
{
    delegate.window().createMainWindowController();
    QMainWindow* window = delegate.customWindowController()->window();
    window->show();
    window->resize(900, 600);
    QCoreApplication::processEvents();
    EXPECT_EQ(delegate.mainView(), delegate.customWindowController()->contentView());
    EXPECT_EQ(delegate.currentBillID(), QString());
}
