// The forecast, history, report and preferences windows beside the main one.
#include "StartupTestFixture.h"

#include <QKeySequence>

#include <gtest/gtest.h>

namespace {

using BWSideWindowsTest = BWStartupTest;
using BWSideWindowsLockedTest = BWStartupLockedTest;

TEST_F(BWSideWindowsTest, CtrlWAndEscapeCloseEverySideWindow)
{
    startWithScreens();
    QWidget preferences;
    for (QWidget* window : sideWindowsOf(delegate, preferences)) {
        for (const QKeyCombination key :
             {QKeyCombination(Qt::ControlModifier, Qt::Key_W), QKeyCombination(Qt::Key_Escape)}) {
            SCOPED_TRACE((window->windowTitle() + u' ' + QKeySequence(key).toString()).toStdString());
            ASSERT_TRUE(showActive(window));
            QTest::keyClick(window, key.key(), key.keyboardModifiers());
            EXPECT_FALSE(window->isVisible());
        }
    }
    EXPECT_TRUE(windowIsVisible()) << "the main window stays";
}

// A window is made at its first showing and kept; each showing reads the
// bills again, so one added while it was closed is there.
TEST_F(BWSideWindowsTest, EachWindowIsMadeOnceAndReadsTheBillsAtEveryShowing)
{
    startWithScreens();
    BWSideWindows& windows = delegate.sideWindows();
    EXPECT_EQ(windows.forecastController(), nullptr) << "nothing is made before it is asked for";
    windows.showForecast();
    BWForecastViewController* forecast = windows.forecastController();
    ASSERT_NE(forecast, nullptr);
    const qsizetype before = forecast->calculatedBillsToDisplay().size();
    forecast->forecastWindow()->close();

    store.addBill(QStringLiteral("Water"), 3);
    windows.showForecast();
    EXPECT_EQ(windows.forecastController(), forecast);
    EXPECT_TRUE(forecast->forecastWindow()->isVisible());
    EXPECT_EQ(forecast->calculatedBillsToDisplay().size(), before + 1);
}

// The lock keeps the bills and the settings private: none of the windows
// that show them opens, from the menu or anywhere else.
TEST_F(BWSideWindowsLockedTest, NoWindowShowsWhileLocked)
{
    startAfterFirstLaunch(0);
    ASSERT_TRUE(delegate.startup().isLocked());
    BWSideWindows& windows = delegate.sideWindows();
    QWidget preferences;
    windows.setPrefWindow(&preferences);

    windows.showForecast();
    windows.showHistory();
    windows.showReports();
    delegate.showPreferences();

    EXPECT_EQ(windows.forecastController(), nullptr);
    EXPECT_EQ(windows.historyController(), nullptr);
    EXPECT_EQ(windows.reportController(), nullptr);
    EXPECT_FALSE(preferences.isVisible());
}

TEST_F(BWSideWindowsTest, PreferencesShowOnlyOnceTheirWindowIsSet)
{
    startWithScreens();
    delegate.showPreferences();  // nothing to show yet, and no harm
    QWidget preferences;
    delegate.sideWindows().setPrefWindow(&preferences);
    delegate.showPreferences();
    EXPECT_TRUE(preferences.isVisible());
}

}  // namespace
