#include <QSet>
#include <gtest/gtest.h>

#include "platform/BWUIDMaker.h"
#include "platform/PropertyList.h"
#include "store/BWBill.h"
#include "store/BWBillRecordKeys.h"
#include "store/BWPaySite.h"
#include "store/OrBillEditorAssistant.h"

namespace {

QDateTime utc(int year, int month, int day, int hour = 0)
{
    return QDateTime(QDate(year, month, day), QTime(hour, 0), Qt::UTC);
}

QVariantMap recordWithPayments()
{
    return {{BillKeys::Bid, QStringLiteral("0123456789ABCDEF0123456789ABCDEF")},
            {BillKeys::DueDate, utc(2016, 3, 20, 9)},
            {BillKeys::LastPayment, PropertyList::distantPast()},
            {BillKeys::SyncModificationDate, QDateTime(QDate(2016, 3, 8), QTime(10, 0, 0, 250), Qt::UTC)},
            {BillKeys::ModificationDateForFirebase, 1457431200.25},
            {BillKeys::Amount, 20.5},
            {BillKeys::PaymentList,
             QVariantList{QVariantMap{{PaymentKeys::Amount, 20.5}, {PaymentKeys::Date, utc(2016, 2, 20)}},
                          QVariantMap{{PaymentKeys::Date, PropertyList::distantFuture()}}}}};
}

}  // namespace

// ---- Firebase form ----

TEST(BWBillFirebaseForm, DatesBecomeSecondsSince1970)
{
    const QVariantMap firebase = BWBill::convertDatesToNumbersWithDictionary(recordWithPayments());
    EXPECT_EQ(firebase.value(BillKeys::DueDate).typeId(), QMetaType::Double);
    EXPECT_DOUBLE_EQ(firebase.value(BillKeys::DueDate).toDouble(), 1458464400.0);
    EXPECT_DOUBLE_EQ(firebase.value(BillKeys::SyncModificationDate).toDouble(), 1457431200.25);
    EXPECT_DOUBLE_EQ(firebase.value(BillKeys::LastPayment).toDouble(), -62135596800.0);
    const QVariantList payments = firebase.value(BillKeys::PaymentList).toList();
    EXPECT_DOUBLE_EQ(payments.at(0).toMap().value(PaymentKeys::Date).toDouble(), 1455926400.0);
    // Everything else passes unchanged.
    EXPECT_DOUBLE_EQ(firebase.value(BillKeys::ModificationDateForFirebase).toDouble(), 1457431200.25);
    EXPECT_EQ(firebase.value(BillKeys::Amount), QVariant(20.5));
}

TEST(BWBillFirebaseForm, RoundTripGivesTheRecordBack)
{
    QVariantMap expected = recordWithPayments();
    QVariantList payments = expected.value(BillKeys::PaymentList).toList();
    QVariantMap second = payments.at(1).toMap();
    second.insert(PaymentKeys::Amount, qlonglong(0));
    payments[1] = second;
    expected.insert(BillKeys::PaymentList, payments);

    const QVariantMap back =
        BWBill::convertNumbersToDatesWithDictionary(BWBill::convertDatesToNumbersWithDictionary(recordWithPayments()));
    EXPECT_EQ(back, expected);
}

TEST(BWBillFirebaseForm, DateAPaymentMovedFromIsCarriedAsSecondsToo)
{
    QVariantMap record = recordWithPayments();
    const QVariantMap moved{{PaymentKeys::Amount, 20.5}, {PaymentKeys::Date, utc(2016, 3, 1)},
                            {PaymentKeys::DueDateBeforePayment, utc(2016, 2, 20, 9)}};
    record.insert(BillKeys::PaymentList, QVariantList{moved});

    const QVariantMap firebase = BWBill::convertDatesToNumbersWithDictionary(record);
    const QVariant sent =
        firebase.value(BillKeys::PaymentList).toList().at(0).toMap().value(PaymentKeys::DueDateBeforePayment);
    EXPECT_EQ(sent.typeId(), QMetaType::Double);
    EXPECT_DOUBLE_EQ(sent.toDouble(), 1455958800.0);
    EXPECT_EQ(BWBill::convertNumbersToDatesWithDictionary(firebase), record);
    // An entry that moved nothing gains no such date on the way.
    EXPECT_FALSE(BWBill::convertDatesToNumbersWithDictionary(recordWithPayments())
                     .value(BillKeys::PaymentList).toList().at(0).toMap().contains(PaymentKeys::DueDateBeforePayment));
}

TEST(BWBillFirebaseForm, PaymentWithoutAmountCarriesZeroBothWays)
{
    const QVariantMap firebase = BWBill::convertDatesToNumbersWithDictionary(recordWithPayments());
    const QVariantMap payment = firebase.value(BillKeys::PaymentList).toList().at(1).toMap();
    EXPECT_EQ(payment.value(PaymentKeys::Amount), QVariant(qlonglong(0)));
    const QVariantMap back = BWBill::convertNumbersToDatesWithDictionary(firebase);
    EXPECT_EQ(back.value(BillKeys::PaymentList).toList().at(1).toMap().value(PaymentKeys::Amount),
              QVariant(qlonglong(0)));
}

TEST(BWBillFirebaseForm, MissingDatesBecomeZeroAndComeBackAs1970)
{
    const QVariantMap bare{{BillKeys::Name, QStringLiteral("Rent")}};
    const QVariantMap firebase = BWBill::convertDatesToNumbersWithDictionary(bare);
    for (const QString& key : {BillKeys::DueDate, BillKeys::LastPayment, BillKeys::SyncModificationDate})
        EXPECT_EQ(firebase.value(key), QVariant(0.0)) << key.toStdString();
    EXPECT_FALSE(firebase.contains(BillKeys::PaymentList));

    const QVariantMap back = BWBill::convertNumbersToDatesWithDictionary(QVariantMap{});
    EXPECT_EQ(back.value(BillKeys::LastPayment).toDateTime(), utc(1970, 1, 1));
    EXPECT_EQ(back.value(BillKeys::DueDate).toDateTime(), utc(1970, 1, 1));
}

TEST(BWBillFirebaseForm, IntegerSecondsAndGarbageReadSafely)
{
    const QVariantMap back = BWBill::convertNumbersToDatesWithDictionary(
        {{BillKeys::DueDate, qlonglong(86400)}, {BillKeys::LastPayment, QStringLiteral("soon")}});
    EXPECT_EQ(back.value(BillKeys::DueDate).toDateTime(), utc(1970, 1, 2));
    EXPECT_EQ(back.value(BillKeys::LastPayment).toDateTime(), utc(1970, 1, 1));
}

// ---- Icons ----

TEST(BWBillIcons, OlderNamesMapToCurrentCatalogueNames)
{
    EXPECT_EQ(BWBill::convertIconName(QStringLiteral("32x32-Credticard-B")), QStringLiteral("GScale_CreditCard"));
    EXPECT_EQ(BWBill::convertIconName(QStringLiteral("32x32-Vehicle")), QStringLiteral("GScale_Auto"));
    EXPECT_EQ(BWBill::convertIconName(QStringLiteral("32x32-Unknown")), QStringLiteral("32x32-Unknown"));
    EXPECT_EQ(BWBill::convertIconName(QStringLiteral("Savings")), QStringLiteral("Savings"));
    EXPECT_EQ(BWBill::convertIconName(QString()), QString());

    QSet<QString> catalogue;
    for (const IconItem& item : OrBillEditorAssistant::listOfIcons())
        catalogue.insert(item.iconName);
    const QStringList older = {"32x32-Appliance", "32x32-Childcare", "32x32-Computer", "32x32-Credticard-A",
                               "32x32-Donations", "32x32-Electric-Bill", "32x32-Furtinure", "32x32-Gas",
                               "32x32-Gym-Membership", "32x32-Home-Alarm-System", "32x32-House", "32x32-Insurance",
                               "32x32-Internet", "32x32-Landscaping", "32x32-Legal", "32x32-LockerSafe-Deposit",
                               "32x32-Medicine", "32x32-Phone", "32x32-Post-Office-Box", "32x32-Shopping",
                               "32x32-Smartphone", "32x32-Student-Loan", "32x32-Subscriptions", "32x32-Taxes",
                               "32x32-Television", "32x32-Ticket", "32x32-Trash", "32x32-Travel", "32x32-Water"};
    for (const QString& name : older)
        EXPECT_TRUE(catalogue.contains(BWBill::convertIconName(name))) << name.toStdString();
}

TEST(BWBillIcons, NumberedIconsCoverZeroToEleven)
{
    EXPECT_EQ(BWBill::getIconFromInteger(0), QStringLiteral("bill_home.png"));
    EXPECT_EQ(BWBill::getIconFromInteger(2), QStringLiteral("bill_card2.png"));
    EXPECT_EQ(BWBill::getIconFromInteger(11), QStringLiteral("bill_internet.png"));
    EXPECT_TRUE(BWBill::getIconFromInteger(12).isEmpty());
    EXPECT_TRUE(BWBill::getIconFromInteger(-1).isEmpty());
}

TEST(BWBillIcons, CatalogueHoldsFortyFourDistinctIconsInOrder)
{
    const QList<IconItem> icons = OrBillEditorAssistant::listOfIcons();
    ASSERT_EQ(icons.size(), 44);
    EXPECT_EQ(icons.first().iconName, QStringLiteral("GScale_Home"));
    EXPECT_EQ(icons.first().keywords, QStringLiteral("Home Mortgage House Rent"));
    EXPECT_EQ(icons.at(3).keywords, QStringLiteral("Insurance"));
    EXPECT_EQ(icons.at(42).iconName, QStringLiteral("Savings"));
    EXPECT_EQ(icons.last().iconName, QStringLiteral("GScale_Taxes"));
    EXPECT_EQ(icons.last().keywords, QStringLiteral("Tax"));
    QSet<QString> names;
    for (const IconItem& item : icons) {
        names.insert(item.iconName);
        EXPECT_FALSE(item.keywords.isEmpty()) << item.iconName.toStdString();
    }
    EXPECT_EQ(names.size(), 44);
}

// ---- Ids and payment addresses ----

TEST(BWBillIds, NewIdsDifferAndCanNameFiles)
{
    const QString first = OrBillEditorAssistant::newUniqueID();
    const QString second = BWUIDMaker::makeUID();
    EXPECT_NE(first, second);
    for (const QString& id : {first, second}) {
        EXPECT_EQ(id.size(), 32);
        EXPECT_FALSE(id.contains(u'-'));
        EXPECT_TRUE(BWUIDMaker::isValidUID(id));
    }
}

TEST(BWBillPaymentURL, OnlyAnAddressWithoutASchemeGetsOne)
{
    const QList<std::pair<QString, QString>> cases = {
        {QStringLiteral("example.com/pay"), QStringLiteral("http://example.com/pay")},
        {QStringLiteral("myhttpbank.com"), QStringLiteral("http://myhttpbank.com")},
        {QStringLiteral("mybank.com/?next=Http"), QStringLiteral("http://mybank.com/?next=Http")},
        {QStringLiteral("bank.example:8443/pay"), QStringLiteral("http://bank.example:8443/pay")},
        {QStringLiteral("localhost:8080?bill=4"), QStringLiteral("http://localhost:8080?bill=4")},
        {QStringLiteral("mailto:bills@bank.example"), QStringLiteral("mailto:bills@bank.example")},
        {QStringLiteral("HTTP://EXAMPLE.COM"), QStringLiteral("HTTP://EXAMPLE.COM")},
        {QStringLiteral("https://bank.example"), QStringLiteral("https://bank.example")},
        {QStringLiteral("ftp://files.example"), QStringLiteral("ftp://files.example")},
        {QString(), QString()},
    };
    for (const auto& [address, corrected] : cases)
        EXPECT_EQ(BWBill::getCorrectedPaymentURL(address), corrected) << address.toStdString();
}

TEST(BWPaySiteAddress, OnlyWebPagesCanBeOpened)
{
    const QList<std::pair<QString, QString>> cases = {
        {QStringLiteral("myhttpbank.com"), QStringLiteral("http://myhttpbank.com")},
        {QStringLiteral(" https://bank.example/pay "), QStringLiteral("https://bank.example/pay")},
        {QStringLiteral("HTTP://Bank.Example"), QStringLiteral("http://bank.example")},
        {QStringLiteral("http://"), QString()},
        {QString(), QString()},
        {QStringLiteral("ftp://files.example"), QString()},
        {QStringLiteral("file:///etc/passwd"), QString()},
        {QStringLiteral("javascript:alert(1)"), QString()},
        {QStringLiteral("mailto:bills@bank.example"), QString()},
    };
    for (const auto& [site, opened] : cases) {
        const std::optional<QUrl> url = BWPaySite::webAddress(site);
        EXPECT_EQ(url ? url->toString() : QString(), opened) << site.toStdString();
        EXPECT_EQ(BWPaySite::isSet(site), !opened.isEmpty()) << site.toStdString();
    }
}
