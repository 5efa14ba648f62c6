// The sidebar of this month's figures below the calendar, and the badge of
// bills due soon.
#include "screens/BWOverviewController.h"

#include <QGridLayout>
#include <QSet>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/Clock.h"
#include "platform/Log.h"
#include "platform/UserDefaults.h"
#include "store/BWBillRecordKeys.h"
#include "store/BWBillsLoader.h"
#include "store/BWDefaultsKeys.h"
#include "store/BWForecastViewCalculations.h"
#include "store/BWIncomeManager.h"
#include "store/BWIndexManager.h"
#include "store/BWStatisticsCalculator.h"
#include "screens/BWIncomeController.h"
#include "store/BWTagList.h"
#include "widgets/BGHUDBox.h"

namespace {

const QString ExpectedBalanceCaption = QStringLiteral("EXPECTED BALANCE");
const QString CurrentBalanceCaption = QStringLiteral("CURRENT BALANCE");
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

QWidget* BWOverviewController::buildSidebar(QWidget* parent)
{
    auto* sidebar = new QWidget(parent);
    auto* layout = new QGridLayout(sidebar);
    layout->setContentsMargins(SidebarMargin, SidebarMargin, SidebarMargin, SidebarMargin);
    layout->setVerticalSpacing(2);
    layout->setColumnStretch(0, 1);

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
    int row = 0;
    // The calendar above follows the selected bill's month; the figures stay
    // on this month, which their heading names.
    m_figuresMonth = captionLabel(QString(), sidebar);
    m_figuresMonth->setObjectName(QStringLiteral("figuresMonth"));
    layout->addWidget(m_figuresMonth, row++, 0, 1, 3);
    for (const FigureRow& figure : rows) {
        // The highlight lies behind its row's caption and figures.
        if (figure.highlight) {
            *figure.highlight = highlightBox(sidebar);
            layout->addWidget(*figure.highlight, row, 0, 1, 3);
        }
        layout->addWidget(captionLabel(tr(figure.caption), sidebar), row, 0);
        if (figure.count) {
            *figure.count = figureLabel(sidebar, Qt::AlignRight);
            layout->addWidget(*figure.count, row, 1);
        }
        *figure.amount = figureLabel(sidebar, Qt::AlignRight);
        layout->addWidget(*figure.amount, row, 2);
        ++row;
    }

    // The balance's caption is a button that flips between the two balances.
    // The registered caption; before the defaults are registered, its value.
    const QString caption = m_env.defaults->stringForKey(BWDefaultsKeys::expectedBalanceName);
    m_expectedBalanceName = captionButton(caption.isEmpty() ? ExpectedBalanceCaption : caption, sidebar);
    m_expectedBalanceName->setFont(captionLabel(QString(), sidebar)->font());
    m_expectedBalanceName->setToolTip(tr("Switch between the expected and the current balance"));
    connect(m_expectedBalanceName, &QAbstractButton::clicked, this, [this] { switchView(); });
    layout->addWidget(m_expectedBalanceName, row, 0, Qt::AlignLeft);
    m_expectedBalance = figureLabel(sidebar, Qt::AlignRight);
    layout->addWidget(m_expectedBalance, row, 1, 1, 2);
    ++row;

    // The income sources, whose pay days the balances count.
    m_incomeController = new BWIncomeController(m_env, this);
    m_incomeButton = captionButton(tr("Income Sources…"), sidebar);
    connect(m_incomeButton, &QAbstractButton::clicked, this, [this] {
        m_incomeController->showIncomePopover(m_incomeButton);
    });
    layout->addWidget(m_incomeButton, row++, 0, 1, 3, Qt::AlignLeft);

    layout->addWidget(captionLabel(tr("TAGS"), sidebar), row++, 0, 1, 3);
    m_tagList = new QLineEdit(sidebar);
    m_tagList->setPlaceholderText(tr("Tags, separated by commas"));
    connect(m_tagList, &QLineEdit::editingFinished, this, [this] {
        if (tagsFromText(m_tagList->text()) != BWTagList(m_env).getListOfTags().value_or(QStringList()))
            saveTagChanges();
    });
    layout->addWidget(m_tagList, row, 0, 1, 3);
    return sidebar;
}

// ---- Figures -------------------------------------------------------------------

// One loader and calculator for all the records of a list: each reads the
// time zone once, and the clock is held at one reading while they work.
struct BWOverviewController::FigureSources
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

double BWOverviewController::estimatedAmountThisMonth(const QVariantMap& record, const FigureSources& sources)
{
    if (sources.useIntelligence && !record.value(BillKeys::IsIncome).toBool()) {
        const double estimate = sources.forecast.calculateInteligentAmountForBill(record, 0);
        if (qlonglong(estimate) != 0)
            return estimate;
    }
    return sources.loader.getEstimatedAmountDueForBill(record).toDouble();
}

BWSidebarFigureCache::RecordFigures BWOverviewController::recordFigures(const QVariantMap& record,
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
    const BWStatisticsCalculator::CountAndAmount dueSoon = sources.statistics.countAndAmountofBillsDueSoonForData(alone);
    figures.dueSoon = dueSoon.count > 0;
    figures.dueSoonAmount = dueSoon.amount;
    const BWIndexManager::MonthTotals paid = sources.index.calculateTotalPaidinArray(alone, now);
    figures.paidThisMonth = figures.isIncome ? paid.incomeTotal : paid.billsTotal;
    figures.paymentsThisMonth = paid.paymentsCounted;
    return figures;
}

BWSidebarFigureCache::Conditions BWOverviewController::figureConditions(const BWStoreEnvironment& env,
                                                                        bool useIntelligence)
{
    return {env.clock->now().toLocalTime().date(), useIntelligence,
            env.defaults->integerForKey(BWDefaultsKeys::BWDueSoonDays),
            env.defaults->boolForKey(BWDefaultsKeys::BWDontCountAuto)};
}

void BWOverviewController::keepRecordFiguresOfNow()
{
    m_figureCache.keepFor(figureConditions(m_env, m_useIntelligence));
}

BWSidebarFigureCache::RecordFigures BWOverviewController::cachedRecordFigures(const QVariantMap& record,
                                                                              const FigureSources& sources)
{
    return m_figureCache.figuresOf(record,
                                   [&sources](const QVariantMap& each) { return recordFigures(each, sources); });
}

BWOverviewController::SidebarFigures BWOverviewController::sidebarFiguresForList(const QVariantList& list)
{
    return sidebarFiguresWith(m_env, m_useIntelligence, m_figureCache, list);
}

// The sums run in the order of the list, as a computation afresh adds them.
BWOverviewController::SidebarFigures BWOverviewController::sidebarFiguresWith(const BWStoreEnvironment& env,
                                                                              bool useIntelligence,
                                                                              BWSidebarFigureCache& cache,
                                                                              const QVariantList& list)
{
    SidebarFigures figures;
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
double BWOverviewController::balanceForCaption(const SidebarFigures& figures, bool current) const
{
    const BWIncomeManager sources(m_env);
    if (current)
        return figures.incomeReceived + sources.incomeThisMonth() - figures.paidThisMonth;
    return figures.income + sources.incomeThisMonthAll() - figures.paidThisMonth - figures.dueMonthAmount;
}

bool BWOverviewController::showsCurrentBalance() const
{
    return m_expectedBalanceName->text() == CurrentBalanceCaption;
}

void BWOverviewController::updateSidebar(const QVariantList& list, const QVariantList& allActiveItems,
                                         const std::optional<SidebarFigures>& known)
{
    const BWBillsLoader loader(m_env);
    m_sidebarFigures = known ? *known : sidebarFiguresForList(list);
    const SidebarFigures& figures = m_sidebarFigures;
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
    // The figure follows its caption, and is computed from the numbers, never
    // read back from a formatted text.
    m_expectedBalance->setText(loader.currencyFormattedNumber(balanceForCaption(figures, showsCurrentBalance())));
    // Shown for all active items, the figures hold the badge's count already.
    const bool allItemsShown = list.constData() == allActiveItems.constData() && list.size() == allActiveItems.size();
    updateDockBadge(allItemsShown ? std::optional<qlonglong>(figures.dueSoonCount) : std::nullopt, allActiveItems);
}

void BWOverviewController::switchView()
{
    m_expectedBalanceName->setText(showsCurrentBalance() ? ExpectedBalanceCaption : CurrentBalanceCaption);
    m_expectedBalance->setText(
        BWBillsLoader(m_env).currencyFormattedNumber(balanceForCaption(m_sidebarFigures, showsCurrentBalance())));
}

// The badge counts the bills due soon among all active items, whichever list
// is shown: a tag's list would otherwise hide bills that are due.
void BWOverviewController::updateDockBadge(std::optional<qlonglong> dueSoonCount, const QVariantList& allActiveItems)
{
    qlonglong count = 0;
    if (m_env.defaults->boolForKey(BWDefaultsKeys::BWEnableDocklet) && dueSoonCount) {
        count = *dueSoonCount;
    } else if (m_env.defaults->boolForKey(BWDefaultsKeys::BWEnableDocklet)) {
        const Clock::Hold sameMoment(m_env.clock);
        const FigureSources sources(m_env, m_useIntelligence);
        keepRecordFiguresOfNow();
        QSet<QString> counted;
        for (const QVariant& entry : allActiveItems) {
            const QVariantMap record = entry.toMap();
            if (cachedRecordFigures(record, sources).dueSoon
                && firstOfItem(counted, record.value(BillKeys::Bid).toString()))
                ++count;
        }
    }
    m_dockBadge = count > 0 ? QString::number(count) : QString();
    emit dockBadgeChanged(m_dockBadge);
}
