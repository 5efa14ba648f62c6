#include "shell/BWPasswordController.h"

#include "platform/SenderTag.h"
#include "platform/UserDefaults.h"
#include "store/BWDefaultsKeys.h"
#include "support/FakeSecretStore.h"
#include "support/TempFolder.h"

#include <QCoreApplication>
#include <QDialog>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

namespace {

const FakeSecretStore::Key LockItem{QStringLiteral("Orvane"), QStringLiteral("Orvane")};

class BWPasswordControllerTest : public testing::Test
{
protected:
    BWPasswordControllerTest()
    {
        secrets.answerLater = true;   // as the desktop's service answers
    }

    void givenPassword(const QByteArray& password)
    {
        secrets.secrets.insert(LockItem, password);
        ASSERT_TRUE(defaults.setBool(BWDefaultsKeys::BWPasswordLockIsOn, true));
        lock.showLockState(true);
    }

    void confirm(int type, const QString& first, const QString& second = {})
    {
        lock.showPasswordWindowForType(type);
        lock.enterPasswordField()->setText(first);
        lock.reEnterPasswordField()->setText(second);
        lock.confirmButton()->click();
    }

    // Runs the modal enter-password form and `act` once it shows: the
    // keyring is asked first, in an event loop of its own.
    void runLockWindow(const std::function<void()>& act)
    {
        QTimer whenShown;
        QObject::connect(&whenShown, &QTimer::timeout, [this, &act, &whenShown] {
            if (!lock.passwordWindow()->isVisible())
                return;
            whenShown.stop();
            act();
        });
        whenShown.start(0);
        lock.showPasswordWindowForType(BWPasswordLock::EnterPassword);
    }

    // Runs the modal enter-password form, typing `typed` and clicking
    // Continue once; the form is left by quitting if that did not unlock.
    bool unlockWith(const QString& typed)
    {
        QSignalSpy accepted(&lock, &BWPasswordController::passwordAccepted);
        runLockWindow([this, typed] {
            lock.enterPasswordField()->setText(typed);
            lock.confirmButton()->click();
            if (lock.passwordWindow()->isVisible())
                lock.quitButton()->click();
        });
        return accepted.count() == 1;
    }

    bool lockFlag() const { return defaults.boolForKey(BWDefaultsKeys::BWPasswordLockIsOn); }

    TempFolder temp;
    UserDefaults defaults{temp.file(QStringLiteral("Orvane.plist"))};
    FakeSecretStore secrets;
    QStringList alerts;
    BWPasswordController lock{secrets, defaults,
                              [this](QWidget*, const QString& message, const QString&) { alerts.append(message); }};
};

TEST_F(BWPasswordControllerTest, SettingAPasswordNeedsTwoEqualNonEmptyEntriesAndAWorkingKeyring)
{
    struct Case
    {
        const char* name;
        QString first, second;
        bool writeFails;
        QString alert;
        bool lockedAfter;
    };
    const Case cases[] = {
        {"both empty", "", "", false, "Passwords Don't Match", false},
        {"different", "secret", "Secret", false, "Passwords Don't Match", false},
        {"keyring refuses", "secret", "secret", true, "Password Not Saved", false},
        {"stored", "secret", "secret", false, "", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        secrets.secrets.clear();
        secrets.failWrites = c.writeFails;
        alerts.clear();
        lock.showLockState(false);
        confirm(BWPasswordLock::SetPassword, c.first, c.second);
        EXPECT_EQ(alerts, c.alert.isEmpty() ? QStringList() : QStringList{c.alert});
        EXPECT_EQ(secrets.secrets.contains(LockItem), c.lockedAfter);
        EXPECT_EQ(lockFlag(), c.lockedAfter);
        EXPECT_EQ(lock.passwordStatus()->text(), c.lockedAfter ? "Enabled" : "Disabled");
        EXPECT_EQ(SenderTag::of(lock.enableDisablePasswordButton()), c.lockedAfter ? 1 : 0);
        EXPECT_EQ(lock.passwordWindow()->isVisible(), !c.lockedAfter);
    }
}

TEST_F(BWPasswordControllerTest, ChangingThePasswordOverwritesInPlaceAndAFailedWriteKeepsTheOldOne)
{
    givenPassword("old");
    secrets.failWrites = true;
    confirm(BWPasswordLock::SetPassword, "new", "new");
    EXPECT_EQ(secrets.secrets.value(LockItem), "old");
    EXPECT_EQ(secrets.removals, 0);
    EXPECT_TRUE(lockFlag());

    secrets.failWrites = false;
    confirm(BWPasswordLock::SetPassword, "new", "new");
    EXPECT_EQ(secrets.secrets.value(LockItem), "new");
    EXPECT_EQ(secrets.removals, 0);
}

TEST_F(BWPasswordControllerTest, APasswordCountsAsSetByTheLockFlagAloneWithoutAskingTheKeyring)
{
    struct Case
    {
        const char* name;
        bool flag;
        QByteArray stored;   // empty: no item
        bool unavailable;
        bool expected;
    };
    const Case cases[] = {
        {"nothing anywhere", false, "", false, false},
        {"keyring item without the flag", false, "secret", false, false},
        {"flag, keyring unreachable", true, "secret", true, true},
        {"flag, keyring item gone", true, "", false, true},
        {"no flag, keyring unreachable", false, "", true, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        secrets.secrets.clear();
        if (!c.stored.isEmpty())
            secrets.secrets.insert(LockItem, c.stored);
        secrets.unavailable = c.unavailable;
        ASSERT_TRUE(c.flag ? defaults.setBool(BWDefaultsKeys::BWPasswordLockIsOn, true)
                           : defaults.removeObject(BWDefaultsKeys::BWPasswordLockIsOn));
        const int readsBefore = secrets.reads;
        EXPECT_EQ(lock.passwordIsSetForServiceName(QStringLiteral("Orvane")), c.expected);
        EXPECT_EQ(secrets.reads, readsBefore);
    }
}

TEST_F(BWPasswordControllerTest, OnlyTheExactStoredPasswordUnlocks)
{
    givenPassword("Secret");
    struct Case
    {
        const char* name;
        QString typed;
        bool unlocks;
        QString alert;
    };
    const Case cases[] = {
        {"empty", "", false, "Incorrect Password"},
        {"other case", "secret", false, "Incorrect Password"},
        {"exact", "Secret", true, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        alerts.clear();
        EXPECT_EQ(unlockWith(c.typed), c.unlocks);
        EXPECT_EQ(alerts, c.alert.isEmpty() ? QStringList() : QStringList{c.alert});
        EXPECT_FALSE(lock.passwordWindow()->isVisible());
    }
}

// A keyring that can't be reached, stays locked (its unlock cancelled or
// failed) or fails to read keeps the lock shut and says why; Quit still
// ends it. Only a keyring reached, unlocked and without the item turns the
// lock off (below).
TEST_F(BWPasswordControllerTest, AKeyringThatCannotBeReadNeverUnlocksAndSaysWhy)
{
    const struct
    {
        const char* name;
        bool FakeSecretStore::*answer;
        QString alert;
    } cases[] = {
        {"unreachable", &FakeSecretStore::unavailable, "Password Unavailable"},
        {"unlock cancelled or failed", &FakeSecretStore::locked, "Keyring Locked"},
        {"read failed", &FakeSecretStore::failReads, "Password Unavailable"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        givenPassword("secret");
        secrets.unavailable = secrets.locked = secrets.failReads = false;
        secrets.*c.answer = true;
        alerts.clear();
        QSignalSpy quit(&lock, &BWPasswordController::quitRequested);
        EXPECT_FALSE(unlockWith("secret"));
        EXPECT_EQ(alerts, QStringList{c.alert});
        EXPECT_EQ(quit.count(), 1);
        EXPECT_TRUE(lockFlag());
        EXPECT_TRUE(lock.passwordIsSetForServiceName(QStringLiteral("Orvane")));
    }
}

// The keyring answers that it holds no password (a new keyring, a home
// folder copied without it), or an empty one: no password could ever open
// the lock, so the program starts unlocked, says so once, and the lock is
// off from then on.
TEST_F(BWPasswordControllerTest, ALockWhosePasswordTheKeyringLacksStartsUnlockedAndSaysSoOnce)
{
    for (const QByteArray& stored : {QByteArray(), QByteArray("")}) {
        SCOPED_TRACE(stored.isNull() ? "no item" : "an empty item");
        givenPassword("secret");
        secrets.secrets.remove(LockItem);
        if (!stored.isNull())
            secrets.secrets.insert(LockItem, stored);
        alerts.clear();
        QSignalSpy accepted(&lock, &BWPasswordController::passwordAccepted);
        QSignalSpy quit(&lock, &BWPasswordController::quitRequested);
        // Were the lock window to open, Quit leaves it.
        QTimer quitIfShown;
        quitIfShown.setSingleShot(true);
        QObject::connect(&quitIfShown, &QTimer::timeout, [this] {
            if (lock.passwordWindow()->isVisible())
                lock.quitButton()->click();
        });
        quitIfShown.start(0);

        lock.showPasswordWindowForType(BWPasswordLock::EnterPassword);
        EXPECT_EQ(accepted.count(), 1);
        EXPECT_EQ(quit.count(), 0);
        EXPECT_FALSE(lock.passwordWindow()->isVisible());
        EXPECT_EQ(alerts, QStringList{"Password Not Found"});
        EXPECT_FALSE(lockFlag());
        EXPECT_FALSE(lock.passwordIsSetForServiceName(QStringLiteral("Orvane")));
        EXPECT_EQ(lock.passwordStatus()->text(), "Disabled");
        EXPECT_EQ(SenderTag::of(lock.enableDisablePasswordButton()), 0);
    }
}

// Once unlocked, the item going missing lets the lock be turned off, which
// no password could do otherwise.
TEST_F(BWPasswordControllerTest, TheLockTurnsOffWhenItsPasswordIsGoneFromTheKeyring)
{
    givenPassword("secret");
    secrets.secrets.clear();
    lock.enableDisablePasswordButton()->click();  // the remove form
    lock.enterPasswordField()->setText(QStringLiteral("whatever"));
    lock.confirmButton()->click();
    EXPECT_EQ(alerts, QStringList{"Password Not Found"});
    EXPECT_FALSE(lockFlag());
    EXPECT_EQ(lock.passwordStatus()->text(), "Disabled");
    EXPECT_FALSE(lock.passwordWindow()->isVisible());
}

TEST_F(BWPasswordControllerTest, RemovingThePasswordAsksForItFirst)
{
    givenPassword("secret");
    struct Case
    {
        const char* name;
        QString typed;
        bool removalFails;
        QString alert;
        bool lockedAfter;
    };
    const Case cases[] = {
        {"nothing typed", "", false, "Incorrect Password", true},
        {"wrong password", "guess", false, "Incorrect Password", true},
        {"keyring refuses", "secret", true, "Password Not Removed", true},
        {"right password", "secret", false, "", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        alerts.clear();
        secrets.failRemovals = c.removalFails;
        lock.enableDisablePasswordButton()->click();   // the remove form while locked
        lock.enterPasswordField()->setText(c.typed);
        lock.confirmButton()->click();
        EXPECT_EQ(alerts, c.alert.isEmpty() ? QStringList() : QStringList{c.alert});
        EXPECT_EQ(secrets.secrets.contains(LockItem), c.lockedAfter);
        EXPECT_EQ(lockFlag(), c.lockedAfter);
        EXPECT_EQ(lock.passwordStatus()->text(), c.lockedAfter ? "Enabled" : "Disabled");
    }
}

TEST_F(BWPasswordControllerTest, EachFormShowsItsOwnButtons)
{
    struct Case
    {
        int type;
        QString confirmTitle;
        bool reEnter, cancel, quit;
    };
    const Case cases[] = {
        {BWPasswordLock::SetPassword, "Save Password", true, true, false},
        {BWPasswordLock::RemovePassword, "Disable Password", false, true, false},
    };
    for (const Case& c : cases) {
        lock.showPasswordWindowForType(c.type);
        EXPECT_EQ(lock.confirmButton()->text(), c.confirmTitle);
        EXPECT_EQ(lock.reEnterPasswordField()->isVisible(), c.reEnter);
        EXPECT_EQ(lock.cancelButton()->isVisible(), c.cancel);
        EXPECT_EQ(lock.quitButton()->isVisible(), c.quit);
        lock.cancelButton()->click();
        EXPECT_FALSE(lock.passwordWindow()->isVisible());
    }
}

// A second start of Orvane while it waits for the password brings the lock
// window back from under other windows, or up from the task bar.
TEST_F(BWPasswordControllerTest, RaisingBringsBackAMinimisedLockWindowAndNeverOpensOne)
{
    givenPassword("secret");
    lock.raisePasswordWindow();
    EXPECT_FALSE(lock.passwordWindow()->isVisible()) << "no lock window to raise";

    bool raisedWhileShown = false;
    runLockWindow([this, &raisedWhileShown] {
        lock.passwordWindow()->showMinimized();
        lock.raisePasswordWindow();
        raisedWhileShown = lock.passwordWindow()->isVisible() && !lock.passwordWindow()->isMinimized();
        lock.quitButton()->click();
    });
    EXPECT_TRUE(raisedWhileShown);
}

}  // namespace

TEST_F(BWPasswordControllerTest, AKeyringPromptThatTakesTheFocusDoesNotLoseWhatWasTyped)
{
    givenPassword("secret");
    // The keyring's unlock prompt comes up as the password is read, and the
    // lock window, no longer active, empties its fields.
    secrets.whileReading = [this] {
        QEvent deactivate(QEvent::WindowDeactivate);
        QCoreApplication::sendEvent(lock.passwordWindow(), &deactivate);
    };
    struct Case
    {
        const char* form;
        std::function<bool()> confirmWithRightPassword;
    };
    const Case cases[] = {
        {"unlock", [this] { return unlockWith("secret"); }},
        {"remove",
         [this] {
             lock.enableDisablePasswordButton()->click();
             lock.enterPasswordField()->setText("secret");
             lock.confirmButton()->click();
             return !secrets.secrets.contains(LockItem);
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.form);
        alerts.clear();
        EXPECT_TRUE(c.confirmWithRightPassword());
        EXPECT_TRUE(alerts.isEmpty()) << alerts.join(", ").toStdString();
    }
}
