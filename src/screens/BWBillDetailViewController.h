#pragma once

#include <QList>
#include <QObject>
#include <QString>
#include <QUrl>
#include <QVariantList>
#include <QVariantMap>
#include <QWidget>
#include <memory>
#include <optional>

#include "screens/BWBillDetailDesktop.h"
#include "screens/BWBillDetailScreen.h"
#include "screens/BWBillDetailWidgets.h"
#include "screens/BWBillPageEditState.h"
#include "screens/BWBillStatisticsStrip.h"
#include "store/BWStoreEnvironment.h"

class BWBillActionsMenu;
class BWDateField;
class BWGraphViewController;
class BWWebEngineLoader;

// The main window's page of one bill or income item: a header with its name
// and commands, the sticky note with its due date, amount and payment
// buttons, the payment history with the bar graph, and a strip of
// statistics. The page shows what the store holds; every change the user
// makes on it (skipping, editing a payment, the due date, the amount, the
// notes, the balance) is written through the store and reported with a
// signal, after which the page loads the bill again.
//
// The shell places and slides the page's panes and asks it to show bills.
// What the page needs of the shell (the log-payment panel, the editor) it
// asks through its signals.
class BWBillDetailViewController : public QObject, public BWBillDetailScreen
{
    Q_OBJECT

public:
    explicit BWBillDetailViewController(const BWStoreEnvironment& env, QObject* parent = nullptr);
    ~BWBillDetailViewController() override;

    using Desktop = BWBillDetailDesktop;
    // What the page asks of the desktop; the shell or a test answers.
    Desktop& desktop() { return m_desktop; }
    // Where the browser pane's web engine comes from; without one, pay sites
    // open in the desktop's browser.
    void setWebEngineLoader(BWWebEngineLoader* loader);

    // ---- BWBillDetailScreen ----
    void loadBillWithID(const QString& billID) override;
    void loadBillWithDictionary(const QVariantMap& record) override;
    void showWebView() override;
    void finishShowingWebsite() override;
    void hideWebView() override;
    // Opens the shown bill's pay site in the desktop's browser and hides the pane.
    void openWebsiteInBrowser();
    void setGraphResizing() override;
    void setGraphHeight() override;

    QString currentBillID() const override { return m_currentBillID; }
    int dataPosition() const override { return m_dataPosition; }
    void setDataPosition(int position) override { m_dataPosition = position; }
    UserActivity* activity() const override { return m_activity.get(); }
    void setActivity(std::shared_ptr<UserActivity> activity) override { m_activity = std::move(activity); }

    QWidget* stickyNote() const override;
    QWidget* billHeader() const override;
    QWidget* statisticsView() const override;
    QWidget* paymentHistory() const override;
    QWidget* webViewContainer() const override;
    BWWebPane* webPane() const { return m_widgets.webPane; }
    QAbstractButton* nextBillButton() const override;
    QAbstractButton* previousBillButton() const override;
    QAbstractButton* skipButton() const;
    QAbstractButton* logPaymentButtonDetail() const override;
    QWidget* actionsPopupButton() const override;
    void clearActionsMenu() override;
    void showSkipPaymentPopover(QWidget* anchor) override;
    void closePopovers() override;
    QList<QLineEdit*> amountFields() const override;

    // The page's popovers, each a window of its own.
    QWidget* paymentEditorPopover() const;
    QWidget* stickyEditorPopover() const;
    QWidget* notesEditorPopover() const;
    QWidget* skipPaymentPopover() const;

    // ---- What the page shows ----
    // The shown bill's payments, newest first: the payment table's rows.
    QVariantList dataSource() const { return m_dataSource; }
    BGHUDLabel* titleHeaderField() const { return m_widgets.titleHeaderField; }
    QLabel* headerDueImageView() const { return m_widgets.headerDueImageView; }
    BGHUDLabel* weekendAdjustmentNotice() const { return m_widgets.weekendAdjustmentNotice; }
    KBButton* editButton() const { return m_widgets.editButton; }
    KBButton* overviewButton() const { return m_widgets.overviewButton; }
    BWBillActionsMenu* actionsMenu() const { return m_actionsMenu; }
    QAbstractButton* actionsAlternateButton() const;
    QLabel* stickyHumanDueDateField() const { return m_widgets.stickyHumanDueDateField; }
    QLabel* dueDateField() const { return m_widgets.dueDateField; }
    QLabel* humanRepeatField() const { return m_widgets.humanRepeatField; }
    QLabel* amountDueTitle() const { return m_widgets.amountDueTitle; }
    QLabel* amountDueField() const { return m_widgets.amountDueField; }
    QLabel* incomeAutologText() const { return m_widgets.incomeAutologText; }
    QLabel* dueStickerImageView() const { return m_widgets.dueStickerImageView; }
    KBButton* payNowButton() const { return m_widgets.payNowButton; }
    BWPopupButton* logPartialPopUp() const { return m_widgets.logPartialPopUp; }
    QTableView* paymentTable() const { return m_widgets.paymentTable; }
    BGHUDLabel* paymentHistoryHeader() const { return m_widgets.paymentHistoryHeader; }
    BGHUDLabel* totalPaidBalanceTitle() const { return m_widgets.totalPaidBalanceTitle; }
    BGHUDLabel* totalPaidField() const { return m_widgets.totalPaidField; }
    QPushButton* viewReceiptButton() const { return m_widgets.viewReceiptButton; }
    QPlainTextEdit* notesViewField() const { return m_widgets.notesViewField; }
    BGHUDLabel* billTagsList() const { return m_widgets.billTagsList; }
    BWGraphViewController* graphViewController() const { return m_graphViewController; }

    // The statistics strip: its document width, and the shown figures.
    QScrollArea* statsScrollView() const { return m_widgets.statsScrollView; }
    BWBillStatisticsStrip& statisticsStrip() { return m_statisticsStrip; }
    QLabel* balanceGraph() const { return m_widgets.balanceGraph; }
    QLabel* thisYearGraph() const { return m_widgets.thisYearGraph; }
    QLabel* lastYearGraph() const { return m_widgets.lastYearGraph; }

    // Image name of the large due image for a small due dot.
    static QString getLargeBillIconWithSmallIcon(const QString& imageName);
    void setPayNowButtonVisibility(const QVariantMap& record);
    void setVisibleStats(bool income);
    void switchStatPositionBack();
    void switchStatPositionForward();
    void updateStatPositionWithNewPosition(qlonglong position);
    // Scrolls the statistics strip to the stored position.
    void showStatPosition();

    // ---- Edits ----
    void cancelSkipPayment();
    // Moves the due date one repeat step on without a payment; false when
    // nothing was written.
    bool skipPayment();
    // Opens the payment editor for a row of the payment table.
    void editClickedPayment(int row);
    bool saveClickedPayment();
    // Removes the payment being edited once the user said so; false when
    // nothing was removed.
    bool askToDeleteClickedPayment();
    bool deleteClickedPayment();
    void attachReceipt();
    void removeReceipt();
    void viewReceipt();
    // Opens the due-date (tab 0) or amount (tab 1) editor.
    enum QuickEditTab { DueDateTab = 0, AmountTab = 1 };
    void quickEdit(int tab, QWidget* anchor);
    bool saveQuickEdits();
    void quickEditNotes();
    bool saveQuickEditNotes();
    void cancelQuickEditNotes();
    void editBalance(QWidget* anchor);
    bool saveBalanceChanges();
    // Stores the notes typed in place.
    bool saveNotesInPlace();
    // Stores notes typed in place that are not stored yet (the field keeps
    // them while it has the focus); the notes stored, or nothing.
    std::optional<QString> savePendingNotes();

    // The popovers' fields.
    KNPopUpDatePicker* revDatePaid() const { return m_widgets.revDatePaid; }
    BGHUDTextField* revAmtPaid() const { return m_widgets.revAmtPaid; }
    BGHUDTextField* revNotePaid() const { return m_widgets.revNotePaid; }
    QPushButton* revReceipt() const { return m_widgets.revReceipt; }
    QPushButton* removeReceiptButton() const { return m_widgets.removeReceiptButton; }
    QTabWidget* revisionTabView() const { return m_widgets.revisionTabView; }
    KNPopUpDatePicker* revisedStickyDate() const { return m_widgets.revisedStickyDate; }
    BGHUDTextField* revisedStickyAmount() const { return m_widgets.revisedStickyAmount; }
    QPlainTextEdit* notesEditField() const { return m_widgets.notesEditField; }
    QWidget* balancePopover() const { return m_widgets.balancePopover; }
    BGHUDTextField* balanceEditField() const { return m_widgets.balanceEditField; }
    BGHUDTextField* interestRateField() const { return m_widgets.interestRateField; }
    BGHUDTextField* escrowEditField() const { return m_widgets.escrowEditField; }

protected:
    // Notes typed in place are stored when the field loses focus.
    bool eventFilter(QObject* watched, QEvent* event) override;

signals:
    // The user asked for the log-payment panel; the sender's tag is the kind.
    void logPaymentRequested(QObject* sender);
    void editBillRequested();  // in the editor
    void overviewRequested();
    void switchBillsRequested(QObject* sender);  // the previous or next bill: the sender's tag is the step
    // A change to the shown bill was stored; a due date moved may make it due,
    // for the same automatic step as a save in the editor.
    void billChanged(const QString& billID);
    void dueDateChanged(const QString& billID);
    // The shown bill's new data was loaded: the menu of due bills may follow.
    void billLoaded(const QString& billID);

private:
    // Views
    void buildHeader();
    void buildStickyNote();
    void buildPaymentHistory();
    void buildStatistics();
    void buildPopovers();
    void buildWebViewContainer();

    // Loading
    void showMode(bool income, bool autoLogIncome);
    void enableCommandsOffered(const QVariantMap& record);
    void showDateNotice(const QVariantMap& record);
    void showAmountDue(const QVariantMap& record);
    void showPayments(const QVariantMap& record);
    void paymentSelectionChanged();
    bool rowHasReceipt(int row) const;

    // Pay site
    std::optional<QUrl> shownPaySite() const;
    void slideWebViewUp(const QUrl& url);
    bool webViewIsShown() const;
    // The pane, once up, covers the window below the header.
    void fitWebViewToWindow();

    // Edits
    void showEditedReceipt(const QString& receipt);
    void closePopover(QWidget* popover);
    void finishSave(QWidget* popover);
    void warn(const QString& message, const QString& details);
    // Takes the date typed into the field, or says why it can't.
    bool acceptTypedDate(BWDateField* field);
    bool saveKeys(const QStringList& keys, const QVariantList& values);
    bool saveDueDate(const QDateTime& dueDate);
    std::optional<QVariantMap> loadShownBill() const;
    std::optional<QVariantList> paymentsToEdit(const QString& failureTitle);
    std::optional<QString> receiptForSave();

    BWStoreEnvironment m_env;
    Desktop m_desktop;

    QString m_currentBillID;
    int m_dataPosition = -1;
    QVariantList m_dataSource;
    std::shared_ptr<UserActivity> m_activity;
    BWBillPageEditState m_editing;

    BWGraphViewController* m_graphViewController = nullptr;
    BWBillActionsMenu* m_actionsMenu = nullptr;

    // The page's panes, their views and the popovers' fields.
    BWBillDetailWidgets m_widgets;
    BWBillStatisticsStrip m_statisticsStrip{m_env, m_widgets};
};
