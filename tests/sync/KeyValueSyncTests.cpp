// The older key-value channel, reachability and the phone-sync frame.
#include "store/BWBillsLoaderTestFixture.h"

#include <QFile>
#include <QSignalSpy>

#include "platform/KeyValueStore.h"
#include "platform/Reachability.h"
#include "store/BWBill.h"
#include "store/BWDefaultsKeys.h"
#include "sync/BWLegacyKeyValueSync.h"
#include "sync/BWPhoneSync.h"

using namespace BWDefaultsKeys;

TEST(ReachabilityTest, FlagsGiveTheStatusByTheirRules)
{
    using R = Reachability;
    const struct { unsigned flags; R::NetworkStatus network; R::NetworkStatus localWiFi; } cases[] = {
        {0, R::NotReachable, R::NotReachable},
        {R::Reachable, R::ReachableViaWiFi, R::NotReachable},
        {R::Reachable | R::IsDirect, R::ReachableViaWiFi, R::ReachableViaWiFi},
        {R::Reachable | R::ConnectionRequired, R::NotReachable, R::NotReachable},
        {R::Reachable | R::ConnectionRequired | R::ConnectionOnDemand, R::ReachableViaWiFi, R::NotReachable},
        {R::Reachable | R::ConnectionRequired | R::ConnectionOnTraffic, R::ReachableViaWiFi, R::NotReachable},
        {R::Reachable | R::ConnectionRequired | R::ConnectionOnDemand | R::InterventionRequired, R::NotReachable,
         R::NotReachable},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(R::networkStatusForFlags(c.flags), c.network) << c.flags;
        EXPECT_EQ(R::localWiFiStatusForFlags(c.flags), c.localWiFi) << c.flags;
    }
    EXPECT_EQ(R::flagStatus(R::Reachable | R::ConnectionRequired | R::IsDirect, "networkStatusForFlags"),
              "Reachability Flag Status: R- c----d networkStatusForFlags");

    std::unique_ptr<R> host(R::reachabilityWithHostName("www.dropbox.com"));
    host->setFlagsSource([](const QString&) { return std::nullopt; });
    EXPECT_EQ(host->currentReachabilityStatus(), R::NotReachable);
    EXPECT_FALSE(host->connectionRequired());
    EXPECT_EQ(R::reachabilityWithHostName(""), nullptr);
}

// A network that reaches only the local link reaches neither a host
// elsewhere nor the internet, but does reach the link-local network.
TEST(ReachabilityTest, TheNetworkStateGivesEachTargetItsFlags)
{
    using R = Reachability;
    using State = R::NetworkState;
    const unsigned online = R::Reachable | R::IsDirect;
    const unsigned onTheLink = R::Reachable | R::IsDirect | R::IsLocalAddress;
    const struct { State state; const char* target; unsigned flags; } cases[] = {
        {State::Online, "www.dropbox.com", online},
        {State::Site, "www.dropbox.com", online},
        {State::Local, "www.dropbox.com", 0},
        {State::Local, "0.0.0.0", 0},
        {State::Local, "169.254.0.0", onTheLink},
        {State::Local, "::1", onTheLink},
        {State::Disconnected, "169.254.0.0", 0},
        {State::Unknown, "www.dropbox.com", online},
    };
    for (const auto& c : cases)
        EXPECT_EQ(R::flagsForNetwork(c.state, c.target), c.flags) << int(c.state) << " " << c.target;
}

TEST(ReachabilityTest, AddressTargetsMustBeNumeric)
{
    using R = Reachability;
    for (const char* address : {"", "dropbox.com", "300.1.1.1"})
        EXPECT_EQ(R::reachabilityWithAddress(address), nullptr) << address;
    std::unique_ptr<R> internet(R::reachabilityForInternetConnection());
    std::unique_ptr<R> wifi(R::reachabilityForLocalWiFi());
    ASSERT_TRUE(internet && wifi);
    // Reachable but not direct: the internet counts it, the link-local rule does not.
    for (R* target : {internet.get(), wifi.get()})
        target->setFlagsSource([](const QString&) { return unsigned(R::Reachable); });
    EXPECT_EQ(internet->currentReachabilityStatus(), R::ReachableViaWiFi);
    EXPECT_EQ(wifi->currentReachabilityStatus(), R::NotReachable);
    std::unique_ptr<R> address(R::reachabilityWithAddress("fe80::1"));
    ASSERT_NE(address, nullptr);
    QString asked;
    address->setFlagsSource([&asked](const QString& target) {
        asked = target;
        return std::optional<unsigned>(R::flagsForNetwork(R::NetworkState::Local, target));
    });
    EXPECT_EQ(address->currentReachabilityStatus(), R::ReachableViaWiFi);
    EXPECT_EQ(asked, "fe80::1");
}

TEST(KeyValueStoreTest, AChangeMadeThroughTheSharedFileIsAnnouncedByKey)
{
    TempFolder temp;
    KeyValueStore here(temp.file("shared/store.plist"));
    KeyValueStore there(temp.file("shared/store.plist"));
    QSignalSpy announced(&there, &KeyValueStore::didChangeExternally);
    ASSERT_TRUE(here.setObject(QVariantList{"A"}, "activebills"));
    ASSERT_TRUE(here.setObject("x", "tagindex"));
    ASSERT_TRUE(there.synchronize());
    ASSERT_EQ(announced.count(), 1);
    EXPECT_EQ(announced.first().at(1).toStringList(), (QStringList{"activebills", "tagindex"}));
    EXPECT_EQ(there.objectForKey("tagindex").toString(), "x");
    there.synchronize();
    EXPECT_EQ(announced.count(), 1);  // nothing new
}

class KeyValueSyncTest : public BWBillsLoaderTest
{
protected:
    KeyValueSyncTest()
    {
        one = writeBill(bill("Rent", at(2016, 3, 20)));
        two = writeBill(bill("Power", at(2016, 3, 25)));
        writeIndex({one, two});
    }
    QStringList list(const QString& group) const { return loader().getListOfBills(group).value_or(QStringList()); }
    QByteArray indexBytes() const { return temp.read("data/Orvane/Orvane.ovdata/billindex.plist"); }

    QString one, two;
    KeyValueStore store;
    BWLegacyKeyValueSync sync{env, store};
};

TEST_F(KeyValueSyncTest, ListsOnlyGrowAndAReorderChangesNothing)
{
    const QByteArray before = indexBytes();
    EXPECT_TRUE(sync.updateActiveFromiCloudWithArray(QVariantList{two, one}));
    EXPECT_EQ(indexBytes(), before);
    EXPECT_FALSE(sync.updateActiveFromiCloudWithArray(QVariant()));  // a list that is not there
    EXPECT_EQ(indexBytes(), before);

    const QString three = BWUIDMaker::makeUID();
    EXPECT_TRUE(sync.updateActiveFromiCloudWithArray(QVariantList{three, "../../x"}));
    EXPECT_EQ(list(IndexKeys::ActiveBills), (QStringList{one, two, three}));
}

TEST_F(KeyValueSyncTest, DeletedAndArchivedIdsLeaveTheActiveListAndTheSharedStore)
{
    store.setObject(QVariantMap{{BillKeys::Bid, one}}, one);
    EXPECT_FALSE(sync.updateDeletedBillsFromiCloudWithArray(QVariantList{QString()}));
    EXPECT_EQ(list(IndexKeys::ActiveBills).size(), 2);

    EXPECT_TRUE(sync.updateDeletedBillsFromiCloudWithArray(QVariantList{one}));
    EXPECT_EQ(list(IndexKeys::ActiveBills), QStringList{two});
    EXPECT_EQ(list(IndexKeys::DeletedBills), QStringList{one});
    EXPECT_FALSE(store.objectForKey(one).isValid());

    EXPECT_TRUE(sync.updateArchivedBillsFromiCloudWithArray(QVariantList{two}));
    EXPECT_TRUE(list(IndexKeys::ActiveBills).isEmpty());
    EXPECT_EQ(list(IndexKeys::ArchivedBills), QStringList{two});
}

TEST_F(KeyValueSyncTest, ABillCopyIsTakenOnlyWhenNewer)
{
    QVariantMap shared = *loader().loadBillWithID(one);
    shared.insert(BillKeys::Name, "Rent (old copy)");
    shared.insert(BillKeys::SyncModificationDate, at(2016, 3, 1));
    ASSERT_TRUE(BWBill(env).rewriteSpecificBillWithoutUpdatingiCloud(
        with(*loader().loadBillWithID(one), BillKeys::SyncModificationDate, at(2016, 3, 5))));

    EXPECT_FALSE(sync.updateBillFromiCloudWithBillID(one, shared));
    EXPECT_FALSE(sync.updateBillFromiCloudWithBillID(two, shared));  // a key that is not the bill's id
    shared.insert(BillKeys::Name, "Rent (new copy)");
    shared.insert(BillKeys::SyncModificationDate, at(2016, 3, 7));
    EXPECT_TRUE(sync.updateBillFromiCloudWithBillID(one, shared));
    EXPECT_EQ(loader().loadBillWithID(one)->value(BillKeys::Name).toString(), "Rent (new copy)");
}

TEST_F(KeyValueSyncTest, OnlyServerAndFirstSyncChangesAreApplied)
{
    const QString three = BWUIDMaker::makeUID();
    store.setObject(QVariantList{one, two, three}, IndexKeys::ActiveBillsCloudKey);
    QSignalSpy lastSync(&sync, &BWLegacyKeyValueSync::lastSyncedTextChanged);
    for (int reason : {KeyValueStore::QuotaViolationChange, KeyValueStore::AccountChange})
        sync.receivediCloudChanges(reason, {IndexKeys::ActiveBillsCloudKey});
    EXPECT_EQ(list(IndexKeys::ActiveBills).size(), 2);
    sync.receivediCloudChanges(KeyValueStore::ServerChange, {IndexKeys::ActiveBillsCloudKey, "missing"});
    EXPECT_EQ(list(IndexKeys::ActiveBills).size(), 3);
    ASSERT_EQ(lastSync.count(), 1);
    EXPECT_TRUE(lastSync.first().first().toString().startsWith("Last Sync: "));
}

TEST_F(KeyValueSyncTest, DeletingTheSharedDataAsksFirst)
{
    defaults.setBool(iCloudSyncEnabled, true);
    store.setObject(QVariantList{one}, IndexKeys::ActiveBillsCloudKey);
    sync.deleteiCloudData([](const QString&, const QString&, const QStringList&) { return 1; });
    EXPECT_EQ(store.dictionaryRepresentation().size(), 1);
    EXPECT_TRUE(defaults.boolForKey(iCloudSyncEnabled));
    sync.deleteiCloudData([](const QString&, const QString&, const QStringList&) { return 0; });
    EXPECT_TRUE(store.dictionaryRepresentation().isEmpty());
    EXPECT_FALSE(defaults.boolForKey(iCloudSyncEnabled));
    EXPECT_EQ(defaults.integerForKey(iCloudSyncStatus), 1);
}

// An exchange that reports its end later, or never.
class WaitingPhoneSync : public BWPhoneSync
{
public:
    using BWPhoneSync::BWPhoneSync;
    bool doRoutineSync() override { return true; }
};

class PhoneSyncTest : public KeyValueSyncTest
{
protected:
    bool online = true;
    WaitingPhoneSync phone{env, [this] { return online; }};
};

// The exchange of today transfers nothing: the run ends at the timer's
// first tick, completed, and a press meanwhile starts nothing.
TEST_F(PhoneSyncTest, TheRunOfTodaysExchangeEndsAtTheFirstTick)
{
    BWPhoneSync today(env, [] { return true; });
    QSignalSpy completed(&today, &BWPhoneSync::syncProgressControllerDidComplete);
    today.didPressLink();
    const QByteArray copy = temp.read("data/Orvane/Orvane.ovdata/oldindex.plist");
    writeIndex({one});
    today.didPressLink();
    EXPECT_EQ(temp.read("data/Orvane/Orvane.ovdata/oldindex.plist"), copy);

    today.finishedSync();
    EXPECT_EQ(completed.count(), 1);
    EXPECT_FALSE(today.didFinishWithAccountError());
    EXPECT_EQ(today.timerCount(), 0);
    EXPECT_FALSE(BWPhoneSync::nothingExchangedNotice().isEmpty());
}

TEST_F(PhoneSyncTest, ARunCopiesTheIndexOnceAndATimeOutLeavesTheSwitchAlone)
{
    online = false;
    phone.didPressLink();
    EXPECT_FALSE(phone.isCurrentlyProcessing());
    EXPECT_FALSE(QFile::exists(dataFolder() + "/oldindex.plist"));

    online = true;
    QSignalSpy completed(&phone, &BWPhoneSync::syncProgressControllerDidComplete);
    phone.didPressLink();
    EXPECT_TRUE(phone.isCurrentlyProcessing());
    EXPECT_EQ(temp.read("data/Orvane/Orvane.ovdata/oldindex.plist"), indexBytes());
    writeIndex({one});                      // the index changes during the run ...
    phone.didPressLink();                   // ... and a second press changes nothing
    EXPECT_NE(temp.read("data/Orvane/Orvane.ovdata/oldindex.plist"), indexBytes());

    for (int tick = 0; tick < BWPhoneSync::TimeOutTicks; ++tick)
        phone.finishedSync();
    EXPECT_EQ(completed.count(), 1);
    EXPECT_FALSE(phone.isCurrentlyProcessing());
    EXPECT_TRUE(phone.didFinishWithAccountError());
    EXPECT_FALSE(defaults.boolForKey(BWDropboxPhoneSyncEnabled));
}

TEST_F(PhoneSyncTest, ACompletedRunTurnsThePhoneSyncOnAndEndLinkResetsIt)
{
    phone.didPressLink();
    phone.parseActiveBills();
    phone.incrementCounter();
    EXPECT_DOUBLE_EQ(phone.progress(), 0.5);
    phone.incrementCounter();
    phone.finishedSync();
    EXPECT_FALSE(phone.isCurrentlyProcessing());
    EXPECT_TRUE(defaults.boolForKey(BWDropboxPhoneSyncEnabled));
    EXPECT_EQ(defaults.stringForKey(BWTurnSyncOffButtonTitle), "Turn Off Sync");

    phone.showFirstSyncAlert();
    phone.endLink();
    EXPECT_TRUE(defaults.boolForKey(BWIsFirstPhoneSync));
    EXPECT_FALSE(defaults.boolForKey(BWDropboxPhoneSyncEnabled));
    EXPECT_EQ(defaults.stringForKey(BWTurnSyncOffButtonTitle), "Turn On Sync");
    EXPECT_EQ(phone.forceString(), "");
}
