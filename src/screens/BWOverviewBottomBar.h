#pragma once

#include <QList>
#include <QObject>
#include <QVariantMap>

#include "store/BWStoreEnvironment.h"

class BGHUDBox;
class BGHUDLabel;
class BGHUDView;
class BWBillActionsMenu;
class BWOverviewTableModel;
class BWPopupButton;
class KBButton;
class QFrame;
class QWidget;

// The overview's bottom bar, which sums up the selection: a hint with nothing
// selected (beside a word about the phone edition), the buttons and the
// actions pop-up of one selected item, and what several selected items come
// to.
class BWOverviewBottomBar : public QObject
{
    Q_OBJECT

public:
    // The bar is a widget of `barParent`; estimates come from `model`.
    BWOverviewBottomBar(const BWStoreEnvironment& env, const BWOverviewTableModel& model, QWidget* barParent,
                        QObject* parent);

    QWidget* bar() const { return m_bar; }

    // What the bar sums up: the selected records, in row order.
    struct Selection
    {
        QList<QVariantMap> records;
        // Nothing stored at all: the hint says where the first bill comes from.
        bool nothingStored = false;
        bool useIntelligence = false;
    };
    void showSelection(const Selection& selection);
    // Rebuilds the actions pop-up and the alternate button for the record.
    void setupActionButtonMenuForBill(const QVariantMap& record);
    // An empty pop-up and an untitled alternate button would only take room;
    // they show again once there are actions to offer.
    void clearActionsMenu();
    // Hides the buttons of one item, as a load does until it selects again.
    void hideActions();

    BWBillActionsMenu* actionsMenu() const { return m_actionsMenu; }
    BGHUDLabel* actionText() const { return m_actionText; }
    BGHUDView* actionBox() const { return m_actionBox; }
    BGHUDBox* adBox() const { return m_adBox; }
    KBButton* overviewButtonLog() const { return m_overviewButtonLog; }
    KBButton* overviewButtonPartial() const { return m_overviewButtonPartial; }
    KBButton* overviewButtonView() const { return m_overviewButtonView; }
    KBButton* payNowOverviewButton() const { return m_payNowOverviewButton; }
    QFrame* overviewLineLog() const { return m_overviewLineLog; }
    QFrame* overviewLineView() const { return m_overviewLineView; }
    QFrame* overviewLinePay() const { return m_overviewLinePay; }
    BWPopupButton* actionsPopupButton() const { return m_actionsPopupButton; }
    KBButton* actionsAlternateButton() const { return m_actionsAlternateButton; }

signals:
    // The buttons' commands on the selected item. A log request's sender
    // carries the kind of payment as its tag.
    void logPaymentRequested(QObject* sender);
    void viewBillRequested();
    void payNowRequested();
    // The advertising box's buttons: the phone edition's page, and hiding
    // the box for good.
    void phoneEditionRequested();
    void hideAdvertRequested();

private:
    void buildActionBox();
    QWidget* buildAdBox();
    void showNoSelection(bool nothingStored);
    void showSingleSelection(const QVariantMap& record);
    void showPartialButtonUnlessOffered();
    void showSeveralSelected(const QList<QVariantMap>& records, bool useIntelligence);

    BWStoreEnvironment m_env;
    const BWOverviewTableModel& m_model;
    QWidget* m_bar = nullptr;
    BWBillActionsMenu* m_actionsMenu = nullptr;
    BGHUDLabel* m_actionText = nullptr;
    BGHUDView* m_actionBox = nullptr;
    BGHUDBox* m_adBox = nullptr;
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
