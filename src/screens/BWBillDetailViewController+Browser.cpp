// The shown bill's pay site. Pay sites open in the desktop's browser, and only
// web pages are opened (the store's one rule for pay sites).
#include "screens/BWBillDetailViewController.h"

#include <QAction>

#include "platform/Log.h"
#include "platform/SenderTag.h"
#include "store/BWBillRecordKeys.h"
#include "store/BWPaySite.h"

namespace {

// The log-payment panel's kind for a full payment.
constexpr int FullPaymentTag = 0;

}  // namespace

void BWBillDetailViewController::showWebView()
{
    QAction fullPayment;
    SenderTag::set(&fullPayment, FullPaymentTag);
    emit logPaymentRequested(&fullPayment);
    finishShowingWebsite();
}

void BWBillDetailViewController::finishShowingWebsite()
{
    const std::optional<QVariantMap> record = loadShownBill();
    const QString site = record ? record->value(BillKeys::PaySite).toString() : QString();
    const std::optional<QUrl> url = BWPaySite::webAddress(site);
    if (!url) {
        Log::line(QStringLiteral("No web address to open for the pay site of %1").arg(m_currentBillID));
        return;
    }
    // The opener tells the user itself when no browser could be started.
    if (!m_openUrl || !m_openUrl(*url))
        Log::line(QStringLiteral("Could not open the pay site"));
}
