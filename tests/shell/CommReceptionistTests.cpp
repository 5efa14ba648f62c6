#include "shell/CommReceptionist.h"

#include <gtest/gtest.h>

namespace {

class Observed : public QObject
{
    Q_OBJECT
    Q_PROPERTY(int level READ level WRITE setLevel NOTIFY levelChanged)
    Q_PROPERTY(QString quiet READ quiet)

public:
    int level() const { return m_level; }
    void setLevel(int level)
    {
        m_level = level;
        emit levelChanged(level);
    }
    QString quiet() const { return {}; }

signals:
    void levelChanged(int level);
    void posted(const QString& subject);
    void postedNumber(int number);

private:
    int m_level = 1;
};

struct Call
{
    QString name;
    QObject* object;
    QVariantMap change;
};

class CommReceptionistTest : public testing::Test
{
protected:
    CommReceptionist::Task recorder()
    {
        return [this](const QString& name, QObject* object, const QVariantMap& change) {
            calls.append({name, object, change});
        };
    }

    Observed observed;
    QList<Call> calls;
};

TEST_F(CommReceptionistTest, ReportsEachChangeWithItsNewAndOldValue)
{
    auto receptionist = CommReceptionist::receptionistForKeyPath("level", &observed, recorder());
    ASSERT_TRUE(receptionist);
    observed.setLevel(5);
    observed.setLevel(7);
    ASSERT_EQ(calls.size(), 2);
    EXPECT_EQ(calls[0].name, "level");
    EXPECT_EQ(calls[0].object, &observed);
    EXPECT_EQ(calls[0].change.value(CommReceptionist::OldKey), 1);
    EXPECT_EQ(calls[0].change.value(CommReceptionist::NewKey), 5);
    EXPECT_EQ(calls[1].change.value(CommReceptionist::OldKey), 5);
    EXPECT_EQ(calls[1].change.value(CommReceptionist::NewKey), 7);
}

TEST_F(CommReceptionistTest, StopsReportingChangesOnceRemovedOrGone)
{
    auto removed = CommReceptionist::receptionistForKeyPath("level", &observed, recorder());
    removed->removeReceptionistForKeyPath();
    CommReceptionist::receptionistForKeyPath("level", &observed, recorder()).reset();
    observed.setLevel(2);
    EXPECT_TRUE(calls.isEmpty());
}

TEST_F(CommReceptionistTest, CannotObservePropertiesThatDoNotAnnounceChanges)
{
    EXPECT_FALSE(CommReceptionist::receptionistForKeyPath("quiet", &observed, recorder()));
    EXPECT_FALSE(CommReceptionist::receptionistForKeyPath("missing", &observed, recorder()));
    EXPECT_FALSE(CommReceptionist::receptionistForKeyPath("level", nullptr, recorder()));
}

TEST_F(CommReceptionistTest, RunsTheTaskForNotificationsFromAnySender)
{
    auto receptionist = CommReceptionist::receptionistForName("posted", &observed, QString(), recorder());
    ASSERT_TRUE(receptionist);
    emit observed.posted("org.one");
    emit observed.posted("org.two");
    ASSERT_EQ(calls.size(), 2);
    EXPECT_EQ(calls[0].name, "posted");
    EXPECT_EQ(calls[0].object, &observed);
    EXPECT_EQ(calls[0].change.value(CommReceptionist::SubjectKey), "org.one");
    EXPECT_EQ(calls[1].change.value(CommReceptionist::SubjectKey), "org.two");
}

TEST_F(CommReceptionistTest, ASenderLimitsTheNotificationsToThatSubject)
{
    auto receptionist = CommReceptionist::receptionistForName("posted", &observed, "org.two", recorder());
    emit observed.posted("org.one");
    emit observed.posted("org.two");
    emit observed.posted("org.two.more");
    ASSERT_EQ(calls.size(), 1);
    EXPECT_EQ(calls[0].change.value(CommReceptionist::SubjectKey), "org.two");
}

TEST_F(CommReceptionistTest, StopsRunningTheTaskOnceRemoved)
{
    auto receptionist = CommReceptionist::receptionistForName("posted", &observed, QString(), recorder());
    receptionist->removeReceptionistForName();
    emit observed.posted("org.one");
    EXPECT_TRUE(calls.isEmpty());
}

TEST_F(CommReceptionistTest, OutlivingTheCentreIsHarmless)
{
    auto centre = std::make_unique<Observed>();
    auto receptionist = CommReceptionist::receptionistForName("posted", centre.get(), QString(), recorder());
    centre.reset();
    receptionist->removeReceptionistForName();
    EXPECT_TRUE(calls.isEmpty());
}

TEST_F(CommReceptionistTest, NeedsANotificationThatNamesItsSubject)
{
    EXPECT_FALSE(CommReceptionist::receptionistForName("postedNumber", &observed, QString(), recorder()));
    EXPECT_FALSE(CommReceptionist::receptionistForName("missing", &observed, QString(), recorder()));
    EXPECT_FALSE(CommReceptionist::receptionistForName("posted", nullptr, QString(), recorder()));
}

}  // namespace

#include "CommReceptionistTests.moc"
