// Convergence soak of the record-database sync: three devices make 1,000
// random edits, payments and deletes while a tenth of the messages between
// them and the cloud are lost, late or out of order; then every device syncs
// until nothing changes. Prints the figures; fails when the devices differ,
// a payment reported as saved is lost or a delete is undone.
//
// Usage: bench_SyncSoakBench [edits] [devices] [seed] [fault rate]

#include <QApplication>
#include <QTemporaryDir>

#include <cstdio>

#include "support/SyncSoak.h"

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

    const SyncSoak::Result r = SyncSoak::run(config);
    std::printf("Sync soak: %d devices, seed %u, fault rate %.0f%%\n", config.devices, config.seed,
                config.faultRate * 100);
    std::printf("  edits %d: %d new bills, %d changes, %d payments, %d deletes; %d refused by the store\n",
                config.edits, r.creates, r.changes, r.payments, r.deletes, r.refusedEdits);
    std::printf("  messages: %d requests, %d pushes; faults injected %d (%d dropped, %d delayed, %d reordered)\n",
                r.requests, r.pushes, r.faults, r.dropped, r.delayed, r.reordered);
    std::printf("  failures reported by the engines: %d\n", r.reportedFailures);
    std::printf("  converged: %s after %d full passes; %d live bills\n", r.converged ? "yes" : "NO", r.passes,
                r.finalBills);
    std::printf("  payments on live bills %d, lost %d; deletes undone %d\n", r.paymentsOnLiveBills, r.lostPayments,
                r.undoneDeletes);
    std::printf("  time: edits %lld ms, convergence %lld ms\n", r.editMs, r.convergeMs);
    for (const QString& lost : r.lost.mid(0, 5))
        std::printf("  lost: %s\n", qPrintable(lost));
    if (!r.firstDifference.isEmpty())
        std::printf("  first difference:\n%s\n", qPrintable(r.firstDifference));
    return r.converged && r.lostPayments == 0 && r.undoneDeletes == 0 ? 0 : 1;
}
