// Runs one whole-data-folder operation on a prepared sandbox, so a script can
// kill it at a random moment and then check that one whole data folder is
// left where the settings point, and that the next start leaves no half copy
// anywhere:
//   DataFolderKillDriver SANDBOX setup|backup|restore|move|check
#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>

#include <cstdio>

#include "platform/BWUIDMaker.h"
#include "platform/Clock.h"
#include "platform/FolderOps.h"
#include "platform/PropertyList.h"
#include "platform/UserDefaults.h"
#include "store/BWBillRecordKeys.h"
#include "store/BWBillsLoader.h"
#include "store/BWDatabaseMover.h"
#include "store/BWDefaultsKeys.h"
#include "store/BWInterruptedCopies.h"
#include "store/BWStoreEnvironment.h"

using namespace BWDefaultsKeys;

namespace {

constexpr int BillCount = 300;
constexpr int ReceiptBytes = 32 * 1024;

struct Sandbox
{
    explicit Sandbox(const QString& root)
        : root(root), defaults(UserDefaults::standardPath(root + "/config"))
    {
        env.defaults = &defaults;
        env.appGroup = &defaults;
        env.clock = &clock;
        env.supportFolder = root + "/home/Orvane";
        env.defaultDataFolder = env.supportFolder + "/Orvane.ovdata";
    }
    QString expected() const { return root + "/expected"; }
    QString chosen() const { return root + "/chosen"; }

    QString root;
    UserDefaults defaults;
    Clock clock;
    BWStoreEnvironment env;
};

bool setUp(Sandbox& box)
{
    const QString data = BWBillsLoader(box.env).orvaneDirectory();
    QVariantList ids;
    for (int i = 0; i < BillCount; ++i) {
        const QString id = BWUIDMaker::makeUID();
        QVariantList payments;
        for (int p = 0; p < 24; ++p)
            payments.append(QVariantMap{{PaymentKeys::Amount, 10.0 + p}, {PaymentKeys::Date, QDateTime::currentDateTimeUtc()}});
        const QVariantMap bill{{BillKeys::Bid, id}, {BillKeys::Name, QStringLiteral("Bill %1").arg(i)},
                               {BillKeys::DueDate, QDateTime::currentDateTimeUtc()}, {BillKeys::PaymentList, payments}};
        QFile receipt(QDir(data).filePath(BWUIDMaker::makeUID() + ".pdf"));
        if (!PropertyList::write(QDir(data).filePath(id + ".plist"), bill) || !receipt.open(QIODevice::WriteOnly)
            || receipt.write(QByteArray(ReceiptBytes, char('a' + i % 26))) != ReceiptBytes)
            return false;
        ids.append(id);
    }
    return PropertyList::write(QDir(data).filePath(DataFolderFiles::BillIndex), QVariantMap{{IndexKeys::ActiveBills, ids}})
        && FolderOps::copyFolder(data, box.expected()) && BWBillsLoader(box.env).backupDatabase();
}

bool moveBackOrForth(Sandbox& box)
{
    const BWBillsLoader loader(box.env);
    const QString current = loader.orvaneDirectory();
    const bool custom = box.defaults.boolForKey(BWCustomLocationEnabled);
    BWDatabaseMover mover(box.env, [&box, custom](const QString&) {
        return box.defaults.setBool(BWCustomLocationEnabled, !custom)
            && box.defaults.setObject(BWCustomLocationBookmark, box.chosen())
            && box.defaults.setObject(BWCusomLocationTempPath, QString());
    });
    QDir().mkpath(box.chosen());
    return custom ? mover.resetDatabaseFromStartLocation(current)
                  : mover.moveDatabaseToNewLocation(box.chosen(), current, false);
}

// Every file of the expected folder is in the data folder, byte for byte.
bool dataFolderIsWhole(Sandbox& box)
{
    const QString data = BWBillsLoader(box.env).orvaneDirectory();
    QDirIterator files(box.expected(), QDir::Files);
    int checked = 0;
    while (files.hasNext()) {
        QFile want(files.next());
        QFile have(QDir(data).filePath(files.fileName()));
        if (!want.open(QIODevice::ReadOnly) || !have.open(QIODevice::ReadOnly) || want.readAll() != have.readAll()) {
            std::fprintf(stderr, "%s is missing or damaged in %s\n", qPrintable(files.fileName()), qPrintable(data));
            return false;
        }
        ++checked;
    }
    return checked > BillCount;
}

// What the next start does about interrupted work leaves nothing behind of
// it, in the data folder's places and the backups alike.
bool noLeftoversAfterTidying(Sandbox& box)
{
    BWInterruptedCopies(box.env).tidy();
    QDirIterator entries(box.root, QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (entries.hasNext()) {
        const QString path = entries.next();
        if (path.endsWith(".partial") || path.endsWith(".replaced") || path.endsWith(".removing")) {
            std::fprintf(stderr, "%s was left behind\n", qPrintable(path));
            return false;
        }
    }
    return true;
}

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc != 3)
        return 2;
    Sandbox box(QString::fromLocal8Bit(argv[1]));
    const QString operation = QString::fromLocal8Bit(argv[2]);
    bool done = false;
    if (operation == "setup")
        done = setUp(box);
    else if (operation == "backup")
        done = box.defaults.setObject(BWLastBackup, PropertyList::distantPast()) && BWBillsLoader(box.env).backupDatabase();
    else if (operation == "restore")
        done = BWBillsLoader(box.env).restoreDatabase();
    else if (operation == "move")
        done = moveBackOrForth(box);
    else if (operation == "check")
        done = dataFolderIsWhole(box) && noLeftoversAfterTidying(box);
    else
        return 2;
    return done ? 0 : 1;
}
