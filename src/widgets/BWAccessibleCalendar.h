#pragma once

#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QDate>

// The month calendar: a group named for the month it shows, holding its
// navigation buttons and days.
class BWAccessibleCalendar : public QAccessibleWidget
{
    Q_DECLARE_TR_FUNCTIONS(BWAccessibleCalendar)

public:
    explicit BWAccessibleCalendar(QWidget* calendar);
    QString text(QAccessible::Text which) const override;
};

// One day of the month calendar, read as its date and the bills due on it:
// "December 12, Rent and Water due". Pressing it focuses the day.
class BWAccessibleCalendarDay : public QAccessibleWidget
{
    Q_DECLARE_TR_FUNCTIONS(BWAccessibleCalendarDay)

public:
    explicit BWAccessibleCalendarDay(QWidget* day);
    QString text(QAccessible::Text which) const override;
    QAccessible::State state() const override;
    // The day's entry rows are read in its name; the day has no children.
    int childCount() const override { return 0; }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QStringList actionNames() const override;
    void doAction(const QString& action) override;

    // The reading of a day with the bills (names as typed, comma-separated)
    // due on it.
    static QString reading(const QDate& day, const QString& billNames);
};
