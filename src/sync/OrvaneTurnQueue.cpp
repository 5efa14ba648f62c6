#include "sync/OrvaneTurnQueue.h"

#include <QElapsedTimer>

namespace {

// How long one turn may keep the window waiting before it begins another
// task; a task begun runs to its end.
constexpr int TurnBudgetMilliseconds = 8;

}  // namespace

OrvaneTurnQueue::OrvaneTurnQueue(QObject* parent)
    : QObject(parent)
{
    m_nextTurn.setSingleShot(true);
    m_nextTurn.setInterval(0);
    connect(&m_nextTurn, &QTimer::timeout, this, &OrvaneTurnQueue::runSome);
}

void OrvaneTurnQueue::append(Task task)
{
    m_tasks.append(std::move(task));
    if (!m_nextTurn.isActive())
        m_nextTurn.start();
}

void OrvaneTurnQueue::clear()
{
    m_tasks.clear();
    m_nextTurn.stop();
}

void OrvaneTurnQueue::runSome()
{
    QElapsedTimer budget;
    budget.start();
    while (!m_tasks.isEmpty()) {
        if (budget.elapsed() >= TurnBudgetMilliseconds) {
            m_nextTurn.start();
            return;
        }
        // Taken off first: a task may queue more, or clear the queue.
        const Task task = m_tasks.takeFirst();
        task();
    }
}
