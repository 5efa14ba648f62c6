#pragma once

// The bill form's fields the user changed by hand since the form was filled;
// a suggestion never overwrites them.
struct BWBillEditorChangeFlags
{
    bool icon = false;
    bool tags = false;
    bool amount = false;
    bool repeatInterval = false;
    bool payMethod = false;
    bool payURL = false;
};
