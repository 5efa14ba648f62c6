#pragma once

#include <QCoreApplication>
#include <QStringList>
#include <QVariantMap>

#include <functional>

#include "store/BWStoreEnvironment.h"

class QWidget;

// After a save, the shell's automatic step logs every payment an automatic
// item has come due for. A save that puts an item several due dates behind
// (a due date moved into the past) would have it log them all at once; such
// a save first says how many, from which date, and goes ahead only when the
// user agrees. A save that logs one payment or none is not asked about.
class BWAutomaticCatchUp
{
    Q_DECLARE_TR_FUNCTIONS(BWAutomaticCatchUp)

public:
    // Asks with buttons (the first is the default); the index clicked, -1
    // when dismissed.
    using Question = std::function<int(QWidget* parent, const QString& message, const QString& details,
                                       const QStringList& buttons)>;

    // Whether the save of `item`, as it is about to be stored, may go ahead.
    static bool agreed(const BWStoreEnvironment& env, const QVariantMap& item, const Question& ask, QWidget* parent);
};
