#pragma once

#include <QString>
#include <QUrl>
#include <QVariantMap>

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

// Whether a bill offers paying at its site: one paid online or automatically
// (PayType 0 or 1) whose pay site can be opened. The pay-now buttons, the
// actions pop-ups and the menus all ask this.
bool billHasPaySite(const QVariantMap& record);

}  // namespace BWPaySite
