#pragma once

#include "shell/BWMenuValidation.h"

#include <QHash>
#include <QList>
#include <QObject>
#include <QMenu>
#include <QPointer>
#include <QToolBar>

class BWAppDelegate;
class QAction;
class QMainWindow;

// The main window's menu bar and toolbar: every command of the application
// delegate, with the usual shortcuts, enabled as BWMenuValidation says for
// the moment (validate()). Each menu validates itself again as it opens, and
// a command whose shortcut fires is checked once more before it runs.
class BWMainMenu : public QObject
{
    Q_OBJECT

public:
    using Command = BWMenuValidation::Command;

    // Builds both into `window`; the delegate carries out the commands and
    // must outlive the menu.
    BWMainMenu(BWAppDelegate& delegate, QMainWindow& window);

    // The item of a command; for the list modes the first ("All Active Items").
    QAction* action(Command command) const { return m_actions.value(command); }
    // The list modes' items in drop-down order: all active items, archived,
    // due soon, due this month, paid this month.
    QList<QAction*> listModeActions() const { return m_listModeActions; }
    QList<QAction*> helpActions() const { return m_helpActions; }
    // Every item that carries a command.
    QList<QAction*> allActions() const;
    QMenu* fileMenu() const { return m_fileMenu; }
    QMenu* helpMenu() const { return m_helpMenu; }
    QToolBar* toolbar() const { return m_toolbar; }

    void validate(const BWMenuValidation::Context& context);

private:
    void buildFileMenu();
    void buildEditMenu();
    void buildBillMenu();
    void buildViewMenu();
    void buildHelpMenu();
    void buildToolbar();
    QMenu* addMenu(const QString& title);
    // An item whose trigger runs `run` when the command is enabled at that
    // moment; `tag` is the kind the delegate reads from its sender.
    QAction* addCommand(QMenu* menu, Command command, const QString& title, const QKeySequence& shortcut,
                        std::function<void(QAction*)> run, int tag = 0);
    void showAbout();

    BWAppDelegate& m_delegate;
    QMainWindow& m_window;
    QHash<Command, QAction*> m_actions;
    QHash<QAction*, Command> m_commandOf;
    QList<QAction*> m_listModeActions;
    QList<QAction*> m_helpActions;
    QPointer<QMenu> m_fileMenu;
    QPointer<QMenu> m_helpMenu;
    QPointer<QToolBar> m_toolbar;
};
