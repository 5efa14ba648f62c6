#include "webengine/BWQtWebPage.h"

#include <QAction>
#include <QWebEngineCertificateError>
#include <QWebEngineFileSystemAccessRequest>
#include <QWebEngineFullScreenRequest>
#include <QWebEngineLoadingInfo>
#include <QWebEngineRegisterProtocolHandlerRequest>

BWQtWebPage::BWQtWebPage(QWebEngineProfile* profile, const BWWebView::Events& events, QObject* parent)
    : QWebEnginePage(profile, parent)
    , m_events(events)
{
    connect(this, &QWebEnginePage::loadingChanged, this, &BWQtWebPage::reportLoading);
    connect(this, &QWebEnginePage::certificateError, this, &BWQtWebPage::refuseCertificate);
    connect(this, &QWebEnginePage::renderProcessTerminated, this, &BWQtWebPage::reportProcessEnd);
    connect(this, &QWebEnginePage::windowCloseRequested, this, [this] { m_events.closeRequested(); });
    for (WebAction step : {Back, Forward})
        connect(action(step), &QAction::changed, this, [this] { m_events.historyChanged(); });
    denyEveryPermission();
}

bool BWQtWebPage::acceptNavigationRequest(const QUrl& url, NavigationType, bool isMainFrame)
{
    return m_events.mayLoad(url, isMainFrame);
}

// Only the main frame's loads reach here; the error page the engine shows
// for a failed load is no load of the site's.
void BWQtWebPage::reportLoading(const QWebEngineLoadingInfo& info)
{
    if (info.isErrorPage())
        return;
    switch (info.status()) {
    case QWebEngineLoadingInfo::LoadStartedStatus:
        m_mainFrameLoad = info.url();
        m_events.loadStarted(info.url());
        return;
    case QWebEngineLoadingInfo::LoadSucceededStatus:
        m_mainFrameLoad.clear();
        m_events.loadFinished(true);
        return;
    case QWebEngineLoadingInfo::LoadStoppedStatus:
    case QWebEngineLoadingInfo::LoadFailedStatus:
        m_mainFrameLoad.clear();
        m_events.loadFinished(false);
        return;
    }
}

// There is no way to load a site whose certificate is not valid. The engine
// does not say which frame the certificate was for: one for the host the main
// frame is loading (after a redirect from http to https, too) counts as the
// main frame's.
void BWQtWebPage::refuseCertificate(const QWebEngineCertificateError& error)
{
    QWebEngineCertificateError refused = error;
    refused.rejectCertificate();
    const bool mainFrame = !m_mainFrameLoad.isEmpty() && m_mainFrameLoad.host() == error.url().host();
    m_events.certificateRefused(error.url(), error.description(), mainFrame);
}

void BWQtWebPage::reportProcessEnd(RenderProcessTerminationStatus status, int exitCode)
{
    switch (status) {
    case NormalTerminationStatus:
        return;
    case AbnormalTerminationStatus:
        m_events.processEnded(tr("its process ended with code %1").arg(exitCode));
        return;
    case CrashedTerminationStatus:
        m_events.processEnded(tr("its process crashed"));
        return;
    case KilledTerminationStatus:
        m_events.processEnded(tr("its process was killed"));
        return;
    }
}

void BWQtWebPage::denyEveryPermission()
{
    connect(this, &QWebEnginePage::featurePermissionRequested, this, [this](const QUrl& origin, Feature feature) {
        setFeaturePermission(origin, feature, PermissionDeniedByUser);
    });
    connect(this, &QWebEnginePage::fileSystemAccessRequested, this,
            [](QWebEngineFileSystemAccessRequest request) { request.reject(); });
    connect(this, &QWebEnginePage::registerProtocolHandlerRequested, this,
            [](QWebEngineRegisterProtocolHandlerRequest request) { request.reject(); });
    connect(this, &QWebEnginePage::fullScreenRequested, this,
            [](QWebEngineFullScreenRequest request) { request.reject(); });
}
