#pragma once

#include <QList>
#include <QObject>
#include <QTimer>

#include <functional>

// Work handed back to the engine's thread, carried out a few milliseconds at
// a time. Each turn is begun by a timer, never by a posted event: posted
// events are handled in one go, so writes begun by them would chain with
// whatever else was posted, while between two timer turns the window
// paints and everything else waiting on the thread runs.
class OrvaneTurnQueue : public QObject
{
    Q_OBJECT

public:
    using Task = std::function<void()>;

    explicit OrvaneTurnQueue(QObject* parent = nullptr);

    // Runs after the tasks queued before it, at the next turn at the earliest.
    void append(Task task);
    // Drops every task not yet begun: none of them runs.
    void clear();
    bool isEmpty() const { return m_tasks.isEmpty(); }

private:
    void runSome();

    QList<Task> m_tasks;
    QTimer m_nextTurn;
};
