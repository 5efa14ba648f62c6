#include "store/BWBill.h"

#include <QDir>
#include <QHash>
#include <QRegularExpression>
#include <cmath>

#include "platform/BWUIDMaker.h"
#include "platform/Clock.h"
#include "platform/Log.h"
#include "platform/PropertyList.h"
#include "platform/UserDefaults.h"
#include "store/BWBillRecordKeys.h"
#include "store/BWBillsLoader.h"
#include "store/BWDataFolder.h"

namespace {

// Numbers in a record are integers or reals, never the other numeric kinds
// a caller may have handed over (a float, an int).
QVariant storedNumber(const QVariant& number)
{
    switch (number.typeId()) {
    case QMetaType::Float:
    case QMetaType::Double:
        return number.toDouble();
    case QMetaType::Bool:
        return number;
    default:
        return number.toLongLong();
    }
}

QVariant secondsSince1970(const QVariant& date)
{
    if (date.typeId() == QMetaType::QDateTime && date.toDateTime().isValid())
        return date.toDateTime().toMSecsSinceEpoch() / 1000.0;
    bool isNumber = false;
    const double seconds = date.toDouble(&isNumber);
    return isNumber && date.typeId() != QMetaType::QString ? seconds : 0.0;
}

QVariant dateFromSeconds(const QVariant& seconds)
{
    if (seconds.typeId() == QMetaType::QDateTime)
        return seconds;
    bool isNumber = false;
    double value = seconds.toDouble(&isNumber);
    if (!isNumber || seconds.typeId() == QMetaType::QString || !std::isfinite(value))
        value = 0.0;
    return QDateTime::fromMSecsSinceEpoch(std::llround(value * 1000.0), Qt::UTC);
}

// Applies `convert` to the record's three dates and to each payment's dates.
template <typename Convert>
QVariantMap convertDates(const QVariantMap& record, Convert convert, bool fillMissingAmounts)
{
    QVariantMap result = record;
    for (const QString& key : {BillKeys::DueDate, BillKeys::LastPayment, BillKeys::SyncModificationDate})
        result.insert(key, convert(record.value(key)));
    if (record.contains(BillKeys::DueDateBeforeArchive))
        result.insert(BillKeys::DueDateBeforeArchive, convert(record.value(BillKeys::DueDateBeforeArchive)));
    if (!record.contains(BillKeys::PaymentList))
        return result;
    QVariantList payments;
    for (const QVariant& entry : record.value(BillKeys::PaymentList).toList()) {
        if (entry.typeId() != QMetaType::QVariantMap) {
            payments.append(entry);
            continue;
        }
        QVariantMap payment = entry.toMap();
        payment.insert(PaymentKeys::Date, convert(payment.value(PaymentKeys::Date)));
        const QString& movedFrom = PaymentKeys::DueDateBeforePayment;
        if (payment.contains(movedFrom))
            payment.insert(movedFrom, convert(payment.value(movedFrom)));
        if (fillMissingAmounts && !payment.contains(PaymentKeys::Amount))
            payment.insert(PaymentKeys::Amount, qlonglong(0));
        payments.append(payment);
    }
    result.insert(BillKeys::PaymentList, payments);
    return result;
}

}  // namespace

BWBill::BWBill(const BWStoreEnvironment& env)
    : m_env(env)
{
}

const QStringList& BWBill::propertyKeys()
{
    static const QStringList keys = {BillKeys::Name,
                                     BillKeys::Bid,
                                     BillKeys::Icon,
                                     BillKeys::DueDate,
                                     BillKeys::Repeat,
                                     BillKeys::Average,
                                     BillKeys::LastPayment,
                                     BillKeys::TotalPaid,
                                     BillKeys::RemindMe,
                                     BillKeys::PaySite,
                                     BillKeys::PaymentList,
                                     BillKeys::ReminderDays,
                                     BillKeys::Balance,
                                     BillKeys::Interest,
                                     BillKeys::Notes,
                                     BillKeys::Tags,
                                     BillKeys::Amount,
                                     BillKeys::PayType,
                                     BillKeys::Rev,
                                     BillKeys::AmountVaries,
                                     BillKeys::IsArchived,
                                     BillKeys::IsIncome,
                                     BillKeys::DueDateBeforeArchive,
                                     BillKeys::RemindMeBeforeArchive,
                                     BillKeys::DueDayOfMonth};
    return keys;
}

QVariantMap BWBill::convertBillToDictionary() const
{
    QVariantMap record;
    for (auto it = otherStoredKeys.cbegin(); it != otherStoredKeys.cend(); ++it) {
        if (!propertyKeys().contains(it.key()) && !BillKeys::DisplayKeys.contains(it.key()))
            record.insert(it.key(), it.value());
    }
    auto put = [&record](const QString& key, const auto& property) {
        if (property)
            record.insert(key, QVariant::fromValue(*property));
    };
    auto putNumber = [&record](const QString& key, const QVariant& number) {
        if (number.isValid())
            record.insert(key, storedNumber(number));
    };
    put(BillKeys::Name, name);
    put(BillKeys::Bid, bid);
    put(BillKeys::Icon, icon);
    put(BillKeys::DueDate, dueDate ? std::optional(dueDate->toUTC()) : std::nullopt);
    put(BillKeys::Repeat, repeat);
    putNumber(BillKeys::Average, average);
    put(BillKeys::LastPayment, lastPayment ? std::optional(lastPayment->toUTC()) : std::nullopt);
    putNumber(BillKeys::TotalPaid, totalPaid);
    put(BillKeys::RemindMe, remindMe);
    put(BillKeys::PaySite, paySite);
    put(BillKeys::PaymentList, paymentList);
    put(BillKeys::ReminderDays, reminderDays);
    putNumber(BillKeys::Balance, balance);
    putNumber(BillKeys::Interest, interest);
    put(BillKeys::Notes, notes);
    if (tags)
        record.insert(BillKeys::Tags, QVariant(*tags).toList());
    putNumber(BillKeys::Amount, amount);
    put(BillKeys::PayType, payType);
    putNumber(BillKeys::Rev, rev);
    put(BillKeys::AmountVaries, amountVaries);
    put(BillKeys::IsArchived, isArchived);
    put(BillKeys::IsIncome, isIncome);
    put(BillKeys::DueDateBeforeArchive,
        dueDateBeforeArchive ? std::optional(dueDateBeforeArchive->toUTC()) : std::nullopt);
    put(BillKeys::RemindMeBeforeArchive, remindMeBeforeArchive);
    put(BillKeys::DueDayOfMonth, dueDayOfMonth);
    record.insert(BillKeys::DateWasModified, qlonglong(0));
    return record;
}

QVariantMap BWBill::convertDatesToNumbersWithDictionary(const QVariantMap& record)
{
    return convertDates(record, secondsSince1970, true);
}

QVariantMap BWBill::convertNumbersToDatesWithDictionary(const QVariantMap& firebaseRecord)
{
    return convertDates(firebaseRecord, dateFromSeconds, false);
}

void BWBill::setDueDateOfRecord(QVariantMap& record, const QDateTime& dueDate)
{
    record.insert(BillKeys::DueDate, dueDate.toUTC());
    record.insert(BillKeys::AbsoluteDueDate, dueDate.toUTC());
}

QString BWBill::getCorrectedPaymentURL(const QString& address)
{
    // A scheme is a letter, then letters, digits, "+", "-" or ".", then ":".
    // A colon followed by digits only is a port, so "bank.example:8443/pay"
    // still reads as a site.
    static const QRegularExpression leadingScheme(QStringLiteral("^[A-Za-z][A-Za-z0-9+.-]*:(?!\\d+([/?#]|$))"));
    if (address.isEmpty() || leadingScheme.match(address).hasMatch())
        return address;
    return QStringLiteral("http://") + address;
}

QString BWBill::convertIconName(const QString& iconName)
{
    static const QHash<QString, QString> currentNames = {
        {QStringLiteral("32x32-Appliance"), QStringLiteral("GScale_Appliance")},
        {QStringLiteral("32x32-Childcare"), QStringLiteral("GScale_Childcare")},
        {QStringLiteral("32x32-Computer"), QStringLiteral("GScale_Computer")},
        {QStringLiteral("32x32-Credticard-A"), QStringLiteral("GScale_CreditCard")},
        {QStringLiteral("32x32-Credticard-B"), QStringLiteral("GScale_CreditCard")},
        {QStringLiteral("32x32-Donations"), QStringLiteral("GScale_Donation")},
        {QStringLiteral("32x32-Electric-Bill"), QStringLiteral("GScale_Power")},
        {QStringLiteral("32x32-Furtinure"), QStringLiteral("GScale_Furniture")},
        {QStringLiteral("32x32-Gas"), QStringLiteral("GScale_Gas")},
        {QStringLiteral("32x32-Gym-Membership"), QStringLiteral("GScale_Gym")},
        {QStringLiteral("32x32-Home-Alarm-System"), QStringLiteral("GScale_Alarm")},
        {QStringLiteral("32x32-House"), QStringLiteral("GScale_Home")},
        {QStringLiteral("32x32-Insurance"), QStringLiteral("GScale_Umbrella")},
        {QStringLiteral("32x32-Internet"), QStringLiteral("GScale_Internet")},
        {QStringLiteral("32x32-Landscaping"), QStringLiteral("GScale_Landscaping")},
        {QStringLiteral("32x32-Legal"), QStringLiteral("GScale_Legal")},
        {QStringLiteral("32x32-LockerSafe-Deposit"), QStringLiteral("GScale_SafetyDeposit")},
        {QStringLiteral("32x32-Medicine"), QStringLiteral("GScale_Medication")},
        {QStringLiteral("32x32-Phone"), QStringLiteral("GScale_Phone")},
        {QStringLiteral("32x32-Post-Office-Box"), QStringLiteral("GScale_PostOffice")},
        {QStringLiteral("32x32-Shopping"), QStringLiteral("GScale_Shopping")},
        {QStringLiteral("32x32-Smartphone"), QStringLiteral("GScale_Smartphone")},
        {QStringLiteral("32x32-Student-Loan"), QStringLiteral("GScale_Education")},
        {QStringLiteral("32x32-Subscriptions"), QStringLiteral("GScale_Subscription")},
        {QStringLiteral("32x32-Taxes"), QStringLiteral("GScale_Taxes")},
        {QStringLiteral("32x32-Television"), QStringLiteral("GScale_TV")},
        {QStringLiteral("32x32-Ticket"), QStringLiteral("GScale_Ticket")},
        {QStringLiteral("32x32-Trash"), QStringLiteral("GScale_Trash")},
        {QStringLiteral("32x32-Travel"), QStringLiteral("GScale_Travel")},
        {QStringLiteral("32x32-Vehicle"), QStringLiteral("GScale_Auto")},
        {QStringLiteral("32x32-Water"), QStringLiteral("GScale_Water")},
    };
    return currentNames.value(iconName, iconName);
}

QString BWBill::getIconFromInteger(qlonglong number)
{
    static const QStringList numberedIcons = {
        QStringLiteral("bill_home.png"),     QStringLiteral("bill_pad.png"),
        QStringLiteral("bill_card2.png"),    QStringLiteral("bill_car.png"),
        QStringLiteral("bill_phone.png"),    QStringLiteral("bill_medical.png"),
        QStringLiteral("bill_insurance.png"), QStringLiteral("bill_store.png"),
        QStringLiteral("bill_personal.png"), QStringLiteral("bill_business.png"),
        QStringLiteral("bill_mail.png"),     QStringLiteral("bill_internet.png"),
    };
    return number >= 0 && number < numberedIcons.size() ? numberedIcons.at(number) : QString();
}

// ---- Shared helpers of the write operations ----

QDateTime BWBill::now() const
{
    return (m_env.clock ? m_env.clock->now() : QDateTime::currentDateTimeUtc()).toUTC();
}

QString BWBill::dataFolder() const
{
    const QString folder = BWDataFolder(m_env).path();
    if (folder.isEmpty())
        Log::line(QStringLiteral("No data folder; nothing written"));
    return folder;
}

QString BWBill::billFilePath(const QString& folder, const QString& billID) const
{
    return QDir(folder).filePath(billID + DataFolderFiles::BillFileExtension);
}

bool BWBill::acceptsBillID(const QString& billID, const char* operation) const
{
    if (BWUIDMaker::isValidUID(billID))
        return true;
    Log::line(QStringLiteral("%1: refusing bill id \"%2\"").arg(QLatin1String(operation), billID));
    return false;
}

std::optional<QVariantMap> BWBill::loadRecord(const QString& billID) const
{
    std::optional<QVariantMap> record = BWBillsLoader(m_env).loadBillWithID(billID);
    if (!record)
        Log::line(QStringLiteral("Bill %1 could not be loaded").arg(billID));
    return record;
}

bool BWBill::defaultsFlag(const QString& key) const
{
    return m_env.defaults && m_env.defaults->boolForKey(key);
}
