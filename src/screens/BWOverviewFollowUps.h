#pragma once

#include <QObject>

#include <array>
#include <functional>

class QTimer;

// What follows a change of some of the overview's rows, after the rows show:
// the side bar's figures, the tray menu and the calendar's marks, each in a
// turn of its own so that the window paints between them. Each part reads
// the lists as they stand when it runs, so a change arriving before a part
// ran is shown by it too; several changes in a row show each part once.
class BWOverviewFollowUps : public QObject
{
    Q_OBJECT

public:
    // In the order they run.
    enum Part { Figures, TrayMenu, CalendarMarks, PartCount };

    explicit BWOverviewFollowUps(QObject* parent);

    void setPart(Part part, std::function<void()> show);
    // Every part follows in turns of their own.
    void scheduleAll();
    // A full showing shows every part itself: none is pending any more.
    void cancelAll();
    bool isPending() const { return m_pending != 0; }

private:
    void runNextPending();

    std::array<std::function<void()>, PartCount> m_parts;
    unsigned m_pending = 0;  // a bit per Part
    // A timer's turn, unlike a queued call, lets the window paint before it.
    QTimer* m_turn;
};
