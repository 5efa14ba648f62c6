#pragma once

#include <QDate>
#include <QHash>
#include <QSet>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QTableView>
#include <QVariantList>
#include <QVariantMap>

#include <functional>
#include <memory>
#include <optional>

#include "screens/BWOverviewScreen.h"
#include "screens/BWOverviewTableModel.h"
#include "screens/BWSidebarFigureCache.h"
#include "screens/BWSortDescriptor.h"
#include "store/BWStoreEnvironment.h"
#include "widgets/BGHUDLabel.h"
#include "widgets/BGHUDSearchField.h"
#include "widgets/BGHUDTableView.h"
#include "widgets/BGHUDTextField.h"
#include "widgets/BGHUDView.h"
#include "widgets/KBButton.h"
#include "widgets/LRCalendarAppDelegate.h"
#include "widgets/LRCalendarControllerDelegate.h"

class BackgroundView;
class BGHUDBox;
class BWBillActionsMenu;
class BWBillEditorScreen;
class BWExtensionExport;
class SerialWorker;
class BWPopupButton;
class LRCalendarController;
class LRCalendarView;
#include <QFrame>
class QLabel;
class QCheckBox;
class BWDateField;
class QMenu;
class BWIncomeController;
class QMenu;
class QTimer;
class QToolButton;

// The main window's list page: the items of one list (all active items, the
// archive, the due-soon, due-this-month or paid-this-month items, or one
// tag) in a table ordered by due date, with the list drop-down and search
// field above it, a bottom bar that sums up the selection, and beside it a
// month calendar that marks the selected item's due day.
//
// Every load reads the data folder afresh and writes nothing.
//
// What it needs of the application delegate it asks through its signals;
// the delegate reaches it through BWOverviewScreen.
class BWOverviewController : public QObject,
                             public BWOverviewScreen,
                             public LRCalendarAppDelegate,
                             public LRCalendarControllerDelegate
{
    Q_OBJECT

public:
    // Indexes of the list drop-down's fixed items; the user's tags follow
    // from FirstTag on. The separators (2 and 6) can't be chosen.
    enum ListMode { AllActiveItems = 0, ArchivedItems = 1, DueSoon = 3, DueThisMonth = 4, PaidThisMonth = 5,
                    FirstTag = 7 };

    // Titles and tags of the archive items: the same items archive active
    // items and restore archived ones.
    enum ArchiveMenuCase { ArchiveCase = 0, RestoreCase = 1 };

    // Asks the user to confirm a question about the item named `subject`;
    // true for yes. Tests answer in place of the user.
    using Confirmation = std::function<bool(QWidget* parent, const QString& question, const QString& subject,
                                            const QString& confirmTitle)>;

    explicit BWOverviewController(const BWStoreEnvironment& env, QObject* parent = nullptr);
    ~BWOverviewController() override;

    // ---- Collaborators, set once by whoever builds the main window ----
    // Opens the edit and delete popovers and restores archived items.
    void setBillEditorController(BWBillEditorScreen* editor) { m_billEditorController = editor; }
    void setMenuItems(const MenuItems& items) override { m_menuItems = items; }

    // ---- Loading ----
    // Reloads the list chosen in the drop-down and selects again the bill that
    // was selected (or, when it left the list, the row at the same place).
    void loadOverview() override;
    // Loads `group` ("" for all active items, "ActiveBills", "ArchivedBills")
    // filtered by `tag` ("" for none, a pseudo-tag or a user tag), with the
    // search cleared: another list is searched afresh.
    void loadOverviewForBills(const QString& group, const QString& tag) override;
    // Reads only the items `billIDs` again and puts their rows where a full
    // load would, leaving the others as loaded.
    void reloadItems(const QStringList& billIDs) override;
    // Chooses a list in the drop-down and loads it.
    void showAllBills() override;
    // The same, with the reading and the work per record (due texts, the
    // order, the side bar's figures) on a worker: for a new day, which
    // changes every record's texts. The list shows once they are back; a
    // load made meanwhile stands, and an update made meanwhile has the
    // worker start again.
    void showAllBillsForNewDay() override;
    bool isLoadingInBackground() const { return m_backgroundLoad != nullptr; }
    void showListMode(int index) override { selectListMode(index); }
    void showBillsDueSoon();
    void showBillsDueThisMonth();
    void showBillsPaidThisMonth();
    // Loads the list of the drop-down's current item.
    void tagListItemSelected();
    // Rebuilds the drop-down: the fixed items, then the store's tags, keeping
    // the chosen index.
    void updateTagList();
    // The chosen list stays chosen by its title when tags come and go; a tag
    // that is gone leaves the drop-down on all active items.
    void updateTagListWithTags(const QStringList& tags);

    // ---- Tags, search and vacation ----
    // The tag field: the store's tags, separated by commas.
    QLineEdit* tagList() const { return m_tagList; }
    // Rewrites the store's tag list with the tag field's tags.
    void saveTagChanges();
    // Tags typed in one line (BWTagText): separated by commas, trimmed, each
    // once.
    static QStringList tagsFromText(const QString& text);
    // Rebuilds the search field's menu of tags.
    void setUpSearchField();
    QMenu* searchMenu() const { return m_searchMenu; }
    void selectSearchMenuItem(QAction* item);
    // Opens the item whose name was typed in the search field (Enter).
    void selectBillItem();
    void showVacationModePopover(QWidget* anchor);
    QCheckBox* vacationSwitch() const { return m_vacationSwitch; }
    BWDateField* vacationStart() const { return m_vacationStart; }
    BWDateField* vacationEnd() const { return m_vacationEnd; }
    int selectedTagIndex() const { return m_selectedTagIndex; }

    // ---- The lists ----
    QVariantList dataSource() const override { return m_dataSource; }
    QVariantList dataSourceFiltered() const override { return m_dataSourceFiltered; }
    QVariantList dataSourceWithIncome() const override { return m_dataSourceWithIncome; }
    // All active items as of the last load, income included, whichever list
    // is shown: what the tray menu and the badge count.
    QVariantList activeItems() const { return m_allActiveItems; }
    // Shows the rows whose name holds `text`, or one of whose tags is `text`,
    // ignoring case and accents; all rows for "".
    void applyFilterWithString(const QString& text);

    // ---- Sidebar of this month's figures ----
    struct SidebarFigures
    {
        qlonglong dueSoonCount = 0;    // bills due soon or overdue
        double dueSoonAmount = 0;
        qlonglong dueMonthCount = 0;   // bills due in this month
        double dueMonthAmount = 0;     // also what is still due this month
        qlonglong paymentCount = 0;    // payments dated in this month
        double paidThisMonth = 0;      // paid on bills this month
        double income = 0;             // income items due this month plus income received
        double incomeReceived = 0;     // income received this month
    };
    // The figures of `list`: those of the items an update did not change are
    // kept from before.
    SidebarFigures sidebarFiguresForList(const QVariantList& list);
    // Shows the figures of `list` (`known` when worked out already) and sets
    // the badge from `allActiveItems`.
    void updateSidebar(const QVariantList& list, const QVariantList& allActiveItems,
                       const std::optional<SidebarFigures>& known = std::nullopt);
    // Flips the balance between the expected and the current balance.
    void switchView();
    // The badge of bills due soon: a count, or "" for none.
    QString dockBadge() const { return m_dockBadge; }
    QLabel* dueSoonNumField() const { return m_dueSoonNumField; }
    QLabel* dueSoonAmtField() const { return m_dueSoonAmtField; }
    QLabel* dueMonthNumField() const { return m_dueMonthNumField; }
    QLabel* dueMonthAmtField() const { return m_dueMonthAmtField; }
    QLabel* stillDueThisMonthField() const { return m_stillDueThisMonthField; }
    QLabel* paydayNumField() const { return m_paydayNumField; }
    QLabel* paidThisMonthField() const { return m_paidThisMonthField; }
    QLabel* incomeToDateField() const { return m_incomeToDateField; }
    QLabel* expectedBalance() const { return m_expectedBalance; }
    QAbstractButton* expectedBalanceName() const { return m_expectedBalanceName; }

    // ---- Table and selection ----
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

    // ---- Month calendar ----
    // Selects the rows due on the day the calendar focused.
    void calendarDateSelected(const QDate& day) override;
    // Leaves the selection alone when `row` is due on `day`; otherwise selects
    // every row due that day (none when no row is).
    void scrollToRowWithDate(const QDate& day, int row);
    // The calendar marks the loaded items, income included.
    QVariantList getBills() override { return m_dataSourceWithIncome; }
    void showBillFromSearch(const QString& billID) override { emit showBillRequested(billID); }

    // ---- Commands on the selection ----
    void editBillFromOverview() override;
    void deleteBillFromOverview() override;
    bool archiveBillFromOverview(int tag) override;
    bool restoreBillFromOverview() override;
    void setupActionButtonMenuForBill(const QVariantMap& record) override;
    void clearActionsMenu() override;
    // The actions pop-up and alternate button of the single selected row.
    BWBillActionsMenu* actionsMenu() const { return m_actionsMenu; }
    void setConfirmation(Confirmation confirm) { m_confirm = std::move(confirm); }
    bool skipFromActionsButtonMenu() override;
    // Retitles and retags the context menu's archive item for the list shown.
    void setMenuItemsForCase(ArchiveMenuCase menuCase);
    // The table's context menu for a row: a row outside the selection becomes
    // the selection first; one inside it keeps the selection, which the
    // archive item then acts on as a whole. Null for no row.
    std::unique_ptr<QMenu> contextMenuForRow(int row);
    QAction* archiveContextMenuItem() const { return m_archiveContextMenuItem; }

    // ---- Panes and controls ----
    QWidget* list() const override;
    QWidget* monthAtGlance() const override;
    void addSidebarAccessory(QWidget* accessory) override;
    BWPopupButton* tagDropdown() const { return m_tagDropdown; }
    BGHUDSearchField* searchField() const { return m_searchField; }
    void setSearchFieldShown(bool shown) override;
    void focusSearchField() override;
    BackgroundView* headerBox() const { return m_headerBox; }
    KBButton* showAllButton() const override { return m_showAllButton; }
    QToolButton* airplaneButton() const { return m_airplaneButton; }
    // Adds a bill; the editor's popover for the new bill points at it.
    KBButton* overviewNewBillButton() const { return m_overviewNewBillButton; }
    // Adds an income item.
    KBButton* overviewNewIncomeButton() const { return m_overviewNewIncomeButton; }
    QWidget* vacationPopover() const;
    LRCalendarView* monthAtGlanceCalendar() const { return m_monthAtGlanceCalendar; }
    LRCalendarController* calendarController() const { return m_calendarController; }
    // One of them marks the sidebar figure whose list is shown.
    BGHUDBox* dueSoonHighlightbox() const { return m_dueSoonHighlightbox; }
    BGHUDBox* dueMonthHighlightBox() const { return m_dueMonthHighlightBox; }
    BGHUDBox* paidMonthHighlightBox() const { return m_paidMonthHighlightBox; }

    // The bottom bar.
    BGHUDLabel* actionText() const override { return m_actionText; }
    BGHUDView* actionBox() const override { return m_actionBox; }
    BGHUDBox* adBox() const { return m_adBox; }
    KBButton* overviewButtonLog() const override { return m_overviewButtonLog; }
    KBButton* overviewButtonPartial() const { return m_overviewButtonPartial; }
    KBButton* overviewButtonView() const { return m_overviewButtonView; }
    KBButton* payNowOverviewButton() const { return m_payNowOverviewButton; }
    QFrame* overviewLineLog() const { return m_overviewLineLog; }
    QFrame* overviewLineView() const { return m_overviewLineView; }
    QFrame* overviewLinePay() const { return m_overviewLinePay; }
    BWPopupButton* actionsPopupButton() const { return m_actionsPopupButton; }
    KBButton* actionsAlternateButton() const { return m_actionsAlternateButton; }

    UserActivity* activity() const override { return nullptr; }
    QAction* menuItemNew() const override { return m_menuItems.menuItemNew; }
    QAction* importMenuItem() const override { return m_menuItems.importMenuItem; }
    QAction* import4MenuItem() const override { return m_menuItems.import4MenuItem; }
    QAction* import4MenuCustom() const override { return m_menuItems.import4MenuCustom; }
    QAction* closeMenuItem() const override { return m_menuItems.closeMenuItem; }
    QAbstractButton* editBillButton() const override { return m_menuItems.editBillButton; }
    QAction* editBillMenu() const override { return m_menuItems.editBillMenu; }
    QAction* deleteBillMenu() const override { return m_menuItems.deleteBillMenu; }
    QAction* archiveBillMenu() const override { return m_menuItems.archiveBillMenu; }
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
    // The bottom bar's commands on the selected bill. A log request's sender
    // carries the kind of payment as its tag.
    void logPaymentRequested(QObject* sender);
    void viewBillRequested();
    void payNowRequested();
    // The header's buttons: a new bill or income item, its popover pointing
    // at `anchor`.
    void newBillRequested(QWidget* anchor);
    void newIncomeRequested(QWidget* anchor);
    // A load finished while the tray menu is enabled: all active items,
    // whichever list the overview shows.
    void menuBillsChanged(const QVariantList& bills);
    // The launcher icon's badge: the number of bills due soon, or "".
    void dockBadgeChanged(const QString& badge);
    // The context menu's commands on its row; the delegate carries them out
    // as it does the main menu's.
    void editBillRequested();
    void deleteBillRequested();
    // Restore chosen for the selected rows, by `sender` (tagged 1): the shell
    // restores them as its Bill menu's Restore does.
    void restoreBillRequested(QObject* sender);
    void exportBillRequested();
    // The advertising box's buttons: the phone edition's page, and hiding
    // the box for good.
    void phoneEditionRequested();
    void hideAdvertRequested();
    // The user dismissed the tip for good (the tip is hidden already).
    void tipDismissed();
    // The vacation popover closed after the user turned the vacation on or
    // off or moved its dates; the shown due dates follow the new setting.
    void vacationChanged();

private:
    struct ListLoad
    {
        QString group;
        QString tag;
    };
    static ListLoad listLoadForMode(int index, const QString& title);

    // Views
    void buildList();
    QWidget* buildHeader();
    void buildTable();
    QWidget* buildBottomBar();
    QWidget* buildAdBox(QWidget* bar);
    QWidget* buildTip(QWidget* parent);
    void buildMonthAtGlance();
    void buildVacationPopover();
    QWidget* buildSidebar(QWidget* parent);

    // Sidebar
    // What working out the figures of records takes, made once for a list.
    struct FigureSources;
    static double estimatedAmountThisMonth(const QVariantMap& record, const FigureSources& sources);
    static BWSidebarFigureCache::RecordFigures recordFigures(const QVariantMap& record, const FigureSources& sources);
    // The day and the settings the record figures depend on.
    static BWSidebarFigureCache::Conditions figureConditions(const BWStoreEnvironment& env, bool useIntelligence);
    // The figures of `list`, with the record figures taken from and kept
    // in `cache`.
    static SidebarFigures sidebarFiguresWith(const BWStoreEnvironment& env, bool useIntelligence,
                                             BWSidebarFigureCache& cache, const QVariantList& list);
    // Keeps the cached record figures while the day and the settings they
    // depend on stay as they were.
    void keepRecordFiguresOfNow();
    BWSidebarFigureCache::RecordFigures cachedRecordFigures(const QVariantMap& record, const FigureSources& sources);
    double balanceForCaption(const SidebarFigures& figures, bool current) const;
    bool showsCurrentBalance() const;
    // The badge counts the bills due soon among all active items: `dueSoonCount`
    // when known already.
    void updateDockBadge(std::optional<qlonglong> dueSoonCount, const QVariantList& allActiveItems);
    void vacationPopoverWillClose();
    // Stores the vacation as the popover shows it, switch and days alike.
    void storeShownVacation();
    void closeVacationPopover();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:

    // Loading
    void loadListMode(int index);
    // Reads the list again, keeping the search that filters it.
    void readListOfBills(const QString& group, const QString& tag);
    bool showListOfLoadedItems(const ListLoad& load);
    QVariantList loadedItemsInList(const QString& tag) const;
    static QVariantList loadList(const BWStoreEnvironment& env, const QString& group, const QString& tag,
                                 const QList<BWSortDescriptor>& sortDescriptors);
    void prepareForList(const QString& group);
    // `sidebar`: the figures of the list, when worked out already.
    void showLoadedList(const std::optional<SidebarFigures>& sidebar = std::nullopt);
    void removeIncomeRows();
    // The selected bill, and its row for when it leaves the list.
    struct KeptSelection
    {
        QString billID;
        int row = -1;
    };
    KeptSelection selectionToKeep() const;
    void reselect(const KeptSelection& kept);

    // Item updates
    // Where each item's own record stands in `items`, by the item's id: a
    // repeating item's further occurrences live only in loaded lists.
    static QHash<QString, qsizetype> ownRecordPlaces(const QVariantList& items);
    // What the load of all active items hands the extension.
    static QVariantList extensionItems(const QVariantList& allActiveItems,
                                       const QHash<QString, qsizetype>& loadPosition);
    void mergeItems(QVariantList& sorted, const QSet<QString>& billIDs, const QVariantList& fresh) const;
    void rememberLoadOrder();
    void scheduleExtensionExport();
    void exportForExtension() const;
    void tintHeader(bool allItems);
    void showHighlightBox(BGHUDBox* box);
    void selectListMode(int index);

    // Table
    void sortDescriptorsDidChange(int column, Qt::SortOrder order);
    void tableViewSelectionDidChange();
    QList<int> selectedRows() const;
    QStringList selectedBillIDs() const;
    void selectRows(const QList<int>& rows);
    void showRows(const QVariantList& rows);
    void restoreColumnLayout();
    void saveColumnLayout();

    // Actions
    void buildActions();
    void showContextMenu(const QPoint& position);

    // Bottom bar
    void showNoSelection();
    void showSingleSelection(const QVariantMap& record);
    void showPartialButtonUnlessOffered();
    void showSeveralSelected(const QList<int>& rows);

    BWStoreEnvironment m_env;
    BWBillEditorScreen* m_billEditorController = nullptr;
    MenuItems m_menuItems;
    Confirmation m_confirm;
    BWBillActionsMenu* m_actionsMenu = nullptr;
    QAction* m_archiveContextMenuItem = nullptr;

    QVariantList m_dataSource;
    QVariantList m_dataSourceFiltered;
    QVariantList m_dataSourceWithIncome;
    // Every active item, whichever list is shown: the badge counts them, and
    // the pseudo-tag lists show their figures.
    QVariantList m_allActiveItems;
    // The list shown, and whether one was loaded yet.
    ListLoad m_shownList;
    bool m_listLoaded = false;
    // The day of the last read of the data folder and the order it was
    // sorted in: until either changes, a list of active items is taken from
    // all active items as loaded.
    QDate m_loadedDay;
    QList<BWSortDescriptor> m_loadedSortDescriptors;
    // Each listed item's place in the order a load reads the items.
    QHash<QString, qsizetype> m_loadPosition;
    // The extension's copy of the list follows loads and item updates a
    // moment later, made and written on a worker.
    QTimer* m_extensionExport = nullptr;
    std::unique_ptr<BWExtensionExport> m_extensionWriter;
    int m_selectedTagIndex = AllActiveItems;
    qlonglong m_whatToShowOnOverview = 0;
    bool m_useIntelligence = false;
    QList<BWSortDescriptor> m_sortDescriptors;
    bool m_columnLayoutRestored = false;
    QTimer* m_columnLayoutSaver = nullptr;

    BWOverviewTableModel* m_tableModel = nullptr;
    QPointer<BGHUDView> m_list;
    QPointer<BGHUDView> m_monthAtGlance;
    QPointer<QFrame> m_vacationPopover;
    BGHUDTableView* m_billTable = nullptr;
    BackgroundView* m_headerBox = nullptr;
    BWPopupButton* m_tagDropdown = nullptr;
    BGHUDSearchField* m_searchField = nullptr;
    KBButton* m_showAllButton = nullptr;
    QToolButton* m_airplaneButton = nullptr;
    KBButton* m_overviewNewBillButton = nullptr;
    KBButton* m_overviewNewIncomeButton = nullptr;
    LRCalendarView* m_monthAtGlanceCalendar = nullptr;
    LRCalendarController* m_calendarController = nullptr;
    BGHUDBox* m_dueSoonHighlightbox = nullptr;
    BGHUDBox* m_dueMonthHighlightBox = nullptr;
    BGHUDBox* m_paidMonthHighlightBox = nullptr;
    QLabel* m_dueSoonNumField = nullptr;
    QLabel* m_dueSoonAmtField = nullptr;
    QLabel* m_dueMonthNumField = nullptr;
    QLabel* m_dueMonthAmtField = nullptr;
    QLabel* m_stillDueThisMonthField = nullptr;
    QLabel* m_paydayNumField = nullptr;
    QLabel* m_paidThisMonthField = nullptr;
    QLabel* m_incomeToDateField = nullptr;
    QLabel* m_expectedBalance = nullptr;
    QAbstractButton* m_expectedBalanceName = nullptr;
    // Names the month the figures are of.
    QLabel* m_figuresMonth = nullptr;
    SidebarFigures m_sidebarFigures;
    BWSidebarFigureCache m_figureCache;
    QLineEdit* m_tagList = nullptr;
    QMenu* m_searchMenu = nullptr;
    QCheckBox* m_vacationSwitch = nullptr;
    BWDateField* m_vacationStart = nullptr;
    BWDateField* m_vacationEnd = nullptr;
    // Set by a change in the vacation popover since it was opened.
    bool m_vacationEdited = false;
    BWIncomeController* m_incomeController = nullptr;
    QAbstractButton* m_incomeButton = nullptr;
    QString m_dockBadge;
    // The load on the worker, while it runs; loads and updates of the list
    // on this thread, counted.
    struct BackgroundLoad;
    void startBackgroundLoad();
    void showBackgroundLoad(BackgroundLoad& load);
    std::shared_ptr<BackgroundLoad> m_backgroundLoad;
    quint64 m_listChanges = 0;
    quint64 m_fullLoads = 0;
    std::unique_ptr<SerialWorker> m_backgroundLoader;

    BGHUDLabel* m_actionText = nullptr;
    BGHUDView* m_actionBox = nullptr;
    BGHUDBox* m_adBox = nullptr;
    BGHUDView* m_tip = nullptr;
    KBButton* m_overviewButtonLog = nullptr;
    KBButton* m_overviewButtonPartial = nullptr;
    KBButton* m_overviewButtonView = nullptr;
    KBButton* m_payNowOverviewButton = nullptr;
    QFrame* m_overviewLineLog = nullptr;
    QFrame* m_overviewLineView = nullptr;
    QFrame* m_overviewLinePay = nullptr;
    BWPopupButton* m_actionsPopupButton = nullptr;
    KBButton* m_actionsAlternateButton = nullptr;
};
