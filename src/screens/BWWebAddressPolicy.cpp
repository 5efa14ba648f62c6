#include "screens/BWWebAddressPolicy.h"

namespace {

bool isWebPage(const QUrl& url)
{
    const QString scheme = url.scheme().toLower();
    return url.isValid() && (scheme == u"http" || scheme == u"https") && !url.host().isEmpty();
}

bool isBlank(const QUrl& url)
{
    return url.isEmpty() || url.toString().compare(QLatin1String("about:blank"), Qt::CaseInsensitive) == 0;
}

bool isPageContent(const QUrl& url)
{
    const QString scheme = url.scheme().toLower();
    return scheme == u"about" || scheme == u"data" || scheme == u"blob";
}

}  // namespace

bool BWWebAddressPolicy::mayLoad(const QUrl& url, bool mainFrame)
{
    return isWebPage(url) || isBlank(url) || (!mainFrame && isPageContent(url));
}

bool BWWebAddressPolicy::mayOpenWindow(const QUrl& url)
{
    return isWebPage(url) || isBlank(url);
}
