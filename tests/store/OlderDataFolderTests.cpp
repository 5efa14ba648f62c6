// Data folders written by earlier builds, kept in tests/fixtures: each bill
// opened, renamed, paid, a payment deleted, its balance edited and saved
// unchanged, one action at a time on a fresh copy. After each, every stored
// key is what a user expects of that one action, and nothing else changed.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include <cmath>
#include <functional>

#include "platform/PropertyList.h"
#include "store/BWBill.h"
#include "store/BWBillRecordKeys.h"
#include "store/BWBillsLoader.h"
#include "store/BWPaymentLogger.h"
#include "support/TempStoreEnvironment.h"

namespace {

// Keys the store keeps for itself (stamps, the balance as set, what removed
// payments gave back): an older record gains them at its first write.
const QStringList BookkeepingKeys{BillKeys::FieldStamps,         BillKeys::ModificationStamp,
                                  BillKeys::SyncModificationDate, BillKeys::ModificationDateForFirebase,
                                  BillKeys::BalanceSet,          BillKeys::RemovedPaymentIDs,
                                  BillKeys::RemovedPaymentShares};
// Of a payment: its stamps, its share, and what undoing it puts back.
const QStringList PaymentBookkeepingKeys{PaymentKeys::PaymentID,          PaymentKeys::LoggedStamp,
                                         PaymentKeys::EditedStamp,        PaymentKeys::BalanceReduction,
                                         PaymentKeys::AmountReduction,    PaymentKeys::MovedDueDate,
                                         PaymentKeys::DueDateBeforePayment, PaymentKeys::RemindMeBeforePayment,
                                         PaymentKeys::ArchivedItem};

QVariantMap withoutKeys(QVariantMap map, const QStringList& keys)
{
    for (const QString& key : keys)
        map.remove(key);
    return map;
}

// What a user sees of a bill: every key but the bookkeeping, and of each
// payment, newest first, what was paid, when, with which note and receipt.
QVariantMap userView(const QVariantMap& record)
{
    QVariantMap view = withoutKeys(record, BookkeepingKeys);
    QVariantList payments;
    for (const QVariant& payment : BWPaymentLogger::paymentsNewestFirst(record.value(BillKeys::PaymentList).toList()))
        payments.append(withoutKeys(payment.toMap(), PaymentBookkeepingKeys));
    if (record.contains(BillKeys::PaymentList))
        view.insert(BillKeys::PaymentList, payments);
    return view;
}

// The payments newest first, as the bill page lists them.
QVariantList listed(const QVariantMap& bill)
{
    return BWPaymentLogger::paymentsNewestFirst(bill.value(BillKeys::PaymentList).toList());
}

// What a payment takes off, or a removed one gives back: what it stored, or
// for a payment of an older layout its amount less escrow, less interest.
double shareOf(const QVariantMap& payment, const QVariantMap& bill)
{
    if (payment.contains(PaymentKeys::BalanceReduction))
        return payment.value(PaymentKeys::BalanceReduction).toDouble();
    return BWPaymentLogger::balanceTakenBy(payment.value(PaymentKeys::Amount).toDouble(), bill);
}

std::string describe(const QVariant& value)
{
    return QString::fromUtf8(PropertyList::serialize(value)).simplified().toStdString();
}

void setTotals(QVariantMap& expected, const QVariantList& payments)
{
    QVariantMap totals;
    BWPaymentLogger::setTotalsFromPayments(totals, payments);
    expected.insert(totals);
}

struct Action
{
    const char* name;
    // Does it on the bill as opened; false when the store refused.
    std::function<bool(const BWStoreEnvironment&, const QVariantMap& opened)> perform;
    // The user's view of the stored file after it, from the view before.
    std::function<void(QVariantMap& expected, const QVariantMap& before, const BWStoreEnvironment&)> expect;
    bool writes = true;
};

const QList<Action>& actions()
{
    static const QList<Action> table{
        {"opened", [](const auto&, const auto&) { return true; }, [](auto&, const auto&, const auto&) {}, false},
        {"saved unchanged",
         [](const auto& env, const auto& opened) { return BWBill(env).finishWritingBillWithDictionary(opened, true, true); },
         [](auto&, const auto&, const auto&) {}, false},
        {"renamed",
         [](const auto& env, QVariantMap opened) {
             opened.insert(BillKeys::Name, QStringLiteral("Renamed"));
             return BWBill(env).finishWritingBillWithDictionary(opened, true, true);
         },
         [](auto& expected, const auto&, const auto&) { expected.insert(BillKeys::Name, QStringLiteral("Renamed")); }},
        {"balance edited",
         [](const auto& env, QVariantMap opened) {
             opened.insert(BillKeys::Balance, 1234.56);
             return BWBill(env).finishWritingBillWithDictionary(opened, true, true);
         },
         [](auto& expected, const auto&, const auto&) { expected.insert(BillKeys::Balance, 1234.56); }},
        {"paid",
         [](const auto& env, const auto& opened) {
             return BWPaymentLogger(env).recordPayment({100.0, env.clock->now(), QString(), QString()}, opened, false);
         },
         [](auto& expected, const auto& before, const auto& env) {
             const QVariantMap paid{{PaymentKeys::Amount, 100.0},
                                    {PaymentKeys::Date, env.clock->now().toUTC()},
                                    {PaymentKeys::Note, QString()},
                                    {PaymentKeys::Receipt, QString()}};
             QVariantList payments = expected.value(BillKeys::PaymentList).toList();
             payments.prepend(paid);
             expected.insert(BillKeys::PaymentList, payments);
             setTotals(expected, payments);
             if (before.value(BillKeys::Balance).toDouble() > 0.0)
                 expected.insert(BillKeys::Balance, before.value(BillKeys::Balance).toDouble()
                                                        - BWPaymentLogger::balanceTakenBy(100.0, before));
         }},
        {"a payment deleted",
         [](const auto& env, const auto& opened) {
             QVariantList payments = listed(opened);
             payments.removeAt(2);
             return BWPaymentLogger(env).savePaymentList(payments, opened.value(BillKeys::Bid).toString());
         },
         [](auto& expected, const auto& before, const auto&) {
             const QVariantList stored = listed(before);
             QVariantList payments;
             for (const QVariant& payment : stored)
                 payments.append(withoutKeys(payment.toMap(), PaymentBookkeepingKeys));
             payments.removeAt(2);
             expected.insert(BillKeys::PaymentList, payments);
             setTotals(expected, payments);
             if (before.contains(BillKeys::Balance))
                 expected.insert(BillKeys::Balance, before.value(BillKeys::Balance).toDouble()
                                                        + shareOf(stored.at(2).toMap(), before));
         }},
    };
    return table;
}

// Every bill of a data folder kept in tests/fixtures.
struct FixtureBill
{
    QString folder;
    QString billID;
};

QList<FixtureBill> fixtureBills()
{
    QList<FixtureBill> bills;
    const QDir fixtures(QStringLiteral(ORVANE_SOURCE_DIR "/tests/fixtures"));
    for (const QString& folder : fixtures.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        for (const QString& file : QDir(fixtures.filePath(folder)).entryList({QStringLiteral("*.plist")})) {
            if (file.size() == 38)  // an id and ".plist"
                bills.append({fixtures.filePath(folder), file.chopped(6)});
        }
    }
    return bills;
}

class OlderDataFolderTest : public ::testing::Test, protected TempStoreEnvironment
{
protected:
    OlderDataFolderTest() : TempStoreEnvironment(QStringLiteral("data")) { clock.setNow(QDateTime(QDate(2026, 12, 11), QTime(9, 0))); }

    void copyFolder(const QString& from)
    {
        QDir().mkpath(env.defaultDataFolder);
        for (const QString& name : QDir(from).entryList(QDir::Files))
            ASSERT_TRUE(QFile::copy(QDir(from).filePath(name), QDir(env.defaultDataFolder).filePath(name)));
    }
    QByteArray fileOf(const QString& billID) const
    {
        QFile file(QDir(env.defaultDataFolder).filePath(billID + QStringLiteral(".plist")));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
};

}  // namespace

TEST_F(OlderDataFolderTest, EachActionChangesWhatTheUserChangedAndNothingElse)
{
    const QList<FixtureBill> bills = fixtureBills();
    ASSERT_GE(bills.size(), 9);
    for (const FixtureBill& fixture : bills) {
        for (const Action& action : actions()) {
            SCOPED_TRACE(QStringLiteral("%1 %2: %3")
                             .arg(QFileInfo(fixture.folder).fileName(), fixture.billID, action.name)
                             .toStdString());
            QDir(env.defaultDataFolder).removeRecursively();
            copyFolder(fixture.folder);
            const QByteArray fileBefore = fileOf(fixture.billID);
            const QVariantMap before = PropertyList::parse(fileBefore).value.toMap();
            ASSERT_GE(before.value(BillKeys::PaymentList).toList().size(), 20);
            const std::optional<QVariantMap> opened = BWBillsLoader(env).loadBillWithID(fixture.billID);
            ASSERT_TRUE(opened);
            ASSERT_TRUE(action.perform(env, *opened));

            const QByteArray fileAfter = fileOf(fixture.billID);
            if (!action.writes) {
                EXPECT_EQ(fileAfter, fileBefore);
                continue;
            }
            QVariantMap expected = userView(before);
            action.expect(expected, before, env);
            const QVariantMap after = userView(PropertyList::parse(fileAfter).value.toMap());
            QStringList keys = expected.keys() + after.keys();
            keys.removeDuplicates();
            const QVariantMap seenBefore = userView(before);
            for (const QString& key : std::as_const(keys)) {
                // A balance or total is a sum: one within half a cent of the
                // stored one is the stored one, to the bit; another is the
                // user's sum within a rounding step.
                QVariant want = expected.value(key);
                const QVariant got = after.value(key);
                const bool sum = want.typeId() == QMetaType::Double && seenBefore.value(key).typeId() == QMetaType::Double;
                if (sum && std::abs(want.toDouble() - seenBefore.value(key).toDouble()) < 0.005)
                    want = seenBefore.value(key);
                if (sum && want != seenBefore.value(key))
                    EXPECT_NEAR(got.toDouble(), want.toDouble(), 1e-9) << key.toStdString();
                else
                    EXPECT_EQ(got, want) << key.toStdString() << " is " << describe(got) << ", not " << describe(want);
            }
        }
    }
}
