#include "shell/BWPreferencePanes.h"

#include "platform/UserDefaults.h"
#include "shell/BWObjectController.h"
#include "shell/BWPasswordLock.h"
#include "shell/MGPreferencePanel.h"
#include "store/BWDefaultsKeys.h"
#include "store/BWSecondaryActionKeys.h"
#include "sync/BWPhoneSync.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QLineEdit>
#include <QSpinBox>
#include <QTimeEdit>
#include <QVBoxLayout>

using namespace BWDefaultsKeys;

namespace {

constexpr int PaneWidth = 520;
constexpr int MaxDueSoonDays = 60;
constexpr int MaxReminderDays = 60;

// A pane: a column of groups with room around them.
QWidget* makePane(const QList<QWidget*>& groups)
{
    auto* pane = new QWidget;
    auto* layout = new QVBoxLayout(pane);
    layout->setContentsMargins(20, 16, 20, 16);
    for (QWidget* group : groups)
        layout->addWidget(group);
    layout->addStretch();
    pane->setMinimumWidth(PaneWidth);
    return pane;
}

struct Row
{
    QString label;   // may be empty: the control lines up with the others
    QWidget* control;
    bool wholeWidth = false;   // the control takes the label's room too
};

QGroupBox* makeGroup(const QString& title, const QList<Row>& rows)
{
    auto* group = new QGroupBox(title);
    auto* form = new QFormLayout(group);
    for (const Row& row : rows) {
        if (row.wholeWidth)
            form->addRow(row.control);
        else
            form->addRow(row.label, row.control);
    }
    return group;
}

QLabel* note(const QString& text)
{
    auto* label = new QLabel(text);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->setEnabled(false);
    return label;
}

}  // namespace

BWPreferencePanes::BWPreferencePanes(UserDefaults& defaults, Services services, QObject* parent)
    : QObject(parent), m_defaults(defaults), m_services(std::move(services)), m_binding(defaults)
{
    connect(&m_binding, &BWDefaultsBinding::settingChanged, this, &BWPreferencePanes::settingChanged);
}

void BWPreferencePanes::fill(MGPreferencePanel& panel)
{
    panel.setPane(MGPreferencePanel::General, generalPane());
    panel.setPane(MGPreferencePanel::Sync, syncPane());
    panel.setPane(MGPreferencePanel::Reminders, remindersPane());
    panel.setPane(MGPreferencePanel::Logging, loggingPane());
    panel.setPane(MGPreferencePanel::Income, incomePane());
    panel.setPane(MGPreferencePanel::Advanced, advancedPane());
    // Settings also change outside the window (and the registered defaults
    // arrive after it was built): it shows them as they are when it opens.
    panel.window()->installEventFilter(this);
}

void BWPreferencePanes::showCloudSyncSwitchedOff(const QString& reason)
{
    m_binding.refresh();
    if (!m_syncOffReason)
        return;
    m_syncOffReason->setText(reason);
    m_syncOffReason->show();
}

bool BWPreferencePanes::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Show) {
        m_binding.refresh();
        refreshState();
    }
    return QObject::eventFilter(watched, event);
}

void BWPreferencePanes::refreshState()
{
    // The File menu's rule: moving back needs the data to be elsewhere.
    if (m_moveBackButton && m_services.commandIsEnabled)
        m_moveBackButton->setEnabled(m_services.commandIsEnabled(BWMenuValidation::Command::MoveDatabaseBack));
    if (m_calendarFile) {
        const QString file = m_services.calendarFile ? m_services.calendarFile() : QString();
        m_calendarFile->setText(
            file.isEmpty() ? tr("%1 (the file is made with the first calendar reminder)").arg(m_services.calendarFolder)
                           : file);
    }
}

QWidget* BWPreferencePanes::generalPane()
{
    QCheckBox* startAtLogin = m_binding.checkBox(tr("Start Orvane when I log in"), EnableStartAtLoginMenu);
    auto* visibility =
        makeGroup(tr("Show Orvane"),
                  {{tr("Show Orvane in:"), m_binding.comboBox(OrvaneVisibility, {tr("Taskbar and tray"), tr("Tray only"),
                                                                                 tr("Taskbar only")})},
                   {{}, note(tr("Takes effect the next time Orvane starts."))},
                   {{}, m_binding.checkBox(tr("Show the number of bills due soon in the tray"),
                                           BWShouldDisplayStatusTitle)},
                   {{}, m_binding.checkBox(tr("Colour the tray icon by the most urgent bill"),
                                           BWShouldDisplayStatusColors)},
                   {{}, startAtLogin}});
    auto* overview = makeGroup(tr("Overview"),
                               {{tr("Bills count as due soon within:"), m_binding.spinBox(BWDueSoonDays, 1, MaxDueSoonDays)},
                                {tr("Columns shown:"), m_binding.checkBox(tr("Average"), Average)},
                                {{}, m_binding.checkBox(tr("Amount"), Amount)},
                                {{}, m_binding.checkBox(tr("Balance"), Balance)},
                                {{}, m_binding.checkBox(tr("Last Paid"), LastPaid)}});
    auto* paySites = makeGroup(
        tr("Pay Sites"), {{{}, m_binding.checkBox(tr("Open pay sites inside Orvane"), BWPayWithInternalBrowser)}});
    QWidget* pane = makePane({visibility, overview, paySites});
    if (m_services.lock) {
        auto* lockRow = new QWidget;
        auto* row = new QHBoxLayout(lockRow);
        row->setContentsMargins(0, 0, 0, 0);
        row->addWidget(m_services.lock->passwordStatus());
        row->addStretch();
        row->addWidget(m_services.lock->enableDisablePasswordButton());
        auto* password = makeGroup(tr("Password Protection"), {{tr("Password:"), lockRow}});
        static_cast<QVBoxLayout*>(pane->layout())->insertWidget(2, password);
    }
    connect(startAtLogin, &QCheckBox::toggled, this, [this, pane] { startAtLoginChanged(pane); });
    return pane;
}

QWidget* BWPreferencePanes::sharedFolderRow()
{
    auto* row = new QWidget;
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* folder = new QLabel(m_defaults.stringForKey(BWSharedSyncFolder));
    folder->setTextFormat(Qt::PlainText);
    folder->setWordWrap(true);
    layout->addWidget(folder, 1);
    if (m_services.chooseFolder) {
        auto* choose = new QPushButton(tr("Choose…"), row);
        connect(choose, &QPushButton::clicked, this, [this, row, folder] {
            const QString chosen = m_services.chooseFolder(row->window(), tr("Shared Sync Folder"), tr("Choose"));
            if (chosen.isEmpty())
                return;
            if (!m_defaults.setObject(BWSharedSyncFolder, chosen)) {
                m_services.showAlert(row->window(), tr("The shared folder could not be stored."), QString());
                return;
            }
            folder->setText(chosen);
            emit settingChanged(BWSharedSyncFolder);
        });
        layout->addWidget(choose);
    }
    return row;
}

QWidget* BWPreferencePanes::syncPane()
{
    auto* folder = new QLabel(m_services.dataFolder);
    folder->setTextFormat(Qt::PlainText);
    folder->setTextInteractionFlags(Qt::TextSelectableByMouse);
    folder->setWordWrap(true);
    // The switch only records the choice; the shell asks for the account
    // and switches it back off when there is none, saying why below it.
    m_syncOffReason = new QLabel;
    m_syncOffReason->setTextFormat(Qt::PlainText);
    m_syncOffReason->setWordWrap(true);
    m_syncOffReason->hide();
    connect(&m_binding, &BWDefaultsBinding::settingChanged, m_syncOffReason,
            [reason = m_syncOffReason](const QString& key) {
                if (key == iCloudSyncEnabled2)
                    reason->hide();
            });
    auto* devices = makeGroup(tr("Sync Between Computers"),
                              {{{}, m_binding.checkBox(tr("Keep my bills in step on all my computers"),
                                                       iCloudSyncEnabled2)},
                               {{}, m_syncOffReason},
                               {tr("Shared folder:"), sharedFolderRow()},
                               {{}, note(tr("A folder that Syncthing, Nextcloud or Dropbox keeps the same on each "
                                            "computer. Takes effect the next time Orvane starts."))}});
    QList<QWidget*> groups{devices};
    if (QGroupBox* other = otherSyncGroup())
        groups.append(other);
    // A path reads best on a line of its own, as wide as the group.
    const QList<Row> folderRows{{{}, new QLabel(tr("Your bills are kept in:")), true}, {{}, folder, true}};
    BWObjectController* actions = m_services.dataFolderActions;
    if (!actions)
        return makePane(groups << makeGroup(tr("Database"), folderRows));

    connect(actions, &BWObjectController::dataFolderChanged, folder, [this, folder, actions] {
        folder->setText(actions->dataFolderPath());
        refreshState();
    });
    // Two columns of buttons keep the pane within a small screen's height.
    auto* buttons = new QWidget;
    auto* grid = new QGridLayout(buttons);
    grid->setContentsMargins(0, 0, 0, 0);
    const std::pair<QString, void (BWObjectController::*)()> choices[] = {
        {tr("Move Database…"), &BWObjectController::moveToNewSecurityScopedDatabaseLocation},
        {tr("Open Database Elsewhere…"), &BWObjectController::loadSecurityScopedDatabase},
        {tr("Keep Database in Dropbox…"), &BWObjectController::startSync},
        {tr("Get a Dropbox Account…"), &BWObjectController::getAccount},
        {tr("Move Back to the Usual Place"), &BWObjectController::resetDatabaseLocation},
        {tr("Restore Yesterday's Backup…"), &BWObjectController::restoreDatabase},
    };
    int place = 0;
    for (const auto& [title, action] : choices) {
        auto* button = new QPushButton(title, buttons);
        // Their dialogs come up over the preferences, where the user is.
        connect(button, &QPushButton::clicked, actions,
                [actions, button, action] { actions->runWithDialogsOn(button->window(), action); });
        grid->addWidget(button, place / 2, place % 2);
        ++place;
        if (action == &BWObjectController::resetDatabaseLocation) {
            button->setObjectName(QStringLiteral("moveDatabaseBack"));
            m_moveBackButton = button;
        }
    }
    refreshState();
    return makePane(groups << makeGroup(tr("Database"), folderRows + QList<Row>{{QString(), buttons, true}}));
}

QGroupBox* BWPreferencePanes::otherSyncGroup()
{
    QList<Row> rows;
    if (m_services.togglePhoneSync) {
        QPushButton* phone = m_binding.titledButton(BWTurnSyncOffButtonTitle, tr("Turn On Sync"));
        phone->setObjectName(QStringLiteral("phoneSync"));
        connect(phone, &QPushButton::clicked, this, [this] {
            m_services.togglePhoneSync();
            m_binding.refresh();
        });
        rows.append(Row{tr("Orvane for phones:"), phone});
        rows.append(Row{QString(), note(BWPhoneSync::nothingExchangedNotice())});
    }
    if (m_services.deleteKeyValueData) {
        auto* clear = new QPushButton(tr("Delete iCloud Data…"));
        clear->setObjectName(QStringLiteral("deleteKeyValueData"));
        connect(clear, &QPushButton::clicked, this, [this, clear] { m_services.deleteKeyValueData(clear->window()); });
        rows.append(Row{tr("Older sync:"), clear});
    }
    return rows.isEmpty() ? nullptr : makeGroup(tr("Other Sync"), rows);
}

QWidget* BWPreferencePanes::remindersPane()
{
    QSpinBox* days = m_binding.spinBox(BWReminderDays, 0, MaxReminderDays);
    days->setSuffix(tr(" days before"));
    auto* how = makeGroup(
        tr("Reminders"),
        {{{}, m_binding.checkBox(tr("Show reminders as desktop notifications"), BWEnableNotificationCenter)},
         {{}, m_binding.checkBox(tr("Also add reminders to my calendar"), BWReminderEvents)},
         {tr("Calendar:"), m_binding.lineEdit(BWReminderCalendarName)},
         {tr("Remind me at:"), m_binding.timeEdit(BWReminderTime)}});
    auto* newBills = makeGroup(tr("New Bills"),
                               {{{}, m_binding.checkBox(tr("Turn reminders on for new bills"), BWRemindersEnabled)},
                                {tr("Remind me:"), days}});
    QLineEdit* address = m_binding.lineEdit(LEMAddress);
    address->setPlaceholderText(tr("name@example.com"));
    auto* mail = makeGroup(tr("E-mail"), {{tr("E-mail address for reminders:"), address}});
    // Nothing sends reminder e-mails yet: the field stays hidden, as the
    // e-mail menu does, until something does.
    mail->hide();
    QList<QWidget*> groups{how, newBills, mail};
    if (QGroupBox* calendarFile = calendarFileGroup())
        groups.insert(1, calendarFile);
    return makePane(groups);
}

QGroupBox* BWPreferencePanes::calendarFileGroup()
{
    if (m_services.calendarFolder.isEmpty())
        return nullptr;
    m_calendarFile = new QLabel;
    m_calendarFile->setObjectName(QStringLiteral("calendarFile"));
    m_calendarFile->setTextFormat(Qt::PlainText);
    m_calendarFile->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_calendarFile->setWordWrap(true);
    QList<Row> rows{{{}, m_calendarFile, true}};
    if (m_services.openFolder) {
        auto* row = new QWidget;
        auto* layout = new QHBoxLayout(row);
        layout->setContentsMargins(0, 0, 0, 0);
        auto* open = new QPushButton(tr("Open Folder"), row);
        open->setObjectName(QStringLiteral("openCalendarFolder"));
        connect(open, &QPushButton::clicked, this, [this] { m_services.openFolder(m_services.calendarFolder); });
        layout->addWidget(open);
        layout->addStretch();
        rows.append(Row{{}, row, true});
    }
    rows.append(Row{{},
                    note(tr("To see these reminders in a calendar program, subscribe to this file there "
                            "(in Thunderbird: New Calendar, On the Network, the file's location).")),
                    true});
    refreshState();
    return makeGroup(tr("Calendar File"), rows);
}

QWidget* BWPreferencePanes::loggingPane()
{
    QWidget* sound = m_binding.comboBox(BRWWhichSoundEffect,
                                        {tr("Trumpet"), tr("Rings"), tr("Swell"), tr("Cheers"), tr("A random cheer")});
    if (m_services.playSampleSound) {
        // The chosen sound is stored as soon as it is chosen, so the preview
        // plays what a payment would.
        auto* row = new QWidget;
        auto* layout = new QHBoxLayout(row);
        layout->setContentsMargins(0, 0, 0, 0);
        auto* play = new QPushButton(tr("Play"), row);
        play->setObjectName(QStringLiteral("playSampleSound"));
        connect(play, &QPushButton::clicked, this, [this] { m_services.playSampleSound(); });
        layout->addWidget(sound, 1);
        layout->addWidget(play);
        sound = row;
    }
    auto* sounds = makeGroup(
        tr("Sounds"),
        {{{}, m_binding.checkBox(tr("Play a sound after a payment is logged"), BRWPlayInterfaceSounds)},
         {tr("Sound:"), sound}});
    auto* logging = makeGroup(
        tr("Payments"),
        {{{}, m_binding.checkBox(tr("Log automatic bills when they fall due"), BWShouldAutoLogPayments)},
         {{}, m_binding.checkBox(tr("Leave automatic bills out of the due-soon count"), BWDontCountAuto)},
         {{}, m_binding.checkBox(tr("Archive one-time bills once they are paid"), BWShouldAutoArchiveBills)}});
    return makePane({sounds, logging});
}

QWidget* BWPreferencePanes::incomePane()
{
    return makePane({makeGroup(
        tr("Income"),
        {{{}, m_binding.checkBox(tr("Keep track of income"), BWEnableIncome)},
         {{}, m_binding.checkBox(tr("Show paydays on the overview"), BWShowPaydaysOnOverview)},
         {{}, m_binding.checkBox(tr("Log income automatically when it is due"), BW_ShouldAutoLogIncome)}})});
}

QWidget* BWPreferencePanes::advancedPane()
{
    auto* dates = makeGroup(
        tr("Due Dates"),
        {{{}, m_binding.checkBox(tr("Move due dates that fall on days off"), ShouldAllowHolidayAdjustments)},
         {{}, m_binding.checkBox(tr("Avoid weekends"), BWAvoidWeekends)},
         {{}, m_binding.checkBox(tr("Avoid holidays"), BWAvoidHolidays)}});
    auto* estimates = makeGroup(
        tr("Overview and Forecast"),
        {{tr("Under each bill's name:"),
          m_binding.comboBox(BW_WhatToShowOnOverview, {tr("Repeat"), tr("Payment method"), tr("Tags"), tr("Nothing")})},
         {tr("Button beside the actions menu:"), secondaryActionChoice()},
         {{}, m_binding.checkBox(tr("Hide bills paid automatically"), BWHideAutoMaticBillsInOverview)},
         {{}, m_binding.checkBox(tr("Estimate amounts that vary"), BWUseIntelligenceEstimates)},
         {{}, m_binding.checkBox(tr("Include savings goals in the forecast"), BWIncludeSaveAmount)},
         {{}, m_binding.checkBox(tr("Suggest bill names while editing"), BWShouldSuggestBills)}});
    if (BWObjectController* actions = m_services.dataFolderActions) {
        // Shows the settings above on the overview at once.
        auto* reload = new QPushButton(tr("Reload Overview"));
        reload->setObjectName(QStringLiteral("reloadOverview"));
        connect(reload, &QPushButton::clicked, actions, &BWObjectController::reloadOverviewFromPrefs);
        return makePane({dates, estimates, makeGroup(tr("Overview"), {{QString(), reload}})});
    }
    return makePane({dates, estimates});
}

// The action names are those of the actions menu, which are not translated.
QWidget* BWPreferencePanes::secondaryActionChoice()
{
    using namespace SecondaryActionKeys;
    return m_binding.comboBox(
        BWSecondaryActionSetting,
        QList<BWDefaultsBinding::Choice>{
            {tr("The bill's last action"), OwnChoice},
            {BillActionTitle::LogPartial, LogPartial},
            {BillActionTitle::SkipPayment, SkipPayment},
            {BillActionTitle::QuickLog, QuickLog},
            {BillActionTitle::ViewWebsite, ViewWebsite},
            {BillActionTitle::PayNow, PayNow},
            {BillActionTitle::EditBill + QStringLiteral(" / ") + BillActionTitle::EditIncome, EditItem},
        });
}

// A login item that could not be written leaves the switch as it was, so
// that it never claims what the session will not do.
void BWPreferencePanes::startAtLoginChanged(QWidget* pane)
{
    if (!m_services.applyStartAtLogin || m_services.applyStartAtLogin())
        return;
    const bool wanted = m_defaults.boolForKey(EnableStartAtLoginMenu);
    m_defaults.setBool(EnableStartAtLoginMenu, !wanted);
    m_binding.refresh();
    if (m_services.showAlert)
        m_services.showAlert(pane, tr("Start at Login Not Changed"),
                             tr("The login entry could not be written. Please try again."));
}
