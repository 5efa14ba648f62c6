#pragma once

#include "shell/BWPasswordLock.h"
#include "shell/TVKeychain.h"

#include <QObject>
#include <QPointer>

#include <functional>

#include <QDialog>
class QLabel;
class QLineEdit;
#include <QLabel>
#include <QPushButton>
class SecretStore;
class UserDefaults;

// The password lock: keeps the password in the user's keyring and runs the
// lock window in its three forms (set, remove, enter at start-up).
//
// The lock fails closed. Besides the keyring item, a setting records that a
// password exists; while it says so, a keyring that can't be reached, or
// stays locked (its unlock cancelled or failed), keeps the program locked
// and says why (Quit still works). Only a keyring that was reached and
// unlocked and answers it holds no password (or an empty one) turns the
// lock off instead, saying so once: no password could ever open it.
class BWPasswordController : public QObject, public BWPasswordLock
{
    Q_OBJECT

public:
    // The keyring item of the lock.
    static inline const QString ServiceName = QStringLiteral("Orvane");
    static inline const QString AccountName = QStringLiteral("Orvane");

    using ShowAlert = std::function<void(QWidget* parent, const QString& message, const QString& informativeText)>;

    BWPasswordController(SecretStore& secrets, UserDefaults& defaults, ShowAlert showAlert, QObject* parent = nullptr);
    ~BWPasswordController() override;

    bool passwordIsSetForServiceName(const QString& serviceName) const override;
    // The enter-password form runs modally and returns once the right
    // password was given or the user chose to quit.
    void showPasswordWindowForType(int type) override;
    void raisePasswordWindow() override;
    QAbstractButton* enableDisablePasswordButton() const override;
    QLabel* passwordStatus() const override;

    QDialog* passwordWindow() const { return m_passwordWindow; }
    QLineEdit* enterPasswordField() const { return m_enterPasswordField; }
    QLineEdit* reEnterPasswordField() const { return m_reEnterPasswordField; }
    QPushButton* confirmButton() const { return m_confirmButton; }
    QPushButton* cancelButton() const { return m_cancelButton; }
    QPushButton* quitButton() const { return m_quitButton; }

signals:
    // The right password was given in the enter-password form.
    void passwordAccepted();
    // The user would rather quit than unlock.
    void quitRequested();

public slots:
    // The preferences' switch: the set form without a password, the remove
    // form with one.
    void enableOrDisablePassword();
    // Carries out the form the confirm button's tag names.
    void saveOrRemoveOrEnterPassword();

private:
    void buildWindow();
    void showIcon();
    void savePassword();
    void removePassword();
    void enterPassword();
    // Whether the typed text is the stored password; tells the user why not.
    // With no password stored, the lock is turned off and anything passes.
    bool typedPasswordIsStored();
    enum class StoredPassword { Found, Missing, KeyringLocked, Unreachable };
    struct Reading
    {
        StoredPassword state;
        QString password;
    };
    Reading readStoredPassword() const;
    void turnOffLockWithoutPassword();
    bool storeLockFlag(bool on);
    void closeWindow();
    void alert(const QString& message, const QString& informativeText);

    TVKeychain m_keychain;
    UserDefaults& m_defaults;
    ShowAlert m_showAlert;
    int m_shownType = -1;

    QPointer<QDialog> m_passwordWindow;
    QLabel* m_appIconView = nullptr;
    QLineEdit* m_enterPasswordField = nullptr;
    QLineEdit* m_reEnterPasswordField = nullptr;
    QLabel* m_reEnterPasswordDescription = nullptr;
    QPushButton* m_confirmButton = nullptr;
    QPushButton* m_cancelButton = nullptr;
    QPushButton* m_quitButton = nullptr;
    // Shown in the preferences, which take them over.
    QPointer<QPushButton> m_enableDisablePasswordButton;
    QPointer<QLabel> m_passwordStatus;
};
