#include "shell/BWPreferencePanes.h"

#include "platform/LoginItem.h"
#include "platform/RunningPrograms.h"
#include "platform/UserDefaults.h"
#include "shell/AppHelper.h"
#include "store/BWRegisteredDefaults.h"
#include "shell/MGPreferencePanel.h"
#include "store/BWDefaultsKeys.h"
#include "support/TempFolder.h"

#include "platform/Clock.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDBusConnection>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>

#include <gtest/gtest.h>

using namespace BWDefaultsKeys;

namespace {

// The six panes over registered defaults in a temporary file, with the
// start-at-login switch writing autostart entries into a temporary folder.
class BWPreferencePanesTest : public testing::Test
{
protected:
    BWPreferencePanesTest()
    {
        defaults.registerDefaults(BWRegisteredDefaults::table(clock));
        BWPreferencePanes::Services services;
        services.applyStartAtLogin = [this] { return loginWorks && helper.setLaunchAtLogin(defaults); };
        services.showAlert = [this](QWidget*, const QString& message, const QString&) { alerts.append(message); };
        services.dataFolder = temp.file(QStringLiteral("Orvane.ovdata"));
        services.chooseFolder = [this](QWidget*, const QString&, const QString&) { return chosenFolder; };
        services.playSampleSound = [this] { used.append(QStringLiteral("playSampleSound")); };
        services.deleteKeyValueData = [this](QWidget*) { used.append(QStringLiteral("deleteKeyValueData")); };
        // As the phone sync's link ends or a run completes, the title flips.
        services.togglePhoneSync = [this] {
            used.append(QStringLiteral("phoneSync"));
            defaults.setObject(BWTurnSyncOffButtonTitle, QStringLiteral("Turn Off Sync"));
        };
        services.calendarFolder = temp.file(QStringLiteral("calendars"));
        services.calendarFile = [this] { return calendarFile; };
        services.openFolder = [this](const QString& folder) { used.append(QStringLiteral("open ") + folder); };
        panes = std::make_unique<BWPreferencePanes>(defaults, services);
        panes->fill(panel);
        panel.awakeFromNib();
        panel.window()->show();
    }

    template<typename Control>
    Control* control(MGPreferencePanel::Pane pane, const QString& text = {}) const
    {
        for (Control* found : panel.pane(pane)->findChildren<Control*>()) {
            if (text.isEmpty() || found->property("text").toString() == text)
                return found;
        }
        ADD_FAILURE() << "no control " << text.toStdString();
        return nullptr;
    }

    TempFolder temp;
    Clock clock;
    UserDefaults defaults{temp.file(QStringLiteral("Orvane.plist"))};
    LoginItem loginItems{temp.file(QStringLiteral("autostart")), "[Desktop Entry]\nExec=@PROGRAM@\n",
                         QStringLiteral("/opt/orvane/OrvaneAgent")};
    RunningPrograms noPrograms{QDBusConnection(QStringLiteral("never-connected"))};
    AppHelper helper{loginItems, noPrograms};
    bool loginWorks = true;
    QString chosenFolder;
    QString calendarFile;
    QStringList alerts;
    QStringList used;
    MGPreferencePanel panel;
    std::unique_ptr<BWPreferencePanes> panes;
};

TEST_F(BWPreferencePanesTest, SwitchesShowAndStoreTheirSettings)
{
    struct Case
    {
        MGPreferencePanel::Pane pane;
        QString title;
        QString key;
        bool registered;
    };
    const Case cases[] = {
        {MGPreferencePanel::General, "Balance", Balance, false},
        {MGPreferencePanel::General, "Average", Average, true},
        {MGPreferencePanel::General, "Open pay sites inside Orvane", BWPayWithInternalBrowser, true},
        {MGPreferencePanel::Reminders, "Also add reminders to my calendar", BWReminderEvents, false},
        {MGPreferencePanel::Logging, "Play a sound after a payment is logged", BRWPlayInterfaceSounds, true},
        {MGPreferencePanel::Income, "Show paydays on the overview", BWShowPaydaysOnOverview, true},
        {MGPreferencePanel::Advanced, "Avoid weekends", BWAvoidWeekends, false},
        {MGPreferencePanel::Advanced, "Hide bills paid automatically", BWHideAutoMaticBillsInOverview, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.title.toStdString());
        QCheckBox* box = control<QCheckBox>(c.pane, c.title);
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(box->isChecked(), c.registered);
        QSignalSpy changed(panes.get(), &BWPreferencePanes::settingChanged);
        box->click();
        EXPECT_EQ(defaults.boolForKey(c.key), !c.registered);
        EXPECT_EQ(UserDefaults(defaults.path()).boolForKey(c.key), !c.registered);
        ASSERT_EQ(changed.count(), 1);
        EXPECT_EQ(changed.first().first().toString(), c.key);
    }
}

TEST_F(BWPreferencePanesTest, NumbersChoicesAndTextsAreStoredAsTheirSettings)
{
    control<QSpinBox>(MGPreferencePanel::General)->setValue(10);
    EXPECT_EQ(defaults.integerForKey(BWDueSoonDays), 10);

    QComboBox* visibility = control<QComboBox>(MGPreferencePanel::General);
    EXPECT_EQ(visibility->currentText(), "Taskbar and tray");
    visibility->setCurrentIndex(1);
    emit visibility->activated(1);
    EXPECT_EQ(defaults.integerForKey(OrvaneVisibility), 1);

    QLineEdit* address = nullptr;
    for (QLineEdit* field : panel.pane(MGPreferencePanel::Reminders)->findChildren<QLineEdit*>()) {
        if (field->placeholderText() == "name@example.com")
            address = field;
    }
    ASSERT_NE(address, nullptr);
    address->setText(QStringLiteral("me@example.org"));
    emit address->editingFinished();
    EXPECT_EQ(defaults.stringForKey(LEMAddress), "me@example.org");
}

// Nothing sends reminder e-mails, so the address for them is not asked for.
TEST_F(BWPreferencePanesTest, TheReminderEmailAddressIsNotOffered)
{
    QWidget* pane = panel.pane(MGPreferencePanel::Reminders);
    for (QWidget* control : pane->findChildren<QWidget*>()) {
        const auto* label = qobject_cast<QLabel*>(control);
        const auto* field = qobject_cast<QLineEdit*>(control);
        const bool aboutEmail = (label && label->text().contains(QStringLiteral("E-mail")))
            || (field && field->placeholderText() == QStringLiteral("name@example.com"));
        EXPECT_FALSE(aboutEmail && control->isVisibleTo(pane)) << control->metaObject()->className();
    }
}

TEST_F(BWPreferencePanesTest, StartAtLoginWritesTheAutostartEntryOrStaysOff)
{
    QCheckBox* startAtLogin = control<QCheckBox>(MGPreferencePanel::General, "Start Orvane when I log in");
    const QString entry = loginItems.entryPath(AppHelper::AgentBundleID);

    loginWorks = false;
    startAtLogin->click();
    EXPECT_FALSE(startAtLogin->isChecked());
    EXPECT_FALSE(defaults.boolForKey(EnableStartAtLoginMenu));
    EXPECT_EQ(alerts, QStringList{"Start at Login Not Changed"});
    EXPECT_FALSE(QFile::exists(entry));

    loginWorks = true;
    startAtLogin->click();
    EXPECT_TRUE(defaults.boolForKey(EnableStartAtLoginMenu));
    EXPECT_TRUE(QFile::exists(entry));
    startAtLogin->click();
    EXPECT_FALSE(QFile::exists(entry));
}

// The button beside the actions menu: each bill's own last action, or one
// action for all, stored as the setting's value for it.
TEST_F(BWPreferencePanesTest, TheSecondaryActionIsChosenByName)
{
    QComboBox* choice = nullptr;
    for (QComboBox* box : panel.pane(MGPreferencePanel::Advanced)->findChildren<QComboBox*>()) {
        if (box->findText(QStringLiteral("Quick Log")) >= 0)
            choice = box;
    }
    ASSERT_NE(choice, nullptr);
    EXPECT_EQ(choice->currentText(), QStringLiteral("The bill's last action"));
    const std::pair<QString, qlonglong> choices[] = {
        {"Log Partial", 2},
        {"Skip Payment", 3},
        {"Quick Log", 4},
        {"View Website", 6},
        {"Pay Now", 7},
        {"Edit Bill / Edit Income", 9},
        {"The bill's last action", 0},
    };
    for (const auto& [title, value] : choices) {
        SCOPED_TRACE(title.toStdString());
        const int row = choice->findText(title);
        ASSERT_GE(row, 0);
        choice->setCurrentIndex(row);
        emit choice->activated(row);
        EXPECT_EQ(defaults.integerForKey(BWSecondaryActionSetting), value);
    }
    // A value no choice stands for (any other one shows the menu's first
    // action) is shown as no choice.
    ASSERT_TRUE(defaults.setInteger(BWSecondaryActionSetting, 5));
    panel.window()->hide();
    panel.window()->show();
    EXPECT_EQ(choice->currentIndex(), -1);
}

// Calendar reminders go to a file a calendar program subscribes to: the pane
// names it (or its folder, before the first reminder made it) and opens the
// folder.
TEST_F(BWPreferencePanesTest, TheRemindersPaneShowsTheCalendarFile)
{
    QWidget* pane = panel.pane(MGPreferencePanel::Reminders);
    auto* file = pane->findChild<QLabel*>(QStringLiteral("calendarFile"));
    ASSERT_NE(file, nullptr);
    EXPECT_TRUE(file->text().startsWith(temp.file(QStringLiteral("calendars"))));
    EXPECT_TRUE(file->text().contains(QStringLiteral("first calendar reminder")));

    calendarFile = temp.file(QStringLiteral("calendars/ABC.ics"));
    panel.window()->hide();
    panel.window()->show();
    EXPECT_EQ(file->text(), calendarFile);

    pane->findChild<QPushButton*>(QStringLiteral("openCalendarFolder"))->click();
    EXPECT_EQ(used, QStringList{"open " + temp.file(QStringLiteral("calendars"))});
    EXPECT_NE(control<QLabel>(MGPreferencePanel::Reminders,
                              "To see these reminders in a calendar program, subscribe to this file there "
                              "(in Thunderbird: New Calendar, On the Network, the file's location)."),
              nullptr);
}

TEST_F(BWPreferencePanesTest, OpeningTheWindowShowsSettingsChangedElsewhere)
{
    panel.window()->hide();
    ASSERT_TRUE(defaults.setBool(LastPaid, true));
    panel.window()->show();
    EXPECT_TRUE(control<QCheckBox>(MGPreferencePanel::General, "Last Paid")->isChecked());
}

}  // namespace

TEST_F(BWPreferencePanesTest, TheSyncSwitchShowsTheStoredSettingAndWhyItWentOff)
{
    auto* sync =
        control<QCheckBox>(MGPreferencePanel::Sync, QStringLiteral("Keep my bills in step on all my computers"));
    ASSERT_NE(sync, nullptr);
    sync->click();
    EXPECT_TRUE(defaults.boolForKey(iCloudSyncEnabled2));

    // The shell finds no shared folder and stores the switch off again.
    ASSERT_TRUE(defaults.setBool(iCloudSyncEnabled2, false));
    const QString why = QStringLiteral("No shared folder is in use: choose one below, then start Orvane again.");
    panes->showCloudSyncSwitchedOff(why);
    EXPECT_FALSE(sync->isChecked());
    QLabel* reason = control<QLabel>(MGPreferencePanel::Sync, why);
    ASSERT_NE(reason, nullptr);
    EXPECT_FALSE(reason->isHidden());

    sync->click();   // trying again clears the old reason
    EXPECT_TRUE(reason->isHidden());
    EXPECT_TRUE(defaults.boolForKey(iCloudSyncEnabled2));
}

TEST_F(BWPreferencePanesTest, SharedSyncFolderIsChosenOnTheSyncPane)
{
    QSignalSpy changes(panes.get(), &BWPreferencePanes::settingChanged);
    auto* choose = control<QPushButton>(MGPreferencePanel::Sync, QStringLiteral("Choose…"));
    ASSERT_NE(choose, nullptr);

    choose->click();   // cancelled
    EXPECT_EQ(defaults.stringForKey(BWSharedSyncFolder), QString());
    EXPECT_EQ(changes.count(), 0);

    chosenFolder = temp.file(QStringLiteral("Sync/Orvane"));
    choose->click();
    EXPECT_EQ(defaults.stringForKey(BWSharedSyncFolder), chosenFolder);
    ASSERT_EQ(changes.count(), 1);
    EXPECT_EQ(changes.at(0).at(0).toString(), BWSharedSyncFolder);
    EXPECT_NE(control<QLabel>(MGPreferencePanel::Sync, chosenFolder), nullptr);
}

// The buttons that only hand their command to the program.
TEST_F(BWPreferencePanesTest, CommandButtonsReachTheirServices)
{
    const struct {
        MGPreferencePanel::Pane pane;
        const char* name;
    } buttons[] = {{MGPreferencePanel::Logging, "playSampleSound"},
                   {MGPreferencePanel::Sync, "deleteKeyValueData"},
                   {MGPreferencePanel::Sync, "phoneSync"}};
    for (const auto& b : buttons) {
        SCOPED_TRACE(b.name);
        auto* button = panel.pane(b.pane)->findChild<QPushButton*>(QString::fromLatin1(b.name));
        ASSERT_NE(button, nullptr);
        button->click();
        EXPECT_EQ(used.last(), QString::fromLatin1(b.name));
    }
    EXPECT_EQ(used.size(), 3);
    EXPECT_EQ(panel.pane(MGPreferencePanel::Sync)->findChild<QPushButton*>("phoneSync")->text(),
              QStringLiteral("Turn Off Sync"));
}
