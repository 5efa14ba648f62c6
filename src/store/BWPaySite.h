#pragma once

#include <QString>
#include <QUrl>

#include <optional>

// The one rule for a bill's pay site, shared by every command that offers or
// opens it: only web pages (http and https) are opened, since a stored
// address of any other kind could start a program or open a local file.
namespace BWPaySite {

// The web address to open for a stored PaySite: an address without a scheme
// is taken for a web address; nothing for an empty one, the bare scheme
// prefix the store puts in front of every address, or anything but a web page.
std::optional<QUrl> webAddress(const QString& paySite);

// Whether the bill has a pay site that can be opened.
inline bool isSet(const QString& paySite)
{
    return webAddress(paySite).has_value();
}

}  // namespace BWPaySite
