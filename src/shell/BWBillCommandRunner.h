#pragma once

#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QVariantMap>

#include <functional>
#include <optional>

#include "shell/BWMenuValidation.h"
#include "store/PaymentKind.h"

class BWAppDelegate;
class BWBillDetailScreen;
class BWBillEditorScreen;
class BWOverviewScreen;
class BWTableSelection;
struct BWAppScreens;
struct BWStoreEnvironment;
class QRect;
class QWidget;

// Moving between the overview and a bill, and the commands on the bill the
// user is looking at: the overview's selected row while the overview shows,
// the bill page's bill while that shows. Every menu item, button and key
// that offers a command comes here; what the screens announce they stored
// comes here too, and what shows it reloads. Owned by the application
// delegate.
class BWBillCommandRunner : public QObject
{
    Q_OBJECT

public:
    explicit BWBillCommandRunner(BWAppDelegate& delegate);

    QString visibleView() const { return m_visibleView; }
    bool overviewIsShown() const;
    bool billPageIsShown() const;
    // The bill the commands act on; "" for none.
    QString currentBillID() const;
    // What the menu's commands depend on at this moment.
    BWMenuValidation::Context commandContext() const;
    // The overview's pane set, as start-up shows it first.
    void showOverviewPaneSet();

    void switchToBillView(QObject* sender = nullptr);
    void showBillFromSearch(const QString& billID);
    void switchToOverview(QObject* sender = nullptr);
    void switchToOverviewAndReload(QObject* sender = nullptr);
    void switchToOverviewWithoutReloading(QObject* sender = nullptr);
    void showOverviewFromMenu(QObject* sender = nullptr);
    void showOrvane();
    void switchBills(QObject* sender);
    void menuItemSelected(const QString& billID);
    void createNewBillFromMenu(QObject* sender = nullptr);
    void createNewSavingsGoalFromMenu(QObject* sender = nullptr);
    bool toggleIncomeVisibility(QObject* sender = nullptr);
    void updateIncomeVisibility(bool paydaysShown);
    void enableOrDisableSelectedMenusAndButtons();
    void closePopoversIfNeeded();

    void showLogPaymentPanel(QObject* sender);
    bool performQuickLogForBillId(const QString& billID);
    void quickLogShortcutPressed(QObject* sender = nullptr);
    void skipPaymentFromTouchbar(QObject* sender = nullptr);
    void showBillWithPayAction(QObject* sender = nullptr);
    void showBillWithWebsiteAction();
    void editSelectedBill(QObject* sender = nullptr);
    void deleteSelectedBill(QObject* sender = nullptr);
    bool archiveSelectedBill(QObject* sender);
    bool exportSelectedBillToCSV(QObject* sender = nullptr);

    // ---- What the screens announce ----
    // Payments were stored on the items `billIDs` (none named: on any): what
    // shows them reloads, the overview keeping its selected row.
    void reloadAfterPayment(const QStringList& billIDs = {});
    // An item was saved, deleted or archived, or the bill page stored a
    // change (to `billID`; none named: to any): what shows it reloads, and a
    // bill page whose bill was deleted gives way to the overview.
    void reloadAfterItemChange(const QString& billID = QString());
    // The editor saved an item (`billID`; none named: any): an automatic bill
    // or income item whose due date has passed is logged at once, then what
    // shows it reloads.
    void reloadAfterItemSaved(const QString& billID = QString());
    // The overview (only the rows of `billIDs` when some are named) and the
    // editor's name suggestions.
    void reloadOverviewAndSuggestions(const QStringList& billIDs = {});
    bool billIsDeleted(const QString& billID) const;

private:
    const BWAppScreens& screens() const;
    const BWStoreEnvironment& env() const;
    // Whether the screen is there; beeps when it is not, as for any command
    // that can't be carried out.
    bool billPageOrBeep();
    bool editorOrBeep();
    BWTableSelection overviewSelection() const;
    std::optional<QVariantMap> selectedRecord() const;
    void reloadBillPageAndOverview(const QStringList& billIDs = {});
    void reloadOverviewItems(const QStringList& billIDs);
    void openNewItemEditor(void (BWBillEditorScreen::*create)(QWidget*), QObject* sender);
    // Edit and delete: the overview's own popover for its rows, or the
    // editor's `onBillPage` popover under the bill page's actions button.
    using EditorPopover = void (BWBillEditorScreen::*)(const QString&, const QRect&, QWidget*);
    void openEditorPopover(void (BWOverviewScreen::*fromOverview)(), EditorPopover onBillPage);
    void moveToBillPage();
    void showBillViewOnTimer();
    void showOverviewOnTimer();
    void publishBillActivity(const QVariantMap& record);
    void focusMainView();
    // The record of the bill the user is looking at, fresh from the store.
    std::optional<QVariantMap> recordOfCurrentBill() const;
    bool incomeLogsItself() const;
    bool offersPaymentKind(const QString& billID, PaymentKind kind) const;
    // Shows the current bill's pay site in the bill page's own browser through
    // `showInPage`, or else in the desktop's after `beforeDesktopBrowser` ran.
    void showPaySiteOfCurrentBill(void (BWBillDetailScreen::*showInPage)(),
                                  const std::function<void()>& beforeDesktopBrowser);
    bool paysInInternalBrowser() const;
    void openPaySite(const QVariantMap& record);
    static QString billIDOf(const QVariantMap& record);
    // Where the record stands in `list`: the record itself, or else the first
    // entry of its bill; -1 when neither is there.
    static int positionOf(const QVariantList& list, const QVariantMap& record);
    void beep();
    void playRefusalSound();

    BWAppDelegate& m_delegate;
    QString m_visibleView;
};
