#pragma once

#include <QWebEnginePage>

#include "screens/BWWebEngine.h"

// One page of the pay-site browser in Qt WebEngine: it reports to the
// program through the view's events, asks them before every navigation,
// refuses every certificate error and every permission a site asks for
// (camera, microphone, location, notifications, file access, ...).
class BWQtWebPage : public QWebEnginePage
{
    Q_OBJECT

public:
    // `events` belong to the view, which outlives its pages.
    BWQtWebPage(QWebEngineProfile* profile, const BWWebView::Events& events, QObject* parent);

protected:
    bool acceptNavigationRequest(const QUrl& url, NavigationType type, bool isMainFrame) override;

private:
    void reportLoading(const QWebEngineLoadingInfo& info);
    void refuseCertificate(const QWebEngineCertificateError& error);
    void reportProcessEnd(RenderProcessTerminationStatus status, int exitCode);
    void denyEveryPermission();

    const BWWebView::Events& m_events;
    // The address the main frame is loading, while it loads.
    QUrl m_mainFrameLoad;
};
