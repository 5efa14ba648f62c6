#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QVariantList>
#include <QVariantMap>

class QAbstractButton;
class QAbstractItemView;
class QAction;
class QLineEdit;
class QWidget;
class UserActivity;

// What the application shell needs of the overview: the list of bills with
// the month panel beside it. The shell places its panes in the main window,
// reloads it after changes, reads its lists and selection, and enables its
// bill commands.
class BWOverviewScreen
{
public:
    virtual ~BWOverviewScreen() = default;

    // Reloads the list chosen in the tag drop-down through the store, selects
    // again the bill that was selected before and refreshes everything that
    // shows the list; a search typed in still filters it. Never fails; an
    // unreadable data folder lists nothing.
    virtual void loadOverview() = 0;
    // The items `billIDs` were written (paid, saved, archived, deleted, or
    // changed by a sync): their rows, the figures and the tray follow, as
    // after loadOverview(), without reading the other items again.
    virtual void reloadItems(const QStringList& billIDs) { (void)billIDs; loadOverview(); }
    // The same load for an explicit group ("ActiveBills", "ArchivedBills") and tag.
    virtual void loadOverviewForBills(const QString& group, const QString& tag) = 0;
    // Back to "All Active Items", reloaded.
    virtual void showAllBills() = 0;
    // The same for a new day: the screen may load in the background.
    virtual void showAllBillsForNewDay() { showAllBills(); }
    // Chooses the list drop-down's item at `index` (a list or a tag) and loads it.
    virtual void showListMode(int index) = 0;

    // The loaded, sorted list in display order, before search filtering.
    virtual QVariantList dataSource() const = 0;
    // The rows as shown: row i of the bill table is element i.
    virtual QVariantList dataSourceFiltered() const = 0;
    // The loaded list including income rows.
    virtual QVariantList dataSourceWithIncome() const = 0;
    // Every active item as last loaded or updated, whichever list is shown.
    virtual QVariantList allActiveItems() const { return dataSourceWithIncome(); }

    // The bill table; its selection model tells the selected rows.
    virtual QAbstractItemView* billTable() const = 0;

    // Commands on the selected rows; nothing without a selection.
    virtual void editBillFromOverview() = 0;
    virtual void deleteBillFromOverview() = 0;
    // Tag 0 archives every selected bill; any other tag does nothing, as
    // restoring goes through restoreBillFromOverview(). False when a write
    // failed.
    virtual bool archiveBillFromOverview(int tag) = 0;
    // Restores every selected item through the editor; the shell follows
    // every restore with its automatic step. False when a write failed.
    virtual bool restoreBillFromOverview() = 0;
    // After asking the user, there in the overview, moves the selected bill's
    // due date one repeat step on without a payment; false when nothing was
    // written.
    virtual bool skipFromActionsButtonMenu() = 0;

    // Rebuilds the actions pop-up for the record.
    virtual void setupActionButtonMenuForBill(const QVariantMap& record) = 0;
    // Empties the actions pop-up.
    virtual void clearActionsMenu() = 0;
    // Shows or hides the optional table columns as the settings say.
    virtual void updateTableColumnVisibility() = 0;

    // The two panes: the list and the month panel.
    virtual QWidget* list() const = 0;
    virtual QWidget* monthAtGlance() const = 0;
    // Places a widget of the shell's (the sync controls) at the foot of the
    // month panel; a screen without room for it leaves it unplaced.
    virtual void addSidebarAccessory(QWidget* accessory) { (void)accessory; }

    // The search field: shown or hidden as the shell decides by the window's
    // width, and given the keyboard on the user's command.
    virtual void setSearchFieldShown(bool shown) = 0;
    virtual void focusSearchField() = 0;
    virtual QAbstractButton* overviewButtonLog() const = 0;
    virtual QWidget* showAllButton() const = 0;
    virtual QWidget* actionText() const = 0;
    virtual QWidget* actionBox() const = 0;

    // The overview's hand-off activity; null before the first load.
    virtual UserActivity* activity() const = 0;

    // Menu items and the button enabled or disabled by the shell: the main
    // menu's own items and the toolbar's edit button, handed over once the
    // menu is built.
    struct MenuItems
    {
        QAction* menuItemNew = nullptr;
        QAction* importMenuItem = nullptr;
        QAction* import4MenuItem = nullptr;
        QAction* import4MenuCustom = nullptr;
        QAction* closeMenuItem = nullptr;
        QAbstractButton* editBillButton = nullptr;
        QAction* editBillMenu = nullptr;
        QAction* deleteBillMenu = nullptr;
        QAction* archiveBillMenu = nullptr;
    };
    virtual void setMenuItems(const MenuItems& items) = 0;
    virtual MenuItems menuItems() const = 0;

    // The amount fields that show money in the user's currency.
    virtual QList<QLineEdit*> amountFields() const = 0;
};
