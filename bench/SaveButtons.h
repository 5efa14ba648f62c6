#pragma once

// The forms a user saves through, opened and filled as the user would, for
// the benchmarks to press their Save buttons.

#include <QTest>

#include "screens/BWBillEditorController.h"
#include "screens/BWLogPaymentController.h"
#include "screens/BWOverviewController.h"
#include "shell/BWMainScreens.h"
#include "store/PaymentKind.h"
#include "widgets/BGHUDTextField.h"
#include "widgets/KBButton.h"

// The form painted and idle, as it stands when the user reaches for Save:
// its first showing is the opening's cost, not the saving's.
inline void settleForm()
{
    QTest::qWait(300);
}

// The log-payment panel opened on the bill, as its button opens it: today,
// the amount to expect.
inline void openPaymentPanel(BWMainScreens& screens, const QString& billID)
{
    screens.payLogger().setBid(billID);
    screens.payLogger().showLogPaymentWindow(PaymentKind::Full);
    settleForm();
}

// The editor opened on the bill, its name typed over.
inline void openEditor(BWMainScreens& screens, const QString& billID, const QString& name)
{
    BWBillEditorController& editor = screens.billEditor();
    editor.showEditPopoverForBill(billID, screens.overview().billTable());
    editor.billNameField()->selectAll();
    QTest::keyClicks(editor.billNameField(), name);
    settleForm();
}
