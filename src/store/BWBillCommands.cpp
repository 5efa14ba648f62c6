#include "store/BWBillCommands.h"

#include "store/BWBillRecordKeys.h"
#include "store/BWPaySite.h"

namespace {

bool isIncome(const QVariantMap& record)
{
    return record.value(BillKeys::IsIncome).toBool();
}

}  // namespace

namespace BWBillCommands {

bool takesPayments(const QVariantMap& record)
{
    return !record.value(BillKeys::IsArchived).toBool();
}

bool offers(Command command, const QVariantMap& record, bool incomeLogsItself)
{
    switch (command) {
    case Command::LogPayment:
        return takesPayments(record) && !(isIncome(record) && incomeLogsItself);
    case Command::LogPartial:
    case Command::QuickLog:
    case Command::SkipPayment:
        return takesPayments(record) && !isIncome(record);
    case Command::PayNow:
        return takesPayments(record) && BWPaySite::billHasPaySite(record);
    case Command::ViewWebsite:
        return BWPaySite::billHasPaySite(record);
    case Command::Edit:
    case Command::Delete:
    case Command::ArchiveOrRestore:
        return true;
    }
    return false;
}

bool offersForSelection(Command command, int selectedItems)
{
    switch (command) {
    case Command::Edit:
    case Command::Delete:
    case Command::ArchiveOrRestore:
        return selectedItems >= 1;
    case Command::LogPayment:
    case Command::LogPartial:
    case Command::QuickLog:
    case Command::SkipPayment:
    case Command::PayNow:
    case Command::ViewWebsite:
        return selectedItems == 1;
    }
    return false;
}

bool offers(Command command, const std::optional<QVariantMap>& current, int selectedItems, bool incomeLogsItself)
{
    return current && offersForSelection(command, selectedItems) && offers(command, *current, incomeLogsItself);
}

}  // namespace BWBillCommands
