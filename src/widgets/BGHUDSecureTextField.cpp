#include "BGHUDSecureTextField.h"

BGHUDSecureTextField::BGHUDSecureTextField(QWidget* parent)
    : BGHUDTextField(parent)
{
    setEchoMode(QLineEdit::Password);
}
