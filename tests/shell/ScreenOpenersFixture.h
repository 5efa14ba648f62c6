#pragma once

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
#include "widgets/KNPopUpDatePicker.h"

#include <QApplication>
#include <QCalendarWidget>
#include <QToolButton>

// The windows and popovers a user opens from the started screens, each opener
// handing back what it opened.
class ScreenOpenersTest : public BWMainScreensTest
{
public:
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
        auto* field = screens->billEditor().billNameField()->window()->findChild<KNPopUpDatePicker*>();
        // The calendar opens as the keyboard reaches its field.
        field->window()->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(field->window()));
        field->setFocus(Qt::TabFocusReason);
        EXPECT_TRUE(QTest::qWaitFor([field] { return field->isBubbleOpen(); }, 2000));
        return field->graphicalPicker();
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
