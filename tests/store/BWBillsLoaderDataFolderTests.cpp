#include "BWBillsLoaderTestFixture.h"

#include <QFileInfo>

#include "store/BWDataFolder.h"

namespace {

const QString kEnabled = QStringLiteral("BWCustomLocationEnabled");
const QString kBookmark = QStringLiteral("BWCustomLocationBookmark");
const QString kCachedPath = QStringLiteral("BWCusomLocationTempPath");
const QString kDropbox = QStringLiteral("BWDropboxSyncEnabled");

}  // namespace

class BWBillsLoaderDataFolderTest : public BWBillsLoaderTest
{
protected:
    // Chooses an existing folder the way the data-folder actions store it.
    QString choose(const QString& name)
    {
        const QString folder = temp.file(name);
        QDir().mkpath(folder);
        defaults.setBool(kEnabled, true);
        defaults.setObject(kBookmark, folder.toUtf8());
        defaults.setObject(kCachedPath, QString());
        return folder;
    }
};

TEST_F(BWBillsLoaderDataFolderTest, DefaultPlaceIsCreatedWithItsParents)
{
    ASSERT_FALSE(QFileInfo::exists(dataFolder()));
    EXPECT_EQ(loader().orvaneDirectory(), dataFolder());
    EXPECT_TRUE(QFileInfo(dataFolder()).isDir());
    EXPECT_EQ(loader().orvaneDropboxFolder(), QString());
}

TEST_F(BWBillsLoaderDataFolderTest, ChosenFolderGetsADataFolderInsideIt)
{
    const QString chosen = choose(QStringLiteral("Documents/Bills"));
    EXPECT_EQ(loader().orvaneDirectory(), chosen + QStringLiteral("/Orvane.ovdata"));
    EXPECT_EQ(defaults.stringForKey(kCachedPath), chosen + QStringLiteral("/Orvane.ovdata"));
    EXPECT_EQ(loader().orvaneDropboxFolder(), chosen);
}

TEST_F(BWBillsLoaderDataFolderTest, ChosenDataFolderIsUsedItself)
{
    const QString chosen = choose(QStringLiteral("Documents/Orvane.ovdata"));
    EXPECT_EQ(loader().orvaneDirectory(), chosen);
}

TEST_F(BWBillsLoaderDataFolderTest, DropboxFolderHoldsTheDataUnderApps)
{
    const QString dropbox = choose(QStringLiteral("Dropbox"));
    defaults.setBool(kDropbox, true);
    EXPECT_EQ(loader().orvaneDirectory(), dropbox + QStringLiteral("/Apps/Orvane/Orvane.ovdata"));
}

TEST_F(BWBillsLoaderDataFolderTest, CachedPathIsUsedUntilItIsEmptied)
{
    const QString first = choose(QStringLiteral("First"));
    EXPECT_EQ(loader().orvaneDirectory(), first + QStringLiteral("/Orvane.ovdata"));

    const QString second = temp.file(QStringLiteral("Second"));
    QDir().mkpath(second);
    defaults.setObject(kBookmark, second);   // a string names the folder as well as UTF-8 data
    EXPECT_EQ(loader().orvaneDirectory(), first + QStringLiteral("/Orvane.ovdata"));

    defaults.setObject(kCachedPath, QString());
    EXPECT_EQ(loader().orvaneDirectory(), second + QStringLiteral("/Orvane.ovdata"));
}

// At the start of a run the path an earlier run cached is not trusted: the
// chosen folder is resolved again, whether it moved on or is gone.
TEST_F(BWBillsLoaderDataFolderTest, AFreshResolutionIgnoresThePathAnEarlierRunCached)
{
    const QString first = choose(QStringLiteral("First"));
    EXPECT_EQ(loader().orvaneDirectory(), first + QStringLiteral("/Orvane.ovdata"));
    const QString second = choose(QStringLiteral("Second"));
    defaults.setObject(kCachedPath, first + QStringLiteral("/Orvane.ovdata"));
    EXPECT_EQ(BWDataFolder(env).resolveAfresh(), second + QStringLiteral("/Orvane.ovdata"));
    EXPECT_EQ(defaults.stringForKey(kCachedPath), second + QStringLiteral("/Orvane.ovdata"));
    EXPECT_EQ(BWDataFolder(env).chosenLocationAsStored(), second);

    // Unplugged: no path, and no stale one kept.
    QDir(second).removeRecursively();
    EXPECT_EQ(BWDataFolder(env).resolveAfresh(), QString());
    EXPECT_EQ(defaults.stringForKey(kCachedPath), QString());
    EXPECT_EQ(BWDataFolder(env).chosenLocationAsStored(), second);

    // The default place needs no resolving.
    defaults.setBool(kEnabled, false);
    EXPECT_EQ(BWDataFolder(env).resolveAfresh(), dataFolder());
    EXPECT_EQ(BWDataFolder(env).chosenLocationAsStored(), QString());
}

TEST_F(BWBillsLoaderDataFolderTest, ChosenFolderThatIsGoneOrRelativeGivesNoPath)
{
    choose(QStringLiteral("Gone"));
    QDir(temp.file(QStringLiteral("Gone"))).removeRecursively();
    EXPECT_EQ(loader().orvaneDirectory(), QString());
    EXPECT_EQ(defaults.stringForKey(kCachedPath), QString());

    defaults.setObject(kBookmark, QByteArray("relative/folder"));
    EXPECT_EQ(loader().orvaneDirectory(), QString());
    EXPECT_EQ(loader().orvaneDropboxFolder(), QString());
}

TEST_F(BWBillsLoaderDataFolderTest, LoadsReadTheChosenFolder)
{
    const QString chosen = choose(QStringLiteral("Documents/Orvane.ovdata"));
    env.defaultDataFolder = chosen;   // the fixture's writers put the files here
    writeIndex({writeBill(bill(QStringLiteral("Rent"), daysFromNow(1)))});
    env.defaultDataFolder = temp.file(QStringLiteral("elsewhere"));
    EXPECT_EQ(names(loader().loadBills()), QStringList{QStringLiteral("Rent")});
}
