#pragma once

#include <QString>
#include <QUrl>

#include <functional>
#include <memory>

class QWidget;

// What the pay-site browser needs of a web engine. The engine (Chromium,
// through Qt WebEngine) lives in a module of its own that the program loads
// the first time a pay site is shown in the bill page, so that starting
// Orvane and showing bills never load it (BWWebEngineLoader).
//
// The module only adapts the engine: which addresses may load, where a new
// window goes and what the user is told are decided by the program through
// the callbacks below. These types are plain C++ (no signals): the module
// links Qt, not the program, so it cannot reach the program's meta-objects.

// How the engine keeps its data and saves downloads.
struct BWWebEngineSettings
{
    // The browser's own profile: cookies, cache and the sites' storage.
    QString profileFolder;
    // The full path a download named `suggestedFileName` is saved to, once
    // the user agreed; "" when it is not saved.
    std::function<QString(const QString& suggestedFileName)> downloadPath;
};

// One web page view: a widget showing one site, with its history.
class BWWebView
{
public:
    // What the view reports; every callback is set.
    struct Events
    {
        // Asked before every navigation of the main frame or of a sub-frame;
        // false refuses it.
        std::function<bool(const QUrl& url, bool mainFrame)> mayLoad;
        // The main frame began loading `url`. Sub-frames report nothing.
        std::function<void(const QUrl& url)> loadStarted;
        // The main frame's load ended, loaded or not.
        std::function<void(bool ok)> loadFinished;
        // The page opened a new window for `url`: the view it goes to, or
        // null when it goes nowhere.
        std::function<BWWebView*(const QUrl& url)> newWindow;
        // A certificate was not valid, so that load stopped; `mainFrame`
        // when it was the main frame's site.
        std::function<void(const QUrl& url, const QString& description, bool mainFrame)> certificateRefused;
        // Going back or forward became possible or impossible.
        std::function<void()> historyChanged;
        // The page asked to close its window (window.close()).
        std::function<void()> closeRequested;
        // The engine's process for the page ended unexpectedly.
        std::function<void(const QString& reason)> processEnded;
    };

    virtual ~BWWebView() = default;

    virtual QWidget* widget() const = 0;
    virtual void load(const QUrl& url) = 0;
    virtual void back() = 0;
    virtual void forward() = 0;
    virtual void reload() = 0;
    virtual bool canGoBack() const = 0;
    virtual bool canGoForward() const = 0;
    virtual QUrl url() const = 0;
    // The page's title; its address while it has none.
    virtual QString title() const = 0;
};

// The engine: one profile, and the views showing pages in it.
class BWWebEngine
{
public:
    virtual ~BWWebEngine() = default;
    virtual std::unique_ptr<BWWebView> makeView(BWWebView::Events events) = 0;
};

// The module's one entry point: makes the engine, or answers null with the
// reason in `error`.
using BWWebEngineFactory = BWWebEngine* (*)(const BWWebEngineSettings& settings, QString* error);
inline constexpr char BWWebEngineFactoryName[] = "orvaneMakeWebEngine";
