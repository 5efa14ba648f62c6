// Names and titles that records refer to by number or by image name, and
// the tag completion of the search fields.
#include "store/BWBillsLoader.h"

#include <QList>
#include <utility>

#include "store/BWBill.h"

namespace {

// The oldest data numbered its icons; this many numbers were in use.
constexpr qlonglong kNumberedIconCount = 12;

// The icon catalogue in the order of its positions. The titles are the same
// in every language.
const QList<std::pair<QString, QString>>& iconCatalogue()
{
    static const QList<std::pair<QString, QString>> catalogue = {
        {QStringLiteral("GScale_Home"), QStringLiteral("Mortgage & Rent")},
        {QStringLiteral("GScale_CreditCard"), QStringLiteral("Credit Card")},
        {QStringLiteral("GScale_Smartphone"), QStringLiteral("Smartphone")},
        {QStringLiteral("GScale_Umbrella"), QStringLiteral("Insurance")},
        {QStringLiteral("GScale_Power"), QStringLiteral("Electric")},
        {QStringLiteral("GScale_Gas"), QStringLiteral("Gas")},
        {QStringLiteral("GScale_Internet"), QStringLiteral("Internet")},
        {QStringLiteral("GScale_Phone"), QStringLiteral("Phone")},
        {QStringLiteral("GScale_Trash"), QStringLiteral("Trash")},
        {QStringLiteral("GScale_Water"), QStringLiteral("Water")},
        {QStringLiteral("GScale_Boat"), QStringLiteral("Boat")},
        {QStringLiteral("GScale_Auto"), QStringLiteral("Car")},
        {QStringLiteral("GScale_Motorcycle"), QStringLiteral("Motorcycle")},
        {QStringLiteral("GScale_Repairs"), QStringLiteral("Repair & Maintenance")},
        {QStringLiteral("GScale_Travel"), QStringLiteral("Travel")},
        {QStringLiteral("GScale_TV"), QStringLiteral("Cable & Video")},
        {QStringLiteral("CloudDrive"), QStringLiteral("Cloud Service")},
        {QStringLiteral("GScale_Music"), QStringLiteral("Music")},
        {QStringLiteral("GScale_Subscription"), QStringLiteral("Subscription")},
        {QStringLiteral("GScale_Cleaning"), QStringLiteral("Cleaning")},
        {QStringLiteral("FoodSubscription"), QStringLiteral("Food")},
        {QStringLiteral("GScale_Landscaping"), QStringLiteral("Landscaping & Lawn")},
        {QStringLiteral("GScale_Alarm"), QStringLiteral("Security")},
        {QStringLiteral("GScale_Appliance"), QStringLiteral("Appliance")},
        {QStringLiteral("GScale_Computer"), QStringLiteral("Computer")},
        {QStringLiteral("GScale_Furniture"), QStringLiteral("Furniture")},
        {QStringLiteral("Jewelery"), QStringLiteral("Jewelry")},
        {QStringLiteral("GScale_Shopping"), QStringLiteral("Shopping")},
        {QStringLiteral("GScale_Childcare"), QStringLiteral("Baby & Childcare")},
        {QStringLiteral("GScale_Donation"), QStringLiteral("Donations")},
        {QStringLiteral("GScale_Gym"), QStringLiteral("Gym & Sports")},
        {QStringLiteral("GScale_Hairstyling"), QStringLiteral("Hair & Beauty")},
        {QStringLiteral("GScale_Legal"), QStringLiteral("Legal")},
        {QStringLiteral("GScale_Medication"), QStringLiteral("Medical")},
        {QStringLiteral("Club"), QStringLiteral("Organizations")},
        {QStringLiteral("GScale_Pets"), QStringLiteral("Pet")},
        {QStringLiteral("GScale_Education"), QStringLiteral("School & Student Loans")},
        {QStringLiteral("GScale_Ticket"), QStringLiteral("Ticket")},
        {QStringLiteral("GScale_Business"), QStringLiteral("Business")},
        {QStringLiteral("GScale_SafetyDeposit"), QStringLiteral("Storage & Deposit Box")},
        {QStringLiteral("GScale_Wallet"), QStringLiteral("Loan")},
        {QStringLiteral("GScale_PostOffice"), QStringLiteral("Mail & Post Office Box")},
        {QStringLiteral("Savings"), QStringLiteral("Savings")},
        {QStringLiteral("GScale_Taxes"), QStringLiteral("Taxes")},
    };
    return catalogue;
}

}  // namespace

std::optional<QString> BWBillsLoader::findMatchingTagsForString(const QString& text, const QStringList& tags) const
{
    if (text.isEmpty())
        return std::nullopt;
    for (const QString& tag : tags) {
        if (tag.startsWith(text, Qt::CaseInsensitive))
            return tag;
    }
    return std::nullopt;
}

QString BWBillsLoader::getPaymentTypeStringWithPaymentTypeNumber(const QVariant& payType)
{
    switch (payType.toLongLong()) {
    case 0: return QStringLiteral("Online");
    case 1: return QStringLiteral("Automatic");
    case 2: return QStringLiteral("Mail");
    case 3: return QStringLiteral("Phone");
    default: return QStringLiteral("Other");
    }
}

QString BWBillsLoader::newImageNameForImageNamed(const QString& imageName) const
{
    return imageName;
}

// The writer turns a number into its file name; this is the way back.
int BWBillsLoader::getIndexForIcon(const QString& iconFileName) const
{
    for (qlonglong number = 0; number < kNumberedIconCount; ++number) {
        if (BWBill::getIconFromInteger(number) == iconFileName)
            return int(number);
    }
    return 0;
}

std::optional<BWBillsLoader::IconTitle> BWBillsLoader::getTitleForIcon(const QString& iconName) const
{
    const QList<std::pair<QString, QString>>& catalogue = iconCatalogue();
    for (qsizetype position = 0; position < catalogue.size(); ++position) {
        if (catalogue.at(position).first == iconName)
            return IconTitle{int(position), catalogue.at(position).second};
    }
    return std::nullopt;
}
