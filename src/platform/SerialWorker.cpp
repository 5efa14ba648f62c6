#include "platform/SerialWorker.h"

SerialWorker::SerialWorker()
{
    // One thread takes the jobs in the order they came.
    m_pool.setMaxThreadCount(1);
    m_pool.setExpiryTimeout(-1);
}

SerialWorker::~SerialWorker()
{
    waitForDone();
}

void SerialWorker::post(std::function<void()> job)
{
    m_pool.start(std::move(job));
}

void SerialWorker::waitForDone()
{
    m_pool.waitForDone();
}
