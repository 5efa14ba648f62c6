// Loading the chosen list, the list drop-down and the search filter.
#include "screens/BWOverviewController.h"

#include <QHeaderView>
#include <QLineEdit>
#include <QTableView>
#include <QToolButton>

#include "platform/Clock.h"
#include "platform/Log.h"
#include "platform/TextFolding.h"
#include "platform/UserDefaults.h"
#include "screens/BWExtensionCopySchedule.h"
#include "screens/BWOverviewFollowUps.h"
#include "screens/BWTableColumnLayout.h"
#include "screens/BWTagText.h"
#include "store/BWBillRecordKeys.h"
#include "store/BWBillsLoader.h"
#include "store/BWDefaultsKeys.h"
#include "store/BWTagList.h"
#include "widgets/BackgroundView.h"
#include "widgets/BGHUDBox.h"
#include "widgets/BGHUDSearchField.h"
#include "widgets/BGHUDView.h"
#include "widgets/BWIconFont.h"
#include "widgets/BWPopupButton.h"
#include "widgets/KBButton.h"
#include "widgets/LRCalendarController.h"

// ---- Loading -----------------------------------------------------------------

void BWOverviewController::loadOverview()
{
    const BWTableSelection::Kept kept = m_selection->keep(m_lists.filtered);
    m_useIntelligence = m_env.defaults->boolForKey(BWDefaultsKeys::BWUseIntelligenceEstimates);
    m_selectedTagIndex = m_header->tagDropdown()->currentIndex();
    const BWOverviewLists::Choice load
        = BWOverviewLists::choiceForMode(m_selectedTagIndex, m_header->tagDropdown()->itemText(m_selectedTagIndex));
    readListOfBills(load.group, load.tag);
    m_selection->reselect(kept, m_lists.filtered);
}

// Another list: what was searched for in the last one is not looked for here.
void BWOverviewController::loadOverviewForBills(const QString& group, const QString& tag)
{
    m_header->searchField()->clear();
    readListOfBills(group, tag);
}

void BWOverviewController::readListOfBills(const QString& group, const QString& tag)
{
    prepareForList(group);
    m_lists.shown = {group, tag};
    // What is read afresh is figured afresh.
    m_sidebar->forgetFigures();
    const bool allItems = group.isEmpty();
    m_backgroundLoad->listLoaded();
    m_lists.withIncome = BWOverviewLists::load(m_env, {group, tag}, m_sortDescriptors);
    Log::line(allItems ? QStringLiteral("All Bills Loaded") : QStringLiteral("Subset of Bills Loaded"));
    m_lists.allActiveItems = allItems ? m_lists.withIncome : BWOverviewLists::load(m_env, {}, m_sortDescriptors);
    m_lists.loaded = true;
    m_lists.loadedDay = m_env.clock->now().toLocalTime().date();
    m_lists.loadedSortDescriptors = m_sortDescriptors;
    m_lists.order.readFrom(m_env);
    showLoadedList();
    m_extensionCopy->schedule();
}

void BWOverviewController::prepareForList(const QString& group)
{
    const UserDefaults& defaults = *m_env.defaults;
    if (!m_columnLayout->isRestored())
        updateTableColumnVisibility();
    m_tableModel->setDisplayOptions(
        {defaults.integerForKey(BWDefaultsKeys::BW_WhatToShowOnOverview), m_useIntelligence});

    const bool allItems = group.isEmpty();
    setMenuItemsForCase(group == IndexKeys::ArchivedBills ? RestoreCase : ArchiveCase);
    m_header->showListOfAllItems(allItems);
    emit searchFieldVisibilityNeedsUpdate();
    if (allItems)
        m_sidebar->highlight(nullptr);
}

void BWOverviewController::updateSidebar(const QVariantList& list, const QVariantList& allActiveItems)
{
    m_sidebar->show(list, allActiveItems, m_useIntelligence);
}

// Everything that shows the loaded list follows it: the figures, the tray,
// the calendar and the table. A search typed into the field still filters the
// list read again after a save or a payment.
void BWOverviewController::showLoadedList(const std::optional<BWOverviewSidebar::Figures>& figures, bool later)
{
    const UserDefaults& defaults = *m_env.defaults;
    m_lists.dataSource = m_lists.withIncome;
    // After a change of some rows, the rows show first and what sums up the
    // whole list follows; a full showing makes any of that pending needless.
    if (later) {
        m_followUps->scheduleAll();
    } else {
        m_followUps->cancelAll();
        showFigures(figures);
        showTrayMenu();
        m_calendarController->deselectAllDates();
    }
    m_bottomBar->hideActions();
    updateTagList();
    setUpSearchField();
    if (defaults.integerForKey(BWDefaultsKeys::BWShowPaydaysOnOverview) == 0)
        m_lists.removeIncomeRows();
    applyFilterWithString(m_header->searchField()->text());
    updateBottomText();
    m_header->showVacation(defaults.boolForKey(BWDefaultsKeys::VacationEnabled));
}

// The due-soon, due-this-month and paid-this-month lists are views of the
// figures of all active items; the archive and a tag have figures of their
// own, income among them. The badge always counts all active items. Both read
// the lists as they stand when shown.
void BWOverviewController::showFigures(const std::optional<BWOverviewSidebar::Figures>& known)
{
    const QString& tag = m_lists.shown.tag;
    const bool pseudoTag
        = tag == PseudoTags::DueSoon || tag == PseudoTags::DueThisMonth || tag == PseudoTags::PaidThisMonth;
    m_sidebar->show(m_lists.shown.group.isEmpty() || pseudoTag ? m_lists.allActiveItems : m_lists.withIncome,
                    m_lists.allActiveItems, m_useIntelligence, known);
}

// The tray lists all active items, whichever list is shown.
void BWOverviewController::showTrayMenu()
{
    if (m_env.defaults->boolForKey(BWDefaultsKeys::BWEnableMenu))
        emit menuBillsChanged(m_lists.allActiveItems);
}

// ---- List drop-down ----------------------------------------------------------

// The lists of active items are parts of all active items as the last load
// left them: choosing one filters those again instead of reading every file.
bool BWOverviewController::showListOfLoadedItems(const BWOverviewLists::Choice& load)
{
    if (!m_lists.canTakeFromLoaded(load, m_sortDescriptors, m_env.clock->now().toLocalTime().date()))
        return false;
    prepareForList(load.group);
    m_backgroundLoad->listUpdated();
    m_lists.shown = load;
    m_lists.withIncome = load.group.isEmpty() ? m_lists.allActiveItems : m_lists.itemsInList(m_env, load.tag);
    showLoadedList();
    return true;
}

void BWOverviewController::tagListItemSelected()
{
    // Another list: what was searched for in the last one is not looked for here.
    m_header->searchField()->clear();
    const int index = m_header->tagDropdown()->currentIndex();
    m_selectedTagIndex = index;
    const BWOverviewLists::Choice load
        = BWOverviewLists::choiceForMode(index, m_header->tagDropdown()->itemText(index));
    if (index == AllActiveItems) {
        const BWTableSelection::Kept kept = m_selection->keep(m_lists.filtered);
        m_useIntelligence = m_env.defaults->boolForKey(BWDefaultsKeys::BWUseIntelligenceEstimates);
        if (showListOfLoadedItems(load))
            m_selection->reselect(kept, m_lists.filtered);
        else
            loadOverview();
    } else if (!showListOfLoadedItems(load)) {
        loadOverviewForBills(load.group, load.tag);
    }
    highlightFigureOfList(index);
    emit switchToOverviewRequested();
}

// The figure whose list is shown lights up in the side bar.
void BWOverviewController::highlightFigureOfList(int index)
{
    switch (index) {
    case DueSoon:
        Log::line(QStringLiteral("Selected Due Soon"));
        m_sidebar->highlight(m_sidebar->dueSoonHighlightbox());
        break;
    case DueThisMonth:
        Log::line(QStringLiteral("Selected Due This Month"));
        m_sidebar->highlight(m_sidebar->dueMonthHighlightBox());
        break;
    case PaidThisMonth:
        Log::line(QStringLiteral("Paid This Month"));
        m_sidebar->highlight(m_sidebar->paidMonthHighlightBox());
        break;
    default:
        m_sidebar->highlight(nullptr);
        break;
    }
}

void BWOverviewController::selectListMode(int index)
{
    m_header->tagDropdown()->setCurrentIndex(index);
    tagListItemSelected();
}

void BWOverviewController::showAllBills()
{
    selectListMode(AllActiveItems);
}

// Showing all items for a new day reads on the worker; the caller shows the
// overview's panes (asked for here, they would reload the list at once).
void BWOverviewController::showAllBillsForNewDay()
{
    m_header->tagDropdown()->setCurrentIndex(AllActiveItems);
    m_selectedTagIndex = AllActiveItems;
    m_sidebar->highlight(nullptr);
    m_backgroundLoad->start();
}

bool BWOverviewController::isLoadingInBackground() const
{
    return m_backgroundLoad->isRunning();
}

// ---- Search ------------------------------------------------------------------

void BWOverviewController::applyFilterWithString(const QString& text)
{
    m_lists.filter(text);
    showRows(m_lists.filtered);
}
