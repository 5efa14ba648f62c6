#pragma once

#include <QObject>
#include <QPointer>

#include <initializer_list>

#include "shell/BWMainMenu.h"

class BWAppDelegate;
class BWBillDetailScreen;
class BWView;
class BWWindowController;
class QRect;
class QWidget;

// The main window: its controller, the menu bar and toolbar, and the panes
// of both pane sets, laid out once and kept filling the window; the overview's
// search field and action text give way by the window's width. Owned by the
// application delegate, which stays the window's delegate.
class BWMainWindow : public QObject
{
    Q_OBJECT

public:
    explicit BWMainWindow(BWAppDelegate& delegate);

    // Makes the window's controller, with the delegate as the window's
    // delegate, and its menu bar and toolbar.
    void createMainWindowController();
    BWWindowController* customWindowController() const { return m_customWindowController; }
    // The window's content view and the window; null before the controller.
    BWView* mainView() const;
    QWidget* mainWindow() const;
    BWMainMenu* mainMenu() const { return m_mainMenu; }
    // Places the panes of both screens in the window, once at start-up: the
    // overview's in sight, the bill page's just outside it, ready to slide in.
    void initializeViews();
    // Gives the overview the main menu's items and the toolbar's edit button
    // that the shell enables; once both the menu and the overview exist.
    void handMenuItemsToOverview();
    // Enables the menu's items for the current pane set and selection.
    void validateMainMenu();
    // The toolbar shows its icons only, at the regular size.
    void updateToolbar();
    // The overview shows one of its lists (an index of the list drop-down).
    void showListMode(int index);
    // Closes the main window; Orvane keeps running.
    void closeMainWindow();

    // The panes slide in and out of sight, or jump there.
    void placeOverviewPanesInSight(bool animated);
    void placeOverviewPanesOutOfSight(bool animated);
    void placeBillPagePanesInSight(bool animated);
    void placeBillPagePanesOutOfSight(bool animated);

    // The window's notifications, as its delegate passes them on.
    void windowDidResize();
    void windowDidEndLiveResize();
    // Closing the main window hides it while a tray icon can bring it back;
    // without one it is minimised instead, so that the taskbar keeps it.
    bool windowShouldClose(QWidget* window);
    void updateSearchFieldVisibility();
    void updateoverViewBottomTextVisibility();

private:
    void addPanes(std::initializer_list<QWidget*> panes);
    void placeBillPageOutOfSight(BWBillDetailScreen& page);
    void sizeOverviewPanes();
    void sizeBillPagePanes();

    BWAppDelegate& m_delegate;
    // Owned as a child object.
    BWWindowController* m_customWindowController = nullptr;
    QPointer<BWMainMenu> m_mainMenu;
    bool m_viewsInitialized = false;
};
