#pragma once

#include <QThreadPool>

#include <functional>

// Runs jobs one after another, in the order they were posted, on a thread of
// its own: work that must not hold up the GUI thread but must not overlap
// either, such as the writes of one file. A job that has a result for the
// GUI thread posts it there itself (QMetaObject::invokeMethod with a
// context object of that thread).
//
// The destructor waits for the jobs still queued, so nothing a job uses may
// be destroyed before the worker.
class SerialWorker
{
public:
    SerialWorker();
    ~SerialWorker();
    SerialWorker(const SerialWorker&) = delete;
    SerialWorker& operator=(const SerialWorker&) = delete;

    void post(std::function<void()> job);
    // Waits until every job posted so far has run.
    void waitForDone();

private:
    QThreadPool m_pool;
};
