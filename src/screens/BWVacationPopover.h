#pragma once

#include <QObject>
#include <QPointer>

#include "store/BWStoreEnvironment.h"

class BWDateField;
class QCheckBox;
class QFrame;
class QWidget;

// The vacation-mode popover: a switch and the first and last day away. What
// it shows is stored as the user changes it (VacationEnabled,
// VacationStartDate, VacationEndTime), which the store reads when it shifts
// due dates.
class BWVacationPopover : public QObject
{
    Q_OBJECT

public:
    explicit BWVacationPopover(const BWStoreEnvironment& env, QObject* parent = nullptr);
    ~BWVacationPopover() override;

    // Shows the stored vacation below `anchor`.
    void showBelow(QWidget* anchor);

    QFrame* popover() const { return m_popover; }
    QCheckBox* vacationSwitch() const { return m_switch; }
    BWDateField* vacationStart() const { return m_start; }
    BWDateField* vacationEnd() const { return m_end; }

signals:
    // The popover closed; `edited` when the user changed the vacation while
    // it was open.
    void closed(bool edited);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Stores the vacation as the popover shows it, switch and days alike.
    void storeShownVacation();
    void close();

    BWStoreEnvironment m_env;
    QPointer<QFrame> m_popover;
    QCheckBox* m_switch = nullptr;
    BWDateField* m_start = nullptr;
    BWDateField* m_end = nullptr;
    // Set by a change since it was opened.
    bool m_edited = false;
};
