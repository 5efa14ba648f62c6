#pragma once

#include <memory>

#include "screens/BWWebEngine.h"

class QWebEngineDownloadRequest;
class QWebEngineProfile;

// The pay-site browser's engine in Qt WebEngine: Orvane's own profile (its
// cookies, cache and site storage in the folder the program names), with
// JavaScript on and allowed to open windows, and downloads saved where the
// program says once the user agreed.
class BWQtWebEngine : public BWWebEngine
{
public:
    explicit BWQtWebEngine(BWWebEngineSettings settings);
    ~BWQtWebEngine() override;

    std::unique_ptr<BWWebView> makeView(BWWebView::Events events) override;

private:
    void download(QWebEngineDownloadRequest* download);

    BWWebEngineSettings m_settings;
    std::unique_ptr<QWebEngineProfile> m_profile;
};
