#include "shell/BWPasswordLock.h"

#include "platform/SenderTag.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QLabel>

void BWPasswordLock::showLockState(bool passwordSet) const
{
    if (QAbstractButton* button = enableDisablePasswordButton()) {
        button->setText(passwordSet ? QCoreApplication::translate("BWPasswordLock", "Disable Password Protection")
                                    : QCoreApplication::translate("BWPasswordLock", "Enable Password Protection"));
        SenderTag::set(button, passwordSet ? RemovePassword : SetPassword);
    }
    if (QLabel* status = passwordStatus())
        status->setText(passwordSet ? QCoreApplication::translate("BWPasswordLock", "Enabled")
                                    : QCoreApplication::translate("BWPasswordLock", "Disabled"));
}
