// The popover's pages and controls, built once by the constructor.
#include "screens/BWBillEditorController.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QIntValidator>
#include <QKeyEvent>
#include <QStackedWidget>
#include <QVBoxLayout>

#include "platform/PropertyList.h"
#include "screens/BWTagTokenField.h"
#include "store/BWBillsLoader.h"
#include "store/OrBillEditorAssistant.h"
#include "widgets/BGHUDCheckBox.h"
#include "widgets/BGHUDLabel.h"
#include "widgets/BGHUDTextField.h"
#include "widgets/BWIconFont.h"
#include "widgets/BWPopupButton.h"
#include "widgets/KBButton.h"
#include "widgets/KNPopUpDatePicker.h"
#include "widgets/MAAttachedWindow.h"

namespace {

constexpr int kFormWidth = 460;
constexpr int kIconSide = 18;
constexpr int kFieldSpacing = 6;
constexpr int kCountFieldWidth = 48;
constexpr int kReminderDaysWidth = 40;
// The icons sit on the light pop-up button and its menu.
const QColor kIconColor(60, 62, 66);

// Due dates the forms take: archived items lie at the far end.
QDate earliestDate()
{
    return QDate(1900, 1, 1);
}

QDate latestDate()
{
    return PropertyList::distantFuture().date();
}

// The entries of the repeat selectors, by the index the store reads.
const QStringList& repeatTitles()
{
    static const QStringList titles = {
        QObject::tr("Every Week"),     QObject::tr("Twice a Month"),    QObject::tr("Every Month"),
        QObject::tr("Every 3 Months"), QObject::tr("Every 6 Months"),   QObject::tr("Every Year"),
        QObject::tr("Custom…"),        QObject::tr("Never (One Time)"), QObject::tr("Every 2 Months"),
        QObject::tr("Every 2 Weeks"),
    };
    return titles;
}

// The payment methods, by PayType.
const QStringList& paymentMethodTitles()
{
    static const QStringList titles = {QObject::tr("Online"), QObject::tr("Automatic"), QObject::tr("Mail"),
                                       QObject::tr("Phone")};
    return titles;
}

// Indexes 3 and 5 of the unit selector are separators; 4 is retitled after
// the due date's weekday.
void fillUnitSelector(BWPopupButton* unit)
{
    unit->addItem(QObject::tr("Days"));
    unit->addItem(QObject::tr("Weeks"));
    unit->addItem(QObject::tr("Months"));
    unit->insertSeparator(3);
    unit->addItem(QString());
    unit->insertSeparator(5);
    unit->addItem(QObject::tr("Quarterly tax dates"));
}

BGHUDLabel* caption(const QString& text)
{
    auto* label = new BGHUDLabel(text);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return label;
}

KBButton* button(const QString& title, std::int32_t type)
{
    auto* made = new KBButton(title);
    made->setKBButtonType(type);
    return made;
}

QHBoxLayout* row(std::initializer_list<QWidget*> widgets, bool stretchAtEnd = true)
{
    auto* layout = new QHBoxLayout;
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(kFieldSpacing);
    for (QWidget* widget : widgets)
        layout->addWidget(widget);
    if (stretchAtEnd)
        layout->addStretch(1);
    return layout;
}

QWidget* boxOf(QLayout* layout)
{
    auto* box = new QWidget;
    box->setLayout(layout);
    return box;
}

QHBoxLayout* buttonRow(KBButton* cancel, KBButton* confirm)
{
    auto* layout = new QHBoxLayout;
    layout->setContentsMargins(0, kFieldSpacing, 0, 0);
    layout->addStretch(1);
    layout->addWidget(cancel);
    layout->addWidget(confirm);
    return layout;
}

// Tab walks the controls in the order they are listed.
void setTabOrder(std::initializer_list<QWidget*> order)
{
    QWidget* previous = nullptr;
    for (QWidget* widget : order) {
        if (previous)
            QWidget::setTabOrder(previous, widget);
        previous = widget;
    }
}

}  // namespace

void BWBillEditorController::buildPopover()
{
    m_pages = new QStackedWidget;
    m_pages->setFixedWidth(kFormWidth);
    m_billForm = buildBillForm();
    m_incomeForm = buildIncomeForm();
    m_deleteQuestion = buildQuestion(tr("Do you really want to delete"), tr("Delete"), &m_fields.billToDeleteNameField,
                                     &m_fields.deleteButton, KBButtonTypeRed);
    for (QWidget* page : {m_billForm, m_incomeForm, m_deleteQuestion})
        m_pages->addWidget(page);

    m_popover = MAAttachedWindow::create(m_pages, QPointF(), nullptr, MAAttachedSide::Below);
    m_popover->useHUDLook();
    m_popover->setWindowTitle(tr("Bill Editor"));
    m_popover->hide();
    m_popover->installEventFilter(this);

    // Return and Escape that no control took reach the pages (eventFilter).
    m_pages->installEventFilter(this);
    connectFormActions();
}

// The popover closing gives back the main window's controls. Return confirms
// the page shown, Escape leaves it unsaved.
bool BWBillEditorController::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_popover && event->type() == QEvent::Hide)
        m_windowControls.setAvailable(true);
    if (selectsSuggestedAmount(watched, event))
        return true;
    if (watched != m_pages || event->type() != QEvent::KeyPress)
        return QObject::eventFilter(watched, event);
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Escape) {
        cancelBill();
        return true;
    }
    if (key != Qt::Key_Return && key != Qt::Key_Enter)
        return false;
    switch (shownPage()) {
    case Page::BillForm: saveBill(); break;
    case Page::IncomeForm: saveIncome(); break;
    case Page::DeleteQuestion:
        deleteBill();
        break;
    }
    return true;
}

QWidget* BWBillEditorController::buildRepeatRows(BWPopupButton** repeatSelector, QWidget** repeatBox,
                                                 QWidget** customRepeatBox, BGHUDTextField** countField,
                                                 BWPopupButton** unitSelector)
{
    *repeatSelector = new BWPopupButton;
    (*repeatSelector)->addItems(repeatTitles());
    *repeatBox = boxOf(row({*repeatSelector}));

    auto* every = new BGHUDLabel(tr("Every"));
    *countField = new BGHUDTextField;
    (*countField)->setFixedWidth(kCountFieldWidth);
    (*countField)->setAccessibleName(tr("Repeat Every"));
    (*countField)->setValidator(new QIntValidator(-9999, 9999, *countField));
    *unitSelector = new BWPopupButton;
    fillUnitSelector(*unitSelector);
    KBButton* cancelCustom = button(QStringLiteral("\u2715"), KBButtonTypeLightGrey);
    cancelCustom->setToolTip(tr("Back to the usual repeat choices"));
    cancelCustom->setAccessibleName(tr("Usual Repeats"));
    connect(cancelCustom, &QPushButton::clicked, this, &BWBillEditorController::cancelCustomRepeat);
    *customRepeatBox = boxOf(row({every, *countField, *unitSelector, cancelCustom}));
    (*customRepeatBox)->hide();

    auto* both = new QVBoxLayout;
    both->setContentsMargins(0, 0, 0, 0);
    both->addWidget(*repeatBox);
    both->addWidget(*customRepeatBox);
    return boxOf(both);
}

QWidget* BWBillEditorController::buildBillForm()
{
    auto* form = new QWidget;
    auto* grid = new QGridLayout(form);
    grid->setSpacing(kFieldSpacing);

    m_fields.billIDField = new BGHUDTextField(form);
    m_fields.billIDField->hide();
    m_fields.billIconPicker = new BWPopupButton;
    m_fields.billIconPicker->setIconSize(QSize(kIconSide, kIconSide));
    m_fields.billIconPicker->setAccessibleName(tr("Icon"));
    fillIconMenu();
    m_fields.billNameField = new BGHUDTextField;
    m_fields.billNameField->setPlaceholderText(tr("Bill name"));
    m_fields.billNameField->setAccessibleName(tr("Bill Name"));
    m_fields.dueDateField = new KNPopUpDatePicker;
    m_fields.dueDateField->setDateRange(earliestDate(), latestDate());
    m_fields.dueDateField->setAccessibleName(tr("Due Date"));
    QWidget* repeatRows = buildRepeatRows(&m_fields.repeatSelector, &m_fields.repeatBox, &m_fields.customRepeatBox,
                                          &m_fields.customRepeatAField, &m_fields.customRepeatBSelector);
    m_fields.amountDueField = new BGHUDTextField;
    m_fields.amountDueField->setAccessibleName(tr("Amount"));
    m_fields.amountVariesToggle = new BGHUDCheckBox(tr("Amount varies"));
    m_fields.balanceField = new BGHUDTextField;
    m_fields.balanceField->setPlaceholderText(tr("Optional"));
    m_fields.balanceField->setAccessibleName(tr("Balance"));
    m_fields.paymentMethodSelector = new BWPopupButton;
    m_fields.paymentMethodSelector->addItems(paymentMethodTitles());
    m_fields.paymentURLField = new BGHUDTextField;
    m_fields.paymentURLField->setPlaceholderText(tr("Web address where you pay"));
    m_fields.paymentURLField->setAccessibleName(tr("Pay Site"));
    m_fields.tagsListField = new BWTagTokenField;
    m_fields.tagsListField->setPlaceholderText(tr("Tags, separated by commas"));
    m_fields.tagsListField->setAccessibleName(tr("Tags"));
    m_fields.tagsListField->setCompletions([this](const QString& typed) { return tagCompletions(typed); });
    m_fields.remindMeField = new BGHUDCheckBox(tr("Remind me"));
    m_fields.reminderDaysField = new BGHUDTextField;
    m_fields.reminderDaysField->setFixedWidth(kReminderDaysWidth);
    m_fields.reminderDaysField->setAccessibleName(tr("Days before it is due"));
    m_fields.reminderDaysField->setValidator(new QIntValidator(0, 365, m_fields.reminderDaysField));
    m_fields.cancelButton = button(tr("Cancel"), KBButtonTypeLightGrey);
    m_fields.saveButton = button(tr("Save"), KBButtonTypeGreen);

    int line = 0;
    grid->addWidget(m_fields.billIconPicker, line, 0);
    grid->addWidget(m_fields.billNameField, line++, 1);
    grid->addWidget(caption(tr("Due:")), line, 0);
    grid->addWidget(m_fields.dueDateField, line++, 1);
    grid->addWidget(caption(tr("Repeats:")), line, 0);
    grid->addWidget(repeatRows, line++, 1);
    grid->addWidget(caption(tr("Amount:")), line, 0);
    grid->addLayout(row({m_fields.amountDueField, m_fields.amountVariesToggle}, false), line++, 1);
    grid->addWidget(caption(tr("Balance:")), line, 0);
    grid->addWidget(m_fields.balanceField, line++, 1);
    grid->addWidget(caption(tr("Pay by:")), line, 0);
    grid->addLayout(row({m_fields.paymentMethodSelector}), line++, 1);
    grid->addWidget(caption(tr("Pay site:")), line, 0);
    grid->addWidget(m_fields.paymentURLField, line++, 1);
    grid->addWidget(caption(tr("Tags:")), line, 0);
    grid->addWidget(m_fields.tagsListField, line++, 1);
    grid->addLayout(
        row({m_fields.remindMeField, m_fields.reminderDaysField, new BGHUDLabel(tr("days before it is due"))}), line++,
        0, 1, 2);
    grid->addLayout(buttonRow(m_fields.cancelButton, m_fields.saveButton), line, 0, 1, 2);
    grid->setColumnStretch(1, 1);

    setTabOrder({m_fields.billNameField, m_fields.dueDateField, m_fields.repeatSelector, m_fields.customRepeatAField,
                 m_fields.customRepeatBSelector, m_fields.amountDueField, m_fields.amountVariesToggle,
                 m_fields.balanceField, m_fields.paymentMethodSelector, m_fields.paymentURLField,
                 m_fields.tagsListField, m_fields.remindMeField, m_fields.reminderDaysField, m_fields.billIconPicker,
                 m_fields.cancelButton, m_fields.saveButton});
    return form;
}

QWidget* BWBillEditorController::buildIncomeForm()
{
    auto* form = new QWidget;
    auto* grid = new QGridLayout(form);
    grid->setSpacing(kFieldSpacing);

    m_fields.incomeIDField = new BGHUDTextField(form);
    m_fields.incomeIDField->hide();
    m_fields.incomeNameField = new BGHUDTextField;
    m_fields.incomeNameField->setPlaceholderText(tr("Income name"));
    m_fields.incomeNameField->setAccessibleName(tr("Income Name"));
    m_fields.incomeDateField = new KNPopUpDatePicker;
    m_fields.incomeDateField->setDateRange(earliestDate(), latestDate());
    m_fields.incomeDateField->setAccessibleName(tr("Paid On"));
    QWidget* repeatRows
        = buildRepeatRows(&m_fields.incomeRepeatSelector, &m_fields.incomeRepeatBox, &m_fields.incomeCustomRepeatBox,
                          &m_fields.incomeCustomRepeatAField, &m_fields.incomeCustomRepeatBSelector);
    m_fields.incomeAmountField = new BGHUDTextField;
    m_fields.incomeAmountField->setAccessibleName(tr("Amount"));
    m_fields.incomeAmountVariesToggle = new BGHUDCheckBox(tr("Amount varies"));
    m_fields.incomeTagsField = new BWTagTokenField;
    m_fields.incomeTagsField->setPlaceholderText(tr("Tags, separated by commas"));
    m_fields.incomeTagsField->setAccessibleName(tr("Tags"));
    m_fields.incomeTagsField->setCompletions([this](const QString& typed) { return tagCompletions(typed); });
    m_fields.cancelIncomeButton = button(tr("Cancel"), KBButtonTypeLightGrey);
    m_fields.saveIncomeButton = button(tr("Save"), KBButtonTypeGreen);

    int line = 0;
    grid->addWidget(caption(tr("Name:")), line, 0);
    grid->addWidget(m_fields.incomeNameField, line++, 1);
    grid->addWidget(caption(tr("Paid on:")), line, 0);
    grid->addWidget(m_fields.incomeDateField, line++, 1);
    grid->addWidget(caption(tr("Repeats:")), line, 0);
    grid->addWidget(repeatRows, line++, 1);
    grid->addWidget(caption(tr("Amount:")), line, 0);
    grid->addLayout(row({m_fields.incomeAmountField, m_fields.incomeAmountVariesToggle}, false), line++, 1);
    grid->addWidget(caption(tr("Tags:")), line, 0);
    grid->addWidget(m_fields.incomeTagsField, line++, 1);
    grid->addLayout(buttonRow(m_fields.cancelIncomeButton, m_fields.saveIncomeButton), line, 0, 1, 2);
    grid->setColumnStretch(1, 1);

    setTabOrder({m_fields.incomeNameField, m_fields.incomeDateField, m_fields.incomeRepeatSelector,
                 m_fields.incomeCustomRepeatAField, m_fields.incomeCustomRepeatBSelector, m_fields.incomeAmountField,
                 m_fields.incomeAmountVariesToggle, m_fields.incomeTagsField, m_fields.cancelIncomeButton,
                 m_fields.saveIncomeButton});
    return form;
}

QWidget* BWBillEditorController::buildQuestion(const QString& questionText, const QString& confirmTitle,
                                               BGHUDLabel** nameLabel, KBButton** confirmButton,
                                               std::int32_t confirmType)
{
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    auto* question = new BGHUDLabel(questionText);
    question->setTextFormat(Qt::PlainText);
    *nameLabel = new BGHUDLabel;
    // Names are the user's own text, never markup.
    (*nameLabel)->setTextFormat(Qt::PlainText);
    (*nameLabel)->setWordWrap(true);
    QFont bold = (*nameLabel)->font();
    bold.setBold(true);
    (*nameLabel)->setFont(bold);
    KBButton* cancel = button(tr("Cancel"), KBButtonTypeLightGrey);
    connect(cancel, &QPushButton::clicked, this, &BWBillEditorController::cancelBill);
    *confirmButton = button(confirmTitle, confirmType);
    layout->addWidget(question);
    layout->addWidget(*nameLabel);
    layout->addLayout(buttonRow(cancel, *confirmButton));
    setTabOrder({cancel, *confirmButton});
    return page;
}

void BWBillEditorController::fillIconMenu()
{
    const BWBillsLoader loader(m_env);
    for (const IconItem& item : OrBillEditorAssistant::listOfIcons()) {
        const std::optional<BWBillsLoader::IconTitle> title = loader.getTitleForIcon(item.iconName);
        const QString shown = title ? title->title : item.iconName;
        m_fields.billIconPicker->addItem(BWIconFont::icon(item.iconName, kIconColor), shown, item.iconName);
        // The words a typed name is matched against: the title and the
        // words people use for such bills.
        m_fields.billIconPicker->setItemData(m_fields.billIconPicker->count() - 1, shown + u' ' + item.keywords,
                                             Qt::ToolTipRole);
    }
}

void BWBillEditorController::connectFormActions()
{
    connect(m_fields.saveButton, &QPushButton::clicked, this, &BWBillEditorController::saveBill);
    connect(m_fields.cancelButton, &QPushButton::clicked, this, &BWBillEditorController::cancelBill);
    connect(m_fields.saveIncomeButton, &QPushButton::clicked, this, &BWBillEditorController::saveIncome);
    connect(m_fields.cancelIncomeButton, &QPushButton::clicked, this, &BWBillEditorController::cancelBill);
    connect(m_fields.deleteButton, &QPushButton::clicked, this, &BWBillEditorController::deleteBill);

    for (BWPopupButton* selector : {m_fields.repeatSelector, m_fields.incomeRepeatSelector})
        connect(selector, &QComboBox::activated, this, [this, selector] { toggleRepeat(selector); });
    for (BWPopupButton* unit : {m_fields.customRepeatBSelector, m_fields.incomeCustomRepeatBSelector})
        connect(unit, &QComboBox::activated, this, [this, unit] { customRepeatBMenuChanged(unit); });
    for (KNPopUpDatePicker* date : {m_fields.dueDateField, m_fields.incomeDateField})
        connect(date, &BWDateField::dateChanged, this, &BWBillEditorController::selectedDateChanged);
    connect(m_fields.paymentMethodSelector, &QComboBox::activated, this, &BWBillEditorController::togglePayMethod);
    connect(m_fields.billIconPicker, &QComboBox::activated, this, &BWBillEditorController::toggleIcon);

    for (QLineEdit* field : std::initializer_list<QLineEdit*>{m_fields.billNameField, m_fields.amountDueField,
                                                              m_fields.tagsListField, m_fields.paymentURLField})
        connect(field, &QLineEdit::textEdited, this, [this, field] { controlTextDidChange(field); });
    m_fields.amountDueField->installEventFilter(this);
}
