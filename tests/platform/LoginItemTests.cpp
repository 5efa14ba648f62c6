#include "platform/LoginItem.h"

#include "support/TempFolder.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

namespace {

const QByteArray Template = "[Desktop Entry]\nType=Application\nName=Agent\nExec=@PROGRAM@\n";
const QString Id = QStringLiteral("com.Bramwick.OrvaneAgent");

class LoginItemTest : public testing::Test
{
protected:
    QString folder() const { return temp.file("autostart"); }
    LoginItem item(const QString& program = "/opt/orvane/OrvaneAgent") const
    {
        return LoginItem(folder(), Template, program);
    }
    QByteArray entry(const QString& name = Id) const { return temp.read("autostart/" + name + ".desktop"); }
    void writeEntry(const QString& name, const QByteArray& text) const
    {
        temp.write("autostart/" + name + ".desktop", text);
    }

    TempFolder temp;
};

TEST_F(LoginItemTest, EnablingWritesTheTemplateWithTheProgramIntoANewFolder)
{
    ASSERT_FALSE(QDir(folder()).exists());
    EXPECT_TRUE(item().setEnabled(Id, true));
    EXPECT_EQ(entry(), "[Desktop Entry]\nType=Application\nName=Agent\nExec=/opt/orvane/OrvaneAgent\n");
}

TEST_F(LoginItemTest, QuotesAProgramPathSoThatItStaysOneArgument)
{
    EXPECT_EQ(item("/opt/orvane-6.0/bin_x/Agent+1").entryText().split('\n').at(3), "Exec=/opt/orvane-6.0/bin_x/Agent+1");
    EXPECT_EQ(item("/opt/100%/Agent").entryText().split('\n').at(3), "Exec=/opt/100%%/Agent");
    EXPECT_EQ(item("/home/a b/it's/OrvaneAgent").entryText().split('\n').at(3),
              "Exec=\"/home/a b/it's/OrvaneAgent\"");
    // Within the quotes " ` $ and \ are escaped, and the escaping backslash
    // is itself escaped once more; % would otherwise start a field code.
    EXPECT_EQ(item("/x/\"q\"/$HOME/`id`/b\\s/100%/a").entryText().split('\n').at(3),
              "Exec=\"/x/\\\\\"q\\\\\"/\\\\$HOME/\\\\`id\\\\`/b\\\\\\\\s/100%%/a\"");
}

TEST_F(LoginItemTest, EnablingAgainReplacesAStaleEntryWhole)
{
    writeEntry(Id, "[Desktop Entry]\nExec=/old/build/OrvaneAgent\nHidden=true\nX-Extra=1\n");
    EXPECT_TRUE(item().setEnabled(Id, true));
    EXPECT_EQ(entry(), item().entryText());
}

TEST_F(LoginItemTest, DisablingRemovesTheEntryAndLeavesOthers)
{
    writeEntry(Id, Template);
    writeEntry("org.other.Tool", Template);
    EXPECT_TRUE(item().setEnabled(Id, false));
    EXPECT_FALSE(QFile::exists(item().entryPath(Id)));
    EXPECT_TRUE(QFile::exists(item().entryPath("org.other.Tool")));
}

TEST_F(LoginItemTest, ReportsWhenTheEntryCannotBeChanged)
{
    // A folder in the entry's place can be neither replaced nor removed.
    temp.write("autostart/" + Id + ".desktop/keep", "x");
    EXPECT_FALSE(item().setEnabled(Id, true));
    EXPECT_FALSE(item().setEnabled(Id, false));
}

TEST_F(LoginItemTest, ReportsWhenTheFolderCannotBeMade)
{
    temp.write("autostart", "a file where the folder belongs");
    EXPECT_FALSE(item().setEnabled(Id, true));
}

TEST_F(LoginItemTest, RefusesIdsThatWouldNameAFileElsewhere)
{
    for (const QString& id : {QString(), QStringLiteral("../escape"), QStringLiteral("a/b"),
                              QStringLiteral(".hidden"), QStringLiteral("..")}) {
        EXPECT_FALSE(item().setEnabled(id, true)) << id.toStdString();
        EXPECT_FALSE(item().setEnabled(id, false)) << id.toStdString();
    }
    EXPECT_FALSE(QDir(folder()).exists());
    EXPECT_FALSE(QFile::exists(temp.file("escape.desktop")));
}

TEST_F(LoginItemTest, ListsEntriesWithWhetherTheyStartAtLogin)
{
    writeEntry("b.enabled", "[Desktop Entry]\nExec=x\n");
    writeEntry("c.hidden", "[Desktop Entry]\nHidden=true\n");
    writeEntry("a.switchedOff", "[Desktop Entry]\nX-GNOME-Autostart-enabled=false\n");
    writeEntry("d.otherGroup", "[Desktop Entry]\nExec=x\n[Desktop Action off]\nHidden=true\n");
    temp.write("autostart/notes.txt", "not an entry");

    const QList<LoginItem::Job> jobs = item().jobs();
    ASSERT_EQ(jobs.size(), 4);
    EXPECT_EQ(jobs[0].label, "a.switchedOff");
    EXPECT_FALSE(jobs[0].onDemand);
    EXPECT_EQ(jobs[1].label, "b.enabled");
    EXPECT_TRUE(jobs[1].onDemand);
    EXPECT_FALSE(jobs[2].onDemand);
    EXPECT_TRUE(jobs[3].onDemand);
}

TEST(LoginItemFolder, FollowsXdgConfigHomeAndFallsBackToTheHomeFolder)
{
    const QByteArray saved = qgetenv("XDG_CONFIG_HOME");
    qputenv("XDG_CONFIG_HOME", "/somewhere/config");
    EXPECT_EQ(LoginItem::defaultFolder(), "/somewhere/config/autostart");
    qputenv("XDG_CONFIG_HOME", "relative/config");
    EXPECT_EQ(LoginItem::defaultFolder(), QDir::homePath() + "/.config/autostart");
    qunsetenv("XDG_CONFIG_HOME");
    EXPECT_EQ(LoginItem::defaultFolder(), QDir::homePath() + "/.config/autostart");
    qputenv("XDG_CONFIG_HOME", saved);
}

}  // namespace
