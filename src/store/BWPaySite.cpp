#include "store/BWPaySite.h"

#include "store/BWBill.h"

std::optional<QUrl> BWPaySite::webAddress(const QString& paySite)
{
    const QString site = paySite.trimmed();
    if (site.isEmpty() || site.compare(QLatin1String("http://"), Qt::CaseInsensitive) == 0)
        return std::nullopt;
    // An address that names its own kind of link keeps it; a bare one is taken
    // for a web address.
    const QString address = site.contains(QLatin1String("://")) ? site : BWBill::getCorrectedPaymentURL(site);
    const QUrl url(address, QUrl::StrictMode);
    const QString scheme = url.scheme().toLower();
    if (!url.isValid() || (scheme != QLatin1String("http") && scheme != QLatin1String("https")) || url.host().isEmpty())
        return std::nullopt;
    return url;
}
