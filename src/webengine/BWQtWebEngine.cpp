#include "webengine/BWQtWebEngine.h"

#include <QDir>
#include <QFileInfo>
#include <QWebEngineDownloadRequest>
#include <QWebEngineProfile>
#include <QWebEngineSettings>

#include "webengine/BWQtWebView.h"

BWQtWebEngine::BWQtWebEngine(BWWebEngineSettings settings)
    : m_settings(std::move(settings))
    , m_profile(std::make_unique<QWebEngineProfile>(QStringLiteral("Orvane")))
{
    m_profile->setPersistentStoragePath(m_settings.profileFolder);
    m_profile->setCachePath(QDir(m_settings.profileFolder).filePath(QStringLiteral("Cache")));
    m_profile->setPersistentCookiesPolicy(QWebEngineProfile::AllowPersistentCookies);
    QWebEngineSettings* pages = m_profile->settings();
    pages->setAttribute(QWebEngineSettings::JavascriptEnabled, true);
    pages->setAttribute(QWebEngineSettings::JavascriptCanOpenWindows, true);
    // An address the engine cannot show itself (mailto:, a program's own
    // scheme) is never handed to the desktop.
    pages->setUnknownUrlSchemePolicy(QWebEngineSettings::DisallowUnknownUrlSchemes);
    QObject::connect(m_profile.get(), &QWebEngineProfile::downloadRequested, m_profile.get(),
                     [this](QWebEngineDownloadRequest* request) { download(request); });
}

BWQtWebEngine::~BWQtWebEngine() = default;

std::unique_ptr<BWWebView> BWQtWebEngine::makeView(BWWebView::Events events)
{
    return std::make_unique<BWQtWebView>(m_profile.get(), std::move(events));
}

// The engine drops a download that is not accepted before this returns.
void BWQtWebEngine::download(QWebEngineDownloadRequest* request)
{
    const QString path = m_settings.downloadPath ? m_settings.downloadPath(request->suggestedFileName()) : QString();
    if (path.isEmpty()) {
        request->cancel();
        return;
    }
    const QFileInfo target(path);
    request->setDownloadDirectory(target.absolutePath());
    request->setDownloadFileName(target.fileName());
    request->accept();
}
