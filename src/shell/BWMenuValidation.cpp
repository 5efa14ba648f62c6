#include "shell/BWMenuValidation.h"

#include "store/BWBillCommands.h"
#include "store/BWBillRecordKeys.h"

bool BWMenuValidation::anyBill(const Context& context)
{
    return context.record.has_value() && (context.billPageShown || context.selectedRows >= 1);
}

bool BWMenuValidation::oneBill(const Context& context)
{
    return context.record.has_value() && (context.billPageShown || context.selectedRows == 1);
}

bool BWMenuValidation::restores(const Context& context)
{
    return context.record && context.record->value(BillKeys::IsArchived).toBool();
}

bool BWMenuValidation::isEnabled(Command command, const Context& context)
{
    const auto offered = [&context](BWBillCommands::Command billCommand) {
        return oneBill(context) && BWBillCommands::offers(billCommand, *context.record, context.incomeLogsItself);
    };
    switch (command) {
    case Command::LogPayment:
        return offered(BWBillCommands::Command::LogPayment);
    case Command::LogPartial:
        return offered(BWBillCommands::Command::LogPartial);
    case Command::QuickLog:
        return offered(BWBillCommands::Command::QuickLog);
    case Command::SkipPayment:
        return offered(BWBillCommands::Command::SkipPayment);
    case Command::PayNow:
        return offered(BWBillCommands::Command::PayNow);
    case Command::ViewWebsite:
        return offered(BWBillCommands::Command::ViewWebsite);
    case Command::EditBill:
    case Command::DeleteBill:
        return oneBill(context);
    case Command::ArchiveOrRestore:
        return anyBill(context);
    case Command::NextBill:
    case Command::PreviousBill:
        return context.billPageShown;
    case Command::MoveDatabaseBack:
        return context.dataFolderElsewhere;
    case Command::NewBill:
    case Command::NewSavingsGoal:
    // Without a selection the export says so in an alert.
    case Command::ExportCSV:
    case Command::CloseWindow:
    case Command::Quit:
    case Command::Find:
    case Command::Preferences:
    case Command::ShowOverview:
    case Command::ListMode:
    case Command::TogglePaydays:
    case Command::Help:
    case Command::About:
    case Command::ShowForecast:
    case Command::ShowHistory:
    case Command::ShowReports:
        return true;
    }
    return false;
}
