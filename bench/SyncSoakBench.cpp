// Convergence soak of sync over each back-end: three computers (one an hour
// ahead, one 40 minutes behind) make 1,000 random operations of every kind
// while the back-end misbehaves (the in-memory server loses, delays and
// reorders a tenth of its messages; the file-sync service between shared
// folders delivers late, out of order and with conflict copies; the Firebase
// fake fails a tenth of its requests and drops its streams); then every
// computer catches up until nothing changes. Prints the figures; fails when
// a computer differs from the model of the sync rules, a stamp is wrong or
// the shared folder does not come to rest.
//
// Usage: bench_SyncSoakBench [edits] [devices] [seed] [fault rate] [back-end: memory|folder|firebase] [copied]

#include <QApplication>
#include <QTemporaryDir>

#include <cstdio>

#include "support/SyncSoak.h"

namespace {

bool report(const SyncSoak::Config& config, const SyncSoak::Result& r)
{
    std::printf("Sync soak over the %s: %d computers x %d operations, seed %u, fault rate %.0f%%%s\n",
                SyncSoak::nameOf(config.backend), config.devices, config.edits, config.seed, config.faultRate * 100,
                config.copiedSettings ? ", settings copied" : "");
    std::printf("  %d new bills, %d changes, %d payments, %d reversals, %d payment edits, %d quick log-undo-logs,\n"
                "  %d archives or restores, %d deletes, %d restores from backup, %d erase-and-imports, %d empty saves;"
                " %d refused by the store\n",
                r.creates, r.changes, r.payments, r.reversals, r.paymentEdits, r.quickLogs, r.archives, r.deletes,
                r.backupRestores, r.eraseImports, r.emptySaves, r.refusedEdits);
    std::printf("  traffic: %s\n", qPrintable(r.traffic));
    std::printf("  converged: %s after %d catch-up rounds; %d live bills%s\n", r.converged ? "yes" : "NO", r.passes,
                r.finalBills,
                config.backend == SyncSoak::BackendKind::SharedFolder
                    ? (r.folderAtRest ? "; folder at rest" : "; folder NOT at rest")
                    : "");
    std::printf("  against the model: %d bills and %d payments checked on each computer, %d differences, %d wrong "
                "stamps\n",
                r.billsChecked, r.paymentsChecked, r.modelDifferences, r.stampProblems);
    std::printf("  time: operations %lld ms, convergence %lld ms\n", r.editMs, r.convergeMs);
    for (const QString& problem : r.problems.mid(0, 5))
        std::printf("  problem: %s\n", qPrintable(problem));
    if (!r.firstDifference.isEmpty())
        std::printf("  first difference:\n%s\n", qPrintable(r.firstDifference));
    std::fflush(stdout);
    return r.converged && r.modelDifferences == 0 && r.stampProblems == 0 && r.folderAtRest && r.distinctDeviceIDs;
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
    config.copiedSettings = argc > 6 && QByteArray(argv[6]) == "copied";
    bool allKept = true;
    for (const SyncSoak::BackendKind backend : backends) {
        config.backend = backend;
        allKept = report(config, SyncSoak::run(config)) && allKept;
    }
    return allKept ? 0 : 1;
}
