#pragma once

#include <QPointer>

#include "screens/BWWebEngine.h"

class BWQtWebPage;
class QWebEngineNewWindowRequest;
class QWebEngineProfile;
class QWebEngineView;

// A view of the pay-site browser in Qt WebEngine: one page at a time, and
// the program's events for it. A new window the page opens goes to the view
// the program names, where it keeps its tie to this page (window.opener).
class BWQtWebView : public BWWebView
{
public:
    BWQtWebView(QWebEngineProfile* profile, Events events);
    ~BWQtWebView() override;

    QWidget* widget() const override;
    void load(const QUrl& url) override;
    void back() override;
    void forward() override;
    void reload() override;
    bool canGoBack() const override;
    bool canGoForward() const override;
    QUrl url() const override;
    QString title() const override;

private:
    void openNewWindow(QWebEngineNewWindowRequest& request);
    // Shows the page that `request` asked a new window for.
    void adopt(QWebEngineNewWindowRequest& request);

    Events m_events;
    QPointer<QWebEngineView> m_view;
    BWQtWebPage* m_page = nullptr;
};
