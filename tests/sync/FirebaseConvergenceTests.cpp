// Two computers signed into one account, editing the same bills at random
// while the service fails now and then, end with the same bills.
#include <gtest/gtest.h>

#include <QElapsedTimer>

#include <iostream>
#include <random>

#include "support/FirebaseTestDevice.h"

namespace {

const QString Email = QStringLiteral("kim@example.com");
const QString Password = QStringLiteral("secret1");

// The active bills of a computer and the amount of each.
QMap<QString, double> activeAmounts(const FirebaseTestDevice& device)
{
    QMap<QString, double> amounts;
    for (const QString& id : device.list(IndexKeys::ActiveBills)) {
        if (const std::optional<QVariantMap> bill = device.bill(id))
            amounts.insert(id, bill->value(BillKeys::Amount).toDouble());
    }
    return amounts;
}

QMap<QString, double> serverAmounts(const FakeFirebaseServer& server, const QString& uid)
{
    QMap<QString, double> amounts;
    const QJsonObject bills = server.valueAt("users/" + uid).toObject();
    for (auto it = bills.begin(); it != bills.end(); ++it)
        amounts.insert(it.key(), it.value().toObject().value(BillKeys::Amount).toDouble());
    return amounts;
}

}  // namespace

TEST(FirebaseConvergenceTest, TwoComputersAgreeAfterRandomEditsUnderFailures)
{
    constexpr int Edits = 500;
    FakeFirebaseServer server;
    server.slowAnswerMs = 1100;   // just past the client's timeout: the write lands, the answer is lost
    const QString uid = server.addAccount(Email, Password);
    FirebaseTestDevice one(server);
    FirebaseTestDevice two(server);
    FirebaseTestDevice* devices[] = {&one, &two};
    for (FirebaseTestDevice* device : devices)
        ASSERT_TRUE(device->signIn(Email, Password));
    ASSERT_TRUE(QTest::qWaitFor([&] { return server.openStreams() == 4; }, 5000));

    std::mt19937 random(20261209);
    server.setRandomFaultRate(0.1, 7);
    // Both computers' clocks agree and move a second per edit, so that
    // every edit is later than the one before it.
    const QDateTime start = QDateTime::currentDateTimeUtc();
    QElapsedTimer editing;
    editing.start();
    int adds = 0, changes = 0, deletions = 0;
    for (int step = 0; step < Edits; ++step) {
        for (FirebaseTestDevice* device : devices)
            device->clock.setNow(start.addSecs(step + 1));
        FirebaseTestDevice& device = *devices[random() % 2];
        const QStringList active = device.list(IndexKeys::ActiveBills);
        const int choice = int(random() % 10);
        if (active.size() < 3 || choice < 3) {
            ASSERT_FALSE(device.addBill(QStringLiteral("Bill %1").arg(step), step).isEmpty());
            ++adds;
        } else if (choice < 8) {
            ASSERT_TRUE(device.setAmount(active.at(int(random() % active.size())), step));
            ++changes;
        } else {
            ASSERT_TRUE(device.remove(active.at(int(random() % active.size()))));
            ++deletions;
        }
        if (step % 100 == 99)
            server.dropStreams();   // both lose their change streams
        // Now and then the server hears this edit before the next one comes.
        const int heard = server.requests();
        if (random() % 3 == 0)
            (void)QTest::qWaitFor([&] { return server.requests() > heard; }, 5000);
        else
            QCoreApplication::processEvents();
    }
    const qint64 editingMs = editing.elapsed();

    server.setRandomFaultRate(0);
    QElapsedTimer healing;
    healing.start();
    const bool converged = QTest::qWaitFor([&] {
        if (one.pendingWrites() + two.pendingWrites() > 0)
            return false;
        const QMap<QString, double> remote = serverAmounts(server, uid);
        return activeAmounts(one) == remote && activeAmounts(two) == remote;
    }, 60000);
    const qint64 healingMs = healing.elapsed();

    std::cout << "convergence: " << Edits << " edits (" << adds << " new, " << changes << " changed, " << deletions
              << " deleted) in " << editingMs << " ms; converged=" << converged << " " << healingMs
              << " ms after the failures stopped; " << serverAmounts(server, uid).size() << " bills; "
              << server.requests() << " requests, " << server.faultsInjected() << " failures injected, "
              << server.conflicts() << " compare-and-swap conflicts, " << server.refreshes() << " token refreshes, "
              << server.streamsOpened() << " streams opened" << std::endl;
    ASSERT_TRUE(converged);
    EXPECT_FALSE(serverAmounts(server, uid).isEmpty());
}

// A computer whose clock is an hour ahead writes a bill; the other, on the
// right time, deletes it after it came: the deletion holds on both, and the
// server keeps no copy of the bill.
TEST(FirebaseConvergenceTest, ADeletionHoldsOverACopyFromAClockAhead)
{
    FakeFirebaseServer server;
    const QString uid = server.addAccount(Email, Password);
    FirebaseTestDevice ahead(server);
    FirebaseTestDevice onTime(server);
    const QDateTime now = QDateTime::currentDateTimeUtc();
    ahead.clock.setNow(now.addSecs(3600));
    onTime.clock.setNow(now);
    for (FirebaseTestDevice* device : {&ahead, &onTime})
        ASSERT_TRUE(device->signIn(Email, Password));
    ASSERT_TRUE(QTest::qWaitFor([&] { return server.openStreams() == 4; }, 5000));

    const QString id = ahead.addBill("Gym", 30);
    ASSERT_TRUE(QTest::qWaitFor([&] { return onTime.list(IndexKeys::ActiveBills).contains(id); }, 5000));
    onTime.clock.setNow(now.addSecs(60));
    ASSERT_TRUE(onTime.remove(id));
    const auto gone = [&] {
        return !ahead.list(IndexKeys::ActiveBills).contains(id) && !onTime.list(IndexKeys::ActiveBills).contains(id)
               && onTime.pendingWrites() == 0 && serverAmounts(server, uid).isEmpty();
    };
    EXPECT_TRUE(QTest::qWaitFor(gone, 5000));
    EXPECT_TRUE(onTime.list(IndexKeys::DeletedBills).contains(id));
    EXPECT_TRUE(ahead.list(IndexKeys::DeletedBills).contains(id));
}
