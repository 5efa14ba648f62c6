#pragma once

#include "BGHUDButtonCell.h"

class QAbstractButton;

// The glue shared by the Qt buttons that paint with a BGHUDButtonCell: the
// button's own state (enabled, pressed, checked) is what the cell draws.
namespace BGHUDButtonHost {

BGHUDButtonCell::State stateOf(const QAbstractButton& button);

// Copies the button's title and icon into the cell and paints it over the
// whole button.
void paint(QAbstractButton& button, BGHUDButtonCell& cell);

}  // namespace BGHUDButtonHost
