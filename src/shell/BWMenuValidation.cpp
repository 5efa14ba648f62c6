#include "shell/BWMenuValidation.h"

#include "store/BWBillRecordKeys.h"
#include "store/BWPaySite.h"

namespace {

bool isIncome(const QVariantMap& record)
{
    return record.value(BillKeys::IsIncome).toBool();
}

bool isArchived(const QVariantMap& record)
{
    return record.value(BillKeys::IsArchived).toBool();
}

}  // namespace

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
    return context.record && isArchived(*context.record);
}

bool BWMenuValidation::isEnabled(Command command, const Context& context)
{
    const bool one = oneBill(context);
    const bool payable = one && !isArchived(*context.record);
    const bool payableBill = payable && !isIncome(*context.record);
    switch (command) {
    case Command::LogPayment:
        return payable && !(isIncome(*context.record) && context.incomeLogsItself);
    case Command::LogPartial:
    case Command::QuickLog:
    case Command::SkipPayment:
        return payableBill;
    case Command::PayNow:
        return payable && BWPaySite::billHasPaySite(*context.record);
    case Command::ViewWebsite:
        return one && BWPaySite::billHasPaySite(*context.record);
    case Command::EditBill:
    case Command::DeleteBill:
        return one;
    case Command::ArchiveOrRestore:
        return anyBill(context);
    case Command::NextBill:
    case Command::PreviousBill:
        return context.billPageShown;
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
