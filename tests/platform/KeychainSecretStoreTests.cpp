#include "platform/KeychainSecretStore.h"

#include "support/TempFolder.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusObjectPath>
#include <QProcess>
#include <QProcessEnvironment>
#include <QStandardPaths>
#include <QTest>

#include <gtest/gtest.h>

#include <utility>

namespace {

const QString SecretsBusName = QStringLiteral("org.freedesktop.secrets");

// A GNOME Keyring daemon of the test's own, unlocked, on the session bus of
// the test run, with its keyrings in a temporary folder. It goes when the
// test ends.
class KeyringDaemon
{
public:
    KeyringDaemon()
    {
        const QString program = QStandardPaths::findExecutable(QStringLiteral("gnome-keyring-daemon"));
        if (program.isEmpty()) {
            m_whyNot = "gnome-keyring-daemon is not installed";
            return;
        }
        if (!QDBusConnection::sessionBus().isConnected()) {
            m_whyNot = "there is no session bus";
            return;
        }
        if (QDBusConnection::sessionBus().interface()->isServiceRegistered(SecretsBusName)) {
            m_whyNot = "another secret service already runs on this session bus";
            return;
        }
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("HOME"), m_home.path());
        environment.insert(QStringLiteral("XDG_DATA_HOME"), m_home.file(QStringLiteral("data")));
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), m_home.path());
        m_daemon.setProcessEnvironment(environment);
        m_daemon.start(program, {QStringLiteral("--foreground"), QStringLiteral("--unlock"),
                                 QStringLiteral("--components=secrets")});
        if (!m_daemon.waitForStarted(5000)) {
            m_whyNot = "gnome-keyring-daemon did not start";
            return;
        }
        // The password of the new login keyring, then the end of input.
        m_daemon.write("test-login");
        m_daemon.waitForBytesWritten(5000);
        m_daemon.closeWriteChannel();
        const auto nameTakenOrDaemonGone = [this] {
            return QDBusConnection::sessionBus().interface()->isServiceRegistered(SecretsBusName)
                   || m_daemon.state() == QProcess::NotRunning;
        };
        if (!QTest::qWaitFor(nameTakenOrDaemonGone, 10000) || m_daemon.state() == QProcess::NotRunning)
            m_whyNot = "gnome-keyring-daemon did not take the secret service's name: "
                       + m_daemon.readAllStandardError().toStdString();
    }

    ~KeyringDaemon()
    {
        m_daemon.kill();
        m_daemon.waitForFinished(5000);
    }

    // Empty when the daemon runs.
    std::string whyNot() const { return m_whyNot; }

private:
    TempFolder m_home;
    QProcess m_daemon;
    std::string m_whyNot;
};

// One daemon for the tests of a run: the keyring library keeps its session
// with the first secret service it met for the rest of the process.
class KeychainSecretStoreWithGnomeKeyring : public testing::Test
{
protected:
    static void SetUpTestSuite() { daemon = new KeyringDaemon; }
    static void TearDownTestSuite() { delete std::exchange(daemon, nullptr); }
    void SetUp() override
    {
        if (!daemon->whyNot().empty())
            GTEST_SKIP() << "Skipped: " << daemon->whyNot();
    }

    static inline KeyringDaemon* daemon = nullptr;
};

TEST_F(KeychainSecretStoreWithGnomeKeyring, StoresReadsChangesAndRemovesASecret)
{

    KeychainSecretStore store;
    const QString service = QStringLiteral("Orvane Test");
    const QString account = QStringLiteral("Orvane");

    EXPECT_EQ(store.readSecretAndWait(service, account).status, SecretStore::Status::NotFound);
    ASSERT_TRUE(store.writeSecretAndWait(service, account, "first").ok());
    EXPECT_EQ(store.readSecretAndWait(service, account).secret, "first");

    ASSERT_TRUE(store.writeSecretAndWait(service, account, "second").ok());
    const SecretStore::Result changed = store.readSecretAndWait(service, account);
    EXPECT_TRUE(changed.ok());
    EXPECT_EQ(changed.secret, "second");
    EXPECT_EQ(store.readSecretAndWait(service, QStringLiteral("Someone else")).status, SecretStore::Status::NotFound);

    ASSERT_TRUE(store.removeSecretAndWait(service, account).ok());
    EXPECT_EQ(store.readSecretAndWait(service, account).status, SecretStore::Status::NotFound);
}

// A locked keyring whose unlock cannot be had (here: no prompter on the
// bus, as when the user cancels the prompt) is never taken for one without
// the secret: QtKeychain answers "not found" for it.
TEST_F(KeychainSecretStoreWithGnomeKeyring, ASecretInALockedKeyringReadsAsLocked)
{
    KeychainSecretStore store;
    const QString service = QStringLiteral("Orvane Test Locked");
    const SecretStore::Result written = store.writeSecretAndWait(service, QStringLiteral("Orvane"), "kept");
    ASSERT_TRUE(written.ok()) << written.message.toStdString();
    QDBusMessage lockAll = QDBusMessage::createMethodCall(SecretsBusName, QStringLiteral("/org/freedesktop/secrets"),
                                                         QStringLiteral("org.freedesktop.Secret.Service"),
                                                         QStringLiteral("Lock"));
    lockAll << QVariant::fromValue(QList<QDBusObjectPath>{QDBusObjectPath("/org/freedesktop/secrets/collection/login")});
    ASSERT_EQ(QDBusConnection::sessionBus().call(lockAll).type(), QDBusMessage::ReplyMessage);

    for (const QString& account : {QStringLiteral("Orvane"), QStringLiteral("Someone else")}) {
        const SecretStore::Result read = store.readSecretAndWait(service, account);
        EXPECT_EQ(read.status, SecretStore::Status::Locked) << read.message.toStdString();
        EXPECT_TRUE(read.secret.isEmpty());
    }
}

}  // namespace
