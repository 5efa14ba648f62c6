#pragma once

#include <QList>
#include <QString>
#include <QVariantMap>

#include <memory>

class QAbstractButton;
class QLineEdit;
class QWidget;
class UserActivity;

// What the application shell needs of the bill page: one bill with its
// header, note, statistics, payment history and web pane. The shell places
// and slides its panes, shows bills on it, and reads which bill it shows;
// the page announces what it stored through its own signals.
class BWBillDetailScreen
{
public:
    virtual ~BWBillDetailScreen() = default;

    // Loads the record through the store and fills the page with it.
    virtual void loadBillWithID(const QString& billID) = 0;
    // Fills the page from the record.
    virtual void loadBillWithDictionary(const QVariantMap& record) = 0;
    // Asks the shell for the log-payment panel, then shows the pay site.
    virtual void showWebView() = 0;
    // Shows the current bill's pay site, in the page's web pane or the browser.
    virtual void finishShowingWebsite() = 0;
    // Leaves the pay site and slides the web pane away, showing the page's
    // panels and the previous and next buttons again.
    virtual void hideWebView() = 0;
    // The payment graph: a live resize is going on, or it ended.
    virtual void setGraphResizing() = 0;
    virtual void setGraphHeight() = 0;

    // Id of the shown bill; empty before the first one.
    virtual QString currentBillID() const = 0;
    // Index of the shown bill in the overview's full list.
    virtual int dataPosition() const = 0;
    virtual void setDataPosition(int position) = 0;
    // The page's hand-off activity, made and replaced by the shell.
    virtual UserActivity* activity() const = 0;
    virtual void setActivity(std::shared_ptr<UserActivity> activity) = 0;

    // The panes the shell places and slides.
    virtual QWidget* stickyNote() const = 0;
    virtual QWidget* billHeader() const = 0;
    virtual QWidget* statisticsView() const = 0;
    virtual QWidget* paymentHistory() const = 0;
    virtual QWidget* webViewContainer() const = 0;

    virtual QAbstractButton* nextBillButton() const = 0;
    virtual QAbstractButton* previousBillButton() const = 0;
    virtual QAbstractButton* logPaymentButtonDetail() const = 0;
    // Anchor of the edit and delete popovers opened for the shown bill.
    virtual QWidget* actionsPopupButton() const = 0;
    // Empties the actions pop-up.
    virtual void clearActionsMenu() = 0;

    // The question whether to skip the shown bill's payment, beside `anchor`
    // (none: beside the page's skip button).
    virtual void showSkipPaymentPopover(QWidget* anchor) = 0;
    // Closes the page's popovers without writing: their edits belong to the
    // bill shown when they opened.
    virtual void closePopovers() = 0;

    // The amount fields that show money in the user's currency.
    virtual QList<QLineEdit*> amountFields() const = 0;
};
