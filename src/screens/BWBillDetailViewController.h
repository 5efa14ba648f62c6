#pragma once

#include <QDateTime>
#include <QHash>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QWidget>
#include <QUrl>
#include <QVariantList>
#include <QVariantMap>

#include <functional>
#include <memory>
#include <optional>

#include "screens/BWBillDetailScreen.h"
#include "store/BWStoreEnvironment.h"

class BGHUDBox;
class BGHUDLabel;
class BGHUDTextField;
class BGHUDView;
class BWBillActionsMenu;
class BWDateField;
class BWGraphViewController;
class BWPopupButton;
class KBButton;
class KNPopUpDatePicker;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QScrollArea;
class BWLimitedSplitView;
class BWWebEngineLoader;
class BWWebPane;
class QStandardItemModel;
class QTabWidget;
class QTableView;

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
    // This month's estimate of a bill whose amount varies; 0 for none.
    using AmountEstimate = std::function<double(const QVariantMap& bill)>;
    // Opens a web address in the desktop's browser; false when none started.
    using UrlOpener = std::function<bool(const QUrl& url)>;
    // Opens a local file with the desktop's program for it.
    using FileOpener = std::function<bool(const QString& path)>;
    // Asks for one receipt file; "" when the user cancelled.
    using ReceiptChooser = std::function<QString(QWidget* parent)>;
    // Tells the user something went wrong.
    using Warning = std::function<void(QWidget* parent, const QString& message, const QString& details)>;
    // Asks the user a question with buttons (the first is the default);
    // answers the index of the button clicked, -1 when dismissed.
    using Question = std::function<int(QWidget* parent, const QString& message, const QString& details,
                                       const QStringList& buttons)>;

    explicit BWBillDetailViewController(const BWStoreEnvironment& env, QObject* parent = nullptr);
    ~BWBillDetailViewController() override;

    void setAmountEstimate(AmountEstimate estimate) { m_estimate = std::move(estimate); }
    void setUrlOpener(UrlOpener opener) { m_openUrl = std::move(opener); }
    void setFileOpener(FileOpener opener) { m_openFile = std::move(opener); }
    void setReceiptChooser(ReceiptChooser chooser) { m_chooseReceipt = std::move(chooser); }
    void setWarning(Warning warning) { m_warn = std::move(warning); }
    void setQuestion(Question question) { m_ask = std::move(question); }
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
    BWWebPane* webPane() const { return m_webPane; }
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
    BGHUDLabel* titleHeaderField() const { return m_titleHeaderField; }
    QLabel* headerDueImageView() const { return m_headerDueImageView; }
    BGHUDLabel* weekendAdjustmentNotice() const { return m_weekendAdjustmentNotice; }
    KBButton* editButton() const { return m_editButton; }
    KBButton* overviewButton() const { return m_overviewButton; }
    BWBillActionsMenu* actionsMenu() const { return m_actionsMenu; }
    QAbstractButton* actionsAlternateButton() const;
    QLabel* stickyHumanDueDateField() const { return m_stickyHumanDueDateField; }
    QLabel* dueDateField() const { return m_dueDateField; }
    QLabel* humanRepeatField() const { return m_humanRepeatField; }
    QLabel* amountDueTitle() const { return m_amountDueTitle; }
    QLabel* amountDueField() const { return m_amountDueField; }
    QLabel* incomeAutologText() const { return m_incomeAutologText; }
    QLabel* dueStickerImageView() const { return m_dueStickerImageView; }
    KBButton* payNowButton() const { return m_payNowButton; }
    BWPopupButton* logPartialPopUp() const { return m_logPartialPopUp; }
    QTableView* paymentTable() const { return m_paymentTable; }
    BGHUDLabel* paymentHistoryHeader() const { return m_paymentHistoryHeader; }
    BGHUDLabel* totalPaidBalanceTitle() const { return m_totalPaidBalanceTitle; }
    BGHUDLabel* totalPaidField() const { return m_totalPaidField; }
    QPushButton* viewReceiptButton() const { return m_viewReceiptButton; }
    QPlainTextEdit* notesViewField() const { return m_notesViewField; }
    BGHUDLabel* billTagsList() const { return m_billTagsList; }
    BWGraphViewController* graphViewController() const { return m_graphViewController; }

    // The statistics strip: its document width, and the shown figures.
    QScrollArea* statsScrollView() const { return m_statsScrollView; }
    QList<QWidget*> shownStatBoxes() const;
    // The strip shows only whole boxes, as many as its width holds; done on
    // every resize of the strip.
    void fitStatisticsToWholeBoxes();
    void showOnlyWholeStatBoxes();
    // The figure fields by name ("averagePaymentAmt", "totalThis", ...).
    BGHUDLabel* statField(const QString& name) const;
    QLabel* balanceGraph() const { return m_balanceGraph; }
    QLabel* thisYearGraph() const { return m_thisYearGraph; }
    QLabel* lastYearGraph() const { return m_lastYearGraph; }

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
    KNPopUpDatePicker* revDatePaid() const { return m_revDatePaid; }
    BGHUDTextField* revAmtPaid() const { return m_revAmtPaid; }
    BGHUDTextField* revNotePaid() const { return m_revNotePaid; }
    QPushButton* revReceipt() const { return m_revReceipt; }
    QPushButton* removeReceiptButton() const { return m_removeReceiptButton; }
    QTabWidget* revisionTabView() const { return m_revisionTabView; }
    KNPopUpDatePicker* revisedStickyDate() const { return m_revisedStickyDate; }
    BGHUDTextField* revisedStickyAmount() const { return m_revisedStickyAmount; }
    QPlainTextEdit* notesEditField() const { return m_notesEditField; }
    QWidget* balancePopover() const { return m_balancePopover; }
    BGHUDTextField* balanceEditField() const { return m_balanceEditField; }
    BGHUDTextField* interestRateField() const { return m_interestRateField; }
    BGHUDTextField* escrowEditField() const { return m_escrowEditField; }

protected:
    // Notes typed in place are stored when the field loses focus.
    bool eventFilter(QObject* watched, QEvent* event) override;

signals:
    // The user asked for the log-payment panel; the sender's tag is the kind.
    void logPaymentRequested(QObject* sender);
    // The user asked to edit the shown bill in the editor.
    void editBillRequested();
    // The user asked to go back to the overview.
    void overviewRequested();
    // The user asked for the previous or next bill; the sender's tag is the step.
    void switchBillsRequested(QObject* sender);
    // A change to the shown bill was stored.
    void billChanged(const QString& billID);
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
    // One line of a statistics box: the field `field` under `caption`, and
    // beside the caption the field `captionField` when there is one.
    struct StatLine {
        QString field;
        QString caption;
        QString captionField = {};
    };
    QWidget* buildStatBox(const QString& title, const QList<StatLine>& lines, QWidget* titleButton = nullptr);

    // Loading
    void showMode(bool income, bool autoLogIncome);
    void enableCommandsOffered(const QVariantMap& record);
    void showDateNotice(const QVariantMap& record);
    void showAmountDue(const QVariantMap& record);
    void showPayments(const QVariantMap& record);
    void showStatistics(const QVariantMap& record);
    static void setBarHeight(QLabel* bar, int percent);
    void paymentSelectionChanged();
    bool rowHasReceipt(int row) const;

    // Pay site
    std::optional<QUrl> shownPaySite() const;
    void openInDesktopBrowser(const QUrl& url);
    void slideWebViewUp(const QUrl& url);
    bool webViewIsShown() const;
    // The pane, once up, covers the window below the header.
    void fitWebViewToWindow();

    // Edits
    void openPopover(QWidget* popover, QWidget* anchor, const QRect& area = QRect());
    void showEditedReceipt(const QString& receipt);
    void closePopover(QWidget* popover);
    void finishSave(QWidget* popover);
    void warn(const QString& message, const QString& details);
    // Takes the date typed into the field, or says why it can't.
    bool acceptTypedDate(BWDateField* field);
    bool saveKeys(const QStringList& keys, const QVariantList& values);
    std::optional<QVariantMap> loadShownBill() const;
    // The stored payments, checked against the page's list: nothing when the
    // bill changed since the page loaded it.
    std::optional<QVariantList> storedPaymentsMatchingPage() const;
    std::optional<QVariantList> paymentsToEdit(const QString& failureTitle);
    std::optional<QString> receiptForSave();

    BWStoreEnvironment m_env;
    AmountEstimate m_estimate;
    UrlOpener m_openUrl;
    FileOpener m_openFile;
    ReceiptChooser m_chooseReceipt;
    Warning m_warn;
    Question m_ask;

    QString m_currentBillID;
    int m_dataPosition = -1;
    QVariantList m_dataSource;
    int m_currentEditingIndex = -1;
    std::shared_ptr<UserActivity> m_activity;
    // The receipt chosen in the payment editor; its button shows the name.
    QString m_editedReceipt;
    // The date the quick editor opened with; a due date left alone is not
    // written back.
    QDateTime m_quickEditDueDate;

    BWGraphViewController* m_graphViewController = nullptr;
    BWBillActionsMenu* m_actionsMenu = nullptr;

    // Panes
    QPointer<BGHUDView> m_billHeader;
    QPointer<BGHUDView> m_stickyNote;
    QPointer<BGHUDView> m_paymentHistory;
    QPointer<BGHUDView> m_statisticsView;
    QList<QWidget*> m_statArrows;
    QPointer<QWidget> m_statsHost;
    QPointer<BGHUDView> m_webViewContainer;
    BWWebPane* m_webPane = nullptr;

    // Header
    BGHUDLabel* m_titleHeaderField = nullptr;
    QLabel* m_headerDueImageView = nullptr;
    BGHUDLabel* m_weekendAdjustmentNotice = nullptr;
    KBButton* m_nextBillButton = nullptr;
    KBButton* m_previousBillButton = nullptr;
    KBButton* m_editButton = nullptr;
    KBButton* m_overviewButton = nullptr;
    BWPopupButton* m_actionsPopupButton = nullptr;
    KBButton* m_actionsAlternateButton = nullptr;

    // Sticky note
    QLabel* m_stickyHumanDueDateField = nullptr;
    QLabel* m_dueDateField = nullptr;
    QLabel* m_humanRepeatField = nullptr;
    QLabel* m_amountDueField = nullptr;
    QLabel* m_amountDueTitle = nullptr;
    QLabel* m_incomeAutologText = nullptr;
    QLabel* m_dueStickerImageView = nullptr;
    KBButton* m_payNowButton = nullptr;
    KBButton* m_skipButton = nullptr;
    KBButton* m_logPaymentButtonDetail = nullptr;
    BWPopupButton* m_logPartialPopUp = nullptr;
    QPlainTextEdit* m_notesViewField = nullptr;
    BGHUDLabel* m_billTagsList = nullptr;

    // Payment history
    QTableView* m_paymentTable = nullptr;
    QStandardItemModel* m_paymentModel = nullptr;
    BWLimitedSplitView* m_splitView = nullptr;
    BGHUDLabel* m_paymentHistoryHeader = nullptr;
    BGHUDLabel* m_totalPaidBalanceTitle = nullptr;
    BGHUDLabel* m_totalPaidField = nullptr;
    QPushButton* m_viewReceiptButton = nullptr;

    // Statistics
    QScrollArea* m_statsScrollView = nullptr;
    QWidget* m_statPaymentBox = nullptr;
    QWidget* m_statsYearBox = nullptr;
    QWidget* m_statBalanceBox = nullptr;
    QWidget* m_statSeasonsBox = nullptr;
    QHash<QString, BGHUDLabel*> m_statFields;
    QLabel* m_balanceGraph = nullptr;
    QLabel* m_thisYearGraph = nullptr;
    QLabel* m_lastYearGraph = nullptr;

    // Popovers
    QPointer<QWidget> m_skipPaymentPopover;
    QPointer<QWidget> m_paymentEditorPopover;
    QPointer<QWidget> m_stickyEditorPopover;
    QPointer<QWidget> m_notesEditorPopover;
    QPointer<QWidget> m_balancePopover;
    KNPopUpDatePicker* m_revDatePaid = nullptr;
    BGHUDTextField* m_revAmtPaid = nullptr;
    BGHUDTextField* m_revNotePaid = nullptr;
    QPushButton* m_revReceipt = nullptr;
    QPushButton* m_removeReceiptButton = nullptr;
    QLabel* m_skipQuestion = nullptr;
    QTabWidget* m_revisionTabView = nullptr;
    KNPopUpDatePicker* m_revisedStickyDate = nullptr;
    BGHUDTextField* m_revisedStickyAmount = nullptr;
    QPlainTextEdit* m_notesEditField = nullptr;
    BGHUDTextField* m_balanceEditField = nullptr;
    BGHUDTextField* m_interestRateField = nullptr;
    BGHUDTextField* m_escrowEditField = nullptr;
};
