#pragma once

#include <QUrl>

// Which addresses the pay-site browser loads. A page, and a window a page
// opens, show only web pages (http, https): any other address could open a
// local file, start a program or hand the user to another application. The
// empty page (about:blank) is allowed too: the pane goes there to leave a
// site, and a site may open an empty window that it fills itself. Frames
// inside a page may also hold the page's own content (about:, data:, blob:).
namespace BWWebAddressPolicy {

bool mayLoad(const QUrl& url, bool mainFrame);
bool mayOpenWindow(const QUrl& url);

}  // namespace BWWebAddressPolicy
