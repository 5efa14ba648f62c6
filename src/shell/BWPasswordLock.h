#pragma once

#include <QString>

class QAbstractButton;
class QLabel;

// What start-up needs of the password lock: whether a password is set, the
// controls that show that state, and the enter-password window. The lock
// tells the application delegate createMenuAfterPassword() once the right
// password was given.
class BWPasswordLock
{
public:
    // Kinds of the lock's window.
    enum WindowType { SetPassword = 0, RemovePassword = 1, EnterPassword = 2 };

    virtual ~BWPasswordLock() = default;

    virtual bool passwordIsSetForServiceName(const QString& serviceName) const = 0;
    virtual void showPasswordWindowForType(int type) = 0;
    // Brings the lock's window, while it shows, in front of the others: the
    // user asked for Orvane and the lock stands before it.
    virtual void raisePasswordWindow() = 0;

    // The preferences' switch that turns protection on or off (its tag says
    // which), and the label beside it.
    virtual QAbstractButton* enableDisablePasswordButton() const = 0;
    virtual QLabel* passwordStatus() const = 0;

    // Titles the switch (its tag: the window it opens) and the label by
    // whether a password is set.
    void showLockState(bool passwordSet) const;
};
