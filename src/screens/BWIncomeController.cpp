#include "screens/BWIncomeController.h"

#include <QComboBox>
#include <QFormLayout>
#include <QFrame>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QVariantAnimation>
#include <QTableWidget>
#include <QVBoxLayout>

#include "platform/BWUIDMaker.h"
#include "platform/Clock.h"
#include "platform/Log.h"
#include "screens/BWAmountField.h"
#include "store/BWBillsLoader.h"
#include "store/BWIncomeManager.h"

namespace {

// The table's columns: the source keys they show.
const QString Columns[] = {IncomeSourceKeys::Description, IncomeSourceKeys::Amount, IncomeSourceKeys::PayDate,
                           IncomeSourceKeys::Repeat};
constexpr int TableWidth = 322;
constexpr int TallTableHeight = 208;
constexpr int ShortTableHeight = 121;
// How long the table takes to make room for the editor, and to take it back.
constexpr int FrameAnimationMs = 100;

}  // namespace

BWIncomeController::BWIncomeController(const BWStoreEnvironment& env, QObject* parent)
    : QObject(parent), m_env(env)
{
    buildPopover();
}

BWIncomeController::~BWIncomeController()
{
    delete m_incomePopover.data();
}

QWidget* BWIncomeController::incomePopover() const
{
    return m_incomePopover;
}

void BWIncomeController::buildPopover()
{
    m_incomePopover = new QFrame(nullptr, Qt::Popup);
    m_incomePopover->setFrameShape(QFrame::StyledPanel);
    auto* layout = new QVBoxLayout(m_incomePopover);

    auto* title = new QLabel(tr("Income Sources"), m_incomePopover);
    QFont bold = title->font();
    bold.setBold(true);
    title->setFont(bold);
    layout->addWidget(title);

    // Sources are easily taken for the income items of the overview's
    // "+ Income" button; the empty list says what they are instead.
    m_emptyNote = new QLabel(
        tr("No income sources yet. A source is money that comes in regularly, such as a salary or a pension: "
           "Orvane counts it in this month's income and expected balance. Click \"Add Income Source\" to add "
           "one.\n\nIncome items made with \"+ Income\" on the overview are kept with your bills and are not "
           "listed here."),
        m_incomePopover);
    m_emptyNote->setTextFormat(Qt::PlainText);
    m_emptyNote->setWordWrap(true);
    m_emptyNote->setFixedWidth(TableWidth);
    layout->addWidget(m_emptyNote);

    m_tableView = new QTableWidget(0, int(std::size(Columns)), m_incomePopover);
    m_tableView->setAccessibleName(tr("Income Sources"));
    m_tableView->setHorizontalHeaderLabels({tr("Description"), tr("Amount"), tr("Pay Day"), tr("Repeats")});
    m_tableView->verticalHeader()->hide();
    m_tableView->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_tableView->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_tableView->setSelectionMode(QAbstractItemView::SingleSelection);
    // The description takes what the figures leave.
    m_tableView->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_tableView->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    m_tableView->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_tableView->setFixedSize(TableWidth, TallTableHeight);
    connect(m_tableView, &QTableWidget::cellDoubleClicked, this, [this](int row) { editIncomeAtRow(row); });
    m_tableView->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_tableView, &QWidget::customContextMenuRequested, this, [this](const QPoint& position) {
        if (const std::unique_ptr<QMenu> menu = contextMenuForRow(m_tableView->rowAt(position.y())))
            menu->exec(m_tableView->viewport()->mapToGlobal(position));
    });
    layout->addWidget(m_tableView);

    m_addIncomeButton = new QPushButton(tr("Add Income Source"), m_incomePopover);
    connect(m_addIncomeButton, &QPushButton::clicked, this, &BWIncomeController::createNewIncome);
    layout->addWidget(m_addIncomeButton, 0, Qt::AlignLeft);

    m_incomeEditorBox = new QFrame(m_incomePopover);
    auto* form = new QFormLayout(m_incomeEditorBox);
    m_descriptionField = new QLineEdit(m_incomeEditorBox);
    m_amountField = new QLineEdit(m_incomeEditorBox);
    m_payDateField = new QComboBox(m_incomeEditorBox);
    for (int index = 0; index <= LastDayOfMonthIndex; ++index)
        m_payDateField->addItem(QString());
    m_payDateField->setItemText(LastDayOfMonthIndex, tr("Last Day of Month"));
    m_repeatsField = new QComboBox(m_incomeEditorBox);
    m_repeatsField->addItems({tr("No"), tr("Monthly"), tr("Bi-Weekly"), tr("Weekly")});
    form->addRow(tr("Description:"), m_descriptionField);
    form->addRow(tr("Amount:"), m_amountField);
    form->addRow(tr("Pay Day:"), m_payDateField);
    form->addRow(tr("Repeats:"), m_repeatsField);
    m_messageLabel = new QLabel(m_incomeEditorBox);
    m_messageLabel->setTextFormat(Qt::PlainText);
    m_messageLabel->hide();
    form->addRow(m_messageLabel);
    auto* buttons = new QHBoxLayout;
    m_deleteButton = new QPushButton(tr("Delete"), m_incomeEditorBox);
    auto* cancel = new QPushButton(tr("Cancel"), m_incomeEditorBox);
    auto* save = new QPushButton(tr("Save"), m_incomeEditorBox);
    save->setDefault(true);
    buttons->addWidget(m_deleteButton);
    buttons->addStretch();
    buttons->addWidget(cancel);
    buttons->addWidget(save);
    form->addRow(buttons);
    connect(m_deleteButton, &QPushButton::clicked, this, &BWIncomeController::deleteIncome);
    connect(cancel, &QPushButton::clicked, this, &BWIncomeController::cancelIncome);
    connect(save, &QPushButton::clicked, this, &BWIncomeController::saveIncome);
    layout->addWidget(m_incomeEditorBox);
    m_incomeEditorBox->hide();

    m_frameAnimation = new QVariantAnimation(this);
    m_frameAnimation->setDuration(FrameAnimationMs);
    connect(m_frameAnimation, &QVariantAnimation::valueChanged, this,
            [this](const QVariant& height) { m_tableView->setFixedHeight(height.toInt()); });
}

std::unique_ptr<QMenu> BWIncomeController::contextMenuForRow(int row)
{
    if (row < 0 || row >= m_dataSource.size())
        return nullptr;
    auto menu = std::make_unique<QMenu>(m_tableView);
    connect(menu->addAction(tr("Edit…")), &QAction::triggered, this, [this, row] { editIncomeAtRow(row); });
    connect(menu->addAction(tr("Delete")), &QAction::triggered, this, [this, row] { deleteIncomeAtRow(row); });
    return menu;
}

bool BWIncomeController::deleteIncomeAtRow(int row)
{
    if (row < 0 || row >= m_dataSource.size())
        return false;
    m_dataSourceIndexNumber = row;
    return deleteIncome();
}

// The day titles name this month's days, so they are made again at every
// opening: a popover first opened in February still reads right in March.
void BWIncomeController::titlePayDates()
{
    const BWIncomeManager income(m_env);
    for (int index = 0; index < LastDayOfMonthIndex; ++index)
        m_payDateField->setItemText(index, income.displayDateFromIndex(index));
}

void BWIncomeController::showIncomePopover(QWidget* anchor)
{
    titlePayDates();
    m_dataSource = BWIncomeManager(m_env).getIncomeSources().value_or(QVariantList());
    reloadTable();
    hideIncomeEditor(false);
    m_incomePopover->adjustSize();
    if (anchor) {
        const QRect anchorFrame(anchor->mapToGlobal(QPoint(0, 0)), anchor->size());
        const QScreen* screen = anchor->screen();
        m_incomePopover->move(popoverPosition(anchorFrame, m_incomePopover->size(),
                                              screen ? screen->availableGeometry() : QRect()));
    }
    m_incomePopover->show();
}

QPoint BWIncomeController::popoverPosition(const QRect& anchor, const QSize& popover, const QRect& available)
{
    // Centred above the control that opened it; below it when there is no
    // room above; always inside the screen.
    QPoint place(anchor.center().x() - popover.width() / 2, anchor.top() - popover.height());
    if (available.isEmpty())
        return place;
    if (place.y() < available.top())
        place.setY(anchor.bottom() + 1);
    place.setX(std::clamp(place.x(), available.left(), std::max(available.left(), available.right() + 1 - popover.width())));
    place.setY(std::clamp(place.y(), available.top(), std::max(available.top(), available.bottom() + 1 - popover.height())));
    return place;
}

QString BWIncomeController::repeatTitle(const QVariant& repeat) const
{
    const int code = repeat.toInt();
    return code >= 0 && code < m_repeatsField->count() ? m_repeatsField->itemText(code) : repeat.toString();
}

void BWIncomeController::reloadTable()
{
    const BWIncomeManager income(m_env);
    const BWBillsLoader loader(m_env);
    m_tableView->setRowCount(int(m_dataSource.size()));
    m_emptyNote->setVisible(m_dataSource.isEmpty());
    for (int row = 0; row < m_dataSource.size(); ++row) {
        const QVariantMap source = m_dataSource.at(row).toMap();
        const QString texts[] = {source.value(IncomeSourceKeys::Description).toString(),
                                 loader.currencyFormattedNumber(source.value(IncomeSourceKeys::Amount).toDouble()),
                                 income.displayDateWithIncome(source),
                                 repeatTitle(source.value(IncomeSourceKeys::Repeat))};
        for (int column = 0; column < int(std::size(texts)); ++column)
            m_tableView->setItem(row, column, new QTableWidgetItem(texts[column]));
    }
}

void BWIncomeController::createNewIncome()
{
    m_descriptionField->clear();
    m_payDateField->setCurrentIndex(0);
    BWAmountField::setAmount(m_amountField, 0);
    m_repeatsField->setCurrentIndex(int(IncomeRepeat::Monthly));
    m_editedIid = BWUIDMaker::makeUID();
    m_dataSourceIndexNumber = -1;
    m_deleteButton->hide();
    showIncomeEditor();
}

void BWIncomeController::editIncomeAtRow(int row)
{
    if (row < 0 || row >= m_dataSource.size())
        return;
    m_dataSourceIndexNumber = row;
    const QVariantMap source = m_dataSource.at(row).toMap();
    m_editedIid = source.value(IncomeSourceKeys::Iid).toString();
    m_descriptionField->setText(source.value(IncomeSourceKeys::Description).toString());
    BWAmountField::setAmount(m_amountField, source.value(IncomeSourceKeys::Amount).toDouble());
    m_payDateField->setCurrentIndex(std::clamp(source.value(IncomeSourceKeys::PayDate).toInt(), 0, LastDayOfMonthIndex));
    m_repeatsField->setCurrentIndex(std::clamp(source.value(IncomeSourceKeys::Repeat).toInt(), 0, 3));
    m_deleteButton->show();
    showIncomeEditor();
}

bool BWIncomeController::saveIncome()
{
    Log::line(QStringLiteral("Income Being Saved"));
    const std::optional<double> amount = BWAmountField::amount(m_amountField);
    if (!amount || *amount < 0) {
        m_messageLabel->setText(tr("Enter the amount as a number of 0 or more."));
        m_messageLabel->show();
        return false;
    }
    // The source is made afresh: a source that no longer repeats weekly
    // keeps no old pay dates.
    const int repeat = m_repeatsField->currentIndex();
    const int payDate = m_payDateField->currentIndex();
    QVariantMap source{{IncomeSourceKeys::Iid, m_editedIid},
                       {IncomeSourceKeys::Description, m_descriptionField->text()},
                       {IncomeSourceKeys::Amount, *amount},
                       {IncomeSourceKeys::PayDate, qlonglong(payDate)},
                       {IncomeSourceKeys::Repeat, qlonglong(repeat)},
                       {IncomeSourceKeys::CreationDate, m_env.clock->now()}};
    if (repeat >= int(IncomeRepeat::EveryTwoWeeks)) {
        QVariantList dates;
        for (const QDateTime& date :
             BWIncomeManager(m_env).createArrayOfIncomeDatesForInterval(IncomeRepeat(repeat), payDate))
            dates.append(date);
        source.insert(IncomeSourceKeys::IncomeDates, dates);
    }
    QVariantList updated = m_dataSource;
    if (m_dataSourceIndexNumber >= 0 && m_dataSourceIndexNumber < updated.size())
        updated[m_dataSourceIndexNumber] = source;
    else
        updated.append(source);
    return storeIncomeSources(updated);
}

bool BWIncomeController::deleteIncome()
{
    QVariantList updated = m_dataSource;
    if (m_dataSourceIndexNumber >= 0 && m_dataSourceIndexNumber < updated.size())
        updated.removeAt(m_dataSourceIndexNumber);
    return storeIncomeSources(updated);
}

bool BWIncomeController::storeIncomeSources(const QVariantList& sources)
{
    if (!BWIncomeManager(m_env).writeUpdatedIncomeArray(sources)) {
        m_messageLabel->setText(tr("The income sources could not be saved."));
        m_messageLabel->show();
        return false;
    }
    m_dataSource = sources;
    reloadTable();
    hideIncomeEditor(true);
    emit incomeSourcesChanged();
    return true;
}

void BWIncomeController::cancelIncome()
{
    hideIncomeEditor(true);
}

// The table shortens first; the editor shows once there is room for it.
void BWIncomeController::showIncomeEditor()
{
    m_messageLabel->hide();
    m_addIncomeButton->hide();
    animateTableHeight(ShortTableHeight, [this] {
        m_incomeEditorBox->show();
        m_incomePopover->adjustSize();
    });
}

void BWIncomeController::hideIncomeEditor(bool animated)
{
    m_incomeEditorBox->hide();
    const auto done = [this] {
        m_addIncomeButton->show();
        m_incomePopover->adjustSize();
    };
    if (animated) {
        animateTableHeight(TallTableHeight, done);
        return;
    }
    m_frameAnimation->stop();
    disconnect(m_afterAnimation);
    m_tableView->setFixedHeight(TallTableHeight);
    done();
}

// A change of mind mid-way starts from the height shown; the step that was
// to follow the interrupted change is dropped.
void BWIncomeController::animateTableHeight(int height, const std::function<void()>& then)
{
    m_frameAnimation->stop();
    disconnect(m_afterAnimation);
    m_frameAnimation->setStartValue(m_tableView->height());
    m_frameAnimation->setEndValue(height);
    m_afterAnimation = connect(m_frameAnimation, &QVariantAnimation::finished, this, then);
    m_frameAnimation->start();
}
