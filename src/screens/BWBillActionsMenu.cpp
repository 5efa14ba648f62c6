#include "screens/BWBillActionsMenu.h"

#include <QAbstractButton>
#include <QAction>
#include <QHash>
#include <QStandardItemModel>
#include <QWidget>

#include "platform/SenderTag.h"
#include "platform/UserDefaults.h"
#include "store/BWBillCommands.h"
#include "store/BWBillRecordKeys.h"
#include "store/BWBillsLoader.h"
#include "store/BWDefaultsKeys.h"
#include "store/BWPaySite.h"
#include "store/BWSecondaryActionKeys.h"
#include "widgets/BWPopupButton.h"

BWBillActionsMenu::BWBillActionsMenu(const BWStoreEnvironment& env, BWPopupButton* popup, QAbstractButton* alternate,
                                     QObject* parent)
    : QObject(parent), m_env(env), m_popup(popup), m_alternate(alternate)
{
    m_popup->setAccessibleName(tr("Actions"));
    // Until a bill is shown the button has no title to be read by.
    m_alternate->setAccessibleName(tr("Repeat Action"));
    connect(m_popup, &QComboBox::activated, this, &BWBillActionsMenu::popupActivated);
    // A click on the alternate button remembers nothing: it repeats a choice.
    connect(m_alternate, &QAbstractButton::clicked, this, [this] { perform(m_alternateTitle, m_alternate); });
}

void BWBillActionsMenu::clear()
{
    if (m_popup)
        m_popup->clear();
    for (QAction* item : std::as_const(m_items))
        item->deleteLater();
    m_items.clear();
    m_billID.clear();
    m_alternateTitle.clear();
}

void BWBillActionsMenu::setupActionButtonMenuForBill(const QVariantMap& record)
{
    clear();
    m_billID = record.value(BillKeys::Bid).toString();
    const bool income = BWBillsLoader::billIsIncome(record);

    // The pop-up's face: a title item that is no command.
    m_popup->addItem(tr("Actions"));
    if (income) {
        if (!m_env.defaults->boolForKey(BWDefaultsKeys::BW_ShouldAutoLogIncome))
            addItem(BillActionTitle::LogIncome, QKeySequence(Qt::CTRL | Qt::Key_L), FullLog);
    } else {
        addItem(BillActionTitle::LogPartial, QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_L), PartialLog);
        addItem(BillActionTitle::SkipPayment, QKeySequence(Qt::CTRL | Qt::Key_P));
        addSeparator();
        addItem(BillActionTitle::QuickLog, QKeySequence(Qt::CTRL | Qt::Key_T), QuickLogTag);
    }
    addSeparator();
    if (BWPaySite::billHasPaySite(record)) {
        addItem(BillActionTitle::ViewWebsite, QKeySequence(Qt::CTRL | Qt::Key_S));
        addItem(BillActionTitle::PayNow, QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_S));
        addSeparator();
    }
    addItem(income ? BillActionTitle::EditIncome : BillActionTitle::EditBill, QKeySequence(Qt::CTRL | Qt::Key_E));
    m_popup->setCurrentIndex(0);
    disableWhatTheBillDoesNotOffer(record);

    showOnAlternateButton(BWBillsLoader(m_env).defaultSecondaryActionForBill(m_billID, availableActions()));
}

// An archived bill shows its payment commands greyed, as the main menu does.
void BWBillActionsMenu::disableWhatTheBillDoesNotOffer(const QVariantMap& record)
{
    const bool incomeLogsItself = m_env.defaults->boolForKey(BWDefaultsKeys::BW_ShouldAutoLogIncome);
    auto* entries = qobject_cast<QStandardItemModel*>(m_popup->model());
    for (int index = 0; index < m_popup->count(); ++index) {
        auto* item = qobject_cast<QAction*>(m_popup->itemData(index).value<QObject*>());
        const std::optional<BWBillCommands::Command> command = item ? commandTitled(item->text()) : std::nullopt;
        if (!command || BWBillCommands::offers(*command, record, incomeLogsItself))
            continue;
        item->setEnabled(false);
        if (entries)
            entries->item(index)->setEnabled(false);
    }
}

std::optional<BWBillCommands::Command> BWBillActionsMenu::commandTitled(const QString& title)
{
    using Command = BWBillCommands::Command;
    static const QHash<QString, Command> commands{
        {BillActionTitle::LogIncome, Command::LogPayment},    {BillActionTitle::LogPartial, Command::LogPartial},
        {BillActionTitle::QuickLog, Command::QuickLog},       {BillActionTitle::SkipPayment, Command::SkipPayment},
        {BillActionTitle::ViewWebsite, Command::ViewWebsite}, {BillActionTitle::PayNow, Command::PayNow},
        {BillActionTitle::EditIncome, Command::Edit},         {BillActionTitle::EditBill, Command::Edit},
    };
    const auto found = commands.constFind(title);
    return found == commands.constEnd() ? std::nullopt : std::optional(*found);
}

bool BWBillActionsMenu::offers(const QString& title) const
{
    for (const QAction* item : m_items) {
        if (!item->isSeparator() && item->text() == title)
            return item->isEnabled();
    }
    return false;
}

QAction* BWBillActionsMenu::addItem(const QString& title, const QKeySequence& key, int tag)
{
    auto* item = new QAction(title, this);
    item->setShortcut(key);
    item->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    item->setData(m_billID);
    if (tag >= 0)
        SenderTag::set(item, tag);
    connect(item, &QAction::triggered, this, [this, item] { choose(item); });
    m_items.append(item);
    m_popup->addItem(title, QVariant::fromValue<QObject*>(item));
    return item;
}

void BWBillActionsMenu::addSeparator()
{
    auto* separator = new QAction(this);
    separator->setSeparator(true);
    m_items.append(separator);
    m_popup->insertSeparator(m_popup->count());
}

QStringList BWBillActionsMenu::availableActions() const
{
    QStringList titles;
    for (const QAction* item : m_items) {
        if (!item->isSeparator() && !item->text().isEmpty() && item->isEnabled())
            titles.append(item->text());
    }
    return titles;
}

void BWBillActionsMenu::popupActivated(int index)
{
    auto* item = qobject_cast<QAction*>(m_popup->itemData(index).value<QObject*>());
    // The pull-down keeps showing its empty face.
    m_popup->setCurrentIndex(0);
    if (item)
        item->trigger();
}

void BWBillActionsMenu::choose(QAction* item)
{
    if (!item || !m_items.contains(item) || !item->isEnabled())
        return;
    if (m_env.defaults->integerForKey(BWDefaultsKeys::BWSecondaryActionSetting) == SecondaryActionKeys::OwnChoice)
        rememberForBill(item->text());
    perform(item->text(), item);
}

QString BWBillActionsMenu::skipQuestion()
{
    return tr("Are you sure you want to skip the next payment for this bill?");
}

void BWBillActionsMenu::rememberForBill(const QString& title)
{
    if (m_billID.isEmpty())
        return;
    BWBillsLoader(m_env).setDefaultAction(title, m_billID);
    showOnAlternateButton(title);
}

// Only titles of the vocabulary wire the button; any other leaves it as it was.
void BWBillActionsMenu::showOnAlternateButton(const QString& title)
{
    static const QStringList known{BillActionTitle::LogIncome,  BillActionTitle::LogPartial,
                                   BillActionTitle::QuickLog,   BillActionTitle::SkipPayment,
                                   BillActionTitle::ViewWebsite, BillActionTitle::PayNow,
                                   BillActionTitle::EditIncome, BillActionTitle::EditBill};
    if (!known.contains(title) || !m_alternate)
        return;
    m_alternateTitle = title;
    m_alternate->setText(title);
    m_alternate->setAccessibleName(title);
    emit alternateTitleChanged(title);
    QPalette colors = m_alternate->palette();
    colors.setColor(QPalette::ButtonText, Qt::black);
    m_alternate->setPalette(colors);
    if (title == BillActionTitle::LogIncome)
        SenderTag::set(m_alternate, FullLog);
    else if (title == BillActionTitle::LogPartial)
        SenderTag::set(m_alternate, PartialLog);
    else if (title == BillActionTitle::QuickLog)
        SenderTag::set(m_alternate, QuickLogTag);
}

void BWBillActionsMenu::perform(const QString& title, QObject* sender)
{
    if (!offers(title))
        return;
    if (title == BillActionTitle::LogIncome || title == BillActionTitle::LogPartial
        || title == BillActionTitle::QuickLog)
        emit logRequested(sender);
    else if (title == BillActionTitle::SkipPayment)
        emit skipRequested();
    else if (title == BillActionTitle::ViewWebsite)
        emit websiteRequested();
    else if (title == BillActionTitle::PayNow)
        emit payNowRequested();
    else if (title == BillActionTitle::EditIncome || title == BillActionTitle::EditBill)
        emit editRequested();
}
