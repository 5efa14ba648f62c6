#pragma once

#include "shell/BWDefaultsBinding.h"
#include "shell/BWMenuValidation.h"

#include <QObject>

#include <functional>

class BWObjectController;
class QGroupBox;
class BWPasswordLock;
class MGPreferencePanel;
class QLabel;
class QWidget;
class UserDefaults;

// The contents of the preferences window's six panes: each control bound to
// its setting. What a change means beyond the setting itself (reloading the
// overview, asking for calendar access) is for whoever hears settingChanged.
class BWPreferencePanes : public QObject
{
    Q_OBJECT

public:
    struct Services
    {
        // Its switch and status label go on the General pane; may be null.
        BWPasswordLock* lock = nullptr;
        // Applies the start-at-login switch as stored; false when the login
        // item could not be changed.
        std::function<bool()> applyStartAtLogin;
        // Where the bills are kept, shown on the Sync pane.
        QString dataFolder;
        // The data-folder actions offered on the Sync pane; may be null.
        BWObjectController* dataFolderActions = nullptr;
        // Tells the user why something they set did not take.
        std::function<void(QWidget* parent, const QString& message, const QString& informativeText)> showAlert;
        // Asks for a folder; "" when the user cancelled. Without it the
        // shared sync folder is shown but cannot be chosen here.
        std::function<QString(QWidget* parent, const QString& title, const QString& prompt)> chooseFolder;
        // Asks, then clears the older key-value channel's store; may be null.
        std::function<void(QWidget* parent)> deleteKeyValueData;
        // Plays the payment sound chosen now, once; may be null.
        std::function<void()> playSampleSound;
        // Starts the phone sync, or ends its link when it is on; may be null.
        std::function<void()> togglePhoneSync;
        // Whether a command can act now, as the main menu has it; without it
        // every command offered here can.
        std::function<bool(BWMenuValidation::Command)> commandIsEnabled;
        // The folder of the calendar files that reminders are written to, and
        // the file of the reminders' calendar ("" until the first reminder
        // event made it); the Reminders pane shows them when set.
        QString calendarFolder;
        std::function<QString()> calendarFile;
        // Opens a folder in the file manager; may be null.
        std::function<void(const QString& folder)> openFolder;
    };

    BWPreferencePanes(UserDefaults& defaults, Services services, QObject* parent = nullptr);

    // Builds the six panes into the panel.
    void fill(MGPreferencePanel& panel);

public slots:
    // Sync went back off: the switch shows it, and the line below it why.
    void showCloudSyncSwitchedOff(const QString& reason);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

signals:
    void settingChanged(const QString& key);

private:
    QWidget* generalPane();
    QWidget* syncPane();
    // The phone sync's switch and the older channel's clean-up; null when
    // neither is offered.
    QGroupBox* otherSyncGroup();
    QWidget* sharedFolderRow();
    QWidget* remindersPane();
    // Where calendar reminders are written, for a calendar program to
    // subscribe to; null without a calendar folder.
    QGroupBox* calendarFileGroup();
    QWidget* loggingPane();
    QWidget* incomePane();
    QWidget* advancedPane();
    // The secondary-action setting: each bill's own, or one for all.
    QWidget* secondaryActionChoice();
    void startAtLoginChanged(QWidget* pane);
    // What the panes show besides the settings, brought up to date.
    void refreshState();

    UserDefaults& m_defaults;
    Services m_services;
    BWDefaultsBinding m_binding;
    QLabel* m_syncOffReason = nullptr;
    QWidget* m_moveBackButton = nullptr;
    QLabel* m_calendarFile = nullptr;
};
