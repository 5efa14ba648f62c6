#pragma once

#include <QHash>
#include <QList>
#include <QString>
#include <QVariantMap>

#include "store/BWStoreEnvironment.h"

class BGHUDLabel;
class QWidget;
struct BWBillDetailWidgets;

// The bill page's strip of statistics boxes: which boxes it holds, the
// figures they show, and how many whole boxes its width shows. It works on
// the views the page built.
class BWBillStatisticsStrip
{
public:
    BWBillStatisticsStrip(const BWStoreEnvironment& env, BWBillDetailWidgets& widgets);

    // Fills the figures and bars with those of `record`.
    void showStatistics(const QVariantMap& record);
    // Holds the payment and year boxes, and for a bill the balance and season
    // boxes as well.
    void holdBoxesFor(bool income);
    // Scrolls to the box of `position` (1 for the first), or to the last box
    // held for an item that holds fewer.
    void scrollToPosition(qlonglong position);

    QList<QWidget*> shownStatBoxes() const;
    // The strip shows only whole boxes, as many as its width holds; done on
    // every resize of the strip.
    void fitStatisticsToWholeBoxes();
    void showOnlyWholeStatBoxes();
    // The figure fields by name ("averagePaymentAmt", "totalThis", ...).
    BGHUDLabel* statField(const QString& name) const;

private:
    BWStoreEnvironment m_env;
    BWBillDetailWidgets& m_widgets;
};
