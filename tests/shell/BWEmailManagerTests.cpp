#include "shell/BWEmailManager.h"

#include "ShellTestStore.h"
#include "support/FakeMailService.h"
#include "support/FakeSecretStore.h"

#include <QNetworkAccessManager>
#include <QSignalSpy>
#include <QUrl>

#include <gtest/gtest.h>

using namespace BWDefaultsKeys;

namespace {

const QString Account = QStringLiteral("orvane-account");

// The manager over a real store and queue file, posting to a local service
// whose API key is in a fake keyring.
class BWEmailManagerTest : public testing::Test
{
protected:
    BWEmailManagerTest()
    {
        secrets.secrets.insert({BWEmailManager::KeyringService, Account}, "key-123");
        secrets.answerLater = true;
        EXPECT_TRUE(store.defaults.setObject(BWMailServiceURL, service.url()));
        EXPECT_TRUE(store.defaults.setObject(BWMailServiceAccount, Account));
        EXPECT_TRUE(store.defaults.setObject(BWMailServiceSender, QStringLiteral("reminders@orvane.example")));
        EXPECT_TRUE(store.defaults.setObject(LEMAddress, QStringLiteral("me@example.org")));
    }

    static BWEmailManager::Templates templatesIn(const TempFolder& folder)
    {
        BWEmailManager::Templates templates;
        templates.reminderPath = folder.write(QStringLiteral("template.html"),
                                              "<p>$BillName</p><p>$NextDueDate</p><p>$BillName again</p>");
        templates.testPath = folder.write(QStringLiteral("sample.html"), "<p>Test</p>");
        return templates;
    }

    QDateTime minutesAhead(int minutes) const { return store.clock.now().addSecs(qint64(minutes) * 60); }

    QVariantMap queuedMessage(const QString& title, int alarmMinutes)
    {
        EXPECT_TRUE(manager.createMessageWithTitle(title, minutesAhead(alarmMinutes), store.daysFromNow(3)));
        return manager.dictionaryForBill(title).value_or(QVariantMap());
    }

    // Hands the message on and waits for the service's answer; whether it
    // was sent.
    bool sendOrSave(const QVariantMap& message)
    {
        QSignalSpy finished(&manager, &BWEmailManager::postFinished);
        manager.sendOrSaveMessageWithDictionary(message);
        if (finished.isEmpty() && !finished.wait(10000))
            return false;
        return finished.first().at(1).toBool();
    }

    // The form fields of the n-th post, names and decoded values in order.
    QList<QPair<QString, QString>> fieldsOfPost(int n) const
    {
        QList<QPair<QString, QString>> fields;
        for (const QByteArray& field : service.bodies().at(n).split('&')) {
            const qsizetype equals = field.indexOf('=');
            fields.append({QString::fromUtf8(field.left(equals)),
                           QUrl::fromPercentEncoding(field.mid(equals + 1))});
        }
        return fields;
    }

    shelltest::ShellTestStore store;
    FakeSecretStore secrets;
    QNetworkAccessManager network;
    FakeMailService service;
    BWEmailManager manager{store.env, secrets, network, templatesIn(store.temp)};
};

TEST_F(BWEmailManagerTest, ComposingFillsTheTemplateEscapedAndQueuesWithoutPosting)
{
    const QVariantMap message = queuedMessage(QStringLiteral("Rent <b>& Co</b>"), 60);
    EXPECT_EQ(message.value("subject").toString(), "Bill Due Soon: Rent <b>& Co</b>");
    const QString body = message.value("emailBody").toString();
    EXPECT_EQ(body.count(QStringLiteral("Rent &lt;b&gt;&amp; Co&lt;/b&gt;")), 2);
    EXPECT_FALSE(body.contains(QStringLiteral("<b>")));
    EXPECT_TRUE(body.contains(QStringLiteral("Due date: Mar 8, 2024")));
    EXPECT_EQ(manager.timeOffset(), "60");

    // The same title again: one entry in the list, the newer message kept.
    queuedMessage(QStringLiteral("Rent <b>& Co</b>"), 120);
    queuedMessage(QStringLiteral("Power"), 60);
    EXPECT_EQ(manager.getPendingMessages(), (QStringList{"Rent <b>& Co</b>", "Power"}));
    EXPECT_EQ(manager.dictionaryForBill(QStringLiteral("Rent <b>& Co</b>"))->value("alarmDate").toDateTime(),
              minutesAhead(120));
    EXPECT_TRUE(service.bodies().isEmpty());
}

TEST_F(BWEmailManagerTest, OnlyMessagesWithinFifteenDaysArePosted)
{
    struct Case
    {
        const char* name;
        int alarmMinutes;
        bool posted;
        QString offset;
    };
    const Case cases[] = {
        {"one minute beyond", 21601, false, ""},
        {"at the limit", 21600, true, "21600"},
        {"in the past", -30, true, "1"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const qsizetype postsBefore = service.bodies().size();
        const bool sent = sendOrSave(queuedMessage(QStringLiteral("Rent"), c.alarmMinutes));
        EXPECT_EQ(sent, c.posted);
        EXPECT_EQ(service.bodies().size(), postsBefore + (c.posted ? 1 : 0));
        if (c.posted) {
            EXPECT_EQ(fieldsOfPost(int(postsBefore)).last().second, c.offset);
        }
        EXPECT_EQ(manager.getPendingMessages().contains(QStringLiteral("Rent")), !c.posted);
    }
}

TEST_F(BWEmailManagerTest, OnlyAnAnswerOfTheTwoHundredsTakesTheMessageOffTheQueue)
{
    struct Case
    {
        const char* name;
        int status;   // 0: the service is gone
        bool sent;
    };
    const Case cases[] = {
        {"bad request", 400, false}, {"server error", 503, false}, {"accepted", 202, true}, {"gone", 0, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        if (c.status == 0)
            service.stop();
        else
            service.status = c.status;
        EXPECT_EQ(sendOrSave(queuedMessage(QStringLiteral("Rent"), 30)), c.sent);
        EXPECT_EQ(manager.getPendingMessages().contains(QStringLiteral("Rent")), !c.sent);
        EXPECT_EQ(manager.dictionaryForBill(QStringLiteral("Rent")).has_value(), !c.sent);
    }
}

TEST_F(BWEmailManagerTest, TheFormCarriesTheServiceFieldsInOrderWithoutLineBreaksInHeaders)
{
    ASSERT_TRUE(store.defaults.setObject(LEMAddress, QStringLiteral("me@example.org\r\nBcc: all@example.org")));
    QVariantMap message = queuedMessage(QStringLiteral("Rent\r\nBcc: x@example.org"), 30);
    ASSERT_TRUE(sendOrSave(message));

    const QList<QPair<QString, QString>> fields = fieldsOfPost(0);
    const QList<QPair<QString, QString>> expected = {
        {"username", "orvane-account"},
        {"api_key", "key-123"},
        {"from", "reminders@orvane.example"},
        {"to", "me@example.orgBcc: all@example.org"},
        {"subject", "Bill Due Soon: RentBcc: x@example.org"},
        {"body_html", message.value("emailBody").toString()},
        {"time_offset_minutes", "30"},
    };
    EXPECT_EQ(fields, expected);
    EXPECT_EQ(service.contentTypes().first(), "application/x-www-form-urlencoded");
}

TEST_F(BWEmailManagerTest, NothingIsPostedWithoutAnAddressAKeyOrASafeService)
{
    struct Case
    {
        const char* name;
        QString address;
        QString url;
        bool keyInKeyring;
    };
    const Case cases[] = {
        {"no address", "", "", true},
        {"no key", "me@example.org", "", false},
        {"plain http elsewhere", "me@example.org", "http://mail.example.com", true},
        {"not a web address", "me@example.org", "file:///tmp/mail", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_TRUE(store.defaults.setObject(LEMAddress, c.address));
        ASSERT_TRUE(store.defaults.setObject(BWMailServiceURL, c.url.isEmpty() ? service.url() : c.url));
        if (!c.keyInKeyring)
            secrets.secrets.clear();
        EXPECT_FALSE(sendOrSave(queuedMessage(QStringLiteral("Rent"), 30)));
        EXPECT_TRUE(manager.getPendingMessages().contains(QStringLiteral("Rent")));
    }
    EXPECT_TRUE(service.bodies().isEmpty());
}

TEST_F(BWEmailManagerTest, AQueueFileThatCannotBeReadIsNeverOverwritten)
{
    const QString path = manager.getMailPath();
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("not a property list");
    file.close();

    EXPECT_FALSE(manager.createMessageWithTitle(QStringLiteral("Rent"), minutesAhead(30), store.daysFromNow(3)));
    EXPECT_TRUE(manager.getPendingMessages().isEmpty());
    QFile again(path);
    ASSERT_TRUE(again.open(QIODevice::ReadOnly));
    EXPECT_EQ(again.readAll(), "not a property list");
}

TEST_F(BWEmailManagerTest, TheTestMessageIsPostedAtOnce)
{
    QSignalSpy finished(&manager, &BWEmailManager::postFinished);
    manager.sendTestMessage();
    ASSERT_TRUE(finished.wait(10000));
    const QList<QPair<QString, QString>> fields = fieldsOfPost(0);
    EXPECT_EQ(fields.at(4).second, "Orvane Test Message");
    EXPECT_EQ(fields.at(5).second, "<p>Test</p>");
    EXPECT_EQ(fields.at(6).second, "0");
}

}  // namespace
