#pragma once

#include <QObject>
#include <QList>
#include <QPointer>
#include <QString>

#include <optional>

#include "shell/BWCloudAccount.h"
#include "shell/BWUserInteraction.h"

class BGHUDLabel;
class BGHUDProgressIndicator;
class BGHUDTextField;
class KBButton;
class MAAttachedWindow;
class QLabel;
class QLineEdit;
class QPushButton;
class QStackedWidget;
class QWidget;

// The popover in which the user manages the Orvane Cloud account: an address
// is looked up, then signed in with its password or, for an address without
// an account, signed up; a password-reset mail can be asked for. Signed in,
// it shows the address, whether the database is reachable, and signs out.
//
// The popover only follows the account: starting and stopping the sync on a
// sign-in or sign-out is the application delegate's, so it happens once,
// whoever signed in. Return carries out the page's main step; Escape closes.
class BWOrvaneCloudLoginController : public QObject
{
    Q_OBJECT

public:
    // The pages of the popover.
    enum class Tab { SignIn, SignedIn };

    static inline const QString TroubleshootingAddress =
        QStringLiteral("https://www.bramwick.com/orvane/help/orvane-cloud-troubleshooting");
    static inline const QString AboutCloudAddress = QStringLiteral("https://www.bramwick.com/orvane/help/orvane-cloud");
    // Shorter passwords are refused before an account is created.
    static constexpr int MinimumPasswordLength = 6;

    // The account must outlive the controller; alerts, questions and the
    // help pages go through `interaction`.
    BWOrvaneCloudLoginController(BWCloudAccount& account, const BWUserInteraction& interaction,
                                 QObject* parent = nullptr);
    ~BWOrvaneCloudLoginController() override;

    // Whether `email` is an address the account can be created with: the
    // usual RFC 5322 form in lower case.
    static bool isValidEmailAddress(const QString& email);

    bool isShown() const;
    Tab shownTab() const;
    bool isLoggedIn() const { return m_isLoggedIn; }
    // The signed-in address.
    QString email() const { return m_email; }
    bool shouldAllowCreationOfNewFirebaseAccount() const { return m_shouldAllowCreationOfNewFirebaseAccount; }

    // The popover and its controls.
    QWidget* orvaneCloudPopover() const;
    QLineEdit* emailAddressField() const;
    QLabel* passwordLabel() const;
    QLineEdit* passwordField() const;
    QPushButton* nextButton() const;
    QPushButton* signInButton() const;
    QPushButton* signUpButton() const;
    QPushButton* forgotPasswordButton() const;
    QPushButton* editEmailAddressButton() const;
    QPushButton* alreadyHaveAccountButton() const;
    QLabel* loadingText() const;
    QWidget* loadingBar() const;
    // What went wrong with the last step, on the sign-in page; hidden when
    // nothing did.
    QLabel* errorField() const;
    QLabel* cloudAccountField() const;
    QLabel* cloudStatusField() const;
    QPushButton* signOutButton() const;

public slots:
    // Opens the popover below `sender` (in the middle of the screen without
    // one): signed in on the signed-in page, else on the sign-in page.
    // Nothing while it is shown.
    void openOrvaneCloudScreen(QWidget* sender = nullptr);
    void closeOrvaneCloudScreen();

    // Next: asks whether the entered address has an account (canSignIn()
    // when the lookup can tell; else the password, to try a sign-in).
    void checkIfAccountExistsForEmailAddress();
    // The answer: the password for a sign-in, the password for a sign-up when
    // new accounts are allowed, else "Account Not Found".
    void canSignIn(bool canSignIn);
    void signInWithEnteredAccount();
    void signUp();
    void forgotPassword();
    // Back to entering an address.
    void editEmailAddress();
    // Back to entering an address that must have an account already.
    void alreadyHaveAccount();
    // Asks first; signing out stops the sync.
    void signOutOrvaneCloud();
    void troubleshootOrvaneCloud();
    void viewTermsPrivacy();

    // While true the progress shows and the sign-in and sign-up buttons
    // can't be pressed again.
    void updateUIWhileLoggingIn(bool loggingIn);
    // Only the address field and Next show.
    void resetLoginTabViewUI();
    void showLoggedInScreen();
    void showSignInScreen();
    // After a sign-in or sign-up: the signed-in page when the account is
    // signed in, else back to entering an address.
    void startSyncAfterSignIn();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildPopover();
    QWidget* buildSignInPage();
    QWidget* buildSignedInPage();
    void connectActions();
    void followUser(const BWCloudAccount::User& user);
    void accountLookedUp(std::optional<bool> canSignInWithPassword);
    // After a sign-in the server refused: a new account and a reset mail are
    // offered beside trying again.
    void offerNewAccountOrReset();
    void showConnectionState(bool connected);
    void selectTab(Tab tab);
    void fitPopover();
    void focusEmailField();
    void focusPasswordField();
    void showPasswordFor(QPushButton* step);
    // The entered address, trimmed and in lower case (addresses don't
    // depend on case); the field shows it so.
    QString enteredEmail();
    void startProgress(const QString& text);
    // An alert, and the reason (or else the detail) on the sign-in page.
    void showError(const QString& message, const QString& detail, const QString& reason = QString());
    void clearError();
    // Return on the page shown.
    void carryOutMainStep();

    BWCloudAccount& m_account;
    BWUserInteraction m_interaction;
    bool m_isLoggedIn = false;
    QString m_email;
    bool m_shouldAllowCreationOfNewFirebaseAccount = true;

    QPointer<MAAttachedWindow> m_popover;
    QStackedWidget* m_tabView = nullptr;
    QWidget* m_signInPage = nullptr;
    QWidget* m_signedInPage = nullptr;
    BGHUDTextField* m_emailAddressField = nullptr;
    BGHUDLabel* m_passwordLabel = nullptr;
    BGHUDTextField* m_passwordField = nullptr;
    KBButton* m_nextButton = nullptr;
    KBButton* m_signInButton = nullptr;
    KBButton* m_signUpButton = nullptr;
    QPushButton* m_forgotPasswordButton = nullptr;
    QPushButton* m_editEmailAddressButton = nullptr;
    QPushButton* m_alreadyHaveAccountButton = nullptr;
    BGHUDLabel* m_loadingText = nullptr;
    BGHUDProgressIndicator* m_loadingBar = nullptr;
    QLabel* m_errorField = nullptr;
    BGHUDLabel* m_cloudAccountField = nullptr;
    BGHUDLabel* m_cloudStatusField = nullptr;
    KBButton* m_signOutButton = nullptr;
    QPushButton* m_troubleshootButton = nullptr;
    QList<QPushButton*> m_aboutButtons;
    QList<QPushButton*> m_closeButtons;
};
