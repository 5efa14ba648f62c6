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

namespace {

const QColor AllItemsHeaderColor = QColor::fromRgbF(0.82f, 0.82f, 0.82f, 1.0f);
const QColor SubsetHeaderColor = QColor::fromRgbF(0.23f, 0.18f, 0.49f, 1.0f);
// The airplane lights up while vacation mode is on.
const QColor VacationOnColor = QColor(0, 122, 255);
const QColor VacationOffColor = QColor(90, 90, 90);

bool matchesSearch(const QVariantMap& record, const QString& foldedText)
{
    if (TextFolding::folded(record.value(BillKeys::Name).toString()).contains(foldedText))
        return true;
    const QStringList tags = record.value(BillKeys::Tags).toStringList();
    return std::any_of(tags.begin(), tags.end(),
                       [&](const QString& tag) { return TextFolding::folded(tag) == foldedText; });
}

QString billID(const QVariant& record)
{
    return record.toMap().value(BillKeys::Bid).toString();
}

}  // namespace

// ---- Loading -----------------------------------------------------------------

BWOverviewController::ListLoad BWOverviewController::listLoadForMode(int index, const QString& title)
{
    switch (index) {
    case AllActiveItems:
        return {};
    case ArchivedItems:
        return {IndexKeys::ArchivedBills, QString()};
    case DueSoon:
        return {IndexKeys::ActiveBills, PseudoTags::DueSoon};
    case DueThisMonth:
        return {IndexKeys::ActiveBills, PseudoTags::DueThisMonth};
    case PaidThisMonth:
        return {IndexKeys::ActiveBills, PseudoTags::PaidThisMonth};
    default:
        return {IndexKeys::ActiveBills, title};
    }
}

void BWOverviewController::loadOverview()
{
    const KeptSelection kept = selectionToKeep();
    m_useIntelligence = m_env.defaults->boolForKey(BWDefaultsKeys::BWUseIntelligenceEstimates);
    m_selectedTagIndex = m_tagDropdown->currentIndex();
    loadListMode(m_selectedTagIndex);
    reselect(kept);
}

void BWOverviewController::loadListMode(int index)
{
    const ListLoad load = listLoadForMode(index, m_tagDropdown->itemText(index));
    readListOfBills(load.group, load.tag);
}

// Another list: what was searched for in the last one is not looked for here.
void BWOverviewController::loadOverviewForBills(const QString& group, const QString& tag)
{
    m_searchField->clear();
    readListOfBills(group, tag);
}

void BWOverviewController::readListOfBills(const QString& group, const QString& tag)
{
    prepareForList(group);
    m_shownList = {group, tag};
    // What is read afresh is figured afresh.
    m_figureCache.clear();
    const bool allItems = group.isEmpty();
    ++m_listChanges;
    ++m_fullLoads;
    m_dataSourceWithIncome = loadList(m_env, group, tag, m_sortDescriptors);
    Log::line(allItems ? QStringLiteral("All Bills Loaded") : QStringLiteral("Subset of Bills Loaded"));
    m_allActiveItems = allItems ? m_dataSourceWithIncome : loadList(m_env, QString(), QString(), m_sortDescriptors);
    m_listLoaded = true;
    m_loadedDay = m_env.clock->now().toLocalTime().date();
    m_loadedSortDescriptors = m_sortDescriptors;
    rememberLoadOrder();
    showLoadedList();
    scheduleExtensionExport();
}

void BWOverviewController::prepareForList(const QString& group)
{
    const UserDefaults& defaults = *m_env.defaults;
    if (!m_columnLayoutRestored)
        updateTableColumnVisibility();
    m_whatToShowOnOverview = defaults.integerForKey(BWDefaultsKeys::BW_WhatToShowOnOverview);
    m_tableModel->setDisplayOptions({m_whatToShowOnOverview, m_useIntelligence});

    const bool allItems = group.isEmpty();
    setMenuItemsForCase(group == IndexKeys::ArchivedBills ? RestoreCase : ArchiveCase);
    m_showAllButton->setVisible(!allItems);
    tintHeader(allItems);
    emit searchFieldVisibilityNeedsUpdate();
    if (allItems)
        showHighlightBox(nullptr);
}

// Everything that shows the loaded list follows it: the figures, the tray,
// the calendar and the table. A search typed into the field still filters the
// list read again after a save or a payment.
void BWOverviewController::showLoadedList(const std::optional<SidebarFigures>& sidebar)
{
    const UserDefaults& defaults = *m_env.defaults;
    const QString& tag = m_shownList.tag;
    m_dataSource = m_dataSourceWithIncome;
    // The due-soon, due-this-month and paid-this-month lists are views of the
    // figures of all active items; the archive and a tag have figures of
    // their own. The badge and the tray always count all active items.
    const bool pseudoTag = tag == PseudoTags::DueSoon || tag == PseudoTags::DueThisMonth
        || tag == PseudoTags::PaidThisMonth;
    updateSidebar(m_shownList.group.isEmpty() || pseudoTag ? m_allActiveItems : m_dataSource, m_allActiveItems,
                  sidebar);
    m_actionBox->hide();
    updateTagList();
    setUpSearchField();
    if (defaults.boolForKey(BWDefaultsKeys::BWEnableMenu))
        emit menuBillsChanged(m_allActiveItems);

    m_calendarController->deselectAllDates();
    if (defaults.integerForKey(BWDefaultsKeys::BWShowPaydaysOnOverview) == 0)
        removeIncomeRows();
    applyFilterWithString(m_searchField->text());
    updateBottomText();

    const bool vacation = defaults.boolForKey(BWDefaultsKeys::VacationEnabled);
    const QString airplane = vacation ? QStringLiteral("893-airplaneselect") : QStringLiteral("893-airplane");
    m_airplaneButton->setProperty("imageName", airplane);
    m_airplaneButton->setIcon(BWIconFont::icon(airplane, vacation ? VacationOnColor : VacationOffColor));
    m_airplaneButton->setToolTip(vacation ? tr("Vacation mode is on") : tr("Vacation mode is off"));
}

QVariantList BWOverviewController::loadList(const BWStoreEnvironment& env, const QString& group, const QString& tag,
                                            const QList<BWSortDescriptor>& sortDescriptors)
{
    const BWBillsLoader loader(env);
    // The extension's copy of all active items is written once the window
    // shows them (scheduleExtensionExport()).
    QVariantList loaded = (group.isEmpty() ? loader.loadBillsInGroup(IndexKeys::ActiveBills, QString(), false,
                                                                     BWBillsLoader::ExtensionExport::ByCaller)
                                           : loader.loadBillsInGroup(group, tag))
                              .value_or(QVariantList());
    BWSortDescriptor::sort(loaded, sortDescriptors);
    return loaded;
}

void BWOverviewController::removeIncomeRows()
{
    m_dataSource.removeIf([](const QVariant& entry) {
        const QVariantMap record = entry.toMap();
        if (!record.value(BillKeys::IsIncome).toBool())
            return false;
        Log::line(QStringLiteral("Matching income to remove: %1").arg(record.value(BillKeys::Name).toString()));
        return true;
    });
}

BWOverviewController::KeptSelection BWOverviewController::selectionToKeep() const
{
    const int row = selectedRow();
    return {row >= 0 ? billID(m_dataSourceFiltered.value(row)) : QString(), row};
}

// Rows are those shown, which a search may have filtered.
void BWOverviewController::reselect(const KeptSelection& kept)
{
    if (!kept.billID.isEmpty()) {
        for (int row = 0; row < m_dataSourceFiltered.size(); ++row) {
            if (billID(m_dataSourceFiltered.at(row)) == kept.billID) {
                selectRows({row});
                return;
            }
        }
    }
    if (kept.row >= 0 && kept.row < m_dataSourceFiltered.size())
        selectRows({kept.row});
}

void BWOverviewController::tintHeader(bool allItems)
{
    m_headerBox->setBackgroundColor(allItems ? AllItemsHeaderColor : SubsetHeaderColor);
}

void BWOverviewController::showHighlightBox(BGHUDBox* box)
{
    for (BGHUDBox* each : {m_dueSoonHighlightbox, m_dueMonthHighlightBox, m_paidMonthHighlightBox})
        each->setVisible(each == box);
}

// ---- List drop-down ----------------------------------------------------------

// The lists of active items are parts of all active items as the last load
// left them: choosing one filters those again instead of reading every file.
bool BWOverviewController::showListOfLoadedItems(const ListLoad& load)
{
    if (!m_listLoaded || load.group == IndexKeys::ArchivedBills || m_loadedSortDescriptors != m_sortDescriptors
        || m_loadedDay != m_env.clock->now().toLocalTime().date())
        return false;
    const bool listed = std::none_of(m_allActiveItems.cbegin(), m_allActiveItems.cend(),
                                     [](const QVariant& record) { return billID(record).isEmpty(); });
    if (!listed)
        return false;
    prepareForList(load.group);
    ++m_listChanges;
    m_shownList = load;
    m_dataSourceWithIncome = load.group.isEmpty() ? m_allActiveItems : loadedItemsInList(load.tag);
    showLoadedList();
    return true;
}

// What a load of the list would give: the items whose own record passes the
// list's filter, with the further occurrences that repeat them, in the order
// of all active items (a stable sort keeps a part of a list in order).
QVariantList BWOverviewController::loadedItemsInList(const QString& tag) const
{
    const BWBillsLoader loader(m_env);
    const QHash<QString, qsizetype> ownRecords = ownRecordPlaces(m_allActiveItems);
    QSet<QString> inList;
    for (auto place = ownRecords.cbegin(); place != ownRecords.cend(); ++place) {
        if (loader.passesFilter(m_allActiveItems.at(*place).toMap(), IndexKeys::ActiveBills, tag))
            inList.insert(place.key());
    }
    // The due-soon list is loaded without further occurrences, so its items
    // are not marked as repeated either.
    const bool withOccurrences = tag != PseudoTags::DueSoon;
    QVariantList items;
    for (qsizetype place = 0; place < m_allActiveItems.size(); ++place) {
        const QString item = billID(m_allActiveItems.at(place));
        if (!inList.contains(item)) {
            continue;
        } else if (withOccurrences) {
            items.append(m_allActiveItems.at(place));
        } else if (ownRecords.value(item) == place) {
            QVariantMap record = m_allActiveItems.at(place).toMap();
            record.remove(BillKeys::HasBeenDuplicated);
            items.append(record);
        }
    }
    return items;
}

void BWOverviewController::tagListItemSelected()
{
    // Another list: what was searched for in the last one is not looked for here.
    m_searchField->clear();
    const int index = m_tagDropdown->currentIndex();
    m_selectedTagIndex = index;
    const ListLoad load = listLoadForMode(index, m_tagDropdown->itemText(index));
    if (index == AllActiveItems) {
        const KeptSelection kept = selectionToKeep();
        m_useIntelligence = m_env.defaults->boolForKey(BWDefaultsKeys::BWUseIntelligenceEstimates);
        if (showListOfLoadedItems(load))
            reselect(kept);
        else
            loadOverview();
    } else if (!showListOfLoadedItems(load)) {
        loadOverviewForBills(load.group, load.tag);
    }
    switch (index) {
    case DueSoon:
        Log::line(QStringLiteral("Selected Due Soon"));
        showHighlightBox(m_dueSoonHighlightbox);
        break;
    case DueThisMonth:
        Log::line(QStringLiteral("Selected Due This Month"));
        showHighlightBox(m_dueMonthHighlightBox);
        break;
    case PaidThisMonth:
        Log::line(QStringLiteral("Paid This Month"));
        showHighlightBox(m_paidMonthHighlightBox);
        break;
    default:
        showHighlightBox(nullptr);
        break;
    }
    emit switchToOverviewRequested();
}

void BWOverviewController::selectListMode(int index)
{
    m_tagDropdown->setCurrentIndex(index);
    tagListItemSelected();
}

void BWOverviewController::showAllBills()
{
    selectListMode(AllActiveItems);
}

void BWOverviewController::showBillsDueSoon()
{
    selectListMode(DueSoon);
}

void BWOverviewController::showBillsDueThisMonth()
{
    selectListMode(DueThisMonth);
}

void BWOverviewController::showBillsPaidThisMonth()
{
    selectListMode(PaidThisMonth);
}

void BWOverviewController::updateTagList()
{
    updateTagListWithTags(BWTagList(m_env).getListOfTags().value_or(QStringList()));
}

void BWOverviewController::updateTagListWithTags(const QStringList& tags)
{
    const QSignalBlocker quiet(m_tagDropdown);
    const QString chosenTitle = m_tagDropdown->itemText(m_selectedTagIndex);
    m_tagDropdown->clear();
    m_tagDropdown->addItems({tr("All Active Items"), tr("Archived Bills")});
    m_tagDropdown->insertSeparator(m_tagDropdown->count());
    m_tagDropdown->addItems({tr("Due Soon"), tr("Due This Month"), tr("Paid This Month")});
    m_tagDropdown->insertSeparator(m_tagDropdown->count());
    m_tagDropdown->addItems(tags);
    if (m_selectedTagIndex >= FirstTag) {
        const qsizetype position = tags.indexOf(chosenTitle);
        m_selectedTagIndex = position >= 0 ? FirstTag + int(position) : AllActiveItems;
    }
    m_tagDropdown->setCurrentIndex(m_selectedTagIndex);
    if (m_tagList && !m_tagList->hasFocus()) {
        m_tagList->setText(BWTagText::join(tags));
        // The list reads from its first tag, not scrolled to its end.
        m_tagList->setCursorPosition(0);
    }
}

// ---- Search ------------------------------------------------------------------

void BWOverviewController::applyFilterWithString(const QString& text)
{
    if (text.isEmpty()) {
        m_dataSourceFiltered = m_dataSource;
    } else {
        const QString folded = TextFolding::folded(text);
        m_dataSourceFiltered.clear();
        for (const QVariant& record : std::as_const(m_dataSource)) {
            if (matchesSearch(record.toMap(), folded))
                m_dataSourceFiltered.append(record);
        }
    }
    showRows(m_dataSourceFiltered);
}
