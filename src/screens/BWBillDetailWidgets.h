#pragma once

#include <QHash>
#include <QList>
#include <QPointer>
#include <QString>

class BGHUDLabel;
class BGHUDTextField;
class BGHUDView;
class BWLimitedSplitView;
class BWPopupButton;
class BWWebPane;
class KBButton;
class KNPopUpDatePicker;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QScrollArea;
class QStandardItemModel;
class QTabWidget;
class QTableView;
class QWidget;

// The views of a bill's page, by pane, and the fields of its popovers, as the
// page's controller built them.
struct BWBillDetailWidgets
{
    // Panes
    QPointer<BGHUDView> billHeader;
    QPointer<BGHUDView> stickyNote;
    QPointer<BGHUDView> paymentHistory;
    QPointer<BGHUDView> statisticsView;
    QList<QWidget*> statArrows;
    QPointer<QWidget> statsHost;
    QPointer<BGHUDView> webViewContainer;
    BWWebPane* webPane = nullptr;

    // Header
    BGHUDLabel* titleHeaderField = nullptr;
    QLabel* headerDueImageView = nullptr;
    BGHUDLabel* weekendAdjustmentNotice = nullptr;
    KBButton* nextBillButton = nullptr;
    KBButton* previousBillButton = nullptr;
    KBButton* editButton = nullptr;
    KBButton* overviewButton = nullptr;
    BWPopupButton* actionsPopupButton = nullptr;
    KBButton* actionsAlternateButton = nullptr;

    // Sticky note
    QLabel* stickyHumanDueDateField = nullptr;
    QLabel* dueDateField = nullptr;
    QLabel* humanRepeatField = nullptr;
    QLabel* amountDueField = nullptr;
    QLabel* amountDueTitle = nullptr;
    QLabel* incomeAutologText = nullptr;
    QLabel* dueStickerImageView = nullptr;
    KBButton* payNowButton = nullptr;
    KBButton* skipButton = nullptr;
    KBButton* logPaymentButtonDetail = nullptr;
    BWPopupButton* logPartialPopUp = nullptr;
    QPlainTextEdit* notesViewField = nullptr;
    BGHUDLabel* billTagsList = nullptr;

    // Payment history
    QTableView* paymentTable = nullptr;
    QStandardItemModel* paymentModel = nullptr;
    BWLimitedSplitView* splitView = nullptr;
    BGHUDLabel* paymentHistoryHeader = nullptr;
    BGHUDLabel* totalPaidBalanceTitle = nullptr;
    BGHUDLabel* totalPaidField = nullptr;
    QPushButton* viewReceiptButton = nullptr;

    // Statistics
    QScrollArea* statsScrollView = nullptr;
    QWidget* statPaymentBox = nullptr;
    QWidget* statsYearBox = nullptr;
    QWidget* statBalanceBox = nullptr;
    QWidget* statSeasonsBox = nullptr;
    QHash<QString, BGHUDLabel*> statFields;
    QLabel* balanceGraph = nullptr;
    QLabel* thisYearGraph = nullptr;
    QLabel* lastYearGraph = nullptr;

    // Popovers
    QPointer<QWidget> skipPaymentPopover;
    QPointer<QWidget> paymentEditorPopover;
    QPointer<QWidget> stickyEditorPopover;
    QPointer<QWidget> notesEditorPopover;
    QPointer<QWidget> balancePopover;
    KNPopUpDatePicker* revDatePaid = nullptr;
    BGHUDTextField* revAmtPaid = nullptr;
    BGHUDTextField* revNotePaid = nullptr;
    QPushButton* revReceipt = nullptr;
    QPushButton* removeReceiptButton = nullptr;
    QLabel* skipQuestion = nullptr;
    QTabWidget* revisionTabView = nullptr;
    KNPopUpDatePicker* revisedStickyDate = nullptr;
    BGHUDTextField* revisedStickyAmount = nullptr;
    QPlainTextEdit* notesEditField = nullptr;
    BGHUDTextField* balanceEditField = nullptr;
    BGHUDTextField* interestRateField = nullptr;
    BGHUDTextField* escrowEditField = nullptr;
};
