#include "platform/AccessibleAnnouncer.h"
#include "shell/BWAnnouncements.h"
#include "store/BWBillsLoader.h"
#include "store/BWPaymentLogger.h"
#include "support/ScreenTestStore.h"

#include <functional>

namespace {

// A command on the stored bill and what a screen reader is told of it.
struct Said
{
    const char* command;
    std::function<void(const BWStoreEnvironment& env, BWAnnouncements& announcements, QVariantMap& bill)> run;
    QString announcement;
};

class BWAnnouncementsTest : public ScreenTestStore, public testing::WithParamInterface<Said>
{
public:
    BWAnnouncementsTest()
        : ScreenTestStore(QDate(2025, 12, 9), QTime(9, 0))
    {
        env.observer = &announcements;
    }

    AccessibleAnnouncer announcer;
    BWAnnouncements announcements{env, announcer};
};

TEST_P(BWAnnouncementsTest, TellsWhatTheCommandDidToTheBill)
{
    const QString id = store(bill(QStringLiteral("Rent"), QDateTime(QDate(2025, 12, 12), QTime(0, 0)),
                                  {{BillKeys::Amount, 1450.0}}));
    QVariantMap rent = *BWBillsLoader(env).loadBillWithID(id);
    GetParam().run(env, announcements, rent);
    EXPECT_EQ(announcer.message(), GetParam().announcement);
}

INSTANTIATE_TEST_SUITE_P(
    Commands, BWAnnouncementsTest,
    testing::Values(
        Said{"Paid",
             [](const BWStoreEnvironment& env, BWAnnouncements& announcements, QVariantMap& bill) {
                 ASSERT_TRUE(BWPaymentLogger(env).recordPayment({1450.0, env.clock->now(), {}, {}}, bill));
             },
             QStringLiteral("Rent: payment of $1,450.00 logged")},
        Said{"PaidInPart",
             [](const BWStoreEnvironment& env, BWAnnouncements& announcements, QVariantMap& bill) {
                 ASSERT_TRUE(BWPaymentLogger(env).recordPayment({20.5, env.clock->now(), {}, {}}, bill, false));
             },
             QStringLiteral("Rent: payment of $20.50 logged")},
        Said{"Skipped",
             [](const BWStoreEnvironment& env, BWAnnouncements& announcements, QVariantMap& bill) {
                 ASSERT_EQ(BWPaymentLogger(env).skipPayment(bill), BWPaymentLogger::Skip::Skipped);
             },
             QStringLiteral("Rent: payment skipped")},
        Said{"SavedFromTheEditor",
             [](const BWStoreEnvironment& env, BWAnnouncements& announcements, QVariantMap& bill) {
                 announcements.itemSaved(bill.value(BillKeys::Bid).toString());
             },
             QStringLiteral("Rent saved")},
        // A write of the store that no command of the user's made goes unsaid.
        Said{"WrittenOtherwise",
             [](const BWStoreEnvironment& env, BWAnnouncements& announcements, QVariantMap& bill) {
                 ASSERT_TRUE(BWBill(env).saveSpecificKeys({BillKeys::Notes}, {QStringLiteral("n")},
                                                               bill.value(BillKeys::Bid).toString()));
             },
             QString()}),
    [](const testing::TestParamInfo<Said>& info) { return std::string(info.param.command); });

}  // namespace
