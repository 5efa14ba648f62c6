// The list drop-down's tags, the tag field, the search field's menu and
// Enter, and what follows the vacation popover.
#include "screens/BWOverviewController.h"

#include <QAction>

#include "platform/Log.h"
#include "store/BWBillRecordKeys.h"
#include "store/BWTagList.h"
#include "widgets/BGHUDSearchField.h"
#include "widgets/BWPopupButton.h"

void BWOverviewController::updateTagList()
{
    updateTagListWithTags(BWTagList(m_env).getListOfTags().value_or(QStringList()));
}

void BWOverviewController::updateTagListWithTags(const QStringList& tags)
{
    BWPopupButton* dropdown = m_header->tagDropdown();
    const QSignalBlocker quiet(dropdown);
    const QString chosenTitle = dropdown->itemText(m_selectedTagIndex);
    dropdown->clear();
    dropdown->addItems({tr("All Active Items"), tr("Archived Bills")});
    dropdown->insertSeparator(dropdown->count());
    dropdown->addItems({tr("Due Soon"), tr("Due This Month"), tr("Paid This Month")});
    dropdown->insertSeparator(dropdown->count());
    dropdown->addItems(tags);
    if (m_selectedTagIndex >= FirstTag) {
        const qsizetype position = tags.indexOf(chosenTitle);
        m_selectedTagIndex = position >= 0 ? FirstTag + int(position) : AllActiveItems;
    }
    dropdown->setCurrentIndex(m_selectedTagIndex);
    m_sidebar->showTags(tags);
}

void BWOverviewController::saveTagChanges()
{
    if (!BWTagList(m_env).overwriteListOfTagsWithTags(m_sidebar->tagsTyped())) {
        Log::line(QStringLiteral("Could not save the tag list"));
        return;
    }
    updateTagList();
    setUpSearchField();
}

void BWOverviewController::setUpSearchField()
{
    m_header->setSearchTags(BWTagList(m_env).getListOfTags().value_or(QStringList()));
}

void BWOverviewController::selectSearchMenuItem(QAction* item)
{
    // The tag as stored; the item's title is made for the menu.
    const QString tag = item->data().toString();
    applyFilterWithString(tag);
    m_header->searchField()->setText(tag);
}

void BWOverviewController::selectBillItem()
{
    BGHUDSearchField* field = m_header->searchField();
    const QString text = field->text();
    field->clear();
    const QVariantList records = m_lists.dataSource;
    for (const QVariant& entry : records) {
        const QVariantMap record = entry.toMap();
        if (record.value(BillKeys::Name).toString() == text)
            emit showBillRequested(record.value(BillKeys::Bid).toString());
    }
}

// The store shifts due dates by the vacation while it loads: the list and
// the airplane follow what was chosen.
void BWOverviewController::vacationPopoverWillClose(bool edited)
{
    loadOverview();
    if (edited)
        emit vacationChanged();
}
