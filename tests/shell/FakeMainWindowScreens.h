#pragma once

// Stand-ins for the main window's screens: real widgets where the shell
// places, shows or enables something, the store where a screen would load or
// write, and a record of every call the shell makes. What a real screen
// announces through a signal a fake hands to a function, which the fixture
// wires to the delegate as the real screens are connected.

#include "platform/UserActivity.h"
#include "screens/BWBillDetailScreen.h"
#include "screens/BWBillEditorScreen.h"
#include "screens/BWLogPaymentScreen.h"
#include "screens/BWOverviewScreen.h"
#include "store/BWBill.h"
#include "store/BWBillRecordKeys.h"
#include "store/BWBillsLoader.h"

#include <QAction>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QStandardItemModel>
#include <QStringList>
#include <QTableView>

#include <functional>
#include <memory>
#include <vector>

// Widgets the fakes make; the main window may have taken some of them over
// (a window deletes its children), so each is deleted only while it lives.
class FakeWidgets
{
public:
    ~FakeWidgets()
    {
        for (const QPointer<QObject>& object : m_objects)
            delete object.data();
    }

    template <typename T>
    T* make(QSize size = QSize(100, 30))
    {
        T* object = new T;
        if constexpr (std::is_base_of_v<QWidget, T>)
            object->resize(size);
        m_objects.emplace_back(object);
        return object;
    }
    // A popover: a window of its own.
    QWidget* popover()
    {
        QWidget* window = make<QWidget>(QSize(200, 120));
        window->setWindowFlag(Qt::Tool);
        return window;
    }

private:
    std::vector<QPointer<QObject>> m_objects;
};

class FakeOverview : public BWOverviewScreen
{
public:
    explicit FakeOverview(const BWStoreEnvironment& env)
        : m_env(env)
    {
        m_table->setModel(&m_model);
        m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
        m_table->setSelectionMode(QAbstractItemView::ExtendedSelection);
    }

    // Rows whose name contains this text are shown; "" shows all.
    QString searchText;
    int loadCount = 0;
    QStringList loadedGroups;
    int editCount = 0;
    int deleteCount = 0;
    int clearActionsMenuCount = 0;
    std::optional<QVariantMap> actionMenuRecord;
    MenuItems handedMenuItems;

    void loadOverview() override { loadOverviewForBills(IndexKeys::ActiveBills, QString()); }
    void loadOverviewForBills(const QString& group, const QString& tag) override
    {
        ++loadCount;
        loadedGroups.append(group);
        m_withIncome = BWBillsLoader(m_env).loadBillsInGroup(group, tag, true).value_or(QVariantList());
        m_dataSource = m_withIncome;
        m_filtered.clear();
        for (const QVariant& record : m_dataSource) {
            if (record.toMap().value(BillKeys::Name).toString().contains(searchText))
                m_filtered.append(record);
        }
        m_model.setRowCount(int(m_filtered.size()));
        m_model.setColumnCount(2);
        m_activity = std::make_unique<UserActivity>(QStringLiteral("com.Bramwick.Orvane.allbills"));
        m_activity->becomeCurrent();
    }
    QList<int> shownListModes;
    void showListMode(int index) override
    {
        shownListModes.append(index);
        loadOverview();
    }
    void showAllBills() override
    {
        searchText.clear();
        loadOverview();
    }

    QVariantList dataSource() const override { return m_dataSource; }
    // Lists these rows in place of those loaded (a repeating bill's rows).
    void listRows(const QVariantList& rows) { m_dataSource = rows; }
    QVariantList dataSourceFiltered() const override { return m_filtered; }
    QVariantList dataSourceWithIncome() const override { return m_withIncome; }
    QAbstractItemView* billTable() const override { return m_table; }

    void editBillFromOverview() override { ++editCount; }
    void deleteBillFromOverview() override { ++deleteCount; }
    bool archiveBillFromOverview(int tag) override
    {
        bool written = tag == 0;
        for (const QString& billID : selectedBillIDs())
            written = tag == 0 && BWBill(m_env).archiveBillWithBid(billID) && written;
        return written;
    }
    bool restoreBillFromOverview() override
    {
        const QStringList ids = selectedBillIDs();
        bool written = !ids.isEmpty();
        for (const QString& billID : ids)
            written = BWBill(m_env).restoreBillWithBid(billID) && written;
        return written;
    }
    // The skips asked for, by the selected bill's id.
    QStringList skippedBills;
    bool skipFromActionsButtonMenu() override
    {
        skippedBills += selectedBillIDs();
        return true;
    }
    void setupActionButtonMenuForBill(const QVariantMap& record) override { actionMenuRecord = record; }
    void clearActionsMenu() override { ++clearActionsMenuCount; }
    void updateTableColumnVisibility() override {}

    QWidget* list() const override { return m_list; }
    QWidget* monthAtGlance() const override { return m_month; }
    void setSearchFieldShown(bool shown) override { m_searchField->setVisible(shown); }
    void focusSearchField() override { m_searchField->setFocus(); }
    QWidget* searchField() const { return m_searchField; }
    QAbstractButton* overviewButtonLog() const override { return m_overviewButtonLog; }
    QWidget* showAllButton() const override { return m_showAllButton; }
    QWidget* actionText() const override { return m_actionText; }
    QWidget* actionBox() const override { return m_actionBox; }
    UserActivity* activity() const override { return m_activity.get(); }

    // The fake keeps its own items for the enabling tests and records what
    // the shell hands over.
    void setMenuItems(const MenuItems& items) override { handedMenuItems = items; }
    MenuItems menuItems() const override
    {
        return {m_menuItemNew,    m_importMenuItem, m_import4MenuItem, m_import4MenuCustom, m_closeMenuItem,
                m_editBillButton, m_editBillMenu,   m_deleteBillMenu,  m_archiveBillMenu};
    }
    QAction* menuItemNew() const { return m_menuItemNew; }
    QAction* importMenuItem() const { return m_importMenuItem; }
    QAction* import4MenuItem() const { return m_import4MenuItem; }
    QAction* import4MenuCustom() const { return m_import4MenuCustom; }
    QAction* closeMenuItem() const { return m_closeMenuItem; }
    QAbstractButton* editBillButton() const { return m_editBillButton; }
    QAction* editBillMenu() const { return m_editBillMenu; }
    QAction* deleteBillMenu() const { return m_deleteBillMenu; }
    QAction* archiveBillMenu() const { return m_archiveBillMenu; }
    QList<QLineEdit*> amountFields() const override { return {m_amountField}; }

    // Selects the shown rows, as a click (and shift-clicks) would.
    void selectRows(const QList<int>& rows)
    {
        m_table->clearSelection();
        for (int row : rows) {
            m_table->selectionModel()->setCurrentIndex(m_model.index(row, 0),
                                                       QItemSelectionModel::Select | QItemSelectionModel::Rows);
        }
    }
    int selectedRow() const
    {
        const QModelIndexList rows = m_table->selectionModel()->selectedRows();
        return rows.size() == 1 ? rows.first().row() : -1;
    }
    int indexOfName(const QString& name) const
    {
        for (int row = 0; row < m_filtered.size(); ++row) {
            if (m_filtered.at(row).toMap().value(BillKeys::Name) == name)
                return row;
        }
        return -1;
    }

private:
    QStringList selectedBillIDs() const
    {
        QStringList ids;
        for (const QModelIndex& index : m_table->selectionModel()->selectedRows())
            ids.append(m_filtered.at(index.row()).toMap().value(BillKeys::Bid).toString());
        return ids;
    }

    BWStoreEnvironment m_env;
    QVariantList m_dataSource;
    QVariantList m_filtered;
    QVariantList m_withIncome;
    std::unique_ptr<UserActivity> m_activity;
    QStandardItemModel m_model;
    FakeWidgets m_widgets;
    QTableView* m_table = m_widgets.make<QTableView>();
    QWidget* m_list = m_widgets.make<QWidget>(QSize(600, 400));
    QWidget* m_month = m_widgets.make<QWidget>(QSize(250, 400));
    QLineEdit* m_searchField = m_widgets.make<QLineEdit>();
    QPushButton* m_overviewButtonLog = m_widgets.make<QPushButton>();
    QPushButton* m_showAllButton = m_widgets.make<QPushButton>();
    QWidget* m_actionText = m_widgets.make<QWidget>();
    QWidget* m_actionBox = m_widgets.make<QWidget>();
    QAction* m_menuItemNew = m_widgets.make<QAction>();
    QAction* m_importMenuItem = m_widgets.make<QAction>();
    QAction* m_import4MenuItem = m_widgets.make<QAction>();
    QAction* m_import4MenuCustom = m_widgets.make<QAction>();
    QAction* m_closeMenuItem = m_widgets.make<QAction>();
    QPushButton* m_editBillButton = m_widgets.make<QPushButton>();
    QAction* m_editBillMenu = m_widgets.make<QAction>();
    QAction* m_deleteBillMenu = m_widgets.make<QAction>();
    QAction* m_archiveBillMenu = m_widgets.make<QAction>();
    QLineEdit* m_amountField = m_widgets.make<QLineEdit>();
};

class FakeBillPage : public BWBillDetailScreen
{
public:
    QStringList loadedIDs;
    int showWebViewCount = 0;
    int finishShowingWebsiteCount = 0;
    int hideWebViewCount = 0;
    int graphResizingCount = 0;
    int graphHeightCount = 0;
    int clearActionsMenuCount = 0;

    void loadBillWithID(const QString& billID) override
    {
        loadedIDs.append(billID);
        m_currentBillID = billID;
    }
    void loadBillWithDictionary(const QVariantMap& record) override
    {
        loadedIDs.append(record.value(BillKeys::Bid).toString());
        m_currentBillID = record.value(BillKeys::Bid).toString();
    }
    void showWebView() override { ++showWebViewCount; }
    void finishShowingWebsite() override { ++finishShowingWebsiteCount; }
    void hideWebView() override { ++hideWebViewCount; }
    void setGraphResizing() override { ++graphResizingCount; }
    void setGraphHeight() override { ++graphHeightCount; }

    QString currentBillID() const override { return m_currentBillID; }
    int dataPosition() const override { return m_dataPosition; }
    void setDataPosition(int position) override { m_dataPosition = position; }
    UserActivity* activity() const override { return m_activity.get(); }
    void setActivity(std::shared_ptr<UserActivity> activity) override
    {
        everyActivity.push_back(activity);
        m_activity = std::move(activity);
    }
    // Every activity the page was given, kept for looking at later.
    std::vector<std::shared_ptr<UserActivity>> everyActivity;

    QWidget* stickyNote() const override { return m_stickyNote; }
    QWidget* billHeader() const override { return m_billHeader; }
    QWidget* statisticsView() const override { return m_statisticsView; }
    QWidget* paymentHistory() const override { return m_paymentHistory; }
    QWidget* webViewContainer() const override { return m_webViewContainer; }
    QAbstractButton* nextBillButton() const override { return m_nextBillButton; }
    QAbstractButton* previousBillButton() const override { return m_previousBillButton; }
    QAbstractButton* logPaymentButtonDetail() const override { return m_logPaymentButtonDetail; }
    QWidget* actionsPopupButton() const override { return m_actionsPopupButton; }
    void clearActionsMenu() override { ++clearActionsMenuCount; }
    void showSkipPaymentPopover(QWidget*) override { m_skipPaymentPopover->show(); }
    void closePopovers() override
    {
        for (QWidget* popover : popovers())
            popover->close();
    }
    QList<QLineEdit*> amountFields() const override { return {}; }

    QWidget* paymentEditorPopover() const { return m_paymentEditorPopover; }
    QWidget* stickyEditorPopover() const { return m_stickyEditorPopover; }
    QWidget* notesEditorPopover() const { return m_notesEditorPopover; }
    QWidget* skipPaymentPopover() const { return m_skipPaymentPopover; }
    QList<QWidget*> popovers() const
    {
        return {m_paymentEditorPopover, m_stickyEditorPopover, m_notesEditorPopover, m_skipPaymentPopover};
    }

    // What the page announces after a save in one of its popovers.
    std::function<void()> billChanged;

private:
    QString m_currentBillID;
    int m_dataPosition = 0;
    std::shared_ptr<UserActivity> m_activity;
    FakeWidgets m_widgets;
    QWidget* m_stickyNote = m_widgets.make<QWidget>(QSize(250, 300));
    QWidget* m_billHeader = m_widgets.make<QWidget>(QSize(500, 80));
    QWidget* m_statisticsView = m_widgets.make<QWidget>(QSize(500, 150));
    QWidget* m_paymentHistory = m_widgets.make<QWidget>(QSize(500, 200));
    QWidget* m_webViewContainer = m_widgets.make<QWidget>(QSize(700, 500));
    QPushButton* m_nextBillButton = m_widgets.make<QPushButton>();
    QPushButton* m_previousBillButton = m_widgets.make<QPushButton>();
    QPushButton* m_logPaymentButtonDetail = m_widgets.make<QPushButton>();
    QPushButton* m_actionsPopupButton = m_widgets.make<QPushButton>();
    QWidget* m_paymentEditorPopover = m_widgets.popover();
    QWidget* m_stickyEditorPopover = m_widgets.popover();
    QWidget* m_notesEditorPopover = m_widgets.popover();
    QWidget* m_skipPaymentPopover = m_widgets.popover();
};

class FakeEditor : public BWBillEditorScreen
{
public:
    explicit FakeEditor(const BWStoreEnvironment& env)
        : m_env(env)
    {
    }

    struct PopoverRequest
    {
        QString kind;   // "new bill", "savings goal", "edit", "delete"
        QString billID;
        QWidget* anchor = nullptr;
    };
    std::vector<PopoverRequest> requests;
    QVariantList listOfActiveBills;

    void createNewBill(QWidget* anchor) override { requests.push_back({QStringLiteral("new bill"), {}, anchor}); }
    void createNewSavingsGoal(QWidget* anchor) override
    {
        requests.push_back({QStringLiteral("savings goal"), {}, anchor});
    }
    void showEditPopoverForBill(const QString& billID, const QRect&, QWidget* view) override
    {
        requests.push_back({QStringLiteral("edit"), billID, view});
        m_editorPopover->show();
    }
    void showDeletePopoverForBill(const QString& billID, const QRect&, QWidget* view) override
    {
        requests.push_back({QStringLiteral("delete"), billID, view});
        m_editorPopover->show();
    }
    bool restoreBill(const QString& billID) override { return BWBill(m_env).restoreBillWithBid(billID); }
    void setListOfActiveBills(const QVariantList& bills) override { listOfActiveBills = bills; }

    // What the editor announces after each save, delete or archive.
    std::function<void()> itemChanged;
    // The delete popover's Delete button.
    void confirmDelete()
    {
        BWBill(m_env).deleteBillWithBid(requests.back().billID);
        m_editorPopover->close();
        itemChanged();
    }
    // A save in the edit popover.
    void saveEdits()
    {
        m_editorPopover->close();
        itemChanged();
    }

    void closePopover() override { m_editorPopover->close(); }
    QWidget* editorPopover() const { return m_editorPopover; }
    QWidget* overviewNewBillButton() const override { return m_overviewNewBillButton; }
    QList<QLineEdit*> amountFields() const override { return {}; }

private:
    BWStoreEnvironment m_env;
    FakeWidgets m_widgets;
    QWidget* m_editorPopover = m_widgets.popover();
    QPushButton* m_overviewNewBillButton = m_widgets.make<QPushButton>();
};

class FakeLogPaymentPanel : public BWLogPaymentScreen
{
public:
    // The bill and the kind of each opening of the panel.
    QStringList shownForBids;
    QList<PaymentKind> shownKinds;
    // What the panel announces after a stored payment.
    std::function<void()> paymentLogged;

    QString bid() const override { return m_bid; }
    void setBid(const QString& billID) override { m_bid = billID; }
    void showLogPaymentWindow(PaymentKind kind) override
    {
        shownForBids.append(m_bid);
        shownKinds.append(kind);
    }
    QLineEdit* amountPaidField() const override { return m_amountPaidField; }

private:
    QString m_bid;
    FakeWidgets m_widgets;
    QLineEdit* m_amountPaidField = m_widgets.make<QLineEdit>();
};
