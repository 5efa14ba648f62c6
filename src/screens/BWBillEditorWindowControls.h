#pragma once

#include <QPointer>
#include <QWidget>

// The main window's controls that make no sense while a bill is edited: the
// bill page's step buttons are hidden, the overview button and the search
// field disabled, and the popover closing, however it closes, gives them
// back. Each may be null.
struct BWBillEditorWindowControls
{
    QPointer<QWidget> nextBillButton;
    QPointer<QWidget> prevBillButton;
    QPointer<QWidget> searchField;
    QPointer<QWidget> overviewButton;

    void setAvailable(bool available) const;
};
