#include "screens/BWOverviewBottomBar.h"

#include <QFrame>
#include <QHBoxLayout>

#include <cmath>

#include "platform/SenderTag.h"
#include "platform/UserDefaults.h"
#include "screens/BWBillActionsMenu.h"
#include "screens/BWOverviewTableModel.h"
#include "store/BWBillCommands.h"
#include "store/BWBillRecordKeys.h"
#include "store/BWBillsLoader.h"
#include "store/BWDefaultsKeys.h"
#include "store/BWSecondaryActionKeys.h"
#include "store/PaymentKind.h"
#include "widgets/BGHUDBox.h"
#include "widgets/BGHUDLabel.h"
#include "widgets/BGHUDView.h"
#include "widgets/BWPopupButton.h"
#include "widgets/KBButton.h"

namespace {

constexpr int kBottomBarHeight = 44;

QFrame* dividerLine(QWidget* parent)
{
    auto* line = new QFrame(parent);
    line->setFrameShape(QFrame::VLine);
    line->setFrameShadow(QFrame::Plain);
    return line;
}

void setShown(QWidget* widget, bool shown, bool enabled = true)
{
    widget->setEnabled(enabled);
    widget->setVisible(shown);
}

}  // namespace

BWOverviewBottomBar::BWOverviewBottomBar(const BWStoreEnvironment& env, const BWOverviewTableModel& model,
                                         QWidget* barParent, QObject* parent)
    : QObject(parent)
    , m_env(env)
    , m_model(model)
    , m_bar(new BGHUDView(barParent))
{
    // At least the one height; a longer text in another language makes the
    // bar taller rather than being cut off.
    m_bar->setMinimumHeight(kBottomBarHeight);
    m_bar->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Maximum);
    auto* layout = new QHBoxLayout(m_bar);
    layout->setContentsMargins(8, 4, 8, 4);

    // The bar's text shares the row with the phone notice at the default
    // window width: both wrap onto a second line rather than being cut off.
    // The notice's box gets the larger share, as its two buttons take part
    // of it.
    m_actionText = new BGHUDLabel(QString(), m_bar);
    m_actionText->setWordWrap(true);
    layout->addWidget(m_actionText, 1);
    layout->addWidget(buildAdBox(), 2);
    buildActionBox();
    layout->addWidget(m_actionBox);
    m_actionBox->hide();

    m_actionsMenu = new BWBillActionsMenu(m_env, m_actionsPopupButton, m_actionsAlternateButton, this);
    connect(m_actionsMenu, &BWBillActionsMenu::alternateTitleChanged, this,
            [this] { showPartialButtonUnlessOffered(); });
}

void BWOverviewBottomBar::buildActionBox()
{
    m_actionBox = new BGHUDView(m_bar);
    auto* actions = new QHBoxLayout(m_actionBox);
    actions->setContentsMargins(0, 0, 0, 0);
    m_overviewButtonLog = new KBButton(tr("Log Payment"), KBButtonTypeGreen, m_actionBox);
    SenderTag::set(m_overviewButtonLog, int(PaymentKind::Full));
    m_overviewLineLog = dividerLine(m_actionBox);
    m_overviewButtonPartial = new KBButton(tr("Log Partial"), KBButtonTypeTeal, m_actionBox);
    // This kind leaves the button's title alone: the other partial kind
    // retitles its sender "Log Payment", which would leave two buttons saying so.
    SenderTag::set(m_overviewButtonPartial, int(PaymentKind::PartialKeepingTitle));
    m_overviewButtonView = new KBButton(tr("View"), KBButtonTypeBlue, m_actionBox);
    m_overviewLineView = dividerLine(m_actionBox);
    m_payNowOverviewButton = new KBButton(tr("Pay Now"), KBButtonTypeOrange, m_actionBox);
    m_overviewLinePay = dividerLine(m_actionBox);
    m_actionsPopupButton = new BWPopupButton(m_actionBox);
    m_actionsAlternateButton = new KBButton(QString(), KBButtonTypeLightGrey, m_actionBox);
    for (QWidget* control : std::initializer_list<QWidget*>{
             m_overviewButtonLog, m_overviewLineLog, m_overviewButtonPartial, m_overviewButtonView, m_overviewLineView,
             m_payNowOverviewButton, m_overviewLinePay, m_actionsPopupButton, m_actionsAlternateButton})
        actions->addWidget(control);
    for (KBButton* log : {m_overviewButtonLog, m_overviewButtonPartial})
        connect(log, &QAbstractButton::clicked, this, [this, log] { emit logPaymentRequested(log); });
    connect(m_overviewButtonView, &QAbstractButton::clicked, this, &BWOverviewBottomBar::viewBillRequested);
    connect(m_payNowOverviewButton, &QAbstractButton::clicked, this, &BWOverviewBottomBar::payNowRequested);
}

// A word about the phone edition, shown while nothing is selected until the
// user hides it for good.
QWidget* BWOverviewBottomBar::buildAdBox()
{
    m_adBox = new BGHUDBox(m_bar);
    m_adBox->setBoxType(BGHUDBox::Custom);
    auto* layout = new QHBoxLayout(m_adBox);
    layout->setContentsMargins(0, 0, 0, 0);
    // Says what this program does with the phone edition: nothing, yet.
    auto* notice = new BGHUDLabel(tr("Orvane for phones cannot sync with this computer yet."), m_adBox);
    notice->setWordWrap(true);
    layout->addWidget(notice, 1);
    auto* learnMore = new KBButton(tr("Learn More"), KBButtonTypeBlue, m_adBox);
    auto* hide = new KBButton(tr("Hide"), KBButtonTypeLightGrey, m_adBox);
    hide->setObjectName(QStringLiteral("hideAdvert"));
    layout->addWidget(learnMore);
    layout->addWidget(hide);
    connect(learnMore, &QAbstractButton::clicked, this, &BWOverviewBottomBar::phoneEditionRequested);
    connect(hide, &QAbstractButton::clicked, this, &BWOverviewBottomBar::hideAdvertRequested);
    m_adBox->setVisible(!m_env.defaults->boolForKey(BWDefaultsKeys::BWHideAd));
    return m_adBox;
}

void BWOverviewBottomBar::setupActionButtonMenuForBill(const QVariantMap& record)
{
    m_actionsMenu->setupActionButtonMenuForBill(record);
    m_actionsPopupButton->show();
    m_actionsAlternateButton->show();
}

void BWOverviewBottomBar::clearActionsMenu()
{
    m_actionsMenu->clear();
    m_actionsPopupButton->hide();
    m_actionsAlternateButton->hide();
}

void BWOverviewBottomBar::hideActions()
{
    m_actionBox->hide();
}

void BWOverviewBottomBar::showSelection(const Selection& selection)
{
    if (selection.records.isEmpty())
        showNoSelection(selection.nothingStored);
    else if (selection.records.size() == 1)
        showSingleSelection(selection.records.first());
    else
        showSeveralSelected(selection.records, selection.useIntelligence);
}

void BWOverviewBottomBar::showNoSelection(bool nothingStored)
{
    // Someone who has no bills yet learns where the first one comes from.
    m_actionText->setText(
        nothingStored ? tr("No bills yet: click \u201C+ New Bill\u201D above (or press Ctrl+N) to add your first bill.")
                      : tr("Select a bill to view available actions."));
    m_actionText->show();
    m_actionBox->hide();
    m_payNowOverviewButton->hide();
    m_adBox->setVisible(!m_env.defaults->boolForKey(BWDefaultsKeys::BWHideAd));
}

// The buttons offer what the one rule of BWBillCommands offers for one item.
void BWOverviewBottomBar::showSingleSelection(const QVariantMap& record)
{
    m_actionText->hide();
    setupActionButtonMenuForBill(record);
    m_adBox->hide();
    m_actionBox->show();
    m_actionText->setText(record.value(BillKeys::Name).toString());
    const bool incomeLogsItself = m_env.defaults->boolForKey(BWDefaultsKeys::BW_ShouldAutoLogIncome);
    const auto offered
        = [&](BWBillCommands::Command command) { return BWBillCommands::offers(command, record, 1, incomeLogsItself); };
    setShown(m_payNowOverviewButton, true, offered(BWBillCommands::Command::PayNow));
    if (BWBillsLoader::billIsIncome(record)) {
        setShown(m_overviewButtonLog, false, false);
        setShown(m_overviewButtonPartial, false, false);
        setShown(m_overviewButtonView, true);
        m_payNowOverviewButton->hide();
        m_overviewLineLog->hide();
        m_overviewLinePay->hide();
        m_overviewLineView->show();
    } else {
        setShown(m_overviewButtonLog, true, offered(BWBillCommands::Command::LogPayment));
        m_overviewButtonPartial->setEnabled(offered(BWBillCommands::Command::LogPartial));
        // An income row selected before hid it.
        showPartialButtonUnlessOffered();
        setShown(m_overviewButtonView, true);
        for (QWidget* part : std::initializer_list<QWidget*>{m_payNowOverviewButton, m_overviewLineLog,
                                                             m_overviewLineView, m_overviewLinePay})
            part->show();
    }
}

// The alternate button may already offer a partial payment: the bar then
// shows it once. Only a bill's bar, the one with a log button, has the
// partial button at all.
void BWOverviewBottomBar::showPartialButtonUnlessOffered()
{
    if (!m_overviewButtonLog->isHidden())
        m_overviewButtonPartial->setVisible(m_actionsMenu->alternateTitle() != BillActionTitle::LogPartial);
}

// What the selected bills come to: bills count as money going out, income as
// money coming in; once income is among them the sum reads as a balance.
void BWOverviewBottomBar::showSeveralSelected(const QList<QVariantMap>& records, bool useIntelligence)
{
    m_actionText->show();
    m_actionBox->hide();
    double total = 0.0;
    bool incomeSelected = false;
    for (const QVariantMap& record : records) {
        double value = record.value(BillKeys::Amount).toDouble();
        if (useIntelligence) {
            const double estimate = m_model.estimatedAmount(record);
            if (std::trunc(estimate) != 0.0)
                value = estimate;
        }
        incomeSelected |= BWBillsLoader::billIsIncome(record);
        total += BWBillsLoader::billIsIncome(record) ? -value : value;
    }
    if (incomeSelected)
        total = -total;
    const QString label
        = incomeSelected ? tr("items selected. Estimated balance:") : tr("bills selected. Estimated amount due:");
    m_actionText->setText(
        QStringLiteral("%1 %2 %3").arg(records.size()).arg(label, BWBillsLoader(m_env).currencyFormattedNumber(total)));
}
