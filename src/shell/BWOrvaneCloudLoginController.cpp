#include "shell/BWOrvaneCloudLoginController.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QRegularExpression>
#include <QScreen>
#include <QStackedWidget>
#include <QTimer>

#include "platform/Log.h"
#include "widgets/BGHUDLabel.h"
#include "widgets/BGHUDProgressIndicator.h"
#include "widgets/BGHUDTextField.h"
#include "widgets/KBButton.h"
#include "widgets/MAAttachedWindow.h"

namespace {

// The widely used general form of an e-mail address after RFC 5322, in
// lower case: dot-separated atoms or a quoted string, then a domain of
// dot-separated labels or an address literal in brackets.
const QRegularExpression& emailPattern()
{
    static const QRegularExpression pattern(QRegularExpression::anchoredPattern(QStringLiteral(
        R"((?:[a-z0-9!#$%&'*+/=?^_`{|}~-]+(?:\.[a-z0-9!#$%&'*+/=?^_`{|}~-]+)*)"
        R"(|"(?:[\x01-\x08\x0b\x0c\x0e-\x1f\x21\x23-\x5b\x5d-\x7f]|\\[\x01-\x09\x0b\x0c\x0e-\x7f])*"))"
        R"(@(?:(?:[a-z0-9](?:[a-z0-9-]*[a-z0-9])?\.)+[a-z0-9](?:[a-z0-9-]*[a-z0-9])?)"
        R"(|\[(?:(?:25[0-5]|2[0-4][0-9]|[01]?[0-9][0-9]?)\.){3})"
        R"((?:25[0-5]|2[0-4][0-9]|[01]?[0-9][0-9]?|[a-z0-9-]*[a-z0-9]:)"
        R"((?:[\x01-\x08\x0b\x0c\x0e-\x1f\x21-\x5a\x53-\x7f]|\\[\x01-\x09\x0b\x0c\x0e-\x7f])+)\]))")));
    return pattern;
}

}  // namespace

BWOrvaneCloudLoginController::BWOrvaneCloudLoginController(BWCloudAccount& account,
                                                           const BWUserInteraction& interaction, QObject* parent)
    : QObject(parent)
    , m_account(account)
    , m_interaction(interaction)
{
    buildPopover();
    connectActions();
    resetLoginTabViewUI();
    // Followed once for the whole run, however often the popover opens.
    connect(&m_account, &BWCloudAccount::authStateChanged, this, &BWOrvaneCloudLoginController::followUser);
    connect(&m_account, &BWCloudAccount::connectedChanged, this,
            &BWOrvaneCloudLoginController::showConnectionState);
}

BWOrvaneCloudLoginController::~BWOrvaneCloudLoginController()
{
    delete m_popover.data();
}

void BWOrvaneCloudLoginController::connectActions()
{
    connect(m_nextButton, &QPushButton::clicked, this,
            &BWOrvaneCloudLoginController::checkIfAccountExistsForEmailAddress);
    connect(m_signInButton, &QPushButton::clicked, this, &BWOrvaneCloudLoginController::signInWithEnteredAccount);
    connect(m_signUpButton, &QPushButton::clicked, this, &BWOrvaneCloudLoginController::signUp);
    connect(m_forgotPasswordButton, &QPushButton::clicked, this, &BWOrvaneCloudLoginController::forgotPassword);
    connect(m_editEmailAddressButton, &QPushButton::clicked, this, &BWOrvaneCloudLoginController::editEmailAddress);
    connect(m_alreadyHaveAccountButton, &QPushButton::clicked, this,
            &BWOrvaneCloudLoginController::alreadyHaveAccount);
    connect(m_signOutButton, &QPushButton::clicked, this, &BWOrvaneCloudLoginController::signOutOrvaneCloud);
    connect(m_troubleshootButton, &QPushButton::clicked, this,
            &BWOrvaneCloudLoginController::troubleshootOrvaneCloud);
    for (QPushButton* about : m_aboutButtons)
        connect(about, &QPushButton::clicked, this, &BWOrvaneCloudLoginController::viewTermsPrivacy);
    for (QPushButton* close : m_closeButtons)
        connect(close, &QPushButton::clicked, this, &BWOrvaneCloudLoginController::closeOrvaneCloudScreen);
}

bool BWOrvaneCloudLoginController::isValidEmailAddress(const QString& email)
{
    return emailPattern().match(email).hasMatch();
}

// ---- Controls ----------------------------------------------------------------------

QWidget* BWOrvaneCloudLoginController::orvaneCloudPopover() const { return m_popover; }
QLineEdit* BWOrvaneCloudLoginController::emailAddressField() const { return m_emailAddressField; }
QLabel* BWOrvaneCloudLoginController::passwordLabel() const { return m_passwordLabel; }
QLineEdit* BWOrvaneCloudLoginController::passwordField() const { return m_passwordField; }
QPushButton* BWOrvaneCloudLoginController::nextButton() const { return m_nextButton; }
QPushButton* BWOrvaneCloudLoginController::signInButton() const { return m_signInButton; }
QPushButton* BWOrvaneCloudLoginController::signUpButton() const { return m_signUpButton; }
QPushButton* BWOrvaneCloudLoginController::forgotPasswordButton() const { return m_forgotPasswordButton; }
QPushButton* BWOrvaneCloudLoginController::editEmailAddressButton() const { return m_editEmailAddressButton; }
QPushButton* BWOrvaneCloudLoginController::alreadyHaveAccountButton() const { return m_alreadyHaveAccountButton; }
QLabel* BWOrvaneCloudLoginController::loadingText() const { return m_loadingText; }
QWidget* BWOrvaneCloudLoginController::loadingBar() const { return m_loadingBar; }
QLabel* BWOrvaneCloudLoginController::errorField() const { return m_errorField; }
QLabel* BWOrvaneCloudLoginController::cloudAccountField() const { return m_cloudAccountField; }
QLabel* BWOrvaneCloudLoginController::cloudStatusField() const { return m_cloudStatusField; }
QPushButton* BWOrvaneCloudLoginController::signOutButton() const { return m_signOutButton; }

bool BWOrvaneCloudLoginController::isShown() const
{
    return m_popover && m_popover->isVisible();
}

BWOrvaneCloudLoginController::Tab BWOrvaneCloudLoginController::shownTab() const
{
    return m_tabView->currentWidget() == m_signedInPage ? Tab::SignedIn : Tab::SignIn;
}

// ---- Opening and closing --------------------------------------------------------------

void BWOrvaneCloudLoginController::openOrvaneCloudScreen(QWidget* sender)
{
    if (isShown())
        return;
    followUser(m_account.currentUser());
    if (m_isLoggedIn) {
        showLoggedInScreen();
        selectTab(Tab::SignedIn);
    } else {
        showSignInScreen();
        selectTab(Tab::SignIn);
    }

    QPoint point;
    if (sender) {
        const QRect bounds = sender->rect();
        point = sender->mapToGlobal(QPoint(bounds.center().x(), bounds.bottom()));
    } else if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        point = screen->availableGeometry().center();
    }
    m_popover->setPoint(point, MAAttachedSide::Below);
    m_popover->show();
    m_popover->raise();
    m_popover->activateWindow();
    // A window manager may place a new window where it likes; once it is up,
    // the bubble moves back to its anchor.
    QTimer::singleShot(0, m_popover, [popover = m_popover, point] {
        if (popover)
            popover->setPoint(point, MAAttachedSide::Below);
    });
    if (shownTab() == Tab::SignIn)
        focusEmailField();
}

void BWOrvaneCloudLoginController::closeOrvaneCloudScreen()
{
    m_popover->hide();
}

void BWOrvaneCloudLoginController::selectTab(Tab tab)
{
    m_tabView->setCurrentWidget(tab == Tab::SignedIn ? m_signedInPage : m_signInPage);
    fitPopover();
}

// The bubble follows the page as controls come and go.
void BWOrvaneCloudLoginController::fitPopover()
{
    QWidget* page = m_tabView->currentWidget();
    page->adjustSize();
    m_tabView->setFixedHeight(page->sizeHint().height());
    if (isShown())
        m_popover->setPoint(m_popover->point(), m_popover->side());
}

bool BWOrvaneCloudLoginController::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != m_tabView || event->type() != QEvent::KeyPress)
        return QObject::eventFilter(watched, event);
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Escape) {
        closeOrvaneCloudScreen();
        return true;
    }
    if (key != Qt::Key_Return && key != Qt::Key_Enter)
        return false;
    carryOutMainStep();
    return true;
}

void BWOrvaneCloudLoginController::carryOutMainStep()
{
    if (shownTab() == Tab::SignedIn) {
        closeOrvaneCloudScreen();
        return;
    }
    // The step of the button on show; none while one is under way.
    for (QPushButton* step : std::initializer_list<QPushButton*>{m_signInButton, m_signUpButton, m_nextButton}) {
        if (!step->isHidden()) {
            if (step->isEnabled())
                step->click();
            return;
        }
    }
}

// ---- The account's state ------------------------------------------------------------------

void BWOrvaneCloudLoginController::followUser(const BWCloudAccount::User& user)
{
    const bool wasLoggedIn = m_isLoggedIn;
    m_isLoggedIn = user.isSignedIn();
    if (m_isLoggedIn) {
        m_email = user.email;
        showLoggedInScreen();
        selectTab(Tab::SignedIn);
    } else if (wasLoggedIn) {
        // A session that ended elsewhere (expired, or signed out) leaves no
        // signed-in page behind.
        m_email.clear();
        showSignInScreen();
        selectTab(Tab::SignIn);
    }
}

void BWOrvaneCloudLoginController::showLoggedInScreen()
{
    m_cloudAccountField->setText(m_email);
    showConnectionState(m_account.isConnected());
}

void BWOrvaneCloudLoginController::showConnectionState(bool connected)
{
    Log::line(connected ? QStringLiteral("connected") : QStringLiteral("not connected"));
    m_cloudStatusField->setText(connected ? tr("Connected") : tr("Disconnected"));
}

void BWOrvaneCloudLoginController::showSignInScreen()
{
    resetLoginTabViewUI();
    m_shouldAllowCreationOfNewFirebaseAccount = true;
}

void BWOrvaneCloudLoginController::resetLoginTabViewUI()
{
    m_emailAddressField->setVisible(true);
    m_passwordLabel->setVisible(false);
    m_passwordField->setVisible(false);
    m_passwordField->clear();
    m_nextButton->setVisible(true);
    m_signInButton->setVisible(false);
    m_signUpButton->setVisible(false);
    m_forgotPasswordButton->setVisible(false);
    m_editEmailAddressButton->setVisible(false);
    m_alreadyHaveAccountButton->setVisible(false);
    updateUIWhileLoggingIn(false);
    clearError();
    fitPopover();
}

void BWOrvaneCloudLoginController::updateUIWhileLoggingIn(bool loggingIn)
{
    m_loadingText->setVisible(loggingIn);
    m_loadingBar->setVisible(loggingIn);
    for (QPushButton* step : std::initializer_list<QPushButton*>{m_nextButton, m_signInButton, m_signUpButton, m_forgotPasswordButton})
        step->setEnabled(!loggingIn);
    fitPopover();
}

void BWOrvaneCloudLoginController::startProgress(const QString& text)
{
    clearError();
    m_loadingText->setText(text);
    updateUIWhileLoggingIn(true);
}

void BWOrvaneCloudLoginController::focusEmailField()
{
    m_emailAddressField->setFocus(Qt::PopupFocusReason);
}

void BWOrvaneCloudLoginController::focusPasswordField()
{
    m_passwordField->setFocus(Qt::PopupFocusReason);
}

void BWOrvaneCloudLoginController::showError(const QString& message, const QString& detail, const QString& reason)
{
    m_errorField->setText(!reason.isEmpty() ? reason : detail);
    m_errorField->setVisible(true);
    fitPopover();
    if (m_interaction.showAlert)
        m_interaction.showAlert(m_popover, message, detail);
}

void BWOrvaneCloudLoginController::clearError()
{
    m_errorField->clear();
    m_errorField->setVisible(false);
}

QString BWOrvaneCloudLoginController::enteredEmail()
{
    const QString email = m_emailAddressField->text().trimmed().toLower();
    if (email != m_emailAddressField->text())
        m_emailAddressField->setText(email);
    return email;
}

// ---- Steps ---------------------------------------------------------------------------

void BWOrvaneCloudLoginController::checkIfAccountExistsForEmailAddress()
{
    const QString email = enteredEmail();
    if (email.isEmpty()) {
        showError(tr("No Email Address"), tr("Enter the email address of your Orvane Cloud account."));
        focusEmailField();
        return;
    }
    startProgress(tr("Looking up your account…"));
    m_account.userIDExists(email, [self = QPointer(this)](std::optional<bool> canSignIn) {
        if (self) {
            self->updateUIWhileLoggingIn(false);
            self->accountLookedUp(canSignIn);
        }
    });
}

// Projects that hide which addresses have accounts answer every lookup
// alike: then only a sign-in tells, and its refusal offers the rest.
void BWOrvaneCloudLoginController::accountLookedUp(std::optional<bool> canSignInWithPassword)
{
    if (canSignInWithPassword) {
        canSignIn(*canSignInWithPassword);
        return;
    }
    Log::line(QStringLiteral("The lookup cannot tell; asking for the password"));
    showPasswordFor(m_signInButton);
}

void BWOrvaneCloudLoginController::canSignIn(bool canSignIn)
{
    m_signInButton->setVisible(false);
    if (canSignIn) {
        Log::line(QStringLiteral("YES!"));
        showPasswordFor(m_signInButton);
    } else if (m_shouldAllowCreationOfNewFirebaseAccount) {
        Log::line(QStringLiteral("No!"));
        showPasswordFor(m_signUpButton);
    } else {
        Log::line(QStringLiteral("No!"));
        m_passwordLabel->setVisible(false);
        m_passwordField->setVisible(false);
        fitPopover();
        focusEmailField();
        if (m_interaction.showAlert)
            m_interaction.showAlert(m_popover, tr("Account Not Found"),
                                    tr("We can't find an account with this email address."));
    }
}

// The password row and the one step that uses it, in place of Next, with
// the links that belong to that step.
void BWOrvaneCloudLoginController::showPasswordFor(QPushButton* step)
{
    m_passwordLabel->setVisible(true);
    m_passwordField->setVisible(true);
    m_nextButton->setVisible(false);
    m_signUpButton->setVisible(step == m_signUpButton);
    m_signInButton->setVisible(step == m_signInButton);
    m_forgotPasswordButton->setVisible(step == m_signInButton);
    m_alreadyHaveAccountButton->setVisible(step == m_signUpButton);
    m_editEmailAddressButton->setVisible(true);
    fitPopover();
    focusPasswordField();
}

void BWOrvaneCloudLoginController::signInWithEnteredAccount()
{
    startProgress(tr("Signing In…"));
    m_account.signIn(enteredEmail(), m_passwordField->text(),
                     [self = QPointer(this)](const QString& error, bool wrongPasswordOrNoAccount) {
                         if (!self)
                             return;
                         if (!error.isEmpty()) {
                             self->updateUIWhileLoggingIn(false);
                             if (wrongPasswordOrNoAccount)
                                 self->offerNewAccountOrReset();
                             else
                                 self->showError(tr("Sign In Failed"), error);
                             self->focusPasswordField();
                             return;
                         }
                         self->startSyncAfterSignIn();
                     });
}

void BWOrvaneCloudLoginController::offerNewAccountOrReset()
{
    const bool mayCreate = m_shouldAllowCreationOfNewFirebaseAccount;
    m_signUpButton->setVisible(mayCreate);
    m_forgotPasswordButton->setVisible(true);
    m_alreadyHaveAccountButton->setVisible(false);
    showError(tr("Sign In Failed"),
              mayCreate ? tr("The password is wrong, or this address has no account yet: try again, create the "
                             "account, or have a reset link mailed.")
                        : tr("The password is wrong, or this address has no account: try again, or have a reset "
                             "link mailed."));
}

void BWOrvaneCloudLoginController::signUp()
{
    const QString email = enteredEmail();
    const QString password = m_passwordField->text();
    if (!isValidEmailAddress(email)) {
        Log::line(QStringLiteral("Something was invalid"));
        showError(tr("Invalid Email Address"), tr("Enter an email address such as name@example.com."));
        focusEmailField();
        return;
    }
    if (password.size() < MinimumPasswordLength) {
        Log::line(QStringLiteral("Something was invalid"));
        showError(tr("Password Too Short"),
                  tr("Choose a password of at least %n characters.", nullptr, MinimumPasswordLength));
        focusPasswordField();
        return;
    }
    startProgress(tr("Creating your account…"));
    m_account.createUser(email, password, [self = QPointer(this)](const QString& error) {
        if (!self)
            return;
        if (!error.isEmpty()) {
            Log::line(QStringLiteral("something went wrong %1").arg(error));
            self->updateUIWhileLoggingIn(false);
            self->showError(tr("Error Creating Account"),
                            tr("Something went wrong. Please try again. If this error persists, contact "
                               "customer support."),
                            error);
            return;
        }
        self->startSyncAfterSignIn();
        Log::line(QStringLiteral("Created account, should log in now"));
    });
}

void BWOrvaneCloudLoginController::startSyncAfterSignIn()
{
    updateUIWhileLoggingIn(false);
    const BWCloudAccount::User user = m_account.currentUser();
    if (user.isSignedIn()) {
        followUser(user);
    } else {
        resetLoginTabViewUI();
        selectTab(Tab::SignIn);
        focusEmailField();
    }
}

void BWOrvaneCloudLoginController::forgotPassword()
{
    startProgress(tr("Sending…"));
    m_account.sendPasswordReset(enteredEmail(), [self = QPointer(this)](const QString& error) {
        if (!self)
            return;
        self->updateUIWhileLoggingIn(false);
        if (!error.isEmpty()) {
            self->showError(tr("Password Reset Failed"), error);
            return;
        }
        if (self->m_interaction.showAlert)
            self->m_interaction.showAlert(self->m_popover, tr("Message Sent"),
                                          tr("If you have an account with this email address, a link to reset "
                                             "your password has been sent."));
    });
}

void BWOrvaneCloudLoginController::editEmailAddress()
{
    resetLoginTabViewUI();
    focusEmailField();
}

void BWOrvaneCloudLoginController::alreadyHaveAccount()
{
    resetLoginTabViewUI();
    m_shouldAllowCreationOfNewFirebaseAccount = false;
    selectTab(Tab::SignIn);
    focusEmailField();
}

void BWOrvaneCloudLoginController::signOutOrvaneCloud()
{
    if (!m_interaction.askQuestion)
        return;
    constexpr int SignOutButton = 0;
    const int answer = m_interaction.askQuestion(m_popover, tr("Really Sign Out?"),
                                                 tr("Signing out will stop your bills from syncing."),
                                                 {tr("Sign Out"), tr("Cancel")});
    if (answer != SignOutButton)
        return;
    m_account.signOut();
    followUser(BWCloudAccount::User());
    showSignInScreen();
    selectTab(Tab::SignIn);
}

void BWOrvaneCloudLoginController::troubleshootOrvaneCloud()
{
    if (m_interaction.openUrl)
        m_interaction.openUrl(QUrl(TroubleshootingAddress));
}

void BWOrvaneCloudLoginController::viewTermsPrivacy()
{
    if (m_interaction.openUrl)
        m_interaction.openUrl(QUrl(AboutCloudAddress));
}
