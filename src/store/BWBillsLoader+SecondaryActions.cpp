// The action of the second button beside each bill and the memory of each
// bill's own choice.
#include "store/BWBillsLoader.h"
#include "store/BWDefaultsKeys.h"

#include "platform/Log.h"
#include "platform/UserDefaults.h"
#include "store/BWSecondaryActionKeys.h"

namespace {

using namespace SecondaryActionKeys;

QString offeredOrFirst(const QString& action, const QStringList& availableActions)
{
    return availableActions.contains(action) ? action : availableActions.value(0);
}

QString firstOffered(const QStringList& availableActions)
{
    Log::line(QStringLiteral("Returning Default Action, %1").arg(availableActions.join(QStringLiteral(", "))));
    return availableActions.value(0);
}

bool isEntryOf(const QVariant& entry, const QString& billID)
{
    return entry.typeId() == QMetaType::QVariantMap
           && entry.toMap().value(SecondaryActionKeys::BillID).toString() == billID;
}

QString fixedAction(qlonglong setting)
{
    switch (setting) {
    case LogPartial: return BillActionTitle::LogPartial;
    case SkipPayment: return BillActionTitle::SkipPayment;
    case QuickLog: return BillActionTitle::QuickLog;
    case ViewWebsite: return BillActionTitle::ViewWebsite;
    case PayNow: return BillActionTitle::PayNow;
    default: return QString();
    }
}

}  // namespace

QString BWBillsLoader::defaultSecondaryActionForBill(const QString& billID, const QStringList& availableActions) const
{
    const qlonglong setting = m_env.defaults->integerForKey(BWDefaultsKeys::BWSecondaryActionSetting);
    if (setting == OwnChoice) {
        for (const QVariant& entry : m_env.defaults->arrayForKey(BWDefaultsKeys::BWSecondaryAction)) {
            if (isEntryOf(entry, billID)) {
                Log::line(QStringLiteral("Found Action!"));
                return offeredOrFirst(entry.toMap().value(SecondaryActionKeys::ActionString).toString(),
                                      availableActions);
            }
        }
        return firstOffered(availableActions);
    }
    if (setting == EditItem) {
        if (availableActions.contains(BillActionTitle::EditBill))
            return BillActionTitle::EditBill;
        return offeredOrFirst(BillActionTitle::EditIncome, availableActions);
    }
    const QString fixed = fixedAction(setting);
    return fixed.isEmpty() ? firstOffered(availableActions) : offeredOrFirst(fixed, availableActions);
}

bool BWBillsLoader::setDefaultAction(const QString& action, const QString& billID) const
{
    QVariantList remembered = m_env.defaults->arrayForKey(BWDefaultsKeys::BWSecondaryAction);
    const QVariantMap choice{{SecondaryActionKeys::BillID, billID}, {SecondaryActionKeys::ActionString, action}};
    bool matched = false;
    for (QVariant& entry : remembered) {
        if (isEntryOf(entry, billID)) {
            Log::line(QStringLiteral("Found Match"));
            entry = choice;
            matched = true;
        }
    }
    if (!matched) {
        Log::line(QStringLiteral("No match found"));
        remembered.append(choice);
    }
    Log::line(QStringLiteral("Saving Defaults"));
    return m_env.defaults->setObject(BWDefaultsKeys::BWSecondaryAction, remembered);
}
