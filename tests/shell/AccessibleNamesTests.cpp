#include "MainScreensTestFixture.h"

#include "screens/BWBillDetailViewController.h"
#include "screens/BWBillEditorController.h"
#include "screens/BWForecastViewController.h"
#include "screens/BWHistoryViewController.h"
#include "screens/BWLogPaymentController.h"
#include "screens/BWOverviewHeader.h"
#include "screens/BWReportController.h"
#include "shell/BWMainWindow.h"
#include "shell/BWPreferencePanes.h"
#include "shell/BWSideWindows.h"
#include "shell/MGPreferencePanel.h"
#include "store/BWPayment.h"
#include "store/BWPaymentLogger.h"
#include "support/AccessibleTree.h"
#include "support/TabChain.h"
#include "widgets/BWDateField.h"

#include <QAction>
#include <QCalendarWidget>
#include <QToolButton>

namespace {

class AccessibleNamesTest;

// One window or popover a user opens, and how; the opener hands back what
// it opened.
struct Opening
{
    const char* what;
    QWidget* (AccessibleNamesTest::*open)();
};

class AccessibleNamesTest : public BWMainScreensTest, public testing::WithParamInterface<Opening>
{
public:
    AccessibleNamesTest() { BWAccessibleFactory::install(); }

    QWidget* mainWindow() { return delegate.window().mainWindow(); }
    QWidget* billPage()
    {
        const BWPayment paid{80.0, store.daysFromNow(-30), QString(), QString()};
        EXPECT_TRUE(BWPaymentLogger(store.env).recordPayment(paid, *BWBillsLoader(store.env).loadBillWithID(rent)));
        delegate.showBillFromSearch(rent);
        return delegate.window().mainWindow();
    }
    QWidget* newBillEditor()
    {
        click(overview().header().overviewNewBillButton());
        return screens->billEditor().billNameField()->window();
    }
    QWidget* dueDateCalendar()
    {
        newBillEditor();
        auto* field = screens->billEditor().billNameField()->window()->findChild<BWDateField*>();
        field->showCalendarPopup();
        return field->calendarPopup();
    }
    QWidget* logPaymentPanel()
    {
        billPage();
        click(page().logPaymentButtonDetail());
        return screens->payLogger().panel();
    }
    QWidget* skipPopover()
    {
        billPage();
        page().showSkipPaymentPopover(page().skipButton());
        return page().skipPaymentPopover();
    }
    QWidget* paymentEditor()
    {
        billPage();
        page().editClickedPayment(0);
        return page().paymentEditorPopover();
    }
    QWidget* amountEditor()
    {
        billPage();
        page().quickEdit(BWBillDetailViewController::AmountTab, page().skipButton());
        return page().stickyEditorPopover();
    }
    QWidget* notesEditor()
    {
        billPage();
        page().quickEditNotes();
        return page().notesEditorPopover();
    }
    QWidget* balanceEditor()
    {
        billPage();
        page().editBalance(page().skipButton());
        return page().balancePopover();
    }
    QWidget* forecast()
    {
        delegate.sideWindows().showForecast();
        return delegate.sideWindows().forecastController()->forecastWindow();
    }
    QWidget* history()
    {
        delegate.sideWindows().showHistory();
        return delegate.sideWindows().historyController()->historyWindow();
    }
    QWidget* reports()
    {
        delegate.sideWindows().showReports();
        return delegate.sideWindows().reportController()->reportWindow();
    }
    QWidget* vacation()
    {
        overview().showVacationModePopover(overview().header().airplaneButton());
        return newestWindow();
    }
    QWidget* incomeSources()
    {
        for (QAbstractButton* button : overview().sidebar().panel()->findChildren<QAbstractButton*>()) {
            if (button->text().startsWith(QStringLiteral("Income Sources")))
                click(button);
        }
        return newestWindow();
    }
    // Every pane of the preferences in turn.
    QWidget* preferences()
    {
        BWPreferencePanes::Services services;
        services.dataFolder = store.env.defaultDataFolder;
        services.calendarFolder = store.temp.file(QStringLiteral("calendars"));
        services.calendarFile = [] { return QString(); };
        panes = std::make_unique<BWPreferencePanes>(store.defaults, services);
        panes->fill(panel);
        panel.awakeFromNib();
        panel.window()->show();
        return panel.window();
    }

    // A shown window beside the main window.
    QWidget* newestWindow() const
    {
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (window->isVisible() && window != delegate.window().mainWindow())
                return window;
        }
        return nullptr;
    }
    BWBillDetailViewController& page() const { return screens->billView(); }

    std::unique_ptr<BWPreferencePanes> panes;
    MGPreferencePanel panel;
};

TEST_P(AccessibleNamesTest, EveryControlThatShowsSaysWhatItIs)
{
    startUp();
    delegate.window().mainWindow()->show();
    QWidget* opened = (this->*GetParam().open)();
    ASSERT_TRUE(opened && opened->isVisible());
    QStringList nameless = accessibletree::namelessControlsOfShownWindows();
    for (QAction* pane : panes ? panel.toolbarItems() : QList<QAction*>()) {
        pane->trigger();
        nameless += accessibletree::namelessControls(panel.window());
    }
    EXPECT_TRUE(nameless.isEmpty()) << nameless.join(u'\n').toStdString();
}

// Tab goes round every control of the window once, and Shift+Tab stops at
// the same controls.
TEST_P(AccessibleNamesTest, TabAndShiftTabReachEveryControl)
{
    startUp();
    delegate.window().mainWindow()->show();
    QWidget* opened = (this->*GetParam().open)();
    ASSERT_TRUE(opened && opened->isVisible());
    QWidget* window = opened->window();
    const QList<QWidget*> forward = tabchain::stops(window, Qt::NoModifier);
    QStringList missed;
    for (QWidget* control : window->findChildren<QWidget*>()) {
        if (control->window() == window && tabchain::wantsTab(control) && !forward.contains(control))
            missed.append(tabchain::nameOf(control));
    }
    EXPECT_TRUE(missed.isEmpty()) << missed.join(u'\n').toStdString();

    // Shift+Tab stops at the same controls.
    QList<QWidget*> backward = tabchain::stops(window, Qt::ShiftModifier);
    QList<QWidget*> forwardStops = forward;
    std::sort(backward.begin(), backward.end());
    std::sort(forwardStops.begin(), forwardStops.end());
    EXPECT_EQ(backward, forwardStops) << "Tab last stops at " << tabchain::nameOf(forward.last()).toStdString();
}

const Opening openings[] = {
    {"MainWindow", &AccessibleNamesTest::mainWindow},
    {"BillPage", &AccessibleNamesTest::billPage},
    {"NewBillEditor", &AccessibleNamesTest::newBillEditor},
    {"DueDateCalendar", &AccessibleNamesTest::dueDateCalendar},
    {"LogPaymentPanel", &AccessibleNamesTest::logPaymentPanel},
    {"SkipPopover", &AccessibleNamesTest::skipPopover},
    {"PaymentEditor", &AccessibleNamesTest::paymentEditor},
    {"AmountEditor", &AccessibleNamesTest::amountEditor},
    {"NotesEditor", &AccessibleNamesTest::notesEditor},
    {"BalanceEditor", &AccessibleNamesTest::balanceEditor},
    {"Forecast", &AccessibleNamesTest::forecast},
    {"History", &AccessibleNamesTest::history},
    {"Reports", &AccessibleNamesTest::reports},
    {"Vacation", &AccessibleNamesTest::vacation},
    {"IncomeSources", &AccessibleNamesTest::incomeSources},
    {"Preferences", &AccessibleNamesTest::preferences},
};

INSTANTIATE_TEST_SUITE_P(EveryWindow, AccessibleNamesTest, testing::ValuesIn(openings),
                         [](const testing::TestParamInfo<Opening>& info) { return std::string(info.param.what); });

}  // namespace

namespace {

// What a screen reader says of the bills where the main window lists them:
// a table row reads as its bill, a calendar day as its date and bills.
TEST_F(BWMainScreensTest, TheTableAndTheCalendarReadAsTheirBills)
{
    BWAccessibleFactory::install();
    startUp();
    QWidget* window = delegate.window().mainWindow();
    window->show();
    const struct
    {
        QString startsWith;
        QString reading;
    } readings[] = {
        {QStringLiteral("Rent, "), QStringLiteral("Rent, Due in 2 days, Thursday, March 7, $80.00")},
        {QStringLiteral("Power, "), QStringLiteral("Power, Due in 5 days, Sunday, March 10, $80.00")},
        {QStringLiteral("March 7"), QStringLiteral("March 7, Rent due")},
        {QStringLiteral("March 10"), QStringLiteral("March 10, Power due")},
        {QStringLiteral("March 11"), QStringLiteral("March 11")},
    };
    for (const auto& expected : readings) {
        QAccessibleInterface* found = accessibletree::findByName(window, expected.startsWith);
        ASSERT_TRUE(found) << expected.startsWith.toStdString();
        EXPECT_EQ(found->text(QAccessible::Name).toStdString(), expected.reading.toStdString());
    }
}

}  // namespace
