#include "screens/BWBillStatisticsStrip.h"

#include <QCoreApplication>
#include <QLabel>
#include <QScrollArea>
#include <QScrollBar>

#include <algorithm>

#include "screens/BWBillDetailWidgets.h"
#include "store/BWBillRecordKeys.h"
#include "store/BWBillsLoader.h"
#include "store/BWPaymentLogger.h"
#include "store/BWStatisticsCalculator.h"
#include "widgets/BGHUDLabel.h"

namespace {

// Where the boxes stand, and how wide the strip is.
constexpr int StatBoxY = 10;
constexpr int StatBoxX[] = {16, 276, 536, 796};
constexpr int BillStripWidth = 1059;
constexpr int IncomeStripWidth = 539;
constexpr int StripHeight = 200;
// From one box's left edge to the next one's, and the room a box leaves free
// between two boxes.
constexpr int StatBoxPitch = StatBoxX[1] - StatBoxX[0];
constexpr int StatBoxGap = 10;
// The widest paid part of the balance bar, and the tallest year bar.
constexpr int BalanceBarWidth = 213;
constexpr int YearBarMaxHeight = 100;

// A year bar stands on its foot and grows upwards; its height is a
// percentage of the tallest year bar.
void setBarHeight(QLabel* bar, int percent)
{
    const int foot = bar->geometry().bottom() + 1;
    const int height = YearBarMaxHeight * std::clamp(percent, 0, 100) / 100;
    bar->setGeometry(bar->x(), foot - height, bar->width(), height);
}

}  // namespace

BWBillStatisticsStrip::BWBillStatisticsStrip(const BWStoreEnvironment& env, BWBillDetailWidgets& widgets)
    : m_env(env)
    , m_widgets(widgets)
{
}

BGHUDLabel* BWBillStatisticsStrip::statField(const QString& name) const
{
    return m_widgets.statFields.value(name);
}

void BWBillStatisticsStrip::showStatistics(const QVariantMap& record)
{
    const BWBillsLoader loader(m_env);
    const BWStatisticsCalculator statistics(m_env);
    const auto show
        = [this](const QString& field, const QString& text) { m_widgets.statFields.value(field)->setText(text); };
    const auto money = [&loader](double amount) { return loader.currencyFormattedNumber(amount); };

    show(QStringLiteral("averagePaymentAmt"), money(record.value(BillKeys::Average).toDouble()));
    const BWStatisticsCalculator::HighestAndLowest extremes = statistics.highestAndLowestPaymentForBill(record);
    show(QStringLiteral("highestPaymentAmt"), money(extremes.highest.value(PaymentKeys::Amount).toDouble()));
    show(QStringLiteral("lowestPaymentAmt"), money(extremes.lowest.value(PaymentKeys::Amount).toDouble()));
    // Without payments the calculator puts a text where the dates would be.
    const auto dateText = [&statistics](const QVariant& date) {
        return date.typeId() == QMetaType::QDateTime ? statistics.createStringWithDate(date.toDateTime())
                                                     : date.toString();
    };
    show(QStringLiteral("highestPaymentDate"), dateText(extremes.highest.value(PaymentKeys::Date)));
    show(QStringLiteral("lowestPaymentDate"), dateText(extremes.lowest.value(PaymentKeys::Date)));

    const BWStatisticsCalculator::Totals totals = statistics.totalsForBill(record);
    show(QStringLiteral("seasonWinter"), money(totals.totalWinter));
    show(QStringLiteral("seasonSpring"), money(totals.totalSpring));
    show(QStringLiteral("seasonSummer"), money(totals.totalSummer));
    show(QStringLiteral("seasonFall"), money(totals.totalFall));
    show(QStringLiteral("totalAll"), money(totals.total));
    show(QStringLiteral("totalThis"), money(totals.totalThisYear));
    show(QStringLiteral("totalLast"), money(totals.totalLastYear));
    show(QStringLiteral("thisYearDate"), totals.thisYearString);
    show(QStringLiteral("lastYearDate"), totals.lastYearString);

    show(QStringLiteral("balanceDisplayField"), money(record.value(BillKeys::Balance).toDouble()));
    show(QStringLiteral("escrowDisplayField"), money(record.value(BillKeys::Rev).toDouble()));
    show(QStringLiteral("interestDisplayField"),
         QCoreApplication::translate("BWBillDetailViewController", "%1 %")
             .arg(loader.numberFormattedNumber(100.0 * BWPaymentLogger::interestShareOf(record))));

    const double paidWidth = BWStatisticsCalculator::balanceGraphSizeWithMaxWidth(
        BalanceBarWidth, record.value(BillKeys::TotalPaid).toDouble(), record.value(BillKeys::Balance).toDouble());
    m_widgets.balanceGraph->resize(int(paidWidth), m_widgets.balanceGraph->height());
    setBarHeight(m_widgets.thisYearGraph, totals.thisYearHeight);
    setBarHeight(m_widgets.lastYearGraph, totals.lastYearHeight);
}

QList<QWidget*> BWBillStatisticsStrip::shownStatBoxes() const
{
    QList<QWidget*> shown;
    for (QWidget* box :
         {m_widgets.statPaymentBox, m_widgets.statsYearBox, m_widgets.statBalanceBox, m_widgets.statSeasonsBox}) {
        if (box->parentWidget() == m_widgets.statsScrollView->widget())
            shown.append(box);
    }
    return shown;
}

void BWBillStatisticsStrip::holdBoxesFor(bool income)
{
    QList<QWidget*> boxes{m_widgets.statPaymentBox, m_widgets.statsYearBox};
    if (!income)
        boxes << m_widgets.statBalanceBox << m_widgets.statSeasonsBox;
    for (QWidget* box :
         {m_widgets.statPaymentBox, m_widgets.statsYearBox, m_widgets.statBalanceBox, m_widgets.statSeasonsBox})
        box->setParent(nullptr);
    QWidget* old = m_widgets.statsScrollView->takeWidget();
    auto* strip = new QWidget;
    strip->setAutoFillBackground(false);
    strip->resize(income ? IncomeStripWidth : BillStripWidth, StripHeight);
    for (int index = 0; index < boxes.size(); ++index) {
        boxes.at(index)->setParent(strip);
        boxes.at(index)->move(StatBoxX[index], StatBoxY);
        boxes.at(index)->show();
    }
    m_widgets.statsScrollView->setWidget(strip);
    delete old;
    fitStatisticsToWholeBoxes();
}

// A box cut by the strip's edge shows captions without their figures; the
// strip shows as many whole boxes as fit, centred, and the arrows bring in
// the others.
void BWBillStatisticsStrip::fitStatisticsToWholeBoxes()
{
    const QWidget* strip = m_widgets.statsScrollView->widget();
    if (!strip)
        return;
    const int boxes = int(shownStatBoxes().size());
    const int available = m_widgets.statsHost->width();
    const int margin = StatBoxX[0];
    const int fitting = std::clamp((available - 2 * margin + StatBoxGap) / StatBoxPitch, 1, boxes);
    const int shown = fitting == boxes ? std::min(available, strip->width()) : margin + fitting * StatBoxPitch;
    m_widgets.statsScrollView->setFixedWidth(shown);
    for (QWidget* arrow : std::as_const(m_widgets.statArrows))
        arrow->setEnabled(fitting < boxes);
    showOnlyWholeStatBoxes();
}

// A box the strip's edge would cut (the end of the one before, at a box's
// position) is left out rather than shown in part.
void BWBillStatisticsStrip::showOnlyWholeStatBoxes()
{
    const int offset = m_widgets.statsScrollView->horizontalScrollBar()->value();
    const QRect shown(offset, 0, m_widgets.statsScrollView->width(), StripHeight);
    for (QWidget* box : shownStatBoxes())
        box->setVisible(shown.contains(box->geometry()));
}

void BWBillStatisticsStrip::scrollToPosition(qlonglong position)
{
    const int box = int(std::min<qlonglong>(position, shownStatBoxes().size())) - 1;
    m_widgets.statsScrollView->horizontalScrollBar()->setValue(box > 0 ? StatBoxX[box] - StatBoxX[0] : 0);
}
