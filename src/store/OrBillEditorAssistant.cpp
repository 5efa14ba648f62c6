#include "store/OrBillEditorAssistant.h"

#include "platform/BWUIDMaker.h"

QList<IconItem> OrBillEditorAssistant::listOfIcons()
{
    static const QList<IconItem> icons = {
        {QStringLiteral("GScale_Home"), QStringLiteral("Home Mortgage House Rent")},
        {QStringLiteral("GScale_CreditCard"), QStringLiteral("Credit Card Visa Mastercard Loan")},
        {QStringLiteral("GScale_Smartphone"), QStringLiteral("Smartphone Mobile Cell Phone")},
        {QStringLiteral("GScale_Umbrella"), QStringLiteral("Insurance")},
        {QStringLiteral("GScale_Power"), QStringLiteral("Power Electric Electricity Utility")},
        {QStringLiteral("GScale_Gas"), QStringLiteral("Gas Heating Utility")},
        {QStringLiteral("GScale_Internet"), QStringLiteral("Internet Broadband Wifi")},
        {QStringLiteral("GScale_Phone"), QStringLiteral("Phone Landline Telephone")},
        {QStringLiteral("GScale_Trash"), QStringLiteral("Trash Garbage Waste Utility")},
        {QStringLiteral("GScale_Water"), QStringLiteral("Water Sewer Utility")},
        {QStringLiteral("GScale_Boat"), QStringLiteral("Boat Marina Dock")},
        {QStringLiteral("GScale_Auto"), QStringLiteral("Auto Car Vehicle Loan")},
        {QStringLiteral("GScale_Motorcycle"), QStringLiteral("Motorcycle Bike Scooter")},
        {QStringLiteral("GScale_Repairs"), QStringLiteral("Repairs Maintenance Tools")},
        {QStringLiteral("GScale_Travel"), QStringLiteral("Travel Flight Vacation Hotel")},
        {QStringLiteral("GScale_TV"), QStringLiteral("TV Television Cable Satellite")},
        {QStringLiteral("CloudDrive"), QStringLiteral("Cloud Drive Storage Backup")},
        {QStringLiteral("GScale_Music"), QStringLiteral("Music Streaming")},
        {QStringLiteral("GScale_Subscription"), QStringLiteral("Subscription Magazine Newspaper")},
        {QStringLiteral("GScale_Cleaning"), QStringLiteral("Cleaning Housekeeping Maid")},
        {QStringLiteral("FoodSubscription"), QStringLiteral("Food Meal Groceries Delivery")},
        {QStringLiteral("GScale_Landscaping"), QStringLiteral("Landscaping Garden Lawn")},
        {QStringLiteral("GScale_Alarm"), QStringLiteral("Alarm Security Monitoring")},
        {QStringLiteral("GScale_Appliance"), QStringLiteral("Appliance Rental")},
        {QStringLiteral("GScale_Computer"), QStringLiteral("Computer Software")},
        {QStringLiteral("GScale_Furniture"), QStringLiteral("Furniture")},
        {QStringLiteral("Jewelery"), QStringLiteral("Jewelery Jewelry")},
        {QStringLiteral("GScale_Shopping"), QStringLiteral("Shopping Store Retail")},
        {QStringLiteral("GScale_Childcare"), QStringLiteral("Childcare Daycare Babysitter")},
        {QStringLiteral("GScale_Donation"), QStringLiteral("Donation Charity Church")},
        {QStringLiteral("GScale_Gym"), QStringLiteral("Gym Fitness Membership")},
        {QStringLiteral("GScale_Hairstyling"), QStringLiteral("Hairstyling Haircut Salon")},
        {QStringLiteral("GScale_Legal"), QStringLiteral("Legal Lawyer Attorney")},
        {QStringLiteral("GScale_Medication"), QStringLiteral("Medication Medical Doctor Pharmacy")},
        {QStringLiteral("Club"), QStringLiteral("Club Membership")},
        {QStringLiteral("GScale_Pets"), QStringLiteral("Pets Vet Dog Cat")},
        {QStringLiteral("GScale_Education"), QStringLiteral("Education School Tuition Student Loan")},
        {QStringLiteral("GScale_Ticket"), QStringLiteral("Ticket Event Concert")},
        {QStringLiteral("GScale_Business"), QStringLiteral("Business Office Work")},
        {QStringLiteral("GScale_SafetyDeposit"), QStringLiteral("Safety Deposit Box Locker Storage")},
        {QStringLiteral("GScale_Wallet"), QStringLiteral("Wallet Cash Money")},
        {QStringLiteral("GScale_PostOffice"), QStringLiteral("Post Office Mail Box")},
        {QStringLiteral("Savings"), QStringLiteral("Savings")},
        {QStringLiteral("GScale_Taxes"), QStringLiteral("Tax")},
    };
    return icons;
}

QString OrBillEditorAssistant::newUniqueID()
{
    return BWUIDMaker::makeUID();
}
