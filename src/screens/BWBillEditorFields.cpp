#include "screens/BWBillEditorFields.h"

BWBillEditorFields::RepeatRows BWBillEditorFields::billRepeatRows() const
{
    return {repeatSelector, repeatBox, customRepeatBox, customRepeatAField, customRepeatBSelector};
}

BWBillEditorFields::RepeatRows BWBillEditorFields::incomeRepeatRows() const
{
    return {incomeRepeatSelector, incomeRepeatBox, incomeCustomRepeatBox, incomeCustomRepeatAField,
            incomeCustomRepeatBSelector};
}
