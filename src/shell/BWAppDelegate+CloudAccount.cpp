// The cloud account: set up at start-up, followed for the whole run, and the
// popover in which the user signs in and out.
#include "shell/BWAppDelegate.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QToolBar>

#include "platform/Log.h"
#include "screens/BWBillDetailScreen.h"
#include "shell/BWMainMenu.h"
#include "shell/BWOrvaneCloudLoginController.h"
#include "shell/BWWindowController.h"
#include "store/BWBillRecordKeys.h"
#include "widgets/BWIconFont.h"

bool BWAppDelegate::configureCloudAccount()
{
    if (!m_cloudAccount)
        return false;
    if (!m_cloudAccount->configure())
        Log::line(QStringLiteral("Orvane Cloud is not set up on this computer"));
    return true;
}

bool BWAppDelegate::registerCloudAccount()
{
    // Without the user's cloud settings there is no account to offer.
    if (!m_cloudAccount || !m_cloudAccount->isConfigured())
        return false;
    connect(m_cloudAccount, &BWCloudAccount::authStateChanged, this, &BWAppDelegate::followCloudUser);
    for (auto change : {&BWCloudAccount::billAddedFromFirebase, &BWCloudAccount::billChangedInFirebase,
                        &BWCloudAccount::billDeletedInFirebase})
        connect(m_cloudAccount, change, this, &BWAppDelegate::updateFromFirebaseChangeWithDictionary);
    m_loginController = std::make_unique<BWOrvaneCloudLoginController>(*m_cloudAccount, m_interaction);
    addCloudAccountCommands();
    // A session resumed while the settings were read counts as a sign-in.
    followCloudUser(m_cloudAccount->currentUser());
    return true;
}

void BWAppDelegate::addCloudAccountCommands()
{
    BWMainMenu* menu = mainMenu();
    if (!menu)
        return;
    auto* account = new QAction(tr("Orvane Cloud Account…"), menu);
    account->setObjectName(QStringLiteral("cloudAccount"));
    account->setIcon(BWIconFont::icon(QStringLiteral("cloudAccount"),
                                      menu->toolbar()->palette().color(QPalette::ButtonText)));
    account->setToolTip(tr("Orvane Cloud"));
    connect(account, &QAction::triggered, this, &BWAppDelegate::openOrvaneCloudScreen);
    QMenu* file = menu->fileMenu();
    QAction* close = menu->action(BWMenuValidation::Command::CloseWindow);
    file->insertAction(close, account);
    file->insertSeparator(close);
    menu->toolbar()->addSeparator();
    menu->toolbar()->addAction(account);
    m_cloudAccountAction = account;
}

void BWAppDelegate::openOrvaneCloudScreen()
{
    if (!m_loginController)
        return;
    // From the menu with the window closed, the popover has no button to
    // point at and opens in the middle of the screen.
    QWidget* button = nullptr;
    if (mainMenu() && mainWindowIsVisible())
        button = mainMenu()->toolbar()->widgetForAction(m_cloudAccountAction);
    m_loginController->openOrvaneCloudScreen(button);
}

// Signing in starts the listeners and one pass that sends what the server
// lacks, once per signed-in account however often the state is reported;
// signing out stops the listeners again.
void BWAppDelegate::followCloudUser(const BWCloudAccount::User& user)
{
    if (user.uid == m_syncedUserUID)
        return;
    if (!m_syncedUserUID.isEmpty())
        m_cloudAccount->stopListeningForChanges();
    m_syncedUserUID = user.uid;
    m_cloudAccount->setUserUID(user.uid);
    if (!user.isSignedIn())
        return;
    m_cloudAccount->listenForChangesToBills();
    m_cloudAccount->uploadAllBillsToFirebaseIfNecessary();
}

// The store has already merged the bill's tags into the tag list, which the
// overview shows as it reloads.
void BWAppDelegate::updateFromFirebaseChangeWithDictionary(const QVariantMap& bill)
{
    Log::line(QStringLiteral("Got update from Firebase"));
    // The change may be an automatic item that is due here.
    logAutomaticPaymentsSoon();
    if (!hasOverview())
        return;
    if (isLocked()) {
        m_reloadWhenUnlocked = true;
        return;
    }
    const QString billID = bill.value(BillKeys::Bid).toString();
    const bool showsThisBill = billPageIsShown() && m_screens.billView && !billID.isEmpty()
                               && m_screens.billView->currentBillID() == billID;
    if (showsThisBill && billIsDeleted(billID)) {
        // Removed on another device: its page would show a bill that is gone.
        switchToOverview();
        return;
    }
    reloadOverviewAndSuggestions();
    if (showsThisBill)
        m_screens.billView->loadBillWithID(billID);
}
