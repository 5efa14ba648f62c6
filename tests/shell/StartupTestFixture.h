#pragma once

#include "FakeMainWindowScreens.h"
#include "ShellTestStore.h"

#include "screens/BWForecastViewController.h"
#include "screens/BWHistoryViewController.h"
#include "screens/BWReportController.h"
#include "shell/BWAppDelegate.h"
#include "shell/BWPasswordLock.h"

#include <QAbstractButton>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

// A lock with a password or without, recording the windows it was asked for.
class FakePasswordLock : public BWPasswordLock
{
public:
    explicit FakePasswordLock(bool passwordSet)
        : m_passwordSet(passwordSet)
    {
    }

    bool passwordIsSetForServiceName(const QString& serviceName) const override
    {
        return m_passwordSet && serviceName == QStringLiteral("Orvane");
    }
    void showPasswordWindowForType(int type) override { shownWindows.append(type); }
    void raisePasswordWindow() override { ++raised; }
    QAbstractButton* enableDisablePasswordButton() const override { return &m_button; }
    QLabel* passwordStatus() const override { return &m_status; }

    QList<int> shownWindows;
    int raised = 0;

private:
    bool m_passwordSet;
    mutable QPushButton m_button;
    mutable QLabel m_status;
};

// The delegate over the real store on a temporary data folder, with the
// main window's screens as stand-ins and the quit question answered by the
// test; the locked kind has a password set.
class BWStartupTest : public testing::Test
{
protected:
    BWStartupTest()
    {
        QObject::connect(&delegate, &BWAppDelegate::startUpStepDone,
                         [this](const QString& step) { steps.append(step); });
        delegate.startup().setQuitQuestion([this](QMessageBox& question) -> QAbstractButton* {
            askedQuestions.append(question.text());
            askedTexts.append(question.informativeText());
            QAbstractButton* chosen = nullptr;
            for (QAbstractButton* button : question.buttons()) {
                buttonTitles.append(button->text());
                if (button->text() == answer)
                    chosen = button;
            }
            return chosen;
        });
    }

    void startWithScreens()
    {
        delegate.setScreens({&overview, &billPage, &editor, &payLogger});
        delegate.awakeFromNib();
        delegate.applicationDidFinishLaunching();
    }
    void startAfterFirstLaunch(qlonglong visibility)
    {
        ASSERT_TRUE(store.defaults.setBool(BWDefaultsKeys::FirstLaunchSinceiCloud2, false));
        ASSERT_TRUE(store.defaults.setInteger(BWDefaultsKeys::OrvaneVisibility, visibility));
        startWithScreens();
    }
    bool windowIsVisible() const
    {
        return delegate.window().mainWindow() && delegate.window().mainWindow()->isVisible();
    }
    // Where the steps stand in the order of the run; -1 for a step left out.
    qsizetype stepIndex(const QString& step) const { return steps.indexOf(step); }

    shelltest::ShellTestStore store;
    BWAppDelegate delegate{store.env, store.temp.file(QStringLiteral("calendars"))};
    FakeOverview overview{store.env};
    FakeBillPage billPage;
    FakeEditor editor{store.env};
    FakeLogPaymentPanel payLogger;

    QStringList steps;
    QString answer;
    QStringList askedQuestions;
    QStringList askedTexts;
    QStringList buttonTitles;
};

class BWStartupLockedTest : public BWStartupTest
{
protected:
    BWStartupLockedTest() { delegate.startup().setPasswordController(&lock); }
    FakePasswordLock lock{true};
};

// The windows that open beside the main one, each active in turn.
inline QList<QWidget*> sideWindowsOf(BWAppDelegate& delegate, QWidget& preferences)
{
    delegate.sideWindows().setPrefWindow(&preferences);
    delegate.sideWindows().showForecast();
    delegate.sideWindows().showHistory();
    delegate.sideWindows().showReports();
    return {&preferences, delegate.sideWindows().forecastController()->forecastWindow(),
            delegate.sideWindows().historyController()->historyWindow(),
            delegate.sideWindows().reportController()->reportWindow()};
}

inline bool showActive(QWidget* window)
{
    window->show();
    window->activateWindow();
    return QTest::qWaitForWindowActive(window);
}
