#include "shell/BWPasswordController.h"

#include "platform/Log.h"
#include "platform/SecretStore.h"
#include "platform/SenderTag.h"
#include "platform/UserDefaults.h"
#include "store/BWDefaultsKeys.h"

#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

namespace {

constexpr int IconSide = 64;

// Empties both password fields whenever the window stops being the active
// one, so that a typed password never stays behind.
class ClearFieldsOnDeactivate : public QObject
{
public:
    ClearFieldsOnDeactivate(QObject* parent, QLineEdit* first, QLineEdit* second)
        : QObject(parent), m_fields{first, second}
    {
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::WindowDeactivate) {
            for (QLineEdit* field : m_fields)
                field->clear();
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QLineEdit* m_fields[2];
};

}  // namespace

BWPasswordController::BWPasswordController(SecretStore& secrets, UserDefaults& defaults, ShowAlert showAlert,
                                           QObject* parent)
    : QObject(parent)
    , m_keychain(secrets)
    , m_defaults(defaults)
    , m_showAlert(std::move(showAlert))
    , m_enableDisablePasswordButton(new QPushButton)
    , m_passwordStatus(new QLabel)
{
    connect(m_enableDisablePasswordButton, &QPushButton::clicked, this, &BWPasswordController::enableOrDisablePassword);
    buildWindow();
}

BWPasswordController::~BWPasswordController()
{
    delete m_passwordWindow;
    // Unless the preferences took them over.
    if (m_enableDisablePasswordButton && !m_enableDisablePasswordButton->parent())
        delete m_enableDisablePasswordButton;
    if (m_passwordStatus && !m_passwordStatus->parent())
        delete m_passwordStatus;
}

void BWPasswordController::buildWindow()
{
    m_passwordWindow = new QDialog;
    m_passwordWindow->setWindowTitle(QStringLiteral("Orvane"));
    m_appIconView = new QLabel(m_passwordWindow);
    m_appIconView->setFixedSize(IconSide, IconSide);
    m_enterPasswordField = new QLineEdit(m_passwordWindow);
    m_reEnterPasswordField = new QLineEdit(m_passwordWindow);
    for (QLineEdit* field : {m_enterPasswordField, m_reEnterPasswordField})
        field->setEchoMode(QLineEdit::Password);
    m_reEnterPasswordDescription = new QLabel(tr("Re-enter Password:"), m_passwordWindow);
    m_confirmButton = new QPushButton(m_passwordWindow);
    m_confirmButton->setDefault(true);
    m_cancelButton = new QPushButton(tr("Cancel"), m_passwordWindow);
    m_quitButton = new QPushButton(tr("Quit"), m_passwordWindow);

    auto* fields = new QFormLayout;
    fields->addRow(tr("Password:"), m_enterPasswordField);
    fields->addRow(m_reEnterPasswordDescription, m_reEnterPasswordField);
    auto* top = new QHBoxLayout;
    top->addWidget(m_appIconView, 0, Qt::AlignTop);
    top->addLayout(fields, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_quitButton);
    buttons->addStretch();
    buttons->addWidget(m_cancelButton);
    buttons->addWidget(m_confirmButton);
    auto* layout = new QVBoxLayout(m_passwordWindow);
    layout->addLayout(top);
    layout->addLayout(buttons);
    m_passwordWindow->setMinimumWidth(380);

    m_passwordWindow->installEventFilter(
        new ClearFieldsOnDeactivate(m_passwordWindow, m_enterPasswordField, m_reEnterPasswordField));
    connect(m_confirmButton, &QPushButton::clicked, this, &BWPasswordController::saveOrRemoveOrEnterPassword);
    connect(m_cancelButton, &QPushButton::clicked, this, &BWPasswordController::closeWindow);
    connect(m_quitButton, &QPushButton::clicked, m_passwordWindow, &QDialog::reject);
    // Quitting, or closing the enter-password form, is no way past it.
    connect(m_passwordWindow, &QDialog::rejected, this, [this] {
        if (m_shownType == EnterPassword)
            emit quitRequested();
    });
}

// Loaded when the window first shows: most starts never show it, and the
// theme's picture is read from disk.
void BWPasswordController::showIcon()
{
    if (!m_appIconView->pixmap().isNull())
        return;
    m_appIconView->setPixmap(QIcon::fromTheme(QStringLiteral("application-certificate"),
                                              m_passwordWindow->style()->standardIcon(QStyle::SP_MessageBoxQuestion))
                                 .pixmap(IconSide, IconSide));
}

// The lock flag is the lock's own record of a password: start-up asks it
// without waiting for the keyring, which is read only to check what the user
// types.
bool BWPasswordController::passwordIsSetForServiceName(const QString&) const
{
    return m_defaults.boolForKey(BWDefaultsKeys::BWPasswordLockIsOn);
}

QAbstractButton* BWPasswordController::enableDisablePasswordButton() const
{
    return m_enableDisablePasswordButton;
}

QLabel* BWPasswordController::passwordStatus() const
{
    return m_passwordStatus;
}

void BWPasswordController::showPasswordWindowForType(int type)
{
    struct Form
    {
        QString confirmTitle;
        bool reEnter, cancel, quit;
    };
    Form form;
    switch (type) {
    case SetPassword:
        form = {tr("Save Password"), true, true, false};
        break;
    case RemovePassword:
        form = {tr("Disable Password"), false, true, false};
        break;
    case EnterPassword:
        form = {tr("Continue"), false, false, true};
        break;
    default:
        return;
    }
    m_shownType = type;
    showIcon();
    m_confirmButton->setText(form.confirmTitle);
    SenderTag::set(m_confirmButton, type);
    m_reEnterPasswordField->setVisible(form.reEnter);
    m_reEnterPasswordDescription->setVisible(form.reEnter);
    m_cancelButton->setVisible(form.cancel);
    m_quitButton->setVisible(form.quit);
    m_enterPasswordField->clear();
    m_reEnterPasswordField->clear();
    m_enterPasswordField->setFocus();

    if (type == EnterPassword) {
        // A lock whose password the keyring says it does not hold has
        // nothing to check against; one the keyring can't be asked about
        // stays shut.
        if (readStoredPassword().state == StoredPassword::Missing) {
            m_shownType = -1;
            turnOffLockWithoutPassword();
            emit passwordAccepted();
            return;
        }
        m_passwordWindow->setWindowModality(Qt::ApplicationModal);
        m_passwordWindow->exec();
        m_shownType = -1;
        return;
    }
    m_passwordWindow->setWindowModality(Qt::NonModal);
    m_passwordWindow->show();
    m_passwordWindow->raise();
    m_passwordWindow->activateWindow();
}

void BWPasswordController::raisePasswordWindow()
{
    if (!m_passwordWindow->isVisible())
        return;
    m_passwordWindow->setWindowState(m_passwordWindow->windowState() & ~Qt::WindowMinimized);
    m_passwordWindow->raise();
    m_passwordWindow->activateWindow();
}

void BWPasswordController::enableOrDisablePassword()
{
    showPasswordWindowForType(SenderTag::of(m_enableDisablePasswordButton));
}

void BWPasswordController::saveOrRemoveOrEnterPassword()
{
    switch (SenderTag::of(m_confirmButton)) {
    case SetPassword:
        savePassword();
        break;
    case RemovePassword:
        removePassword();
        break;
    case EnterPassword:
        enterPassword();
        break;
    default:
        break;
    }
}

// Writes the new password over any earlier one: a failed write keeps the
// earlier password, and the lock's state stays as it was.
void BWPasswordController::savePassword()
{
    const QString password = m_enterPasswordField->text();
    if (password.isEmpty() || password != m_reEnterPasswordField->text()) {
        alert(tr("Passwords Don't Match"), tr("The passwords don't match. Please try again."));
        return;
    }
    if (!m_keychain.setPassword(password, ServiceName, AccountName)) {
        alert(tr("Password Not Saved"),
              tr("The password could not be stored in the keyring. Make sure the keyring is running and unlocked, "
                 "then try again."));
        return;
    }
    // Without the flag the next start would not ask for the password: the
    // password is taken back out rather than left to lock nothing.
    if (!storeLockFlag(true)) {
        m_keychain.deletePassword(ServiceName, AccountName);
        alert(tr("Password Not Saved"), tr("The password protection could not be turned on, as the settings "
                                           "could not be saved. Please try again."));
        return;
    }
    showLockState(true);
    closeWindow();
}

// The password has to be given before it can be taken away.
void BWPasswordController::removePassword()
{
    if (!typedPasswordIsStored())
        return;
    // The flag goes first: were the keyring item to stay behind, it alone
    // still keeps the lock on at the next start.
    if (!storeLockFlag(false))
        return;
    if (!m_keychain.deletePassword(ServiceName, AccountName)) {
        storeLockFlag(true);
        alert(tr("Password Not Removed"),
              tr("The password could not be removed from the keyring. Make sure the keyring is running and "
                 "unlocked, then try again."));
        return;
    }
    showLockState(false);
    closeWindow();
}

void BWPasswordController::enterPassword()
{
    if (!typedPasswordIsStored())
        return;
    m_passwordWindow->accept();
    m_passwordWindow->hide();
    emit passwordAccepted();
}

bool BWPasswordController::typedPasswordIsStored()
{
    // Taken before the keyring is asked: a keyring that has to be unlocked
    // first takes the focus with its prompt, which empties the field.
    const QString typed = m_enterPasswordField->text();
    const Reading stored = readStoredPassword();
    switch (stored.state) {
    case StoredPassword::Missing:
        turnOffLockWithoutPassword();
        return true;
    // Nothing typed can be checked, so nothing typed unlocks.
    case StoredPassword::KeyringLocked:
        alert(tr("Keyring Locked"),
              tr("The keyring that holds the password stays locked, so the password could not be checked. "
                 "Unlock the keyring when it asks, then try again, or quit."));
        return false;
    case StoredPassword::Unreachable:
        alert(tr("Password Unavailable"),
              tr("The password could not be read from the keyring. Make sure the keyring is running and "
                 "unlocked, then try again."));
        return false;
    case StoredPassword::Found:
        break;
    }
    if (typed != stored.password) {
        alert(tr("Incorrect Password"), tr("Incorrect password. Please try again."));
        return false;
    }
    return true;
}

// An item with no password in it counts as none: no password can be typed
// that matches it.
BWPasswordController::Reading BWPasswordController::readStoredPassword() const
{
    TVKeychain::Error error;
    const std::optional<QString> stored = m_keychain.passwordForService(ServiceName, AccountName, &error);
    if (stored)
        return {StoredPassword::Found, *stored};
    // The keychain sets an error only for a store that did not answer that
    // it was reached, unlocked, and holds no such item.
    if (error.code == 0)
        return {StoredPassword::Missing, QString()};
    if (error.code == int(SecretStore::Status::Locked))
        return {StoredPassword::KeyringLocked, QString()};
    return {StoredPassword::Unreachable, QString()};
}

// The keyring lost the item (a new keyring, a home folder copied without
// it): the lock stops asking for a password nobody can give, and says so
// this once, as the flag goes with it.
void BWPasswordController::turnOffLockWithoutPassword()
{
    Log::line(QStringLiteral("The lock's password is not in the keyring; turning the lock off"));
    storeLockFlag(false);
    showLockState(false);
    alert(tr("Password Not Found"),
          tr("The password that protected Orvane was not found in the keyring, so password protection is now "
             "off. You can set a new password in the Preferences."));
}

bool BWPasswordController::storeLockFlag(bool on)
{
    const bool stored = on ? m_defaults.setBool(BWDefaultsKeys::BWPasswordLockIsOn, true)
                           : m_defaults.removeObject(BWDefaultsKeys::BWPasswordLockIsOn);
    if (!stored)
        Log::line(QStringLiteral("Could not store %1").arg(BWDefaultsKeys::BWPasswordLockIsOn));
    return stored;
}

void BWPasswordController::closeWindow()
{
    m_enterPasswordField->clear();
    m_reEnterPasswordField->clear();
    m_passwordWindow->hide();
}

void BWPasswordController::alert(const QString& message, const QString& informativeText)
{
    if (m_showAlert)
        m_showAlert(m_passwordWindow, message, informativeText);
}
