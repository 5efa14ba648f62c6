#include "screens/BWBillEditorController.h"

#include <QScreen>
#include <QStackedWidget>
#include <QGuiApplication>
#include <QTimer>

#include "platform/Clock.h"
#include "platform/Log.h"
#include "platform/TextFolding.h"
#include "screens/BWAmountField.h"
#include "screens/BWTagTokenField.h"
#include "store/BWBill.h"
#include "store/BWBillRecordKeys.h"
#include "store/BWBillsLoader.h"
#include "store/BWTagList.h"
#include "store/OvModernDateCalculations.h"
#include "widgets/BGHUDCheckBox.h"
#include "widgets/BGHUDLabel.h"
#include "widgets/BGHUDTextField.h"
#include "widgets/BWMessageBox.h"
#include "widgets/BWPopupButton.h"
#include "widgets/KBButton.h"
#include "widgets/KNPopUpDatePicker.h"
#include "widgets/MAAttachedWindow.h"

namespace {

constexpr int CustomRepeatIndex = 6;
constexpr int MonthlyRepeatIndex = 2;
// Units from this index on take no count.
constexpr int FirstUnitWithoutCount = 4;
constexpr int SameWeekdayUnitIndex = 4;

// Where a bubble points, and which way it runs from there.
struct Placement
{
    QPoint point;
    MAAttachedSide side;
};

// Beside an anchor the bubble lies right of it, or left of it where the
// screen has no room on the right (an anchor at the right edge of a wide
// window). It is centred on the anchor, unless that would take it past the
// top or the bottom of the screen: then it runs down, or up, from the
// anchor, so the form's first and last lines stay on the screen.
Placement besideAnchorWithRoom(const QRect& anchor, const QSize& bubble)
{
    const QPoint right(anchor.right(), anchor.center().y());
    const QScreen* screen = QGuiApplication::screenAt(right);
    if (!screen)
        return {right, MAAttachedSide::Right};
    const QRect room = screen->availableGeometry();
    const bool onLeft = right.x() + bubble.width() > room.right() && anchor.left() - bubble.width() >= room.left();
    const QPoint point = onLeft ? QPoint(anchor.left(), right.y()) : right;
    if (point.y() - bubble.height() / 2 < room.top())
        return {point, onLeft ? MAAttachedSide::LeftDownwards : MAAttachedSide::RightDownwards};
    if (point.y() + bubble.height() / 2 > room.bottom())
        return {point, onLeft ? MAAttachedSide::LeftUpwards : MAAttachedSide::RightUpwards};
    return {point, onLeft ? MAAttachedSide::Left : MAAttachedSide::Right};
}

void messageBoxAlert(QWidget* parent, const QString& title, const QString& text)
{
    BWMessageBox box(QMessageBox::Warning, title, text, parent);
    box.addButton(QMessageBox::Ok);
    box.exec();
}

}  // namespace

BWBillEditorController::BWBillEditorController(const BWStoreEnvironment& env)
    : m_env(env), m_alert(messageBoxAlert)
{
    buildPopover();
}

// The bubble has no parent window, so it is ours to delete.
BWBillEditorController::~BWBillEditorController()
{
    delete m_popover.data();
}

void BWBillEditorController::setBillPageButtons(QWidget* nextBillButton, QWidget* prevBillButton)
{
    m_windowControls.nextBillButton = nextBillButton;
    m_windowControls.prevBillButton = prevBillButton;
}

QWidget* BWBillEditorController::editorPopover() const
{
    return m_popover;
}

QList<QLineEdit*> BWBillEditorController::amountFields() const
{
    return {m_fields.amountDueField, m_fields.balanceField, m_fields.incomeAmountField};
}

bool BWBillEditorController::isShown() const
{
    return m_popover && m_popover->isVisible();
}

BWBillEditorController::Page BWBillEditorController::shownPage() const
{
    const QWidget* page = m_pages->currentWidget();
    if (page == m_incomeForm)
        return Page::IncomeForm;
    if (page == m_deleteQuestion)
        return Page::DeleteQuestion;
    return Page::BillForm;
}

// ---- Showing ----------------------------------------------------------------------

// The page shown, in its bubble's border, with the arrow beside it.
QSize BWBillEditorController::bubbleSize() const
{
    const int border = int(2 * m_popover->borderWidth());
    return {m_pages->sizeHint().width() + border + int(m_popover->arrowHeight()), m_pages->height() + border};
}

void BWBillEditorController::showPage(Page page, QWidget* anchorView, const QRect& anchorRect, bool belowAnchor)
{
    // A popover that is open closes first, so whoever watches it sees the
    // earlier page end.
    if (isShown())
        closePopover();

    QWidget* pageWidget = page == Page::IncomeForm       ? m_incomeForm
                          : page == Page::DeleteQuestion ? m_deleteQuestion
                                                         : m_billForm;
    m_pages->setCurrentWidget(pageWidget);
    m_pages->setFixedHeight(pageWidget->sizeHint().height());
    // The bubble is a window of its own: its title says what it edits.
    m_popover->setWindowTitle(page == Page::IncomeForm ? tr("Income Editor") : tr("Bill Editor"));

    QPoint point;
    MAAttachedSide side = MAAttachedSide::Right;
    if (anchorView) {
        const QRect rect = anchorRect.isValid() ? anchorRect : anchorView->rect();
        const QRect anchor(anchorView->mapToGlobal(rect.topLeft()), rect.size());
        // The new-item buttons sit at the window's left edge, so that bubble runs rightwards.
        const Placement placed = belowAnchor
            ? Placement{QPoint(anchor.center().x(), anchor.bottom()), MAAttachedSide::BelowRightwards}
            : besideAnchorWithRoom(anchor, bubbleSize());
        point = placed.point;
        side = placed.side;
    } else if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        point = screen->availableGeometry().center();
    }
    m_popover->setPoint(point, side);
    m_popover->show();
    m_popover->raise();
    m_popover->activateWindow();
    // A window manager may place a new window where it likes; once it is up,
    // the bubble moves back to its anchor.
    QTimer::singleShot(0, m_popover, [popover = m_popover, point, side] {
        popover->move(popover->pos() + QPoint(1, 0));
        popover->setPoint(point, side);
    });

    QWidget* firstField = page == Page::BillForm     ? static_cast<QWidget*>(m_fields.billNameField)
                          : page == Page::IncomeForm ? static_cast<QWidget*>(m_fields.incomeNameField)
                                                     : static_cast<QWidget*>(m_fields.deleteButton);
    firstField->setFocus(Qt::PopupFocusReason);
}

void BWBillEditorController::closePopover()
{
    hideDatePopUp();
    m_popover->hide();
}

void BWBillEditorController::cancelBill()
{
    closePopover();
}

// Moving the focus off the date fields closes their calendars.
void BWBillEditorController::hideDatePopUp()
{
    for (KNPopUpDatePicker* field : {m_fields.dueDateField, m_fields.incomeDateField}) {
        if (field->hasFocus())
            field->clearFocus();
    }
}

std::optional<double> BWBillEditorController::enteredAmount(QLineEdit* field)
{
    const QString text = field->text().trimmed();
    if (text.isEmpty())
        return 0.0;
    if (const std::optional<double> amount = BWAmountField::amount(field))
        return amount;
    m_alert(m_popover, tr("Enter an Amount"), tr("\"%1\" is not an amount.").arg(text));
    field->setFocus();
    field->selectAll();
    return std::nullopt;
}

bool BWBillEditorController::saveFailed(const QString& what)
{
    Log::line(QStringLiteral("Editor: %1 failed").arg(what));
    m_alert(m_popover, tr("The Item Was Not Saved"),
            tr("Orvane could not %1, so nothing was changed and your entries are still in the form. "
               "Check that the data folder can be written to, then try again.")
                .arg(what));
    return false;
}

// ---- Delete and restore --------------------------------------------------------

// The question names the item: its name followed by "?".
void BWBillEditorController::showDeletePopoverForBill(const QString& billID, const QRect& position, QWidget* view)
{
    m_billToDeleteID = billID;
    const std::optional<QVariantMap> record = BWBillsLoader(m_env).loadBillWithID(billID);
    m_fields.billToDeleteNameField->setText(record.value_or(QVariantMap()).value(BillKeys::Name).toString() + u'?');
    showPage(Page::DeleteQuestion, view, position, false);
}

bool BWBillEditorController::deleteBill()
{
    if (!BWBill(m_env).deleteBillWithBid(m_billToDeleteID))
        return saveFailed(tr("delete the item"));
    closePopover();
    emit itemDeleted(m_billToDeleteID);
    return true;
}

bool BWBillEditorController::restoreBill(const QString& billID)
{
    return BWBill(m_env).restoreBillWithBid(billID);
}

// ---- Repeat rows ------------------------------------------------------------------------

void BWBillEditorController::toggleRepeat(QComboBox* sender)
{
    m_changed.repeatInterval = true;
    if (sender->currentIndex() != CustomRepeatIndex)
        return;
    for (const BWBillEditorFields::RepeatRows& rows : {m_fields.billRepeatRows(), m_fields.incomeRepeatRows()}) {
        rows.box->hide();
        rows.customBox->show();
    }
}

void BWBillEditorController::cancelCustomRepeat()
{
    for (const BWBillEditorFields::RepeatRows& rows : {m_fields.billRepeatRows(), m_fields.incomeRepeatRows()}) {
        rows.customBox->hide();
        rows.selector->setCurrentIndex(MonthlyRepeatIndex);
        rows.box->show();
    }
}

void BWBillEditorController::customRepeatBMenuChanged(QComboBox* sender)
{
    BGHUDTextField* count
        = sender == m_fields.customRepeatBSelector ? m_fields.customRepeatAField : m_fields.incomeCustomRepeatAField;
    if (count->text().trimmed().isEmpty())
        count->setText(QStringLiteral("1"));
    const bool takesCount = sender->currentIndex() < FirstUnitWithoutCount;
    if (!takesCount)
        count->setText(QStringLiteral("1"));
    count->setEnabled(takesCount);
    count->setVisible(takesCount);
}

void BWBillEditorController::updateMenuItemOnCustomRepeatSelectorWithDate(const QDate& date)
{
    const OvModernDateCalculations::DateComponents components =
        OvModernDateCalculations::extractDateComponentsFromDate(QDateTime(date, QTime(12, 0)));
    const QString title = OvModernDateCalculations::stringForCustomRepeatIntervalWithComponents(components);
    for (BWPopupButton* unit : {m_fields.customRepeatBSelector, m_fields.incomeCustomRepeatBSelector})
        unit->setItemText(SameWeekdayUnitIndex, title);
}

void BWBillEditorController::selectedDateChanged(const QDate& date)
{
    updateMenuItemOnCustomRepeatSelectorWithDate(date);
}

// Shows a stored Repeat pair in a form's rows; an unreadable pair shows as
// every month, an unknown unit as every week.
void BWBillEditorController::showRepeat(const BWBillEditorFields::RepeatRows& rows, const QVariantList& repeat,
                                        const BWBillsLoader& loader)
{
    const QList<int> selection = loader.getRepeatFromArrayMac(repeat).value_or(QList<int>{0});
    rows.selector->setCurrentIndex(selection.value(0));
    if (selection.value(0) == CustomRepeatIndex) {
        rows.unit->setCurrentIndex(selection.value(1));
        rows.count->setText(QString::number(repeat.value(0).toLongLong()));
        customRepeatBMenuChanged(rows.unit);
        toggleRepeat(rows.selector);
    } else {
        cancelCustomRepeat();
        rows.selector->setCurrentIndex(selection.value(0));
    }
}

// The Repeat pair of a form. A custom count of days, weeks or months below 1
// would never move the due date on, so it is stored as 1.
QVariantList BWBillEditorController::enteredRepeat(const BWBillEditorFields::RepeatRows& rows) const
{
    const int repeatIndex = rows.selector->currentIndex();
    const int unitIndex = rows.unit->currentIndex();
    qlonglong count = rows.count->text().trimmed().toLongLong();
    if (repeatIndex == CustomRepeatIndex && unitIndex < FirstUnitWithoutCount && count < 1)
        count = 1;
    return BWBill::calculateRepeatValuesWithRepeatSelector(repeatIndex, count, unitIndex);
}

// ---- Dates ------------------------------------------------------------------------------

void BWBillEditorController::showDueDate(KNPopUpDatePicker* field, const QDateTime& date)
{
    m_shownDueDate = date;
    field->setDate(date.toLocalTime().date());
    updateMenuItemOnCustomRepeatSelectorWithDate(field->date());
}

std::optional<QDateTime> BWBillEditorController::enteredDate(KNPopUpDatePicker* field)
{
    if (!field->acceptTypedDate()) {
        m_alert(m_popover, tr("Enter a Date"), field->refusal());
        field->setFocus();
        field->selectAll();
        return std::nullopt;
    }
    const QDateTime shown = m_shownDueDate.toLocalTime();
    if (field->date() == shown.date())
        return m_shownDueDate;
    return QDateTime(field->date(), shown.isValid() ? shown.time() : QTime(12, 0)).toUTC();
}

qint64 BWBillEditorController::daysFromDate(const QDateTime& date) const
{
    return std::abs(date.toLocalTime().date().daysTo(m_env.clock->now().toLocalTime().date()));
}

// ---- Simple actions ---------------------------------------------------------------------

void BWBillEditorController::togglePayMethod()
{
    m_changed.payMethod = true;
}

void BWBillEditorController::toggleIcon()
{
    m_changed.icon = true;
}

void BWBillEditorController::clearFieldColors()
{
    for (BGHUDTextField* field : {m_fields.billNameField, m_fields.amountDueField, m_fields.paymentURLField,
                                  static_cast<BGHUDTextField*>(m_fields.tagsListField)})
        field->setBackgroundColor(Qt::transparent);
}

QStringList BWBillEditorController::tagCompletions(const QString& substring) const
{
    const QString typed = TextFolding::folded(substring);
    QStringList offered;
    for (const QString& tag : BWTagList(m_env).getListOfTags().value_or(QStringList())) {
        if (TextFolding::folded(tag).startsWith(typed))
            offered.append(tag);
    }
    return offered;
}
