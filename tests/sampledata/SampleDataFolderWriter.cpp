// Writes a data folder of a household's year: twenty bills and two income
// items, each with the payments of the twelve months before today, stored
// through the store's own writer. For looking at the program by hand and for
// screenshots:
//   SampleDataFolderWriter FOLDER
// FOLDER (which must not exist yet) becomes the data folder; copy it to
// ~/.local/share/Orvane/Orvane.ovdata to use it.
#include <QCoreApplication>
#include <QDir>
#include <QLoggingCategory>
#include <QTemporaryDir>

#include <cmath>
#include <cstdio>
#include <numbers>

#include "platform/BWUIDMaker.h"
#include "platform/Clock.h"
#include "platform/UserDefaults.h"
#include "store/BWBill.h"
#include "store/BWBillRecordKeys.h"
#include "store/BWPaymentLogger.h"
#include "store/BWStoreEnvironment.h"
#include "store/RepeatUnit.h"

namespace {

// One item of the household and how its payments went.
struct SampleItem
{
    QString name;
    QString icon;
    QStringList tags;
    RepeatUnit unit;
    int count;            // weeks, months or days between payments
    QDate firstDate;      // the first payment on or after a year ago
    double amount;        // what is due each time
    double swing = 0;     // how far a varying amount moves around `amount`
    int payType = 0;
    bool income = false;
    bool archived = false;  // stopped halfway through the year
};

// The first estimated-tax date (15 January, April, June, September) after `date`.
QDate nextTaxDate(const QDate& date)
{
    for (const int month : {1, 4, 6, 9}) {
        const QDate candidate(date.year(), month, 15);
        if (candidate > date)
            return candidate;
    }
    return QDate(date.year() + 1, 1, 15);
}

QDate stepped(const SampleItem& item, const QDate& date)
{
    switch (item.unit) {
    case RepeatUnit::Weeks:
        return date.addDays(7 * item.count);
    case RepeatUnit::Days:
        return date.addDays(item.count);
    case RepeatUnit::EstimatedTaxDates:
        return nextTaxDate(date);
    default:
        return date.addMonths(item.count);
    }
}

// A varying amount follows the seasons: highest in January, lowest in July.
double amountOn(const SampleItem& item, const QDate& date)
{
    const double season = std::cos((date.month() - 1) * std::numbers::pi / 6.0);
    return std::round((item.amount + item.swing * season) * 100.0) / 100.0;
}

QList<SampleItem> household(const QDate& today)
{
    const QDate start = today.addYears(-1);
    auto onDay = [&start](int day) {
        QDate date(start.year(), start.month(), std::min(day, start.daysInMonth()));
        return date < start ? date.addMonths(1) : date;
    };
    const QStringList home{QStringLiteral("Home")};
    const QStringList utilities{QStringLiteral("Utilities")};
    const QStringList car{QStringLiteral("Car")};
    const QStringList fun{QStringLiteral("Subscriptions")};
    using U = RepeatUnit;
    return {
        {"Rent", "GScale_Home", home, U::Months, 1, onDay(1), 1450.00},
        {"Electricity", "GScale_Power", utilities, U::Months, 1, onDay(12), 96.00, 38.0, 1},
        {"Heating Gas", "GScale_Gas", utilities, U::Months, 1, onDay(18), 74.00, 52.0, 1},
        {"Water", "GScale_Water", utilities, U::Months, 1, onDay(22), 44.50, 6.0},
        {"Internet", "GScale_Internet", utilities, U::Months, 1, onDay(7), 64.99, 0, 1},
        {"Mobile Phone", "GScale_Smartphone", utilities, U::Months, 1, onDay(9), 45.00},
        {"Car Loan", "GScale_Auto", car, U::Months, 1, onDay(5), 312.40, 0, 1},
        {"Car Insurance", "GScale_Umbrella", car, U::Months, 6, onDay(20), 642.00},
        {"Fuel Card", "GScale_Gas", car, U::Months, 1, onDay(25), 148.00, 22.0},
        {"Credit Card", "GScale_CreditCard", {}, U::Months, 1, onDay(15), 385.00, 140.0},
        {"Streaming TV", "GScale_TV", fun, U::Months, 1, onDay(3), 15.49, 0, 1},
        {"Music", "GScale_Music", fun, U::Months, 1, onDay(3), 10.99, 0, 1},
        {"Newspaper", "GScale_Subscription", fun, U::Months, 1, onDay(28), 12.00, 0, 1},
        {"Gym", "GScale_Gym", {}, U::Months, 1, onDay(1), 39.00, 0, 1},
        {"Daycare", "GScale_Childcare", {}, U::Weeks, 2, onDay(4), 410.00},
        {"Pet Insurance", "GScale_Pets", {}, U::Months, 1, onDay(16), 27.50, 0, 1},
        {"Trash Pickup", "GScale_Trash", home, U::Months, 3, onDay(10), 84.00},
        {"Estimated Taxes", "GScale_Taxes", {}, U::EstimatedTaxDates, 1, nextTaxDate(start.addDays(-1)), 900.00},
        {"Charity", "GScale_Donation", {}, U::Months, 1, onDay(26), 25.00, 0, 1},
        {"Landline", "GScale_Phone", utilities, U::Months, 1, onDay(11), 29.99, 0, 0, false, true},
        {"Salary", "GScale_Wallet", {}, U::Weeks, 2, onDay(6), 2150.00, 0, 1, true},
        {"Freelance", "GScale_Business", {}, U::Months, 1, onDay(27), 620.00, 280.0, 0, true},
    };
}

QVariantMap recordFor(const SampleItem& item, const QDate& today)
{
    const QTime noon(12, 0);
    const QDate stopped = today.addMonths(-6);
    QVariantList payments;
    QDate date = item.firstDate;
    for (; date <= today && (!item.archived || date <= stopped); date = stepped(item, date)) {
        payments.prepend(QVariantMap{{PaymentKeys::Amount, amountOn(item, date)},
                                     {PaymentKeys::Date, QDateTime(date, noon).toUTC()},
                                     {PaymentKeys::Note, QString()},
                                     {PaymentKeys::Receipt, QString()}});
    }
    const BWPaymentLogger::PaymentTotals totals = BWPaymentLogger::recalculateAveragePaidForData(payments);
    QVariantList tags;
    for (const QString& tag : item.tags)
        tags.append(tag);
    return {{BillKeys::Name, item.name},
            {BillKeys::Bid, BWUIDMaker::makeUID()},
            {BillKeys::Icon, item.icon},
            {BillKeys::DueDate, QDateTime(date, noon).toUTC()},
            {BillKeys::Repeat, QVariantList{qlonglong(item.count), qlonglong(item.unit)}},
            {BillKeys::Average, totals.average},
            {BillKeys::LastPayment, payments.first().toMap().value(PaymentKeys::Date)},
            {BillKeys::TotalPaid, totals.total},
            {BillKeys::RemindMe, !item.income},
            {BillKeys::PaySite, QString()},
            {BillKeys::PaymentList, payments},
            {BillKeys::ReminderDays, qlonglong(3)},
            {BillKeys::Balance, 0.0},
            {BillKeys::Interest, 0.0},
            {BillKeys::Notes, QString()},
            {BillKeys::Tags, tags},
            {BillKeys::Amount, item.swing > 0 ? 0.0 : item.amount},
            {BillKeys::PayType, qlonglong(item.payType)},
            {BillKeys::Rev, 0.0},
            {BillKeys::AmountVaries, qlonglong(item.swing > 0 ? 1 : 0)},
            {BillKeys::IsArchived, false},
            {BillKeys::IsIncome, item.income}};
}

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QLoggingCategory::setFilterRules(QStringLiteral("orvane.info=false"));
    const QStringList arguments = app.arguments();
    if (arguments.size() != 2 || QDir(arguments.at(1)).exists()) {
        std::fprintf(stderr, "usage: SampleDataFolderWriter NEW_FOLDER\n");
        return 2;
    }
    QTemporaryDir settings;
    UserDefaults defaults(settings.filePath(QStringLiteral("defaults.plist")));
    Clock clock;
    BWStoreEnvironment env;
    env.defaults = &defaults;
    env.appGroup = &defaults;
    env.clock = &clock;
    env.defaultDataFolder = QDir(arguments.at(1)).absolutePath();
    env.supportFolder = settings.path();
    QDir().mkpath(env.defaultDataFolder);

    const QDate today = clock.today();
    for (const SampleItem& item : household(today)) {
        const QVariantMap record = recordFor(item, today);
        BWBill writer(env);
        if (!writer.finishWritingBillWithDictionary(record, false, false)
            || (item.archived && !writer.archiveBillWithBid(record.value(BillKeys::Bid).toString()))) {
            std::fprintf(stderr, "could not write %s\n", qPrintable(item.name));
            return 1;
        }
    }
    return 0;
}
