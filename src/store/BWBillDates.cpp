#include "store/BWBillDates.h"

#include <QCoreApplication>

#include <algorithm>
#include <limits>

#include "platform/Clock.h"
#include "platform/DateTemplate.h"
#include "platform/UserDefaults.h"
#include "store/BWBillRecordKeys.h"
#include "store/BWDefaultsKeys.h"
#include "store/OvModernDateCalculations.h"

namespace {

constexpr qlonglong kSecondsPerDay = 86400;
// Dates further away than this read as "Never": they are the sentinels of
// archived items and of items without payments, not real due dates.
constexpr qlonglong kFarAwayDays = 10000;
constexpr qlonglong kFallbackDueSoonDays = 7;

// The texts are translated under the loader's name, where they were first shown.
QString translated(const char* text)
{
    return QCoreApplication::translate("BWBillsLoader", text);
}

// A text with %n, a count that picks the language's plural form.
QString translatedCount(const char* text, qlonglong count)
{
    const qlonglong shown = std::clamp<qlonglong>(count, 0, std::numeric_limits<int>::max());
    return QCoreApplication::translate("BWBillsLoader", text, nullptr, int(shown));
}

// The texts of a distance ahead in whole days, weeks, months or a year; the
// counts of the %n texts are two or more, so English needs no singular there.
struct AheadTexts
{
    const char* oneDay;
    const char* oneWeek;
    const char* days;
    const char* aboutOneMonth;
    const char* overOneMonth;
    const char* aboutMonths;
    const char* overMonths;
    const char* overOneYear;
};

constexpr AheadTexts kBillAhead{
    QT_TRANSLATE_NOOP("BWBillsLoader", "Due in 1 day"),
    QT_TRANSLATE_NOOP("BWBillsLoader", "Due in 1 week"),
    QT_TRANSLATE_N_NOOP("BWBillsLoader", "Due in %n days"),
    QT_TRANSLATE_NOOP("BWBillsLoader", "Due in about 1 month"),
    QT_TRANSLATE_NOOP("BWBillsLoader", "Due in over 1 month"),
    QT_TRANSLATE_N_NOOP("BWBillsLoader", "Due in about %n months"),
    QT_TRANSLATE_N_NOOP("BWBillsLoader", "Due in over %n months"),
    QT_TRANSLATE_NOOP("BWBillsLoader", "Due in over 1 year"),
};

constexpr AheadTexts kIncomeAhead{
    QT_TRANSLATE_NOOP("BWBillsLoader", "Paid in 1 day"),
    QT_TRANSLATE_NOOP("BWBillsLoader", "Paid in 1 week"),
    QT_TRANSLATE_N_NOOP("BWBillsLoader", "Paid in %n days"),
    QT_TRANSLATE_NOOP("BWBillsLoader", "Paid in about 1 month"),
    QT_TRANSLATE_NOOP("BWBillsLoader", "Paid in over 1 month"),
    QT_TRANSLATE_N_NOOP("BWBillsLoader", "Paid in about %n months"),
    QT_TRANSLATE_N_NOOP("BWBillsLoader", "Paid in over %n months"),
    QT_TRANSLATE_NOOP("BWBillsLoader", "Paid in over 1 year"),
};

// The extension's narrow line has no room for "about".
constexpr AheadTexts kExtensionAhead{
    QT_TRANSLATE_NOOP("BWBillsLoader", "In 1 day"),
    QT_TRANSLATE_NOOP("BWBillsLoader", "In 1 week"),
    QT_TRANSLATE_N_NOOP("BWBillsLoader", "In %n days"),
    QT_TRANSLATE_NOOP("BWBillsLoader", "In 1 month"),
    QT_TRANSLATE_NOOP("BWBillsLoader", "Over 1 month"),
    QT_TRANSLATE_N_NOOP("BWBillsLoader", "In %n months"),
    QT_TRANSLATE_N_NOOP("BWBillsLoader", "Over %n months"),
    QT_TRANSLATE_NOOP("BWBillsLoader", "Over 1 year"),  // and anything further, short of Never
};

// A distance of `days` (1 to far away) ahead.
QString daysAheadText(qlonglong days, const AheadTexts& texts)
{
    if (days == 1)
        return translated(texts.oneDay);
    if (days == 7)
        return translated(texts.oneWeek);
    if (days <= 28)
        return translatedCount(texts.days, days);
    if (days <= 31)
        return translated(texts.aboutOneMonth);
    if (days <= 58)
        return translated(texts.overOneMonth);
    if (days <= 61)
        return translatedCount(texts.aboutMonths, 2);
    if (days <= 365)
        return translatedCount(texts.overMonths, days / 30);
    return translated(texts.overOneYear);
}

QString never()
{
    return QCoreApplication::translate("BWBillsLoader", "Never");
}

}  // namespace

BWBillDates::BWBillDates(const BWStoreEnvironment& env)
    : m_env(env)
{
}

QDateTime BWBillDates::normalizedDate(const QDateTime& date) const
{
    return localDates().dateOf(date).startOfDay();
}

// Counted in calendar days between the two local dates, so a day that is 23
// or 25 hours long (a daylight-saving change) still counts as one day.
qlonglong BWBillDates::getDaysApart(const QDateTime& date, const QDateTime& currentDate) const
{
    if (!date.isValid() || !currentDate.isValid())
        return 0;
    return localDates().daysFromTo(currentDate, date);
}

qlonglong BWBillDates::daysApart(const QDateTime& currentDate, const QDateTime& dueDate) const
{
    return getDaysApart(dueDate, currentDate);
}

QString BWBillDates::createHumanDueDate(const QDateTime& dueDate, const QDateTime& currentDate,
                                          bool isIncome) const
{
    const qlonglong d = getDaysApart(dueDate, currentDate);
    if (d == -1)
        return isIncome ? QCoreApplication::translate("BWBillsLoader", "Paid 1 day ago")
                        : QCoreApplication::translate("BWBillsLoader", "Overdue by 1 day");
    if (d < 0)
        return isIncome ? QCoreApplication::translate("BWBillsLoader", "Paid %n days ago", nullptr, int(-d))
                        : QCoreApplication::translate("BWBillsLoader", "Overdue by %n days", nullptr, int(-d));
    if (d == 0)
        return isIncome ? QCoreApplication::translate("BWBillsLoader", "Paid today")
                        : QCoreApplication::translate("BWBillsLoader", "Due today");
    if (d > kFarAwayDays)
        return never();
    return daysAheadText(d, isIncome ? kIncomeAhead : kBillAhead);
}

QString BWBillDates::createHumanDueDateForExtension(const QDateTime& dueDate,
                                                      const QDateTime& currentDate) const
{
    const qlonglong d = getDaysApart(dueDate, currentDate);
    if (d < 0)
        return QCoreApplication::translate("BWBillsLoader", "Overdue");
    if (d == 0)
        return QCoreApplication::translate("BWBillsLoader", "Today");
    if (d > kFarAwayDays)
        return never();
    return daysAheadText(d, kExtensionAhead);
}

QString BWBillDates::createHumanRepeat(const QVariant& repeat, const QDateTime& dueDate) const
{
    qlonglong count = 0;
    qlonglong unit = 0;
    if (repeat.isValid()) {
        const QVariantList pair = repeat.toList();
        if (pair.size() < 2)
            return QStringLiteral("Unknown");
        count = pair.at(0).toLongLong();
        unit = pair.at(1).toLongLong();
    }

    switch (unit) {
    case 0:
        return count == 1 ? QCoreApplication::translate("BWBillsLoader", "Every week")
                          : translatedCount(QT_TRANSLATE_N_NOOP("BWBillsLoader", "Every %n weeks"), count);
    case 1:
        return QCoreApplication::translate("BWBillsLoader", "Twice per month");
    case 2:
        if (count == 1)
            return QCoreApplication::translate("BWBillsLoader", "Every month");
        if (count == 3)
            return QCoreApplication::translate("BWBillsLoader", "Every quarter");
        if (count == 12)
            return QCoreApplication::translate("BWBillsLoader", "Every year");
        return translatedCount(QT_TRANSLATE_N_NOOP("BWBillsLoader", "Every %n months"), count);
    case 3:
        return count == 1 ? QCoreApplication::translate("BWBillsLoader", "Every day")
                          : translatedCount(QT_TRANSLATE_N_NOOP("BWBillsLoader", "Every %n days"), count);
    case 4:
        return never();
    case 5:
        // The weekday and its ordinal stay English in every language, and so
        // does the phrase they make: "Every 2nd Tuesday".
        return QStringLiteral("Every %1")
            .arg(OvModernDateCalculations::stringForCustomRepeatIntervalWithComponents(
                OvModernDateCalculations::extractDateComponentsFromDate(dueDate)));
    case 6:
        return QStringLiteral("Quarterly tax dates");
    default:
        return QString();
    }
}

// Whole days in seconds rather than the seconds between the two day starts:
// the due dot divides the key by 86400 again, and a daylight-saving change
// must not turn "due tomorrow" into "due today".
qlonglong BWBillDates::createSortableDueDate(const QDateTime& dueDate, const QDateTime& currentDate) const
{
    if (!dueDate.isValid())
        return 0;
    return getDaysApart(dueDate, currentDate) * kSecondsPerDay;
}

QString BWBillDates::dateString(const QDateTime& date, const QString& skeleton, const QString& fallback) const
{
    if (qAbs(getDaysApart(date, now())) > kFarAwayDays)
        return fallback;
    return DateTemplate::formatDay(localDates().dateOf(date), skeleton);
}

QString BWBillDates::createDueDateString(const QDateTime& date) const
{
    return dateString(date, QStringLiteral("EEEMMMdyyyy"), never());
}

QString BWBillDates::createMediumDueDateString(const QDateTime& date) const
{
    return dateString(date, QStringLiteral("EEEMMMd"), never());
}

QString BWBillDates::createShortDueDateString(const QDateTime& dueDate) const
{
    return dateString(dueDate, QStringLiteral("MMMd"), never());
}

QString BWBillDates::createVeryShortDueDateString(const QDateTime& dueDate) const
{
    return dateString(dueDate, QStringLiteral("MMddyyyy"), never());
}

QString BWBillDates::createDayString(const QDateTime& date) const
{
    return dateString(date, QStringLiteral("EEEE"), QStringLiteral(" "));
}

QString BWBillDates::createDueIcon(qlonglong sortNumber, qlonglong paymentType) const
{
    if (paymentType == 1)
        return QStringLiteral("blue5.png");
    const qlonglong window = dueSoonDays();
    if (sortNumber < -(kSecondsPerDay - 1))
        return QStringLiteral("red5.png");
    return sortNumber / kSecondsPerDay > window ? QStringLiteral("green5.png") : QStringLiteral("yellow5.png");
}

QString BWBillDates::createDueIconForExtension(qlonglong sortNumber, qlonglong paymentType) const
{
    if (paymentType == 1)
        return QStringLiteral("blue5.png");
    if (sortNumber < -(kSecondsPerDay - 1))
        return QStringLiteral("red5.png");
    return sortNumber / kSecondsPerDay > appGroupDueSoonDays() ? QStringLiteral("green5.png")
                                                                 : QStringLiteral("yellow5.png");
}

QString BWBillDates::calculateIcon(qlonglong dueDateNumber) const
{
    const qint32 seconds = qint32(dueDateNumber);
    if (seconds < 0)
        return QStringLiteral("red.png");
    if (seconds < 15 * kSecondsPerDay)
        return QStringLiteral("yellow.png");
    return QStringLiteral("green.png");
}

bool BWBillDates::isDueDate(const QDateTime& date, const QDateTime& currentDate) const
{
    const QDate day = localDates().dateOf(date);
    const QDate today = localDates().dateOf(currentDate);
    return day.year() == today.year() && day.month() == today.month();
}

bool BWBillDates::isLastPaidDate(const QDateTime& lastPaidDate, const QDateTime& currentDate) const
{
    return isDueDate(lastPaidDate, currentDate);
}

bool BWBillDates::isBillDueSoonOrOverdue(const QDateTime& dueDate) const
{
    return getDaysApart(dueDate, now()) <= appGroupDueSoonDays();
}

qlonglong BWBillDates::sectionCount(const QVariantList&) const
{
    return 3;
}

QList<qlonglong> BWBillDates::rowsPerSection(const QVariantList& data) const
{
    const QDateTime current = now();
    const qlonglong window = dueSoonDays();
    QList<qlonglong> counts{0, 0, 0};
    for (const QVariant& record : data) {
        const qlonglong d = getDaysApart(record.toMap().value(BillKeys::DueDate).toDateTime(), current);
        ++counts[d < 0 ? 0 : (d <= window ? 1 : 2)];
    }
    return counts;
}

QVariantMap BWBillDates::dataSourceDetails(const QVariantList& dataSource) const
{
    static const QStringList titles{QStringLiteral("Overdue"), QStringLiteral("Due Soon"),
                                    QStringLiteral("Due Later")};
    const QList<qlonglong> counts = rowsPerSection(dataSource);

    QVariantList nonEmptyCounts;
    QStringList nonEmptyTitles;
    for (int section = 0; section < 3; ++section) {
        if (counts[section] > 0) {
            nonEmptyCounts.append(counts[section]);
            nonEmptyTitles.append(titles[section]);
        }
    }

    QVariantMap details;
    details[QStringLiteral("RowsInOverdue")] = counts[0];
    details[QStringLiteral("RowsInDueSoon")] = counts[1];
    details[QStringLiteral("RowsInDueLater")] = counts[2];
    details[QStringLiteral("OverdueSectionExists")] = counts[0] > 0;
    details[QStringLiteral("DueSoonSectionExists")] = counts[1] > 0;
    details[QStringLiteral("DueLaterSectionExists")] = counts[2] > 0;
    details[QStringLiteral("TotalSections")] = qlonglong(nonEmptyCounts.size());
    details[QStringLiteral("RowsPerSection")] = nonEmptyCounts;
    details[QStringLiteral("Section1")] = nonEmptyTitles.value(0);
    details[QStringLiteral("Section2")] = nonEmptyTitles.value(1);
    details[QStringLiteral("Section3")] = titles[2];
    return details;
}

qlonglong BWBillDates::dueSoonBillsCountingAutomatic(bool countingAutomatic, const QVariantList& data) const
{
    const QDateTime current = now();
    const qlonglong window = dueSoonDays();
    qlonglong count = 0;
    for (const QVariant& item : data) {
        const QVariantMap record = item.toMap();
        if (record.value(BillKeys::IsIncome).toBool())
            continue;
        if (!countingAutomatic && record.value(BillKeys::PayType).toLongLong() == 1)
            continue;
        if (getDaysApart(record.value(BillKeys::DueDate).toDateTime(), current) <= window)
            ++count;
    }
    return count;
}

qlonglong BWBillDates::returnBillsToDisplay(qlonglong index) const
{
    switch (index) {
    case 0:
        return 5;
    case 1:
        return 14;
    case 2:
        return 30;
    default:
        return 10000;
    }
}

QDateTime BWBillDates::now() const
{
    return m_env.clock->now();
}

const LocalDates& BWBillDates::localDates() const
{
    if (!m_localDates)
        m_localDates.emplace();
    return *m_localDates;
}

qlonglong BWBillDates::dueSoonDays() const
{
    return m_env.defaults->integerForKey(BWDefaultsKeys::BWDueSoonDays);
}

// The extension's own copy of the window; a stored 0 or a missing value
// means the registered 7, since the suite has no registered defaults.
qlonglong BWBillDates::appGroupDueSoonDays() const
{
    const qlonglong stored = m_env.appGroup ? m_env.appGroup->integerForKey(BWDefaultsKeys::BWDueSoonDays) : 0;
    return stored == 0 ? kFallbackDueSoonDays : stored;
}
