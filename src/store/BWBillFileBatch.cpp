#include "store/BWBillFileBatch.h"

#include <QThread>
#include <QThreadPool>
#include <QtConcurrent/QtConcurrentRun>

#include <algorithm>

namespace {

// Files a worker is worth starting for: below this the hand-off costs more
// than it saves.
constexpr qsizetype FilesPerWorker = 8;

}  // namespace

BWBillFileBatch::BWBillFileBatch(const QStringList& paths)
    : m_paths(paths), m_files(paths.size())
{
}

std::shared_ptr<BWBillFileBatch> BWBillFileBatch::start(const QStringList& paths, int workers)
{
    auto batch = std::make_shared<BWBillFileBatch>(paths);
    for (int i = 0; i < workers; ++i)
        batch->m_workers.append(
            QtConcurrent::run(QThreadPool::globalInstance(), [batch] { batch->readRemaining(); }));
    return batch;
}

int BWBillFileBatch::workersFor(qsizetype files)
{
    // One core is left to the thread that started the batch.
    const int cores = std::max(1, QThread::idealThreadCount() - 1);
    return int(std::min<qsizetype>(cores, files / FilesPerWorker));
}

void BWBillFileBatch::finish()
{
    readRemaining();
    for (QFuture<void>& worker : m_workers)
        worker.waitForFinished();
}

void BWBillFileBatch::readRemaining()
{
    for (qsizetype i = m_next++; i < m_paths.size(); i = m_next++) {
        File& file = m_files[i];
        file.before = FileStamp::of(m_paths.at(i));
        file.result = PropertyList::read(m_paths.at(i));
        file.after = FileStamp::of(m_paths.at(i));
        file.settledWhenRead = file.after && file.after->settled();
    }
}
