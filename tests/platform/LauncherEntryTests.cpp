#include "platform/LauncherEntry.h"

#include <QDBusConnection>
#include <QSignalSpy>
#include <QVariantMap>

#include <gtest/gtest.h>

namespace {

// Hears the launcher signals on the session bus.
class LauncherListener : public QObject
{
    Q_OBJECT

public:
    explicit LauncherListener(QDBusConnection bus)
    {
        bus.connect(QString(), QString(), LauncherEntry::Interface, QStringLiteral("Update"), this,
                    SLOT(update(QString, QVariantMap)));
    }

signals:
    void heard(const QString& appUri, const QVariantMap& properties);

public slots:
    void update(const QString& appUri, const QVariantMap& properties) { emit heard(appUri, properties); }
};

}  // namespace

TEST(LauncherEntry, SendsTheCountAndClearsIt)
{
    QDBusConnection listening = QDBusConnection::connectToBus(QDBusConnection::SessionBus, QStringLiteral("listener"));
    if (!listening.isConnected())
        GTEST_SKIP() << "no session bus";
    LauncherListener listener(listening);
    QSignalSpy heard(&listener, &LauncherListener::heard);
    LauncherEntry entry(QDBusConnection::sessionBus());

    struct Case
    {
        QString label;
        qlonglong count;
        bool visible;
    };
    const Case cases[] = {{QStringLiteral("3"), 3, true}, {QString(), 0, false}, {QStringLiteral("0"), 0, false}};
    for (const Case& each : cases) {
        heard.clear();
        ASSERT_TRUE(entry.setBadgeLabel(each.label));
        ASSERT_TRUE(heard.wait(5000)) << each.label.toStdString();
        EXPECT_EQ(heard.first().at(0).toString(), LauncherEntry::DefaultAppUri);
        const QVariantMap properties = heard.first().at(1).toMap();
        EXPECT_EQ(properties.value(QStringLiteral("count")).toLongLong(), each.count);
        EXPECT_EQ(properties.value(QStringLiteral("count-visible")).toBool(), each.visible);
    }
    QDBusConnection::disconnectFromBus(QStringLiteral("listener"));
}

#include "LauncherEntryTests.moc"
