#pragma once

#include <QObject>
#include <QStringList>

class BackgroundView;
class BGHUDSearchField;
class BWPopupButton;
class KBButton;
class QAction;
class QMenu;
class QToolButton;
class QWidget;

// The bar above the overview's list: the new-bill and new-income buttons,
// the list drop-down, the show-all button, the search field with its menu of
// tags under the magnifier, and the vacation button. Its colour tells all
// active items from a part of them.
class BWOverviewHeader : public QObject
{
    Q_OBJECT

public:
    // The bar is a widget of `barParent`.
    BWOverviewHeader(QWidget* barParent, QObject* parent);

    BackgroundView* headerBox() const { return m_headerBox; }
    KBButton* overviewNewBillButton() const { return m_overviewNewBillButton; }
    KBButton* overviewNewIncomeButton() const { return m_overviewNewIncomeButton; }
    BWPopupButton* tagDropdown() const { return m_tagDropdown; }
    KBButton* showAllButton() const { return m_showAllButton; }
    BGHUDSearchField* searchField() const { return m_searchField; }
    QToolButton* airplaneButton() const { return m_airplaneButton; }
    QMenu* searchMenu() const { return m_searchMenu; }

    // Grey for all active items, purple for a part of them, which the
    // show-all button leaves.
    void showListOfAllItems(bool allItems);
    // The airplane lights up while vacation mode is on.
    void showVacation(bool on);
    // The menu under the magnifier: one item a tag, carrying the tag.
    void setSearchTags(const QStringList& tags);

signals:
    // A new bill or income item, its popover pointing at `anchor`.
    void newBillRequested(QWidget* anchor);
    void newIncomeRequested(QWidget* anchor);
    void listChosen();
    void showAllRequested();
    // The user typed in the search field, or pressed Enter there.
    void searchEdited(const QString& text);
    void searchEntered();
    // The search field took the keyboard.
    void searchFocused();
    void searchTagChosen(QAction* item);
    void vacationRequested(QWidget* anchor);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildSearchField();
    void buildAirplane();

    BackgroundView* m_headerBox = nullptr;
    KBButton* m_overviewNewBillButton = nullptr;
    KBButton* m_overviewNewIncomeButton = nullptr;
    BWPopupButton* m_tagDropdown = nullptr;
    KBButton* m_showAllButton = nullptr;
    BGHUDSearchField* m_searchField = nullptr;
    QToolButton* m_airplaneButton = nullptr;
    QMenu* m_searchMenu = nullptr;
};
