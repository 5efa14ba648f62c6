#include "webengine/BWQtWebView.h"

#include <QWebEngineHistory>
#include <QWebEngineNewWindowRequest>
#include <QWebEngineView>

#include "webengine/BWQtWebPage.h"

BWQtWebView::BWQtWebView(QWebEngineProfile* profile, Events events)
    : m_events(std::move(events))
    , m_view(new QWebEngineView)
    , m_page(new BWQtWebPage(profile, m_events, m_view))
{
    m_view->setPage(m_page);
    QObject::connect(m_page, &QWebEnginePage::newWindowRequested, m_page,
                     [this](QWebEngineNewWindowRequest& request) { openNewWindow(request); });
}

// The page goes with the widget, before the profile it belongs to.
BWQtWebView::~BWQtWebView()
{
    delete m_view.data();
}

QWidget* BWQtWebView::widget() const
{
    return m_view;
}
void BWQtWebView::load(const QUrl& url)
{
    m_page->load(url);
}
void BWQtWebView::back()
{
    m_page->triggerAction(QWebEnginePage::Back);
}
void BWQtWebView::forward()
{
    m_page->triggerAction(QWebEnginePage::Forward);
}
void BWQtWebView::reload()
{
    m_page->triggerAction(QWebEnginePage::Reload);
}
bool BWQtWebView::canGoBack() const
{
    return m_page->history()->canGoBack();
}
bool BWQtWebView::canGoForward() const
{
    return m_page->history()->canGoForward();
}
QUrl BWQtWebView::url() const
{
    return m_page->url();
}
QString BWQtWebView::title() const
{
    return m_page->title();
}

// Every view of this engine is one of these, so the view the program names
// can take the new window's page.
void BWQtWebView::openNewWindow(QWebEngineNewWindowRequest& request)
{
    if (BWWebView* target = m_events.newWindow(request.requestedUrl()))
        static_cast<BWQtWebView*>(target)->adopt(request);
}

void BWQtWebView::adopt(QWebEngineNewWindowRequest& request)
{
    request.openIn(m_page);
}
