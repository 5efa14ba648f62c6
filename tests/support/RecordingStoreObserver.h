#pragma once

#include <QStringList>

#include "store/BWStoreObserver.h"

// Keeps each announcement of the store as a short line: "saved <id>",
// "paid <id>", "skipped <id>", "deleted <id>", "index".
class RecordingStoreObserver : public BWStoreObserver
{
public:
    void billSaved(const QString& billID) override { calls.append(QStringLiteral("saved ") + billID); }
    void paymentLogged(const QString& billID) override { calls.append(QStringLiteral("paid ") + billID); }
    void paymentSkipped(const QString& billID) override { calls.append(QStringLiteral("skipped ") + billID); }
    void billDeleted(const QString& billID) override { calls.append(QStringLiteral("deleted ") + billID); }
    void indexChanged() override { calls.append(QStringLiteral("index")); }

    QStringList calls;
};
