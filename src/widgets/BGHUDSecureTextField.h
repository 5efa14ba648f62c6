#pragma once

#include "BGHUDTextField.h"

// A password field in the HUD look: the text field's frame, fill, focus
// glow and colours, with the typed characters hidden.
class BGHUDSecureTextField : public BGHUDTextField {
    Q_OBJECT
public:
    explicit BGHUDSecureTextField(QWidget* parent = nullptr);
};
