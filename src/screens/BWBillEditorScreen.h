#pragma once

#include <QList>
#include <QRect>
#include <QString>
#include <QVariantList>

class QLineEdit;
class QWidget;

// What the application shell needs of the bill, savings-goal and income
// editor and its delete confirmation, which open as popovers. The editor
// announces what it stored through its own signals.
class BWBillEditorScreen
{
public:
    virtual ~BWBillEditorScreen() = default;

    // A new bill (or savings goal) in the editor popover, anchored at `anchor`.
    virtual void createNewBill(QWidget* anchor) = 0;
    virtual void createNewSavingsGoal(QWidget* anchor) = 0;
    // The editor (or the delete question) for a bill, anchored at `position`
    // in `view`'s coordinates.
    virtual void showEditPopoverForBill(const QString& billID, const QRect& position, QWidget* view) = 0;
    virtual void showDeletePopoverForBill(const QString& billID, const QRect& position, QWidget* view) = 0;
    // Restores an archived bill; false when the write failed.
    virtual bool restoreBill(const QString& billID) = 0;
    // The records that feed the name suggestions of a new bill.
    virtual void setListOfActiveBills(const QVariantList& bills) = 0;

    // Closes the popover without writing.
    virtual void closePopover() = 0;

    // Anchor of the new-item popovers.
    virtual QWidget* overviewNewBillButton() const = 0;

    // The amount fields that show money in the user's currency.
    virtual QList<QLineEdit*> amountFields() const = 0;
};
