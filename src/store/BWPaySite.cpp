#include "store/BWPaySite.h"

#include "store/BWBill.h"
#include "store/BWBillRecordKeys.h"

namespace {

constexpr qlonglong OnlinePayment = 0;
constexpr qlonglong AutomaticPayment = 1;

}  // namespace

std::optional<QUrl> BWPaySite::webAddress(const QString& paySite)
{
    const QString site = paySite.trimmed();
    if (site.isEmpty() || site.compare(QLatin1String("http://"), Qt::CaseInsensitive) == 0)
        return std::nullopt;
    const QUrl url(BWBill::getCorrectedPaymentURL(site), QUrl::StrictMode);
    const QString scheme = url.scheme().toLower();
    if (!url.isValid() || (scheme != QLatin1String("http") && scheme != QLatin1String("https")) || url.host().isEmpty())
        return std::nullopt;
    return url;
}

bool BWPaySite::billHasPaySite(const QVariantMap& record)
{
    const qlonglong payType = record.value(BillKeys::PayType).toLongLong();
    return (payType == OnlinePayment || payType == AutomaticPayment)
        && isSet(record.value(BillKeys::PaySite).toString());
}
