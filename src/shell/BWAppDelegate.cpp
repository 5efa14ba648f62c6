#include "shell/BWAppDelegate.h"

#include "platform/CalendarStore.h"
#include "screens/BWForecastViewController.h"
#include "screens/BWHistoryViewController.h"
#include "screens/BWReportController.h"
#include "shell/BWMenulet.h"
#include "shell/BWOrvaneCloudLoginController.h"
#include "shell/BWWindowKeys.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QMessageBox>

BWAppDelegate::BWAppDelegate(const BWStoreEnvironment& env, const QString& calendarFolder, QObject* parent)
    : QObject(parent)
    , m_defaults(*env.defaults)
    , m_appGroup(*env.appGroup)
    , m_clock(*env.clock)
    , m_calendarFolder(calendarFolder)
    , m_quitQuestion([](QMessageBox& question) {
        question.exec();
        return question.clickedButton();
    })
{
    setStoreEnvironment(env);
    m_updateTimer.setInterval(DateCheckIntervalSeconds * 1000);
    connect(&m_updateTimer, &QTimer::timeout, this, &BWAppDelegate::checkForDateChange);
    m_automaticPaymentsSoon.setSingleShot(true);
    m_automaticPaymentsSoon.setInterval(0);
    connect(&m_automaticPaymentsSoon, &QTimer::timeout, this, [this] {
        if (!logAutomaticPayments().isEmpty() && !isLocked())
            reloadAfterPayment();
    });
    if (QCoreApplication* application = QCoreApplication::instance())
        connect(application, &QCoreApplication::aboutToQuit, this, &BWAppDelegate::applicationWillTerminate);
    // Ctrl+Q quits from every window, as the main window's Quit item does.
    new BWWindowKeys([this] { quitOrvane(); }, this);
    if (auto* application = qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
        connect(application, &QGuiApplication::applicationStateChanged, this, [this](Qt::ApplicationState state) {
            if (state != Qt::ApplicationActive)
                applicationDidResignActive();
        });
    }
}

BWAppDelegate::~BWAppDelegate() = default;
