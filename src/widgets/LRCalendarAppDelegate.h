#pragma once

#include <QString>
#include <QVariantList>

// What the month calendar needs of the application: the records it marks and
// a way to open one of them. The widget kit does not link against the store,
// so the application delegate implements this interface and hands itself to
// the calendar view.
class LRCalendarAppDelegate
{
public:
    virtual ~LRCalendarAppDelegate() = default;

    // The displayed bill and income records (QVariantMap each); asked again on
    // every layout pass of the calendar, so the markers follow the list.
    virtual QVariantList getBills() = 0;
    // Opens the bill with this id, as a search result does.
    virtual void showBillFromSearch(const QString& billId) = 0;
};

// The record keys the calendar reads. They mirror the store's key names.
namespace LRCalendarRecordKeys {

inline const QString Name = QStringLiteral("Name");
inline const QString DueDate = QStringLiteral("DueDate");
inline const QString Bid = QStringLiteral("Bid");
inline const QString DueIcon = QStringLiteral("DueIcon");
inline const QString IsIncome = QStringLiteral("IsIncome");
inline const QString Icon = QStringLiteral("Icon");

}  // namespace LRCalendarRecordKeys
