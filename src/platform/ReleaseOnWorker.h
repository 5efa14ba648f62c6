#pragma once

#include <QThreadPool>

#include <utility>

// Lets what may be the last copy of a large implicitly shared value go on a
// worker: freeing every record of thousands of bills takes the GUI thread
// tens of milliseconds it should spend painting. Copies held elsewhere stay
// valid, since the sharing counts are atomic.
template <typename T>
void releaseOnWorker(T&& value)
{
    QThreadPool::globalInstance()->start([held = std::forward<T>(value)]() mutable { held = {}; });
}
