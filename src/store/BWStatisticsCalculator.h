#pragma once

#include <QDateTime>
#include <QList>
#include <QString>
#include <QVariantList>
#include <QVariantMap>

#include "store/BWBillsLoader.h"
#include "store/BWStoreEnvironment.h"

// The figures of the overview's due-soon box and of the bill page: how many
// bills fall due in a window and what they come to, a bill's highest and
// lowest payment, its totals by year and by season with the heights of its
// year bars, and the width of the paid part of its balance bar.
//
// Made for each use; keeps no state and writes nothing. "Now" comes from the
// environment's clock, settings from its standard defaults, years and months
// from the local calendar. The caller's records are never changed.
class BWStatisticsCalculator
{
public:
    explicit BWStatisticsCalculator(const BWStoreEnvironment& env);

    // ---- Bills in a due window ----
    // Each counts the bills (never income items) whose DueDate lies in its
    // window, leaving out automatic bills while BWDontCountAuto is on, and
    // sums what they are expected to cost: their Amount, or their Average
    // when the Amount's whole part is 0. The first two take this month's
    // estimate instead when BWUseIntelligenceEstimates is on and there is one.
    // d is the number of calendar days from today to the due day, w the
    // BWDueSoonDays setting. Records without a due date are in no window.
    struct CountAndAmount {
        qlonglong count = 0;
        double amount = 0;
    };
    // A list may hold further occurrences of one bill (the same Bid): the
    // count takes each bill once, the amount each occurrence.
    // d <= w, overdue bills included.
    CountAndAmount countAndAmountofBillsDueSoonForData(const QVariantList& bills) const;
    // Whether the bill is one that the side bar, the badge and the tray count
    // as due soon, and whether it is overdue (its due dot is red, d < 0 and
    // not automatic): the one rule of each.
    bool countsAsDueSoon(const QVariantMap& bill) const;
    bool isOverdue(const QVariantMap& bill) const;
    // Due in the current calendar month.
    // No caller in the program; countAndAmountInWindow(), as every count here.
    CountAndAmount countAndAmountofBillsDueLaterForData(const QVariantList& bills) const;
    // 0 <= d <= w.
    // No caller in the program; countAndAmountInWindow(), as every count here.
    CountAndAmount countAndAmountofBillsDueExcludingOverdueSoonForData(const QVariantList& bills) const;
    // d < 0.
    // No caller in the program; countAndAmountInWindow(), as every count here.
    CountAndAmount countAndAmountofBillsOverdueSoonForData(const QVariantList& bills) const;

    // ---- One bill ----
    // The payments with the largest and the smallest Amount (among equal
    // amounts the last listed is the highest, the first listed the lowest).
    // Without payments both are
    // {Amount: 0, Date: "No Payments Yet"}: a text in place of a date.
    struct HighestAndLowest {
        QVariantMap highest;
        QVariantMap lowest;
    };
    HighestAndLowest highestAndLowestPaymentForBill(const QVariantMap& bill) const;

    // Sums of the bill's payments: all of them, those of this and of last
    // calendar year, and by season of the payment's month whatever its year
    // (January to March winter, ..., October to December fall; the other way
    // about in Australia and New Zealand). The heights are those of
    // calculateRelativeHeightsForGraphs for [this year, last year].
    struct Totals {
        double total = 0;
        double totalThisYear = 0;
        double totalLastYear = 0;
        double totalWinter = 0;
        double totalSpring = 0;
        double totalSummer = 0;
        double totalFall = 0;
        QString thisYearString;   // "2026"
        QString lastYearString;   // "2025"
        int thisYearHeight = 0;
        int lastYearHeight = 0;
    };
    Totals totalsForBill(const QVariantMap& bill) const;

    // "Tue, Mar 8, 2016" in the current locale's pattern.
    QString createStringWithDate(const QDateTime& date) const;

    // ---- Graphs ----
    // Each value as a whole percentage (truncated) of the largest one, in
    // the given order: 0 to 100. Negative values, and every value when the
    // largest is not above 0, give 0.
    static QList<int> calculateRelativeHeightsForGraphs(const QList<double>& values);
    // Width of the paid part of a bar `maxWidth` wide: maxWidth x paid /
    // (paid + balance), kept within 0 to maxWidth; the whole width when
    // nothing was paid or paid and balance add up to nothing.
    static double balanceGraphSizeWithMaxWidth(int maxWidth, double totalPaid, double balance);

    // Calendar quarters of a month number 1 to 12, as named in the north.
    static bool isEqualToWinter(int month);
    static bool isEqualToSpring(int month);
    static bool isEqualToSummer(int month);
    // No caller in the program; the seasons of the other three.
    static bool isEqualToFall(int month);

private:
    enum class Window { DueSoon, DueThisMonth, DueSoonNotOverdue, Overdue };
    CountAndAmount countAndAmountInWindow(const QVariantList& bills, Window window) const;
    bool inWindow(const QDateTime& dueDate, Window window) const;
    bool isCountedInWindow(const QVariantMap& bill, Window window, bool leaveOutAutomatic) const;
    double amountExpected(const QVariantMap& bill, bool mayEstimate) const;
    static double& seasonTotal(Totals& totals, int month, bool southernHemisphere);
    QDateTime now() const;

    BWStoreEnvironment m_env;
    // Its day counts, with the time zone read once for this calculator.
    BWBillsLoader m_loader;
};
