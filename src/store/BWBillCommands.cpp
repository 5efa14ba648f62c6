#include "store/BWBillCommands.h"

#include "store/BWBillRecordKeys.h"
#include "store/BWPaySite.h"

namespace {

bool isIncome(const QVariantMap& record)
{
    return record.value(BillKeys::IsIncome).toBool();
}

// Paid online (0) or automatically (1), at an address that can be opened.
bool hasPaySite(const QVariantMap& record)
{
    const qlonglong payType = record.value(BillKeys::PayType).toLongLong();
    return (payType == 0 || payType == 1) && BWPaySite::isSet(record.value(BillKeys::PaySite).toString());
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
        return takesPayments(record) && hasPaySite(record);
    case Command::ViewWebsite:
        return hasPaySite(record);
    case Command::Edit:
        return true;
    }
    return false;
}

}  // namespace BWBillCommands
