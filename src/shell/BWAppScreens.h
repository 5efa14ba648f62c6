#pragma once

class BWBillDetailScreen;
class BWBillEditorScreen;
class BWLogPaymentScreen;
class BWOverviewScreen;

// The main window's screens as the shell reaches them. The shell doesn't own
// them; they are set once, before the main window's views are laid out, and
// must outlive the delegate (or be taken back with an empty set before they
// go). Without the overview the shell's commands do nothing. The others may
// be missing: a command that needs a missing one (opening a bill page,
// editing, deleting, restoring, the log-payment panel) beeps instead, and the
// rest work as usual.
struct BWAppScreens
{
    BWOverviewScreen* overview = nullptr;
    BWBillDetailScreen* billView = nullptr;
    BWBillEditorScreen* billEditor = nullptr;
    BWLogPaymentScreen* payLogger = nullptr;
};
