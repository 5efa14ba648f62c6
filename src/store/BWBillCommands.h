#pragma once

#include <QVariantMap>

#include <optional>

// Which of the commands on one item it offers. Every place that offers such
// a command (the main menu, the actions pop-up and its alternate button, the
// table's context menu, the bottom bar and the bill page) asks here, and the
// commands themselves refuse what is not offered.
//
// An archived item can be looked at, edited, restored, deleted and exported,
// but takes no payments and no skips until it is restored: its due date lies
// in the far future.
namespace BWBillCommands {

enum class Command {
    LogPayment,
    LogPartial,
    QuickLog,
    SkipPayment,
    PayNow,
    ViewWebsite,
    Edit,
    Delete,
    ArchiveOrRestore
};

// Whether the item takes payments at all.
bool takesPayments(const QVariantMap& record);
// Whether the item offers the command; `incomeLogsItself` is the setting
// under which income is logged by itself and offers no log command.
bool offers(Command command, const QVariantMap& record, bool incomeLogsItself);

// Whether the command is offered while `selectedItems` items are selected (a
// bill page counts as one). The payment commands and the pay site act on one
// item, so they want exactly one. Edit and delete act on the item the user
// touched last and name it in their popover, and archive and restore act on
// every selected item, so any selection offers those.
bool offersForSelection(Command command, int selectedItems);

// The rule every place asks, both of the above: `current` is the item the
// commands act on (none offers nothing).
bool offers(Command command, const std::optional<QVariantMap>& current, int selectedItems, bool incomeLogsItself);

}  // namespace BWBillCommands
