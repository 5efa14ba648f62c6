// The tag field, the search field's menu and Enter, and the vacation popover.
#include "screens/BWOverviewController.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

#include "platform/Clock.h"
#include "platform/Log.h"
#include "platform/UserDefaults.h"
#include "store/BWBillRecordKeys.h"
#include "store/BWDefaultsKeys.h"
#include "store/BWTagList.h"
#include "platform/DateTemplate.h"
#include "widgets/BGHUDSearchField.h"
#include "screens/BWTagText.h"
#include "widgets/BWDateField.h"
#include "widgets/BWPlainText.h"

// ---- Tag field -----------------------------------------------------------------

QStringList BWOverviewController::tagsFromText(const QString& text)
{
    QStringList tags = BWTagText::split(text);
    tags.removeDuplicates();
    return tags;
}

void BWOverviewController::saveTagChanges()
{
    const QStringList tags = tagsFromText(m_tagList->text());
    if (!BWTagList(m_env).overwriteListOfTagsWithTags(tags)) {
        Log::line(QStringLiteral("Could not save the tag list"));
        return;
    }
    updateTagList();
    setUpSearchField();
}

// ---- Search field ----------------------------------------------------------------

void BWOverviewController::setUpSearchField()
{
    if (!m_searchMenu) {
        m_searchMenu = new QMenu(QStringLiteral("Search Menu"), m_searchField);
        m_searchField->installEventFilter(this);
    }
    m_searchMenu->clear();
    for (const QString& tag : BWTagList(m_env).getListOfTags().value_or(QStringList())) {
        QAction* item = m_searchMenu->addAction(BWPlainText::mnemonicFree(tag));
        item->setData(tag);
        connect(item, &QAction::triggered, this, [this, item] { selectSearchMenuItem(item); });
    }
}

void BWOverviewController::setSearchFieldShown(bool shown)
{
    m_searchField->setVisible(shown);
}

void BWOverviewController::focusSearchField()
{
    m_searchField->setFocus();
}

void BWOverviewController::selectSearchMenuItem(QAction* item)
{
    // The tag as stored; the item's title is made for the menu.
    const QString tag = item->data().toString();
    applyFilterWithString(tag);
    m_searchField->setText(tag);
}

void BWOverviewController::selectBillItem()
{
    const QString text = m_searchField->text();
    m_searchField->clear();
    const QVariantList records = m_dataSource;
    for (const QVariant& entry : records) {
        const QVariantMap record = entry.toMap();
        if (record.value(BillKeys::Name).toString() == text)
            emit showBillRequested(record.value(BillKeys::Bid).toString());
    }
}

bool BWOverviewController::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_searchField && event->type() == QEvent::MouseButtonPress && m_searchMenu) {
        const auto* press = static_cast<QMouseEvent*>(event);
        const QRectF bounds = m_searchField->rect();
        // A click on the magnifier opens the menu of tags.
        if (m_searchField->cell().searchButtonRect(bounds).contains(press->position())
            && !m_searchMenu->isEmpty()) {
            m_searchMenu->popup(m_searchField->mapToGlobal(QPoint(0, m_searchField->height())));
            return true;
        }
    }
    if (watched == m_searchField && event->type() == QEvent::FocusIn)
        emit switchToOverviewRequested();
    if (watched == m_vacationPopover && event->type() == QEvent::Hide)
        vacationPopoverWillClose();
    return QObject::eventFilter(watched, event);
}

// ---- Vacation popover ------------------------------------------------------------

void BWOverviewController::buildVacationPopover()
{
    m_vacationPopover = new QFrame(nullptr, Qt::Popup);
    m_vacationPopover->setWindowTitle(tr("Vacation"));
    m_vacationPopover->setFrameShape(QFrame::StyledPanel);
    auto* layout = new QFormLayout(m_vacationPopover);

    m_vacationSwitch = new QCheckBox(tr("Vacation mode"), m_vacationPopover);
    m_vacationSwitch->setToolTip(tr("Due dates within your vacation move to the day before it starts."));
    layout->addRow(m_vacationSwitch);
    m_vacationStart = new BWDateField(m_vacationPopover);
    m_vacationEnd = new BWDateField(m_vacationPopover);
    for (BWDateField* field : {m_vacationStart, m_vacationEnd}) {
        field->setCalendarPopup(true);
        field->setDisplayFormat(DateTemplate::displayFormat(QStringLiteral("EEEMMMdyyyy")));
    }
    layout->addRow(tr("From:"), m_vacationStart);
    layout->addRow(tr("Until:"), m_vacationEnd);
    auto* done = new QPushButton(tr("Done"), m_vacationPopover);
    done->setDefault(true);
    layout->addRow(done);

    connect(m_vacationSwitch, &QCheckBox::toggled, this, &BWOverviewController::storeShownVacation);
    connect(m_vacationStart, &BWDateField::dateChanged, this, [this](const QDate& day) {
        // A vacation can't end before it starts.
        m_vacationEnd->setMinimumDate(day);
        storeShownVacation();
    });
    connect(m_vacationEnd, &BWDateField::dateChanged, this, &BWOverviewController::storeShownVacation);
    connect(done, &QPushButton::clicked, this, &BWOverviewController::closeVacationPopover);
    m_vacationPopover->installEventFilter(this);
}

void BWOverviewController::showVacationModePopover(QWidget* anchor)
{
    const UserDefaults& defaults = *m_env.defaults;
    const QSignalBlocker quietSwitch(m_vacationSwitch);
    const QSignalBlocker quietStart(m_vacationStart);
    const QSignalBlocker quietEnd(m_vacationEnd);
    m_vacationEdited = false;
    m_vacationSwitch->setChecked(defaults.boolForKey(BWDefaultsKeys::VacationEnabled));
    const QDate today = m_env.clock->today();
    const QDateTime start = defaults.dateForKey(BWDefaultsKeys::VacationStartDate);
    const QDateTime end = defaults.dateForKey(BWDefaultsKeys::VacationEndTime);
    // An unset end (the far future) shows as the start.
    const QDate shownStart = start.isValid() ? start.toLocalTime().date() : today;
    m_vacationStart->setDate(shownStart);
    m_vacationEnd->setMinimumDate(shownStart);
    const QDate shownEnd = end.isValid() && end.toLocalTime().date().year() < 4000 ? end.toLocalTime().date()
                                                                                   : shownStart;
    m_vacationEnd->setDate(shownEnd);

    m_vacationPopover->adjustSize();
    // Below the button, as a popover opens from its lower edge.
    const QPoint below = anchor->mapToGlobal(QPoint(anchor->width() / 2, anchor->height()));
    m_vacationPopover->move(below - QPoint(m_vacationPopover->width() / 2, 0));
    m_vacationPopover->show();
}

// The days shown are stored with the switch: a vacation switched on without
// touching the days is the one shown, from today until today, not the
// registered window that runs from the launch on for good.
void BWOverviewController::storeShownVacation()
{
    UserDefaults& defaults = *m_env.defaults;
    const bool stored
        = defaults.setBool(BWDefaultsKeys::VacationEnabled, m_vacationSwitch->isChecked())
          && defaults.setObject(BWDefaultsKeys::VacationStartDate, m_vacationStart->date().startOfDay())
          && defaults.setObject(BWDefaultsKeys::VacationEndTime, QDateTime(m_vacationEnd->date(), QTime(23, 59, 59)));
    if (!stored)
        Log::line(QStringLiteral("Could not store the vacation"));
    m_vacationEdited = true;
}

// Done takes the days typed, and stays open for a day it can't read.
void BWOverviewController::closeVacationPopover()
{
    for (BWDateField* field : {m_vacationStart, m_vacationEnd}) {
        if (!field->acceptTypedDateOrTellWhy()) {
            field->setFocus();
            field->selectAll();
            return;
        }
    }
    m_vacationPopover->close();
}

// The store shifts due dates by the vacation while it loads: the list and
// the airplane follow what was chosen.
void BWOverviewController::vacationPopoverWillClose()
{
    loadOverview();
    if (m_vacationEdited)
        emit vacationChanged();
    m_vacationEdited = false;
}
