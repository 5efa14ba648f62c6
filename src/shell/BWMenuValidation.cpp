#include "shell/BWMenuValidation.h"

#include "store/BWBillCommands.h"
#include "store/BWBillRecordKeys.h"

int BWMenuValidation::selectedItems(const Context& context)
{
    return context.billPageShown ? 1 : context.selectedRows;
}

bool BWMenuValidation::restores(const Context& context)
{
    return context.record && context.record->value(BillKeys::IsArchived).toBool();
}

bool BWMenuValidation::isEnabled(Command command, const Context& context)
{
    const auto offered = [&context](BWBillCommands::Command billCommand) {
        return BWBillCommands::offers(billCommand, context.record, selectedItems(context), context.incomeLogsItself);
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
        return offered(BWBillCommands::Command::Edit);
    case Command::DeleteBill:
        return offered(BWBillCommands::Command::Delete);
    case Command::ArchiveOrRestore:
        return offered(BWBillCommands::Command::ArchiveOrRestore);
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
