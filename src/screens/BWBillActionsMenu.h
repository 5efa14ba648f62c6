#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QVariantMap>
#include <optional>

#include "store/BWBillCommands.h"
#include "store/BWStoreEnvironment.h"

class BWPopupButton;
class QAbstractButton;
class QAction;

// The commands that fit one bill (log, skip, quick log, web site, pay now,
// edit), offered in an actions pop-up, and beside it the alternate button
// that repeats one of them with a single click. The overview and the bill
// page each own one; what a command does there is up to the owner, which
// connects the signals.
//
// The alternate button shows the bill's remembered action, or the one the
// secondary-action setting names; with the setting at "remember", each
// command chosen from the pop-up becomes the bill's alternate action.
class BWBillActionsMenu : public QObject
{
    Q_OBJECT

public:
    // Kinds of payment the log commands carry as their sender's tag.
    enum LogTag { FullLog = 0, QuickLogTag = 2, PartialLog = 3 };

    // The items show their keys; the main menu's commands of the same keys
    // are the ones that answer them.
    BWBillActionsMenu(const BWStoreEnvironment& env, BWPopupButton* popup, QAbstractButton* alternate,
                      QObject* parent = nullptr);

    // Rebuilds the pop-up and the alternate button for the record.
    void setupActionButtonMenuForBill(const QVariantMap& record);
    // Empties the pop-up; the alternate button does nothing until the next build.
    void clear();

    // The pop-up's items in menu order, separators included, without the
    // pop-up's own empty title item.
    QList<QAction*> items() const { return m_items; }
    // The titles of the commands on offer, in menu order; a command the bill
    // does not offer (a payment of an archived bill) is shown greyed and is
    // not among them.
    QStringList availableActions() const;
    QString billID() const { return m_billID; }
    // The title the alternate button shows and acts on; "" when unwired.
    QString alternateTitle() const { return m_alternateTitle; }

    // Carries out the pop-up's item as if the user chose it.
    void choose(QAction* item);

    // What the user is asked before a payment is skipped, wherever the skip
    // is offered; the bill's name goes with it.
    static QString skipQuestion();

signals:
    // The sender carries the kind of payment as its tag (LogTag).
    void logRequested(QObject* sender);
    void skipRequested();
    void payNowRequested();
    void websiteRequested();
    void editRequested();
    // The alternate button now offers `title`.
    void alternateTitleChanged(const QString& title);

private:
    QAction* addItem(const QString& title, const QKeySequence& key, int tag = -1);
    void addSeparator();
    void disableWhatTheBillDoesNotOffer(const QVariantMap& record);
    static std::optional<BWBillCommands::Command> commandTitled(const QString& title);
    bool offers(const QString& title) const;
    void perform(const QString& title, QObject* sender);
    void rememberForBill(const QString& title);
    void showOnAlternateButton(const QString& title);
    void popupActivated(int index);

    BWStoreEnvironment m_env;
    QPointer<BWPopupButton> m_popup;
    QPointer<QAbstractButton> m_alternate;
    QList<QAction*> m_items;
    QString m_billID;
    QString m_alternateTitle;
};
