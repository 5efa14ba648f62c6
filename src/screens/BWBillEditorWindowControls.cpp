#include "screens/BWBillEditorWindowControls.h"

void BWBillEditorWindowControls::setAvailable(bool available) const
{
    for (QWidget* button : {nextBillButton.data(), prevBillButton.data()}) {
        if (button)
            button->setVisible(available);
    }
    for (QWidget* control : {overviewButton.data(), searchField.data()}) {
        if (control)
            control->setEnabled(available);
    }
}
