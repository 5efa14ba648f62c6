#include "screens/BWAutomaticCatchUp.h"

#include "platform/Log.h"
#include "store/BWAutomaticPayments.h"
#include "store/BWBillsLoader.h"

bool BWAutomaticCatchUp::agreed(const BWStoreEnvironment& env, const QVariantMap& item, const Question& ask,
                                QWidget* parent)
{
    const BWAutomaticPayments::Backlog backlog = BWAutomaticPayments(env).backlogOf(item);
    if (backlog.count <= 1)
        return true;
    // With nobody to ask, the payments wait for a save the user agreed to.
    if (!ask) {
        Log::line(QStringLiteral("Not saving: it would log %1 automatic payments unasked").arg(backlog.count));
        return false;
    }
    const QString from = BWBillsLoader(env).createDueDateString(backlog.from);
    const int answer = ask(parent, tr("Log %n Automatic Payments?", nullptr, backlog.count),
                           tr("Saving logs %n automatic payments at once, one for each due date from %1 until today.",
                              nullptr, backlog.count)
                               .arg(from),
                           {tr("Cancel"), tr("Save and Log Them")});
    return answer == 1;
}
