#include "shell/BWMainScreens.h"

#include "platform/SoundPlayer.h"
#include "screens/BWLogPaymentController.h"
#include "screens/BWOverviewController.h"
#include "shell/BWAppDelegate.h"
#include "shell/BWMenulet.h"

#include <QAbstractButton>

BWMainScreens::BWMainScreens(const BWStoreEnvironment& env, BWAppDelegate& delegate,
                             const BWUserInteraction& interaction)
    : m_delegate(delegate)
    , m_sounds(interaction.sounds ? interaction.sounds : std::make_shared<SoundPlayer>())
    , m_payLogger(std::make_unique<BWLogPaymentController>(env, *m_sounds))
    , m_overview(std::make_unique<BWOverviewController>(env))
{
    // Each load first logs the due automatic items through the panel's logger.
    m_overview->setPaymentLogger(m_payLogger.get());

    m_delegate.setUserInteraction(interaction);
    m_delegate.setScreens({m_overview.get(), nullptr, nullptr, m_payLogger.get()});
    connectOverviewToDelegate();
    connectBottomBarToDelegate();
    connect(&m_delegate, &BWAppDelegate::startUpStepDone, this, [this](const QString& step) {
        if (step == QLatin1String("createMainWindowController"))
            floatPanelOverMainWindow();
    });
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
    // The tray item exists only while it is enabled, and only after start-up made it.
    connect(overview, &BWOverviewController::menuBillsChanged, delegate, [delegate](const QVariantList& bills) {
        if (BWMenulet* menulet = delegate->menulet())
            menulet->updateMenuWithDataSource(bills);
    });
}

void BWMainScreens::connectBottomBarToDelegate()
{
    BWAppDelegate* delegate = &m_delegate;
    // The log buttons carry the kind of payment as their tag.
    for (QAbstractButton* logButton : {static_cast<QAbstractButton*>(m_overview->overviewButtonLog()),
                                       static_cast<QAbstractButton*>(m_overview->overviewButtonPartial())}) {
        connect(logButton, &QAbstractButton::clicked, delegate,
                [delegate, logButton] { delegate->showLogPaymentPanel(logButton); });
    }
    connect(m_overview->overviewButtonView(), &QAbstractButton::clicked, delegate,
            [delegate] { delegate->switchToBillView(); });
    connect(m_overview->payNowOverviewButton(), &QAbstractButton::clicked, delegate,
            [delegate] { delegate->showBillWithPayAction(); });
}

void BWMainScreens::floatPanelOverMainWindow()
{
    QWidget* panel = m_payLogger->panel();
    if (panel && m_delegate.mainWindow())
        panel->setParent(m_delegate.mainWindow(), panel->windowFlags());
}
