#include "screens/BWOverviewSidebar.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/Clock.h"
#include "platform/Log.h"
#include "platform/UserDefaults.h"
#include "screens/BWIncomeController.h"
#include "screens/BWTagText.h"
#include "store/BWBillRecordKeys.h"
#include "store/BWBillsLoader.h"
#include "store/BWDefaultsKeys.h"
#include "store/BWForecastViewCalculations.h"
#include "store/BWIncomeManager.h"
#include "store/BWIndexManager.h"
#include "store/BWStatisticsCalculator.h"
#include "store/BWTagList.h"
#include "widgets/BGHUDBox.h"
#include "widgets/BGHUDLabel.h"
#include "widgets/BGHUDView.h"
#include "widgets/KBButton.h"

namespace {

// The captions as the defaults keep them, in English; shown translated.
const char* const ExpectedBalanceCaption = QT_TRANSLATE_NOOP("BWOverviewSidebar", "EXPECTED BALANCE");
const char* const CurrentBalanceCaption = QT_TRANSLATE_NOOP("BWOverviewSidebar", "CURRENT BALANCE");
// The box behind the figure whose list is shown.
const QColor HighlightFill = QColor(0, 122, 255, 40);
const QColor HighlightBorder = QColor(0, 122, 255, 140);
constexpr int SidebarMargin = 8;

QLabel* figureLabel(QWidget* parent, Qt::Alignment alignment)
{
    auto* label = new QLabel(parent);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(alignment | Qt::AlignVCenter);
    return label;
}

QLabel* captionLabel(const QString& text, QWidget* parent)
{
    QLabel* label = figureLabel(parent, Qt::AlignLeft);
    label->setText(text);
    QFont small = label->font();
    small.setPointSizeF(small.pointSizeF() * 0.85);
    small.setBold(true);
    label->setFont(small);
    return label;
}

// A caption that can be clicked: it lines up with the plain captions (a
// button's frame and centred title would indent it) and is underlined under
// the pointer.
QPushButton* captionButton(const QString& text, QWidget* parent)
{
    auto* button = new QPushButton(text, parent);
    button->setCursor(Qt::PointingHandCursor);
    button->setStyleSheet(
        QStringLiteral("QPushButton { border: none; padding: 0px; margin: 0px; text-align: left; background: none; }"
                       "QPushButton:hover { text-decoration: underline; }"));
    return button;
}

BGHUDBox* highlightBox(QWidget* parent)
{
    auto* box = new BGHUDBox(parent);
    box->setBoxType(BGHUDBox::Custom);
    box->setUseTheme(false);
    box->setCornerRadius(5);
    box->setColor1(HighlightFill);
    box->setColor2(HighlightFill);
    box->setBorderColor(HighlightBorder);
    box->hide();
    return box;
}

// Whether `billID` is met for the first time in `met`. Further occurrences of
// an item share its Bid, and the item counts once; a record without an id
// counts on its own.
bool firstOfItem(QSet<QString>& met, const QString& billID)
{
    if (billID.isEmpty())
        return true;
    if (met.contains(billID))
        return false;
    met.insert(billID);
    return true;
}

}  // namespace

// ---- Building ----------------------------------------------------------------

BWOverviewSidebar::BWOverviewSidebar(const BWStoreEnvironment& env, QWidget* panelParent, QObject* parent)
    : QObject(parent)
    , m_env(env)
    , m_panel(new QWidget(panelParent))
{
    auto* layout = new QGridLayout(m_panel);
    layout->setContentsMargins(SidebarMargin, SidebarMargin, SidebarMargin, SidebarMargin);
    layout->setVerticalSpacing(2);
    layout->setColumnStretch(0, 1);
    buildFigureRows();
    buildBalanceAndIncome();
    buildTagField();
    buildTip(panelParent);
}

void BWOverviewSidebar::buildFigureRows()
{
    auto* layout = static_cast<QGridLayout*>(m_panel->layout());
    struct FigureRow
    {
        const char* caption;
        BGHUDBox** highlight;
        QLabel** count;
        QLabel** amount;
    };
    const FigureRow rows[] = {
        {QT_TR_NOOP("DUE SOON"), &m_dueSoonHighlightbox, &m_dueSoonNumField, &m_dueSoonAmtField},
        {QT_TR_NOOP("DUE THIS MONTH"), &m_dueMonthHighlightBox, &m_dueMonthNumField, &m_dueMonthAmtField},
        {QT_TR_NOOP("PAID THIS MONTH"), &m_paidMonthHighlightBox, &m_paydayNumField, &m_paidThisMonthField},
        {QT_TR_NOOP("INCOME THIS MONTH"), nullptr, nullptr, &m_incomeToDateField},
        {QT_TR_NOOP("STILL DUE THIS MONTH"), nullptr, nullptr, &m_stillDueThisMonthField},
    };
    // The calendar above follows the selected bill's month; the figures stay
    // on this month, which their heading names.
    m_figuresMonth = captionLabel(QString(), m_panel);
    m_figuresMonth->setObjectName(QStringLiteral("figuresMonth"));
    layout->addWidget(m_figuresMonth, m_rows++, 0, 1, 3);
    for (const FigureRow& figure : rows) {
        // The highlight lies behind its row's caption and figures.
        if (figure.highlight) {
            *figure.highlight = highlightBox(m_panel);
            layout->addWidget(*figure.highlight, m_rows, 0, 1, 3);
        }
        layout->addWidget(captionLabel(tr(figure.caption), m_panel), m_rows, 0);
        if (figure.count) {
            *figure.count = figureLabel(m_panel, Qt::AlignRight);
            layout->addWidget(*figure.count, m_rows, 1);
        }
        *figure.amount = figureLabel(m_panel, Qt::AlignRight);
        layout->addWidget(*figure.amount, m_rows, 2);
        ++m_rows;
    }
}

void BWOverviewSidebar::buildBalanceAndIncome()
{
    auto* layout = static_cast<QGridLayout*>(m_panel->layout());
    // The balance's caption is a button that flips between the two balances.
    // The registered caption; before the defaults are registered, its value.
    // A caption of the user's own is shown as it is.
    const QString caption = m_env.defaults->stringForKey(BWDefaultsKeys::expectedBalanceName);
    m_showsCurrentBalance = caption == QLatin1String(CurrentBalanceCaption);
    const bool known = caption.isEmpty() || caption == QLatin1String(ExpectedBalanceCaption) || m_showsCurrentBalance;
    m_expectedBalanceName = captionButton(known ? balanceCaption() : caption, m_panel);
    m_expectedBalanceName->setFont(captionLabel(QString(), m_panel)->font());
    m_expectedBalanceName->setToolTip(tr("Switch between the expected and the current balance"));
    connect(m_expectedBalanceName, &QAbstractButton::clicked, this, [this] { switchView(); });
    layout->addWidget(m_expectedBalanceName, m_rows, 0, Qt::AlignLeft);
    m_expectedBalance = figureLabel(m_panel, Qt::AlignRight);
    layout->addWidget(m_expectedBalance, m_rows++, 1, 1, 2);

    // The income sources, whose pay days the balances count.
    m_incomeController = new BWIncomeController(m_env, this);
    connect(m_incomeController, &BWIncomeController::incomeSourcesChanged, this, &BWOverviewSidebar::showBalance);
    m_incomeButton = captionButton(tr("Income Sources…"), m_panel);
    connect(m_incomeButton, &QAbstractButton::clicked, this,
            [this] { m_incomeController->showIncomePopover(m_incomeButton); });
    layout->addWidget(m_incomeButton, m_rows++, 0, 1, 3, Qt::AlignLeft);
}

void BWOverviewSidebar::buildTagField()
{
    auto* layout = static_cast<QGridLayout*>(m_panel->layout());
    layout->addWidget(captionLabel(tr("TAGS"), m_panel), m_rows++, 0, 1, 3);
    m_tagList = new QLineEdit(m_panel);
    m_tagList->setPlaceholderText(tr("Tags, separated by commas"));
    m_tagList->setAccessibleName(tr("Tags"));
    connect(m_tagList, &QLineEdit::editingFinished, this, [this] {
        if (tagsTyped() != BWTagList(m_env).getListOfTags().value_or(QStringList()))
            emit tagsEdited();
    });
    layout->addWidget(m_tagList, m_rows++, 0, 1, 3);
}

// A tip under the month figures until the user dismisses it for good.
void BWOverviewSidebar::buildTip(QWidget* parent)
{
    m_tip = new BGHUDView(parent);
    auto* layout = new QVBoxLayout(m_tip);
    layout->setContentsMargins(10, 6, 10, 6);
    auto* text = new BGHUDLabel(tr("Tip: double-click a bill to open its page, or right-click it for more "
                                   "commands."),
                                m_tip);
    text->setWordWrap(true);
    auto* dismiss = new KBButton(tr("Hide Tip"), KBButtonTypeLightGrey, m_tip);
    dismiss->setObjectName(QStringLiteral("hideTip"));
    layout->addWidget(text);
    layout->addWidget(dismiss, 0, Qt::AlignRight);
    connect(dismiss, &QAbstractButton::clicked, this, [this] {
        m_tip->hide();
        emit tipDismissed();
    });
    m_tip->setVisible(!m_env.defaults->boolForKey(BWDefaultsKeys::BWHideTip));
}

QWidget* BWOverviewSidebar::tip() const
{
    return m_tip;
}

QStringList BWOverviewSidebar::tagsTyped() const
{
    QStringList tags = BWTagText::split(m_tagList->text());
    tags.removeDuplicates();
    return tags;
}

void BWOverviewSidebar::showTags(const QStringList& tags)
{
    if (m_tagList->hasFocus())
        return;
    m_tagList->setText(BWTagText::join(tags));
    // The list reads from its first tag, not scrolled to its end.
    m_tagList->setCursorPosition(0);
}

void BWOverviewSidebar::highlight(BGHUDBox* box)
{
    for (BGHUDBox* each : {m_dueSoonHighlightbox, m_dueMonthHighlightBox, m_paidMonthHighlightBox})
        each->setVisible(each == box);
}

// ---- Figures -------------------------------------------------------------------

// One loader and calculator for all the records of a list: each reads the
// time zone once, and the clock is held at one reading while they work.
struct BWOverviewSidebar::FigureSources
{
    FigureSources(const BWStoreEnvironment& env, bool intelligence)
        : loader(env)
        , statistics(env)
        , forecast(env)
        , now(env.clock->now())
        , useIntelligence(intelligence)
    {
    }

    BWBillsLoader loader;
    BWStatisticsCalculator statistics;
    BWForecastViewCalculations forecast;
    mutable BWIndexManager index;
    QDateTime now;
    bool useIntelligence;
};

double BWOverviewSidebar::estimatedAmountThisMonth(const QVariantMap& record, const FigureSources& sources)
{
    if (sources.useIntelligence && !record.value(BillKeys::IsIncome).toBool()) {
        const double estimate = sources.forecast.calculateInteligentAmountForBill(record, 0);
        if (qlonglong(estimate) != 0)
            return estimate;
    }
    return sources.loader.getEstimatedAmountDueForBill(record).toDouble();
}

BWSidebarFigureCache::RecordFigures BWOverviewSidebar::recordFigures(const QVariantMap& record,
                                                                     const FigureSources& sources)
{
    const BWBillsLoader& loader = sources.loader;
    const QDateTime& now = sources.now;
    const QVariantList alone{record};
    BWSidebarFigureCache::RecordFigures figures;
    figures.isIncome = record.value(BillKeys::IsIncome).toBool();
    figures.dueThisMonth = loader.isDueDate(record.value(BillKeys::DueDate).toDateTime(), now);
    if (figures.dueThisMonth)
        figures.amountThisMonth = figures.isIncome ? loader.getEstimatedAmountDueForBill(record).toDouble()
                                                   : estimatedAmountThisMonth(record, sources);
    const BWStatisticsCalculator::CountAndAmount dueSoon
        = sources.statistics.countAndAmountofBillsDueSoonForData(alone);
    figures.dueSoon = dueSoon.count > 0;
    figures.dueSoonAmount = dueSoon.amount;
    const BWIndexManager::MonthTotals paid = sources.index.calculateTotalPaidinArray(alone, now);
    figures.paidThisMonth = figures.isIncome ? paid.incomeTotal : paid.billsTotal;
    figures.paymentsThisMonth = paid.paymentsCounted;
    return figures;
}

BWSidebarFigureCache::Conditions BWOverviewSidebar::figureConditions(const BWStoreEnvironment& env,
                                                                     bool useIntelligence)
{
    return {env.clock->now().toLocalTime().date(), useIntelligence,
            env.defaults->integerForKey(BWDefaultsKeys::BWDueSoonDays),
            env.defaults->boolForKey(BWDefaultsKeys::BWDontCountAuto)};
}

void BWOverviewSidebar::forgetFigures()
{
    m_figureCache.clear();
}

void BWOverviewSidebar::forgetFiguresOf(const QSet<QString>& billIDs)
{
    m_figureCache.forget(billIDs);
}

void BWOverviewSidebar::takeFigures(BWSidebarFigureCache& figures)
{
    std::swap(m_figureCache, figures);
}

BWOverviewSidebar::Figures BWOverviewSidebar::figuresForList(const QVariantList& list, bool useIntelligence)
{
    return figuresWith(m_env, useIntelligence, m_figureCache, list);
}

// The sums run in the order of the list, as a computation afresh adds them.
BWOverviewSidebar::Figures BWOverviewSidebar::figuresWith(const BWStoreEnvironment& env, bool useIntelligence,
                                                          BWSidebarFigureCache& cache, const QVariantList& list)
{
    Figures figures;
    double expectedIncome = 0;
    BWIndexManager::MonthTotals paid;
    // Further occurrences of an item share its Bid: each is money due, but
    // the item is counted once, and its payments are counted once.
    QSet<QString> countedThisMonth;
    QSet<QString> countedDueSoon;
    QSet<QString> paymentsCounted;
    paymentsCounted.reserve(list.size());
    const Clock::Hold sameMoment(env.clock);
    const FigureSources sources(env, useIntelligence);
    cache.keepFor(figureConditions(env, useIntelligence));
    for (const QVariant& entry : list) {
        const QVariantMap record = entry.toMap();
        const BWSidebarFigureCache::RecordFigures each
            = cache.figuresOf(record, [&sources](const QVariantMap& one) { return recordFigures(one, sources); });
        const QString billID = record.value(BillKeys::Bid).toString();
        if (each.dueThisMonth && each.isIncome) {
            expectedIncome += each.amountThisMonth;
        } else if (each.dueThisMonth) {
            figures.dueMonthAmount += each.amountThisMonth;
            if (firstOfItem(countedThisMonth, billID))
                ++figures.dueMonthCount;
        }
        if (each.dueSoon) {
            if (firstOfItem(countedDueSoon, billID))
                ++figures.dueSoonCount;
            figures.dueSoonAmount += each.dueSoonAmount;
        }
        if (firstOfItem(paymentsCounted, billID)) {
            (each.isIncome ? paid.incomeTotal : paid.billsTotal) += each.paidThisMonth;
            paid.paymentsCounted += each.paymentsThisMonth;
        }
    }
    Log::line(QStringLiteral("Income Logged: %1").arg(paid.incomeTotal));
    figures.paymentCount = paid.paymentsCounted;
    figures.paidThisMonth = paid.billsTotal;
    figures.incomeReceived = paid.incomeTotal;
    figures.income = expectedIncome + paid.incomeTotal;
    return figures;
}

// One rule under both captions, counting the income items and the income
// sources alike: the current balance is what came in so far less what was
// paid; the expected one adds the income still to come this month and takes
// off what is still due.
double BWOverviewSidebar::balanceForCaption(const Figures& figures, bool current) const
{
    const BWIncomeManager sources(m_env);
    if (current)
        return figures.incomeReceived + sources.incomeThisMonth() - figures.paidThisMonth;
    return figures.income + sources.incomeThisMonthAll() - figures.paidThisMonth - figures.dueMonthAmount;
}

bool BWOverviewSidebar::showsCurrentBalance() const
{
    return m_showsCurrentBalance;
}

QString BWOverviewSidebar::balanceCaption() const
{
    return tr(m_showsCurrentBalance ? CurrentBalanceCaption : ExpectedBalanceCaption);
}

void BWOverviewSidebar::show(const QVariantList& list, const QVariantList& allActiveItems, bool useIntelligence,
                             const std::optional<Figures>& known)
{
    const BWBillsLoader loader(m_env);
    m_useIntelligence = useIntelligence;
    m_figures = known ? *known : figuresForList(list, useIntelligence);
    const Figures& figures = m_figures;
    m_figuresMonth->setText(
        tr("THIS MONTH: %1")
            .arg(QLocale().toString(m_env.clock->now().toLocalTime().date(), QStringLiteral("MMMM yyyy")).toUpper()));
    m_dueSoonNumField->setText(QString::number(figures.dueSoonCount));
    m_dueSoonAmtField->setText(loader.currencyFormattedNumber(figures.dueSoonAmount));
    m_dueMonthNumField->setText(QString::number(figures.dueMonthCount));
    m_dueMonthAmtField->setText(loader.currencyFormattedNumber(figures.dueMonthAmount));
    m_stillDueThisMonthField->setText(loader.currencyFormattedNumber(figures.dueMonthAmount));
    m_paydayNumField->setText(QString::number(figures.paymentCount));
    m_paidThisMonthField->setText(loader.currencyFormattedNumber(figures.paidThisMonth));
    m_incomeToDateField->setText(loader.currencyFormattedNumber(figures.income));
    showBalance();
    // Shown for all active items, the figures hold the badge's count already.
    const bool allItemsShown = list.constData() == allActiveItems.constData() && list.size() == allActiveItems.size();
    updateDockBadge(allItemsShown ? std::optional<qlonglong>(figures.dueSoonCount) : std::nullopt, allActiveItems);
}

void BWOverviewSidebar::switchView()
{
    m_showsCurrentBalance = !m_showsCurrentBalance;
    m_expectedBalanceName->setText(balanceCaption());
    showBalance();
}

// The figure follows its caption, and is computed from the numbers, never
// read back from a formatted text.
void BWOverviewSidebar::showBalance()
{
    m_expectedBalance->setText(
        BWBillsLoader(m_env).currencyFormattedNumber(balanceForCaption(m_figures, showsCurrentBalance())));
}

// The badge counts the bills due soon among all active items, whichever list
// is shown: a tag's list would otherwise hide bills that are due.
void BWOverviewSidebar::updateDockBadge(std::optional<qlonglong> dueSoonCount, const QVariantList& allActiveItems)
{
    qlonglong count = 0;
    if (m_env.defaults->boolForKey(BWDefaultsKeys::BWEnableDocklet) && dueSoonCount) {
        count = *dueSoonCount;
    } else if (m_env.defaults->boolForKey(BWDefaultsKeys::BWEnableDocklet)) {
        const Clock::Hold sameMoment(m_env.clock);
        const FigureSources sources(m_env, m_useIntelligence);
        m_figureCache.keepFor(figureConditions(m_env, m_useIntelligence));
        QSet<QString> counted;
        for (const QVariant& entry : allActiveItems) {
            const QVariantMap record = entry.toMap();
            const bool dueSoon
                = m_figureCache
                      .figuresOf(record, [&sources](const QVariantMap& each) { return recordFigures(each, sources); })
                      .dueSoon;
            if (dueSoon && firstOfItem(counted, record.value(BillKeys::Bid).toString()))
                ++count;
        }
    }
    m_dockBadge = count > 0 ? QString::number(count) : QString();
    emit dockBadgeChanged(m_dockBadge);
}
