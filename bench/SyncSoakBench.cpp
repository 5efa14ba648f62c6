// Convergence soak of sync over each back-end: three devices make 1,000
// random new bills, edits, payments, reversals and deletes while the
// back-end misbehaves (the in-memory server loses, delays and reorders a
// tenth of its messages; the file-sync service between shared folders
// delivers late, out of order and with conflict copies; the Firebase fake
// fails a tenth of its requests and drops its streams); then every device
// catches up until nothing changes. Prints the figures; fails when the
// devices differ, a payment reported as saved is lost or a delete undone.
//
// Usage: bench_SyncSoakBench [edits] [devices] [seed] [fault rate] [back-end: memory|folder|firebase]

#include <QApplication>
#include <QTemporaryDir>

#include <cstdio>

#include "support/SyncSoak.h"

namespace {

bool report(const SyncSoak::Config& config, const SyncSoak::Result& r)
{
    std::printf("Sync soak over the %s: %d devices x %d operations, seed %u, fault rate %.0f%%\n",
                SyncSoak::nameOf(config.backend), config.devices, config.edits, config.seed, config.faultRate * 100);
    std::printf("  %d new bills, %d changes, %d payments, %d reversals, %d deletes; %d refused by the store\n",
                r.creates, r.changes, r.payments, r.reversals, r.deletes, r.refusedEdits);
    std::printf("  traffic: %s\n", qPrintable(r.traffic));
    std::printf("  converged: %s after %d catch-up rounds; %d live bills\n", r.converged ? "yes" : "NO", r.passes,
                r.finalBills);
    std::printf("  payments on live bills %d, lost %d; deletes undone %d\n", r.paymentsOnLiveBills, r.lostPayments,
                r.undoneDeletes);
    std::printf("  time: edits %lld ms, convergence %lld ms\n", r.editMs, r.convergeMs);
    for (const QString& lost : r.lost.mid(0, 5))
        std::printf("  lost: %s\n", qPrintable(lost));
    if (!r.firstDifference.isEmpty())
        std::printf("  first difference:\n%s\n", qPrintable(r.firstDifference));
    std::fflush(stdout);
    return r.converged && r.lostPayments == 0 && r.undoneDeletes == 0;
}

}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // The store reads and writes nothing of the user's own.
    QTemporaryDir home;
    qputenv("HOME", home.path().toUtf8());
    qputenv("XDG_CONFIG_HOME", (home.path() + "/config").toUtf8());
    qputenv("XDG_DATA_HOME", (home.path() + "/data").toUtf8());
    QApplication app(argc, argv);

    SyncSoak::Config config;
    if (argc > 1)
        config.edits = QByteArray(argv[1]).toInt();
    if (argc > 2)
        config.devices = QByteArray(argv[2]).toInt();
    if (argc > 3)
        config.seed = QByteArray(argv[3]).toUInt();
    if (argc > 4)
        config.faultRate = QByteArray(argv[4]).toDouble();
    QList<SyncSoak::BackendKind> backends = {SyncSoak::BackendKind::MemoryServer, SyncSoak::BackendKind::SharedFolder,
                                             SyncSoak::BackendKind::Firebase};
    if (argc > 5) {
        const QByteArray chosen(argv[5]);
        backends = {chosen == "folder"     ? SyncSoak::BackendKind::SharedFolder
                    : chosen == "firebase" ? SyncSoak::BackendKind::Firebase
                                           : SyncSoak::BackendKind::MemoryServer};
    }
    bool allKept = true;
    for (const SyncSoak::BackendKind backend : backends) {
        config.backend = backend;
        allKept = report(config, SyncSoak::run(config)) && allKept;
    }
    return allKept ? 0 : 1;
}
