#pragma once

#include "store/BWDefaultsKeys.h"
#include "store/BWRegisteredDefaults.h"
#include "store/BWBill.h"
#include "store/BWBillRecordKeys.h"
#include "store/BWBillsLoader.h"
#include "support/TempStoreEnvironment.h"
#include "support/TestBillRecords.h"

#include <QDateTime>
#include <QVariantList>
#include <QVariantMap>
#include <gtest/gtest.h>

namespace shelltest {

// A real store on a temporary data folder, with the registered defaults and a
// clock standing at noon on Tuesday 5 March 2024, local time. Due dates are
// never moved off weekends or holidays here, so a bill due in n days is
// listed as due in n days.
class ShellTestStore : public TempStoreEnvironment
{
public:
    ShellTestStore() : TempStoreEnvironment(QStringLiteral("support/Orvane.ovdata"), QStringLiteral("support"))
    {
        env.dropboxFolder = temp.file(QStringLiteral("Dropbox"));
        clock.setNow(QDateTime(QDate(2024, 3, 5), QTime(12, 0)));
        defaults.registerDefaults(BWRegisteredDefaults::table(clock));
        EXPECT_TRUE(defaults.setInteger(BWDefaultsKeys::BWAvoidWeekends, 0));
        EXPECT_TRUE(defaults.setBool(BWDefaultsKeys::BWAvoidHolidays, false));
        EXPECT_TRUE(defaults.setBool(BWDefaultsKeys::ShouldAllowHolidayAdjustments, false));
        // A returning user, past the welcome sheet.
        EXPECT_TRUE(defaults.setBool(BWDefaultsKeys::BW_IsFirstLaunchV8_NEW, false));
    }

    QDateTime daysFromNow(int days) const { return clock.now().addDays(days); }

    // Writes a new monthly bill due `days` from now (negative: overdue) and
    // returns its id; `changes` replace keys of the record.
    QString addBill(const QString& name, int days, const QVariantMap& changes = {})
    {
        const QString billID = QStringLiteral("%1").arg(++m_lastBill, 32, 16, QLatin1Char('0')).toUpper();
        QVariantMap record = newMonthlyBill(name, billID, daysFromNow(days).toUTC(), 80.0);
        for (auto change = changes.begin(); change != changes.end(); ++change)
            record.insert(change.key(), change.value());
        EXPECT_TRUE(BWBill(env).finishWritingBillWithDictionary(record, false, false));
        return billID;
    }

    // The active items as loaded for display, income included.
    QVariantList loadedBills() const
    {
        return BWBillsLoader(env).loadBillsInGroup(QStringLiteral("ActiveBills"), QString(), true)
            .value_or(QVariantList());
    }

private:
    int m_lastBill = 0;
};

}  // namespace shelltest
