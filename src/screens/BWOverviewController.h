#pragma once

#include <QObject>
#include <QPointer>
#include <QTableView>
#include <functional>
#include <memory>

#include "screens/BWOverviewBackgroundLoad.h"
#include "screens/BWOverviewBottomBar.h"
#include "screens/BWOverviewHeader.h"
#include "screens/BWOverviewLists.h"
#include "screens/BWOverviewScreen.h"
#include "screens/BWOverviewSidebar.h"
#include "screens/BWOverviewTableModel.h"
#include "screens/BWTableSelection.h"
#include "screens/BWVacationPopover.h"
#include "widgets/LRCalendarAppDelegate.h"
#include "widgets/LRCalendarControllerDelegate.h"

class BGHUDView;
class BWBillEditorScreen;
class BWExtensionCopySchedule;
class BWOverviewFollowUps;
class BWTableColumnLayout;
class LRCalendarController;
class LRCalendarView;
class QMenu;

// The main window's list page: the items of one list (all active items, the
// archive, the due-soon, due-this-month or paid-this-month items, or one
// tag) in a table ordered by due date, with the header bar above it
// (BWOverviewHeader), the bottom bar that sums up the selection
// (BWOverviewBottomBar), and beside it a month calendar that marks the
// selected item's due day over this month's figures (BWOverviewSidebar).
//
// Every load reads the data folder afresh and writes nothing. What it needs
// of the application delegate it asks through its signals and those of its
// bars; the delegate reaches it through BWOverviewScreen.
class BWOverviewController : public QObject,
                             public BWOverviewScreen,
                             public LRCalendarAppDelegate,
                             public LRCalendarControllerDelegate
{
    Q_OBJECT

public:
    // Indexes of the list drop-down's fixed items; the user's tags follow
    // from FirstTag on. The separators (2 and 6) can't be chosen.
    enum ListMode {
        AllActiveItems = 0,
        ArchivedItems = 1,
        DueSoon = 3,
        DueThisMonth = 4,
        PaidThisMonth = 5,
        FirstTag = 7
    };
    // Titles and tags of the archive items: the same items archive active
    // items and restore archived ones.
    enum ArchiveMenuCase { ArchiveCase = 0, RestoreCase = 1 };
    // Asks the user to confirm a question about the item named `subject`;
    // true for yes. Tests answer in place of the user.
    using Confirmation = std::function<bool(QWidget* parent, const QString& question, const QString& subject,
                                            const QString& confirmTitle)>;

    explicit BWOverviewController(const BWStoreEnvironment& env, QObject* parent = nullptr);
    ~BWOverviewController() override;
    // Opens the edit and delete popovers and restores archived items; set
    // once by whoever builds the main window.
    void setBillEditorController(BWBillEditorScreen* editor) { m_billEditorController = editor; }
    void setMenuItems(const MenuItems& items) override { m_menuItems = items; }
    MenuItems menuItems() const override { return m_menuItems; }

    BWOverviewHeader& header() const { return *m_header; }
    BWOverviewSidebar& sidebar() const { return *m_sidebar; }
    BWOverviewBottomBar& bottomBar() const { return *m_bottomBar; }
    BWVacationPopover& vacationPopover() const { return *m_vacation; }

    // ---- Loading (BWOverviewController+Loading.cpp) ----
    void loadOverview() override;
    void loadOverviewForBills(const QString& group, const QString& tag) override;
    void reloadItems(const QStringList& billIDs) override;
    void showAllBills() override;
    // The same, with the reading and the work per record on a worker
    // (BWOverviewBackgroundLoad): a new day changes every record's texts.
    void showAllBillsForNewDay() override;
    bool isLoadingInBackground() const;
    void showListMode(int index) override { selectListMode(index); }
    // No caller in the program; selectListMode(), as the main menu's list
    // items do through showListMode().
    void showBillsDueSoon() { selectListMode(DueSoon); }
    void showBillsDueThisMonth() { selectListMode(DueThisMonth); }
    void showBillsPaidThisMonth() { selectListMode(PaidThisMonth); }
    // Loads the list of the drop-down's current item.
    void tagListItemSelected();
    int selectedTagIndex() const { return m_selectedTagIndex; }

    // ---- Tags, search and vacation (BWOverviewController+Tags.cpp) ----
    // Rebuilds the drop-down: the fixed items, then the store's tags. The
    // chosen list stays chosen by its title; a tag that is gone leaves the
    // drop-down on all active items.
    void updateTagList();
    void updateTagListWithTags(const QStringList& tags);
    // Rewrites the store's tag list with the tag field's tags.
    void saveTagChanges();
    // Rebuilds the search field's menu of tags.
    void setUpSearchField();
    void selectSearchMenuItem(QAction* item);
    // Opens the item whose name was typed in the search field (Enter).
    void selectBillItem();
    void showVacationModePopover(QWidget* anchor) { m_vacation->showBelow(anchor); }

    // ---- The lists ----
    QVariantList dataSource() const override { return m_lists.dataSource; }
    QVariantList dataSourceFiltered() const override { return m_lists.filtered; }
    QVariantList dataSourceWithIncome() const override { return m_lists.withIncome; }
    QVariantList allActiveItems() const override { return m_lists.allActiveItems; }
    // All active items as of the last load, income included, whichever list
    // is shown: what the tray menu and the badge count.
    QVariantList activeItems() const { return m_lists.allActiveItems; }
    // Shows the rows whose name holds `text`, or one of whose tags is `text`,
    // ignoring case and accents; all rows for "".
    void applyFilterWithString(const QString& text);
    // The figures, by the side bar.
    void updateSidebar(const QVariantList& list, const QVariantList& allActiveItems);
    void switchView() { m_sidebar->switchView(); }

    // ---- Table and selection (BWOverviewController+Selection.cpp) ----
    QTableView* billTable() const override { return m_billTable; }
    BWOverviewTableModel* tableModel() const { return m_tableModel; }
    // The sort order, first key first; by SortableDueDate ascending until the
    // user clicks a column header.
    QList<BWSortDescriptor> sortDescriptors() const { return m_sortDescriptors; }
    // The row the selection was last extended by; -1 for none.
    int selectedRow() const;
    void updateTableColumnVisibility() override;
    // Sums up the selection in the bottom bar.
    void updateBottomText();
    // Selects the rows due on the day the calendar focused.
    void calendarDateSelected(const QDate& day) override;
    // Leaves the selection alone when `row` is due on `day`; otherwise selects
    // every row due that day (none when no row is).
    void scrollToRowWithDate(const QDate& day, int row);
    // The calendar marks the loaded items, income included.
    QVariantList getBills() override { return m_lists.withIncome; }
    void showBillFromSearch(const QString& billID) override { emit showBillRequested(billID); }

    // ---- Commands on the selection (+Commands.cpp, +Actions.cpp) ----
    void editBillFromOverview() override;
    void deleteBillFromOverview() override;
    bool archiveBillFromOverview(int tag) override;
    bool restoreBillFromOverview() override;
    void setupActionButtonMenuForBill(const QVariantMap& record) override;
    void clearActionsMenu() override { m_bottomBar->clearActionsMenu(); }
    void setConfirmation(Confirmation confirm) { m_confirm = std::move(confirm); }
    bool skipFromActionsButtonMenu() override;
    // Retitles and retags the context menu's archive item for the list shown.
    void setMenuItemsForCase(ArchiveMenuCase menuCase);
    // The table's context menu for a row: a row outside the selection becomes
    // the selection first; one inside it keeps the selection, which the
    // archive item then acts on as a whole. Null for no row.
    std::unique_ptr<QMenu> contextMenuForRow(int row);
    QAction* archiveContextMenuItem() const { return m_archiveContextMenuItem; }

    // ---- Panes (+Views.cpp) ----
    QWidget* list() const override;
    QWidget* monthAtGlance() const override;
    void addSidebarAccessory(QWidget* accessory) override;
    void setSearchFieldShown(bool shown) override;
    void focusSearchField() override;
    QWidget* showAllButton() const override;
    LRCalendarView* monthAtGlanceCalendar() const { return m_monthAtGlanceCalendar; }
    LRCalendarController* calendarController() const { return m_calendarController; }
    QWidget* actionText() const override;
    QWidget* actionBox() const override;
    QAbstractButton* overviewButtonLog() const override;
    UserActivity* activity() const override { return nullptr; }
    QList<QLineEdit*> amountFields() const override { return {}; }

signals:
    // Asks the delegate to show or hide the search field by the window's width.
    void searchFieldVisibilityNeedsUpdate();
    // The selection changed: the delegate enables its commands by it.
    void selectionDidChange();
    // The user chose a list: the delegate brings the overview into sight.
    void switchToOverviewRequested();
    // The user asked for one bill's page.
    void showBillRequested(const QString& billID);
    // A load finished while the tray menu is enabled: all active items,
    // whichever list the overview shows.
    void menuBillsChanged(const QVariantList& bills);
    // The context menu's commands on its row; the delegate carries them out
    // as it does the main menu's. Restore comes with its sender (tagged 1).
    void editBillRequested();
    void deleteBillRequested();
    void restoreBillRequested(QObject* sender);
    void exportBillRequested();
    // The vacation popover closed after the user turned the vacation on or
    // off or moved its dates; the shown due dates follow the new setting.
    void vacationChanged();

private:
    void buildList();
    void buildTable();
    void buildMonthAtGlance();
    void connectBars();
    // Reads the list again, keeping the search that filters it.
    void readListOfBills(const QString& group, const QString& tag);
    // A list of active items taken from all of them as loaded.
    bool showListOfLoadedItems(const BWOverviewLists::Choice& load);
    void prepareForList(const QString& group);
    // `figures`: the list's, if known; `later`: those, tray and calendar in turns of their own.
    void showLoadedList(const std::optional<BWOverviewSidebar::Figures>& figures = std::nullopt, bool later = false);
    void showFigures(const std::optional<BWOverviewSidebar::Figures>& known);
    void showTrayMenu();
    void showBackgroundLoad(BWOverviewBackgroundLoad::Result& load);
    void selectListMode(int index);
    void highlightFigureOfList(int index);
    void sortDescriptorsDidChange(int column, Qt::SortOrder order);
    void tableViewSelectionDidChange();
    void showRows(const QVariantList& rows);
    void buildActions();
    void showContextMenu(const QPoint& position);
    void vacationPopoverWillClose(bool edited);

    BWStoreEnvironment m_env;
    BWBillEditorScreen* m_billEditorController = nullptr;
    MenuItems m_menuItems;
    Confirmation m_confirm;
    QAction* m_archiveContextMenuItem = nullptr;
    BWOverviewLists m_lists;
    int m_selectedTagIndex = AllActiveItems;
    bool m_useIntelligence = false;
    QList<BWSortDescriptor> m_sortDescriptors;
    BWOverviewTableModel* m_tableModel = nullptr;
    QPointer<BGHUDView> m_list;
    QPointer<BGHUDView> m_monthAtGlance;
    QTableView* m_billTable = nullptr;
    std::unique_ptr<BWTableSelection> m_selection;
    LRCalendarView* m_monthAtGlanceCalendar = nullptr;
    LRCalendarController* m_calendarController = nullptr;
    BWOverviewHeader* m_header = nullptr;
    BWOverviewSidebar* m_sidebar = nullptr;
    BWOverviewBottomBar* m_bottomBar = nullptr;
    BWVacationPopover* m_vacation = nullptr;
    BWTableColumnLayout* m_columnLayout = nullptr;
    BWOverviewBackgroundLoad* m_backgroundLoad = nullptr;
    BWExtensionCopySchedule* m_extensionCopy = nullptr;
    BWOverviewFollowUps* m_followUps = nullptr;
};
