#include "shell/BWUpdateHelper.h"

#include <QAction>
#include <QMenu>

#include <gtest/gtest.h>

// An updater built into the program, looked up by its class name.
class TestUpdater : public QObject
{
    Q_OBJECT

public:
    Q_INVOKABLE TestUpdater() { ++made; }
    static inline int made = 0;
    static inline int checks = 0;

public slots:
    void checkForUpdates() { ++checks; }
};

namespace {

QMenu* applicationMenu(QWidget* owner)
{
    auto* menu = new QMenu(owner);
    menu->addAction("About Orvane");
    menu->addAction("Preferences…");
    menu->addSeparator();
    menu->addAction("Quit Orvane");
    return menu;
}

TEST(UpdatesMenu, WithoutAnUpdaterTheMenuStaysAsItWas)
{
    QWidget owner;
    QMenu* menu = applicationMenu(&owner);
    const QList<QAction*> before = menu->actions();

    EXPECT_FALSE(BWUpdateHelper::make());
    EXPECT_FALSE(BWUpdateHelper::addUpdatesMenu(menu));
    EXPECT_EQ(menu->actions(), before);
    EXPECT_FALSE(BWUpdateHelper::addUpdatesMenu(nullptr));
}

class UpdatesMenuWithUpdater : public testing::Test
{
protected:
    void SetUp() override
    {
        qRegisterMetaType<TestUpdater*>();
        TestUpdater::made = TestUpdater::checks = 0;
    }
};

TEST_F(UpdatesMenuWithUpdater, PutsTheItemAndASeparatorAfterTheFirstItem)
{
    QWidget owner;
    QMenu* menu = applicationMenu(&owner);
    const QList<QAction*> before = menu->actions();

    ASSERT_TRUE(BWUpdateHelper::addUpdatesMenu(menu, "TestUpdater"));
    const QList<QAction*> after = menu->actions();
    ASSERT_EQ(after.size(), before.size() + 2);
    EXPECT_EQ(after[0], before[0]);
    EXPECT_TRUE(after[1]->isSeparator());
    EXPECT_EQ(after[2]->text(), "Check for Updates…");
    EXPECT_EQ(after.mid(3), before.mid(1));
}

TEST_F(UpdatesMenuWithUpdater, TheItemOutlivesTheHelperAndAsksTheUpdater)
{
    QWidget owner;
    QMenu* menu = applicationMenu(&owner);
    ASSERT_TRUE(BWUpdateHelper::addUpdatesMenu(menu, "TestUpdater"));
    EXPECT_EQ(TestUpdater::made, 1);
    menu->actions().at(2)->trigger();
    EXPECT_EQ(TestUpdater::checks, 1);
}

TEST_F(UpdatesMenuWithUpdater, AnEmptyMenuTakesTheItemAtItsEnd)
{
    QMenu menu;
    ASSERT_TRUE(BWUpdateHelper::addUpdatesMenu(&menu, "TestUpdater"));
    ASSERT_EQ(menu.actions().size(), 2);
    EXPECT_TRUE(menu.actions()[0]->isSeparator());
    EXPECT_EQ(menu.actions()[1]->text(), "Check for Updates…");
}

}  // namespace

#include "BWUpdateHelperTests.moc"
