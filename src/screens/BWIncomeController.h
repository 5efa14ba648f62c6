#pragma once

#include <QObject>
#include <QPointer>
#include <QRect>
#include <QVariantList>

#include <functional>
#include <memory>

#include "store/BWStoreEnvironment.h"

class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QMenu;
class QVariantAnimation;
class QPushButton;
class QTableWidget;
class QWidget;

// The popover in which the user lists, adds, edits and deletes the income
// sources of "incomeindex.plist". It shows a table of the sources and, on
// demand, an editor below a shortened table. Every opening reads the list
// afresh (which drops sources that have run out); every save and delete
// writes the whole list.
class BWIncomeController : public QObject
{
    Q_OBJECT

public:
    // The pay-day choices: days 1 to 28, then the month's last day.
    static constexpr int LastDayOfMonthIndex = 28;

    explicit BWIncomeController(const BWStoreEnvironment& env, QObject* parent = nullptr);
    ~BWIncomeController() override;

    // Opens the popover above `anchor` (below it when the screen has no room
    // above), kept on the screen, with the editor closed.
    void showIncomePopover(QWidget* anchor);
    // Opens the editor for a new monthly source paid on the 1st.
    void createNewIncome();
    // Opens the editor for the source in that row of the table; nothing for
    // a row outside it.
    void editIncomeAtRow(int row);
    // Saves the editor's source, in place of the edited one or appended. False
    // (with a message) when the amount can't be read or the list can't be written.
    bool saveIncome();
    // Removes the edited source; nothing is removed for a new one.
    bool deleteIncome();
    // The context menu's delete: removes the source in that row.
    bool deleteIncomeAtRow(int row);
    void cancelIncome();
    // The table's context menu for a row: edit and delete; none outside the
    // rows.
    std::unique_ptr<QMenu> contextMenuForRow(int row);

    // Where a popover of `popover`'s size goes for a control at `anchor`,
    // on a screen whose free area is `available` (empty: unknown).
    static QPoint popoverPosition(const QRect& anchor, const QSize& popover, const QRect& available);

    QWidget* incomePopover() const;
    QTableWidget* tableView() const { return m_tableView; }
    QPushButton* addIncomeButton() const { return m_addIncomeButton; }
    QFrame* incomeEditorBox() const { return m_incomeEditorBox; }
    QLineEdit* descriptionField() const { return m_descriptionField; }
    QComboBox* payDateField() const { return m_payDateField; }
    QLineEdit* amountField() const { return m_amountField; }
    QComboBox* repeatsField() const { return m_repeatsField; }
    QPushButton* deleteButton() const { return m_deleteButton; }
    QLabel* messageLabel() const { return m_messageLabel; }
    // Says what a source is while there is none.
    QLabel* emptyNote() const { return m_emptyNote; }
    QVariantList dataSource() const { return m_dataSource; }

signals:
    // The list of sources was written: the balances that count them change.
    void incomeSourcesChanged();

private:
    void buildPopover();
    void reloadTable();
    void showIncomeEditor();
    void hideIncomeEditor(bool animated);
    void animateTableHeight(int height, const std::function<void()>& then);
    // Writes the whole list of sources; once written it is shown and the
    // editor closes, else the editor stays open with a message.
    bool storeIncomeSources(const QVariantList& sources);
    // The titles of the pay-day choices for the current month.
    void titlePayDates();
    QString repeatTitle(const QVariant& repeat) const;

    BWStoreEnvironment m_env;
    QVariantList m_dataSource;
    // Row of the source being edited; -1 for a new source.
    int m_dataSourceIndexNumber = -1;
    QString m_editedIid;

    QPointer<QFrame> m_incomePopover;
    QTableWidget* m_tableView = nullptr;
    QPushButton* m_addIncomeButton = nullptr;
    QFrame* m_incomeEditorBox = nullptr;
    QLineEdit* m_descriptionField = nullptr;
    QComboBox* m_payDateField = nullptr;
    QLineEdit* m_amountField = nullptr;
    QComboBox* m_repeatsField = nullptr;
    QPushButton* m_deleteButton = nullptr;
    QLabel* m_messageLabel = nullptr;
    QLabel* m_emptyNote = nullptr;
    QVariantAnimation* m_frameAnimation = nullptr;
    QMetaObject::Connection m_afterAnimation;
};
