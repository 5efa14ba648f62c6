#pragma once

#include <QWidget>

#include <functional>
#include <memory>

#include "screens/BWWebEngine.h"

class BGHUDButton;
class BGHUDLabel;
class BGHUDProgressIndicator;
class BGHUDTextField;
class BWPopupBrowserWindow;
class BWWebEngineLoader;
class QAbstractButton;
class QStackedLayout;

// The bill page's browser pane: a pay site with its address, a loading
// indicator and Back, Forward, Reload, "Open in Browser" and Close. Pages the
// site opens in new windows go to the pop-up browser window.
//
// The web engine starts the first time a page is loaded here, not before.
// Only the main frame moves the indicator and the address: a frame inside
// the page changes neither. An address that is not a web page, or a site
// whose certificate is not valid, is not loaded, and the address field says
// so; there is no way to load it anyway.
class BWWebPane : public QWidget
{
    Q_OBJECT

public:
    explicit BWWebPane(QWidget* parent = nullptr);
    ~BWWebPane() override;

    // Where the engine comes from; none: the pane cannot show pages.
    void setEngineLoader(BWWebEngineLoader* loader) { m_loader = loader; }

    // Starts the engine for the pane; false when it cannot, and then the
    // pane says why instead of showing a page.
    bool start();
    // Loads `url` in the pane; false when the engine cannot start.
    bool load(const QUrl& url);
    // Leaves the site shown, without starting the engine for it.
    void leaveSite();

    BGHUDTextField* addressField() const { return m_address; }
    BGHUDProgressIndicator* loadingIndicator() const { return m_indicator; }
    QAbstractButton* reloadButton() const;
    QAbstractButton* openInBrowserButton() const;
    QAbstractButton* closeButton() const;
    // What the pane says in place of a page when the engine failed.
    BGHUDLabel* notice() const { return m_notice; }
    BWWebView* view() const { return m_view.get(); }
    // The window for pages the site opens in new windows; none before the
    // first one.
    BWPopupBrowserWindow* popupWindow() const { return m_popup.get(); }

signals:
    void closeRequested();
    void openInBrowserRequested();
    // The engine failed before it showed any page: the site has to open
    // somewhere else.
    void engineFailed();

private:
    BWWebView::Events paneEvents();
    BWWebView::Events popupEvents();
    // Decides a navigation; a refused main frame shows `showLine`'s line.
    static bool admit(const QUrl& url, bool mainFrame, const std::function<void(const QString&)>& showLine);
    // The pop-up window's view for a new window, or null when the address
    // is refused (and `showLine` says so).
    BWWebView* openPopup(const QUrl& url, const std::function<void(const QString&)>& showLine);
    void pageLoadStarted(const QUrl& url);
    void pageLoadFinished(bool ok);
    void pageProcessEnded(const QString& reason);
    void updateHistoryButtons();
    void showNotice(const QString& text);
    void showPage();

    BWWebEngineLoader* m_loader = nullptr;
    std::unique_ptr<BWWebView> m_view;
    std::unique_ptr<BWPopupBrowserWindow> m_popup;
    // Whether the engine has shown a page in this run: a failure before
    // that means the engine cannot work here.
    bool m_hasShownPage = false;

    BGHUDButton* m_back = nullptr;
    BGHUDButton* m_forward = nullptr;
    BGHUDButton* m_reload = nullptr;
    BGHUDButton* m_openInBrowser = nullptr;
    BGHUDButton* m_close = nullptr;
    BGHUDProgressIndicator* m_indicator = nullptr;
    BGHUDTextField* m_address = nullptr;
    BGHUDLabel* m_notice = nullptr;
    QStackedLayout* m_pageArea = nullptr;
};
