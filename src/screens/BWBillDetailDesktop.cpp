#include "screens/BWBillDetailDesktop.h"

#include "platform/Log.h"

void BWBillDetailDesktop::openPaySite(const QUrl& url) const
{
    if (!openUrl || !openUrl(url))
        Log::line(QStringLiteral("Could not open the pay site"));
}
