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
        return true;
    }
    return false;
}

}  // namespace BWBillCommands
